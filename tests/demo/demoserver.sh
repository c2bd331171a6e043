#!/usr/bin/env bash
# The demo server as a test starts it: on a free port, then our downloader fetches the padded
# scan utility from it over HTTPS, pauses at 2 MB and resumes with a Range request. The file
# must arrive whole, and stop must end the server.
#   demoserver.sh <scripts/demo-server> <disctool> <build>/demo <scratch folder>
set -euo pipefail
server_script="$1" disctool="$2" demo="$3" dir="$4"
rm -rf "$dir"
mkdir -p "$dir"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

trap '"$server_script" stop --dir "$dir/server"' EXIT
settings="$("$server_script" start --dir "$dir/server" --port 0 --rate 8m --root "$demo/web")"
while IFS='=' read -r name value; do
    export "$name=$value"
done <<<"$settings"
[[ "$TAM_UPDATE_HOST" =~ ^127\.0\.0\.1:[0-9]+$ ]] || fail "update host $TAM_UPDATE_HOST"
pid="$(cat "$dir/server/server.pid")"

name=CaptureSetup_3.4.exe
served="$demo/web/Downloads/demo/$name"
target="$dir/$name"
"$disctool" download "https://$TAM_UPDATE_HOST/Downloads/demo/$name" "$target" \
    --pause-at 2000000 --resume-after 100 >"$dir/download.log" ||
    fail "download: $(tail -3 "$dir/download.log")"
cmp "$served" "$target" || fail "$name arrived changed"
# The catalogue's size for it is what arrived.
grep -q "/$name\" size=\"$(stat -c %s "$target")\"" "$demo/update/update.xml" ||
    fail "update.xml states another size for $name"
grep -Eq "^GET /Downloads/demo/$name \"bytes=[1-9][0-9]*-[0-9]*\" 206 " "$dir/server/access.log" ||
    fail "no resumed request in $(cat "$dir/server/access.log")"

"$server_script" stop --dir "$dir/server"
trap - EXIT
state="$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$pid/status" 2>/dev/null || true)"
[ -z "$state" ] || [ "$state" = Z ] || fail "nginx $pid still runs after stop"
! curl -s --cacert "$TAM_CA_BUNDLE" -o /dev/null "https://$TAM_UPDATE_HOST/" ||
    fail "the port still answers after stop"
echo "PASS: $name fetched with a pause and a resume from https://$TAM_UPDATE_HOST"

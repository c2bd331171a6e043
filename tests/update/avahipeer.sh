#!/usr/bin/env bash
# Runs a test program beside a real avahi-daemon in a private network, mount and process
# namespace: a veth pair (avahi ignores loopback) with a TEST-NET address, a private system
# D-Bus, the daemon, and avahi-publish announcing the peers the program looks for. Everything
# started here ends with the namespace; the trap ends it by pid first.
#
#   avahipeer.sh PROGRAM     exit 77 (skipped) when the namespace cannot be made
set -uo pipefail
skip() {
    echo "avahipeer: skipped: $*"
    exit 77
}

if [ "${1:-}" != "--inside" ]; then
    program="${1:?usage: avahipeer.sh PROGRAM}"
    [ "$(id -u)" -eq 0 ] || skip "needs root to make a network namespace"
    for tool in unshare ip dbus-daemon avahi-daemon avahi-publish; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps)"
    done
    unshare -n -m -p -f --mount-proc --propagation private true 2>/dev/null ||
        skip "unshare cannot make network, mount and process namespaces here"
    exec unshare -n -m -p -f --mount-proc --propagation private "$0" --inside "$program"
fi
program="$2"

work="$(mktemp -d /tmp/tam-avahipeer-XXXXXX)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

mount -t tmpfs tmpfs /run 2>/dev/null || skip "cannot mount a private /run"
mkdir -p /run/avahi-daemon /run/dbus
ip link set lo up
ip link add tam0 type veth peer name tam1 || skip "cannot make a veth pair"
ip addr add 192.0.2.10/24 dev tam0
ip link set tam0 multicast on up
ip link set tam1 up

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_type="method_return"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="signal"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
CONF
cat >"$work/avahi.conf" <<CONF
[server]
use-ipv4=yes
use-ipv6=no
allow-interfaces=tam0
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-workstation=no
publish-hinfo=no
CONF

dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile 2>"$work/dbus.log" &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/bus" ] && break; sleep 0.02; done
[ -S "$work/bus" ] || { cat "$work/dbus.log"; echo "avahipeer: the private D-Bus did not start"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus"

avahi-daemon -f "$work/avahi.conf" --no-drop-root --no-chroot --no-rlimits --no-proc-title \
    >"$work/avahi.log" 2>&1 &
pids+=($!)

publish() {
    local name="$1"
    shift
    avahi-publish -f -s "$@" >"$work/publish-$name.log" 2>&1 &
    pids+=($!)
}
subtype=(--sub _twaindirect._sub._privet._tcp)
publish a "Scanner A" _privet._tcp 8080 "${subtype[@]}" "note=front desk" \
    "ty=Scan 7:VID_04A7&PID_1234:SN_A_1"
publish b "Scanner B" _privet._tcp 8081 "${subtype[@]}" "ty=Scan 9:VID_04A7&PID_0abc: SN_B2 "
publish c "Scanner C" _privet._tcp 8082 "ty=Scan 3:VID_04A7&PID_0042:NOT_LISTED"
# A foreign device with the subtype: its note follows its type entry, so it is dropped only
# when the TXT entries arrive in the order they were announced.
publish f "Foreign" _privet._tcp 8083 "${subtype[@]}" "ty=Other:VID_1234&PID_0001:Z" \
    "note=dropped"
publish p "Printer" _ipp._tcp 631 "ty=Laser 5:VID_1234&PID_0001:P1" "note=foreign"

for _ in $(seq 300); do
    [ "$(cat "$work"/publish-*.log | grep -c "Established under name")" -eq 5 ] && break
    sleep 0.02
done
if [ "$(cat "$work"/publish-*.log | grep -c "Established under name")" -ne 5 ]; then
    cat "$work/avahi.log" "$work"/publish-*.log
    echo "avahipeer: the peers were not announced in time"
    exit 1
fi

"$program"

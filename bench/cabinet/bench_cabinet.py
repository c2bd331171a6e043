#!/usr/bin/env python3
"""Cabinet extraction against cabextract on the same ~200 MB MSZIP cabinet (about 320 MB
unpacked) of a few hundred files, alternating, several rounds; prints the median ratio of our
time to cabextract's.

  bench_cabinet.py OUR_PROGRAM WORK_DIR [ROUNDS [UNPACKED_MIB]]
"""

import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import time

FILES = 300
TOTAL = 320 * 1024 * 1024


def make_cabinet(work, total):
    """Writes payload files of mixed compressibility (text-like and binary-like) and packs them
    with gcab -z, once; later runs reuse the cabinet."""
    cabinet = os.path.join(work, "bench-%d-%d.cab" % (FILES, total >> 20))
    if os.path.exists(cabinet):
        return cabinet
    source = os.path.join(work, "source")
    shutil.rmtree(source, ignore_errors=True)
    rng = random.Random(20261207)
    words = [bytes(rng.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(2, 9)))
             for _ in range(5000)]
    corpus = b" ".join(rng.choice(words) for _ in range(2_000_000))
    noise = os.urandom(4 * 1024 * 1024)
    names = []
    size = total // FILES
    for i in range(FILES):
        folder = os.path.join("payload", "part%02d" % (i % 12))
        os.makedirs(os.path.join(source, folder), exist_ok=True)
        start = rng.randrange(0, len(corpus) - size)
        if i % 3 == 2:
            # Binary-like: random stretches between runs of zeros and text.
            data = bytearray(corpus[start:start + size])
            for k in range(0, size, 16384):
                at = rng.randrange(0, len(noise) - 4096)
                data[k:k + 4096] = noise[at:at + 4096][:len(data[k:k + 4096])]
                data[k + 4096:k + 8192] = bytes(len(data[k + 4096:k + 8192]))
            data = bytes(data)
        else:
            data = corpus[start:start + size]
        name = os.path.join(folder, "file%03d.dat" % i)
        with open(os.path.join(source, name), "wb") as f:
            f.write(data)
        names.append(name)
    subprocess.run(["gcab", "-c", "-z", cabinet] + names, cwd=source, check=True)
    shutil.rmtree(source)
    return cabinet


def timed(command):
    """Wall-clock seconds and CPU seconds (user + system) of one run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def main():
    if len(sys.argv) not in (3, 4, 5):
        sys.exit(__doc__)
    program, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    rounds = int(sys.argv[3]) if len(sys.argv) >= 4 else 7
    total = int(sys.argv[4]) * 1024 * 1024 if len(sys.argv) == 5 else TOTAL
    os.makedirs(work, exist_ok=True)
    cabinet = make_cabinet(work, total)
    ours_dir = os.path.join(work, "ours")
    theirs_dir = os.path.join(work, "cabextract")
    os.makedirs(ours_dir, exist_ok=True)
    ours_cabinet = os.path.join(ours_dir, os.path.basename(cabinet))
    if not os.path.exists(ours_cabinet):
        os.link(cabinet, ours_cabinet)  # the same file, in the folder our extraction writes to
    size = os.path.getsize(cabinet)
    print("cabinet: %s (%.0f MB, %.0f MB unpacked, %d files)"
          % (cabinet, size / 1e6, total / 1e6, FILES))

    def clean():
        shutil.rmtree(os.path.join(ours_dir, "payload"), ignore_errors=True)
        shutil.rmtree(theirs_dir, ignore_errors=True)
        os.makedirs(theirs_dir)

    ours, theirs, ratios, cpu_ratios = [], [], [], []
    clean()
    timed(["cabextract", "-q", "-d", theirs_dir, cabinet])  # warm the page cache
    for n in range(rounds):
        clean()
        order = [("ours", [program, ours_cabinet]),
                 ("cabextract", ["cabextract", "-q", "-d", theirs_dir, cabinet])]
        if n % 2:
            order.reverse()
        times = {name: timed(command) for name, command in order}
        ours.append(times["ours"][0])
        theirs.append(times["cabextract"][0])
        ratios.append(times["ours"][0] / times["cabextract"][0])
        cpu_ratios.append(times["ours"][1] / times["cabextract"][1])
        print("round %d: ours %.3f s, cabextract %.3f s, ratio %.3f (cpu %.3f)"
              % (n + 1, times["ours"][0], times["cabextract"][0], ratios[-1], cpu_ratios[-1]))
    clean()
    print("median: ours %.3f s, cabextract %.3f s" % (statistics.median(ours),
                                                       statistics.median(theirs)))
    print("median cpu time ratio ours/cabextract: %.3f" % statistics.median(cpu_ratios))
    print("median time ratio ours/cabextract: %.3f (goal <= 1.05)" % statistics.median(ratios))

if __name__ == "__main__":
    main()

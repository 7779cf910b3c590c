#!/usr/bin/env python3
"""Runs trickscan-batch and the reference on the same synthetic libraries for many combinations
of settings, scanning and then replaying the cache, and compares the result files byte for byte
(the date and time at the end of the third header line aside), the caches and "Over20.txt".

usage: compare_with_batch.py BATCH WORKDIR [--deals N] [--combos K] [--seed S] [--wild]
"""
import argparse
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "trickscan_ref.py")
MAKE = os.path.join(HERE, "make_library.py")

sys.path.insert(0, HERE)
from trickscan_ref import VALUE_OPTIONS  # noqa: E402  (the batch tool's value options)

CHOICES = {key: list(values) for key, values in VALUE_OPTIONS.items()}


def combos(rng, k):
    yield ["--preset", "ostrevan"]
    yield ["--preset", "standard"]
    yield ["--preset", "standard", "--trumps", "length"]
    yield ["--hcp", "15-25", "--preset", "ostrevan", "--level-limit", "2"]
    yield ["--click", "8", "--preset", "standard"]  # a click before the preset
    yield ["--preset", "standard", "--double-fit", "1", "--filter", "D2", "--solid-trump", "0.5"]
    yield ["--preset", "standard", "--filter", "D0", "--double-fit", "0"]
    yield ["--preset", "standard", "--chameleon", "-0.5", "--filter", "C1", "--chameleon", "0"]
    yield ["--preset", "standard", "--double-fit", "0.5", "--preset-again"]
    yield ["--preset", "standard", "--language", "ja"]  # the Japanese list header
    for _ in range(k):
        args = ["--preset", rng.choice(["ostrevan", "standard", "standard", "standard"])]
        keys = list(CHOICES)
        for _ in range(rng.randint(1, 7)):
            key = rng.choice(keys)
            args += [key, rng.choice(CHOICES[key])]
        if rng.random() < 0.2:
            args += ["--click", ",".join(str(rng.choice([0, 1, 2, 3, 14, 15, 20, 26, 30, 41]))
                                         for _ in range(rng.randint(1, 3)))]
        yield args


def fix(args):
    # "--preset-again" clicks Standard once more after the other options.
    return [a for a in args if a != "--preset-again"] + (
        ["--click", "1"] if "--preset-again" in args else [])


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def strip_date(data, words):
    """The third header line without its last words (the program's date and time, or the
    reference's fixed "DATE")."""
    if data is None:
        return None
    lines = data.split(b"\r\n")
    if len(lines) > 2:
        lines[2] = lines[2].rsplit(b" ", words)[0]
    return b"\r\n".join(lines)


def run(cmd):
    p = subprocess.run(cmd, capture_output=True, text=True)
    return p.returncode, p.stdout, p.stderr


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("batch")
    ap.add_argument("workdir")
    ap.add_argument("--deals", type=int, default=2000)
    ap.add_argument("--combos", type=int, default=40)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--wild", action="store_true")
    ap.add_argument("--form", default="bin")
    a = ap.parse_args()

    # The programs refuse folders whose path holds "zip" or "tmp".
    if "zip" in a.workdir.lower() or "tmp" in a.workdir.lower():
        a.workdir = os.path.join(os.path.expanduser("~"), ".trickscan-tests",
                                 os.path.basename(a.workdir.rstrip("/")))
    lib = os.path.join(a.workdir, "lib")
    shutil.rmtree(a.workdir, ignore_errors=True)
    os.makedirs(lib)
    make = [sys.executable, MAKE, lib, "--deals", str(a.deals), "--seed", str(a.seed), "--form",
            a.form]
    subprocess.run(make + (["--wild"] if a.wild else []), check=True, capture_output=True)
    rng = random.Random(a.seed)
    failures = 0
    compared = 0
    for n, raw in enumerate(combos(rng, a.combos)):
        args = fix(raw)
        folder = os.path.join(a.workdir, "p%03d" % n)
        out = os.path.join(a.workdir, "r%03d" % n)
        os.makedirs(folder)
        os.makedirs(out)
        for f in os.listdir(lib):
            shutil.copy(os.path.join(lib, f), folder)
        rc_b, so_b, se_b = run([a.batch, folder] + args)
        rc_r, so_r, se_r = run([sys.executable, REF, folder, "--out", out] + args)
        what = " ".join(args)
        if (rc_b == 0) != (rc_r == 0):
            print("EXIT %s: batch %d (%s) reference %d (%s)" % (what, rc_b, se_b.strip(), rc_r,
                                                                se_r.strip()))
            failures += 1
            continue
        if rc_b != 0:
            continue
        name = so_b.splitlines()[0]
        if name != so_r.strip().splitlines()[-1]:
            print("NAME %s: batch %s reference %s" % (what, name, so_r.strip()))
            failures += 1
            continue
        pairs = [
            ("result", strip_date(read(os.path.join(folder, "DataFiles", name + ".dat")), 2),
             strip_date(read(os.path.join(out, name + ".dat")), 1)),
            ("cache", read(os.path.join(folder, "DataFiles", "Trickscan_36.bin")),
             read(os.path.join(out, "Trickscan_36.bin"))),
            ("Over20", read(os.path.join(folder, "Over20.txt")), read(os.path.join(out, "Over20.txt"))),
        ]
        # A second run replays the cache.
        os.remove(os.path.join(folder, "DataFiles", name + ".dat"))
        rc_b2, so_b2, se_b2 = run([a.batch, folder] + args)
        out2 = out + "_replay"
        os.makedirs(out2)
        rc_r2, so_r2, se_r2 = run([sys.executable, REF, folder, "--out", out2, "--replay",
                                   os.path.join(out, "Trickscan_36.bin")] + args)
        pairs.append(("replay", strip_date(read(os.path.join(folder, "DataFiles", name + ".dat")), 2),
                      strip_date(read(os.path.join(out2, name + ".dat")), 1)))
        for label, x, y in pairs:
            compared += 1
            if x != y:
                failures += 1
                print("DIFF %s %s (%s)" % (label, name, what))
                if x is None or y is None:
                    print("  missing: batch %s reference %s" % (x is None, y is None))
                    continue
                # The first difference: a line of a text file, a byte of the cache.
                unit = 6 if label == "cache" else None
                xs = [x[i:i + 6] for i in range(0, len(x), 6)] if unit else x.split(b"\r\n")
                ys = [y[i:i + 6] for i in range(0, len(y), 6)] if unit else y.split(b"\r\n")
                i = next((i for i, (p, q) in enumerate(zip(xs, ys)) if p != q), min(len(xs), len(ys)))
                print("  %s %d of %d/%d\n  batch: %r\n  ref:   %r" % (
                    "deal" if unit else "line", i + 1, len(xs), len(ys),
                    xs[i] if i < len(xs) else None, ys[i] if i < len(ys) else None))
    print("%d comparisons, %d differences" % (compared, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

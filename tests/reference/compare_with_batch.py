#!/usr/bin/env python3
# Runs trickscan-batch and the reference on the same synthetic libraries for many combinations
# of settings, scanning and then replaying the cache, and compares the result files byte for byte
# (the date and time at the end of the third header line aside), the caches and "Over20.txt".
#
# usage: compare_with_batch.py BATCH WORKDIR [--deals N] [--combos K] [--seed S] [--wild]
import argparse
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "trickscan_ref.py")
sys.path.insert(0, HERE)
import make_library  # noqa: E402
from trickscan_ref import VALUE_OPTIONS  # noqa: E402  (the batch tool's value options)

FIXED = ["--preset ostrevan", "--preset standard", "--preset standard --trumps length",
         "--hcp 15-25 --preset ostrevan --level-limit 2",
         "--click 8 --preset standard",  # a click before the preset
         "--preset standard --double-fit 1 --filter D2 --solid-trump 0.5",
         "--preset standard --filter D0 --double-fit 0",
         "--preset standard --chameleon -0.5 --filter C1 --chameleon 0",
         "--preset standard --double-fit 0.5 --click 1",  # Standard clicked again at the end
         "--preset standard --language ja"]  # the Japanese list header


def combos(rng, k):
    yield from (c.split() for c in FIXED)
    for _ in range(k):
        args = ["--preset", rng.choice(["ostrevan", "standard", "standard", "standard"])]
        for _ in range(rng.randint(1, 7)):
            key = rng.choice(list(VALUE_OPTIONS))
            args += [key, rng.choice(list(VALUE_OPTIONS[key]))]
        if rng.random() < 0.2:
            args += ["--click", ",".join(str(rng.choice([0, 1, 2, 3, 14, 15, 20, 26, 30, 41]))
                                         for _ in range(rng.randint(1, 3)))]
        yield args


def read(*path, date_words=0):
    # A file's bytes (None if missing), its third header line without its last date_words
    # words (the program's date and time, or the reference's fixed "DATE").
    try:
        with open(os.path.join(*path), "rb") as f:
            data = f.read()
    except OSError:
        return None
    lines = data.split(b"\r\n")
    if date_words and len(lines) > 2:
        lines[2] = lines[2].rsplit(b" ", date_words)[0]
    return b"\r\n".join(lines)


def run(cmd):
    return subprocess.run(cmd, capture_output=True, text=True)


def differs(label, x, y, where):
    # Whether the batch tool's file x differs from the reference's y; prints where it first does
    # (a line of a text file, a deal of the cache).
    if x == y:
        return 0
    print("DIFF %s %s" % (label, where))
    if x is None or y is None:
        return print("  missing: batch %s reference %s" % (x is None, y is None)) or 1
    xs, ys = ([z[i:i + 6] for i in range(0, len(z), 6)] if label == "cache" else z.split(b"\r\n")
              for z in (x, y))
    i = next((i for i, (p, q) in enumerate(zip(xs, ys)) if p != q), min(len(xs), len(ys)))
    print("  unit %d of %d/%d\n  batch: %r\n  ref:   %r" % (i + 1, len(xs), len(ys),
                                                              (xs + [None])[i], (ys + [None])[i]))
    return 1


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("batch")
    ap.add_argument("workdir")
    for option, default in (("--deals", "2000"), ("--combos", "40"), ("--seed", "1"),
                            ("--form", "bin")):
        ap.add_argument(option, default=default)
    ap.add_argument("--wild", action="store_true")
    a = ap.parse_args()
    work = make_library.fresh(a.workdir, ["--deals", a.deals, "--seed", a.seed, "--form", a.form]
                              + ["--wild"] * a.wild)
    failures = compared = 0
    for n, args in enumerate(combos(random.Random(int(a.seed)), int(a.combos))):
        folder, out = os.path.join(work, "p%03d" % n), os.path.join(work, "r%03d" % n)
        shutil.copytree(os.path.join(work, "lib"), folder)
        b = run([a.batch, folder] + args)
        r = run([sys.executable, REF, folder, "--out", out] + args)
        name = b.stdout.splitlines()[0] if b.returncode == 0 else ""
        ref_name = r.stdout.strip().splitlines()[-1] if r.returncode == 0 else ""
        if name != ref_name or (b.returncode == 0) != (r.returncode == 0):
            print("EXIT or NAME %s:\n  batch %s\n  reference %s" % (" ".join(args), b, r))
            failures += 1
        if not name or name != ref_name:
            continue
        dat, cache = name + ".dat", "Trickscan_36.bin"
        result = lambda o: (read(folder, "DataFiles", dat, date_words=2),  # noqa: E731
                            read(o, dat, date_words=1))
        pairs = [("result", *result(out)), ("cache", read(folder, "DataFiles", cache),
                                            read(out, cache)),
                 ("Over20", read(folder, "Over20.txt"), read(out, "Over20.txt"))]
        # A second run replays the cache.
        os.remove(os.path.join(folder, "DataFiles", dat))
        run([a.batch, folder] + args)
        run([sys.executable, REF, folder, "--out", out + "_replay", "--replay",
             os.path.join(out, cache)] + args)
        pairs.append(("replay", *result(out + "_replay")))
        compared += len(pairs)
        failures += sum(differs(label, x, y, "%s (%s)" % (name, " ".join(args)))
                        for label, x, y in pairs)
    print("%d comparisons, %d differences" % (compared, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

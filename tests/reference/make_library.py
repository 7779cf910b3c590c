#!/usr/bin/env python3
# Writes a synthetic deal library for comparison runs: random deals with made-up trick tables.
#
#     make_library.py FOLDER [--deals N] [--seed S] [--form bin|asc|both] [--wild]
#
# The tricks are not double-dummy results; they are drawn around a crude estimate from points and
# fit lengths, so that every kind of contract, notrump step and event occurs. --wild draws every
# trick digit uniformly from 0..15 instead, for the extremes (deviations beyond the tables, totals
# outside 10..25, digits above 13).

import argparse
import os
import random
import re
import shutil
import sys

CARD_NAME = "AKQJT98765432"
POINTS = [4, 3, 2, 1] + [0] * 9


def make_deal(rng, wild):
    owners = [i // 13 for i in range(52)]
    rng.shuffle(owners)
    owner = {(i // 13, i % 13): seat for i, seat in enumerate(owners)}  # (suit, rank) -> seat
    if wild:
        return owner, [[rng.randrange(16) for _ in range(4)] for _ in range(5)]
    hcp, length = [0] * 4, [[0] * 4 for _ in range(4)]
    for (s, r), seat in owner.items():
        hcp[seat] += POINTS[r]
        length[seat][s] += 1

    def tricks(p, strain):
        pts = hcp[p] + hcp[p + 2]
        fit = length[p][strain] + length[p + 2][strain] if strain >= 0 else 0
        est = 6.5 + (pts - 20) / 2.5 if strain < 0 else 7 + (pts - 20) / 3.5 + (fit - 8) * 0.9
        t = max(0, min(13, round(est + rng.gauss(0, 1.2))))
        return t if p == 1 else 13 - t  # digits count North-South tricks

    # Digits for declarers East, North, West, South: pairs 0, 1, 0, 1.
    return owner, [[tricks(p, strain) for p in (0, 1, 0, 1)] for strain in range(-1, 4)]


def bin_record(owner, digits):
    hands = b"".join(sum(owner[(s, r)] << (2 * r) for r in range(13)).to_bytes(4, "big")
                     for s in range(4))
    return hands + bytes(x for d in digits for x in (d[0] * 16 + d[1], d[2] * 16 + d[3]))


def asc_record(owner, digits):
    hands = " ".join(".".join("".join(CARD_NAME[r] for r in range(13) if owner[(s, r)] == seat)
                              for s in range(4)) for seat in range(4))
    return (hands + " " + "".join("%X" % x for d in digits for x in d) + "\n").encode("ascii")


def fresh(workdir, argv):
    # An emptied WORKDIR with a library in WORKDIR/lib made by argv; WORKDIR moves below
    # ~/.trickscan-tests when its path holds "zip" or "tmp", folders the programs refuse.
    workdir = os.path.abspath(workdir)
    if re.search("zip|tmp", workdir, re.I):
        workdir = os.path.join(os.path.expanduser("~"), ".trickscan-tests",
                               os.path.basename(workdir))
    shutil.rmtree(workdir, ignore_errors=True)
    main([os.path.join(workdir, "lib")] + argv)
    return workdir


def main(argv):
    ap = argparse.ArgumentParser(description="Writes a synthetic deal library.")
    ap.add_argument("folder")
    ap.add_argument("--deals", type=int, default=1000)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--form", choices=("bin", "asc", "both"), default="bin")
    ap.add_argument("--wild", action="store_true")
    a = ap.parse_args(argv)
    rng = random.Random(a.seed)
    deals = [make_deal(rng, a.wild) for _ in range(a.deals)]
    os.makedirs(a.folder, exist_ok=True)
    for form, record in (("bin", bin_record), ("asc", asc_record)):
        if a.form in (form, "both"):
            with open(os.path.join(a.folder, "Library." + form), "wb") as fh:
                fh.write(b"".join(record(o, d) for o, d in deals))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Writes a synthetic deal library for comparison runs: random deals with made-up trick tables.

    make_library.py FOLDER [--deals N] [--seed S] [--form bin|asc|both] [--wild]

The tricks are not double-dummy results; they are drawn around a crude estimate from points and
fit lengths, so that every kind of contract, notrump step and event occurs. --wild draws every
trick digit uniformly from 0..15 instead, for the extremes (deviations beyond the tables, totals
outside 10..25, digits above 13).
"""

import argparse
import os
import random
import sys

CARD_NAME = "AKQJT98765432"
POINTS = [4, 3, 2, 1] + [0] * 9
DIGIT_SEATS = (2, 1, 0, 3)  # East, North, West, South


def make_deal(rng, wild):
    cards = [(s, r) for s in range(4) for r in range(13)]
    owners = [i // 13 for i in range(52)]
    rng.shuffle(owners)
    owner = {card: owners[i] for i, card in enumerate(cards)}
    if wild:
        digits = [[rng.randrange(16) for _ in range(4)] for _ in range(5)]
        return owner, digits
    hcp = [0] * 4
    length = [[0] * 4 for _ in range(4)]
    for (s, r), seat in owner.items():
        hcp[seat] += POINTS[r]
        length[seat][s] += 1
    digits = []
    for strain in range(-1, 4):
        row = []
        for seat in DIGIT_SEATS:
            p = seat % 2
            pts = hcp[p] + hcp[p + 2]
            if strain == -1:
                est = 6.5 + (pts - 20) / 2.5
            else:
                fit = length[p][strain] + length[p + 2][strain]
                est = 7 + (pts - 20) / 3.5 + (fit - 8) * 0.9
            tricks = max(0, min(13, round(est + rng.gauss(0, 1.2))))
            row.append(tricks if p == 1 else 13 - tricks)  # digits count North-South tricks
        digits.append(row)
    return owner, digits


def bin_record(owner, digits):
    rec = bytearray(26)
    for s in range(4):
        v = 0
        for r in range(13):
            v |= owner[(s, r)] << (2 * r)
        rec[4 * s:4 * s + 4] = v.to_bytes(4, "big")
    for i, d in enumerate(digits):
        rec[16 + 2 * i] = d[0] * 16 + d[1]
        rec[17 + 2 * i] = d[2] * 16 + d[3]
    return bytes(rec)


def asc_record(owner, digits):
    fields = []
    for seat in range(4):
        groups = ["".join(CARD_NAME[r] for r in range(13) if owner[(s, r)] == seat)
                  for s in range(4)]
        fields.append(".".join(groups))
    tricks = "".join("%X" % x for d in digits for x in d)
    return (" ".join(fields) + " " + tricks + "\n").encode("ascii")


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("folder")
    ap.add_argument("--deals", type=int, default=1000)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--form", choices=("bin", "asc", "both"), default="bin")
    ap.add_argument("--wild", action="store_true")
    a = ap.parse_args(argv)
    rng = random.Random(a.seed)
    deals = [make_deal(rng, a.wild) for _ in range(a.deals)]
    os.makedirs(a.folder, exist_ok=True)
    if a.form in ("bin", "both"):
        with open(os.path.join(a.folder, "Library.bin"), "wb") as fh:
            fh.write(b"".join(bin_record(o, d) for o, d in deals))
    if a.form in ("asc", "both"):
        with open(os.path.join(a.folder, "Library.asc"), "wb") as fh:
            fh.write(b"".join(asc_record(o, d) for o, d in deals))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

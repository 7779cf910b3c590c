#!/usr/bin/env python3
"""Makes the tables and the expected result file of every case folder here.

Each case folder holds case.txt (the option clicks, which blocks and optional fields the file
must hold, a seed, and the three header lines). This script draws counting tables from the seed
(tables.txt) and writes the result file they must give (expected.dat), formatting the numbers
on its own: single-precision values are taken exactly, "#0.00" rounds exact ties away from zero.
The C++ test reads the same tables and compares its output byte for byte.
"""
import math
import random
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def fmt_num(x):  # repr that reads back as the same double, hence the same float
    return repr(x)


def round_half_up(x):
    return math.floor(x + 0.5)


def strN(n):
    s = str(n)
    return s[-7:].rjust(7)


def fixed2(x):
    d = Decimal(x).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    if d == 0:
        return "0.00"
    return f"{d:f}"


def strX(x):
    s = fixed2(x)
    return s[-7:].rjust(7)


def count_field(x):
    n = round_half_up(x)
    return " " * 7 if n == 0 else strN(n)


COUNTS = [0, 0, 0, 1, 2, 17, 250, 2.5, 0.5, -0.5, 0.49999997, 3.4999998, 1.25, 12345678, 1234567,
          4567.5, 0.0001]
MEANS = [0, -0.5, 0.125, -0.125, 0.375, 0.005, 2.675, 12345.678, -0.004, 1234.5, -12.346,
         -1234.5678, 0.995]


def draw(rng, pool):
    if rng.random() < 0.4:
        return f32(rng.choice(pool))
    if pool is COUNTS:
        return f32(rng.randint(0, 3000) / rng.choice([1, 1, 1, 2, 4, 3]))
    return f32(rng.uniform(-4, 4))


def make_tables(rng):
    t = {}
    for k in (0, -1):
        for L in list(range(9, 27)) + [30]:
            for d in list(range(-8, 9)) + [28, 29, 30]:
                t[("dev", k, L, d)] = draw(rng, COUNTS)
            t[("mean", k, L)] = draw(rng, MEANS)
            t[("abs", k, L)] = abs(draw(rng, MEANS))
            for e in (1, 2, 3):
                t[("event", k, L, e)] = draw(rng, COUNTS)
        for e in (1, 2, 3):
            t[("rate", k, e)] = draw(rng, MEANS)
    return {key: v for key, v in t.items() if v != 0}


def get(t, *key):
    return t.get(key, 0.0)


def block(t, k, row_events, total_events):
    lines = []
    first, last = (10, 25) if k == 0 else (11, 22)
    for L in range(first, last + 1):
        s = strN(L) + strN(round_half_up(get(t, "dev", k, L, 30)))
        s += "".join(count_field(get(t, "dev", k, L, d)) for d in range(-6, 7))
        s += strX(get(t, "mean", k, L)) + strX(get(t, "abs", k, L))
        if row_events:
            s += "".join(count_field(get(t, "event", k, L, e)) for e in (1, 2, 3))
        lines.append(s)
    s = " " * 7 + strN(round_half_up(get(t, "dev", k, 30, 30)))
    s += "".join(count_field(get(t, "dev", k, 30, d)) for d in range(-6, 7))
    s += strX(get(t, "mean", k, 30)) + strX(get(t, "abs", k, 30))
    if total_events:
        s += "".join(strX(get(t, "rate", k, e)) for e in (1, 2, 3))
    lines.append(s)
    return lines


def make_case(folder):
    case = {"headers": []}
    for line in (folder / "case.txt").read_text(encoding="utf-8").splitlines():
        word, _, rest = line.partition(" ")
        if word == "header":
            case["headers"].append(rest)
        elif word:
            case[word] = rest.split()
    flags = set(case.get("layout", []))
    rng = random.Random(int(case["seed"][0]))
    t = make_tables(rng)
    with open(folder / "tables.txt", "w", encoding="utf-8", newline="\n") as f:
        for key, v in sorted(t.items(), key=lambda kv: [str(x) for x in kv[0]]):
            f.write(" ".join(str(x) for x in key) + " " + fmt_num(v) + "\n")
    lines = list(case["headers"])
    lines += block(t, 0, "suitEvents" in flags, "suitEvents" in flags)
    if "ntBlock" in flags:
        lines += block(t, -1, "ntRowEvents" in flags, "ntTotalEvents" in flags)
    (folder / "expected.dat").write_bytes("".join(l + "\r\n" for l in lines).encode("utf-8"))


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    cases = [Path(a) for a in sys.argv[1:]] or sorted(p for p in here.iterdir() if p.is_dir())
    for c in cases:
        make_case(c)

#!/usr/bin/env python3
"""Reads what trickscan-batch --csv/--json and boardlook-batch --pbn-file write with parsers that
owe nothing to the programs: Python's csv and json modules and a PBN reader written here.

    check_exports.py TRICKSCAN_BATCH BOARDLOOK_BATCH WORKDIR
"""

import csv
import json
import math
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "reference"))
import make_library  # noqa: E402

RUNS = [
    ["--preset", "ostrevan"],
    ["--preset", "standard", "--nt", "dorvald", "--double-fit", "0.5", "--chameleon", "-0.5"],
    ["--preset", "standard", "--trumps", "length", "--nt", "quenby", "--filter", "D1"],
]
OPTIONAL = {"length", "event_rate_1", "event_rate_2", "event_rate_3"}
ROSTER = ["Event", "Site", "Date", "Board", "West", "North", "East", "South", "Dealer",
          "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result", "OptimumResultTable"]


def fail(message):
    print("check_exports: " + message)
    sys.exit(1)


def no_constants(name):
    fail("JSON holds " + name)


def check_run(batch, folder, args, n):
    csv_file = os.path.join(folder, "run%d.csv" % n)
    json_file = os.path.join(folder, "run%d.json" % n)
    out = subprocess.run([batch, folder] + args + ["--csv", csv_file, "--json", json_file],
                         capture_output=True, text=True)
    if out.returncode != 0:
        fail("trickscan-batch %s: %s" % (args, out.stderr))
    name = out.stdout.splitlines()[0]

    with open(csv_file, newline="") as f:
        raw = f.read()
    if "\n" in raw.replace("\r\n", ""):
        fail("a CSV line end that is not CR LF")
    with open(csv_file, newline="") as f:
        rows = list(csv.DictReader(f))
    with open(json_file) as f:
        doc = json.load(f, parse_constant=no_constants)

    if doc["result"] != name:
        fail("JSON result %r, run printed %r" % (doc["result"], name))
    if len(rows) != len(doc["rows"]):
        fail("%d CSV rows, %d JSON rows" % (len(rows), len(doc["rows"])))
    kinds = {"Suit"} if args[1] == "ostrevan" else {"Suit", "NT"}
    if {r["kind"] for r in rows} != kinds:
        fail("kinds %s for %s" % ({r["kind"] for r in rows}, args))
    for r, j in zip(rows, doc["rows"]):
        if r["result"] != name:
            fail("CSV result %r" % r["result"])
        for setting, value in doc["settings"].items():
            if r[setting] != (value or ""):
                fail("setting %s: CSV %r, JSON %r" % (setting, r[setting], value))
        for key, value in j.items():
            if key in ("kind", "row"):
                if r[key] != value:
                    fail("%s: CSV %r, JSON %r" % (key, r[key], value))
                continue
            if value is None:
                if r[key] != "" or key not in OPTIONAL:
                    fail("%s: empty only where allowed (CSV %r)" % (key, r[key]))
                continue
            if float(r[key]) != float(value) or not math.isfinite(float(value)):
                fail("%s: CSV %r, JSON %r" % (key, r[key], value))
        if (r["row"] == "total") != (r["length"] == ""):
            fail("a totals row has no length, every other row has one")

    # The totals row of a kind adds up the deviation counts of its length rows (float sums,
    # hence the tolerance). Its deals are the kind's grand total, which for suit-suit deals is
    # rounded deal by deal and so need not equal the sum of fractional weights.
    dev_columns = [c for c in rows[0] if c.startswith("dev_")]
    for kind in kinds:
        body = [r for r in rows if r["kind"] == kind and r["row"] == "length"]
        total = [r for r in rows if r["kind"] == kind and r["row"] == "total"]
        if len(total) != 1:
            fail("%s has %d totals rows" % (kind, len(total)))
        for c in dev_columns + (["deals"] if kind == "NT" else []):
            added = sum(float(r[c]) for r in body)
            if abs(added - float(total[0][c])) > 1e-3 + 1e-5 * added:
                fail("%s %s: rows add up to %g, totals say %s" % (kind, c, added, total[0][c]))
    return len(rows)


def read_pbn(text):
    if "\n" in text.replace("\r\n", ""):
        fail("a PBN line end that is not CR LF")
    lines = text.split("\r\n")
    if lines[:2] != ["% PBN 2.1", "% EXPORT"] or lines[-1] != "":
        fail("PBN file does not open with the export header or end with a line end")
    games, game, table = [], None, False
    for line in lines[2:-1]:
        if len(line) > 255:
            fail("PBN line longer than 255 characters")
        if line == "":
            game = None
            continue
        if game is None:
            game = {"tags": [], "table": [], "comments": 0}
            games.append(game)
        if line.startswith("{") and line.endswith("}"):
            game["comments"] += 1
        elif line.startswith("["):
            name, _, rest = line[1:-1].partition(" ")
            value = rest[1:-1].replace('\\"', '"').replace("\\\\", "\\")
            game["tags"].append((name, value))
            table = name.endswith("Table")
        elif table:
            game["table"].append(line.split())
        else:
            fail("PBN line that is no tag, comment or table line: %r" % line)
    return games


def check_pbn(viewer_batch, folder, deals):
    pbn = os.path.join(folder, "all.pbn")
    out = subprocess.run([viewer_batch, folder, "--deals", "1-%d" % deals, "--pbn-file", pbn],
                         capture_output=True, text=True)
    if out.returncode != 0:
        fail("boardlook-batch: " + out.stderr)
    with open(pbn, newline="") as f:
        games = read_pbn(f.read())
    if len(games) != deals:
        fail("%d PBN games for %d deals" % (len(games), deals))
    for n, g in enumerate(games, 1):
        if [t for t, _ in g["tags"]] != ROSTER:
            fail("tags of game %d: %s" % (n, [t for t, _ in g["tags"]]))
        tags = dict(g["tags"])
        if tags["Board"] != str(n) or tags["Event"] != "Library.bin" or g["comments"] != 1:
            fail("game %d: Board %s, Event %s" % (n, tags["Board"], tags["Event"]))
        first, hands = tags["Deal"].split(":")
        cards = set()
        for hand in hands.split(" "):
            suits = hand.split(".")
            if len(suits) != 4:
                fail("game %d: a hand of %d suits" % (n, len(suits)))
            for s, holding in zip("SHDC", suits):
                cards.update(s + c for c in holding)
        if first != "W" or len(cards) != 52:
            fail("game %d: Deal %r" % (n, tags["Deal"]))
        cells = {(row[0], row[1]) for row in g["table"]}
        if len(g["table"]) != 20 or len(cells) != 20 or not all(
                0 <= int(row[2]) <= 15 for row in g["table"]):
            fail("game %d: table %s" % (n, g["table"]))


def main():
    trickscan_batch, boardlook_batch, workdir = sys.argv[1:4]
    if os.path.isdir(workdir):
        shutil.rmtree(workdir)
    os.makedirs(workdir)
    folder = os.path.join(workdir, "lib")
    subprocess.run([sys.executable, make_library.__file__, folder, "--deals", "1500", "--seed",
                    "23", "--form", "bin"], check=True)
    for n, args in enumerate(RUNS):
        rows = check_run(trickscan_batch, folder, args, n)
        print("run %s: %d rows read back" % (" ".join(args), rows))
    check_pbn(boardlook_batch, folder, 200)
    print("200 PBN games read back")


if __name__ == "__main__":
    main()

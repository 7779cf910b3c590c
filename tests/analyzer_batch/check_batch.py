#!/usr/bin/env python3
# trickscan-batch and boardlook-batch as scripts run them, on a library of make_library.py.
#
#     check_batch.py transcript TRICKSCAN_BATCH GOLDEN WORKDIR
#     check_batch.py exports TRICKSCAN_BATCH BOARDLOOK_BATCH WORKDIR
#
# transcript: runs the command lines of the golden transcript in order and writes what each printed,
# which files of the folder it wrote and its exit code; the whole must equal the golden file.
# exports: reads what --csv, --json and --pbn-file write with parsers that owe nothing to the
# programs (Python's csv and json modules, a PBN reader written here) and holds them against each
# other and against the result file.

import csv
import difflib
import json
import os
import pathlib
import re
import shlex
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "reference"))
import make_library  # noqa: E402


OPTIONAL = {"length", "event_rate_1", "event_rate_2", "event_rate_3"}
LIBRARY = ["--deals", "1500", "--seed", "23"]
ROSTER = ["Event", "Site", "Date", "Board", "West", "North", "East", "South", "Dealer",
          "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result", "OptimumResultTable"]


def fail(message):
    sys.exit("check_batch: " + message)


def files(folder):
    # Every file below folder (but the lock) with its bytes and identity.
    paths = [os.path.join(root, n) for root, _, names in os.walk(folder) for n in names]
    return {os.path.relpath(p, folder): (pathlib.Path(p).read_bytes(), os.stat(p).st_ino)
            for p in paths if p != os.path.join(folder, "DataFiles", "Trickscan.lock")}


def transcript(batch, golden, workdir):
    workdir, batch = make_library.fresh(workdir, LIBRARY), os.path.abspath(batch)
    lib = os.path.join(workdir, "lib")
    for d in ("nolib", "unzipped", "tmpdata/inner"):
        os.makedirs(os.path.join(workdir, d))
    os.symlink("tmpdata", os.path.join(workdir, "bridge"))
    os.symlink("tmpdata/inner", os.path.join(workdir, "deals"))
    expected = pathlib.Path(golden).read_text()
    actual, output = [], False
    for line in expected.splitlines():
        # What the golden file says below a command line, down to its exit, is made again.
        if not line.startswith("$ "):
            actual += [] if output else [line]
            output = output and not line.startswith("exit ")
            continue
        if line == "$ (links to the library)":
            os.symlink("Library.bin", os.path.join(lib, "link.csv"))
            os.link(os.path.join(lib, "Library.bin"), os.path.join(lib, "hard.csv"))
            actual.append(line)
            continue
        before = files(lib)
        args = shlex.split(line[2:].replace("WORK", workdir))
        p = subprocess.run([batch] + args, cwd=workdir, capture_output=True, text=True)
        after = files(lib)
        written = sorted(n for n in after if after[n] != before.get(n))
        if (p.returncode == 2 and before != after) or set(before) - set(after):
            fail("%s changed the folder" % line)
        out = re.sub(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d", "DATE", p.stdout).replace(workdir, "WORK")
        err = p.stderr.replace(workdir, "WORK").splitlines()
        actual += [line] + out.splitlines() + ["! " + e for e in err[:1]]
        actual += ["wrote " + ", ".join(written)] * bool(written) + ["exit %d" % p.returncode]
        output = True
    actual = "\n".join(actual) + "\n"
    if actual != expected:
        pathlib.Path(golden + ".actual").write_text(actual)
        sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True),
                                                   actual.splitlines(True), golden, "actual"))
        fail("the transcript differs; the actual one is " + golden + ".actual")


def differs(key, text, value):
    # Whether a CSV cell says otherwise than the JSON (null: an empty cell, where allowed).
    if value is None or key in ("kind", "row"):
        return text != (value or "") or value is None and key not in OPTIONAL
    return text == "" or float(text) != value


def check_run(batch, lib, args, n):
    csv_file, json_file = (os.path.join(lib, "run%d.%s" % (n, x)) for x in ("csv", "json"))
    p = subprocess.run([batch, lib] + args + ["--csv", csv_file, "--json", json_file],
                       capture_output=True, text=True)
    if p.returncode != 0:
        fail("trickscan-batch %s: %s" % (args, p.stderr))
    name, dat = p.stdout.splitlines()[:2]
    raw = pathlib.Path(csv_file).read_bytes().decode()
    rows = list(csv.DictReader(raw.splitlines()))
    doc = json.loads(pathlib.Path(json_file).read_bytes(),
                     parse_constant=lambda c: fail("JSON holds " + c))
    settings = doc["settings"]
    if ("\n" in raw.replace("\r\n", "") or doc["result"] != name or len(rows) != len(doc["rows"])
            or any(settings[k[2:].replace("-", "_")] != v for k, v in zip(args[::2], args[1::2]))):
        fail("%s: line ends, result %r, settings %s or counts" % (args, doc["result"], settings))
    for r, j in zip(rows, doc["rows"]):
        # Each CSV row: the result, the settings, the JSON row's cells; a length but in totals.
        if (r["result"] != name or any(r[k] != (v or "") for k, v in settings.items())
                or any(differs(k, r[k], v) for k, v in j.items())
                or (r["row"] == "total") != (r["length"] == "")):
            fail("%s: CSV row %s, JSON row %s, settings %s" % (args, r, j, settings))
    # A totals row adds up the deviation counts of its length rows (float sums), and agrees with
    # the result file's rounded totals; its average keeps more than the file's two decimals.
    file_totals = [line for line in pathlib.Path(dat).read_bytes().decode().split("\r\n")
                   if line.startswith(" " * 7)]
    totals = [r for r in rows if r["row"] == "total"]
    if len(totals) != len(file_totals) or len(totals) != (1 if args[1] == "ostrevan" else 2):
        fail("%s: %d totals rows, %d in the file" % (args, len(totals), len(file_totals)))
    for t, line in zip(totals, file_totals):
        for c in [c for c in t if c.startswith("dev_")] + ["deals"] * (t["kind"] == "NT"):
            added = sum(float(r[c]) for r in rows if (r["kind"], r["row"]) == (t["kind"], "length"))
            if abs(added - float(t[c])) > 1e-3 + 1e-5 * added:
                fail("%s %s: rows add up to %g, totals say %s" % (args, c, added, t[c]))
        if int(line[7:14]) != int(float(t["deals"]) + 0.5) or abs(
                float(line[105:112]) - float(t["mean"])) > 0.005 + 1e-6 or len(t["mean"]) < 6:
            fail("%s: totals %s, file %r" % (args, t, line))
    return len(rows)


def check_pbn(viewer_batch, lib, deals):
    pbn = os.path.join(lib, "all.pbn")
    p = subprocess.run([viewer_batch, lib, "--deals", "1-%d" % deals, "--pbn-file", pbn],
                       capture_output=True, text=True)
    text = pathlib.Path(pbn).read_bytes().decode()
    lines = text.split("\r\n")
    games = "\r\n".join(lines[2:-1]).split("\r\n\r\n")
    if p.returncode != 0 or "\n" in text.replace("\r\n", "") or lines[:2] != [
            "% PBN 2.1", "% EXPORT"] or lines[-1] != "" or max(map(len, lines)) > 255 or len(
            games) != deals:
        fail("boardlook-batch: %s, or head, line ends, widths or %d games" % (p.stderr, len(games)))
    for n, game in enumerate(games, 1):
        # Tags and one comment, the last tag's table below them.
        body = game.split("\r\n")
        split = 1 + max(i for i, x in enumerate(body) if x.startswith("[OptimumResultTable "))
        tags = [re.fullmatch(r'\[(\w+) "((?:[^"\\]|\\.)*)"\]', x) for x in body[:split]]
        comments = [x for x in body[:split] if x.startswith("{") and x.endswith("}")]
        table = [r.split() for r in body[split:]]
        tags = dict(t.groups() for t in tags if t)
        first, hands = tags["Deal"].split(":")
        cards = {s + c for hand in hands.split(" ") for s, h in zip("SHDC", hand.split("."))
                 for c in h}
        if (list(tags) != ROSTER or len(comments) != 1 or split != len(tags) + 1 or
                tags["Board"] != str(n) or tags["Event"] != "Library.bin" or first != "W" or
                len(cards) != 52 or len(table) != 20 or len({tuple(r[:2]) for r in table}) != 20
                or not all(0 <= int(r[2]) <= 15 for r in table)):
            fail("game %d: %s" % (n, body))


def main():
    if sys.argv[1] == "transcript":
        return transcript(*sys.argv[2:5])
    lib = os.path.join(make_library.fresh(sys.argv[4], LIBRARY), "lib")  # the batch tools: 2, 3
    for n, line in enumerate(["--preset ostrevan",
                              "--preset standard --nt dorvald --double-fit 0.5 --chameleon -0.5",
                              "--preset standard --trumps length --nt quenby --filter D1"]):
        print("%s: %d rows read back" % (line, check_run(sys.argv[2], lib, line.split(), n)))
    check_pbn(sys.argv[3], lib, 200)
    print("200 PBN games read back")


if __name__ == "__main__":
    main()

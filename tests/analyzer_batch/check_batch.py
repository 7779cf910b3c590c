#!/usr/bin/env python3
# trickscan-batch and boardlook-batch as scripts run them, on a library of make_library.py.
#
#     check_batch.py transcript TRICKSCAN_BATCH GOLDEN WORKDIR
#     check_batch.py exports TRICKSCAN_BATCH BOARDLOOK_BATCH WORKDIR [TRICKSCAN]
#
# transcript: runs the command lines of the golden transcript in order and writes what each printed,
# which files of the folder it wrote and its exit code; the whole must equal the golden file.
# exports: reads what --csv, --json, --report and --pbn-file write with parsers that owe nothing to
# the programs (Python's csv, json and html.parser modules, a PBN reader written here) and holds
# them against each other and against the result file; a replay's statistics equal the scan's;
# --graph draws every preset and notrump choice, the picture trickscan --graph-png draws for the
# Standard defaults (that one equals the graph window's, as the window tests check).

import csv
import difflib
import html.parser
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


STATS = ["n", "stats_mean", "sd", "ci95_low", "ci95_high", "exact", "exact_ci95_low",
         "exact_ci95_high", "within_one", "within_one_ci95_low", "within_one_ci95_high",
         "stats_error", "thin"]
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


class Tables(html.parser.HTMLParser):
    # The cells of each table of a page by its id, row by row; fails on a page that does not nest.
    def __init__(self, text):
        super().__init__()
        self.tables, self.open, self.table = {}, [], None
        self.feed(text)
        if self.open != []:
            fail("report: elements left open: %s" % self.open)

    def handle_starttag(self, tag, attrs):
        if tag not in ("meta", "br", "hr", "img", "link"):  # the void elements of HTML
            self.open.append(tag)
        if tag == "table":
            self.table = self.tables.setdefault(dict(attrs).get("id"), [])
        elif tag == "tr" and self.table is not None:
            self.table.append([])

    def handle_startendtag(self, tag, attrs):
        pass

    def handle_endtag(self, tag):
        if not self.open or self.open.pop() != tag:
            fail("report: </%s> does not close its element" % tag)

    def handle_data(self, data):
        if self.table and self.open and self.open[-1] in ("td", "th") and data.strip():
            self.table[-1].append(data.strip())


def shown(value, decimals):
    # A figure as the report shows it: fixed decimals, never "-0".
    text = "%.*f" % (decimals, value)
    return text[1:] if text.startswith("-") and float(text) == 0 else text


# Whether the tool draws graphs: it does in the builds with the windows (trickscan is given).
DRAWN = len(sys.argv) > 5 and sys.argv[5] != ""


def check_report(report, doc):
    page = pathlib.Path(report).read_text()
    tables = Tables(page).tables
    if not page.startswith("<!DOCTYPE html>") or page.count("<svg") != DRAWN or "<script" in page:
        fail("report: doctype, one inline graph (where graphs are drawn) and no scripts")
    for kind in ("suit", "nt"):
        rows = tables.get("stats-" + kind, [[]])[1:]
        want = [[str(r["length"]).replace("total", "Total"), shown(r["n"], 0 if r["n"] % 1 == 0
                 else 2), shown(r["mean"], 3), shown(r["sd"], 3), "%s .. %s" % tuple(
                 shown(x, 3) for x in r["ci95"]), shown(100 * r["exact"], 1), "%s .. %s" % tuple(
                 shown(100 * x, 1) for x in r["exact_ci95"]), shown(100 * r["within_one"], 1),
                 "%s .. %s" % tuple(shown(100 * x, 1) for x in r["within_one_ci95"]),
                 shown(r["error"], 3)] + ["thin"] * r["thin"] for r in doc["stats"][kind]]
        if rows != want:
            fail("report: the %s statistics %s, the JSON's %s" % (kind, rows, want))
    study = [[r[0], r[4], r[-1]] for r in tables.get("study", [[]])[1:]]
    if study != [[str(r["length"]), shown(r["mean"], 3), "yes" if r["inside"] else "no"]
                 for r in doc.get("study", [])]:
        fail("report: the study beside the run %s" % study)


def check_run(batch, lib, args, n):
    csv_file, json_file, report = (os.path.join(lib, "run%d.%s" % (n, x))
                                   for x in ("csv", "json", "html"))
    p = subprocess.run([batch, lib] + args + ["--csv", csv_file, "--json", json_file, "--report",
                                              report], capture_output=True, text=True)
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
    check_report(report, doc)
    stats = {(k, str(r["length"])): r for k in ("suit", "nt") for r in doc["stats"][k]}
    for r in rows:
        # The CSV's statistics columns are the JSON's statistics of the same row, or blank.
        st = stats.get(({"Suit": "suit", "NT": "nt"}[r["kind"]], r["length"] or "total"), {})
        flat = {} if not st else dict(
            n=st["n"], stats_mean=st["mean"], sd=st["sd"], exact=st["exact"],
            within_one=st["within_one"], stats_error=st["error"], thin=str(st["thin"]).lower(),
            **{k + e: st[k][i] for k in ("ci95", "exact_ci95", "within_one_ci95")
               for i, e in enumerate(("_low", "_high"))})
        if any(r[k] != flat.get(k, "") if k == "thin" or not st else float(r[k]) != flat[k]
               for k in STATS):
            fail("%s: CSV statistics %s, JSON %s" % (args, r, st))
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
    return len(rows), doc["stats"]


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


def check_graphs(batch, trickscan, lib):
    # Every preset and notrump choice as PNG (the window's size, twice it at --graph-scale 2) and
    # as SVG; the Standard defaults as trickscan --graph-png draws them.
    for n, choice in enumerate(["--preset ostrevan"] + [
            "--preset standard --nt " + nt for nt in
            ("quenby", "dorvald", "dorvald-plus", "doubleton", "singleton", "void")]):
        png, svg = (os.path.join(lib, "graph%d.%s" % (n, x)) for x in ("png", "svg"))
        for out in (["--graph", png, "--graph-scale", "2"], ["--graph", svg]):
            p = subprocess.run([batch, lib] + choice.split() + out, capture_output=True, text=True)
            if p.returncode != 0:
                fail("%s %s: %s" % (choice, out, p.stderr))
        width, height = (int.from_bytes(pathlib.Path(png).read_bytes()[16 + 4 * i:20 + 4 * i],
                                        "big") for i in (0, 1))
        svg_text = pathlib.Path(svg).read_text()
        if (width, height) != (1400 if n else 700, 900) or "<svg" not in svg_text or len(
                re.findall("<text", svg_text)) < 20:
            fail("%s: a %dx%d PNG, or an SVG without its texts" % (choice, width, height))
    if trickscan:
        mine, theirs = (os.path.join(lib, x) for x in ("mine.png", "theirs.png"))
        subprocess.run([batch, lib, "--preset", "standard", "--nt", "quenby", "--graph", mine],
                       check=True, capture_output=True)
        subprocess.run([trickscan, "--graph-png", theirs, lib], check=True, capture_output=True)
        if pathlib.Path(mine).read_bytes() != pathlib.Path(theirs).read_bytes():
            fail("--graph and trickscan --graph-png draw the Standard defaults differently")


def main():
    if sys.argv[1] == "transcript":
        return transcript(*sys.argv[2:5])
    lib = os.path.join(make_library.fresh(sys.argv[4], LIBRARY), "lib")  # the batch tools: 2, 3
    lines = ["--preset standard --nt dorvald --double-fit 0.5 --chameleon -0.5",
             "--preset ostrevan",
             "--preset standard --trumps length --nt quenby --filter D1"]
    stats = []
    for n, line in enumerate(lines + lines[:1]):  # the first run scans, the others replay
        count, run_stats = check_run(sys.argv[2], lib, line.split(), n)
        stats.append(run_stats)
        print("%s: %d rows read back" % (line, count))
    if stats[0] != stats[-1]:
        fail("a replay's statistics differ from the scan's")
    if DRAWN:
        check_graphs(sys.argv[2], sys.argv[5], lib)
    check_pbn(sys.argv[3], lib, 200)
    print("200 PBN games read back")


if __name__ == "__main__":
    main()

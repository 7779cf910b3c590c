#!/usr/bin/env python3
# The reference against hand-computed cases (data/cases.json): deals through every pass, number
# formats and result names. On a mismatch the actual cases are written to data/cases.actual.json.
#
#     python3 -m unittest tests/reference/test_reference.py

import difflib
import json
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import trickscan_ref as ref  # noqa: E402

def deal_of(hands, tricks):
    hand = [h.split(".") for h in hands]
    hcp = [float(sum(ref.CARD_POINTS[ref.CARD_NAME.index(c)] for c in "".join(h))) for h in hand]
    pairs = [[int(t) for t in text.split("/")] for text in tricks]  # W-E, N-S per strain
    # The library's digits are North-South tricks for declarers East, North, West, South.
    digits = [(13 - we, ns, 13 - we, ns) for we, ns in pairs]
    return ref.Deal(hand, hcp, digits)


def describe(p):
    c = ["%s%d" % (("NT", "S", "H", "D", "C")[x["Strain"] + 1], x["Tricks"]) for x in p.contracts]
    return "%s %s %d/%d" % (c[0], c[1], p.TotalTricks, p.TotalTrumps)


def actual_cases(cases):
    out = dict(cases, deals=[], names=[])
    for d in cases["deals"]:
        r = ref.analyse_deal(deal_of(d["hands"], d["tricks"]))
        out["deals"].append(dict(d, first=describe(r.first), length=describe(r.by_length),
                                 score=describe(r.by_score), record=r.record.hex()))
    out["strX"] = [[x, ref.strX(ref.f32(x))] for x, _ in cases["strX"]]
    out["round"] = [[x, ref.Round(ref.f32(x))] for x, _ in cases["round"]]
    for clicks, _ in cases["names"]:
        s = ref.Settings()
        for c in clicks:
            s.click(c)
        out["names"].append([clicks, s.ResultName])
    return out


class HandComputedCases(unittest.TestCase):
    def test_every_case(self):
        path = os.path.join(HERE, "data", "cases.json")
        with open(path, encoding="utf-8") as fh:
            cases = json.load(fh)
        expected = json.dumps(cases, indent=1, ensure_ascii=False).splitlines()
        actual = json.dumps(actual_cases(cases), indent=1, ensure_ascii=False).splitlines()
        if actual != expected:
            with open(path.replace(".json", ".actual.json"), "w", encoding="utf-8") as fh:
                fh.write("\n".join(actual) + "\n")
        self.assertTrue(actual == expected, "\n".join(difflib.unified_diff(
            expected, actual, "expected", "actual", lineterm="")))


if __name__ == "__main__":
    unittest.main()

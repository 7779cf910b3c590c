#!/usr/bin/env python3
"""Second, independent implementation of one analyzer run (plain Python, standard library only).

    trickscan_ref.py FOLDER --out DIR [options]

reads FOLDER/Library.bin (or Library.asc), applies the option clicks, scans the library and writes
into DIR the result file "<ResultName>.dat", the scan cache "Trickscan_36.bin" and "Over20.txt".
With --replay CACHEFILE the counts come from that cache instead, and only the result file is
written. The result name is printed on stdout. The date at the end of the third header line is the
fixed text "DATE" so that result files can be compared byte for byte.

Its purpose is to disagree with the C++ engine wherever one of the two misread the rules, so it
is written for plainness, not speed: every single-precision operation is rounded explicitly.
"""

import math
import os
import struct
import sys
from fractions import Fraction

# ---------------------------------------------------------------------------------------------
# Numbers

_F32 = struct.Struct("<f")


def f32(x):
    """Rounds a double to the nearest single-precision value (one IEEE rounding)."""
    return _F32.unpack(_F32.pack(x))[0]


def Round(x):
    """floor(x + 0.5), the half added in double precision."""
    return math.floor(float(x) + 0.5)


def Trunc(trk):
    return min(15, max(0, trk - 10))


def fmt_00(x):
    """Pattern "#0.00" on the exact binary value of x: halves away from zero, never "-0.00"."""
    q = Fraction(x) * 100
    n = math.floor(abs(q) + Fraction(1, 2))
    sign = "-" if (q < 0 and n != 0) else ""
    return "%s%d.%02d" % (sign, n // 100, n % 100)


def _right(text, width):
    return text[-width:].rjust(width)


def strN(x):
    return _right(str(int(x)), 7)


def str2(x):
    return _right(str(int(x)), 3)


def strX(x):
    return _right(fmt_00(x), 7)


# ---------------------------------------------------------------------------------------------
# Deals

CARD_NAME = "AKQJT98765432"
CARD_POINTS = [4, 3, 2, 1] + [0] * 9
SEAT_OF_DIGIT = (2, 1, 0, 3)  # trick digit positions 1..4 belong to East, North, West, South


class BadLibrary(Exception):
    pass


class Deal:
    """One decoded deal: hands, points, tricks and lengths."""

    __slots__ = ("hand", "hcp", "tricks", "suitlen", "fitlen", "longest")

    def __init__(self, hand, hcp, digits):
        self.hand = hand  # [seat][suit] card letters, highest first
        self.hcp = hcp  # [seat] whole points (exact in single precision)
        # tricks[seat][strain + 1]: tricks of the seat's side when that seat declares
        self.tricks = [[0] * 5 for _ in range(4)]
        for si in range(5):
            for pos in range(4):
                d = digits[si][pos]
                seat = SEAT_OF_DIGIT[pos]
                self.tricks[seat][si] = 13 - d if seat % 2 == 0 else d
        self.suitlen = [[len(hand[seat][s]) for s in range(4)] for seat in range(4)]
        self.fitlen = [[self.suitlen[p][s] + self.suitlen[p + 2][s] for s in range(4)]
                       for p in range(2)]
        self.longest = []
        for p in range(2):
            best = 0
            for s in range(4):
                if self.fitlen[p][s] > self.fitlen[p][best]:
                    best = s
            self.longest.append(best)


def _hex_value(c):
    try:
        return int(c, 16)
    except ValueError:
        return 0


def decode_bin(rec):
    hand = [["", "", "", ""] for _ in range(4)]
    hcp = [0.0] * 4
    for s in range(4):
        owners = int.from_bytes(rec[4 * s:4 * s + 4], "big")  # B0 B1 B2 B3: the ace at bit 0
        for rank in range(13):
            seat = (owners >> (2 * rank)) & 3
            hand[seat][s] += CARD_NAME[rank]
            hcp[seat] += CARD_POINTS[rank]
    digits = []
    for si in range(5):
        t0, t1 = rec[16 + 2 * si], rec[17 + 2 * si]
        digits.append((t0 >> 4, t0 & 15, t1 >> 4, t1 & 15))
    return Deal(hand, hcp, digits)


def decode_asc(rec, deal_no):
    text = rec.decode("latin-1")
    hand = []
    hcp = [0.0] * 4
    seen = set()
    for seat in range(4):
        field = text[17 * seat:17 * seat + 16]
        groups = field.split(".")
        if len(groups) != 4 or sum(len(g) for g in groups) != 13:
            raise BadLibrary("deal %d: hand field %r is not 13 cards and three dots"
                             % (deal_no, field))
        for s, g in enumerate(groups):
            for c in g:
                if c not in CARD_NAME or (s, c) in seen:
                    raise BadLibrary("deal %d: hand field %r holds a card that is no card "
                                     "or one already dealt" % (deal_no, field))
                seen.add((s, c))
                hcp[seat] += CARD_POINTS[CARD_NAME.index(c)]
        hand.append(groups)
    digits = []
    for si in range(5):
        chars = text[68 + 4 * si:72 + 4 * si]
        digits.append(tuple(_hex_value(c) for c in chars))
    return Deal(hand, hcp, digits)


class Library:
    def __init__(self, folder):
        for name, mode, reclen in (("Library.bin", 1, 26), ("Library.asc", 0, 89)):
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                break
        else:
            raise BadLibrary("Library (bin/asc) is not found in %s" % folder)
        self.path, self.mode, self.reclen = path, mode, reclen
        with open(path, "rb") as fh:
            self.data = fh.read()
        self.deal_count = len(self.data) // reclen

    def deal(self, n):
        rec = self.data[(n - 1) * self.reclen:n * self.reclen]
        return decode_bin(rec) if self.mode == 1 else decode_asc(rec, n)


# ---------------------------------------------------------------------------------------------
# Contracts of one deal


def TrickScore(strain, tricks):
    level = tricks - 6
    if level <= 0:
        return 0
    if strain == -1:
        score = 30 * level + 10
    elif strain <= 1:
        score = 30 * level
    else:
        score = 20 * level
    if level == 6:
        score += 500
    elif level == 7:
        score += 1000
    return score


class Contract:
    __slots__ = ("Declarer", "Tricks", "Trumps", "Strain", "Score")

    def __init__(self):
        self.Declarer = self.Tricks = self.Trumps = self.Strain = self.Score = 0

    def as_dict(self):
        return {k: getattr(self, k) for k in self.__slots__}


class PassResult:
    """What one selection pass leaves for counting."""

    __slots__ = ("TotalTricks", "TotalTrumps", "NTCount", "NTShape", "EventCount", "contracts")

    def __init__(self, tt, ttr, ntcount, ntshape, events, contracts):
        self.TotalTricks, self.TotalTrumps = tt, ttr
        self.NTCount, self.NTShape = ntcount, ntshape
        self.EventCount = events  # [unused, e1, e2, e3]
        self.contracts = contracts


class DealAnalysis:
    """Contract selection, notrump step and events of one deal, in the analyzer's order."""

    def __init__(self, deal):
        self.d = deal
        # SideStrain[p][strain + 1] = [Declarer, Tricks, Score]
        self.side = [[[0, 0, 0] for _ in range(5)] for _ in range(2)]
        self.best_trick_suit = [0, 0]
        self.contract = [Contract(), Contract()]
        self.nt_side = [0, 0]

    # -- Suit contracts
    def pick_declarer(self, p, s):
        d = self.d
        a, b = d.tricks[p][s + 1], d.tricks[p + 2][s + 1]
        # The pair declares on equal tricks, else the partner who takes more: every counted pass
        # takes the best declarer, so "Forbid Artificial Declarer" changes no number.
        if a == b:
            return 4 + p, a
        return (p, a) if a > b else (p + 2, b)

    def _best_suit(self, p, field):
        best_v, best_s = 0, 0
        for s in range(4):
            v = self.side[p][s + 1][field]
            if v > best_v:
                best_v, best_s = v, s
        if best_s in (0, 2):
            nxt = best_s + 1
            if (self.side[p][nxt + 1][field] == best_v
                    and self.d.fitlen[p][nxt] > self.d.fitlen[p][best_s]):
                best_s = nxt
        return best_s, best_v

    def find_bidders(self):
        for p in range(2):
            for s in range(-1, 4):
                decl, tr = self.pick_declarer(p, s)
                self.side[p][s + 1] = [decl, tr, TrickScore(s, tr)]
            self.best_trick_suit[p] = self._best_suit(p, 1)[0]

    def set_contract(self, p, s):
        c = self.contract[p]
        c.Strain = s
        c.Declarer, c.Tricks, c.Score = self.side[p][s + 1]
        if s >= 0:
            c.Trumps = self.d.fitlen[p][s]

    def totals(self):
        c0, c1 = self.contract
        return c1.Tricks + c0.Tricks, c1.Trumps + c0.Trumps

    def set_by_length(self):
        for p in range(2):
            self.set_contract(p, self.d.longest[p])
        return self.totals()

    def set_by_score(self):
        for p in range(2):
            suit, best = self._best_suit(p, 2)
            if best == 0:
                suit = self.best_trick_suit[p]
            self.set_contract(p, suit)
        return self.totals()

    @staticmethod
    def outranks(a, b):
        return a.Tricks > b.Tricks or (a.Tricks == b.Tricks and a.Strain < b.Strain)

    def competition(self):
        for p in range(2):
            c = self.contract[p]
            if (c.Score != 0 and self.outranks(self.contract[1 - p], c)
                    and self.best_trick_suit[p] != c.Strain):
                self.set_contract(p, self.best_trick_suit[p])

    # -- Notrump step
    def search_possible_nt(self):
        for p in range(2):
            nt_decl, nt_tricks, nt_score = self.side[p][0]
            if nt_tricks >= 7 and nt_score != 0:
                diff = nt_score - self.contract[p].Score
                if diff >= 0:
                    if nt_tricks in (10, 11) and diff == 10 and self.contract[p].Strain == 1:
                        continue  # 4 hearts against 4NT, 5 hearts against 5NT: stay in hearts
                    self.nt_side[p] = 1
        return self.nt_side[0] + self.nt_side[1]

    def both_bids_nt(self):
        we, ns = self.side[0][0][1], self.side[1][0][1]
        if ns > we:
            self.nt_side[0] = 0
        elif we > ns:
            self.nt_side[1] = 0
        elif self.d.hcp[1] > self.d.hcp[0]:
            self.nt_side[0] = 0
        else:
            self.nt_side[1] = 0

    def shortness_class(self, p, trump):
        result = 22
        for seat in (p, p + 2):
            for s in range(4):
                if s == trump:
                    continue
                n = self.d.suitlen[seat][s]
                if n == 0:
                    return 24
                if n == 1:
                    result = 23
        return result

    def proc_nt(self):
        self.competition()
        self.nt_side = [0, 0]
        ntcount = self.search_possible_nt()
        if ntcount == 2:
            self.both_bids_nt()
            ntcount = 1
        for p in range(2):
            if self.nt_side[p]:
                self.set_contract(p, -1)
        if ntcount == 0:
            tt, ttr = self.totals()
            return tt, ttr, 0, 0
        n = 0 if self.nt_side[0] else 1
        s = 1 - n
        shape = self.shortness_class(s, self.contract[s].Strain)
        return (self.side[n][0][1] + self.contract[s].Tricks, self.contract[s].Trumps + 7, 1,
                shape)

    # -- Events of a suit-suit pass
    def suit_events(self):
        ev = [0, 0, 0, 0]
        d = self.d
        for p in range(2):
            t = self.contract[p].Strain
            if any(d.fitlen[p][s] >= 8 for s in range(4) if s != t):
                ev[1] += 1
        for p in range(2):
            t = self.contract[p].Strain
            joined = d.hand[p][t] + d.hand[p + 2][t]
            if "A" in joined and "K" in joined and "Q" in joined:
                ev[2] += 1
        for p in range(2):
            t = self.contract[p].Strain
            if self.contract[1 - p].Strain >= 0:
                q = 1 - p
                for seat in (q, q + 2):
                    ev[3] += CheckQxx(d.hand[seat][t])
        return ev

    def finish_pass(self):
        tt, ttr, ntcount, shape = self.proc_nt()
        if ntcount:
            ev = [0, 0, 0, 0]
            ev[shape - 21] = 1
            code = (shape - 21) + 128
        else:
            ev = self.suit_events()
            code = ev[1] * 16 + ev[2] * 4 + ev[3]
        snap = [c.as_dict() for c in self.contract]
        return PassResult(tt, ttr, ntcount, shape, ev, snap), code


def CheckQxx(s):
    return 1 if len(s) == 3 and s[0] == "Q" else 0


class ScannedDeal:
    """Everything one scanned deal gives: the cache record and the three countable passes."""

    __slots__ = ("pair_hcp", "record", "first", "by_length", "by_score")


def analyse_deal(deal):
    a = DealAnalysis(deal)
    out = ScannedDeal()
    out.pair_hcp = [math.floor(deal.hcp[0]) + math.floor(deal.hcp[2]),
                    math.floor(deal.hcp[1]) + math.floor(deal.hcp[3])]
    rec = bytearray(6)
    if 15 <= out.pair_hcp[0] <= 25:
        rec[0] |= 1
    if 17 <= out.pair_hcp[0] <= 23:
        rec[0] |= 2
    a.find_bidders()
    tt, ttr = a.set_by_length()
    rec[1] = Trunc(tt) * 16 + Trunc(ttr)
    out.first = PassResult(tt, ttr, 0, 0, [0, 0, 0, 0], [c.as_dict() for c in a.contract])
    out.by_length, rec[3] = a.finish_pass()
    rec[2] = Trunc(out.by_length.TotalTricks) * 16 + Trunc(out.by_length.TotalTrumps)
    a.set_by_score()
    out.by_score, rec[5] = a.finish_pass()
    rec[4] = Trunc(out.by_score.TotalTricks) * 16 + Trunc(out.by_score.TotalTrumps)
    out.record = bytes(rec)
    return out


# ---------------------------------------------------------------------------------------------
# Settings: the option array o and its handler

OPTION_INDICES = tuple(range(0, 34)) + (41, 42, 43)
OPTION_GROUPS = ((0, 1), (2, 3), (4, 5), (6, 7, 8), (9, 10), (11, 12, 13, 22, 23, 24),
                 (14, 15, 16), (17, 18, 19), (20, 21), tuple(range(25, 34)), (41, 42, 43))
GROUP_OF = {i: g for g in OPTION_GROUPS for i in g}
NT_CHOICES = (11, 12, 13, 22, 23, 24)
FILTER_CODES = {27: "D2", 26: "D1", 25: "D0", 30: "S2", 29: "S1", 28: "S0", 33: "C2", 32: "C1",
                31: "C0"}


class ClickRefused(Exception):
    pass


class Settings:
    """The option array o with the enabling rules, the option handler and result naming."""

    def __init__(self, screenshot_mode=False):
        self.value = {i: False for i in OPTION_INDICES}
        self.enabled = {i: True for i in OPTION_INDICES}
        for i in (8, 11, 16, 19, 21):
            self.value[i] = True
        self.SettingMode = -1
        self.NTFormula = 0
        self.Touched = self.FilterOn = False
        self.SavedCorr = {i: False for i in range(14, 22)}
        self.CorrCode = ""
        self.ResultName = ""
        self.screenshot_mode = screenshot_mode
        self.DefaultSetting()

    # -- selection primitives (programmatic changes never run the handler)
    def select(self, j):
        for i in GROUP_OF[j]:
            self.value[i] = False
        self.value[j] = True

    def deselect(self, j):
        self.value[j] = False

    def optEnable(self, j):
        self.enabled[j] = True
        self.select(j)

    def optDisable(self, j):
        self.deselect(j)
        self.enabled[j] = False

    def _enable_range(self, a, b, on):
        for i in range(a, b + 1):
            self.enabled[i] = on

    def DefaultSetting(self):
        self.select(8)
        if not self.screenshot_mode:
            for i in range(2, 34):
                self.enabled[i] = i in (6, 7, 8)

    def click(self, index):
        """A user's click on o(index): selects it and runs the handler."""
        if index not in self.value:
            raise ClickRefused("there is no option %d" % index)
        if not self.enabled[index]:
            raise ClickRefused("option %d is disabled" % index)
        self.select(index)
        self.o_click(index)

    def o_click(self, index):
        v = self.value
        if index == 0:
            self.SettingMode = 0
            self.optEnable(2)
            self.optDisable(3)
            self.optEnable(4)
            self.optDisable(5)
            self.optEnable(9)
            self._enable_range(10, 33, False)
        elif index == 1:
            self.SettingMode = 1
            self.enabled[2] = self.enabled[3] = True
            # The first Standard selects by Score; so does any later one that finds neither
            # trump option selected, or a scan and a replay of one name would count different
            # passes.
            if not self.Touched or not (v[2] or v[3]):
                self.select(3)
            self.optEnable(5)
            self.optDisable(4)
            self.optEnable(10)
            self.enabled[9] = False
            self._enable_range(11, 33, True)
        elif index == 3:
            if self.SettingMode == 1:
                self._enable_range(10, 13, True)
        elif index == 9:
            self._enable_range(10, 13, False)
        elif index == 10:
            self._enable_range(11, 13, True)
        elif index in (11, 12, 13):
            self.NTFormula = index - 11
        elif index in (22, 23, 24):
            self.NTFormula = 0
        elif 14 <= index <= 21:
            for i in range(25, 34):
                self.deselect(i)
            if self.FilterOn:
                if index <= 16:
                    restore = (17, 18, 19, 20, 21)
                elif index <= 19:
                    restore = (14, 15, 16, 20, 21)
                else:
                    restore = (14, 15, 16, 17, 18, 19)
                for i in restore:
                    if self.SavedCorr[i]:
                        self.select(i)
        elif 26 <= index <= 33:
            for i in range(14, 22):
                if v[i]:
                    self.SavedCorr[i] = True
                    self.deselect(i)
        self.FilterOn = any(v[i] for i in range(26, 34))
        self.UpdateResultButtons()
        self.Touched = True

    def UpdateResultButtons(self):
        if not (self.value[0] or self.value[1]):
            return
        self.SetUpFileName()

    def SetUpFileName(self):
        v = self.value
        hcp = "40" if v[8] else "15" if v[7] else "17" if v[6] else ""
        if self.SettingMode == 0:
            self.ResultName = hcp + ("OstLen" if v[2] else "OstSco")
        elif self.SettingMode == 1:
            name = hcp + ("Len" if v[2] else "Sco")
            for i, code in ((11, "Co"), (12, "V1"), (13, "V2"), (24, "Vd"), (23, "Sg"),
                            (22, "Db")):
                if v[i]:
                    name += code
                    break
            cc = ""
            if v[14]:
                cc = "D"
            if v[15]:
                cc = "E"
            if v[18]:
                cc += "S"
            if v[17]:
                cc += "T"
            if v[20]:
                cc += "C"
            if v[42]:
                cc += "2"
            if v[41]:
                cc += "1"
            if v[43]:
                cc += "-"
            for i in (27, 26, 25, 30, 29, 28, 33, 32, 31):
                if v[i]:
                    cc = FILTER_CODES[i]
            self.CorrCode = cc
            self.ResultName = ("(" + cc + ")" if cc else "(none)") + name

    # -- settings as the engine reads them
    def hcp_selected(self):
        return self.value[6] or self.value[7] or self.value[8]

    def nt_choice(self):
        for i in NT_CHOICES:
            if self.value[i]:
                return i
        return None

    def deal_filter(self):
        for i in range(25, 34):
            if self.value[i]:
                return i
        return None

    def check_start(self):
        """The tests of the Start button; returns a refusal text or None."""
        if not self.hcp_selected():
            return "no HCP range is selected"
        if self.SettingMode == 1 and self.nt_choice() is None:
            return "no notrump choice is selected"
        if not (self.value[0] or self.value[1]):
            return "no preset is chosen"
        return None

    def PrepareHeaders(self, date_text="DATE"):
        v = self.value
        h0 = " Select Trumps by " + ("Score. " if v[3] else "Length. ")
        h0 += ("Forbid " if v[5] else "Allow ") + "Artificial Declarer.  HCP range"
        for i, t in ((6, " 17 ==> 23."), (7, " 15 ==> 25."), (8, " 0 ==> 40."),
                     (41, " Limit level difference to within 1."),
                     (42, " Limit level difference to within 2."),
                     (43, " Doesn't care levels.")):
            if v[i]:
                h0 += t
        h1 = " Options: "
        if self.CorrCode == "":
            h1 += "(none)"
        elif self.SettingMode == 1:
            h1 += "(" + self.CorrCode + ")"
            for i, t in HEADER_OPTION_TEXTS:
                if v[i]:
                    h1 += t
        h2 = ""
        for i, t in ((9, " No Notrump calls at all."), (11, " Quenby Formula for NT (+7)."),
                     (12, " Dorvald Formula (+8, +7, +6) for NT."),
                     (13, " Modified Dorvald Formula (+9, +8, +7) for NT."),
                     (24, " Choose only Void Hands against NT."),
                     (23, " Choose only Singleton Hands against NT."),
                     (22, " Choose only Doubleton Hands against NT.")):
            if v[i]:
                h2 = t
                break
        h2 += " " + date_text
        return [h0, h1, h2]


HEADER_OPTION_TEXTS = (
    (14, "( Add ONE for double fit) "),
    (15, "( Add 1/2 for double fit) "),
    (17, " ( Add ONE for AKQ in trump)"),
    (18, " ( Add 1/2 for AKQ in trump)"),
    (20, " ( Deduct 1/2 for Chameleon Qxx)"),
    (27, " Count Only deals with Double-Double fit.  "),
    (26, " Count Only deals where Only Either side has Double fit.  "),
    (25, " Count Only deals where Neither sides have Double fit.  "),
    (30, " Count Only deals where Both sides have Solid Trumps."),
    (29, " Count Only deals where Only One side has Solid Trump."),
    (28, " Count Only deals where Neither sides have Solid Trumps."),
    (33, " Count Only deals where Both sides have Chameleon Queens."),
    (32, " Count Only deals where Only One side has a Chameleon Queen."),
    (31, " Count Only deals where Neither sides have Chameleon Queens."),
)


# ---------------------------------------------------------------------------------------------
# Counting tables

KIND_SUIT, KIND_NT = 0, -1
TABLE_MIN_LEN = {0: 11, -1: 12}
TABLE_MAX_LEN = {0: 24, -1: 21}

EXPECTED_COUNTS = {
    (0, 0): {14: 28261, 15: 37001, 16: 114308, 17: 113763, 18: 85047, 19: 48510, 20: 21327,
             21: 7027, 22: 1824, 23: 360, 24: 65, 25: 2},
    (-1, 0): {12: 1, 13: 260, 14: 68154, 15: 132421, 16: 48272, 17: 9559, 18: 906, 19: 34},
    (0, 1): {10: 1, 11: 11, 12: 273, 13: 4330, 14: 33260, 15: 69507, 16: 118898, 17: 112287,
             18: 79242, 19: 42183, 20: 17851, 21: 5601, 22: 1437, 23: 285, 24: 53, 25: 2},
    (-1, 1): {11: 1, 12: 36, 13: 3581, 14: 69598, 15: 110334, 16: 39665, 17: 7889, 18: 746,
              19: 31},
}


def LoadPtValues():
    """ExpectedFreq[(kind, mode)][length 0..30] in single precision."""
    table = {}
    for key, counts in EXPECTED_COUNTS.items():
        row = [0.0] * 31
        total = 0.0
        for length, n in counts.items():
            row[length] = f32(n)
            total = f32(total + row[length])
        for length in counts:
            row[length] = f32(row[length] / total)
        row[30] = total
        table[key] = row
    return table


EXPECTED_FREQ = LoadPtValues()
CAP_SUIT = f32(5.0)
CAP_NT = f32(1.49)


def _clamp(x, lo, hi):
    return lo if x < lo else hi if x > hi else x


class KindTables:
    """The tables of one kind: DevTable[L][dev + 10], DevMean, DevAbsMean, EventTable, EventRate."""

    def __init__(self):
        self.dev = [[0.0] * 41 for _ in range(31)]
        self.mean = [0.0] * 31
        self.absmean = [0.0] * 31
        self.events = [[0.0] * 4 for _ in range(31)]
        self.rate = [0.0] * 4

    def cell(self, length, dev):
        return self.dev[length][dev + 10]

    def add_deal(self, length, d, w, round_grand_total):
        """Adds one deal of weight w at length with deviation d; returns the grand total G.

        A length or deviation the table has no row for goes into the nearest row for its single
        cell, while every sum and mean takes the true deviation."""
        row = _clamp(length, 0, 29)
        dc = _clamp(d, -10, 27) + 10
        t = self.dev
        t[row][dc] = f32(t[row][dc] + w)
        t[row][40] = f32(t[row][40] + w)
        t[30][dc] = f32(t[30][dc] + w)
        g = f32(t[30][40] + w)
        if round_grand_total:
            g = float(round(g))  # halves to even
        t[30][40] = g
        if t[row][40] != 0:
            t[row][39] = f32(t[row][39] + f32(w * d))
            self.mean[row] = f32(t[row][39] / t[row][40])
            t[row][38] = f32(t[row][38] + f32(w * abs(d)))
            self.absmean[row] = f32(t[row][38] / t[row][40])
        t[30][38] = f32(t[30][38] + f32(abs(d) * w))
        if g != 0:
            self.absmean[30] = f32(t[30][38] / g)
        t[30][39] = f32(t[30][39] + f32(w * d))
        if g != 0:
            self.mean[30] = f32(t[30][39] / g)
        return g

    def add_event(self, length, e, amount, g):
        row = _clamp(length, 0, 29)
        self.events[row][e] = f32(self.events[row][e] + amount)
        self.events[30][e] = f32(self.events[30][e] + amount)
        if g != 0:
            self.rate[e] = f32(self.events[30][e] / g)


class RunParams:
    """The settings as a run reads them (fixed at Start)."""

    def __init__(self, s):
        v = s.value
        self.standard = s.SettingMode == 1
        self.ostrevan = s.SettingMode == 0
        self.by_length = v[2]
        self.trump_by = 1 if v[3] else 0
        self.hcp = 8 if v[8] else 7 if v[7] else 6
        self.nt_choice = s.nt_choice()
        self.nt_formula = s.NTFormula
        self.use = [False, v[14] or v[15], v[17] or v[18], v[20]]
        self.corr = [0.0, 1.0 if v[14] else 0.5 if v[15] else 0.0,
                     1.0 if v[17] else 0.5 if v[18] else 0.0, -0.5 if v[20] else 0.0]
        self.filter = s.deal_filter()


FILTER_TEST = {25: (1, 0), 26: (1, 1), 27: (1, 2), 28: (2, 0), 29: (2, 1), 30: (2, 2),
               31: (3, 0), 32: (3, 1), 33: (3, 2)}
SHAPE_OF_CHOICE = {22: 1, 23: 2, 24: 3}  # notrump shape choices by their class (22, 23, 24) - 21


class CountingTables:
    def __init__(self, params):
        self.p = params
        self.kind = {KIND_SUIT: KindTables(), KIND_NT: KindTables()}

    def UpdateTableSuit(self, total_tricks, total_trumps, ev):
        p = self.p
        raw = total_trumps
        length = raw
        w = 1.0
        if p.standard:
            if p.filter is not None:
                e, want = FILTER_TEST[p.filter]
                if ev[e] != want:
                    return
            if p.use[1] or p.use[2] or p.use[3]:
                c = ev[1] * p.corr[1] + ev[2] * p.corr[2] + ev[3] * p.corr[3]
                k = math.floor(c)
                if k != 0:
                    length = raw + k
                    if 14 <= raw <= 22:
                        w = self.weight(KIND_SUIT, length, raw, CAP_SUIT)
        d = total_tricks - length
        t = self.kind[KIND_SUIT]
        g = t.add_deal(length, d, w, True)
        # Correction events are a Standard matter: the Ostrevan preset counts none, whatever
        # correction options an earlier Standard choice left selected.
        if p.standard:
            for e in (1, 2, 3):
                if p.use[e] and ev[e] != 0:
                    t.add_event(raw, e, float(ev[e]), g)

    def UpdateTableNT(self, total_tricks, total_trumps, ev):
        p = self.p
        raw = total_trumps
        length = raw
        if p.nt_formula != 0:
            for e in (1, 2, 3):
                if ev[e] != 0:
                    length += p.nt_formula + e - 3
        w = 1.0
        lo = 14 if p.by_length else 13
        if lo <= raw <= 17:
            w = self.weight(KIND_NT, length, raw, CAP_NT)
        d = total_tricks - length
        t = self.kind[KIND_NT]
        g = t.add_deal(length, d, w, False)
        for e in (1, 2, 3):
            if ev[e] != 0:
                t.add_event(length, e, w, g)

    def weight(self, kind, length, raw, cap):
        freq = EXPECTED_FREQ[(kind, self.p.trump_by)]
        den = freq[raw]
        if den == 0:
            return 1.0
        num = freq[length] if 0 <= length <= 30 else 0.0
        ratio = f32(num / den)
        return cap if ratio > cap else ratio

    def count_pass(self, ntcount, ntshape_class, total_tricks, total_trumps, ev):
        """Counts one pass under the Standard preset; ntshape_class is 1, 2 or 3."""
        if ntcount == 0:
            self.UpdateTableSuit(total_tricks, total_trumps, ev)
            return
        choice = self.p.nt_choice
        if choice in (11, 12, 13) or SHAPE_OF_CHOICE.get(choice) == ntshape_class:
            self.UpdateTableNT(total_tricks, total_trumps, ev)


# ---------------------------------------------------------------------------------------------
# Runs: scanning the library, replaying the cache

HCP_BIT = {7: 1, 6: 2}  # band bits of the cache's first byte: 15..25 and 17..23

OVER20_HEADER = {
    "en": ["This file records the deal numbers for Total Trumps longer than 20.",
           " Each line consists of ",
           " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).",
           "Review them with another software Boardlook."],
    "ja": ["このファイルは，合計トリック数が 21 以上のディールをピックアップします。",
           "各行は，合計切り札枚数，合計トリック数，ディール番号 (HCP1, HCP2)",
           " から成ります。",
           " Boardlook を使うと，これらのディールの内容を見ることができます。"],
}


def over20_line(trumps, tricks, deal_no, pair_hcp):
    return "%s,%s #%d (%s,%s)" % (str2(trumps), str2(tricks), deal_no, str2(pair_hcp[0]),
                                  str2(pair_hcp[1]))


class InvalidCache(Exception):
    pass


def counted_by_hcp(params, pair_hcp0):
    if params.hcp == 7:
        return 15 <= pair_hcp0 <= 25
    if params.hcp == 6:
        return 17 <= pair_hcp0 <= 23
    return True


def run_scan(library, params, n_end, language="en"):
    """Scans deals 1..n_end; returns (tables, cache bytes, Over20 lines)."""
    tables = CountingTables(params)
    cache = bytearray()
    over20 = list(OVER20_HEADER[language]) + ["-" * 30]
    for deal_no in range(1, n_end + 1):
        sd = analyse_deal(library.deal(deal_no))
        counted = counted_by_hcp(params, sd.pair_hcp[0])
        if params.ostrevan and counted:
            tables.UpdateTableSuit(sd.first.TotalTricks, sd.first.TotalTrumps, [0, 0, 0, 0])
        if params.standard and counted and params.by_length:
            r = sd.by_length
            tables.count_pass(r.NTCount, r.NTShape - 21, r.TotalTricks, r.TotalTrumps,
                              r.EventCount)
        cache += sd.record
        r = sd.by_score
        if r.NTCount == 0 and r.TotalTrumps >= 21:
            over20.append(over20_line(r.TotalTrumps, r.TotalTricks, deal_no, sd.pair_hcp))
        if params.standard and counted and not params.by_length:
            tables.count_pass(r.NTCount, r.NTShape - 21, r.TotalTricks, r.TotalTrumps,
                              r.EventCount)
    return tables, bytes(cache), over20


def check_cache(cache, deal_count):
    """Refuses a cache that is not exactly one record per deal or that no scan could write."""
    if len(cache) != 6 * deal_count:
        raise InvalidCache("the cache holds %d bytes, not 6 for each of %d deals"
                           % (len(cache), deal_count))
    for k in range(deal_count):
        rec = cache[6 * k:6 * k + 6]
        if rec[0] & ~3 or rec[0] == 2:
            raise InvalidCache("record %d: HCP bands %d" % (k + 1, rec[0]))
        for code in (rec[3], rec[5]):
            if code & 128:
                if code & 0x7C or code & 3 == 0:
                    raise InvalidCache("record %d: notrump code %d" % (k + 1, code))
            elif (code >> 4) > 2 or ((code >> 2) & 3) > 2 or (code & 3) > 2:
                raise InvalidCache("record %d: event code %d" % (k + 1, code))


def run_replay(cache, params, n_end):
    tables = CountingTables(params)
    for k in range(n_end):
        rec = cache[6 * k:6 * k + 6]
        if params.hcp in HCP_BIT and not rec[0] & HCP_BIT[params.hcp]:
            continue
        if params.ostrevan:
            tables.UpdateTableSuit((rec[1] >> 4) + 10, (rec[1] & 15) + 10, [0, 0, 0, 0])
            continue
        if not params.standard:
            continue
        totals, code = (rec[2], rec[3]) if params.by_length else (rec[4], rec[5])
        ev = [0, 0, 0, 0]
        if code & 128:
            shape = code & 3
            ev[shape] = 1
            tables.count_pass(1, shape, (totals >> 4) + 10, (totals & 15) + 10, ev)
        else:
            ev[1], ev[2], ev[3] = (code >> 4) & 7, (code >> 2) & 3, code & 3
            tables.count_pass(0, 0, (totals >> 4) + 10, (totals & 15) + 10, ev)
    return tables


# ---------------------------------------------------------------------------------------------
# Result file


def _count_field(x):
    r = Round(x)
    return strN(r) if r != 0 else " " * 7


def result_lines(settings, tables):
    lines = list(settings.PrepareHeaders())
    kinds = [KIND_SUIT] + ([KIND_NT] if settings.SettingMode == 1 else [])
    v = settings.value
    for kind in kinds:
        t = tables.kind[kind]
        if kind == KIND_SUIT:
            row_events = total_events = settings.CorrCode != ""
        else:
            row_events = not v[11]
            total_events = settings.NTFormula != 0
        for length in range(TABLE_MIN_LEN[kind] - 1, TABLE_MAX_LEN[kind] + 2):
            line = strN(length) + strN(Round(t.cell(length, 30)))
            line += "".join(_count_field(t.cell(length, dev)) for dev in range(-6, 7))
            line += strX(t.mean[length]) + strX(t.absmean[length])
            if row_events:
                line += "".join(_count_field(t.events[length][e]) for e in (1, 2, 3))
            lines.append(line)
        line = " " * 7 + strN(Round(t.cell(30, 30)))
        line += "".join(_count_field(t.cell(30, dev)) for dev in range(-6, 7))
        line += strX(t.mean[30]) + strX(t.absmean[30])
        if total_events:
            line += "".join(strX(t.rate[e]) for e in (1, 2, 3))
        lines.append(line)
    return lines


def write_lines(path, lines):
    write_bytes(path, "".join(line + "\r\n" for line in lines).encode("utf-8"))


def write_bytes(path, data):
    with open(path, "wb") as fh:
        fh.write(data)


# ---------------------------------------------------------------------------------------------
# Command line

VALUE_OPTIONS = {
    "--trumps": {"length": 2, "score": 3},
    "--declarer": {"allow": 4, "forbid": 5},
    "--hcp": {"17-23": 6, "15-25": 7, "0-40": 8},
    "--nt-calls": {"none": 9, "separately": 10},
    "--nt": {"quenby": 11, "dorvald": 12, "dorvald-plus": 13, "doubleton": 22, "singleton": 23,
             "void": 24},
    "--double-fit": {"1": 14, "0.5": 15, "0": 16},
    "--solid-trump": {"1": 17, "0.5": 18, "0": 19},
    "--chameleon": {"-0.5": 20, "0": 21},
    "--filter": {"D0": 25, "D1": 26, "D2": 27, "S0": 28, "S1": 29, "S2": 30, "C0": 31, "C1": 32,
                 "C2": 33},
    "--level-limit": {"1": 41, "2": 42, "none": 43},
}
PRESETS = {"ostrevan": 0, "standard": 1}


class UsageError(Exception):
    pass


def parse_args(argv):
    """Returns (options dict, click list in command-line order after the preset)."""
    opts = {"folder": None, "out": None, "replay": None, "deals": None, "language": "en",
            "preset": None}
    clicks = []
    i = 0

    def value():
        nonlocal i
        if i + 1 >= len(argv):
            raise UsageError("%s needs a value" % argv[i])
        i += 1
        return argv[i]

    while i < len(argv):
        a = argv[i]
        if a in VALUE_OPTIONS:
            val = value()
            if val not in VALUE_OPTIONS[a]:
                raise UsageError("%s takes one of %s" % (a, ", ".join(VALUE_OPTIONS[a])))
            clicks.append(VALUE_OPTIONS[a][val])
        elif a == "--preset":
            val = value()
            if val not in PRESETS:
                raise UsageError("--preset takes ostrevan or standard")
            if opts["preset"] is not None:
                raise UsageError("--preset given twice")
            opts["preset"] = PRESETS[val]
        elif a == "--click":
            for part in value().split(","):
                if not part.strip().isdigit():
                    raise UsageError("--click takes option numbers separated by commas")
                clicks.append(int(part))
        elif a in ("--out", "--replay", "--deals"):
            opts[a[2:]] = value()
        elif a == "--language":
            val = value()
            if val not in ("en", "ja"):
                raise UsageError("--language takes en or ja")
            opts["language"] = val
        elif a.startswith("-"):
            raise UsageError("unknown option %s" % a)
        elif opts["folder"] is None:
            opts["folder"] = a
        else:
            raise UsageError("more than one folder given")
        i += 1
    if opts["folder"] is None:
        raise UsageError("no program folder given")
    if opts["preset"] is not None:
        clicks.insert(0, opts["preset"])
    return opts, clicks


def deals_to_scan(text, deal_count):
    """The number typed as "Deals to be Scanned": a whole number, at most DealCount."""
    if text is None:
        return deal_count
    t = text.strip()
    if not t.isdigit() or not t.isascii():
        raise UsageError("the number of deals must be a whole number: %r" % text)
    return min(int(t), deal_count)


def main(argv):
    try:
        opts, clicks = parse_args(argv)
        library = Library(opts["folder"])
        if opts["out"] is None:
            raise UsageError("--out DIR is required")
        settings = Settings(os.path.isfile(os.path.join(opts["folder"], "ScreenShot.txt")))
        for index in clicks:
            settings.click(index)
        refusal = settings.check_start()
        if refusal:
            raise UsageError("cannot start: " + refusal)
        n_end = deals_to_scan(opts["deals"], library.deal_count)
        params = RunParams(settings)
        print(settings.ResultName)
        if n_end < 1:
            print("trickscan_ref: no deal to scan; nothing written", file=sys.stderr)
            return 1
        os.makedirs(opts["out"], exist_ok=True)
        tables = None
        if opts["replay"] is not None:
            with open(opts["replay"], "rb") as fh:
                cache = fh.read()
            try:
                check_cache(cache, library.deal_count)
                tables = run_replay(cache, params, n_end)
            except InvalidCache as e:
                # The program deletes such a cache and scans again.
                print("trickscan_ref: cache refused (%s); scanning instead" % e, file=sys.stderr)
        if tables is None:
            tables, cache, over20 = run_scan(library, params, n_end, opts["language"])
            write_bytes(os.path.join(opts["out"], "Trickscan_36.bin"), cache)
            write_lines(os.path.join(opts["out"], "Over20.txt"), over20)
        write_lines(os.path.join(opts["out"], settings.ResultName + ".dat"),
                    result_lines(settings, tables))
        return 0
    except (UsageError, ClickRefused, BadLibrary, OSError) as e:
        print("trickscan_ref: %s" % e, file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

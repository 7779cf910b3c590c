#!/usr/bin/env python3
"""Self-checks of the reference implementation on hand-built deals and tiny libraries.

    python3 -m unittest tests/reference/test_reference.py
"""

import io
import os
import sys
import tempfile
import unittest
from contextlib import redirect_stderr, redirect_stdout

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import make_library  # noqa: E402
import trickscan_ref as ref  # noqa: E402
from trickscan_ref import f32  # noqa: E402


def make_deal(hands, tricks):
    """hands: four "S.H.D.C" texts, West first; tricks(seat, strain) -> tricks of that side."""
    hand = [h.split(".") for h in hands]
    cards = [(s, c) for h in hand for s, g in enumerate(h) for c in g]
    assert all(len(h) == 4 for h in hand) and all(len("".join(h)) == 13 for h in hand), hands
    assert len(set(cards)) == 52, hands
    hcp = [float(sum(ref.CARD_POINTS[ref.CARD_NAME.index(c)] for c in "".join(h)))
           for h in hand]
    digits = []
    for strain in range(-1, 4):
        row = []
        for seat in ref.SEAT_OF_DIGIT:
            t = tricks(seat, strain)
            row.append(t if seat % 2 == 1 else 13 - t)
        digits.append(tuple(row))
    return ref.Deal(hand, hcp, digits)


# A deal without shortness; the trick tables vary per test.
BALANCED = ["AK32.K32.K32.K32", "QJ54.QJ4.QJ4.QJ4", "T98.AT98.T98.T98", "76.765.A765.A765"]


def table(values):
    """tricks(seat, strain) from {strain: (West, North, East, South)}, default 6 for both sides."""
    def tricks(seat, strain):
        return values.get(strain, (6, 7, 6, 7))[seat]
    return tricks


def params_for(*clicks, screenshot=False):
    s = ref.Settings(screenshot)
    for c in clicks:
        s.click(c)
    return s, ref.RunParams(s)


class NumberFormats(unittest.TestCase):
    def test_fixed_fields(self):
        self.assertEqual(ref.strN(1234), "   1234")
        self.assertEqual(ref.strN(0), "      0")
        self.assertEqual(ref.strN(12345678), "2345678")
        self.assertEqual(ref.str2(5), "  5")
        self.assertEqual(ref.str2(1234), "234")
        self.assertEqual(ref.strX(f32(3.14159)), "   3.14")
        self.assertEqual(ref.strX(-0.5), "  -0.50")
        self.assertEqual(ref.strX(0.0), "   0.00")
        self.assertEqual(ref.strX(1234.5), "1234.50")
        self.assertEqual(ref.strX(f32(12345.678)), "2345.68")

    def test_two_decimals_round_the_exact_float(self):
        # Exact binary halves go away from zero (printf would give 0.12).
        self.assertEqual(ref.strX(0.125), "   0.13")
        self.assertEqual(ref.strX(-0.125), "  -0.13")
        self.assertEqual(ref.strX(f32(2.375)), "   2.38")
        # Decimal-looking halves are not halves in single precision.
        self.assertEqual(ref.strX(f32(0.005)), "   0.00")  # 0.0049999998...
        self.assertEqual(ref.strX(f32(2.675)), "   2.67")  # 2.6749999523...
        self.assertEqual(ref.strX(f32(0.035)), "   0.04")  # 0.0350000001...
        self.assertEqual(ref.strX(f32(-0.004)), "   0.00")  # never "-0.00"
        self.assertEqual(ref.strX(-0.005859375), "  -0.01")

    def test_round_and_trunc(self):
        self.assertEqual(ref.Round(2.5), 3)
        self.assertEqual(ref.Round(-0.5), 0)
        self.assertEqual(ref.Round(-1.5), -1)
        self.assertEqual(ref.Round(f32(0.49999997)), 0)  # the half is added in double
        self.assertEqual(ref.Trunc(9), 0)
        self.assertEqual(ref.Trunc(26), 15)
        self.assertEqual(ref.Trunc(17), 7)


class Decoding(unittest.TestCase):
    def test_all_zero_binary_record_gives_west_every_card(self):
        d = ref.decode_bin(bytes(26))
        self.assertEqual(d.hand[0], ["AKQJT98765432"] * 4)
        self.assertEqual(d.hand[1], ["", "", "", ""])
        self.assertEqual(d.hcp, [40.0, 0.0, 0.0, 0.0])
        self.assertEqual(d.tricks[0][0], 13)  # digit 0: North-South take nothing

    def test_card_bits_and_trick_words(self):
        rec = bytearray(26)
        rec[3] = 0b00_11_10_01  # spades B3: ace North, king East, queen South, jack West
        rec[0] = 0b10  # spade two East
        rec[16:18] = bytes((0x67, 0x76))
        rec[18:20] = bytes((0x0D, 0x0D))  # second byte below 16
        d = ref.decode_bin(bytes(rec))
        self.assertTrue(d.hand[1][0].startswith("A"))
        self.assertEqual(d.hand[2][0], "K2")
        self.assertTrue(d.hand[3][0].startswith("Q"))
        self.assertEqual(d.hcp, [31.0, 4.0, 3.0, 2.0])
        self.assertEqual([d.tricks[s][0] for s in range(4)], [6, 7, 7, 6])
        self.assertEqual([d.tricks[s][1] for s in range(4)], [13, 13, 13, 13])

    def test_ascii_and_binary_forms_decode_alike(self):
        with tempfile.TemporaryDirectory() as tmp:
            make_library.main([tmp, "--deals", "60", "--form", "both", "--seed", "7"])
            os.rename(os.path.join(tmp, "Library.asc"), os.path.join(tmp, "asc"))
            lib_bin = ref.Library(tmp)
            os.remove(os.path.join(tmp, "Library.bin"))
            os.rename(os.path.join(tmp, "asc"), os.path.join(tmp, "Library.asc"))
            lib_asc = ref.Library(tmp)
        self.assertEqual((lib_bin.deal_count, lib_asc.deal_count), (60, 60))
        for n in range(1, 61):
            a, b = lib_bin.deal(n), lib_asc.deal(n)
            self.assertEqual((a.hand, a.hcp, a.tricks), (b.hand, b.hcp, b.tricks))

    def test_ascii_voids_and_damage(self):
        rec = ("....AKQJT98765432"[1:] + " " + "AKQJT98765432..." + " "
               + ".AKQJT98765432.." + " " + "..AKQJT98765432." + " " + "0" * 20 + "\n")
        d = ref.decode_asc(rec.encode(), 1)
        self.assertEqual(d.hand[0], ["", "", "", "AKQJT98765432"])
        self.assertEqual(d.hcp, [10.0, 10.0, 10.0, 10.0])
        with self.assertRaises(ref.BadLibrary):
            ref.decode_asc(rec.replace("AKQJT98765432.", "AKQJT9876543..", 1).encode(), 1)

    def test_partial_trailing_record_is_dropped(self):
        with tempfile.TemporaryDirectory() as tmp:
            with open(os.path.join(tmp, "Library.bin"), "wb") as fh:
                fh.write(bytes(26 * 3 + 10))
            self.assertEqual(ref.Library(tmp).deal_count, 3)


class SuitContracts(unittest.TestCase):
    def test_trick_scores(self):
        self.assertEqual(ref.TrickScore(0, 10), 120)
        self.assertEqual(ref.TrickScore(-1, 9), 100)
        self.assertEqual(ref.TrickScore(3, 12), 620)
        self.assertEqual(ref.TrickScore(-1, 13), 1220)
        self.assertEqual(ref.TrickScore(2, 6), 0)

    def test_best_suits_tie_breaks(self):
        # W-E: spades and hearts both 9 tricks, hearts longer -> hearts by tricks and by score.
        hands = ["AK32.KQ32.K32.K2", "QJ54.J4.QJ4.QJ43", "T9.AT987.T98.T98", "876.65.A765.A765"]
        d = make_deal(hands, table({0: (9, 4, 9, 4), 1: (9, 4, 9, 4), 2: (9, 4, 9, 4),
                                    3: (8, 5, 8, 5)}))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        self.assertEqual(a.best_trick_suit[0], 1)
        a.set_by_score()
        self.assertEqual(a.contract[0].Strain, 1)
        # N-S take at most 5 tricks anywhere: every score is 0, so by Score falls back to the
        # best-trick suit, clubs (5 tricks against 4).
        self.assertEqual(a.best_trick_suit[1], 3)
        self.assertEqual(a.contract[1].Strain, 3)

    def test_equal_fits_keep_the_higher_suit(self):
        # W-E: 7 spades and 7 hearts, both 9 tricks: spades stay (hearts must be longer).
        d = make_deal(BALANCED, table({0: (9, 4, 9, 4), 1: (9, 4, 9, 4)}))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        self.assertEqual(a.best_trick_suit[0], 0)
        self.assertEqual(a._best_suit(0, 2), (0, 90))

    def test_major_minor_equal_scores_go_to_the_first_suit(self):
        d = make_deal(BALANCED, table({0: (8, 5, 8, 5), 2: (9, 4, 9, 4)}))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        self.assertEqual(a._best_suit(0, 2), (0, 60))  # 2 spades = 3 diamonds = 60

    def test_declarers(self):
        # North takes 8 in spades, South 9: the best declarer is South; the natural one is
        # North (longer spades) with its own 8 tricks.
        d = make_deal(BALANCED, table({0: (5, 8, 5, 9)}))
        a = ref.DealAnalysis(d)
        self.assertEqual(a.pick_declarer(1, 0), (3, 9))
        a.forbid = True
        self.assertEqual(a.pick_declarer(1, 0), (1, 8))
        self.assertEqual(a.pick_declarer(0, 1), (4, 6))  # equal tricks: the pair itself
        # Notrump goes to the partner with more points, ties to the first seat.
        d = make_deal(["AK32.K32.K32.432", "JT9.QJT9.AT98.AQ", "Q54.A54.QJ5.KJ76",
                       "876.876.764.T985"], table({-1: (7, 6, 8, 5)}))
        a = ref.DealAnalysis(d)
        a.forbid = True
        self.assertEqual(a.pick_declarer(0, -1), (0, 7))  # 13 points each: West, 7 tricks
        self.assertEqual(a.pick_declarer(1, -1), (1, 6))  # North 14, South 0

    def test_competition_switches_an_outbid_pair_to_its_best_trick_suit(self):
        d = make_deal(BALANCED, table({0: (8, 5, 8, 5), 1: (7, 6, 7, 6), 3: (4, 9, 4, 9)}))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        a.set_contract(0, 1)  # W-E in 1 heart (score 30), outbid by N-S 3 clubs
        a.set_contract(1, 3)
        a.competition()
        self.assertEqual(a.contract[0].Strain, 0)  # switches to spades, 8 tricks
        self.assertEqual(a.contract[0].Trumps, d.fitlen[0][0])


class NotrumpStep(unittest.TestCase):
    def run_nt(self, values, hands=BALANCED, contract0=None):
        d = make_deal(hands, table(values))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        a.set_by_length()
        if contract0 is not None:
            a.set_contract(0, contract0)
        return a, a.proc_nt()

    def test_notrump_against_the_suit_score(self):
        # 4NT (130) against 4 hearts (120): hearts stay.
        _, r = self.run_nt({-1: (10, 3, 10, 3), 1: (10, 3, 10, 3)}, contract0=1)
        self.assertEqual(r[2], 0)
        # 5NT (160) against 5 hearts (150): hearts stay; 6NT against 6 hearts: notrump.
        _, r = self.run_nt({-1: (11, 2, 11, 2), 1: (11, 2, 11, 2)}, contract0=1)
        self.assertEqual(r[2], 0)
        _, r = self.run_nt({-1: (12, 1, 12, 1), 1: (12, 1, 12, 1)}, contract0=1)
        self.assertEqual(r[2], 1)
        # 4NT against 4 spades: notrump.
        _, r = self.run_nt({-1: (10, 3, 10, 3), 0: (10, 3, 10, 3)}, contract0=0)
        self.assertEqual(r[2], 1)
        # 3NT (100) against 3 hearts (90): notrump.
        _, r = self.run_nt({-1: (9, 4, 9, 4), 1: (9, 4, 9, 4)}, contract0=1)
        self.assertEqual(r[2], 1)
        # 2NT (70) against 4 spades (120): the suit.
        _, r = self.run_nt({-1: (8, 5, 8, 5), 0: (10, 3, 10, 3)}, contract0=0)
        self.assertEqual(r[2], 0)
        # 3NT (100) equals 5 clubs (100): notrump.
        _, r = self.run_nt({-1: (9, 4, 9, 4), 3: (11, 2, 11, 2)}, contract0=3)
        self.assertEqual(r[2], 1)

    def test_both_sides_in_notrump_with_equal_tricks_and_points(self):
        # Both sides qualify for 1NT with 7 tricks each, and North holds exactly as many points
        # as West: W-E keep notrump.
        d = make_deal(["AK32.K32.K32.432", "QJ54.QJ4.QJ4.AT5", "T98.AT98.T98.KQ9",
                       "76.765.A765.J876"], table({-1: (7, 7, 7, 7)}))
        self.assertEqual(d.hcp[0], d.hcp[1])
        a = ref.DealAnalysis(d)
        a.find_bidders()
        a.set_by_length()
        tt, ttr, ntcount, shape = a.proc_nt()
        self.assertEqual((ntcount, a.nt_side), (1, [1, 0]))
        self.assertEqual(tt, 7 + a.contract[1].Tricks)
        self.assertEqual(ttr, a.contract[1].Trumps + 7)

    def test_shortness_class(self):
        hands = ["AKQJT98.K32.K32.", "5.QJ4.QJ4.QJ9876", "432.AT98765.T9.2", "76..A8765.AKT543"]
        d = make_deal(hands, table({}))
        a = ref.DealAnalysis(d)
        self.assertEqual(a.shortness_class(0, 0), 24)  # a void in one hand, a singleton in other
        self.assertEqual(a.shortness_class(0, 3), 22)  # both shortnesses are in the trump suit
        self.assertEqual(a.shortness_class(1, 1), 23)  # South's void is in trumps
        d2 = make_deal(BALANCED, table({}))
        self.assertEqual(ref.DealAnalysis(d2).shortness_class(1, 0), 22)


class Events(unittest.TestCase):
    def test_qxx(self):
        for s, want in (("QJT", 1), ("Q32", 1), ("KQ2", 0), ("Q2", 0), ("QJ32", 0)):
            self.assertEqual(ref.CheckQxx(s), want, s)

    def test_double_fit_solid_trumps_and_chameleons(self):
        hands = ["AKQ2.KQ98.J2.Q32", "J43.J3.Q43.KJ854", "T98.AT72.AK98.T9", "765.654.T765.A76"]
        d = make_deal(hands, table({}))
        a = ref.DealAnalysis(d)
        a.find_bidders()
        a.set_contract(0, 0)  # W-E spades: 7 spades AKQ, hearts 8 and diamonds 6
        a.set_contract(1, 3)  # N-S clubs
        ev = a.suit_events()
        self.assertEqual(ev[1], 1)  # W-E's 8-card heart fit
        self.assertEqual(ev[2], 1)  # AKQ of spades
        self.assertEqual(ev[3], 1)  # West defends clubs with Q32; N-S hold no Qxx of spades
        # W-E in spades with 8-card heart and diamond fits beside: one double fit, not two.
        # Both pairs hold the ace, king and queen of their own trumps.
        hands2 = ["AKQ2.KQ98.AKQ9.2", "J65.J65.JT4.KQJT", "T987.AT72.8765.9", "43.43.32.A876543"]
        d2 = make_deal(hands2, table({}))
        a2 = ref.DealAnalysis(d2)
        a2.find_bidders()
        a2.set_contract(0, 0)
        a2.set_contract(1, 3)
        self.assertEqual(a2.suit_events(), [0, 1, 2, 0])


class CountingTables(unittest.TestCase):
    def test_half_correction_does_not_move_but_counts_events(self):
        _, p = params_for(1, 15)  # Standard, double fit +0.5
        t = ref.CountingTables(p)
        t.UpdateTableSuit(17, 16, [0, 1, 0, 0])
        k = t.kind[0]
        self.assertEqual(k.cell(16, 1), 1.0)
        self.assertEqual(k.events[16][1], 1.0)
        self.assertEqual(k.rate[1], 1.0)
        t.UpdateTableSuit(18, 16, [0, 2, 0, 0])  # two double fits at +0.5: one up, weighted
        self.assertEqual(k.cell(16, 30), 1.0)
        w = k.cell(17, 1)
        self.assertAlmostEqual(w, 112287 / 118898, places=6)  # by Score frequencies
        self.assertEqual(w, f32(w))

    def test_lone_chameleon_moves_down_one(self):
        _, p = params_for(1, 20)
        t = ref.CountingTables(p)
        t.UpdateTableSuit(15, 16, [0, 0, 0, 1])
        k = t.kind[0]
        self.assertAlmostEqual(k.cell(15, 0), 69507 / 118898, places=6)
        self.assertEqual(k.cell(30, 30), 1.0)  # 0.58 rounds to a whole deal
        self.assertEqual(k.events[16][3], 1.0)  # events stay at the uncorrected length

    def test_notrump_weight_is_capped(self):
        _, p = params_for(1, 2, 12)  # Standard, by Length, Dorvald(8,7,6)
        t = ref.CountingTables(p)
        t.UpdateTableNT(15, 14, [0, 0, 0, 1])  # void: +1, ratio 132421/68154 = 1.94
        k = t.kind[-1]
        self.assertEqual(k.cell(15, 0), f32(1.49))
        self.assertEqual(k.events[15][3], f32(1.49))
        self.assertEqual(k.rate[3], 1.0)
        t.UpdateTableNT(14, 14, [0, 1, 0, 0])  # no shortness: -1, to 13
        self.assertAlmostEqual(k.cell(13, 1), 260 / 68154, places=8)
        self.assertEqual(k.cell(30, 30), f32(f32(1.49) + k.cell(13, 1)))  # not rounded

    def test_notrump_weights_start_at_13_only_by_score(self):
        for clicks, weighted in (((1, 12), True), ((1, 2, 12), False)):
            _, p = params_for(*clicks)
            t = ref.CountingTables(p)
            t.UpdateTableNT(14, 13, [0, 0, 0, 1])  # void: 13 -> 14
            w = t.kind[-1].cell(14, 0)
            self.assertEqual(w, f32(1.49) if weighted else 1.0, clicks)  # 69598/3581 is capped

    def test_deviation_beyond_the_table(self):
        _, p = params_for(0)
        t = ref.CountingTables(p)
        t.UpdateTableSuit(5, 18, [0, 0, 0, 0])  # d = -13
        k = t.kind[0]
        self.assertEqual(k.cell(18, -10), 1.0)
        self.assertEqual(k.cell(30, -10), 1.0)
        self.assertEqual(k.mean[18], -13.0)
        self.assertEqual(k.absmean[30], 13.0)

    def test_weight_zero_leaves_means_at_zero(self):
        _, p = params_for(1, 2, 20)  # by Length, chameleon -0.5
        t = ref.CountingTables(p)
        t.UpdateTableSuit(10, 14, [0, 0, 0, 1])  # to 13: expected frequency 0, weight 0
        k = t.kind[0]
        self.assertEqual(k.cell(30, 30), 0.0)
        self.assertEqual((k.mean[30], k.absmean[30], k.rate[3]), (0.0, 0.0, 0.0))
        self.assertEqual(k.events[30][3], 1.0)

    def test_suit_grand_total_stays_whole(self):
        k = ref.KindTables()
        self.assertEqual(k.add_deal(16, 0, 2.5, True), 2.0)  # halves to even
        self.assertEqual(k.add_deal(16, 0, 1.5, True), 4.0)  # 3.5 -> 4
        self.assertEqual(k.add_deal(16, 0, 0.25, True), 4.0)
        self.assertEqual(k.cell(16, 30), 4.25)
        self.assertEqual(ref.KindTables().add_deal(16, 0, 2.5, False), 2.5)
        _, p = params_for(1, 14)  # by Score, double fit +1: 14 -> 15 weighs 69507/33260
        t = ref.CountingTables(p)
        k = t.kind[0]
        t.UpdateTableSuit(15, 14, [0, 1, 0, 0])
        self.assertEqual(k.cell(30, 30), 2.0)  # 2.0898 -> 2
        t.UpdateTableSuit(15, 14, [0, 1, 0, 0])
        self.assertEqual(k.cell(30, 30), 4.0)  # 2 + 2.0898 -> 4
        self.assertAlmostEqual(k.cell(15, 30), 2 * 69507 / 33260, places=5)
        self.assertEqual(k.mean[30], f32(k.dev[30][39] / 4.0))

    def test_ostrevan_counts_no_events_and_no_corrections(self):
        _, p = params_for(1, 14, 17, 20, 0)  # corrections chosen, then Ostrevan
        t = ref.CountingTables(p)
        t.UpdateTableSuit(17, 16, [0, 2, 2, 2])
        k = t.kind[0]
        self.assertEqual(k.cell(16, 1), 1.0)
        self.assertEqual(k.events[30], [0.0] * 4)


class SettingsModel(unittest.TestCase):
    def test_start_up_state(self):
        s = ref.Settings()
        enabled = sorted(i for i, on in s.enabled.items() if on)
        self.assertEqual(enabled, [0, 1, 6, 7, 8, 41, 42, 43])
        self.assertFalse(s.start_enabled)
        with self.assertRaises(ref.ClickRefused):
            s.click(14)
        self.assertIsNotNone(s.check_start())

    def test_result_name_examples(self):
        cases = (((0,), "40OstLen"),
                 ((1,), "(none)40ScoCo"),
                 ((1, 7, 12, 14, 18, 42), "(DS2)15ScoV1"),
                 ((1, 2, 6, 24, 30), "(S2)17LenVd"),
                 ((0, 41), "40OstLen"),
                 ((1, 14, 25), "(D0)40ScoCo"))
        for clicks, name in cases:
            s, _ = params_for(*clicks)
            self.assertEqual(s.ResultName, name, clicks)
        s, _ = params_for(1, 14, 25)
        self.assertTrue(s.value[14])  # the double-fit Neither filter keeps the corrections

    def test_trump_choice_across_presets(self):
        s, p = params_for(1)
        self.assertTrue(s.value[3])
        self.assertEqual(p.trump_by, 1)
        s.click(0)
        self.assertTrue(s.value[2] and not s.value[3])
        s.click(1)
        self.assertTrue(s.value[2] and not s.value[3])
        # Another click before the first preset leaves no trump option; Standard picks Score.
        s, p = params_for(41, 1)
        self.assertTrue(s.value[3])
        self.assertEqual(s.ResultName, "(1)40ScoCo")

    def test_filter_saves_and_restores_corrections(self):
        s, _ = params_for(1, 14, 19, 20, 27)
        self.assertFalse(any(s.value[i] for i in range(14, 22)))
        self.assertEqual(s.ResultName, "(D2)40ScoCo")
        s.click(18)
        self.assertTrue(s.value[14] and s.value[18] and s.value[20])
        self.assertFalse(s.value[19] or s.value[27])
        self.assertEqual(s.ResultName, "(DSC)40ScoCo")

    def test_disabled_options_refuse_clicks(self):
        s, _ = params_for(0)
        for i in (3, 5, 10, 14, 25):
            with self.assertRaises(ref.ClickRefused):
                s.click(i)
        s, _ = params_for(1)
        for i in (4, 9):
            with self.assertRaises(ref.ClickRefused):
                s.click(i)

    def test_headers(self):
        s, _ = params_for(1, 42, 14)
        h = s.PrepareHeaders()
        self.assertEqual(h[0], " Select Trumps by Score. Forbid Artificial Declarer.  HCP range"
                         " 0 ==> 40. Limit level difference to within 2.")
        self.assertEqual(h[1], " Options: (D2)( Add ONE for double fit) ")
        self.assertEqual(h[2], " Quenby Formula for NT (+7). DATE")
        s.click(0)  # the stale code of the last Standard naming
        self.assertEqual(s.PrepareHeaders()[1], " Options: ")
        self.assertEqual(s.PrepareHeaders()[2], " No Notrump calls at all. DATE")


class WholeRuns(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.lib = os.path.join(self.tmp.name, "lib")
        make_library.main([self.lib, "--deals", "400", "--seed", "3"])

    def tearDown(self):
        self.tmp.cleanup()

    def run_ref(self, *args):
        out, err = io.StringIO(), io.StringIO()
        with redirect_stdout(out), redirect_stderr(err):
            rc = ref.main([self.lib] + list(args))
        return rc, out.getvalue().strip(), err.getvalue()

    def read(self, *parts):
        with open(os.path.join(self.tmp.name, *parts), "rb") as fh:
            return fh.read()

    def test_scan_then_replay(self):
        out = os.path.join(self.tmp.name, "scan")
        for args in (["--preset", "standard", "--nt", "dorvald", "--double-fit", "0.5",
                      "--chameleon", "-0.5"],
                     ["--preset", "standard", "--trumps", "length", "--nt", "void"],
                     ["--preset", "ostrevan", "--hcp", "15-25"]):
            rc, name, err = self.run_ref("--out", out, *args)
            self.assertEqual(rc, 0, err)
            cache = self.read("scan", "Trickscan_36.bin")
            self.assertEqual(len(cache), 6 * 400)
            rc, name2, _ = self.run_ref("--out", os.path.join(self.tmp.name, "replay"),
                                        "--replay", os.path.join(out, "Trickscan_36.bin"), *args)
            self.assertEqual((rc, name2), (0, name))
            self.assertEqual(self.read("scan", name + ".dat"), self.read("replay", name + ".dat"))
        lines = self.read("scan", "(EC)40ScoV1.dat").split(b"\r\n")
        self.assertEqual(len(lines), 3 + 17 + 13 + 1)
        self.assertEqual(len(lines[3]), 140)
        lines = self.read("scan", "15OstLen.dat").split(b"\r\n")
        self.assertEqual(len(lines), 3 + 17 + 1)

    def test_over20_list(self):
        out = os.path.join(self.tmp.name, "o")
        self.run_ref("--out", out, "--preset", "standard", "--language", "ja")
        lines = self.read("o", "Over20.txt").decode("utf-8").split("\r\n")
        self.assertEqual(lines[0], "このファイルは，合計トリック数が 21 以上のディールをピックアップします。")
        self.assertEqual(lines[4], "-" * 30)
        lib = ref.Library(self.lib)
        listed = [ln for ln in lines[5:] if ln]
        expect = []
        for n in range(1, 401):
            r = ref.analyse_deal(lib.deal(n))
            if r.by_score.NTCount == 0 and r.by_score.TotalTrumps >= 21:
                expect.append(n)
        self.assertEqual([int(ln.split("#")[1].split(" ")[0]) for ln in listed], expect)
        self.assertTrue(expect)
        self.assertRegex(listed[0], r"^ \d\d, \d\d #\d+ \( *\d+, *\d+\)$")

    def test_deal_count_refusals_and_bad_caches(self):
        out = os.path.join(self.tmp.name, "o")
        rc, _, _ = self.run_ref("--out", out, "--preset", "ostrevan", "--deals", "5000")
        self.assertEqual(rc, 0)
        self.assertEqual(len(self.read("o", "Trickscan_36.bin")), 6 * 400)
        rc, _, err = self.run_ref("--out", out, "--preset", "ostrevan", "--deals", "12.5")
        self.assertNotEqual(rc, 0)
        rc, _, err = self.run_ref("--out", out, "--preset", "ostrevan", "--trumps", "score")
        self.assertNotEqual(rc, 0)
        rc, _, err = self.run_ref("--out", out)
        self.assertIn("no preset", err)
        # A cache with a notrump code of shape 0, or one record short, is never replayed.
        good = bytearray(self.read("o", "Trickscan_36.bin"))
        for bad in (bytes(good[:-6]), bytes(good[:9]) + b"\x80" + bytes(good[10:])):
            path = os.path.join(self.tmp.name, "bad.bin")
            with open(path, "wb") as fh:
                fh.write(bad)
            with self.assertRaises(ref.InvalidCache):
                ref.check_cache(bad, 400)
            os.remove(os.path.join(out, "Over20.txt"))
            rc, _, err = self.run_ref("--out", out, "--preset", "standard", "--replay", path)
            self.assertEqual(rc, 0)
            self.assertIn("scanning instead", err)
            self.assertTrue(os.path.exists(os.path.join(out, "Over20.txt")))

    def test_partial_run_counts_the_first_deals(self):
        out = os.path.join(self.tmp.name, "o")
        self.run_ref("--out", out, "--preset", "standard", "--deals", "100")
        self.assertEqual(len(self.read("o", "Trickscan_36.bin")), 600)
        total = self.read("o", "(none)40ScoCo.dat").split(b"\r\n")[19]
        nt_total = self.read("o", "(none)40ScoCo.dat").split(b"\r\n")[32]
        self.assertEqual(int(total[7:14]) + int(nt_total[7:14]), 100)


if __name__ == "__main__":
    unittest.main()

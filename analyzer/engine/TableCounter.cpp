#include "TableCounter.h"

#include <cmath>
#include <cstdlib>

namespace lott {

namespace {
// Lengths index rows 0..29 (row 30 holds the totals) and deviations -10..27 (28..30 hold the
// row sums): a value beyond them goes to the nearest row, while sums and means keep the truth.
int LengthRow(int length) {
    return length < 0 ? 0 : length > 29 ? 29 : length;
}
int DevRow(int dev) {
    return dev < -10 ? -10 : dev > 27 ? 27 : dev;
}

// std::nearbyint for a float of at least 0 under the default rounding, without a call into the
// maths library (the baseline instruction set has no rounding instruction): adding and taking
// away 2^23 leaves the float rounded to a whole number, halves to even; from 2^23 on every
// float is whole already.
float WholeHalvesToEven(float x) {
    constexpr float kTwo23 = 8388608.0f;
    if (x >= kTwo23 || !(x >= 0.0f)) return std::nearbyint(x);
    // Float operations in SSE registers, never reassociated (no fast-math): rounded once here.
    const float sum = x + kTwo23;
    return sum - kTwo23;
}

int CorrectionHalves(Correction c) {
    return c == Correction::One ? 2 : c == Correction::Half ? 1 : 0;
}
}  // namespace

void TableCounter::SetUseFlags() {
    UseDoubleFit = options.DoubleFit != Correction::Off;
    UseSolidTrump = options.SolidTrump != Correction::Off;
    UseChameleon = options.Chameleon;
}

bool TableCounter::PassesFilter(DealFilter f, const EventCounts& ev) {
    switch (f) {
        case DealFilter::None:
            return true;
        case DealFilter::D0:
            return ev[1] == 0;
        case DealFilter::D1:
            return ev[1] == 1;
        case DealFilter::D2:
            return ev[1] == 2;
        case DealFilter::S0:
            return ev[2] == 0;
        case DealFilter::S1:
            return ev[2] == 1;
        case DealFilter::S2:
            return ev[2] == 2;
        case DealFilter::C0:
            return ev[3] == 0;
        case DealFilter::C1:
            return ev[3] == 1;
        case DealFilter::C2:
            return ev[3] == 2;
    }
    return true;
}

void TableCounter::AddDeviation(int kind, int length, std::int32_t d, float w) {
    int row = LengthRow(length);
    int dev = DevRow(d);
    t_.DevTable(kind, row, dev) += w;
    t_.DevTable(kind, row, 30) += w;
    t_.DevTable(kind, 30, dev) += w;
}

void TableCounter::UpdateTableSuit(std::int32_t TotalTricks, std::int32_t TotalTrumps,
                                   const EventCounts& ev) {
    const int raw = TotalTrumps;
    int L = raw;
    float w = 1.0f;
    // Every correction is a whole number of half tricks: the sum is kept in halves, exactly,
    // and its floor in tricks is an arithmetic shift (floor for negative sums too).
    int halves = 0;
    const bool standard = options.SettingMode == SettingMode::Standard;
    if (standard) {
        if (!PassesFilter(options.Filter, ev)) return;
        if (UseDoubleFit || UseSolidTrump || UseChameleon) {
            halves += CorrectionHalves(options.DoubleFit) * ev[1];
            halves += CorrectionHalves(options.SolidTrump) * ev[2];
            if (options.Chameleon) halves -= ev[3];
        }
    }
    const int k = halves >> 1;
    if (k != 0) {
        L = raw + k;
        if (raw >= 14 && raw <= 22) {
            const int trumpBy = static_cast<int>(options.TrumpBy);  // the weights' column
            float den = freq_(0, trumpBy, raw);
            if (den != 0.0f) {
                w = freq_(0, trumpBy, L) / den;
                if (w > 5.0f) w = 5.0f;
            }
        }
    }
    const std::int32_t d = TotalTricks - L;
    AddDeviation(0, L, d, w);
    float& grand = t_.DevTable(0, 30, 30);
    grand = WholeHalvesToEven(grand + w);  // the suit-suit grand total stays whole
    const float G = grand;

    const int row = LengthRow(L);
    if (t_.DevTable(0, row, 30) != 0.0f) {
        t_.DevTable(0, row, 29) += w * static_cast<float>(d);
        t_.DevTable(0, row, 28) += w * static_cast<float>(std::abs(d));
        if (!deferMeans) {
            t_.DevMean(0, row) = t_.DevTable(0, row, 29) / t_.DevTable(0, row, 30);
            t_.DevAbsMean(0, row) = t_.DevTable(0, row, 28) / t_.DevTable(0, row, 30);
        }
    }
    t_.DevTable(0, 30, 28) += static_cast<float>(std::abs(d)) * w;
    t_.DevTable(0, 30, 29) += w * static_cast<float>(d);
    // Deals of weight 0 can leave the rounded total at 0: the means then stay as they are.
    if (G != 0.0f && !deferMeans) {
        t_.DevAbsMean(0, 30) = t_.DevTable(0, 30, 28) / G;
        t_.DevMean(0, 30) = t_.DevTable(0, 30, 29) / G;
    }
    // Events are corrections of the Standard preset only; under Ostrevan none are counted.
    if (standard) {
        const bool use[4] = {false, UseDoubleFit, UseSolidTrump, UseChameleon};
        const int rawRow = LengthRow(raw);
        for (int e = 1; e <= 3; ++e) {
            if (!use[e] || ev[e] == 0) continue;
            t_.EventTable(0, rawRow, e) += static_cast<float>(ev[e]);
            t_.EventTable(0, 30, e) += static_cast<float>(ev[e]);
            lastEventG_[0][e] = G;
            if (G != 0.0f && !deferMeans) t_.EventRate(0, e) = t_.EventTable(0, 30, e) / G;
        }
    }
    if (listener) listener->CountedDeal(0, L, d, ev);
}

void TableCounter::UpdateTableNT(std::int32_t TotalTricks, std::int32_t TotalTrumps,
                                 const EventCounts& ev) {
    const int raw = TotalTrumps;
    int L = raw;
    if (options.NTFormula != 0)
        for (int e = 1; e <= 3; ++e)
            if (ev[e] != 0) L += options.NTFormula + e - 3;
    float w = 1.0f;
    const int lo = options.ByLengthSelected ? 14 : 13;
    if (raw >= lo && raw <= 17) {
        const int trumpBy = static_cast<int>(options.TrumpBy);  // the weights' column
        float den = freq_(-1, trumpBy, raw);
        if (den != 0.0f) {
            w = freq_(-1, trumpBy, L) / den;
            if (w > 1.49f) w = 1.49f;
        }
    }
    const std::int32_t d = TotalTricks - L;
    AddDeviation(-1, L, d, w);
    float& grand = t_.DevTable(-1, 30, 30);
    grand += w;
    const float G = grand;

    const int row = LengthRow(L);
    if (t_.DevTable(-1, row, 30) != 0.0f) {
        t_.DevTable(-1, row, 29) += w * static_cast<float>(d);
        t_.DevTable(-1, row, 28) += w * static_cast<float>(std::abs(d));
        if (!deferMeans) {
            t_.DevMean(-1, row) = t_.DevTable(-1, row, 29) / t_.DevTable(-1, row, 30);
            t_.DevAbsMean(-1, row) = t_.DevTable(-1, row, 28) / t_.DevTable(-1, row, 30);
        }
    }
    t_.DevTable(-1, 30, 28) += static_cast<float>(std::abs(d)) * w;
    t_.DevTable(-1, 30, 29) += w * static_cast<float>(d);
    if (G != 0.0f && !deferMeans) {
        t_.DevAbsMean(-1, 30) = t_.DevTable(-1, 30, 28) / G;
        t_.DevMean(-1, 30) = t_.DevTable(-1, 30, 29) / G;
    }
    for (int e = 1; e <= 3; ++e) {
        if (ev[e] == 0) continue;
        t_.EventTable(-1, row, e) += w;
        t_.EventTable(-1, 30, e) += w;
        lastEventG_[1][e] = G;
        if (G != 0.0f && !deferMeans) t_.EventRate(-1, e) = t_.EventTable(-1, 30, e) / G;
    }
    if (listener) listener->CountedDeal(-1, L, d, ev);
}

void TableCounter::BeginRun() {
    for (auto& kind : lastEventG_)
        for (float& g : kind) g = 0.0f;
}

void TableCounter::FinishMeans() {
    // The sums of a row change only in updates of that row, and never fall: the last update
    // that formed a mean saw the final sums, and a sum that is 0 now was 0 at every update.
    for (int k : {0, -1}) {
        for (int row = 0; row <= 29; ++row) {
            const float n = t_.DevTable(k, row, 30);
            if (n == 0.0f) continue;
            t_.DevMean(k, row) = t_.DevTable(k, row, 29) / n;
            t_.DevAbsMean(k, row) = t_.DevTable(k, row, 28) / n;
        }
        const float G = t_.DevTable(k, 30, 30);
        if (G != 0.0f) {
            t_.DevAbsMean(k, 30) = t_.DevTable(k, 30, 28) / G;
            t_.DevMean(k, 30) = t_.DevTable(k, 30, 29) / G;
        }
        for (int e = 1; e <= 3; ++e) {
            const float atLast = lastEventG_[k == 0 ? 0 : 1][e];
            if (atLast != 0.0f) t_.EventRate(k, e) = t_.EventTable(k, 30, e) / atLast;
        }
    }
}

}  // namespace lott

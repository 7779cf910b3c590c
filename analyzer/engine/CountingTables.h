// The counting tables of one analysis: weighted deviation counts per Total Trumps, their means,
// correction events and event rates, for suit-suit (kind 0) and suit-notrump (kind -1) deals.
#pragma once

#include <array>
#include <cassert>

namespace lott {

class CountingTables {
  public:
    static constexpr int kMaxLen = 30;  // length 30 holds the totals of all lengths
    static constexpr int kMinDev = -10;
    static constexpr int kMaxDev = 30;  // deviations 28, 29, 30 hold the sums of a row

    // kind -1..0, length 0..30, dev -10..30
    float& DevTable(int kind, int length, int dev) {
        return dev_[Kind(kind)][Len(length)][Dev(dev)];
    }
    float DevTable(int kind, int length, int dev) const {
        return dev_[Kind(kind)][Len(length)][Dev(dev)];
    }
    float& DevMean(int kind, int length) { return mean_[Kind(kind)][Len(length)]; }
    float DevMean(int kind, int length) const { return mean_[Kind(kind)][Len(length)]; }
    float& DevAbsMean(int kind, int length) { return absMean_[Kind(kind)][Len(length)]; }
    float DevAbsMean(int kind, int length) const { return absMean_[Kind(kind)][Len(length)]; }
    // event 1..3
    float& EventTable(int kind, int length, int e) {
        return event_[Kind(kind)][Len(length)][Ev(e)];
    }
    float EventTable(int kind, int length, int e) const {
        return event_[Kind(kind)][Len(length)][Ev(e)];
    }
    float& EventRate(int kind, int e) { return rate_[Kind(kind)][Ev(e)]; }
    float EventRate(int kind, int e) const { return rate_[Kind(kind)][Ev(e)]; }

    // Erases all five tables (start of a scan, reading a result file).
    void Erase() { *this = CountingTables{}; }
    // Clears DevTable and EventTable only, as the result buttons' refresh does.
    void ClearDevAndEvents() {
        dev_ = {};
        event_ = {};
    }

    static bool ValidLength(int length) { return length >= 0 && length <= kMaxLen; }

    // Every cell, mean and rate equal.
    bool operator==(const CountingTables&) const = default;

  private:
    static std::size_t Kind(int kind) {
        assert(kind == -1 || kind == 0);
        return static_cast<std::size_t>(kind + 1);
    }
    static std::size_t Len(int length) {
        assert(length >= 0 && length <= kMaxLen);
        return static_cast<std::size_t>(length);
    }
    static std::size_t Dev(int dev) {
        assert(dev >= kMinDev && dev <= kMaxDev);
        return static_cast<std::size_t>(dev - kMinDev);
    }
    static std::size_t Ev(int e) {
        assert(e >= 1 && e <= 3);
        return static_cast<std::size_t>(e - 1);
    }

    std::array<std::array<std::array<float, kMaxDev - kMinDev + 1>, kMaxLen + 1>, 2> dev_{};
    std::array<std::array<float, kMaxLen + 1>, 2> mean_{};
    std::array<std::array<float, kMaxLen + 1>, 2> absMean_{};
    std::array<std::array<std::array<float, 3>, kMaxLen + 1>, 2> event_{};
    std::array<std::array<float, 3>, 2> rate_{};
};

}  // namespace lott

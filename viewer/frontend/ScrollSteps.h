// The arithmetic of the viewer's scroll bar: 32767 units over the library, a trough click of
// about 1000 deals, an arrow click of about 100, and the deal on which a position lands.
#pragma once

#include <cstdint>

namespace lott {

class ScrollSteps {
  public:
    static constexpr int kMin = 0;
    static constexpr int kMax = 32767;

    explicit ScrollSteps(std::int32_t dealCount);

    double DealsPerStep() const { return dealsPerStep_; }
    // Both kept within 1..32767 whatever the library's size.
    int LargeChange() const { return large_; }
    int SmallChange() const { return small_; }
    // The deal shown for a scroll position: whole hundreds inside the library, deal 1 at the
    // left end and below 100, the last deal at the right end. 0 when the library is empty.
    std::int32_t DealAt(int value) const;

    // Rounding to the nearest whole number, halves to even, as the form runtime converts.
    static long long RoundHalfEven(double x);

  private:
    std::int32_t dealCount_;
    double dealsPerStep_;
    int large_;
    int small_;
};

}  // namespace lott

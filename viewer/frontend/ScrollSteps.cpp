#include "ScrollSteps.h"

#include <algorithm>
#include <cmath>

namespace lott {

namespace {
int StepOf(double deals, double dealsPerStep) {
    if (dealsPerStep <= 0) return 1;
    double units = deals / dealsPerStep;
    if (units >= ScrollSteps::kMax) return ScrollSteps::kMax;
    return static_cast<int>(
        std::clamp<long long>(ScrollSteps::RoundHalfEven(units), 1, ScrollSteps::kMax));
}
}  // namespace

long long ScrollSteps::RoundHalfEven(double x) {
    return std::llrint(std::nearbyint(x));
}

ScrollSteps::ScrollSteps(std::int32_t dealCount)
    : dealCount_(std::max<std::int32_t>(dealCount, 0)),
      dealsPerStep_(static_cast<double>(dealCount_) / kMax),
      large_(StepOf(1000, dealsPerStep_)),
      small_(StepOf(100, dealsPerStep_)) {}

std::int32_t ScrollSteps::DealAt(int value) const {
    if (dealCount_ == 0) return 0;
    value = std::clamp(value, kMin, kMax);
    long long d = RoundHalfEven(value * dealsPerStep_);
    if (d <= 0) return 1;
    if (d < dealCount_) {
        long long hundreds = d / 100 * 100;
        return hundreds == 0 ? 1 : static_cast<std::int32_t>(hundreds);
    }
    return dealCount_;
}

}  // namespace lott

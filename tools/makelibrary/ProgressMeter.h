// The progress line of a long run: how far, how fast, and about how long is left.
#pragma once

#include <cstdint>
#include <string>

namespace lott {

class ProgressMeter {
  public:
    // doneAtStart: deals already in the library when this run began (a resumed run); only the
    // deals made by this run count towards the speed.
    ProgressMeter(std::int64_t doneAtStart, std::int64_t target)
        : doneAtStart_(doneAtStart), target_(target) {}

    // "1240 of 10000 deals (12.4 %), 5.3 deals/s, about 27 min left"
    std::string Line(std::int64_t done, double elapsedSeconds) const;

  private:
    std::int64_t doneAtStart_;
    std::int64_t target_;
};

// "40 s", "12 min", "2 h 05 min": rounded to what a person waiting wants to know.
std::string RoughDuration(double seconds);

}  // namespace lott

#include "ProgressMeter.h"

#include <cmath>
#include <cstdio>

namespace lott {

std::string RoughDuration(double seconds) {
    char buf[48];
    if (!(seconds >= 0)) seconds = 0;
    if (seconds < 60) {
        std::snprintf(buf, sizeof buf, "%d s", static_cast<int>(std::ceil(seconds)));
    } else if (seconds < 3600) {
        std::snprintf(buf, sizeof buf, "%d min", static_cast<int>(std::ceil(seconds / 60)));
    } else {
        auto minutes = static_cast<long long>(std::ceil(seconds / 60));
        std::snprintf(buf, sizeof buf, "%lld h %02lld min", minutes / 60, minutes % 60);
    }
    return buf;
}

std::string ProgressMeter::Line(std::int64_t done, double elapsedSeconds) const {
    char buf[160];
    double share =
        target_ > 0 ? 100.0 * static_cast<double>(done) / static_cast<double>(target_) : 100.0;
    int n = std::snprintf(buf, sizeof buf, "%lld of %lld deals (%.1f %%)",
                          static_cast<long long>(done), static_cast<long long>(target_), share);
    std::string line(buf, static_cast<std::size_t>(n));
    std::int64_t made = done - doneAtStart_;
    if (made > 0 && elapsedSeconds > 0) {
        double rate = static_cast<double>(made) / elapsedSeconds;
        std::snprintf(buf, sizeof buf, ", %.1f deals/s", rate);
        line += buf;
        if (done < target_)
            line +=
                ", about " + RoughDuration(static_cast<double>(target_ - done) / rate) + " left";
    }
    return line;
}

}  // namespace lott

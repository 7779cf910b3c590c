#include "InfoPlacement.h"

#include <algorithm>

namespace lott {

namespace {
constexpr int kBelowTop = 80;       // 1200 twips
constexpr int kPerTopic = 66;       // 990 twips
constexpr int kScreenMargin = 100;  // 1500 twips
constexpr int kControlMargin = 16;  // 240 twips
}  // namespace

InfoGeometry InfoPlacement::Place(int topic, int width, const InfoAnchor& a) {
    InfoGeometry g;
    g.top = a.mainTop + kBelowTop;
    g.left = a.mainLeft + (topic - 1) * kPerTopic;
    if (g.left + width > a.screenRight - kScreenMargin)
        g.left = a.screenRight - width - kScreenMargin;
    // Keep the explained control in sight: the window ends to the left of it.
    int control = -1;
    if (topic == 6) control = a.goLeft;
    if (topic == 5 || topic == 7 || topic == 8 || topic == 9) control = a.boxLeft;
    if (control >= 0 && g.left + width > control - kControlMargin)
        g.left = control - kControlMargin - width;
    g.left = std::max(g.left, a.screenLeft);
    return g;
}

}  // namespace lott

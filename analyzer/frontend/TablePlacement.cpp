#include "TablePlacement.h"

#include <algorithm>

namespace lott {

namespace {
constexpr int kGap = 8;

int Clamp(int v, int lo, int hi) {
    return std::max(lo, std::min(v, hi));
}
}  // namespace

TablePlace PlaceTable(const ScreenBox& screen, const ScreenBox& main, const ScreenBox& controls,
                      int tableWidth, int tableHeight) {
    const int w = tableWidth, h = tableHeight;
    const int alignedX = Clamp(main.x, screen.x, screen.Right() - w);
    const int alignedY = Clamp(main.y, screen.y, screen.Bottom() - h);
    const ScreenBox tries[] = {
        {main.Right() + kGap, alignedY, w, h},
        {main.x - kGap - w, alignedY, w, h},
        {alignedX, main.Bottom() + kGap, w, h},
        {alignedX, controls.Bottom() + kGap, w, h},
        {alignedX, controls.y - kGap - h, w, h},
    };
    for (const ScreenBox& t : tries)
        if (t.Inside(screen) && !t.Meets(controls)) return {t, 0};
    // At the top, the main window below it as far as its buttons need.
    const ScreenBox top{alignedX, screen.y, w, h};
    const int down = std::max(0, top.Bottom() + kGap - controls.y);
    const int room = std::max(0, screen.Bottom() - main.Bottom());
    return {top, std::min(down, room)};
}

}  // namespace lott

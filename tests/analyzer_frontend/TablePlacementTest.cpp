// The live table's place on screens of 1400x1000 and larger, with the main window anywhere on
// them: inside the screen, and never over the main window's Start, End and counter.
#include <gtest/gtest.h>

#include "TablePlacement.h"

namespace lott {
namespace {

TEST(TablePlacement, TheTableStaysOnTheScreenAndOffTheRunsButtons) {
    const ScreenBox mainSize{0, 0, 722, 560}, controls{237, 440, 471, 42};  // as the window has them
    for (const ScreenBox screen : {ScreenBox{0, 0, 1400, 1000}, ScreenBox{0, 28, 1920, 1052},
                                   ScreenBox{1920, 0, 2560, 1440}})
        for (const auto& [tw, th] : {std::pair{944, 589}, std::pair{944, 466}})
            for (int mx = screen.x; mx + mainSize.w <= screen.Right(); mx += 97)
                for (int my = screen.y; my + mainSize.h <= screen.Bottom(); my += 61) {
                    const ScreenBox main{mx, my, mainSize.w, mainSize.h};
                    const ScreenBox buttons{mx + controls.x, my + controls.y, controls.w,
                                            controls.h};
                    const TablePlace p = PlaceTable(screen, main, buttons, tw, th);
                    ScreenBox moved = buttons, movedMain = main;
                    moved.y += p.mainDown, movedMain.y += p.mainDown;
                    ASSERT_TRUE(p.table.Inside(screen)) << mx << ',' << my;
                    ASSERT_TRUE(movedMain.Inside(screen)) << mx << ',' << my;
                    ASSERT_FALSE(p.table.Meets(moved)) << mx << ',' << my << " on " << screen.w;
                }
}

}  // namespace
}  // namespace lott

// Where the live table window opens: inside the screen, and never over the main window's Start
// and End buttons and deal counter, which a run is watched and stopped with. Screen pixels, no
// Qt.
#pragma once

namespace lott {

struct ScreenBox {
    int x = 0, y = 0, w = 0, h = 0;
    int Right() const { return x + w; }  // one past the last column
    int Bottom() const { return y + h; }
    bool Inside(const ScreenBox& outer) const {
        return x >= outer.x && y >= outer.y && Right() <= outer.Right() &&
               Bottom() <= outer.Bottom();
    }
    bool Meets(const ScreenBox& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
};

struct TablePlace {
    ScreenBox table;
    int mainDown = 0;  // how far the main window moves down to make room (0: it stays)
};

// The table's place, tried in turn: beside the main window (right, then left), below it, below
// its buttons, above them; else at the top of the screen with the main window moved down just
// enough that its buttons stay in sight (the table then lies over the option frames, which a
// run locks). controls: the buttons and counter on the screen, inside main.
TablePlace PlaceTable(const ScreenBox& screen, const ScreenBox& main, const ScreenBox& controls,
                      int tableWidth, int tableHeight);

}  // namespace lott

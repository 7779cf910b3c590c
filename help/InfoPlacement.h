// Where the viewer's information window goes: below the main window's top, shifted right by
// topic, kept inside the screen, and kept clear of the control it explains.
#pragma once

namespace lott {

// Screen positions in pixels.
struct InfoAnchor {
    int mainLeft = 0;
    int mainTop = 0;
    int boxLeft = 0;  // the trick table's left edge on the screen
    int goLeft = 0;   // the Go button's left edge on the screen
    int screenLeft = 0;
    int screenRight = 0;  // one past the last pixel column
};

struct InfoGeometry {
    int left = 0;
    int top = 0;
};

class InfoPlacement {
  public:
    static constexpr int kStandardWidth = 328;  // 4920 twips

    static InfoGeometry Place(int topic, int width, const InfoAnchor& a);
};

}  // namespace lott

// The texts of the viewer's information window, one per menu topic (1..9), in English and
// Japanese, with the width each topic's window takes.
#pragma once

#include <string>

#include "Modes.h"

namespace lott {

class ViewerHelpTexts {
  public:
    static constexpr int kTopics = 9;
    // The topic's text, lines separated by "\n"; "" for a topic outside 1..9.
    static std::string Text(int topic, Language language);
    // Window width as a multiple of the standard width, and the text box's share of it.
    static double WidthFactor(int topic);
    static double TextWidthShare(int topic);
};

}  // namespace lott

// A graph to draw without a window: the result's tables, the settings they were read under and
// the picture's form. The drawing itself is the graph window's, so the Qt-free tools reach it
// through a GraphRenderer that a Qt executable supplies.
#pragma once

#include <functional>
#include <string>

#include "CountingTables.h"
#include "FitOdds.h"
#include "Modes.h"
#include "Settings.h"

namespace lott {

struct GraphRequest {
    const CountingTables& tables;
    const Settings& settings;
    const FitOddsTable& odds;
    Language language = Language::English;
    bool svg = false;  // SVG text, else PNG
    int scale = 1;     // PNG pixels per pixel of the window's picture
};

// Puts the picture's bytes in bytes, or returns false with a one-line reason in error.
using GraphRenderer =
    std::function<bool(const GraphRequest& request, std::string& bytes, std::string& error)>;

}  // namespace lott

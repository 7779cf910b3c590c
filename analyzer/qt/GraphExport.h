// The graph as a picture without a window, drawn by the graph window's own code: any result for
// trickscan-batch --graph and its report, and the stored result of the Standard preset's default
// settings for trickscan --graph-png.
#pragma once

#include <QString>
#include <iosfwd>
#include <string>

#include "GraphRequest.h"

namespace lott {

class GraphExport {
  public:
    // The picture the graph window of the request's preset draws: SVG text, or PNG at scale
    // times its pixels. A GraphRenderer; needs a QApplication.
    static bool Render(const GraphRequest& request, std::string& bytes, std::string& error);
    // Draws the stored result of folder's default Standard settings and writes it to file (PNG
    // or, for a name ending in ".svg", SVG). Prints the file's path on out and returns 0, or
    // prints why not on err and returns 1 (2, writing nothing, when file is one the programs
    // read).
    static int SaveDefaultStandardGraph(const QString& folder, const QString& file,
                                        std::ostream& out, std::ostream& err);
};

}  // namespace lott

// The graph as a picture file without a window: the stored result of the Standard preset's
// default settings, drawn as the Standard graph window draws it.
#pragma once

#include <QString>
#include <iosfwd>

namespace lott {

class GraphExport {
  public:
    // Draws the stored result of folder's default Standard settings and writes it to file (PNG
    // or, for a name ending in ".svg", SVG). Prints the file's path on out and returns 0, or
    // prints why not on err and returns 1 (2, writing nothing, when file is one the programs
    // read).
    static int SaveDefaultStandardGraph(const QString& folder, const QString& file,
                                        std::ostream& out, std::ostream& err);
};

}  // namespace lott

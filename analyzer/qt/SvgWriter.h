// Writes what a PictureBox holds as an SVG document, from its recorded drawing operations, so
// that a graph can be kept as a scalable picture.
#pragma once

#include <QString>

namespace lott {

class PictureBox;

class SvgWriter {
  public:
    // The picture as SVG text, in the box's pixels.
    static QString Svg(const PictureBox& pic);
    // Writes the SVG text to file; false with the reason in error when that fails.
    static bool Save(const PictureBox& pic, const QString& file, QString& error);
};

}  // namespace lott

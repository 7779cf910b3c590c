// Screen fonts: whether a font of an exact name is installed, the Japanese font the programs look
// for at start-up and the family they draw Japanese text in, and the font table by language.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "Modes.h"

namespace lott {

// The Latin font of the windows' texts. The programs ask for the faces the design names (Arial,
// Courier New, Times New Roman); fontconfig gives their metric-compatible Liberation faces.
inline const QString kLatinFont = QStringLiteral("Arial");
// The sans-serif Japanese face drawn when neither Japanese font the programs name is installed.
inline const QString kJapaneseFallbackFont = QStringLiteral("Noto Sans CJK JP");

inline const QString kJapaneseFontGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kJapaneseFontMeiryo = QStringLiteral("メイリオ");
// The Japanese fonts the programs name, the one they prefer first.
inline const std::array<QString, 2> kJapaneseFonts{kJapaneseFontMeiryo, kJapaneseFontGothic};

// True when a screen font of exactly that name (case-sensitive) exists.
bool FontInstalled(const QString& name);

// The Japanese font found at start-up: the first of kJapaneseFonts that is installed, else "".
QString FindJapaneseFont();

// The Japanese font a main window starts with: the answer given (tests), else the one found.
QString JapaneseFontAtStart(const std::optional<QString>& given);

// The family Japanese text is drawn in: the Japanese font found at start-up, or without one
// kJapaneseFallbackFont.
QString JapaneseFamily(const QString& japaneseFont);

// FontName(language): "Arial" for English, the Japanese font found at start-up for Japanese,
// "" when none was found.
class FontNameTable {
  public:
    explicit FontNameTable(const QString& japaneseFont) : names_{kLatinFont, japaneseFont} {}
    const QString& operator()(Language language) const {
        return names_[language == Language::Japanese ? 1 : 0];
    }

  private:
    std::array<QString, 2> names_;
};

}  // namespace lott

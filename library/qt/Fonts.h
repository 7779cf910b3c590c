// Screen fonts: whether a font of an exact name is installed, the Japanese font the programs look
// for at start-up, and the font table by language.
#pragma once

#include <QString>
#include <array>

namespace lott {

inline const QString kJapaneseFontGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kJapaneseFontMeiryo = QStringLiteral("メイリオ");

// True when a screen font of exactly that name (case-sensitive) exists.
bool FontInstalled(const QString& name);

// The Japanese font found at start-up: "メイリオ" when installed, else "ＭＳ Ｐゴシック" when
// installed, else "" (the later test wins, as at start-up).
QString FindJapaneseFont();

// FontName(language): "Arial" for English (0), the Japanese font found at start-up for
// Japanese (1), "" when none was found.
class FontNameTable {
  public:
    explicit FontNameTable(const QString& japaneseFont)
        : names_{QStringLiteral("Arial"), japaneseFont} {}
    const QString& operator()(int language) const { return names_[language == 1 ? 1 : 0]; }

  private:
    std::array<QString, 2> names_;
};

}  // namespace lott

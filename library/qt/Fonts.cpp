#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lott {

bool FontInstalled(const QString& name) {
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families)
        if (f.compare(name, Qt::CaseSensitive) == 0) return true;
    return false;
}

QString FindJapaneseFont() {
    for (const QString& name : kJapaneseFonts)
        if (FontInstalled(name)) return name;
    return QString();
}

QString JapaneseFontAtStart(const std::optional<QString>& given) {
    return given ? *given : FindJapaneseFont();
}

QString JapaneseFamily(const QString& japaneseFont) {
    return japaneseFont.isEmpty() ? kJapaneseFallbackFont : japaneseFont;
}

}  // namespace lott

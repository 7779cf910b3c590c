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
    QString found;
    if (FontInstalled(kJapaneseFontGothic)) found = kJapaneseFontGothic;
    if (FontInstalled(kJapaneseFontMeiryo)) found = kJapaneseFontMeiryo;
    return found;
}

}  // namespace lott

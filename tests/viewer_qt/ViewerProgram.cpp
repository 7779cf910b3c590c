#include "ViewerProgram.h"

#include <QDesktopServices>

#include "ViewerDeals.h"

namespace lott::test {

PageRecorder::PageRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

PageRecorder::~PageRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

ViewerProgram::ViewerProgram() = default;

void ViewerProgram::WriteBin(int deals) {
    test::WriteBin(dir_ / "Library.bin", KnownDeals(deals));
}

void ViewerProgram::WriteAsc(int deals) {
    test::WriteAsc(dir_ / "Library.asc", KnownDeals(deals));
}

void ViewerProgram::WriteOver20() {
    WriteFile(dir_ / "Over20.txt", kOver20);
}

void ViewerProgram::WritePages() {
    std::filesystem::create_directories(dir_ / "web" / "ostrevan");
    for (const char* page : {"GetLibrary.HTML", "GetLibrary.htm", "library_notes.HTML"})
        WriteFile(dir_.path() / "web" / "ostrevan" / page, "<html></html>");
    qputenv("TRICKSCAN_WEB_BASE", QByteArray::fromStdString((dir_.path() / "web").string()));
}

std::unique_ptr<boardlook::Form1> ViewerProgram::Start(const QString& japaneseFont,
                                                       bool inArchive) {
    boardlook::StartOptions o;
    o.programFolder = folder();
    o.inArchive = inArchive;
    o.japaneseFont = japaneseFont;
    o.downloadDelayMs = 0;
    return std::make_unique<boardlook::Form1>(o);
}

QStringList Lines(const std::string& text) {
    QStringList l = QString::fromStdString(text).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return l;
}

}  // namespace lott::test

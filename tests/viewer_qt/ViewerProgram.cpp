#include "ViewerProgram.h"

#include <QDesktopServices>
#include <random>

#include "ViewerDeals.h"

namespace lott::test {

PageRecorder::PageRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

PageRecorder::~PageRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

std::vector<DealRecord> ViewerProgram::Deals() {
    std::vector<DealRecord> v;
    TrickTable suits = Flat(4);
    suits[0] = {5, 5, 5, 5};
    suits[1] = {3, 9, 3, 9};  // spades: W, N, E, S
    suits[2] = {8, 3, 8, 3};  // hearts
    v.push_back(RecordOf(suits));
    TrickTable nt = Flat(5);
    nt[0] = {5, 9, 5, 8};
    nt[1] = {4, 8, 4, 8};
    nt[2] = {8, 4, 7, 4};
    v.push_back(RecordOf(nt));
    std::mt19937 rng(11);
    while (v.size() < static_cast<std::size_t>(kDeals)) v.push_back(RandomRecord(rng));
    return v;
}

ViewerProgram::ViewerProgram() = default;

void ViewerProgram::WriteBin(int deals) {
    auto v = Deals();
    v.resize(static_cast<std::size_t>(deals));
    test::WriteBin(dir_ / "Library.bin", v);
}

void ViewerProgram::WriteAsc(int deals) {
    auto v = Deals();
    v.resize(static_cast<std::size_t>(deals));
    test::WriteAsc(dir_ / "Library.asc", v);
}

void ViewerProgram::WriteOver20() {
    WriteFile(dir_ / "Over20.txt",
              "This file records the deal numbers for Total Trumps longer than 20.\r\n"
              " Each line consists of \r\n"
              " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).\r\n"
              "Review them with another software Boardlook.\r\n"
              "------------------------------\r\n"
              " 21, 22 #2 ( 19, 21)\r\n"
              " 22, 21 #3 ( 20, 20)\r\n"
              " 21, 20 #25 ( 25, 15)\r\n"
              " 21, 23 #99 ( 18, 22)\r\n"
              " 26, 26 #7 ( 10, 30)\r\n");
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

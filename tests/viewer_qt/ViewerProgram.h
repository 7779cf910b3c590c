// A program folder for window tests: libraries of the viewer tests' known deals, an
// optional "Over20.txt", local web pages, and a recorder of the pages the window opens.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <memory>

#include "Form1.h"
#include "TestLibrary.h"

namespace lott::test {

// Records every file: address handed to the desktop instead of starting a browser.
class PageRecorder : public QObject {
    Q_OBJECT
  public:
    PageRecorder();
    ~PageRecorder() override;
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls << url; }
};

class ViewerProgram {
  public:
    static constexpr int kDeals = 30;
    ViewerProgram();
    const std::filesystem::path& path() const { return dir_.path(); }
    QString folder() const { return QString::fromStdString(dir_.path().string()); }
    void WriteBin(int deals = kDeals);
    void WriteAsc(int deals = kDeals);
    void WriteOver20();
    // The local web pages under web/ostrevan, the base address pointing at them.
    void WritePages();

    std::unique_ptr<boardlook::Form1> Start(const QString& japaneseFont = QString(),
                                            bool inArchive = false);

  private:
    TempFolder dir_;
};

QStringList Lines(const std::string& text);

}  // namespace lott::test

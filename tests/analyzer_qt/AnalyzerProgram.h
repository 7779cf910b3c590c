// A program folder for the analyzer's window tests: a synthetic library, local web pages, and a
// recorder of the pages the windows open, with the window started on it.
#pragma once

#include <QObject>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

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

class AnalyzerProgram {
  public:
    AnalyzerProgram() = default;
    // With a binary library of that many deals (WriteBin).
    explicit AnalyzerProgram(int binDeals) { WriteBin(binDeals); }
    const std::filesystem::path& path() const { return dir_.path(); }
    QString folder() const { return QString::fromStdString(dir_.path().string()); }

    // A library of random deals (random tricks too), the same for the same seed.
    void WriteBin(int deals, unsigned seed = 3);
    void WriteAsc(int deals, unsigned seed = 3);
    // The local pages the windows open, the base address pointing at them.
    void WritePages();
    void Touch(const std::string& name, const std::string& text = {});

    std::filesystem::path Result(const std::string& resultName) const {
        return dir_.path() / "DataFiles" / (resultName + ".dat");
    }

    // The window on this folder, or on its subfolder sub; the archive check answers inArchive
    // (unset: the folder's path decides; a test folder's own path holds neither "zip" nor
    // "tmp").
    std::unique_ptr<trickscan::Form1> Start(const QString& japaneseFont = QString(),
                                            std::optional<bool> inArchive = false,
                                            const std::string& sub = {});

  private:
    TempFolder dir_;
};

// Clicks a widget as a user does (press and release on its centre).
void Click(QWidget* w);
// The same, delivered by the event loop at its next turn (a click that lands during a run).
void PostClick(QWidget* w);

}  // namespace lott::test

// A program folder for the analyzer's window tests: a library of random deals, with the window
// started on it; Qt Test and the widgets, which every window test uses.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <memory>
#include <string>

#include "Form1.h"
#include "TestLibrary.h"

namespace lott::test {

class AnalyzerProgram {
  public:
    explicit AnalyzerProgram(int deals);
    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path Result(const std::string& resultName) const {
        return dir_ / "DataFiles" / (resultName + ".dat");
    }
    std::unique_ptr<trickscan::Form1> Start(const QString& japaneseFont = QString());

  private:
    TempFolder dir_;
};

// Clicks a widget as a user does.
void Click(QWidget* w);

// Runs a preset (0 Ostrevan, 1 Standard), with one more option clicked when option >= 0, from
// the window; returns the Start button's caption at the end of the run, then clicks it once more
// to be idle again.
QString Run(trickscan::Form1& f, int preset, int option = -1);

}  // namespace lott::test

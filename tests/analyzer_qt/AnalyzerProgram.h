// A program folder for the analyzer's window tests: a library of random deals, with the window
// started on it.
#pragma once

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

}  // namespace lott::test

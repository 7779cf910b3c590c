// The graph window: a stored result drawn as one chart (Ostrevan) or two (Standard), with
// buttons for the comments, for keeping the picture as PNG or SVG, and for closing.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <filesystem>
#include <string>

#include "CountingTables.h"
#include "FitOdds.h"
#include "Modes.h"
#include "Settings.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace lott {

class PictureBox;

class frmGrph : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidthOstrevan = 400;  // 6000 twips
    static constexpr int kWidthStandard = 740;  // 11100 twips
    static constexpr int kHeight = 582;         // 8240 twips and a line for what Save says

    // ResultName & "[Graph]" & " Ver 3.7".
    static QString Caption(const std::string& resultName);

    // Draws the result in t at once. index 0: the Ostrevan chart, 1: the Standard charts. The
    // settings are those the result was read under; they also choose the comments.
    frmGrph(int index, const CountingTables& t, const Settings& s, const FitOddsTable& odds,
            Language language, const QString& japaneseFont, std::filesystem::path programFolder,
            QWidget* parent = nullptr);

    int Index() const { return index_; }
    // The comment topic of comment button i (0 the graph, 1 the notrump graph); 0 for none.
    int CommentTopicFor(int i) const;

    // "GraphFiles/" + result name + extension, relative to the program folder; a PNG at twice
    // the size ends in "@2x.png".
    std::string GraphFileName(const std::string& extension) const;
    // The Save buttons: write the picture there and say on the window what happened.
    bool cmdSavePng_Click();
    bool cmdSaveSvg_Click();
    void Say(const QString& message, bool failure = true);

    PictureBox* p = nullptr;
    QPushButton* cmdClose = nullptr;
    std::array<QPushButton*, 2> cmdComments{};
    QPushButton* cmdSavePng = nullptr;
    QPushButton* cmdSaveSvg = nullptr;
    QCheckBox* chkPngTwice = nullptr;  // PNG at twice the size, for print
    QLabel* lblStatus = nullptr;

  signals:
    void commentRequested(int topic);
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool Save(const std::string& extension);

    int index_;
    Language language_;
    CountingTables tables_;
    Settings settings_;
    FitOddsTable odds_;
    std::filesystem::path folder_;
};

}  // namespace lott

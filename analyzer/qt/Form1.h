// The analyzer's main window: binds its controls to the Analyzer (settings, runs, stored
// results), switches languages, and opens the table, graph, information and comment windows.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>

#include "Analyzer.h"
#include "Fonts.h"
#include "MainControls.h"
#include "ProgramStart.h"
#include "frmComment.h"
#include "frmGrph.h"
#include "frmInfoAna.h"
#include "frmTab.h"

namespace lott::trickscan {

// How the window starts: on which program folder, and (for tests) the answers of the archive
// check and of the Japanese font search.
using StartOptions = WindowStart;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(const StartOptions& options, QWidget* parent = nullptr);
    ~Form1() override;

    const MainControls& ui() const { return c_; }
    Analyzer& analyzer() { return a_; }
    const Analyzer& analyzer() const { return a_; }
    Analyzer::StartState StartState() const { return state_; }
    const QString& JapaneseFont() const { return japaneseFont_; }
    int MenuTopic() const { return menuTopic_; }
    int CommentTopic() const { return commentTopic_; }
    frmTab* TableWindow() const { return tab_; }
    frmComment* CommentWindow() const { return comment_; }
    frmInfoAna* InfoWindow(Language language) const {
        return info_[static_cast<std::size_t>(language)];
    }
    // Deals whose cells the live table repainted in the last run (for the speed checks).
    std::size_t RepaintedCells() const { return repainted_; }

    // Event handlers, public so that tests can drive the paths that the controls drive.
    void o_Click(int index);
    void cmdStart_Click();
    void cmdEnd_Click() { close(); }
    void cmdTable_Click(int index);
    void cmdGrph_Click(int index);
    void cmdDownload_Click();
    void Language_Click();
    void menu_Click(int index);
    void Submenu_Click(int index);
    void dBox_KeyPress();
    void ShowComment(int topic);

    // How often a run draws its progress, in milliseconds.
    static constexpr qint64 kFrameMs = 30;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load(const StartOptions& options);
    void ShowRefusal();
    void LibraryNotFound();
    void ShowFolderProblem();
    // The family Japanese texts are drawn in.
    QString JapaneseFamily() const { return lott::JapaneseFamily(japaneseFont_); }
    void SetLangMsg();
    // The table window of a run or of a Table click: replaces the one shown before.
    frmTab* NewTable(bool prepareHeaders);
    // Opens the table where it leaves the buttons and counter of a run in sight.
    void PlaceTable(frmTab* t);
    void TableClosing(frmTab* window);
    void OpenPage(const std::string& page, QWidget* window);
    void Progress(std::int32_t dealNo);
    void ShowRunEnd();
    void SyncOptions();
    void SyncButtons();
    void SyncAll();
    void Report(const std::string& message);
    static QString Q(const std::string& s) { return QString::fromStdString(s); }

    MainControls c_;
    Analyzer a_;
    Analyzer::StartState state_ = Analyzer::StartState::Running;
    QString japaneseFont_;
    int menuTopic_ = 0;
    int commentTopic_ = 0;
    bool closeRequested_ = false;
    bool lockShown_ = false;
    QElapsedTimer frameClock_;  // when the run's progress was last drawn
    std::size_t repainted_ = 0;
    QPointer<frmTab> tab_;
    QPointer<frmComment> comment_;
    std::array<QPointer<frmInfoAna>, 2> info_;
};

}  // namespace lott::trickscan

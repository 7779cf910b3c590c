// The viewer's main window: library choice, navigation through the library, the trump and
// notrump switches, languages, the Over20 list, export, web pages and the information window.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>

#include "DealPainter.h"
#include "Fonts.h"
#include "ProgramStart.h"
#include "ViewerControls.h"
#include "ViewerSession.h"
#include "frmInfo.h"

namespace lott::boardlook {

// How the window starts: on which program folder, (for tests) the answers of the archive check
// and of the Japanese font search, and how long the download page waits.
struct StartOptions : WindowStart {
    int downloadDelayMs = 3000;  // wait before the download page opens by itself
};

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    static const QString kDesignCaption;

    explicit Form1(const StartOptions& options, QWidget* parent = nullptr);
    ~Form1() override;

    const ViewerControls& ui() const { return c_; }
    const ViewerSession& session() const { return s_; }
    const QString& JapaneseFont() const { return japaneseFont_; }
    // The family Japanese text is drawn in.
    QString JapaneseFamily() const { return lott::JapaneseFamily(japaneseFont_); }
    int InfoTopic() const { return infoTopic_; }
    frmInfo* InfoWindow() const { return info_; }
    bool Refused() const { return refused_; }  // stopped by the archive check

    void MainProc(std::int32_t dealNo);
    void GoForward(int n);
    void GoBack(int n);

    // Event handlers, public so that tests can drive the paths that the controls drive.
    void cmdGo_Click() { GoForward(1); }
    void cmdBack_Click() { GoBack(1); }
    void txtCount_KeyPress();
    void hsbar_Change(int value);
    void Lib_KeyPress();
    void OptAsc_Click();
    void OptBin_Click();
    void lblScore_Click();
    void lblLength_Click();
    void lblNegNT_Click();
    void Language_Click();
    void cmdOver20_Click();
    void optTT_Click(int index);
    void Deals_Click();
    void menu_Click(int index);
    void cmdDownload_Click(int index);
    void cmdRead_Click();
    void cmdOutput_Click();
    void cmdEnd_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load(const StartOptions& options);
    bool ChkZip(int flag, std::optional<bool> answer);
    bool ReStart();
    bool OpenLibrary(LibMode mode, const std::string& name, bool resetDealNo);
    void ClrTopLeft();
    void PrintLibraryLines(double japaneseSize);
    void LibraryNotFound(const std::string& fileName, LibraryFailure why);
    std::string NameInUse() const;
    void ShowCaptions();
    void ShowLeads();
    void SetScoreMode();
    void SetLengthMode();
    void ToggleNoNT();
    void ShowNegNT();
    void SelectOption(LibMode mode);
    void SetWidth(int twips);
    void Report(const QString& message, bool failure);
    void ClearStatus();
    QString Text(const std::string& s) const { return QString::fromStdString(s); }

    ViewerControls c_;
    ViewerSession s_;
    DealPainter painter_;
    QString japaneseFont_;
    int infoTopic_ = 0;
    int downloadDelayMs_ = 3000;
    bool refused_ = false;
    std::string notFoundShown_;  // the library whose missing message is on the window
    LibraryFailure notFoundWhy_ = LibraryFailure::NotFound;
    QTimer downloadTimer_;
    QPointer<frmInfo> info_;
};

}  // namespace lott::boardlook

#include "Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

#include "ClickLabel.h"
#include "Fonts.h"
#include "FormColors.h"
#include "Headers.h"
#include "MainTexts.h"
#include "PictureBox.h"
#include "ProgramFiles.h"
#include "TablePlacement.h"
#include "WebPages.h"
#include "WindowLookup.h"

namespace lott::trickscan {

namespace {

void SetFamily(QWidget* w, const QString& family) {
    QFont f = w->font();
    f.setFamily(family);
    w->setFont(f);
}

void Restore(QWidget* w) {
    RestoreWindow(w);
    w->raise();
    w->activateWindow();
}

}  // namespace

Form1::Form1(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent),
      c_(MainControls::Build(this)),
      a_(QDir(options.programFolder).absolutePath().toStdString()) {
    for (int i = 0; i < static_cast<int>(c_.o.size()); ++i) {
        QRadioButton* b = c_.o[static_cast<std::size_t>(i)];
        if (b) connect(b, &QRadioButton::clicked, this, [this, i] { o_Click(i); });
    }
    connect(c_.cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(c_.cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    for (int p = 0; p < 2; ++p) {
        connect(c_.cmdTable[static_cast<std::size_t>(p)], &QPushButton::clicked, this,
                [this, p] { cmdTable_Click(p); });
        connect(c_.cmdGrph[static_cast<std::size_t>(p)], &QPushButton::clicked, this,
                [this, p] { cmdGrph_Click(p); });
    }
    connect(c_.cmdDownload, &QPushButton::clicked, this, [this] { cmdDownload_Click(); });
    connect(c_.Language, &ClickLabel::clicked, this, [this] { Language_Click(); });
    connect(c_.dBox, &QLineEdit::returnPressed, this, [this] { dBox_KeyPress(); });
    for (int i = 0; i <= 6; ++i)
        connect(c_.menu[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { menu_Click(i); });
    for (int i = 1; i <= 2; ++i)
        connect(c_.Submenu[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { Submenu_Click(i); });

    // The run talks to the window through these.
    a_.beep = [] { QApplication::beep(); };
    a_.LoadTab = [this] { NewTable(false); };
    // The live table's statistics and report come from the run's own tables.
    a_.runCompleted = [this](const CountingTables& t, const Settings& s) {
        if (frmTab* w = tab_.data()) w->SetResultTables(t, s);
    };
    a_.progress = [this](std::int32_t n) { Progress(n); };
    a_.buttonsChanged = [this] { SyncButtons(); };
    // Another run is scanning this folder: say so and stay responsive; Stop gives up waiting.
    a_.waiting = [this] {
        if (!lockShown_) {
            // The settings were locked and the caption says "Working" when the run started.
            SyncAll();
            lockShown_ = true;
        }
        Report(a_.message);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 40);
        return !a_.driver.StopRequested;
    };
    a_.WriteTable = [this](int kind, int L, int d, const EventCounts& ev) {
        // Only the grid changes here; the changed cells are repainted at the next yield.
        if (frmTab* t = tab_.data())
            t->cells().WriteTable(a_.tables, a_.settings, kind, L, d, {ev[1], ev[2], ev[3]},
                                  nullptr);
    };

    // Live, a deal changes only the cells of its own row and the totals: the end of a run writes
    // every cell from the counts, as its result file will be shown.
    a_.WriteWholeTable = [this](const Settings& s) {
        if (frmTab* t = tab_.data()) t->cells().RewriteCells(a_.tables, s);
    };

    Form_Load(options);
}

Form1::~Form1() = default;

void Form1::Form_Load(const StartOptions& options) {
    setWindowTitle(QLatin1String(MainTexts::kDesignCaption) + QLatin1String(MainTexts::kVersion));
    c_.LibraryName->setToolTip(ProgramFolderNote(Q(a_.folder.string())));
    japaneseFont_ = JapaneseFontAtStart(options.japaneseFont);
    const Language language = japaneseFont_.isEmpty() ? Language::English : Language::Japanese;
    const bool inArchive =
        options.inArchive ? *options.inArchive : ChkZipResolved(a_.folder, ArchiveRule::ZipOrTmp);
    state_ = a_.Load(inArchive, language);
    c_.dBox->setVisible(a_.DebugMode);
    SyncAll();
    show();

    switch (state_) {
        case Analyzer::StartState::FolderProblem:
            ShowFolderProblem();
            return;
        case Analyzer::StartState::ArchiveRefused:
            ShowRefusal();
            return;
        case Analyzer::StartState::LibraryMissing:
            LibraryNotFound();
            return;
        case Analyzer::StartState::Running:
            break;
    }
    c_.LibraryName->setText(Q(a_.library.LibFileName));
    c_.tBox->setText(Q(a_.tBox));
    c_.canvas->Cls();
    if (a_.Language == Language::Japanese) {
        // Start in Japanese: from English, the switch turns to Japanese and applies its captions.
        a_.Language = Language::English;
        Language_Click();
    }
    SyncAll();
    Report(a_.message);
}

void Form1::ShowRefusal() {
    for (QWidget* w : c_.AllButEnd()) w->hide();
    menuBar()->hide();
    PictureBox& w = *c_.canvas;
    w.Cls();
    const double h = w.TextHeight(QStringLiteral("A"));
    w.MoveTo(0, 2.25 * h);
    if (a_.Language == Language::Japanese) {
        w.SetFontName(JapaneseFamily());
        w.Print(Q(MainTexts::ZipLine1(Language::Japanese)));
        w.MoveTo(0, 3.75 * h);
        w.Print(Q(MainTexts::ZipLine2(Language::Japanese)));
    } else {
        w.Print(Q(MainTexts::ZipLine1(Language::English)));
        w.MoveTo(0, 3.75 * h);
        w.prnt(Q(MainTexts::ZipLine2(Language::English)));
    }
}

void Form1::LibraryNotFound() {
    for (QWidget* w : c_.AllButEnd())
        if (w != c_.cmdDownload && w != c_.lblStatus) w->hide();
    menuBar()->hide();
    PictureBox& w = *c_.canvas;
    w.Cls();
    const double h = w.TextHeight(QStringLiteral("A"));
    const Language lang = a_.Language;
    if (lang == Language::Japanese) {
        SetFamily(c_.cmdEnd, JapaneseFamily());
        c_.cmdEnd->setText(QStringLiteral("終了"));
        w.SetFontName(JapaneseFamily());
        SetFamily(c_.cmdDownload, JapaneseFamily());
    }
    w.MoveTo(0, 0.5 * h);
    w.Print(Q(MainTexts::NotFoundLine1(lang)));
    w.MoveTo(0, 2 * h);
    w.Print(Q(MainTexts::NotFoundLine2(lang)));
    c_.cmdDownload->setText(Q(MainTexts::DownloadCaption(lang)));
    c_.cmdDownload->show();
}

void Form1::ShowFolderProblem() {
    for (QWidget* w : c_.AllButEnd()) w->hide();
    menuBar()->hide();
    PictureBox& w = *c_.canvas;
    w.Cls();
    w.MoveTo(0, 2.25 * w.TextHeight(QStringLiteral("A")));
    w.Print(QStringLiteral("   ") + Q(a_.problem));
}

void Form1::SyncOptions() {
    const Settings& s = a_.settings;
    for (int i = 0; i < static_cast<int>(c_.o.size()); ++i) {
        QRadioButton* b = c_.o[static_cast<std::size_t>(i)];
        if (!b) continue;
        b->setChecked(s.Selected(i));
        b->setEnabled(s.Enabled(i));
    }
}

void Form1::SyncButtons() {
    const Settings& s = a_.settings;
    c_.cmdStart->setEnabled(s.cmdStartEnabled());
    c_.cmdStart->setText(Q(a_.StartCaption()));
    for (int p = 0; p < 2; ++p) {
        const auto k = static_cast<std::size_t>(p);
        c_.cmdTable[k]->setEnabled(s.cmdTable(p).enabled);
        MainControls::SetTinted(c_.cmdTable[k], s.cmdTable(p).tinted);
        c_.cmdGrph[k]->setEnabled(s.cmdGrph(p).enabled);
        MainControls::SetTinted(c_.cmdGrph[k], s.cmdGrph(p).tinted);
    }
    c_.menu[7]->setEnabled(s.menu7Enabled());
    c_.Language->setEnabled(s.LanguageEnabled());
    // What a run reads is fixed when it starts.
    c_.tBox->setEnabled(!a_.Running());
    c_.dBox->setEnabled(!a_.Running());
    c_.lblNo->setText(Q(a_.lblNo));
}

void Form1::SyncAll() {
    SyncOptions();
    SyncButtons();
}

void Form1::Report(const std::string& message) {
    // Faults in red, notices of what was done in black.
    SetStatusColour(c_.lblStatus, !a_.messageIsNotice);
    c_.lblStatus->setText(Q(message));
}

void Form1::o_Click(int index) {
    a_.settings.Click(index);
    SyncAll();
}

void Form1::cmdStart_Click() {
    const bool idle = !a_.Running() && a_.State() == RunState::Idle;
    if (idle) {
        // "Deals to be Scanned" is read here, once; the box is locked while the run goes.
        a_.tBox = c_.tBox->text().toStdString();
        repainted_ = 0;
        lockShown_ = false;
    }
    a_.cmdStart_Click();
    if (idle) {
        ShowRunEnd();
        Report(a_.message);
    }
    SyncAll();
    if (closeRequested_ && !a_.Running()) close();
}

void Form1::ShowRunEnd() {
    // The last counts of the run on the live table, and the name of the file they were stored
    // in (shown whenever no run is going, as a full redraw does).
    if (frmTab* t = tab_.data()) {
        repainted_ += t->RepaintChanged();
        if (a_.State() == RunState::Finished && a_.settings.SettingMode == SettingMode::Standard &&
            QFileInfo::exists(
                QString::fromStdString((a_.DataDir / (a_.RunResultName() + ".dat")).string())))
            t->ShowResultName(a_.RunResultName() + ".dat");
    }
    frameClock_.invalidate();
}

void Form1::Progress(std::int32_t dealNo) {
    if (!lockShown_) {
        // The settings were locked when the run started.
        SyncAll();
        lockShown_ = true;
    }
    // Clicks are served at every progress point; the label and the live table are drawn at most
    // once a screen frame or so, since drawing more often shows nothing more and costs the run
    // most of its time.
    if (!frameClock_.isValid() || frameClock_.elapsed() >= kFrameMs) {
        c_.lblNo->setText(QString::number(dealNo));
        if (frmTab* t = tab_.data(); t && a_.TableState == TableState::Live)
            repainted_ += t->RepaintChanged();
        frameClock_.start();
    }
    QCoreApplication::processEvents();
}

frmTab* Form1::NewTable(bool prepareHeaders) {
    if (prepareHeaders) a_.Headers = PrepareHeaders(a_.settings, NowText());
    auto* t = new frmTab(a_.Language, JapaneseFamily(), this);
    connect(t, &frmTab::closing, this, [this](frmTab* w) { TableClosing(w); });
    connect(t, &frmTab::commentRequested, this, [this](int i) { ShowComment(i + 1); });
    connect(t, &frmTab::paperRequested, this, [this, t] {
        OpenPage(a_.Language == Language::Japanese ? "ostrevan/total.htm" : "ostrevan/total.HTML",
                 t);
    });
    // Only the newest table window is live; an older one gives way to it.
    QPointer<frmTab> old = tab_;
    tab_ = t;
    if (old) old->close();
    a_.TableState = TableState::Live;
    t->InitLabels(a_.settings.SettingMode);
    t->SetHeaders(a_.Headers);
    t->SetReportContext(a_.folder, a_.fitOdds, a_.library.DealCount);
    PlaceTable(t);
    t->show();
    return t;
}

void Form1::PlaceTable(frmTab* t) {
    const QRect screenRect = screen() ? screen()->availableGeometry() : QRect(0, 0, 1600, 1000);
    const auto box = [](const QRect& r) { return ScreenBox{r.x(), r.y(), r.width(), r.height()}; };
    QRect controls;
    for (QWidget* w : {static_cast<QWidget*>(c_.cmdStart), static_cast<QWidget*>(c_.cmdEnd),
                       static_cast<QWidget*>(c_.lblNo)})
        controls |= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    // The table's frame is as much larger than its inside as the main window's.
    const QSize frame = frameGeometry().size() - size();
    const TablePlace place =
        lott::PlaceTable(box(screenRect), box(frameGeometry()), box(controls),
                         t->width() + frame.width(), t->height() + frame.height());
    if (place.mainDown > 0) move(pos() + QPoint(0, place.mainDown));
    t->move(place.table.x, place.table.y);
}

void Form1::TableClosing(frmTab* window) {
    if (window != tab_) return;
    a_.TableState = TableState::NotShown;
    if (comment_) comment_->close();
}

void Form1::cmdTable_Click(int index) {
    (void)index;  // the current preset's result is shown; the buttons differ only in place
    const QString title =
        QStringLiteral("[Table]") + Q(a_.settings.ResultName) + QLatin1String(MainTexts::kVersion);
    TableState& state = a_.TableState;
    if (state == TableState::Live) {
        if (QWidget* w = FindWindowByTitle(title)) {
            Restore(w);
            return;
        }
        state = TableState::NotShown;
    }
    auto sayFin = [this](frmTab* t, const FinResult& r) {
        const std::string file = "DataFiles/" + a_.settings.ResultName + ".dat";
        if (!r.found)
            t->Say(Q(MainTexts::ResultMissing(a_.Language, file)));
        else if (!r.complete)
            t->Say(Q(MainTexts::ResultIncomplete(a_.Language, file)));
    };
    if (state == TableState::NotShown) {
        if (QWidget* w = FindWindowByTitle(title)) {
            Restore(w);
            return;
        }
        frmTab* t = NewTable(true);
        t->setWindowTitle(title);
        const FinResult r = a_.LoadStoredResult();
        t->WriteWholeTable(a_.tables, a_.settings, a_.driver.DealNo, a_.Running());
        t->SetHeaders(a_.Headers);
        sayFin(t, r);
    } else if (state == TableState::ButtonReEnabled) {
        // During a run: the counts so far, and live again from here on.
        frmTab* t = NewTable(false);
        t->WriteWholeTable(a_.tables, a_.settings, a_.driver.DealNo, a_.Running());
    } else if (state == TableState::Finished) {
        const FinResult r = a_.LoadStoredResult();
        frmTab* t = NewTable(false);
        t->WriteWholeTable(a_.tables, a_.settings, a_.driver.DealNo, a_.Running());
        sayFin(t, r);
        state = TableState::Live;
    }
}

void Form1::cmdGrph_Click(int index) {
    const QString title = frmGrph::Caption(a_.settings.ResultName);
    if (QWidget* w = FindWindowByTitle(title)) {
        Restore(w);
        return;
    }
    const FinResult r = a_.LoadStoredResult();
    auto* g = new frmGrph(index, a_.tables, a_.settings, a_.fitOdds, a_.Language, JapaneseFamily(),
                          a_.folder, this);
    connect(g, &frmGrph::commentRequested, this, [this](int topic) { ShowComment(topic); });
    connect(g, &frmGrph::closing, this, [this] {
        if (comment_) comment_->close();
    });
    const std::string file = "DataFiles/" + a_.settings.ResultName + ".dat";
    if (!r.found)
        g->Say(Q(MainTexts::ResultMissing(a_.Language, file)));
    else if (!r.complete)
        g->Say(Q(MainTexts::ResultIncomplete(a_.Language, file)));
    g->show();
}

void Form1::ShowComment(int topic) {
    commentTopic_ = topic;
    // A comment window shows the text it was opened with: a new topic gets a new window.
    if (comment_) comment_->close();
    comment_ = new frmComment(topic, a_.Language, JapaneseFamily(), this);
    comment_->move(frameGeometry().left() + 60, frameGeometry().top() + 90);
    comment_->show();
}

void Form1::OpenPage(const std::string& page, QWidget* window) {
    if (OpenWebPage(Q(page))) return;
    const QString message =
        Q(MainTexts::PageNotOpened(a_.Language, WebPageUrl(Q(page)).toString().toStdString()));
    if (auto* t = qobject_cast<frmTab*>(window))
        t->Say(message);
    else
        c_.lblStatus->setText(message);
}

void Form1::cmdDownload_Click() {
    OpenPage(
        a_.Language == Language::Japanese ? "ostrevan/GetLibrary.htm" : "ostrevan/GetLibrary.HTML",
        this);
}

void Form1::Language_Click() {
    if (!a_.settings.LanguageEnabled()) return;
    if (comment_) comment_->close();
    if (a_.Language == Language::English) {
        c_.Language->setText(QStringLiteral("Japanese"));
        a_.Language = Language::Japanese;
    } else {
        c_.Language->setText(QStringLiteral("English"));
        a_.Language = Language::English;
    }
    // What the status line said was said in the other language.
    a_.message.clear();
    Report(a_.message);
    SetLangMsg();
}

void Form1::SetLangMsg() {
    const Language L = a_.Language;
    const bool japanese = L == Language::Japanese;
    const QString F = japanese ? JapaneseFamily() : QStringLiteral("Arial");
    for (int k = 0; k <= 7; ++k)
        c_.menu[static_cast<std::size_t>(k)]->setText(Q(MainTexts::MenuTitle(k, L)));
    c_.Submenu[1]->setText(Q(MainTexts::MenuTitle(8, L)));
    c_.Submenu[2]->setText(Q(MainTexts::MenuTitle(9, L)));

    auto caption = [&](int index, QWidget* w) {
        const QString text = Q(MainTexts::CaptionTitle(index, L));
        SetFamily(w, F);
        if (auto* f = qobject_cast<QGroupBox*>(w))
            f->setTitle(text);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(text);
    };
    const std::pair<int, QWidget*> targets[] = {{0, c_.Frame[0]},
                                                {1, c_.Frame[1]},
                                                {2, c_.o[Opt::ByLength]},
                                                {3, c_.o[Opt::ByScore]},
                                                {4, c_.Frame[2]},
                                                {5, c_.o[Opt::AllowArtificial]},
                                                {6, c_.o[Opt::ForbidArtificial]},
                                                {7, c_.cmdTable[0]},
                                                {7, c_.cmdTable[1]},
                                                {8, c_.cmdGrph[0]},
                                                {8, c_.cmdGrph[1]},
                                                {9, c_.Frame[4]},
                                                {10, c_.o[Opt::NoNTCalls]},
                                                {11, c_.o[Opt::NTSeparately]},
                                                {12, c_.cmdStart},
                                                {13, c_.cmdEnd},
                                                {14, c_.Frame[6]},
                                                {15, c_.Frame[7]},
                                                {16, c_.Frame[8]},
                                                {17, c_.Frame[9]},
                                                {18, c_.Frame[3]},
                                                {19, c_.Frame[5]},
                                                {20, c_.Frame[10]},
                                                {21, c_.o[Opt::NTDoubleton]},
                                                {22, c_.o[Opt::NTSingleton]},
                                                {23, c_.o[Opt::NTVoid]}};
    for (const auto& [index, w] : targets) caption(index, w);
    for (int i = Opt::FirstFilter; i <= Opt::LastFilter; ++i) {
        // The filter rows stand 78 pixels apart: their Japanese captions need a point less.
        QWidget* w = c_.o[static_cast<std::size_t>(i)];
        caption(i, w);
        QFont f = w->font();
        f.setPointSizeF(japanese ? 8 : 9);
        w->setFont(f);
    }
    // The Start button shows its idle caption in the new language.
    a_.ShowIdle();
}

void Form1::menu_Click(int index) {
    if (index == 1) {
        OpenPage(a_.Language == Language::Japanese ? "wexa/OstrevanStandard.htm"
                                                   : "wexa/OstrevanStandard.HTML",
                 this);
        return;
    }
    if (index < 0 || index > 6) return;
    menuTopic_ = index;
    const Language L = a_.Language;
    auto& info = info_[static_cast<std::size_t>(L)];
    if (!info) {
        info = new frmInfoAna(L, JapaneseFamily(), this);
        info->move(frameGeometry().left() + 40, frameGeometry().top() + 60);
    }
    info->ShowTopic(index);
    info->show();
    info->raise();
}

void Form1::Submenu_Click(int index) {
    a_.message.clear();
    a_.Submenu_Click(index);
    Report(a_.message);
}

void Form1::dBox_KeyPress() {
    if (a_.Running()) return;  // Enter during a run is ignored
    lockShown_ = false;
    a_.DebugDeal(c_.dBox->text().toStdString());
    ShowRunEnd();
    SyncAll();
    if (closeRequested_ && !a_.Running()) close();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (a_.Running()) {
        // The scan runs inside this window's handlers: stop it first; the window closes when
        // the run has returned.
        closeRequested_ = true;
        if (a_.State() == RunState::Working)
            a_.cmdStart_Click();
        else
            a_.driver.StopRequested = true;
        SyncButtons();
        Report(MainTexts::StopBeforeClosing(a_.Language));
        event->ignore();
        return;
    }
    const auto windows = findChildren<QWidget*>();
    for (QWidget* w : windows)
        if (w->isWindow() && w->isVisible()) w->close();
    QMainWindow::closeEvent(event);
}

}  // namespace lott::trickscan

#include "Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ClickLabel.h"
#include "Fonts.h"
#include "FormColors.h"
#include "Over20Reader.h"
#include "PictureBox.h"
#include "ProgramFiles.h"
#include "ScrollSteps.h"
#include "ViewerTexts.h"
#include "WebPages.h"
#include "frmInfo.h"

namespace lott::boardlook {

namespace {
constexpr int kTwips = 15;
const QColor kBlue(0, 0, 255);

QRectF TwipsRect(const QWidget* w) {
    return QRectF(w->x() * kTwips, w->y() * kTwips, w->width() * kTwips, w->height() * kTwips);
}

void SetFont(QWidget* w, const QString& family, double size) {
    QFont f = w->font();
    f.setFamily(family);
    if (size > 0) f.setPointSizeF(size);
    w->setFont(f);
}

void SetFontSize(QWidget* w, double size) {
    QFont f = w->font();
    f.setPointSizeF(size);
    w->setFont(f);
}

void SetLabelStyle(QLabel* l, const QColor& colour, bool bold) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(bold);
    l->setFont(f);
}

std::string GroupSeparator() {
    return QLocale::system().groupSeparator().toStdString();
}
}  // namespace

const QString Form1::kDesignCaption = QStringLiteral("Viewer for Ostrevan's Double-Dummy Library");

Form1::Form1(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent),
      c_(ViewerControls::Build(this)),
      s_(QDir(options.programFolder).absolutePath().toStdString()),
      painter_(c_.p, c_.box, c_.p2, c_.p3) {
    downloadTimer_.setSingleShot(true);
    connect(&downloadTimer_, &QTimer::timeout, this, [this] {
        // The button of the language in force: its index is the language's number.
        cmdDownload_Click(static_cast<int>(s_.Language));
    });

    connect(c_.cmdGo, &QPushButton::clicked, this, [this] { cmdGo_Click(); });
    connect(c_.cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    c_.cmdGo->installEventFilter(this);
    c_.cmdBack->installEventFilter(this);
    connect(c_.txtCount, &QLineEdit::returnPressed, this, [this] { txtCount_KeyPress(); });
    connect(c_.hsbar, &QScrollBar::valueChanged, this, [this](int v) { hsbar_Change(v); });
    connect(c_.Lib, &QLineEdit::returnPressed, this, [this] { Lib_KeyPress(); });
    connect(c_.OptAsc, &QRadioButton::clicked, this, [this] { OptAsc_Click(); });
    connect(c_.OptBin, &QRadioButton::clicked, this, [this] { OptBin_Click(); });
    connect(c_.lblScore, &ClickLabel::clicked, this, [this] { lblScore_Click(); });
    connect(c_.lblLength, &ClickLabel::clicked, this, [this] { lblLength_Click(); });
    connect(c_.lblNegNT, &ClickLabel::clicked, this, [this] { lblNegNT_Click(); });
    connect(c_.Language, &ClickLabel::clicked, this, [this] { Language_Click(); });
    connect(c_.cmdOver20, &QPushButton::clicked, this, [this] { cmdOver20_Click(); });
    for (int i = 0; i < 6; ++i)
        connect(c_.optTT[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optTT_Click(i); });
    connect(c_.Deals, &QListWidget::itemClicked, this, [this] { Deals_Click(); });
    for (int i = 1; i <= 9; ++i)
        connect(c_.menu[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { menu_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(c_.cmdDownload[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdDownload_Click(i); });
    connect(c_.cmdRead, &QPushButton::clicked, this, [this] { cmdRead_Click(); });
    connect(c_.cmdOutput, &QPushButton::clicked, this, [this] { cmdOutput_Click(); });
    connect(c_.cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });

    Form_Load(options);
}

Form1::~Form1() {
    if (info_) delete info_.data();
}

void Form1::Form_Load(const StartOptions& options) {
    downloadDelayMs_ = options.downloadDelayMs;
    SetWidth(ViewerControls::kNarrowWidth);

    japaneseFont_ = JapaneseFontAtStart(options.japaneseFont);
    if (!japaneseFont_.isEmpty())
        Language_Click();
    else
        ShowCaptions();

    s_.LibMode = LibMode::Binary;
    setWindowTitle(kDesignCaption + QStringLiteral(" Ver 3.3"));
    c_.LibName->setToolTip(ProgramFolderNote(QDir(options.programFolder).absolutePath()));

    const bool over20 =
        QFileInfo(QDir(options.programFolder).filePath(Over20Reader::kFileName)).isFile();
    c_.cmdOver20->setVisible(over20);
    if (!over20) c_.menu[9]->setText(QString());
    c_.menu[9]->setEnabled(over20);
    c_.menu[9]->setVisible(over20);

    show();
    if (ChkZip(0, options.inArchive)) return;

    s_.DealNo = 0;
    s_.BinLibName = kBinLibName;
    s_.AscLibName = kAscLibName;
    c_.OptAsc->setEnabled(s_.Usable(s_.AscLibName, LibMode::Ascii));
    if (c_.OptAsc->isEnabled()) SelectOption(LibMode::Ascii);
    c_.OptBin->setEnabled(s_.Usable(s_.BinLibName, LibMode::Binary));
    if (c_.OptBin->isEnabled()) SelectOption(LibMode::Binary);
    if (!c_.OptAsc->isChecked() && !c_.OptBin->isChecked())
        LibraryNotFound(s_.BinLibName, s_.Failure(s_.BinLibName, LibMode::Binary));

    DealPainter::ShowSuitMarks(*c_.canvas, TwipsRect(c_.p), TwipsRect(c_.box));
    ShowLeads();
    const QRectF box = TwipsRect(c_.box);
    const QRectF neg = TwipsRect(c_.lblNegNT);
    c_.canvas->Box(box.right() + 30, box.top() + 60, box.right() + 30 + neg.width() + 165,
                   box.top() + 60 + neg.height() + 150, kBlue, false);

    s_.DealNo = 1;
    lblScore_Click();
}

bool Form1::ChkZip(int flag, std::optional<bool> answer) {
    const bool inArchive =
        answer ? *answer
               : lott::ChkZip(ResolvedFolder(s_.Folder()).string(), ArchiveRule::ZipOnly, flag);
    if (!inArchive) return false;
    refused_ = true;
    PictureBox& w = *c_.canvas;
    w.Cls();
    w.SetFontSize(12);
    w.Print(QString());
    if (s_.Language == Language::Japanese) {
        w.SetFontName(JapaneseFamily());
    } else {
        w.SetFontSize(15);
        w.SetFontName(QStringLiteral("Verdana"));
    }
    w.Print(Text(ViewerTexts::ZipLine1(s_.Language)));
    w.Print(Text(ViewerTexts::ZipLine2(s_.Language)));
    for (QWidget* control : c_.AllButEnd()) control->hide();
    menuBar()->hide();
    c_.cmdEnd->move(c_.cmdEnd->x(), 3000 / kTwips);
    return true;
}

void Form1::SetWidth(int twips) {
    c_.central->setFixedSize(twips / kTwips, ViewerControls::kDesignHeight / kTwips);
    setFixedSize(twips / kTwips,
                 ViewerControls::kDesignHeight / kTwips + menuBar()->sizeHint().height());
}

void Form1::ClrTopLeft() {
    const QRectF p = TwipsRect(c_.p);
    c_.canvas->Box(0, 0, p.right(), p.top(), kFormBackColor, true);
}

// The two lines that describe the library in use, in the language in force. The Japanese
// characters may come from a fallback face taller than the Latin one the pen steps by, so both
// languages leave the same room between the lines.
void Form1::PrintLibraryLines(double japaneseSize) {
    PictureBox& w = *c_.canvas;
    const LibraryFile& lib = s_.Library();
    const Language lang = s_.Language;
    const std::string sep = GroupSeparator();
    if (lang == Language::Japanese) {
        w.SetFontName(JapaneseFamily());
        w.SetFontSize(japaneseSize);
    } else {
        w.SetFontSize(12);
    }
    const double h = w.TextHeight();
    w.Print(Text(ViewerTexts::LibraryLine1(lang, lib.LibFileLen(), sep)));
    w.SetCurrentY(w.CurrentY() + 0.3 * h);
    w.Print(Text(ViewerTexts::LibraryLine2(lang, lib.DealCount(), lib.LibRecLen(), sep)));
    w.SetFontName(QStringLiteral("Arial"));
    w.SetFontSize(12);
}

bool Form1::ReStart() {
    return OpenLibrary(s_.LibMode, s_.LibMode == LibMode::Ascii ? s_.AscLibName : s_.BinLibName,
                       false);
}

std::string Form1::NameInUse() const {
    return s_.LibMode == LibMode::Ascii ? s_.AscLibName : s_.BinLibName;
}

// Opens (again) a library and shows the deal DealNo in it. A library that cannot be opened
// leaves the one in use, and its form, in use: its lines stay on the window, its name goes
// back into the box, and the failure is told on the status line.
bool Form1::OpenLibrary(LibMode mode, const std::string& name, bool resetDealNo) {
    if (!s_.OpenLibrary(mode, name)) {
        const LibraryFailure why = s_.Failure(name, mode);
        if (s_.HasLibrary()) {
            // The deal is drawn again from the library in use, so that it always follows the
            // switches in force (a trump or notrump switch re-opens the library).
            c_.Lib->setText(Text(NameInUse()));
            MainProc(s_.DealNo);
            Report(Text(ViewerTexts::LibraryNotOpened(s_.Language, why, name, NameInUse())), true);
            return false;
        }
        // The message of this very name is already on the window (and its page on its way):
        // say nothing twice.
        if (notFoundShown_ == name) return false;
        ClrTopLeft();
        c_.canvas->MoveTo(0, 0.3 * c_.canvas->TextHeight());
        LibraryNotFound(name, why);
        return false;
    }
    for (QPushButton* b : c_.cmdDownload) b->hide();
    ClrTopLeft();
    c_.canvas->MoveTo(0, 0.3 * c_.canvas->TextHeight());
    notFoundShown_.clear();
    downloadTimer_.stop();
    if (resetDealNo) s_.DealNo = 1;
    SelectOption(s_.LibMode);
    PrintLibraryLines(c_.canvas->FontSize());
    ScrollSteps steps(s_.DealCount());
    c_.hsbar->setRange(ScrollSteps::kMin, ScrollSteps::kMax);
    c_.hsbar->setPageStep(steps.LargeChange());
    c_.hsbar->setSingleStep(steps.SmallChange());
    if (s_.DealNo < 1) s_.DealNo = 1;
    MainProc(s_.DealNo);
    return true;
}

void Form1::LibraryNotFound(const std::string& fileName, LibraryFailure why) {
    notFoundShown_ = fileName;
    notFoundWhy_ = why;
    // Without a library no hand is drawn, so the download button covers none.
    painter_.Clear();
    c_.canvas->prnt(Text(ViewerTexts::FailureLine1(why, fileName)));
    c_.canvas->Print(QString(), true);
    c_.canvas->prnt(Text(ViewerTexts::NotFoundLine2(fileName)));
    c_.canvas->Print(QString(), true);
    // One download button per language, indexed by the language's number.
    const auto shown = static_cast<std::size_t>(s_.Language);
    if (s_.Language == Language::Japanese)
        c_.cmdDownload[1]->move(c_.cmdDownload[1]->x(), c_.cmdDownload[0]->y());
    c_.cmdDownload[shown]->show();
    c_.cmdDownload[1 - shown]->hide();
    // The page opens by itself a moment later, once, without holding up the window.
    downloadTimer_.start(downloadDelayMs_);
}

void Form1::MainProc(std::int32_t dealNo) {
    c_.txtCount->setText(QString::number(dealNo));
    const ReadStatus st = s_.Show(dealNo);
    const auto source = s_.Source();
    c_.lblSource->setText(source ? Text(ViewerTexts::SourceLine(s_.Language, *source)) : QString());
    c_.lblSource->setToolTip(c_.lblSource->text());
    if (st == ReadStatus::Ok) {
        ClearStatus();
        painter_.ShowDeal(s_.deal(), s_.decision(), s_.TrumpBy);
    } else if (st == ReadStatus::Damaged) {
        painter_.ShowUnreadable(Text(ViewerTexts::DamagedDeal(s_.Language, dealNo)));
    } else {
        painter_.ShowUnreadable(Text(ViewerTexts::UnreadableDeal(s_.Language, dealNo)));
    }
}

void Form1::GoForward(int n) {
    const auto step = s_.GoForward(n);
    if (!step.show) return;
    if (step.wrapped) c_.hsbar->setValue(c_.hsbar->minimum());
    MainProc(s_.DealNo);
}

void Form1::GoBack(int n) {
    const auto step = s_.GoBack(n);
    if (!step.show) return;
    if (step.wrapped) c_.hsbar->setValue(c_.hsbar->maximum());
    MainProc(s_.DealNo);
}

void Form1::txtCount_KeyPress() {
    if (s_.TypeDealNo(c_.txtCount->text().toStdString()))
        MainProc(s_.DealNo);
    else
        QApplication::beep();
}

void Form1::hsbar_Change(int value) {
    if (!s_.HasLibrary()) return;
    s_.DealNo = ScrollSteps(s_.DealCount()).DealAt(value);
    c_.txtCount->setText(QString::number(s_.DealNo));
    MainProc(s_.DealNo);
}

void Form1::SelectOption(LibMode mode) {
    s_.LibMode = mode;
    QRadioButton* option = mode == LibMode::Ascii ? c_.OptAsc : c_.OptBin;
    if (option->isChecked()) return;
    {
        const QSignalBlocker block(option);
        option->setChecked(true);
    }
    c_.Lib->setText(Text(ViewerSession::WithExtension(c_.Lib->text().toStdString(), mode)));
}

void Form1::OptAsc_Click() {
    c_.Lib->setText(
        Text(ViewerSession::WithExtension(c_.Lib->text().toStdString(), LibMode::Ascii)));
    if (s_.DealNo == 0) return;
    // A form that cannot be opened gives way to the one in use; without one it is kept.
    if (!OpenLibrary(LibMode::Ascii, s_.AscLibName, false))
        s_.HasLibrary() ? SelectOption(s_.LibMode) : SelectOption(LibMode::Ascii);
}

void Form1::OptBin_Click() {
    c_.Lib->setText(
        Text(ViewerSession::WithExtension(c_.Lib->text().toStdString(), LibMode::Binary)));
    if (s_.DealNo == 0) return;
    // A form that cannot be opened gives way to the one in use; without one it is kept.
    if (!OpenLibrary(LibMode::Binary, s_.BinLibName, false))
        s_.HasLibrary() ? SelectOption(s_.LibMode) : SelectOption(LibMode::Binary);
}

void Form1::Lib_KeyPress() {
    const std::string typed = c_.Lib->text().trimmed().toStdString();
    const auto mode = ViewerSession::ModeOfName(typed);
    if (!mode) {
        QApplication::beep();
        return;
    }
    // The name is opened as typed; the library in use stays until this one is open.
    OpenLibrary(*mode, typed, true);
}

void Form1::lblScore_Click() {
    if (s_.TrumpBy == TrumpBy::Length)
        SetScoreMode();
    else
        SetLengthMode();
}

void Form1::lblLength_Click() {
    lblScore_Click();
}

void Form1::SetScoreMode() {
    s_.TrumpBy = TrumpBy::Score;
    SetLabelStyle(c_.lblScore, kBlue, true);
    SetLabelStyle(c_.lblLength, Qt::black, false);
    if (s_.NoNT == NoNT::Forbidden) ToggleNoNT();
    ReStart();
}

void Form1::SetLengthMode() {
    s_.TrumpBy = TrumpBy::Length;
    SetLabelStyle(c_.lblLength, kBlue, true);
    SetLabelStyle(c_.lblScore, Qt::black, false);
    if (s_.NoNT == NoNT::Allowed) ToggleNoNT();
    ReStart();
}

void Form1::lblNegNT_Click() {
    // Notrump cannot be allowed while trumps go by Length.
    if (s_.TrumpBy == TrumpBy::Length && s_.NoNT == NoNT::Forbidden) return;
    ToggleNoNT();
    ReStart();
}

void Form1::ToggleNoNT() {
    s_.NoNT = s_.NoNT == NoNT::Allowed ? NoNT::Forbidden : NoNT::Allowed;
    ShowNegNT();
}

void Form1::ShowNegNT() {
    const bool allowed = s_.NoNT == NoNT::Allowed;
    SetLabelStyle(c_.lblNegNT, allowed ? QColor(Qt::black) : kBlue, false);
    c_.lblNegNT->setText(Text(ViewerTexts::MenuText(s_.Language, allowed ? 11 : 12)));
    SetFontSize(c_.lblNegNT, allowed ? 11 : 10.5);
}

// The captions of the language in force. The language label names that language in its own
// words, so it reads differently in each.
void Form1::ShowCaptions() {
    const Language lang = s_.Language;
    const bool japanese = lang == Language::Japanese;
    const QString captionFont = japanese ? JapaneseFamily() : QStringLiteral("Verdana");
    c_.Language->setText(japanese ? QStringLiteral("日本語") : QStringLiteral("English"));
    SetFont(c_.Language, captionFont, 0);
    for (int k = 1; k <= 7; ++k)
        c_.menu[static_cast<std::size_t>(k)]->setText(Text(ViewerTexts::MenuText(lang, k)));
    c_.menu[8]->setText(Text(ViewerTexts::MenuText(lang, 20)));
    if (c_.menu[9]->isEnabled()) c_.menu[9]->setText(Text(ViewerTexts::MenuText(lang, 19)));
    c_.SelectTrump->setTitle(Text(ViewerTexts::MenuText(lang, 17)));
    c_.LibName->setTitle(Text(ViewerTexts::MenuText(lang, 18)));
    c_.cmdOver20->setText(Text(ViewerTexts::MenuText(lang, 19)));
    c_.cmdOutput->setText(Text(ViewerTexts::MenuText(lang, 20)));
    for (QWidget* w :
         std::initializer_list<QWidget*>{c_.SelectTrump, c_.LibName, c_.cmdOver20, c_.cmdOutput})
        SetFont(w, japanese ? JapaneseFamily() : QApplication::font().family(), 0);
    c_.lblScore->setText(Text(ViewerTexts::MenuText(lang, 9)));
    c_.lblLength->setText(Text(ViewerTexts::MenuText(lang, 8)));
    c_.cmdEnd->setText(Text(ViewerTexts::MenuText(lang, 10)));
    c_.cmdRead->setText(Text(ViewerTexts::MenuText(lang, 13)));
    c_.cmdGo->setText(Text(ViewerTexts::MenuText(lang, 14)));
    c_.cmdBack->setText(Text(ViewerTexts::MenuText(lang, 15)));
    c_.fraTT->setTitle(Text(ViewerTexts::MenuText(lang, 16)));
    for (QWidget* w :
         std::initializer_list<QWidget*>{c_.lblScore, c_.lblLength, c_.lblNegNT, c_.cmdRead,
                                         c_.cmdEnd, c_.cmdGo, c_.cmdBack, c_.fraTT})
        SetFont(w, captionFont, 0);
    SetFontSize(c_.cmdRead, japanese ? 10.5 : 11);
    ShowNegNT();
}

void Form1::ShowLeads() {
    const Language lang = s_.Language;
    DealPainter::ShowLeads(*c_.canvas, TwipsRect(c_.box), Text(ViewerTexts::MenuText(lang, 21)),
                           Text(ViewerTexts::MenuText(lang, 22)),
                           lang == Language::Japanese ? JapaneseFamily() : kLatinFont);
}

void Form1::Language_Click() {
    s_.Language = s_.Language == Language::Japanese ? Language::English : Language::Japanese;
    const Language lang = s_.Language;
    ShowCaptions();
    // The lines under the trick table, drawn at start, again in the new language (not before
    // start has drawn them).
    if (s_.DealNo != 0) ShowLeads();

    if (const auto source = s_.Source())
        c_.lblSource->setText(Text(ViewerTexts::SourceLine(lang, *source)));
    // The library lines again, in the new language.
    PictureBox& w = *c_.canvas;
    w.Box(5000, 1000, 0, 0, kFormBackColor, true);
    w.MoveTo(0, 0.2 * w.TextHeight());
    if (s_.HasLibrary()) {
        PrintLibraryLines(10.5);
    } else if (!notFoundShown_.empty()) {
        // Without a library the missing-library message stays, and the download button
        // follows the language.
        c_.canvas->prnt(Text(ViewerTexts::FailureLine1(notFoundWhy_, notFoundShown_)));
        w.Print(QString(), true);
        c_.canvas->prnt(Text(ViewerTexts::NotFoundLine2(notFoundShown_)));
        w.Print(QString(), true);
        const auto shown = static_cast<std::size_t>(lang);
        c_.cmdDownload[shown]->show();
        c_.cmdDownload[1 - shown]->hide();
    }
}

void Form1::cmdOver20_Click() {
    SetWidth(ViewerControls::kDesignWidth);
    c_.fraTT->show();
    c_.Deals->show();
    c_.fraTT->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(136, 0, 136); }"));
}

void Form1::optTT_Click(int index) {
    const auto lines = Over20Reader::ReadFile(s_.Folder() / Over20Reader::kFileName, index + 21);
    c_.Deals->clear();
    for (const auto& l : lines) c_.Deals->addItem(Text(l));
}

void Form1::Deals_Click() {
    QListWidgetItem* item = c_.Deals->currentItem();
    if (!item) return;
    const auto no = Over20Reader::DealNumber(item->text().toStdString());
    if (!no) return;
    c_.txtCount->setText(QString::number(*no));
    txtCount_KeyPress();
}

void Form1::menu_Click(int index) {
    infoTopic_ = index;
    if (info_) {
        info_->close();
        delete info_.data();
    }
    InfoAnchor a;
    a.mainLeft = frameGeometry().left();
    a.mainTop = frameGeometry().top();
    a.boxLeft = c_.box->mapToGlobal(QPoint(0, 0)).x();
    a.goLeft = c_.cmdGo->mapToGlobal(QPoint(0, 0)).x();
    const QRect screenRect = screen() ? screen()->availableGeometry() : QRect(0, 0, 1600, 1000);
    a.screenLeft = screenRect.left();
    a.screenRight = screenRect.right() + 1;
    info_ = new frmInfo(infoTopic_, s_.Language, JapaneseFamily(), a, this);
    info_->show();
}

void Form1::cmdDownload_Click(int index) {
    const std::string page = ViewerTexts::DownloadPage(index);
    if (page.empty()) return;
    if (!OpenWebPage(Text(page)))
        Report(Text(ViewerTexts::PageNotOpened(s_.Language,
                                               WebPageUrl(Text(page)).toString().toStdString())),
               true);
    else
        ClearStatus();
}

void Form1::cmdRead_Click() {
    const std::string page = ViewerTexts::NotesPage(s_.Language);
    if (!OpenWebPage(Text(page)))
        Report(Text(ViewerTexts::PageNotOpened(s_.Language,
                                               WebPageUrl(Text(page)).toString().toStdString())),
               true);
    else
        ClearStatus();
}

void Form1::cmdOutput_Click() {
    if (!s_.ShownOk()) {
        QApplication::beep();
        return;
    }
    const auto kind = c_.Optout[0]->isChecked()   ? DealExport::Kind::Html
                      : c_.Optout[1]->isChecked() ? DealExport::Kind::Text
                                                  : DealExport::Kind::Pbn;
    const auto r = s_.Export(kind);
    if (r.ok)
        Report(Text(ViewerTexts::Written(s_.Language, r.file.string())), false);
    else
        Report(Text(ViewerTexts::ExportFailed(s_.Language, r.error)), true);
}

// A failure in red, a success in black; a text wider than the line is shortened in the middle
// and kept whole in the tooltip.
void Form1::Report(const QString& message, bool failure) {
    SetStatusColour(c_.lblStatus, failure);
    const QFontMetrics fm(c_.lblStatus->font());
    c_.lblStatus->setText(fm.elidedText(message, Qt::ElideMiddle, c_.lblStatus->width()));
    c_.lblStatus->setToolTip(message);
}

void Form1::ClearStatus() {
    c_.lblStatus->clear();
    c_.lblStatus->setToolTip(QString());
}

void Form1::cmdEnd_Click() {
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (info_) info_->close();
    downloadTimer_.stop();
    QMainWindow::closeEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A right click on Go or Back steps ten deals (it raises no click).
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        if (watched == c_.cmdGo) {
            GoForward(10);
            return true;
        }
        if (watched == c_.cmdBack) {
            GoBack(10);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace lott::boardlook

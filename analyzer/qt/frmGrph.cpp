#include "frmGrph.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <system_error>

#include "FormColors.h"
#include "GraphPainter.h"
#include "MainTexts.h"
#include "PictureBox.h"
#include "SvgWriter.h"

namespace lott {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QString frmGrph::Caption(const std::string& resultName) {
    return Q(resultName) + QStringLiteral("[Graph]") + QLatin1String(MainTexts::kVersion);
}

frmGrph::frmGrph(int index, const CountingTables& t, const Settings& s, const FitOddsTable& odds,
                 Language language, const QString& japaneseFont,
                 std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      index_(index == 1 ? 1 : 0),
      language_(language),
      tables_(t),
      settings_(s),
      odds_(odds),
      folder_(std::move(programFolder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    settings_.SetTables(nullptr);  // the copy only answers questions; it clears no tables
    setWindowTitle(Caption(settings_.ResultName));
    SetFormBackground(this);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    setFont(font);
    const int width = index_ == 0 ? kWidthOstrevan : kWidthStandard;
    setFixedSize(width, kHeight);
    move(300 / 15, 100 / 15);

    p = new PictureBox(this);
    p->setGeometry(20, 20, index_ == 0 ? 350 : 700, 450);
    p->SetBackColor(Qt::white);

    const bool japanese = language == Language::Japanese;
    cmdClose = new QPushButton(japanese ? QStringLiteral("閉じる") : QStringLiteral("Close"), this);
    cmdComments[0] = new QPushButton(
        japanese ? QStringLiteral("このグラフの説明") : QStringLiteral("Comments on the Graph"),
        this);
    cmdComments[1] = new QPushButton(japanese ? QStringLiteral("ノートランプ･グラフの説明")
                                              : QStringLiteral("Comments on the Notrump Graph"),
                                     this);
    cmdSavePng =
        new QPushButton(japanese ? QStringLiteral("PNG で保存") : QStringLiteral("Save PNG"), this);
    cmdSaveSvg =
        new QPushButton(japanese ? QStringLiteral("SVG で保存") : QStringLiteral("Save SVG"), this);
    chkPngTwice = new QCheckBox(japanese ? QStringLiteral("PNG を 2 倍の大きさで")
                                         : QStringLiteral("PNG at twice the size"),
                                this);
    if (japanese) {
        QFont jf(japaneseFont);
        jf.setPointSizeF(9);
        for (QWidget* b : std::initializer_list<QWidget*>{cmdClose, cmdComments[0], cmdComments[1],
                                                          cmdSavePng, cmdSaveSvg, chkPngTwice})
            b->setFont(jf);
    }
    lblStatus = new QLabel(this);
    lblStatus->setWordWrap(true);
    lblStatus->setTextFormat(Qt::PlainText);

    const int row1 = 480, row2 = 512, row3 = 544;
    cmdComments[0]->setGeometry(20, row1, 190, 28);
    cmdComments[1]->setGeometry(216, row1, 230, 28);
    cmdClose->setGeometry(width - 100, row1, 80, 28);
    cmdSavePng->setGeometry(20, row2, 100, 28);
    cmdSaveSvg->setGeometry(126, row2, 100, 28);
    chkPngTwice->setGeometry(234, row2, width - 234 - 20, 28);
    lblStatus->setGeometry(20, row3, width - 40, 34);
    // The notrump comments belong to the Standard window; the Doubleton choice has none.
    cmdComments[1]->setVisible(index_ == 1 && !settings_.Selected(Opt::NTDoubleton));

    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
    for (int i = 0; i < 2; ++i)
        connect(cmdComments[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
            const int topic = CommentTopicFor(i);
            if (topic != 0) emit commentRequested(topic);
        });
    connect(cmdSavePng, &QPushButton::clicked, this, [this] { cmdSavePng_Click(); });
    connect(cmdSaveSvg, &QPushButton::clicked, this, [this] { cmdSaveSvg_Click(); });

    GraphPainter(*p, tables_, settings_, odds_, index_ == 1).Draw();
}

int frmGrph::CommentTopicFor(int i) const {
    if (i == 0) return settings_.SettingMode == SettingMode::Standard ? 4 : 3;
    if (settings_.Selected(Opt::NTQuenby)) return 5;
    if (settings_.Selected(Opt::NTDorvald)) return 6;
    if (settings_.Selected(Opt::NTDorvaldPlus)) return 7;
    if (settings_.Selected(Opt::NTVoid)) return 8;
    if (settings_.Selected(Opt::NTSingleton)) return 9;
    return 0;
}

std::string frmGrph::GraphFileName(const std::string& extension) const {
    return "GraphFiles/" + settings_.ResultName + extension;
}

bool frmGrph::Save(const std::string& extension) {
    const std::string name = GraphFileName(extension);
    const std::filesystem::path file = folder_ / name;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    QString error;
    bool ok = false;
    if (ec) {
        error = Q(ec.message());
    } else if (extension == ".png" || extension == "@2x.png") {
        ok = p->SavePng(Q(file.string()), &error, extension == ".png" ? 1.0 : 2.0);
    } else {
        ok = SvgWriter::Save(*p, Q(file.string()), error);
    }
    Say(ok ? Q(MainTexts::FileSaved(language_, name))
           : Q(MainTexts::FileNotSaved(language_, name, error.toStdString())),
        !ok);
    return ok;
}

bool frmGrph::cmdSavePng_Click() {
    return Save(chkPngTwice->isChecked() ? "@2x.png" : ".png");
}

bool frmGrph::cmdSaveSvg_Click() {
    return Save(".svg");
}

void frmGrph::Say(const QString& message, bool failure) {
    SetStatusColour(lblStatus, failure);
    lblStatus->setText(message);
}

void frmGrph::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}

}  // namespace lott

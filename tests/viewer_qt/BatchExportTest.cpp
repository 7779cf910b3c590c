// boardlook-batch against the window: for every switch state and every kind of page, the files
// the batch tool writes are byte for byte those that the Output button writes deal by deal.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <map>
#include <sstream>

#include "BoardlookBatch.h"
#include "ClickLabel.h"
#include "ViewerProgram.h"

using lott::BoardlookBatch;
using lott::test::ViewerProgram;
namespace fs = std::filesystem;

namespace {

// Every file below folder by its path relative to it, with its bytes.
std::map<std::string, std::string> Files(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const char* sub : {"HtmlFiles", "TextFiles", "PbnFiles"}) {
        if (!fs::exists(folder / sub)) continue;
        for (const auto& e : fs::directory_iterator(folder / sub))
            files[fs::relative(e.path(), folder).string()] = lott::test::ReadFile(e.path());
    }
    return files;
}

struct SwitchState {
    const char* name;
    std::vector<std::string> args;  // of boardlook-batch
    bool forbidNT;                  // a click on the notrump label
    bool byLength;                  // a click on the Length label
};

}  // namespace

class BatchExportTest : public QObject {
    Q_OBJECT

  private slots:
    void theOutputChoicesAndAPbnPage() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        QCOMPARE(c.Optout[2]->text(), QStringLiteral("PBN"));
        QVERIFY(c.Optout[0]->isChecked());
        for (QRadioButton* o : c.Optout) QVERIFY(o->isVisible());
        // The three choices fit in their frame, above the Output button.
        QVERIFY(c.Frame1->rect().contains(c.Optout[2]->geometry()));
        QVERIFY(c.Frame1->geometry().bottom() < c.cmdOutput->geometry().top());
        QTest::mouseClick(c.Optout[2], Qt::LeftButton);
        QVERIFY(c.Optout[2]->isChecked() && !c.Optout[0]->isChecked());
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        const std::string pbn = lott::test::ReadFile(prog.path() / "PbnFiles" / "No2.pbn");
        QVERIFY(pbn.rfind("% PBN 2.1\r\n% EXPORT\r\n[Event \"Library.bin\"]\r\n", 0) == 0);
        QVERIFY(pbn.find("[Board \"2\"]\r\n") != std::string::npos);
        QVERIFY(c.lblStatus->text().isEmpty());
    }

    void batchWritesWhatTheOutputButtonWrites() {
        const std::vector<SwitchState> states = {
            {"score, notrump allowed", {}, false, false},
            {"score, notrump forbidden", {"--nt", "forbidden"}, true, false},
            {"length", {"--trumps", "length"}, false, true},
        };
        const int deals = ViewerProgram::kDeals;
        for (const SwitchState& state : states) {
            ViewerProgram window;
            window.WriteBin();
            auto f = window.Start();
            const auto& c = f->ui();
            if (state.forbidNT) QTest::mouseClick(c.lblNegNT, Qt::LeftButton);
            if (state.byLength) QTest::mouseClick(c.lblLength, Qt::LeftButton);
            QCOMPARE(f->session().TrumpBy,
                     state.byLength ? lott::TrumpBy::Length : lott::TrumpBy::Score);
            QCOMPARE(f->session().NoNT, state.forbidNT || state.byLength ? lott::NoNT::Forbidden
                                                                         : lott::NoNT::Allowed);
            for (QRadioButton* kind : c.Optout) {
                QTest::mouseClick(kind, Qt::LeftButton);
                for (int n = 1; n <= deals; ++n) {
                    QCOMPARE(f->session().DealNo, n);
                    QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
                    QTest::mouseClick(c.cmdGo, Qt::LeftButton);  // the last wraps to deal 1
                }
            }
            QVERIFY(c.lblStatus->text().isEmpty());

            ViewerProgram batch;
            batch.WriteBin();
            for (const char* kind : {"--html", "--text", "--pbn"}) {
                std::vector<std::string> args = {batch.path().string(), "--deals",
                                                 "1-" + std::to_string(deals), kind};
                args.insert(args.end(), state.args.begin(), state.args.end());
                std::string error;
                const auto cmd = BoardlookBatch::Parse(args, error);
                QVERIFY2(cmd.has_value(), error.c_str());
                std::ostringstream out, err;
                QCOMPARE(BoardlookBatch::Run(*cmd, "/nonexistent", out, err), 0);
                QVERIFY2(err.str().empty(), err.str().c_str());
            }

            const auto byWindow = Files(window.path());
            const auto byBatch = Files(batch.path());
            QCOMPARE(byWindow.size(), static_cast<std::size_t>(3 * deals));
            QCOMPARE(byBatch.size(), byWindow.size());
            for (const auto& [name, bytes] : byWindow) {
                const auto other = byBatch.find(name);
                QVERIFY2(other != byBatch.end(), (name + " missing, " + state.name).c_str());
                QVERIFY2(other->second == bytes, (name + " differs, " + state.name).c_str());
            }
        }
    }
};

QTEST_MAIN(BatchExportTest)
#include "BatchExportTest.moc"

// The analyzer's information pages and comment window in both languages.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "AnalyzerHelpTexts.h"
#include "frmComment.h"
#include "frmInfoAna.h"

class HelpWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPageShowsAloneWithItsLinesAndTheCloseButtonAtItsEdge() {
        for (int lang : {0, 1}) {
            lott::frmInfoAna info(lang, QStringLiteral("Noto Sans CJK JP"));
            QCOMPARE(info.windowTitle(), QStringLiteral("Trickscan Help"));
            QVERIFY(info.Frame[1] == nullptr);  // "In Detail" is a web page
            for (int topic : {0, 2, 3, 4, 5, 6}) {
                info.ShowTopic(topic);
                info.show();
                const lott::InfoPage* page = lott::AnalyzerInfoPage(topic, lang);
                QVERIFY(page);
                QGroupBox* frame = info.Frame[static_cast<std::size_t>(topic)];
                QVERIFY(frame->isVisible());
                for (int other : {0, 2, 3, 4, 5, 6})
                    if (other != topic)
                        QVERIFY(!info.Frame[static_cast<std::size_t>(other)]->isVisible());
                QCOMPARE(frame->title(), QString::fromStdString(page->caption));
                QStringList shown;
                for (QLabel* l : frame->findChildren<QLabel*>()) shown << l->text();
                QStringList expected;
                for (const std::string& line : page->lines)
                    expected << QString::fromStdString(line);
                QCOMPARE(shown, expected);
                // Every line fits its frame.
                for (QLabel* l : frame->findChildren<QLabel*>())
                    QVERIFY(l->geometry().right() < frame->width());
                QCOMPARE(info.cmdClose->geometry().right(), frame->geometry().right());
                QVERIFY(info.cmdClose->geometry().top() > frame->geometry().bottom());
                QCOMPARE(info.width(), frame->width() + 14);
                QVERIFY(info.height() > info.cmdClose->geometry().bottom());
            }
        }
    }

    void theCommentWindowShowsItsTopicInTheLanguage() {
        for (int lang : {0, 1}) {
            for (int topic = 1; topic <= 9; ++topic) {
                lott::frmComment w(topic, lang, QStringLiteral("Noto Sans CJK JP"));
                QCOMPARE(w.txt()->toPlainText(),
                         QString::fromStdString(lott::CommentText(topic, lang)));
                QVERIFY(!w.txt()->toPlainText().isEmpty());
                QVERIFY(w.txt()->isReadOnly());
                if (lang == 1)
                    QCOMPARE(w.txt()->font().family(), QStringLiteral("Noto Sans CJK JP"));
            }
        }
        lott::frmComment w(2, 0, QString());
        w.show();
        w.resize(500, 300);
        QCOMPARE(w.txt()->geometry(), QRect(0, 0, 500, 300));
        w.resize(420, 610);
        QCOMPARE(w.txt()->height(), 610);
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"

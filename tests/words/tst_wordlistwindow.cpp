// The word-list window: the default choice, select all and none, OK and reopening, and file
// names shown as they are.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "words/frmdictionaries.h"

#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

class TstWordListWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The built-in dictionary and own.dct are chosen at first. A list chosen with OK is the
    // one loaded and stays chosen for the run; select all ticks the boxes shown. A file name
    // is shown as the plain text it is, shortened with a tooltip when long, and OK keeps the
    // name itself.
    void chooseList_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shortened");
        QTest::addRow("plain") << "Animals.DCT" << false;
        QTest::addRow("ampersand") << "Djur & växter.dct" << false;
        QTest::addRow("markup") << "<b>fet.dct" << false;
        QTest::addRow("long")
            << "Words of the first year of Spanish at the evening school, all lessons.dct" << true;
    }
    void chooseList() {
        QFETCH(QString, name);
        QFETCH(bool, shortened);
        TestApp app(10);
        writeDictionary(app.dir.filePath(name), 6, false);
        {
            frmDictionaries w(app.ctx);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(app.ctx.store.dictFiles, defaultWordLists());
            QVERIFY(w.chkDct[0]->isChecked() && w.chkDct[3]->isHidden());
            QLabel* label = w.lblDct[w.lblDct[1]->text().startsWith("own") ? 2 : 1];
            QVERIFY(label->isVisible());
            QLabel plain(shortened ? label->text() : name, label->parentWidget()); // same font
            plain.setTextFormat(Qt::PlainText);
            plain.setAlignment(label->alignment());
            plain.resize(label->size());
            const auto drawn = [](QLabel* l) { // what a label shows, drawn on white
                QImage image(l->size(), QImage::Format_RGB32);
                image.fill(Qt::white);
                l->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
                return image;
            };
            QCOMPARE(drawn(label), drawn(&plain));
            QCOMPARE(label->toolTip(), shortened ? name : QString());
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            QTest::mouseClick(w.cmdAvmarkeraAlla, Qt::LeftButton);
            QTest::mouseClick(w.chkDct[label == w.lblDct[1] ? 1 : 2], Qt::LeftButton);
            app.ctx.store.wordCount = 12;
            QTest::mouseClick(w.cmdOK, Qt::LeftButton);
        }
        QCOMPARE(app.ctx.store.dictFiles, QStringList{name});
        QCOMPARE(app.ctx.store.wordCount, 0);
        frmDictionaries again(app.ctx);
        const int own = again.lblDct[1]->text().startsWith("own") ? 1 : 2;
        QVERIFY(!again.chkDct[0]->isChecked() && !again.chkDct[own]->isChecked() &&
                again.chkDct[3 - own]->isChecked());
        again.cmdMarkeraAlla->click();
        QVERIFY(again.chkDct[0]->isChecked() && again.chkDct[1]->isChecked() &&
                again.chkDct[2]->isChecked());
        QVERIFY(!again.chkDct[3]->isChecked()); // hidden boxes stay as they are
        app.ctx.loadDictionaries();
        QCOMPARE(app.ctx.store.wordCount, 6); // only the chosen list's words
    }
};

QTEST_MAIN(TstWordListWindow)
#include "tst_wordlistwindow.moc"

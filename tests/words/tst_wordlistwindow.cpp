// The word-list window: the default choice, select all and none, OK and reopening.
#include "app/apptestutil.h"
#include "app/drawnbutton.h"
#include "words/frmdictionaries.h"

#include <QStandardPaths>
#include <QTest>

using namespace vx;
using namespace vx::test;

class TstWordListWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void choiceLastsForTheRun() {
        TestApp app(10);
        writeDictionary(app.dir.filePath("Animals.DCT"), 6, false);
        {
            frmDictionaries w(app.ctx);
            QCOMPARE(app.ctx.store.dictFiles, defaultWordLists());
            QVERIFY(w.chkDct[0]->isChecked());
            int visible = 0;
            for (int k = 1; k <= kMaxWordLists; ++k)
                visible += w.chkDct[k]->isHidden() ? 0 : 1;
            QCOMPARE(visible, 2); // own.dct and Animals.DCT
            w.cmdAvmarkeraAlla->click();
            for (int k = 1; k <= 2; ++k)
                if (w.lblDct[k]->text() == QLatin1String("Animals.DCT"))
                    w.chkDct[k]->setChecked(true);
            app.ctx.store.wordCount = 12;
            w.cmdOK->click();
        }
        QCOMPARE(app.ctx.store.dictFiles, QStringList{"Animals.DCT"});
        QCOMPARE(app.ctx.store.wordCount, 0);
        frmDictionaries again(app.ctx);
        QVERIFY(!again.chkDct[0]->isChecked());
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(again.chkDct[k]->isChecked(), again.lblDct[k]->text() == QLatin1String("Animals.DCT"));
        again.cmdMarkeraAlla->click();
        QVERIFY(again.chkDct[0]->isChecked() && again.chkDct[1]->isChecked() && again.chkDct[2]->isChecked());
        QVERIFY(!again.chkDct[3]->isChecked()); // hidden boxes stay as they are
        app.ctx.loadDictionaries();
        QCOMPARE(app.ctx.store.wordCount, 6); // only the chosen list's words
    }
};

QTEST_MAIN(TstWordListWindow)
#include "tst_wordlistwindow.moc"

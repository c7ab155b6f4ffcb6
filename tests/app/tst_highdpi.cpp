// The main window on a screen scaled by 2: laid out as at scale 1 with every size doubled,
// its pictures drawn at the screen's density and no text needing more room than it has.
#include "apptestutil.h"

#include "app/drawnbutton.h"
#include "app/frmmain.h"

#include <QLabel>
#include <QStandardPaths>

using namespace vx;
using namespace vx::test;

class TstHighDpi : public QObject {
    Q_OBJECT
private slots:
    void mainWindowAtScaleTwo() {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        TestApp app;
        frmMain main(app.ctx);
        main.LayoutLanguageChoice();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        // The content box keeps its logical size and fits the window.
        QVERIFY(main.rect().contains(main.picHolder->geometry()));
        for (QLabel* label : main.findChildren<QLabel*>())
            QVERIFY2(
                !label->isVisible() ||
                    ((label->pixmap().isNull() || label->pixmap().devicePixelRatio() == 2.0) &&
                     (label->wordWrap() || label->fontMetrics().horizontalAdvance(label->text()) <=
                                               label->contentsRect().width())),
                qPrintable(label->objectName() + ": " + label->text()));
        for (DrawnButton* button : main.findChildren<DrawnButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(
                         QString(button->caption()).remove(u'&')) < button->width(),
                     qPrintable(button->objectName()));
    }
};

// The scale must be known before the application starts.
static const bool scaledByTwo = qputenv("QT_SCALE_FACTOR", "2");
QTEST_MAIN(TstHighDpi)
#include "tst_highdpi.moc"

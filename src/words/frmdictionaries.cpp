#include "frmdictionaries.h"

#include "app/drawnbutton.h"
#include "resources/artwork.h"

#include <QEvent>

namespace vx {

frmDictionaries::frmDictionaries(AppContext& context, QWidget* parent)
    : VxWindow(context, QStringLiteral("frmDictionaries"), QStringLiteral("NOMAX"), QSize(640, 600), parent) {
    setModal(true);
    auto* shape = new QWidget(picHolder);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(20, 136, 600, 400);
    shape->setStyleSheet(QStringLiteral("#Shape1 { background: rgba(255,255,255,150); border: 1px solid #a09070; border-radius: 8px; }"));
    auto* image1 = new PictureLabel(picHolder, QStringLiteral("Image1"));
    image1->setGeometry(24, 16, 96, 96);
    image1->setPixmap(art::picture(QStringLiteral("books_closed"), QSize(96, 96)));
    auto* image2 = new QLabel(picHolder);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(24, 16, 96, 96);
    image2->setPixmap(art::picture(QStringLiteral("books_open"), QSize(96, 96)));
    image2->hide();
    connect(image1, &PictureLabel::clicked, this, [image1, image2] {
        image1->hide();
        image2->show();
    });
    addLabel(QStringLiteral("Label1"), 342, QRect(136, 24, 480, 80));

    for (int k = 0; k <= kMaxWordLists; ++k) {
        chkDct[k] = new QCheckBox(picHolder);
        chkDct[k]->setObjectName(QStringLiteral("chkDct%1").arg(k));
        lblDct[k] = new QLabel(picHolder);
        lblDct[k]->setObjectName(QStringLiteral("lblDct%1").arg(k));
        // File names are shown as they are: an "&" is no access mark, "<b>" no markup.
        lblDct[k]->setTextFormat(Qt::PlainText);
        if (k == 0) {
            chkDct[0]->setGeometry(36, 148, 20, 22);
            lblDct[0]->setGeometry(60, 148, 540, 22);
            setTag(lblDct[0], 343);
        } else {
            const int column = (k - 1) / 18;
            const int row = (k - 1) % 18;
            chkDct[k]->setGeometry(36 + column * 290, 180 + row * 19, 20, 19);
            lblDct[k]->setGeometry(60 + column * 290, 180 + row * 19, 260, 19);
        }
        chkDct[k]->installEventFilter(this);
        chkDct[k]->setAutoFillBackground(false);
    }
    cmdMarkeraAlla = addButton(QStringLiteral("cmdMarkeraAlla"), 341, QRect(24, 548, 180, 38));
    cmdAvmarkeraAlla = addButton(QStringLiteral("cmdAvmarkeraAlla"), 340, QRect(214, 548, 180, 38));
    cmdOK = addButton(QStringLiteral("cmdOK"), 51, QRect(480, 548, 140, 38));
    connect(cmdMarkeraAlla, &DrawnButton::clicked, this, [this] { selectAll(true); });
    connect(cmdAvmarkeraAlla, &DrawnButton::clicked, this, [this] { selectAll(false); });
    connect(cmdOK, &DrawnButton::clicked, this, &frmDictionaries::ok);

    // Loading.
    ApplyTexts(this);
    ApplyFormBackground(this);
    lastBox = kMaxWordLists;
    centre();
    if (ctx.store.dictFileCount() == 0)
        ctx.store.dictFiles = defaultWordLists();
    const WordListChoice choice = ListWordLists(ctx.folder, ctx.store.dictFiles, ctx.reporter);
    chkDct[0]->setChecked(choice.builtInTicked);
    int k = 1;
    for (qsizetype i = 0; i < choice.files.size() && k <= lastBox; ++i, ++k) {
        // A name too long for its label is shortened in the middle; the tooltip has it whole.
        fileName[k] = choice.files[i];
        const QString shown =
            lblDct[k]->fontMetrics().elidedText(fileName[k], Qt::ElideMiddle, lblDct[k]->width());
        lblDct[k]->setText(shown);
        lblDct[k]->setToolTip(shown == fileName[k] ? QString() : fileName[k]);
        chkDct[k]->setChecked(choice.ticked[i]);
    }
    for (; k <= lastBox; ++k) {
        chkDct[k]->hide();
        lblDct[k]->hide();
    }
    cmdOK->setFocus();
}

void frmDictionaries::selectAll(bool ticked) {
    for (int k = 0; k <= lastBox; ++k) {
        if (!chkDct[k]->isHidden())
            chkDct[k]->setChecked(ticked);
    }
}

void frmDictionaries::ok() {
    WordListChoice choice;
    choice.builtInTicked = chkDct[0]->isChecked() && !chkDct[0]->isHidden();
    for (int k = 1; k <= lastBox; ++k) {
        if (chkDct[k]->isHidden())
            continue;
        choice.files << fileName[k];
        choice.ticked << chkDct[k]->isChecked();
    }
    ctx.store.dictFiles = ChosenWordLists(choice);
    ctx.store.wordCount = 0;
    close();
}

bool frmDictionaries::eventFilter(QObject* watched, QEvent* event) {
    // The label of the box that has the focus is highlighted.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (int k = 0; k <= kMaxWordLists; ++k) {
            if (watched == chkDct[k])
                lblDct[k]->setStyleSheet(event->type() == QEvent::FocusIn
                                             ? QStringLiteral("background: #2b4a6f; color: white;")
                                             : QString());
        }
    }
    return VxWindow::eventFilter(watched, event);
}

} // namespace vx

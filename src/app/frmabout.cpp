#include "frmabout.h"

#include "drawnbutton.h"
#include "helpviewer.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "common/cp1252.h"

namespace vx {

QString frmAbout::readmeText(const ProgramFolder& folder) {
    QFile file(folder.resolve(QStringLiteral("README.TXT")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString out;
    for (const QString& line : textLines(file.readAll()))
        out += QStringLiteral("\n") + line;
    return out;
}

frmAbout::frmAbout(AppContext& context, QWidget* parent)
    : VxWindow(context, QStringLiteral("frmAbout"), QString(), QSize(720, 540), parent) {
    setModal(true);
    setWindowTitle(QStringLiteral("About Vokabrix"));
    auto* image1 = new QLabel(picHolder);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(24, 20, 88, 88);
    image1->setPixmap(art::picture(QStringLiteral("logo"), QSize(88, 88)));

    auto* label1 = new QLabel(QStringLiteral("Vokabrix"), picHolder);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(130, 20, 480, 40);
    enlargeFont(label1, 10);
    lblVersion = new QLabel(picHolder);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(130, 60, 480, 22);
    auto* label3 = new QLabel(QStringLiteral("A vocabulary trainer for Swedish, English, German, French and Spanish."),
                              picHolder);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(130, 82, 480, 22);
    auto* label4 = new QLabel(QStringLiteral("Free software under the MIT licence, by the Vokabrix developers."),
                              picHolder);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setGeometry(130, 104, 480, 22);

    // The colour choice is a strip above the read-me, so that on a palette screen, where it
    // is hidden, the read-me can take its place by growing upwards.
    picColorScheme = new QWidget(picHolder);
    picColorScheme->setObjectName(QStringLiteral("picColorScheme"));
    picColorScheme->setGeometry(24, 136, 672, 56);
    picColorScheme->setStyleSheet(QStringLiteral("#picColorScheme { background: rgba(255,255,255,150); border-radius: 8px; }"));
    auto* label5 = new QLabel(QStringLiteral("Color scheme"), picColorScheme);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setGeometry(12, 16, 120, 24);
    QFont bold = label5->font();
    bold.setBold(true);
    label5->setFont(bold);
    const char* names[] = {"", "Sand", "Blue", "Pink", "Yellow"};
    for (int i = 1; i <= 4; ++i) {
        const int x = 140 + (i - 1) * 132;
        optColor[i] = new QRadioButton(QString::fromLatin1(names[i]), picColorScheme);
        optColor[i]->setObjectName(QStringLiteral("optColor%1").arg(i));
        optColor[i]->setGeometry(x, 16, 72, 24);
        imgColor[i] = new PictureLabel(picColorScheme, QStringLiteral("imgColor%1").arg(i));
        imgColor[i]->setGeometry(x + 74, 8, 50, 40);
        imgColor[i]->setFrameShape(QFrame::Box);
        imgColor[i]->setCursor(Qt::PointingHandCursor);
        connect(imgColor[i], &PictureLabel::clicked, this, [this, i] { optColor[i]->setChecked(true); });
    }

    txtReadme = new QPlainTextEdit(picHolder);
    txtReadme->setObjectName(QStringLiteral("txtReadme"));
    txtReadme->setReadOnly(true);
    txtReadme->setGeometry(24, 192, 672, 226);
    txtReadme->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReadme->installEventFilter(this);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPointSizeF(8);
    txtReadme->setFont(mono);

    chkFullScreen = new QCheckBox(picHolder);
    chkFullScreen->setObjectName(QStringLiteral("chkFullScreen"));
    chkFullScreen->setGeometry(500, 428, 22, 22);
    auto* label6 = new PictureLabel(picHolder, QStringLiteral("Label6"));
    label6->setText(QStringLiteral("Full screen mode"));
    label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label6->setGeometry(524, 428, 172, 22);
    connect(label6, &PictureLabel::clicked, chkFullScreen, &QCheckBox::toggle);
    chkSpeak = new QCheckBox(picHolder);
    chkSpeak->setObjectName(QStringLiteral("chkSpeak"));
    chkSpeak->setGeometry(500, 452, 22, 22);
    auto* label8 = new PictureLabel(picHolder, QStringLiteral("Label8"));
    label8->setText(ctx.texts.text(261));
    label8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label8->setGeometry(524, 452, 172, 22);
    connect(label8, &PictureLabel::clicked, chkSpeak, &QCheckBox::toggle);

    auto* label2 = new QLabel(QStringLiteral("You are welcome to visit our web pages:"), picHolder);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(24, 428, 370, 22);
    lblWebSite = new PictureLabel(picHolder, QStringLiteral("lblWebSite"));
    lblWebSite->setText(QString::fromLatin1(kWebSite));
    lblWebSite->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblWebSite->setGeometry(24, 450, 370, 22);
    lblWebSite->setStyleSheet(QStringLiteral("color: #1f4f9a; text-decoration: underline;"));
    lblWebSite->setCursor(Qt::PointingHandCursor);
    connect(lblWebSite, &PictureLabel::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite))); });
    auto* label7 = new QLabel(QStringLiteral("Thank you for learning with Vokabrix!"), picHolder);
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setGeometry(24, 476, 370, 22);

    cmdOK = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(556, 486, 140, 40));
    connect(cmdOK, &DrawnButton::clicked, this, &frmAbout::ok);

    // Loading.
    if (ctx.settings.screenColorBits > 8) {
        for (int i = 1; i <= 4; ++i)
            imgColor[i]->setPixmap(art::schemePicture(i, imgColor[i]->size()));
    } else {
        picColorScheme->hide();
        txtReadme->setGeometry(txtReadme->x(), picColorScheme->y(), txtReadme->width(),
                               txtReadme->height() + picColorScheme->height());
    }
    optColor[ColorTables::validScheme(ctx.settings.colorScheme)]->setChecked(true);
    chkFullScreen->setChecked(ctx.settings.fullScreen);
    chkSpeak->setChecked(ctx.settings.speakWords);
    ApplyLayout(this);
    centre();
    txtReadme->setPlainText(readmeText(ctx.folder));
    lblVersion->setText(QStringLiteral("Vokabrix version ") + QStringLiteral("5.2"));
    ApplyFormBackground(this);
    setWindowTitle(QStringLiteral("About Vokabrix"));
    cmdOK->setFocus();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    // The read-me can be scrolled with the mouse but never edited or focused.
    if (watched == txtReadme && event->type() == QEvent::FocusIn) {
        cmdOK->setFocus();
        return true;
    }
    return VxWindow::eventFilter(watched, event);
}

void frmAbout::ok() {
    for (int i = 1; i <= 4; ++i) {
        if (optColor[i]->isChecked()) {
            ctx.settings.colorScheme = i;
            if (auto* main = qobject_cast<VxWindow*>(ctx.mainWindow.data())) {
                ctx.mainPicture = art::schemePicture(i, main->picHolder->size());
                main->picHolder->setPicture(ctx.mainPicture);
            }
        }
    }
    ctx.settings.fullScreen = chkFullScreen->isChecked();
    ctx.settings.speakWords = chkSpeak->isChecked();
    // Every other window goes, also those loaded but hidden (the introduction after too few
    // words), so that each takes the new colours and texts when it is next opened.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || w == ctx.mainWindow || w == HelpViewer::window())
            continue;
        if (w->isVisible() || qobject_cast<VxWindow*>(w))
            w->close();
    }
    close();
}

} // namespace vx

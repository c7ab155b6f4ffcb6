#include "frmfromlanguage.h"

#include "drawnbutton.h"
#include "helpviewer.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QKeyEvent>

namespace vx {

namespace {

struct LanguageOption {
    int fromLanguage;
    int fromSub;
    const char* sentence;
};

// Options by index; shown from the top in the order 0, 1, 2, 3, 5, 4.
const LanguageOption kOptions[6] = {
    {2, 1, "I speak American English and want to learn French, German, Spanish and Swedish."},
    {2, 0, "I speak British English and want to learn French, German, Spanish and Swedish."},
    {4, 0, "Je parle fran\u00e7ais et je veux apprendre l'allemand, l'anglais, l'espagnol et le su\u00e9dois."},
    {3, 0, "Ich spreche Deutsch und m\u00f6chte Englisch, Franz\u00f6sisch, Schwedisch und Spanisch lernen."},
    {5, 0, "Hablo espa\u00f1ol y quiero aprender alem\u00e1n, franc\u00e9s, ingl\u00e9s y sueco."},
    {1, 0, "Jag talar svenska och vill l\u00e4ra mig engelska, franska, spanska och tyska."},
};
const int kTopToBottom[6] = {0, 1, 2, 3, 5, 4};

} // namespace

int frmFromLanguage::optionOfFlagKey(int flagKey) {
    switch (flagKey) {
    case 12: return 0;
    case 2: return 1;
    case 4: return 2;
    case 3: return 3;
    case 5: return 4;
    case 1: return 5;
    default: return -1;
    }
}

frmFromLanguage::frmFromLanguage(AppContext& context, QWidget* parent)
    : VxWindow(context, QStringLiteral("frmFromLanguage"), QStringLiteral("NOMAX"),
               QSize(600, 440), parent) {
    setModal(true);
    auto* welcome = new QLabel(QStringLiteral("Willkommen, bienvenu and welcome to Vokabrix!"), picHolder);
    welcome->setObjectName(QStringLiteral("Label1"));
    welcome->setGeometry(24, 18, 566, 34);
    enlargeFont(welcome, 5);
    auto* prompt = new QLabel(QStringLiteral("Please select your native language:"), picHolder);
    prompt->setObjectName(QStringLiteral("Label4"));
    prompt->setGeometry(24, 58, 552, 24);

    for (int row = 0; row < 6; ++row) {
        const int i = kTopToBottom[row];
        const int y = 96 + row * 48;
        auto* option = new QRadioButton(picHolder);
        option->setObjectName(QStringLiteral("optLanguage%1").arg(i));
        option->setGeometry(24, y + 10, 20, 20);
        optLanguage[i] = option;
        auto* flag = new PictureLabel(picHolder, QStringLiteral("picFlag%1").arg(i));
        flag->setGeometry(52, y + 2, 54, 36);
        const int key = 10 * kOptions[i].fromSub + kOptions[i].fromLanguage;
        flag->setPixmap(art::flag(key, QSize(54, 36)));
        flag->setCursor(Qt::PointingHandCursor);
        connect(flag, &PictureLabel::clicked, option, [option] { option->setChecked(true); });
        auto* sentence = new QLabel(QString::fromUtf8(kOptions[i].sentence), picHolder);
        sentence->setObjectName(QStringLiteral("Label2_%1").arg(i));
        sentence->setGeometry(120, y, 456, 40);
        sentence->setWordWrap(true);
        connect(option, &QRadioButton::toggled, this,
                [this] { cmdOK->setEnabled(chosenOption() >= 0); });
    }

    cmdOK = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(96, 390, 120, 38));
    cmdHelp = addButton(QStringLiteral("cmdHelp"), QStringLiteral("Help"), QRect(240, 390, 120, 38));
    cmdCancel = addButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), QRect(384, 390, 120, 38));
    connect(cmdOK, &DrawnButton::clicked, this, &frmFromLanguage::ok);
    connect(cmdCancel, &DrawnButton::clicked, this, &frmFromLanguage::cancel);
    connect(cmdHelp, &DrawnButton::clicked, this, [this] { sendHelpKey(this); });

    // Loading: the screen depth read again, the scheme's colours and picture, centred,
    // the current own language preselected.
    ctx.settings.screenColorBits = static_cast<qint16>(ctx.readScreenDepth());
    ApplyLayout(this);
    ApplyFormBackground(this);
    setWindowTitle(QStringLiteral("Vokabrix"));
    centre();
    // A stored own language that no option names preselects nothing, and OK waits until
    // the user has chosen one: "no language" would leave the interface without texts.
    const int preselected = optionOfFlagKey(ctx.fromFlagKey());
    if (preselected >= 0)
        optLanguage[preselected]->setChecked(true);
    cmdOK->setEnabled(preselected >= 0);
    cmdOK->setFocus();
}

int frmFromLanguage::chosenOption() const {
    for (int i = 0; i < 6; ++i) {
        if (optLanguage[i]->isChecked())
            return i;
    }
    return -1;
}

void frmFromLanguage::ok() {
    const int chosen = chosenOption();
    if (chosen < 0)
        return;
    ctx.settings.fromLanguage = static_cast<qint16>(kOptions[chosen].fromLanguage);
    ctx.settings.fromSub = static_cast<qint16>(kOptions[chosen].fromSub);
    ctx.store.wordCount = 0;
    m_cancelled = false;
    accept();
}

void frmFromLanguage::keyPressEvent(QKeyEvent* event) {
    // Enter on an option confirms it, like the OK button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ok();
        return;
    }
    VxWindow::keyPressEvent(event);
}

void frmFromLanguage::cancel() {
    m_cancelled = true;
    close();
}

} // namespace vx

#include "frmword.h"

#include "frmedit.h"
#include "keyboard/frmkeyboard.h"
#include "resources/artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace vx::editor {

namespace {
const char* const kLanguages[] = {"", "Swedish", "English", "German", "French", "Spanish"};
const int kFlagKeys[] = {0, 1, 2, 3, 4, 5};
} // namespace

frmWord::frmWord(EditorStore& store, frmEdit& grid) : QDialog(&grid), s(store), m_grid(grid) {
    setObjectName(QStringLiteral("frmWord"));
    setWindowTitle(QStringLiteral("Word"));
    setModal(false);
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(10);
    auto* heading = new QLabel(QStringLiteral("Difficulty (1-5)"), this);
    layout->addWidget(heading, 0, 3);
    for (int l = 1; l <= 5; ++l) {
        auto* flag = new QLabel(this);
        flag->setPixmap(art::flag(kFlagKeys[l], QSize(30, 20)));
        layout->addWidget(flag, l, 0);
        auto* label = new QLabel(QString::fromLatin1(kLanguages[l]), this);
        label->setObjectName(QStringLiteral("lblLang%1").arg(l));
        layout->addWidget(label, l, 1);
        txtWord[l] = new QLineEdit(this);
        txtWord[l]->setObjectName(QStringLiteral("txtWord%1").arg(l));
        txtWord[l]->setMinimumWidth(300);
        layout->addWidget(txtWord[l], l, 2);
        txtDiffi[l] = new QLineEdit(this);
        txtDiffi[l]->setObjectName(QStringLiteral("txtDiffi%1").arg(l));
        txtDiffi[l]->setMaximumWidth(60);
        layout->addWidget(txtDiffi[l], l, 3);
        // A speaker picture beside each text, so that a word can be heard before it is saved.
        cmdSpeak[l] = new QPushButton(this);
        cmdSpeak[l]->setObjectName(QStringLiteral("cmdSpeak%1").arg(l));
        cmdSpeak[l]->setIcon(QIcon(art::picture(QStringLiteral("speaker"), QSize(36, 24))));
        cmdSpeak[l]->setIconSize(QSize(36, 24));
        cmdSpeak[l]->setFlat(true);
        cmdSpeak[l]->setFocusPolicy(Qt::NoFocus);
        connect(cmdSpeak[l], &QPushButton::clicked, this, [this, l] {
            if (m_grid.speaker)
                m_grid.speaker->speak(txtWord[l]->text(), l, systemEnglishVariant());
        });
        layout->addWidget(cmdSpeak[l], l, 4);
        for (QLineEdit* e : {txtWord[l], txtDiffi[l]})
            connect(e, &QLineEdit::textEdited, this, [this, l] {
                m_edited[static_cast<size_t>(l)] = true;
                s.changed = true;
            });
    }
    layout->addWidget(new QLabel(QStringLiteral("Word Class"), this), 6, 1);
    cboWordClass = new QComboBox(this);
    cboWordClass->setObjectName(QStringLiteral("cboWordClass"));
    cboWordClass->addItems({QStringLiteral("Other"), QStringLiteral("Noun"),
                            QStringLiteral("Adjective"), QStringLiteral("Verb")});
    connect(cboWordClass, &QComboBox::activated, this, [this] {
        m_classEdited = true;
        s.changed = true;
    });
    layout->addWidget(cboWordClass, 6, 2, Qt::AlignLeft);
    auto* keyboard = new QPushButton(this);
    keyboard->setObjectName(QStringLiteral("imgKeyboard"));
    keyboard->setIcon(QIcon(art::picture(QStringLiteral("keyboard"), QSize(48, 32))));
    keyboard->setIconSize(QSize(48, 32));
    keyboard->setFlat(true);
    keyboard->setFocusPolicy(Qt::NoFocus);
    keyboard->setToolTip(QStringLiteral("On-screen keyboard (F4)"));
    // The picture takes no focus: the text box keeps it and receives the letter.
    connect(keyboard, &QPushButton::clicked, this, [this] { frmKeyboard::showKeyboard(this); });
    frmKeyboard::addShortcut(this);
    layout->addWidget(keyboard, 6, 3);

    auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    cmdRestore = button(QStringLiteral("cmdRestore"), QStringLiteral("&Restore"));
    cmdDelete = button(QStringLiteral("cmdDelete"), QStringLiteral("&Delete"));
    cmdUpdate = button(QStringLiteral("cmdUpdate"), QStringLiteral("&Update"));
    cmdPrev = button(QStringLiteral("cmdPrev"), QStringLiteral("<"));
    cmdNext = button(QStringLiteral("cmdNext"), QStringLiteral(">"));
    cmdNew = button(QStringLiteral("cmdNew"), QStringLiteral("&New Word"));
    cmdClose = button(QStringLiteral("cmdClose"), QStringLiteral("&Close"));
    auto* row1 = new QHBoxLayout;
    row1->addStretch();
    for (QPushButton* b : {cmdRestore, cmdDelete, cmdUpdate})
        row1->addWidget(b);
    auto* row2 = new QHBoxLayout;
    row2->addStretch();
    for (QPushButton* b : {cmdPrev, cmdNext, cmdNew, cmdClose})
        row2->addWidget(b);
    layout->addLayout(row1, 7, 0, 1, 4);
    layout->addLayout(row2, 8, 0, 1, 4);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmWord::update_);
    connect(cmdClose, &QPushButton::clicked, this, &frmWord::closeWindow);
    connect(cmdNext, &QPushButton::clicked, this, &frmWord::next);
    connect(cmdPrev, &QPushButton::clicked, this, &frmWord::prev);
    connect(cmdNew, &QPushButton::clicked, this, &frmWord::newWord);
    connect(cmdDelete, &QPushButton::clicked, this, &frmWord::deleteWord);
    connect(cmdRestore, &QPushButton::clicked, this, &frmWord::restore);

    if (m_grid.speaker)
        connect(m_grid.speaker, &Speaker::availabilityChanged, this, &frmWord::showSpeechState);
    showSpeechState();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void frmWord::showSpeechState() {
    for (int l = 1; l <= 5; ++l) {
        const SpeechProblem problem =
            m_grid.speaker ? m_grid.speaker->problem(l, systemEnglishVariant()) : SpeechProblem::NoEngine;
        cmdSpeak[l]->setEnabled(problem == SpeechProblem::None);
        cmdSpeak[l]->setToolTip(problem == SpeechProblem::None
                                    ? QStringLiteral("Speak the %1 word").arg(QString::fromLatin1(kLanguages[l]))
                                    : englishReason(problem));
    }
}

void frmWord::fill(const WordFields& f) {
    for (int l = 1; l <= 5; ++l) {
        txtWord[l]->setText(f.text[l]);
        txtDiffi[l]->setText(f.diffi[l]);
    }
    cboWordClass->setCurrentIndex(f.classIndex);
    m_edited = {};
    m_classEdited = false;
}

bool frmWord::hasEdits() const {
    return fields().anyEdited();
}

WordFields frmWord::fields() const {
    WordFields f;
    for (int l = 1; l <= 5; ++l) {
        f.text[l] = txtWord[l]->text();
        f.diffi[l] = txtDiffi[l]->text();
    }
    f.classIndex = cboWordClass->currentIndex();
    f.edited = m_edited;
    f.classEdited = m_classEdited;
    return f;
}

void frmWord::StoreWordWindow() {
    const int before = s.recordCount;
    StoreWordFields(s, fields());
    m_edited = {};
    m_classEdited = false;
    if (s.recordCount != before)
        m_grid.FillGrid(); // the placeholder row became the first record
}

void frmWord::update_() {
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
}

void frmWord::closeWindow() {
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
    m_grid.SelectRow(s.currentWord);
    hide();
}

void frmWord::next() {
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
    int r = s.currentWord + 1;
    m_grid.ShowRecord(r);
    m_grid.SelectRow(s.currentWord);
}

void frmWord::prev() {
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
    int r = s.currentWord - 1;
    m_grid.ShowRecord(r);
    m_grid.SelectRow(s.currentWord);
}

void frmWord::newWord() {
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
    m_grid.edit().AddRecord();
    m_grid.SelectRow(s.currentWord);
}

void frmWord::deleteWord() {
    m_grid.edit().DeleteRecord(s.currentWord);
    s.changed = true;
    if (s.recordCount > 0) {
        int r = s.recordCount < s.currentWord ? s.currentWord - 1 : s.currentWord;
        m_grid.ShowRecord(r);
    } else {
        int r = 1;
        m_grid.ShowRecord(r);
        m_grid.edit().FillRow(1);
    }
}

void frmWord::closeEvent(QCloseEvent* event) {
    // The close box leaves the window like Close: what was typed is kept.
    StoreWordWindow();
    m_grid.edit().FillRow(s.currentWord);
    m_grid.SelectRow(s.currentWord);
    event->accept();
}

// Escape, too, is Close rather than a silent hide that would drop what was typed.
void frmWord::reject() {
    closeWindow();
}

void frmWord::restore() {
    int r = m_grid.grid().rowSel;
    m_grid.ShowRecord(r);
}

} // namespace vx::editor

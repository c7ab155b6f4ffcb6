#include "frmnyfil.h"

#include "app/messagebox.h"
#include "frmedit.h"
#include "resources/artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vx::editor {

frmNyFil::frmNyFil(EditorStore& store, Edit1& edit, frmEdit* grid)
    : QDialog(grid), s(store), m_edit(edit), m_grid(grid) {
    setObjectName(QStringLiteral("frmNyFil"));
    setWindowTitle(QStringLiteral("New file"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Filename"), this));
    txtFilnamn = new QLineEdit(this);
    txtFilnamn->setObjectName(QStringLiteral("txtFilnamn"));
    txtFilnamn->setMinimumWidth(280);
    layout->addWidget(txtFilnamn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAvbryt = new QPushButton(QStringLiteral("Cancel"), this);
    cmdAvbryt->setObjectName(QStringLiteral("cmdAvbryt"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdAvbryt);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmNyFil::ok);
    connect(cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
    show = [this](const QString& text) { showMessage(QStringLiteral("New file"), text, this); };
}

void frmNyFil::ok() {
    QString message;
    const QString name = NewFileName(txtFilnamn->text(), m_edit.folder(), message);
    if (name.isEmpty()) {
        show(message);
        return;
    }
    // The dictionary loaded now is replaced: its unsaved changes are saved or given up
    // first, as the user answers.
    if (m_grid && !m_grid->mayReplaceDictionary()) {
        reject();
        return;
    }
    m_edit.NewDictionary(name);
    if (m_grid) {
        m_grid->cboDct->addItem(name);
        m_grid->cboDct->setCurrentText(name);
        m_grid->FillGrid();
    }
    m_edit.SaveDictionary(s.currentFile);
    accept();
}

QStringList frmHelp::texts() {
    return {
        QStringLiteral(
            "With the Vokabrix Dictionary editor, you can create your own Vokabrix dictionaries. "
            "Each word can be given in two or more of Vokabrix's five languages."),
        QStringLiteral(
            "Each word should be given a difficulty rating between 1 (for very easy words) and 5 "
            "(for difficult words)."),
        QStringLiteral(
            "Vokabrix's built-in dictionary contains 2000 words in each language and is stored in "
            "VOKABRIX.DCT. You can not view or edit the built-in dictionary using this program."),
        QStringLiteral("To choose what dictionaries you want to use in Vokabrix, click the button "
                       "\"DICTIONARIES\" in the main menu."),
        QStringLiteral(
            "If you have existing word files that you want to import, you can do so by copying and "
            "pasting data between Vokabrix Dictionary Editor and Excel. For more information, "
            "press "
            "F1 or click Help to read the Vokabrix help on the dictionary editor."),
    };
}

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("editor"));
    setWindowTitle(QStringLiteral("Vokabrix Dictionary Editor"));
    setWindowIcon(art::icon(QStringLiteral("editor_icon")));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(art::picture(QStringLiteral("editor_icon"), QSize(64, 64)));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    for (const QString& text : texts()) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setMinimumWidth(460);
        column->addWidget(label);
    }
    top->addLayout(column);
    layout->addLayout(top);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdOK);
    row->addStretch();
    layout->addLayout(row);
}

} // namespace vx::editor

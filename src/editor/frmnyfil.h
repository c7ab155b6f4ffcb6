// The new-file window: names and creates a new dictionary file.
#pragma once

#include "edit1.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace vx::editor {

class frmEdit;

class frmNyFil : public QDialog {
    Q_OBJECT
public:
    frmNyFil(EditorStore& store, Edit1& edit, frmEdit* grid);

    QLineEdit* txtFilnamn = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAvbryt = nullptr;
    // Shows a message; message boxes by default, replaced in tests.
    std::function<void(const QString&)> show;

    void ok();

private:
    EditorStore& s;
    Edit1& m_edit;
    frmEdit* m_grid;
};

// The editor's introduction, shown once at start-up.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
    static QStringList texts();
};

} // namespace vx::editor

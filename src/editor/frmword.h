// The word window: one record's five texts with their difficulty, its word class, and the
// buttons that store it and move through the dictionary.
#pragma once

#include "edit1.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace vx::editor {

class frmEdit;

class frmWord : public QDialog {
    Q_OBJECT
public:
    frmWord(EditorStore& store, frmEdit& grid);

    std::array<QLineEdit*, 6> txtWord{};  // 1..5
    std::array<QLineEdit*, 6> txtDiffi{}; // 1..5
    std::array<QPushButton*, 6> cmdSpeak{}; // 1..5: speaks the text box beside it
    QComboBox* cboWordClass = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdClose = nullptr;

    // Shows a record's fields; nothing counts as typed afterwards.
    void fill(const WordFields& fields);
    WordFields fields() const;
    // Something was typed or chosen since the record was shown.
    bool hasEdits() const;
    void StoreWordWindow();

    void update_();
    void closeWindow();
    void next();
    void prev();
    void newWord();
    void deleteWord();
    void restore();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showSpeechState();

    EditorStore& s;
    frmEdit& m_grid;
    std::array<bool, 6> m_edited{};
    bool m_classEdited = false;
};

} // namespace vx::editor

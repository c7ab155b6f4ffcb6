// The editor's grid window: the dictionary list, the grid of all records, the buttons and
// the clipboard menu.
#pragma once

#include "edit1.h"
#include "speech/speech.h"
#include "exchange/textlist.h"
#include "frmword.h"
#include "gridmodel.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <optional>

namespace vx::editor {

// The editor's messages: plain boxes with its title.
class EditorMessages : public Reporter {
public:
    void message(const QString& text) override;
};

// Question boxes, replaceable in tests: Yes, No or Cancel.
enum class Answer { Yes, No, Cancel };
using AskFunction = std::function<Answer(const QString& title, const QString& text)>;

// Where a word list is exported, and in which format.
struct ExportChoice {
    QString path; // empty when the user cancelled
    bool kvtml = true;
};

class frmEdit : public QMainWindow {
    Q_OBJECT
public:
    frmEdit(EditorStore& store, ProgramFolder folder, Reporter& reporter);
    ~frmEdit() override;

    Edit1& edit() { return m_edit; }
    GridState& grid() { return m_grid; }
    EditorGridModel* model() { return m_model; }

    // Lists the plain dictionaries of the program folder in cboDct.
    void listDictionaries();
    // Start-up: own.dct loaded (created empty when missing).
    void loadOwnDictionary();
    void FillGrid();
    void SelectRow(int r);
    // Shows record r in the word window, loading the window when needed.
    void ShowRecord(int& r);
    frmWord* wordWindow() const { return m_word; }

    void switchDictionary(const QString& name);
    void save();
    void copy();
    void cut();
    void paste();
    void addWord();
    void editWord(int r);
    void deleteWord();
    void newFile();
    // Asks whether to save unsaved changes before the dictionary is replaced (switching, a
    // new file): true to go on, false when the user cancelled or the save failed.
    bool mayReplaceDictionary();
    // File menu: a KVTML or text word list appended to the dictionary, and the dictionary
    // written as one.
    void importWordList();
    void exportWordList();

    QComboBox* cboDct = nullptr;
    QTableView* grdEdit = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileExport = nullptr;
    AskFunction ask;
    // Speaks the word window's texts; none means no speech.
    Speaker* speaker = nullptr;
    // The file dialogs and the column window, replaceable in tests.
    std::function<QString()> chooseImportFile;
    std::function<ExportChoice()> chooseExportFile;
    std::function<std::optional<QList<exchange::TextColumn>>(const exchange::TextList&,
                                                             const QString& fileName)>
        chooseColumns;
    std::function<void()> quit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What is typed in the word window goes into the store before anything reads or
    // replaces the store.
    void keepWordWindowEdits();
    // After the store changed under the word window: it shows the record it points at, or
    // closes when that record is gone.
    void refreshWordWindow();
    void fillWordWindow(int r);
    // The commands that work on a dictionary need one to be open.
    void updateCommands();
    void readViewRows();
    void applySelection();
    void readSelection();
    void setColumnWidths();
    void syncTopRow();

    EditorStore& s;
    GridState m_grid;
    Edit1 m_edit;
    Reporter& m_reporter;
    EditorGridModel* m_model = nullptr;
    QPointer<frmWord> m_word;
    bool m_syncing = false;
};

} // namespace vx::editor

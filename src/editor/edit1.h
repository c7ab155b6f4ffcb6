// The editor's store of up to 10000 records with their grid of cell texts, and the
// routines that read and write dictionary files and keep the grid and the store in step.
// No widget here: the grid window shows GridState through a table model.
#pragma once

#include "common/programfolder.h"
#include "common/reporter.h"
#include "words/dictfile.h"

#include <QString>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace vx {

inline constexpr int kEditorCapacity = 10000;
inline constexpr int kGridColumns = 11;
inline const QString kOwnDictionary = QStringLiteral("own.dct");
inline const QString kBackupFile = QStringLiteral("OWN.BAK");
inline const QString kNoMoreWords = QStringLiteral("No more words can be added to the dictionary.");

struct EditorStore {
    // Slots 1..10000, languages 1..5.
    std::vector<std::array<QString, 6>> recordText =
        std::vector<std::array<QString, 6>>(kEditorCapacity + 1);
    std::vector<std::array<qint16, 6>> recordLevel =
        std::vector<std::array<qint16, 6>>(kEditorCapacity + 1);
    std::vector<qint16> recordClass = std::vector<qint16>(kEditorCapacity + 1);
    int recordCount = 0;
    QString currentFile;
    bool changed = false;
    int currentWord = 0;

    WordRecord record(int r) const;
};

// The grid's cell texts apart from the store: row 0 is the header, data row r shows record r.
struct GridState {
    using Row = std::array<QString, kGridColumns>;
    std::vector<Row> cells{2};
    int row = 1, col = 0;       // the current cell
    int rowSel = 1, colSel = 0; // the far corner of the selection
    int topRow = 1;
    // Rows the view shows whole; the window keeps this and topRow in step with the view.
    int visibleRows = 23;

    int rows() const { return static_cast<int>(cells.size()); }
    void setRows(int n);
    int selTop() const { return std::min(row, rowSel); }
    int selBottom() const { return std::max(row, rowSel); }
    int selLeft() const { return std::min(col, colSel); }
    int selRight() const { return std::max(col, colSel); }
    // The selection's texts: cells of a row by tab, rows by CR, no CR after the last.
    QString clip() const;
    // Lays text into the selection from its top-left cell: a tab moves to the next column, a
    // CR to the next row; text outside the selection is dropped.
    void setClip(const QString& text);
};

// What the editor routines need from the windows.
struct EditorHooks {
    Reporter* reporter = nullptr;
    // Shows a record in the word window (it may lower r); by default nothing.
    std::function<void(int&)> showRecord;
    std::function<void(int)> selectRow;
    // The grid was rebuilt or rows changed, for the table model.
    std::function<void()> gridReset;
    std::function<void(int)> rowChanged;
};

class Edit1 {
public:
    Edit1(EditorStore& store, GridState& grid, ProgramFolder folder, EditorHooks hooks = {})
        : s(store), g(grid), m_folder(std::move(folder)), m_hooks(std::move(hooks)) {}

    EditorHooks& hooks() { return m_hooks; }
    const ProgramFolder& folder() const { return m_folder; }

    bool LoadDictionary(const QString& name);
    bool LoadDictionaryBytes(QByteArrayView data, const QString& name);
    // Writes records 1..recordCount with OWN.BAK keeping the previous file; false when it
    // reported an error (the file and OWN.BAK are then as they were).
    bool SaveDictionary(const QString& name);
    void ClearStore();
    void NewDictionary(const QString& name);

    void FillGrid();
    void FillRow(int r);
    void ScrollToRow(int& r);
    void ReadGrid();
    bool AddRecord();
    void DeleteRecord(int& r);
    // Empties the selected cells and reads the grid back.
    void ClearSelection();
    // The clipboard's text laid into the grid from the current row; false when refused.
    bool Paste(QString text);
    // Appends the records after the last one and marks the store changed; refused with the
    // New Word message when the store has no room for all of them.
    bool AppendRecords(const std::vector<WordRecord>& records);

    // Where the save goes wrong, for tests: called with the bytes about to be written; it
    // may shorten them and return false for a write that fails part-way.
    std::function<bool(QByteArray&)> writeFilter;

private:
    void report(const QString& text) {
        if (m_hooks.reporter)
            m_hooks.reporter->message(text);
    }
    void emptySlot(int r);
    // The cells that show record r.
    GridState::Row rowCells(int r) const;
    void gridReset() {
        if (m_hooks.gridReset)
            m_hooks.gridReset();
    }

    EditorStore& s;
    GridState& g;
    ProgramFolder m_folder;
    EditorHooks m_hooks;
};

// The level of a language entry from its cell texts: the leading number rounded halves to
// even when it lies between 0 and 6, else 3; 0 for an empty word.
int levelFromCell(const QString& wordCell, const QString& levelCell);

} // namespace vx

namespace vx {

// The word window's fields as the user left them.
struct WordFields {
    std::array<QString, 6> text;  // 1..5, as typed
    std::array<QString, 6> diffi; // 1..5
    int classIndex = -1;          // the chosen entry of the class list, -1 for none
    // What the user changed since the record was shown: language 1..5 (its text or its
    // difficulty) and the class.
    std::array<bool, 6> edited{};
    bool classEdited = false;
    bool anyEdited() const {
        return classEdited || std::find(edited.begin(), edited.end(), true) != edited.end();
    }
};

// StoreWordWindow: copies the edited fields into record `currentWord`; a language or class
// the user did not touch keeps what the record holds, so that showing and closing a record
// never changes it. Texts are stored as typed; a level needs a text and a value above 0
// and below 6, else 3. Only a record of the dictionary is written: editing the placeholder
// row of an empty dictionary adds the first record, so that the word is kept.
void StoreWordFields(EditorStore& store, const WordFields& fields);

// The fields that show a record: levels as digits, empty for 0; the class position, or -1
// for a class the list has no entry for.
WordFields FieldsOfRecord(const EditorStore& store, int r);

// The name of a new dictionary file, or an empty text with the message to show.
QString NewFileName(const QString& typed, const ProgramFolder& folder, QString& message);

} // namespace vx

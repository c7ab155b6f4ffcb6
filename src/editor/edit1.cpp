#include "edit1.h"

#include "common/cp1252.h"
#include "common/textconv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vx {

WordRecord EditorStore::record(int r) const {
    WordRecord w;
    for (int l = 1; l <= kLanguageCount; ++l) {
        w.text[l - 1] = recordText[r][l];
        w.level[l - 1] = recordLevel[r][l];
    }
    w.wordClass = recordClass[r];
    return w;
}

void GridState::setRows(int n) {
    cells.resize(static_cast<size_t>(std::max(n, 1)));
    row = std::min(row, rows() - 1);
    rowSel = std::min(rowSel, rows() - 1);
}

QString GridState::clip() const {
    QStringList lines;
    for (int r = selTop(); r <= selBottom() && r < rows(); ++r) {
        QStringList cellsOfRow;
        for (int c = selLeft(); c <= selRight(); ++c)
            cellsOfRow << cells[r][c];
        lines << cellsOfRow.join(u'\t');
    }
    return lines.join(u'\r');
}

void GridState::setClip(const QString& text) {
    int r = selTop();
    int c = selLeft();
    QString cell;
    auto put = [&] {
        if (r <= selBottom() && c <= selRight() && r >= 1 && r < rows())
            cells[r][c] = cell;
        cell.clear();
    };
    for (QChar ch : text) {
        if (ch == u'\t') {
            put();
            ++c;
        } else if (ch == u'\r') {
            put();
            ++r;
            c = selLeft();
        } else {
            cell += ch;
        }
    }
    if (!cell.isEmpty())
        put();
}

int levelFromCell(const QString& wordCell, const QString& levelCell) {
    if (wordCell.isEmpty())
        return 0;
    const double v = val(levelCell);
    return v > 0 && v < 6 ? static_cast<int>(roundHalfEven(v)) : 3;
}

void Edit1::emptySlot(int r) {
    for (int l = 1; l <= kLanguageCount; ++l) {
        s.recordText[r][l].clear();
        s.recordLevel[r][l] = 0;
    }
}

bool Edit1::LoadDictionary(const QString& name) {
    // The editor works on the user's own dictionaries only, never on the installed data.
    const QString path = m_folder.resolveForWriting(name);
    QFile file(path);
    if (!file.exists()) {
        // A missing file is created empty and reads as a dictionary of no records.
        if (!file.open(QIODevice::WriteOnly)) {
            report(QStringLiteral("The following error occured while reading the file ") + name +
                   QStringLiteral(": ") + file.errorString());
            return false;
        }
        file.close();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("The following error occured while reading the file ") + name +
               QStringLiteral(": ") + file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    return LoadDictionaryBytes(data, name);
}

bool Edit1::LoadDictionaryBytes(QByteArrayView data, const QString& name) {
    ByteCursor cursor(data);
    if (readEncipheredField(cursor) != 0) {
        report(QStringLiteral("The file ") + name +
               QStringLiteral(" is encrypted or corrupted and cannot be edited."));
        return false;
    }
    s.recordCount = 0;
    int n = 1;
    RawRecord raw;
    bool readError = false;
    for (;;) {
        if (n > kEditorCapacity)
            break;
        const RecordStatus status = readRawRecord(cursor, raw);
        // The spare after each language entry must be two blanks.
        bool corrupted = false;
        for (int l = 0; l < raw.entriesRead; ++l)
            corrupted = corrupted || raw.entries[l].spare != QByteArray(kSpare, 2);
        if (corrupted) {
            report(QStringLiteral("The dictionary file ") + name +
                   QStringLiteral(" is corrupted."));
            break;
        }
        if (status == RecordStatus::BadLength) {
            readError = true;
            report(QStringLiteral("The following error occured while reading the file ") + name +
                   QStringLiteral(": the record %1 has an invalid text length.").arg(n));
            break;
        }
        if (status != RecordStatus::Complete)
            break;
        // A level or class below what the store's 16 bits hold would come back as another
        // number: the file is refused like any other it cannot be read.
        const auto fitsStore = [](int v) { return v >= -32768; };
        bool fits = fitsStore(raw.wordClass);
        for (const RawEntry& e : raw.entries)
            fits = fits && fitsStore(e.level);
        if (!fits) {
            readError = true;
            report(
                QStringLiteral("The following error occured while reading the file ") + name +
                QStringLiteral(": the record %1 has a level or word class out of range.").arg(n));
            break;
        }
        for (int l = 1; l <= kLanguageCount; ++l) {
            s.recordText[n][l] = fromCp1252(raw.entries[l - 1].text);
            s.recordLevel[n][l] = static_cast<qint16>(raw.entries[l - 1].level);
        }
        s.recordClass[n] = static_cast<qint16>(raw.wordClass);
        s.recordCount = n;
        ++n;
    }
    // The record being read when reading stopped is not counted; its slot is emptied.
    if (n <= kEditorCapacity)
        emptySlot(n);
    if (readError)
        return false;
    s.currentFile = name;
    s.changed = false;
    return true;
}

bool Edit1::SaveDictionary(const QString& name) {
    auto fail = [&](const QString& description) {
        report(QStringLiteral("The following error occurred when attempting to save the file ") +
               name + QStringLiteral(": ") + description);
        return false;
    };
    // Every record is checked against what the format can hold before any file is touched.
    std::vector<WordRecord> records;
    records.reserve(static_cast<size_t>(s.recordCount));
    for (int r = 1; r <= s.recordCount; ++r)
        records.push_back(s.record(r));
    QByteArray data;
    QString error;
    if (!encodeDictionary(records, false, data, error))
        return fail(error.replace(0, 1, error.left(1).toUpper()) + u'.');

    // The new file is written under a temporary name; the previous one is kept as OWN.BAK
    // and replaced only when the new one is complete.
    const QString path = m_folder.resolveForWriting(name);
    const QString backup = m_folder.resolveForWriting(kBackupFile);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // A write filter (tests) may keep back part of the data and report a failure, as a
    // full disk would after writing part of the file.
    QByteArray written = data;
    const bool refused = writeFilter && !writeFilter(written);
    if (file.write(written) != written.size() || refused) {
        const QString why = refused ? QStringLiteral("the disk is full.") : file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (QFileInfo::exists(path)) {
        // Without its backup the previous version would be gone: the save stops here.
        QFile::remove(backup);
        QFile previous(path);
        if (!previous.copy(backup)) {
            file.cancelWriting();
            return fail(QStringLiteral("the backup ") + kBackupFile +
                        QStringLiteral(" could not be written (") + previous.errorString() +
                        QStringLiteral(")."));
        }
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

void Edit1::ClearStore() {
    for (int r = 1; r <= kEditorCapacity; ++r)
        emptySlot(r);
    g.cells.assign(2, {});
    g.row = g.rowSel = 1;
    g.col = g.colSel = 0;
    g.topRow = 1;
    gridReset();
}

void Edit1::NewDictionary(const QString& name) {
    ClearStore();
    s.currentFile = name;
    s.recordCount = 1;
    s.recordClass[1] = 1; // the one record is a noun, like a record added by New Word
    FillGrid();
    s.changed = true;
}

GridState::Row Edit1::rowCells(int r) const {
    GridState::Row cells;
    for (int l = 1; l <= kLanguageCount; ++l) {
        cells[2 * l - 2] = s.recordText[r][l];
        cells[2 * l - 1] =
            s.recordLevel[r][l] == 0 ? QString() : QString::number(s.recordLevel[r][l]);
    }
    cells[10] = QString::number(s.recordClass[r]);
    return cells;
}

void Edit1::FillRow(int r) {
    if (r < 1 || r >= g.rows())
        return;
    g.cells[static_cast<size_t>(r)] = rowCells(r);
    if (m_hooks.rowChanged)
        m_hooks.rowChanged(r);
}

void Edit1::FillGrid() {
    g.setRows(s.recordCount == 0 ? 2 : s.recordCount + 1);
    if (s.recordCount == 0)
        g.cells[1] = {};
    for (int r = 1; r <= s.recordCount; ++r)
        g.cells[static_cast<size_t>(r)] = rowCells(r);
    gridReset();
    int first = 1;
    ScrollToRow(first);
}

void Edit1::ScrollToRow(int& r) {
    if (s.recordCount == 0)
        r = 1;
    else if (r > s.recordCount)
        r = s.recordCount;
    const int shown = std::max(1, g.visibleRows);
    if (r < g.topRow)
        g.topRow = r;
    else if (g.topRow < r - (shown - 1))
        g.topRow = r - (shown - 1);
}

void Edit1::ReadGrid() {
    for (int i = 1; i < g.rows(); ++i) {
        const auto& cells = g.cells[static_cast<size_t>(i)];
        // A row that still shows its record is not read back: reading would turn a level
        // the grid cannot show (0 or above 5 beside a word) into 3 in records nobody touched.
        if (i <= kEditorCapacity && cells == rowCells(i))
            continue;
        for (int l = 1; l <= kLanguageCount; ++l) {
            QString text = trimBlanks(cells[2 * l - 2]);
            text.remove(u'\r');
            text.remove(u'\n');
            s.recordText[i][l] = text;
            s.recordLevel[i][l] =
                static_cast<qint16>(levelFromCell(cells[2 * l - 2], cells[2 * l - 1]));
        }
        s.recordClass[i] = static_cast<qint16>(
            std::clamp<long long>(roundHalfEven(val(cells[10])), -32768, 32767));
    }
}

bool Edit1::AddRecord() {
    if (s.recordCount >= kEditorCapacity) {
        report(kNoMoreWords);
        return false;
    }
    ++s.recordCount;
    g.setRows(s.recordCount + 1);
    gridReset();
    emptySlot(s.recordCount);
    s.recordClass[s.recordCount] = 1;
    FillRow(s.recordCount);
    int r = s.recordCount;
    if (m_hooks.showRecord)
        m_hooks.showRecord(r);
    if (m_hooks.selectRow)
        m_hooks.selectRow(s.recordCount);
    return true;
}

void Edit1::DeleteRecord(int& r) {
    if (s.recordCount == 0 || r < 1 || r > s.recordCount)
        return;
    for (int c = r; c < s.recordCount; ++c) {
        s.recordText[c] = s.recordText[c + 1];
        s.recordLevel[c] = s.recordLevel[c + 1];
        s.recordClass[c] = s.recordClass[c + 1];
    }
    emptySlot(s.recordCount);
    s.recordClass[s.recordCount] = 0;
    --s.recordCount;
    g.setRows(s.recordCount == 0 ? 2 : s.recordCount + 1);
    if (s.recordCount == 0)
        g.cells[1] = {};
    gridReset();
    ScrollToRow(r);
    for (int i = r; i <= s.recordCount; ++i)
        FillRow(i);
}

void Edit1::ClearSelection() {
    for (int r = g.selTop(); r <= g.selBottom() && r < g.rows(); ++r)
        for (int c = g.selLeft(); c <= g.selRight(); ++c)
            g.cells[static_cast<size_t>(r)][static_cast<size_t>(c)].clear();
    ReadGrid();
    FillGrid();
    s.changed = true;
}

bool Edit1::Paste(QString text) {
    // Rows end in CR LF, LF alone (spreadsheets) or CR alone (the grid's own clip): each is
    // one row end, so that no LF is left at the start of the next row's first cell, where
    // it would make a level or class read as no number.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    text.replace(u'\n', u'\r');
    int n = static_cast<int>(text.count(u'\r'));
    // A last line without a line end is a row too, so that a single cell copied from
    // elsewhere lands in the current row rather than the one above it.
    if (!text.isEmpty() && !text.endsWith(u'\r'))
        ++n;
    // Records are added for the pasted rows that lie past the last record, and no more: an
    // empty record after them would be a word nobody typed.
    const int current = g.row;
    const int lastRow = current + n - 1;
    const int rounds = std::max(0, lastRow - s.recordCount);
    if (s.recordCount + rounds > kEditorCapacity) {
        report(kNoMoreWords);
        return false;
    }
    for (int k = 0; k < rounds; ++k) {
        ++s.recordCount;
        g.setRows(s.recordCount + 1);
        emptySlot(s.recordCount);
        s.recordClass[s.recordCount] = 1;
        FillRow(s.recordCount);
    }
    g.rowSel = lastRow;
    if (!text.isEmpty())
        g.setClip(text);
    ReadGrid();
    FillGrid();
    s.changed = true;
    return true;
}

bool Edit1::AppendRecords(const std::vector<WordRecord>& records) {
    if (records.size() > static_cast<size_t>(kEditorCapacity - s.recordCount)) {
        report(kNoMoreWords);
        return false;
    }
    for (const WordRecord& w : records) {
        const int r = ++s.recordCount;
        for (int l = 1; l <= kLanguageCount; ++l) {
            s.recordText[r][l] = w.text[l - 1];
            s.recordLevel[r][l] = static_cast<qint16>(w.level[l - 1]);
        }
        s.recordClass[r] = static_cast<qint16>(w.wordClass);
    }
    FillGrid();
    s.changed = true;
    return true;
}

} // namespace vx

namespace vx {

void StoreWordFields(EditorStore& s, const WordFields& f) {
    const int c = s.currentWord;
    // Only a record of the dictionary, or the placeholder row of an empty one, is written.
    if (c < 1 || c > std::max(s.recordCount, 1))
        return;
    for (int l = 1; l <= kLanguageCount; ++l) {
        if (!f.edited[l])
            continue;
        s.recordText[c][l] = f.text[l];
        s.recordLevel[c][l] = static_cast<qint16>(levelFromCell(f.text[l], f.diffi[l]));
    }
    if (f.classIndex >= 0 && f.classEdited)
        s.recordClass[c] = static_cast<qint16>(f.classIndex);
    if (s.recordCount == 0 && c == 1) {
        bool any = false;
        for (int l = 1; l <= kLanguageCount; ++l)
            any = any || !f.text[l].isEmpty();
        if (any)
            s.recordCount = 1;
    }
}

WordFields FieldsOfRecord(const EditorStore& s, int r) {
    WordFields f;
    if (r < 1 || r > kEditorCapacity)
        return f;
    for (int l = 1; l <= kLanguageCount; ++l) {
        f.text[l] = s.recordText[r][l];
        f.diffi[l] = s.recordLevel[r][l] == 0 ? QString() : QString::number(s.recordLevel[r][l]);
    }
    f.classIndex = s.recordClass[r] >= 0 && s.recordClass[r] <= 3 ? s.recordClass[r] : -1;
    return f;
}

QString NewFileName(const QString& typed, const ProgramFolder& folder, QString& message) {
    QString name = typed;
    if (ucase(name.right(4)) != QLatin1String(".DCT")) {
        if (name.contains(u'.'))
            message = QStringLiteral("Invalid filename.");
        else if (name.contains(u'\\'))
            message = QStringLiteral("invalid filename.");
        else if (name.contains(u' '))
            message = QStringLiteral("Invalid filename. The name may not contain spaces.");
        else if (name.contains(u'?'))
            message = QStringLiteral("Invalid filename. The name may not contain question marks.");
        else if (name.contains(u'*'))
            message = QStringLiteral("Invalid filename. The name may not contain *.");
        if (!message.isEmpty())
            return {};
        name += QStringLiteral(".DCT");
    }
    if (name.size() > 25) {
        message = QStringLiteral("The filename can not be more than 25 characters long!");
        return {};
    }
    // Names that the file system cannot hold are refused like the other bad names.
    if (name.contains(u'/') || name.startsWith(u'.') || name.size() <= 4) {
        message = QStringLiteral("Invalid filename.");
        return {};
    }
    if (folder.exists(name)) {
        message = QStringLiteral("The file already exists.");
        return {};
    }
    return name;
}

} // namespace vx

// The File menu's word-list commands of the grid window: import of KVTML and text word
// lists from other vocabulary programs, and export of the dictionary in those formats.
#include "app/messagebox.h"
#include "exchange/kvtml.h"
#include "frmcolumns.h"
#include "frmedit.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace vx::editor {

namespace {

const QString kImportFilter =
    QStringLiteral("Word lists (*.kvtml *.txt *.csv *.tsv);;KVTML word lists (*.kvtml);;"
                   "Text word lists (*.txt *.csv *.tsv);;All files (*)");
const QString kKvtmlFilter = QStringLiteral("KVTML word list (*.kvtml)");
const QString kTextFilter = QStringLiteral("Tab-separated text, UTF-8 (*.txt)");

} // namespace

void frmEdit::importWordList() {
    keepWordWindowEdits();
    const QString path =
        chooseImportFile ? chooseImportFile()
                         : QFileDialog::getOpenFileName(this, QStringLiteral("Import word list"),
                                                        QDir::homePath(), kImportFilter);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_reporter.message(
            QStringLiteral("The word list %1 cannot be read: %2").arg(name, file.errorString()));
        return;
    }
    const QByteArray data = file.readAll();

    exchange::ImportResult result;
    QString error;
    bool read = false;
    if (exchange::isXmlWordList(name, data)) {
        WaitCursor wait;
        read = exchange::readKvtml(data, name, result, error);
    } else {
        const exchange::TextList list = exchange::readTextList(data);
        QList<exchange::TextColumn> columns = list.header;
        if (columns.isEmpty() && !list.rows.isEmpty()) {
            const auto chosen = chooseColumns ? chooseColumns(list, name) : [&] {
                frmColumns window(list, name, this);
                return window.exec() == QDialog::Accepted
                           ? std::optional<QList<exchange::TextColumn>>(window.columns())
                           : std::nullopt;
            }();
            if (!chosen)
                return;
            columns = *chosen;
        }
        if (list.rows.isEmpty()) {
            error = QStringLiteral("The word list %1 holds no words.").arg(name);
        } else {
            WaitCursor wait;
            read = exchange::textRecords(list, columns, name, result, error);
        }
    }
    if (read && result.records.empty())
        error =
            QStringLiteral("The word list %1 holds no words in Swedish, English, German, French "
                           "or Spanish.")
                .arg(name);
    if (!error.isEmpty()) {
        const QString skipped = result.skippedSummary();
        m_reporter.message(skipped.isEmpty() ? error : error + u'\n' + skipped);
        return;
    }

    const int first = s.recordCount + 1;
    bool added = false;
    {
        WaitCursor wait;
        added = m_edit.AppendRecords(result.records);
    }
    if (!added)
        return;
    SelectRow(first);
    // The words added are shown from the top of the view, not at its bottom edge.
    m_grid.topRow = first;
    syncTopRow();
    refreshWordWindow();
    const int count = static_cast<int>(result.records.size());
    QString text = count == 1 ? QStringLiteral("1 word was added from %1.").arg(name)
                              : QStringLiteral("%1 words were added from %2.").arg(count).arg(name);
    const QString skipped = result.skippedSummary();
    if (!skipped.isEmpty())
        text += u'\n' + skipped;
    m_reporter.message(text);
}

void frmEdit::exportWordList() {
    keepWordWindowEdits();
    std::vector<WordRecord> records;
    for (int r = 1; r <= s.recordCount; ++r) {
        const WordRecord w = s.record(r);
        for (const QString& t : w.text)
            if (!t.isEmpty()) {
                records.push_back(w);
                break;
            }
    }
    if (records.empty()) {
        m_reporter.message(
            QStringLiteral("The dictionary %1 holds no words to export.").arg(s.currentFile));
        return;
    }
    const QString title = QFileInfo(s.currentFile).completeBaseName();
    ExportChoice choice;
    if (chooseExportFile) {
        choice = chooseExportFile();
    } else {
        QString filter = kKvtmlFilter;
        choice.path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export word list"),
            QDir(QDir::homePath()).filePath(title + QStringLiteral(".kvtml")),
            kKvtmlFilter + QStringLiteral(";;") + kTextFilter, &filter);
        choice.kvtml = filter != kTextFilter;
        // The name ends as the chosen format's files do: the dialog keeps the ending of the
        // proposed name when the user picks the other format.
        if (!choice.path.isEmpty()) {
            const QFileInfo info(choice.path);
            const QString other = choice.kvtml ? QStringLiteral("txt") : QStringLiteral("kvtml");
            if (info.suffix().compare(other, Qt::CaseInsensitive) == 0)
                choice.path.chop(other.size() + 1);
            if (info.suffix().isEmpty() || info.suffix().compare(other, Qt::CaseInsensitive) == 0)
                choice.path += choice.kvtml ? QStringLiteral(".kvtml") : QStringLiteral(".txt");
        }
    }
    if (choice.path.isEmpty())
        return;
    const QString name = QFileInfo(choice.path).fileName();
    QSaveFile file(choice.path);
    bool written = false;
    {
        WaitCursor wait;
        const QByteArray data =
            choice.kvtml ? exchange::writeKvtml(records, title) : exchange::writeTextList(records);
        written =
            file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
    }
    if (!written) {
        m_reporter.message(
            QStringLiteral("The following error occurred when attempting to save the file ") +
            name + QStringLiteral(": ") + file.errorString());
        return;
    }
    const int count = static_cast<int>(records.size());
    m_reporter.message(count == 1
                           ? QStringLiteral("1 word was written to %1.").arg(name)
                           : QStringLiteral("%1 words were written to %2.").arg(count).arg(name));
}

} // namespace vx::editor

// The libFuzzer targets, one per reader of outside data; each is built from this file with
// FUZZ_TARGET_NAME naming the function it runs for every input, `bytes`. A reader must not
// crash and must keep the properties checked here: a broken one prints its condition and
// aborts, which libFuzzer records like a crash, with the input that caused it.
#include "common/cp1252.h"
#include "editor/edit1.h"
#include "exchange/kvtml.h"
#include "exchange/textlist.h"
#include "exercises/highscores/highscores.h"
#include "exercises/verb/verbs.h"
#include "tools/dicttool/tsv.h"
#include "words/dictfile.h"
#include "words/langfile.h"
#include "words/settings.h"
#include "words/wordstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <map>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

using namespace vx;
using namespace vx::exchange;

namespace fuzz {

bool sameEntries(const std::vector<LanguageEntry>& a, const std::vector<LanguageEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.number == y.number && x.texts == y.texts;
    });
}

// Language entries written as a language file of `count` languages read back as they were.
bool writesBack(const std::vector<LanguageEntry>& entries, int count) {
    QByteArray file;
    QString error;
    std::vector<LanguageEntry> back;
    return encodeLanguageFile(entries, int16_t(count), file, error) &&
           decodeLanguageFile(file, back, error) && sameEntries(back, entries);
}

// The exercise program's dictionary loader over any bytes: two loads into one store (the
// second appends behind the first) and two into a store that has room for two more words.
void load(WordStore& store, QByteArrayView data, int from, int fromSub, int to) {
    CollectingReporter reporter;
    const LoadContext context{
        .fromLanguage = from, .fromSub = fromSub, .toLanguage = to, .reporter = &reporter};
    const int before = store.wordCount;
    LoadDictionaryBytes(store, data, QStringLiteral("fuzz.dct"), context);
    FUZZ_CHECK(store.wordCount >= before && store.wordCount <= WordStore::kCapacity);
}

void fuzz_wordstore(QByteArrayView bytes) {
    // English (British spelling) as the own language with German practised, then Swedish
    // with English practised.
    WordStore store;
    load(store, bytes, 2, 0, 3);
    load(store, bytes, 1, 0, 2);
    for (int i = 1; i <= store.wordCount; ++i) {
        FUZZ_CHECK(!store.isUsed(i));
        (void)NormalizeText(store.GetWord(i, 1));
        (void)NormalizeText(store.GetWord(i, 2));
    }
    // American English with Spanish practised, into a store nearly full.
    WordStore nearlyFull;
    nearlyFull.wordCount = WordStore::kCapacity - 2;
    load(nearlyFull, bytes, 2, 1, 5);
    load(nearlyFull, bytes, 2, 1, 5);
}

// The editor's dictionary loader over any bytes, followed by what the editor does with a
// loaded file: the grid filled from the store, and the other way outside data comes in,
// the same bytes pasted as tab-separated text from the clipboard.
void fuzz_edit1(QByteArrayView bytes) {
    // One store for every input, like the editor's, which opens file after file into it: a
    // fresh store of 10000 records per input would cost far more than the load.
    static EditorStore store;
    GridState grid;
    CollectingReporter reporter;
    Edit1 edit(store, grid, ProgramFolder(), {.reporter = &reporter});

    const bool loaded = edit.LoadDictionaryBytes(bytes, QStringLiteral("fuzz.dct"));
    FUZZ_CHECK(store.recordCount >= 0 && store.recordCount <= kEditorCapacity);
    FUZZ_CHECK(loaded || !reporter.messages.isEmpty());
    // The grid shows what the store holds, a file refused part-way included.
    edit.FillGrid();
    FUZZ_CHECK(grid.rows() == std::max(store.recordCount + 1, 2));
    for (int r = 1; r <= store.recordCount; ++r)
        (void)store.record(r);

    // The same bytes pasted over whole rows, from the first row and then from the last.
    const QString text = QString::fromUtf8(bytes);
    grid.col = 0;
    grid.colSel = kGridColumns - 1;
    if (edit.Paste(text)) {
        FUZZ_CHECK(store.recordCount <= kEditorCapacity &&
                   grid.rows() == std::max(store.recordCount + 1, 2));
        grid.row = grid.rowSel = grid.rows() - 1;
        (void)edit.Paste(text);
    }

    // What this input left is cleared, so that every input meets the same empty store.
    for (int r = 1; r <= std::min(store.recordCount + 1, kEditorCapacity); ++r) {
        store.recordText[r].fill(QString());
        store.recordLevel[r].fill(0);
        store.recordClass[r] = 0;
    }
    store.recordCount = store.currentWord = 0;
    store.currentFile.clear();
    store.changed = false;
}

// The language file over any bytes: the exercise program's reader for every language, and
// the whole-file decoder of the data tool. Where the decoder accepts a file, both readers
// must agree on its texts, and writing the entries back must give the same entries.
void fuzz_langfile(QByteArrayView bytes) {
    std::array<TextTable, kLanguageCount + 1> tables;
    std::array<LanguageFileResult, kLanguageCount + 1> results{};
    for (int code = 1; code <= kLanguageCount; ++code) {
        CollectingReporter reporter;
        results[code] = ReadLanguageBytes(bytes, code, tables[code], reporter);
        FUZZ_CHECK(results[code] != LanguageFileResult::Missing);
        FUZZ_CHECK((results[code] == LanguageFileResult::Read) == reporter.messages.isEmpty());
        for (int n = 0; n <= kLastTextNumber; ++n)
            (void)StripAmpersands(tables[code].text(n));
    }

    std::vector<LanguageEntry> entries;
    QString error;
    if (!decodeLanguageFile(bytes, entries, error)) {
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    // The last entry of a number wins in the exercise program's table.
    std::map<int, QStringList> last;
    for (const LanguageEntry& e : entries)
        last[e.number] = e.texts;
    for (int code = 1; code <= kLanguageCount; ++code) {
        FUZZ_CHECK(results[code] == LanguageFileResult::Read);
        for (const auto& [number, texts] : last)
            FUZZ_CHECK(tables[code].uiText[number] == texts.value(code - 1));
    }

    if (bytes.size() >= 2) // the language count read, the entries written back
        FUZZ_CHECK(writesBack(entries, int16_t(uint8_t(bytes[0]) | (uint8_t(bytes[1]) << 8))));
}

// The verb file reader over any bytes. A refused file leaves the state as it was, with one
// message; an accepted one holds 1..4 forms and at most 500 complete rows.
void fuzz_verbs(QByteArrayView bytes) {
    VerbState state;
    CollectingReporter reporter;
    if (!LoadVerbBytes(state, bytes, QStringLiteral("VERB03.TXT"), reporter)) {
        FUZZ_CHECK(state.FormCount == 0 && state.VerbCount == 0 && reporter.messages.size() == 1);
        return;
    }
    FUZZ_CHECK(reporter.messages.isEmpty() && state.FormCount >= 1 && state.FormCount <= kMaxForms);
    FUZZ_CHECK(state.VerbCount >= 0 && state.VerbCount <= kMaxVerbs);
    for (int row = 1; row <= state.VerbCount; ++row)
        for (int c = 1; c <= state.FormCount; ++c) {
            FUZZ_CHECK(!state.VerbTable[row][c].isEmpty());
            (void)IsRightForm(state.VerbTable[row][c], state.VerbTable[row][c]);
        }
}

// The high-score reader over any bytes; the list read is then ranked like a finished game,
// written back and read again.
void fuzz_highscores(QByteArrayView bytes) {
    HighScoreList list = ReadHighScoreBytes(bytes);
    for (int k = 1; k <= 10; ++k)
        FUZZ_CHECK(!list.lblScore[k].isEmpty());
    const int rank = AddHighScore(list, 100);
    FUZZ_CHECK(rank >= 0 && rank <= 10);
    // Whatever names the file held, the list written back reads back as it was, a double
    // quote in a name becoming an apostrophe.
    const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(list));
    for (int k = 1; k <= 10; ++k) {
        FUZZ_CHECK(back.lblScore[k] == list.lblScore[k]);
        FUZZ_CHECK(back.lblName[k] == QString(list.lblName[k]).replace(u'"', u'\''));
    }
}

// The settings reader over any bytes: every key the exercise program reads, a write in place
// read back, and the whole reading of the Misc and Languages sections through a file.
void fuzz_settings(QByteArrayView bytes) {
    const QStringList lines = vx::textLines(bytes);
    const std::pair<QString, QString> keys[] = {{"Misc", "ColorScheme"},  {"Misc", "FullScreen"},
                                                {"Misc", "SeenWarranty"}, {"Languages", "From"},
                                                {"Languages", "FromSub"}, {"Languages", "To"}};
    QString value;
    for (const auto& [section, key] : keys) {
        if (ProfileFile::findValue(lines, section, key, value))
            (void)ProfileFile::parseInt(value);
        // A value written in place is the one read next.
        QString back;
        FUZZ_CHECK(ProfileFile::findValue(ProfileFile::withValue(lines, section, key, "7"), section,
                                          key, back) &&
                   back == QStringLiteral("7"));
    }
    // A key named by the input's first line, for names the fixed ones do not reach.
    (void)ProfileFile::findValue(lines, QStringLiteral("Misc"), lines.value(0), value);
    (void)ProfileFile::parseInt(lines.value(0));

    static const QString path = QDir::temp().filePath(
        QStringLiteral("vokabrix-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), bytes.size());
        file.close();
        AppSettings settings;
        ReadMiscSettings(ProfileFile(path), settings);
        ReadLanguageSettings(ProfileFile(path), settings);
        FUZZ_CHECK(settings.colorScheme != 0 && settings.toLanguage != 0 &&
                   settings.fromLanguage != 0 && settings.fromLanguage != -1);
    }
}

// dicttool import over any text, plain and enciphered. What the importer accepts must
// encode, and decoding the file must give the same records back; exporting the records
// as text and importing that again must also give them back.
void fuzz_tsv_dictionary(QByteArrayView bytes) {
    const QByteArray text = bytes.toByteArray();
    for (const bool enciphered : {false, true}) {
        std::vector<WordRecord> records;
        QString error;
        if (!tsv::importDictionary(text, QStringLiteral("fuzz.tsv"), enciphered, records, error)) {
            FUZZ_CHECK(!error.isEmpty() && records.empty());
            continue;
        }
        QByteArray file;
        FUZZ_CHECK(encodeDictionary(records, enciphered, file, error));
        std::vector<WordRecord> decoded;
        bool wasEnciphered = !enciphered;
        FUZZ_CHECK(decodeDictionary(file, decoded, wasEnciphered, error));
        FUZZ_CHECK(wasEnciphered == enciphered && decoded == records);
        std::vector<WordRecord> reimported;
        FUZZ_CHECK(tsv::importDictionary(tsv::exportDictionary(records), QStringLiteral("export"),
                                         enciphered, reimported, error) &&
                   reimported == records);
    }
}

// dicttool lang-import over any text. What the importer accepts must encode as a language
// file of five languages, and decoding it must give the same entries back; exporting the
// entries as text and importing that again must also give them back.
void fuzz_tsv_language(QByteArrayView bytes) {
    const QByteArray text = bytes.toByteArray();
    std::vector<LanguageEntry> entries;
    QString error;
    if (!tsv::importLanguage(text, QStringLiteral("fuzz.tsv"), entries, error)) {
        FUZZ_CHECK(!error.isEmpty() && entries.empty());
        return;
    }
    FUZZ_CHECK(writesBack(entries, kLanguageCount));
    std::vector<LanguageEntry> reimported;
    FUZZ_CHECK(tsv::importLanguage(tsv::exportLanguage(entries), QStringLiteral("export"),
                                   reimported, error) &&
               sameEntries(reimported, entries));
}

// The word-list readers over any bytes: a KVTML file and a text list with its header's
// columns. A refused input gives a message and no records; an accepted one gives records a
// dictionary file can store, and writing them out and reading them back gives them again.
void checkRead(bool accepted, const ImportResult& result, const QString& readError, bool viaKvtml) {
    FUZZ_CHECK(accepted ||
               (result.records.empty() && readError.startsWith(viaKvtml ? "f.kvtml" : "f.txt")));
    FUZZ_CHECK(result.records.size() <= size_t(kMaxWordListRecords));
    QByteArray file;
    QString error;
    FUZZ_CHECK(encodeDictionary(result.records, false, file, error));
    // A list without words is never written out: the editor says it holds none to export.
    if (result.records.empty())
        return;
    ImportResult again;
    if (viaKvtml) {
        FUZZ_CHECK(readKvtml(writeKvtml(result.records, "t"), "t", again, error));
    } else {
        const TextList list = readTextList(writeTextList(result.records));
        FUZZ_CHECK(textRecords(list, list.header, "t", again, error));
    }
    FUZZ_CHECK(again.records == result.records);
}

void fuzz_wordlists(QByteArrayView bytes) {
    ImportResult result;
    QString error;
    checkRead(readKvtml(bytes, QStringLiteral("f.kvtml"), result, error), result, error, true);

    const TextList list = readTextList(bytes);
    error.clear();
    if (list.header.isEmpty())
        return;
    checkRead(textRecords(list, list.header, QStringLiteral("f.txt"), result, error), result, error,
              false);
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FUZZ_TARGET_NAME(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}

// dicttool: converts dictionaries and the language file between their binary form and
// tab-separated UTF-8 text. The build uses it to make VOKABRIX.DCT and LANG.CRP from data/.
#include "exchange/kvtml.h"
#include "exchange/textlist.h"
#include "tsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

using namespace vx;

namespace {

const char kHelp[] =
    "Usage: dicttool COMMAND ...\n"
    "\n"
    "  export FILE.dct               print a dictionary as tab-separated UTF-8 text, one\n"
    "                                record a line: text 1, level 1, ..., text 5, level 5,\n"
    "                                word class (an empty level cell means level 0).\n"
    "                                Enciphered dictionaries are deciphered.\n"
    "  import FILE.tsv OUT.dct [--enciphered]\n"
    "                                make a dictionary from that text; --enciphered writes\n"
    "                                an enciphered file like the built-in dictionary.\n"
    "  lang-export LANG.CRP          print the language file: the text number, then the\n"
    "                                Swedish, English, German, French and Spanish texts.\n"
    "  lang-import FILE.tsv OUT.CRP  make a language file from that text.\n"
    "  import-kvtml FILE.kvtml OUT.dct\n"
    "                                make a dictionary from a KVTML 2.0 word list of KDE's\n"
    "                                vocabulary trainers; languages other than the five are\n"
    "                                skipped, nouns get their article or gender mark.\n"
    "  export-kvtml IN.dct OUT.kvtml write a dictionary as a KVTML 2.0 word list.\n"
    "  import-text FILE OUT.dct [--columns LIST]\n"
    "                                make a dictionary from a word list of tab-, comma- or\n"
    "                                semicolon-separated cells (UTF-8, UTF-16 or\n"
    "                                Windows-1252). Without a header row naming the\n"
    "                                languages, --columns says what each column holds, e.g.\n"
    "                                de,en or sv,-,en (- for a column to leave out).\n"
    "  export-text IN.dct OUT.txt    write a dictionary as tab-separated UTF-8 text with a\n"
    "                                header row: each language and its level, the word class.\n"
    "\n"
    "In the text forms, empty lines and lines starting with # are skipped, and the\n"
    "characters tab, line feed, carriage return, backslash and # are written \\t, \\n,\n"
    "\\r, \\\\ and \\#. Texts must be Windows-1252 characters, at most 867 bytes (866 when\n"
    "enciphered); levels and classes whole numbers up to 867.\n"
    "On bad input dicttool names the file and line, exits with status 1 and writes no\n"
    "output file.\n";

int fail(const QString& message) {
    std::fprintf(stderr, "dicttool: %s\n", qPrintable(message));
    return 1;
}

bool readFile(const QString& path, QByteArray& data, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// Written under a temporary name and renamed at the end: never a half-written file.
bool writeFile(const QString& path, const QByteArray& data, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool readDictionary(const QString& path, std::vector<WordRecord>& records, QString& error) {
    QByteArray data;
    if (!readFile(path, data, error))
        return false;
    bool enciphered = false;
    if (!decodeDictionary(data, records, enciphered, error)) {
        error = path + QStringLiteral(": ") + error;
        return false;
    }
    return true;
}

bool writeDictionary(const QString& path, const exchange::ImportResult& result, QString& error) {
    QByteArray out;
    if (!encodeDictionary(result.records, false, out, error) || !writeFile(path, out, error))
        return false;
    const QString skipped = result.skippedSummary();
    std::fprintf(stderr, "dicttool: %d words%s%s\n", static_cast<int>(result.records.size()),
                 skipped.isEmpty() ? "" : "; ", qPrintable(skipped));
    return true;
}

// "de,en" or "sv,-,en": what each column of a text list holds.
bool parseColumns(const QString& given, QList<exchange::TextColumn>& columns, QString& error) {
    for (const QString& name : given.split(u',')) {
        exchange::TextColumn c;
        if (name.trimmed() != QLatin1String("-")) {
            c = exchange::headerColumn(name, 0);
            if (c.kind == exchange::TextColumn::Kind::Ignored) {
                error = QStringLiteral("--columns: \"%1\" names no language").arg(name);
                return false;
            }
        }
        columns << c;
    }
    return true;
}

void printOut(const QByteArray& data) {
    std::fwrite(data.constData(), 1, static_cast<size_t>(data.size()), stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    QString error;
    QByteArray data;

    if (command == QLatin1String("export") && args.size() == 1) {
        if (!readFile(args[0], data, error))
            return fail(error);
        std::vector<WordRecord> records;
        bool enciphered = false;
        if (!decodeDictionary(data, records, enciphered, error))
            return fail(args[0] + QStringLiteral(": ") + error);
        printOut(tsv::exportDictionary(records));
        return 0;
    }
    if (command == QLatin1String("import") && (args.size() == 2 || args.size() == 3)) {
        const bool enciphered = args.size() == 3;
        if (enciphered && args[2] != QLatin1String("--enciphered"))
            return fail(QStringLiteral("unknown option %1 (see dicttool --help)").arg(args[2]));
        if (!readFile(args[0], data, error))
            return fail(error);
        std::vector<WordRecord> records;
        QByteArray out;
        if (!tsv::importDictionary(data, args[0], enciphered, records, error) ||
            !encodeDictionary(records, enciphered, out, error) || !writeFile(args[1], out, error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("lang-export") && args.size() == 1) {
        if (!readFile(args[0], data, error))
            return fail(error);
        std::vector<LanguageEntry> entries;
        if (!decodeLanguageFile(data, entries, error))
            return fail(args[0] + QStringLiteral(": ") + error);
        printOut(tsv::exportLanguage(entries));
        return 0;
    }
    if (command == QLatin1String("lang-import") && args.size() == 2) {
        if (!readFile(args[0], data, error))
            return fail(error);
        std::vector<LanguageEntry> entries;
        QByteArray out;
        if (!tsv::importLanguage(data, args[0], entries, error) ||
            !encodeLanguageFile(entries, kLanguageCount, out, error) || !writeFile(args[1], out, error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("import-kvtml") && args.size() == 2) {
        exchange::ImportResult result;
        if (!readFile(args[0], data, error) || !exchange::readKvtml(data, args[0], result, error) ||
            !writeDictionary(args[1], result, error))
            return fail(error);
        return 0;
    }
    if (command == QLatin1String("import-text") && (args.size() == 2 || args.size() == 4)) {
        QList<exchange::TextColumn> columns;
        if (args.size() == 4 &&
            (args[2] != QLatin1String("--columns") || !parseColumns(args[3], columns, error)))
            return fail(error.isEmpty()
                            ? QStringLiteral("unknown option %1 (see dicttool --help)").arg(args[2])
                            : error);
        if (!readFile(args[0], data, error))
            return fail(error);
        const exchange::TextList list = exchange::readTextList(data);
        if (columns.isEmpty())
            columns = list.header;
        if (columns.isEmpty())
            return fail(args[0] + QStringLiteral(": no header row names the languages of the "
                                                 "columns; give them with --columns"));
        exchange::ImportResult result;
        if (!exchange::textRecords(list, columns, args[0], result, error) ||
            !writeDictionary(args[1], result, error))
            return fail(error);
        return 0;
    }
    if ((command == QLatin1String("export-kvtml") || command == QLatin1String("export-text")) &&
        args.size() == 2) {
        std::vector<WordRecord> records;
        if (!readDictionary(args[0], records, error))
            return fail(error);
        const QByteArray out =
            command == QLatin1String("export-text")
                ? exchange::writeTextList(records)
                : exchange::writeKvtml(records, QFileInfo(args[0]).completeBaseName());
        if (!writeFile(args[1], out, error))
            return fail(error);
        return 0;
    }
    return fail(QStringLiteral("wrong command or arguments (see dicttool --help)"));
}

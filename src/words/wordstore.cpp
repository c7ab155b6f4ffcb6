#include "wordstore.h"

#include "cipher.h"
#include "common/cp1252.h"
#include "common/textconv.h"
#include "dictfile.h"

#include <QFile>

namespace vx {

QString WordStore::GetWord(int index, int side) const {
    if (index < 1 || index > kCapacity)
        return {};
    if (side == 1)
        return toWord[index];
    if (side == 2)
        return fromWord[index];
    return {};
}

void WordStore::SetWord(int index, int side, const QString& text) {
    if (index < 1 || index > kCapacity)
        return;
    if (side == 1)
        toWord[index] = text;
    else if (side == 2)
        fromWord[index] = text;
}

void WordStore::clearUsed() {
    for (int i = 1; i <= wordCount; ++i)
        wordUsed[i] = 0;
}

QString NormalizeText(const QString& text) { return ucase(trimBlanks(text)); }

namespace {

void report(const LoadContext& context, const QString& text) {
    if (context.reporter)
        context.reporter->message(text);
}

// The spelling of one side: British before the first slash, American after it.
QString pickSpelling(const QString& text, int variant) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return text;
    if (variant == 0)
        return text.left(slash);
    if (variant == 1)
        return text.mid(slash + 1);
    return text;
}

const QString kStoreFull = QStringLiteral(
    "Your dictionaries contain more than 3500 words. Only 3500 words will be used.");

} // namespace

void LoadDictionaryBytes(WordStore& store, QByteArrayView data, const QString& path,
                         const LoadContext& context) {
    int next = store.wordCount + 1;
    if (next > WordStore::kCapacity)
        return; // the store is full: further files add nothing
    ByteCursor cursor(data);
    const bool enciphered = readEncipheredField(cursor) != 0;
    RawRecord raw;
    for (;;) {
        const RecordStatus status = readRawRecord(cursor, raw);
        if (status == RecordStatus::End || status == RecordStatus::Truncated)
            break;
        if (status == RecordStatus::BadLength) {
            report(context, QStringLiteral("Error reading file %1: the file is damaged (invalid "
                                           "text length in record at byte %2)")
                                .arg(path)
                                .arg(cursor.position()));
            break;
        }
        QString from;
        QString to;
        int level = 0;
        for (int code = 1; code <= kLanguageCount; ++code) {
            if (code != context.fromLanguage && code != context.toLanguage)
                continue;
            const RawEntry& e = raw.entries[code - 1];
            const QString text = fromCp1252(enciphered ? DecipherText(e.text) : e.text);
            if (code == context.fromLanguage) {
                from = text;
            } else {
                to = text;
                level = e.level;
            }
        }
        if (!from.isEmpty() && !to.isEmpty()) {
            store.SetWord(next, 2, pickSpelling(from, context.fromSub));
            store.SetWord(next, 1, pickSpelling(to, 0));
            store.wordLevel[next] = static_cast<qint16>(level);
            store.wordClass[next] = static_cast<qint16>(raw.wordClass);
            store.wordUsed[next] = 0;
            ++next;
        }
        if (next > WordStore::kCapacity) {
            report(context, kStoreFull);
            break;
        }
        pump(context.pumpEvents);
    }
    store.wordCount = next - 1;
}

void LoadDictionaryFile(WordStore& store, const QString& fileName, const LoadContext& context) {
    const QString path = context.folder.resolve(fileName);
    QFile file(path);
    if (!file.exists()) {
        report(context, QStringLiteral("The dictionary file ") + path + QStringLiteral("was not found."));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report(context, QStringLiteral("Error reading file %1: %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(context, QStringLiteral("Error reading file %1: %2").arg(path, file.errorString()));
        return;
    }
    LoadDictionaryBytes(store, data, path, context);
}

void LoadDictionaries(WordStore& store, const LoadContext& context) {
    if (store.wordCount != 0)
        return;
    if (!context.commandLineFile.isEmpty()) {
        LoadDictionaryFile(store, context.commandLineFile, context);
        return;
    }
    const QStringList files = store.dictFiles.isEmpty()
                                  ? QStringList{QStringLiteral("VOKABRIX.DCT"), QStringLiteral("OWN.DCT")}
                                  : store.dictFiles;
    for (const QString& name : files)
        LoadDictionaryFile(store, name, context);
}

} // namespace vx

#include "langfile.h"

#include "cipher.h"
#include "common/cp1252.h"
#include "common/textconv.h"
#include "dictfile.h"

#include <QFile>

namespace vx {

namespace {
const QString kLanguageFileName = QStringLiteral("LANG.CRP");

QString readError(const QString& description) {
    return QStringLiteral("Error reading LANG.CRP: ") + description +
           QStringLiteral(". Vokabrix should be reinstalled.");
}
} // namespace

LanguageFileResult ReadLanguageBytes(QByteArrayView data, int languageCode, TextTable& table,
                                     Reporter& reporter) {
    ByteCursor cursor(data);
    int languageCount = 0;
    if (!cursor.readInt16(languageCount))
        return LanguageFileResult::Read;
    for (;;) {
        int number = 0;
        if (!cursor.readInt16(number))
            return LanguageFileResult::Read;
        if (number < 0 || number > kLastTextNumber) {
            reporter.message(readError(QStringLiteral("text number %1 is out of range").arg(number)));
            return LanguageFileResult::ReadError;
        }
        for (int n = 1; n <= languageCount; ++n) {
            int length = 0;
            QByteArray stored;
            if (!cursor.readInt16(length)) {
                reporter.message(readError(QStringLiteral("unexpected end of file")));
                return LanguageFileResult::ReadError;
            }
            if (length < kStoredOffset) {
                reporter.message(readError(QStringLiteral("invalid text length")));
                return LanguageFileResult::ReadError;
            }
            if (!cursor.readBytes(length - kStoredOffset, stored)) {
                reporter.message(readError(QStringLiteral("unexpected end of file")));
                return LanguageFileResult::ReadError;
            }
            if (n == languageCode)
                table.uiText[number] = fromCp1252(DecipherText(stored));
        }
    }
}

LanguageFileResult ReadLanguageFile(const ProgramFolder& folder, int languageCode,
                                    TextTable& table, Reporter& reporter) {
    QFile file(folder.resolve(kLanguageFileName));
    if (!file.exists()) {
        reporter.message(QStringLiteral("The file LANG.CRP was not found. Vokabrix must be reinstalled."));
        return LanguageFileResult::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reporter.message(readError(file.errorString()));
        return LanguageFileResult::ReadError;
    }
    return ReadLanguageBytes(file.readAll(), languageCode, table, reporter);
}

QString StripAmpersands(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            // The first of a run is dropped, every further one kept.
            ++i;
            while (i < text.size() && text[i] == u'&') {
                out += u'&';
                ++i;
            }
            if (i < text.size())
                out += text[i];
            continue;
        }
        out += text[i];
    }
    return out;
}

int tagNumber(const QString& tag) { return static_cast<int>(val(tag)); }

} // namespace vx

namespace vx {

bool decodeLanguageFile(QByteArrayView data, std::vector<LanguageEntry>& entries, QString& error) {
    entries.clear();
    ByteCursor cursor(data);
    int languageCount = 0;
    if (!cursor.readInt16(languageCount))
        return true;
    if (languageCount < 0) {
        error = QStringLiteral("invalid language count %1").arg(languageCount);
        return false;
    }
    for (;;) {
        LanguageEntry entry;
        if (!cursor.readInt16(entry.number))
            return true;
        if (entry.number < 0 || entry.number > kLastTextNumber) {
            error = QStringLiteral("text number %1 is out of range").arg(entry.number);
            return false;
        }
        for (int n = 1; n <= languageCount; ++n) {
            int length = 0;
            QByteArray stored;
            if (!cursor.readInt16(length) || length < kStoredOffset ||
                !cursor.readBytes(length - kStoredOffset, stored)) {
                error = QStringLiteral("text %1 is damaged or cut off").arg(entry.number);
                return false;
            }
            entry.texts << fromCp1252(DecipherText(stored));
        }
        entries.push_back(std::move(entry));
    }
}

bool encodeLanguageFile(const std::vector<LanguageEntry>& entries, int languageCount,
                        QByteArray& out, QString& error) {
    out.clear();
    auto appendInt16 = [&out](int v) {
        out.append(static_cast<char>(v & 0xFF));
        out.append(static_cast<char>((v >> 8) & 0xFF));
    };
    appendInt16(languageCount);
    for (const LanguageEntry& e : entries) {
        if (e.number < 0 || e.number > kLastTextNumber) {
            error = QStringLiteral("text number %1 is outside 0..%2").arg(e.number).arg(kLastTextNumber);
            out.clear();
            return false;
        }
        if (e.texts.size() != languageCount) {
            error = QStringLiteral("text %1 has %2 languages, not %3")
                        .arg(e.number)
                        .arg(e.texts.size())
                        .arg(languageCount);
            out.clear();
            return false;
        }
        appendInt16(e.number);
        for (const QString& t : e.texts) {
            QByteArray bytes;
            qsizetype bad = 0;
            QByteArray stored;
            if (!toCp1252(t, bytes, &bad) || !EncipherText(bytes, stored) ||
                stored.size() > kMaxStorable) {
                error = QStringLiteral("text %1 cannot be stored (a character outside "
                                       "Windows-1252, or longer than %2 characters)")
                            .arg(e.number)
                            .arg(kMaxStorable - 1);
                out.clear();
                return false;
            }
            appendInt16(static_cast<int>(stored.size()) + kStoredOffset);
            out.append(stored);
        }
    }
    return true;
}

} // namespace vx

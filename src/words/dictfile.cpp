#include "dictfile.h"

#include "cipher.h"
#include "common/cp1252.h"

#include <QtEndian>

namespace vx {

bool ByteCursor::readInt16(int& value) {
    if (m_data.size() - m_pos < 2) {
        m_pos = m_data.size();
        return false;
    }
    value = qFromLittleEndian<qint16>(m_data.data() + m_pos);
    m_pos += 2;
    return true;
}

bool ByteCursor::readBytes(qsizetype n, QByteArray& out) {
    if (n < 0 || m_data.size() - m_pos < n) {
        m_pos = m_data.size();
        return false;
    }
    out = m_data.sliced(m_pos, n).toByteArray();
    m_pos += n;
    return true;
}

int readEncipheredField(ByteCursor& cursor) {
    int value = 0;
    return cursor.readInt16(value) ? value : 0;
}

RecordStatus readRawRecord(ByteCursor& cursor, RawRecord& record) {
    record = RawRecord{};
    for (int l = 0; l < kLanguageCount; ++l) {
        RawEntry& e = record.entries[l];
        int length = 0;
        if (!cursor.readInt16(length))
            return l == 0 ? RecordStatus::End : RecordStatus::Truncated;
        if (length < kStoredOffset)
            return RecordStatus::BadLength;
        int level = 0;
        if (!cursor.readBytes(length - kStoredOffset, e.text) || !cursor.readInt16(level) ||
            !cursor.readBytes(2, e.spare))
            return RecordStatus::Truncated;
        e.level = level - kStoredOffset;
        record.entriesRead = l + 1;
    }
    int wordClass = 0;
    QByteArray spare;
    if (!cursor.readInt16(wordClass) || !cursor.readBytes(2, spare))
        return RecordStatus::Truncated;
    record.wordClass = wordClass - kStoredOffset;
    return RecordStatus::Complete;
}

QString languageName(int code) {
    static const char* const names[] = {"Swedish", "English", "German", "French", "Spanish"};
    return code >= 1 && code <= 5 ? QString::fromLatin1(names[code - 1])
                                  : QStringLiteral("language %1").arg(code);
}

namespace {

bool fitsStored(int value) { return value >= kMinStorable && value <= kMaxStorable; }

void appendInt16(QByteArray& out, int value) {
    char buf[2];
    qToLittleEndian<qint16>(static_cast<qint16>(value), buf);
    out.append(buf, 2);
}

} // namespace

QString checkStorable(const WordRecord& record, int extraBytes) {
    for (int l = 0; l < kLanguageCount; ++l) {
        const QString& text = record.text[l];
        qsizetype bad = 0;
        QByteArray bytes;
        if (!toCp1252(text, bytes, &bad))
            return QStringLiteral("%1: the character \"%2\" cannot be stored in a dictionary file")
                .arg(languageName(l + 1), text.mid(bad, 1));
        if (bytes.size() + (text.isEmpty() ? 0 : extraBytes) > kMaxStorable)
            return QStringLiteral("%1: the text is longer than %2 characters")
                .arg(languageName(l + 1))
                .arg(kMaxStorable - extraBytes);
        if (!fitsStored(record.level[l]))
            return QStringLiteral("%1: the level %2 cannot be stored")
                .arg(languageName(l + 1))
                .arg(record.level[l]);
    }
    if (!fitsStored(record.wordClass))
        return QStringLiteral("the word class %1 cannot be stored").arg(record.wordClass);
    return {};
}

bool encodeDictionary(const std::vector<WordRecord>& records, bool enciphered, QByteArray& out,
                      QString& error) {
    out.clear();
    appendInt16(out, enciphered ? 1 : 0);
    int number = 0;
    for (const WordRecord& r : records) {
        ++number;
        const QString problem = checkStorable(r, enciphered ? 1 : 0);
        if (!problem.isEmpty()) {
            error = QStringLiteral("record %1, %2").arg(number).arg(problem);
            out.clear();
            return false;
        }
        for (int l = 0; l < kLanguageCount; ++l) {
            QByteArray bytes = toCp1252Lossy(r.text[l]);
            if (enciphered) {
                QByteArray stored;
                if (!EncipherText(bytes, stored)) {
                    error = QStringLiteral("record %1, %2: the text cannot be enciphered")
                                .arg(number)
                                .arg(languageName(l + 1));
                    out.clear();
                    return false;
                }
                bytes = stored;
            }
            appendInt16(out, static_cast<int>(bytes.size()) + kStoredOffset);
            out.append(bytes);
            appendInt16(out, r.level[l] + kStoredOffset);
            out.append(kSpare, 2);
        }
        appendInt16(out, r.wordClass + kStoredOffset);
        out.append(kSpare, 2);
    }
    return true;
}

bool decodeDictionary(QByteArrayView data, std::vector<WordRecord>& records, bool& enciphered,
                      QString& error) {
    records.clear();
    ByteCursor cursor(data);
    enciphered = readEncipheredField(cursor) != 0;
    RawRecord raw;
    for (;;) {
        const RecordStatus status = readRawRecord(cursor, raw);
        if (status == RecordStatus::End || status == RecordStatus::Truncated)
            return true;
        if (status == RecordStatus::BadLength) {
            error = QStringLiteral("record %1 has an invalid text length").arg(records.size() + 1);
            return false;
        }
        WordRecord r;
        for (int l = 0; l < kLanguageCount; ++l) {
            const QByteArray& t = raw.entries[l].text;
            r.text[l] = fromCp1252(enciphered ? DecipherText(t) : t);
            r.level[l] = raw.entries[l].level;
        }
        r.wordClass = raw.wordClass;
        records.push_back(std::move(r));
    }
}

} // namespace vx

// The binary dictionary format shared by both programs: a 16-bit field `enciphered`, then
// word records to the end of the file, each with five language entries (length, text,
// level, two spare bytes) and a word class with two spare bytes. Every stored number is
// its value plus 31900 in 16 signed little-endian bits.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

namespace vx {

inline constexpr int kLanguageCount = 5;
inline constexpr int kStoredOffset = 31900;
// 31900 + 867 = 32767, the largest 16-bit signed value.
inline constexpr int kMaxStorable = 867;
inline constexpr int kMinStorable = -32768 - kStoredOffset;
inline constexpr char kSpare[] = "  ";

enum class WordClass : int { Other = 0, Noun = 1, Adjective = 2, Verb = 3 };

// Reads the little-endian fields of a byte buffer.
class ByteCursor {
public:
    explicit ByteCursor(QByteArrayView data) : m_data(data) {}
    // False when fewer than two bytes are left; the cursor then stands at the end.
    bool readInt16(int& value);
    bool readBytes(qsizetype n, QByteArray& out);
    bool atEnd() const { return m_pos >= m_data.size(); }
    qsizetype position() const { return m_pos; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

// One record as stored: texts as bytes (still enciphered where the file says so).
struct RawEntry {
    QByteArray text;
    int level = 0;
    QByteArray spare;
};

struct RawRecord {
    std::array<RawEntry, kLanguageCount> entries;
    int wordClass = 0;
    int entriesRead = 0; // language entries read completely
};

enum class RecordStatus {
    Complete,  // a whole record was read
    End,       // the file ended before the record began
    Truncated, // the file ended inside the record
    BadLength, // a stored length below 31900
};

RecordStatus readRawRecord(ByteCursor& cursor, RawRecord& record);

// The `enciphered` field; a file shorter than two bytes reads as plain.
int readEncipheredField(ByteCursor& cursor);

// A record in plain text, as the editor and the tools handle it.
struct WordRecord {
    std::array<QString, kLanguageCount> text;
    std::array<int, kLanguageCount> level{};
    int wordClass = 0;
    bool operator==(const WordRecord&) const = default;
};

// Whether a record fits the format; the error names the record's language and the reason.
// `extraBytes` is 1 for enciphered files, whose texts carry a check character.
QString checkStorable(const WordRecord& record, int extraBytes = 0);

// The whole file for these records. Returns false with `error` ("record 12, German: ...")
// when a record cannot be stored; nothing partial is returned then.
bool encodeDictionary(const std::vector<WordRecord>& records, bool enciphered, QByteArray& out,
                      QString& error);

// Reads every complete record of a file, deciphering where the file says so. A record cut
// off by the end of the file is dropped. Returns false with `error` for a damaged file.
bool decodeDictionary(QByteArrayView data, std::vector<WordRecord>& records, bool& enciphered,
                      QString& error);

QString languageName(int code);

} // namespace vx

// The word store of the exercise program: up to 3500 pairs of a word in the practised
// language (side 1, `toWord`) and in the own language (side 2, `fromWord`), with the
// record's class and the level of its practised-language entry.
#pragma once

#include "common/programfolder.h"
#include "common/reporter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vx {

struct WordStore {
    static constexpr int kCapacity = 3500;

    // Slots 1..kCapacity; slot 0 is never used.
    std::vector<QString> toWord = std::vector<QString>(kCapacity + 1);
    std::vector<QString> fromWord = std::vector<QString>(kCapacity + 1);
    std::vector<qint16> wordClass = std::vector<qint16>(kCapacity + 1);
    std::vector<qint16> wordLevel = std::vector<qint16>(kCapacity + 1);
    std::vector<qint16> wordUsed = std::vector<qint16>(kCapacity + 1); // 0 free, -1 used
    int wordCount = 0; // 0: to be loaded before use

    // The word lists chosen in the word-list window; empty: no choice made.
    QStringList dictFiles;
    int dictFileCount() const { return static_cast<int>(dictFiles.size()); }

    // Side 1 is the practised language, side 2 the own language; other sides give "".
    QString GetWord(int index, int side) const;
    void SetWord(int index, int side, const QString& text);

    bool isUsed(int index) const { return wordUsed[index] != 0; }
    void setUsed(int index, bool used) { wordUsed[index] = used ? -1 : 0; }
    void clearUsed();
};

// What a load needs besides the store.
struct LoadContext {
    ProgramFolder folder;
    QString commandLineFile; // the program's argument, if any
    int fromLanguage = 2;
    int fromSub = 0;
    int toLanguage = 3;
    Reporter* reporter = nullptr;
    EventPump pumpEvents;
};

// Fills the store when it is empty: the command-line file, else the chosen word lists,
// else VOKABRIX.DCT and OWN.DCT.
void LoadDictionaries(WordStore& store, const LoadContext& context);

// Appends the words of one file behind the filled slots.
void LoadDictionaryFile(WordStore& store, const QString& fileName, const LoadContext& context);

// The same for a file already in memory; `path` names it in messages.
void LoadDictionaryBytes(WordStore& store, QByteArrayView data, const QString& path,
                         const LoadContext& context);

// Trimmed of blanks and in upper case, for comparing typed answers with stored words.
QString NormalizeText(const QString& text);

} // namespace vx

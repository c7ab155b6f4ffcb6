// The text cipher of enciphered dictionaries and of the language file. It works on the
// stored bytes: codes 0..44 pass unchanged, codes 45..255 form a ring of 211 values shifted
// by the key character of the position; a check character closes every text.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vx {

inline constexpr char kCipherKey[] = "Moxbilda()##847?xq2&c";
inline constexpr int kCipherKeyLength = 21;

// The plain bytes of a stored text; empty when the text is empty, shorter than two bytes
// or fails its check character.
QByteArray DecipherText(QByteArrayView stored);

// The stored form of a plain text: one byte longer, the last byte the check character.
// Returns false for a text that cannot carry a check character (one ending in byte 0).
bool EncipherText(QByteArrayView plain, QByteArray& stored);

} // namespace vx

// What the fuzz targets share: the input as a byte view, and the check of a property that
// a reader must keep. A broken property prints its condition and aborts, which libFuzzer
// records like a crash, with the input that caused it.
#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vx::fuzz {

inline QByteArrayView bytesOf(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace vx::fuzz

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

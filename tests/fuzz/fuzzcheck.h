// What the fuzz targets share: the input as a byte view, and the check of a property that
// a reader must keep. A broken property prints what went wrong and aborts, which libFuzzer
// records like a crash, with the input that caused it.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vx::fuzz {

inline QByteArrayView bytesOf(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void fail(const char* condition, const char* file, int line,
                              const QString& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toLocal8Bit().constData());
    std::abort();
}

} // namespace vx::fuzz

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::vx::fuzz::fail(#condition, __FILE__, __LINE__, (detail));                            \
    } while (false)

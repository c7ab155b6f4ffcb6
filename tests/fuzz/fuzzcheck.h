// What the fuzz targets share: the entry point, which hands the input over as a byte view,
// and the check of a property that a reader must keep. A broken property prints its
// condition and aborts, which libFuzzer records like a crash, with the input that caused it.
#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// FUZZ_TARGET { ... } is the body run for every input, `bytes`.
#define FUZZ_TARGET                                                                                \
    static void fuzzOne(QByteArrayView bytes);                                                     \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                      \
        fuzzOne(                                                                                   \
            QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));    \
        return 0;                                                                                  \
    }                                                                                              \
    static void fuzzOne(QByteArrayView bytes)

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

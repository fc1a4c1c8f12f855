#pragma once
// What every fuzz target shares: texts cut out of the fuzzer's bytes, and a
// check that stops the run (a crash libFuzzer records) when a rule is broken.
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

#define VERIFICA(condizione)                                                                    \
    do {                                                                                      \
        if (!(condizione)) {                                                                  \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condizione);     \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// A text of up to `massimo` bytes: UTF-8 (any Unicode text, what a user
// types or pastes), or raw UTF-16 code units (lone surrogates included).
inline QString Testo(FuzzedDataProvider &d, size_t massimo = 300)
{
    const bool utf16 = d.ConsumeBool();
    const std::string b = d.ConsumeRandomLengthString(massimo);
    if (utf16)
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(b.data()), static_cast<qsizetype>(b.size() / 2));
    return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
}

// Bytes as the files hold them.
inline QByteArray Byte(FuzzedDataProvider &d, size_t massimo = 300)
{
    const std::string b = d.ConsumeRandomLengthString(massimo);
    return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
}

#pragma once
// Fixed-size records made of ShortText fields laid back to back. A layout
// names its fields (enum Campo), their maximum lengths and the record size;
// TRecord<Layout> holds one record buffer and reads and writes its fields.
#include "storage/ShortText.h"

#include <array>
#include <cstring>
#include <optional>

// A ShortText field of a raw record: where its length byte is and how many
// characters it holds at most.
struct CampoGrezzo {
    int offset = 0;
    int lunghezza = 0;
};

namespace record_detail {
template <std::size_t K>
constexpr std::array<int, K> Offsets(const std::array<int, K> &n)
{
    std::array<int, K> off{};
    int at = 0;
    for (std::size_t i = 0; i < K; ++i) {
        off[i] = at;
        at += n[i] + 1;
    }
    return off;
}
template <std::size_t K>
constexpr int Total(const std::array<int, K> &n)
{
    int at = 0;
    for (int v : n) at += v + 1;
    return at;
}
} // namespace record_detail

// The flag texts: "Sì" is the bytes 53 EC in Windows-1252.
inline const QString kSi = QStringLiteral("S\u00ec");
inline const QString kNo = QStringLiteral("No");

template <class Layout>
class TRecord : public Layout
{
public:
    using Campo = typename Layout::Campo;
    static constexpr int NumCampi = static_cast<int>(Layout::N.size());
    static constexpr std::array<int, Layout::N.size()> Offset = record_detail::Offsets(Layout::N);
    static constexpr int Dimensione = record_detail::Total(Layout::N);

    TRecord() { Clear(); }

    void Clear() { std::memset(buf_.data(), 0, buf_.size()); }
    char *Buffer() { return buf_.data(); }
    const char *Buffer() const { return buf_.data(); }

    static int N(Campo c) { return Layout::N[c]; }
    // The field as a raw field of a file buffer, for the list lines and filters.
    static constexpr CampoGrezzo Grezzo(Campo c) { return {Offset[c], Layout::N[c]}; }
    static const char *Nome(Campo c) { return Layout::Nomi[c]; }

    // Field text as stored, trimmed.
    QString Get(Campo c) const { return ShortText::Read(buf_.data() + Offset[c], Layout::N[c]); }
    // Stores a text trimmed and cut to the field's N characters.
    void Set(Campo c, const QString &v) { ShortText::Write(buf_.data() + Offset[c], Layout::N[c], v); }
    // Pointer to the field's length byte, for scans that work on raw bytes.
    const char *Raw(Campo c) const { return buf_.data() + Offset[c]; }
    static const char *Raw(const char *record, Campo c) { return record + Offset[c]; }
    // Field text of a record read straight from a file buffer, trimmed.
    static QString Leggi(const char *record, Campo c) { return ShortText::Read(record + Offset[c], Layout::N[c]); }

    // Flags: "Sì" or "No". Reading gives no value for anything else.
    void SetFlag(Campo c, bool on) { Set(c, on ? kSi : kNo); }
    std::optional<bool> Flag(Campo c) const
    {
        const QString v = Get(c);
        if (v == kSi) return true;
        if (v == kNo) return false;
        return std::nullopt;
    }

private:
    std::array<char, Dimensione> buf_;
};

#pragma once
// The result lists of the search windows as plain functions over any record
// file: reading the file into list lines through a filter, the search filters
// over raw record fields, the order of a sorted list, and matching a chosen
// line back to its record(s). The windows only show what these return.
#include "storage/Filtri.h"
#include "storage/Record.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

// One part of a list line: a fixed text, or the text of a raw field trimmed
// of blanks and control characters and decoded from Windows-1252; with
// `larghezza` >= 0 padded with blanks or cut to that many characters (the
// same text as Pad(ShortText::Read(...), larghezza), storage/Testo.h). A
// piece (`da` >= 0) is the trimmed text's characters from `da` on, at most
// `larghezza` of them and never padded, as QString::mid gives them.
struct ParteRiga {
    std::u16string_view fisso; // the fixed text, when `campo` is empty
    CampoGrezzo campo{};
    int larghezza = -1;
    int da = -1;
};
constexpr ParteRiga ParteFissa(std::u16string_view testo)
{
    return {testo, {}, -1, -1};
}
constexpr ParteRiga ParteCampo(CampoGrezzo campo, int larghezza = -1)
{
    return {{}, campo, larghezza, -1};
}
constexpr ParteRiga PartePezzo(CampoGrezzo campo, int da, int quanti)
{
    return {{}, campo, quanti, da};
}

// The parts of `a`, then those of `b`, and so on: a line's table may start
// with parts another table already names.
template <size_t... N>
constexpr std::array<ParteRiga, (N + ...)> UnisciParti(const std::array<ParteRiga, N> &...parti)
{
    std::array<ParteRiga, (N + ...)> tutte{};
    size_t i = 0;
    ((std::copy(parti.begin(), parti.end(), tutte.begin() + i), i += N), ...);
    return tutte;
}

// The line of a record written from its parts in one go: its exact length
// is measured first, so the line is allocated once and holds no spare room
// (a list may keep hundreds of thousands of lines).
QString ScriviRiga(const char *record, std::span<const ParteRiga> parti);

// The list line of a raw record.
using RigaDiRecord = std::function<QString(const char *record)>;

// The filters of one search, one text per field, matched by the search-filter
// rule (storage/Filtri.h) on the raw record bytes.
class FiltriRecord
{
public:
    FiltriRecord() = default;
    // `testi[i]` is matched against `campi[i]`; missing texts count as empty.
    FiltriRecord(const QStringList &testi, const std::vector<CampoGrezzo> &campi);
    // How many filters take part (the search windows' lblConta).
    int Attivi() const { return int(attivi_.size()); }
    bool Corrisponde(const char *record) const;

private:
    struct Attivo {
        FiltroBytes filtro;
        CampoGrezzo campo;
    };
    std::vector<Attivo> attivi_;
};

// Sorts list lines as the sorted result lists keep them: by the whole text,
// ignoring the case of a-z (compared as A-Z), code unit by code unit, a line
// before the longer lines it starts; lines equal that way keep their order.
void OrdinaRighe(QStringList &righe);

// "Il presente riepilogo contiene N schede."
QString TestoTrovate(qsizetype n);

// Progress of a long read: records read so far and records in the file.
using AvanzamentoLettura = std::function<void(qint64 letti, qint64 totale)>;

// A list read from a record file. When the file failed (`errore`), the lines
// are those of the records read before the failure.
struct ElencoLetto {
    QStringList righe;
    bool errore = false;
};

// What to read: the record file (in the program folder, created empty if
// missing), its record size, and the line of a record.
struct FileElenco {
    QString nome;
    int dimensione = 0;
    RigaDiRecord riga;
};

// Reads the file in file order and lists the line of every record `scegli`
// accepts (every record when `scegli` is empty); sorted with OrdinaRighe
// when `ordina`, in file order otherwise. `avanzamento` is called now and then.
ElencoLetto LeggiElenco(const FileElenco &file, const std::function<bool(const char *record)> &scegli,
                        bool ordina, const AvanzamentoLettura &avanzamento = {});

// Matches a chosen list line back to its records: reads the file from the
// first record to the last and calls `carica` with every record whose line,
// trimmed, equals `riga` trimmed, in file order, so the last equal record is
// the one that stays loaded. `posizione` is 1-based. Returns how many were
// equal. A failure of the file throws EArchivio; the calls made before it stay.
int RichiamaRecord(const FileElenco &file, const QString &riga,
                   const std::function<void(const char *record, qint64 posizione)> &carica);

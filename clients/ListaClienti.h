#pragma once
// The client lists of the search window and of the recontact list, as plain
// functions: the list line of a client card, the ten search filters, reading
// "Contatti.pro" into a sorted list, and matching a chosen line back to its
// card, all through the record-file lists of storage/ElencoRecord.h. The
// windows (TfrmTrovaClienti, TfrmRicontatta) only show the result.
#include "storage/ElencoRecord.h"
#include "storage/Schede.h"

#include <QStringList>
#include <array>
#include <functional>

// The column that closes a line: the search shows the notes, the recontact
// list the pending matters.
enum class UltimaColonna { Note, Questioni };

// pad(Cliente, 26) + "  Tel. " + pad(Recapito, 15) + "  " + pad(Occupazione, 25)
// + "  Prod. " + pad(Prodotti, 30) + "  " + the last column trimmed, where
// pad(s, n) is s trimmed, padded with blanks and cut to n characters.
// `record` is a raw TSchedaCliente (TSchedaCliente::Dimensione bytes).
QString RigaCliente(const char *record, UltimaColonna ultima);
inline QString RigaCliente(const TSchedaCliente &r, UltimaColonna ultima)
{
    return RigaCliente(r.Buffer(), ultima);
}

// The filter fields of the search window, in the order of the Enter chain:
// object name, label, and the record field the filter is matched against.
struct CampoFiltro {
    const char *controllo;
    const char *etichetta;
    LayoutCliente::Campo campo;
};
extern const std::array<CampoFiltro, 10> kFiltriClienti;

// The ten filters of one search. A filter takes part when its text is not
// blank; it matches when its text, not trimmed, occurs in its field, both
// folded to lower case (A-Z only). Matching works on the raw record bytes.
class FiltriClienti : public FiltriRecord
{
public:
    // `testi` in the order of kFiltriClienti (missing texts count as empty).
    explicit FiltriClienti(const QStringList &testi);
};

// Where the filters of kFiltriClienti look in a raw client record, in order.
const std::vector<CampoGrezzo> &CampiFiltriClienti();

// True when the record's Ricontatta, trimmed, is exactly "Sì".
bool DaRicontattare(const char *record);

// "Contatti.pro" with the list line that ends with `ultima`.
FileElenco FileClienti(UltimaColonna ultima);

// Reads "Contatti.pro" (created empty if missing) in file order and lists
// the line of every record `scegli` accepts; `avanzamento` is called now and then.
ElencoLetto LeggiElencoClienti(const std::function<bool(const char *record)> &scegli, UltimaColonna ultima,
                               const AvanzamentoLettura &avanzamento = {});
// The search: every client the filters find, lines ending with the notes.
ElencoLetto CercaClienti(const FiltriClienti &filtri, const AvanzamentoLettura &avanzamento = {});
// The recontact list: every client whose flag is "Sì", lines ending with
// the pending matters.
ElencoLetto ClientiDaRicontattare(const AvanzamentoLettura &avanzamento = {});

// Matches a chosen list line back to its card: reads "Contatti.pro" from the
// first record to the last and calls `carica` with every record whose line
// (built with `ultima`), trimmed, equals `riga` trimmed, in file order, so
// the last equal card is the one that stays loaded. Returns how many were
// equal. A failure of the file throws EArchivio; the calls made before it stay.
int RichiamaCliente(const QString &riga, UltimaColonna ultima,
                    const std::function<void(const TSchedaCliente &r, qint64 posizione)> &carica);

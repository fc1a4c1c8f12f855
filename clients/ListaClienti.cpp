#include "clients/ListaClienti.h"

#include "storage/ShortText.h"

#include <cstring>


namespace {

using C = LayoutCliente;

// Appends a field trimmed and, with `larghezza` >= 0, padded with blanks or
// cut to that many characters.
void Aggiungi(QString &riga, const char *record, C::Campo c, int larghezza = -1)
{
    AggiungiCampo(riga, record, {TSchedaCliente::Offset[c], C::N[c]}, larghezza);
}

constexpr int kCliente = 26, kRecapito = 15, kOccupazione = 25, kProdotti = 30;
constexpr int kFisso = kCliente + 7 + kRecapito + 2 + kOccupazione + 8 + kProdotti + 2;

} // namespace

QString RigaCliente(const char *record, UltimaColonna ultima)
{
    const C::Campo coda = ultima == UltimaColonna::Note ? C::Note : C::Questioni;
    QString riga;
    // Room for the whole line and no more: a list holds many of them.
    riga.reserve(kFisso + ShortText::Rifila(TSchedaCliente::Raw(record, coda), C::N[coda]).n);
    Aggiungi(riga, record, C::Cliente, kCliente);
    riga.append(QLatin1String("  Tel. "));
    Aggiungi(riga, record, C::Recapito, kRecapito);
    riga.append(QLatin1String("  "));
    Aggiungi(riga, record, C::Occupazione, kOccupazione);
    riga.append(QLatin1String("  Prod. "));
    Aggiungi(riga, record, C::Prodotti, kProdotti);
    riga.append(QLatin1String("  "));
    Aggiungi(riga, record, coda);
    return riga;
}

const std::array<CampoFiltro, 10> kFiltriClienti = {{
    {"txtCliente", "Cognome e nome:", C::Cliente},
    {"txtComuneRes", "Comune di residenza:", C::ComuneRes},
    {"txtPartitaIva", "Partita IVA:", C::PartitaIva},
    {"txtCodFisc", "Codice fiscale:", C::CodFisc},
    {"txtDocumento", "Estremi documento:", C::Documento},
    {"txtOccupazione", "Occupazione:", C::Occupazione},
    {"txtProdotti", "Prodotti e servizi di interesse:", C::Prodotti},
    {"txtZona", "Zona di appartenenza:", C::Zona},
    {"txtQuestioni", "Questioni in sospeso:", C::Questioni},
    {"txtNote", "Note:", C::Note},
}};

const std::vector<CampoGrezzo> &CampiFiltriClienti()
{
    static const std::vector<CampoGrezzo> campi = [] {
        std::vector<CampoGrezzo> v;
        for (const CampoFiltro &f : kFiltriClienti) v.push_back({TSchedaCliente::Offset[f.campo], C::N[f.campo]});
        return v;
    }();
    return campi;
}

FiltriClienti::FiltriClienti(const QStringList &testi) : FiltriRecord(testi, CampiFiltriClienti()) {}

bool DaRicontattare(const char *record)
{
    const ShortText::Rifilati t = ShortText::Rifila(TSchedaCliente::Raw(record, C::Ricontatta), C::N[C::Ricontatta]);
    return t.n == 2 && t.p[0] == 'S' && t.p[1] == 0xEC; // "Sì"
}

FileElenco FileClienti(UltimaColonna ultima)
{
    return {QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione,
            [ultima](const char *record) { return RigaCliente(record, ultima); }};
}

ElencoLetto LeggiElencoClienti(const std::function<bool(const char *record)> &scegli, UltimaColonna ultima,
                               const AvanzamentoLettura &avanzamento)
{
    return LeggiElenco(FileClienti(ultima), scegli, true, avanzamento);
}

ElencoLetto CercaClienti(const FiltriClienti &filtri, const AvanzamentoLettura &avanzamento)
{
    return LeggiElencoClienti([&](const char *r) { return filtri.Corrisponde(r); }, UltimaColonna::Note,
                              avanzamento);
}

ElencoLetto ClientiDaRicontattare(const AvanzamentoLettura &avanzamento)
{
    return LeggiElencoClienti(DaRicontattare, UltimaColonna::Questioni, avanzamento);
}

int RichiamaCliente(const QString &riga, UltimaColonna ultima,
                    const std::function<void(const TSchedaCliente &r, qint64 posizione)> &carica)
{
    TSchedaCliente r;
    return RichiamaRecord(FileClienti(ultima), riga, [&](const char *record, qint64 posizione) {
        std::memcpy(r.Buffer(), record, TSchedaCliente::Dimensione);
        carica(r, posizione);
    });
}

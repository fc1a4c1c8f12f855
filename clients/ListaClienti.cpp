#include "clients/ListaClienti.h"

#include "storage/ShortText.h"

#include <cstring>


namespace {

using C = LayoutCliente;

constexpr int kCliente = 26, kRecapito = 15, kOccupazione = 25, kProdotti = 30;

// The line up to its last column, which is the notes or the pending matters.
std::array<ParteRiga, 9> Parti(C::Campo coda)
{
    return {
        ParteCampo(TSchedaCliente::Grezzo(C::Cliente), kCliente),
        ParteFissa(u"  Tel. "),
        ParteCampo(TSchedaCliente::Grezzo(C::Recapito), kRecapito),
        ParteFissa(u"  "),
        ParteCampo(TSchedaCliente::Grezzo(C::Occupazione), kOccupazione),
        ParteFissa(u"  Prod. "),
        ParteCampo(TSchedaCliente::Grezzo(C::Prodotti), kProdotti),
        ParteFissa(u"  "),
        ParteCampo(TSchedaCliente::Grezzo(coda)),
    };
}

} // namespace

QString RigaCliente(const char *record, UltimaColonna ultima)
{
    static const std::array<ParteRiga, 9> conNote = Parti(C::Note), conQuestioni = Parti(C::Questioni);
    return ScriviRiga(record, ultima == UltimaColonna::Note ? conNote : conQuestioni);
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
        for (const CampoFiltro &f : kFiltriClienti) v.push_back(TSchedaCliente::Grezzo(f.campo));
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

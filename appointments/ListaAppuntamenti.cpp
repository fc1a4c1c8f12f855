#include "appointments/ListaAppuntamenti.h"

#include "storage/Appuntamenti.h"
#include "storage/TArchivio.h"
#include "ui/ScrittoriCliente.h"

#include <cstring>

namespace {

using A = TSchedaAppuntamento;
using K = LayoutAppuntamento;

// The fields of export columns 1 to 13.
constexpr K::Campo kCampiGriglia[13] = {
    K::Data,  K::Ora, K::Tipologia, K::Causale, K::Dettagli,    K::Contatto, K::Tel,
    K::Cel, K::Email, K::Luogo,     K::Importo, K::Ottemperata, K::Note,
};

} // namespace

const std::array<CriterioAppuntamento, 10> kCriteriAppuntamenti = {{
    {K::Data, "txtData", "Data appuntamento (gg/mm/aaaa):"},
    {K::Ora, "txtOra", "Ora (hh:mm):"},
    {K::Tipologia, "txtTipologia", "Agente:"},
    {K::Causale, "txtCausale", "Servizi richiesti dal cliente:"},
    {K::Dettagli, "txtDettagli", "Dettagli:"},
    {K::Contatto, "txtContatto", "Cognome e nome cliente:"},
    {K::Tel, "txtTel", "Telefono:"},
    {K::Cel, "txtCel", "Cellulare:"},
    {K::Luogo, "txtLuogo", "Modalità di pagamento:"},
    {K::Note, "txtNote", "Note:"},
}};

QString RigaAppuntamento(const char *record)
{
    static const std::array parti = {
        ParteFissa(u"Data: "),
        ParteCampo(A::Grezzo(K::Data), 10),
        ParteFissa(u"  Ora: "),
        ParteCampo(A::Grezzo(K::Ora), 5),
        ParteFissa(u"  "),
        ParteCampo(A::Grezzo(K::Causale), 42),
        ParteFissa(u"  Cliente: "),
        ParteCampo(A::Grezzo(K::Contatto), 30),
        ParteFissa(u"  Cel. "),
        ParteCampo(A::Grezzo(K::Cel), 14),
        ParteFissa(u"  Importo: \u20ac "),
        ParteCampo(A::Grezzo(K::Importo)),
    };
    return ScriviRiga(record, parti);
}

FileElenco FileElencoAppuntamenti()
{
    return {FileAppuntamenti(), A::Dimensione, RigaAppuntamento};
}

bool ImpegnoInElenco(Impegni quali, const char *record, const QDate &oggi)
{
    switch (quali) {
    case Impegni::DaAssolvere: return OttemperataE(record, kNo);
    case Impegni::Assolti: return OttemperataE(record, kSi);
    case Impegni::Scaduti: {
        if (!OttemperataE(record, kNo)) return false;
        // A card whose date cannot be read is left out; the list goes on.
        const std::optional<QDate> data = DataAppuntamento(record);
        return data && *data < oggi;
    }
    }
    return false;
}

QVector<ColonnaGriglia> ColonneAppuntamenti()
{
    return {
        {QStringLiteral("Data appuntamento"), 180, false},
        {QStringLiteral("Ora"), 150, false},
        {QStringLiteral("Agente"), 280, false},
        {QStringLiteral("Servizi richiesti"), 400, false},
        {QStringLiteral("Dettagli"), 400, true},
        {QStringLiteral("Cliente"), 300, true},
        {QStringLiteral("Telefono"), 200, true},
        {QStringLiteral("Cellulare"), 200, false},
        {QStringLiteral("E-mail"), 250, false},
        {QStringLiteral("Modalità di pagamento"), 300, false},
        {QStringLiteral("Importo"), 200, false},
        {QStringLiteral("Impegno assolto"), 200, false},
        {QStringLiteral("Note"), 400, false},
    };
}

void RiempiArchivioAppuntamenti(RigheGriglia &righe)
{
    TArchivio archivio;
    archivio.Open(FileAppuntamenti(), A::Dimensione);
    archivio.ForEach([&](const char *record, qint64) {
        QStringList riga;
        riga.reserve(14);
        for (K::Campo c : kCampiGriglia) riga.append(A::Leggi(record, c));
        AggiungiRiga(righe, std::move(riga));
        return true;
    });
    archivio.Close();
}

void CaricaAppuntamentoScelto(QWidget *owner, const char *record, qint64 posizione)
{
    auto *scheda = FinestraSopra<DestinatarioAppuntamento>(owner);
    if (!scheda) return;
    A r;
    std::memcpy(r.Buffer(), record, A::Dimensione);
    scheda->CaricaAppuntamento(r, posizione);
}

#include "calls/ListaChiamate.h"

#include "storage/Formati.h"

#include <cstring>

const char *const kModelloChiamata = "repDocumento";

namespace {

using K = LayoutChiamata;

// The bytes of a field, trimmed.
using Rifilato = ShortText::Rifilati;

Rifilato Rifila(const char *record, K::Campo c)
{
    return ShortText::Rifila(TSchedaChiamata::Raw(record, c), TSchedaChiamata::N(c));
}

} // namespace

const FiltroChiamata kFiltriChiamate[10] = {
    {K::DataRit, "txtDataRit", "Data chiamata (gg/mm/aaaa):"},
    {K::MeseRit, "txtMeseRit", "Mese chiamata (in lettere):"},
    {K::Tipo, "txtTipo", "Tipo chiamata (in entrata / in uscita):"},
    {K::Oggetto, "txtOggetto", "Oggetto:"},
    {K::Esito, "txtEsito", "Esito:"},
    {K::Operatore, "txtOperatore", "Operatore / Agente:"},
    {K::Cliente, "txtCliente", "Cognome e nome cliente:"},
    {K::CodFisc, "txtCodFisc", "Codice fiscale:"},
    {K::Zona, "txtZona", "Zona di appartenenza:"},
    {K::Note, "txtNote", "Note:"},
};

FileElenco FileChiamate()
{
    return {QString::fromLatin1(K::NomeFile), TSchedaChiamata::Dimensione, RigaElencoChiamata};
}

QString RigaElencoChiamata(const char *record)
{
    static const std::array parti = {
        ParteFissa(u"Data: "),
        ParteCampo(TSchedaChiamata::Grezzo(K::DataRit), 10),
        ParteFissa(u"  Ora: "),
        ParteCampo(TSchedaChiamata::Grezzo(K::OraRit), 5),
        ParteFissa(u"  Oggetto: "),
        ParteCampo(TSchedaChiamata::Grezzo(K::Oggetto), 30),
        ParteFissa(u"  Cliente: "),
        ParteCampo(TSchedaChiamata::Grezzo(K::Cliente), 30),
        ParteFissa(u"  CF: "),
        ParteCampo(TSchedaChiamata::Grezzo(K::CodFisc), 16),
        ParteFissa(u"  Cel. "),
        ParteCampo(TSchedaChiamata::Grezzo(K::TelCel)),
    };
    return ScriviRiga(record, parti);
}

void RiempiChiamateConData(RigheGriglia &righe, const std::function<bool(QByteArrayView dataRit)> &scegli)
{
    RiempiChiamate(righe, [&scegli](const char *record) {
        const Rifilato data = Rifila(record, K::DataRit);
        return scegli(QByteArrayView(data.p, data.n));
    });
}

void RiempiRegistroChiamate(RigheGriglia &righe)
{
    RiempiChiamateConData(righe, [](QByteArrayView data) { return !data.isEmpty(); });
}

void RiempiChiamateOggi(RigheGriglia &righe, const QDate &oggi)
{
    // Digits and slashes: the same bytes in the record file's code page.
    const QByteArray data = ScriviData(oggi).toLatin1();
    RiempiChiamateConData(righe, [&data](QByteArrayView dataRit) { return dataRit == data; });
}

QVector<TestoMemo> MemoChiamata(const TestiChiamata &testi, const QDateTime &quando)
{
    static const std::vector<VoceScheda> voci = {
        {"txtData", "", {K::GiornoRit, K::MeseRit, K::AnnoRit}, " "},
        {"txtOra", "", {K::OreRit, K::MinutiRit}, ":"},
        {"txtTipo", "", {K::Tipo}},
        {"txtOggetto", "", {K::Oggetto}},
        {"txtEsito", "", {K::Esito}},
        {"txtGrado", "", {K::Grado}},
        {"txtDurata", "", {K::Durata}},
        {"txtCliente", "", {K::Cliente}},
        {"txtCodFisc", "", {K::CodFisc}},
        {"txtZona", "", {K::Zona}},
        {"txtRecapito", "", {K::Recapito}},
        {"txtTelCel", "", {K::TelCel}},
        {"txtEmail", "", {K::Email}},
        {"txtNote", "", {K::Note}},
        {"txtOperatore", "", {K::Operatore}},
    };
    return TestiMemo(voci, testi, QStringLiteral("txtCalce"), quando);
}

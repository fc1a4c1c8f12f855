#include "calls/ListaChiamate.h"

#include "storage/Formati.h"
#include "storage/TArchivio.h"

const char *const kModelloChiamata = "repDocumento";

namespace {

using K = LayoutChiamata;

// A trimmed field padded with blanks or cut to `n` characters.
QString Colonna(const char *record, K::Campo c, int n)
{
    return TSchedaChiamata::Leggi(record, c).leftJustified(n, u' ', true);
}

// The fields of grid columns 1 to 15.
constexpr K::Campo kCampiGriglia[15] = {
    K::DataRit, K::OraRit,  K::Tipo,     K::Oggetto, K::Esito, K::Grado, K::Durata,   K::Cliente,
    K::CodFisc, K::Zona,    K::Recapito, K::TelCel,  K::Email, K::Note,  K::Operatore,
};

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
    QString riga;
    riga.reserve(180);
    riga += QLatin1String("Data: ") + Colonna(record, K::DataRit, 10);
    riga += QLatin1String("  Ora: ") + Colonna(record, K::OraRit, 5);
    riga += QLatin1String("  Oggetto: ") + Colonna(record, K::Oggetto, 30);
    riga += QLatin1String("  Cliente: ") + Colonna(record, K::Cliente, 30);
    riga += QLatin1String("  CF: ") + Colonna(record, K::CodFisc, 16);
    riga += QLatin1String("  Cel. ") + TSchedaChiamata::Leggi(record, K::TelCel);
    return riga;
}

QVector<ColonnaGriglia> ColonneChiamate()
{
    return {
        {QStringLiteral("Data chiamata"), 150, false},
        {QStringLiteral("Ora chiamata"), 150, true},
        {QStringLiteral("Tipo chiamata"), 150, false},
        {QStringLiteral("Oggetto"), 300, false},
        {QStringLiteral("Esito"), 250, false},
        {QStringLiteral("Grado soddisfazione"), 200, false},
        {QStringLiteral("Durata"), 180, false},
        {QStringLiteral("Cognome e nome cliente"), 250, false},
        {QStringLiteral("Codice fiscale"), 180, false},
        {QStringLiteral("Zona di appartenenza"), 250, false},
        {QStringLiteral("Tel. preferenziale"), 200, false},
        {QStringLiteral("Tel. cellulare"), 220, true},
        {QStringLiteral("Indirizzo e-mail"), 250, false},
        {QStringLiteral("Note"), 300, true},
        {QStringLiteral("Operatore / Agente"), 250, true},
    };
}

QVector<IntestazioneExcel> IntestazioniChiamate()
{
    return {
        {QStringLiteral("Data chiamata"), 150},
        {QStringLiteral("Ora chiamata"), 150},
        {QStringLiteral("Tipo chiamata"), 200},
        {QStringLiteral("Oggetto"), 350},
        {QStringLiteral("Esito"), 300},
        {QStringLiteral("Grado soddisfazione"), 250},
        {QStringLiteral("Durata"), 200},
        {QStringLiteral("Cognome e nome cliente"), 250},
        {QStringLiteral("Codice fiscale"), 200},
        {QStringLiteral("Zona di appartenenza"), 250},
        {QStringLiteral("Tel. preferenziale"), 200},
        {QStringLiteral("Tel. cellulare"), 200},
        {QStringLiteral("Indirizzo e-mail"), 250},
        {QStringLiteral("Note"), 350},
        {QStringLiteral("Operatore o agente"), 250},
    };
}

void RiempiChiamate(RigheGriglia &righe, const std::function<bool(const QString &dataRit)> &scegli)
{
    TArchivio archivio;
    archivio.Open(QString::fromLatin1(K::NomeFile), TSchedaChiamata::Dimensione);
    archivio.ForEach([&](const char *record, qint64) {
        if (!scegli(TSchedaChiamata::Leggi(record, K::DataRit))) return true;
        QStringList riga;
        riga.reserve(16);
        for (K::Campo c : kCampiGriglia) riga.append(TSchedaChiamata::Leggi(record, c));
        AggiungiRiga(righe, std::move(riga));
        return true;
    });
    archivio.Close();
}

void RiempiRegistroChiamate(RigheGriglia &righe)
{
    RiempiChiamate(righe, [](const QString &data) { return !data.isEmpty(); });
}

void RiempiChiamateOggi(RigheGriglia &righe, const QDate &oggi)
{
    const QString data = ScriviData(oggi);
    RiempiChiamate(righe, [&data](const QString &dataRit) { return dataRit == data; });
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

#include "reports/GrigliaChiamate.h"

#include "storage/Schede.h"
#include "storage/TArchivio.h"

namespace {

using K = LayoutChiamata;

// The fields of grid columns 1 to 15.
constexpr K::Campo kCampiGriglia[15] = {
    K::DataRit, K::OraRit,  K::Tipo,     K::Oggetto, K::Esito, K::Grado, K::Durata,   K::Cliente,
    K::CodFisc, K::Zona,    K::Recapito, K::TelCel,  K::Email, K::Note,  K::Operatore,
};

} // namespace

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

void RiempiChiamate(RigheGriglia &righe, const std::function<bool(const char *record)> &scegli)
{
    TArchivio archivio;
    archivio.Open(QString::fromLatin1(K::NomeFile), TSchedaChiamata::Dimensione);
    archivio.ForEach([&](const char *record, qint64) {
        if (!scegli(record)) return true;
        QStringList riga;
        riga.reserve(16);
        for (K::Campo c : kCampiGriglia) riga.append(TSchedaChiamata::Leggi(record, c));
        AggiungiRiga(righe, std::move(riga));
        return true;
    });
    archivio.Close();
}

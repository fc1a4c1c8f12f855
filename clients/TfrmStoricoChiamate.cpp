#include "clients/TfrmStoricoChiamate.h"

#include "storage/Formati.h"
#include "clients/TfrmClienti.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QLineEdit>
#include <QPointer>

namespace {

using K = LayoutChiamata;

// The fields of grid columns 1 to 15.
constexpr K::Campo kCampi[15] = {
    K::DataRit, K::OraRit,  K::Tipo,     K::Oggetto, K::Esito, K::Grado, K::Durata,   K::Cliente,
    K::CodFisc, K::Zona,    K::Recapito, K::TelCel,  K::Email, K::Note,  K::Operatore,
};

QStringList RigaChiamata(const char *record)
{
    QStringList riga;
    riga.reserve(16);
    for (K::Campo c : kCampi) riga.append(TSchedaChiamata::Leggi(record, c));
    return riga;
}

} // namespace

void RiempiStoricoChiamate(RigheGriglia &righe, const QString &codiceFiscale)
{
    const QString cercato = Trim(codiceFiscale);
    TArchivio archivio;
    archivio.Open(QString::fromLatin1(K::NomeFile), TSchedaChiamata::Dimensione);
    archivio.ForEach([&](const char *record, qint64) {
        if (TSchedaChiamata::Leggi(record, K::CodFisc) == cercato) AggiungiRiga(righe, RigaChiamata(record));
        return true;
    });
    archivio.Close();
}

TfrmStoricoChiamate::TfrmStoricoChiamate(TfrmClienti *owner)
    : TfrmEsportazione(owner, Descrizione([card = QPointer<TfrmClienti>(owner)] {
                           return card ? card->txtCodFisc->text() : QString();
                       }))
{
    setObjectName(QStringLiteral("frmStoricoChiamate"));
    FormCreate();
}

void TfrmStoricoChiamate::FormCreate()
{
    // Dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}

DescrizioneEsportazione TfrmStoricoChiamate::Descrizione(std::function<QString()> codiceFiscale)
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Storico chiamate cliente");
    d.nomeFile = QStringLiteral("Storico_Chiamate_Cliente.xls");
    d.nomeFoglio = QStringLiteral("Storico Chiamate Cliente");
    d.colonne = {
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
    d.intestazioni = {
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
    d.guida.titolo = QStringLiteral("Storico chiamate cliente");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante dello storico delle chiamate mostra il riepilogo di tutte le chiamate effettuate "
                       "al cliente e ricevute da lui, e permette di esportarlo in un foglio di calcolo in formato "
                       "XLS, che può essere aperto con qualsiasi programma in grado di gestire questo tipo di file, "
                       "come per esempio OpenOffice, LibreOffice o Microsoft Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona del foglio "
                       "di calcolo per creare immediatamente un file XLS contenente le schede elencate, che può "
                       "essere aperto subito rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul disco con un nome a piacere."),
    };
    d.riempi = [codiceFiscale = std::move(codiceFiscale)](RigheGriglia &righe) {
        RiempiStoricoChiamate(righe, codiceFiscale ? codiceFiscale() : QString());
    };
    return d;
}

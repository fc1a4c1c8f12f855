#include "clients/TfrmExpClienti.h"

#include "storage/Schede.h"
#include "storage/TArchivio.h"

namespace {

using C = LayoutCliente;

// The fields of grid columns 1 to 28 (columns 3 and 6 add the province).
// The postcode, sex and recontact flag close the row, so that an address
// list made from the sheet is complete.
constexpr C::Campo kCampi[28] = {
    C::Cliente,   C::DataNasc,   C::ComuneNasc, C::Recapito,   C::IndirizzoRes, C::ComuneRes, C::Estremi,
    C::TelCasa,   C::TelUff,     C::TelCel,     C::Fax,        C::Email,        C::CodFisc,   C::PartitaIva,
    C::Carta,     C::ScadeCarta, C::Iban,       C::Documento,  C::Occupazione,  C::Civile,    C::Titoli,
    C::Prodotti,  C::Zona,       C::Questioni,  C::Note,       C::CapRes,       C::Sesso,     C::Ricontatta,
};

// Cells 1 to 25 of a card's row, appended to `riga`.
void AggiungiCelle(QStringList &riga, const char *record)
{
    auto campo = [record](C::Campo c) { return TSchedaCliente::Leggi(record, c); };
    for (C::Campo c : kCampi) {
        if (c == C::ComuneNasc) riga.append(campo(c) + u' ' + campo(C::ProvNasc));
        else if (c == C::ComuneRes) riga.append(campo(c) + u' ' + campo(C::ProvRes));
        else riga.append(campo(c));
    }
}

} // namespace

void RiempiGrigliaClienti(RigheGriglia &righe)
{
    TArchivio archivio;
    archivio.Open(QString::fromLatin1(C::NomeFile), TSchedaCliente::Dimensione);
    const qint64 n = archivio.Count();
    if (n == 0) {
        archivio.Close();
        return;
    }
    // One row per card, numbered as it is filled: a failure half-way leaves
    // the rows after it empty.
    righe.resize(righe.size() + n);
    const qsizetype primo = righe.size() - n;
    archivio.ForEach([&](const char *record, qint64 posizione) {
        if (posizione > n) return false; // cards added meanwhile by another workstation
        QStringList &riga = righe[primo + posizione - 1];
        riga.reserve(29);
        riga.append(QString::number(posizione));
        AggiungiCelle(riga, record);
        return true;
    });
    archivio.Close();
}

TfrmExpClienti::TfrmExpClienti(QWidget *owner) : TfrmEsportazione(owner, Descrizione())
{
    setObjectName(QStringLiteral("frmExpClienti"));
}

DescrizioneEsportazione TfrmExpClienti::Descrizione()
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Esporta archivio clienti in Microsoft Excel");
    d.nomeFile = QStringLiteral("Clienti.xls");
    d.nomeFoglio = QStringLiteral("Archivio Clienti");
    d.colonne = {
        {QStringLiteral("Cognome e nome"), 250, false},
        {QStringLiteral("Data di nascita"), 120, false},
        {QStringLiteral("Comune / Stato estero di nascita"), 250, false},
        {QStringLiteral("Tel. preferenziale"), 200, false},
        {QStringLiteral("Indirizzo di residenza"), 250, false},
        {QStringLiteral("Comune di residenza"), 250, true},
        {QStringLiteral("Modalità di pagamento"), 250, false},
        {QStringLiteral("Tel. casa"), 200, false},
        {QStringLiteral("Tel. ufficio"), 200, false},
        {QStringLiteral("Tel. cellulare"), 200, false},
        {QStringLiteral("PEC"), 200, false},
        {QStringLiteral("E-mail"), 250, false},
        {QStringLiteral("Codice fiscale"), 150, false},
        {QStringLiteral("Partita IVA"), 150, true},
        {QStringLiteral("Carta di credito n."), 250, false},
        {QStringLiteral("Scadenza"), 160, true},
        {QStringLiteral("IBAN"), 250, true},
        {QStringLiteral("Estremi documento"), 280, true},
        {QStringLiteral("Occupazione"), 250, true},
        {QStringLiteral("Stato civile"), 250, false},
        {QStringLiteral("Titoli e qualifiche"), 280, true},
        {QStringLiteral("Prodotti e servizi di interesse"), 300, false},
        {QStringLiteral("Zona"), 250, false},
        {QStringLiteral("Questioni in sospeso"), 300, true},
        {QStringLiteral("Note"), 350, true},
        {QStringLiteral("CAP"), 100, false},
        {QStringLiteral("Sesso"), 80, false},
        {QStringLiteral("Da ricontattare"), 150, false},
    };
    d.intestazioni = {
        {QStringLiteral("Cognome e nome"), 250},
        {QStringLiteral("Data di nascita"), 200},
        {QStringLiteral("Comune di nascita"), 250},
        {QStringLiteral("Tel. preferenziale"), 250},
        {QStringLiteral("Indirizzo di residenza"), 300},
        {QStringLiteral("Comune di residenza"), 250},
        {QStringLiteral("Modalità di pagamento"), 250},
        {QStringLiteral("Tel. casa"), 250},
        {QStringLiteral("Tel. ufficio"), 250},
        {QStringLiteral("Tel. cellulare"), 250},
        {QStringLiteral("PEC"), 250},
        {QStringLiteral("E-mail"), 250},
        {QStringLiteral("Codice fiscale"), 250},
        {QStringLiteral("Partita IVA"), 250},
        {QStringLiteral("Carta di credito n."), 300},
        {QStringLiteral("Scadenza"), 150},
        {QStringLiteral("IBAN"), 300},
        {QStringLiteral("Estremi documento"), 280},
        {QStringLiteral("Occupazione"), 250},
        {QStringLiteral("Stato civile"), 250},
        {QStringLiteral("Titoli e qualifiche"), 280},
        {QStringLiteral("Prodotti e servizi di interesse"), 300},
        {QStringLiteral("Zona"), 250},
        {QStringLiteral("Questioni in sospeso"), 300},
        {QStringLiteral("Note"), 300},
        {QStringLiteral("CAP"), 120},
        {QStringLiteral("Sesso"), 100},
        {QStringLiteral("Da ricontattare"), 180},
    };
    d.guida.titolo = QStringLiteral("Esportazione archivio clienti in Excel");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante di esportazione trasferisce i dati anagrafici di tutti i clienti in archivio in "
                       "un foglio di calcolo in formato XLS, che può essere aperto con qualsiasi programma in grado "
                       "di gestire questo tipo di file, come per esempio OpenOffice, LibreOffice o Microsoft "
                       "Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona del foglio "
                       "di calcolo per creare immediatamente un file XLS contenente le schede dell'archivio, che può "
                       "essere aperto subito rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul disco con un nome a piacere."),
    };
    d.riempi = RiempiGrigliaClienti;
    return d;
}

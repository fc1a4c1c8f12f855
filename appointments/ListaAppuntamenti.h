#pragma once
// The appointment file as the list windows see it: the line of a card in the
// search and in the three commitment lists, the ten search criteria, the
// rules of the commitment lists, the columns and rows of the archive export,
// and the loading of a chosen card into the appointment card. Plain
// functions; the windows only show what these return.
#include "appointments/Appuntamenti.h"
#include "output/Esportazione.h"
#include "storage/ElencoRecord.h"

#include <QDate>
#include <QString>
#include <array>

class QWidget;

// "Data: " + Data + "  Ora: " + Ora + "  " + Causale + "  Cliente: " +
// Contatto + "  Cel. " + Cel + "  Importo: € " + Importo, each field trimmed;
// all but the amount padded with blanks or cut to 10, 5, 42, 30 and 14
// characters. `record` is a raw TSchedaAppuntamento.
QString RigaAppuntamento(const char *record);

// "Archivio_Appuntamenti.pro" with the lines above, in file order.
FileElenco FileElencoAppuntamenti();

// A criterion of the appointment search: the field it looks in, its control
// and its caption.
struct CriterioAppuntamento {
    LayoutAppuntamento::Campo campo;
    const char *controllo;
    const char *etichetta;
};
// The ten criteria in the order of the Enter chain.
extern const std::array<CriterioAppuntamento, 10> kCriteriAppuntamenti;

// Whether a card belongs to a commitment list on day `oggi`:
//   DaAssolvere  Ottemperata is "No", whatever the date;
//   Scaduti      Ottemperata is "No" and Data is a date before `oggi` (a Data
//                that is not a date leaves the card out);
//   Assolti      Ottemperata is "Sì".
bool ImpegnoInElenco(Impegni quali, const char *record, const QDate &oggi);

// The export grid's thirteen data columns (after "N."): header, width (the
// same in the grid and in the file) and whether the user may edit them.
QVector<ColonnaGriglia> ColonneAppuntamenti();

// Appends a row for every card of the archive, in file order: its number,
// then Data, Ora, Tipologia, Causale, Dettagli, Contatto, Tel, Cel, Email,
// Luogo, Importo, Ottemperata and Note, each trimmed. A failure of the file
// is thrown on (EArchivio); the rows added before it stay.
void RiempiArchivioAppuntamenti(RigheGriglia &righe);

// Puts the card `record`, stored at `posizione` (1-based), into the
// appointment card that is `owner` or the nearest of its parents; nothing
// happens when there is none. The search and the commitment lists call it
// for every card whose line equals the chosen one.
void CaricaAppuntamentoScelto(QWidget *owner, const char *record, qint64 posizione);

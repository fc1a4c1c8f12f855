#pragma once
// The client sheet: the card on screen laid out on one A4 page (template
// repScheda), shown in a preview, printed, or saved as "Contatto.pdf" in the
// program folder. What comes out is what the card's fields hold, saved or not.
// The outputs themselves are the shared card printing of output/SchedaReport.h;
// this unit says which memo shows what.
//
// The card's buttons call:
//   cmdAnteprimaClick -> AnteprimaScheda(this)
//   cmdStampaClick    -> StampaScheda(this)
//   cmdPDFClick       -> PdfScheda(this)
#include "storage/Schede.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <array>

class QWidget;
class TReport;
class TfrmClienti;

// Where the sheet goes. Only the label of the area row differs: "Zona:" on
// paper and in the preview, "Zona di appartenenza:" in the PDF.
enum class UscitaScheda { Anteprima, Stampa, Pdf };

// The texts of the card's fields as they are on screen, indexed by
// LayoutCliente::Campo (Cliente .. Note; the flag and attachment slots are
// not printed and may stay empty).
using TestiCliente = std::array<QString, TSchedaCliente::NumCampi>;

struct RigaScheda {
    QString etichetta; // titCampoNN
    QString valore;    // txtCampoNN
};

// The 24 rows of the sheet, in order: each field trimmed; joined rows are
// joined as printed ("Roma " for a town without province, "N.   -  Scadenza: "
// for a card without number and expiry).
QVector<RigaScheda> RigheScheda(const TestiCliente &testi, UscitaScheda uscita);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString CalceScheda(const QDateTime &quando);
// Sets page 1 to portrait and fills every memo of the sheet (title, the 24
// rows, the footer with the moment `quando`).
void CompilaScheda(TReport &repScheda, const TestiCliente &testi, UscitaScheda uscita, const QDateTime &quando);

// The texts of the card's controls.
TestiCliente TestiScheda(const TfrmClienti *card);

// The three outputs from given texts (`owner`: the window that asks). The
// footer takes the moment of output from the program's clock.
void AnteprimaScheda(QWidget *owner, const TestiCliente &testi); // modal; returns when closed
void StampaScheda(QWidget *owner, const TestiCliente &testi);
// Writes CartellaProgramma() + "Contatto.pdf" (overwritten without asking),
// then asks whether to open it; any answer but No opens it.
void PdfScheda(QWidget *owner, const TestiCliente &testi);

// The card's buttons.
void AnteprimaScheda(TfrmClienti *card);
void StampaScheda(TfrmClienti *card);
void PdfScheda(TfrmClienti *card);

extern const char *const kModelloScheda;   // the template, "repScheda"
extern const char *const kFilePdfScheda;   // "Contatto.pdf"
extern const char *const kTitoloPdfScheda; // title and subject of the PDF

// The client card's buttons that open other windows. Each window is a new
// instance owned by the card, shown modally and destroyed when it closes.
#include "clients/TfrmClienti.h"

#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmServizi.h"
#include "clients/StampaScheda.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmStoricoChiamate.h"
#include "clients/TfrmTrovaClienti.h"
#include "identifiers/Controlli.h"
#include "identifiers/TfrmCarta.h"
#include "identifiers/TfrmCodFisc.h"
#include "identifiers/TfrmIban.h"
#include "identifiers/TfrmPartitaIva.h"
#include "storage/Testo.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Opens a check window with `testo` in its field.
template <class Finestra> void Controlla(QWidget *card, QLineEdit *Finestra::*campo, const QString &testo)
{
    Finestra f(card);
    (f.*campo)->setText(Trim(testo));
    f.exec();
}
} // namespace

void TfrmClienti::cmdFileClick()
{
    TfrmAllegaCartella f(this);
    f.lblMemory->setText(QStringLiteral("clienti"));
    f.txtFile01->setText(Trim(lblFile01->text()));
    f.txtDesc01->setText(Trim(lblDesc01->text()));
    f.txtFile02->setText(Trim(lblFile02->text()));
    f.txtDesc02->setText(Trim(lblDesc02->text()));
    f.txtFile03->setText(Trim(lblFile03->text()));
    f.txtDesc03->setText(Trim(lblDesc03->text()));
    f.exec();
}

void TfrmClienti::cmdTrovaClick()
{
    TfrmTrovaClienti f(this);
    f.lblMemory->setText(QStringLiteral("clienti"));
    f.exec();
}

void TfrmClienti::cmdAnteprimaClick()
{
    AnteprimaScheda(this);
}

void TfrmClienti::cmdStampaClick()
{
    StampaScheda(this);
}

void TfrmClienti::cmdPDFClick()
{
    PdfScheda(this);
}

void TfrmClienti::cmdRicontattaClick()
{
    TfrmRicontatta f(this);
    f.exec();
}

void TfrmClienti::cmdEsportaClick()
{
    TfrmExpClienti f(this);
    f.exec();
}

void TfrmClienti::btnCodFiscClick()
{
    // A tax code made only of digits is a partita IVA.
    if (CodFiscDaControllareComePartitaIva(txtCodFisc->text()))
        Controlla(this, &TfrmPartitaIva::txtPartitaIva, txtCodFisc->text());
    else
        Controlla(this, &TfrmCodFisc::txtCodFisc, txtCodFisc->text());
}

void TfrmClienti::btnCartaClick()
{
    Controlla(this, &TfrmCarta::txtNumero, txtCarta->text());
}

void TfrmClienti::btnPartitaIvaClick()
{
    Controlla(this, &TfrmPartitaIva::txtPartitaIva, txtPartitaIva->text());
}

void TfrmClienti::btnIbanClick()
{
    Controlla(this, &TfrmIban::txtIban, txtIban->text());
}

void TfrmClienti::ApriStoricoChiamate()
{
    TfrmStoricoChiamate f(this);
    f.exec();
}
void TfrmClienti::ApriServizi()
{
    TfrmAllegaExcel f(this);
    f.exec();
}

// The call card's buttons that open other windows of the register. Each
// window is a new instance owned by the card, shown modally and destroyed
// when it closes.
#include "calls/TfrmChiamate.h"

#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepChiamateOggi.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "identifiers/Controlli.h"
#include "identifiers/TfrmCodFisc.h"
#include "identifiers/TfrmPartitaIva.h"
#include "storage/Testo.h"

#include <QLabel>
#include <QLineEdit>

void TfrmChiamate::cmdTrovaClick()
{
    TfrmTrovaChiamate f(this);
    f.lblMemory->setText(QStringLiteral("chiamate"));
    f.exec();
}

void TfrmChiamate::cmdAnteprimaClick()
{
    TfrmAnteprimaChiamata f(this, Testi());
    f.exec();
}

void TfrmChiamate::cmdStampaClick()
{
    TfrmStampaChiamata f(this, Testi());
    f.exec();
}

void TfrmChiamate::cmdEsportaClick()
{
    TfrmExpChiamate f(this);
    f.exec();
}

void TfrmChiamate::cmdRiepOggiClick()
{
    TfrmRiepChiamateOggi f(this);
    f.exec();
}

void TfrmChiamate::btnCodFiscClick()
{
    // A tax code made only of digits is a partita IVA; nothing comes back.
    const QString t = Trim(txtCodFisc->text());
    if (!t.isEmpty() && CodFiscDaControllareComePartitaIva(t)) {
        TfrmPartitaIva f(this);
        f.txtPartitaIva->setText(t);
        f.exec();
    } else {
        TfrmCodFisc f(this);
        f.txtCodFisc->setText(t);
        f.exec();
    }
}

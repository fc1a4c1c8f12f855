// The appointment card's buttons that open other windows, and the messages it
// sends: the lists, print and preview, the help page, the date picker, the
// client search, the e-mail and the WhatsApp confirmation. Each window is a
// new instance owned by the card, shown modally and destroyed when it closes.
#include "appointments/TfrmArchivio_Scadenze.h"

#include "appointments/GuidaAppuntamenti.h"
#include "appointments/TfrmCalendario.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "storage/Testo.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"
#include "ui/TMisc.h"
#include "ui/WhatsApp.h"

#include <QLabel>
#include <QLineEdit>

namespace A = SchedaAppuntamento;
using K = LayoutAppuntamento;

void TfrmArchivio_Scadenze::cmdTrovaClick()
{
    ApriTrovaAppuntamenti(this);
}

void TfrmArchivio_Scadenze::cmdAssoltiClick()
{
    ApriImpegni(this, Impegni::Assolti);
}

void TfrmArchivio_Scadenze::cmdDaAssolvereClick()
{
    ApriImpegni(this, Impegni::DaAssolvere);
}

void TfrmArchivio_Scadenze::cmdScadutiClick()
{
    ApriImpegni(this, Impegni::Scaduti);
}

void TfrmArchivio_Scadenze::cmdEsportaClick()
{
    ApriEsportazioneAppuntamenti(this);
}

void TfrmArchivio_Scadenze::cmdAnteprimaClick()
{
    TfrmStartup f(this, Testi());
    f.exec();
}

void TfrmArchivio_Scadenze::cmdStampaClick()
{
    TfrmStampaScadenza f(this, Testi());
    f.exec();
}

void TfrmArchivio_Scadenze::cmdGuidaClick()
{
    MostraGuida(this, GuidaAppuntamenti());
}

void TfrmArchivio_Scadenze::impDataClick()
{
    // A new picker each time, so it starts on today's date.
    TfrmCalendario f(this);
    f.lblMemory->setText(QStringLiteral("data"));
    f.exec();
}

void TfrmArchivio_Scadenze::impContattoClick()
{
    // The client search belongs to another app: the shell opens it.
    ApriFinestra(QStringLiteral("TfrmTrovaClienti"), this, QStringLiteral("scadenze"));
}

void TfrmArchivio_Scadenze::btnEmailClick()
{
    TMisc::Open(QStringLiteral("\"mailto:") + Trim(txtEmail->text()) + QStringLiteral("\""));
}

void TfrmArchivio_Scadenze::btnWhatsAppClick()
{
    const TestiAppuntamento t = Testi();
    if (const std::optional<A::Rifiuto> no = A::ControllaWhatsApp(t)) {
        Msg::Avviso(this, no->messaggio);
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(no->fuoco))) w->setFocus();
        return;
    }
    // The number as typed; the text is percent-encoded on its way, so the
    // browser receives it exactly.
    InviaWhatsApp(Trim(t[K::Cel]), A::TestoConferma(t));
}

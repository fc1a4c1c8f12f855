#include "app/Finestre.h"

#include "storage/Formati.h"
#include "ui/Kit.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "ui/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"
#include "agenda/EsportazioneAgenda.h"
#include "agenda/TfrmAgenda.h"
#include "agenda/TfrmWhatsApp_Message.h"
#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmServizi.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmStoricoChiamate.h"
#include "clients/TfrmTrovaClienti.h"
#include "appointments/TfrmExpScadenzario.h"
#include "appointments/TfrmImpegni.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmChiamate.h"
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepChiamateOggi.h"
#include "calls/TfrmStampaChiamata.h"
#include "calls/TfrmTrovaChiamate.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmCalendario.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "identifiers/TfrmCarta.h"
#include "identifiers/TfrmCodFisc.h"
#include "identifiers/TfrmIban.h"
#include "identifiers/TfrmPartitaIva.h"
#include "income/TfrmMenuRiepCosti.h"
#include "income/TfrmRiepCosti.h"

#include <QApplication>
#include <QLabel>

namespace {
Finestre g_finestre;
}

Finestre &App()
{
    return g_finestre;
}

QWidget *Finestre::hub() const
{
    return frmAvvio;
}

void CreaFinestre()
{
    ImpostaFormati();
    Finestre &f = g_finestre;
    // Each window is noted as it is created, so the order can be checked.
    auto crea = [&f](auto *w) {
        f.ordine.push_back(w);
        return w;
    };
    auto dialogo = [&f, &crea](QWidget *w) { f.dialoghi.emplace_back(crea(w)); };
    // The start order; the first window created is the main window.
    f.frmPassword = crea(new TfrmPassword);
    f.frmAvvio = crea(new TfrmAvvio);
    f.frmCambiaPassword = crea(new TfrmCambiaPassword);
    f.frmGuida = crea(new TfrmGuida);
    f.frmInfo = crea(new TfrmInfo);
    f.frmSplash = crea(new TfrmSplash);
    f.frmAgenda = crea(new TfrmAgenda);
    dialogo(new TfrmAllegaCartella);
    dialogo(new TfrmAllegaExcel(nullptr));
    f.frmArchivio_Scadenze = crea(new TfrmArchivio_Scadenze);
    dialogo(new TfrmAssolti);
    dialogo(new TfrmCalendario);
    dialogo(new TfrmCarta);
    f.frmClienti = crea(new TfrmClienti);
    dialogo(new TfrmCodFisc);
    dialogo(new TfrmConfermati);
    dialogo(new TfrmExpClienti);
    dialogo(new TfrmExpGiornaliere);
    dialogo(new TfrmExpImminenti);
    dialogo(new TfrmExpMensili);
    dialogo(new TfrmExpScadenzario);
    dialogo(new TfrmIban);
    dialogo(new TfrmPartitaIva);
    dialogo(new TfrmRicontatta);
    dialogo(new TfrmScaduti);
    dialogo(new TfrmStampaScadenza);
    dialogo(new TfrmStartup);
    dialogo(new TfrmTrovaClienti);
    dialogo(new TfrmTrovaScadenze);
    dialogo(new TfrmWhatsApp_Message);
    f.frmChiamate = crea(new TfrmChiamate);
    dialogo(new TfrmTrovaChiamate);
    dialogo(new TfrmAnteprimaChiamata);
    dialogo(new TfrmStampaChiamata);
    dialogo(new TfrmExpChiamate);
    dialogo(new TfrmRiepChiamateOggi);
    dialogo(new TfrmStoricoChiamate(nullptr));
    f.frmMenuRiepCosti = crea(new TfrmMenuRiepCosti);
    dialogo(new TfrmRiepCosti(nullptr));
    f.frmAvvio->ImpostaApp(1, f.frmClienti);
    f.frmAvvio->ImpostaApp(2, f.frmChiamate);
    f.frmAvvio->ImpostaApp(3, f.frmAgenda);
    f.frmAvvio->ImpostaApp(4, f.frmMenuRiepCosti);

    // What a client chosen in the client search fills in, by mode word; each
    // app registers its own writers (ui/ScrittoriCliente.h).
    RegistraScrittoriClienti();
    RegistraScrittoriChiamate();
    RegistraScrittoriAppuntamenti();
    RegistraScrittoriIncassi();

    // The shell as the windows see it.
    TNavigazione nav;
    nav.mostraHub = [] {
        if (QWidget *hub = App().hub()) Stile::MostraIngrandita(hub);
    };
    nav.mostraAccesso = [] {
        if (auto *login = App().frmPassword) login->RitornaDalCambio();
    };
    nav.cambiaPassword = [] {
        if (auto *w = App().frmCambiaPassword) {
            w->show();
            if (App().frmPassword) App().frmPassword->hide();
        }
    };
    // The windows of one app that another opens, by class name: a new
    // instance owned by the caller, shown modally and destroyed.
    nav.apri = [](const QString &nome, QWidget *owner, const QString &memoria) {
        if (nome == QLatin1String("TfrmTrovaClienti")) {
            TfrmTrovaClienti w(owner);
            w.lblMemory->setText(memoria);
            w.exec();
            return true;
        }
        // The appointment card lives for the whole run: shown, never owned.
        if (nome == QLatin1String("TfrmArchivio_Scadenze")) {
            if (!App().frmArchivio_Scadenze) return false;
            Stile::MostraIngrandita(App().frmArchivio_Scadenze);
            return true;
        }
        return false;
    };
    ImpostaNavigazione(std::move(nav));
}

void DistruggiFinestre()
{
    Finestre &f = g_finestre;
    // Reverse order of creation.
    while (!f.dialoghi.empty()) f.dialoghi.pop_back();
    delete f.frmMenuRiepCosti;
    delete f.frmChiamate;
    delete f.frmClienti;
    delete f.frmArchivio_Scadenze;
    delete f.frmAgenda;
    delete f.frmSplash;
    delete f.frmInfo;
    delete f.frmGuida;
    delete f.frmCambiaPassword;
    delete f.frmAvvio;
    delete f.frmPassword;
    f = Finestre{};
    ImpostaNavigazione({});
}

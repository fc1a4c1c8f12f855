#include "calls/TfrmTrovaChiamate.h"

#include "calls/ListaChiamate.h"
#include "reports/Modelli.h"
#include "ui/ScrittoriCliente.h"

#include <QLineEdit>
#include <cstring>

namespace {

using K = LayoutChiamata;

DescrizioneRicerca Ricerca()
{
    DescrizioneRicerca d;
    d.dimensione = QSize(1000, 640);
    d.didascalia = QStringLiteral(" Trova schede in registro chiamate");
    d.sottotitolo = QStringLiteral("Registro Chiamate");
    d.istruzioni = QStringLiteral("Compila uno o più campi e premi \u00abCerca\u00bb: vengono elencate le "
                                  "chiamate che li soddisfano tutti; senza filtri, tutte le chiamate.");
    d.rigo03 = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    d.titoloStampa = QStringLiteral("Riepilogo chiamate");
    d.modelloStampa = ModelloRiepilogoDati();
    for (const FiltroChiamata &f : kFiltriChiamate)
        d.filtri.push_back({QString::fromLatin1(f.controllo), QString::fromUtf8(f.etichetta),
                            TSchedaChiamata::Grezzo(f.campo), QString()});
    d.file = FileChiamate();
    d.ordina = false; // file order: the order the calls were first saved
    d.azione = [](QWidget *owner, const QString &modo, const char *record, qint64 posizione) {
        if (modo != QLatin1String("chiamate")) return;
        auto *scheda = FinestraSopra<DestinatarioChiamata>(owner);
        if (!scheda) return;
        TSchedaChiamata r;
        std::memcpy(r.Buffer(), record, TSchedaChiamata::Dimensione);
        scheda->CaricaChiamata(r, posizione);
    };
    return d;
}

} // namespace

TfrmTrovaChiamate::TfrmTrovaChiamate(QWidget *owner) : TFinestraRicerca(owner, Ricerca())
{
    setObjectName(QStringLiteral("frmTrovaChiamate"));
    QLineEdit *TfrmTrovaChiamate::*const membri[10] = {
        &TfrmTrovaChiamate::txtDataRit,   &TfrmTrovaChiamate::txtMeseRit, &TfrmTrovaChiamate::txtTipo,
        &TfrmTrovaChiamate::txtOggetto,   &TfrmTrovaChiamate::txtEsito,   &TfrmTrovaChiamate::txtOperatore,
        &TfrmTrovaChiamate::txtCliente,   &TfrmTrovaChiamate::txtCodFisc, &TfrmTrovaChiamate::txtZona,
        &TfrmTrovaChiamate::txtNote};
    for (size_t i = 0; i < 10; ++i) this->*membri[i] = CampiFiltro()[i];
}

TfrmTrovaChiamate::~TfrmTrovaChiamate() = default;

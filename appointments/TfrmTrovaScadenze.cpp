#include "appointments/TfrmTrovaScadenze.h"

#include "appointments/ListaAppuntamenti.h"
#include "reports/Modelli.h"

#include <QLineEdit>

namespace {

using A = TSchedaAppuntamento;

DescrizioneRicerca Ricerca()
{
    DescrizioneRicerca d;
    d.dimensione = QSize(1000, 640);
    d.didascalia = QStringLiteral(" Trova appuntamenti in archivio");
    d.sottotitolo = QStringLiteral("Schedario Appuntamenti");
    d.istruzioni = QStringLiteral("Scrivere una o più parole consecutive contenute negli appuntamenti cercati nei campi "
                                  "scelti e lasciare vuoti gli altri:\nsi possono combinare quanti campi si desidera. "
                                  "Senza criteri, \u00abCerca\u00bb elenca tutto l'archivio.");
    d.rigo03 = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    d.titoloStampa = QStringLiteral("Riepilogo appuntamenti in archivio");
    d.modelloStampa = ModelloRiepilogoDati();
    int n = 0;
    for (const CriterioAppuntamento &c : kCriteriAppuntamenti)
        d.filtri.push_back({QString::fromLatin1(c.controllo), QString::fromUtf8(c.etichetta),
                            A::Grezzo(c.campo),
                            QStringLiteral("effCampo%1").arg(++n, 2, 10, QLatin1Char('0'))});
    d.file = FileElencoAppuntamenti();
    d.ordina = false; // file order: the order the cards were first stored
    d.azione = [](QWidget *owner, const QString &modo, const char *record, qint64 posizione) {
        if (modo == QLatin1String("scadenze")) CaricaAppuntamentoScelto(owner, record, posizione);
    };
    return d;
}

} // namespace

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget *owner) : TFinestraRicerca(owner, Ricerca())
{
    setObjectName(QStringLiteral("frmTrovaScadenze"));
    QLineEdit *TfrmTrovaScadenze::*const membri[10] = {
        &TfrmTrovaScadenze::txtData,     &TfrmTrovaScadenze::txtOra,      &TfrmTrovaScadenze::txtTipologia,
        &TfrmTrovaScadenze::txtCausale,  &TfrmTrovaScadenze::txtDettagli, &TfrmTrovaScadenze::txtContatto,
        &TfrmTrovaScadenze::txtTel,      &TfrmTrovaScadenze::txtCel,      &TfrmTrovaScadenze::txtLuogo,
        &TfrmTrovaScadenze::txtNote};
    for (size_t i = 0; i < 10; ++i) this->*membri[i] = CampiFiltro()[i];
}

TfrmTrovaScadenze::~TfrmTrovaScadenze() = default;

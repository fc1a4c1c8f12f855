#include "clients/TfrmTrovaClienti.h"

#include "clients/TfrmClienti.h"
#include "reports/Modelli.h"

#include <cstring>

void RegistraScrittoriClienti()
{
    RegistraScrittorePer<TfrmClienti>(QStringLiteral("clienti"), [](TfrmClienti &f, const TSchedaCliente &r, qint64 p) {
        f.CaricaScheda(r, p);
    });
}

TFinestraElencoClienti::TFinestraElencoClienti(QWidget *owner, DescrizioneRicerca d, UltimaColonna ultima,
                                               const QString &modo)
    : TFinestraRicerca(owner, [&] {
          RegistraScrittoriClienti();
          d.file = FileClienti(ultima);
          d.modelloStampa = ModelloRiepilogoDati();
          d.azione = [modo](QWidget *owner, const QString &scritto, const char *record, qint64 posizione) {
              const ScrittoreCliente scrivi = ScrittorePerModo(modo.isEmpty() ? scritto : modo);
              if (!scrivi) return;
              TSchedaCliente r;
              std::memcpy(r.Buffer(), record, TSchedaCliente::Dimensione);
              scrivi(owner, r, posizione);
          };
          return std::move(d);
      }())
{
}

namespace {

DescrizioneRicerca Ricerca()
{
    DescrizioneRicerca d;
    d.dimensione = QSize(1000, 640);
    d.didascalia = QStringLiteral(" Trova clienti in archivio");
    d.sottotitolo = QStringLiteral("Clienti e Servizi");
    d.istruzioni = QStringLiteral("Compila uno o più campi e premi \u00abCerca\u00bb: vengono elencati i "
                                  "clienti che li soddisfano tutti; senza filtri, tutti i clienti.");
    d.rigo03 = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    d.titoloStampa = QStringLiteral("Riepilogo clienti in archivio");
    const std::vector<CampoGrezzo> &campi = CampiFiltriClienti();
    for (size_t i = 0; i < kFiltriClienti.size(); ++i)
        d.filtri.push_back({QString::fromLatin1(kFiltriClienti[i].controllo),
                            QString::fromUtf8(kFiltriClienti[i].etichetta), campi[i], QString()});
    return d;
}

} // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner) : TFinestraElencoClienti(owner, Ricerca(), UltimaColonna::Note)
{
    setObjectName(QStringLiteral("frmTrovaClienti"));
    QLineEdit *TfrmTrovaClienti::*const membri[10] = {
        &TfrmTrovaClienti::txtCliente,  &TfrmTrovaClienti::txtComuneRes,   &TfrmTrovaClienti::txtPartitaIva,
        &TfrmTrovaClienti::txtCodFisc,  &TfrmTrovaClienti::txtDocumento,   &TfrmTrovaClienti::txtOccupazione,
        &TfrmTrovaClienti::txtProdotti, &TfrmTrovaClienti::txtZona,        &TfrmTrovaClienti::txtQuestioni,
        &TfrmTrovaClienti::txtNote};
    for (size_t i = 0; i < campi_.size(); ++i) {
        campi_[i] = TFinestraRicerca::CampiFiltro()[i];
        this->*membri[i] = campi_[i];
    }
}

TfrmTrovaClienti::~TfrmTrovaClienti() = default;

#include "appointments/TfrmImpegni.h"

#include "appointments/ListaAppuntamenti.h"
#include "reports/Modelli.h"
#include "storage/Cartella.h"

namespace {

// What tells the three lists apart.
struct Impostazione {
    const char *didascalia;
    const char *sottotitolo;
    const char *titoloStampa;
};

Impostazione Di(Impegni quali)
{
    switch (quali) {
    case Impegni::DaAssolvere:
        return {" Riepilogo impegni da assolvere", "Gli appuntamenti non ancora assolti, passati e futuri",
                "Riepilogo impegni da assolvere"};
    case Impegni::Scaduti:
        return {" Riepilogo impegni scaduti e non assolti",
                "Gli appuntamenti non assolti con la data precedente a oggi",
                "Riepilogo impegni scaduti e non assolti"};
    case Impegni::Assolti:
        break;
    }
    return {" Riepilogo impegni assolti", "Gli appuntamenti con la casella \u00abImpegno assolto\u00bb spuntata",
            "Riepilogo impegni assolti"};
}

DescrizioneRicerca Elenco(Impegni quali, const std::shared_ptr<QDate> &oggi)
{
    const Impostazione i = Di(quali);
    DescrizioneRicerca d;
    d.dimensione = QSize(1000, 620);
    d.didascalia = QString::fromUtf8(i.didascalia);
    d.sottotitolo = QString::fromUtf8(i.sottotitolo);
    d.rigo03 = QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda");
    d.titoloStampa = QString::fromUtf8(i.titoloStampa);
    d.modelloStampa = ModelloRiepilogoDati();
    d.file = FileElencoAppuntamenti();
    d.ordina = false; // file order
    d.scegli = [quali, oggi](const char *record) { return ImpegnoInElenco(quali, record, *oggi); };
    // The list's own rule is not applied again: the chosen card is loaded.
    d.azione = [](QWidget *owner, const QString &, const char *record, qint64 posizione) {
        CaricaAppuntamentoScelto(owner, record, posizione);
    };
    return d;
}

} // namespace

TFinestraImpegni::TFinestraImpegni(QWidget *owner, Impegni quali)
    : TFinestraImpegni(owner, quali, std::make_shared<QDate>())
{
}

TFinestraImpegni::TFinestraImpegni(QWidget *owner, Impegni quali, std::shared_ptr<QDate> oggi)
    : TFinestraRicerca(owner, Elenco(quali, oggi)), quali_(quali), oggi_(std::move(oggi))
{
}

void TFinestraImpegni::FormShow()
{
    *oggi_ = Oggi();
    TFinestraRicerca::FormShow();
}

TfrmConfermati::TfrmConfermati(QWidget *owner) : TFinestraImpegni(owner, Impegni::DaAssolvere)
{
    setObjectName(QStringLiteral("frmConfermati"));
}

TfrmScaduti::TfrmScaduti(QWidget *owner) : TFinestraImpegni(owner, Impegni::Scaduti)
{
    setObjectName(QStringLiteral("frmScaduti"));
}

TfrmAssolti::TfrmAssolti(QWidget *owner) : TFinestraImpegni(owner, Impegni::Assolti)
{
    setObjectName(QStringLiteral("frmAssolti"));
}

#pragma once
// The search windows and the result lists they show, written once: a fixed-size
// dialog over one record file, described by a DescrizioneRicerca.
//
// With filter fields it has two views, the filter view `panAvvio` (shown
// first) and the result view `panContainer`: "Cerca" lists every record the
// filled-in filters find, counts them in lblTrovate and switches to the
// results for good. Without filter fields it is only the result view and
// lists the records `scegli` accepts when it is shown.
//
// The result view: the list lstRecords (sorted or in file order), find-in-list
// (txtTrova, btnTrova), the printed list (btnStampa), and a double click that
// re-reads the file and applies the action to every record whose line equals
// the chosen one, in file order (the last equal record is the one that stays).
//
//   DescrizioneRicerca d;
//   d.didascalia = QStringLiteral(" Trova schede in registro chiamate");
//   d.filtri = {{"txtDataRit", "Data chiamata (gg/mm/aaaa):", TSchedaChiamata::Grezzo(DataRit)}, ...};
//   d.file = {"Registro_Chiamate.pro", TSchedaChiamata::Dimensione, RigaChiamata};
//   d.azione = [](QWidget *owner, const QString &modo, const char *record, qint64 posizione) { ... };
//   class TfrmTrovaChiamate : public TFinestraRicerca { ... TFinestraRicerca(owner, d) ... };
#include "storage/ElencoRecord.h"
#include "ui/Guida.h"
#include "ui/Kit.h"

#include <QByteArray>
#include <QPointer>
#include <QStringListModel>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class TReport;
class TTrovaInLista;

// A filter field: its object name ("txt" + field), its label, the record
// field it is matched against, and the object name of its focus highlight
// (when empty, "eff" + the object name without "txt").
struct FiltroRicerca {
    QString controllo;
    QString etichetta;
    CampoGrezzo campo;
    QString evidenza;
};

struct DescrizioneRicerca {
    QSize dimensione;
    QString didascalia;   // window caption
    QString sottotitolo;  // second line of the banner
    QString istruzioni;   // above the filter fields
    QString rigo03;       // double-click hint
    QString trovate = QStringLiteral("Il presente riepilogo contiene 0 schede"); // lblTrovate before a search
    QString titoloStampa; // title of the printed list
    QByteArray modelloStampa; // the "Riepilogo dati" report template
    // In the order of the Enter chain; none: no filter view.
    std::vector<FiltroRicerca> filtri;
    FileElenco file;
    // Which records are listed besides the filters (all when empty).
    std::function<bool(const char *record)> scegli;
    bool ordina = true; // sorted lines, or file order
    QString lettura = QStringLiteral("Lettura delle schede in corso..."); // progress of the read on show
    PaginaGuida guida;  // opened with F1; none without a title
    // A double click, for every record equal to the chosen line: `owner` is
    // the window that opened this one, `modo` the text of lblMemory (empty
    // without filters).
    std::function<void(QWidget *owner, const QString &modo, const char *record, qint64 posizione)> azione;
};

// The lines of a result list: each item drawn in Courier New (12 points
// unless `punti` says otherwise), black, whatever the style says, and 1600
// units wide (the list scrolls sideways).
class TModelloRighe : public QStringListModel
{
    Q_OBJECT
public:
    explicit TModelloRighe(QObject *parent = nullptr, int punti = 12);
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QFont font_;
    QSize voce_;
};

// The list box of a result list over `modello`, as every result window shows
// it: one selectable line per row, never edited, both scroll bars, sideways
// scrolling by pixel, alternating row colours; fast with hundreds of
// thousands of lines. Named "lstRecords".
QListView *NuovaListaRighe(QWidget *parent, TModelloRighe *modello);

class TFinestraRicerca : public Stile::TDialogo
{
    Q_OBJECT
public:
    TFinestraRicerca(QWidget *owner, DescrizioneRicerca d);
    ~TFinestraRicerca() override;

    // Result view.
    QListView *lstRecords = nullptr;
    TModelloRighe *modello = nullptr;
    QLabel *lblRigo03 = nullptr; // the double-click hint
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr, *btnStampa = nullptr, *btnChiudi = nullptr;
    std::unique_ptr<TReport> frxReport;

    // With filter fields only (null otherwise).
    QWidget *panAvvio = nullptr;
    QWidget *panContainer = nullptr;
    QPushButton *btnCerca = nullptr, *btnAnnulla = nullptr;
    QLabel *lblAttendere = nullptr; // "Ricerca schede in corso. Attendere..."
    QLabel *lblConta = nullptr;     // hidden: the number of filters taking part
    QLabel *lblMemory = nullptr;    // hidden: the mode word
    QLabel *lblTrovate = nullptr;

    // The filter fields in the order of the Enter chain.
    const std::vector<QLineEdit *> &CampiFiltro() const { return filtri_; }
    // The text of the selected line; empty when none is selected.
    QString RigaSelezionata() const;

public slots:
    // Forgets the previous find text and empties txtTrova; then focuses the
    // first filter field, or, without filters, reads the list (a failure of
    // the file ends it silently, keeping the lines read so far) and focuses txtTrova.
    virtual void FormShow();
    // Empties the list and hides lblAttendere.
    virtual void FormClose();
    void btnCercaClick();
    void btnCercaMouseDown();
    void btnAnnullaClick();
    // Enter in a filter field: the next field of the chain, after the last the first.
    void FiltroKeyDown(QLineEdit *campo);
    void btnTrovaClick();
    void btnStampaClick();
    void btnChiudiClick();
    // Applies the action to the records of the selected line and closes the
    // window; a failure, or no line selected, just closes it.
    void lstRecordsDblClick();
    // Enter in txtTrova: the "Trova" button.
    void txtTrovaKeyDown();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
    bool eventFilter(QObject *o, QEvent *e) override;

    QPointer<QWidget> owner_;

private:
    QWidget *CreaBanner();
    QWidget *CreaFiltri();
    // The result view: `intestazione` (may be null) and the hint above the
    // list, the list, and the bottom band with find, print and close.
    QWidget *CreaPannelloElenco(QLabel *intestazione);
    void AzzeraRicerca();
    void ImpostaRighe(const QStringList &righe);
    // Progress of a long read, shown over this window after about half a second.
    AvanzamentoLettura Avanzamento(const QString &testo);
    void TerminaAvanzamento();

    DescrizioneRicerca d_;
    std::vector<QLineEdit *> filtri_;
    TTrovaInLista *trova_ = nullptr;
    struct Progresso;
    std::unique_ptr<Progresso> progresso_;
};

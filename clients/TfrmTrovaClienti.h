#pragma once
// The client search: up to ten filters over "Contatti.pro", a sorted result
// list, and a double click that hands the chosen client to the window that
// opened the search. The same window serves four callers; each creates its
// own TfrmTrovaClienti with itself as owner, writes the mode word into
// lblMemory, shows it modally and destroys it:
//
//   TfrmTrovaClienti w(this);
//   w.lblMemory->setText(QStringLiteral("chiamate"));
//   w.exec();
//
// Also here: the result list window that the search and the recontact list
// (TfrmRicontatta) share.
#include "ui/Kit.h"
#include "clients/ListaClienti.h"

#include <QPointer>
#include <QStringListModel>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class TReport;
class TTrovaInLista;

// ---------------------------------------------------------------- modes
//
// A double click applies the action of the mode word in lblMemory to every
// card whose line equals the chosen one, in file order (so the last of them
// is the one that stays loaded):
//
//   "clienti"    the client card TfrmClienti: TfrmClienti::CaricaScheda, the
//                whole card and its position;
//   "chiamate"   the call card TfrmChiamate,
//   "scadenze"   the appointment card TfrmArchivio_Scadenze,
//   "riepilogo"  the income request TfrmMenuRiepCosti:
//                the window receives the card through
//                DestinatarioCliente::RiceviCliente and copies what it takes.
//
// The target is the owner given to the constructor, or the nearest of its
// parents of the right kind. An unknown mode, or no such window, loads nothing.

// A window that takes a client chosen in the search. The call card, the
// appointment card and the income request implement it, e.g.
//
//   class TfrmChiamate : public QWidget, public DestinatarioCliente {
//       void RiceviCliente(const TSchedaCliente &r, qint64) override
//       {   // every value is the record field trimmed (Get)
//           txtCliente->setText(r.Get(TSchedaCliente::Cliente));
//           txtCodFisc->setText(r.Get(TSchedaCliente::CodFisc));
//           ... txtZona, txtEmail, txtTelCel, txtRecapito; nothing else
//       }
//   };
//
// TfrmArchivio_Scadenze copies Cliente, Recapito, TelCel, Email, Estremi into
// txtContatto, txtTel, txtCel, txtEmail, txtLuogo (not its date, time or
// position); TfrmMenuRiepCosti copies Cliente into txtCliente.
class DestinatarioCliente
{
public:
    virtual ~DestinatarioCliente() = default;
    // `posizione`: the card's 1-based position in "Contatti.pro".
    virtual void RiceviCliente(const TSchedaCliente &r, qint64 posizione) = 0;
};

// What a double click does in a mode: hands the card at `posizione` to the
// window that opened the search (`owner`).
using AzioneModo = void (*)(QWidget *owner, const TSchedaCliente &r, qint64 posizione);
// The action of a mode word; null for an unknown one.
AzioneModo AzionePerModo(const QString &modo);

// ------------------------------------------------------ result list window

// The lines of a result list: each item drawn in Courier New 12, black,
// whatever the style says, and 1600 units wide (the list scrolls sideways).
class TModelloRighe : public QStringListModel
{
    Q_OBJECT
public:
    explicit TModelloRighe(QObject *parent = nullptr);
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QFont font_;
    QSize voce_;
};

// A fixed-size dialog showing a sorted list of client lines (lstRecords)
// with find-in-list, printing and a double click that loads the chosen
// client. Base of TfrmTrovaClienti and TfrmRicontatta.
class TFinestraElencoClienti : public Stile::TDialogo
{
    Q_OBJECT
public:
    ~TFinestraElencoClienti() override;

    QListView *lstRecords = nullptr;
    TModelloRighe *modello = nullptr;
    QLabel *lblRigo03 = nullptr; // the double-click hint
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr, *btnStampa = nullptr, *btnChiudi = nullptr;
    std::unique_ptr<TReport> frxReport; // "Riepilogo dati"

    // The text of the selected line; empty when none is selected.
    QString RigaSelezionata() const;

public slots:
    void btnTrovaClick();
    void btnStampaClick();
    void btnChiudiClick();
    // Loads the client of the selected line into the target of Azione() and
    // closes the window; a failure, or no line selected, just closes it.
    void lstRecordsDblClick();
    // Enter in txtTrova: the "Trova" button.
    void txtTrovaKeyDown();
    virtual void FormClose();

protected:
    struct Descrizione {
        QSize dimensione;
        QString didascalia;   // window caption
        QString sottotitolo;  // second line of the banner
        QString rigo03;       // double-click hint
        QString titoloStampa; // title of the printed list
        UltimaColonna ultima;
    };
    TFinestraElencoClienti(QWidget *owner, const Descrizione &d);

    // The banner at the top of the window.
    QWidget *CreaBanner();
    // The result view: `intestazione` (may be null) and the hint above the
    // list, the list, and the bottom band with find, print and close.
    QWidget *CreaPannelloElenco(QLabel *intestazione);
    // Forgets the previous find text and empties txtTrova.
    void AzzeraRicerca();
    void ImpostaRighe(const QStringList &righe);
    // What a double click does.
    virtual AzioneModo Azione() const = 0;
    // Progress of a long read, shown over this window after about half a second.
    AvanzamentoLettura Avanzamento(const QString &testo);
    void TerminaAvanzamento();

    void done(int r) override;
    bool eventFilter(QObject *o, QEvent *e) override;

    QPointer<QWidget> owner_;

private:
    Descrizione d_;
    TTrovaInLista *trova_ = nullptr;
    struct Progresso;
    std::unique_ptr<Progresso> progresso_;
};

// ---------------------------------------------------------------- search

class TfrmTrovaClienti : public TFinestraElencoClienti
{
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);
    ~TfrmTrovaClienti() override;

    // The two views: filters (shown first) and results.
    QWidget *panAvvio = nullptr;
    QWidget *panContainer = nullptr;

    // Filter view: the ten filters in the order of the Enter chain.
    QLineEdit *txtCliente = nullptr, *txtComuneRes = nullptr, *txtPartitaIva = nullptr, *txtCodFisc = nullptr,
              *txtDocumento = nullptr, *txtOccupazione = nullptr, *txtProdotti = nullptr, *txtZona = nullptr,
              *txtQuestioni = nullptr, *txtNote = nullptr;
    QPushButton *btnCerca = nullptr, *btnAnnulla = nullptr;
    QLabel *lblAttendere = nullptr; // "Ricerca schede in corso. Attendere..."
    QLabel *lblConta = nullptr;     // hidden: the number of filters taking part
    QLabel *lblMemory = nullptr;    // hidden: the mode word

    // Result view (with the list of the base class).
    QLabel *lblTrovate = nullptr;

    // The filter fields in the order of kFiltriClienti.
    const std::array<QLineEdit *, 10> &CampiFiltro() const { return filtri_; }

public slots:
    void FormShow();
    void FormClose() override;
    void btnCercaClick();
    void btnCercaMouseDown();
    void btnAnnullaClick();
    // Enter in a filter field: the next field of the chain.
    void FiltroKeyDown(QLineEdit *campo);

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    AzioneModo Azione() const override;

private:
    QWidget *CreaFiltri();

    std::array<QLineEdit *, 10> filtri_{};
};

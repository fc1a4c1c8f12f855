#pragma once
// The services provided to a client: the list of the entries of the client's
// services file with the total of the amounts, and one entry added or
// modified per opening. Opened by the client card, whose name and position
// it reads when it is shown.
#include "ui/CampoRistretto.h"
#include "ui/Kit.h"

#include <QHash>
#include <QPointer>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;
class TfrmClienti;
class TReport;
class TTrovaInLista;

class TfrmAllegaExcel : public Stile::TDialogo
{
    Q_OBJECT
public:
    explicit TfrmAllegaExcel(TfrmClienti *owner);
    ~TfrmAllegaExcel() override;

    // Hidden labels: the services file, and the position in it of the entry
    // being edited (empty: a new entry).
    QLabel *lblFile = nullptr;
    QLabel *lblPosizione = nullptr;

    // List view.
    QWidget *panContainer = nullptr;
    QLabel *lblTitolo = nullptr, *lblRigo01 = nullptr, *lblRigo03 = nullptr, *lblTotale = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
    QListView *lstRecords = nullptr;
    QStringListModel *modello = nullptr;
    QPushButton *btnChiudi = nullptr, *btnAggiungi = nullptr, *btnModifica = nullptr, *btnStampa = nullptr;

    // Entry view.
    QWidget *panCosti = nullptr;
    QLabel *titIstruzioni = nullptr;
    QLineEdit *txtData = nullptr, *txtOra = nullptr, *txtServizi = nullptr, *txtAgente = nullptr;
    TCampoImporto *txtImporto = nullptr; // digits and comma; the amount rule when left
    Stile::TImmagine *impData = nullptr, *impOra = nullptr;
    QPushButton *btnSalva = nullptr, *cmdClose = nullptr;

    // The entry fields in record order (Data, Ora, Servizi, Agente, Importo).
    std::array<QLineEdit *, 5> CampiVoce() const;

public slots:
    void FormShow();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();
    void btnTrovaClick();
    void btnChiudiClick();
    void cmdCloseClick();
    void impDataClick();
    void impOraClick();
    void txtImportoExit();
    // Closing by any way (Chiudi, Esc) empties the list.
    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QWidget *CreaElenco();
    QWidget *CreaVoce();
    void MostraVoce();
    QString Cliente() const;

    QPointer<TfrmClienti> owner_;
    QHash<QObject *, QWidget *> successivo_; // the Enter chain
    TTrovaInLista *trova_ = nullptr;
    std::unique_ptr<TReport> frxReport;
};

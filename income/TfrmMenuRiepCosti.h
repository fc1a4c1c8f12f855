#pragma once
// The request of the app "Riepiloghi Incassi": the calendar year, the client
// and services filters and the period; "Visualizza riepilogo" checks it and
// opens the result (TfrmRiepCosti). Shown by the hub, reset each time it is
// shown; closing it returns to the hub.
#include "income/RiepilogoIncassi.h"
#include "income/TfrmRiepCosti.h"
#include "ui/ScrittoriCliente.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCampoRistretto;

// Registers the writer of the client search's "riepilogo" mode, once: the
// chosen client's name goes into the request's client filter.
void RegistraScrittoriIncassi();

class TfrmMenuRiepCosti : public QWidget, public DestinatarioCliente
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepCosti(QWidget *parent = nullptr);
    ~TfrmMenuRiepCosti() override;

    // The client chosen in the client search: its name, trimmed, in txtCliente.
    void RiceviCliente(const TSchedaCliente &r, qint64 posizione) override;
    // The request as the controls hold it.
    RichiestaIncassi Richiesta() const;
    // The controls a result window reads its request from.
    FonteRiepilogo Fonte() const;

    TCampoRistretto *txtAnno = nullptr;
    QLineEdit *txtCliente = nullptr, *txtTarga = nullptr;
    QPushButton *impCliente = nullptr;
    QGroupBox *grpDataInizio = nullptr, *grpDataFine = nullptr;
    QComboBox *txtGiornoInizio = nullptr, *txtMeseInizio = nullptr, *txtGiornoFine = nullptr,
              *txtMeseFine = nullptr;
    QLabel *lblAnnoInizio = nullptr, *lblAnnoFine = nullptr;
    QLabel *lblDataInizio = nullptr, *lblDataFine = nullptr; // hidden: the dates of the request
    QLabel *lblCampo01 = nullptr, *lblCampo02 = nullptr, *lblCampo03 = nullptr;
    QPushButton *btnVisualizza = nullptr, *btnEsci = nullptr;
    QLabel *lblAttendere = nullptr;

public slots:
    void FormShow();
    void btnVisualizzaClick();
    void btnVisualizzaMouseDown();
    void btnEsciClick();
    void impClienteClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QComboBox *Combo(const char *nome, const QStringList &scelte, int massimo, int larghezza);
    QGroupBox *Gruppo(const char *nome, const QString &titolo, QComboBox *giorno, QComboBox *mese, QLabel *anno);
    // The year, trimmed, into both year labels (txtAnnoKeyUp, txtAnnoExit).
    void CopiaAnno();
    // Enter: the next control of the chain.
    void Avanti(QWidget *da);
    QWidget *Controllo(CampoIncassi campo) const;
    QComboBox *ComboDi(QObject *o) const;
};

#pragma once
// The result of an income request: every appointment of the period that the
// filters select, one line each in date and time order, with the total of
// the amounts; find-in-list, the printed summary and the help page. A new
// one is made for each accepted request; it reads the request from the
// request window's controls when it is shown.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QPointer>
#include <memory>

class QListView;
class QPushButton;
class TModelloRighe;
class TReport;
class TTrovaInLista;
namespace Stile {
class TImmagine;
}

// The controls of the request window the result reads when it is shown
// (the two filters and the hidden dates), and its waiting text, hidden when
// the result closes. Any of them may be missing.
struct FonteRiepilogo {
    QPointer<QLineEdit> cliente, servizi;
    QPointer<QLabel> dataInizio, dataFine;
    QPointer<QLabel> attendere;
};

class TfrmRiepCosti : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRiepCosti(QWidget *owner = nullptr, FonteRiepilogo richiesta = {});
    ~TfrmRiepCosti() override;

    // Shows the window maximised and modal; returns when it closes.
    int Mostra();

    QLabel *lblTipologia = nullptr, *titTipologia = nullptr;
    QLabel *infIntervallo = nullptr, *lblIntervallo = nullptr;
    QListView *lstRecords = nullptr;
    TModelloRighe *modello = nullptr;
    QLabel *infTotKmPercorsi = nullptr, *lblTotCosti = nullptr;
    QLabel *lblRigo01 = nullptr, *lblRigo02 = nullptr;
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr, *btnStampa = nullptr, *btnEsci = nullptr;
    Stile::TImmagine *imgGuida = nullptr;
    QLabel *lblConta = nullptr; // hidden: the number of filters taking part
    std::unique_ptr<TReport> frxReport;

    // The find text of the last find in any result window of this run.
    static QString &TestoTrovaPrecedente();

public slots:
    // Lists the appointments of the request and their total.
    void FormShow();
    // Empties the list and hides the request's lblAttendere.
    void FormClose();
    void btnStampaClick();
    void btnTrovaClick();
    void btnEsciClick();
    void imgGuidaClick();

protected:
    void showEvent(QShowEvent *e) override;
    void done(int r) override;

private:
    QPointer<QWidget> owner_;
    FonteRiepilogo richiesta_;
    TTrovaInLista *trova_ = nullptr;
};

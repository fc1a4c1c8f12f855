#pragma once
// The window of the app "Agenda Appuntamenti": each time it is shown it
// lists the imminent appointments, tells with its pictures whether there are
// any and, when there are, plays the alert "Avviso.mp3" of the program
// folder once. From here the user prints the list, opens the grids of the
// imminent appointments and of the day or month chosen in the calendar,
// sends a WhatsApp reminder for the chosen line and opens the appointment
// card file. The agenda itself changes nothing.
#include "agenda/EsportazioneAgenda.h"

#include <QWidget>

#include <memory>

class QAudioOutput;
class QCalendarWidget;
class QLabel;
class QListView;
class QMediaPlayer;
class QPushButton;
class TModelloRighe;
class TReport;
namespace Stile {
class TImmagine;
}

class TfrmAgenda : public QWidget, public CalendarioAgenda
{
    Q_OBJECT
public:
    explicit TfrmAgenda(QWidget *parent = nullptr);
    ~TfrmAgenda() override;

    QListView *lstRecords;
    TModelloRighe *modello;
    QCalendarWidget *calAppuntamenti;
    QPushButton *btnGiorno, *btnMese, *btnExcel, *btnStampa, *btnWhatsApp, *btnArchivio;
    QPushButton *imgGuida, *imgEsci;
    Stile::TImmagine *appApriArchivio;
    Stile::TImmagine *icoIstruzioni;
    Stile::TImmagine *imgPresenti, *imgAssenti, *imgAppuntamentiSI, *imgAppuntamentiNO;
    QPushButton *btnCaricaLista; // hidden: loads the list
    QLabel *titData, *titOra, *titContatto, *titCel; // hidden: the last line clicked
    QLabel *panInfo; // status line
    std::unique_ptr<TReport> frxReport;

    // The player of the alert; null until the alert is first played.
    QMediaPlayer *MediaPlayer = nullptr;
    // How many times the alert was started and stopped since the window was
    // created (test seam).
    int AvvisiSuonati() const { return suonati_; }
    int AvvisiFermati() const { return fermati_; }

    // The text of the selected line; empty when none is selected.
    QString RigaSelezionata() const;
    // The day chosen in calAppuntamenti (the grids of the day and month).
    QDate DataScelta() const override;

public slots:
    // Each time the window is shown: empties the hidden labels, loads the
    // list, counts the imminent appointments and shows the pictures, and
    // plays the alert when there are some.
    void FormShow();
    // Stops the alert, shows the hub and hides the agenda.
    void FormClose();
    void btnCaricaListaClick();
    void lstRecordsClick();
    void btnGiornoClick();
    void btnMeseClick();
    void btnExcelClick();
    void btnStampaClick();
    void btnWhatsAppClick();
    // The appointment card file; the agenda hides (the alert goes on).
    void appApriArchivioClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void MostraEsito(bool presenti);
    void SuonaAvviso();
    void FermaAvviso();
    void Suggerisci(QWidget *controllo, const QString &testo);

    QAudioOutput *audio_ = nullptr;
    int imminenti_ = 0;
    int suonati_ = 0;
    int fermati_ = 0;
};

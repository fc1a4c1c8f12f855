#pragma once
// The income summary as plain rules: the checks of a request (year, days and
// months of the period) with the message and the field each failure names,
// the selection of the appointments (client and services filters, the
// period), the list line, the total in hundredths and the printed lines.
// The two windows of the app only read their controls and show what these
// return.
#include "storage/ElencoRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The leave rules of the combo edits, whose choices are GiorniDelMese() and
// NomiMesi() (storage/Schede.h): the text when it is a choice, empty
// otherwise. A day must be, trimmed, exactly one of "01" to "31"; a month,
// lower-cased (A-Z only) and trimmed, one of "gennaio" to "dicembre".
QString GiornoAmmesso(const QString &testo);
QString MeseAmmesso(const QString &testo);

// A request as the request window's controls hold it.
struct RichiestaIncassi {
    QString anno;          // txtAnno, as typed
    QString giornoInizio, meseInizio, giornoFine, meseFine;
    QString cliente;       // txtCliente
    QString servizi;       // txtTarga
};

// The control a failed check sends the focus to.
enum class CampoIncassi { Nessuno, Anno, GiornoInizio, MeseInizio, GiornoFine, MeseFine };

struct EsitoRichiesta {
    bool valida = false;
    // The hidden labels lblDataInizio and lblDataFine as far as the checks got.
    QString dataInizio, dataFine;
    QDate inizio, fine;    // the period of a valid request
    // The failure: its message, whether it is a plain OK-only box (true) or
    // a warning, and the field that takes the focus.
    QString messaggio;
    bool semplice = false;
    CampoIncassi fuoco = CampoIncassi::Nessuno;
};

// The checks in their order: the year of four characters, the four period
// fields not blank, the start date, the end date, the end not before the start.
EsitoRichiesta ControllaRichiesta(const RichiestaIncassi &r);

// "Dal   " + start + "   al   " + end.
QString TestoIntervallo(const QString &dataInizio, const QString &dataFine);
// The client filter trimmed, or "- - -" when it is empty (titTipologia).
QString TestoCliente(const QString &cliente);

// The line of an appointment in the summary:
// "ID: " + key + "  Data: " + Data + "  Ora: " + Ora + "  " + Causale +
// "  Cliente: " + Contatto + "  Cel. " + Cel + "  € " + Importo, every field
// trimmed, Data, Ora, Causale, Contatto and Cel padded or cut to 10, 5, 40,
// 24 and 12 characters; the key is ChiaveAppuntamento (storage/Appuntamenti.h).
QString RigaIncasso(const char *record);

// Which appointments a request lists. A record is listed when every filter
// that takes part matches (client filter in Contatto, services filter in
// Causale), its Data lies in the period (both ends included) and its Importo
// is a number; the fulfilled flag does not count. A record that passes the
// filters but whose Data is not a date or whose Importo is not a number is
// left out and counted, so the total is always that of the lines listed.
class SelezioneIncassi
{
public:
    SelezioneIncassi(const QString &cliente, const QString &servizi, const QDate &inizio, const QDate &fine);

    // How many filters take part (lblConta).
    int Filtri() const { return filtri_.Attivi(); }
    // Whether the record is listed; a listed record's amount joins the total.
    bool Scegli(const char *record);
    qint64 Centesimi() const { return centesimi_; }
    // Records left out because their Data or Importo could not be read.
    int Illeggibili() const { return illeggibili_; }

private:
    FiltriRecord filtri_;
    int inizio_ = 0, fine_ = 0; // yyyymmdd
    qint64 centesimi_ = 0;
    int illeggibili_ = 0;
};

struct RiepilogoIncassi {
    QStringList righe;     // sorted as the list keeps them
    qint64 centesimi = 0;  // the total of the lines
    int filtri = 0;
    int illeggibili = 0;
    bool errore = false;   // the file failed; the lines are those read before
};

// Reads "Archivio_Appuntamenti.pro" (created empty if missing) and lists the
// appointments of the request, sorted by their lines (OrdinaRighe).
RiepilogoIncassi LeggiRiepilogoIncassi(const QString &cliente, const QString &servizi, const QDate &inizio,
                                       const QDate &fine, const AvanzamentoLettura &avanzamento = {});

// The printed summary: its title, and the three lines after the list lines.
QString TitoloStampaIncassi(const QString &titTipologia);
QStringList RigheFinaliIncassi(const QString &intervallo, const QString &totale);

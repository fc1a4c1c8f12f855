// The agenda: which appointments are imminent and in what order, the line of
// each, the pictures and the alert each time the window is shown, the
// WhatsApp reminder, the printed list, the way to the card file, and a
// program folder the user may only read.
#include "ComeUtente.h"
#include "Desktop.h"
#include "Pdf.h"
#include "test_output_risposte.h"
#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "agenda/ElencoAgenda.h"
#include "agenda/TfrmAgenda.h"
#include "agenda/TfrmWhatsApp_Message.h"
#include "output/FinestraRicerca.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "ui/Navigazione.h"
#include "ui/Stile.h"
#include "ui/TfrmGuida.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>
#include <memory>

using A = TSchedaAppuntamento;

namespace {

struct Appuntamento {
    QString data, ore, minuti, avviso, ottemperata, contatto;
    QString cel = "3331234567";
    QString causale = "Visita di controllo";
    QString importo = "50,00";
};

A Scheda(const Appuntamento &a)
{
    A r;
    r.Set(A::Data, a.data);
    r.Set(A::OreApp, a.ore);
    r.Set(A::MinutiApp, a.minuti);
    r.Set(A::Ora, a.ore + ":" + a.minuti);
    r.Set(A::Avviso, a.avviso);
    r.Set(A::Tipologia, "Anna");
    r.Set(A::Causale, a.causale);
    r.Set(A::Dettagli, "Dettagli di " + a.contatto);
    r.Set(A::Contatto, a.contatto);
    r.Set(A::Tel, "06 5551234");
    r.Set(A::Cel, a.cel);
    r.Set(A::Email, "cliente@example.it");
    r.Set(A::Luogo, "Contanti");
    r.Set(A::Importo, a.importo);
    r.Set(A::Note, "Nota");
    r.Set(A::Ottemperata, a.ottemperata);
    return r;
}

void Scrivi(const QList<Appuntamento> &elenco)
{
    QFile::remove(CartellaProgramma() + "Archivio_Appuntamenti.pro");
    TArchivio a;
    a.Open("Archivio_Appuntamenti.pro", A::Dimensione);
    for (const Appuntamento &x : elenco) a.Append(Scheda(x));
    a.Close();
}

// The client name of each line: the 30 characters after "Ora: hh:mm  ".
QStringList Contatti(const QStringList &righe)
{
    QStringList c;
    for (const QString &r : righe) c << r.mid(r.indexOf("Ora: ") + 12, 30).trimmed();
    return c;
}

QStringList Righe(const TfrmAgenda &w)
{
    return static_cast<QStringListModel *>(w.lstRecords->model())->stringList();
}

const QString kFileAvviso = "Avviso.mp3";

} // namespace

Q_DECLARE_METATYPE(Appuntamento)

class TestAgenda : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void imminenti_data();
    void imminenti();
    void riga_data();
    void riga();
    void mostraOgniVolta();
    void avviso_data();
    void avviso();
    void whatsappAvvisi_data();
    void whatsappAvvisi();
    void whatsappPromemoria();
    void apreSchedario();
    void stampa();
    void guida();
    void solaLettura();
    void dalHub();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    int hub_ = 0;
    QStringList aperte_;
};

void TestAgenda::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
    ImpostaOrologio(QDateTime(QDate(2025, 6, 10), QTime(11, 0)));
    hub_ = 0;
    aperte_.clear();
    TNavigazione nav;
    nav.mostraHub = [this] { ++hub_; };
    nav.apri = [this](const QString &nome, QWidget *, const QString &) {
        aperte_ << nome;
        return true;
    };
    ImpostaNavigazione(nav);
}

void TestAgenda::cleanup()
{
    ImpostaNavigazione({});
    ImpostaStampaSuPdf(QString());
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// Listed from the date less the days of notice on, with no end while the
// card is not fulfilled; a fulfilled card never; by date and time whatever
// the order of storing, an empty time first in its day; a card that cannot
// be judged is left out and the ones after it are still listed.
void TestAgenda::imminenti_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<QList<Appuntamento>>("schede");
    QTest::addColumn<QStringList>("elencati");
    const QList<Appuntamento> preavviso = {{"10/06/2025", "10", "00", "3", "No", "Tre giorni"}};
    QTest::newRow("3 days: not on 06/06") << QDate(2025, 6, 6) << preavviso << QStringList();
    QTest::newRow("3 days: from 07/06") << QDate(2025, 6, 7) << preavviso << QStringList{"Tre giorni"};
    QTest::newRow("3 days: still on 20/06") << QDate(2025, 6, 20) << preavviso << QStringList{"Tre giorni"};
    QTest::newRow("today with 0, not tomorrow")
        << QDate(2025, 6, 1)
        << QList<Appuntamento>{{"02/06/2025", "09", "00", "0", "No", "Domani"},
                               {"01/06/2025", "18", "00", "0", "No", "Oggi"}}
        << QStringList{"Oggi"};
    QTest::newRow("fulfilled never")
        << QDate(2025, 6, 10)
        << QList<Appuntamento>{{"10/06/2025", "09", "00", "5", "S\u00ec", "Assolto oggi"},
                               {"01/01/2025", "09", "00", "0", "S\u00ec", "Assolto prima"}}
        << QStringList();
    QTest::newRow("time order, stored in reverse")
        << QDate(2025, 6, 10)
        << QList<Appuntamento>{{"10/06/2025", "15", "00", "0", "No", "Pomeriggio"},
                               {"10/06/2025", "09", "30", "0", "No", "Mattina"},
                               {"10/06/2025", "", "", "0", "No", "Senza ora"},
                               {"09/06/2025", "17", "00", "0", "No", "Ieri"}}
        << QStringList{"Ieri", "Senza ora", "Mattina", "Pomeriggio"};
    QTest::newRow("unreadable cards skipped")
        << QDate(2025, 6, 10)
        << QList<Appuntamento>{{"31/02/2025", "09", "00", "0", "No", "Data impossibile"},
                               {"10/06/2025", "11", "00", "0", "No", "Dopo la data"},
                               {"08/06/2025", "09", "00", "tre", "No", "Preavviso in lettere"},
                               {"09/06/2025", "12", "00", "1", "No", "Dopo il preavviso"}}
        << QStringList{"Dopo il preavviso", "Dopo la data"};
}

void TestAgenda::imminenti()
{
    QFETCH(QDate, oggi);
    QFETCH(QList<Appuntamento>, schede);
    QFETCH(QStringList, elencati);
    Scrivi(schede);
    ImpostaOrologio(QDateTime(oggi, QTime(23, 59)));
    const ElencoLetto e = LeggiImminenti(Oggi());
    QVERIFY(!e.errore);
    QCOMPARE(Contatti(e.righe), elencati);
    // The window lists the same, and its pictures follow the count.
    TfrmAgenda w;
    w.show();
    QCOMPARE(Contatti(Righe(w)), elencati);
    QCOMPARE(w.imgPresenti->isVisibleTo(&w), !elencati.isEmpty());
    QCOMPARE(w.imgAssenti->isVisibleTo(&w), elencati.isEmpty());
}

void TestAgenda::riga_data()
{
    QTest::addColumn<Appuntamento>("a");
    QTest::addColumn<QString>("riga");
    QTest::newRow("padded")
        << Appuntamento{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}
        << QString("ID: 202506100930  Data: 10/06/2025  Ora: 09:30  Rossi Mario                     Cel. "
                   "3331234567      Visita di controllo                         \u20ac 50,00");
    QTest::newRow("cut")
        << Appuntamento{"01/12/2025", "", "", "7", "No", "Bartolomei Castelnuovo Annamaria Luisa",
                        "+39 333 1234567 89", "Revisione completa della contabilit\u00e0 e delle dichiarazioni",
                        "1250,00"}
        << QString("ID: 20251201  Data: 01/12/2025  Ora: :      Bartolomei Castelnuovo Annamar  Cel. "
                   "+39 333 123456  Revisione completa della contabilit\u00e0 e del  \u20ac 1250,00");
}

void TestAgenda::riga()
{
    QFETCH(Appuntamento, a);
    QFETCH(QString, riga);
    const A r = Scheda(a);
    QCOMPARE(RigaAgenda(r.Buffer()), riga);
}

// Everything is read again at each show: the file changed between two shows
// changes the list and the pictures; no line is selected, and the hidden
// labels of the last click are emptied.
void TestAgenda::mostraOgniVolta()
{
    Scrivi({});
    TfrmAgenda w;
    w.show();
    QVERIFY(Righe(w).isEmpty());
    QVERIFY(w.imgAssenti->isVisibleTo(&w) && w.imgAppuntamentiNO->isVisibleTo(&w));
    QVERIFY(!w.imgPresenti->isVisibleTo(&w) && !w.imgAppuntamentiSI->isVisibleTo(&w));
    w.close();

    Scrivi({{"10/06/2025", "15", "00", "0", "No", "Verdi Luca", "3471112223"},
            {"10/06/2025", "09", "30", "0", "No", "Rossi Mario", "3331234567"}});
    w.show();
    QCOMPARE(Contatti(Righe(w)), QStringList({"Rossi Mario", "Verdi Luca"}));
    QVERIFY(w.imgPresenti->isVisibleTo(&w) && w.imgAppuntamentiSI->isVisibleTo(&w));
    QVERIFY(!w.imgAssenti->isVisibleTo(&w) && !w.imgAppuntamentiNO->isVisibleTo(&w));
    QVERIFY(w.RigaSelezionata().isEmpty());
    // A click keeps the data of the line's card.
    w.lstRecords->setCurrentIndex(w.lstRecords->model()->index(1, 0));
    QCOMPARE(w.titContatto->text(), QString("Verdi Luca"));
    QCOMPARE(w.titCel->text(), QString("3471112223"));
    QCOMPARE(w.titData->text(), QString("10/06/2025"));
    QCOMPARE(w.titOra->text(), QString("15:00"));
    w.close();

    Scrivi({{"10/06/2025", "09", "30", "0", "S\u00ec", "Rossi Mario"}});
    w.show();
    QVERIFY(Righe(w).isEmpty());
    QVERIFY(w.imgAssenti->isVisibleTo(&w) && !w.imgPresenti->isVisibleTo(&w));
    QVERIFY(w.titContatto->text().isEmpty() && w.titCel->text().isEmpty());
    // The list's lines: Courier New 14, 1600 units wide.
    Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    w.close();
    w.show();
    const QModelIndex i = w.lstRecords->model()->index(0, 0);
    const QFont f = i.data(Qt::FontRole).value<QFont>();
    QCOMPARE(f.family(), QString("Courier New"));
    QCOMPARE(f.pointSize(), 14);
    QCOMPARE(i.data(Qt::SizeHintRole).toSize().width(), 1600);
    QCOMPARE(w.windowTitle(), QString(" Pratovia - Agenda Appuntamenti"));
    QCOMPARE(w.calAppuntamenti->selectedDate(), QDate(2025, 6, 10));
}

// The alert is asked to play at each show while imminent appointments
// exist, not on an empty archive, never without its file (and no message);
// closing the agenda stops it and shows the hub.
void TestAgenda::avviso_data()
{
    QTest::addColumn<bool>("imminenti");
    QTest::addColumn<bool>("file");
    QTest::addColumn<bool>("guasto");
    QTest::addColumn<int>("suonati");
    QTest::newRow("imminent") << true << true << false << 2;
    QTest::newRow("empty archive") << false << true << false << 0;
    QTest::newRow("no sound file") << true << false << false << 0;
    // Asked to play, and it fails in silence.
    QTest::newRow("sound file that is not a sound") << true << true << true << 2;
}

void TestAgenda::avviso()
{
    QFETCH(bool, imminenti);
    QFETCH(bool, file);
    QFETCH(bool, guasto);
    QFETCH(int, suonati);
    if (imminenti) Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    else Scrivi({});
    if (file && !guasto)
        QVERIFY(QFile::copy(qEnvironmentVariable("PRATOVIA_SOURCE_DIR") + "/agenda/Avviso.mp3",
                            CartellaProgramma() + kFileAvviso));
    if (guasto) {
        QFile f(CartellaProgramma() + kFileAvviso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, '\x5a'));
    }
    RisposteInOrdine r;
    TfrmAgenda w;
    w.show();
    QCOMPARE(w.AvvisiSuonati(), suonati / 2);
    if (suonati) {
        QVERIFY(w.MediaPlayer);
        QCOMPARE(w.MediaPlayer->source(), QUrl::fromLocalFile(CartellaProgramma() + kFileAvviso));
    }
    QTest::mouseClick(w.imgEsci, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(hub_, 1);
    QCOMPARE(w.AvvisiFermati(), suonati / 2);
    if (w.MediaPlayer) QCOMPARE(w.MediaPlayer->playbackState(), QMediaPlayer::StoppedState);
    // Back from the hub: the alert again.
    w.show();
    QCOMPARE(w.AvvisiSuonati(), suonati);
    w.close();
    QCOMPARE(hub_, 2);
    QCOMPARE(w.AvvisiFermati(), suonati);
    // Whatever the player says of the file, no box opens.
    QTest::qWait(guasto ? 300 : 20);
    QCOMPARE(r.Testi(), QStringList());
}

void TestAgenda::whatsappAvvisi_data()
{
    QTest::addColumn<bool>("vuota");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("empty list") << true
                                << "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun "
                                   "appuntamento.";
    QTest::newRow("no line selected")
        << false
        << "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
           "dell'appuntamento prima di fare clic sull'icona di WhatsApp.";
}

void TestAgenda::whatsappAvvisi()
{
    QFETCH(bool, vuota);
    QFETCH(QString, messaggio);
    if (vuota) Scrivi({});
    else Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    TfrmAgenda w;
    w.show();
    RaccoglitoreUrl url({"https"});
    RisposteInOrdine r;
    bool finestra = false;
    r.altra = [&finestra](QWidget *m) {
        finestra = true;
        m->close();
    };
    QTest::mouseClick(w.btnWhatsApp, Qt::LeftButton);
    QCOMPARE(r.Testi(), QStringList{messaggio});
    QCOMPARE(r.Box().first().icona, QMessageBox::Warning);
    QVERIFY(!finestra);
    QVERIFY(url.aperti.isEmpty());
}

// The reminder window shows the chosen card read-only; its send button hands
// the browser an address whose text decodes to exactly the reminder.
void TestAgenda::whatsappPromemoria()
{
    Scrivi({{"11/06/2025", "16", "45", "2", "No", "D'Amico Sara", "3209876543"},
            {"10/06/2025", "09", "30", "0", "No", "Rossi Mario", "3331234567"}});
    TfrmAgenda w;
    w.show();
    w.lstRecords->setCurrentIndex(w.lstRecords->model()->index(1, 0));
    RaccoglitoreUrl url({"https"});
    RisposteInOrdine r;
    QStringList campi;
    QString titolo, messaggio;
    QList<bool> solaLettura;
    r.altra = [&](QWidget *m) {
        auto *f = qobject_cast<TfrmWhatsApp_Message *>(m);
        if (!f) {
            m->close();
            return;
        }
        titolo = f->windowTitle();
        messaggio = f->lblMessaggio->text();
        for (QLineEdit *c : {f->txtData, f->txtOra, f->txtContatto, f->txtCel}) {
            campi << c->text();
            solaLettura << c->isReadOnly();
        }
        QTest::mouseClick(f->btnWhatsApp, Qt::LeftButton);
    };
    QTest::mouseClick(w.btnWhatsApp, Qt::LeftButton);
    QCOMPARE(titolo, QString(" Invio messaggio di WhatsApp"));
    QCOMPARE(campi, QStringList({"11/06/2025", "16:45", "D'Amico Sara", "3209876543"}));
    QCOMPARE(solaLettura, QList<bool>({true, true, true, true}));
    QCOMPARE(r.Testi(), QStringList());
    QCOMPARE(url.aperti.size(), 1);
    const QUrl u = url.aperti.first();
    QCOMPARE(u.path(), QString("/send"));
    const QUrlQuery q(u);
    QCOMPARE(q.queryItemValue("phone", QUrl::FullyDecoded), QString("3209876543"));
    const QString promemoria = "Gentile Cliente, le ricordiamo l'appuntamento presso il nostro studio alle ore "
                               "16:45 del giorno 11/06/2025";
    QCOMPARE(q.queryItemValue("text", QUrl::FullyDecoded), promemoria);
    // The window showed the text that was sent.
    QCOMPARE(messaggio, promemoria);

    // "Annulla" sends nothing.
    r.altra = [](QWidget *m) {
        if (auto *f = qobject_cast<TfrmWhatsApp_Message *>(m)) QTest::mouseClick(f->btnChiudi, Qt::LeftButton);
        else m->close();
    };
    QTest::mouseClick(w.btnWhatsApp, Qt::LeftButton);
    QCOMPARE(url.aperti.size(), 1);
}

// The card file is asked of the shell by name; the agenda hides and its
// alert goes on.
void TestAgenda::apreSchedario()
{
    Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    QVERIFY(QFile::copy(qEnvironmentVariable("PRATOVIA_SOURCE_DIR") + "/agenda/Avviso.mp3",
                        CartellaProgramma() + kFileAvviso));
    TfrmAgenda w;
    for (QWidget *b : {static_cast<QWidget *>(w.btnArchivio), static_cast<QWidget *>(w.appApriArchivio)}) {
        w.show();
        QVERIFY(w.isVisible());
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }
    QCOMPARE(aperte_, QStringList({"TfrmArchivio_Scadenze", "TfrmArchivio_Scadenze"}));
    QCOMPARE(w.AvvisiFermati(), 0);
    QCOMPARE(hub_, 0);
    // A shell without the card leaves the agenda where it is.
    ImpostaNavigazione({});
    w.show();
    QTest::mouseClick(w.btnArchivio, Qt::LeftButton);
    QVERIFY(w.isVisible());
}

// The printed list: the title, then the lines in list order.
void TestAgenda::stampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    Scrivi({{"10/06/2025", "15", "00", "0", "No", "Verdi Luca"}, {"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    TfrmAgenda w;
    w.show();
    const QString pdf = dir_->filePath("agenda.pdf");
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    const QStringList righe = Pdf::Righe(pdf);
    QVERIFY2(righe.value(0) == "Riepilogo appuntamenti imminenti", qPrintable(righe.join('\n')));
    QCOMPARE(righe.value(1), QString("ID: 202506100930 Data: 10/06/2025 Ora: 09:30 Rossi Mario Cel. 3331234567 "
                                     "Visita di controllo \u20ac 50,00"));
    QVERIFY(righe.value(2).startsWith("ID: 202506101500 Data: 10/06/2025 Ora: 15:00 Verdi Luca"));
    QVERIFY(righe.value(3).startsWith("Stampa eseguita in data"));
}

void TestAgenda::guida()
{
    TfrmAgenda w;
    w.show();
    QString visto, corpo;
    RisposteInOrdine r;
    r.altra = [&](QWidget *finestra) {
        if (auto *g = qobject_cast<TfrmGuida *>(finestra)) {
            visto = g->lblTitolo->text();
            corpo = g->txtGuida->toPlainText();
        }
        finestra->close();
    };
    QTest::mouseClick(w.imgGuida, Qt::LeftButton);
    QCOMPARE(visto, QString("App Agenda Appuntamenti"));
    const QStringList paragrafi = corpo.split("\n\n");
    QCOMPARE(paragrafi.size(), 7);
    for (const QString &p : paragrafi) QVERIFY(p.endsWith('.') && p.size() > 60);
    QVERIFY(paragrafi[1].contains("Inserisci appuntamenti"));
    QVERIFY(paragrafi[6].contains("WhatsApp"));
}

// A program folder the user may only read: the list is read and printed.
void TestAgenda::solaLettura()
{
    const QString cartella = qEnvironmentVariable("PRATOVIA_AGENDA_RO");
    if (cartella.isEmpty()) {
        if (!ComeUtente::Radice()) QSKIP("needs root to hand the folder to a plain user");
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
        QVERIFY(QFile::copy(qEnvironmentVariable("PRATOVIA_SOURCE_DIR") + "/agenda/Avviso.mp3",
                            CartellaProgramma() + kFileAvviso));
        QTemporaryDir uscita;
        QFile::setPermissions(uscita.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                 | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        ComeUtente::SolaLettura(dir_->path());
        const int esito = ComeUtente::Esegui(
            "solaLettura", {{"PRATOVIA_AGENDA_RO", dir_->path() + "/"}, {"PRATOVIA_AGENDA_PDF", uscita.filePath("ro.pdf")}});
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    }
    ImpostaCartellaProgramma(cartella);
    QVERIFY(!QFileInfo(cartella).isWritable());
    TfrmAgenda w;
    w.show();
    QCOMPARE(Contatti(Righe(w)), QStringList{"Rossi Mario"});
    QVERIFY(w.imgPresenti->isVisibleTo(&w));
    QCOMPARE(w.AvvisiSuonati(), 1);
    const QString pdf = qEnvironmentVariable("PRATOVIA_AGENDA_PDF");
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    const QStringList righe = Pdf::Righe(pdf);
    QCOMPARE(righe.value(0), QString("Riepilogo appuntamenti imminenti"));
    QVERIFY(righe.value(1).startsWith("ID: 202506100930 Data: 10/06/2025"));
}

// The hub's third tile opens the one agenda made at start; closing it shows
// the hub again, and opening it again reads the list again.
void TestAgenda::dalHub()
{
    Scrivi({{"10/06/2025", "09", "30", "0", "No", "Rossi Mario"}});
    CreaFinestre();
    TfrmAvvio *hub = App().frmAvvio;
    TfrmAgenda *agenda = App().frmAgenda;
    QVERIFY(agenda);
    QCOMPARE(hub->Applicazione(3), static_cast<QWidget *>(agenda));
    QVERIFY(hub->imgApp03->isEnabled());
    hub->show();
    hub->imgApp03Click();
    QVERIFY(agenda->isVisible());
    QVERIFY(!hub->isVisible());
    QCOMPARE(Contatti(Righe(*agenda)), QStringList{"Rossi Mario"});
    QTest::mouseClick(agenda->imgEsci, Qt::LeftButton);
    QVERIFY(hub->isVisible());
    QVERIFY(!agenda->isVisible());
    Scrivi({});
    hub->imgApp03Click();
    QVERIFY(Righe(*agenda).isEmpty());
    QVERIFY(agenda->imgAssenti->isVisibleTo(agenda));
    DistruggiFinestre();
}

QTEST_MAIN(TestAgenda)
#include "test_agenda.moc"

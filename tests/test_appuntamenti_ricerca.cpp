// The appointment search: the list line, the criteria, file order, the
// double click into the appointment card, find, print, and the window the
// card's "Trova" button opens.
#include "Pdf.h"
#include "appointments/Appuntamenti.h"
#include "appointments/ListaAppuntamenti.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "storage/TArchivio.h"
#include "ui/Stile.h"
#include "test_output_risposte.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using K = LayoutAppuntamento;
using Campi = QList<QPair<K::Campo, QString>>;
Q_DECLARE_METATYPE(Campi)

namespace {

TSchedaAppuntamento Appuntamento(const Campi &campi)
{
    TSchedaAppuntamento r;
    for (const auto &[c, v] : campi) r.Set(c, v);
    return r;
}

// A card as the appointment card saves it.
TSchedaAppuntamento Appuntamento(const QString &data, const QString &ora, const QString &causale,
                                 const QString &contatto, const QString &note = QString())
{
    return Appuntamento({{K::Data, data}, {K::OreApp, ora.left(2)}, {K::MinutiApp, ora.mid(3)}, {K::Ora, ora},
                         {K::Avviso, "2"}, {K::Causale, causale}, {K::Contatto, contatto}, {K::Cel, "3331234567"},
                         {K::Importo, "50,00"}, {K::Note, note}, {K::Ottemperata, "No"}});
}

void Scrivi(const QList<TSchedaAppuntamento> &schede)
{
    TArchivio a;
    a.Open("Archivio_Appuntamenti.pro", TSchedaAppuntamento::Dimensione);
    for (const TSchedaAppuntamento &r : schede) a.Append(r);
    a.Close();
}

// The archive of most cases, in the order the cards were stored (not by
// date, not by name).
void Archivio()
{
    Scrivi({Appuntamento("05/03/2024", "09:30", "Consulenza fiscale", "Rossi Mario"),
            Appuntamento("12/01/2024", "10:09", "Dichiarazione dei redditi", "Mario Rossi"),
            Appuntamento("20/03/2023", "09:15", "Successione", "Bianchi Anna"),
            Appuntamento("02/02/2024", "09:45", "Contratto di affitto", "ROSSINI Paola", "Èlite"),
            Appuntamento("15/05/2024", "11:00", "Visura catastale", "Verdi Ugo", "èlite")});
}

// The clients listed (the text after "Cliente: ", trimmed).
QStringList Clienti(const QStringList &righe)
{
    QStringList c;
    for (const QString &r : righe) c << r.mid(r.indexOf("Cliente: ") + 9, 30).trimmed();
    return c;
}

QStringList Righe(const TFinestraRicerca &w)
{
    return w.modello->stringList();
}

// Fills the criteria ("txtNome=testo") and presses "Cerca".
void Cerca(TfrmTrovaScadenze &w, const QStringList &criteri)
{
    for (const QString &f : criteri) {
        const qsizetype uguale = f.indexOf(u'=');
        auto *campo = w.findChild<QLineEdit *>(f.left(uguale));
        QVERIFY2(campo, qPrintable(f));
        campo->setText(f.mid(uguale + 1));
    }
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
}

void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents();
    const QPoint p(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

// The appointment card as the search sees it: it takes the chosen cards.
class TSchedaFinta : public QWidget, public DestinatarioAppuntamento
{
public:
    QList<qint64> posizioni;
    QStringList note;
    void CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione) override
    {
        posizioni << posizione;
        note << r.Get(K::Note);
    }
};

} // namespace

class TestAppuntamentiRicerca : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rigaAppuntamento_data();
    void rigaAppuntamento();
    void criteri_data();
    void criteri();
    void doppioClic_data();
    void doppioClic();
    void archivioVuoto();
    void campiEInvio();
    void dalPulsanteTrova();
    void stampa();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAppuntamentiRicerca::initTestCase()
{
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
}

void TestAppuntamentiRicerca::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestAppuntamentiRicerca::cleanup()
{
    ImpostaCartellaProgramma(QString());
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

// ------------------------------------------------------------- list line

void TestAppuntamentiRicerca::rigaAppuntamento_data()
{
    QTest::addColumn<Campi>("campi");
    QTest::addColumn<QString>("riga");

    QTest::newRow("colonne a larghezza fissa, l'importo per ultimo")
        << Campi{{K::Data, "05/03/2024"}, {K::Ora, "09:30"}, {K::Causale, "Consulenza fiscale"},
                 {K::Contatto, "Rossi Mario"}, {K::Cel, "3331234567"}, {K::Importo, "120,00"},
                 {K::Tipologia, "Anna"}, {K::Note, "Non in elenco"}}
        << "Data: 05/03/2024  Ora: 09:30  Consulenza fiscale                          Cliente: Rossi Mario"
           "                     Cel. 3331234567      Importo: € 120,00";

    QTest::newRow("servizi oltre 42, cliente oltre 30, cellulare oltre 14: tagliati")
        << Campi{{K::Data, "05/03/2024"}, {K::Ora, "09:30"},
                 {K::Causale, "Revisione completa della dichiarazione dei redditi 2023"},
                 {K::Contatto, "  De Santis Bartolomei Maria Vittoria  "}, {K::Cel, "0039333123456789"},
                 {K::Importo, "1234,50"}}
        << "Data: 05/03/2024  Ora: 09:30  Revisione completa della dichiarazione dei  Cliente: De Santis "
           "Bartolomei Maria Vit  Cel. 00393331234567  Importo: € 1234,50";

    QTest::newRow("ora vuota, lettere accentate ed euro")
        << Campi{{K::Data, "17/11/2025"}, {K::Ora, ":"}, {K::Causale, "Visita a domicilio, 50 € anticipati"},
                 {K::Contatto, "Niccolò Città"}, {K::Cel, "333"}, {K::Importo, "0,00"}}
        << "Data: 17/11/2025  Ora: :      Visita a domicilio, 50 € anticipati         Cliente: Niccolò Città"
           "                   Cel. 333             Importo: € 0,00";

    QTest::newRow("scheda vuota")
        << Campi() << "Data:             Ora:                                                    Cliente: "
                      "                                Cel.                 Importo: € ";
}

void TestAppuntamentiRicerca::rigaAppuntamento()
{
    QFETCH(Campi, campi);
    QFETCH(QString, riga);
    const TSchedaAppuntamento r = Appuntamento(campi);
    QCOMPARE(RigaAppuntamento(r.Buffer()), riga);
}

// ------------------------------------------------------------- criteria

void TestAppuntamentiRicerca::criteri_data()
{
    QTest::addColumn<QStringList>("criteri");
    QTest::addColumn<QStringList>("clienti"); // in file order
    QTest::addColumn<QString>("conta");
    QTest::addColumn<QString>("trovate");

    const QStringList tutti = {"Rossi Mario", "Mario Rossi", "Bianchi Anna", "ROSSINI Paola", "Verdi Ugo"};
    QTest::newRow("nessun criterio: tutte, in ordine di file")
        << QStringList() << tutti << "0" << "Il presente riepilogo contiene 5 schede.";
    QTest::newRow("rossi e 09:: 09:30 sì, 10:09 no")
        << QStringList{"txtContatto=rossi", "txtOra=09:"} << QStringList{"Rossi Mario", "ROSSINI Paola"} << "2"
        << "Il presente riepilogo contiene 2 schede.";
    QTest::newRow("criterio di soli spazi non partecipa")
        << QStringList{"txtNote=   ", "txtContatto=ROSSI"}
        << QStringList{"Rossi Mario", "Mario Rossi", "ROSSINI Paola"} << "1"
        << "Il presente riepilogo contiene 3 schede.";
    QTest::newRow("\"rossi \" con lo spazio finale non trova Mario Rossi")
        << QStringList{"txtContatto=rossi "} << QStringList{"Rossi Mario"} << "1"
        << "Il presente riepilogo contiene 1 scheda.";
    QTest::newRow("maiuscola accentata non trova la minuscola")
        << QStringList{"txtNote=È"} << QStringList{"ROSSINI Paola"} << "1"
        << "Il presente riepilogo contiene 1 scheda.";
    QTest::newRow("data \"/03/\" e servizi")
        << QStringList{"txtData=/03/", "txtCausale=consulenza"} << QStringList{"Rossi Mario"} << "2"
        << "Il presente riepilogo contiene 1 scheda.";
    QTest::newRow("nessuna corrispondenza")
        << QStringList{"txtLuogo=Bonifico"} << QStringList() << "1" << "Il presente riepilogo contiene 0 schede.";
}

void TestAppuntamentiRicerca::criteri()
{
    QFETCH(QStringList, criteri);
    QFETCH(QStringList, clienti);
    QFETCH(QString, conta);
    QFETCH(QString, trovate);
    Archivio();
    TfrmTrovaScadenze w;
    w.show();
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());
    Cerca(w, criteri);
    QCOMPARE(Clienti(Righe(w)), clienti);
    QCOMPARE(w.lblConta->text(), conta);
    QCOMPARE(w.lblTrovate->text(), trovate);
    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panAvvio->isVisible());
    QCOMPARE(w.focusWidget(), w.txtTrova);
}

// --------------------------------------------------------- double click

void TestAppuntamentiRicerca::doppioClic_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QList<qint64>>("posizioni");
    QTest::addColumn<QStringList>("note");

    // The archive: a card, then two with identical lines (cards 2 and 3, the
    // notes differ and are not on the line).
    QTest::newRow("prima delle due uguali: vince la successiva")
        << "scadenze" << 1 << QList<qint64>{2, 3} << QStringList{"Prima copia", "Seconda copia"};
    QTest::newRow("seconda delle due uguali")
        << "scadenze" << 2 << QList<qint64>{2, 3} << QStringList{"Prima copia", "Seconda copia"};
    QTest::newRow("riga unica") << "scadenze" << 0 << QList<qint64>{1} << QStringList{"Unica"};
    QTest::newRow("altro modo: nulla") << "clienti" << 1 << QList<qint64>() << QStringList();
    QTest::newRow("nessun modo: nulla") << "" << 0 << QList<qint64>() << QStringList();
}

void TestAppuntamentiRicerca::doppioClic()
{
    QFETCH(QString, modo);
    QFETCH(int, riga);
    QFETCH(QList<qint64>, posizioni);
    QFETCH(QStringList, note);
    Scrivi({Appuntamento("05/03/2024", "09:30", "Consulenza", "Rossi Mario", "Unica"),
            Appuntamento("06/03/2024", "10:00", "Successione", "Verdi Ugo", "Prima copia"),
            Appuntamento("06/03/2024", "10:00", "Successione", "Verdi Ugo", "Seconda copia")});

    TSchedaFinta scheda;
    auto *interno = new QWidget(&scheda); // the search may be opened from a child of the card
    TfrmTrovaScadenze w(interno);
    w.lblMemory->setText(modo);
    w.show();
    Cerca(w, {});
    QCOMPARE(w.modello->rowCount(), 3);
    QCOMPARE(Righe(w)[1], Righe(w)[2]);
    DoppioClic(w.lstRecords, riga);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(scheda.posizioni, posizioni);
    QCOMPARE(scheda.note, note);
}

// ---------------------------------------------- empty archive, keyboard

void TestAppuntamentiRicerca::archivioVuoto()
{
    TfrmTrovaScadenze w;
    w.show();
    Cerca(w, {});
    QCOMPARE(w.modello->rowCount(), 0);
    QCOMPARE(w.lblTrovate->text(), QString("Il presente riepilogo contiene 0 schede."));
    RisposteInOrdine risposte;
    w.txtTrova->setText("Rossi");
    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// The ten fields with their captions, in the Enter chain, each with its
// highlight shown only while it has the focus.
void TestAppuntamentiRicerca::campiEInvio()
{
    TfrmTrovaScadenze w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QLineEdit *> catena = {w.txtData,     w.txtOra,     w.txtTipologia, w.txtCausale, w.txtDettagli,
                                       w.txtContatto, w.txtTel,     w.txtCel,       w.txtLuogo,   w.txtNote};
    const QStringList nomi = {"txtData",     "txtOra", "txtTipologia", "txtCausale", "txtDettagli",
                              "txtContatto", "txtTel", "txtCel",       "txtLuogo",   "txtNote"};
    const QStringList etichette = {"Data appuntamento (gg/mm/aaaa):", "Ora (hh:mm):", "Agente:",
                                   "Servizi richiesti dal cliente:", "Dettagli:", "Cognome e nome cliente:",
                                   "Telefono:", "Cellulare:", "Modalità di pagamento:", "Note:"};
    QCOMPARE(QApplication::focusWidget(), w.txtData);
    for (int i = 0; i < catena.size(); ++i) {
        QVERIFY(catena[i]);
        QCOMPARE(catena[i]->objectName(), nomi[i]);
        auto *l = w.findChild<QLabel *>("lbl" + nomi[i].mid(3));
        QVERIFY2(l, qPrintable(nomi[i]));
        QCOMPARE(l->text(), etichette[i]);
        auto *eff = w.findChild<QWidget *>(QString("effCampo%1").arg(i + 1, 2, 10, QChar('0')));
        QVERIFY2(eff && eff->isVisible(), qPrintable(nomi[i]));
        QTest::keyClick(catena[i], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), catena[(i + 1) % catena.size()]);
        QVERIFY(!eff->isVisible());
    }
    QCOMPARE(w.windowTitle(), QString(" Trova appuntamenti in archivio"));
    QCOMPARE(w.lblRigo03->text(), QString("Fare doppio clic sulla voce in elenco per richiamare la scheda"));
}

// The card's "Trova": a new search owned by the card, in the "scadenze"
// mode, shown modally and gone once closed.
void TestAppuntamentiRicerca::dalPulsanteTrova()
{
    TSchedaFinta scheda;
    QString classe, memoria;
    QWidget *padrone = nullptr;
    QPointer<QWidget> finestra;
    RisposteInOrdine r;
    r.altra = [&](QWidget *w) {
        classe = w->metaObject()->className();
        padrone = w->parentWidget();
        if (auto *l = w->findChild<QLabel *>("lblMemory")) memoria = l->text();
        finestra = w;
        w->close();
    };
    ApriTrovaAppuntamenti(&scheda);
    QCOMPARE(classe, QString("TfrmTrovaScadenze"));
    QCOMPARE(padrone, &scheda);
    QCOMPARE(memoria, QString("scadenze"));
    QVERIFY(finestra.isNull());
}

void TestAppuntamentiRicerca::stampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    Archivio();
    TfrmTrovaScadenze w;
    w.show();
    Cerca(w, {"txtOra=09:"});
    const QString pdf = dir_->filePath("elenco.pdf");
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    const QStringList righe = Pdf::Righe(pdf);
    QVERIFY2(righe.contains("Riepilogo appuntamenti in archivio"), qPrintable(righe.join('\n')));
    const qsizetype primo = righe.indexOf(QRegularExpression("^Data: 05/03/2024 Ora: 09:30 Consulenza fiscale .*"));
    const qsizetype secondo = righe.indexOf(QRegularExpression("^Data: 20/03/2023 Ora: 09:15 Successione .*"));
    const qsizetype terzo = righe.indexOf(QRegularExpression("^Data: 02/02/2024 Ora: 09:45 Contratto di affitto .*"));
    QVERIFY2(primo >= 0 && secondo > primo && terzo > secondo, qPrintable(righe.join('\n')));
    QVERIFY(!righe.join('\n').contains("Dichiarazione dei redditi"));
}

QTEST_MAIN(TestAppuntamentiRicerca)
#include "test_appuntamenti_ricerca.moc"

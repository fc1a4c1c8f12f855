// The call search: the list line, the filters, file order, the access
// failure, the double click into the call card, find and print.
#include "Pdf.h"
#include "calls/ListaChiamate.h"
#include "calls/TfrmTrovaChiamate.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "storage/TArchivio.h"
#include "ui/Stile.h"
#include "test_output_risposte.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using K = LayoutChiamata;
using Campi = QList<QPair<K::Campo, QString>>;
Q_DECLARE_METATYPE(Campi)

namespace {

TSchedaChiamata Chiamata(const Campi &campi)
{
    TSchedaChiamata r;
    for (const auto &[c, v] : campi) r.Set(c, v);
    return r;
}

void Scrivi(const QList<TSchedaChiamata> &schede)
{
    TArchivio a;
    a.Open("Registro_Chiamate.pro", TSchedaChiamata::Dimensione);
    for (const TSchedaChiamata &r : schede) a.Append(r);
    a.Close();
}

// A call as the card saves it.
TSchedaChiamata Chiamata(const QString &data, const QString &mese, const QString &tipo, const QString &oggetto,
                         const QString &cliente, const QString &note = QString())
{
    return Chiamata({{K::DataRit, data}, {K::MeseRit, mese}, {K::OraRit, "10:30"}, {K::Tipo, tipo},
                     {K::Oggetto, oggetto}, {K::Cliente, cliente}, {K::CodFisc, "RSSMRA80A01H501U"},
                     {K::TelCel, "333 1234567"}, {K::Note, note}});
}

// The register of most cases, in the order the calls were saved (not
// alphabetical, not by date).
void Registro()
{
    Scrivi({Chiamata("05/03/2024", "Marzo", "In entrata", "Preventivo caldaia", "Rossi Mario"),
            Chiamata("12/01/2024", "Gennaio", "In uscita", "Sollecito pagamento", "Mario Rossi"),
            Chiamata("20/03/2023", "Marzo", "In uscita", "Appuntamento", "Bianchi Anna"),
            Chiamata("02/02/2024", "Febbraio", "In entrata", "Reclamo", "ROSSINI Paola", "Èlite"),
            Chiamata("15/05/2024", "Maggio", "In entrata", "Informazioni", "Verdi Ugo", "èlite")});
}

// The subjects listed (the text after "Oggetto: ", trimmed).
QStringList Oggetti(const QStringList &righe)
{
    QStringList o;
    for (const QString &r : righe) o << r.mid(r.indexOf("Oggetto: ") + 9, 30).trimmed();
    return o;
}

QStringList Righe(const TFinestraRicerca &w)
{
    return w.modello->stringList();
}

void Cerca(TfrmTrovaChiamate &w, const QStringList &filtri)
{
    for (const QString &f : filtri) {
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

// The call card as the search sees it: it takes the chosen cards.
class TSchedaFinta : public QWidget, public DestinatarioChiamata
{
public:
    QList<qint64> posizioni;
    QStringList esiti;
    void CaricaChiamata(const TSchedaChiamata &r, qint64 posizione) override
    {
        posizioni << posizione;
        esiti << r.Get(K::Esito);
    }
};

const char *const kAccesso = "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                             "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                             "del programma.";

} // namespace

class TestChiamateRicerca : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rigaChiamata_data();
    void rigaChiamata();
    void filtri_data();
    void filtri();
    void erroreDiAccesso();
    void doppioClic_data();
    void doppioClic();
    void trovaSuListaVuota();
    void catenaInvio();
    void stampa();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestChiamateRicerca::initTestCase()
{
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
}

void TestChiamateRicerca::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestChiamateRicerca::cleanup()
{
    ImpostaCartellaProgramma(QString());
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

// ------------------------------------------------------------ list lines

void TestChiamateRicerca::rigaChiamata_data()
{
    QTest::addColumn<Campi>("campi");
    QTest::addColumn<QString>("riga");

    const Campi base = {{K::DataRit, "05/03/2024"}, {K::OraRit, "09:07"}, {K::Oggetto, "Preventivo"},
                        {K::Cliente, "Rossi Mario"}, {K::CodFisc, "RSSMRA80A01H501U"}, {K::TelCel, "333 1234567"}};
    QTest::newRow("colonne a larghezza fissa, il cellulare per ultimo")
        << base
        << "Data: 05/03/2024  Ora: 09:07  Oggetto: Preventivo                      Cliente: Rossi Mario"
           "                     CF: RSSMRA80A01H501U  Cel. 333 1234567";

    Campi lungo = base;
    lungo[2].second = "Richiesta di preventivo per la caldaia a gas."; // 45 characters
    lungo[3].second = "  Bianchi  ";
    lungo[5].second = "  06 1234  ";
    QTest::newRow("oggetto di 45 caratteri tagliato a 30, campi rifilati")
        << lungo
        << "Data: 05/03/2024  Ora: 09:07  Oggetto: Richiesta di preventivo per la  Cliente: Bianchi"
           "                         CF: RSSMRA80A01H501U  Cel. 06 1234";

    Campi accenti = base;
    accenti[2].second = "Rimborso di 50 €";
    accenti[3].second = "Niccolò Città";
    QTest::newRow("lettere accentate ed euro")
        << accenti
        << "Data: 05/03/2024  Ora: 09:07  Oggetto: Rimborso di 50 €                Cliente: Niccolò Città"
           "                   CF: RSSMRA80A01H501U  Cel. 333 1234567";

    QTest::newRow("scheda vuota")
        << Campi() << "Data:             Ora:        Oggetto:                                 Cliente: "
                      "                                CF:                   Cel. ";
}

void TestChiamateRicerca::rigaChiamata()
{
    QFETCH(Campi, campi);
    QFETCH(QString, riga);
    const TSchedaChiamata r = Chiamata(campi);
    QCOMPARE(RigaElencoChiamata(r.Buffer()), riga);
}

// --------------------------------------------------------------- filters

void TestChiamateRicerca::filtri_data()
{
    QTest::addColumn<QStringList>("filtri");
    QTest::addColumn<QStringList>("oggetti"); // in file order
    QTest::addColumn<QString>("conta");

    const QStringList tutte = {"Preventivo caldaia", "Sollecito pagamento", "Appuntamento", "Reclamo", "Informazioni"};
    QTest::newRow("nessun filtro: tutte, in ordine di file") << QStringList() << tutte << "0";
    QTest::newRow("filtro di soli spazi") << QStringList{"txtCliente=   "} << tutte << "0";
    QTest::newRow("mese \"mar\"") << QStringList{"txtMeseRit=mar"}
                                  << QStringList{"Preventivo caldaia", "Appuntamento"} << "1";
    QTest::newRow("tipo \"uscita\"") << QStringList{"txtTipo=uscita"}
                                     << QStringList{"Sollecito pagamento", "Appuntamento"} << "1";
    QTest::newRow("data \"/03/2024\"") << QStringList{"txtDataRit=/03/2024"} << QStringList{"Preventivo caldaia"}
                                       << "1";
    QTest::newRow("ROSSI in ogni posizione")
        << QStringList{"txtCliente=ROSSI"} << QStringList{"Preventivo caldaia", "Sollecito pagamento", "Reclamo"}
        << "1";
    QTest::newRow("rossi ed entrata") << QStringList{"txtCliente=rossi", "txtTipo=entrata"}
                                      << QStringList{"Preventivo caldaia", "Reclamo"} << "2";
    QTest::newRow("\"rossi \" con lo spazio finale non trova Mario Rossi")
        << QStringList{"txtCliente=rossi "} << QStringList{"Preventivo caldaia"} << "1";
    QTest::newRow("maiuscola accentata non trova la minuscola")
        << QStringList{"txtNote=È"} << QStringList{"Reclamo"} << "1";
    QTest::newRow("nessuna corrispondenza") << QStringList{"txtZona=Prati"} << QStringList() << "1";
}

void TestChiamateRicerca::filtri()
{
    QFETCH(QStringList, filtri);
    QFETCH(QStringList, oggetti);
    QFETCH(QString, conta);
    Registro();
    TfrmTrovaChiamate w;
    w.show();
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());
    Cerca(w, filtri);
    QCOMPARE(Oggetti(Righe(w)), oggetti);
    QCOMPARE(w.lblConta->text(), conta);
    const QString trovate = oggetti.size() == 1 ? "Il presente riepilogo contiene 1 scheda."
                                                 : QString("Il presente riepilogo contiene %1 schede.").arg(oggetti.size());
    QCOMPARE(w.lblTrovate->text(), trovate);
    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panAvvio->isVisible());
    QCOMPARE(w.focusWidget(), w.txtTrova);
}

// A register that cannot be opened: the plain OK-only box, and the filters stay.
void TestChiamateRicerca::erroreDiAccesso()
{
    ImpostaCartellaProgramma(dir_->path() + "/non/esiste/");
    TfrmTrovaChiamate w;
    w.show();
    RisposteInOrdine risposte;
    Cerca(w, {"txtCliente=Rossi"});
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, QString::fromUtf8(kAccesso));
    QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(risposte.Box()[0].icona, QMessageBox::NoIcon);
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());
    QVERIFY(!w.lblAttendere->isVisible());
}

// --------------------------------------------------------- double click

void TestChiamateRicerca::doppioClic_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QList<qint64>>("posizioni");
    QTest::addColumn<QStringList>("esiti");

    // The register: a call, then two identical lines (cards 2 and 3, the
    // outcome differs and is not on the line).
    QTest::newRow("prima delle due uguali: vince la successiva")
        << "chiamate" << 1 << QList<qint64>{2, 3} << QStringList{"Richiamare", "Concluso"};
    QTest::newRow("seconda delle due uguali") << "chiamate" << 2 << QList<qint64>{2, 3}
                                              << QStringList{"Richiamare", "Concluso"};
    QTest::newRow("riga unica") << "chiamate" << 0 << QList<qint64>{1} << QStringList{"Primo"};
    QTest::newRow("altro modo: nulla") << "clienti" << 1 << QList<qint64>() << QStringList();
}

void TestChiamateRicerca::doppioClic()
{
    QFETCH(QString, modo);
    QFETCH(int, riga);
    QFETCH(QList<qint64>, posizioni);
    QFETCH(QStringList, esiti);
    TSchedaChiamata a = Chiamata("05/03/2024", "Marzo", "In entrata", "Preventivo", "Rossi Mario");
    a.Set(K::Esito, "Primo");
    TSchedaChiamata b = Chiamata("06/03/2024", "Marzo", "In uscita", "Sollecito", "Verdi Ugo");
    b.Set(K::Esito, "Richiamare");
    TSchedaChiamata c = b;
    c.Set(K::Esito, "Concluso");
    Scrivi({a, b, c});

    TSchedaFinta scheda;
    auto *interno = new QWidget(&scheda); // the search may be opened from a child of the card
    TfrmTrovaChiamate w(interno);
    w.lblMemory->setText(modo);
    w.show();
    Cerca(w, {});
    QCOMPARE(w.modello->rowCount(), 3);
    QCOMPARE(Righe(w)[1], Righe(w)[2]);
    DoppioClic(w.lstRecords, riga);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(scheda.posizioni, posizioni);
    QCOMPARE(scheda.esiti, esiti);
}

// ------------------------------------------------- find, keyboard, print

void TestChiamateRicerca::trovaSuListaVuota()
{
    TfrmTrovaChiamate w;
    w.show();
    Cerca(w, {});
    QCOMPARE(w.lblTrovate->text(), QString("Il presente riepilogo contiene 0 schede."));
    RisposteInOrdine risposte;
    w.txtTrova->setText("Rossi");
    QTest::mouseClick(w.btnTrova, Qt::LeftButton);
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestChiamateRicerca::catenaInvio()
{
    TfrmTrovaChiamate w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QLineEdit *> catena = {w.txtDataRit, w.txtMeseRit, w.txtTipo,    w.txtOggetto, w.txtEsito,
                                       w.txtOperatore, w.txtCliente, w.txtCodFisc, w.txtZona,  w.txtNote};
    QCOMPARE(QApplication::focusWidget(), w.txtDataRit);
    for (int i = 0; i < catena.size(); ++i) {
        QTest::keyClick(catena[i], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), catena[(i + 1) % catena.size()]);
    }
    const QStringList etichette = {"Data chiamata (gg/mm/aaaa):", "Mese chiamata (in lettere):",
                                   "Tipo chiamata (in entrata / in uscita):", "Oggetto:", "Esito:",
                                   "Operatore / Agente:", "Cognome e nome cliente:", "Codice fiscale:",
                                   "Zona di appartenenza:", "Note:"};
    for (int i = 0; i < catena.size(); ++i) {
        auto *l = w.findChild<QLabel *>("lbl" + catena[i]->objectName().mid(3));
        QVERIFY(l);
        QCOMPARE(l->text(), etichette[i]);
    }
    QCOMPARE(w.windowTitle(), QString(" Trova schede in registro chiamate"));
}

void TestChiamateRicerca::stampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    Registro();
    TfrmTrovaChiamate w;
    w.show();
    Cerca(w, {"txtTipo=uscita"});
    const QString pdf = dir_->filePath("elenco.pdf");
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    const QStringList testo = Pdf::Esegui("pdftotext", {"-layout", pdf, "-"}).split('\n');
    QStringList righe;
    for (const QString &r : testo)
        if (!r.trimmed().isEmpty()) righe << r.simplified();
    QVERIFY2(righe.contains("Riepilogo chiamate"), qPrintable(righe.join('\n')));
    const qsizetype primo = righe.indexOf(QRegularExpression("^Data: 12/01/2024 .*Sollecito pagamento.*"));
    const qsizetype secondo = righe.indexOf(QRegularExpression("^Data: 20/03/2023 .*Appuntamento.*"));
    QVERIFY2(primo >= 0 && secondo > primo, qPrintable(righe.join('\n')));
}

QTEST_MAIN(TestChiamateRicerca)
#include "test_chiamate_ricerca.moc"

// The client search and the clients to recontact: list lines, filters,
// sorting, the double click in every mode, find, printing, the keyboard.
#include "TestiAttesi.h"
#include "storage/Cartella.h"
#include "ui/Stile.h"
#include "clients/ListaClienti.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmRicontatta.h"
#include "clients/TfrmTrovaClienti.h"
#include "output/Stampa.h"
#include "output/TrovaLista.h"
#include "storage/TArchivio.h"
#include "test_output_risposte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using C = LayoutCliente;
using Campi = QList<QPair<C::Campo, QString>>;
Q_DECLARE_METATYPE(Campi)

namespace {

qint64 Aggiungi(const Campi &campi)
{
    TSchedaCliente r;
    for (const auto &[c, v] : campi) r.Set(c, v);
    TArchivio a;
    a.Open("Contatti.pro", TSchedaCliente::Dimensione);
    const qint64 p = a.Append(r);
    a.Close();
    return p;
}

// Column text as the list shows it: left-justified and cut to n.
QString Col(const QString &s, int n)
{
    return s.leftJustified(n, u' ', true);
}

// The client names of a list (its first column).
QStringList Nomi(const QAbstractItemModel *m)
{
    QStringList n;
    for (const QString &r : RigheLista(m)) n << r.left(26).trimmed();
    return n;
}

// The six clients of most cases. Bianchi Anna has a word of her own in each
// of the eight other filter fields.
void ArchivioClienti()
{
    Aggiungi({{C::Cliente, "Rossi Mario"}, {C::ComuneRes, "Napoli"}, {C::Recapito, "081 5551234"}});
    Aggiungi({{C::Cliente, "Bianchi Anna"}, {C::ComuneRes, "Roma"}, {C::PartitaIva, "01234567890"},
              {C::CodFisc, "BNCNNA80A41H501X"}, {C::Documento, "Carta d'identità AX123"},
              {C::Occupazione, "Commercialista"}, {C::Prodotti, "Dichiarazione dei redditi"},
              {C::Zona, "Prati"}, {C::Questioni, "Sollecito fattura"}, {C::Note, "Preferisce la posta"}});
    Aggiungi({{C::Cliente, "grosso luca"}, {C::ComuneRes, "NAPOLI"}});
    Aggiungi({{C::Cliente, "Verdi Ugo"}, {C::ComuneRes, "Città di Castello"}});
    Aggiungi({{C::Cliente, "ROSSINI Paola"}, {C::ComuneRes, "Milano"}});
    Aggiungi({{C::Cliente, "Mario Neri"}, {C::ComuneRes, "Torino"}});
}

void Cerca(TfrmTrovaClienti &w, const QStringList &filtri)
{
    for (const QString &f : filtri) {
        const qsizetype uguale = f.indexOf(u'=');
        auto *campo = w.findChild<QLineEdit *>(f.left(uguale));
        QVERIFY2(campo, qPrintable(f));
        campo->setText(f.mid(uguale + 1));
    }
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
}

// A double click as the system delivers it: press and release, then the
// double click. A row of -1 clicks the empty space below the lines.
void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents(); // the result view just laid out
    const QPoint p = riga < 0 ? QPoint(20, lista->viewport()->height() - 5)
                              : QPoint(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

QString Esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The windows that open the search in the modes "chiamate", "scadenze" and
// "riepilogo": they receive the chosen card.
class TDestinatario : public QWidget, public DestinatarioCliente
{
public:
    QList<qint64> ricevute;
    QStringList codici;
    void RiceviCliente(const TSchedaCliente &r, qint64 posizione) override
    {
        ricevute << posizione;
        codici << r.Get(C::CodFisc);
    }
};

// One of the two windows, shown.
std::unique_ptr<TFinestraElencoClienti> Apri(bool ricerca, QWidget *owner = nullptr)
{
    std::unique_ptr<TFinestraElencoClienti> w;
    if (ricerca) w = std::make_unique<TfrmTrovaClienti>(owner);
    else w = std::make_unique<TfrmRicontatta>(owner);
    w->show();
    return w;
}

} // namespace

class TestClientiRicerca : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rigaCliente_data();
    void rigaCliente();
    void ordinamento_data();
    void ordinamento();
    void ricerca_data();
    void ricerca();
    void erroreDiAccesso();
    void ricontatta();
    void doppioClic_data();
    void doppioClic();
    void caricaSchedaCliente_data();
    void caricaSchedaCliente();
    void trovaSuListaVuota_data();
    void trovaSuListaVuota();
    void stampa_data();
    void stampa();
    void tastiera();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestClientiRicerca::initTestCase()
{
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
}

void TestClientiRicerca::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestClientiRicerca::cleanup()
{
    ImpostaCartellaProgramma(QString());
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

// ------------------------------------------------------------ list lines

void TestClientiRicerca::rigaCliente_data()
{
    QTest::addColumn<Campi>("campi");
    QTest::addColumn<QByteArray>("grezzo"); // "campo:bytes" written over the field as stored
    QTest::addColumn<QString>("ricerca");   // the line of the search
    QTest::addColumn<QString>("ricontatto"); // the line of the recontact list

    const QString fisso = Col("Rossi Mario", 26) + "  Tel. " + Col("081 5551234", 15) + "  " + Col("Avvocato", 25)
                          + "  Prod. " + Col("Consulenza", 30) + "  ";
    const Campi base = {{C::Cliente, "Rossi Mario"}, {C::Recapito, "081 5551234"}, {C::Occupazione, "Avvocato"},
                        {C::Prodotti, "Consulenza"}, {C::Note, "Cliente storico"}, {C::Questioni, "Pratica aperta"}};
    QTest::newRow("colonne a larghezza fissa, poi note o questioni")
        << base << QByteArray() << fisso + "Cliente storico" << fisso + "Pratica aperta";

    Campi senza = base;
    senza.removeLast();
    senza.removeLast();
    QTest::newRow("senza note né questioni: la riga finisce con due spazi")
        << senza << QByteArray() << fisso << fisso;

    const QString lungo = "Lunghissimo Cognome Composto Con Molti Nomi Eccetera"; // 52 > 50 stored
    const QString prodotti = QString("Servizi contabili, fiscali e del lavoro per imprese e famiglie");
    QTest::newRow("campi lunghi tagliati alla colonna")
        << Campi{{C::Cliente, lungo}, {C::Recapito, "+39 081 555 1234 int. 22"}, {C::Occupazione, "Libero professionista iscritto all'albo"},
                 {C::Prodotti, prodotti}, {C::Note, "n"}}
        << QByteArray()
        << lungo.left(26) + "  Tel. " + QString("+39 081 555 123") + "  " + QString("Libero professionista isc") + "  Prod. "
               + prodotti.left(30) + "  n"
        << lungo.left(26) + "  Tel. " + QString("+39 081 555 123") + "  " + QString("Libero professionista isc") + "  Prod. "
               + prodotti.left(30) + "  ";

    QTest::newRow("lettere accentate: un carattere ciascuna")
        << Campi{{C::Cliente, "Nicolò Ferrè"}, {C::Occupazione, "Perito agrario, è in città"}, {C::Note, "Perché sì"}}
        << QByteArray()
        << Col("Nicolò Ferrè", 26) + "  Tel. " + Col("", 15) + "  " + Col("Perito agrario, è in città", 25) + "  Prod. "
               + Col("", 30) + "  Perché sì"
        << Col("Nicolò Ferrè", 26) + "  Tel. " + Col("", 15) + "  " + Col("Perito agrario, è in città", 25) + "  Prod. "
               + Col("", 30) + "  ";

    // A file written by another program may keep blanks around a text.
    QTest::newRow("spazi memorizzati attorno al testo: tolti")
        << Campi{} << QByteArray("0:\x0b  Verdi Ugo ") << Col("Verdi Ugo", 26) + "  Tel. " + Col("", 15) + "  "
               + Col("", 25) + "  Prod. " + Col("", 30) + "  "
        << Col("Verdi Ugo", 26) + "  Tel. " + Col("", 15) + "  " + Col("", 25) + "  Prod. " + Col("", 30) + "  ";
}

void TestClientiRicerca::rigaCliente()
{
    QFETCH(Campi, campi);
    QFETCH(QByteArray, grezzo);
    QFETCH(QString, ricerca);
    QFETCH(QString, ricontatto);
    TSchedaCliente r;
    for (const auto &[c, v] : campi) r.Set(c, v);
    if (!grezzo.isEmpty()) {
        const qsizetype dp = grezzo.indexOf(':');
        const auto campo = static_cast<C::Campo>(grezzo.left(dp).toInt());
        const QByteArray byte = grezzo.mid(dp + 1);
        std::memcpy(r.Buffer() + TSchedaCliente::Offset[campo], byte.constData(), size_t(byte.size()));
    }
    QCOMPARE(RigaCliente(r, UltimaColonna::Note), ricerca);
    QCOMPARE(RigaCliente(r, UltimaColonna::Questioni), ricontatto);
}

// ----------------------------------------------------------- list order

void TestClientiRicerca::ordinamento_data()
{
    QTest::addColumn<QStringList>("righe"); // in file order
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("a-z come A-Z; a parità resta l'ordine del file")
        << QStringList{"rossi", "_nota", "ROSSO", "Rossi", "[x", "Bianchi"}
        << QStringList{"Bianchi", "rossi", "Rossi", "ROSSO", "[x", "_nota"};
    QTest::newRow("differenza vera dopo lunghi tratti diversi solo nelle maiuscole")
        << QStringList{"Rossi Mario    Tel. 081 1", "ROSSI MARIO    TEL. 081 0", "rossi mario    tel. 081"}
        << QStringList{"rossi mario    tel. 081", "ROSSI MARIO    TEL. 081 0", "Rossi Mario    Tel. 081 1"};
    QTest::newRow("lettere accentate dopo A-Z") << QStringList{"Èrcole", "Zeta", "Ada"}
                                                << QStringList{"Ada", "Zeta", "Èrcole"};
}

void TestClientiRicerca::ordinamento()
{
    QFETCH(QStringList, righe);
    QFETCH(QStringList, attese);
    OrdinaRighe(righe);
    QCOMPARE(righe, attese);
}

// ------------------------------------------------------------ the search

void TestClientiRicerca::ricerca_data()
{
    QTest::addColumn<QStringList>("filtri");
    QTest::addColumn<int>("conta");
    QTest::addColumn<QStringList>("attesi"); // names, in list order

    const QStringList tutti = {"Bianchi Anna", "grosso luca", "Mario Neri", "Rossi Mario", "ROSSINI Paola", "Verdi Ugo"};
    QTest::newRow("nessun filtro: tutti, in ordine alfabetico senza badare alle maiuscole")
        << QStringList() << 0 << tutti;
    QTest::newRow("ros nel nome e nap nel comune")
        << QStringList{"txtCliente=ros", "txtComuneRes=nap"} << 2 << QStringList{"grosso luca", "Rossi Mario"};
    QTest::newRow("filtro di soli spazi: non conta")
        << QStringList{"txtCliente=   ", "txtNote= "} << 0 << tutti;
    QTest::newRow("spazi e un filtro vero") << QStringList{"txtCliente=  ", "txtComuneRes=NAP"} << 1
                                            << QStringList{"grosso luca", "Rossi Mario"};
    QTest::newRow("spazio iniziale non tolto") << QStringList{"txtCliente= mario"} << 1 << QStringList{"Rossi Mario"};
    QTest::newRow("spazio finale non tolto") << QStringList{"txtCliente=mario "} << 1 << QStringList{"Mario Neri"};
    QTest::newRow("solo A-Z in minuscolo") << QStringList{"txtComuneRes=CITTÀ"} << 1 << QStringList();
    QTest::newRow("lettera accentata uguale") << QStringList{"txtComuneRes=città"} << 1 << QStringList{"Verdi Ugo"};
    QTest::newRow("nessuna corrispondenza") << QStringList{"txtCliente=zzz"} << 1 << QStringList();

    // Each filter field looks at its own record field.
    const QList<QPair<const char *, const char *>> campo = {
        {"txtPartitaIva", "4567"},      {"txtCodFisc", "a41h"},        {"txtDocumento", "identità ax"},
        {"txtOccupazione", "commerc"},  {"txtProdotti", "REDDITI"},    {"txtZona", "prati"},
        {"txtQuestioni", "sollecito"},  {"txtNote", "posta"},          {"txtComuneRes", "roma"},
        {"txtCliente", "bianchi"}};
    for (const auto &[nome, testo] : campo)
        QTest::addRow("campo %s", nome) << QStringList{QString(nome) + "=" + QString::fromUtf8(testo)} << 1
                                        << QStringList{"Bianchi Anna"};
}

void TestClientiRicerca::ricerca()
{
    QFETCH(QStringList, filtri);
    QFETCH(int, conta);
    QFETCH(QStringList, attesi);
    ArchivioClienti();
    TfrmTrovaClienti w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(w.panAvvio->isVisible());
    QVERIFY(!w.panContainer->isVisible());
    Cerca(w, filtri);

    QCOMPARE(w.lblConta->text(), QString::number(conta));
    QCOMPARE(Nomi(w.lstRecords->model()), attesi);
    QCOMPARE(w.lblTrovate->text(), attesi.size() == 1 ? QString("Il presente riepilogo contiene 1 scheda.")
                                                       : QString("Il presente riepilogo contiene %1 schede.").arg(attesi.size()));
    QVERIFY(w.panContainer->isVisible());
    QVERIFY(!w.panAvvio->isVisible());
    QVERIFY(w.txtTrova->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.txtTrova);
}

void TestClientiRicerca::erroreDiAccesso()
{
    ImpostaCartellaProgramma(dir_->path() + "/non/esiste/");
    {
        RisposteInOrdine risposte;
        TfrmTrovaClienti w;
        w.show();
        Cerca(w, {"txtCliente=ros"});
        QTRY_COMPARE(risposte.Box().size(), 1);
        QCOMPARE(risposte.Box()[0].testo, Attesi::AccessoArchivio);
        QCOMPARE(risposte.Box()[0].icona, QMessageBox::NoIcon);
        QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(w.panAvvio->isVisible());
        QVERIFY(!w.panContainer->isVisible());
    }
    {
        // The recontact list stays empty and says nothing.
        RisposteInOrdine risposte;
        TfrmRicontatta w;
        w.show();
        QCOMPARE(w.lstRecords->model()->rowCount(), 0);
        QTest::qWait(50);
        QVERIFY(risposte.Box().isEmpty());
    }
}

// ------------------------------------------------------- recontact list

void TestClientiRicerca::ricontatta()
{
    const QByteArray flag[] = {"S\xEC", "No", "", "SI", "si", "S\xEC"};
    const char *nomi[] = {"Zeta Carlo", "Rossi Mario", "Bianchi Anna", "Verdi Ugo", "Neri Carla", "alfa Bruno"};
    for (int i = 0; i < 6; ++i) {
        TSchedaCliente r;
        r.Set(C::Cliente, nomi[i]);
        r.Set(C::Questioni, i == 0 ? "Rinnovo contratto" : "");
        r.Set(C::Note, "Nota");
        r.Set(C::Ricontatta, ShortText::Decode(flag[i]));
        TArchivio a;
        a.Open("Contatti.pro", TSchedaCliente::Dimensione);
        a.Append(r);
        a.Close();
    }
    TfrmRicontatta w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(Nomi(w.lstRecords->model()), QStringList({"alfa Bruno", "Zeta Carlo"}));
    const QStringList righe = RigheLista(w.lstRecords->model());
    QVERIFY(righe[0].endsWith("Prod. " + Col("", 30) + "  "));
    QVERIFY(righe[1].endsWith(Col("", 30) + "  Rinnovo contratto"));
    QCOMPARE(QApplication::focusWidget(), w.txtTrova);
}

// ---------------------------------------------------------- double click

void TestClientiRicerca::doppioClic_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<int>("riga"); // -1: no line selected
    QTest::addColumn<bool>("errore"); // the archive is gone when the line is chosen
    QTest::addColumn<QList<qint64>>("ricevute");

    // The list: 0 Alberti Ada (card 1), 1 Bianchi Anna (card 3), 2 and 3 Bianchi Anna (cards 2 and 4).
    for (const char *modo : {"chiamate", "scadenze", "riepilogo"})
        QTest::addRow("%s: righe uguali, resta l'ultima scheda", modo) << QString(modo) << 2 << false
                                                                       << QList<qint64>{2, 4};
    QTest::newRow("l'altra delle righe uguali") << "chiamate" << 3 << false << QList<qint64>{2, 4};
    QTest::newRow("riga di una sola scheda") << "chiamate" << 1 << false << QList<qint64>{3};
    QTest::newRow("modo sconosciuto") << "" << 2 << false << QList<qint64>();
    QTest::newRow("clienti ma il proprietario non è la scheda cliente") << "clienti" << 2 << false
                                                                         << QList<qint64>();
    QTest::newRow("nessuna riga selezionata") << "chiamate" << -1 << false << QList<qint64>();
    QTest::newRow("archivio inaccessibile alla scelta") << "chiamate" << 2 << true << QList<qint64>();
}

void TestClientiRicerca::doppioClic()
{
    QFETCH(QString, modo);
    QFETCH(int, riga);
    QFETCH(bool, errore);
    QFETCH(QList<qint64>, ricevute);
    // Cards 2 and 4 give the same line; card 3 has the same name but a shorter line.
    const Campi comune = {{C::Cliente, "Bianchi Anna"}, {C::Recapito, "06 123"}, {C::Occupazione, "Medico"},
                          {C::Prodotti, "Visite"}, {C::Note, "Stessa nota"}};
    Aggiungi({{C::Cliente, "Alberti Ada"}, {C::CodFisc, "A1"}});
    Aggiungi(comune + Campi{{C::CodFisc, "B2"}});
    Aggiungi(Campi{{C::Cliente, "Bianchi Anna"}, {C::Recapito, "06 123"}, {C::CodFisc, "C3"}});
    Aggiungi(comune + Campi{{C::CodFisc, "D4"}, {C::Zona, "Altra zona"}});

    RisposteInOrdine risposte;
    TDestinatario owner;
    TfrmTrovaClienti w(&owner);
    w.lblMemory->setText(modo);
    w.show();
    QTest::mouseClick(w.btnCerca, Qt::LeftButton);
    QCOMPARE(Nomi(w.lstRecords->model()), QStringList({"Alberti Ada", "Bianchi Anna", "Bianchi Anna", "Bianchi Anna"}));

    if (errore) ImpostaCartellaProgramma(dir_->path() + "/sparita/");
    DoppioClic(w.lstRecords, riga);
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(owner.ricevute, ricevute);
    if (ricevute.size() == 2) QCOMPARE(owner.codici, QStringList({"B2", "D4"}));
    QVERIFY(risposte.Box().isEmpty());
    // Closing empties the list and hides the waiting hint.
    QCOMPARE(w.lstRecords->model()->rowCount(), 0);
    QVERIFY(w.lblAttendere->isHidden());
}

// A double click in the "clienti" mode, and in the recontact list, shows the
// whole card on the client card as a stored card.
void TestClientiRicerca::caricaSchedaCliente_data()
{
    QTest::addColumn<bool>("ricerca");
    QTest::newRow("ricerca, modo clienti") << true;
    QTest::newRow("clienti da ricontattare") << false;
}

void TestClientiRicerca::caricaSchedaCliente()
{
    QFETCH(bool, ricerca);
    TSchedaCliente scelta;
    for (int c = 0; c < TSchedaCliente::NumCampi; ++c) {
        const auto campo = static_cast<C::Campo>(c);
        QString v = QString("%1 di prova").arg(TSchedaCliente::Nome(campo));
        if (campo == C::ProvNasc) v = "NA";
        if (campo == C::ProvRes) v = "RM";
        if (campo == C::Sesso) v = "F";
        if (campo == C::CapRes) v = "80100";
        scelta.Set(campo, v);
    }
    scelta.SetFlag(C::Ricontatta, true);
    Aggiungi({{C::Cliente, "Altro cliente"}, {C::Ricontatta, "Sì"}});
    {
        TArchivio a;
        a.Open("Contatti.pro", TSchedaCliente::Dimensione);
        a.Append(scelta);
        a.Close();
    }
    Aggiungi({{C::Cliente, "Zeta ultimo"}, {C::Ricontatta, "Sì"}});

    TfrmClienti scheda;
    scheda.chkRicontatta->setChecked(false);
    auto w = Apri(ricerca, &scheda);
    if (auto *t = qobject_cast<TfrmTrovaClienti *>(w.get())) {
        t->lblMemory->setText("clienti");
        QTest::mouseClick(t->btnCerca, Qt::LeftButton);
    }
    QCOMPARE(w->lstRecords->model()->rowCount(), 3);
    DoppioClic(w->lstRecords, 1); // "Cliente di prova" sorts between the other two
    QTRY_VERIFY(!w->isVisible());

    QCOMPARE(scheda.lblPosizione->text(), QString("2"));
    QVERIFY(scheda.chkRicontatta->isChecked());
    for (int c = 0; c < TSchedaCliente::NumCampi; ++c) {
        const auto campo = static_cast<C::Campo>(c);
        if (campo == C::Ricontatta) continue;
        const QString nome = TSchedaCliente::Nome(campo);
        const bool allegato = nome.startsWith("File") || nome.startsWith("Desc");
        QWidget *controllo = scheda.findChild<QWidget *>((allegato ? "lbl" : "txt") + nome);
        QVERIFY2(controllo, qPrintable(nome));
        QString testo;
        if (auto *e = qobject_cast<QLineEdit *>(controllo)) testo = e->text();
        else if (auto *cb = qobject_cast<QComboBox *>(controllo)) testo = cb->currentText();
        else if (auto *l = qobject_cast<QLabel *>(controllo)) testo = l->text();
        QCOMPARE(testo, scelta.Get(campo));
    }
}

// ------------------------------------------------------ find and print

void TestClientiRicerca::trovaSuListaVuota_data()
{
    QTest::addColumn<bool>("ricerca");
    QTest::newRow("ricerca in un archivio vuoto") << true;
    QTest::newRow("nessun cliente da ricontattare") << false;
}

void TestClientiRicerca::trovaSuListaVuota()
{
    QFETCH(bool, ricerca);
    if (!ricerca) Aggiungi({{C::Cliente, "Rossi Mario"}, {C::Ricontatta, "No"}});
    RisposteInOrdine risposte;
    auto w = Apri(ricerca);
    if (auto *t = qobject_cast<TfrmTrovaClienti *>(w.get())) {
        QTest::mouseClick(t->btnCerca, Qt::LeftButton);
        QCOMPARE(t->lblTrovate->text(), QString("Il presente riepilogo contiene 0 schede."));
        QVERIFY(t->panContainer->isVisible());
        // The missing archive was created empty.
        QCOMPARE(QFileInfo(dir_->path() + "/Contatti.pro").size(), qint64(0));
    }
    QCOMPARE(w->lstRecords->model()->rowCount(), 0);
    QTest::keyClicks(w->txtTrova, "rossi");
    QTest::mouseClick(w->btnTrova, Qt::LeftButton);
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QCOMPARE(risposte.Box()[0].icona, QMessageBox::NoIcon);
}

void TestClientiRicerca::stampa_data()
{
    QTest::addColumn<bool>("ricerca");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("ricerca") << true << "Riepilogo clienti in archivio";
    QTest::newRow("clienti da ricontattare") << false << "Riepilogo clienti da ricontattare";
}

void TestClientiRicerca::stampa()
{
    QFETCH(bool, ricerca);
    QFETCH(QString, titolo);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext not installed");
    Aggiungi({{C::Cliente, "Rossi Mario"}, {C::Recapito, "081 5551234"}, {C::Occupazione, "Avvocato"},
              {C::ComuneRes, "Roma"}, {C::Note, "Nota di Rossi"}, {C::Questioni, "Questione di Rossi"},
              {C::Ricontatta, "Sì"}});
    Aggiungi({{C::Cliente, "Bianchi Anna"}, {C::Prodotti, "Consulenza"}, {C::ComuneRes, "Roma"}, {C::Ricontatta, "Sì"}});
    Aggiungi({{C::Cliente, "Verdi Ugo"}, {C::ComuneRes, "Milano"}, {C::Ricontatta, "No"}});
    const QString pdf = dir_->path() + "/elenco.pdf";
    ImpostaStampaSuPdf(pdf);

    auto w = Apri(ricerca);
    if (auto *t = qobject_cast<TfrmTrovaClienti *>(w.get())) Cerca(*t, {"txtComuneRes=roma"});
    const QStringList righe = RigheLista(w->lstRecords->model());
    QCOMPARE(righe.size(), 2);
    QTest::mouseClick(w->btnStampa, Qt::LeftButton);
    QVERIFY(QFile::exists(pdf));

    QStringList stampate;
    for (const QString &r : Esegui("pdftotext", {"-layout", pdf, "-"}).split(u'\n'))
        if (!r.simplified().isEmpty()) stampate << r.simplified();
    QVERIFY(stampate.size() >= 4);
    QCOMPARE(stampate[0], titolo);
    QCOMPARE(stampate[1], righe[0].simplified());
    QCOMPARE(stampate[2], righe[1].simplified());
    QVERIFY(stampate[3].startsWith("Stampa eseguita in data"));
    QVERIFY(stampate[1].endsWith("Consulenza"));
    QVERIFY(stampate[2].endsWith(ricerca ? "Nota di Rossi" : "Questione di Rossi"));
}

// ------------------------------------------------------------- keyboard

void TestClientiRicerca::tastiera()
{
    Aggiungi({{C::Cliente, "Rossi Mario"}});
    TfrmTrovaClienti w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto &campi = w.CampiFiltro();
    QCOMPARE(QApplication::focusWidget(), campi[0]);
    QCOMPARE(campi[0]->objectName(), QString("txtCliente"));
    // Enter walks the ten fields and comes back to the first; the focused
    // one shows its yellow highlight.
    for (int i = 1; i <= 10; ++i) {
        QLineEdit *prima = campi[size_t(i - 1)];
        auto *effPrima = w.findChild<QWidget *>("eff" + prima->objectName().mid(3));
        QVERIFY2(effPrima && effPrima->isVisible(), qPrintable(prima->objectName()));
        QTest::keyClick(prima, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), campi[size_t(i % 10)]);
        QVERIFY(!effPrima->isVisible());
    }
    // "Attendere" appears as the mouse button goes down on "Cerca".
    QVERIFY(!w.lblAttendere->isVisible());
    QTest::mousePress(w.btnCerca, Qt::LeftButton);
    QVERIFY(w.lblAttendere->isVisible());
    QTest::mouseRelease(w.btnCerca, Qt::LeftButton);
    QVERIFY(w.panContainer->isVisible());
    // Enter in the find field goes to "Trova".
    QCOMPARE(QApplication::focusWidget(), w.txtTrova);
    QTest::keyClicks(w.txtTrova, "ross");
    QTest::keyClick(w.txtTrova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.btnTrova);
    QTest::keyClick(w.btnTrova, Qt::Key_Return);
    QCOMPARE(w.RigaSelezionata().left(11), QString("Rossi Mario"));
}

QTEST_MAIN(TestClientiRicerca)
#include "test_clienti_ricerca.moc"

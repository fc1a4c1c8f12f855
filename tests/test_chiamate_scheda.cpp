// The call card through the real window, as the program builds it at start.
#include "Modali.h"
#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "calls/TfrmChiamate.h"
#include "clients/TfrmStoricoChiamate.h"
#include "clients/TfrmTrovaClienti.h"
#include "storage/Cartella.h"
#include "storage/TArchivio.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using C = LayoutChiamata;

namespace {

const QString kVuoto = "L'archivio non contiene nessuna scheda.";
const QString kSalvata = "La scheda corrente è stata salvata in archivio.";
const QString kModificata = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";
const QString kDataNonValida = "\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida.";

// A call of the archive, the subject telling it apart.
void AggiungiChiamata(const QString &oggetto, const QString &codFisc = "RSSMRA80A01H501U")
{
    TSchedaChiamata r;
    r.Set(C::GiornoRit, "01");
    r.Set(C::MeseRit, "Febbraio");
    r.Set(C::AnnoRit, "2024");
    r.Set(C::DataRit, "01/02/2024");
    r.Set(C::OreRit, "10");
    r.Set(C::MinutiRit, "30");
    r.Set(C::OraRit, "10:30");
    r.Set(C::Tipo, "In uscita");
    r.Set(C::Oggetto, oggetto);
    r.Set(C::Cliente, "Rossi Mario");
    r.Set(C::CodFisc, codFisc);
    r.Set(C::TelCel, "3331234567");
    TArchivio a;
    a.Open("Registro_Chiamate.pro", TSchedaChiamata::Dimensione);
    a.Append(r);
    a.Close();
}

QList<TSchedaChiamata> Archivio()
{
    QList<TSchedaChiamata> l;
    QFile f(CartellaProgramma() + "Registro_Chiamate.pro");
    if (!f.open(QIODevice::ReadOnly)) return l;
    const QByteArray b = f.readAll();
    for (qsizetype p = 0; p + TSchedaChiamata::Dimensione <= b.size(); p += TSchedaChiamata::Dimensione) {
        TSchedaChiamata r;
        std::memcpy(r.Buffer(), b.constData() + p, TSchedaChiamata::Dimensione);
        l << r;
    }
    return l;
}

void Cliente(qint64 n, const QString &nome, const QString &codFisc, const QString &zona)
{
    using K = LayoutCliente;
    TSchedaCliente r;
    r.Set(K::Cliente, nome);
    r.Set(K::CodFisc, codFisc);
    r.Set(K::Zona, zona);
    r.Set(K::Email, "  " + nome.section(' ', 0, 0).toLower() + "@esempio.it");
    r.Set(K::TelCel, "33300000" + QString::number(n));
    r.Set(K::Recapito, "06 55500" + QString::number(n));
    r.Set(K::Note, "nota del cliente");
    TArchivio a;
    a.Open("Contatti.pro", TSchedaCliente::Dimensione);
    a.Append(r);
    a.Close();
}

void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents();
    const QPoint p(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class TestChiamateScheda : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nuovaSchedaDallOrologio();
    void controlliSalvataggio_data();
    void controlliSalvataggio();
    void dateValide_data();
    void dateValide();
    void salvaSuSettePoiSovrascrive();
    void duplica();
    void sfoglia_data();
    void sfoglia();
    void accessoNegato();
    void digitazione();
    void invio();
    void modoChiamate();
    void storicoDelCliente();
    void finestreAperte_data();
    void finestreAperte();
    void testiPerLaStampa();
    void barraDiStato();
    void chiusuraTornaAlHub();

private:
    TfrmChiamate *w() { return App().frmChiamate; }
    void Compila();
    QString Fuoco();
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestChiamateScheda::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 41)));
    CreaFinestre();
    w()->show();
    QVERIFY(QTest::qWaitForWindowExposed(w()));
    w()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w()));
}

void TestChiamateScheda::cleanup()
{
    DistruggiFinestre();
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// The required fields the new card does not fill.
void TestChiamateScheda::Compila()
{
    w()->txtOggetto->setText("Richiesta preventivo");
    w()->txtCliente->setText("Rossi Mario");
    w()->txtCodFisc->setText("RSSMRA80A01H501U");
    w()->txtTelCel->setText("3331234567");
}

QString TestChiamateScheda::Fuoco()
{
    QWidget *f = w()->focusWidget();
    if (f && qobject_cast<QComboBox *>(f->parentWidget())) f = f->parentWidget();
    return f ? f->objectName() : QString();
}

void TestChiamateScheda::nuovaSchedaDallOrologio()
{
    QCOMPARE(w()->windowTitle(), QString(" Pratovia - Registro Chiamate"));
    QCOMPARE(w()->txtGiornoRit->currentText(), QString("05"));
    QCOMPARE(w()->txtMeseRit->currentText(), QString("Marzo"));
    QCOMPARE(w()->lblAnnoRit->text(), QString("2024"));
    QCOMPARE(w()->txtOreRit->currentText(), QString("09"));
    QCOMPARE(w()->txtMinutiRit->currentText(), QString("07"));
    QCOMPARE(w()->txtTipo->currentText(), QString("In entrata"));
    for (QComboBox *c : {w()->txtGiornoRit, w()->txtMeseRit, w()->txtOreRit, w()->txtMinutiRit})
        QCOMPARE(c->currentIndex(), -1);
    QVERIFY(w()->lblPosizione->text().isEmpty());
    QTRY_COMPARE(Fuoco(), QString("txtOggetto"));
    {
        TfrmChiamate nuova; // before the mouse has been anywhere
        QCOMPARE(nuova.panInfo->text(), QString("Pronto per stampare una nuova scheda..."));
    }
    QVERIFY(!QFile::exists(CartellaProgramma() + "Registro_Chiamate.pro"));

    // Nuovo empties what was typed and dates the card again from the clock.
    w()->txtOggetto->setText("vecchio");
    w()->txtNote->setText("vecchio");
    w()->lblPosizione->setText("4");
    ImpostaOrologio(QDateTime(QDate(2025, 12, 31), QTime(23, 59)));
    w()->cmdNuovo->click();
    QCOMPARE(w()->txtGiornoRit->currentText() + w()->txtMeseRit->currentText() + w()->lblAnnoRit->text(),
             QString("31Dicembre2025"));
    QCOMPARE(w()->txtOreRit->currentText() + ":" + w()->txtMinutiRit->currentText(), QString("23:59"));
    QVERIFY(w()->txtOggetto->text().isEmpty() && w()->txtNote->text().isEmpty());
    QVERIFY(w()->lblPosizione->text().isEmpty());

    // The two "now" buttons.
    ImpostaOrologio(QDateTime(QDate(2026, 1, 2), QTime(8, 4)));
    w()->impRitiro->click();
    QCOMPARE(w()->txtGiornoRit->currentText() + w()->txtMeseRit->currentText() + w()->lblAnnoRit->text(),
             QString("02Gennaio2026"));
    QCOMPARE(w()->txtOreRit->currentText(), QString("23"));
    w()->impOraRit->click();
    QCOMPARE(w()->txtOreRit->currentText() + ":" + w()->txtMinutiRit->currentText(), QString("08:04"));
}

void TestChiamateScheda::controlliSalvataggio_data()
{
    QTest::addColumn<QStringList>("campi"); // control=text over a complete card
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<bool>("semplice");     // the plain OK-only box
    QTest::addColumn<QString>("fuoco");
    const QString a = "Attenzione: per salvare la scheda è necessario indicare ";
    QTest::newRow("1 no day") << QStringList{"txtGiornoRit="} << a + "il giorno della chiamata." << false
                              << "txtGiornoRit";
    QTest::newRow("1 day of blanks, before everything else")
        << QStringList{"txtGiornoRit=  ", "txtMeseRit=", "txtCliente="} << a + "il giorno della chiamata."
        << false << "txtGiornoRit";
    QTest::newRow("2 one-digit day") << QStringList{"txtGiornoRit=5"}
                                     << a + "il giorno della chiamata usando due cifre." << false << "txtGiornoRit";
    QTest::newRow("3 no month") << QStringList{"txtMeseRit="} << a + "il mese della chiamata." << false
                                << "txtMeseRit";
    QTest::newRow("4 no year") << QStringList{"lblAnnoRit="} << a + "l'anno della chiamata." << false
                               << "lblAnnoRit";
    QTest::newRow("5 year 202") << QStringList{"lblAnnoRit=202"}
                                << a + "l'anno della chiamata usando quattro cifre." << false << "lblAnnoRit";
    QTest::newRow("6 no hour") << QStringList{"txtOreRit=", "txtMinutiRit="} << a + "l'ora della chiamata."
                               << false << "txtOreRit";
    QTest::newRow("7 no minutes, before a one-digit hour")
        << QStringList{"txtOreRit=9", "txtMinutiRit="} << a + "i minuti dell'ora della chiamata." << false
        << "txtMinutiRit";
    QTest::newRow("8 one-digit hour") << QStringList{"txtOreRit=9"}
                                      << a + "l'ora della chiamata usando due cifre." << false << "txtOreRit";
    QTest::newRow("9 one-digit minutes") << QStringList{"txtMinutiRit=7"}
                                         << a + "i minuti dell'ora della vendita usando due cifre." << false
                                         << "txtMinutiRit";
    QTest::newRow("10 no type") << QStringList{"txtTipo="}
                                << a + "il tipo di chiamata (in entrata o in uscita)." << false << "txtTipo";
    QTest::newRow("11 subject of blanks") << QStringList{"txtOggetto=   "} << a + "l'oggetto della chiamata."
                                          << false << "txtOggetto";
    QTest::newRow("12 no client") << QStringList{"txtCliente=", "txtCodFisc="} << a + "il nome del cliente."
                                  << false << "txtCliente";
    QTest::newRow("13 no codice fiscale") << QStringList{"txtCodFisc=", "txtTelCel="}
                                          << a + "il codice fiscale del cliente." << false << "txtCodFisc";
    QTest::newRow("14 no mobile") << QStringList{"txtTelCel="} << a + "il numero di cellulare del cliente."
                                  << false << "txtTelCel";
    QTest::newRow("15 month not in the list")
        << QStringList{"txtMeseRit=Marz"}
        << "Attenzione: selezionare il mese dal menu a cascata." + kDataNonValida << false << "txtMeseRit";
    QTest::newRow("31 April 2024") << QStringList{"txtGiornoRit=31", "txtMeseRit=Aprile"}
                                   << "Attenzione: la data 31/04/2024 non esiste." + kDataNonValida << true
                                   << "txtGiornoRit";
    QTest::newRow("29 February 2023") << QStringList{"txtGiornoRit=29", "txtMeseRit=Febbraio", "lblAnnoRit=2023"}
                                      << "Attenzione: la data 29/02/2023 non esiste." + kDataNonValida << true
                                      << "txtGiornoRit";
    QTest::newRow("five-digit year") << QStringList{"lblAnnoRit=20245"}
                                     << "Attenzione: la data 05/03/20245 non esiste." + kDataNonValida << true
                                     << "txtGiornoRit";
    QTest::newRow("year 0000") << QStringList{"lblAnnoRit=0000"}
                               << "Attenzione: la data 05/03/0000 non esiste." + kDataNonValida << true
                               << "txtGiornoRit";
}

void TestChiamateScheda::controlliSalvataggio()
{
    QFETCH(QStringList, campi);
    QFETCH(QString, messaggio);
    QFETCH(bool, semplice);
    QFETCH(QString, fuoco);
    Compila();
    for (const QString &c : campi) {
        QWidget *campo = w()->findChild<QWidget *>(c.section('=', 0, 0));
        QVERIFY2(campo, qPrintable(c));
        if (auto *combo = qobject_cast<QComboBox *>(campo)) combo->setEditText(c.section('=', 1));
        else static_cast<QLineEdit *>(campo)->setText(c.section('=', 1));
    }
    w()->txtOggetto->setFocus();
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({messaggio}));
    QCOMPARE(box.visti()[0].icona, semplice ? QMessageBox::NoIcon : QMessageBox::Warning);
    QCOMPARE(box.visti()[0].bottoni,
             semplice ? QMessageBox::StandardButtons(QMessageBox::Ok) : QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(Fuoco(), fuoco);
    QVERIFY(!QFile::exists(CartellaProgramma() + "Registro_Chiamate.pro")); // nothing opened
    QVERIFY(w()->lblPosizione->text().isEmpty());
}

void TestChiamateScheda::dateValide_data()
{
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<QString>("mese");
    QTest::addColumn<QString>("anno");
    QTest::addColumn<QString>("data");
    QTest::newRow("the clock's 5 March 2024") << "05" << "Marzo" << "2024" << "05/03/2024";
    QTest::newRow("29 February 2024") << "29" << "Febbraio" << "2024" << "29/02/2024";
    QTest::newRow("31 December") << "31" << "Dicembre" << "2023" << "31/12/2023";
    QTest::newRow("a month typed in lower case") << "01" << "gennaio" << "2024" << "01/01/2024";
}

void TestChiamateScheda::dateValide()
{
    QFETCH(QString, giorno);
    QFETCH(QString, mese);
    QFETCH(QString, anno);
    QFETCH(QString, data);
    Compila();
    w()->txtGiornoRit->setEditText(giorno);
    w()->txtMeseRit->setEditText(mese);
    w()->lblAnnoRit->setText(anno);
    w()->txtEsito->setText("  Inviato per e-mail  ");
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kSalvata}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    const QList<TSchedaChiamata> a = Archivio();
    QCOMPARE(a.size(), 1);
    QCOMPARE(a[0].Get(C::GiornoRit), giorno);
    QCOMPARE(a[0].Get(C::MeseRit), mese);
    QCOMPARE(a[0].Get(C::AnnoRit), anno);
    QCOMPARE(a[0].Get(C::DataRit), data);
    QCOMPARE(a[0].Get(C::OreRit) + a[0].Get(C::MinutiRit) + a[0].Get(C::OraRit), QString("090709:07"));
    QCOMPARE(a[0].Get(C::Tipo), QString("In entrata"));
    QCOMPARE(a[0].Get(C::Esito), QString("Inviato per e-mail"));
    QCOMPARE(a[0].Get(C::CodFisc), QString("RSSMRA80A01H501U"));
    QCOMPARE(w()->lblDataRit->text(), data);
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
}

void TestChiamateScheda::salvaSuSettePoiSovrascrive()
{
    for (int k = 1; k <= 7; ++k) AggiungiChiamata(QString("Chiamata %1").arg(k));
    Compila();
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(w()->lblPosizione->text(), QString("8"));
    QCOMPARE(Archivio().size(), 8);
    QCOMPARE(Archivio()[7].Get(C::Oggetto), QString("Richiesta preventivo"));
    w()->txtOggetto->setText("Preventivo accettato");
    w()->txtTipo->setEditText("In uscita");
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kSalvata, kModificata}));
    QCOMPARE(box.visti()[1].icona, QMessageBox::Information);
    QCOMPARE(box.visti()[1].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(w()->lblPosizione->text(), QString("8"));
    const QList<TSchedaChiamata> a = Archivio();
    QCOMPARE(a.size(), 8);
    QCOMPARE(a[7].Get(C::Oggetto), QString("Preventivo accettato"));
    QCOMPARE(a[7].Get(C::Tipo), QString("In uscita"));
    QCOMPARE(a[6].Get(C::Oggetto), QString("Chiamata 7"));
}

void TestChiamateScheda::duplica()
{
    RispostaBox box;
    w()->cmdDuplica->click(); // a new card
    QCOMPARE(box.testi(), QStringList({"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                       "questa è stata inserita in archivio."}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);

    for (int k = 1; k <= 3; ++k) AggiungiChiamata(QString("Chiamata %1").arg(k));
    w()->cmdUltimo->click();
    QCOMPARE(w()->lblPosizione->text(), QString("3"));
    w()->lblAnnoRit->setText("1999");
    w()->cmdDuplica->click();
    QCOMPARE(box.testi().last(), QString("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                         "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
    QCOMPARE(box.visti().last().icona, QMessageBox::Information);
    QVERIFY(w()->lblPosizione->text().isEmpty());
    for (QComboBox *c : {w()->txtGiornoRit, w()->txtMeseRit, w()->txtOreRit, w()->txtMinutiRit})
        QVERIFY2(c->currentText().isEmpty(), qPrintable(c->objectName()));
    QCOMPARE(w()->lblAnnoRit->text(), QString("2024")); // the clock's year
    QCOMPARE(w()->txtOggetto->text(), QString("Chiamata 3"));
    QCOMPARE(w()->txtTipo->currentText(), QString("In uscita"));
    QCOMPARE(w()->txtCliente->text(), QString("Rossi Mario"));
    QCOMPARE(Fuoco(), QString("txtGiornoRit"));

    w()->txtGiornoRit->setEditText("06");
    w()->txtMeseRit->setEditText("Marzo");
    w()->txtOreRit->setEditText("11");
    w()->txtMinutiRit->setEditText("15");
    w()->cmdSalva->click();
    QCOMPARE(box.testi().last(), kSalvata);
    QCOMPARE(w()->lblPosizione->text(), QString("4"));
    const QList<TSchedaChiamata> a = Archivio();
    QCOMPARE(a.size(), 4);
    QCOMPARE(a[3].Get(C::Oggetto), QString("Chiamata 3"));
    QCOMPARE(a[3].Get(C::DataRit) + " " + a[3].Get(C::OraRit), QString("06/03/2024 11:15"));
    QCOMPARE(a[2].Get(C::DataRit), QString("01/02/2024")); // the first card stays as it was
}

void TestChiamateScheda::sfoglia_data()
{
    QTest::addColumn<int>("schede");
    QTest::addColumn<QString>("da");       // "" a new card, or the button pressed first
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<bool>("messaggio");   // "L'archivio non contiene nessuna scheda."
    QTest::newRow("first, empty archive") << 0 << "" << "cmdPrimo" << "" << true;
    QTest::newRow("last, empty archive") << 0 << "" << "cmdUltimo" << "" << true;
    QTest::newRow("next, empty archive") << 0 << "" << "cmdAvanti" << "" << true;
    QTest::newRow("previous, empty archive") << 0 << "" << "cmdIndietro" << "" << true;
    QTest::newRow("next on a new card") << 3 << "" << "cmdAvanti" << "1" << false;
    QTest::newRow("previous on a new card") << 3 << "" << "cmdIndietro" << "1" << false;
    QTest::newRow("next on the last") << 3 << "cmdUltimo" << "cmdAvanti" << "3" << false;
    QTest::newRow("previous on the first") << 3 << "cmdPrimo" << "cmdIndietro" << "1" << false;
    QTest::newRow("previous on the last") << 3 << "cmdUltimo" << "cmdIndietro" << "2" << false;
    QTest::newRow("next on the first") << 3 << "cmdPrimo" << "cmdAvanti" << "2" << false;
    QTest::newRow("last") << 3 << "" << "cmdUltimo" << "3" << false;
}

void TestChiamateScheda::sfoglia()
{
    QFETCH(int, schede);
    QFETCH(QString, da);
    QFETCH(QString, pulsante);
    QFETCH(QString, posizione);
    QFETCH(bool, messaggio);
    for (int k = 1; k <= schede; ++k) AggiungiChiamata(QString("Chiamata %1").arg(k));
    RispostaBox box;
    if (!da.isEmpty()) w()->findChild<QPushButton *>(da)->click();
    w()->findChild<QPushButton *>(pulsante)->click();
    QCOMPARE(box.testi(), messaggio ? QStringList({kVuoto}) : QStringList());
    if (messaggio) QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    QCOMPARE(w()->lblPosizione->text(), posizione);
    if (!posizione.isEmpty()) {
        // every field of the card, the hidden ones too
        QCOMPARE(w()->txtOggetto->text(), "Chiamata " + posizione);
        QCOMPARE(w()->txtMeseRit->currentText(), QString("Febbraio"));
        QCOMPARE(w()->lblDataRit->text() + " " + w()->lblOraRit->text(), QString("01/02/2024 10:30"));
    }
}

void TestChiamateScheda::accessoNegato()
{
    const QString accesso = "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                            "del programma.";
    for (int k = 1; k <= 2; ++k) AggiungiChiamata(QString("Chiamata %1").arg(k));
    w()->cmdPrimo->click();
    w()->txtOggetto->setText("Cambiata");
    ImpostaCartellaProgramma(dir_->path() + "/sparita/");
    RispostaBox box;
    w()->cmdSalva->click();
    w()->cmdAvanti->click();
    QCOMPARE(box.testi(), QStringList({accesso, accesso}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Critical);
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    QCOMPARE(w()->txtOggetto->text(), QString("Cambiata"));
    QCOMPARE(w()->lblDataRit->text(), QString("01/02/2024"));
    ImpostaCartellaProgramma(dir_->path());
    QCOMPARE(Archivio()[0].Get(C::Oggetto), QString("Chiamata 1"));
}

void TestChiamateScheda::digitazione()
{
    // The codice fiscale turns into capitals as it is typed; the e-mail loses its blanks.
    w()->txtCodFisc->setFocus();
    QTest::keyClicks(w()->txtCodFisc, " rss mra80");
    QCOMPARE(w()->txtCodFisc->text(), QString("RSSMRA80"));
    w()->txtEmail->setFocus();
    QTest::keyClicks(w()->txtEmail, " mario@esempio.it ");
    QCOMPARE(w()->txtEmail->text(), QString("mario@esempio.it"));
    // The year takes digits only, with no limit; other keys do nothing.
    w()->lblAnnoRit->setFocus();
    w()->lblAnnoRit->clear();
    QTest::keyClicks(w()->lblAnnoRit, "2a0-2 45");
    QTest::keyClick(w()->lblAnnoRit, Qt::Key_Tab);
    QCOMPARE(w()->lblAnnoRit->text(), QString("20245"));
    QCOMPARE(Fuoco(), QString("lblAnnoRit"));
    // The day takes no typing; Backspace empties it.
    w()->txtGiornoRit->setFocus();
    QTest::keyClicks(w()->txtGiornoRit->lineEdit(), "1x");
    QCOMPARE(w()->txtGiornoRit->currentText(), QString("05"));
    QTest::keyClick(w()->txtGiornoRit->lineEdit(), Qt::Key_Backspace);
    QVERIFY(w()->txtGiornoRit->currentText().isEmpty());
    // A month that is not one of the twelve names is emptied on leaving.
    w()->txtMeseRit->setFocus();
    w()->txtMeseRit->setEditText("marzo");
    w()->txtOggetto->setFocus();
    QVERIFY(w()->txtMeseRit->currentText().isEmpty());
    w()->txtTipo->setFocus();
    w()->txtTipo->setEditText("In uscita");
    w()->txtOggetto->setFocus();
    QCOMPARE(w()->txtTipo->currentText(), QString("In uscita"));
}

void TestChiamateScheda::invio()
{
    const QStringList catena = {"txtGiornoRit", "txtMeseRit", "lblAnnoRit", "txtOreRit", "txtMinutiRit",
                                "txtTipo", "txtOggetto", "txtEsito", "txtGrado", "txtDurata", "txtCliente",
                                "txtCodFisc", "txtZona", "txtRecapito", "txtTelCel", "txtEmail", "txtNote",
                                "txtOperatore", "txtGiornoRit"};
    w()->txtGiornoRit->setFocus();
    for (qsizetype k = 1; k < catena.size(); ++k) {
        QTest::keyClick(w()->focusWidget(), Qt::Key_Return);
        QCOMPARE(Fuoco(), catena[k]);
        // only the control with the focus shows its highlight
        auto *eff = w()->findChild<QWidget *>("eff" + catena[k].mid(3));
        QVERIFY2(eff && eff->isVisible(), qPrintable(catena[k]));
        auto *prima = w()->findChild<QWidget *>("eff" + catena[k - 1].mid(3));
        QVERIFY(!prima->isVisible());
    }
}

void TestChiamateScheda::modoChiamate()
{
    Cliente(1, "Bianchi Anna", "BNCNNA80A41H501X", "Prati");
    Cliente(2, "Verdi Ugo", "VRDGUO70B02F205K", "Centro");
    w()->txtOggetto->setText("Reclamo");
    w()->txtNote->setText("da richiamare");
    w()->txtOperatore->setText("Giulia");
    w()->txtGrado->setText("Buono");
    w()->lblPosizione->setText("5");
    RispostaBox box;
    QString memoria;
    box.altro = [&](QWidget *m) {
        auto *t = qobject_cast<TfrmTrovaClienti *>(m);
        if (!t || !memoria.isEmpty()) return false;
        memoria = t->lblMemory->text();
        t->txtCliente->setText("verdi");
        QTest::mouseClick(t->btnCerca, Qt::LeftButton);
        DoppioClic(t->lstRecords, 0);
        return true;
    };
    w()->impCliente->click();
    QCOMPARE(memoria, QString("chiamate"));
    QVERIFY(box.visti().isEmpty());
    QCOMPARE(w()->txtCliente->text(), QString("Verdi Ugo"));
    QCOMPARE(w()->txtCodFisc->text(), QString("VRDGUO70B02F205K"));
    QCOMPARE(w()->txtZona->text(), QString("Centro"));
    QCOMPARE(w()->txtEmail->text(), QString("verdi@esempio.it"));
    QCOMPARE(w()->txtTelCel->text(), QString("333000002"));
    QCOMPARE(w()->txtRecapito->text(), QString("06 555002"));
    // nothing else
    QCOMPARE(w()->txtOggetto->text(), QString("Reclamo"));
    QCOMPARE(w()->txtNote->text(), QString("da richiamare"));
    QCOMPARE(w()->txtOperatore->text(), QString("Giulia"));
    QCOMPARE(w()->txtGrado->text(), QString("Buono"));
    QCOMPARE(w()->txtGiornoRit->currentText() + w()->txtTipo->currentText(), QString("05In entrata"));
    QCOMPARE(w()->lblPosizione->text(), QString("5"));

    // Closed without a choice: nothing changes.
    box.altro = [](QWidget *m) {
        if (!qobject_cast<TfrmTrovaClienti *>(m)) return false;
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->txtCliente->setText("a mano");
    w()->impCliente->click();
    QCOMPARE(w()->txtCliente->text(), QString("a mano"));
    QCOMPARE(w()->txtZona->text(), QString("Centro"));
}

void TestChiamateScheda::storicoDelCliente()
{
    AggiungiChiamata("Di un altro cliente", "VRDGUO70B02F205K");
    Compila();
    w()->txtCodFisc->setText("BNCNNA80A41H501X");
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kSalvata}));
    RigheGriglia righe;
    RiempiStoricoChiamate(righe, "BNCNNA80A41H501X");
    QCOMPARE(righe.size(), 1);
    QVERIFY(righe[0].contains("Richiesta preventivo"));
    QVERIFY(righe[0].contains("05/03/2024"));
}

void TestChiamateScheda::finestreAperte_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("codFisc");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("campo"); // field of the opened window and what it holds
    QTest::addColumn<QString>("testo");
    QTest::newRow("tax code with letters") << "btnCodFisc" << "RSSMRA80A01H501U" << "TfrmCodFisc" << "txtCodFisc"
                                           << "RSSMRA80A01H501U";
    QTest::newRow("tax code of digits") << "btnCodFisc" << "12345670587" << "TfrmPartitaIva" << "txtPartitaIva"
                                        << "12345670587";
    QTest::newRow("no tax code") << "btnCodFisc" << "" << "TfrmCodFisc" << "txtCodFisc" << "";
    QTest::newRow("search") << "cmdTrova" << "" << "TfrmTrovaChiamate" << "lblMemory" << "chiamate";
    QTest::newRow("preview") << "cmdAnteprima" << "" << "TfrmAnteprimaChiamata" << "" << "";
    QTest::newRow("print") << "cmdStampa" << "" << "TfrmStampaChiamata" << "" << "";
    QTest::newRow("export") << "cmdEsporta" << "" << "TfrmExpChiamate" << "" << "";
    QTest::newRow("today's calls") << "cmdRiepOggi" << "" << "TfrmRiepChiamateOggi" << "" << "";
    QTest::newRow("help") << "cmdGuida" << "" << "TfrmGuida" << "lblTitolo" << "App Registro Chiamate";
}

void TestChiamateScheda::finestreAperte()
{
    QFETCH(QString, pulsante);
    QFETCH(QString, codFisc);
    QFETCH(QString, classe);
    QFETCH(QString, campo);
    QFETCH(QString, testo);
    w()->txtCodFisc->setText(codFisc);
    QString aperta, ricevuto, guida;
    QWidget *proprietario = nullptr;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        if (!aperta.isEmpty()) return false;
        aperta = m->metaObject()->className();
        proprietario = m->parentWidget();
        if (!campo.isEmpty()) {
            if (auto *e = m->findChild<QLineEdit *>(campo)) ricevuto = e->text();
            else if (auto *l = m->findChild<QLabel *>(campo)) ricevuto = l->text();
        }
        if (QObject *g = m->findChild<QObject *>("txtGuida")) guida = g->property("plainText").toString();
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->findChild<QPushButton *>(pulsante)->click();
    QCOMPARE(aperta, classe);
    QCOMPARE(proprietario, w());
    QCOMPARE(ricevuto, testo);
    QVERIFY(box.visti().isEmpty());
    if (classe == "TfrmGuida") {
        const QStringList paragrafi = guida.split("\n\n");
        QCOMPARE(paragrafi.size(), 9);
        QVERIFY(paragrafi[2].contains("freccia rossa"));
        QVERIFY(paragrafi[8].contains("Excel"));
    }
    QCOMPARE(w()->txtCodFisc->text(), codFisc); // the check windows write nothing back
}

void TestChiamateScheda::testiPerLaStampa()
{
    // What print and preview receive: the card as it stands, unsaved and untrimmed.
    Compila();
    w()->txtOggetto->setText("  Richiesta preventivo ");
    w()->txtTipo->setEditText("In uscita");
    w()->lblDataRit->setText("01/01/2000"); // the last saved date, not yet rebuilt
    const TestiChiamata t = w()->Testi();
    QCOMPARE(t[C::Oggetto], QString("  Richiesta preventivo "));
    QCOMPARE(t[C::GiornoRit] + " " + t[C::MeseRit] + " " + t[C::AnnoRit], QString("05 Marzo 2024"));
    QCOMPARE(t[C::OreRit] + ":" + t[C::MinutiRit], QString("09:07"));
    QCOMPARE(t[C::Tipo], QString("In uscita"));
    QCOMPARE(t[C::DataRit], QString("01/01/2000"));
    QCOMPARE(t[C::CodFisc], QString("RSSMRA80A01H501U"));
    QVERIFY(t[C::Note].isEmpty());
    QVERIFY(!QFile::exists(CartellaProgramma() + "Registro_Chiamate.pro"));
}

void TestChiamateScheda::barraDiStato()
{
    const QList<QPair<const char *, QString>> suggerimenti = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdRiepOggi", "Visualizza il riepilogo delle chiamate di oggi."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"impRitiro", "Inserisci la data corrente."},
        {"impOraRit", "Inserisci l'ora corrente."},
        {"impCliente", "Importa i dati dall'archivio anagrafico dei clienti."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
    };
    QEvent entra(QEvent::Enter);
    for (const auto &[nome, testo] : suggerimenti) {
        QApplication::sendEvent(w()->findChild<QWidget *>(nome), &entra);
        QCOMPARE(w()->panInfo->text(), testo);
    }
    for (QWidget *sfondo : {w()->findChild<QWidget *>("panCentro"), w()->findChild<QWidget *>("imgTitolo")}) {
        QApplication::sendEvent(w()->cmdSalva, &entra);
        QApplication::sendEvent(sfondo, &entra);
        QVERIFY(w()->panInfo->text().isEmpty());
    }
}

void TestChiamateScheda::chiusuraTornaAlHub()
{
    QCOMPARE(App().frmAvvio->Applicazione(2), static_cast<QWidget *>(w()));
    w()->txtOggetto->setText("non salvata");
    w()->cmdEsci->click();
    QVERIFY(!w()->isVisible());
    QVERIFY(App().frmAvvio->isVisible());
    w()->show();
    QVERIFY(w()->txtOggetto->text().isEmpty()); // a new card again
}

QTEST_MAIN(TestChiamateScheda)
#include "test_chiamate_scheda.moc"

// The appointment card through the real window, as the program builds it at
// start: new card, save checks, leave rules, browsing, duplicate, the flag
// rule, the client search in "scadenze" mode, the date picker, the WhatsApp
// confirmation, the status line, the windows its buttons open and a program
// folder the user may only read.
#include "ComeUtente.h"
#include "Desktop.h"
#include "Modali.h"
#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "appointments/TfrmArchivio_Scadenze.h"
#include "appointments/TfrmCalendario.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "clients/TfrmTrovaClienti.h"
#include "storage/Cartella.h"
#include "storage/TArchivio.h"
#include "ui/Navigazione.h"
#include "ui/TMisc.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using K = LayoutAppuntamento;

namespace {

const QString kVuoto = "L'archivio non contiene nessuna scheda.";
const QString kInserita = "La scheda corrente è stata inserita in archivio.";
const QString kModificata = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";
const QString kAccesso = "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                         "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                         "del programma.";
const QString kImportoNonValido = "Attenzione: l'importo digitato non è valido.";

// An appointment of the archive; the services tell the cards apart.
TSchedaAppuntamento Appuntamento(int n, const QString &ottemperata = "No")
{
    TSchedaAppuntamento r;
    r.Set(K::Data, QString("%1/04/2025").arg(n, 2, 10, QChar('0')));
    r.Set(K::OreApp, "10");
    r.Set(K::MinutiApp, "30");
    r.Set(K::Ora, "10:30");
    r.Set(K::Avviso, "3");
    r.Set(K::Tipologia, "Anna Verdi");
    r.Set(K::Causale, QString("Consulenza %1").arg(n));
    r.Set(K::Contatto, "Rossi Mario");
    r.Set(K::Cel, "3331234567");
    r.Set(K::Importo, "120,00");
    r.Set(K::Ottemperata, ottemperata);
    return r;
}

void Aggiungi(const TSchedaAppuntamento &r)
{
    TArchivio a;
    a.Open("Archivio_Appuntamenti.pro", TSchedaAppuntamento::Dimensione);
    a.Append(r);
    a.Close();
}

QList<TSchedaAppuntamento> Archivio()
{
    QList<TSchedaAppuntamento> l;
    QFile f(CartellaProgramma() + "Archivio_Appuntamenti.pro");
    if (!f.open(QIODevice::ReadOnly)) return l;
    const QByteArray b = f.readAll();
    for (qsizetype p = 0; p + TSchedaAppuntamento::Dimensione <= b.size(); p += TSchedaAppuntamento::Dimensione) {
        TSchedaAppuntamento r;
        std::memcpy(r.Buffer(), b.constData() + p, TSchedaAppuntamento::Dimensione);
        l << r;
    }
    return l;
}

void Cliente(const QString &nome, const QString &cel, const QString &estremi)
{
    using C = LayoutCliente;
    TSchedaCliente r;
    r.Set(C::Cliente, nome);
    r.Set(C::Recapito, "06 5551234");
    r.Set(C::TelCel, cel);
    r.Set(C::Email, nome.section(' ', 0, 0).toLower() + "@esempio.it");
    r.Set(C::Estremi, estremi);
    r.Set(C::Zona, "Centro");
    r.Set(C::Note, "nota");
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

class TestAppuntamentiScheda : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nuovaScheda();
    void controlliSalvataggio_data();
    void controlliSalvataggio();
    void regoleInUscita_data();
    void regoleInUscita();
    void importoNonValidoFermaIlSalvataggio();
    void salvaPoiSovrascrive();
    void sfoglia_data();
    void sfoglia();
    void duplica();
    void casellaAssolto_data();
    void casellaAssolto();
    void modoScadenze();
    void calendario();
    void tastiDellaData_data();
    void tastiDellaData();
    void invio();
    void whatsApp_data();
    void whatsApp();
    void email();
    void barraDiStato();
    void finestreAperte_data();
    void finestreAperte();
    void stampaDellaSchedaAVideo();
    void apertaDallAgendaTornaAlHub();
    void accessoNegato();
    void cartellaSolaLettura();

private:
    TfrmArchivio_Scadenze *w() { return App().frmArchivio_Scadenze; }
    void Compila();
    QString Fuoco();
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAppuntamentiScheda::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
    ImpostaOrologio(QDateTime(QDate(2025, 3, 5), QTime(9, 7, 41)));
    CreaFinestre();
    w()->show();
    QVERIFY(QTest::qWaitForWindowExposed(w()));
    w()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w()));
}

void TestAppuntamentiScheda::cleanup()
{
    DistruggiFinestre();
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// The required fields a new card leaves empty.
void TestAppuntamentiScheda::Compila()
{
    w()->txtData->setText("06/03/2025");
    w()->txtCausale->setText("Consulenza fiscale");
    w()->txtContatto->setText("Rossi Mario");
    w()->txtCel->setText("3331234567");
}

QString TestAppuntamentiScheda::Fuoco()
{
    QWidget *f = w()->focusWidget();
    if (f && qobject_cast<QComboBox *>(f->parentWidget())) f = f->parentWidget();
    return f ? f->objectName() : QString();
}

void TestAppuntamentiScheda::nuovaScheda()
{
    QCOMPARE(w()->windowTitle(), QString(" Pratovia - Schedario Appuntamenti"));
    QVERIFY(w()->txtData->text().isEmpty());
    QVERIFY(w()->txtData->isReadOnly());
    for (QComboBox *c : {w()->txtOreApp, w()->txtMinutiApp}) {
        QCOMPARE(c->currentText(), QString("00"));
        QCOMPARE(c->currentIndex(), -1);
    }
    QCOMPARE(w()->txtOreApp->count(), 24);
    QCOMPARE(w()->txtOreApp->itemText(23), QString("23"));
    QCOMPARE(w()->txtMinutiApp->count(), 60);
    QCOMPARE(w()->txtMinutiApp->itemText(59), QString("59"));
    QCOMPARE(w()->txtAvviso->text(), QString("0"));
    QCOMPARE(w()->txtImporto->text(), QString("0,00"));
    QVERIFY(w()->txtImporto->alignment() & Qt::AlignRight);
    QCOMPARE(w()->chkOttemperata->text(), QString("Impegno assolto"));
    QVERIFY(!w()->chkOttemperata->isChecked());
    QVERIFY(!w()->lblOra->isVisibleTo(w()));
    QVERIFY(w()->lblPosizione->text().isEmpty());
    QTRY_COMPARE(Fuoco(), QString("txtData"));
    // The maximum lengths are the sizes of the record's fields.
    const QList<QPair<QLineEdit *, int>> lunghezze = {
        {w()->txtData, 10},     {w()->txtAvviso, 3},     {w()->txtTipologia, 50}, {w()->txtCausale, 250},
        {w()->txtDettagli, 250}, {w()->txtContatto, 50}, {w()->txtTel, 30},       {w()->txtCel, 30},
        {w()->txtEmail, 50},    {w()->txtLuogo, 250},    {w()->txtImporto, 15},   {w()->txtNote, 250},
    };
    for (const auto &[campo, n] : lunghezze) QCOMPARE(campo->maxLength(), n);
    QCOMPARE(w()->txtOreApp->lineEdit()->maxLength(), 2);
    {
        TfrmArchivio_Scadenze nuova; // before the mouse has been anywhere
        QCOMPARE(nuova.panInfo->text(), QString("Pronto per archiviare una nuova scheda..."));
    }

    // Nuovo empties what was typed, the flag and the position.
    Compila();
    w()->txtOreApp->setEditText("11");
    w()->txtAvviso->setText("7");
    w()->txtImporto->setText("5,00");
    w()->chkOttemperata->setChecked(true);
    w()->lblPosizione->setText("4");
    w()->txtNote->setFocus();
    w()->cmdNuovo->click();
    QVERIFY(w()->txtData->text().isEmpty() && w()->txtCausale->text().isEmpty() && w()->txtCel->text().isEmpty());
    QCOMPARE(w()->txtOreApp->currentText() + w()->txtAvviso->text() + w()->txtImporto->text(), QString("0000,00"));
    QVERIFY(!w()->chkOttemperata->isChecked());
    QVERIFY(w()->lblPosizione->text().isEmpty());
    QCOMPARE(Fuoco(), QString("txtData"));
    QVERIFY(!QFile::exists(CartellaProgramma() + "Archivio_Appuntamenti.pro"));
}

void TestAppuntamentiScheda::controlliSalvataggio_data()
{
    QTest::addColumn<QStringList>("vuoti"); // controls emptied on a complete card
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("fuoco");
    const QString a = "Attenzione: per salvare la scheda è necessario indicare ";
    QTest::newRow("1 date, before everything else")
        << QStringList{"txtData", "txtCausale", "txtContatto", "txtCel"} << a + "la data dell'appuntamento."
        << "txtData";
    QTest::newRow("2 notice days of blanks, left before")
        << QStringList{"txtAvviso= ", "txtCel"}
        << a + "i giorni di preavviso rispetto alla data dell'appuntamento." << "txtAvviso";
    QTest::newRow("3 services") << QStringList{"txtCausale=   ", "txtContatto"}
                                << a + "i servizi richiesti dal cliente." << "txtCausale";
    QTest::newRow("4 client's name") << QStringList{"txtContatto", "txtCel"} << a + "il nome del cliente."
                                     << "txtContatto";
    QTest::newRow("5 mobile") << QStringList{"txtCel"} << a + "il numero di cellulare del cliente." << "txtCel";
}

// The fields are set while the focus is elsewhere, so no leave rule mends them.
void TestAppuntamentiScheda::controlliSalvataggio()
{
    QFETCH(QStringList, vuoti);
    QFETCH(QString, messaggio);
    QFETCH(QString, fuoco);
    Compila();
    for (const QString &v : vuoti) {
        auto *campo = w()->findChild<QLineEdit *>(v.section('=', 0, 0));
        QVERIFY2(campo, qPrintable(v));
        campo->setText(v.section('=', 1));
    }
    w()->txtTipologia->setFocus();
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({messaggio}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);
    QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(Fuoco(), fuoco);
    QVERIFY(!QFile::exists(CartellaProgramma() + "Archivio_Appuntamenti.pro")); // nothing opened
    QVERIFY(w()->lblPosizione->text().isEmpty());
}

void TestAppuntamentiScheda::regoleInUscita_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("lasciato");
    QTest::addColumn<bool>("avviso"); // the amount's warning, the focus kept
    QTest::newRow("amount rounded half up") << "txtImporto" << "1234,567" << "1234,57" << false;
    QTest::newRow("amount whole") << "txtImporto" << "7" << "7,00" << false;
    QTest::newRow("amount one decimal") << "txtImporto" << "12,5" << "12,50" << false;
    QTest::newRow("amount starting with a comma") << "txtImporto" << ",5" << "0,50" << false;
    QTest::newRow("amount empty") << "txtImporto" << "" << "0,00" << false;
    QTest::newRow("amount a lone comma: warned") << "txtImporto" << "," << "," << true;
    QTest::newRow("amount two commas: warned") << "txtImporto" << "1,2,3" << "1,2,3" << true;
    QTest::newRow("notice empty") << "txtAvviso" << "" << "0" << false;
    QTest::newRow("notice kept") << "txtAvviso" << "15" << "15" << false;
    QTest::newRow("hour 24") << "txtOreApp" << "24" << "" << false;
    QTest::newRow("hour 23") << "txtOreApp" << "23" << "23" << false;
    QTest::newRow("hour of one digit") << "txtOreApp" << "9" << "" << false;
    QTest::newRow("minute 60") << "txtMinutiApp" << "60" << "" << false;
    QTest::newRow("minute 59") << "txtMinutiApp" << "59" << "59" << false;
}

void TestAppuntamentiScheda::regoleInUscita()
{
    QFETCH(QString, campo);
    QFETCH(QString, testo);
    QFETCH(QString, lasciato);
    QFETCH(bool, avviso);
    QWidget *c = w()->findChild<QWidget *>(campo);
    QVERIFY(c);
    auto testoDi = [c] {
        if (auto *combo = qobject_cast<QComboBox *>(c)) return combo->currentText();
        return static_cast<QLineEdit *>(c)->text();
    };
    c->setFocus();
    if (auto *combo = qobject_cast<QComboBox *>(c)) combo->setEditText(testo);
    else static_cast<QLineEdit *>(c)->setText(testo);
    RispostaBox box;
    ChiudiModale chiudi;
    w()->txtTipologia->setFocus();
    QCOMPARE(testoDi(), lasciato);
    QCOMPARE(box.testi(), avviso ? QStringList{kImportoNonValido} : QStringList{});
    QCOMPARE(Fuoco(), avviso ? campo : QString("txtTipologia"));
}

// An amount that is not a number stops the save with its warning: nothing is
// written, the focus goes to the amount.
void TestAppuntamentiScheda::importoNonValidoFermaIlSalvataggio()
{
    Compila();
    w()->txtImporto->setText("1,,2");
    w()->txtNote->setFocus();
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kImportoNonValido}));
    QCOMPARE(Fuoco(), QString("txtImporto"));
    QVERIFY(Archivio().isEmpty());
    QVERIFY(w()->lblPosizione->text().isEmpty());
}

void TestAppuntamentiScheda::salvaPoiSovrascrive()
{
    Compila();
    w()->txtOreApp->setEditText("");
    w()->txtMinutiApp->setEditText("");
    w()->txtTipologia->setText("  Anna Verdi ");
    w()->txtContatto->setText(QString(50, 'x'));
    w()->txtImporto->setText("  ");
    w()->chkOttemperata->setChecked(true);
    // the field being edited is left before the checks: its empty notice becomes "0"
    w()->txtAvviso->setFocus();
    w()->txtAvviso->clear();
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kInserita}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    QCOMPARE(w()->lblOra->text(), QString(":"));
    QList<TSchedaAppuntamento> a = Archivio();
    QCOMPARE(a.size(), 1);
    QCOMPARE(a[0].Get(K::Data), QString("06/03/2025"));
    QCOMPARE(a[0].Get(K::OreApp) + a[0].Get(K::MinutiApp) + "|" + a[0].Get(K::Ora), QString("|:"));
    QCOMPARE(a[0].Get(K::Avviso), QString("0"));
    QCOMPARE(a[0].Get(K::Tipologia), QString("Anna Verdi"));
    QCOMPARE(a[0].Get(K::Importo), QString("0,00"));
    QCOMPARE(a[0].Get(K::Cel), QString("3331234567"));
    // the flag's bytes: 02 53 EC
    QCOMPARE(QByteArray(a[0].Buffer() + 1262, 3), QByteArray("\x02\x53\xEC", 3));

    // Saved again: the same record, unticked, with the "modifiche" message.
    w()->chkOttemperata->setChecked(false);
    w()->txtOreApp->setEditText("15");
    w()->txtMinutiApp->setEditText("45");
    w()->txtImporto->setText("80");
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kInserita, kModificata}));
    QCOMPARE(box.visti()[1].icona, QMessageBox::Information);
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    a = Archivio();
    QCOMPARE(a.size(), 1);
    QCOMPARE(a[0].Get(K::Ora), QString("15:45"));
    QCOMPARE(a[0].Get(K::Importo), QString("80,00"));
    QCOMPARE(a[0].Get(K::Ottemperata), QString("No"));
}

void TestAppuntamentiScheda::sfoglia_data()
{
    QTest::addColumn<int>("schede");
    QTest::addColumn<QString>("da");       // "" a new card, or the button pressed first
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("posizione"); // "" when the card stays new
    QTest::addColumn<bool>("messaggio");   // "L'archivio non contiene nessuna scheda."
    QTest::newRow("first, empty archive") << 0 << "" << "cmdPrimo" << "" << true;
    QTest::newRow("last, empty archive") << 0 << "" << "cmdUltimo" << "" << true;
    QTest::newRow("next, empty archive") << 0 << "" << "cmdAvanti" << "" << true;
    QTest::newRow("previous, empty archive") << 0 << "" << "cmdIndietro" << "" << true;
    QTest::newRow("next on a new card") << 3 << "" << "cmdAvanti" << "1" << false;
    QTest::newRow("previous on a new card") << 3 << "" << "cmdIndietro" << "1" << false;
    QTest::newRow("next on the last: nothing") << 3 << "cmdUltimo" << "cmdAvanti" << "3" << false;
    QTest::newRow("previous on the first: nothing") << 3 << "cmdPrimo" << "cmdIndietro" << "1" << false;
    QTest::newRow("previous on the last") << 3 << "cmdUltimo" << "cmdIndietro" << "2" << false;
    QTest::newRow("next on the first") << 3 << "cmdPrimo" << "cmdAvanti" << "2" << false;
}

void TestAppuntamentiScheda::sfoglia()
{
    QFETCH(int, schede);
    QFETCH(QString, da);
    QFETCH(QString, pulsante);
    QFETCH(QString, posizione);
    QFETCH(bool, messaggio);
    for (int k = 1; k <= schede; ++k) Aggiungi(Appuntamento(k));
    RispostaBox box;
    if (!da.isEmpty()) w()->findChild<QPushButton *>(da)->click();
    w()->findChild<QPushButton *>(pulsante)->click();
    QCOMPARE(box.testi(), messaggio ? QStringList({kVuoto}) : QStringList());
    if (messaggio) QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    QCOMPARE(w()->lblPosizione->text(), posizione);
    if (!posizione.isEmpty()) {
        QCOMPARE(w()->txtCausale->text(), "Consulenza " + posizione);
        QCOMPARE(w()->txtData->text(), "0" + posizione + "/04/2025");
        QCOMPARE(w()->txtOreApp->currentText() + w()->txtMinutiApp->currentText() + w()->lblOra->text(),
                 QString("103010:30"));
        QCOMPARE(w()->txtImporto->text() + w()->txtAvviso->text(), QString("120,003"));
    }
    // Next on an empty archive also empties a position the card showed.
    if (schede == 0 && pulsante == "cmdAvanti") {
        w()->lblPosizione->setText("2");
        w()->cmdAvanti->click();
        QVERIFY(w()->lblPosizione->text().isEmpty());
    }
}

void TestAppuntamentiScheda::duplica()
{
    RispostaBox box;
    w()->cmdDuplica->click(); // a new card
    QCOMPARE(box.testi(), QStringList({"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                       "questa è stata inserita in archivio."}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);

    for (int k = 1; k <= 2; ++k) Aggiungi(Appuntamento(k, "Sì"));
    w()->cmdUltimo->click();
    w()->txtNote->setText("ogni martedì");
    w()->txtOreApp->setCurrentIndex(5);
    w()->cmdDuplica->click();
    QCOMPARE(box.testi().last(), QString("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                         "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
    QCOMPARE(box.visti().last().icona, QMessageBox::Information);
    QVERIFY(w()->lblPosizione->text().isEmpty());
    QVERIFY(w()->txtData->text().isEmpty());
    for (QComboBox *c : {w()->txtOreApp, w()->txtMinutiApp}) {
        QCOMPARE(c->currentText(), QString("00"));
        QCOMPARE(c->currentIndex(), -1);
    }
    QCOMPARE(w()->txtCausale->text(), QString("Consulenza 2"));
    QCOMPARE(w()->txtNote->text(), QString("ogni martedì"));
    QVERIFY(w()->chkOttemperata->isChecked());
    QCOMPARE(Fuoco(), QString("txtData"));

    // Saved without a new date: refused for the date.
    w()->cmdSalva->click();
    QCOMPARE(box.testi().last(),
             QString("Attenzione: per salvare la scheda è necessario indicare la data dell'appuntamento."));
    QCOMPARE(Fuoco(), QString("txtData"));
    QCOMPARE(Archivio().size(), 2);

    w()->txtData->setText("15/04/2025");
    w()->cmdSalva->click();
    QCOMPARE(box.testi().last(), kInserita);
    QCOMPARE(w()->lblPosizione->text(), QString("3"));
    const QList<TSchedaAppuntamento> a = Archivio();
    QCOMPARE(a.size(), 3);
    QCOMPARE(a[2].Get(K::Data) + " " + a[2].Get(K::Ora), QString("15/04/2025 00:00"));
    QCOMPARE(a[2].Get(K::Causale) + "|" + a[2].Get(K::Note), QString("Consulenza 2|ogni martedì"));
    QCOMPARE(a[1].Get(K::Data), QString("02/04/2025")); // the first card stays as it was
}

void TestAppuntamentiScheda::casellaAssolto_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("prima");  // the box as the previous card left it
    QTest::addColumn<bool>("dopo");
    QTest::newRow("Sì ticks") << "Sì" << false << true;
    QTest::newRow("No unticks") << "No" << true << false;
    QTest::newRow("neither, ticked before: stays") << "Si" << true << true;
    QTest::newRow("neither, unticked before: stays") << "X" << false << false;
    QTest::newRow("empty: stays") << "" << true << true;
}

void TestAppuntamentiScheda::casellaAssolto()
{
    QFETCH(QString, flag);
    QFETCH(bool, prima);
    QFETCH(bool, dopo);
    Aggiungi(Appuntamento(1, prima ? "Sì" : "No"));
    Aggiungi(Appuntamento(2, flag));
    w()->cmdPrimo->click();
    QCOMPARE(w()->chkOttemperata->isChecked(), prima);
    w()->cmdAvanti->click();
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    QCOMPARE(w()->chkOttemperata->isChecked(), dopo);
    // a card handed over by a list window follows the same rule
    w()->chkOttemperata->setChecked(!dopo);
    w()->CaricaAppuntamento(Appuntamento(7, flag), 7);
    QCOMPARE(w()->chkOttemperata->isChecked(), flag == "Sì" ? true : flag == "No" ? false : !dopo);
    QCOMPARE(w()->lblPosizione->text() + " " + w()->txtCausale->text(), QString("7 Consulenza 7"));
}

void TestAppuntamentiScheda::modoScadenze()
{
    Cliente("Bianchi Anna", "3390000001", "Bonifico");
    Cliente("Verdi Ugo", "+39 347-0000002", "Contanti alla consegna");
    Aggiungi(Appuntamento(1, "Sì"));
    w()->cmdPrimo->click();
    w()->txtNote->setText("da richiamare");
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
    w()->impContatto->click();
    QCOMPARE(memoria, QString("scadenze"));
    QVERIFY(box.visti().isEmpty());
    QCOMPARE(w()->txtContatto->text(), QString("Verdi Ugo"));
    QCOMPARE(w()->txtTel->text(), QString("06 5551234"));
    QCOMPARE(w()->txtCel->text(), QString("+39 347-0000002")); // copied as stored
    QCOMPARE(w()->txtEmail->text(), QString("verdi@esempio.it"));
    QCOMPARE(w()->txtLuogo->text(), QString("Contanti alla consegna"));
    // nothing else
    QCOMPARE(w()->txtData->text(), QString("01/04/2025"));
    QCOMPARE(w()->txtOreApp->currentText() + ":" + w()->txtMinutiApp->currentText(), QString("10:30"));
    QCOMPARE(w()->lblOra->text(), QString("10:30"));
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    QVERIFY(w()->chkOttemperata->isChecked());
    QCOMPARE(w()->txtCausale->text() + "|" + w()->txtNote->text() + "|" + w()->txtImporto->text(),
             QString("Consulenza 1|da richiamare|120,00"));
}

void TestAppuntamentiScheda::calendario()
{
    QDate aperto;
    QString memoria;
    QWidget *proprietario = nullptr;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        auto *c = qobject_cast<TfrmCalendario *>(m);
        if (!c || !memoria.isEmpty()) return false;
        memoria = c->lblMemory->text();
        aperto = c->calAppuntamenti->selectedDate();
        proprietario = c->parentWidget();
        c->calAppuntamenti->setSelectedDate(QDate(2025, 3, 5));
        QTimer::singleShot(0, c->btnImportaData, [c] { c->btnImportaData->click(); });
        return true;
    };
    ImpostaOrologio(QDateTime(QDate(2026, 7, 14), QTime(8, 0)));
    w()->impData->click();
    QCOMPARE(memoria, QString("data"));
    QCOMPARE(aperto, QDate(2026, 7, 14)); // today's date
    QCOMPARE(proprietario, static_cast<QWidget *>(w()));
    QCOMPARE(w()->txtData->text(), QString("05/03/2025"));

    // Annulla writes nothing.
    box.altro = [](QWidget *m) {
        auto *c = qobject_cast<TfrmCalendario *>(m);
        if (!c) return false;
        c->calAppuntamenti->setSelectedDate(QDate(2025, 12, 31));
        QTimer::singleShot(0, c->btnAnnulla, [c] { c->btnAnnulla->click(); });
        return true;
    };
    w()->impData->click();
    QCOMPARE(w()->txtData->text(), QString("05/03/2025"));

    // A picker asked by anyone but the card's date imports nothing and stays open.
    TfrmCalendario c(w());
    c.lblMemory->setText("altro");
    c.show();
    c.calAppuntamenti->setSelectedDate(QDate(2024, 1, 9));
    c.btnImportaData->click();
    QVERIFY(c.isVisible());
    QCOMPARE(w()->txtData->text(), QString("05/03/2025"));
    QCOMPARE(c.windowTitle(), QString(" Importazione data"));
    QCOMPARE(c.btnImportaData->text() + "|" + c.btnAnnulla->text(), QString("Importa|Annulla"));
    c.lblMemory->setText("data");
    c.btnImportaData->click();
    QCOMPARE(w()->txtData->text(), QString("09/01/2024"));
    QVERIFY(!c.isVisible());
}

void TestAppuntamentiScheda::tastiDellaData_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<bool>("calendario"); // the picker opens
    QTest::addColumn<QString>("dopo");    // txtData afterwards (the picker closed with Annulla)
    QTest::addColumn<QString>("fuoco");
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << false << "" << "txtData";
    QTest::newRow("Delete empties") << int(Qt::Key_Delete) << false << "" << "txtData";
    QTest::newRow("a letter opens the picker") << int(Qt::Key_A) << true << "01/04/2025" << "txtData";
    QTest::newRow("a digit opens the picker") << int(Qt::Key_5) << true << "01/04/2025" << "txtData";
    QTest::newRow("Enter opens the picker") << int(Qt::Key_Return) << true << "01/04/2025" << "txtData";
    // the keyboard is not trapped in the date
    QTest::newRow("Tab moves on") << int(Qt::Key_Tab) << false << "01/04/2025" << "txtOreApp";
    QTest::newRow("Shift alone does nothing") << int(Qt::Key_Shift) << false << "01/04/2025" << "txtData";
}

void TestAppuntamentiScheda::tastiDellaData()
{
    QFETCH(int, tasto);
    QFETCH(bool, calendario);
    QFETCH(QString, dopo);
    QFETCH(QString, fuoco);
    w()->txtData->setText("01/04/2025");
    int aperti = 0;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        auto *c = qobject_cast<TfrmCalendario *>(m);
        if (!c || c->property("visto").toBool()) return false;
        c->setProperty("visto", true);
        ++aperti;
        QTimer::singleShot(0, c->btnAnnulla, [c] { c->btnAnnulla->click(); });
        return true;
    };
    w()->txtData->setFocus();
    QTest::keyClick(w()->txtData, Qt::Key(tasto), Qt::NoModifier);
    QCOMPARE(aperti, calendario ? 1 : 0);
    QCOMPARE(w()->txtData->text(), dopo);
    QCOMPARE(Fuoco(), fuoco);
}

void TestAppuntamentiScheda::invio()
{
    const QStringList catena = {"txtOreApp",   "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale",
                                "txtDettagli", "txtContatto",  "txtTel",    "txtCel",       "txtEmail",
                                "txtLuogo",    "txtImporto",   "txtNote",   "txtData"};
    int aperti = 0;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        if (!qobject_cast<TfrmCalendario *>(m)) return false;
        ++aperti;
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->txtOreApp->setFocus();
    for (qsizetype k = 1; k < catena.size(); ++k) {
        QTest::keyClick(w()->focusWidget(), Qt::Key_Return);
        QCOMPARE(Fuoco(), catena[k]);
        auto *eff = w()->findChild<QWidget *>("eff" + catena[k].mid(3));
        QVERIFY2(eff && eff->isVisible(), qPrintable(catena[k]));
    }
    // from the notes Enter only puts the focus on the date
    QCOMPARE(aperti, 0);
    QVERIFY(box.visti().isEmpty());

    // Typing: digits only in the notice and the mobile, the time boxes take
    // no typing, the e-mail loses its blanks as it is typed.
    w()->txtAvviso->setFocus();
    w()->txtAvviso->clear();
    QTest::keyClicks(w()->txtAvviso, "1a-2 ");
    QCOMPARE(w()->txtAvviso->text(), QString("12"));
    w()->txtCel->setFocus();
    QTest::keyClicks(w()->txtCel, "+39 333");
    QCOMPARE(w()->txtCel->text(), QString("39333"));
    w()->txtOreApp->setFocus();
    QTest::keyClicks(w()->txtOreApp->lineEdit(), "12");
    QCOMPARE(w()->txtOreApp->currentText(), QString("00"));
    w()->txtEmail->setFocus();
    QTest::keyClicks(w()->txtEmail, " anna@esempio.it ");
    QCOMPARE(w()->txtEmail->text(), QString("anna@esempio.it"));
    w()->txtImporto->setFocus();
    w()->txtImporto->clear();
    QTest::keyClicks(w()->txtImporto, "1x2,5.0");
    QCOMPARE(w()->txtImporto->text(), QString("12,50"));
}

void TestAppuntamentiScheda::whatsApp_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<QString>("cel");
    QTest::addColumn<QString>("avviso"); // "" when the message goes
    QTest::addColumn<QString>("fuoco");
    QTest::addColumn<QString>("testo");
    const QString a = "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è "
                      "necessario indicare ";
    QTest::newRow("time and date")
        << "05/03/2025" << "09" << "30" << "3331234567" << "" << ""
        << "Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore 09:30 del giorno "
           "05/03/2025";
    QTest::newRow("time boxes emptied: a lone colon")
        << "05/03/2025" << "" << "" << "3331234567" << "" << ""
        << "Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore : del giorno "
           "05/03/2025";
    QTest::newRow("no date, no mobile: the date first")
        << "" << "09" << "30" << "" << a + "la data." << "txtData" << "";
    QTest::newRow("date, no mobile") << "05/03/2025" << "09" << "30" << "  " << a + "il suo numero di cellulare."
                                     << "txtCel" << "";
}

// The page receives exactly the message: the address decodes to the number
// and the text as the card shows them.
void TestAppuntamentiScheda::whatsApp()
{
    QFETCH(QString, data);
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    QFETCH(QString, cel);
    QFETCH(QString, avviso);
    QFETCH(QString, fuoco);
    QFETCH(QString, testo);
    w()->txtData->setText(data);
    w()->txtOreApp->setEditText(ore);
    w()->txtMinutiApp->setEditText(minuti);
    w()->txtCel->setText(cel);
    w()->txtTipologia->setFocus();
    RaccoglitoreUrl url({"https"});
    RispostaBox box;
    w()->btnWhatsApp->click();
    if (!avviso.isEmpty()) {
        QCOMPARE(box.testi(), QStringList({avviso}));
        QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);
        QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(Fuoco(), fuoco);
        QVERIFY(url.aperti.isEmpty());
        return;
    }
    QVERIFY(box.visti().isEmpty());
    QCOMPARE(url.aperti.size(), 1);
    const QUrl u = url.aperti[0];
    QCOMPARE(u.host() + u.path(), QString("web.whatsapp.com/send"));
    const QUrlQuery q(u);
    QCOMPARE(q.queryItemValue("phone", QUrl::FullyDecoded), cel);
    QCOMPARE(q.queryItemValue("text", QUrl::FullyDecoded), testo);
    QVERIFY(!QFile::exists(CartellaProgramma() + "Archivio_Appuntamenti.pro")); // no save needed
}

void TestAppuntamentiScheda::email()
{
    QList<QUrl> aperti;
    TMisc::ImpostaApertura([&aperti](const QUrl &u) {
        aperti << u;
        return true;
    });
    w()->txtEmail->setText("anna@esempio.it");
    w()->btnEmail->click();
    w()->txtEmail->clear();
    w()->btnEmail->click(); // no address: the link still opens
    TMisc::ImpostaApertura({});
    QCOMPARE(aperti.size(), 2);
    QCOMPARE(aperti[0], TMisc::UrlPer("\"mailto:anna@esempio.it\""));
    QCOMPARE(aperti[0].toString(), QString("mailto:anna@esempio.it"));
    QCOMPARE(aperti[1].scheme(), QString("mailto"));
}

void TestAppuntamentiScheda::barraDiStato()
{
    const QList<QPair<const char *, QString>> suggerimenti = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdEsporta", "Esporta l'archivio in un file di Excel."},
        {"cmdAssolti", "Visualizza il riepilogo degli impegni assolti."},
        {"cmdDaAssolvere", "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
        {"cmdScaduti", "Visualizza il riepilogo degli impegni scaduti e non assolti."},
        {"cmdGuida", "Visualizza la guida in linea."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"chkOttemperata", "Spunta questa casella per indicare che l'impegno è stato assolto."},
        {"impData", "Importa la data dal calendario."},
        {"impContatto", "Importa i dati dall'archivio anagrafico dei clienti."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
        {"btnWhatsApp", "Invia conferma appuntamento al cliente tramite WhatsApp."},
    };
    QEvent entra(QEvent::Enter);
    for (const auto &[nome, testo] : suggerimenti) {
        QWidget *c = w()->findChild<QWidget *>(nome);
        QVERIFY2(c, nome);
        QApplication::sendEvent(c, &entra);
        QCOMPARE(w()->panInfo->text(), testo);
    }
    // Over the background, the position, the pictures and the fields it empties.
    for (const char *sfondo : {"panCentro", "imgTitolo", "lblPosizione", "icoIstruzioni", "panPulsanti", "txtNote"}) {
        QApplication::sendEvent(w()->cmdSalva, &entra);
        QWidget *s = w()->findChild<QWidget *>(sfondo);
        QVERIFY2(s, sfondo);
        QApplication::sendEvent(s, &entra);
        QVERIFY2(w()->panInfo->text().isEmpty(), sfondo);
    }
}

void TestAppuntamentiScheda::finestreAperte_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("preview") << "cmdAnteprima" << "TfrmStartup" << " Anteprima di stampa";
    QTest::newRow("print") << "cmdStampa" << "TfrmStampaScadenza" << " Stampa scheda";
    QTest::newRow("help") << "cmdGuida" << "TfrmGuida" << "";
    QTest::newRow("date picker") << "impData" << "TfrmCalendario" << " Importazione data";
}

void TestAppuntamentiScheda::finestreAperte()
{
    QFETCH(QString, pulsante);
    QFETCH(QString, classe);
    QFETCH(QString, titolo);
    QString aperta, caption, guida, titoloGuida;
    QWidget *proprietario = nullptr;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        if (!aperta.isEmpty()) return false;
        aperta = m->metaObject()->className();
        caption = m->windowTitle();
        proprietario = m->parentWidget();
        if (auto *g = m->findChild<QPlainTextEdit *>("txtGuida")) guida = g->toPlainText();
        if (auto *l = m->findChild<QLabel *>("lblTitolo")) titoloGuida = l->text();
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->findChild<QPushButton *>(pulsante)->click();
    QCOMPARE(aperta, classe);
    QCOMPARE(proprietario, static_cast<QWidget *>(w()));
    QVERIFY(box.visti().isEmpty());
    if (classe != "TfrmGuida") {
        QCOMPARE(caption, titolo);
        return;
    }
    QCOMPARE(titoloGuida, QString("App Schedario Appuntamenti"));
    const QStringList paragrafi = guida.split("\n\n");
    QCOMPARE(paragrafi.size(), 11);
    for (const QString &p : paragrafi) QVERIFY2(p.size() > 60, qPrintable(p));
    QVERIFY(paragrafi[3].contains("Duplica"));
    QVERIFY(paragrafi[4].contains("WhatsApp"));
    QVERIFY(paragrafi[7].contains("Impegno assolto"));
    QVERIFY(paragrafi[8].contains("Scaduti"));
    QVERIFY(paragrafi[10].contains("Excel"));
}

// Print and preview take the card as it stands on screen: edited, not saved,
// untrimmed, the box as it is ticked.
void TestAppuntamentiScheda::stampaDellaSchedaAVideo()
{
    Aggiungi(Appuntamento(1));
    w()->cmdPrimo->click();
    w()->txtCausale->setText("  Perizia tecnica ");
    w()->txtOreApp->setEditText("");
    w()->chkOttemperata->setChecked(true);
    QList<TestiAppuntamento> ricevuti;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        if (m->property("visto").toBool()) return false;
        m->setProperty("visto", true);
        if (auto *s = qobject_cast<TfrmStampaScadenza *>(m)) ricevuti << s->Testi();
        if (auto *a = qobject_cast<TfrmStartup *>(m)) ricevuti << a->Testi();
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->cmdStampa->click();
    w()->cmdAnteprima->click();
    QCOMPARE(ricevuti.size(), 2);
    for (const TestiAppuntamento &t : ricevuti) {
        QCOMPARE(t[K::Causale], QString("  Perizia tecnica "));
        QCOMPARE(t[K::OreApp] + "|" + t[K::MinutiApp], QString("|30"));
        QCOMPARE(t[K::Ottemperata], QString("Sì"));
        QCOMPARE(t[K::Data] + " " + t[K::Importo], QString("01/04/2025 120,00"));
    }
    QCOMPARE(Archivio()[0].Get(K::Causale), QString("Consulenza 1")); // nothing saved
}

// The agenda opens the card through the shell; closing it shows the hub.
void TestAppuntamentiScheda::apertaDallAgendaTornaAlHub()
{
    w()->hide();
    QVERIFY(ApriFinestra("TfrmArchivio_Scadenze", nullptr));
    QVERIFY(w()->isVisible());
    QVERIFY(w()->windowState() & Qt::WindowMaximized);
    QTRY_COMPARE(Fuoco(), QString("txtData"));
    w()->txtCausale->setText("non salvata");
    w()->cmdEsci->click();
    QVERIFY(!w()->isVisible());
    QVERIFY(App().frmAvvio->isVisible());
    QVERIFY(ApriFinestra("TfrmArchivio_Scadenze", nullptr));
    QVERIFY(w()->txtCausale->text().isEmpty()); // a new card again
}

// A folder that went away: every action shows the access error as an error
// box and leaves the card as it was.
void TestAppuntamentiScheda::accessoNegato()
{
    for (int k = 1; k <= 2; ++k) Aggiungi(Appuntamento(k));
    w()->cmdPrimo->click();
    w()->txtCausale->setText("Cambiata");
    w()->txtOreApp->setEditText("18");
    ImpostaCartellaProgramma(dir_->path() + "/sparita/");
    RispostaBox box;
    w()->cmdSalva->click();
    w()->cmdAvanti->click();
    w()->cmdUltimo->click();
    QCOMPARE(box.testi(), QStringList({kAccesso, kAccesso, kAccesso}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Critical);
    QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    QCOMPARE(w()->txtCausale->text(), QString("Cambiata"));
    QCOMPARE(w()->lblOra->text(), QString("10:30")); // not rebuilt by the failed save
    ImpostaCartellaProgramma(dir_->path());
    QCOMPARE(Archivio()[0].Get(K::Causale), QString("Consulenza 1"));

    // A new card that cannot be appended stays new.
    w()->cmdNuovo->click();
    Compila();
    ImpostaCartellaProgramma(dir_->path() + "/sparita/");
    w()->cmdSalva->click();
    QCOMPARE(box.testi().size(), 4);
    QVERIFY(w()->lblPosizione->text().isEmpty());
    ImpostaCartellaProgramma(dir_->path());
    QCOMPARE(Archivio().size(), 2);
}

// A program folder the user may only read: browsing, printing's texts and the
// search still work; saving shows the access error and changes nothing.
void TestAppuntamentiScheda::cartellaSolaLettura()
{
    if (ComeUtente::Radice()) {
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        QTemporaryDir tmp;
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
        ImpostaCartellaProgramma(tmp.path());
        for (int k = 1; k <= 3; ++k) Aggiungi(Appuntamento(k));
        ComeUtente::SolaLettura(tmp.path());
        const int esito = ComeUtente::Esegui("cartellaSolaLettura", {{"PRATOVIA_CARTELLA_RO", tmp.path()}});
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    }
    QString ro = qEnvironmentVariable("PRATOVIA_CARTELLA_RO");
    QTemporaryDir proprio;
    const bool mia = ro.isEmpty();
    if (mia) { // a plain user already: a folder of its own made read-only
        ro = proprio.path();
        ImpostaCartellaProgramma(ro);
        for (int k = 1; k <= 3; ++k) Aggiungi(Appuntamento(k));
        ComeUtente::SolaLettura(ro);
    }
    ImpostaCartellaProgramma(ro);
    QFile file(CartellaProgramma() + "Archivio_Appuntamenti.pro");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray prima = file.readAll();
    file.close();

    RispostaBox box;
    w()->cmdUltimo->click();
    w()->cmdIndietro->click();
    QVERIFY(box.visti().isEmpty());
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    QCOMPARE(w()->txtCausale->text(), QString("Consulenza 2"));
    w()->txtCausale->setText("Cambiata");
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kAccesso}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Critical);
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    QCOMPARE(w()->txtCausale->text(), QString("Cambiata"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), prima);
    file.close();
    if (mia)
        QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_MAIN(TestAppuntamentiScheda)
#include "test_appuntamenti_scheda.moc"

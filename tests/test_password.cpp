// Login and password change through the real windows.
#include "ComeUtente.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "storage/Crypt.h"
#include "app/Finestre.h"
#include "storage/IniFile.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kErrata = "Attenzione: password errata.";
const QString kLettura = "Attenzione: si è verificato un errore durante la procedura di lettura della "
                         "password. Si consiglia di reinstallare il software.";
const QString kVecchia = "Attenzione: vecchia password errata.";
const QString kConferma = "Attenzione: la nuova password non è stata confermata correttamente. E' "
                          "necessario reinserire entrambi i valori.";
const QString kFatto = "Modifica della password completata con successo.";
} // namespace

class TestPassword : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void accesso_data();
    void accesso();
    void abilitazioneOK();
    void invio();
    void cambio();
    void cambioRifiutato_data();
    void cambioRifiutato();
    void cambioWindows1252();
    void fileIniziale();
    void cambioInvioNonPremeOK();
    void fileMancanteOGuasto();
    void cartellaSolaLettura();

private:
    void Scrivi(const QByteArray &contenuto);
    QByteArray Contenuto();
    void Login(const QString &testo);
    void Cambia(const QString &vecchia, const QString &nuova, const QString &conferma);
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestPassword::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
    Scrivi("[Altro]\r\nchiave=1,2\\3\r\n[Accesso]\r\nValore=" + CriptaPassword("LAMPADINAVERDE").toLatin1()
           + "\r\n");
    CreaFinestre();
    App().frmPassword->show();
    QVERIFY(QTest::qWaitForWindowExposed(App().frmPassword));
}

void TestPassword::cleanup()
{
    DistruggiFinestre();
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

void TestPassword::Scrivi(const QByteArray &contenuto)
{
    QFile f(CartellaProgramma() + "unins000.dll");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenuto);
}

QByteArray TestPassword::Contenuto()
{
    QFile f(CartellaProgramma() + "unins000.dll");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void TestPassword::Login(const QString &testo)
{
    TfrmPassword *w = App().frmPassword;
    w->txtPassword->clear();
    QTest::keyClicks(w->txtPassword, testo);
    w->cmdOK->click();
}

void TestPassword::Cambia(const QString &vecchia, const QString &nuova, const QString &conferma)
{
    TfrmCambiaPassword *c = App().frmCambiaPassword;
    c->txtPasswordOld->setText(vecchia);
    c->txtPasswordNew->setText(nuova);
    c->txtConferma->setText(conferma);
    QVERIFY(c->cmdOK->isEnabled());
    c->cmdOK->click();
}

void TestPassword::accesso_data()
{
    QTest::addColumn<QString>("digitata");
    QTest::addColumn<bool>("entra");
    QTest::newRow("lower case") << "lampadinaverde" << true;
    QTest::newRow("upper case") << "LAMPADINAVERDE" << true;
    QTest::newRow("mixed case") << "LampadinaVerde" << true;
    QTest::newRow("blanks around") << "  lampadinaverde  " << true;
    QTest::newRow("wrong") << "lampadinarossa" << false;
    QTest::newRow("one letter short") << "lampadinaverd" << false;
}

void TestPassword::accesso()
{
    QFETCH(QString, digitata);
    QFETCH(bool, entra);
    RispostaBox box;
    Login(digitata);
    if (entra) {
        QVERIFY(box.visti().isEmpty());
        QVERIFY(App().frmAvvio->isVisible());
        QVERIFY(!App().frmPassword->isVisible());
    } else {
        QCOMPARE(box.testi(), QStringList({kErrata}));
        // A plain box: no icon, only OK.
        QCOMPARE(box.visti()[0].icona, QMessageBox::NoIcon);
        QCOMPARE(box.visti()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(App().frmPassword->txtPassword->text().isEmpty());
        QVERIFY(App().frmPassword->isVisible());
        QVERIFY(!App().frmAvvio->isVisible());
    }
}

void TestPassword::abilitazioneOK()
{
    TfrmPassword *w = App().frmPassword;
    QVERIFY(!w->cmdOK->isEnabled());
    QTest::keyClicks(w->txtPassword, "   ");
    QVERIFY(!w->cmdOK->isEnabled());
    QTest::keyClicks(w->txtPassword, "x");
    QVERIFY(w->cmdOK->isEnabled());
    QTest::keyClick(w->txtPassword, Qt::Key_Backspace);
    QVERIFY(!w->cmdOK->isEnabled());

    TfrmCambiaPassword *c = App().frmCambiaPassword;
    w->btnCambiaPassword->click();
    QVERIFY(!c->cmdOK->isEnabled());
    c->txtPasswordOld->setText("a");
    c->txtPasswordNew->setText("b");
    QVERIFY(!c->cmdOK->isEnabled());
    c->txtConferma->setText(" ");
    QVERIFY(!c->cmdOK->isEnabled());
    c->txtConferma->setText("c");
    QVERIFY(c->cmdOK->isEnabled());
    c->cmdEsci->click();
}

void TestPassword::invio()
{
    TfrmPassword *w = App().frmPassword;
    RispostaBox box;
    QTest::keyClicks(w->txtPassword, "   ");
    QTest::keyClick(w->txtPassword, Qt::Key_Return);
    QVERIFY(box.visti().isEmpty()); // blank: Enter does nothing
    QTest::keyClicks(w->txtPassword, "sbagliata");
    QTest::keyClick(w->txtPassword, Qt::Key_Return);
    QCOMPARE(box.testi(), QStringList({kErrata}));
    QTest::keyClicks(w->txtPassword, "lampadinaverde");
    QTest::keyClick(w->txtPassword, Qt::Key_Enter);
    QVERIFY(App().frmAvvio->isVisible());
}

void TestPassword::cambio()
{
    TfrmPassword *w = App().frmPassword;
    TfrmCambiaPassword *c = App().frmCambiaPassword;
    w->txtPassword->setText("qualcosa");
    w->btnCambiaPassword->click();
    QVERIFY(c->isVisible());
    QVERIFY(!w->isVisible());
    QVERIFY(c->txtPasswordOld->text().isEmpty());

    RispostaBox box;
    Cambia("lampadinaverde", "Nuova Chiave", "Nuova Chiave");
    QCOMPARE(box.testi(), QStringList({kFatto}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::NoIcon);
    QVERIFY(!c->isVisible());
    QVERIFY(w->isVisible());
    QVERIFY(w->txtPassword->text().isEmpty());
    // Stored upper-cased; the other section kept byte for byte.
    QCOMPARE(Contenuto(), "[Altro]\r\nchiave=1,2\\3\r\n[Accesso]\r\nValore="
                              + CriptaPassword("NUOVA CHIAVE").toLatin1() + "\r\n");

    Login("lampadinaverde");
    QCOMPARE(box.testi().last(), kErrata);
    Login("nuova chiave");
    QVERIFY(App().frmAvvio->isVisible());
}

void TestPassword::cambioRifiutato_data()
{
    QTest::addColumn<QString>("vecchia");
    QTest::addColumn<QString>("nuova");
    QTest::addColumn<QString>("conferma");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("campiVuoti"); // which fields were emptied
    QTest::newRow("wrong current") << "verde" << "a" << "a" << kVecchia << "old";
    QTest::newRow("confirmation differs") << "lampadinaverde" << "alfa" << "beta" << kConferma << "new";
    QTest::newRow("confirmation in another case") << "lampadinaverde" << "alfa" << "ALFA" << kConferma << "new";
    QTest::newRow("over 255 characters")
        << "lampadinaverde" << QString(256, 'x') << QString(256, 'x')
        << "Attenzione: la nuova password è troppo lunga. Si possono usare al massimo 255 caratteri." << "new";
    const QString nonAmmessi =
        "Attenzione: la nuova password contiene caratteri che il programma non può memorizzare. Si possono "
        "usare lettere, cifre, le lettere accentate delle lingue dell'Europa occidentale, il simbolo € e i segni "
        "di punteggiatura; non si possono usare lettere di altri alfabeti (come Ł, ő o ş), simboli grafici ed "
        "emoji.";
    QTest::newRow("letter Windows-1252 lacks") << "lampadinaverde" << "città€Ł" << "città€Ł" << nonAmmessi << "new";
    QTest::newRow("emoji") << "lampadinaverde" << QString::fromUcs4(U"sole\U0001F600") << QString::fromUcs4(U"sole\U0001F600")
                           << nonAmmessi << "new";
}

void TestPassword::cambioRifiutato()
{
    QFETCH(QString, vecchia);
    QFETCH(QString, nuova);
    QFETCH(QString, conferma);
    QFETCH(QString, messaggio);
    QFETCH(QString, campiVuoti);
    const QByteArray prima = Contenuto();
    App().frmPassword->btnCambiaPassword->click();
    TfrmCambiaPassword *c = App().frmCambiaPassword;
    RispostaBox box;
    Cambia(vecchia, nuova, conferma);
    QCOMPARE(box.testi(), QStringList({messaggio}));
    QVERIFY(c->isVisible());
    QCOMPARE(Contenuto(), prima); // nothing stored
    if (campiVuoti == "old") {
        QVERIFY(c->txtPasswordOld->text().isEmpty());
        QCOMPARE(c->txtPasswordNew->text(), nuova);
    } else {
        QCOMPARE(c->txtPasswordOld->text(), vecchia);
        QVERIFY(c->txtPasswordNew->text().isEmpty());
        QVERIFY(c->txtConferma->text().isEmpty());
    }
    c->cmdEsci->click();
    QVERIFY(App().frmPassword->isVisible());
}

// Everyday Windows-1252 characters beyond Latin-1 are stored and let the
// user in again.
void TestPassword::cambioWindows1252()
{
    App().frmPassword->btnCambiaPassword->click();
    RispostaBox box;
    Cambia("lampadinaverde", "Caffè € “buono” – sì…", "Caffè € “buono” – sì…");
    QCOMPARE(box.testi(), QStringList({kFatto}));
    // upper-cased A-Z, each character as its Windows-1252 byte, scrambled
    QCOMPARE(Contenuto(), "[Altro]\r\nchiave=1,2\\3\r\n[Accesso]\r\nValore=7D31454505DCB280E61A5FDBB86C41C93543D5D103\r\n");

    // typed as a paste would (key clicks carry Latin-1 characters only)
    TfrmPassword *w = App().frmPassword;
    w->txtPassword->setText("caffè € \"buono\" – sì…"); // straight quotes are other characters
    w->cmdOK->click();
    QCOMPARE(box.testi().last(), kErrata);
    w->txtPassword->setText("caffè € “buono” – sì…");
    w->cmdOK->click();
    QVERIFY(App().frmAvvio->isVisible());
}

// The delivered password file is the one every earlier version shipped.
void TestPassword::fileIniziale()
{
    QFile f(qEnvironmentVariable("PRATOVIA_BUILD_DIR") + "/Pratovia/unins000.dll");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[Accesso]\r\nValore=72187BD1C3E133965F59E8BF1C7F\r\n"));
}

void TestPassword::cambioInvioNonPremeOK()
{
    App().frmPassword->btnCambiaPassword->click();
    TfrmCambiaPassword *c = App().frmCambiaPassword;
    QVERIFY(QTest::qWaitForWindowExposed(c));
    c->activateWindow();
    c->txtPasswordOld->setFocus();
    RispostaBox box;
    QTest::keyClicks(c->txtPasswordOld, "lampadinaverde");
    QTest::keyClick(c->txtPasswordOld, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), c->txtPasswordNew);
    QTest::keyClicks(c->txtPasswordNew, "x");
    QTest::keyClick(c->txtPasswordNew, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), c->txtConferma);
    QTest::keyClicks(c->txtConferma, "x");
    QTest::keyClick(c->txtConferma, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), c->txtPasswordOld);
    QVERIFY(box.visti().isEmpty());
    QVERIFY(c->isVisible());
    c->cmdEsci->click();
}

void TestPassword::fileMancanteOGuasto()
{
    QFile::remove(CartellaProgramma() + "unins000.dll");
    RispostaBox box;
    Login("lampadinaverde");
    QCOMPARE(box.testi(), QStringList({kErrata}));
    App().frmPassword->btnCambiaPassword->click();
    Cambia("lampadinaverde", "a", "a");
    QCOMPARE(box.testi().last(), kVecchia);
    QVERIFY(!QFile::exists(CartellaProgramma() + "unins000.dll")); // never created by the program
    App().frmCambiaPassword->cmdEsci->click();

    Scrivi("[Accesso]\r\nValore=ZZ12\r\n");
    Login("lampadinaverde");
    QCOMPARE(box.testi().last(), kLettura);
    QVERIFY(App().frmPassword->isVisible());
    App().frmPassword->btnCambiaPassword->click();
    Cambia("lampadinaverde", "a", "a");
    QCOMPARE(box.testi().last(),
             QString("Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                     "Si consiglia di reinstallare il software."));
    QVERIFY(App().frmCambiaPassword->isVisible());
    App().frmCambiaPassword->cmdEsci->click();
}

// A program folder the user may only read: the login works; a change is
// refused with a message that says why, and the stored password stays.
void TestPassword::cartellaSolaLettura()
{
    if (ComeUtente::Radice()) {
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        ComeUtente::SolaLettura(dir_->path());
        const int esito = ComeUtente::Esegui("cartellaSolaLettura", {{"PRATOVIA_CARTELLA_RO", dir_->path()}});
        QFile::setPermissions(dir_->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    }
    const QString ro = qEnvironmentVariable("PRATOVIA_CARTELLA_RO");
    if (ro.isEmpty()) QSKIP("runs as the plain user started by the root run");
    ImpostaCartellaProgramma(ro);
    const QByteArray prima = Contenuto();
    RispostaBox box;
    Login("lampadinaverde");
    QVERIFY(box.testi().isEmpty());
    QVERIFY(App().frmAvvio->isVisible());
    App().frmAvvio->hide();
    App().frmPassword->show();
    App().frmPassword->btnCambiaPassword->click();
    Cambia("lampadinaverde", "nuova", "nuova");
    QCOMPARE(box.testi(), QStringList{"Attenzione: il sistema non permette di salvare la nuova password.\n\r\n\r"
                                      "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                      "installazione del programma."});
    QVERIFY(App().frmCambiaPassword->isVisible());
    QCOMPARE(Contenuto(), prima);
    App().frmCambiaPassword->cmdEsci->click();
}

QTEST_MAIN(TestPassword)
#include "test_password.moc"

// The client card through the real window.
#include "Desktop.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "clients/TfrmClienti.h"
#include "storage/TArchivio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kNome = "Attenzione: per salvare la scheda è necessario indicare il nome del cliente.";
const QString kCell = "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.";
const QString kCF = "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente.";
const QString kInserita = "La scheda corrente è stata inserita in archivio.";
const QString kModificata = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";
} // namespace

class TestClientiScheda : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void obbligatori_data();
    void obbligatori();
    void salvaPoiSovrascrive();
    void duplica();
    void regoleDigitazione_data();
    void regoleDigitazione();
    void province();
    void invio_data();
    void invio();
    void sfogliaERiapertura();
    void condizioniPulsanti();
    void email();
    void finestreAperte_data();
    void finestreAperte();
    void chiusuraTornaAlHub();
    void barraDiStato();

private:
    TfrmClienti *w() { return App().frmClienti; }
    QByteArray Archivio();
    void Compila(const QString &nome, const QString &cell, const QString &cf);
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestClientiScheda::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
    CreaFinestre();
    w()->show();
    QVERIFY(QTest::qWaitForWindowExposed(w()));
    w()->activateWindow();
}

void TestClientiScheda::cleanup()
{
    DistruggiFinestre();
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

QByteArray TestClientiScheda::Archivio()
{
    QFile f(CartellaProgramma() + "Contatti.pro");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void TestClientiScheda::Compila(const QString &nome, const QString &cell, const QString &cf)
{
    w()->txtCliente->setText(nome);
    w()->txtTelCel->setText(cell);
    w()->txtCodFisc->setText(cf);
}

void TestClientiScheda::obbligatori_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("cf");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("fuoco");
    QTest::newRow("all empty: name first") << "" << "" << "" << kNome << "txtCliente";
    QTest::newRow("name of blanks") << "   " << "333" << "RSS" << kNome << "txtCliente";
    QTest::newRow("mobile second") << "Rossi" << "" << "" << kCell << "txtTelCel";
    QTest::newRow("tax code third") << "Rossi" << "333" << "  " << kCF << "txtCodFisc";
}

void TestClientiScheda::obbligatori()
{
    QFETCH(QString, nome);
    QFETCH(QString, cell);
    QFETCH(QString, cf);
    QFETCH(QString, messaggio);
    QFETCH(QString, fuoco);
    Compila(nome, cell, cf);
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({messaggio}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);
    QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(w()->focusWidget()->objectName(), fuoco);
    QVERIFY(!QFile::exists(CartellaProgramma() + "Contatti.pro")); // nothing opened
}

void TestClientiScheda::salvaPoiSovrascrive()
{
    Compila("  Rossi Mario ", "3331234567", "RSSMRA85T10A562S");
    w()->txtProvRes->setEditText("ZZ");
    w()->lblFile01->setText("contratto.pdf");
    RispostaBox box;
    w()->cmdSalva->click();
    QCOMPARE(w()->lblPosizione->text(), QString("1"));
    QCOMPARE(w()->txtCliente->text(), QString("  Rossi Mario ")); // the control keeps what was typed
    w()->chkRicontatta->setChecked(true);
    w()->cmdSalva->click();
    QCOMPARE(box.testi(), QStringList({kInserita, kModificata}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Information);

    const QByteArray a = Archivio();
    QCOMPARE(a.size(), 3372);
    QCOMPARE(a.mid(0, 12), QByteArray("\x0BRossi Mario"));
    QCOMPARE(a.mid(240, 3), QByteArray("\x02ZZ")); // a province not in the list, as typed
    QCOMPARE(a.mid(1863, 3), QByteArray("\x02S\xEC"));
    QCOMPARE(a.mid(1866, 14), QByteArray("\x0D" "contratto.pdf"));

    // A new card appends after it.
    w()->cmdNuovo->click();
    QVERIFY(w()->lblPosizione->text().isEmpty());
    Compila("Bianchi Anna", "3470000000", "BNCNNA90A41F205X");
    w()->cmdSalva->click();
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    QCOMPARE(Archivio().size(), 2 * 3372);
    QCOMPARE(Archivio().mid(3372 + 1863, 3), QByteArray("\x02No"));
}

void TestClientiScheda::duplica()
{
    RispostaBox box;
    w()->cmdDuplica->click();
    QCOMPARE(box.testi().last(), QString("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                         "che questa è stata inserita in archivio."));
    Compila("Rossi Mario", "3331234567", "RSSMRA85T10A562S");
    w()->chkRicontatta->setChecked(true);
    w()->lblFile02->setText("foto.jpg");
    w()->lblDesc02->setText("Fotografia");
    w()->cmdSalva->click();
    w()->cmdDuplica->click();
    QCOMPARE(box.testi().last(), QString("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                         "Al termine premere Salva per inserire la scheda in archivio."));
    QCOMPARE(box.visti().last().icona, QMessageBox::Information);
    QVERIFY(w()->lblPosizione->text().isEmpty());
    QVERIFY(w()->lblFile02->text().isEmpty());
    QVERIFY(w()->lblDesc02->text().isEmpty());
    QVERIFY(w()->chkRicontatta->isChecked());
    QCOMPARE(w()->txtCliente->text(), QString("Rossi Mario"));
    w()->txtCliente->setText("Rossi Maria");
    w()->cmdSalva->click();
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    const QByteArray a = Archivio();
    QCOMPARE(a.mid(3372 + 1863, 3), QByteArray("\x02S\xEC"));
    QCOMPARE(a.at(3372 + 2117), '\0'); // File02 of the copy is empty
    QCOMPARE(a.mid(2117, 9), QByteArray("\x08" "foto.jpg")); // the original keeps it
}

void TestClientiScheda::regoleDigitazione_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("mobile: digits only") << "txtTelCel" << "33a3 -4" << "3334";
    QTest::newRow("card: digits only") << "txtCarta" << "4111 x1111" << "41111111";
    QTest::newRow("VAT: digits only, 11") << "txtPartitaIva" << "123456789012345" << "12345678901";
    QTest::newRow("tax code: upper, no blanks") << "txtCodFisc" << " rssmra 85t" << "RSSMRA85T";
    QTest::newRow("IBAN: upper, no blanks") << "txtIban" << "it60 x054" << "IT60X054";
    QTest::newRow("sex: upper") << "txtSesso" << "f" << "F";
    QTest::newRow("postcode: upper") << "txtCapRes" << "ab1" << "AB1";
    QTest::newRow("PEC: trimmed") << "txtFax" << " pec@x.it " << "pec@x.it";
    QTest::newRow("e-mail: trimmed") << "txtEmail" << "a@b.it " << "a@b.it";
    QTest::newRow("accents not upper-cased") << "txtCodFisc" << "àb" << "àB";
    QTest::newRow("name: free") << "txtCliente" << " De Luca " << " De Luca ";
}

void TestClientiScheda::regoleDigitazione()
{
    QFETCH(QString, campo);
    QFETCH(QString, digitato);
    QFETCH(QString, atteso);
    auto *e = w()->findChild<QLineEdit *>(campo);
    QVERIFY(e);
    e->setFocus();
    for (QChar c : digitato) {
        if (c.unicode() < 128) {
            QTest::keyClick(e, c.toLatin1());
        } else { // keyClick knows only ASCII: send the character as typed text
            QKeyEvent premi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &premi);
            QKeyEvent rilascia(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &rilascia);
        }
    }
    QCOMPARE(e->text(), atteso);
}

void TestClientiScheda::province()
{
    for (QComboBox *c : {w()->txtProvNasc, w()->txtProvRes}) {
        QCOMPARE(c->count(), 112);
        QCOMPARE(c->itemText(0), QString("AG"));
        QCOMPARE(c->itemText(85), QString("RM"));
        QCOMPARE(c->itemText(111), QString("VV"));
        c->setFocus();
        QTest::keyClicks(c->lineEdit(), " r");
        QCOMPARE(c->currentText(), QString("R")); // trimmed and upper-cased, not completed
        QTest::keyClicks(c->lineEdit(), "mx");
        QCOMPARE(c->currentText(), QString("RM")); // two characters at most
        // About to receive the focus again: no item selected, the text stays.
        c->setCurrentIndex(85);
        w()->txtCliente->setFocus();
        c->setFocus();
        QCOMPARE(c->currentIndex(), -1);
        QCOMPARE(c->currentText(), QString("RM"));
    }
}

void TestClientiScheda::invio_data()
{
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::newRow("name to birth date") << "txtCliente" << "txtDataNasc";
    QTest::newRow("town to province") << "txtComuneNasc" << "txtProvNasc";
    QTest::newRow("province to sex") << "txtProvNasc" << "txtSesso";
    QTest::newRow("IBAN to document") << "txtIban" << "txtDocumento";
    QTest::newRow("pending matters to notes") << "txtQuestioni" << "txtNote";
    QTest::newRow("notes back to name") << "txtNote" << "txtCliente";
}

void TestClientiScheda::invio()
{
    QFETCH(QString, da);
    QFETCH(QString, a);
    QWidget *partenza = w()->findChild<QWidget *>(da);
    QWidget *bersaglio = partenza;
    if (auto *c = qobject_cast<QComboBox *>(partenza)) bersaglio = c->lineEdit();
    partenza->setFocus();
    RispostaBox box;
    QTest::keyClick(bersaglio, Qt::Key_Return);
    QCOMPARE(w()->focusWidget() ? w()->focusWidget()->objectName() : QString(), a);
    QVERIFY(box.visti().isEmpty());
}

void TestClientiScheda::sfogliaERiapertura()
{
    RispostaBox box;
    w()->cmdUltimo->click();
    QCOMPARE(box.testi().last(), QString("L'archivio non contiene nessuna scheda."));
    for (const char *n : {"Primo", "Secondo", "Terzo"}) {
        w()->cmdNuovo->click();
        Compila(n, "1", "X");
        w()->cmdSalva->click();
    }
    w()->cmdPrimo->click();
    QCOMPARE(w()->txtCliente->text(), QString("Primo"));
    w()->cmdAvanti->click();
    QCOMPARE(w()->txtCliente->text(), QString("Secondo"));
    QCOMPARE(w()->lblPosizione->text(), QString("2"));
    // Reopening the app shows an empty new card.
    w()->close();
    w()->show();
    QVERIFY(w()->txtCliente->text().isEmpty());
    QVERIFY(w()->lblPosizione->text().isEmpty());
}

void TestClientiScheda::condizioniPulsanti()
{
    RispostaBox box;
    Compila("Rossi", "333", "");
    w()->btnChiamate->click();
    w()->btnProve->click();
    QCOMPARE(box.testi(),
             QStringList({"Attenzione: lo storico delle chiamate può essere visualizzato soltanto dopo aver salvato "
                          "la scheda del cliente.",
                          "Attenzione: il riepilogo dei servizi può essere visualizzato soltanto dopo aver salvato "
                          "la scheda del cliente."}));
    w()->lblPosizione->setText("1");
    w()->btnChiamate->click();
    QCOMPARE(box.testi().last(), QString("Attenzione: per visualizzare lo storico delle chiamate è necessario "
                                         "indicare il codice fiscale dello cliente."));
    QCOMPARE(w()->focusWidget(), w()->txtCodFisc);
    w()->txtCliente->setText("  ");
    w()->btnProve->click();
    QCOMPARE(box.testi().last(), QString("Attenzione: per visualizzare il riepilogo dei servizi è necessario "
                                         "indicare il nome del cliente."));
    QCOMPARE(w()->focusWidget(), w()->txtCliente);
}

void TestClientiScheda::email()
{
    RaccoglitoreUrl r({"mailto"});
    w()->txtEmail->setText("   ");
    w()->btnEmail->click();
    w()->txtEmail->setText("mario.rossi@esempio.it");
    w()->btnEmail->click();
    QCOMPARE(r.aperti.size(), 2);
    QCOMPARE(r.aperti[0].toString(), QString("mailto:"));
    QCOMPARE(r.aperti[1].path(), QString("mario.rossi@esempio.it"));
}

void TestClientiScheda::finestreAperte_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("campo"); // field of the opened window that receives the text
    QTest::addColumn<QString>("testo");
    QTest::newRow("tax code with letters") << "btnCodFisc" << "TfrmCodFisc" << "txtCodFisc" << "RSSMRA85T10A562S";
    QTest::newRow("tax code of digits") << "btnCodFisc" << "TfrmPartitaIva" << "txtPartitaIva" << "12345670587";
    QTest::newRow("VAT number") << "btnPartitaIva" << "TfrmPartitaIva" << "txtPartitaIva" << "12345670587";
    QTest::newRow("card") << "btnCarta" << "TfrmCarta" << "txtNumero" << "4111111111111111";
    QTest::newRow("IBAN") << "btnIban" << "TfrmIban" << "txtIban" << "IT60X0542811101000000123456";
    QTest::newRow("search") << "cmdTrova" << "TfrmTrovaClienti" << "lblMemory" << "clienti";
    QTest::newRow("recontact list") << "cmdRicontatta" << "TfrmRicontatta" << "" << "";
    QTest::newRow("attachments") << "cmdFile" << "TfrmAllegaCartella" << "txtFile01" << "contratto.pdf";
    QTest::newRow("services") << "btnProve" << "TfrmAllegaExcel" << "" << "";
    QTest::newRow("call history") << "btnChiamate" << "TfrmStoricoChiamate" << "" << "";
    QTest::newRow("archive export") << "cmdEsporta" << "TfrmExpClienti" << "" << "";
}

void TestClientiScheda::finestreAperte()
{
    QFETCH(QString, pulsante);
    QFETCH(QString, classe);
    QFETCH(QString, campo);
    QFETCH(QString, testo);
    Compila("Rossi Mario", "3331234567", classe == "TfrmPartitaIva" && pulsante == "btnCodFisc" ? testo : "RSSMRA85T10A562S");
    w()->txtPartitaIva->setText("12345670587");
    w()->txtCarta->setText("4111111111111111");
    w()->txtIban->setText("IT60X0542811101000000123456");
    w()->lblFile01->setText(" contratto.pdf ");
    w()->lblPosizione->setText("1");
    QString aperta, ricevuto;
    RispostaBox box;
    box.altro = [&](QWidget *m) {
        if (!aperta.isEmpty()) return false;
        aperta = m->metaObject()->className();
        if (!campo.isEmpty()) {
            if (auto *e = m->findChild<QLineEdit *>(campo)) ricevuto = e->text();
            else if (auto *l = m->findChild<QLabel *>(campo)) ricevuto = l->text();
        }
        QTimer::singleShot(0, m, [m] { m->close(); });
        return true;
    };
    w()->findChild<QPushButton *>(pulsante)->click();
    QCOMPARE(aperta, classe);
    QCOMPARE(ricevuto, testo);
    QVERIFY(box.visti().isEmpty());
}

void TestClientiScheda::chiusuraTornaAlHub()
{
    w()->cmdEsci->click();
    QVERIFY(!w()->isVisible());
    QVERIFY(App().frmAvvio->isVisible());
}

void TestClientiScheda::barraDiStato()
{
    {
        TfrmClienti nuova; // before the mouse has been anywhere
        QCOMPARE(nuova.panInfo->text(), QString("Pronto per archiviare una nuova scheda..."));
    }
    QEvent entra(QEvent::Enter);
    QApplication::sendEvent(w()->cmdSalva, &entra);
    QCOMPARE(w()->panInfo->text(), QString("Salva la scheda corrente in archivio."));
    QApplication::sendEvent(w()->btnChiamate, &entra);
    QCOMPARE(w()->panInfo->text(),
             QString("Visualizza lo storico delle telefonate del cliente archiviate nel registro delle chiamate."));
    QApplication::sendEvent(w()->lblPosizione, &entra);
    QVERIFY(w()->panInfo->text().isEmpty());
}

QTEST_MAIN(TestClientiScheda)
#include "test_clienti_scheda.moc"

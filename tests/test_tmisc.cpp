// What TMisc::Open hands to the desktop.
#include "Desktop.h"
#include "Modali.h"
#include "ui/TMisc.h"

#include <QTemporaryDir>

#include <QUrlQuery>
#include <QtTest>

class TestTMisc : public QObject
{
    Q_OBJECT
private slots:
    void mailto();
    void percorsi_data();
    void percorsi();
    void indirizziWeb();
    void consegnaAlDesktop();
    void nienteSiApre_data();
    void nienteSiApre();
};

void TestTMisc::mailto()
{
    const QString comando = "\"mailto:info@pratovia.it?subject=Software Pratovia&body=Salve, desidererei "
                            "avere le seguenti informazioni sul software in oggetto:\"";
    const QUrl u = TMisc::UrlPer(comando);
    QVERIFY(u.isValid());
    QCOMPARE(u.scheme(), QString("mailto"));
    QCOMPARE(u.path(), QString("info@pratovia.it"));
    const QUrlQuery q(u);
    QCOMPARE(q.queryItemValue("subject", QUrl::FullyDecoded), QString("Software Pratovia"));
    QCOMPARE(q.queryItemValue("body", QUrl::FullyDecoded),
             QString("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
    QVERIFY(!u.toEncoded().contains(' '));

    // Separators and accents inside a value reach the mail program as typed.
    const QUrl v = TMisc::UrlPer("\"mailto:a@b.it?subject=Prezzi & più?&body=50% = ok\"");
    const QUrlQuery qv(v);
    QCOMPARE(qv.queryItemValue("subject", QUrl::FullyDecoded), QString("Prezzi & più?"));
    QCOMPARE(qv.queryItemValue("body", QUrl::FullyDecoded), QString("50% = ok"));

    // An empty e-mail field gives a link with no address.
    const QUrl w = TMisc::UrlPer("\"mailto:\"");
    QCOMPARE(w.scheme(), QString("mailto"));
    QVERIFY(w.path().isEmpty());
}

void TestTMisc::percorsi_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("locale");
    QTest::newRow("quoted path with blanks") << "\"/opt/Pratovia/Guida utente.pdf\""
                                             << "/opt/Pratovia/Guida utente.pdf";
    QTest::newRow("accented name") << "\"/tmp/Documenti_Allegati/Città.pdf\"" << "/tmp/Documenti_Allegati/Città.pdf";
    QTest::newRow("hash and percent") << "\"/tmp/a#b 100%.xls\"" << "/tmp/a#b 100%.xls";
    QTest::newRow("unquoted") << "/tmp/Clienti.xls" << "/tmp/Clienti.xls";
}

void TestTMisc::percorsi()
{
    QFETCH(QString, comando);
    QFETCH(QString, locale);
    const QUrl u = TMisc::UrlPer(comando);
    QVERIFY(u.isLocalFile());
    QCOMPARE(u.toLocalFile(), locale);
}

void TestTMisc::indirizziWeb()
{
    const QUrl u = TMisc::UrlPer("https://web.whatsapp.com/send?phone=393331234567&text=Buongiorno%20Sig.%20Rossi");
    QCOMPARE(u.host(), QString("web.whatsapp.com"));
    QCOMPARE(QUrlQuery(u).queryItemValue("text", QUrl::FullyDecoded), QString("Buongiorno Sig. Rossi"));
    QCOMPARE(TMisc::UrlPer("https://www.pratovia.it").toString(), QString("https://www.pratovia.it"));
}

void TestTMisc::consegnaAlDesktop()
{
    RaccoglitoreUrl r({"mailto", "file"});
    TMisc::Open("\"mailto:x@y.it\"");
    TMisc::Open("\"/tmp/Guida.pdf\"");
    QCOMPARE(r.aperti.size(), 2);
    QCOMPARE(r.aperti[0].path(), QString("x@y.it"));
    QCOMPARE(r.aperti[1].toLocalFile(), QString("/tmp/Guida.pdf"));
}

// No program took the link or file: the user is told, in a warning box.
void TestTMisc::nienteSiApre_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("atteso");
    const QString consiglio = "\n\r\n\rVerificare che nel sistema sia installato un programma adatto.";
    QTest::newRow("mail") << "\"mailto:x@y.it\""
                          << "Attenzione: il sistema non è riuscito ad aprire il programma di posta elettronica."
                                 + consiglio;
    QTest::newRow("web") << "https://www.pratovia.it"
                         << "Attenzione: il sistema non è riuscito ad aprire l'indirizzo https://www.pratovia.it."
                                + consiglio;
    QTest::newRow("existing file") << "\"@/Clienti.xls\""
                                   << "Attenzione: il sistema non è riuscito ad aprire il file \"@/Clienti.xls\"."
                                          + consiglio;
    QTest::newRow("missing file") << "\"@/Manca.pdf\""
                                  << "Attenzione: il file \"@/Manca.pdf\" non esiste.";
}

void TestTMisc::nienteSiApre()
{
    QFETCH(QString, comando);
    QFETCH(QString, atteso);
    QTemporaryDir dir;
    QFile f(dir.filePath("Clienti.xls"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    comando.replace("@", dir.path());
    atteso.replace("@", QDir::toNativeSeparators(dir.path()));

    QList<QUrl> chiesti;
    TMisc::ImpostaApertura([&chiesti](const QUrl &u) {
        chiesti << u;
        return false;
    });
    RispostaBox box;
    ChiudiModale chiudi;
    QVERIFY(!TMisc::Open(comando));
    TMisc::ImpostaApertura({});
    QCOMPARE(chiesti.size(), 1);
    QCOMPARE(box.visti().size(), 1);
    QCOMPARE(box.visti()[0].testo, atteso);
    QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);

    // When the desktop takes it, nothing is said.
    RispostaBox nessuno;
    TMisc::ImpostaApertura([](const QUrl &) { return true; });
    QVERIFY(TMisc::Open(comando));
    TMisc::ImpostaApertura({});
    QVERIFY(nessuno.visti().isEmpty());
}

QTEST_MAIN(TestTMisc)
#include "test_tmisc.moc"

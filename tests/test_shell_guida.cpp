// Help pages: the body text and the help window that shows them.
#include "Desktop.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "ui/Guida.h"
#include "ui/Kit.h"
#include "ui/TfrmGuida.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

class TestShellGuida : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void testoGuida_data();
    void testoGuida();
    void mostraGuidaFinestraNuovaOgniVolta();
    void linkPdf_data();
    void linkPdf();
};

void TestShellGuida::initTestCase()
{
    ApplicaStile(*qApp);
}

void TestShellGuida::testoGuida_data()
{
    QTest::addColumn<QStringList>("paragrafi");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("nessuno") << QStringList() << QString();
    QTest::newRow("uno") << QStringList{"Solo questo."} << QString("Solo questo.");
    QTest::newRow("tre") << QStringList{"Primo.", "Secondo.", "Terzo."}
                         << QString("Primo.\r\n\r\nSecondo.\r\n\r\nTerzo.");
    QTest::newRow("a capo interni restano") << QStringList{"Riga\nriga", "Fine"}
                                            << QString("Riga\nriga\r\n\r\nFine");
}

void TestShellGuida::testoGuida()
{
    QFETCH(QStringList, paragrafi);
    QFETCH(QString, atteso);
    const QString testo = TestoGuida(paragrafi);
    QCOMPARE(testo, atteso);
    QVERIFY(!testo.endsWith(QLatin1Char('\n')));
}

// Each showing is a new modal window owned by the caller, destroyed when it
// closes, so the page starts from the top every time.
void TestShellGuida::mostraGuidaFinestraNuovaOgniVolta()
{
    QWidget proprietario;
    proprietario.show();
    PaginaGuida pagina{"Argomento di prova", {}};
    for (int i = 1; i <= 60; ++i)
        pagina.paragrafi << QString("Paragrafo %1 con un testo abbastanza lungo da andare a capo nella finestra "
                                    "della guida e da richiedere lo scorrimento verticale.")
                                .arg(i);

    QList<QPointer<TfrmGuida>> viste;
    for (int volta = 0; volta < 2; ++volta) {
        bool controllata = false;
        QTimer::singleShot(0, [&] {
            ChiudiModale chiudi;
            auto *g = qobject_cast<TfrmGuida *>(QApplication::activeModalWidget());
            QVERIFY(g);
            controllata = true;
            viste << g;
            QCOMPARE(g->parentWidget(), &proprietario);
            QVERIFY(g->isModal());
            QCOMPARE(g->windowTitle(), QString(" Guida all'utilizzo del software"));
            QCOMPARE(g->findChild<QLabel *>("lblTitolo")->text(), pagina.titolo);
            auto *txt = g->findChild<QPlainTextEdit *>("txtGuida");
            QVERIFY(txt->isReadOnly());
            // CR LF pairs become line breaks of the memo
            QCOMPARE(txt->toPlainText(), TestoGuida(pagina.paragrafi).replace("\r\n", "\n"));
            QCOMPARE(txt->verticalScrollBar()->value(), 0);
            QCOMPARE(g->size(), QSize(TfrmGuida::Larghezza, TfrmGuida::Altezza));
            QVERIFY(!(g->windowFlags() & Qt::WindowCloseButtonHint));
            // leave the first one scrolled to the end: the second must not be
            txt->verticalScrollBar()->setValue(txt->verticalScrollBar()->maximum());
            QVERIFY(txt->verticalScrollBar()->value() > 0);
            g->findChild<QPushButton *>("btnChiudi")->click();
        });
        MostraGuida(&proprietario, pagina);
        QVERIFY(controllata);
        QVERIFY(proprietario.findChildren<TfrmGuida *>().isEmpty());
    }
    QCOMPARE(viste.size(), 2);
    QVERIFY(viste[0].isNull() && viste[1].isNull());
}

void TestShellGuida::linkPdf_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::newRow("testo del link") << "lnkWeb";
    QTest::newRow("icona PDF") << "imgPDF";
}

// The link hands the quoted "Guida.pdf" of the program folder to the desktop
// (a folder with blanks in its name included) and is orange only while held.
void TestShellGuida::linkPdf()
{
    QFETCH(QString, controllo);
    QTemporaryDir base;
    const QString cartella = base.path() + "/Programma con spazi";
    QVERIFY(QDir().mkpath(cartella));
    ImpostaCartellaProgramma(cartella);
    QCOMPARE(ComandoGuidaPdf(), '"' + CartellaProgramma() + "Guida.pdf\"");

    RaccoglitoreUrl r({"file"});
    TfrmGuida g;
    g.show();
    auto *link = g.findChild<Stile::TLink *>("lnkWeb");
    auto *cliccato = g.findChild<QWidget *>(controllo);
    QVERIFY(link && cliccato);
    QCOMPARE(link->text(), QString("Visualizza guida in formato PDF"));
    QCOMPARE(link->Colore().rgba(), Stile::Colore::Link);
    QTest::mousePress(cliccato, Qt::LeftButton);
    QCOMPARE(link->Colore().rgba(), Stile::Colore::LinkPremuto);
    QVERIFY(r.aperti.isEmpty());
    QTest::mouseRelease(cliccato, Qt::LeftButton);
    QCOMPARE(link->Colore().rgba(), Stile::Colore::Link);
    ImpostaCartellaProgramma(QString());

    QCOMPARE(r.aperti.size(), 1);
    QCOMPARE(r.aperti[0], QUrl::fromLocalFile(cartella + "/Guida.pdf"));
    QVERIFY(g.isVisible()); // the help window stays open
}

QTEST_MAIN(TestShellGuida)
#include "test_shell_guida.moc"

// The hub and the information and credits windows: controls, links, the way
// to the apps, the modal windows and the end of the program.
#include "Desktop.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "ui/Kit.h"
#include "app/TfrmAvvio.h"
#include "ui/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

std::unique_ptr<QWidget> Crea(const QString &classe)
{
    if (classe == "TfrmAvvio") return std::make_unique<TfrmAvvio>();
    if (classe == "TfrmInfo") return std::make_unique<TfrmInfo>();
    if (classe == "TfrmSplash") return std::make_unique<TfrmSplash>();
    return std::make_unique<TfrmGuida>();
}

} // namespace

class TestShellFinestre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void controlli_data();
    void controlli();
    void collegamenti_data();
    void collegamenti();
    void tessereSenzaApp();
    void tessereConApp_data();
    void tessereConApp();
    void finestreModali_data();
    void finestreModali();
    void fineProgramma_data();
    void fineProgramma();
};

void TestShellFinestre::initTestCase()
{
    ApplicaStile(*qApp);
}

void TestShellFinestre::controlli_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QStringList>("nomi");
    QTest::newRow("hub") << "TfrmAvvio" << " Pratovia"
                         << QStringList{"imgApp01", "imgApp02", "imgApp03", "imgApp04", "btnApp01", "btnApp02",
                                        "btnApp03", "btnApp04", "imgInfo", "imgGuida", "imgCrediti", "icoSito",
                                        "imgEsci"};
    QTest::newRow("informazioni") << "TfrmInfo" << " Informazioni su Pratovia"
                                  << QStringList{"btnChiudi", "lnkWeb", "imgEmail"};
    QTest::newRow("crediti") << "TfrmSplash" << QString() << QStringList{"btnChiudi", "lnkWeb", "imgWeb"};
    QTest::newRow("guida") << "TfrmGuida" << " Guida all'utilizzo del software"
                           << QStringList{"imgLogo", "lblTitolo", "txtGuida", "imgPDF", "lnkWeb", "btnChiudi"};
}

void TestShellFinestre::controlli()
{
    QFETCH(QString, classe);
    QFETCH(QString, titolo);
    QFETCH(QStringList, nomi);
    auto w = Crea(classe);
    QCOMPARE(QByteArray(w->metaObject()->className()), classe.toLatin1());
    if (titolo.isEmpty())
        QVERIFY(w->windowTitle().startsWith(" Pratovia"));
    else
        QCOMPARE(w->windowTitle(), titolo);
    for (const QString &nome : nomi) QVERIFY2(w->findChild<QWidget *>(nome), qPrintable(nome));
    if (classe == "TfrmAvvio") {
        QVERIFY(w->windowState() & Qt::WindowMaximized);
    } else {
        QVERIFY(w->windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->findChild<QPushButton *>("btnChiudi")->text(), QString("Chiudi"));
    }
}

void TestShellFinestre::collegamenti_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("controllo");
    QTest::newRow("informazioni, link") << "TfrmInfo" << "lnkWeb";
    QTest::newRow("informazioni, busta") << "TfrmInfo" << "imgEmail";
    QTest::newRow("crediti, link") << "TfrmSplash" << "lnkWeb";
    QTest::newRow("crediti, globo") << "TfrmSplash" << "imgWeb";
    QTest::newRow("hub, icona del sito") << "TfrmAvvio" << "icoSito";
}

// What each link hands to the desktop, and the link colour around the click.
void TestShellFinestre::collegamenti()
{
    QFETCH(QString, classe);
    QFETCH(QString, controllo);
    RaccoglitoreUrl r({"mailto", "http", "https"});
    auto w = Crea(classe);
    w->setWindowState(Qt::WindowNoState);
    w->show();
    auto *cliccato = w->findChild<QWidget *>(controllo);
    QVERIFY(cliccato);
    auto *link = w->findChild<Stile::TLink *>("lnkWeb");
    if (link) {
        QCOMPARE(link->Colore().rgba(), Stile::Colore::Link);
        QCOMPARE(link->font().underline(), true);
        QCOMPARE(link->font().family(), QString("Tahoma"));
        QCOMPARE(link->font().pointSize(), 14);
    }
    QTest::mousePress(cliccato, Qt::LeftButton);
    if (link) QCOMPARE(link->Colore().rgba(), Stile::Colore::LinkPremuto);
    QVERIFY(r.aperti.isEmpty());
    QTest::mouseRelease(cliccato, Qt::LeftButton);
    if (link) QCOMPARE(link->Colore().rgba(), Stile::Colore::Link);

    QCOMPARE(r.aperti.size(), 1);
    const QUrl u = r.aperti[0];
    if (classe == "TfrmInfo") {
        QCOMPARE(link->text(), IndirizzoEmail());
        QCOMPARE(u.scheme(), QString("mailto"));
        QCOMPARE(u.path(), IndirizzoEmail());
        const QUrlQuery q(u);
        QCOMPARE(q.queryItemValue("subject", QUrl::FullyDecoded), QString("Software Pratovia"));
        QCOMPARE(q.queryItemValue("body", QUrl::FullyDecoded),
                 QString("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
        // the text handed over is quoted and written as it is
        QCOMPARE(ComandoEmailInfo(), "\"mailto:" + IndirizzoEmail()
                                         + "?subject=Software Pratovia&body=Salve, desidererei avere le "
                                           "seguenti informazioni sul software in oggetto:\"");
    } else {
        QCOMPARE(u, QUrl(IndirizzoSito()));
        QVERIFY(u.scheme().startsWith("http"));
        if (link) QVERIFY(IndirizzoSito().endsWith(link->text()));
    }
}

void TestShellFinestre::tessereSenzaApp()
{
    TfrmAvvio hub;
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(hub.Applicazione(n), nullptr);
        for (const QString &nome : {QString("imgApp%1").arg(n, 2, 10, QChar('0')),
                                    QString("btnApp%1").arg(n, 2, 10, QChar('0'))}) {
            auto *t = hub.findChild<Stile::TImmagine *>(nome);
            QVERIFY2(t && !t->isEnabled(), qPrintable(nome));
            QVERIFY(!t->toolTip().isEmpty());
            QVERIFY(t->cursor().shape() != Qt::PointingHandCursor);
        }
    }
    for (const char *nome : {"imgInfo", "imgGuida", "imgCrediti", "icoSito", "imgEsci"})
        QCOMPARE(hub.findChild<QWidget *>(nome)->cursor().shape(), Qt::PointingHandCursor);
}

void TestShellFinestre::tessereConApp_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("prefisso");
    for (int n = 1; n <= 4; ++n)
        for (const char *prefisso : {"imgApp", "btnApp"})
            QTest::addRow("%s%02d", prefisso, n) << n << QString(prefisso);
}

// An app with its window: the tile opens it and hides the hub; the other
// tiles stay disabled; the same window is shown again the next time.
void TestShellFinestre::tessereConApp()
{
    QFETCH(int, n);
    QFETCH(QString, prefisso);
    TfrmAvvio hub;
    hub.setWindowState(Qt::WindowNoState);
    QWidget app;
    hub.ImpostaApp(n, &app);
    QCOMPARE(hub.Applicazione(n), &app);
    hub.show();
    auto *tessera = hub.findChild<Stile::TImmagine *>(QString("%1%2").arg(prefisso).arg(n, 2, 10, QChar('0')));
    QVERIFY(tessera->isEnabled());
    QCOMPARE(tessera->cursor().shape(), Qt::PointingHandCursor);
    for (int altra = 1; altra <= 4; ++altra)
        if (altra != n)
            QVERIFY(!hub.findChild<QWidget *>(QString("imgApp%1").arg(altra, 2, 10, QChar('0')))->isEnabled());

    for (int volta = 0; volta < 2; ++volta) {
        QTest::mouseClick(tessera, Qt::LeftButton);
        QVERIFY(app.isVisible());
        QVERIFY(!hub.isVisible());
        app.hide(); // what the app does when it closes
        hub.show();
    }
    hub.ImpostaApp(n, nullptr);
    QVERIFY(!tessera->isEnabled());
    QTest::mouseClick(tessera, Qt::LeftButton);
    QVERIFY(hub.isVisible());
}

void TestShellFinestre::finestreModali_data()
{
    QTest::addColumn<QString>("immagine");
    QTest::addColumn<QString>("classe");
    QTest::newRow("informazioni") << "imgInfo" << "TfrmInfo";
    QTest::newRow("crediti") << "imgCrediti" << "TfrmSplash";
    QTest::newRow("guida") << "imgGuida" << "TfrmGuida";
}

// Each click opens a new modal window owned by the hub, destroyed on close.
void TestShellFinestre::finestreModali()
{
    QFETCH(QString, immagine);
    QFETCH(QString, classe);
    TfrmAvvio hub;
    hub.setWindowState(Qt::WindowNoState);
    hub.show();
    QList<QPointer<QWidget>> viste;
    for (int volta = 0; volta < 2; ++volta) {
        bool vista = false;
        QTimer::singleShot(0, [&] {
            ChiudiModale chiudi;
            QWidget *w = QApplication::activeModalWidget();
            QVERIFY(w);
            QCOMPARE(QByteArray(w->metaObject()->className()), classe.toLatin1());
            QCOMPARE(w->parentWidget(), &hub);
            QVERIFY(w->isModal() && w->isVisible());
            if (classe == "TfrmGuida")
                QCOMPARE(w->findChild<QLabel *>("lblTitolo")->text(), QString("Uno sguardo ad Pratovia"));
            vista = true;
            viste << w;
            w->findChild<QPushButton *>("btnChiudi")->click();
        });
        QTest::mouseClick(hub.findChild<QWidget *>(immagine), Qt::LeftButton);
        QVERIFY(vista);
        QVERIFY(hub.isVisible());
    }
    QCOMPARE(viste.size(), 2);
    QVERIFY(viste[0].isNull() && viste[1].isNull());
    QCOMPARE(hub.findChildren<QDialog *>().size(), 0);
}

void TestShellFinestre::fineProgramma_data()
{
    QTest::addColumn<bool>("chiusura");
    QTest::newRow("immagine Esci") << false;
    QTest::newRow("chiusura della finestra") << true;
}

// The exit picture and the close box both end the message loop.
void TestShellFinestre::fineProgramma()
{
    QFETCH(bool, chiusura);
    auto *hub = new TfrmAvvio;
    QPointer<TfrmAvvio> guardia(hub);
    hub->setWindowState(Qt::WindowNoState);
    hub->show();
    QTimer::singleShot(0, hub, [hub, chiusura] {
        if (chiusura)
            hub->close();
        else
            QTest::mouseClick(hub->imgEsci, Qt::LeftButton);
    });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    connect(&scadenza, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    scadenza.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    delete guardia.data();
}

QTEST_MAIN(TestShellFinestre)
#include "test_shell_finestre.moc"

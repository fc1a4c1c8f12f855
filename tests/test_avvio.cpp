// Program start: the long-lived windows, their classes and captions.
#include "storage/Cartella.h"
#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "ui/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/TfrmSplash.h"

#include <QtTest>

class TestAvvio : public QObject
{
    Q_OBJECT
private slots:
    void finestreInOrdine();
};

void TestAvvio::finestreInOrdine()
{
    CreaFinestre();
    const Finestre &f = App();
    const QList<QPair<QWidget *, QString>> attese = {
        {f.frmPassword, "TfrmPassword"}, {f.frmAvvio, "TfrmAvvio"},
        {f.frmCambiaPassword, "TfrmCambiaPassword"}, {f.frmGuida, "TfrmGuida"},
        {f.frmInfo, "TfrmInfo"}, {f.frmSplash, "TfrmSplash"}};
    for (const auto &[w, classe] : attese) {
        QVERIFY2(w, qPrintable(classe));
        QCOMPARE(QString(w->metaObject()->className()), classe);
        QVERIFY2(w->windowTitle().startsWith(' '), qPrintable(classe));
        QVERIFY(!w->isVisible()); // nothing is shown before the message loop starts
    }
    QCOMPARE(f.frmAvvio->windowTitle(), QString(" Pratovia"));
    QCOMPARE(f.frmCambiaPassword->windowTitle(), QString(" Cambia password"));
    QCOMPARE(f.frmGuida->windowTitle(), QString(" Guida all'utilizzo del software"));
    QCOMPARE(f.frmInfo->windowTitle(), QString(" Informazioni su Pratovia"));
    QVERIFY(f.frmPassword->windowTitle().startsWith(" Pratovia"));
    QVERIFY(f.frmSplash->windowTitle().startsWith(" Pratovia"));
    // Dates and amounts are Italian whatever the system says.
    QCOMPARE(QLocale().decimalPoint(), QString(","));
    DistruggiFinestre();
    QVERIFY(!App().frmPassword);
}

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"

// Every window the start creates: the order of creation against the start
// table, and that each fits a 1024x768 screen (less a taskbar) with no label
// cut.
#include "app/Finestre.h"
#include "identifiers/TfrmControllo.h"
#include "storage/Cartella.h"
#include "ui/Stile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The start order of every window class of the program.
const QStringList kOrdine = {
    "TfrmPassword",        "TfrmAvvio",          "TfrmCambiaPassword",    "TfrmGuida",
    "TfrmInfo",            "TfrmSplash",         "TfrmAgenda",            "TfrmAllegaCartella",
    "TfrmAllegaExcel",     "TfrmArchivio_Scadenze", "TfrmAssolti",        "TfrmCalendario",
    "TfrmCarta",           "TfrmClienti",        "TfrmCodFisc",           "TfrmConfermati",
    "TfrmExpClienti",      "TfrmExpGiornaliere", "TfrmExpImminenti",      "TfrmExpMensili",
    "TfrmExpScadenzario",  "TfrmIban",           "TfrmPartitaIva",        "TfrmRicontatta",
    "TfrmScaduti",         "TfrmStampaScadenza", "TfrmStartup",           "TfrmTrovaClienti",
    "TfrmTrovaScadenze",   "TfrmWhatsApp_Message", "TfrmChiamate",        "TfrmTrovaChiamate",
    "TfrmAnteprimaChiamata", "TfrmStampaChiamata", "TfrmExpChiamate",     "TfrmRiepChiamateOggi",
    "TfrmStoricoChiamate", "TfrmMenuRiepCosti",  "TfrmRiepCosti",
};

// The room a window has: a 1024x768 screen less a taskbar.
constexpr int kLarghezza = 1024;
constexpr int kAltezza = 740;

// The windows that open maximised: their layout must fit the room.
bool Massimizzata(const QString &classe)
{
    static const QStringList m = {"TfrmAvvio",   "TfrmClienti",       "TfrmChiamate", "TfrmAgenda",
                                  "TfrmMenuRiepCosti", "TfrmArchivio_Scadenze", "TfrmRiepCosti"};
    return m.contains(classe);
}

} // namespace

class TestFinestre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void ordineDiCreazione();
    void stannoNelloSchermo();
    void schedaClientiSenzaScorrere();
    void schedaClientiMostraIlCampo();

private:
    QTemporaryDir dir_;
};

void TestFinestre::initTestCase()
{
    QVERIFY(dir_.isValid());
    ImpostaCartellaProgramma(dir_.path());
    ApplicaStile(*qApp);
    CreaFinestre();
}

void TestFinestre::cleanupTestCase()
{
    DistruggiFinestre();
}

void TestFinestre::ordineDiCreazione()
{
    QStringList create;
    for (QWidget *w : App().ordine) create << w->metaObject()->className();
    // Every window of the program, each once, in the start order.
    QCOMPARE(create, kOrdine);
    QCOMPARE(create.first(), QString("TfrmPassword"));
}

void TestFinestre::stannoNelloSchermo()
{
    QStringList difetti;
    for (QWidget *w : App().ordine) {
        const QString classe = w->metaObject()->className();
        if (w->layout()) w->layout()->activate();
        if (Massimizzata(classe)) {
            w->resize(kLarghezza, kAltezza);
            const QSize min = w->minimumSizeHint().expandedTo(w->minimumSize());
            if (min.width() > kLarghezza || min.height() > kAltezza)
                difetti << QString("%1 needs at least %2x%3").arg(classe).arg(min.width()).arg(min.height());
        } else {
            w->adjustSize();
            w->ensurePolished();
            const QSize s = w->size().expandedTo(w->minimumSize());
            // A window frame adds a title bar (about 30) and borders (about 8).
            if (s.width() + 8 > kLarghezza || s.height() + 38 > kAltezza)
                difetti << QString("%1 is %2x%3").arg(classe).arg(s.width()).arg(s.height());
        }
        // Show it off screen so that every layout has given its sizes.
        w->setAttribute(Qt::WA_DontShowOnScreen);
        w->show();
        QCoreApplication::processEvents();
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->isVisibleTo(w) || l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()
                || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
                continue;
            const QFontMetrics fm(l->font());
            const QRect r = l->contentsRect();
            int largo = 0;
            for (const QString &riga : l->text().split('\n')) largo = qMax(largo, fm.horizontalAdvance(riga));
            if (largo > r.width() + 1)
                difetti << QString("%1: %2 \"%3\" needs %4, has %5")
                               .arg(classe, l->objectName(), l->text())
                               .arg(largo)
                               .arg(r.width());
        }
        // A check window's field shows the longest text that may be typed in
        // it whole, without scrolling its start away.
        if (auto *c = qobject_cast<TfrmControllo *>(w)) {
            QLineEdit *campo = c->Campo();
            const int n = c->Descrizione().lunghezzaMassima;
            const QFontMetrics fm(campo->font());
            int largo = 0;
            for (QChar lettera : {QChar('W'), QChar('M'), QChar('0')})
                largo = qMax(largo, fm.horizontalAdvance(QString(n, lettera)));
            // the frame, the text margins and the cursor take a few units
            const QMargins m = campo->textMargins();
            const int spazio = campo->contentsRect().width() - m.left() - m.right() - 2 * 2 - 2;
            if (largo > spazio)
                difetti << QString("%1: %2 shows %3 characters in %4, needs %5")
                               .arg(classe, campo->objectName())
                               .arg(n)
                               .arg(spazio)
                               .arg(largo);
        }
        w->hide();
        w->setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    if (!difetti.isEmpty()) QFAIL(qPrintable(difetti.join("\n")));
}

// Maximised on a 1366x768 screen (less a taskbar and a title bar), the client
// card shows every section without scrolling; on 1024x768 it may scroll.
void TestFinestre::schedaClientiSenzaScorrere()
{
    QWidget *scheda = nullptr;
    for (QWidget *w : App().ordine)
        if (QString(w->metaObject()->className()) == "TfrmClienti") scheda = w;
    QVERIFY(scheda);
    scheda->setAttribute(Qt::WA_DontShowOnScreen);
    scheda->resize(1366, 768 - 40 - 30);
    scheda->show();
    QCoreApplication::processEvents();
    auto *scorri = scheda->findChild<QScrollArea *>();
    QVERIFY(scorri);
    scorri->widget()->layout()->activate();
    QCoreApplication::processEvents();
    QCOMPARE(scorri->verticalScrollBar()->maximum(), 0);
    QCOMPARE(scorri->horizontalScrollBar()->maximum(), 0);
    // every field of the card is in view
    for (QWidget *campo : scorri->widget()->findChildren<QLineEdit *>()) {
        if (!campo->isVisibleTo(scheda)) continue;
        const QRect r(campo->mapTo(scorri->viewport(), QPoint(0, 0)), campo->size());
        QVERIFY2(scorri->viewport()->rect().contains(r), qPrintable(campo->objectName()));
    }
    scheda->hide();
    scheda->setAttribute(Qt::WA_DontShowOnScreen, false);
}

// On a 1024x768 screen the card scrolls: the field that gets the focus is
// brought into view, at the bottom of the card and back at its top.
void TestFinestre::schedaClientiMostraIlCampo()
{
    QWidget *scheda = nullptr;
    for (QWidget *w : App().ordine)
        if (QString(w->metaObject()->className()) == "TfrmClienti") scheda = w;
    QVERIFY(scheda);
    scheda->resize(kLarghezza, kAltezza - 30);
    scheda->show();
    scheda->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(scheda));
    auto *scorri = scheda->findChild<QScrollArea *>();
    QVERIFY(scorri);
    QVERIFY2(scorri->verticalScrollBar()->maximum() > 0, "the card fits: nothing to scroll");
    auto inVista = [&](const char *nome) {
        auto *campo = scheda->findChild<QWidget *>(nome);
        const QRect r(campo->mapTo(scorri->viewport(), QPoint(0, 0)), campo->size());
        return scorri->viewport()->rect().contains(r);
    };
    for (const char *nome : {"txtNote", "txtCliente", "txtZona", "txtDataNasc"}) {
        scheda->findChild<QWidget *>(nome)->setFocus();
        QCoreApplication::processEvents();
        QVERIFY2(inVista(nome), nome);
    }
    scheda->hide();
}

QTEST_MAIN(TestFinestre)
#include "test_finestre.moc"

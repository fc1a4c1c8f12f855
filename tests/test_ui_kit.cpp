// The shared look: every symbol comes from its SVG file in the resource, the
// push-button factory, the symbol buttons, the status-line hints, the one font table.
#include "output/Stampa.h"
#include "ui/Kit.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QtTest>

class TestUiKit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void simboliDalleRisorse();
    void pulsante_data();
    void pulsante();
    void suggerimento();
    void pulsanteSimbolo();
    void sostituzioniCaratteri_data();
    void sostituzioniCaratteri();
};

void TestUiKit::initTestCase()
{
    ApplicaStile(*qApp);
}

namespace {

int PixelDisegnati(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).alpha() > 0) ++n;
    return n;
}

} // namespace

// Each symbol, the last one included, is a valid 24 x 24 drawing in the
// resource; it renders something inside its square, within a margin, and
// no two symbols render alike.
void TestUiKit::simboliDalleRisorse()
{
    QList<QImage> visti;
    for (int i = 0; i < Stile::NumeroSimboli; ++i) {
        const auto s = Stile::Simbolo(i);
        const QString file = Stile::FileSimbolo(s);
        QVERIFY2(file.startsWith(":/icone/") && file.endsWith(".svg"), qPrintable(file));
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QSvgRenderer svg(file);
        QVERIFY2(svg.isValid(), qPrintable(file));
        QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 24, 24));

        const QImage img = Stile::Glifo(s, 48, Qt::black).toImage();
        const int disegnati = PixelDisegnati(img);
        QVERIFY2(disegnati > 150, qPrintable(QStringLiteral("%1: %2").arg(file).arg(disegnati)));
        QVERIFY2(disegnati < 48 * 48 / 2, qPrintable(file)); // a line drawing, not a filled square
        for (int j = 0; j < visti.size(); ++j)
            QVERIFY2(img != visti[j], qPrintable(QStringLiteral("%1 = %2").arg(file, Stile::FileSimbolo(Stile::Simbolo(j)))));
        visti.append(img);
    }
    // The spreadsheet of the export windows has a badge of its own colour.
    const QImage badge = Stile::Icona(Stile::Simbolo::Foglio, 40).toImage();
    const QColor angolo = badge.pixelColor(20, 3);
    QVERIFY(angolo.alpha() == 255 && angolo.green() > angolo.red() && angolo.green() > angolo.blue());
}

void TestUiKit::pulsante_data()
{
    QTest::addColumn<bool>("conIcona");
    QTest::addColumn<int>("larghezza");
    QTest::newRow("testo") << false << 110;
    QTest::newRow("icona e larghezza") << true << 170;
}

// The factory names the button, gives it its text, icon and least size.
void TestUiKit::pulsante()
{
    QFETCH(bool, conIcona);
    QFETCH(int, larghezza);
    QWidget finestra;
    const QIcon icona = conIcona ? Stile::IconaPulsante(Stile::Simbolo::Salva, Qt::blue) : QIcon();
    QPushButton *b = larghezza == 110
                         ? Stile::Pulsante("Salva", "cmdSalva", &finestra, icona)
                         : Stile::Pulsante("Salva", "cmdSalva", &finestra, icona, larghezza);
    QCOMPARE(b->parentWidget(), &finestra);
    QCOMPARE(finestra.findChild<QPushButton *>("cmdSalva"), b);
    QCOMPARE(b->text(), QString("Salva"));
    QCOMPARE(b->icon().isNull(), !conIcona);
    if (conIcona) QVERIFY(!b->icon().pixmap(QSize(16, 16)).isNull());
    QCOMPARE(b->minimumSize(), QSize(larghezza, 34));
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
}

// A control's hint shows in the status line while the mouse is over it and
// goes when the mouse leaves; another control shows its own.
void TestUiKit::suggerimento()
{
    QWidget finestra;
    auto *salva = new QPushButton("Salva", &finestra);
    auto *esci = new QPushButton("Esci", &finestra);
    auto *riga = new QLabel("Pronto.", &finestra);
    Stile::Suggerimento(salva, riga, "Salva la scheda.");
    Stile::Suggerimento(esci, riga, "Esci da questo ambiente di lavoro.");

    QEnterEvent entra(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QEvent esce(QEvent::Leave);
    QApplication::sendEvent(salva, &entra);
    QCOMPARE(riga->text(), QString("Salva la scheda."));
    QApplication::sendEvent(salva, &esce);
    QCOMPARE(riga->text(), QString());
    QApplication::sendEvent(esci, &entra);
    QCOMPARE(riga->text(), QString("Esci da questo ambiente di lavoro."));

    // the status line may go before the control
    delete riga;
    QApplication::sendEvent(esci, &esce);
    QApplication::sendEvent(salva, &entra);
}

// A symbol used as a button: drawn in the symbol's colour, grey and without
// the hand when disabled, and a click only while enabled.
void TestUiKit::pulsanteSimbolo()
{
    QWidget finestra;
    Stile::TImmagine *ora = Stile::PulsanteSimbolo("impOra", Stile::Simbolo::Orologio, 30, &finestra);
    QCOMPARE(ora->objectName(), QString("impOra"));
    QCOMPARE(ora->size(), QSize(30, 30));
    QCOMPARE(ora->cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clic(ora, &Stile::TImmagine::cliccata);

    // the most saturated pixel of what is on screen
    auto saturazione = [](const QImage &img) {
        int s = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y).alpha() > 200) s = qMax(s, img.pixelColor(x, y).hsvSaturation());
        return s;
    };
    const QImage attivo = ora->Immagine().toImage();
    QVERIFY(PixelDisegnati(attivo) > 40);
    QVERIFY(saturazione(attivo) > 150); // teal, not grey
    QTest::mouseClick(ora, Qt::LeftButton);
    QCOMPARE(clic.size(), 1);

    ora->setEnabled(false);
    const QImage spento = ora->Immagine().toImage();
    QVERIFY(PixelDisegnati(spento) > 40);
    QVERIFY(saturazione(spento) < 60);
    QVERIFY(ora->cursor().shape() != Qt::PointingHandCursor);
    QTest::mouseClick(ora, Qt::LeftButton);
    QCOMPARE(clic.size(), 1);
}

void TestUiKit::sostituzioniCaratteri_data()
{
    QTest::addColumn<QString>("manca");
    QTest::addColumn<QString>("primo");
    QTest::newRow("Arial") << "Arial" << "Liberation Sans";
    QTest::newRow("Segoe UI") << "Segoe UI" << "Liberation Sans";
    QTest::newRow("Tahoma") << "Tahoma" << "DejaVu Sans";
    QTest::newRow("Verdana") << "Verdana" << "DejaVu Sans";
    QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
}

// The windows and the printouts use the same stand-ins for a missing
// Windows font, best one first.
void TestUiKit::sostituzioniCaratteri()
{
    QFETCH(QString, manca);
    QFETCH(QString, primo);
    InstallaSostituzioniFont();
    if (QFontDatabase::hasFamily(manca)) QSKIP("the Windows font is installed");
    const QStringList sostituti = QFont::substitutes(manca);
    QVERIFY2(!sostituti.isEmpty(), qPrintable(manca));
    // the font database keeps family names in lower case
    QCOMPARE(sostituti.first().toLower(), primo.toLower());
    QCOMPARE(sostituti.filter(primo, Qt::CaseInsensitive).size(), 1);
}

QTEST_MAIN(TestUiKit)
#include "test_ui_kit.moc"

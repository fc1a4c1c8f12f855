// The shared pieces of the look: the focus highlight and the drawn pictures.
#include "ui/Kit.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <iterator>

class TestShellStile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void evidenziaFocus();
    void immaginiDisegnate_data();
    void immaginiDisegnate();
    void simboliDistinti();
};

void TestShellStile::initTestCase()
{
    ApplicaStile(*qApp);
}

// The highlight sits 4 units around the field with the focus, behind it, and
// follows the field when it moves; it hides when the focus leaves.
void TestShellStile::evidenziaFocus()
{
    QWidget finestra;
    auto *colonna = new QVBoxLayout(&finestra);
    colonna->setSpacing(12);
    auto *primo = new QLineEdit(&finestra);
    primo->setObjectName("txtPassword");
    auto *secondo = new QLineEdit(&finestra);
    colonna->addWidget(primo);
    colonna->addWidget(secondo);
    QWidget *eff = Stile::EvidenziaFocus(primo);
    QVERIFY(eff);
    QCOMPARE(eff->objectName(), QString("effPassword"));
    QCOMPARE(eff->parentWidget(), &finestra);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowActive(&finestra));

    secondo->setFocus();
    QVERIFY(secondo->hasFocus());
    QVERIFY(!eff->isVisible());
    primo->setFocus();
    QVERIFY(primo->hasFocus());
    QVERIFY(eff->isVisible());
    QCOMPARE(eff->geometry(), primo->geometry().adjusted(-4, -4, 4, 4));
    // behind the field: the field comes after the highlight among the children
    const auto figli = finestra.children();
    QVERIFY(figli.indexOf(eff) < figli.indexOf(primo));
    // yellow inside, whiter at the edge
    const QImage img = eff->grab().toImage();
    const QColor dentro = img.pixelColor(img.width() / 2, 2);
    const QColor bordo = img.pixelColor(img.width() / 2, 0);
    QVERIFY(dentro.red() > 200 && dentro.green() > 180 && dentro.blue() < 120);
    QVERIFY(bordo.blue() > dentro.blue());

    finestra.resize(finestra.width() + 40, finestra.height() + 30);
    QApplication::processEvents();
    QCOMPARE(eff->geometry(), primo->geometry().adjusted(-4, -4, 4, 4));

    secondo->setFocus();
    QVERIFY(!eff->isVisible());
}

void TestShellStile::immaginiDisegnate_data()
{
    QTest::addColumn<int>("simbolo");
    const char *nomi[] = {"Clienti",   "Chiamate", "Agenda",     "Incassi", "Info",     "Guida",
                          "Crediti",   "Web",      "Esci",       "Email",   "Pdf",      "Lucchetto",
                          "Nuovo",     "Duplica",  "Allega",     "Salva",   "Trova",    "Anteprima",
                          "Stampa",    "Esporta",  "Ricontatta", "Primo",   "Indietro", "Avanti",
                          "Ultimo",    "Controlla"};
    static_assert(std::size(nomi) == int(Stile::Simbolo::Controlla) + 1);
    for (int i = 0; i <= int(Stile::Simbolo::Controlla); ++i) QTest::newRow(nomi[i]) << i;
}

// Every symbol draws something of its own, at the asked size and resolution:
// white marks on its coloured badge, and the bare glyph in the asked colour.
void TestShellStile::immaginiDisegnate()
{
    QFETCH(int, simbolo);
    const auto s = Stile::Simbolo(simbolo);
    const QPixmap icona = Stile::Icona(s, 48, 2.0);
    QCOMPARE(icona.deviceIndependentSize().toSize(), QSize(48, 48));
    QCOMPARE(icona.size(), QSize(96, 96));
    const QImage img = icona.toImage();
    int bianchi = 0, colorati = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() < 250) continue;
            if (c.red() > 245 && c.green() > 245 && c.blue() > 245)
                ++bianchi;
            else
                ++colorati;
        }
    QVERIFY2(bianchi > 300, qPrintable(QString::number(bianchi)));
    QVERIFY(colorati > 2000);

    const QImage glifo = Stile::Glifo(s, 32, Qt::red).toImage();
    int rossi = 0;
    for (int y = 0; y < glifo.height(); ++y)
        for (int x = 0; x < glifo.width(); ++x) {
            const QColor c = glifo.pixelColor(x, y);
            if (c.alpha() > 200) {
                QVERIFY(c.red() > 200 && c.green() < 60);
                ++rossi;
            }
        }
    QVERIFY(rossi > 40);
}

// No two symbols come out the same (a mirrored arrow or a missing case of the
// drawing switch would).
void TestShellStile::simboliDistinti()
{
    QList<QImage> visti;
    for (int i = 0; i <= int(Stile::Simbolo::Controlla); ++i) {
        const QImage img = Stile::Glifo(Stile::Simbolo(i), 32, Qt::black).toImage();
        for (int j = 0; j < visti.size(); ++j)
            QVERIFY2(img != visti[j], qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
        visti.append(img);
    }
}

QTEST_MAIN(TestShellStile)
#include "test_shell_stile.moc"

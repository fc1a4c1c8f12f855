// The "list choice only" combo edits of the shared field table, on a small
// card of two combos and one edit.
#include "ui/CampiScheda.h"
#include "storage/Schede.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {
struct Fixture : QWidget {
    QComboBox *txtGiorno = nullptr, *txtLibero = nullptr;
    QLineEdit *txtNote = nullptr;
    std::unique_ptr<TCampiScheda> campi;
    Fixture()
    {
        using C = LayoutChiamata;
        campi = std::make_unique<TCampiScheda>(TCampiScheda::Config{
            this, FormatoDi<LayoutChiamata>(),
            {{&txtGiorno, "txtGiorno", C::MeseRit, Regola::SoloElenco},
             {&txtLibero, "txtLibero", C::Tipo},
             {&txtNote, "txtNote", C::Note}},
            {}, {}});
        TCampiScheda::ImpostaScelte(txtGiorno, {"01", "02", "12"});
        TCampiScheda::ImpostaScelte(txtLibero, {"In entrata", "In uscita"});
        auto *l = new QVBoxLayout(this);
        for (QWidget *w : {static_cast<QWidget *>(txtGiorno), static_cast<QWidget *>(txtLibero),
                           static_cast<QWidget *>(txtNote)})
            l->addWidget(w);
        campi->CollegaCatena();
    }
};
} // namespace

class TestElenco : public QObject
{
    Q_OBJECT
private slots:
    void tasti_data();
    void tasti();
    void uscita_data();
    void uscita();
    void selezioneAzzerataAlFuoco();
};

void TestElenco::tasti_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("carattere");
    QTest::addColumn<QString>("testo");   // the combo's text afterwards
    QTest::addColumn<QString>("fuoco");   // the control with the focus afterwards
    QTest::addColumn<int>("cursore");     // cursor position afterwards (-1: not checked)
    QTest::newRow("a digit is not typed") << int(Qt::Key_3) << "3" << "12" << "txtGiorno" << -1;
    QTest::newRow("a letter is not typed") << int(Qt::Key_A) << "a" << "12" << "txtGiorno" << -1;
    QTest::newRow("blank") << int(Qt::Key_Space) << " " << "12" << "txtGiorno" << -1;
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << "" << "" << "txtGiorno" << -1;
    QTest::newRow("Delete empties") << int(Qt::Key_Delete) << "" << "" << "txtGiorno" << -1;
    QTest::newRow("Enter moves on") << int(Qt::Key_Return) << "" << "12" << "txtLibero" << -1;
    QTest::newRow("Tab is discarded") << int(Qt::Key_Tab) << "" << "12" << "txtGiorno" << -1;
    QTest::newRow("Down does not pick the next item") << int(Qt::Key_Down) << "" << "12" << "txtGiorno" << -1;
    QTest::newRow("Up does not pick the previous item") << int(Qt::Key_Up) << "" << "12" << "txtGiorno" << -1;
    QTest::newRow("Left passes") << int(Qt::Key_Left) << "" << "12" << "txtGiorno" << 1;
    QTest::newRow("Home is discarded") << int(Qt::Key_Home) << "" << "12" << "txtGiorno" << 2;
}

void TestElenco::tasti()
{
    QFETCH(int, tasto);
    QFETCH(QString, carattere);
    QFETCH(QString, testo);
    QFETCH(QString, fuoco);
    QFETCH(int, cursore);
    Fixture f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.txtGiorno->setFocus();
    f.txtGiorno->setEditText("12");
    f.txtGiorno->lineEdit()->setCursorPosition(2);
    if (!carattere.isEmpty()) QTest::keyClicks(f.txtGiorno->lineEdit(), carattere);
    else QTest::keyClick(f.txtGiorno->lineEdit(), Qt::Key(tasto), Qt::NoModifier);
    QCOMPARE(f.txtGiorno->currentText(), testo);
    QCOMPARE(QApplication::focusWidget() == f.txtGiorno->lineEdit() ? QString("txtGiorno")
                                                                      : QApplication::focusWidget()->objectName(),
             fuoco);
    if (cursore >= 0) QCOMPARE(f.txtGiorno->lineEdit()->cursorPosition(), cursore);
    // The free combo of the same table is typed as usual.
    f.txtLibero->setFocus();
    QTest::keyClicks(f.txtLibero->lineEdit(), "xy");
    QCOMPARE(f.txtLibero->currentText(), QString("xy"));
}

void TestElenco::uscita_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("resta");
    QTest::newRow("an item stays") << "02" << "02";
    QTest::newRow("an item with blanks around stays") << " 02 " << " 02 ";
    QTest::newRow("not an item is emptied") << "13" << "";
    QTest::newRow("one digit is emptied") << "2" << "";
    QTest::newRow("empty stays empty") << "" << "";
}

void TestElenco::uscita()
{
    QFETCH(QString, testo);
    QFETCH(QString, resta);
    Fixture f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.txtGiorno->setFocus();
    f.txtGiorno->setEditText(testo);
    f.txtNote->setFocus();
    QCOMPARE(f.txtGiorno->currentText(), resta);
    // The same rule is not applied to the free combo.
    f.txtLibero->setFocus();
    f.txtLibero->setEditText("In");
    f.txtNote->setFocus();
    QCOMPARE(f.txtLibero->currentText(), QString("In"));
}

void TestElenco::selezioneAzzerataAlFuoco()
{
    Fixture f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.txtNote->setFocus();
    f.txtGiorno->setCurrentIndex(1);
    QCOMPARE(f.txtGiorno->currentText(), QString("02"));
    f.txtGiorno->setFocus();
    QCOMPARE(f.txtGiorno->currentIndex(), -1);
    QCOMPARE(f.txtGiorno->currentText(), QString("02"));
}

QTEST_MAIN(TestElenco)
#include "test_chiamate_scheda_elenco.moc"

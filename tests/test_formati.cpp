// Shared rules: amounts, dates, fixed-width columns, search filters, find-in-list.
#include "storage/Filtri.h"
#include "storage/Formati.h"
#include "storage/ShortText.h"
#include "storage/Testo.h"

#include <QtTest>

class TestFormati : public QObject
{
    Q_OBJECT
private slots:
    void importo_data();
    void importo();
    void data_data();
    void data();
    void pad_data();
    void pad();
    void casing();
    void filtro_data();
    void filtro();
    void trova_data();
    void trova();
    void trovaRipetuto();
};

void TestFormati::importo_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("integer") << "12" << "12,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("leading comma") << ",5" << "0,50";
    QTest::newRow("trailing comma") << "7," << "7,00";
    QTest::newRow("round down") << "3,454" << "3,45";
    QTest::newRow("round up") << "3,456" << "3,46";
    QTest::newRow("half up, tiny") << "0,005" << "0,01";
    QTest::newRow("half up, exact decimal") << "1,005" << "1,01";
    QTest::newRow("half up to next unit") << "9,995" << "10,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    QTest::newRow("empty") << "" << "0,00";
    QTest::newRow("blanks") << "   " << "0,00";
    QTest::newRow("lone comma") << "," << "0,00";
    QTest::newRow("letters") << "abc" << "0,00";
    QTest::newRow("full stop is not a separator") << "1.50" << "0,00";
    QTest::newRow("blanks around") << " 120,5 " << "120,50";
    QTest::newRow("leading zeros") << "007,10" << "7,10";
    QTest::newRow("exponent") << "1,5E2" << "150,00";
    QTest::newRow("zero") << "0" << "0,00";
    QTest::newRow("negative") << "-2,345" << "-2,35";
    QTest::newRow("already normal") << "200,00" << "200,00";
    // The largest amount read is 999999999999999,99; rounding past it is
    // too large as well, so what is written back always reads again.
    QTest::newRow("largest") << "999999999999999,99" << "999999999999999,99";
    QTest::newRow("rounded past the largest") << "999999999999999,995" << "0,00";
    QTest::newRow("a digit too many") << "1000000000000000" << "0,00";
    QTest::newRow("sign only") << "-" << "0,00";
    QTest::newRow("plus and trailing comma") << "+12," << "12,00";
    QTest::newRow("negative below one") << "-0,5" << "-0,50";
    QTest::newRow("sign and leading comma") << "+,05" << "0,05";
    QTest::newRow("blank inside") << "12 ,50" << "0,00";
    // Long runs of digits, beyond what the stored form holds.
    QTest::newRow("many decimals") << "1,0049999999999999" << "1,00";
    QTest::newRow("many decimals rounding up") << "0,99999999999" << "1,00";
    QTest::newRow("twenty digits") << "99999999999999999999" << "0,00";
    QTest::newRow("leading zeros past fifteen digits") << "00000000000000000000012,5" << "12,50";
}

void TestFormati::importo()
{
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QCOMPARE(NormalizzaImporto(testo), atteso);
    // Normalising twice changes nothing.
    QCOMPARE(NormalizzaImporto(NormalizzaImporto(testo)), atteso);
}

void TestFormati::data_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("valida");
    QTest::newRow("ordinary") << "05/03/2024" << true;
    QTest::newRow("leap day") << "29/02/2024" << true;
    QTest::newRow("not a leap year") << "29/02/2023" << false;
    QTest::newRow("century not leap") << "29/02/1900" << false;
    QTest::newRow("400 years leap") << "29/02/2000" << true;
    QTest::newRow("31 April") << "31/04/2024" << false;
    QTest::newRow("31 December") << "31/12/2024" << true;
    QTest::newRow("day 0") << "00/01/2024" << false;
    QTest::newRow("month 13") << "01/13/2024" << false;
    QTest::newRow("year 1") << "01/01/0001" << true;
    QTest::newRow("year 9999") << "31/12/9999" << true;
    QTest::newRow("year 0") << "01/01/0000" << false;
    QTest::newRow("five-digit year") << "01/01/20245" << false;
    QTest::newRow("letters") << "aa/bb/cccc" << false;
    QTest::newRow("dashes") << "05-03-2024" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("missing year") << "05/03/" << false;
}

void TestFormati::data()
{
    QFETCH(QString, testo);
    QFETCH(bool, valida);
    QCOMPARE(DataValida(testo), valida);
    if (valida) QCOMPARE(ScriviData(LeggiData(testo)), testo);
}

void TestFormati::pad_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("padded") << "Rossi" << 8 << "Rossi   ";
    QTest::newRow("cut") << "Bianchissimi" << 5 << "Bianc";
    QTest::newRow("trimmed first") << "  ab  " << 4 << "ab  ";
    QTest::newRow("exact") << "abcd" << 4 << "abcd";
    QTest::newRow("empty") << "" << 3 << "   ";
}

void TestFormati::pad()
{
    QFETCH(QString, testo);
    QFETCH(int, n);
    QFETCH(QString, atteso);
    QCOMPARE(Pad(testo, n), atteso);
}

void TestFormati::casing()
{
    QCOMPARE(MaiuscoleAZ(QStringLiteral("rossi àè ß")), QStringLiteral("ROSSI àè ß"));
    QCOMPARE(MinuscoleAZ(QStringLiteral("ROSSI ÀÈ")), QStringLiteral("rossi ÀÈ"));
    QCOMPARE(Trim(QStringLiteral("\t a b \r\n")), QStringLiteral("a b"));
}

void TestFormati::filtro_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<bool>("trovato");
    QTest::newRow("substring, any case") << "ross" << "Mario ROSSI" << true;
    QTest::newRow("blank filter takes no part") << "   " << "anything" << true;
    QTest::newRow("empty filter takes no part") << "" << "" << true;
    QTest::newRow("leading blank not trimmed") << " rossi" << "Rossi" << false;
    QTest::newRow("leading blank inside") << " rossi" << "Mario Rossi" << true;
    QTest::newRow("trailing blank not trimmed") << "rossi " << "Mario Rossi" << false;
    QTest::newRow("accents not folded") << "città" << "CITTÀ" << false;
    QTest::newRow("accents same case") << "città" << "Città di Castello" << true;
    QTest::newRow("not present") << "verdi" << "Rossi" << false;
    QTest::newRow("empty field") << "a" << "" << false;
    QTest::newRow("character no field holds") << "Ł" << "Łódź" << false;
}

void TestFormati::filtro()
{
    QFETCH(QString, filtro);
    QFETCH(QString, campo);
    QFETCH(bool, trovato);
    // The field as stored and read back; the text rule and the byte scan
    // used by the searches must agree on it.
    QByteArray f(51, '\0');
    ShortText::Write(f.data(), 50, campo);
    const QString letto = ShortText::Read(f.constData(), 50);
    QCOMPARE(!FiltroAttivo(filtro) || FiltroCorrisponde(filtro, letto), trovato);
    QCOMPARE(FiltroBytes(filtro).Corrisponde(f.constData(), 50), trovato);
}

void TestFormati::trova_data()
{
    QTest::addColumn<QStringList>("righe");
    QTest::addColumn<int>("selezionata");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("precedente");
    QTest::addColumn<int>("attesa");
    QTest::addColumn<bool>("vuota");
    const QStringList l = {"Bianchi Anna", "Rossi Mario", "Verdi Luca", "ROSSINI Ada", "Neri"};
    QTest::newRow("empty list") << QStringList() << -1 << "ross" << "" << -1 << true;
    QTest::newRow("new text from the first line") << l << 3 << "ross" << "" << 1 << false;
    QTest::newRow("first line tested first") << l << 2 << "bianchi" << "" << 0 << false;
    QTest::newRow("same text steps on") << l << 1 << "ross" << "ross" << 3 << false;
    QTest::newRow("same text wraps around") << l << 3 << "ross" << "ross" << 1 << false;
    QTest::newRow("start line tested last") << l << 2 << "verdi" << "verdi" << 2 << false;
    QTest::newRow("not found keeps selection") << l << 2 << "gialli" << "" << 2 << false;
    QTest::newRow("nothing selected, not found") << l << -1 << "gialli" << "" << 0 << false;
    QTest::newRow("upper-case text") << l << -1 << "ROSS" << "" << 1 << false;
    QTest::newRow("empty text never matches") << l << 2 << "" << "x" << 2 << false;
    QTest::newRow("text changed starts again") << l << 3 << "rossi" << "ross" << 1 << false;
}

void TestFormati::trova()
{
    QFETCH(QStringList, righe);
    QFETCH(int, selezionata);
    QFETCH(QString, testo);
    QFETCH(QString, precedente);
    QFETCH(int, attesa);
    QFETCH(bool, vuota);
    const EsitoTrova e = TrovaInLista(righe, selezionata, testo, precedente);
    QCOMPARE(e.listaVuota, vuota);
    if (!vuota) {
        QCOMPARE(e.selezione, attesa);
        QCOMPARE(precedente, MinuscoleAZ(testo));
    }
}

void TestFormati::trovaRipetuto()
{
    // Pressing "Trova" again and again visits every match in turn and wraps.
    const QStringList l = {"Ross", "x", "ROSS", "y", "ross"};
    QString precedente;
    int sel = -1;
    QList<int> visitate;
    for (int k = 0; k < 4; ++k) {
        sel = TrovaInLista(l, sel, "ross", precedente).selezione;
        visitate << sel;
    }
    QCOMPARE(visitate, QList<int>({0, 2, 4, 0}));
}

QTEST_APPLESS_MAIN(TestFormati)
#include "test_formati.moc"

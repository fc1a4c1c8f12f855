// Record layouts and the ShortText field encoding.
#include "storage/Schede.h"
#include "storage/ShortText.h"

#include <QtTest>

class TestRecord : public QObject
{
    Q_OBJECT
private slots:
    void offsets_data();
    void offsets();
    void cp1252RoundTrip();
    void somiglianti_data();
    void somiglianti();
    void scrittura_data();
    void scrittura();
    void lettura_data();
    void lettura();
    void flag();
};

// Field, expected N and offset for every field of the four layouts.
void TestRecord::offsets_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("campo");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("offset");
    const int cliente[][2] = {{50, 0}, {30, 51}, {50, 82}, {2, 133}, {1, 136}, {50, 138}, {50, 189},
                              {2, 240}, {50, 243}, {5, 294}, {250, 300}, {30, 551}, {30, 582},
                              {30, 613}, {30, 644}, {50, 675}, {16, 726}, {30, 743}, {30, 774},
                              {11, 805}, {27, 817}, {120, 845}, {50, 966}, {50, 1017}, {120, 1068},
                              {120, 1189}, {50, 1310}, {250, 1361}, {250, 1612}, {2, 1863},
                              {250, 1866}, {250, 2117}, {250, 2368}, {250, 2619}, {250, 2870},
                              {250, 3121}};
    const int chiamata[][2] = {{2, 0}, {10, 3}, {4, 14}, {10, 19}, {2, 30}, {2, 33}, {5, 36},
                               {20, 42}, {250, 63}, {250, 314}, {50, 565}, {50, 616}, {50, 667},
                               {16, 718}, {50, 735}, {50, 786}, {30, 837}, {50, 868}, {250, 919},
                               {120, 1170}};
    const int appuntamento[][2] = {{10, 0}, {2, 11}, {2, 14}, {5, 17}, {3, 23}, {50, 27}, {250, 78},
                                   {250, 329}, {50, 580}, {30, 631}, {30, 662}, {50, 693},
                                   {250, 744}, {15, 995}, {250, 1011}, {2, 1262}};
    const int servizio[][2] = {{10, 0}, {5, 11}, {54, 17}, {28, 72}, {15, 101}};
    auto add = [](const char *nome, const auto &tab, auto nomi) {
        int i = 0;
        for (const auto &r : tab) {
            QTest::addRow("%s.%s", nome, nomi[i]) << QString(nome) << i << r[0] << r[1];
            ++i;
        }
    };
    add("cliente", cliente, LayoutCliente::Nomi);
    add("chiamata", chiamata, LayoutChiamata::Nomi);
    add("appuntamento", appuntamento, LayoutAppuntamento::Nomi);
    add("servizio", servizio, LayoutServizio::Nomi);
}

template <class R> static void Verifica(int campo, int n, int offset)
{
    const auto c = static_cast<typename R::Campo>(campo);
    QCOMPARE(R::N(c), n);
    QCOMPARE(R::Offset[campo], offset);
    // Writing a field never touches the bytes of its neighbours.
    R r;
    std::memset(r.Buffer(), 0x55, R::Dimensione);
    r.Set(c, QString(n + 5, u'x'));
    QCOMPARE(static_cast<unsigned char>(r.Buffer()[offset]), static_cast<unsigned char>(n));
    if (offset > 0) QCOMPARE(r.Buffer()[offset - 1], char(0x55));
    if (offset + n + 1 < R::Dimensione) QCOMPARE(r.Buffer()[offset + n + 1], char(0x55));
}

void TestRecord::offsets()
{
    QFETCH(QString, layout);
    QFETCH(int, campo);
    QFETCH(int, n);
    QFETCH(int, offset);
    if (layout == "cliente") Verifica<TSchedaCliente>(campo, n, offset);
    else if (layout == "chiamata") Verifica<TSchedaChiamata>(campo, n, offset);
    else if (layout == "appuntamento") Verifica<TSchedaAppuntamento>(campo, n, offset);
    else Verifica<TSchedaServizio>(campo, n, offset);
}

void TestRecord::cp1252RoundTrip()
{
    // Every byte decodes to one character that encodes back to that byte.
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const QString s = ShortText::Decode(&c, 1);
        QCOMPARE(s.size(), 1);
        QCOMPARE(ShortText::Encode(s), QByteArray(1, c));
    }
    QCOMPARE(ShortText::Encode(QStringLiteral("€àèéìòù")), QByteArray("\x80\xE0\xE8\xE9\xEC\xF2\xF9"));
    QCOMPARE(ShortText::Encode(QStringLiteral("Łódź")), QByteArray("L\xF3" "dz"));
    QCOMPARE(ShortText::Encode(QString::fromUcs4(U"a\U0001F600b")), QByteArray("a?b"));
    QCOMPARE(ShortText::EncodeWithCharRefs(QStringLiteral("Łódź")), QByteArray("&#321;\xF3" "d&#378;"));
    QCOMPARE(ShortText::EncodeWithCharRefs(QString::fromUcs4(U"\U0001F600")), QByteArray("&#128512;"));
}

void TestRecord::somiglianti_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QByteArray>("byte");

    QTest::newRow("polish name") << QStringLiteral("Łukasz Wąs") << QByteArray("Lukasz Was");
    QTest::newRow("stroked letters") << QStringLiteral("ŁłĐđĦħıĿŀŦŧ") << QByteArray("LlDdHhiLlTt");
    QTest::newRow("hungarian, romanian, turkish") << QStringLiteral("őŐűşŞţțğ") << QByteArray("oOusSttg");
    QTest::newRow("czech") << QStringLiteral("Dvořák Čapek") << QByteArray("Dvor\xE1k Capek");
    // the code page's own accented letter is kept when one accent of two goes
    QTest::newRow("one accent dropped") << QStringLiteral("ǘ ấ") << QByteArray("\xFC \xE2");
    QTest::newRow("accent typed apart") << QStringLiteral("Citta\u0300 e\u0301") << QByteArray("Citt\xE0 \xE9");
    QTest::newRow("accent the letter lacks") << QStringLiteral("q\u0301") << QByteArray("q");
    QTest::newRow("other forms of code page letters") << QStringLiteral("\u212B\u212A") << QByteArray("\xC5K");
    QTest::newRow("code page letters kept") << QStringLiteral("Øresund Šťastný €") << QByteArray("\xD8resund \x8A" "tastn\xFD \x80");
    QTest::newRow("nothing fits") << QStringLiteral("Ωμέγα 北京") << QByteArray("????? ??");
    QTest::newRow("emoji") << QString::fromUcs4(U"ok \U0001F600") << QByteArray("ok ?");
}

void TestRecord::somiglianti()
{
    QFETCH(QString, testo);
    QFETCH(QByteArray, byte);
    QCOMPARE(ShortText::Encode(testo), byte);
    QCOMPARE(ShortText::BestFit(testo), ShortText::Decode(byte));
    // a field stores the same letters
    QByteArray campo(41, '#');
    ShortText::Write(campo.data(), 40, testo);
    QCOMPARE(ShortText::Read(campo.constData(), 40), ShortText::Decode(byte).trimmed());
}

void TestRecord::scrittura_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("attesi"); // the N + 1 bytes of the field
    QTest::newRow("short, zeros after") << "Rossi" << 8 << QByteArray("\x05Rossi\0\0\0", 9);
    QTest::newRow("trimmed") << "  Rossi \t" << 6 << QByteArray("\x05Rossi\0", 7);
    QTest::newRow("cut at N") << "Bianchissimi" << 5 << QByteArray("\x05" "Bianc", 6);
    QTest::newRow("accents") << "Città" << 6 << QByteArray("\x05" "Citt\xE0\0", 7);
    QTest::newRow("empty") << "   " << 3 << QByteArray("\0\0\0\0", 4);
    QTest::newRow("flag si") << "Sì" << 2 << QByteArray("\x02S\xEC", 3);
    QTest::newRow("flag no") << "No" << 2 << QByteArray("\x02No", 3);
}

void TestRecord::scrittura()
{
    QFETCH(QString, testo);
    QFETCH(int, n);
    QFETCH(QByteArray, attesi);
    // The buffer holds another card's leftovers: they must not survive.
    QByteArray campo(n + 1, '#');
    ShortText::Write(campo.data(), n, testo);
    QCOMPARE(campo, attesi);
}

void TestRecord::lettura_data()
{
    QTest::addColumn<QByteArray>("campo");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("plain") << QByteArray("\x03" "abcXX", 6) << 5 << "abc";
    QTest::newRow("leftovers ignored") << QByteArray("\x02" "ab\xE0zz", 6) << 5 << "ab";
    QTest::newRow("trimmed") << QByteArray("\x05 ab \x09", 6) << 5 << "ab";
    QTest::newRow("length above N read as N") << QByteArray("\xFF" "abcde", 6) << 5 << "abcde";
    QTest::newRow("accents") << QByteArray("\x04" "Perch\xE9", 7) << 6 << "Perc";
    QTest::newRow("euro") << QByteArray("\x01\x80", 2) << 1 << "€";
}

void TestRecord::lettura()
{
    QFETCH(QByteArray, campo);
    QFETCH(int, n);
    QFETCH(QString, atteso);
    QCOMPARE(ShortText::Read(campo.constData(), n), atteso);
}

void TestRecord::flag()
{
    TSchedaCliente c;
    c.SetFlag(TSchedaCliente::Ricontatta, true);
    QCOMPARE(QByteArray(c.Raw(TSchedaCliente::Ricontatta), 3), QByteArray("\x02S\xEC"));
    QCOMPARE(c.Flag(TSchedaCliente::Ricontatta), std::optional<bool>(true));
    c.SetFlag(TSchedaCliente::Ricontatta, false);
    QCOMPARE(QByteArray(c.Raw(TSchedaCliente::Ricontatta), 3), QByteArray("\x02No"));
    QCOMPARE(c.Flag(TSchedaCliente::Ricontatta), std::optional<bool>(false));
    for (const char *altro : {"", "si", "SI", "Si", "X"}) {
        c.Set(TSchedaCliente::Ricontatta, QString::fromLatin1(altro));
        QVERIFY2(!c.Flag(TSchedaCliente::Ricontatta).has_value(), altro);
    }
}

QTEST_APPLESS_MAIN(TestRecord)
#include "test_record.moc"

// Password scrambling and the INI key editor of the password file.
#include "storage/Crypt.h"
#include "storage/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCryptIni : public QObject
{
    Q_OBJECT
private slots:
    void andataRitorno();
    void valoriNoti_data();
    void valoriNoti();
    void esadecimaleNonValido();
    void byteWindows1252_data();
    void byteWindows1252();
    void modificaChiave_data();
    void modificaChiave();
    void leggiChiave();
    void scritturaSuFile();
};

void TestCryptIni::andataRitorno()
{
    // Every length up to 255 and every code 0-255.
    QString t;
    for (int n = 0; n <= 255; ++n) {
        const QString h = CriptaPassword(t);
        QCOMPARE(h.size(), 2 * t.size());
        QVERIFY(h == h.toUpper());
        QCOMPARE(DecriptaPassword(h), t);
        QCOMPARE(DecriptaPassword(h.toLower()), t);
        t.append(QChar(char16_t((n * 37 + 11) % 256)));
    }
    QString tutti;
    for (int c = 0; c < 256; ++c) tutti.append(QChar(char16_t(c)));
    QCOMPARE(DecriptaPassword(CriptaPassword(tutti)), tutti);
}

void TestCryptIni::valoriNoti_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("hex");
    // Worked out: K = 3E1D, b = 'A' (41) xor 3E = 7F; K = (7F + 3E1D) * A4F3 + 5C27 mod 10000
    // = 3E9C * A4F3 + 5C27 -> BA3B; next b = 'B' (42) xor BA = F8.
    QTest::newRow("empty") << "" << "";
    QTest::newRow("A") << "A" << "7F";
    QTest::newRow("AB") << "AB" << "7FF8";
    // the initial password, as the delivered file holds it
    QTest::newRow("initial password") << "LAMPADINAVERDE" << "72187BD1C3E133965F59E8BF1C7F";
    QTest::newRow("latin-1 letter") << "CITTÀ" << "7D397EE651";
}

void TestCryptIni::valoriNoti()
{
    QFETCH(QString, testo);
    QFETCH(QString, hex);
    QCOMPARE(CriptaPassword(testo), hex);
    QCOMPARE(DecriptaPassword(hex), testo);
}

void TestCryptIni::byteWindows1252_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("ammesso");
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QString>("hex"); // scrambled, worked out by hand from the bytes

    QTest::newRow("euro after latin-1") << "CITTÀ€" << true << QByteArray("CITT\xC0\x80") << "7D397EE6519F";
    QTest::newRow("quotes, dash, ellipsis") << "’“”–…" << true << QByteArray("\x92\x93\x94\x96\x85") << "AC2B32D451";
    QTest::newRow("control of code 128") << QString(QChar(0x80)) << true << QByteArray("\x80") << "BE";
    QTest::newRow("letter of another alphabet") << "ŁUKASZ" << false << QByteArray() << "";
    QTest::newRow("emoji") << QString::fromUcs4(U"A\U0001F600") << false << QByteArray() << "";
}

void TestCryptIni::byteWindows1252()
{
    QFETCH(QString, testo);
    QFETCH(bool, ammesso);
    QFETCH(QByteArray, byte);
    QFETCH(QString, hex);
    QByteArray b;
    QCOMPARE(BytePassword(testo, b), ammesso);
    if (!ammesso) return;
    QCOMPARE(b, byte);
    QCOMPARE(CriptaPassword(testo), hex);
    // unscrambled, the bytes come back as the characters of the same codes
    QByteArray indietro;
    QVERIFY(BytePassword(DecriptaPassword(hex), indietro));
    QCOMPARE(indietro, byte);
}

void TestCryptIni::esadecimaleNonValido()
{
    QVERIFY_THROWS_EXCEPTION(ECrypt, DecriptaPassword("7G"));
    QVERIFY_THROWS_EXCEPTION(ECrypt, DecriptaPassword("zz11"));
    // A trailing odd digit is ignored, even when it is not a digit at all.
    QCOMPARE(DecriptaPassword("7FF"), QString("A"));
    QCOMPARE(DecriptaPassword("7Fx"), QString("A"));
}

void TestCryptIni::modificaChiave_data()
{
    QTest::addColumn<QByteArray>("prima");
    QTest::addColumn<QByteArray>("dopo");
    QTest::newRow("empty file")
        << QByteArray() << QByteArray("[Accesso]\r\nValore=AB\r\n");
    QTest::newRow("replace, other sections kept")
        << QByteArray("; comment\r\n[Altro]\r\nx=1,2\\3\r\n[Accesso]\r\nValore=11\r\n[Z]\r\nb=2\r\n")
        << QByteArray("; comment\r\n[Altro]\r\nx=1,2\\3\r\n[Accesso]\r\nValore=AB\r\n[Z]\r\nb=2\r\n");
    QTest::newRow("names in another case, blanks")
        << QByteArray("[ accesso ]\r\n  valore = 11  \r\nz=9\r\n")
        << QByteArray("[ accesso ]\r\nValore=AB\r\nz=9\r\n");
    QTest::newRow("key missing, added in its section")
        << QByteArray("[Accesso]\r\nz=9\r\n\r\n[B]\r\nk=1\r\n")
        << QByteArray("[Accesso]\r\nz=9\r\nValore=AB\r\n\r\n[B]\r\nk=1\r\n");
    QTest::newRow("section missing, appended")
        << QByteArray("[B]\r\nk=1") << QByteArray("[B]\r\nk=1\r\n[Accesso]\r\nValore=AB\r\n");
    QTest::newRow("LF file stays LF")
        << QByteArray("[Accesso]\nValore=11\n[B]\nk=\xE8\n") << QByteArray("[Accesso]\nValore=AB\n[B]\nk=\xE8\n");
    QTest::newRow("header last line without line end")
        << QByteArray("[Accesso]") << QByteArray("[Accesso]\r\nValore=AB");
    QTest::newRow("key in another section untouched")
        << QByteArray("[B]\r\nValore=1\r\n[Accesso]\r\n")
        << QByteArray("[B]\r\nValore=1\r\n[Accesso]\r\nValore=AB\r\n");
}

void TestCryptIni::modificaChiave()
{
    QFETCH(QByteArray, prima);
    QFETCH(QByteArray, dopo);
    QCOMPARE(IniFile::WithValue(prima, "Accesso", "Valore", "AB"), dopo);
}

void TestCryptIni::leggiChiave()
{
    QTemporaryDir dir;
    const QString p = dir.filePath("unins000.dll");
    QCOMPARE(IniFile::ReadString(p, "Accesso", "Valore"), QString()); // missing file
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[B]\r\nValore=no\r\n[ACCESSO]\r\n;Valore=commento\r\n  VALORE =  7FF8 \r\n");
    f.close();
    QCOMPARE(IniFile::ReadString(p, "Accesso", "Valore"), QString("7FF8"));
    QCOMPARE(IniFile::ReadString(p, "Accesso", "Altro"), QString());
    QCOMPARE(IniFile::ReadString(p, "Manca", "Valore"), QString());
}

void TestCryptIni::scritturaSuFile()
{
    QTemporaryDir dir;
    const QString p = dir.filePath("unins000.dll");
    IniFile::WriteString(p, "Accesso", "Valore", "7F");
    QCOMPARE(IniFile::ReadString(p, "Accesso", "Valore"), QString("7F"));
    IniFile::WriteString(p, "Accesso", "Valore", "7FF8");
    QFile f(p);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[Accesso]\r\nValore=7FF8\r\n"));
    // A path that cannot be written is an error, and nothing else is touched.
    QVERIFY_THROWS_EXCEPTION(EIniFile, IniFile::WriteString(dir.filePath("manca/x.dll"), "A", "B", "C"));
    QVERIFY(QDir(dir.path()).mkdir("cartella.dll"));
    QVERIFY_THROWS_EXCEPTION(EIniFile, IniFile::ReadString(dir.filePath("cartella.dll"), "A", "B"));
}

QTEST_APPLESS_MAIN(TestCryptIni)
#include "test_crypt_ini.moc"

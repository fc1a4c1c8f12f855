// The rules the appointment card, the agenda and the income summary share:
// the sort key, the imminent rule and the WhatsApp address.
#include "Desktop.h"
#include "storage/Appuntamenti.h"
#include "ui/WhatsApp.h"

#include <QUrlQuery>
#include <QtTest>

namespace {

using A = TSchedaAppuntamento;

A Scheda(const QString &data, const QString &ore, const QString &minuti, const QString &avviso,
         const QString &ottemperata)
{
    A r;
    r.Set(A::Data, data);
    r.Set(A::OreApp, ore);
    r.Set(A::MinutiApp, minuti);
    r.Set(A::Avviso, avviso);
    r.Set(A::Ottemperata, ottemperata);
    return r;
}

} // namespace

class TestAppuntamentiRegole : public QObject
{
    Q_OBJECT
private slots:
    void chiave_data();
    void chiave();
    void imminente_data();
    void imminente();
    void whatsapp_data();
    void whatsapp();
    void whatsappAlDesktop();
};

void TestAppuntamentiRegole::chiave_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("ore");
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<QString>("chiave");
    QTest::newRow("date and time") << "05/03/2025" << "09" << "30" << "202503050930";
    QTest::newRow("no time") << "05/03/2025" << "" << "" << "20250305";
    QTest::newRow("blanks around") << " 05/03/2025 " << " 9" << "5 " << "2025030595";
    QTest::newRow("short date") << "5/3/25" << "10" << "00" << "/25/1000";
    QTest::newRow("empty") << "" << "" << "" << "";
}

void TestAppuntamentiRegole::chiave()
{
    QFETCH(QString, data);
    QFETCH(QString, ore);
    QFETCH(QString, minuti);
    QFETCH(QString, chiave);
    const A r = Scheda(data, ore, minuti, "0", "No");
    QCOMPARE(ChiaveAppuntamento(r.Buffer()), chiave);
}

void TestAppuntamentiRegole::imminente_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("avviso");
    QTest::addColumn<QString>("ottemperata");
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<int>("atteso"); // 1 imminent, 0 not, -1 unreadable
    const QDate y(2025, 6, 1);
    QTest::newRow("3 days before, not yet") << "10/06/2025" << "3" << "No" << QDate(2025, 6, 6) << 0;
    QTest::newRow("3 days before, first day") << "10/06/2025" << "3" << "No" << QDate(2025, 6, 7) << 1;
    QTest::newRow("3 days, still after the date") << "10/06/2025" << "3" << "No" << QDate(2025, 6, 20) << 1;
    QTest::newRow("today with 0") << "01/06/2025" << "0" << "No" << y << 1;
    QTest::newRow("tomorrow with 0") << "02/06/2025" << "0" << "No" << y << 0;
    QTest::newRow("fulfilled, past") << "10/05/2025" << "0" << "S\u00ec" << y << 0;
    QTest::newRow("fulfilled, today") << "01/06/2025" << "5" << "S\u00ec" << y << 0;
    QTest::newRow("flag neither") << "01/06/2025" << "0" << "" << y << 0;
    QTest::newRow("notice over a year end") << "02/01/2026" << "40" << "No" << QDate(2025, 11, 23) << 1;
    QTest::newRow("date not a date") << "31/02/2025" << "0" << "No" << y << -1;
    QTest::newRow("empty date") << "" << "0" << "No" << y << -1;
    QTest::newRow("notice not a number") << "01/06/2025" << "x" << "No" << y << -1;
    QTest::newRow("empty notice") << "01/06/2025" << "" << "No" << y << -1;
    // The date and the notice as the other windows read them, whatever their form.
    QTest::newRow("blanks around the date") << " 01/06/2025 " << "0" << "No" << y << 1;
    QTest::newRow("single-digit day and month") << "1/6/2025" << "0" << "No" << y << 1;
    QTest::newRow("29 February of a leap year") << "29/02/2024" << "0" << "No" << y << 1;
    QTest::newRow("29 February of another year") << "29/02/2025" << "0" << "No" << y << -1;
    QTest::newRow("day zero") << "00/06/2025" << "0" << "No" << y << -1;
    QTest::newRow("month 13") << "01/13/2025" << "0" << "No" << y << -1;
    QTest::newRow("year zero") << "01/06/0000" << "0" << "No" << y << -1;
    QTest::newRow("dashes") << "01-06-2025" << "0" << "No" << y << -1;
    QTest::newRow("letters in the year") << "01/06/2O25" << "0" << "No" << y << -1;
    QTest::newRow("notice with a sign") << "03/06/2025" << "+2" << "No" << y << 1;
    QTest::newRow("notice with leading zeros") << "08/06/2025" << "007" << "No" << y << 1;
    QTest::newRow("notice one day short") << "09/06/2025" << "007" << "No" << y << 0;
    QTest::newRow("notice with a blank inside") << "08/06/2025" << "0 7" << "No" << y << -1;
    QTest::newRow("flag in other letters") << "01/06/2025" << "0" << "NO" << y << 0;
}

void TestAppuntamentiRegole::imminente()
{
    QFETCH(QString, data);
    QFETCH(QString, avviso);
    QFETCH(QString, ottemperata);
    QFETCH(QDate, oggi);
    QFETCH(int, atteso);
    const A r = Scheda(data, "09", "30", avviso, ottemperata);
    const std::optional<bool> v = Imminente(r.Buffer(), oggi);
    QCOMPARE(v.has_value() ? int(*v) : -1, atteso);
}

void TestAppuntamentiRegole::whatsapp_data()
{
    QTest::addColumn<QString>("cellulare");
    QTest::addColumn<QString>("testo");
    QTest::newRow("confirmation")
        << "3331234567"
        << "Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore 09:30 del giorno 05/03/2025";
    QTest::newRow("reminder, empty time")
        << "3331234567"
        << "Gentile Cliente, le ricordiamo l'appuntamento presso il nostro studio alle ore : del giorno 05/03/2025";
    QTest::newRow("plus, ampersand, hash, accents") << "+39 333 1234567" << "Visita & controllo #2 alle 9+1, più tardi?";
}

void TestAppuntamentiRegole::whatsapp()
{
    QFETCH(QString, cellulare);
    QFETCH(QString, testo);
    const QUrl u = IndirizzoWhatsApp(cellulare, testo);
    QVERIFY(u.isValid());
    QCOMPARE(u.scheme(), QString("https"));
    QCOMPARE(u.host(), QString("web.whatsapp.com"));
    QCOMPARE(u.path(), QString("/send"));
    // Exactly two keys, and each decodes to the text it was given.
    const QUrlQuery q(u);
    QCOMPARE(q.queryItems().size(), 2);
    QCOMPARE(q.queryItemValue("phone", QUrl::FullyDecoded), cellulare);
    QCOMPARE(q.queryItemValue("text", QUrl::FullyDecoded), testo);
    const QByteArray enc = u.toEncoded();
    for (char c : {' ', '\'', '+', '#'}) QVERIFY2(!enc.mid(enc.indexOf('?')).contains(c), enc.constData());
}

void TestAppuntamentiRegole::whatsappAlDesktop()
{
    RaccoglitoreUrl raccolti({"https"});
    QVERIFY(InviaWhatsApp("3331234567", TestoConfermaWhatsApp("10:00", "05/03/2025")));
    QCOMPARE(raccolti.aperti.size(), 1);
    const QUrlQuery q(raccolti.aperti.first());
    QCOMPARE(q.queryItemValue("text", QUrl::FullyDecoded),
             QString("Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore 10:00 del "
                     "giorno 05/03/2025"));
    QCOMPARE(q.queryItemValue("phone", QUrl::FullyDecoded), QString("3331234567"));
    QCOMPARE(TestoPromemoriaWhatsApp("10:00", "05/03/2025"),
             QString("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro studio alle ore 10:00 del "
                     "giorno 05/03/2025"));
}

QTEST_MAIN(TestAppuntamentiRegole)
#include "test_appuntamenti_regole.moc"

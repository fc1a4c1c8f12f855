// The general guide: its text, and the PDF made from it.
#include "app/GuidaGenerale.h"
#include "app/GuidaPdf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <stdexcept>

namespace {

QString Normalizza(const QString &testo) { return testo.simplified(); }

// Runs a poppler tool on `pdf` and returns its standard output.
QString Esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit
        || processo.exitCode() != 0)
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}

QString PrimeParole(const QString &paragrafo, int quante)
{
    return paragrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, quante).join(QLatin1Char(' '));
}

} // namespace

class TestGuida : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void testoDellaGuida();
    void argomentiInOrdine_data();
    void argomentiInOrdine();
    void pdfDellaGuida();
    void pdfImpaginazione();
    void pdfPercorsoNonScrivibile();

private:
    void RichiediPdf();

    QTemporaryDir cartella;
    QString percorso;
    QString pdftotext;
    QString pdfinfo;
    QStringList pagine; // text of each page of the PDF, whitespace normalised
};

// The PDF is written once; the tests that read it need poppler's tools.
void TestGuida::initTestCase()
{
    QVERIFY(cartella.isValid());
    percorso = cartella.filePath(QStringLiteral("Guida.pdf"));
    ScriviGuidaPdf(percorso);
    pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdftotext.isEmpty()) {
        // pdftotext ends every page with a form feed.
        pagine = Esegui(pdftotext, {percorso, QStringLiteral("-")}).split(QLatin1Char('\f'));
        if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty())
            pagine.removeLast();
        for (QString &pagina : pagine)
            pagina = Normalizza(pagina);
    }
}

void TestGuida::RichiediPdf()
{
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        QSKIP("pdftotext/pdfinfo (poppler-utils) not installed");
}

// Title, count and form of the paragraphs: each is one line of plain text that
// reads as whole sentences.
void TestGuida::testoDellaGuida()
{
    const PaginaGuida guida = GuidaGenerale();
    QCOMPARE(guida.titolo, QStringLiteral("Uno sguardo ad Pratovia"));
    QCOMPARE(guida.paragrafi.size(), 50);

    const QRegularExpression markup(QStringLiteral("[<>*_#\\t]|&[a-z]+;"));
    for (int i = 0; i < guida.paragrafi.size(); ++i) {
        const QString &p = guida.paragrafi.at(i);
        const QByteArray dove = QByteArray("paragrafo ") + QByteArray::number(i + 1);
        QVERIFY2(!p.trimmed().isEmpty(), dove);
        QVERIFY2(!p.contains(QLatin1Char('\r')) && !p.contains(QLatin1Char('\n')), dove);
        QVERIFY2(p == p.trimmed() && !p.contains(QStringLiteral("  ")), dove);
        QVERIFY2(!p.contains(markup), dove);
        QVERIFY2(p.at(0).isUpper(), dove);
        QVERIFY2(p.endsWith(QLatin1Char('.')) || p.endsWith(QLatin1Char('!')), dove);
        QVERIFY2(p.size() >= 120, dove); // a real paragraph, not a caption
    }

    // The first-access password is told in paragraph 49 and nowhere else.
    for (int i = 0; i < guida.paragrafi.size(); ++i)
        QCOMPARE(guida.paragrafi.at(i).contains(QStringLiteral("lampadinaverde")), i == 48);
}

// Each app and topic is introduced at its place in the guide.
void TestGuida::argomentiInOrdine_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("parola");
    QTest::newRow("professionisti") << 1 << QStringLiteral("commercialisti");
    QTest::newRow("app clienti") << 2 << QStringLiteral("“Clienti e Servizi”");
    QTest::newRow("campi obbligatori cliente") << 4 << QStringLiteral("codice fiscale");
    QTest::newRow("da ricontattare") << 5 << QStringLiteral("“Da ricontattare”");
    QTest::newRow("allegati") << 8 << QStringLiteral("“Allega file”");
    QTest::newRow("servizi forniti") << 10 << QStringLiteral("“Aggiungi voce”");
    QTest::newRow("modifica servizio") << 11 << QStringLiteral("“Modifica voce”");
    QTest::newRow("app chiamate") << 15 << QStringLiteral("“Registro Chiamate”");
    QTest::newRow("freccia rossa") << 17 << QStringLiteral("freccia rossa");
    QTest::newRow("app agenda") << 24 << QStringLiteral("“Agenda Appuntamenti”");
    QTest::newRow("inserisci appuntamenti") << 25 << QStringLiteral("“Inserisci appuntamenti”");
    QTest::newRow("promemoria WhatsApp") << 30 << QStringLiteral("“Invia messaggio”");
    QTest::newRow("app schedario") << 31 << QStringLiteral("“Schedario Appuntamenti”");
    QTest::newRow("impegno assolto") << 38 << QStringLiteral("“Impegno assolto”");
    QTest::newRow("stati degli impegni") << 39 << QStringLiteral("“Scaduti”");
    QTest::newRow("app incassi") << 42 << QStringLiteral("“Riepiloghi Incassi”");
    QTest::newRow("visualizza riepilogo") << 43 << QStringLiteral("“Visualizza riepilogo”");
    QTest::newRow("rete locale") << 47 << QStringLiteral("rete locale");
    QTest::newRow("chiavetta USB") << 48 << QStringLiteral("chiavetta USB");
    QTest::newRow("password") << 49 << QStringLiteral("“lampadinaverde”");
}

void TestGuida::argomentiInOrdine()
{
    QFETCH(int, numero);
    QFETCH(QString, parola);
    const QStringList paragrafi = GuidaGenerale().paragrafi;
    QVERIFY2(paragrafi.value(numero - 1).contains(parola),
             qPrintable(QStringLiteral("%1: %2").arg(numero).arg(paragrafi.value(numero - 1))));
}

// The PDF is an A4 document titled as the guide, and carries every paragraph
// of GuidaGenerale() in order, with numbered pages.
void TestGuida::pdfDellaGuida()
{
    RichiediPdf();
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    file.close();

    const PaginaGuida guida = GuidaGenerale();

    const QString info = Esegui(pdfinfo, {percorso});
    QVERIFY2(!info.isEmpty(), "pdfinfo failed");
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Title:\\s+Uno sguardo ad Pratovia$"),
                                              QRegularExpression::MultilineOption)), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Creator:\\s+Pratovia$"),
                                              QRegularExpression::MultilineOption)), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const QRegularExpressionMatch numeroPagine =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption).match(info);
    QVERIFY(numeroPagine.hasMatch());
    const int totale = numeroPagine.captured(1).toInt();
    QVERIFY2(totale >= 3, qPrintable(info));
    QCOMPARE(pagine.size(), totale);

    // Title page first; every later page numbered in its footer.
    QVERIFY(pagine.first().startsWith(guida.titolo));
    for (int n = 2; n <= totale; ++n)
        QVERIFY2(pagine.at(n - 1).contains(QStringLiteral("Pagina %1 di %2").arg(n).arg(totale)),
                 qPrintable(pagine.at(n - 1)));

    // The opening words of each paragraph sit on one printed line, so they
    // come out of pdftotext whole, and in the order of the guide.
    const QString testo = pagine.join(QLatin1Char(' '));
    qsizetype da = 0;
    for (int i = 0; i < guida.paragrafi.size(); ++i) {
        const QString inizio = PrimeParole(guida.paragrafi.at(i), 6);
        const qsizetype dove = testo.indexOf(inizio, da);
        QVERIFY2(dove >= 0, qPrintable(QStringLiteral("paragrafo %1: %2").arg(i + 1).arg(inizio)));
        da = dove + inizio.size();
    }
    QVERIFY(testo.contains(QStringLiteral("“lampadinaverde”")));
}

// Paragraphs are never split between pages, each heading stands on the page of
// its first paragraph, and the index on the title page gives those pages.
void TestGuida::pdfImpaginazione()
{
    RichiediPdf();
    const PaginaGuida guida = GuidaGenerale();
    const auto paginaDi = [this](const QString &brano) {
        for (int n = 1; n < pagine.size(); ++n) // the title page holds no body text
            if (pagine.at(n).contains(brano))
                return n + 1;
        return 0;
    };

    QList<int> pagineParagrafi;
    for (int i = 0; i < guida.paragrafi.size(); ++i) {
        const QStringList parole = guida.paragrafi.at(i).split(QLatin1Char(' '));
        const QString inizio = parole.mid(0, 6).join(QLatin1Char(' '));
        const QString fine = parole.mid(parole.size() - 4).join(QLatin1Char(' '));
        const int pagina = paginaDi(inizio);
        QVERIFY2(pagina > 0, qPrintable(inizio));
        QVERIFY2(pagine.at(pagina - 1).contains(fine),
                 qPrintable(QStringLiteral("paragrafo %1 spezzato a pagina %2").arg(i + 1).arg(pagina)));
        pagineParagrafi.append(pagina);
    }

    // Index lines read "N. Titolo . . . . P"; the heading "N. Titolo" must be on
    // page P, together with the paragraph that follows it.
    const QRegularExpression voce(QStringLiteral("(\\d)\\. ([A-Z][A-Za-z ]+?) (?:\\. )+(\\d+)"));
    int voci = 0;
    for (auto m = voce.globalMatch(pagine.first()); m.hasNext(); ++voci) {
        const QRegularExpressionMatch v = m.next();
        const QString intestazione = v.captured(1) + QStringLiteral(". ") + v.captured(2);
        const int pagina = v.captured(3).toInt();
        QVERIFY2(pagina >= 2 && pagina <= pagine.size(), qPrintable(v.captured(0)));
        QVERIFY2(pagine.at(pagina - 1).contains(intestazione), qPrintable(v.captured(0)));
        const qsizetype dopo = pagine.at(pagina - 1).indexOf(intestazione) + intestazione.size();
        const QString seguito = pagine.at(pagina - 1).mid(dopo).trimmed();
        QVERIFY2(std::any_of(guida.paragrafi.begin(), guida.paragrafi.end(),
                             [&](const QString &p) { return seguito.startsWith(PrimeParole(p, 6)); }),
                 qPrintable(v.captured(0)));
    }
    QCOMPARE(voci, 7);
    QVERIFY(std::is_sorted(pagineParagrafi.begin(), pagineParagrafi.end()));
}

void TestGuida::pdfPercorsoNonScrivibile()
{
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("manca/Guida.pdf"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ScriviGuidaPdf(percorso));
    QVERIFY(!QFile::exists(percorso));
}

QTEST_MAIN(TestGuida)
#include "test_guida.moc"

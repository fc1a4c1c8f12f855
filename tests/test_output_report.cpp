// The report engine and the printed list, checked on real output: PDF files
// read back with poppler's pdftotext, pdfinfo and pdffonts.
#include "TestiAttesi.h"
#include "Pdf.h"
#include "storage/Cartella.h"
#include "output/Anteprima.h"
#include "output/Avanzamento.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/Stampa.h"
#include "reports/Modelli.h"
#include "test_output_risposte.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A one-page card: named memos on a title band, a fixed label, a rule and a frame.
const char *const kScheda = R"({
  "report": "Scheda di prova",
  "pages": [{
    "name": "Page", "paper": "A4", "orientation": "landscape", "margins": 10,
    "bands": [{
      "name": "Corpo", "kind": "ReportTitle", "height": 400,
      "objects": [
        {"type": "memo", "name": "txtTitolo", "left": 0, "top": 0, "width": 600, "height": 30,
         "fill": "#c0504d", "color": "#ffffff", "font": {"family": "Arial", "size": 16, "bold": true},
         "align": "center", "text": "Titolo Scheda"},
        {"type": "line", "name": "linSepara01", "left": 0, "top": 34, "width": 600, "height": 0, "stroke": 2},
        {"type": "memo", "left": 0, "top": 50, "width": 190, "height": 22, "fill": "#2f7f7f",
         "color": "#ffffff", "font": {"family": "Arial", "size": 9}, "text": "Etichetta fissa:"},
        {"type": "memo", "name": "txtCampo01", "left": 200, "top": 50, "width": 480, "height": 22,
         "font": {"family": "Arial", "size": 10}, "text": "Campo 1"},
        {"type": "memo", "name": "txtCampo02", "left": 200, "top": 80, "width": 480, "height": 22,
         "font": {"family": "Arial", "size": 10}, "text": "Campo 2"},
        {"type": "frame", "name": "shpCornice", "left": 195, "top": 46, "width": 490, "height": 60},
        {"type": "memo", "name": "txtCalce", "left": 0, "top": 120, "width": 600, "height": 22,
         "expressions": true, "font": {"family": "Arial", "size": 10}, "text": "Stampa del [DATE]"}
      ]
    }]
  }],
  "preview": {"buttons": ["print", "zoom", "fullscreen", "close"]}
})";

// "A4 verticale" / "A4 orizzontale" from pdfinfo's page size.
QString Formato(const QString &pdf)
{
    const auto m = QRegularExpression("^([\\d.]+) x ([\\d.]+) pts \\(A4\\)$").match(Pdf::Info(pdf, "Page size"));
    if (!m.hasMatch()) return Pdf::Info(pdf, "Page size");
    return m.captured(1).toDouble() < m.captured(2).toDouble() ? "A4 verticale" : "A4 orizzontale";
}

QStringList Elenco(int n)
{
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r << QStringLiteral("RIGA%1 Rossi Mario        Via Roma %2      00184").arg(i, 3, 10, QLatin1Char('0')).arg(i);
    return r;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void schedaEsportataInPdf_data();
    void schedaEsportataInPdf();
    void elencoStampato_data();
    void elencoStampato();
    void rigaLungaTagliata();
    void colonneCompatte_data();
    void colonneCompatte();
    void elencoLeggibile();
    void preparaScartaIlRisultatoPrecedente();
    void avanzamentoSuPreparazioneLunga();
    void anteprima();
    void nessunaStampante();

private:
    QTemporaryDir dir_;
    QString Pdf(const QString &nome) const { return dir_.filePath(nome); }
};

void TestReport::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QSKIP("poppler-utils (pdftotext, pdfinfo) not installed");
    QVERIFY(dir_.isValid());
    InstallaSostituzioniFont();
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(10, 30)));
}

void TestReport::cleanup()
{
    ImpostaStampaSuPdf(QString());
    TAvanzamento::ImpostaRitardoMs(500);
}

void TestReport::schedaEsportataInPdf_data()
{
    QTest::addColumn<bool>("verticale");
    QTest::addColumn<QString>("formato");
    QTest::newRow("pagina 1 impostata verticale") << true << "A4 verticale";
    QTest::newRow("orientamento del modello (orizzontale)") << false << "A4 orizzontale";
}

void TestReport::schedaEsportataInPdf()
{
    QFETCH(bool, verticale);
    QFETCH(QString, formato);
    TReport rep(kScheda);
    QVERIFY(rep.TrovaMemo("txtCampo01"));
    QVERIFY(!rep.TrovaMemo("shpCornice")); // a frame is not a memo
    QVERIFY(!rep.TrovaMemo("txtNessuno"));
    QVERIFY(rep.Pagina(1) && !rep.Pagina(2));

    if (verticale) rep.Pagina(1)->ImpostaOrientamento(QPageLayout::Portrait);
    rep.TrovaMemo("txtTitolo")->ImpostaTesto("SCHEDA ANAGRAFICA CLIENTE");
    rep.TrovaMemo("txtCampo01")->ImpostaTesto("Rossi Mario");
    // Memos show texts literally: no expression is evaluated in a filled memo.
    rep.TrovaMemo("txtCampo02")->ImpostaTesto("Nota con [DATE] & <b>testo</b>");
    rep.Prepara();
    QCOMPARE(rep.PagineCount(), 1);

    TEsportazionePdf pdf;
    pdf.fileName = Pdf("Contatto.pdf");
    pdf.title = "Scheda informativa";
    pdf.subject = "Scheda di prova";
    pdf.author = "Autore Èlla";
    pdf.creator = "Pratovia";
    QVERIFY(rep.EsportaPdf(pdf));

    const QString testo = Pdf::Testo(pdf.fileName);
    QVERIFY2(testo.contains("SCHEDA ANAGRAFICA CLIENTE"), qPrintable(testo));
    QVERIFY(testo.contains("Etichetta fissa:"));
    QVERIFY(testo.contains("Rossi Mario"));
    QVERIFY(testo.contains("Nota con [DATE] & <b>testo</b>"));
    QVERIFY(testo.contains("Stampa del 05/03/2024"));
    QVERIFY(!testo.contains("Titolo Scheda"));
    QCOMPARE(Pdf::Info(pdf.fileName, "Title"), pdf.title);
    QCOMPARE(Pdf::Info(pdf.fileName, "Subject"), pdf.subject);
    QCOMPARE(Pdf::Info(pdf.fileName, "Author"), pdf.author);
    QCOMPARE(Pdf::Info(pdf.fileName, "Creator"), pdf.creator);
    QCOMPARE(Pdf::Info(pdf.fileName, "Pages"), QString("1"));
    QCOMPARE(Formato(pdf.fileName), formato);

    // Exporting again replaces the file.
    rep.TrovaMemo("txtCampo01")->ImpostaTesto("Bianchi Anna");
    rep.Prepara();
    QVERIFY(rep.EsportaPdf(pdf));
    const QString nuovo = Pdf::Testo(pdf.fileName);
    QVERIFY(nuovo.contains("Bianchi Anna"));
    QVERIFY(!nuovo.contains("Rossi Mario"));
}

// The summary list printed through the print-to-PDF switch: title on the
// first page only, every line once and in order, the footer once after the
// last line.
void TestReport::elencoStampato_data()
{
    QTest::addColumn<int>("righe");
    QTest::addColumn<QStringList>("aggiuntive");
    QTest::addColumn<int>("pagineMinime");
    QTest::newRow("lista vuota") << 0 << QStringList() << 1;
    QTest::newRow("lista vuota con righe della finestra")
        << 0 << QStringList{"--------------------------", "TOTALE IMPORTI:    0,00"} << 1;
    QTest::newRow("tre righe") << 3 << QStringList() << 1;
    QTest::newRow("200 righe") << 200 << QStringList() << 3;
    QTest::newRow("200 righe con totale")
        << 200 << QStringList{"- - - - - - - - - - - - - - - -", "TOTALE IMPORTI:            € 1234,50"} << 3;
}

void TestReport::elencoStampato()
{
    QFETCH(int, righe);
    QFETCH(QStringList, aggiuntive);
    QFETCH(int, pagineMinime);
    const QString pdf = Pdf("elenco.pdf");
    QFile::remove(pdf);
    ImpostaStampaSuPdf(pdf);

    TReport frxReport(ModelloRiepilogoDati());
    const QString titolo = "Riepilogo chiamate di prova";
    const QStringList corpo = Elenco(righe) + aggiuntive;
    QVERIFY(StampaRiepilogo(frxReport, titolo, Elenco(righe), aggiuntive));
    QVERIFY(QFile::exists(pdf));

    const int pagine = Pdf::Info(pdf, "Pages").toInt();
    QCOMPARE(pagine, frxReport.PagineCount());
    QVERIFY2(pagine >= pagineMinime, qPrintable(QString::number(pagine)));
    QCOMPARE(Formato(pdf), QString("A4 orizzontale"));
    QCOMPARE(Pdf::Info(pdf, "Title"), QString("Riepilogo dati"));

    const QString piede = "Stampa eseguita in data 05/03/2024";
    qsizetype prossima = 0; // index in `corpo` of the next line expected
    for (int p = 1; p <= pagine; ++p) {
        const QString testo = Pdf::Testo(pdf, p);
        QCOMPARE(testo.count(titolo), p == 1 ? 1 : 0);
        QCOMPARE(testo.count(piede), p == pagine ? 1 : 0);
        for (const QString &riga : testo.split(u'\n')) {
            // pdftotext rebuilds the blanks between words from their positions.
            const QString t = riga.simplified();
            if (t.isEmpty() || t == titolo || t == piede) continue;
            QVERIFY2(prossima < corpo.size(), qPrintable("riga in più: " + t));
            QCOMPARE(t, corpo[prossima].simplified());
            ++prossima;
            if (p == pagine && prossima == corpo.size()) {
                // Nothing but the footer after the last line.
                const QString dopo = testo.mid(testo.indexOf(riga) + riga.size()).trimmed();
                QCOMPARE(dopo, piede);
            }
        }
    }
    QCOMPARE(prossima, corpo.size());

    // The body is in a fixed-pitch font, so the columns line up on paper.
    if (!QStandardPaths::findExecutable("pdffonts").isEmpty() && !corpo.isEmpty()) {
        const QString fonts = Pdf::Esegui("pdffonts", {pdf});
        QVERIFY2(fonts.contains("LiberationMono") || fonts.contains("CourierNew") || fonts.contains("Courier New"),
                 qPrintable(fonts));
    }
}

void TestReport::rigaLungaTagliata()
{
    const QString pdf = Pdf("lunga.pdf");
    ImpostaStampaSuPdf(pdf);
    TReport frxReport(ModelloRiepilogoDati());
    QString lunga;
    for (int i = 1; i <= 40; ++i) lunga += QStringLiteral("C%1 ").arg(i, 3, 10, QLatin1Char('0')); // 200 characters
    lunga += "FINE";
    QVERIFY(StampaRiepilogo(frxReport, "Titolo", {"prima", lunga, "dopo"}));

    const QString testo = Pdf::Testo(pdf);
    const QStringList righe = testo.split(u'\n', Qt::SkipEmptyParts);
    const qsizetype i = righe.indexOf(QRegularExpression("^\\s*C001 .*"));
    QVERIFY2(i >= 0, qPrintable(testo));
    const QString stampata = righe[i].trimmed();
    // Cut at the memo's width (273 mm minus the gaps: about 160 characters
    // of 8 pt Courier), never continued on the next line.
    QVERIFY2(stampata.size() >= 150 && stampata.size() < 170, qPrintable(stampata));
    QVERIFY(lunga.startsWith(stampata));
    QVERIFY(!testo.contains("FINE"));
    QCOMPARE(righe.value(i + 1).trimmed(), QString("dopo"));
    QCOMPARE(righe.value(i - 1).trimmed(), QString("prima"));
}

void TestReport::colonneCompatte_data()
{
    QTest::addColumn<QStringList>("righe");
    QTest::addColumn<QStringList>("compatte");
    QTest::newRow("colonne allineate") << QStringList{"A:  x        B: 1", "A:  yyyy     B: 22"}
                                       << QStringList{"A:  x     B: 1", "A:  yyyy  B: 22"};
    QTest::newRow("blank di una riga sola restano") << QStringList{"ab    cd", "abxxxxcd"}
                                                    << QStringList{"ab    cd", "abxxxxcd"};
    QTest::newRow("righe di lunghezze diverse") << QStringList{"a     b", "a"} << QStringList{"a  b", "a"};
    QTest::newRow("lista vuota") << QStringList{} << QStringList{};
}

void TestReport::colonneCompatte()
{
    QFETCH(QStringList, righe);
    QFETCH(QStringList, compatte);
    QCOMPARE(ColonneCompatte(righe), compatte);
}

// A short list printed to be read at arm's length: every value whole, in a
// larger font than the plain list.
void TestReport::elencoLeggibile()
{
    const QStringList righe = {
        "Data: 09/03/2024   Ora: 10:00   Servizi: Consulenza fiscale" + QString(40, ' ') + "  Agente: Rossi"
            + QString(23, ' ') + "  Costo: € 120,50",
        "Data: 10/03/2024   Ora: 16:30   Servizi: Perizia         " + QString(42, ' ') + "  Agente: Bianchi"
            + QString(21, ' ') + "  Costo: € 79,50",
    };
    auto altezza = [](const QString &pdf, const QString &parola) {
        const QString xml = Pdf::Esegui("pdftotext", {"-bbox", pdf, "-"});
        const auto m = QRegularExpression("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">"
                                          + QRegularExpression::escape(parola) + "<")
                           .match(xml);
        return m.hasMatch() ? m.captured(2).toDouble() - m.captured(1).toDouble() : 0.0;
    };
    const QString semplice = Pdf("semplice.pdf"), leggibile = Pdf("leggibile.pdf");
    ImpostaStampaSuPdf(semplice);
    TReport a(ModelloRiepilogoDati());
    QVERIFY(StampaRiepilogo(a, "Servizi", righe, {"TOTALE IMPORTI:    € 200,00"}));
    ImpostaStampaSuPdf(leggibile);
    TReport b(ModelloRiepilogoDati());
    QVERIFY(StampaRiepilogoLeggibile(b, "Servizi", righe, {"TOTALE IMPORTI:    € 200,00"}));
    ImpostaStampaSuPdf(QString());

    const QString testo = Pdf::Testo(leggibile);
    const QStringList attesi = {"Consulenza fiscale", "Agente: Rossi", "€ 120,50", "€ 79,50", "TOTALE IMPORTI:"};
    for (const QString &atteso : attesi)
        QVERIFY2(testo.contains(atteso), qPrintable(testo));
    const double h8 = altezza(semplice, "Consulenza"), hl = altezza(leggibile, "Consulenza");
    QVERIFY2(h8 > 0 && hl > 1.3 * h8, qPrintable(QString("%1 vs %2").arg(hl).arg(h8)));
}

void TestReport::preparaScartaIlRisultatoPrecedente()
{
    TReport frxReport(ModelloRiepilogoDati());
    CompilaRiepilogo(frxReport, "Titolo", Elenco(200));
    frxReport.Prepara();
    const int molte = frxReport.PagineCount();
    QVERIFY(molte > 1);
    CompilaRiepilogo(frxReport, "Titolo", Elenco(3));
    QCOMPARE(frxReport.TrovaMemo("txtRiepilogo")->height, 3 * 12.822);
    QCOMPARE(frxReport.TrovaBanda("MasterData")->height, 3 * 12.822 + 10);
    frxReport.Prepara();
    QCOMPARE(frxReport.PagineCount(), 1);
    // Printing twice prints the same pages, not the earlier ones added up.
    frxReport.Prepara();
    QCOMPARE(frxReport.PagineCount(), 1);
}

void TestReport::avanzamentoSuPreparazioneLunga()
{
    TAvanzamento::ImpostaRitardoMs(0);
    bool vista = false;
    QTimer sonda;
    connect(&sonda, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QProgressDialog *>(w) && w->isVisible()) vista = true;
    });
    sonda.start(0);
    TReport frxReport(ModelloRiepilogoDati());
    CompilaRiepilogo(frxReport, "Titolo", Elenco(30000));
    frxReport.Prepara();
    QVERIFY2(vista, "no progress window while preparing");
    QVERIFY(frxReport.PagineCount() > 500);
}

void TestReport::anteprima()
{
    TReport rep(kScheda);
    rep.TrovaMemo("txtCampo01")->ImpostaTesto("Rossi Mario");
    rep.Prepara();
    QStringList azioni;
    int pagine = -1;
    RisposteInOrdine risposte;
    risposte.altra = [&](QWidget *w) {
        auto *a = qobject_cast<TfrmAnteprimaReport *>(w);
        if (!a) {
            w->close();
            return;
        }
        for (const char *n : {"btnStampa", "btnZoomPiu", "btnZoomMeno", "btnSchermoIntero", "btnChiudi",
                              "btnPrima", "btnSuccessiva"})
            if (a->Azione(n)) azioni << n;
        pagine = a->Vista()->pageCount();
        a->Azione("btnChiudi")->trigger();
    };
    rep.Anteprima();
    // The buttons this template enables, and no page navigator.
    QCOMPARE(azioni, (QStringList{"btnStampa", "btnZoomPiu", "btnZoomMeno", "btnSchermoIntero", "btnChiudi"}));
    QCOMPARE(pagine, 1);
}

void TestReport::nessunaStampante()
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this machine has printers installed");
    TReport frxReport(ModelloRiepilogoDati());
    RisposteInOrdine risposte;
    QVERIFY(!StampaRiepilogo(frxReport, "Titolo", Elenco(3)));
    QCOMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, Attesi::NessunaStampante);
    QCOMPARE(risposte.Box()[0].icona, QMessageBox::Critical);
}

QTEST_MAIN(TestReport)
#include "test_output_report.moc"

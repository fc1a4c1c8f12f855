// Card printing shared by the card windows: memo texts from a card's fields,
// and a small second mapping (a call-like card on the client template)
// printed and saved as PDF, read back with poppler.
#include "Desktop.h"
#include "Pdf.h"
#include "storage/Cartella.h"
#include "output/ModelliReport.h"
#include "output/Report.h"
#include "output/SchedaReport.h"
#include "output/Stampa.h"
#include "test_output_risposte.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <stdexcept>

namespace {

// The texts of a small card, indexed by field.
enum Campo { Giorno, Mese, Anno, Ore, Minuti, Oggetto, Carta, Scadenza, NumCampi };

std::vector<QString> Testi(std::initializer_list<std::pair<Campo, QString>> valori)
{
    std::vector<QString> t(NumCampi);
    for (const auto &[c, v] : valori) t[c] = v;
    return t;
}

// A mapping as a call card gives it, onto the memos of the client template.
const std::vector<VoceScheda> kVoci = {
    {"txtTitolo", "SCHEDA DI PROVA"},
    {"titCampo01", "Data chiamata:"},
    {"txtCampo01", "", {Giorno, Mese, Anno}, " "},
    {"titCampo02", "Ora chiamata:"},
    {"txtCampo02", "", {Ore, Minuti}, ":"},
    {"titCampo03", "Oggetto:"},
    {"txtCampo03", "", {Oggetto}},
};

const QDateTime kMomento(QDate(2024, 3, 5), QTime(9, 7, 30));

} // namespace

class TestOutputScheda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void voce_data();
    void voce();
    void memoInOrdine();
    void modelloMancante();
    void pdf_data();
    void pdf();
    void stampa();

private:
    QTemporaryDir dir_;
    std::optional<RaccoglitoreUrl> desktop_;
};

void TestOutputScheda::initTestCase()
{
    QVERIFY(dir_.isValid());
    InstallaSostituzioniFont();
    desktop_.emplace(QStringList{"file"});
}

void TestOutputScheda::init()
{
    desktop_->aperti.clear();
    ImpostaCartellaProgramma(dir_.path() + "/");
    ImpostaOrologio(kMomento);
}

void TestOutputScheda::cleanup()
{
    ImpostaStampaSuPdf(QString());
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
}

void TestOutputScheda::voce_data()
{
    QTest::addColumn<int>("voce");
    QTest::addColumn<std::vector<QString>>("testi");
    QTest::addColumn<QString>("testo");
    QTest::newRow("testo fisso") << 1 << Testi({}) << "Data chiamata:";
    QTest::newRow("tre campi, ciascuno senza blank")
        << 2 << Testi({{Giorno, " 05"}, {Mese, "Marzo "}, {Anno, "2024"}}) << "05 Marzo 2024";
    QTest::newRow("ora senza ore") << 4 << Testi({{Minuti, "30"}}) << ":30";
    QTest::newRow("campi vuoti: restano le unioni") << 2 << Testi({}) << "  ";
}

void TestOutputScheda::voce()
{
    QFETCH(int, voce);
    QFETCH(std::vector<QString>, testi);
    QFETCH(QString, testo);
    QCOMPARE(TestoVoce(kVoci[size_t(voce)], testi), testo);
}

// Memos in the order of the mapping, then the footer with the moment given.
void TestOutputScheda::memoInOrdine()
{
    const VoceScheda carta{"txtCampo16", "N. ", {Carta, Scadenza}, "  -  Scadenza: "};
    const QVector<TestoMemo> m =
        TestiMemo({kVoci[0], carta}, Testi({{Scadenza, " 12/2027 "}}), "txtCalce", kMomento);
    QCOMPARE(m.size(), 3);
    QCOMPARE(m[0].memo, QString("txtTitolo"));
    QCOMPARE(m[0].testo, QString("SCHEDA DI PROVA"));
    QCOMPARE(m[1].memo, QString("txtCampo16"));
    QCOMPARE(m[1].testo, QString("N.   -  Scadenza: 12/2027"));
    QCOMPARE(m[2].memo, QString("txtCalce"));
    QCOMPARE(m[2].testo, QString("Stampa eseguita in data 05/03/2024 alle ore 09:07:30"));
    QCOMPARE(TestiMemo({kVoci[0]}, Testi({}), QString(), kMomento).size(), 1);

    // Filling sets page 1 to portrait and only the memos named.
    TReport modulo(ModelloReport("repScheda"));
    modulo.Pagina(1)->ImpostaOrientamento(QPageLayout::Landscape);
    CompilaModulo(modulo, m);
    QCOMPARE(modulo.Pagina(1)->orientamento, QPageLayout::Portrait);
    QCOMPARE(modulo.TrovaMemo("txtCampo16")->Testo(), QString("N.   -  Scadenza: 12/2027"));
    QCOMPARE(modulo.TrovaMemo("txtCampo15")->Testo(), QString("Campo 15"));
}

void TestOutputScheda::modelloMancante()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ModelloReport("repInesistente"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ModelloReport(QString()));
}

void TestOutputScheda::pdf_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("risposta");
    QTest::addColumn<bool>("aperto");
    QTest::newRow("Sì: il PDF si apre") << QMessageBox::Yes << true;
    QTest::newRow("No: il PDF resta chiuso") << QMessageBox::No << false;
}

// The PDF under the file name and title the card gives, replacing an older
// file, with the memos of the mapping; the question, then opened or not.
void TestOutputScheda::pdf()
{
    QFETCH(QMessageBox::StandardButton, risposta);
    QFETCH(bool, aperto);
    const QString path = CartellaProgramma() + "Chiamata.pdf";
    {
        QFile vecchio(path);
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("scheda precedente");
    }
    const auto testi = Testi({{Giorno, "05"}, {Mese, "Marzo"}, {Anno, "2024"}, {Minuti, "30"}, {Oggetto, "Preventivo"}});
    RisposteInOrdine r({risposta});
    QVERIFY(PdfModulo(nullptr, "repScheda", TestiMemo(kVoci, testi, "txtCalce", Adesso()), "Chiamata.pdf",
                      "Scheda chiamata"));
    QCOMPARE(r.Testi(), QStringList({"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                                     "Il file è stato salvato in:\r\n"
                                         + QDir::toNativeSeparators(CartellaProgramma() + "Chiamata.pdf")
                                         + "\r\n\r\nSi vuole aprire il file?"}));
    QCOMPARE(r.Box()[0].bottoni, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(desktop_->File(), aperto ? QStringList{path} : QStringList());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("%PDF"));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    QCOMPARE(Pdf::Info(path, "Title"), QString("Scheda chiamata"));
    QCOMPARE(Pdf::Info(path, "Subject"), QString("Scheda chiamata"));
    const QStringList righe = Pdf::Righe(path);
    for (const char *attesa : {"SCHEDA DI PROVA", "Data chiamata: 05 Marzo 2024", "Ora chiamata: :30",
                               "Oggetto: Preventivo", "Stampa eseguita in data 05/03/2024 alle ore 09:07:30"})
        QVERIFY2(righe.contains(attesa), qPrintable(QString(attesa) + "\n---\n" + righe.join('\n')));
}

// Printing asks nothing and writes no PDF of its own.
void TestOutputScheda::stampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    const QString stampato = dir_.filePath("stampato.pdf");
    ImpostaStampaSuPdf(stampato);
    RisposteInOrdine r;
    QVERIFY(StampaModulo(nullptr, "repScheda",
                         TestiMemo(kVoci, Testi({{Oggetto, "Reclamo"}}), "txtCalce", Adesso())));
    QVERIFY(r.Box().isEmpty());
    const QStringList righe = Pdf::Righe(stampato);
    QVERIFY2(righe.contains("Oggetto: Reclamo"), qPrintable(righe.join('\n')));
    QVERIFY2(righe.contains("SCHEDA DI PROVA"), qPrintable(righe.join('\n')));
}

QTEST_MAIN(TestOutputScheda)
#include "test_output_scheda.moc"

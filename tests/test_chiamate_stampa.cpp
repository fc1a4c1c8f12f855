// The call card on paper and in the preview: what each row of the printed
// page reads (from the PDF), the footer's moment, a long subject, and the two
// small windows themselves.
#include "Pdf.h"
#include "calls/TfrmAnteprimaChiamata.h"
#include "calls/TfrmStampaChiamata.h"
#include "output/Anteprima.h"
#include "output/ModelliReport.h"
#include "output/Report.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "ui/Stile.h"
#include "test_output_risposte.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using K = LayoutChiamata;
using Modifiche = QList<QPair<int, QString>>;
Q_DECLARE_METATYPE(Modifiche)

namespace {

// A call card as its controls show it, untrimmed where a user may leave blanks.
TestiChiamata Scheda()
{
    TestiChiamata t;
    t[K::GiornoRit] = "05";
    t[K::MeseRit] = "Marzo";
    t[K::AnnoRit] = "2024";
    t[K::DataRit] = "05/03/2024";
    t[K::OreRit] = "09";
    t[K::MinutiRit] = "07";
    t[K::OraRit] = "09:07";
    t[K::Tipo] = "In entrata";
    t[K::Oggetto] = "Preventivo caldaia";
    t[K::Esito] = "Richiamare domani";
    t[K::Grado] = "Soddisfatto";
    t[K::Durata] = "10 minuti";
    t[K::Cliente] = "  Rossi Mario  ";
    t[K::CodFisc] = "RSSMRA80A01H501U";
    t[K::Zona] = "Centro storico";
    t[K::Recapito] = "06 5551234";
    t[K::TelCel] = "333 1234567";
    t[K::Email] = "mario.rossi@example.it";
    t[K::Note] = "Preferisce essere chiamato di mattina";
    t[K::Operatore] = "Anna Verdi";
    return t;
}

// The moment of printing, far from the call's own date.
const QDateTime kStampa(QDate(2026, 12, 10), QTime(18, 45, 12));

} // namespace

class TestChiamateStampa : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stampata_data();
    void stampata();
    void oggettoLungo();
    void annulla();
    void anteprima();
    void finestre_data();
    void finestre();

private:
    QTemporaryDir dir_;
    QString pdf_;
};

void TestChiamateStampa::initTestCase()
{
    QVERIFY(dir_.isValid());
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
    pdf_ = dir_.filePath("stampa.pdf");
}

void TestChiamateStampa::init()
{
    ImpostaCartellaProgramma(dir_.path() + "/");
    ImpostaOrologio(kStampa);
    ImpostaStampaSuPdf(pdf_);
    QFile::remove(pdf_);
}

void TestChiamateStampa::cleanup()
{
    ImpostaStampaSuPdf(QString());
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
}

// Each row as printed: label and value side by side; the card's texts changed
// by `modifiche` first.
void TestChiamateStampa::stampata_data()
{
    QTest::addColumn<Modifiche>("modifiche");
    QTest::addColumn<QStringList>("righe");

    const QStringList tutte = {
        "SCHEDA INFORMATIVA CHIAMATA",
        "Data chiamata: 05 Marzo 2024",
        "Ora chiamata: 09:07",
        "Tipo chiamata: In entrata",
        "Oggetto: Preventivo caldaia",
        "Esito: Richiamare domani",
        "Grado soddisfazione: Soddisfatto",
        "Durata: 10 minuti",
        "Cognome e nome cliente: Rossi Mario",
        "Codice fiscale: RSSMRA80A01H501U",
        "Zona di appartenenza: Centro storico",
        "Tel. preferenziale: 06 5551234",
        "Tel. cellulare: 333 1234567",
        "E-mail: mario.rossi@example.it",
        "Note: Preferisce essere chiamato di mattina",
        "Operatore / Agente: Anna Verdi",
        "Stampa eseguita in data 10/12/2026 alle ore 18:45:12",
    };
    QTest::newRow("scheda completa, il mese per nome") << Modifiche() << tutte;

    QStringList senzaOra = tutte;
    senzaOra[2] = "Ora chiamata: :07";
    QTest::newRow("ora svuotata: due punti e minuti") << Modifiche{{K::OreRit, ""}} << senzaOra;

    QStringList modificata = tutte;
    modificata[1] = "Data chiamata: 31 Dicembre 2023";
    modificata[14] = "Note:";
    QTest::newRow("modificata e non salvata, campo vuoto")
        << Modifiche{{K::GiornoRit, " 31 "}, {K::MeseRit, "Dicembre"}, {K::AnnoRit, "2023"}, {K::Note, "   "}}
        << modificata;
}

void TestChiamateStampa::stampata()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    QFETCH(Modifiche, modifiche);
    QFETCH(QStringList, righe);
    TestiChiamata t = Scheda();
    for (const auto &[campo, testo] : modifiche) t[size_t(campo)] = testo;
    TfrmStampaChiamata w(nullptr, t);
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(Pdf::Righe(pdf_), righe);
}

// 250 characters of subject stay on one printed line, cut at the memo's edge.
void TestChiamateStampa::oggettoLungo()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    TestiChiamata t = Scheda();
    QString oggetto;
    for (int i = 0; oggetto.size() < 250; ++i) oggetto += QString("parola%1 ").arg(i, 3, 10, QChar('0'));
    oggetto = oggetto.left(250);
    t[K::Oggetto] = oggetto;
    TfrmStampaChiamata w(nullptr, t);
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    const QStringList righe = Pdf::Righe(pdf_);
    QCOMPARE(righe.size(), 17);
    QCOMPARE(righe[5], QString("Esito: Richiamare domani"));
    const QString stampato = righe[4];
    QVERIFY2(stampato.startsWith("Oggetto: parola000 parola001"), qPrintable(stampato));
    const QString valore = stampato.mid(9);
    QVERIFY2(valore.size() > 40 && valore.size() < 200, qPrintable(stampato));
    QVERIFY(oggetto.startsWith(valore.left(valore.size() - 1)));
    QVERIFY(Pdf::Esegui("pdfinfo", {pdf_}).contains("(A4)"));
    QCOMPARE(TReport(ModelloReport("repDocumento")).Nome(), QString("Scheda chiamata"));
}

void TestChiamateStampa::annulla()
{
    TfrmStampaChiamata w(nullptr, Scheda());
    w.show();
    QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(pdf_));
}

// The preview: the filled card, with print, zoom, full screen and close.
void TestChiamateStampa::anteprima()
{
    QStringList azioni;
    int pagine = 0;
    RisposteInOrdine r;
    r.altra = [&](QWidget *w) {
        if (auto *a = qobject_cast<TfrmAnteprimaReport *>(w)) {
            if (a->Vista()) pagine = a->Vista()->pageCount();
            for (const char *n : {"btnStampa", "btnZoomPiu", "btnSchermoIntero", "btnChiudi", "btnPrima"})
                if (a->Azione(n)) azioni << n;
        }
        w->close();
    };
    TfrmAnteprimaChiamata w(nullptr, Scheda());
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    QCOMPARE(pagine, 1);
    QCOMPARE(azioni, QStringList({"btnStampa", "btnZoomPiu", "btnSchermoIntero", "btnChiudi"}));
    QVERIFY(!w.isVisible());
    QVERIFY(!QFile::exists(pdf_));
}

void TestChiamateStampa::finestre_data()
{
    QTest::addColumn<bool>("stampa");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("azione");
    QTest::newRow("stampa") << true << " Stampa documento" << "Stampa";
    QTest::newRow("anteprima") << false << " Anteprima di stampa" << "Mostra anteprima";
}

void TestChiamateStampa::finestre()
{
    QFETCH(bool, stampa);
    QFETCH(QString, titolo);
    QFETCH(QString, azione);
    QWidget scheda;
    scheda.setGeometry(100, 80, 900, 600);
    scheda.show();
    std::unique_ptr<TFinestraStampaChiamata> w;
    if (stampa) w = std::make_unique<TfrmStampaChiamata>(&scheda, Scheda());
    else w = std::make_unique<TfrmAnteprimaChiamata>(&scheda, Scheda());
    w->show();
    QCOMPARE(w->windowTitle(), titolo);
    QCOMPARE(w->btnStampa->text(), azione);
    QCOMPARE(w->btnAnnulla->text(), QString("Annulla"));
    QVERIFY(w->isModal());
    QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY((w->frameGeometry().center() - scheda.frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(w->Testi()[K::Cliente], QString("  Rossi Mario  "));
}

QTEST_MAIN(TestChiamateStampa)
#include "test_chiamate_stampa.moc"

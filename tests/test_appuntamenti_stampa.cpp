// The appointment card on paper and in the preview: what each row of the
// printed page reads (from the PDF), the footer's moment, and the two small
// windows themselves, opened from the card.
#include "Pdf.h"
#include "appointments/TfrmStampaScadenza.h"
#include "appointments/TfrmStartup.h"
#include "output/Anteprima.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "ui/Stile.h"
#include "test_output_risposte.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using K = LayoutAppuntamento;
using Modifiche = QList<QPair<int, QString>>;
Q_DECLARE_METATYPE(Modifiche)

namespace {

// An appointment card as its controls show it, untrimmed where a user may
// leave blanks.
TestiAppuntamento Scheda()
{
    TestiAppuntamento t;
    t[K::Data] = "05/03/2025";
    t[K::OreApp] = "09";
    t[K::MinutiApp] = "30";
    t[K::Ora] = "08:00"; // the time last saved: printing takes the boxes
    t[K::Avviso] = "3";
    t[K::Tipologia] = "Anna Verdi";
    t[K::Causale] = "Consulenza fiscale";
    t[K::Dettagli] = "Dichiarazione dei redditi";
    t[K::Contatto] = "  Rossi Mario  ";
    t[K::Tel] = "06 5551234";
    t[K::Cel] = "3331234567";
    t[K::Email] = "mario.rossi@example.it";
    t[K::Luogo] = "Bonifico bancario";
    t[K::Importo] = "120,00";
    t[K::Note] = "Portare i documenti";
    t[K::Ottemperata] = "No";
    return t;
}

// The moment of printing, far from the appointment's own date.
const QDateTime kStampa(QDate(2026, 12, 10), QTime(18, 45, 12));

} // namespace

class TestAppuntamentiStampa : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stampata_data();
    void stampata();
    void annulla();
    void anteprima();
    void finestre_data();
    void finestre();

private:
    QTemporaryDir dir_;
    QString pdf_;
};

void TestAppuntamentiStampa::initTestCase()
{
    QVERIFY(dir_.isValid());
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
    pdf_ = dir_.filePath("stampa.pdf");
}

void TestAppuntamentiStampa::init()
{
    ImpostaCartellaProgramma(dir_.path() + "/");
    ImpostaOrologio(kStampa);
    ImpostaStampaSuPdf(pdf_);
    QFile::remove(pdf_);
}

void TestAppuntamentiStampa::cleanup()
{
    ImpostaStampaSuPdf(QString());
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
}

void TestAppuntamentiStampa::stampata_data()
{
    QTest::addColumn<Modifiche>("modifiche");
    QTest::addColumn<QStringList>("righe");

    const QStringList tutte = {
        "SCHEDA APPUNTAMENTO",
        "Data appuntamento: 05/03/2025",
        "Ora: 09:30",
        "Agente: Anna Verdi",
        "Servizi richiesti: Consulenza fiscale",
        "Dettagli: Dichiarazione dei redditi",
        "Cliente: Rossi Mario",
        "Telefono: 06 5551234",
        "Cellulare: 3331234567",
        "E-mail: mario.rossi@example.it",
        "Modalità di pagamento: Bonifico bancario",
        "Importo: 120,00",
        "Note: Portare i documenti",
        "Impegno assolto: No",
        "Stampa eseguita in data 10/12/2026 alle ore 18:45:12",
    };
    QTest::newRow("whole card") << Modifiche() << tutte;

    QStringList senzaOra = tutte;
    senzaOra[2] = "Ora: :";
    QTest::newRow("time boxes emptied: a lone colon") << Modifiche{{K::OreApp, ""}, {K::MinutiApp, ""}} << senzaOra;

    QStringList modificata = tutte;
    modificata[4] = "Servizi richiesti: Perizia tecnica";
    modificata[12] = "Note:";
    modificata[13] = "Impegno assolto: Sì";
    QTest::newRow("edited, not saved, ticked, a field of blanks")
        << Modifiche{{K::Causale, " Perizia tecnica "}, {K::Note, "   "}, {K::Ottemperata, "Sì"}} << modificata;
}

void TestAppuntamentiStampa::stampata()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    QFETCH(Modifiche, modifiche);
    QFETCH(QStringList, righe);
    TestiAppuntamento t = Scheda();
    for (const auto &[campo, testo] : modifiche) t[size_t(campo)] = testo;
    TfrmStampaScadenza w(nullptr, t);
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(Pdf::Righe(pdf_), righe);
    QVERIFY(Pdf::Esegui("pdfinfo", {pdf_}).contains("(A4)"));
    QCOMPARE(Pdf::Info(pdf_, "Pages"), QString("1"));
}

void TestAppuntamentiStampa::annulla()
{
    TfrmStampaScadenza w(nullptr, Scheda());
    w.show();
    QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(pdf_));
}

// The preview: the filled card, with print, zoom, full screen and close.
void TestAppuntamentiStampa::anteprima()
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
    TfrmStartup w(nullptr, Scheda());
    w.show();
    QTest::mouseClick(w.btnStampa, Qt::LeftButton);
    QCOMPARE(pagine, 1);
    QCOMPARE(azioni, QStringList({"btnStampa", "btnZoomPiu", "btnSchermoIntero", "btnChiudi"}));
    QVERIFY(!w.isVisible());
    QVERIFY(!QFile::exists(pdf_));
}

void TestAppuntamentiStampa::finestre_data()
{
    QTest::addColumn<bool>("stampa");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("azione");
    QTest::newRow("print") << true << " Stampa scheda" << "Stampa";
    QTest::newRow("preview") << false << " Anteprima di stampa" << "Mostra anteprima";
}

void TestAppuntamentiStampa::finestre()
{
    QFETCH(bool, stampa);
    QFETCH(QString, titolo);
    QFETCH(QString, azione);
    QWidget scheda;
    scheda.setGeometry(100, 80, 900, 600);
    scheda.show();
    std::unique_ptr<TFinestraStampaScheda> w;
    if (stampa) w = std::make_unique<TfrmStampaScadenza>(&scheda, Scheda());
    else w = std::make_unique<TfrmStartup>(&scheda, Scheda());
    w->show();
    QCOMPARE(w->windowTitle(), titolo);
    QCOMPARE(w->btnStampa->text(), azione);
    QCOMPARE(w->btnAnnulla->text(), QString("Annulla"));
    QVERIFY(w->isModal());
    QVERIFY((w->frameGeometry().center() - scheda.frameGeometry().center()).manhattanLength() <= 2);
}

QTEST_MAIN(TestAppuntamentiStampa)
#include "test_appuntamenti_stampa.moc"

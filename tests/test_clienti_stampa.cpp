// The client sheet: its rows built from the card's texts, and the real
// outputs read back with poppler (the PDF "Contatto.pdf", the printed page
// through the print-to-PDF switch) and the preview window.
#include "storage/Cartella.h"
#include "clients/StampaScheda.h"
#include "clients/TfrmClienti.h"
#include "output/Anteprima.h"
#include "output/Report.h"
#include "output/Stampa.h"
#include "reports/repScheda.h"
#include "test_output_risposte.h"
#include "Desktop.h"
#include "Pdf.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

using C = LayoutCliente;

const QStringList kEtichette = {
    "Cognome e nome:", "Data di nascita:", "Comune di nascita:", "Sesso:", "Tel. preferenziale:",
    "Indirizzo di residenza:", "Comune di residenza:", "Modalità pagamento:", "Tel. casa:", "Tel. ufficio:",
    "Tel. cellulare:", "PEC:", "E-mail:", "Codice fiscale:", "Partita IVA:", "Carta di credito:", "IBAN:",
    "Estremi documento:", "Occupazione:", "Titoli e qualifiche:", "Prodotti e servizi:", "Zona:",
    "Questioni in sospeso:", "Note:"};

// A complete card, with blanks around some texts as a user may leave them.
TestiCliente CartaCompleta()
{
    TestiCliente t;
    t[C::Cliente] = "  Rossi Mario ";
    t[C::DataNasc] = "01/01/1980";
    t[C::ComuneNasc] = "Roma";
    t[C::ProvNasc] = "RM";
    t[C::Sesso] = "M";
    t[C::Recapito] = "06 1234567";
    t[C::IndirizzoRes] = "Via Garibaldi 12";
    t[C::ProvRes] = "MI";
    t[C::ComuneRes] = "Milano";
    t[C::CapRes] = "20121";
    t[C::Estremi] = "Bonifico a 30 giorni";
    t[C::TelCasa] = "02 7654321";
    t[C::TelUff] = "02 1112223";
    t[C::TelCel] = "3331234567";
    t[C::Fax] = "rossi@pec.it";
    t[C::Email] = "mario.rossi@esempio.it";
    t[C::CodFisc] = "RSSMRA80A01H501U";
    t[C::Carta] = "4111111111111111";
    t[C::ScadeCarta] = "12/2027";
    t[C::PartitaIva] = "01234567890";
    t[C::Iban] = "IT60X0542811101000000123456";
    t[C::Documento] = "Carta d'identità AB1234567";
    t[C::Occupazione] = "Ingegnere";
    t[C::Civile] = "Coniugato";
    t[C::Titoli] = "Dottore";
    t[C::Prodotti] = "Consulenza fiscale";
    t[C::Zona] = "Centro storico";
    t[C::Questioni] = "Pratica da chiudere";
    t[C::Note] = "Preferisce essere chiamato di mattina";
    return t;
}

// The printed line of each row: label and value side by side.
QStringList RigheAttese(const TestiCliente &t, UscitaScheda uscita)
{
    QStringList r;
    for (const RigaScheda &riga : RigheScheda(t, uscita)) r << (riga.etichetta + ' ' + riga.valore).simplified();
    return r;
}

QByteArray LeggiFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime kMomento(QDate(2024, 3, 5), QTime(9, 7, 30));

} // namespace

class TestStampaScheda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void righe_data();
    void righe();
    void modelloCompilato();
    void pdf();
    void pdfAperto_data();
    void pdfAperto();
    void pdfNonScritto();
    void stampa();
    void anteprima();
    void dallaScheda();

private:
    QTemporaryDir dir_;
    std::optional<RaccoglitoreUrl> desktop_;
};

void TestStampaScheda::initTestCase()
{
    QVERIFY(dir_.isValid());
    InstallaSostituzioniFont();
    desktop_.emplace(QStringList{"file"});
}

void TestStampaScheda::init()
{
    desktop_->aperti.clear();
    ImpostaCartellaProgramma(dir_.path() + "/");
    ImpostaOrologio(kMomento);
    QFile::remove(dir_.filePath("Contatto.pdf"));
}

void TestStampaScheda::cleanup()
{
    ImpostaStampaSuPdf(QString());
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
}

void TestStampaScheda::cleanupTestCase() { desktop_.reset(); }

// Rows whose value is made of two fields, and the trimming of each part.
void TestStampaScheda::righe_data()
{
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("campo1");
    QTest::addColumn<QString>("testo1");
    QTest::addColumn<int>("campo2");
    QTest::addColumn<QString>("testo2");
    QTest::addColumn<QString>("valore");
    QTest::newRow("comune di nascita e provincia") << 3 << int(C::ComuneNasc) << " Roma " << int(C::ProvNasc) << "RM"
                                                   << "Roma RM";
    QTest::newRow("senza provincia di nascita: il comune e un blank")
        << 3 << int(C::ComuneNasc) << "Roma" << int(C::ProvNasc) << "" << "Roma ";
    QTest::newRow("provincia senza comune") << 7 << int(C::ComuneRes) << "" << int(C::ProvRes) << "MI" << " MI";
    QTest::newRow("carta e scadenza") << 16 << int(C::Carta) << "4111111111111111" << int(C::ScadeCarta)
                                      << " 12/2027 " << "N. 4111111111111111  -  Scadenza: 12/2027";
    QTest::newRow("senza carta né scadenza") << 16 << int(C::Carta) << "" << int(C::ScadeCarta) << ""
                                             << "N.   -  Scadenza: ";
    QTest::newRow("nome tra blank") << 1 << int(C::Cliente) << "  Rossi Mario\t" << int(C::Note) << "" << "Rossi Mario";
    QTest::newRow("il codice fiscale com'è scritto") << 14 << int(C::CodFisc) << "rssmra80a01h501u" << int(C::Note)
                                                     << "" << "rssmra80a01h501u";
}

void TestStampaScheda::righe()
{
    QFETCH(int, riga);
    QFETCH(int, campo1);
    QFETCH(QString, testo1);
    QFETCH(int, campo2);
    QFETCH(QString, testo2);
    QFETCH(QString, valore);
    TestiCliente t;
    t[campo1] = testo1;
    t[campo2] = testo2;
    for (UscitaScheda u : {UscitaScheda::Anteprima, UscitaScheda::Stampa, UscitaScheda::Pdf}) {
        const QVector<RigaScheda> r = RigheScheda(t, u);
        QCOMPARE(r.size(), 24);
        QCOMPARE(r[riga - 1].valore, valore);
        QStringList etichette;
        for (const RigaScheda &x : r) etichette << x.etichetta;
        QStringList attese = kEtichette;
        if (u == UscitaScheda::Pdf) attese[21] = "Zona di appartenenza:";
        QCOMPARE(etichette, attese);
    }
}

// Every design text is replaced, in the memos the template really has.
void TestStampaScheda::modelloCompilato()
{
    TReport repScheda(ModelloScheda());
    QCOMPARE(repScheda.Nome(), QString("Scheda informativa"));
    repScheda.Pagina(1)->ImpostaOrientamento(QPageLayout::Landscape);
    CompilaScheda(repScheda, TestiCliente(), UscitaScheda::Stampa, kMomento);
    QCOMPARE(repScheda.Pagina(1)->orientamento, QPageLayout::Portrait);
    QCOMPARE(repScheda.TrovaMemo("txtTitolo")->Testo(), QString("SCHEDA ANAGRAFICA CLIENTE"));
    QCOMPARE(repScheda.TrovaMemo("txtCalce")->Testo(), QString("Stampa eseguita in data 05/03/2024 alle ore 09:07:30"));
    const QVector<RigaScheda> attese = RigheScheda(TestiCliente(), UscitaScheda::Stampa);
    for (int i = 1; i <= 24; ++i) {
        const QString n = QString("%1").arg(i, 2, 10, QChar('0'));
        QVERIFY2(repScheda.TrovaMemo("titCampo" + n) && repScheda.TrovaMemo("txtCampo" + n), qPrintable(n));
        QCOMPARE(repScheda.TrovaMemo("titCampo" + n)->Testo(), attese[i - 1].etichetta);
        QCOMPARE(repScheda.TrovaMemo("txtCampo" + n)->Testo(), attese[i - 1].valore);
    }
    for (const char *nome : {"imgLogo", "linSepara01", "linSepara02"}) QVERIFY2(repScheda.TrovaOggetto(nome), nome);
}

// "Contatto.pdf": one A4 portrait page with every label and value, the PDF's
// label of the area row, the moment of output, the document properties; an
// earlier file is replaced without a question.
void TestStampaScheda::pdf()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    const QString path = CartellaProgramma() + "Contatto.pdf";
    {
        QFile vecchio(path);
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("scheda precedente");
    }
    TestiCliente t = CartaCompleta();
    // A note of 250 characters is one line cut at the memo's edge.
    t[C::Note] = QString("Inizio della nota ") + QString("lunga ").repeated(38) + "FINE";
    t[C::Note].truncate(250);
    const QString fineNota = t[C::Note].right(12);
    RisposteInOrdine r({QMessageBox::No});
    PdfScheda(nullptr, t);
    QCOMPARE(r.Box().size(), 1);

    QVERIFY(LeggiFile(path).startsWith("%PDF"));
    QCOMPARE(Pdf::Info(path, "Pages"), QString("1"));
    QVERIFY(Pdf::Info(path, "Page size").contains("(A4)"));
    QCOMPARE(Pdf::Info(path, "Title"), QString("Scheda informativa"));
    QCOMPARE(Pdf::Info(path, "Subject"), QString("Scheda informativa"));

    const QStringList righe = Pdf::Righe(path);
    QVERIFY2(righe.contains("SCHEDA ANAGRAFICA CLIENTE"), qPrintable(righe.join('\n')));
    const QStringList attese = RigheAttese(t, UscitaScheda::Pdf);
    for (int i = 0; i < 23; ++i) QVERIFY2(righe.contains(attese[i]), qPrintable(attese[i] + "\n---\n" + righe.join('\n')));
    QVERIFY(righe.contains("Zona di appartenenza: Centro storico"));
    QVERIFY(!righe.contains("Zona: Centro storico"));
    const QString nota = righe.filter(QRegularExpression("^Note: ")).value(0);
    QVERIFY2(nota.startsWith("Note: Inizio della nota lunga lunga"), qPrintable(nota));
    QVERIFY2(!nota.contains(fineNota), qPrintable(nota));
    QVERIFY(righe.contains("Stampa eseguita in data 05/03/2024 alle ore 09:07:30"));
    QVERIFY(!righe.join('\n').contains("Coniugato")); // marital status is not on the sheet
}

void TestStampaScheda::pdfAperto_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("risposta");
    QTest::addColumn<bool>("aperto");
    QTest::newRow("Sì: il PDF si apre") << QMessageBox::Yes << true;
    QTest::newRow("No: il PDF resta chiuso") << QMessageBox::No << false;
}

void TestStampaScheda::pdfAperto()
{
    QFETCH(QMessageBox::StandardButton, risposta);
    QFETCH(bool, aperto);
    RisposteInOrdine r({risposta});
    PdfScheda(nullptr, TestiCliente()); // an empty card still gives a sheet
    QCOMPARE(r.Box().size(), 1);
    // The box says where the file went.
    QCOMPARE(r.Box()[0].testo, "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                               "Il file è stato salvato in:\r\n"
                                   + QDir::toNativeSeparators(CartellaProgramma() + "Contatto.pdf")
                                   + "\r\n\r\nSi vuole aprire il file?");
    QCOMPARE(r.Box()[0].icona, QMessageBox::Question);
    QCOMPARE(r.Box()[0].bottoni, QMessageBox::Yes | QMessageBox::No);
    const QString path = CartellaProgramma() + "Contatto.pdf";
    QVERIFY(QFile::exists(path));
    QCOMPARE(desktop_->File(), aperto ? QStringList{path} : QStringList());
}

// Printing goes through the print-to-PDF switch: the printed page labels the
// area row "Zona:" and no question is asked.
// A PDF that cannot be written is said so, in an error box; nothing is
// announced as done and nothing is opened.
void TestStampaScheda::pdfNonScritto()
{
    QVERIFY(QDir(CartellaProgramma()).mkdir("Contatto.pdf")); // a name the file cannot take
    RisposteInOrdine r({QMessageBox::Yes});
    PdfScheda(nullptr, TestiCliente());
    QCOMPARE(r.Box().size(), 1);
    QCOMPARE(r.Box()[0].testo, "Attenzione: il sistema non permette di creare il file PDF.\n\r\n\r"
                               "Accertarsi che il file "
                                   + QDir::toNativeSeparators(CartellaProgramma() + "Contatto.pdf")
                                   + " non sia aperto in un altro programma.");
    QCOMPARE(r.Box()[0].icona, QMessageBox::Critical);
    QVERIFY(desktop_->File().isEmpty());
    QDir(CartellaProgramma()).rmdir("Contatto.pdf");
}

void TestStampaScheda::stampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    const QString stampato = dir_.filePath("stampato.pdf");
    ImpostaStampaSuPdf(stampato);
    RisposteInOrdine r;
    const TestiCliente t = CartaCompleta();
    StampaScheda(nullptr, t);
    QVERIFY(r.Box().isEmpty());
    QVERIFY(!QFile::exists(CartellaProgramma() + "Contatto.pdf"));
    const QStringList righe = Pdf::Righe(stampato);
    for (const QString &attesa : RigheAttese(t, UscitaScheda::Stampa))
        QVERIFY2(righe.contains(attesa), qPrintable(attesa + "\n---\n" + righe.join('\n')));
    QVERIFY(righe.contains("Zona: Centro storico"));
    QVERIFY(!righe.join('\n').contains("Zona di appartenenza"));
}

// The preview is modal, offers print, zoom, full screen and close, and the
// call returns once it is closed.
void TestStampaScheda::anteprima()
{
    QStringList azioni;
    bool vista = false;
    RisposteInOrdine r;
    r.altra = [&](QWidget *w) {
        if (auto *a = qobject_cast<TfrmAnteprimaReport *>(w)) {
            vista = a->Vista() != nullptr;
            for (const char *n : {"btnStampa", "btnZoomPiu", "btnSchermoIntero", "btnChiudi", "btnPrima"})
                if (a->Azione(n)) azioni << n;
        }
        w->close();
    };
    AnteprimaScheda(nullptr, CartaCompleta());
    QVERIFY(vista);
    QCOMPARE(azioni, QStringList({"btnStampa", "btnZoomPiu", "btnSchermoIntero", "btnChiudi"}));
    QVERIFY(!QApplication::activeModalWidget());
}

// From the card window: the texts on screen, saved or not (an unsaved new
// card here), the province combo edits included.
void TestStampaScheda::dallaScheda()
{
    TfrmClienti card;
    card.txtCliente->setText(" Bianchi Anna ");
    card.txtComuneNasc->setText("Napoli");
    card.txtProvNasc->setEditText("NA");
    card.txtComuneRes->setText("Torino");
    card.txtProvRes->setEditText("TO");
    card.txtCivile->setText("Nubile");
    card.txtNote->setText("Modificata e non salvata");
    card.txtZona->setText("Periferia");
    const TestiCliente t = TestiScheda(&card);
    QCOMPARE(t[C::Cliente], QString(" Bianchi Anna "));
    QCOMPARE(t[C::ProvNasc], QString("NA"));
    QCOMPARE(t[C::ProvRes], QString("TO"));
    QCOMPARE(t[C::Civile], QString("Nubile"));
    QCOMPARE(t[C::Note], QString("Modificata e non salvata"));
    QCOMPARE(t[C::Zona], QString("Periferia"));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    RisposteInOrdine r({QMessageBox::No});
    PdfScheda(&card);
    const QStringList righe = Pdf::Righe(CartellaProgramma() + "Contatto.pdf");
    for (const char *attesa : {"Cognome e nome: Bianchi Anna", "Comune di nascita: Napoli NA",
                               "Comune di residenza: Torino TO", "Note: Modificata e non salvata",
                               "Zona di appartenenza: Periferia"})
        QVERIFY2(righe.contains(attesa), qPrintable(QString(attesa) + "\n---\n" + righe.join('\n')));
}

QTEST_MAIN(TestStampaScheda)
#include "test_clienti_stampa.moc"

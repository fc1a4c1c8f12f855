// The three commitment lists: which cards each lists around today's date,
// an unreadable date, an empty archive, the double click into the card, the
// printed titles, the windows the card's buttons open, and a read-only
// program folder.
#include "ComeUtente.h"
#include "Pdf.h"
#include "appointments/Appuntamenti.h"
#include "appointments/TfrmImpegni.h"
#include "appointments/TfrmTrovaScadenze.h"
#include "output/Stampa.h"
#include "storage/Cartella.h"
#include "storage/TArchivio.h"
#include "ui/Stile.h"
#include "test_output_risposte.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using K = LayoutAppuntamento;
Q_DECLARE_METATYPE(Impegni)

namespace {

// A card of `data` for `cliente`, fulfilled or not ("Sì"/"No").
TSchedaAppuntamento Appuntamento(const QString &data, const QString &cliente, const QString &ottemperata)
{
    TSchedaAppuntamento r;
    r.Set(K::Data, data);
    r.Set(K::OreApp, "23");
    r.Set(K::MinutiApp, "59");
    r.Set(K::Ora, "23:59");
    r.Set(K::Avviso, "0");
    r.Set(K::Causale, "Consulenza");
    r.Set(K::Contatto, cliente);
    r.Set(K::Cel, "3331234567");
    r.Set(K::Importo, "80,00");
    r.Set(K::Ottemperata, ottemperata);
    return r;
}

void Scrivi(const QList<TSchedaAppuntamento> &schede)
{
    TArchivio a;
    a.Open("Archivio_Appuntamenti.pro", TSchedaAppuntamento::Dimensione);
    for (const TSchedaAppuntamento &r : schede) a.Append(r);
    a.Close();
}

const QDateTime kAdesso(QDate(2024, 3, 5), QTime(10, 0));

// Around 5 March 2024, in the order the cards were stored.
void Archivio()
{
    Scrivi({Appuntamento("06/03/2024", "Domani", "No"),
            Appuntamento("04/03/2024", "Ieri", "No"),
            Appuntamento("05/03/2024", "Oggi", "No"),
            Appuntamento("04/03/2024", "Ieri assolto", "Sì"),
            Appuntamento("31/02/2024", "Data inesistente", "No"),
            Appuntamento("01/03/2023", "Anno scorso", "No"),
            Appuntamento("10/03/2024", "Futuro assolto", "Sì"),
            Appuntamento("05/03/2024", "Flag illeggibile", "Forse")});
}

QStringList Clienti(const TFinestraRicerca &w)
{
    QStringList c;
    for (const QString &r : w.modello->stringList()) c << r.mid(r.indexOf("Cliente: ") + 9, 30).trimmed();
    return c;
}

std::unique_ptr<TFinestraImpegni> Finestra(Impegni quali, QWidget *owner = nullptr)
{
    switch (quali) {
    case Impegni::DaAssolvere: return std::make_unique<TfrmConfermati>(owner);
    case Impegni::Scaduti: return std::make_unique<TfrmScaduti>(owner);
    case Impegni::Assolti: break;
    }
    return std::make_unique<TfrmAssolti>(owner);
}

void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents();
    const QPoint p(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

class TSchedaFinta : public QWidget, public DestinatarioAppuntamento
{
public:
    QList<qint64> posizioni;
    QStringList clienti;
    void CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione) override
    {
        posizioni << posizione;
        clienti << r.Get(K::Contatto);
    }
};

void AggiungiListe()
{
    QTest::addColumn<Impegni>("quali");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("da assolvere") << Impegni::DaAssolvere << "TfrmConfermati" << " Riepilogo impegni da assolvere"
                                  << "Riepilogo impegni da assolvere";
    QTest::newRow("scaduti") << Impegni::Scaduti << "TfrmScaduti" << " Riepilogo impegni scaduti e non assolti"
                             << "Riepilogo impegni scaduti e non assolti";
    QTest::newRow("assolti") << Impegni::Assolti << "TfrmAssolti" << " Riepilogo impegni assolti"
                             << "Riepilogo impegni assolti";
}

} // namespace

class TestAppuntamentiImpegni : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void elenchi_data();
    void elenchi();
    void oggiAllApertura();
    void archivioVuoto_data();
    void archivioVuoto();
    void doppioClic_data();
    void doppioClic();
    void stampa_data();
    void stampa();
    void dalPulsante_data();
    void dalPulsante();
    void cartellaDiSolaLettura();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAppuntamentiImpegni::initTestCase()
{
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
}

void TestAppuntamentiImpegni::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestAppuntamentiImpegni::cleanup()
{
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

// Yesterday not fulfilled: "Da assolvere" and "Scaduti"; today, even at an
// hour already past: only "Da assolvere"; fulfilled: only "Assolti". A date
// that does not exist is left out of "Scaduti" and the cards after it are
// still listed; a flag that is neither "Sì" nor "No" is in no list.
void TestAppuntamentiImpegni::elenchi_data()
{
    QTest::addColumn<Impegni>("quali");
    QTest::addColumn<QStringList>("clienti"); // in file order
    QTest::newRow("da assolvere: ogni scheda non assolta, passata o futura")
        << Impegni::DaAssolvere << QStringList{"Domani", "Ieri", "Oggi", "Data inesistente", "Anno scorso"};
    QTest::newRow("scaduti: prima di oggi e non assolte, oltre la data illeggibile")
        << Impegni::Scaduti << QStringList{"Ieri", "Anno scorso"};
    QTest::newRow("assolti: passate e future") << Impegni::Assolti << QStringList{"Ieri assolto", "Futuro assolto"};
}

void TestAppuntamentiImpegni::elenchi()
{
    QFETCH(Impegni, quali);
    QFETCH(QStringList, clienti);
    Archivio();
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)));
    auto w = Finestra(quali);
    RisposteInOrdine risposte;
    w->show();
    QCOMPARE(Clienti(*w), clienti);
    QCOMPARE(w->focusWidget(), w->txtTrova);
    QCoreApplication::processEvents();
    QCOMPARE(risposte.Testi(), QStringList()); // no message while listing
}

// "Today" is the day the list is shown, not the day the window was made.
void TestAppuntamentiImpegni::oggiAllApertura()
{
    Archivio();
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 30)));
    TfrmScaduti w;
    w.show();
    QCOMPARE(Clienti(w), QStringList({"Ieri", "Anno scorso"}));
    w.close();
    QCOMPARE(w.modello->rowCount(), 0); // closing clears the list
    ImpostaOrologio(QDateTime(QDate(2024, 3, 6), QTime(0, 0, 30)));
    w.show();
    QCOMPARE(Clienti(w), QStringList({"Ieri", "Oggi", "Anno scorso"}));
}

// No archive yet: it is created empty, every list is empty, and "Trova" says
// there is nothing to look in.
void TestAppuntamentiImpegni::archivioVuoto_data()
{
    QTest::addColumn<Impegni>("quali");
    QTest::newRow("da assolvere") << Impegni::DaAssolvere;
    QTest::newRow("scaduti") << Impegni::Scaduti;
    QTest::newRow("assolti") << Impegni::Assolti;
}

void TestAppuntamentiImpegni::archivioVuoto()
{
    QFETCH(Impegni, quali);
    auto w = Finestra(quali);
    w->show();
    QCOMPARE(w->modello->rowCount(), 0);
    QVERIFY(QFileInfo::exists(CartellaProgramma() + "Archivio_Appuntamenti.pro"));
    RisposteInOrdine risposte;
    w->txtTrova->setText("Rossi");
    QTest::mouseClick(w->btnTrova, Qt::LeftButton);
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, QString("Ricerca non applicabile: la lista non contiene nessuna voce."));
    QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// The chosen line goes to the card that opened the list: every card with
// that line, in file order, so the later one stays, even when the list's own
// rule would leave it out (the flag is not on the line).
void TestAppuntamentiImpegni::doppioClic_data()
{
    QTest::addColumn<Impegni>("quali");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QList<qint64>>("posizioni");
    QTest::addColumn<QStringList>("flag");
    QTest::newRow("scaduti, due schede uguali: vince la successiva")
        << Impegni::Scaduti << 0 << QList<qint64>{1, 2} << QStringList{"No", "Sì"};
    QTest::newRow("scaduti, riga unica") << Impegni::Scaduti << 1 << QList<qint64>{4} << QStringList{"No"};
    QTest::newRow("assolti") << Impegni::Assolti << 0 << QList<qint64>{1, 2} << QStringList{"No", "Sì"};
    QTest::newRow("da assolvere, dopo una scheda futura")
        << Impegni::DaAssolvere << 2 << QList<qint64>{4} << QStringList{"No"};
}

void TestAppuntamentiImpegni::doppioClic()
{
    QFETCH(Impegni, quali);
    QFETCH(int, riga);
    QFETCH(QList<qint64>, posizioni);
    QFETCH(QStringList, flag);
    Scrivi({Appuntamento("04/03/2024", "Verdi Ugo", "No"), Appuntamento("04/03/2024", "Verdi Ugo", "Sì"),
            Appuntamento("09/03/2024", "Bianchi Anna", "No"), Appuntamento("01/03/2024", "Neri Luca", "No")});
    ImpostaOrologio(kAdesso);

    class TScheda : public QWidget, public DestinatarioAppuntamento
    {
    public:
        QList<qint64> posizioni;
        QStringList flag;
        void CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione) override
        {
            posizioni << posizione;
            flag << r.Get(K::Ottemperata);
        }
    } scheda;
    auto *interno = new QWidget(&scheda);
    auto w = Finestra(quali, interno);
    w->show();
    DoppioClic(w->lstRecords, riga);
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(scheda.posizioni, posizioni);
    QCOMPARE(scheda.flag, flag);
}

// Each list prints under its own title, its lines in list order, then the
// footer with the day of printing.
void TestAppuntamentiImpegni::stampa_data()
{
    AggiungiListe();
}

void TestAppuntamentiImpegni::stampa()
{
    QFETCH(Impegni, quali);
    QFETCH(QString, titolo);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    Archivio();
    ImpostaOrologio(kAdesso);
    auto w = Finestra(quali);
    w->show();
    const QStringList elenco = w->modello->stringList();
    QVERIFY(elenco.size() >= 2);
    const QString pdf = dir_->filePath("impegni.pdf");
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w->btnStampa, Qt::LeftButton);
    const QStringList righe = Pdf::Righe(pdf);
    QCOMPARE(righe.value(0), titolo);
    QCOMPARE(righe.mid(1, elenco.size()), [&] {
        QStringList s;
        for (const QString &r : elenco) s << r.simplified();
        return s;
    }());
    QVERIFY2(righe.value(1 + elenco.size()).startsWith("Stampa eseguita in data"), qPrintable(righe.join('\n')));
}

// The card's buttons: a new list owned by the card, with its caption and
// hint, shown modally and gone once closed.
void TestAppuntamentiImpegni::dalPulsante_data()
{
    AggiungiListe();
}

void TestAppuntamentiImpegni::dalPulsante()
{
    QFETCH(Impegni, quali);
    QFETCH(QString, classe);
    QFETCH(QString, didascalia);
    TSchedaFinta scheda;
    QString vista, titolo, suggerimento;
    QWidget *padrone = nullptr;
    QPointer<QWidget> finestra;
    RisposteInOrdine r;
    r.altra = [&](QWidget *w) {
        vista = w->metaObject()->className();
        titolo = w->windowTitle();
        padrone = w->parentWidget();
        if (auto *l = w->findChild<QLabel *>("lblRigo03")) suggerimento = l->text();
        finestra = w;
        w->close();
    };
    ApriImpegni(&scheda, quali);
    QCOMPARE(vista, classe);
    QCOMPARE(titolo, didascalia);
    QCOMPARE(padrone, &scheda);
    QCOMPARE(suggerimento, QString("Fare doppio clic su una voce in elenco per richiamare la scheda"));
    QVERIFY(finestra.isNull());
}

// A program folder the user may only read: the lists and the search still
// list, and the lists still print.
void TestAppuntamentiImpegni::cartellaDiSolaLettura()
{
    if (ComeUtente::Radice()) {
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        QTemporaryDir tmp;
        ImpostaCartellaProgramma(tmp.path() + "/");
        Archivio();
        ComeUtente::SolaLettura(tmp.path());
        const int esito = ComeUtente::Esegui("cartellaDiSolaLettura", {{"PRATOVIA_CARTELLA_RO", tmp.path() + "/"}});
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    }
    const QString ro = qEnvironmentVariable("PRATOVIA_CARTELLA_RO");
    if (ro.isEmpty()) QSKIP("runs as the plain user started by the root run");
    ImpostaCartellaProgramma(ro);
    QVERIFY(!QFileInfo(ro).isWritable());
    ImpostaOrologio(kAdesso);
    const QStringList attesi[3] = {{"Domani", "Ieri", "Oggi", "Data inesistente", "Anno scorso"},
                                   {"Ieri", "Anno scorso"},
                                   {"Ieri assolto", "Futuro assolto"}};
    const Impegni liste[3] = {Impegni::DaAssolvere, Impegni::Scaduti, Impegni::Assolti};
    QTemporaryDir stampe; // the PDFs go where this user may write
    for (int i = 0; i < 3; ++i) {
        auto w = Finestra(liste[i]);
        w->show();
        QCOMPARE(Clienti(*w), attesi[i]);
        const QString pdf = stampe.filePath(QString("lista%1.pdf").arg(i));
        ImpostaStampaSuPdf(pdf);
        QTest::mouseClick(w->btnStampa, Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!QStandardPaths::findExecutable("pdftotext").isEmpty())
            QVERIFY(Pdf::Righe(pdf).join('\n').contains("Cliente: Ieri"));
    }
    TfrmTrovaScadenze cerca;
    cerca.show();
    RisposteInOrdine risposte;
    cerca.txtContatto->setText("assolto");
    QTest::mouseClick(cerca.btnCerca, Qt::LeftButton);
    QCOMPARE(Clienti(cerca), QStringList({"Ieri assolto", "Futuro assolto"}));
    QCOMPARE(risposte.Testi(), QStringList());
}

QTEST_MAIN(TestAppuntamentiImpegni)
#include "test_appuntamenti_impegni.moc"

// The client archive export and the client call history: what the grids
// show from the record files, the files they write, and a real spreadsheet
// program reading those files back.
#include "storage/Cartella.h"
#include "ui/TfrmGuida.h"
#include "clients/TfrmClienti.h"
#include "clients/TfrmExpClienti.h"
#include "clients/TfrmStoricoChiamate.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "LibreOffice.h"
#include "test_output_risposte.h"
#include "Desktop.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

// What each window is, as the user sees it and as its file says.
struct Finestra {
    QString titolo, file, foglio;
    QVector<IntestazioneExcel> intestazioni;
    QList<int> modificabili; // grid columns the user can edit
    QString guida;
};
Q_DECLARE_METATYPE(Finestra)

namespace {

using C = LayoutCliente;
using K = LayoutChiamata;

const QString kCF = QStringLiteral("RSSMRA80A01H501U");

const Finestra kClienti = {
    " Esporta archivio clienti in Microsoft Excel", "Clienti.xls", "Archivio Clienti",
    {{"Cognome e nome", 250}, {"Data di nascita", 200}, {"Comune di nascita", 250}, {"Tel. preferenziale", 250},
     {"Indirizzo di residenza", 300}, {"Comune di residenza", 250}, {"Modalità di pagamento", 250},
     {"Tel. casa", 250}, {"Tel. ufficio", 250}, {"Tel. cellulare", 250}, {"PEC", 250}, {"E-mail", 250},
     {"Codice fiscale", 250}, {"Partita IVA", 250}, {"Carta di credito n.", 300}, {"Scadenza", 150},
     {"IBAN", 300}, {"Estremi documento", 280}, {"Occupazione", 250}, {"Stato civile", 250},
     {"Titoli e qualifiche", 280}, {"Prodotti e servizi di interesse", 300}, {"Zona", 250},
     {"Questioni in sospeso", 300}, {"Note", 300}, {"CAP", 120}, {"Sesso", 100}, {"Da ricontattare", 180}},
    {6, 14, 16, 17, 18, 19, 21, 24, 25},
    "Esportazione archivio clienti in Excel",
};

const Finestra kStorico = {
    " Storico chiamate cliente", "Storico_Chiamate_Cliente.xls", "Storico Chiamate Cliente",
    {{"Data chiamata", 150}, {"Ora chiamata", 150}, {"Tipo chiamata", 200}, {"Oggetto", 350}, {"Esito", 300},
     {"Grado soddisfazione", 250}, {"Durata", 200}, {"Cognome e nome cliente", 250}, {"Codice fiscale", 200},
     {"Zona di appartenenza", 250}, {"Tel. preferenziale", 200}, {"Tel. cellulare", 200},
     {"Indirizzo e-mail", 250}, {"Note", 350}, {"Operatore o agente", 250}},
    {2, 12, 14, 15},
    "Storico chiamate cliente",
};

// A client card with every field distinct (a spreadsheet program keeps
// repeated neighbouring cells apart only when they differ).
TSchedaCliente Cliente(int n, const QString &provNasc = "RM")
{
    TSchedaCliente r;
    const QString s = QString::number(n);
    r.Set(C::Cliente, "Rossi Mario " + s);
    r.Set(C::DataNasc, QString("0%1/02/1980").arg(n));
    r.Set(C::ComuneNasc, "Roma");
    r.Set(C::ProvNasc, provNasc);
    r.Set(C::Sesso, "M");
    r.Set(C::Recapito, "0612345" + s);
    r.Set(C::IndirizzoRes, "Via Garibaldi " + s);
    r.Set(C::ProvRes, "MI");
    r.Set(C::ComuneRes, "Milano");
    r.Set(C::CapRes, "00184");
    r.Set(C::Estremi, "Bonifico & RID <30 gg>");
    r.Set(C::TelCasa, "02 765432" + s);
    r.Set(C::TelUff, "02 111222" + s);
    r.Set(C::TelCel, "333123456" + s);
    r.Set(C::Fax, "rossi" + s + "@pec.it");
    r.Set(C::Email, "mario" + s + "@esempio.it");
    r.Set(C::CodFisc, kCF);
    r.Set(C::Carta, "411111111111111" + s);
    r.Set(C::ScadeCarta, "12/202" + s);
    r.Set(C::PartitaIva, "0123456789" + s);
    r.Set(C::Iban, "IT60X054281110100000012345" + s);
    r.Set(C::Documento, "Carta d'identità AB" + s);
    r.Set(C::Occupazione, "Ingegnere");
    r.Set(C::Civile, "Coniugato");
    r.Set(C::Titoli, "Dottore");
    r.Set(C::Prodotti, "Consulenza fiscale");
    r.Set(C::Zona, "Centro storico");
    r.Set(C::Questioni, "Pratica " + s + " da chiudere");
    r.Set(C::Note, "1e" + s);
    r.SetFlag(C::Ricontatta, true);
    r.Set(C::File01, "contratto.pdf");
    return r;
}

TSchedaChiamata Chiamata(const QString &codFisc, const QString &oggetto, const QString &data = "05/03/2024")
{
    TSchedaChiamata r;
    r.Set(K::GiornoRit, data.left(2));
    r.Set(K::MeseRit, "Marzo");
    r.Set(K::AnnoRit, data.right(4));
    r.Set(K::DataRit, data);
    r.Set(K::OreRit, "09");
    r.Set(K::MinutiRit, "07");
    r.Set(K::OraRit, "09:07");
    r.Set(K::Tipo, "In entrata");
    r.Set(K::Oggetto, oggetto);
    r.Set(K::Esito, "Da richiamare");
    r.Set(K::Grado, "Buono");
    r.Set(K::Durata, "5 minuti");
    r.Set(K::Cliente, "Rossi Mario");
    r.Set(K::CodFisc, codFisc);
    r.Set(K::Zona, "Centro");
    r.Set(K::Recapito, "0612345678");
    r.Set(K::TelCel, "3331234567");
    r.Set(K::Email, "mario@esempio.it");
    r.Set(K::Note, "Nota su " + oggetto);
    r.Set(K::Operatore, "Anna");
    return r;
}

template <class R>
void Scrivi(const QList<R> &schede)
{
    TArchivio a;
    a.Open(QString::fromLatin1(R::NomeFile), R::Dimensione);
    for (const R &r : schede) a.Append(r);
    a.Close();
}

QByteArray LeggiFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RigheGriglia Griglia(const TfrmEsportazione &w)
{
    return w.Modello()->Righe();
}

} // namespace

class TestExportClienti : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { desktop_.reset(); }
    void grigliaClienti();
    void storico_data();
    void storico();
    void finestre_data();
    void finestre();
    void senzaDati_data();
    void senzaDati();
    void cellaModificata();
    void libreOffice_data();
    void libreOffice();

private:
    std::unique_ptr<TfrmEsportazione> Crea(const QString &quale);
    QTemporaryDir dir_;
    std::optional<RaccoglitoreUrl> desktop_;
    std::unique_ptr<TfrmClienti> card_;
};

void TestExportClienti::initTestCase()
{
    QVERIFY(dir_.isValid());
    desktop_.emplace(QStringList{"file"});
}

void TestExportClienti::init()
{
    desktop_->aperti.clear();
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
    ImpostaCartellaProgramma(dir_.path() + "/");
    card_ = std::make_unique<TfrmClienti>();
    card_->txtCodFisc->setText(kCF);
}

void TestExportClienti::cleanup()
{
    card_.reset();
    ImpostaCartellaProgramma(QString());
}

std::unique_ptr<TfrmEsportazione> TestExportClienti::Crea(const QString &quale)
{
    if (quale == "clienti") return std::make_unique<TfrmExpClienti>(card_.get());
    return std::make_unique<TfrmStoricoChiamate>(card_.get());
}

// One row per card in file order; town and province joined by one blank on
// screen, trimmed in the file; postcode, sex and recontact flag at the end;
// attachments left out.
void TestExportClienti::grigliaClienti()
{
    Scrivi<TSchedaCliente>({Cliente(1), Cliente(2, ""), Cliente(3)});
    TfrmExpClienti w(card_.get());
    w.show();
    const RigheGriglia g = Griglia(w);
    QCOMPARE(g.size(), 3);
    QCOMPARE(g[0].size(), 29);
    QCOMPARE(g[0].mid(0, 4), QStringList({"1", "Rossi Mario 1", "01/02/1980", "Roma RM"}));
    QCOMPARE(g[1].mid(0, 4), QStringList({"2", "Rossi Mario 2", "02/02/1980", "Roma "}));
    QCOMPARE(g[2][0], QString("3"));
    QCOMPARE(g[0][6], QString("Milano MI"));
    QCOMPARE(g[0][13], kCF);
    QCOMPARE(g[0][25], QString("1e1"));
    QStringList tutte;
    for (const QStringList &riga : g) tutte += riga;
    QVERIFY(!tutte.contains("contratto.pdf"));
    QCOMPARE(g[0].mid(26), QStringList({"00184", "M", "Sì"}));
    QCOMPARE(w.grdRecords->model()->headerData(3, Qt::Horizontal).toString(),
             QString("Comune / Stato estero di nascita"));

    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    RigheGriglia scritte = g;
    scritte[1][3] = "Roma"; // cells are trimmed when written
    QCOMPARE(LeggiFile(CartellaProgramma() + kClienti.file),
             FoglioExcel(kClienti.foglio, kClienti.intestazioni, scritte));
}

// Only the client's calls, matched by the exact codice fiscale, in the order
// they were stored; the code is read from the card when the grid fills.
void TestExportClienti::storico_data()
{
    QTest::addColumn<QString>("suScheda");
    QTest::addColumn<QStringList>("oggetti");
    QTest::newRow("codice del cliente") << kCF << QStringList{"Preventivo", "Sollecito", "Primo contatto"};
    QTest::newRow("minuscole: nessuna chiamata") << kCF.toLower() << QStringList{"Minuscolo"};
    QTest::newRow("altro cliente") << "BNCNNA85M41F205X" << QStringList{"Altro"};
    QTest::newRow("codice mai chiamato") << "VRDLGU70C12L219K" << QStringList();
}

void TestExportClienti::storico()
{
    QFETCH(QString, suScheda);
    QFETCH(QStringList, oggetti);
    Scrivi<TSchedaChiamata>({Chiamata(kCF, "Preventivo", "20/03/2024"), Chiamata("BNCNNA85M41F205X", "Altro"),
                             Chiamata(kCF.toLower(), "Minuscolo"), Chiamata(kCF, "Sollecito", "01/02/2024"),
                             Chiamata("RSSMRA80A01H501V", "Codice diverso"), Chiamata(kCF, "Primo contatto", "15/01/2024")});
    TfrmStoricoChiamate w(card_.get());
    card_->txtCodFisc->setText(suScheda);
    w.show();
    const RigheGriglia g = Griglia(w);
    QStringList visti;
    for (int i = 0; i < g.size(); ++i) {
        QCOMPARE(g[i][0], QString::number(i + 1));
        QCOMPARE(g[i].size(), 16);
        visti << g[i][4];
    }
    QCOMPARE(visti, oggetti);
    if (!g.isEmpty() && oggetti.first() == "Preventivo")
        QCOMPARE(g[0], QStringList({"1", "20/03/2024", "09:07", "In entrata", "Preventivo", "Da richiamare", "Buono",
                                    "5 minuti", "Rossi Mario", kCF, "Centro", "0612345678", "3331234567",
                                    "mario@esempio.it", "Nota su Preventivo", "Anna"}));
}

// Caption, the columns the user may edit, the help page.
void TestExportClienti::finestre_data()
{
    QTest::addColumn<QString>("quale");
    QTest::addColumn<Finestra>("atteso");
    QTest::newRow("archivio clienti") << "clienti" << kClienti;
    QTest::newRow("storico chiamate") << "storico" << kStorico;
}

void TestExportClienti::finestre()
{
    QFETCH(QString, quale);
    QFETCH(Finestra, atteso);
    auto w = Crea(quale);
    QCOMPARE(w->windowTitle(), atteso.titolo);
    QAbstractItemModel *m = w->grdRecords->model();
    QCOMPARE(m->columnCount(), atteso.intestazioni.size() + 1);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("N."));
    QList<int> modificabili;
    Scrivi<TSchedaCliente>({Cliente(1)});
    Scrivi<TSchedaChiamata>({Chiamata(kCF, "Preventivo")});
    w->show();
    QCOMPARE(m->rowCount(), 1);
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->flags(m->index(0, c)) & Qt::ItemIsEditable) modificabili << c;
    QCOMPARE(modificabili, atteso.modificabili);

    QString titolo, corpo;
    RisposteInOrdine r;
    r.altra = [&](QWidget *finestra) {
        if (auto *g = qobject_cast<TfrmGuida *>(finestra)) {
            titolo = g->lblTitolo->text();
            corpo = g->txtGuida->toPlainText();
        }
        finestra->close();
    };
    w->cmdGuidaClick();
    QCOMPARE(titolo, atteso.guida);
    const QStringList paragrafi = corpo.split("\n\n");
    QCOMPARE(paragrafi.size(), 3);
    for (const QString &p : paragrafi) QVERIFY(p.endsWith('.') && p.size() > 40);
}

// No card, or a file that cannot be read: an empty grid and no message;
// the export then says there is nothing to export, and writes nothing.
void TestExportClienti::senzaDati_data()
{
    QTest::addColumn<QString>("quale");
    QTest::addColumn<Finestra>("atteso");
    QTest::addColumn<bool>("illeggibile");
    QTest::newRow("archivio clienti vuoto") << "clienti" << kClienti << false;
    QTest::newRow("registro vuoto") << "storico" << kStorico << false;
    QTest::newRow("archivio clienti illeggibile") << "clienti" << kClienti << true;
    QTest::newRow("registro illeggibile") << "storico" << kStorico << true;
}

void TestExportClienti::senzaDati()
{
    QFETCH(QString, quale);
    QFETCH(Finestra, atteso);
    QFETCH(bool, illeggibile);
    if (illeggibile) {
        // A folder where the record file should be.
        QVERIFY(QDir(dir_.path()).mkdir(QString::fromLatin1(C::NomeFile)));
        QVERIFY(QDir(dir_.path()).mkdir(QString::fromLatin1(K::NomeFile)));
    }
    auto w = Crea(quale);
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::Yes});
    w->show();
    QTest::qWait(20);
    QVERIFY(r.Box().isEmpty());
    QCOMPARE(w->grdRecords->model()->rowCount(), 0);
    w->cmdEsportaClick();
    QCOMPARE(r.Box().size(), 1);
    QCOMPARE(r.Box()[0].testo, QString("L'elenco non contiene nessuna scheda: non ci sono dati da esportare."));
    QCOMPARE(r.Box()[0].icona, QMessageBox::Information);
    QVERIFY(!QFile::exists(CartellaProgramma() + atteso.file));
    QVERIFY(desktop_->File().isEmpty());
}

// A cell edited in an editable column is exported as edited.
void TestExportClienti::cellaModificata()
{
    Scrivi<TSchedaChiamata>({Chiamata(kCF, "Preventivo")});
    TfrmStoricoChiamate w(card_.get());
    w.show();
    QAbstractItemModel *m = w.grdRecords->model();
    QVERIFY(m->setData(m->index(0, 14), "Richiamare lunedì"));
    QVERIFY(!m->setData(m->index(0, 4), "Oggetto cambiato"));
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    const QByteArray file = LeggiFile(CartellaProgramma() + kStorico.file);
    QVERIFY(file.contains(QString::fromUtf8(">Richiamare luned\u00ec<").toLatin1()));
    QVERIFY(!file.contains("Oggetto cambiato"));
    QVERIFY(desktop_->aperti.isEmpty());
}

// A real spreadsheet program opens the file: every cell is text, exactly as
// the grid shows it (trimmed).
void TestExportClienti::libreOffice_data()
{
    QTest::addColumn<QString>("quale");
    QTest::addColumn<Finestra>("atteso");
    QTest::newRow("Clienti.xls") << "clienti" << kClienti;
    QTest::newRow("Storico_Chiamate_Cliente.xls") << "storico" << kStorico;
}

void TestExportClienti::libreOffice()
{
    QFETCH(QString, quale);
    QFETCH(Finestra, atteso);
    if (LibreOffice().isEmpty()) QSKIP("LibreOffice (libreoffice-calc-nogui) not installed");
    Scrivi<TSchedaCliente>({Cliente(1), Cliente(2)});
    Scrivi<TSchedaChiamata>({Chiamata(kCF, "Preventivo n. 00184"), Chiamata(kCF, "=1+1 & <b>")});
    auto w = Crea(quale);
    w->show();
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w->cmdEsportaClick();
    QString errore;
    const TabellaLetta t = LeggiConLibreOffice(CartellaProgramma() + atteso.file, &errore);
    QVERIFY2(t.size() >= 3, qPrintable(errore));
    QCOMPARE(t[0].size(), atteso.intestazioni.size());
    for (int c = 0; c < atteso.intestazioni.size(); ++c) QCOMPARE(t[0][c].second, atteso.intestazioni[c].testo);
    const RigheGriglia g = Griglia(*w);
    for (int riga = 1; riga <= 2; ++riga) {
        QCOMPARE(t[riga].size(), atteso.intestazioni.size());
        for (int c = 0; c < t[riga].size(); ++c) {
            QCOMPARE(t[riga][c].second, g[riga - 1][c + 1].trimmed());
            QCOMPARE(t[riga][c].first, QString("string"));
        }
    }
}

QTEST_MAIN(TestExportClienti)
#include "test_clienti_export.moc"

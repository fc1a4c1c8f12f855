// Today's calls and the call register export: which cards become rows, in
// what order, around midnight, and the bytes of the exported file.
#include "calls/TfrmExpChiamate.h"
#include "calls/TfrmRiepChiamateOggi.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "ui/Stile.h"
#include "ui/TfrmGuida.h"
#include "test_output_risposte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

using K = LayoutChiamata;

namespace {

// A call of `data` at `ora`; the other fields say which call it is.
TSchedaChiamata Chiamata(const QString &data, const QString &ora, const QString &oggetto)
{
    TSchedaChiamata r;
    r.Set(K::DataRit, data);
    r.Set(K::OraRit, ora);
    r.Set(K::Tipo, "In entrata");
    r.Set(K::Oggetto, oggetto);
    r.Set(K::Esito, "Esito " + oggetto);
    r.Set(K::Grado, "Alto");
    r.Set(K::Durata, "5 minuti");
    r.Set(K::Cliente, "Rossi Mario");
    r.Set(K::CodFisc, "RSSMRA80A01H501U");
    r.Set(K::Zona, "Centro");
    r.Set(K::Recapito, "06 5551234");
    r.Set(K::TelCel, "333 1234567");
    r.Set(K::Email, "mario@example.it");
    r.Set(K::Note, "Nota " + oggetto);
    r.Set(K::Operatore, "Anna");
    return r;
}

void Scrivi(const QList<TSchedaChiamata> &schede)
{
    TArchivio a;
    a.Open("Registro_Chiamate.pro", TSchedaChiamata::Dimensione);
    for (const TSchedaChiamata &r : schede) a.Append(r);
    a.Close();
}

QByteArray LeggiFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Oggetti(const RigheGriglia &g)
{
    QStringList o;
    for (const QStringList &r : g) o << r.value(4);
    return o;
}

const QVector<IntestazioneExcel> kIntestazioni = {
    {"Data chiamata", 150}, {"Ora chiamata", 150}, {"Tipo chiamata", 200}, {"Oggetto", 350}, {"Esito", 300},
    {"Grado soddisfazione", 250}, {"Durata", 200}, {"Cognome e nome cliente", 250}, {"Codice fiscale", 200},
    {"Zona di appartenenza", 250}, {"Tel. preferenziale", 200}, {"Tel. cellulare", 200},
    {"Indirizzo e-mail", 250}, {"Note", 350}, {"Operatore o agente", 250},
};

} // namespace

class TestChiamateExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oggi_data();
    void oggi();
    void registro();
    void notaModificata();
    void vuoti_data();
    void vuoti();
    void guida_data();
    void guida();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestChiamateExport::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestChiamateExport::cleanup()
{
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// "Today" is the day of the moment the window is shown, by the clock seam;
// the rows stay in file order, not by time.
void TestChiamateExport::oggi_data()
{
    QTest::addColumn<QDateTime>("adesso");
    QTest::addColumn<QStringList>("oggetti");
    QTest::newRow("un minuto prima di mezzanotte")
        << QDateTime(QDate(2024, 3, 5), QTime(23, 59, 30))
        << QStringList{"Pomeriggio", "Mattina", "Alle 23:59"};
    QTest::newRow("appena dopo mezzanotte")
        << QDateTime(QDate(2024, 3, 6), QTime(0, 0, 30)) << QStringList{"Del giorno dopo"};
    QTest::newRow("un giorno senza chiamate") << QDateTime(QDate(2024, 3, 7), QTime(12, 0)) << QStringList();
}

void TestChiamateExport::oggi()
{
    QFETCH(QDateTime, adesso);
    QFETCH(QStringList, oggetti);
    Scrivi({Chiamata("05/03/2024", "15:00", "Pomeriggio"), Chiamata("04/03/2024", "10:00", "Ieri"),
            Chiamata("05/03/2024", "09:30", "Mattina"), Chiamata("05/03/2023", "09:30", "Anno prima"),
            Chiamata("05/03/2024", "23:59", "Alle 23:59"), Chiamata("06/03/2024", "00:00", "Del giorno dopo")});
    ImpostaOrologio(adesso);
    TfrmRiepChiamateOggi w;
    w.show();
    const RigheGriglia g = w.Modello()->Righe();
    QCOMPARE(Oggetti(g), oggetti);
    for (int i = 0; i < g.size(); ++i) QCOMPARE(g[i][0], QString::number(i + 1));
    QCOMPARE(w.windowTitle(), QString(" Riepilogo chiamate di oggi"));
}

// Every card with a date, numbered in file order, its fifteen fields trimmed;
// the file holds exactly the rows, written by the shared spreadsheet writer.
void TestChiamateExport::registro()
{
    TSchedaChiamata senzaData = Chiamata("", "11:00", "Senza data");
    // Blanks only, as another writer may leave them: no date either.
    TSchedaChiamata soloSpazi = Chiamata("", "12:00", "Data di spazi");
    std::memcpy(soloSpazi.Buffer() + TSchedaChiamata::Offset[K::DataRit], "\x03 \t ", 4);
    TSchedaChiamata spazi = Chiamata("01/02/2024", "08:15", "Spazi");
    spazi.Set(K::Cliente, "  Bianchi Anna  ");
    Scrivi({Chiamata("20/03/2024", "10:00", "Preventivo"), senzaData, spazi, soloSpazi,
            Chiamata("15/01/2024", "17:45", "Ultima")});
    TfrmExpChiamate w;
    w.show();
    const RigheGriglia g = w.Modello()->Righe();
    QCOMPARE(g.size(), 3);
    QCOMPARE(g[0], QStringList({"1", "20/03/2024", "10:00", "In entrata", "Preventivo", "Esito Preventivo", "Alto",
                                "5 minuti", "Rossi Mario", "RSSMRA80A01H501U", "Centro", "06 5551234",
                                "333 1234567", "mario@example.it", "Nota Preventivo", "Anna"}));
    QCOMPARE(g[1].mid(0, 5), QStringList({"2", "01/02/2024", "08:15", "In entrata", "Spazi"}));
    QCOMPARE(g[1][8], QString("Bianchi Anna"));
    QCOMPARE(g[2].mid(0, 5), QStringList({"3", "15/01/2024", "17:45", "In entrata", "Ultima"}));
    QCOMPARE(w.grdRecords->model()->headerData(15, Qt::Horizontal).toString(), QString("Operatore / Agente"));
    QCOMPARE(w.windowTitle(), QString(" Esportazione registro chiamate in Excel"));

    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    QCOMPARE(LeggiFile(CartellaProgramma() + "Registro_Chiamate.xls"),
             FoglioExcel("Registro Chiamate", kIntestazioni, g));
}

// A note typed into the grid goes to the file and never to the register.
void TestChiamateExport::notaModificata()
{
    Scrivi({Chiamata("20/03/2024", "10:00", "Preventivo"), Chiamata("21/03/2024", "11:00", "Sollecito")});
    const QByteArray registro = LeggiFile(CartellaProgramma() + "Registro_Chiamate.pro");
    TfrmExpChiamate w;
    w.show();
    QAbstractItemModel *m = w.grdRecords->model();
    QList<int> modificabili;
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->flags(m->index(0, c)) & Qt::ItemIsEditable) modificabili << c;
    QCOMPARE(modificabili, QList<int>({2, 12, 14, 15}));
    QVERIFY(m->setData(m->index(1, 14), "Richiamare lunedì", Qt::EditRole));

    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    RigheGriglia attese = w.Modello()->Righe();
    QCOMPARE(attese[1][14], QString("Richiamare lunedì"));
    QCOMPARE(LeggiFile(CartellaProgramma() + "Registro_Chiamate.xls"),
             FoglioExcel("Registro Chiamate", kIntestazioni, attese));
    QVERIFY(LeggiFile(CartellaProgramma() + "Registro_Chiamate.xls").contains("Richiamare luned"));
    QCOMPARE(LeggiFile(CartellaProgramma() + "Registro_Chiamate.pro"), registro);
}

// An empty or missing register, or one that cannot be opened: an empty grid
// and no message; it is not exported (the user is told there is nothing to
// export, and no file is written).
void TestChiamateExport::vuoti_data()
{
    QTest::addColumn<bool>("oggi");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("illeggibile");
    QTest::newRow("registro") << false << "Registro_Chiamate.xls" << false;
    QTest::newRow("chiamate di oggi") << true << "Chiamate_Odierne.xls" << false;
    QTest::newRow("registro illeggibile") << false << "Registro_Chiamate.xls" << true;
    QTest::newRow("chiamate di oggi, registro illeggibile") << true << "Chiamate_Odierne.xls" << true;
}

void TestChiamateExport::vuoti()
{
    QFETCH(bool, oggi);
    QFETCH(QString, file);
    QFETCH(bool, illeggibile);
    // A folder in the way of the register: it exists and cannot be read as one.
    if (illeggibile) QVERIFY(QDir(dir_->path()).mkdir("Registro_Chiamate.pro"));
    std::unique_ptr<TfrmEsportazione> w;
    if (oggi) w = std::make_unique<TfrmRiepChiamateOggi>();
    else w = std::make_unique<TfrmExpChiamate>();
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w->show();
    QCoreApplication::processEvents();
    QCOMPARE(r.Testi(), QStringList());
    QCOMPARE(w->Modello()->rowCount(), 0);
    QVERIFY(QFileInfo::exists(CartellaProgramma() + "Registro_Chiamate.pro"));
    w->cmdEsportaClick();
    QCOMPARE(r.Testi(), QStringList({"L'elenco non contiene nessuna scheda: non ci sono dati da esportare."}));
    QVERIFY(!QFile::exists(CartellaProgramma() + file));
}

// The help page of each window: its title and three full paragraphs.
void TestChiamateExport::guida_data()
{
    QTest::addColumn<bool>("oggi");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("registro") << false << "Esportazione registro chiamate in Excel";
    QTest::newRow("chiamate di oggi") << true << "Riepilogo chiamate di oggi";
}

void TestChiamateExport::guida()
{
    QFETCH(bool, oggi);
    QFETCH(QString, titolo);
    std::unique_ptr<TfrmEsportazione> w;
    if (oggi) w = std::make_unique<TfrmRiepChiamateOggi>();
    else w = std::make_unique<TfrmExpChiamate>();
    w->show();
    QString visto, corpo;
    RisposteInOrdine r;
    r.altra = [&](QWidget *finestra) {
        if (auto *g = qobject_cast<TfrmGuida *>(finestra)) {
            visto = g->lblTitolo->text();
            corpo = g->txtGuida->toPlainText();
        }
        finestra->close();
    };
    w->cmdGuidaClick();
    QCOMPARE(visto, titolo);
    const QStringList paragrafi = corpo.split("\n\n");
    QCOMPARE(paragrafi.size(), 3);
    for (const QString &p : paragrafi) QVERIFY(p.endsWith('.') && p.size() > 40);
    QVERIFY(paragrafi[0].contains("LibreOffice") && paragrafi[0].contains("Microsoft Office"));
    QVERIFY(paragrafi[1].contains("XLS"));
}

QTEST_MAIN(TestChiamateExport)
#include "test_chiamate_export.moc"

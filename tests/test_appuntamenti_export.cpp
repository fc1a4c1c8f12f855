// The appointment archive export: the rows in file order, the columns and
// their headers, the cells the user may edit, the bytes of the file, the
// help page, and the window the card's button opens.
#include "appointments/Appuntamenti.h"
#include "appointments/TfrmExpScadenzario.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "ui/Stile.h"
#include "ui/TfrmGuida.h"
#include "test_output_risposte.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using K = LayoutAppuntamento;

namespace {

// A card of `data` at `ore`:`minuti`; the other fields say which card it is.
TSchedaAppuntamento Appuntamento(const QString &data, const QString &ore, const QString &minuti,
                                 const QString &chi, const QString &ottemperata = "No")
{
    TSchedaAppuntamento r;
    r.Set(K::Data, data);
    r.Set(K::OreApp, ore);
    r.Set(K::MinutiApp, minuti);
    r.Set(K::Ora, ore + ":" + minuti);
    r.Set(K::Avviso, "3");
    r.Set(K::Tipologia, "Agente " + chi);
    r.Set(K::Causale, "Servizi " + chi);
    r.Set(K::Dettagli, "Dettagli " + chi);
    r.Set(K::Contatto, chi);
    r.Set(K::Tel, "06 5551234");
    r.Set(K::Cel, "3331234567");
    r.Set(K::Email, "cliente@example.it");
    r.Set(K::Luogo, "Bonifico");
    r.Set(K::Importo, "150,00");
    r.Set(K::Note, "Note " + chi);
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

QByteArray LeggiFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Three cards stored out of date order: the second has no time.
void Archivio()
{
    Scrivi({Appuntamento("20/03/2024", "10", "30", "Rossi Mario"),
            Appuntamento("01/02/2023", "", "", "Bianchi Anna", "Sì"),
            Appuntamento("15/01/2025", "08", "05", "Verdi Ugo")});
}

const QStringList kIntestazioni = {"Data appuntamento", "Ora",       "Agente",  "Servizi richiesti",
                                   "Dettagli",          "Cliente",   "Telefono", "Cellulare",
                                   "E-mail",            "Modalità di pagamento", "Importo",
                                   "Impegno assolto",   "Note"};
const QList<int> kLarghezze = {180, 150, 280, 400, 400, 300, 200, 200, 250, 300, 200, 200, 400};

} // namespace

class TestAppuntamentiExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void righe();
    void file();
    void modificabili();
    void archivioVuoto();
    void guida();
    void dalPulsante();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAppuntamentiExport::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
}

void TestAppuntamentiExport::cleanup()
{
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// Every card, fulfilled or not, numbered in file order whatever its date;
// a card with no time shows ":".
void TestAppuntamentiExport::righe()
{
    Archivio();
    TfrmExpScadenzario w;
    w.show();
    const RigheGriglia g = w.Modello()->Righe();
    QCOMPARE(g.size(), 3);
    QCOMPARE(g[0], QStringList({"1", "20/03/2024", "10:30", "Agente Rossi Mario", "Servizi Rossi Mario",
                                "Dettagli Rossi Mario", "Rossi Mario", "06 5551234", "3331234567",
                                "cliente@example.it", "Bonifico", "150,00", "No", "Note Rossi Mario"}));
    QCOMPARE(g[1].mid(0, 3), QStringList({"2", "01/02/2023", ":"}));
    QCOMPARE(g[1][6], QString("Bianchi Anna"));
    QCOMPARE(g[1][12], QString("Sì"));
    QCOMPARE(g[2].mid(0, 3), QStringList({"3", "15/01/2025", "08:05"}));
    QAbstractItemModel *m = w.grdRecords->model();
    QCOMPARE(m->columnCount(), 14);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("N."));
    for (int c = 0; c < kIntestazioni.size(); ++c)
        QCOMPARE(m->headerData(c + 1, Qt::Horizontal).toString(), kIntestazioni[c]);
    QCOMPARE(w.windowTitle(), QString(" Esportazione archivio appuntamenti"));
}

// The sheet name, the header row with its widths and one row per card, in
// the order of the grid; the file goes to the program folder.
void TestAppuntamentiExport::file()
{
    Archivio();
    TfrmExpScadenzario w;
    w.show();
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    const QByteArray xls = LeggiFile(CartellaProgramma() + "Riepilogo_Appuntamenti.xls");
    QVERIFY(xls.contains("<x:Name>Riepilogo Appuntamenti</x:Name>"));
    QByteArray intestazione = "<tr>";
    for (int c = 0; c < kIntestazioni.size(); ++c)
        intestazione += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(kLarghezze[c])
                        + ">" + kIntestazioni[c].toLatin1() + "</td>";
    intestazione += "</tr>";
    QVERIFY2(xls.contains(intestazione), xls.constData());
    const qsizetype rossi = xls.indexOf(">Rossi Mario<"), bianchi = xls.indexOf(">Bianchi Anna<"),
                    verdi = xls.indexOf(">Verdi Ugo<");
    QVERIFY(rossi > 0 && bianchi > rossi && verdi > bianchi);
    QCOMPARE(xls.count("<tr>"), 4);
    QVERIFY(xls.contains(">:<"));
    QCOMPARE(xls.count("sdnum="), 3 * 13); // thirteen cells a row: the row number is not written
}

// Details, client and telephone may be edited, and go to the file as
// edited; the archive never changes.
void TestAppuntamentiExport::modificabili()
{
    Archivio();
    const QByteArray archivio = LeggiFile(CartellaProgramma() + "Archivio_Appuntamenti.pro");
    TfrmExpScadenzario w;
    w.show();
    QAbstractItemModel *m = w.grdRecords->model();
    QStringList modificabili;
    for (int c = 0; c < m->columnCount(); ++c)
        if (m->flags(m->index(0, c)) & Qt::ItemIsEditable) modificabili << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(modificabili, QStringList({"Dettagli", "Cliente", "Telefono"}));
    QVERIFY(m->setData(m->index(2, 6), "Verdi Ugo jr.", Qt::EditRole));
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    QVERIFY(LeggiFile(CartellaProgramma() + "Riepilogo_Appuntamenti.xls").contains(">Verdi Ugo jr.<"));
    QCOMPARE(LeggiFile(CartellaProgramma() + "Archivio_Appuntamenti.pro"), archivio);
}

// No archive yet: an empty grid, no message on opening.
void TestAppuntamentiExport::archivioVuoto()
{
    TfrmExpScadenzario w;
    RisposteInOrdine r;
    w.show();
    QCoreApplication::processEvents();
    QCOMPARE(r.Testi(), QStringList());
    QCOMPARE(w.Modello()->rowCount(), 0);
    QVERIFY(QFileInfo::exists(CartellaProgramma() + "Archivio_Appuntamenti.pro"));
}

void TestAppuntamentiExport::guida()
{
    TfrmExpScadenzario w;
    w.show();
    QString visto, corpo;
    RisposteInOrdine r;
    r.altra = [&](QWidget *finestra) {
        if (auto *g = qobject_cast<TfrmGuida *>(finestra)) {
            visto = g->lblTitolo->text();
            corpo = g->txtGuida->toPlainText();
        }
        finestra->close();
    };
    w.cmdGuidaClick();
    QCOMPARE(visto, QString("Esportazione archivio appuntamenti in Excel"));
    const QStringList paragrafi = corpo.split("\n\n");
    QCOMPARE(paragrafi.size(), 3);
    for (const QString &p : paragrafi) QVERIFY(p.endsWith('.') && p.size() > 40);
    QVERIFY(paragrafi[0].contains("Esporta archivio") && paragrafi[0].contains("XLS"));
    QVERIFY(paragrafi[1].contains("icona di Excel") && paragrafi[1].contains("sì"));
    QVERIFY(paragrafi[2].contains("salvare il file"));
}

void TestAppuntamentiExport::dalPulsante()
{
    QWidget scheda;
    QString classe;
    QWidget *padrone = nullptr;
    QPointer<QWidget> finestra;
    RisposteInOrdine r;
    r.altra = [&](QWidget *w) {
        classe = w->metaObject()->className();
        padrone = w->parentWidget();
        finestra = w;
        if (auto *e = qobject_cast<TfrmEsportazione *>(w)) e->cmdEsciClick();
        else w->close();
    };
    ApriEsportazioneAppuntamenti(&scheda);
    QCOMPARE(classe, QString("TfrmExpScadenzario"));
    QCOMPARE(padrone, &scheda);
    QVERIFY(finestra.isNull());
}

QTEST_MAIN(TestAppuntamentiExport)
#include "test_appuntamenti_export.moc"

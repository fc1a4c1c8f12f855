// The spreadsheet file and the export window: exact bytes, escaping, the
// code page, failures, the window's questions and grid, and a real
// spreadsheet program reading the file back.
#include "TestiAttesi.h"
#include "ComeUtente.h"
#include "storage/Cartella.h"
#include "output/Avanzamento.h"
#include "output/Esportazione.h"
#include "output/FoglioExcel.h"
#include "LibreOffice.h"
#include "test_output_risposte.h"
#include "Desktop.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>
#include <optional>
#include <stdexcept>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Pieces 1 to 27 for the sheet "Foglio".
QByteArray Inizio(const QByteArray &foglio)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
           "xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<head>"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<!--[if gte mso 9]><xml>"
           "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
           "<x:Name>" + foglio + "</x:Name>"
           "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
           "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
           "</x:Pane></x:Panes>"
           "<x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects>"
           "<x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
           "</xml><![endif]-->"
           "</head><body><table x:str>";
}
const QByteArray kFine = "</table></body></html>";
QByteArray Intestazione(const QByteArray &testo, int larghezza)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(larghezza) + ">" +
           testo + "</td>";
}
QByteArray Cella(const QByteArray &testo)
{
    return "<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;1040;@\">" + testo + "</td>";
}

const QString kFile = QStringLiteral("Prova_Export.xls");

// An export window over a small fixed grid: three data columns, the second editable.
DescrizioneEsportazione Descrizione(RigheGriglia righe)
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Esportazione di prova in Excel");
    d.nomeFile = kFile;
    d.nomeFoglio = QStringLiteral("Foglio di prova");
    d.colonne = {{"Data chiamata", 150, false}, {"Note", 300, true}, {"Operatore / Agente", 250, false}};
    d.intestazioni = {{"Data chiamata", 150}, {"Note", 350}, {"Operatore o agente", 250}};
    d.guida = {QStringLiteral("Esportazione di prova in Excel"), {QStringLiteral("Uno."), QStringLiteral("Due.")}};
    d.riempi = [righe](RigheGriglia &r) {
        for (const QStringList &x : righe) AggiungiRiga(r, x);
    };
    return d;
}

const RigheGriglia kDueRighe = {
    {"05/03/2024", "Richiamare", "Anna"},
    {"06/03/2024", "", "Luca"},
};

QByteArray LeggiFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExcel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { desktop_.reset(); }
    void init();
    void cleanup();
    void byteEsatti_data();
    void byteEsatti();
    void testiProtetti_data();
    void testiProtetti();
    void esportaSovrascrive();
    void finestra();
    void esportaDallaFinestra_data();
    void esportaDallaFinestra();
    void esportaCellaModificata();
    void esportazioneFallita_data();
    void esportazioneFallita();
    void riempimentoInterrotto();
    void suggerimenti();
    void guida();
    void avanzamentoSuGrigliaGrande();
    void libreOfficeLeggeTesti();

private:
    QTemporaryDir dir_;
    std::optional<RaccoglitoreUrl> desktop_; // what the window handed to the desktop
};

void TestExcel::initTestCase()
{
    QVERIFY(dir_.isValid());
    desktop_.emplace(QStringList{"file"});
}

void TestExcel::init()
{
    desktop_->aperti.clear();
    ImpostaCartellaProgramma(dir_.path() + "/");
    QFile::remove(dir_.filePath(kFile));
}

void TestExcel::cleanup()
{
    ImpostaCartellaProgramma(QString());
    TAvanzamento::ImpostaRitardoMs(500);
}

void TestExcel::byteEsatti_data()
{
    QTest::addColumn<QVector<IntestazioneExcel>>("intestazioni");
    QTest::addColumn<RigheGriglia>("righe");
    QTest::addColumn<QByteArray>("atteso");

    const QVector<IntestazioneExcel> due = {{"Data chiamata", 150}, {"Operatore o agente", 250}};
    const QByteArray testata = "<tr>" + Intestazione("Data chiamata", 150) + Intestazione("Operatore o agente", 250) + "</tr>";
    QTest::newRow("griglia vuota: solo la riga delle intestazioni")
        << due << RigheGriglia() << Inizio("Foglio") + testata + kFine;
    QTest::newRow("due righe; la colonna N. non si scrive; testi senza spazi ai lati")
        << due << RigheGriglia{{"1", "05/03/2024", "  Anna Rossi \t"}, {"2", "06/03/2024", ""}}
        << Inizio("Foglio") + testata + "<tr>" + Cella("05/03/2024") + Cella("Anna Rossi") + "</tr>" + "<tr>" +
               Cella("06/03/2024") + Cella("") + "</tr>" + kFine;
    QTest::newRow("celle mancanti scritte vuote, celle in più ignorate")
        << due << RigheGriglia{{"1"}, {"2", "a", "b", "c"}}
        << Inizio("Foglio") + testata + "<tr>" + Cella("") + Cella("") + "</tr><tr>" + Cella("a") + Cella("b") +
               "</tr>" + kFine;
    QTest::newRow("nessuna colonna") << QVector<IntestazioneExcel>() << RigheGriglia{{"1", "x"}}
                                     << Inizio("Foglio") + "<tr></tr><tr></tr>" + kFine;
}

void TestExcel::byteEsatti()
{
    QFETCH(QVector<IntestazioneExcel>, intestazioni);
    QFETCH(RigheGriglia, righe);
    QFETCH(QByteArray, atteso);
    QCOMPARE(FoglioExcel("Foglio", intestazioni, righe), atteso);
}

// What the grid shows is what the spreadsheet shows: markup characters are
// escaped, characters missing from Windows-1252 become character references.
void TestExcel::testiProtetti_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QByteArray>("scritto");
    QTest::newRow("tag") << "<b>Oggetto</b>" << QByteArray("&lt;b&gt;Oggetto&lt;/b&gt;");
    QTest::newRow("e commerciale e virgolette") << "Rossi & \"figli\"" << QByteArray("Rossi &amp; &quot;figli&quot;");
    QTest::newRow("entità già scritta") << "&amp;" << QByteArray("&amp;amp;");
    QTest::newRow("lettere di Windows-1252") << "Città è € …" << QByteArray("Citt\xE0 \xE8 \x80 \x85");
    QTest::newRow("lettere fuori da Windows-1252") << "Łódź" << QByteArray("&#321;\xF3" "d&#378;");
    QTest::newRow("fuori dal piano di base") << "ok 😀" << QByteArray("ok &#128512;");
}

void TestExcel::testiProtetti()
{
    QFETCH(QString, testo);
    QFETCH(QByteArray, scritto);
    const QByteArray file = FoglioExcel(testo, {{testo, 100}}, {{"1", testo}});
    QCOMPARE(file, Inizio(scritto) + "<tr>" + Intestazione(scritto, 100) + "</tr><tr>" + Cella(scritto) + "</tr>" + kFine);
}

void TestExcel::esportaSovrascrive()
{
    const QString path = CartellaProgramma() + kFile;
    QVERIFY(EsportaFoglioExcel(kFile, "Foglio", {{"A", 10}}, {{"1", "una riga lunga"}, {"2", "altra"}}));
    QCOMPARE(LeggiFile(path), FoglioExcel("Foglio", {{"A", 10}}, {{"1", "una riga lunga"}, {"2", "altra"}}));
    QVERIFY(EsportaFoglioExcel(kFile, "Foglio", {{"A", 10}}, {}));
    QCOMPARE(LeggiFile(path), FoglioExcel("Foglio", {{"A", 10}}, {}));
    QVERIFY(!LeggiFile(path).startsWith("\xEF\xBB\xBF"));
}

void TestExcel::finestra()
{
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    QCOMPARE(w.windowTitle(), QString(" Esportazione di prova in Excel"));
    // Fixed size, no system buttons.
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    for (const char *n : {"grdRecords", "cmdEsporta", "cmdGuida", "cmdEsci", "icoHand", "imgLogo", "panInfo"})
        QVERIFY2(w.findChild<QWidget *>(n), n);
    QCOMPARE(w.panInfo->text(), QString("Esportazione archivio in Microsoft Excel."));

    QAbstractItemModel *m = w.grdRecords->model();
    QCOMPARE(m->columnCount(), 4);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("N."));
    QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QString("Operatore / Agente"));
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->index(0, 0).data().toString(), QString("1"));
    QCOMPARE(m->index(1, 0).data().toString(), QString("2"));
    QCOMPARE(m->index(1, 3).data().toString(), QString("Luca"));
    QVERIFY(w.grdRecords->alternatingRowColors());
    QCOMPARE(w.grdRecords->rowHeight(0), 21);
    QCOMPARE(w.grdRecords->rowHeight(1), 21);
    QCOMPARE(w.grdRecords->columnWidth(0), 60);
    QCOMPARE(w.grdRecords->columnWidth(2), 300);
    for (int c = 0; c < 4; ++c)
        QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), c == 2);

    // Escape does not close it; cmdEsci does.
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.cmdEsci, Qt::LeftButton);
    QVERIFY(!w.isVisible());
}

void TestExcel::esportaDallaFinestra_data()
{
    QTest::addColumn<QList<QMessageBox::StandardButton>>("risposte");
    QTest::addColumn<int>("domande");
    QTest::addColumn<bool>("scritto");
    QTest::addColumn<bool>("aperto");
    QTest::newRow("No alla prima domanda: nulla è scritto") << QList{QMessageBox::No} << 1 << false << false;
    QTest::newRow("Sì, poi No: scritto e non aperto") << QList{QMessageBox::Yes, QMessageBox::No} << 2 << true << false;
    QTest::newRow("Sì, Sì: scritto e aperto") << QList{QMessageBox::Yes, QMessageBox::Yes} << 2 << true << true;
}

void TestExcel::esportaDallaFinestra()
{
    QFETCH(QList<QMessageBox::StandardButton>, risposte);
    QFETCH(int, domande);
    QFETCH(bool, scritto);
    QFETCH(bool, aperto);
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    RisposteInOrdine r(risposte);
    QTest::mouseClick(w.cmdEsporta, Qt::LeftButton);
    QCOMPARE(r.Box().size(), domande);
    QCOMPARE(r.Box()[0].testo, Attesi::DomandaEsportazione);
    QCOMPARE(r.Box()[0].bottoni, QMessageBox::Yes | QMessageBox::No);
    if (domande > 1) {
        // The success box says where the file went.
        QCOMPARE(r.Box()[1].testo, "Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                   "Il file è stato salvato in:\r\n"
                                       + QDir::toNativeSeparators(CartellaProgramma() + kFile)
                                       + "\r\n\r\nSi vuole aprire il file di Excel?");
        QCOMPARE(r.Box()[1].bottoni, QMessageBox::Yes | QMessageBox::No);
    }
    const QString path = CartellaProgramma() + kFile;
    QCOMPARE(QFile::exists(path), scritto);
    if (scritto) {
        // The file's header cells, not the grid's; the grid's rows.
        const QByteArray atteso = FoglioExcel("Foglio di prova", {{"Data chiamata", 150}, {"Note", 350}, {"Operatore o agente", 250}},
                                              {{"1", "05/03/2024", "Richiamare", "Anna"}, {"2", "06/03/2024", "", "Luca"}});
        QCOMPARE(LeggiFile(path), atteso);
    }
    QCOMPARE(desktop_->File(), aperto ? QStringList{path} : QStringList());
    QVERIFY(w.isVisible()); // the window stays open, its grid unchanged
    QCOMPARE(w.grdRecords->model()->rowCount(), 2);
}

void TestExcel::esportaCellaModificata()
{
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QModelIndex nota = w.grdRecords->model()->index(1, 2);
    w.grdRecords->setCurrentIndex(nota);
    w.grdRecords->edit(nota);
    auto *editor = w.grdRecords->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Nota <scritta> nella griglia");
    // A read-only column opens no editor.
    const QModelIndex data = w.grdRecords->model()->index(0, 1);
    QVERIFY(!(w.grdRecords->model()->flags(data) & Qt::ItemIsEditable));

    // Export while the cell is still being edited: what was typed is written.
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    const QByteArray file = LeggiFile(CartellaProgramma() + kFile);
    QVERIFY2(file.contains(Cella("Nota &lt;scritta&gt; nella griglia")), file.constData());
    QCOMPARE(w.grdRecords->model()->index(1, 2).data().toString(), QString("Nota <scritta> nella griglia"));
}

void TestExcel::esportazioneFallita_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("messaggio");
    // A folder that cannot be written says so; a file that cannot be says
    // what the user can mend (close it in the spreadsheet program).
    QTest::newRow("cartella inesistente") << "inesistente" << Attesi::ErroreEsportazioneCartella;
    QTest::newRow("nome occupato da una cartella") << "cartella" << Attesi::ErroreEsportazione;
    QTest::newRow("scrittura che fallisce a metà") << "pieno" << Attesi::ErroreEsportazione;
    QTest::newRow("cartella in sola lettura") << "solalettura" << Attesi::ErroreEsportazioneCartella;
}

void TestExcel::esportazioneFallita()
{
    QFETCH(QString, caso);
    QFETCH(QString, messaggio);
    QTemporaryDir d;
    QString cartella = d.path() + "/";
    const bool comeUtente = caso == "solalettura" && !qEnvironmentVariableIsEmpty("PRATOVIA_CARTELLA_RO");
    if (comeUtente) cartella = qEnvironmentVariable("PRATOVIA_CARTELLA_RO") + "/";
    if (caso == "inesistente") {
        cartella = d.path() + "/manca/";
    } else if (caso == "cartella") {
        QVERIFY(QDir(d.path()).mkdir(kFile));
    } else if (caso == "pieno") {
        // Opening works, writing fails (a disk that fills up while writing).
        if (!QFile::exists("/dev/full")) QSKIP("no /dev/full here");
        QVERIFY(QFile::link("/dev/full", d.filePath(kFile)));
    } else if (caso == "solalettura" && ComeUtente::Radice()) {
        // Root writes anywhere: the same row runs again as a plain user.
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        ComeUtente::SolaLettura(d.path());
        const int esito = ComeUtente::Esegui("esportazioneFallita:cartella in sola lettura",
                                             {{"PRATOVIA_CARTELLA_RO", d.path()}});
        QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    } else if (caso == "solalettura" && !comeUtente) {
        QVERIFY(QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    ImpostaCartellaProgramma(cartella);
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::Yes});
    w.cmdEsportaClick();
    QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(r.Box().size(), 2);
    QCOMPARE(r.Box()[1].testo, messaggio);
    QCOMPARE(r.Box()[1].icona, QMessageBox::NoIcon);
    QCOMPARE(r.Box()[1].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(desktop_->aperti.isEmpty());
    QCOMPARE(w.grdRecords->model()->rowCount(), 2);
}

void TestExcel::riempimentoInterrotto()
{
    DescrizioneEsportazione d = Descrizione({});
    d.riempi = [](RigheGriglia &r) {
        AggiungiRiga(r, {"05/03/2024", "a", "b"});
        AggiungiRiga(r, {"06/03/2024", "c", "d"});
        throw std::runtime_error("archivio illeggibile");
    };
    RisposteInOrdine r;
    TfrmEsportazione w(nullptr, d);
    w.show();
    QCOMPARE(w.grdRecords->model()->rowCount(), 2);
    QCOMPARE(w.grdRecords->model()->index(1, 0).data().toString(), QString("2"));
    QTest::qWait(20);
    QVERIFY(r.Box().isEmpty());
}

void TestExcel::suggerimenti()
{
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const struct {
        QWidget *dove;
        const char *testo;
    } casi[] = {
        {w.cmdEsporta, "Esporta l'archivio in formato Microsoft Excel."},
        {w.grdRecords->viewport(), ""},
        {w.cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {&w, ""},
        {w.cmdEsci, "Esci da questo ambiente di lavoro."},
        {w.panInfo, ""},
    };
    for (const auto &c : casi) {
        QTest::mouseMove(c.dove, QPoint(5, 5));
        QMouseEvent mossa(QEvent::MouseMove, QPointF(5, 5), c.dove->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c.dove, &mossa);
        QCOMPARE(w.panInfo->text(), QString::fromUtf8(c.testo));
    }
}

void TestExcel::guida()
{
    TfrmEsportazione w(nullptr, Descrizione(kDueRighe));
    w.show();
    QString titolo;
    RisposteInOrdine r;
    r.altra = [&](QWidget *finestra) {
        titolo = finestra->findChild<QLabel *>("lblTitolo") ? finestra->findChild<QLabel *>("lblTitolo")->text()
                                                             : finestra->windowTitle();
        finestra->close();
    };
    QTest::mouseClick(w.cmdGuida, Qt::LeftButton);
    QCOMPARE(titolo, QString("Esportazione di prova in Excel"));
}

void TestExcel::avanzamentoSuGrigliaGrande()
{
    TAvanzamento::ImpostaRitardoMs(0);
    RigheGriglia righe;
    for (int i = 0; i < 60000; ++i) righe.append(QStringList{"05/03/2024", QString("Nota %1").arg(i), "Anna"});
    TfrmEsportazione w(nullptr, Descrizione(righe));
    w.show();
    bool vista = false;
    QTimer sonda;
    connect(&sonda, &QTimer::timeout, [&] {
        for (QWidget *x : QApplication::topLevelWidgets())
            if (qobject_cast<QProgressDialog *>(x) && x->isVisible()) vista = true;
    });
    sonda.start(0);
    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w.cmdEsportaClick();
    QVERIFY(vista);
    QVERIFY(LeggiFile(CartellaProgramma() + kFile).endsWith(Cella("Anna") + "</tr>" + kFine));
}

// A real spreadsheet program opens the file and takes every cell as text.
void TestExcel::libreOfficeLeggeTesti()
{
    if (LibreOffice().isEmpty()) QSKIP("LibreOffice (libreoffice-calc-nogui) not installed");
    const QStringList valori = {"05/03/2024", "00184", "01234567890", "12,50", "<b>", "Łódź",
                                "0612345678", "10:30", "1e5", "Rossi & figli", "=1+1", "-3"};
    RigheGriglia righe;
    QVector<IntestazioneExcel> intestazioni;
    for (int i = 0; i < valori.size(); ++i) intestazioni.append({QString("Colonna %1").arg(i + 1), 100});
    righe.append(QStringList(QStringList{"1"} + valori));
    QStringList rovescio = valori;
    std::reverse(rovescio.begin(), rovescio.end());
    righe.append(QStringList(QStringList{"2"} + rovescio));
    QVERIFY(EsportaFoglioExcel(kFile, "Prova", intestazioni, righe));

    QString errore;
    const TabellaLetta tabella = LeggiConLibreOffice(CartellaProgramma() + kFile, &errore);
    QVERIFY2(tabella.size() >= 3, qPrintable(errore));
    QCOMPARE(tabella[0].size(), valori.size());
    QCOMPARE(tabella[0][0].second, QString("Colonna 1"));
    for (int riga = 1; riga <= 2; ++riga) {
        const QStringList &attesi = riga == 1 ? valori : rovescio;
        QCOMPARE(tabella[riga].size(), attesi.size());
        for (int c = 0; c < attesi.size(); ++c) {
            QCOMPARE(tabella[riga][c].second, attesi[c]);
            QCOMPARE(tabella[riga][c].first, QString("string"));
        }
    }
}

QTEST_MAIN(TestExcel)
#include "test_output_excel.moc"

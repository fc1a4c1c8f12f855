// The search window base over a record file of its own, the plain list
// functions under it, the order of sorted lists, and the mode writers of the
// client search.
#include "output/FinestraRicerca.h"
#include "output/Stampa.h"
#include "output/TrovaLista.h"
#include "reports/Modelli.h"
#include "storage/Cartella.h"
#include "storage/ElencoRecord.h"
#include "storage/Record.h"
#include "storage/TArchivio.h"
#include "ui/ScrittoriCliente.h"
#include "ui/Stile.h"
#include "ui/TfrmGuida.h"
#include "test_output_risposte.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

// A small card of its own: a name, a town and a note.
struct LayoutProva {
    enum Campo { Nome, Citta, Nota };
    static constexpr std::array<int, 3> N = {12, 10, 20};
    static constexpr std::array<const char *, 3> Nomi = {"Nome", "Citta", "Nota"};
};
using TProva = TRecord<LayoutProva>;

// pad(Nome, 8) + " | " + Citta: the note is not in the line.
QString RigaProva(const char *record)
{
    TProva r;
    std::memcpy(r.Buffer(), record, TProva::Dimensione);
    return r.Get(LayoutProva::Nome).leftJustified(8, u' ', true) + " | " + r.Get(LayoutProva::Citta);
}

FileElenco FileProva()
{
    return {QStringLiteral("Prove.dat"), TProva::Dimensione, RigaProva};
}

void Scrivi(const QList<QStringList> &schede)
{
    TArchivio a;
    a.Open("Prove.dat", TProva::Dimensione);
    for (const QStringList &s : schede) {
        TProva r;
        r.Set(LayoutProva::Nome, s.value(0));
        r.Set(LayoutProva::Citta, s.value(1));
        r.Set(LayoutProva::Nota, s.value(2));
        a.Append(r);
    }
    a.Close();
}

// Cards 2 and 4 give the same line; their notes tell them apart.
const QList<QStringList> kSchede = {
    {"zeta", "Roma", "uno"}, {"Bruno", "Napoli", "due"}, {"anna", "Milano", "tre"},
    {"Bruno", "Napoli", "quattro"}, {"Carla", "Roma", "cinque"}};

struct Scelta {
    QString modo;
    qint64 posizione;
    QString nota;
};

// The order of a sorted list, written the plain way: the whole lines
// compared with a-z taken as A-Z, ties kept in list order.
QStringList OrdineAtteso(QStringList righe)
{
    auto su = [](const QString &s) {
        QString r = s;
        for (QChar &c : r)
            if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
        return r;
    };
    std::stable_sort(righe.begin(), righe.end(), [&](const QString &a, const QString &b) { return su(a) < su(b); });
    return righe;
}

void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents();
    const QPoint p(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

class TDestinatario : public QWidget, public DestinatarioCliente
{
public:
    QList<qint64> ricevute;
    void RiceviCliente(const TSchedaCliente &, qint64 posizione) override { ricevute << posizione; }
};

} // namespace

class TestFinestraRicerca : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ordinamento_data();
    void ordinamento();
    void ordinamentoCasuale();
    void ordinamentoInLettura();
    void elencoERichiamo();
    void testoTrovate_data();
    void testoTrovate();
    void scriviRiga_data();
    void scriviRiga();
    void filtri_data();
    void filtri();
    void catenaInvio();
    void doppioClic_data();
    void doppioClic();
    void senzaFiltri();
    void trovaEStampa();
    void scrittoriCliente();

private:
    // A search over Prove.dat: the town first, then the name, in file order.
    std::unique_ptr<TFinestraRicerca> Ricerca(bool ordina = false);

    std::unique_ptr<QTemporaryDir> dir_;
    QList<Scelta> scelte_;
};

void TestFinestraRicerca::initTestCase()
{
    ApplicaStile(*qApp);
    InstallaSostituzioniFont();
}

void TestFinestraRicerca::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
    scelte_.clear();
}

void TestFinestraRicerca::cleanup()
{
    ImpostaCartellaProgramma(QString());
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

std::unique_ptr<TFinestraRicerca> TestFinestraRicerca::Ricerca(bool ordina)
{
    DescrizioneRicerca d;
    d.dimensione = QSize(700, 500);
    d.didascalia = QStringLiteral(" Trova prove");
    d.rigo03 = QStringLiteral("Doppio clic per scegliere");
    d.titoloStampa = QStringLiteral("Riepilogo prove");
    d.modelloStampa = ModelloRiepilogoDati();
    d.filtri = {{"txtCitta", "Città:", TProva::Grezzo(LayoutProva::Citta), "effCampo01"},
                {"txtNome", "Nome:", TProva::Grezzo(LayoutProva::Nome), "effCampo02"},
                {"txtNota", "Nota:", TProva::Grezzo(LayoutProva::Nota), QString()}};
    d.file = FileProva();
    d.ordina = ordina;
    d.azione = [this](QWidget *, const QString &modo, const char *record, qint64 posizione) {
        TProva r;
        std::memcpy(r.Buffer(), record, TProva::Dimensione);
        scelte_ << Scelta{modo, posizione, r.Get(LayoutProva::Nota)};
    };
    return std::make_unique<TFinestraRicerca>(nullptr, d);
}

// ----------------------------------------------------------------- order

void TestFinestraRicerca::ordinamento_data()
{
    QTest::addColumn<QStringList>("righe"); // in file order
    QTest::addColumn<QStringList>("attese");

    QTest::newRow("maiuscole e minuscole a-z alla pari, poi l'ordine del file")
        << QStringList{"beta", "Alfa", "BETA", "alfa", "Beta"} << QStringList{"Alfa", "alfa", "beta", "BETA", "Beta"};
    QTest::newRow("segni tra Z e a restano dopo le lettere")
        << QStringList{"_x", "zz", "[y", "Za", "a"} << QStringList{"a", "Za", "zz", "[y", "_x"};
    QTest::newRow("accentate per codice, senza piegarle")
        << QStringList{"è", "É", "e", "z", "È", "é"} << QStringList{"e", "z", "È", "É", "è", "é"};
    QTest::newRow("oltre Latin-1: ÿ prima di Ā, € dopo entrambe")
        << QStringList{"x€", "xĀ", "xÿz", "xz", "xŸ"} << QStringList{"xz", "xÿz", "xĀ", "xŸ", "x€"};
    QTest::newRow("una riga prima di quelle che comincia")
        << QStringList{"Rossi Mario", "Rossi", "ROSSI M", "", "Ross"}
        << QStringList{"", "Ross", "Rossi", "ROSSI M", "Rossi Mario"};
    QTest::newRow("carattere nullo contro fine riga")
        << QStringList{QString("ab") + QChar(0) + "c", QString("ab") + QChar(0), "ab"}
        << QStringList{"ab", QString("ab") + QChar(0), QString("ab") + QChar(0) + "c"};

    // Differences past the first fifty characters, after long equal stretches.
    const QString lungo = QString("Bianchi Anna").leftJustified(26) + "  Tel. " + QString("06 1234").leftJustified(15)
                          + "  Medico";
    QTest::newRow("differenza dopo cinquanta caratteri")
        << QStringList{lungo + " b", lungo.toUpper() + " A", lungo + " a", lungo, lungo + " é", lungo + " Ā"}
        << QStringList{lungo, lungo.toUpper() + " A", lungo + " a", lungo + " b", lungo + " é", lungo + " Ā"};
    QTest::newRow("righe uguali a meno delle maiuscole: l'ordine del file")
        << QStringList{lungo.toUpper(), lungo, lungo.toLower(), lungo}
        << QStringList{lungo.toUpper(), lungo, lungo.toLower(), lungo};
}

void TestFinestraRicerca::ordinamento()
{
    QFETCH(QStringList, righe);
    QFETCH(QStringList, attese);
    QCOMPARE(OrdineAtteso(righe), attese); // the table itself states the rule
    OrdinaRighe(righe);
    QCOMPARE(righe, attese);
}

// Many lines from a few characters, with long shared starts: the same order
// as the plain comparison, for each of several seeds.
void TestFinestraRicerca::ordinamentoCasuale()
{
    const QString alfabeto = QString::fromUtf8("aAbB zÿĀé€_") + QChar(0);
    // Long lists are sorted in blocks while they are read: 40 000 lines
    // take several blocks and merges.
    for (auto [seme, quante] : {std::pair{1u, 3000}, {2u, 3000}, {3u, 3000}, {4u, 40000}}) {
        QRandomGenerator rng(seme);
        QStringList righe;
        for (int i = 0; i < quante; ++i) {
            QString r = QString("Cliente ").repeated(int(rng.bounded(8)));
            const int n = int(rng.bounded(12));
            for (int k = 0; k < n; ++k) r += alfabeto[int(rng.bounded(alfabeto.size()))];
            righe << r;
        }
        const QStringList attese = OrdineAtteso(righe);
        OrdinaRighe(righe);
        QCOMPARE(righe, attese);
    }
}

// A long file read into a sorted list: the order of the plain comparison,
// with the cards of equal lines in file order. 100 000 cards (4.5 MB) are
// read ahead on a second thread; the lines and the progress are still made
// on the calling thread, where the progress may touch the window.
void TestFinestraRicerca::ordinamentoInLettura()
{
    const QStringList nomi = {"Rossi", "rossi", "ROSSI", "Rossini", "Ros", "Bianchi", "bianco", "Verdi"};
    constexpr int kQuante = 100000;
    QList<QStringList> schede;
    QRandomGenerator rng(11);
    for (int i = 0; i < kQuante; ++i)
        schede << QStringList{nomi[int(rng.bounded(nomi.size()))], QString::number(rng.bounded(40)),
                              QString::number(i)};
    Scrivi(schede);
    bool tuttoQui = true;
    QList<qint64> avanzamenti;
    FileElenco controllato = FileProva();
    controllato.riga = [&tuttoQui](const char *record) {
        tuttoQui = tuttoQui && QThread::currentThread() == qApp->thread();
        return RigaProva(record);
    };
    const QStringList inOrdine = LeggiElenco(controllato, {}, false, [&](qint64 letti, qint64 totale) {
                                     tuttoQui = tuttoQui && QThread::currentThread() == qApp->thread();
                                     if (totale == kQuante) avanzamenti << letti;
                                 }).righe;
    QVERIFY(tuttoQui);
    QCOMPARE(inOrdine.size(), kQuante);
    QCOMPARE(avanzamenti.size(), kQuante / 512);
    QCOMPARE(avanzamenti.last(), qint64(kQuante / 512 * 512));
    // The cards in file order: the note holds the card's number.
    const ElencoLetto note = LeggiElenco({FileProva().nome, TProva::Dimensione,
                                          [](const char *r) { return TProva::Leggi(r, LayoutProva::Nota); }},
                                         {}, false);
    QCOMPARE(note.righe.size(), kQuante);
    bool inFila = true;
    for (int i = 0; i < kQuante; ++i) inFila = inFila && note.righe[i] == QString::number(i);
    QVERIFY(inFila);
    QCOMPARE(LeggiElenco(FileProva(), {}, true).righe, OrdineAtteso(inOrdine));
    // Through a filter that leaves out most of the file.
    const auto scegli = [](const char *r) { return TProva::Leggi(r, LayoutProva::Citta).endsWith(u'7'); };
    QCOMPARE(LeggiElenco(FileProva(), scegli, true).righe, OrdineAtteso(LeggiElenco(FileProva(), scegli, false).righe));
}

// ------------------------------------------------------ plain list functions

void TestFinestraRicerca::elencoERichiamo()
{
    Scrivi(kSchede);
    const FiltriRecord roma({"  ", "rom"}, {TProva::Grezzo(LayoutProva::Nome), TProva::Grezzo(LayoutProva::Citta)});
    QCOMPARE(roma.Attivi(), 1);
    const auto scegli = [&](const char *r) { return roma.Corrisponde(r); };
    QCOMPARE(LeggiElenco(FileProva(), scegli, false).righe, QStringList({"zeta     | Roma", "Carla    | Roma"}));
    QCOMPARE(LeggiElenco(FileProva(), scegli, true).righe, QStringList({"Carla    | Roma", "zeta     | Roma"}));
    QCOMPARE(LeggiElenco(FileProva(), {}, true).righe.size(), 5);

    // Every equal card, in file order; the chosen line is trimmed too.
    QList<qint64> posizioni;
    QCOMPARE(RichiamaRecord(FileProva(), "  Bruno    | Napoli  ",
                            [&](const char *, qint64 p) { posizioni << p; }),
             2);
    QCOMPARE(posizioni, QList<qint64>({2, 4}));
    QCOMPARE(RichiamaRecord(FileProva(), "Bruno | Napoli", [](const char *, qint64) {}), 0);

    // A missing folder: the read reports the failure, the match throws.
    ImpostaCartellaProgramma(dir_->path() + "/manca/");
    QVERIFY(LeggiElenco(FileProva(), {}, true).errore);
    QVERIFY_THROWS_EXCEPTION(EArchivio, RichiamaRecord(FileProva(), "x", [](const char *, qint64) {}));
}

// ------------------------------------------------------------ the window

// The count under a result list, singular for one card.
void TestFinestraRicerca::testoTrovate_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("testo");
    QTest::newRow("nessuna") << qint64(0) << "Il presente riepilogo contiene 0 schede.";
    QTest::newRow("una") << qint64(1) << "Il presente riepilogo contiene 1 scheda.";
    QTest::newRow("due") << qint64(2) << "Il presente riepilogo contiene 2 schede.";
    QTest::newRow("molte, senza separatore") << qint64(200000) << "Il presente riepilogo contiene 200000 schede.";
}

void TestFinestraRicerca::testoTrovate()
{
    QFETCH(qint64, n);
    QFETCH(QString, testo);
    QCOMPARE(TestoTrovate(n), testo);
}

// A line written from its parts: a fixed text, then a raw field trimmed,
// decoded from Windows-1252, padded or cut to its column (a length byte
// above N counts as N), or a piece of it as QString::mid takes it.
void TestFinestraRicerca::scriviRiga_data()
{
    QTest::addColumn<QByteArray>("campo"); // the length byte and the bytes of a field of N = 40
    QTest::addColumn<int>("da");           // -1: the whole field
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<QString>("riga");     // after "Nome: "
    QTest::newRow("riempito di spazi") << QByteArray("\x05Rossi") << -1 << 8 << "Nome: Rossi   ";
    QTest::newRow("rifilato, poi riempito") << QByteArray("\x09  Rossi \t") << -1 << 7 << "Nome: Rossi  ";
    QTest::newRow("tagliato") << QByteArray("\x0a" "Bartolomei") << -1 << 6 << "Nome: Bartol";
    QTest::newRow("lettere accentate ed euro") << QByteArray("\x06" "Citt\xe0\x80") << -1 << 7 << "Nome: Città€ ";
    QTest::newRow("senza colonna: solo rifilato") << QByteArray("\x04 Ugo") << -1 << -1 << "Nome: Ugo";
    QTest::newRow("lunghezza oltre N") << QByteArray("\xff" "Abcdefghij" "klmnopqrst" "uvwxyzABCD" "EFGHIJKLMN" "OPQ")
                                       << -1 << -1 << "Nome: AbcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    QTest::newRow("vuoto") << QByteArray("\x00", 1) << -1 << 4 << "Nome:     ";
    // Long text is widened sixteen bytes at a time: an accent past the
    // first sixteen, and one in the last few bytes.
    QTest::newRow("lungo, accento dopo sedici") << QByteArray("\x14" "Associazione cultur\xe0") << -1 << -1
                                                << "Nome: Associazione culturà";
    QTest::newRow("lungo, tagliato prima dell'accento") << QByteArray("\x14" "Associazione cultur\xe0") << -1 << 17
                                                        << "Nome: Associazione cult";
    QTest::newRow("pezzo in mezzo") << QByteArray("\x0a" "25/12/2026") << 3 << 2 << "Nome: 12";
    QTest::newRow("pezzo alla fine, più corto") << QByteArray("\x08" "25/12/20") << 6 << 4 << "Nome: 20";
    QTest::newRow("pezzo oltre il testo") << QByteArray("\x04" "5/12") << 6 << 4 << "Nome: ";
    QTest::newRow("pezzo del testo rifilato") << QByteArray("\x0c" " 25/12/2026 ") << 0 << 2 << "Nome: 25";
}

void TestFinestraRicerca::scriviRiga()
{
    QFETCH(QByteArray, campo);
    QFETCH(int, da);
    QFETCH(int, larghezza);
    QFETCH(QString, riga);
    QByteArray record(3, 'x');
    record += campo;
    record.resize(3 + 41 + 4, '\0');
    const CampoGrezzo c{3, 40};
    const std::array parti = {ParteFissa(u"Nome: "), da < 0 ? ParteCampo(c, larghezza) : PartePezzo(c, da, larghezza)};
    const QString fatta = ScriviRiga(record.constData(), parti);
    QCOMPARE(fatta, riga);
    // Exactly as long as its text: no spare room kept for the list.
    QCOMPARE(fatta.capacity(), fatta.size());
}

void TestFinestraRicerca::filtri_data()
{
    QTest::addColumn<QStringList>("testi"); // txtCitta, txtNome, txtNota
    QTest::addColumn<bool>("ordina");
    QTest::addColumn<QString>("conta");
    QTest::addColumn<QStringList>("righe");

    QTest::newRow("nessun filtro: tutte, nell'ordine del file")
        << QStringList() << false << "0"
        << QStringList{"zeta     | Roma", "Bruno    | Napoli", "anna     | Milano", "Bruno    | Napoli",
                       "Carla    | Roma"};
    QTest::newRow("nessun filtro, ordinate")
        << QStringList() << true << "0"
        << QStringList{"anna     | Milano", "Bruno    | Napoli", "Bruno    | Napoli", "Carla    | Roma",
                       "zeta     | Roma"};
    QTest::newRow("città e nome insieme") << QStringList{"ROMA", "a"} << false << "2"
                                          << QStringList{"zeta     | Roma", "Carla    | Roma"};
    QTest::newRow("un campo fuori dalla riga: la nota")
        << QStringList{"", "", "quattro"} << false << "1" << QStringList{"Bruno    | Napoli"};
    QTest::newRow("solo spazi non contano, spazio iniziale sì")
        << QStringList{"   ", " napoli"} << false << "1" << QStringList();
}

void TestFinestraRicerca::filtri()
{
    QFETCH(QStringList, testi);
    QFETCH(bool, ordina);
    QFETCH(QString, conta);
    QFETCH(QStringList, righe);
    Scrivi(kSchede);
    auto w = Ricerca(ordina);
    w->show();
    QVERIFY(w->panAvvio->isVisible());
    for (int i = 0; i < testi.size(); ++i) w->CampiFiltro()[size_t(i)]->setText(testi[i]);
    QTest::mouseClick(w->btnCerca, Qt::LeftButton);

    QCOMPARE(w->lblConta->text(), conta);
    QCOMPARE(RigheLista(w->lstRecords->model()), righe);
    QCOMPARE(w->lblTrovate->text(), righe.size() == 1 ? QString("Il presente riepilogo contiene 1 scheda.")
                                                       : QString("Il presente riepilogo contiene %1 schede.").arg(righe.size()));
    QVERIFY(w->panContainer->isVisible());
    QVERIFY(!w->panAvvio->isVisible());
}

void TestFinestraRicerca::catenaInvio()
{
    auto w = Ricerca();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const QStringList ordine = {"txtCitta", "txtNome", "txtNota", "txtCitta"};
    const QStringList evidenze = {"effCampo01", "effCampo02", "effNota"};
    for (int i = 0; i < 3; ++i) {
        auto *campo = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(campo);
        QCOMPARE(campo->objectName(), ordine[i]);
        QCOMPARE(w->findChild<QLabel *>("lbl" + ordine[i].mid(3))->buddy(), campo);
        auto *eff = w->findChild<QWidget *>(evidenze[i]);
        QVERIFY2(eff && eff->isVisible(), qPrintable(evidenze[i]));
        QTest::keyClick(campo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), ordine[i + 1]);
        QVERIFY(!eff->isVisible());
    }
}

void TestFinestraRicerca::doppioClic_data()
{
    QTest::addColumn<bool>("ordina");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QList<qint64>>("posizioni");
    QTest::addColumn<QString>("nota"); // the note of the last card chosen
    QTest::newRow("righe uguali nell'ordine del file: tutte, l'ultima resta") << false << 1 << QList<qint64>{2, 4}
                                                                             << "quattro";
    QTest::newRow("l'altra delle due") << false << 3 << QList<qint64>{2, 4} << "quattro";
    QTest::newRow("ordinate") << true << 2 << QList<qint64>{2, 4} << "quattro";
    QTest::newRow("una scheda sola") << true << 0 << QList<qint64>{3} << "tre";
}

void TestFinestraRicerca::doppioClic()
{
    QFETCH(bool, ordina);
    QFETCH(int, riga);
    QFETCH(QList<qint64>, posizioni);
    QFETCH(QString, nota);
    Scrivi(kSchede);
    auto w = Ricerca(ordina);
    w->lblMemory->setText("prove");
    w->show();
    QTest::mouseClick(w->btnCerca, Qt::LeftButton);
    DoppioClic(w->lstRecords, riga);
    QTRY_VERIFY(!w->isVisible());
    QList<qint64> avute;
    for (const Scelta &s : std::as_const(scelte_)) {
        avute << s.posizione;
        QCOMPARE(s.modo, QString("prove"));
    }
    QCOMPARE(avute, posizioni);
    QCOMPARE(scelte_.last().nota, nota);
    QCOMPARE(w->lstRecords->model()->rowCount(), 0); // closing empties the list
}

// Without filter fields: no filter view; the list is read when shown.
void TestFinestraRicerca::senzaFiltri()
{
    Scrivi(kSchede);
    DescrizioneRicerca d;
    d.dimensione = QSize(600, 400);
    d.modelloStampa = ModelloRiepilogoDati();
    d.file = FileProva();
    d.scegli = [](const char *r) { return RigaProva(r).endsWith("Roma"); };
    d.guida = {QStringLiteral("Guida delle prove"), {QStringLiteral("Primo."), QStringLiteral("Secondo.")}};
    TFinestraRicerca w(nullptr, d);
    QVERIFY(!w.panAvvio && !w.lblMemory && !w.lblTrovate);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(RigheLista(w.lstRecords->model()), QStringList({"Carla    | Roma", "zeta     | Roma"}));
    QCOMPARE(QApplication::focusWidget(), w.txtTrova);

    // F1: the window's help page.
    RisposteInOrdine risposte;
    QString titolo, testo;
    risposte.altra = [&](QWidget *finestra) {
        if (auto *g = qobject_cast<TfrmGuida *>(finestra)) {
            titolo = g->lblTitolo->text();
            testo = g->txtGuida->toPlainText();
        }
        finestra->close();
    };
    QTest::keyClick(w.txtTrova, Qt::Key_F1);
    QCOMPARE(titolo, QString("Guida delle prove"));
    QCOMPARE(testo, QString("Primo.\n\nSecondo."));
}

void TestFinestraRicerca::trovaEStampa()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext not installed");
    Scrivi(kSchede);
    auto w = Ricerca();
    w->show();
    QTest::mouseClick(w->btnCerca, Qt::LeftButton);

    // "Trova": the first line with "rom", then the next, then round again.
    QTest::keyClicks(w->txtTrova, "ROM");
    for (const char *attesa : {"zeta     | Roma", "Carla    | Roma", "zeta     | Roma"}) {
        QTest::mouseClick(w->btnTrova, Qt::LeftButton);
        QCOMPARE(w->RigaSelezionata(), QString(attesa));
    }

    const QString pdf = dir_->path() + "/prove.pdf";
    ImpostaStampaSuPdf(pdf);
    QTest::mouseClick(w->btnStampa, Qt::LeftButton);
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(30000));
    QStringList stampate;
    for (const QString &r : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (!r.simplified().isEmpty()) stampate << r.simplified();
    QCOMPARE(stampate.mid(0, 6), QStringList({"Riepilogo prove", "zeta | Roma", "Bruno | Napoli", "anna | Milano",
                                              "Bruno | Napoli", "Carla | Roma"}));
    QVERIFY(stampate.value(6).startsWith("Stampa eseguita in data"));
}

// ------------------------------------------------------------ mode writers

void TestFinestraRicerca::scrittoriCliente()
{
    TSchedaCliente r;
    TDestinatario destinatario;
    QWidget figlio(&destinatario);
    for (const char *modo : {"chiamate", "scadenze", "riepilogo"}) {
        const ScrittoreCliente s = ScrittorePerModo(modo);
        QVERIFY2(s, modo);
        QVERIFY(s(&figlio, r, 7)); // found among the owner's parents
        QWidget solo;
        QVERIFY(!s(&solo, r, 8));
    }
    QCOMPARE(destinatario.ricevute, QList<qint64>({7, 7, 7}));
    QVERIFY(!ScrittorePerModo("sconosciuto"));

    // An app's own writer takes the place of the one the word had.
    QList<qint64> proprie;
    RegistraScrittoreCliente("prova", [&](QWidget *, const TSchedaCliente &, qint64 p) {
        proprie << p;
        return true;
    });
    QVERIFY(ScrittorePerModo("prova")(nullptr, r, 3));
    RegistraScrittoreCliente("prova", [&](QWidget *, const TSchedaCliente &, qint64 p) {
        proprie << -p;
        return true;
    });
    QVERIFY(ScrittorePerModo("prova")(nullptr, r, 4));
    QCOMPARE(proprie, QList<qint64>({3, -4}));
}

QTEST_MAIN(TestFinestraRicerca)
#include "test_finestra_ricerca.moc"

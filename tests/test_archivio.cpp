// Record files: TArchivio, browsing by position and the shared save mechanism.
#include "TestiAttesi.h"
#include "ComeUtente.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "ui/GestoreScheda.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <unistd.h>

namespace {
TSchedaServizio Servizio(const QString &servizi)
{
    TSchedaServizio s;
    s.Set(TSchedaServizio::Data, QStringLiteral("09/03/2024"));
    s.Set(TSchedaServizio::Servizi, servizi);
    return s;
}
QByteArray Leggi(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

class TestArchivio : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void apreCreaVuoto();
    void appendLeggiSovrascrivi();
    void posizioniFuoriIntervallo();
    void recordParziale();
    void letturaAvanti_data();
    void letturaAvanti();
    void erroriDiAccesso();
    void cartellaSolaLettura();
    void sfoglia_data();
    void sfoglia();
    void gestoreSfoglia();
    void gestoreSalva();
    void gestoreErrore();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestArchivio::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
}

void TestArchivio::cleanup()
{
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

void TestArchivio::apreCreaVuoto()
{
    const QString path = CartellaProgramma() + "Registro_Chiamate.pro";
    QVERIFY(!QFile::exists(path));
    TArchivio a;
    a.Open("Registro_Chiamate.pro", TSchedaChiamata::Dimensione);
    QVERIFY(QFile::exists(path));
    QCOMPARE(a.Count(), 0);
    QVERIFY(a.AtEnd());
    a.Close();
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestArchivio::appendLeggiSovrascrivi()
{
    TArchivio a;
    a.Open("s.pro", TSchedaServizio::Dimensione);
    QCOMPARE(a.Append(Servizio("uno")), 1);
    QCOMPARE(a.Position(), 1);
    QCOMPARE(a.Append(Servizio("due")), 2);
    a.WriteAt(3, Servizio("tre")); // Count + 1 extends the file
    QCOMPARE(a.Count(), 3);
    a.WriteAt(2, Servizio("DUE"));
    QCOMPARE(a.Position(), 2);
    a.Close();
    QCOMPARE(QFileInfo(CartellaProgramma() + "s.pro").size(), 3 * 117);

    // Reading the whole file in order, and one record by position.
    QStringList letti;
    QList<qint64> posizioni;
    LeggiTutto<TSchedaServizio>("s.pro", [&](const TSchedaServizio &r, qint64 p) {
        letti << r.Get(TSchedaServizio::Servizi);
        posizioni << p;
    });
    QCOMPARE(letti, QStringList({"uno", "DUE", "tre"}));
    QCOMPARE(posizioni, QList<qint64>({1, 2, 3}));

    a.Open("s.pro", TSchedaServizio::Dimensione);
    TSchedaServizio r;
    a.ReadAt(2, r);
    QCOMPARE(r.Get(TSchedaServizio::Servizi), QString("DUE"));
    QCOMPARE(a.Position(), 2);
    a.ReadNext(r);
    QCOMPARE(r.Get(TSchedaServizio::Servizi), QString("tre"));
    QVERIFY(a.AtEnd());
    // A write after reads is seen by the next read (no stale read-ahead).
    a.WriteAt(1, Servizio("UNO"));
    a.ReadAt(1, r);
    QCOMPARE(r.Get(TSchedaServizio::Servizi), QString("UNO"));
    a.Close();
}

void TestArchivio::posizioniFuoriIntervallo()
{
    TArchivio a;
    a.Open("s.pro", TSchedaServizio::Dimensione);
    a.Append(Servizio("uno"));
    TSchedaServizio r;
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.ReadAt(0, r));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.ReadAt(2, r));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.WriteAt(0, r));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.WriteAt(3, r));
    a.ReadAt(1, r);
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.ReadNext(r));
    a.Close();
}

void TestArchivio::recordParziale()
{
    {
        QFile f(CartellaProgramma() + "s.pro");
        QVERIFY(f.open(QIODevice::WriteOnly));
        TSchedaServizio r = Servizio("intero");
        f.write(r.Buffer(), 117);
        f.write(r.Buffer(), 50); // a damaged tail
    }
    TArchivio a;
    a.Open("s.pro", TSchedaServizio::Dimensione);
    QCOMPARE(a.Count(), 1);
    TSchedaServizio r;
    a.ReadNext(r);
    QVERIFY(a.AtEnd());
    // The next append takes the place of the partial record.
    QCOMPARE(a.Append(Servizio("nuovo")), 2);
    a.Close();
    QCOMPARE(QFileInfo(CartellaProgramma() + "s.pro").size(), 2 * 117);
}

void TestArchivio::letturaAvanti_data()
{
    // Records of 64 bytes: 16 384 to a block read ahead.
    QTest::addColumn<qint64>("quanti");
    QTest::addColumn<qint64>("fermaA");   // fn returns false here; 0: never
    QTest::addColumn<qint64>("lanciaA");  // fn throws here; 0: never
    QTest::addColumn<int>("restaQui");    // avanti() says no this many times; -1: always
    QTest::newRow("piccolo, letto senza secondo filo") << qint64(1000) << qint64(0) << qint64(0) << 0;
    QTest::newRow("vuoto") << qint64(0) << qint64(0) << qint64(0) << 0;
    QTest::newRow("sei blocchi, oltre il giro dei buffer") << qint64(5 * 16384 + 123) << qint64(0) << qint64(0) << 0;
    QTest::newRow("blocchi interi") << qint64(4 * 16384) << qint64(0) << qint64(0) << 0;
    QTest::newRow("fermato al primo del secondo blocco") << qint64(4 * 16384) << qint64(16384 + 1) << qint64(0) << 0;
    QTest::newRow("fermato nel terzo blocco") << qint64(6 * 16384) << qint64(2 * 16384 + 7) << qint64(0) << 0;
    QTest::newRow("errore nel quinto blocco") << qint64(6 * 16384) << qint64(0) << qint64(4 * 16384 + 1) << 0;
    QTest::newRow("mai letto avanti") << qint64(5 * 16384 + 9) << qint64(0) << qint64(0) << -1;
    QTest::newRow("letto avanti dal terzo blocco") << qint64(7 * 16384 + 5) << qint64(0) << qint64(0) << 2;
    QTest::newRow("fermato dopo il passaggio") << qint64(7 * 16384) << qint64(3 * 16384 + 2) << qint64(0) << 1;
}

void TestArchivio::letturaAvanti()
{
    QFETCH(qint64, quanti);
    QFETCH(qint64, fermaA);
    QFETCH(qint64, lanciaA);
    QFETCH(int, restaQui);
    {
        QFile f(CartellaProgramma() + "grande.pro");
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray dati(quanti * 64, '\0');
        for (qint64 i = 0; i < quanti; ++i) {
            const qint64 numero = i + 1;
            std::memcpy(dati.data() + i * 64, &numero, sizeof numero);
            dati[i * 64 + 63] = char(i % 251);
        }
        QCOMPARE(f.write(dati), dati.size());
    }
    TArchivio a;
    a.Open("grande.pro", 64);
    qint64 visti = 0;
    bool inOrdine = true;
    int chiesto = 0;
    auto leggi = [&] {
        a.ForEachLettoAvanti([&](const char *record, qint64 posizione) {
            qint64 numero = 0;
            std::memcpy(&numero, record, sizeof numero);
            inOrdine = inOrdine && numero == visti + 1 && posizione == numero
                       && record[63] == char((numero - 1) % 251);
            ++visti;
            if (lanciaA && posizione == lanciaA) throw EArchivio("prova");
            return posizione != fermaA;
        }, [&] { return restaQui >= 0 && chiesto++ >= restaQui; });
    };
    if (lanciaA) {
        QVERIFY_THROWS_EXCEPTION(EArchivio, leggi());
    } else {
        leggi();
    }
    QVERIFY(inOrdine);
    QCOMPARE(visti, lanciaA ? lanciaA : fermaA ? fermaA : quanti);
    // The file stays usable after a read stopped early or broken off.
    if (quanti > 0) {
        char ultimo[64];
        a.ReadAt(quanti, ultimo);
        qint64 numero = 0;
        std::memcpy(&numero, ultimo, sizeof numero);
        QCOMPARE(numero, quanti);
    }
    QCOMPARE(a.Count(), quanti);
    a.Close();
}

void TestArchivio::erroriDiAccesso()
{
    // A file that exists but cannot be opened is an error, never recreated.
    QVERIFY(QDir(CartellaProgramma()).mkdir("Contatti.pro"));
    TArchivio a;
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Open("Contatti.pro", TSchedaCliente::Dimensione));
    QVERIFY(QFileInfo(CartellaProgramma() + "Contatti.pro").isDir());

    // A folder where nothing can be created.
    ImpostaCartellaProgramma(dir_->path() + "/manca/ancora");
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Open("Contatti.pro", TSchedaCliente::Dimensione));

    if (geteuid() != 0) { // root writes anywhere: the permission case needs a plain user
        const QString ro = dir_->path() + "/sola_lettura";
        QDir().mkpath(ro);
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
        ImpostaCartellaProgramma(ro);
        QVERIFY_THROWS_EXCEPTION(EArchivio, a.Open("Contatti.pro", TSchedaCliente::Dimensione));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// A program folder the user may only read: the cards can be read and
// browsed, and every write fails as an access error, changing nothing.
void TestArchivio::cartellaSolaLettura()
{
    if (ComeUtente::Radice()) {
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        QTemporaryDir tmp;
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
        ImpostaCartellaProgramma(tmp.path());
        TArchivio a;
        a.Open("Servizi_Cliente_1.pro", TSchedaServizio::Dimensione);
        a.Append(Servizio("Consulenza"));
        a.Append(Servizio("Perizia"));
        a.Close();
        ComeUtente::SolaLettura(tmp.path());
        const int esito = ComeUtente::Esegui("cartellaSolaLettura", {{"PRATOVIA_CARTELLA_RO", tmp.path()}});
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(esito, 0);
        return;
    }
    const QString ro = qEnvironmentVariable("PRATOVIA_CARTELLA_RO");
    if (ro.isEmpty()) QSKIP("runs as the plain user started by the root run");
    ImpostaCartellaProgramma(ro);
    const QString path = CartellaProgramma() + "Servizi_Cliente_1.pro";
    const QByteArray prima = Leggi(path);

    TArchivio a;
    a.Open("Servizi_Cliente_1.pro", TSchedaServizio::Dimensione);
    QCOMPARE(a.Count(), qint64(2));
    TSchedaServizio s;
    a.ReadAt(2, s);
    QCOMPARE(s.Get(TSchedaServizio::Servizi), QString("Perizia"));
    a.ReadAt(1, s);
    QCOMPARE(s.Get(TSchedaServizio::Servizi), QString("Consulenza"));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Append(Servizio("Nuovo")));
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.WriteAt(1, Servizio("Cambiato")));
    a.Close();
    QCOMPARE(Leggi(path), prima);

    // A file that is not there cannot be made: an access error, nothing created.
    QVERIFY_THROWS_EXCEPTION(EArchivio, a.Open("Contatti.pro", TSchedaCliente::Dimensione));
    QVERIFY(!QFileInfo::exists(CartellaProgramma() + "Contatti.pro"));
}

void TestArchivio::sfoglia_data()
{
    QTest::addColumn<int>("freccia");
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("mostra");
    QTest::addColumn<bool>("svuota");
    const int P = int(Freccia::Primo), I = int(Freccia::Indietro), A = int(Freccia::Avanti),
              U = int(Freccia::Ultimo);
    const int M = EsitoSfoglia::Mostra, N = EsitoSfoglia::Niente, V = EsitoSfoglia::ArchivioVuoto;
    QTest::newRow("first, empty file") << P << "" << 0 << V << 0 << false;
    QTest::newRow("previous, empty file") << I << "" << 0 << V << 0 << false;
    QTest::newRow("previous, empty file, p=1") << I << "1" << 0 << N << 0 << false;
    QTest::newRow("next, empty file, empties position") << A << "3" << 0 << V << 0 << true;
    QTest::newRow("last, empty file") << U << "" << 0 << V << 0 << false;
    QTest::newRow("first, new card") << P << "" << 5 << M << 1 << false;
    QTest::newRow("previous, new card") << I << "" << 5 << M << 1 << false;
    QTest::newRow("next, new card") << A << "" << 5 << M << 1 << false;
    QTest::newRow("last, new card") << U << "" << 5 << M << 5 << false;
    QTest::newRow("first, card 3") << P << "3" << 5 << M << 1 << false;
    QTest::newRow("previous, card 1") << I << "1" << 5 << N << 0 << false;
    QTest::newRow("previous, card 3") << I << "3" << 5 << M << 2 << false;
    QTest::newRow("next, card 3") << A << "3" << 5 << M << 4 << false;
    QTest::newRow("next, last card") << A << "5" << 5 << N << 0 << false;
    QTest::newRow("last, card 3") << U << "3" << 5 << M << 5 << false;
}

void TestArchivio::sfoglia()
{
    QFETCH(int, freccia);
    QFETCH(QString, posizione);
    QFETCH(int, count);
    QFETCH(int, tipo);
    QFETCH(int, mostra);
    QFETCH(bool, svuota);
    const EsitoSfoglia e = Sfoglia(static_cast<Freccia>(freccia), posizione, count);
    QCOMPARE(int(e.tipo), tipo);
    if (tipo == EsitoSfoglia::Mostra) QCOMPARE(e.posizione, qint64(mostra));
    QCOMPARE(e.svuotaPosizione, svuota);
}

namespace {
// A one-field card window for the shared mechanism.
struct FinestraProva {
    QWidget w;
    QLineEdit *txtServizi = new QLineEdit(&w);
    QLabel *lblPosizione = new QLabel(&w);
    GestoreScheda gestore{GestoreScheda::Config{
        "Servizi_Cliente_1.pro", TSchedaServizio::Dimensione, &w, lblPosizione,
        [this](const char *rec) { txtServizi->setText(ShortText::Read(TSchedaServizio::Raw(rec, TSchedaServizio::Servizi), 54)); },
        [this](char *rec) {
            ShortText::Write(rec + TSchedaServizio::Offset[TSchedaServizio::Servizi], 54, txtServizi->text());
        },
        {}, {}}};
};
} // namespace

void TestArchivio::gestoreSfoglia()
{
    FinestraProva f;
    {
        RispostaBox box;
        f.gestore.Sfoglia(Freccia::Avanti);
        QCOMPARE(box.testi(), QStringList({"L'archivio non contiene nessuna scheda."}));
        QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    }
    for (const char *s : {"uno", "due", "tre"}) {
        f.lblPosizione->clear();
        f.txtServizi->setText(s);
        RispostaBox box;
        QVERIFY(f.gestore.Salva());
    }
    f.lblPosizione->clear();
    RispostaBox box;
    f.gestore.Sfoglia(Freccia::Avanti);
    QCOMPARE(f.lblPosizione->text(), QString("1"));
    QCOMPARE(f.txtServizi->text(), QString("uno"));
    f.gestore.Sfoglia(Freccia::Ultimo);
    QCOMPARE(f.txtServizi->text(), QString("tre"));
    f.gestore.Sfoglia(Freccia::Avanti);
    f.gestore.Sfoglia(Freccia::Indietro);
    QCOMPARE(f.lblPosizione->text(), QString("2"));
    QCOMPARE(f.txtServizi->text(), QString("due"));
    QVERIFY(box.testi().isEmpty());
}

void TestArchivio::gestoreSalva()
{
    FinestraProva f;
    f.txtServizi->setText("  Consulenza  ");
    RispostaBox box;
    QVERIFY(f.gestore.Salva());
    QCOMPARE(f.lblPosizione->text(), QString("1"));
    f.txtServizi->setText("Consulenza fiscale");
    QVERIFY(f.gestore.Salva());
    QCOMPARE(f.lblPosizione->text(), QString("1"));
    QCOMPARE(box.testi(), QStringList({"La scheda corrente è stata inserita in archivio.",
                                       "Le modifiche apportate alla scheda corrente sono state salvate in archivio."}));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Information);
    const QByteArray file = Leggi(CartellaProgramma() + "Servizi_Cliente_1.pro");
    QCOMPARE(file.size(), 117);
    QCOMPARE(file.mid(17, 19), QByteArray("\x12" "Consulenza fiscale"));
}

void TestArchivio::gestoreErrore()
{
    FinestraProva f;
    QVERIFY(QDir(CartellaProgramma()).mkdir("Servizi_Cliente_1.pro"));
    f.txtServizi->setText("x");
    RispostaBox box;
    QVERIFY(!f.gestore.Salva());
    QVERIFY(f.lblPosizione->text().isEmpty());
    f.gestore.Sfoglia(Freccia::Primo);
    QCOMPARE(box.testi(), QStringList(2, Attesi::AccessoArchivio));
    QCOMPARE(box.visti()[0].icona, QMessageBox::Critical);
    QCOMPARE(box.visti()[0].bottoni, QMessageBox::Ok | QMessageBox::Cancel);
}

QTEST_MAIN(TestArchivio)
#include "test_archivio.moc"

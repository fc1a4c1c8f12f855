// The income summary's rules over a real appointment file: the request
// checks, the filters, the period, the order of the lines, the total and
// what happens to cards that cannot be read.
#include "FixtureIncassi.h"
#include "income/RiepilogoIncassi.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using Incassi::Appuntamento;

namespace {

RiepilogoIncassi Leggi(const QString &cliente, const QString &servizi, const QDate &inizio, const QDate &fine)
{
    return LeggiRiepilogoIncassi(cliente, servizi, inizio, fine);
}

const QDate kInizioAnno(2024, 1, 1), kFineAnno(2024, 12, 31);

} // namespace

class TestIncassiRegole : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlli_data();
    void controlli();
    void regoleDiUscita_data();
    void regoleDiUscita();
    void filtri_data();
    void filtri();
    void periodo();
    void ordine();
    void totali_data();
    void totali();
    void illeggibiliSaltate();
    void rigaTagliata();
    void righeStampate();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestIncassiRegole::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path());
}

void TestIncassiRegole::cleanup()
{
    dir_.reset();
}

// The checks in their order; the window test shows the same cases in boxes.
void TestIncassiRegole::controlli_data()
{
    QTest::addColumn<QStringList>("richiesta"); // year, start day, start month, end day, end month
    QTest::addColumn<bool>("valida");
    QTest::addColumn<int>("fuoco");
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    const int A = int(CampoIncassi::Anno), GI = int(CampoIncassi::GiornoInizio), MI = int(CampoIncassi::MeseInizio),
              GF = int(CampoIncassi::GiornoFine), MF = int(CampoIncassi::MeseFine), N = int(CampoIncassi::Nessuno);
    QTest::newRow("anno di tre cifre") << QStringList{"202", "01", "Marzo", "02", "Marzo"} << false << A << "" << "";
    QTest::newRow("anno prima dei giorni vuoti") << QStringList{"", "", "", "", ""} << false << A << "" << "";
    QTest::newRow("giorno iniziale di soli spazi") << QStringList{"2024", "  ", "Marzo", "02", "Marzo"} << false << GI
                                                   << "" << "";
    QTest::newRow("mese iniziale vuoto") << QStringList{"2024", "01", "", "", ""} << false << MI << "" << "";
    QTest::newRow("giorno finale vuoto") << QStringList{"2024", "01", "Marzo", "", ""} << false << GF << "" << "";
    QTest::newRow("mese finale vuoto") << QStringList{"2024", "01", "Marzo", "02", ""} << false << MF << "" << "";
    QTest::newRow("mese che non esiste") << QStringList{"2024", "01", "Marz", "02", "Marzo"} << false << GI << ""
                                         << "";
    QTest::newRow("29 febbraio bisestile") << QStringList{"2024", "29", "Febbraio", "29", "Febbraio"} << true << N
                                           << "29/02/2024" << "29/02/2024";
    QTest::newRow("29 febbraio non bisestile") << QStringList{"2023", "29", "Febbraio", "01", "Marzo"} << false << GI
                                               << "29/02/2023" << "";
    QTest::newRow("31 aprile alla fine") << QStringList{"2024", "01", "Aprile", "31", "Aprile"} << false << GF
                                         << "01/04/2024" << "31/04/2024";
    QTest::newRow("fine prima dell'inizio") << QStringList{"2024", "10", "Maggio", "09", "maggio"} << false << N
                                            << "10/05/2024" << "09/05/2024";
    QTest::newRow("mese in maiuscolo con spazi") << QStringList{"2024", "01", " GENNAIO ", "31", "Dicembre"} << true
                                                 << N << "01/01/2024" << "31/12/2024";
}

void TestIncassiRegole::controlli()
{
    QFETCH(QStringList, richiesta);
    QFETCH(bool, valida);
    QFETCH(int, fuoco);
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    RichiestaIncassi r;
    r.anno = richiesta[0];
    r.giornoInizio = richiesta[1];
    r.meseInizio = richiesta[2];
    r.giornoFine = richiesta[3];
    r.meseFine = richiesta[4];
    const EsitoRichiesta e = ControllaRichiesta(r);
    QCOMPARE(e.valida, valida);
    QCOMPARE(int(e.fuoco), fuoco);
    QCOMPARE(e.dataInizio, inizio);
    QCOMPARE(e.dataFine, fine);
    QCOMPARE(e.messaggio.isEmpty(), valida);
    if (valida) {
        QCOMPARE(e.inizio.toString("dd/MM/yyyy"), inizio);
        QCOMPARE(e.fine.toString("dd/MM/yyyy"), fine);
    }
}

void TestIncassiRegole::regoleDiUscita_data()
{
    QTest::addColumn<bool>("giorno");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("resta");
    QTest::newRow("01") << true << "01" << true;
    QTest::newRow("31") << true << "31" << true;
    QTest::newRow("spazi attorno") << true << " 07 " << true;
    QTest::newRow("una cifra") << true << "7" << false;
    QTest::newRow("32") << true << "32" << false;
    QTest::newRow("00") << true << "00" << false;
    QTest::newRow("Marzo") << false << "Marzo" << true;
    QTest::newRow("maiuscolo e spazi") << false << " DICEMBRE" << true;
    QTest::newRow("troncato") << false << "Dicembr" << false;
    QTest::newRow("numero") << false << "03" << false;
}

void TestIncassiRegole::regoleDiUscita()
{
    QFETCH(bool, giorno);
    QFETCH(QString, testo);
    QFETCH(bool, resta);
    QCOMPARE(giorno ? GiornoAmmesso(testo) : MeseAmmesso(testo), resta ? testo : QString());
}

void TestIncassiRegole::filtri_data()
{
    QTest::addColumn<QString>("cliente");
    QTest::addColumn<QString>("servizi");
    QTest::addColumn<int>("attivi");
    QTest::addColumn<QStringList>("clienti");
    QTest::newRow("nessun filtro: tutti") << "" << "" << 0
                                         << QStringList{"ROSSI Anna", "Mosè Ferri", "Bianchi Marco", "Rossi Luca"};
    QTest::newRow("quattro minuscole in un nome con maiuscole") << "ross" << "" << 1
                                                                << QStringList{"ROSSI Anna", "Rossi Luca"};
    QTest::newRow("È maiuscola non trova è") << "MOSÈ" << "" << 1 << QStringList{};
    QTest::newRow("è minuscola trova è") << "mosè" << "" << 1 << QStringList{"Mosè Ferri"};
    QTest::newRow("tutti e due i filtri") << "ross" << "perizia" << 2 << QStringList{"Rossi Luca"};
    QTest::newRow("filtro di soli spazi non conta") << "   " << "" << 0
                                                    << QStringList{"ROSSI Anna", "Mosè Ferri", "Bianchi Marco",
                                                                   "Rossi Luca"};
    QTest::newRow("spazi del filtro non tolti") << " luca" << "" << 1 << QStringList{"Rossi Luca"};
    QTest::newRow("servizi in maiuscolo") << "" << "CONSULENZA" << 1 << QStringList{"ROSSI Anna", "Bianchi Marco"};
}

void TestIncassiRegole::filtri()
{
    QFETCH(QString, cliente);
    QFETCH(QString, servizi);
    QFETCH(int, attivi);
    QFETCH(QStringList, clienti);
    Incassi::Scrivi({
        {"04/03/2024", "10", "00", "Consulenza fiscale", "Bianchi Marco", "10,00"},
        {"01/03/2024", "09", "00", "Consulenza legale", "ROSSI Anna", "20,00"},
        {"05/03/2024", "11", "00", "Perizia tecnica", "Rossi Luca", "30,00"},
        {"02/03/2024", "12", "00", "Visita", "Mosè Ferri", "40,00"},
    });
    const RiepilogoIncassi r = Leggi(cliente, servizi, kInizioAnno, kFineAnno);
    QVERIFY(!r.errore);
    QCOMPARE(r.filtri, attivi);
    QCOMPARE(Incassi::Clienti(r.righe), clienti);
}

void TestIncassiRegole::periodo()
{
    Incassi::Scrivi({
        {"09/05/2024", "23", "59", "Prima", "Uno", "1,00"},
        {"10/05/2024", "00", "00", "Primo giorno", "Due", "2,00", "333", "Sì"},
        {"15/05/2024", "", "", "In mezzo", "Tre", "4,00"},
        {"20/05/2024", "23", "59", "Ultimo giorno", "Quattro", "8,00", "333", "Sì"},
        {"21/05/2024", "00", "00", "Dopo", "Cinque", "16,00"},
        {"15/05/2023", "", "", "Altro anno", "Sei", "32,00"},
    });
    // Both ends included, fulfilled or not.
    RiepilogoIncassi r = Leggi("", "", QDate(2024, 5, 10), QDate(2024, 5, 20));
    QCOMPARE(Incassi::Clienti(r.righe), QStringList({"Due", "Tre", "Quattro"}));
    QCOMPARE(CentesimiInTesto(r.centesimi), QString("14,00"));
    // One day only.
    r = Leggi("", "", QDate(2024, 5, 15), QDate(2024, 5, 15));
    QCOMPARE(Incassi::Clienti(r.righe), QStringList({"Tre"}));
}

void TestIncassiRegole::ordine()
{
    Incassi::Scrivi({
        {"12/06/2024", "15", "30", "Pomeriggio", "C"},
        {"12/06/2024", "09", "00", "Mattina", "B"},
        {"03/01/2025", "08", "00", "Anno dopo", "E"},
        {"12/06/2024", "", "", "Senza ora", "A"},
        {"13/06/2024", "08", "00", "Giorno dopo", "D"},
        {"11/12/2023", "18", "00", "Anno prima", "Z"},
    });
    const RiepilogoIncassi r = Leggi("", "", QDate(2023, 1, 1), QDate(2025, 12, 31));
    // By date, then time; a day's appointment without a time comes first.
    QCOMPARE(Incassi::Clienti(r.righe), QStringList({"Z", "A", "B", "C", "D", "E"}));
}

void TestIncassiRegole::totali_data()
{
    QTest::addColumn<QStringList>("importi");
    QTest::addColumn<QString>("totale");
    QTest::newRow("10,50 + 4,25") << QStringList{"10,50", "4,25"} << "14,75";
    QTest::newRow("nessun appuntamento") << QStringList{} << "0,00";
    QTest::newRow("dieci volte 0,10") << QStringList(10, "0,10") << "1,00";
    QTest::newRow("0,10 + 0,20") << QStringList{"0,10", "0,20"} << "0,30";
    QTest::newRow("importi grandi") << QStringList{"999999999,99", "0,01"} << "1000000000,00";
    QTest::newRow("intero senza decimali") << QStringList{"12", "0,5"} << "12,50";
}

void TestIncassiRegole::totali()
{
    QFETCH(QStringList, importi);
    QFETCH(QString, totale);
    QList<Appuntamento> a;
    for (const QString &i : importi) a << Appuntamento{"07/07/2024", "10", "00", "Servizio", "Cliente", i};
    // One outside the period, whose amount must not count.
    a << Appuntamento{"07/07/2023", "10", "00", "Servizio", "Cliente", "1000,00"};
    Incassi::Scrivi(a);
    const RiepilogoIncassi r = Leggi("", "", kInizioAnno, kFineAnno);
    QCOMPARE(r.righe.size(), importi.size());
    QCOMPARE(CentesimiInTesto(r.centesimi), totale);
}

// A card whose date or amount cannot be read is left out and the reading
// goes on: the total is always that of the lines listed.
void TestIncassiRegole::illeggibiliSaltate()
{
    Incassi::Scrivi({
        {"01/02/2024", "09", "00", "Prima", "Uno", "10,50"},
        {"31/02/2024", "09", "00", "Data impossibile", "Due", "100,00"},
        {"febbraio", "09", "00", "Data in lettere", "Tre", "200,00"},
        {"02/02/2024", "09", "00", "Importo in lettere", "Quattro", "dieci"},
        {"03/02/2024", "09", "00", "Dopo", "Cinque", "4,25"},
        {"31/02/2024", "09", "00", "Filtrata via", "Sei", "1,00"},
    });
    const RiepilogoIncassi r = Leggi("", "", kInizioAnno, kFineAnno);
    QVERIFY(!r.errore);
    QCOMPARE(Incassi::Clienti(r.righe), QStringList({"Uno", "Cinque"}));
    QCOMPARE(CentesimiInTesto(r.centesimi), QString("14,75"));
    QCOMPARE(r.illeggibili, 4);
    // The filters come first: a card they leave out is not looked at.
    const RiepilogoIncassi f = Leggi("", "dopo", kInizioAnno, kFineAnno);
    QCOMPARE(Incassi::Clienti(f.righe), QStringList({"Cinque"}));
    QCOMPARE(f.illeggibili, 0);
}

void TestIncassiRegole::rigaTagliata()
{
    Incassi::Scrivi({
        {"05/03/2024", "09", "30", "Consulenza per la dichiarazione dei redditi 2023",
         "Bartolomei Santangelo Massimiliano", "150,00"},
        {"05/03/2024", "", "", "Visita", "Neri Ada", "0,00", "333"},
    });
    const RiepilogoIncassi r = Leggi("", "", kInizioAnno, kFineAnno);
    QCOMPARE(r.righe,
             QStringList({"ID: 20240305  Data: 05/03/2024  Ora: :      Visita                                    "
                          "Cliente: Neri Ada                  Cel. 333           € 0,00",
                          "ID: 202403050930  Data: 05/03/2024  Ora: 09:30  Consulenza per la dichiarazione dei redd"
                          "  Cliente: Bartolomei Santangelo Ma  Cel. 3331234567    € 150,00"}));
}

void TestIncassiRegole::righeStampate()
{
    QCOMPARE(TitoloStampaIncassi(" Rossi "), QString("Riepilogo incassi   -   Cliente:  Rossi"));
    QCOMPARE(TitoloStampaIncassi("- - -"), QString("Riepilogo incassi   -   Cliente:  - - -"));
    QCOMPARE(RigheFinaliIncassi("Dal   01/01/2024   al   31/12/2024", "14,75"),
             QStringList({"- - - - - - - - - - - - - - - -", "INTERVALLO SELEZIONATO:    Dal   01/01/2024   al   31/12/2024",
                          "TOTALE IMPORTI:            € 14,75"}));
    QCOMPARE(TestoIntervallo("01/01/2024", "31/12/2024"), QString("Dal   01/01/2024   al   31/12/2024"));
    QCOMPARE(TestoCliente("  "), QString("- - -"));
    QCOMPARE(TestoCliente(" Rossi Anna "), QString("Rossi Anna"));
}

QTEST_MAIN(TestIncassiRegole)
#include "test_incassi_regole.moc"

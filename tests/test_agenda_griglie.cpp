// The agenda's grids: which appointments each takes (imminent, of the day or
// of the month chosen in the agenda's calendar), in date and time order with
// "N." numbering the rows in file order, the fourteen columns, what may be edited,
// the file and sheet each writes, and their help page.
#include "test_output_risposte.h"
#include "agenda/EsportazioneAgenda.h"
#include "agenda/TfrmAgenda.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "storage/TArchivio.h"
#include "ui/TfrmGuida.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using A = TSchedaAppuntamento;

namespace {

// Date, hour, minutes, days of notice, fulfilled, client.
struct Voce {
    QString data, ore, minuti, avviso, ottemperata, contatto;
};

void Scrivi(const QList<Voce> &voci)
{
    TArchivio a;
    a.Open("Archivio_Appuntamenti.pro", A::Dimensione);
    for (const Voce &v : voci) {
        A r;
        r.Set(A::Data, v.data);
        r.Set(A::OreApp, v.ore);
        r.Set(A::MinutiApp, v.minuti);
        r.Set(A::Ora, v.ore + ":" + v.minuti);
        r.Set(A::Avviso, v.avviso);
        r.Set(A::Tipologia, "Anna Neri");
        r.Set(A::Causale, "Consulenza fiscale");
        r.Set(A::Dettagli, "Modello 730");
        r.Set(A::Contatto, v.contatto);
        r.Set(A::Tel, "06 5551234");
        r.Set(A::Cel, "3331234567");
        r.Set(A::Email, "cliente@example.it");
        r.Set(A::Luogo, "Bonifico");
        r.Set(A::Importo, "120,00");
        r.Set(A::Note, "  Portare i documenti  ");
        r.Set(A::Ottemperata, v.ottemperata);
        a.Append(r);
    }
    a.Close();
}

enum Quale { Imminenti, Giorno, Mese };

std::unique_ptr<TfrmEsportazione> Finestra(int quale, QWidget *agenda)
{
    switch (quale) {
    case Imminenti: return std::make_unique<TfrmExpImminenti>(agenda);
    case Giorno: return std::make_unique<TfrmExpGiornaliere>(agenda);
    default: return std::make_unique<TfrmExpMensili>(agenda);
    }
}

// "N." / Data / Ora / Cliente of each row.
QStringList Sintesi(const RigheGriglia &g)
{
    QStringList s;
    for (const QStringList &r : g) s << r.value(0) + " " + r.value(1) + " " + r.value(2) + " " + r.value(6);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Voce)

class TestAgendaGriglie : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void righe_data();
    void righe();
    void colonne_data();
    void colonne();
    void rigaCompleta();
    void guida();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAgendaGriglie::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path() + "/");
    ImpostaOrologio(QDateTime(QDate(2025, 5, 13), QTime(9, 0)));
}

void TestAgendaGriglie::cleanup()
{
    ImpostaOrologio(QDateTime());
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

void TestAgendaGriglie::righe_data()
{
    QTest::addColumn<int>("quale");
    QTest::addColumn<QDate>("calendario");
    QTest::addColumn<QList<Voce>>("voci");
    QTest::addColumn<QStringList>("attese");
    const QList<Voce> maggio = {{"12/05/2025", "10", "00", "0", "No", "Primo"},
                                {"03/05/2025", "09", "00", "0", "No", "Secondo"},
                                {"12/05/2025", "08", "30", "0", "No", "Terzo"}};
    const QStringList ordinate = {"2 03/05/2025 09:00 Secondo", "3 12/05/2025 08:30 Terzo",
                                  "1 12/05/2025 10:00 Primo"};
    QTest::newRow("imminent: date and time order, N. from the file")
        << int(Imminenti) << QDate(2025, 1, 1) << maggio << ordinate;
    QTest::newRow("month: the same order") << int(Mese) << QDate(2025, 5, 20) << maggio << ordinate;
    const QList<Voce> marzo = {{"15/03/2024", "10", "00", "0", "No", "Marzo 2024"},
                               {"31/03/2025", "18", "00", "0", "S\u00ec", "Fine mese"},
                               {"01/04/2025", "09", "00", "0", "No", "Aprile"},
                               {"01/03/2025", "", "", "0", "No", "Primo giorno"},
                               {"28/02/2025", "09", "00", "0", "No", "Febbraio"}};
    QTest::newRow("month: March 2025 only, fulfilled too")
        << int(Mese) << QDate(2025, 3, 9) << marzo
        << QStringList{"2 01/03/2025 : Primo giorno", "1 31/03/2025 18:00 Fine mese"};
    const QList<Voce> giorno = {{"12/05/2025", "16", "00", "0", "S\u00ec", "Assolto"},
                                {"12/05/2024", "09", "00", "0", "No", "Anno prima"},
                                {"12/05/2025", "09", "15", "3", "No", "Da fare"},
                                {"13/05/2025", "09", "00", "0", "No", "Domani"}};
    QTest::newRow("day: fulfilled or not") << int(Giorno) << QDate(2025, 5, 12) << giorno
                                           << QStringList{"2 12/05/2025 09:15 Da fare", "1 12/05/2025 16:00 Assolto"};
    QTest::newRow("imminent: never a fulfilled one")
        << int(Imminenti) << QDate(2025, 1, 1) << giorno
        << QStringList{"1 12/05/2024 09:00 Anno prima", "2 12/05/2025 09:15 Da fare", "3 13/05/2025 09:00 Domani"};
    QTest::newRow("day without appointments") << int(Giorno) << QDate(2025, 5, 14) << giorno << QStringList();
    QTest::newRow("empty archive") << int(Mese) << QDate(2025, 5, 14) << QList<Voce>() << QStringList();
    QTest::newRow("imminent: unreadable cards skipped")
        << int(Imminenti) << QDate(2025, 1, 1)
        << QList<Voce>{{"12/05/2025", "10", "00", "0", "No", "Primo"},
                       {"32/05/2025", "09", "00", "0", "No", "Giorno 32"},
                       {"10/05/2025", "09", "00", "", "No", "Senza preavviso"},
                       {"11/05/2025", "09", "00", "1", "No", "Dopo"}}
        << QStringList{"2 11/05/2025 09:00 Dopo", "1 12/05/2025 10:00 Primo"};
}

void TestAgendaGriglie::righe()
{
    QFETCH(int, quale);
    QFETCH(QDate, calendario);
    QFETCH(QList<Voce>, voci);
    QFETCH(QStringList, attese);
    Scrivi(voci);
    // Created on the 13th; the user then picks another day in the calendar.
    TfrmAgenda agenda;
    QCOMPARE(agenda.calAppuntamenti->selectedDate(), QDate(2025, 5, 13));
    agenda.calAppuntamenti->setSelectedDate(calendario);
    std::unique_ptr<TfrmEsportazione> w = Finestra(quale, &agenda);
    w->show();
    QCOMPARE(Sintesi(w->Modello()->Righe()), attese);
}

void TestAgendaGriglie::colonne_data()
{
    QTest::addColumn<int>("quale");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("foglio");
    QTest::addColumn<QList<int>>("modificabili");
    QTest::newRow("imminent") << int(Imminenti) << " Appuntamenti imminenti" << "Appuntamenti_Imminenti.xls"
                              << "Appuntamenti imminenti" << QList<int>{5, 6, 8, 14};
    QTest::newRow("day") << int(Giorno) << " Appuntamenti del giorno" << "Appuntamenti_Giornalieri.xls"
                         << "Appuntamenti del giorno" << QList<int>{5, 6, 7, 14};
    QTest::newRow("month") << int(Mese) << " Appuntamenti del mese" << "Appuntamenti_Mensili.xls"
                           << "Appuntamenti del mese" << QList<int>{5, 6, 7, 14};
}

// Caption, headers, widths and editable cells; the export writes the grid as
// edited to the window's own file and sheet.
void TestAgendaGriglie::colonne()
{
    QFETCH(int, quale);
    QFETCH(QString, titolo);
    QFETCH(QString, file);
    QFETCH(QString, foglio);
    QFETCH(QList<int>, modificabili);
    Scrivi({{"13/05/2025", "10", "00", "0", "No", "Rossi Mario"}});
    TfrmAgenda agenda;
    std::unique_ptr<TfrmEsportazione> w = Finestra(quale, &agenda);
    w->show();
    QCOMPARE(w->windowTitle(), titolo);
    const QStringList intestazioni = {"N.", "Data appuntamento", "Ora", "Agente", "Servizi richiesti", "Dettagli",
                                      "Cliente", "Telefono", "Cellulare", "E-mail", "Modalit\u00e0 di pagamento",
                                      "Importo", "Impegno assolto", "Note", "Codice univoco"};
    const QList<int> larghezze = {180, 150, 280, 400, 400, 300, 200, 200, 250, 300, 200, 200, 400, 150};
    QAbstractItemModel *m = w->grdRecords->model();
    QCOMPARE(m->columnCount(), 15);
    QList<int> editabili;
    for (int c = 0; c < 15; ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), intestazioni[c]);
        if (c > 0) QCOMPARE(w->grdRecords->columnWidth(c), larghezze[c - 1]);
        if (m->flags(m->index(0, c)) & Qt::ItemIsEditable) editabili << c;
    }
    QCOMPARE(editabili, modificabili);
    QVERIFY(m->setData(m->index(0, 5), "Portare il modello F24", Qt::EditRole));

    RisposteInOrdine r({QMessageBox::Yes, QMessageBox::No});
    w->cmdEsportaClick();
    QFile f(CartellaProgramma() + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xls = f.readAll();
    QVERIFY(xls.contains("<x:Name>" + foglio.toLatin1() + "</x:Name>"));
    QVERIFY(xls.contains("width=180>Data appuntamento</td>"));
    QVERIFY(xls.contains("width=150>Codice univoco</td>"));
    QVERIFY(xls.contains("Portare il modello F24"));
    QVERIFY(xls.contains("202505131000"));
}

// Every column of a row, trimmed, the key last.
void TestAgendaGriglie::rigaCompleta()
{
    Scrivi({{"13/05/2025", "", "", "0", "No", "Rossi Mario"}});
    TfrmExpImminenti w;
    w.show();
    QCOMPARE(w.Modello()->Righe(),
             RigheGriglia({{"1", "13/05/2025", ":", "Anna Neri", "Consulenza fiscale", "Modello 730", "Rossi Mario",
                            "06 5551234", "3331234567", "cliente@example.it", "Bonifico", "120,00", "No",
                            "Portare i documenti", "20250513"}}));
}

void TestAgendaGriglie::guida()
{
    for (int quale : {int(Imminenti), int(Giorno), int(Mese)}) {
        std::unique_ptr<TfrmEsportazione> w = Finestra(quale, nullptr);
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
        QCOMPARE(visto, QString("Visualizzazione appuntamenti"));
        const QStringList paragrafi = corpo.split("\n\n");
        QCOMPARE(paragrafi.size(), 5);
        for (const QString &p : paragrafi) QVERIFY(p.endsWith('.') && p.size() > 40);
        QVERIFY(paragrafi[0].contains("Impegno assolto"));
        QVERIFY(paragrafi[4].contains("XLS"));
    }
}

QTEST_MAIN(TestAgendaGriglie)
#include "test_agenda_griglie.moc"

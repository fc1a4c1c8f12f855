// "Trova" wired to a list: the search field, the button and the list's
// selection, through the widgets as a user drives them.
#include "TestiAttesi.h"
#include "output/TrovaLista.h"
#include "test_output_risposte.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

const QStringList kRighe = {
    "Bianchi Mario      Roma",     // 0
    "Rossi Anna         Milano",   // 1
    "Verdi Luca         Torino",   // 2
    "ROSSINI Paolo      Napoli",   // 3
    "Neri Carla         Grosseto", // 4  ("ross" inside "Grosseto")
    "Gialli Città       Bari",     // 5
};

// A window with the three controls, as the list windows have them.
struct Finestra {
    QWidget w;
    QListView *lstRecords = new QListView(&w);
    QLineEdit *txtTrova = new QLineEdit(&w);
    QPushButton *btnTrova = new QPushButton(QStringLiteral("Trova"), &w);
    TTrovaInLista *trova = nullptr;

    explicit Finestra(const QStringList &righe, bool modelloStandard)
    {
        lstRecords->setObjectName(QStringLiteral("lstRecords"));
        txtTrova->setObjectName(QStringLiteral("txtTrova"));
        btnTrova->setObjectName(QStringLiteral("btnTrova"));
        if (modelloStandard) {
            auto *m = new QStandardItemModel(&w);
            for (const QString &r : righe) m->appendRow(new QStandardItem(r));
            lstRecords->setModel(m);
        } else {
            lstRecords->setModel(new QStringListModel(righe, &w));
        }
        auto *l = new QVBoxLayout(&w);
        l->addWidget(lstRecords);
        l->addWidget(txtTrova);
        l->addWidget(btnTrova);
        trova = new TTrovaInLista(lstRecords, txtTrova, btnTrova, &w);
        w.show();
    }
    int Selezionata() const
    {
        const auto s = lstRecords->selectionModel()->selectedRows();
        return s.isEmpty() ? -1 : s.first().row();
    }
    void Seleziona(int riga)
    {
        if (riga >= 0)
            lstRecords->selectionModel()->setCurrentIndex(lstRecords->model()->index(riga, 0),
                                                          QItemSelectionModel::ClearAndSelect);
    }
    void Cerca(const QString &testo)
    {
        if (txtTrova->text() != testo) {
            txtTrova->clear();
            // QTest types only ASCII keys; other characters are inserted as typed text.
            bool ascii = true;
            for (QChar c : testo) ascii = ascii && c.unicode() < 128;
            if (ascii) QTest::keyClicks(txtTrova, testo);
            else txtTrova->insert(testo);
        }
        QTest::mouseClick(btnTrova, Qt::LeftButton);
    }
};

} // namespace

class TestTrovaInLista : public QObject
{
    Q_OBJECT
private slots:
    void trova_data();
    void trova();
    void listaVuota();
    void nuovaAperturaRipartedallInizio();
    void memoriaCondivisa();
};

// Each case: the line selected at the start, then presses of "Trova", each
// "text=expected selected line".
void TestTrovaInLista::trova_data()
{
    QTest::addColumn<bool>("modelloStandard");
    QTest::addColumn<int>("selezioneIniziale");
    QTest::addColumn<QStringList>("pressioni");

    for (bool standard : {false, true}) {
        const char *m = standard ? " (modello generico)" : "";
        QTest::addRow("ross: la prima riga con Ross, ROSS o ross, poi le seguenti e da capo%s", m)
            << standard << -1 << QStringList{"ross=1", "ross=3", "ross=4", "ross=1"};
        QTest::addRow("maiuscole nel testo cercato%s", m) << standard << -1 << QStringList{"ROSS=1", "ROSS=3"};
        QTest::addRow("testo cambiato: riparte dalla prima riga%s", m)
            << standard << -1 << QStringList{"ross=1", "ross=3", "verdi=2", "ross=1"};
        QTest::addRow("testo nuovo con selezione più avanti: riparte dall'inizio%s", m)
            << standard << 4 << QStringList{"ross=1"};
        QTest::addRow("nessuna riga contiene il testo: selezione invariata%s", m)
            << standard << 2 << QStringList{"zzz=2", "zzz=2"};
        QTest::addRow("nessuna selezione e nessuna corrispondenza: prima riga%s", m)
            << standard << -1 << QStringList{"zzz=0"};
        QTest::addRow("testo vuoto: mai trovato%s", m) << standard << 3 << QStringList{"=3", "=3"};
        QTest::addRow("una sola riga corrisponde: ripremendo resta lì%s", m)
            << standard << -1 << QStringList{"torino=2", "torino=2"};
        QTest::addRow("spazi non tolti dal testo cercato%s", m)
            << standard << -1 << QStringList{" anna=1", "anna =-", "mario  =0", "  rossi=-"};
        QTest::addRow("solo A-Z in minuscolo: le lettere accentate no%s", m)
            << standard << -1 << QStringList{"CITTÀ=0", "città=5"};
    }
}

void TestTrovaInLista::trova()
{
    QFETCH(bool, modelloStandard);
    QFETCH(int, selezioneIniziale);
    QFETCH(QStringList, pressioni);
    RisposteInOrdine risposte;
    Finestra f(kRighe, modelloStandard);
    f.Seleziona(selezioneIniziale);
    int attesaPrima = selezioneIniziale;
    for (const QString &p : pressioni) {
        const qsizetype uguale = p.lastIndexOf(u'=');
        const QString testo = p.left(uguale);
        const QString atteso = p.mid(uguale + 1);
        // "-": the selection stays where it was.
        const int attesa = atteso == QLatin1String("-") ? attesaPrima : atteso.toInt();
        f.Cerca(testo);
        QCOMPARE(f.Selezionata(), attesa);
        QCOMPARE(f.lstRecords->currentIndex().row(), attesa);
        attesaPrima = attesa;
    }
    QVERIFY(risposte.Box().isEmpty());
}

void TestTrovaInLista::listaVuota()
{
    RisposteInOrdine risposte;
    Finestra f({}, false);
    f.Cerca(QStringLiteral("ross"));
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo, Attesi::RicercaNonApplicabile);
    QCOMPARE(risposte.Box()[0].icona, QMessageBox::NoIcon);
    QCOMPARE(risposte.Box()[0].bottoni, QMessageBox::StandardButtons(QMessageBox::Ok));
    // Nothing is remembered: after the list fills, the same text starts from the top.
    QVERIFY(f.trova->Precedente().isEmpty());
}

void TestTrovaInLista::nuovaAperturaRipartedallInizio()
{
    Finestra f(kRighe, false);
    f.Cerca(QStringLiteral("ross"));
    f.Cerca(QStringLiteral("ross"));
    QCOMPARE(f.Selezionata(), 3);
    // The window is shown again: the previous text is forgotten.
    f.trova->AzzeraRicerca();
    f.Cerca(QStringLiteral("ross"));
    QCOMPARE(f.Selezionata(), 1);
}

// Two windows that share the previous find text: the second one goes on
// from its selected line when the text is the same.
void TestTrovaInLista::memoriaCondivisa()
{
    QString memoria;
    {
        Finestra f(kRighe, false);
        f.trova->UsaMemoria(&memoria);
        f.Cerca(QStringLiteral("ross"));
        QCOMPARE(f.Selezionata(), 1);
    }
    QCOMPARE(memoria, QStringLiteral("ross"));
    Finestra g(kRighe, false);
    g.trova->UsaMemoria(&memoria);
    g.Seleziona(1);
    g.Cerca(QStringLiteral("ross"));
    QCOMPARE(g.Selezionata(), 3);
    // Forgetting forgets for every window that shares it.
    g.trova->AzzeraRicerca();
    QVERIFY(memoria.isEmpty());
    // Its own memory again: what the shared one holds no longer counts.
    memoria = QStringLiteral("ross");
    g.trova->UsaMemoria(nullptr);
    g.Seleziona(1);
    g.Cerca(QStringLiteral("ross"));
    QCOMPARE(g.Selezionata(), 1);
    QCOMPARE(g.trova->Precedente(), QStringLiteral("ross"));
}

QTEST_MAIN(TestTrovaInLista)
#include "test_output_trova.moc"

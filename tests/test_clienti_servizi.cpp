// The services window of a client card (list, total, entry editing, find,
// printing) and the attachments window, driven through their controls with
// the real client card as owner, plus the plain rules behind them.
#include "TestiAttesi.h"
#include "Pdf.h"
#include "Desktop.h"
#include "Modali.h"
#include "storage/Cartella.h"
#include "ui/Stile.h"
#include "clients/Allegati.h"
#include "clients/Servizi.h"
#include "clients/TfrmAllegaCartella.h"
#include "clients/TfrmServizi.h"
#include "clients/TfrmClienti.h"
#include "output/Stampa.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

namespace {

using S = TSchedaServizio;

const QString kInserita = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kModificata = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

VoceServizio V(const QString &data, const QString &ora, const QString &servizi, const QString &agente,
               const QString &importo)
{
    return {data, ora, servizi, agente, importo};
}

QString Blank(int n)
{
    return QString(n, u' ');
}

// The program folder of one test, with a stored client card at position 7.
struct Ambiente {
    QTemporaryDir dir;
    std::unique_ptr<TfrmClienti> card = std::make_unique<TfrmClienti>();

    Ambiente()
    {
        ImpostaCartellaProgramma(dir.path());
        card->txtCliente->setText(QStringLiteral("  Rossi Mario "));
        card->lblPosizione->setText(QStringLiteral("7"));
    }
    ~Ambiente() { ImpostaCartellaProgramma(QString()); }

    QString File() const { return dir.filePath(QStringLiteral("Servizi_Cliente_7.pro")); }
    void Semina(const QList<VoceServizio> &voci) const
    {
        for (const VoceServizio &v : voci) SalvaServizio(File(), 0, v);
    }
    qint64 Conta() const { return QFileInfo(File()).size() / S::Dimensione; }
    VoceServizio Leggi(qint64 p) const
    {
        TArchivio a;
        a.OpenPath(File(), S::Dimensione);
        S r;
        a.ReadAt(p, r);
        return VoceDa(r);
    }
    // The window as the card opens it.
    std::unique_ptr<TfrmAllegaExcel> Servizi() const
    {
        auto w = std::make_unique<TfrmAllegaExcel>(card.get());
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
        return w;
    }
};

QStringList Righe(const TfrmAllegaExcel &w)
{
    return w.modello->stringList();
}

void Seleziona(TfrmAllegaExcel &w, int riga)
{
    w.lstRecords->selectionModel()->setCurrentIndex(w.modello->index(riga, 0), QItemSelectionModel::ClearAndSelect);
}

int Selezionata(const TfrmAllegaExcel &w)
{
    const auto s = w.lstRecords->selectionModel()->selectedRows();
    return s.isEmpty() ? -1 : s.first().row();
}

void Compila(TfrmAllegaExcel &w, const VoceServizio &v)
{
    const auto campi = w.CampiVoce();
    for (size_t c = 0; c < campi.size(); ++c) campi[c]->setText(v[c]);
}

// Background colour inside a line edit, away from its text.
QColor Sfondo(QLineEdit *e)
{
    const QImage img = e->grab().toImage();
    return img.pixelColor(img.width() - 6, img.height() / 2);
}

} // namespace

class TestServizi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void rigaServizio_data();
    void rigaServizio();
    void elencoETotale_data();
    void elencoETotale();
    void primaApertura();
    void salvataggioEModifica();
    void righeUgualiCaricaLUltima();
    void campiObbligatori_data();
    void campiObbligatori();
    void modificaRifiutata_data();
    void modificaRifiutata();
    void guastoArchivio();
    void trova();
    void stampa_data();
    void stampa();
    void importoDigitazione_data();
    void importoDigitazione();
    void catenaInvioEColori();
    void dataEOra();
};

void TestServizi::initTestCase()
{
    InstallaSostituzioniFont();
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 42)));
}

void TestServizi::rigaServizio_data()
{
    QTest::addColumn<VoceServizio>("voce");
    QTest::addColumn<QString>("riga");

    QTest::newRow("campi brevi") << V("09/03/2024", "14:05", "Consulenza", "Bianchi", "120,50")
                                 << "Data: 09/03/2024   Ora: 14:05   Servizi: Consulenza" + Blank(44)
                                        + "  Agente: Bianchi" + Blank(21) + QStringLiteral("  Costo: \u20AC 120,50");
    QTest::newRow("blank tolti") << V(" 1/2/2024 ", " 9:5 ", "  Visita  ", " Neri ", " 15,00 ")
                                 << "Data: 1/2/2024     Ora: 9:5     Servizi: Visita" + Blank(48) + "  Agente: Neri"
                                        + Blank(24) + QStringLiteral("  Costo: \u20AC 15,00");
    const QString lunga = QString(60, u'x');
    const QString agente = QString(28, u'A');
    QTest::newRow("servizi tagliati, agente pieno")
        << V("01/01/2024", "08:00", lunga, agente, "0,00")
        << "Data: 01/01/2024   Ora: 08:00   Servizi: " + QString(54, u'x') + "  Agente: " + agente
               + QStringLiteral("  Costo: \u20AC 0,00");
}

void TestServizi::rigaServizio()
{
    QFETCH(VoceServizio, voce);
    QFETCH(QString, riga);
    QCOMPARE(RigaServizio(voce), riga);
}

void TestServizi::elencoETotale_data()
{
    QTest::addColumn<QStringList>("importi");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<QList<int>>("elencati"); // the entries listed, in file order

    QTest::newRow("vuoto") << QStringList{} << QStringLiteral("\u20AC 0,00") << QList<int>{};
    QTest::newRow("120,50 + 79,50") << QStringList{"120,50", "79,50"} << QStringLiteral("\u20AC 200,00")
                                    << QList<int>{0, 1};
    QTest::newRow("0,10 + 0,20 esatto") << QStringList{"0,10", "0,20"} << QStringLiteral("\u20AC 0,30")
                                        << QList<int>{0, 1};
    QTest::newRow("importo non numerico: elencato, fuori dal totale")
        << QStringList{"12,00", "dodici", "3,50", "1,2,3"} << QStringLiteral("\u20AC 15,50") << QList<int>{0, 1, 2, 3};
    QTest::newRow("importo vuoto saltato") << QStringList{"5,00", "", "1,25"} << QStringLiteral("\u20AC 6,25")
                                           << QList<int>{0, 2};
    QTest::newRow("molte voci da 0,10") << QStringList(30, "0,10") << QStringLiteral("\u20AC 3,00") << [] {
        QList<int> l;
        for (int i = 0; i < 30; ++i) l << i;
        return l;
    }();
}

void TestServizi::elencoETotale()
{
    QFETCH(QStringList, importi);
    QFETCH(QString, totale);
    QFETCH(QList<int>, elencati);

    Ambiente amb;
    QList<VoceServizio> voci;
    for (int i = 0; i < importi.size(); ++i)
        voci << V(QStringLiteral("%1/03/2024").arg(i + 1, 2, 10, QChar(u'0')), "10:00",
                  QStringLiteral("Servizio %1").arg(i), "Bianchi", importi[i]);
    amb.Semina(voci);

    auto w = amb.Servizi();
    QVERIFY(w);
    QStringList attese;
    for (int i : elencati) attese << RigaServizio(voci[i]);
    QCOMPARE(Righe(*w), attese);
    QCOMPARE(w->lblTotale->text(), totale);
    QCOMPARE(CaricaServizi(amb.File()).righe, attese);
}

void TestServizi::primaApertura()
{
    Ambiente amb;
    QVERIFY(!QFileInfo::exists(amb.File()));
    auto w = amb.Servizi();
    QVERIFY(w);
    QVERIFY(QFileInfo::exists(amb.File()));
    QCOMPARE(QFileInfo(amb.File()).size(), 0);
    QCOMPARE(QFileInfo(w->lblFile->text()), QFileInfo(amb.File()));
    QCOMPARE(w->windowTitle(), QStringLiteral(" Riepilogo servizi forniti"));
    QCOMPARE(w->lblTitolo->text(), QStringLiteral("Servizi forniti a Rossi Mario"));
    QCOMPARE(w->lblTotale->text(), QStringLiteral("\u20AC 0,00"));
    QVERIFY(w->panContainer->isVisible());
    QVERIFY(!w->panCosti->isVisible());
    QCOMPARE(QApplication::focusWidget(), w->txtTrova);
    const int massimi[] = {10, 5, 54, 28, 15};
    for (size_t c = 0; c < 5; ++c) QCOMPARE(w->CampiVoce()[c]->maxLength(), massimi[c]);
    for (auto *f : w->findChildren<QWidget *>(QStringLiteral("lblPosizione")))
        QVERIFY(!f->isVisibleTo(w.get()));
}

void TestServizi::salvataggioEModifica()
{
    Ambiente amb;
    amb.Semina({V("01/03/2024", "09:00", "Primo", "Bianchi", "10,00"),
                V("02/03/2024", "09:30", "Secondo", "Verdi", "20,00")});
    {
        RispostaBox box;
        auto w = amb.Servizi();
        QVERIFY(w);
        QTest::mouseClick(w->btnAggiungi, Qt::LeftButton);
        QVERIFY(w->panCosti->isVisible());
        QVERIFY(!w->panContainer->isVisible());
        QCOMPARE(w->txtImporto->text(), QStringLiteral("0,00"));
        QCOMPARE(QApplication::focusWidget(), w->txtData);
        Compila(*w, V("03/03/2024", "11:15", "Terzo", "Neri", "30,00"));
        QTest::mouseClick(w->btnSalva, Qt::LeftButton);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        w->txtAgente->setText(QStringLiteral("Neri Paolo"));
        QTest::mouseClick(w->btnSalva, Qt::LeftButton);
        QCOMPARE(box.testi(), (QStringList{kInserita, kModificata}));
        QCOMPARE(box.visti().at(0).icona, QMessageBox::Information);
        QCOMPARE(box.visti().at(0).bottoni, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(amb.Conta(), 3);
        QCOMPARE(amb.Leggi(3), V("03/03/2024", "11:15", "Terzo", "Neri Paolo", "30,00"));
        QVERIFY(w->panCosti->isVisible()); // the window stays on the entry
    }
    {
        // the next opening lists the new entry; modify the middle one
        RispostaBox box;
        auto w = amb.Servizi();
        QVERIFY(w);
        QCOMPARE(Righe(*w).size(), 3);
        QCOMPARE(w->lblTotale->text(), QStringLiteral("\u20AC 60,00"));
        Seleziona(*w, 1);
        QTest::mouseClick(w->btnModifica, Qt::LeftButton);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(w->txtServizi->text(), QStringLiteral("Secondo"));
        QCOMPARE(w->txtImporto->text(), QStringLiteral("20,00"));
        QVERIFY(w->panCosti->isVisible());
        w->txtServizi->setText(QStringLiteral("Secondo, rivisto"));
        QTest::mouseClick(w->btnSalva, Qt::LeftButton);
        QCOMPARE(box.testi(), QStringList{kModificata});
        QCOMPARE(amb.Conta(), 3);
        QCOMPARE(amb.Leggi(2)[S::Servizi], QStringLiteral("Secondo, rivisto"));
        QCOMPARE(amb.Leggi(1)[S::Servizi], QStringLiteral("Primo"));
        w->close();
        QVERIFY(Righe(*w).isEmpty()); // closing empties the list
    }
}

void TestServizi::righeUgualiCaricaLUltima()
{
    Ambiente amb;
    const VoceServizio uguale = V("04/03/2024", "10:00", "Revisione", "Bianchi", "50,00");
    amb.Semina({uguale, V("05/03/2024", "10:00", "Altro", "Verdi", "1,00"), uguale});
    auto w = amb.Servizi();
    QVERIFY(w);
    QCOMPARE(Righe(*w).at(0), Righe(*w).at(2));
    Seleziona(*w, 0);
    QTest::mouseClick(w->btnModifica, Qt::LeftButton);
    QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
    QCOMPARE(w->txtServizi->text(), QStringLiteral("Revisione"));
}

void TestServizi::campiObbligatori_data()
{
    QTest::addColumn<QList<int>>("vuoti");
    QTest::addColumn<int>("campo");
    QTest::addColumn<QString>("messaggio");

    const QString data = QStringLiteral(
        "Attenzione: per salvare la scheda \u00E8 necessario indicare la data in cui \u00E8 stato fornito il servizio.");
    QTest::newRow("tutti vuoti: prima la data") << QList<int>{0, 1, 2, 3, 4} << 0 << data;
    QTest::newRow("data di soli blank") << QList<int>{0} << 0 << data;
    QTest::newRow("ora") << QList<int>{1, 3} << 1
                         << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare l'ora in cui "
                                           "\u00E8 stato fornito il servizio.");
    QTest::newRow("servizi") << QList<int>{2, 4} << 2
                             << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare i servizi "
                                               "forniti.");
    QTest::newRow("agente") << QList<int>{3} << 3
                            << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome "
                                              "dell'agente che ha fornito il servizio.");
    QTest::newRow("importo") << QList<int>{4} << 4
                             << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare l'importo "
                                               "pagato dal cliente.");
}

void TestServizi::campiObbligatori()
{
    QFETCH(QList<int>, vuoti);
    QFETCH(int, campo);
    QFETCH(QString, messaggio);

    Ambiente amb;
    RispostaBox box;
    auto w = amb.Servizi();
    QVERIFY(w);
    w->btnAggiungiClick();
    VoceServizio v = V("05/03/2024", "09:00", "Visita", "Bianchi", "10,00");
    for (int c : vuoti) v[size_t(c)] = QStringLiteral("   ");
    Compila(*w, v);
    w->btnSalvaClick();
    QCOMPARE(box.testi(), QStringList{messaggio});
    QCOMPARE(box.visti().at(0).icona, QMessageBox::Warning);
    QCOMPARE(box.visti().at(0).bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(w->focusWidget(), w->CampiVoce()[size_t(campo)]);
    QCOMPARE(amb.Conta(), 0);
    QVERIFY(w->lblPosizione->text().isEmpty());
}

void TestServizi::modificaRifiutata_data()
{
    QTest::addColumn<bool>("conVoci");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("icona");

    QTest::newRow("lista vuota") << false
                                 << QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce.")
                                 << int(QMessageBox::Information);
    QTest::newRow("nessuna voce scelta") << true
                                         << QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di "
                                                           "premere il pulsante di modifica.")
                                         << int(QMessageBox::Warning);
}

void TestServizi::modificaRifiutata()
{
    QFETCH(bool, conVoci);
    QFETCH(QString, messaggio);
    QFETCH(int, icona);

    Ambiente amb;
    if (conVoci) amb.Semina({V("01/03/2024", "09:00", "Primo", "Bianchi", "10,00")});
    RispostaBox box;
    auto w = amb.Servizi();
    QVERIFY(w);
    QTest::mouseClick(w->btnModifica, Qt::LeftButton);
    QCOMPARE(box.testi(), QStringList{messaggio});
    QCOMPARE(int(box.visti().at(0).icona), icona);
    QVERIFY(w->panContainer->isVisible());
    QVERIFY(!w->panCosti->isVisible());
}

void TestServizi::guastoArchivio()
{
    Ambiente amb;
    amb.Semina({V("01/03/2024", "09:00", "Primo", "Bianchi", "10,00")});
    const QString irraggiungibile = amb.dir.filePath(QStringLiteral("manca/Servizi_Cliente_7.pro"));
    {
        // a save that cannot reach the file: the access text as a warning
        RispostaBox box;
        auto w = amb.Servizi();
        QVERIFY(w);
        w->btnAggiungiClick();
        Compila(*w, V("05/03/2024", "09:00", "Visita", "Bianchi", "10,00"));
        w->lblFile->setText(irraggiungibile);
        w->btnSalvaClick();
        QCOMPARE(box.testi(), QStringList{Attesi::AccessoArchivio});
        QVERIFY(Attesi::AccessoArchivio.contains(QStringLiteral("archivio.\n\r\n\rAccertarsi")));
        QCOMPARE(box.visti().at(0).icona, QMessageBox::Warning);
        QVERIFY(w->lblPosizione->text().isEmpty());
        QVERIFY(w->isVisible());
    }
    {
        // a modify that cannot reach the file closes the window silently
        RispostaBox box;
        auto w = amb.Servizi();
        QVERIFY(w);
        Seleziona(*w, 0);
        w->lblFile->setText(irraggiungibile);
        QTest::mouseClick(w->btnModifica, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(box.testi().isEmpty());
    }
    QCOMPARE(amb.Conta(), 1);
}

void TestServizi::trova()
{
    Ambiente amb;
    {
        RispostaBox box;
        auto w = amb.Servizi();
        QVERIFY(w);
        QTest::mouseClick(w->btnTrova, Qt::LeftButton);
        QCOMPARE(box.testi(), QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
        QCOMPARE(box.visti().at(0).bottoni, QMessageBox::Ok);
    }
    amb.Semina({V("01/03/2024", "09:00", "Primo", "Bianchi", "10,00"),
                V("02/03/2024", "09:00", "Perizia", "Verdi", "20,00"),
                V("03/03/2024", "09:00", "Terzo", "VERDI Anna", "30,00")});
    auto w = amb.Servizi();
    QVERIFY(w);
    QTest::keyClicks(w->txtTrova, QStringLiteral("verdi"));
    QTest::mouseClick(w->btnTrova, Qt::LeftButton);
    QCOMPARE(Selezionata(*w), 1);
    QTest::mouseClick(w->btnTrova, Qt::LeftButton);
    QCOMPARE(Selezionata(*w), 2);
    QTest::mouseClick(w->btnModifica, Qt::LeftButton);
    QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
    w->close();

    // showing the window again forgets the previous find text
    auto w2 = amb.Servizi();
    QVERIFY(w2);
    QVERIFY(w2->txtTrova->text().isEmpty());
    Seleziona(*w2, 2);
    QTest::keyClicks(w2->txtTrova, QStringLiteral("verdi"));
    QTest::mouseClick(w2->btnTrova, Qt::LeftButton);
    QCOMPARE(Selezionata(*w2), 1);
}

void TestServizi::stampa_data()
{
    QTest::addColumn<QList<VoceServizio>>("voci");
    QTest::addColumn<QString>("totale");

    QTest::newRow("lista vuota") << QList<VoceServizio>{} << QStringLiteral("\u20AC 0,00");
    QTest::newRow("due voci") << QList<VoceServizio>{V("01/03/2024", "09:00", "Consulenza", "Bianchi", "120,50"),
                                                     V("02/03/2024", "16:45", "Perizia", "Verdi", "79,50")}
                              << QStringLiteral("\u20AC 200,00");
}

void TestServizi::stampa()
{
    QFETCH(QList<VoceServizio>, voci);
    QFETCH(QString, totale);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils (pdftotext) not installed");

    Ambiente amb;
    amb.Semina(voci);
    const QString pdf = amb.dir.filePath(QStringLiteral("stampa.pdf"));
    ImpostaStampaSuPdf(pdf);
    auto w = amb.Servizi();
    QVERIFY(w);
    RispostaBox box;
    QTest::mouseClick(w->btnStampa, Qt::LeftButton);
    ImpostaStampaSuPdf(QString());
    QVERIFY(box.testi().isEmpty());

    const QStringList righe = Pdf::Testo(pdf).split(u'\n');
    QVERIFY(!righe.isEmpty());
    auto indice = [&](const QRegularExpression &re) {
        for (int i = 0; i < righe.size(); ++i)
            if (re.match(righe[i]).hasMatch()) return i;
        return -1;
    };
    QVERIFY(indice(QRegularExpression(QStringLiteral("Riepilogo servizi forniti a Rossi Mario"))) >= 0);
    const int trattini = indice(QRegularExpression(QStringLiteral("^\\s*-{26}\\s*$")));
    const int totaleRiga = indice(QRegularExpression(
        QStringLiteral("^\\s*TOTALE IMPORTI:\\s+") + QRegularExpression::escape(totale) + QStringLiteral("\\s*$")));
    QVERIFY(trattini >= 0);
    QCOMPARE(totaleRiga, trattini + 1);
    int precedente = -1;
    for (const VoceServizio &v : voci) {
        const int r = indice(QRegularExpression(QStringLiteral("Servizi:\\s+") + v[S::Servizi]));
        QVERIFY2(r > precedente && r < trattini, qPrintable(v[S::Servizi]));
        precedente = r;
    }
}

void TestServizi::importoDigitazione_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("lasciato");

    QTest::newRow("intero") << "15" << "15" << "15,00";
    QTest::newRow("solo decimali") << ",5" << ",5" << "0,50";
    // Not a number: a warning, the text kept and the focus left in the field.
    QTest::newRow("due virgole") << "1,2,3" << "1,2,3" << "1,2,3";
    QTest::newRow("lettere, segni e blank scartati") << "-1a2. 3,4e5" << "123,45" << "123,45";
    QTest::newRow("arrotondato") << "3,456" << "3,456" << "3,46";
    QTest::newRow("mezzo centesimo") << "0,005" << "0,005" << "0,01";
}

void TestServizi::importoDigitazione()
{
    QFETCH(QString, tasti);
    QFETCH(QString, digitato);
    QFETCH(QString, lasciato);

    Ambiente amb;
    auto w = amb.Servizi();
    QVERIFY(w);
    w->btnAggiungiClick();
    w->txtImporto->setFocus();
    w->txtImporto->selectAll();
    QTest::keyClick(w->txtImporto, Qt::Key_Backspace);
    QVERIFY(w->txtImporto->text().isEmpty());
    QTest::keyClicks(w->txtImporto, tasti);
    QCOMPARE(w->txtImporto->text(), digitato);
    const bool valido = QString(QTest::currentDataTag()) != "due virgole";
    RispostaBox box;
    ChiudiModale chiudi;
    QTest::keyClick(w->txtImporto, Qt::Key_Return); // Enter leaves the field
    QCOMPARE(w->txtImporto->text(), lasciato);
    if (valido) {
        QCOMPARE(QApplication::focusWidget(), w->txtData);
        QVERIFY(box.testi().isEmpty());
        return;
    }
    QCOMPARE(box.testi(), QStringList{"Attenzione: l'importo digitato non è valido."});
    QCOMPARE(w->focusWidget(), w->txtImporto);
    // Saving refuses it too, and stores nothing.
    w->txtData->setText("09/03/2024");
    w->txtOra->setText("10:00");
    w->txtServizi->setText("Consulenza");
    w->txtAgente->setText("Rossi");
    w->txtImporto->setText("1,2,3");
    w->btnSalvaClick();
    QCOMPARE(box.testi().size(), 2);
    QCOMPARE(box.testi()[1], QString("Attenzione: l'importo digitato non è valido."));
    QCOMPARE(w->lblPosizione->text(), QString());
    QVERIFY(!QFileInfo::exists(w->lblFile->text()) || QFileInfo(w->lblFile->text()).size() == 0);
}

void TestServizi::catenaInvioEColori()
{
    Ambiente amb;
    auto w = amb.Servizi();
    QVERIFY(w);
    QTest::keyClick(w->txtTrova, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->btnTrova);

    w->btnAggiungiClick();
    const auto campi = w->CampiVoce();
    for (size_t c = 0; c < campi.size(); ++c) {
        QCOMPARE(QApplication::focusWidget(), campi[c]);
        QCOMPARE(Sfondo(campi[c]), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(Sfondo(campi[(c + 1) % campi.size()]), QColor(0xF0, 0xF8, 0xFF));
        QTest::keyClick(campi[c], Qt::Key_Enter);
    }
    QCOMPARE(QApplication::focusWidget(), w->txtData);

    // Tab, arrows and Delete in the amount field
    w->txtImporto->setFocus();
    w->txtImporto->setText(QStringLiteral("12,50"));
    w->txtImporto->setCursorPosition(5);
    QTest::keyClick(w->txtImporto, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->txtImporto);
    QTest::keyClick(w->txtImporto, Qt::Key_Left);
    QTest::keyClick(w->txtImporto, Qt::Key_Left);
    QTest::keyClick(w->txtImporto, Qt::Key_Delete);
    QTest::keyClick(w->txtImporto, Qt::Key_Home); // swallowed: the cursor stays
    QTest::keyClick(w->txtImporto, Qt::Key_7);
    QCOMPARE(w->txtImporto->text(), QStringLiteral("12,70"));
}

void TestServizi::dataEOra()
{
    Ambiente amb;
    auto w = amb.Servizi();
    QVERIFY(w);
    w->btnAggiungiClick();
    QTest::mouseClick(w->impData, Qt::LeftButton);
    QTest::mouseClick(w->impOra, Qt::LeftButton);
    QCOMPARE(w->txtData->text(), QStringLiteral("05/03/2024"));
    QCOMPARE(w->txtOra->text(), QStringLiteral("09:07"));
}

// ================================================================ attachments

namespace {

void ScriviFile(const QString &percorso, const QByteArray &contenuto)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenuto);
}

QByteArray Contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the file dialog looked like, and the answer it got.
struct Dialogo {
    QString nome, titolo;
    QStringList filtri;
    bool visto = false;
};

// Answers the file dialog with `scelta` (empty: cancel) and message boxes with `risposta`.
std::unique_ptr<RispostaBox> RispondiDialogo(Dialogo &d, const QString &scelta,
                                             QMessageBox::StandardButton risposta = QMessageBox::Yes)
{
    auto box = std::make_unique<RispostaBox>(risposta);
    box->altro = [&d, scelta](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        if (!dlg || dlg->property("risposta_data").toBool()) return false;
        dlg->setProperty("risposta_data", true);
        d = {dlg->objectName(), dlg->windowTitle(), dlg->nameFilters(), true};
        QTimer::singleShot(0, dlg, [dlg, scelta] {
            if (scelta.isEmpty()) {
                dlg->reject();
            } else {
                // the name typed in the dialog's own field, as a user does
                if (auto *nome = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) nome->setText(scelta);
                QMetaObject::invokeMethod(dlg, "accept");
            }
        });
        return true;
    };
    return box;
}

} // namespace

class TestAllegati : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nomeNudo_data();
    void nomeNudo();
    void apri_data();
    void apri();
    void sfoglia();
    void sovrascrivi_data();
    void sovrascrivi();
    void sostituzioneSenzaOrigine();
    void sostituzioneNegata_data();
    void sostituzioneNegata();
    void nomeSomigliante_data();
    void nomeSomigliante();
    void applicaOAnnulla_data();
    void applicaOAnnulla();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> altrove_; // where the chosen files come from
    std::optional<RaccoglitoreUrl> desktop_; // what "Apri" hands to the desktop
};

void TestAllegati::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    altrove_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
    desktop_.emplace(QStringList{"file"});
}

void TestAllegati::cleanup()
{
    desktop_.reset();
    ImpostaCartellaProgramma(QString());
}

void TestAllegati::nomeNudo_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("nudo");

    QTest::newRow("nome semplice") << "Contratto 2024.pdf" << "Contratto 2024.pdf";
    QTest::newRow("blank") << "  foto.jpg  " << "foto.jpg";
    QTest::newRow("risalita windows") << "..\\..\\x.exe" << "x.exe";
    QTest::newRow("assoluto unix") << "/etc/passwd" << "passwd";
    QTest::newRow("assoluto windows") << "C:\\Windows\\System32\\cmd.exe" << "cmd.exe";
    QTest::newRow("unita senza cartella") << "D:prova.doc" << "prova.doc";
    QTest::newRow("separatori misti") << "a/b\\c.txt" << "c.txt";
    QTest::newRow("solo risalita") << ".." << "";
    QTest::newRow("cartella che finisce in ..") << "sub/.." << "";
    QTest::newRow("cartella senza nome") << "sub/" << "";
    QTest::newRow("vuoto") << "" << "";
}

void TestAllegati::nomeNudo()
{
    QFETCH(QString, nome);
    QFETCH(QString, nudo);
    QCOMPARE(NomeNudo(nome), nudo);
}

void TestAllegati::apri_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("aperto"); // bare name inside the folder; empty: nothing opened

    QTest::newRow("nome del file") << " Preventivo.pdf " << "Preventivo.pdf";
    QTest::newRow("risalita") << "..\\..\\x.exe" << "x.exe";
    QTest::newRow("percorso assoluto") << "/etc/passwd" << "passwd";
    QTest::newRow("solo ..") << ".." << "";
}

void TestAllegati::apri()
{
    QFETCH(QString, nome);
    QFETCH(QString, aperto);

    Ambiente amb; // the real card as owner (uses its own program folder)
    ImpostaCartellaProgramma(dir_->path());
    TfrmAllegaCartella w(amb.card.get());
    w.lblMemory->setText(QStringLiteral("clienti"));
    w.txtFile02->setText(nome);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.btnApri02->isEnabled());
    QVERIFY(!w.btnApri01->isEnabled());
    QTest::mouseClick(w.btnApri02, Qt::LeftButton);
    if (aperto.isEmpty()) {
        QVERIFY(desktop_->aperti.isEmpty());
        return;
    }
    QCOMPARE(desktop_->aperti.size(), 1);
    const QFileInfo f(desktop_->aperti.first().toLocalFile());
    QCOMPARE(f.fileName(), aperto);
    QCOMPARE(QDir::cleanPath(f.absolutePath()), QDir::cleanPath(dir_->filePath(QStringLiteral("Documenti_Allegati"))));
}

void TestAllegati::sfoglia()
{
    const QString scelto = altrove_->filePath(QStringLiteral("Verbale.txt"));
    ScriviFile(scelto, "verbale");
    const QString cartella = dir_->filePath(QStringLiteral("Documenti_Allegati"));
    QVERIFY(!QFileInfo::exists(cartella));

    TfrmAllegaCartella w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Allega file"));
    {
        // cancelled: nothing changes
        Dialogo d;
        auto box = RispondiDialogo(d, QString());
        QTest::mouseClick(w.btnSfoglia03, Qt::LeftButton);
        QVERIFY(d.visto);
        QCOMPARE(d.nome, QStringLiteral("dlgFile"));
        QCOMPARE(d.titolo, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(d.filtri, QStringList{QStringLiteral("Tutti i file (*.*)")});
        QVERIFY(w.txtFile03->text().isEmpty());
        QVERIFY(!QFileInfo::exists(cartella));
    }
    {
        Dialogo d;
        auto box = RispondiDialogo(d, scelto);
        QTest::mouseClick(w.btnSfoglia03, Qt::LeftButton);
        QVERIFY(d.visto);
        QVERIFY(box->testi().isEmpty());
    }
    QCOMPARE(w.txtFile03->text(), QStringLiteral("Verbale.txt"));
    QVERIFY(w.btnApri03->isEnabled());
    QCOMPARE(Contenuto(cartella + QStringLiteral("/Verbale.txt")), QByteArray("verbale"));
    QVERIFY(QFileInfo::exists(scelto)); // copied, not moved

    // choosing the folder's own file again keeps it
    {
        Dialogo d;
        auto box = RispondiDialogo(d, cartella + QStringLiteral("/Verbale.txt"), QMessageBox::Yes);
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        QCOMPARE(box->testi().size(), 1);
    }
    QCOMPARE(w.txtFile01->text(), QStringLiteral("Verbale.txt"));
    QCOMPARE(Contenuto(cartella + QStringLiteral("/Verbale.txt")), QByteArray("verbale"));

    QTest::mouseClick(w.imgCancella03, Qt::LeftButton);
    QVERIFY(w.txtFile03->text().isEmpty());
    QVERIFY(!w.btnApri03->isEnabled());
    QVERIFY(QFileInfo::exists(cartella + QStringLiteral("/Verbale.txt"))); // the file stays
}

void TestAllegati::sovrascrivi_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QByteArray>("dopo");

    QTest::newRow("Si: sostituito") << int(QMessageBox::Yes) << QByteArray("nuovo");
    QTest::newRow("No: resta il vecchio") << int(QMessageBox::No) << QByteArray("vecchio");
}

void TestAllegati::sovrascrivi()
{
    QFETCH(int, risposta);
    QFETCH(QByteArray, dopo);

    const QString cartella = dir_->filePath(QStringLiteral("Documenti_Allegati"));
    QVERIFY(QDir().mkpath(cartella));
    ScriviFile(cartella + QStringLiteral("/Foto.jpg"), "vecchio");
    const QString scelto = altrove_->filePath(QStringLiteral("Foto.jpg"));
    ScriviFile(scelto, "nuovo");

    TfrmAllegaCartella w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Dialogo d;
    auto box = RispondiDialogo(d, scelto, QMessageBox::StandardButton(risposta));
    QTest::mouseClick(w.btnSfoglia02, Qt::LeftButton);
    QCOMPARE(box->testi(), QStringList{QStringLiteral(
                               "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo "
                               "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?")});
    QCOMPARE(box->visti().at(0).icona, QMessageBox::Question);
    QCOMPARE(box->visti().at(0).bottoni, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(w.txtFile02->text(), QStringLiteral("Foto.jpg"));
    QVERIFY(w.btnApri02->isEnabled());
    QCOMPARE(Contenuto(cartella + QStringLiteral("/Foto.jpg")), dopo);
}

// The chosen file disappears between the file dialog and the copy: the old
// file of that name stays, the slot keeps its name and the user is told.
void TestAllegati::sostituzioneSenzaOrigine()
{
    const QString cartella = dir_->filePath(QStringLiteral("Documenti_Allegati"));
    QVERIFY(QDir().mkpath(cartella));
    ScriviFile(cartella + QStringLiteral("/Foto.jpg"), "vecchio");
    const QString scelto = altrove_->filePath(QStringLiteral("Foto.jpg"));
    ScriviFile(scelto, "nuovo");

    TfrmAllegaCartella w;
    w.txtFile02->setText(QStringLiteral("Preventivo.pdf"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RispostaBox box(QMessageBox::Yes);
    box.altro = [scelto](QWidget *m) {
        auto *dlg = qobject_cast<QFileDialog *>(m);
        if (!dlg || dlg->property("risposta_data").toBool()) return false;
        dlg->setProperty("risposta_data", true);
        QTimer::singleShot(0, dlg, [dlg, scelto] {
            if (auto *nome = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) nome->setText(scelto);
            QMetaObject::invokeMethod(dlg, "accept");
            QFile::remove(scelto); // gone once chosen
        });
        return true;
    };
    QTest::mouseClick(w.btnSfoglia02, Qt::LeftButton);
    QCOMPARE(box.testi(),
             (QStringList{QStringLiteral("Attenzione: nella cartella dei documenti allegati \u00E8 presente un file "
                                         "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"),
                          QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                         "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                         "installazione del programma.")}));
    QCOMPARE(box.visti().at(1).icona, QMessageBox::Critical);
    QCOMPARE(w.txtFile02->text(), QStringLiteral("Preventivo.pdf"));
    QCOMPARE(Contenuto(cartella + QStringLiteral("/Foto.jpg")), QByteArray("vecchio"));
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Foto.jpg")});
}

// Replacing fails where the user may not write: a read-only attachment
// folder, a chosen file the user may not read. Run as an unprivileged user in
// a process of its own, since the test itself may run as root.
void TestAllegati::sostituzioneNegata_data()
{
    QTest::addColumn<bool>("cartellaInSolaLettura");
    QTest::addColumn<bool>("origineLeggibile");
    QTest::newRow("cartella in sola lettura") << true << true;
    QTest::newRow("origine non leggibile") << false << false;
    QTest::newRow("tutto permesso") << false << true;
}

void TestAllegati::sostituzioneNegata()
{
    QFETCH(bool, cartellaInSolaLettura);
    QFETCH(bool, origineLeggibile);

    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) QSKIP("setpriv is not installed: no unprivileged user to copy as");
    const QStringList comeNobody = {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                    QStringLiteral("--clear-groups")};
    auto esegui = [&](const QStringList &argomenti) {
        QProcess p;
        p.start(setpriv, comeNobody + argomenti);
        if (!p.waitForFinished(30000)) return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    if (esegui({QStringLiteral(ALLEGATI_COPIA_PATH)}) != 2)
        QSKIP("the helper cannot run as the user nobody (not root, or its path is not reachable)");

    const auto tutti = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                       | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const auto lettura = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                         | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QString cartella = dir_->filePath(QStringLiteral("Documenti_Allegati"));
    QVERIFY(QDir().mkpath(cartella));
    ScriviFile(cartella + QStringLiteral("/Foto.jpg"), "vecchio");
    const QString scelto = altrove_->filePath(QStringLiteral("Foto.jpg"));
    ScriviFile(scelto, "nuovo");
    QVERIFY(QFile::setPermissions(dir_->path(), lettura));
    QVERIFY(QFile::setPermissions(altrove_->path(), lettura));
    QVERIFY(QFile::setPermissions(cartella, cartellaInSolaLettura ? lettura : tutti));
    QVERIFY(QFile::setPermissions(cartella + QStringLiteral("/Foto.jpg"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(scelto, origineLeggibile ? QFile::ReadOwner | QFile::ReadOther : QFile::ReadOwner));
    const auto ripristina = qScopeGuard([&] { QFile::setPermissions(cartella, tutti); });

    const bool riuscita = !cartellaInSolaLettura && origineLeggibile;
    QCOMPARE(esegui({QStringLiteral(ALLEGATI_COPIA_PATH), dir_->path(), scelto}), riuscita ? 0 : 1);
    QCOMPARE(Contenuto(cartella + QStringLiteral("/Foto.jpg")), riuscita ? QByteArray("nuovo") : QByteArray("vecchio"));
    QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Foto.jpg")});
}

// A file whose name the card cannot store exactly is copied under the name
// the card keeps, so that "Apri" finds it.
void TestAllegati::nomeSomigliante_data()
{
    QTest::addColumn<QString>("origine");
    QTest::addColumn<QString>("nome");
    QTest::newRow("lettere con segni") << QStringLiteral("Łódź – Kraków ő.txt") << QStringLiteral("Lódz – Kraków o.txt");
    QTest::newRow("nulla di somigliante") << QStringLiteral("北京.txt") << QStringLiteral("__.txt");
    QTest::newRow("nome esatto") << QStringLiteral("Città €.txt") << QStringLiteral("Città €.txt");
    QTest::newRow("nome piu' lungo del campo") << QString(250, u'a') + QStringLiteral(".pdf")
                                            << QString(246, u'a') + QStringLiteral(".pdf");
}

void TestAllegati::nomeSomigliante()
{
    QFETCH(QString, origine);
    QFETCH(QString, nome);
    const QString scelto = altrove_->filePath(origine);
    ScriviFile(scelto, "contenuto");

    Ambiente amb;
    ImpostaCartellaProgramma(dir_->path());
    TfrmAllegaCartella w(amb.card.get());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    {
        Dialogo d;
        auto box = RispondiDialogo(d, scelto);
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        QVERIFY(d.visto);
        QVERIFY(box->testi().isEmpty());
    }
    QCOMPARE(w.txtFile01->text(), nome);
    const QString cartella = dir_->filePath(QStringLiteral("Documenti_Allegati"));
    QCOMPARE(QDir(cartella).entryList(QDir::Files), QStringList{nome});
    QCOMPARE(Contenuto(cartella + u'/' + nome), QByteArray("contenuto"));

    QTest::mouseClick(w.btnApri01, Qt::LeftButton);
    QCOMPARE(desktop_->aperti.size(), 1);
    QCOMPARE(QFileInfo(desktop_->aperti.first().toLocalFile()).fileName(), nome);
}

void TestAllegati::applicaOAnnulla_data()
{
    QTest::addColumn<QString>("memoria");
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<bool>("scritto");
    QTest::addColumn<bool>("chiusa");

    QTest::newRow("applica") << "clienti" << "btnApplica" << true << true;
    QTest::newRow("annulla") << "clienti" << "btnAnnulla" << false << true;
    QTest::newRow("applica da chi non e' la scheda") << "" << "btnApplica" << false << false;
}

void TestAllegati::applicaOAnnulla()
{
    QFETCH(QString, memoria);
    QFETCH(QString, pulsante);
    QFETCH(bool, scritto);
    QFETCH(bool, chiusa);

    Ambiente amb;
    TfrmClienti &card = *amb.card;
    const std::array<QLabel *, 6> etichette = {card.lblFile01, card.lblDesc01, card.lblFile02,
                                               card.lblDesc02, card.lblFile03, card.lblDesc03};
    const QStringList prima = {"a.pdf", "Contratto", "", "", "c.doc", "Delega"};
    for (size_t k = 0; k < 6; ++k) etichette[k]->setText(prima[int(k)]);

    // as the card opens it: its labels, trimmed, into the fields
    TfrmAllegaCartella w(&card);
    w.lblMemory->setText(memoria);
    const std::array<QLineEdit *, 6> campi = {w.txtFile01, w.txtDesc01, w.txtFile02,
                                              w.txtDesc02, w.txtFile03, w.txtDesc03};
    for (size_t k = 0; k < 6; ++k) campi[k]->setText(Trim(etichette[k]->text()));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.btnApri01->isEnabled());
    QVERIFY(!w.btnApri02->isEnabled());
    QVERIFY(w.btnApri03->isEnabled());

    w.txtFile02->setText(QStringLiteral("  b.xls  "));
    w.txtDesc02->setText(QStringLiteral("  Bilancio  "));
    QTest::mouseClick(w.imgCancella03, Qt::LeftButton);
    QVERIFY(!w.btnApri03->isEnabled());
    QCOMPARE(w.txtDesc03->text(), QStringLiteral("Delega"));
    QTest::mouseClick(w.findChild<QPushButton *>(pulsante), Qt::LeftButton);

    const QStringList attese = scritto ? QStringList{"a.pdf", "Contratto", "b.xls", "Bilancio", "", "Delega"} : prima;
    QStringList dopo;
    for (QLabel *l : etichette) dopo << l->text();
    QCOMPARE(dopo, attese);
    QCOMPARE(w.isVisible(), !chiusa);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ApplicaStile(app);
    int esito = 0;
    {
        TestServizi t;
        esito |= QTest::qExec(&t, argc, argv);
    }
    {
        TestAllegati t;
        esito |= QTest::qExec(&t, argc, argv);
    }
    return esito;
}

#include "test_clienti_servizi.moc"

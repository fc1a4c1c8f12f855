// The income summary's two windows as the user drives them: the request
// window's typing rules, Enter chain and checks with their boxes, the client
// search opened from it, the result window's list, total, find and printout,
// and a program folder the user may only read.
#include "ComeUtente.h"
#include "FixtureIncassi.h"
#include "Pdf.h"
#include "test_output_risposte.h"

#include "app/Finestre.h"
#include "app/TfrmAvvio.h"
#include "clients/TfrmTrovaClienti.h"
#include "income/GuidaIncassi.h"
#include "income/TfrmMenuRiepCosti.h"
#include "income/TfrmRiepCosti.h"
#include "output/FinestraRicerca.h"
#include "output/Stampa.h"
#include "output/TrovaLista.h"
#include "storage/Cartella.h"
#include "ui/CampoRistretto.h"
#include "ui/Kit.h"
#include "ui/Stile.h"
#include "ui/TfrmGuida.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

using Incassi::Appuntamento;

namespace {

TfrmMenuRiepCosti *m()
{
    return App().frmMenuRiepCosti;
}

QString Fuoco()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// The control of the request window that has, or will have once the window
// is active again, the focus.
QString FuocoRichiesta()
{
    QWidget *w = App().frmMenuRiepCosti->focusWidget();
    return w ? w->objectName() : QString();
}

void Periodo(TfrmMenuRiepCosti *w, const QString &gi, const QString &mi, const QString &gf, const QString &mf)
{
    w->txtGiornoInizio->setEditText(gi);
    w->txtMeseInizio->setEditText(mi);
    w->txtGiornoFine->setEditText(gf);
    w->txtMeseFine->setEditText(mf);
}

// What a result window showed before it was closed.
struct Risultato {
    bool aperto = false;
    bool attendereVisibile = false;
    QStringList righe;
    QString cliente, intervallo, totale, conta, fuoco;
};

// Answers the boxes; a result window that opens is read and closed.
struct Risposte : RisposteInOrdine {
    Risultato risultato;
    explicit Risposte(QList<QMessageBox::StandardButton> r = {QMessageBox::Ok}) : RisposteInOrdine(std::move(r))
    {
        altra = [this](QWidget *w) {
            auto *f = qobject_cast<TfrmRiepCosti *>(w);
            if (!f) {
                QTimer::singleShot(0, w, [w] { w->close(); });
                return;
            }
            risultato.aperto = true;
            risultato.attendereVisibile = m() && m()->lblAttendere->isVisible();
            risultato.righe = RigheLista(f->modello);
            risultato.cliente = f->titTipologia->text();
            risultato.intervallo = f->lblIntervallo->text();
            risultato.totale = f->lblTotCosti->text();
            risultato.conta = f->lblConta->text();
            risultato.fuoco = Fuoco();
            QTimer::singleShot(0, f, [f] { f->btnEsci->click(); });
        };
    }
};

void DoppioClic(QListView *lista, int riga)
{
    QCoreApplication::sendPostedEvents();
    const QPoint p(20, lista->visualRect(lista->model()->index(riga, 0)).center().y());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

const QStringList kAppuntamentiMarzo = {"Rossi Anna", "Bianchi Marco", "Rossi Luca"};

void ScriviMarzo()
{
    Incassi::Scrivi({
        {"04/03/2024", "10", "00", "Consulenza fiscale", "Bianchi Marco", "4,25"},
        {"01/03/2024", "09", "00", "Consulenza legale", "Rossi Anna", "10,50"},
        {"05/03/2024", "11", "00", "Perizia tecnica", "Rossi Luca", "30,00"},
        {"05/04/2024", "11", "00", "Perizia tecnica", "Rossi Luca", "99,00"},
    });
}

} // namespace

class TestIncassiFinestre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aspettoEOrdineInvio();
    void mostraAzzeraLaRichiesta();
    void digitazioneAnno();
    void digitazioneCombo();
    void controlliRichiesta_data();
    void controlliRichiesta();
    void risultato();
    void modoRiepilogo();
    void archivioInaccessibile();
    void stampa_data();
    void stampa();
    void trovaRicordato();
    void guida();
    void dalHubEIndietro();
    void cartellaSolaLettura();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestIncassiFinestre::initTestCase()
{
    ApplicaStile(*qApp);
}

void TestIncassiFinestre::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    ImpostaCartellaProgramma(dir_->path());
    ImpostaOrologio(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 41)));
    CreaFinestre();
    Stile::MostraIngrandita(m());
    QVERIFY(QTest::qWaitForWindowExposed(m()));
    m()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m()));
}

void TestIncassiFinestre::cleanup()
{
    DistruggiFinestre();
    ImpostaStampaSuPdf(QString());
    dir_.reset();
}

void TestIncassiFinestre::aspettoEOrdineInvio()
{
    QCOMPARE(m()->windowTitle(), QString(" Pratovia - Riepilogo Incassi"));
    QVERIFY(m()->isMaximized());
    const QList<QPair<const char *, QString>> testi = {
        {"lblAnno", "Anno:"},
        {"lblCliente", "Cognome e nome:"},
        {"lblTarga", "Servizi richiesti dal cliente:"},
        {"lblCampo01", "Indicare l'anno solare di interesse, il nome del cliente e/o i servizi richiesti."},
        {"lblCampo02", "Per ottenere il riepilogo degli incassi relativi a tutti i clienti, lasciare in bianco i "
                       "campi di ricerca."},
        {"lblCampo03", "Indicare l'intervallo di tempo riguardante il periodo da riepilogare in base alla data "
                       "dell'appuntamento."},
        {"lblAttendere", "Caricamento riepilogo in corso. Attendere..."},
    };
    for (const auto &[nome, testo] : testi) {
        auto *l = m()->findChild<QLabel *>(nome);
        QVERIFY2(l, nome);
        QCOMPARE(l->text(), testo);
    }
    QCOMPARE(m()->grpDataInizio->title(), QString(" Data inizio intervallo: "));
    QCOMPARE(m()->grpDataFine->title(), QString(" Data fine intervallo: "));
    QCOMPARE(m()->btnVisualizza->text(), QString("Visualizza riepilogo"));
    QCOMPARE(m()->btnEsci->text(), QString("Esci"));
    QVERIFY(m()->lblAttendere->isHidden());
    QVERIFY(m()->lblDataInizio->isHidden() && m()->lblDataFine->isHidden());
    QCOMPARE(m()->txtAnno->maxLength(), 4);
    QCOMPARE(m()->txtCliente->maxLength(), 50);
    QCOMPARE(m()->txtTarga->maxLength(), 250);
    QCOMPARE(m()->txtGiornoInizio->lineEdit()->maxLength(), 2);
    QCOMPARE(m()->txtMeseFine->lineEdit()->maxLength(), 9);
    QCOMPARE(m()->txtGiornoFine->count(), 31);
    QCOMPARE(m()->txtGiornoFine->itemText(0) + m()->txtGiornoFine->itemText(30), QString("0131"));
    QCOMPARE(m()->txtMeseInizio->count(), 12);
    QCOMPARE(m()->txtMeseInizio->itemText(0) + "," + m()->txtMeseInizio->itemText(11), QString("Gennaio,Dicembre"));

    const QStringList catena = {"txtAnno",       "txtCliente",    "txtTarga",    "txtGiornoInizio",
                                "txtMeseInizio", "txtGiornoFine", "txtMeseFine", "btnVisualizza"};
    m()->txtAnno->setFocus();
    for (qsizetype k = 1; k < catena.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Fuoco(), catena[k]);
        if (k < catena.size() - 1) {
            auto *eff = m()->findChild<QWidget *>("eff" + catena[k].mid(3));
            QVERIFY2(eff && eff->isVisible(), qPrintable(catena[k]));
        }
    }
}

void TestIncassiFinestre::mostraAzzeraLaRichiesta()
{
    m()->txtCliente->setText("Rossi");
    m()->txtTarga->setText("Perizia");
    m()->txtAnno->setText("1999");
    m()->txtGiornoInizio->setCurrentIndex(4);
    Periodo(m(), "05", "Marzo", "06", "Aprile");
    m()->hide();
    ImpostaOrologio(QDateTime(QDate(2031, 7, 1), QTime(8, 0)));
    Stile::MostraIngrandita(m());
    QVERIFY(QTest::qWaitForWindowExposed(m()));
    QCOMPARE(m()->txtCliente->text(), QString());
    QCOMPARE(m()->txtTarga->text(), QString());
    QCOMPARE(m()->txtAnno->text(), QString("2031"));
    QCOMPARE(m()->lblAnnoInizio->text(), QString("2031"));
    QCOMPARE(m()->lblAnnoFine->text(), QString("2031"));
    for (QComboBox *c : {m()->txtGiornoInizio, m()->txtMeseInizio, m()->txtGiornoFine, m()->txtMeseFine}) {
        QCOMPARE(c->currentText(), QString());
        QCOMPARE(c->currentIndex(), -1);
    }
    QTRY_COMPARE(FuocoRichiesta(), QString("txtCliente"));
}

void TestIncassiFinestre::digitazioneAnno()
{
    QTest::mouseClick(m()->txtAnno, Qt::LeftButton);
    m()->txtAnno->selectAll();
    QTest::keyClicks(m()->txtAnno, "2a0-2 5");
    QCOMPARE(m()->txtAnno->text(), QString("2025"));
    // Every key released copies the year to both labels.
    QCOMPARE(m()->lblAnnoInizio->text(), QString("2025"));
    QCOMPARE(m()->lblAnnoFine->text(), QString("2025"));
    QTest::keyClick(m()->txtAnno, Qt::Key_Backspace);
    QCOMPARE(m()->lblAnnoInizio->text(), QString("202"));
    QTest::keyClick(m()->txtAnno, Qt::Key_Left);
    QTest::keyClick(m()->txtAnno, Qt::Key_Delete);
    QCOMPARE(m()->txtAnno->text(), QString("20"));
    // And so does leaving the field.
    m()->txtAnno->setText("2019");
    m()->txtCliente->setFocus();
    QCOMPARE(m()->lblAnnoFine->text(), QString("2019"));
}

void TestIncassiFinestre::digitazioneCombo()
{
    QComboBox *giorno = m()->txtGiornoInizio, *mese = m()->txtMeseFine;
    giorno->setFocus();
    QTest::keyClicks(giorno, "12");
    QCOMPARE(giorno->currentText(), QString());
    giorno->setCurrentIndex(11);
    QTest::keyClicks(giorno, "3x");
    QTest::keyClick(giorno, Qt::Key_Up);
    QCOMPARE(giorno->currentText(), QString("12"));
    QTest::keyClick(giorno, Qt::Key_Backspace);
    QCOMPARE(giorno->currentText(), QString());
    mese->setCurrentIndex(2);
    mese->setFocus();
    QTest::keyClick(mese, Qt::Key_Delete);
    QCOMPARE(mese->currentText(), QString());

    // About to take the focus: the list selection goes, the text stays.
    m()->txtTarga->setFocus();
    mese->setCurrentIndex(4);
    QCOMPARE(mese->currentIndex(), 4);
    mese->setFocus();
    QCOMPARE(mese->currentIndex(), -1);
    QCOMPARE(mese->currentText(), QString("Maggio"));

    // Leaving: only a choice stays.
    const QList<QPair<QString, QString>> casi = {{"07", "07"}, {"  ", ""}, {"7", ""}, {"32", ""}};
    for (const auto &[testo, resta] : casi) {
        giorno->setFocus();
        giorno->setEditText(testo);
        m()->txtTarga->setFocus();
        QCOMPARE(giorno->currentText(), resta);
    }
    const QList<QPair<QString, QString>> mesi = {{"Ottobre", "Ottobre"}, {"ottobre ", "ottobre "}, {"Ottobr", ""}};
    for (const auto &[testo, resta] : mesi) {
        mese->setFocus();
        mese->setEditText(testo);
        m()->txtTarga->setFocus();
        QCOMPARE(mese->currentText(), resta);
    }
}

void TestIncassiFinestre::controlliRichiesta_data()
{
    QTest::addColumn<QString>("anno");
    QTest::addColumn<QStringList>("periodo");
    QTest::addColumn<QString>("testo");   // empty: the result opens
    QTest::addColumn<bool>("semplice");   // plain OK-only box, or a warning with OK and Cancel
    QTest::addColumn<QString>("fuoco");
    const QString valida = "\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.";
    QTest::newRow("anno di tre cifre")
        << "202" << QStringList{"01", "Marzo", "31", "Marzo"}
        << "Attenzione: indicare l'anno solare utilizzando quattro cifre." << false << "txtAnno";
    QTest::newRow("giorno di inizio vuoto")
        << "2024" << QStringList{"", "Marzo", "31", "Marzo"}
        << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata." << false
        << "txtGiornoInizio";
    QTest::newRow("mese di inizio vuoto")
        << "2024" << QStringList{"01", "", "31", "Marzo"}
        << "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata." << false
        << "txtMeseInizio";
    QTest::newRow("giorno di fine vuoto")
        << "2024" << QStringList{"01", "Marzo", "", "Marzo"}
        << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata." << false
        << "txtGiornoFine";
    QTest::newRow("mese di fine vuoto")
        << "2024" << QStringList{"01", "Marzo", "31", ""}
        << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata." << false
        << "txtMeseFine";
    QTest::newRow("29 febbraio in un anno bisestile") << "2024" << QStringList{"29", "Febbraio", "29", "Febbraio"}
                                                      << "" << false << "txtTrova";
    QTest::newRow("29 febbraio in un altro anno")
        << "2023" << QStringList{"29", "Febbraio", "31", "Marzo"}
        << "Attenzione: la data 29/02/2023 di inizio intervallo non esiste." + valida << true << "txtGiornoInizio";
    QTest::newRow("31 aprile")
        << "2024" << QStringList{"01", "Aprile", "31", "Aprile"}
        << "Attenzione: la data 31/04/2024 di fine intervallo non esiste." + valida << true << "txtGiornoFine";
    QTest::newRow("fine prima dell'inizio")
        << "2024" << QStringList{"05", "Marzo", "04", "Marzo"}
        << "Attenzione: la data di fine intervallo (04/03/2024) non può essere anteriore a quella di inizio "
           "intervallo (05/03/2024).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo "
           "di tempo valido."
        << true << "btnVisualizza";
    QTest::newRow("date uguali") << "2024" << QStringList{"05", "Marzo", "05", "Marzo"} << "" << false << "txtTrova";
}

void TestIncassiFinestre::controlliRichiesta()
{
    QFETCH(QString, anno);
    QFETCH(QStringList, periodo);
    QFETCH(QString, testo);
    QFETCH(bool, semplice);
    QFETCH(QString, fuoco);
    ScriviMarzo();
    m()->txtAnno->setText(anno);
    Periodo(m(), periodo[0], periodo[1], periodo[2], periodo[3]);
    Risposte risposte;
    QTest::mouseClick(m()->btnVisualizza, Qt::LeftButton);
    if (testo.isEmpty()) {
        QVERIFY(risposte.Box().isEmpty());
        QVERIFY(risposte.risultato.aperto);
        QVERIFY(risposte.risultato.attendereVisibile);
        QCOMPARE(risposte.risultato.fuoco, fuoco);
    } else {
        QCOMPARE(risposte.Box().size(), 1);
        QCOMPARE(risposte.Box()[0].testo, testo);
        QCOMPARE(risposte.Box()[0].icona, semplice ? QMessageBox::NoIcon : QMessageBox::Warning);
        QCOMPARE(risposte.Box()[0].bottoni, semplice ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                     : QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(!risposte.risultato.aperto);
        QCOMPARE(FuocoRichiesta(), fuoco);
    }
    // Every failure, and the result closing, hide the waiting text.
    QVERIFY(m()->lblAttendere->isHidden());
}

void TestIncassiFinestre::risultato()
{
    ScriviMarzo();
    Periodo(m(), "01", "Marzo", "31", "Marzo");
    m()->txtCliente->setText("Rossi ");
    m()->txtTarga->setText("  ");
    Risposte risposte;
    QTest::mouseClick(m()->btnVisualizza, Qt::LeftButton);
    QVERIFY(risposte.Box().isEmpty());
    QVERIFY(risposte.risultato.aperto);
    QCOMPARE(Incassi::Clienti(risposte.risultato.righe), QStringList({"Rossi Anna", "Rossi Luca"}));
    QCOMPARE(risposte.risultato.cliente, QString("Rossi"));
    QCOMPARE(risposte.risultato.intervallo, QString("Dal   01/03/2024   al   31/03/2024"));
    QCOMPARE(risposte.risultato.totale, QString("40,50"));
    QCOMPARE(risposte.risultato.conta, QString("1"));
    // The request keeps its inputs for a second request.
    QCOMPARE(m()->txtCliente->text(), QString("Rossi "));
    QCOMPARE(m()->lblDataInizio->text(), QString("01/03/2024"));

    // No filter and no appointment in the period.
    m()->txtCliente->clear();
    Periodo(m(), "01", "Giugno", "30", "Giugno");
    QTest::mouseClick(m()->btnVisualizza, Qt::LeftButton);
    QCOMPARE(risposte.risultato.righe, QStringList());
    QCOMPARE(risposte.risultato.cliente, QString("- - -"));
    QCOMPARE(risposte.risultato.totale, QString("0,00"));
    QCOMPARE(risposte.risultato.conta, QString("0"));

    // The window itself.
    m()->lblDataInizio->setText("01/03/2024");
    m()->lblDataFine->setText("31/03/2024");
    TfrmRiepCosti f(m(), m()->Fonte());
    f.show();
    QCOMPARE(f.modello->rowCount(), 3);
    QCOMPARE(f.windowTitle(), QString(" Pratovia - Riepilogo Incassi"));
    const QList<QPair<QLabel *, QString>> testi = {
        {f.lblTipologia, "Cliente:"},
        {f.infIntervallo, "Intervallo selezionato:"},
        {f.infTotKmPercorsi, "Totale importi: €"},
        {f.lblRigo01, "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                      "il pulsante Trova."},
        {f.lblRigo02, "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
                      "clic su Trova."},
    };
    for (const auto &[l, t] : testi) QCOMPARE(l->text(), t);
    QCOMPARE(f.btnStampa->text(), QString("Stampa riepilogo"));
    QCOMPARE(f.btnEsci->text(), QString("Esci"));
    QVERIFY(f.lblConta->isHidden());
    QCOMPARE(f.lstRecords->objectName(), QString("lstRecords"));
    QCOMPARE(f.modello->index(0, 0).data(Qt::FontRole).value<QFont>().family(), QString("Courier New"));
}

void TestIncassiFinestre::modoRiepilogo()
{
    // A client card whose name has blanks around it in the file.
    TSchedaCliente c;
    std::memset(c.Buffer(), 0, TSchedaCliente::Dimensione);
    const QByteArray nome = "  Verdi Ugo  ";
    char *campo = c.Buffer() + TSchedaCliente::Offset[LayoutCliente::Cliente];
    campo[0] = char(nome.size());
    std::memcpy(campo + 1, nome.constData(), size_t(nome.size()));
    TSchedaCliente altro;
    altro.Set(LayoutCliente::Cliente, "Bianchi Anna");
    TArchivio a;
    a.Open("Contatti.pro", TSchedaCliente::Dimensione);
    a.Append(altro);
    a.Append(c);
    a.Close();

    m()->txtTarga->setText("Perizia");
    QString memoria;
    RisposteInOrdine risposte;
    risposte.altra = [&](QWidget *w) {
        auto *t = qobject_cast<TfrmTrovaClienti *>(w);
        if (!t) return;
        memoria = t->lblMemory->text();
        t->txtCliente->setText("verdi");
        QTest::mouseClick(t->btnCerca, Qt::LeftButton);
        DoppioClic(t->lstRecords, 0);
    };
    m()->impCliente->click();
    QCOMPARE(memoria, QString("riepilogo"));
    QVERIFY(risposte.Box().isEmpty());
    QCOMPARE(m()->txtCliente->text(), QString("Verdi Ugo"));
    QCOMPARE(m()->txtTarga->text(), QString("Perizia"));
    QVERIFY(!QApplication::activeModalWidget());
}

// The appointment file cannot be opened: the access error, an empty list
// and a total of nothing.
void TestIncassiFinestre::archivioInaccessibile()
{
    QVERIFY(QDir(dir_->path()).mkdir("Archivio_Appuntamenti.pro"));
    m()->lblDataInizio->setText("01/01/2024");
    m()->lblDataFine->setText("31/12/2024");
    RisposteInOrdine risposte;
    TfrmRiepCosti f(m(), m()->Fonte());
    f.show();
    QTRY_COMPARE(risposte.Box().size(), 1);
    QCOMPARE(risposte.Box()[0].testo,
             QString("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
                     "privilegi di scrittura nella cartella di installazione del programma."));
    QCOMPARE(risposte.Box()[0].icona, QMessageBox::Critical);
    QCOMPARE(f.modello->rowCount(), 0);
    QCOMPARE(f.lblTotCosti->text(), QString("0,00"));
}

void TestIncassiFinestre::stampa_data()
{
    QTest::addColumn<bool>("vuoto");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QStringList>("box");
    QTest::addColumn<bool>("stampato");
    QTest::newRow("elenco vuoto: rifiutata")
        << true << int(QMessageBox::Yes)
        << QStringList{"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."} << false;
    QTest::newRow("No: niente stampa") << false << int(QMessageBox::No)
                                       << QStringList{"Si vuole stampare il presente riepilogo?"} << false;
    QTest::newRow("Sì: stampa") << false << int(QMessageBox::Yes)
                                << QStringList{"Si vuole stampare il presente riepilogo?"} << true;
}

void TestIncassiFinestre::stampa()
{
    QFETCH(bool, vuoto);
    QFETCH(int, risposta);
    QFETCH(QStringList, box);
    QFETCH(bool, stampato);
    if (stampato && QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
    ScriviMarzo();
    m()->txtCliente->setText("Rossi");
    m()->lblDataInizio->setText(vuoto ? "01/06/2024" : "01/03/2024");
    m()->lblDataFine->setText(vuoto ? "30/06/2024" : "31/03/2024");
    const QString pdf = dir_->filePath("riepilogo.pdf");
    ImpostaStampaSuPdf(pdf);
    TfrmRiepCosti f(m(), m()->Fonte());
    f.show();
    QCOMPARE(f.modello->rowCount(), vuoto ? 0 : 2);
    RisposteInOrdine risposte({QMessageBox::StandardButton(risposta)});
    QTest::mouseClick(f.btnStampa, Qt::LeftButton);
    QCOMPARE(risposte.Testi(), box);
    QCOMPARE(risposte.Box()[0].icona, vuoto ? QMessageBox::Warning : QMessageBox::Question);
    QCOMPARE(risposte.Box()[0].bottoni, vuoto ? QMessageBox::Ok | QMessageBox::Cancel
                                              : QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(QFileInfo::exists(pdf), stampato);
    if (!stampato) return;
    const QStringList righe = Pdf::Righe(pdf);
    QVERIFY2(righe.contains("Riepilogo incassi - Cliente: Rossi"), qPrintable(righe.join('\n')));
    // The list lines, then the three closing lines, then the footer.
    const qsizetype fine = righe.indexOf("TOTALE IMPORTI: € 40,50");
    QVERIFY2(fine >= 4, qPrintable(righe.join('\n')));
    QCOMPARE(righe.mid(fine - 2, 3),
             QStringList({"- - - - - - - - - - - - - - - -", "INTERVALLO SELEZIONATO: Dal 01/03/2024 al 31/03/2024",
                          "TOTALE IMPORTI: € 40,50"}));
    QVERIFY(righe[fine - 4].startsWith("ID: 202403010900 Data: 01/03/2024"));
    QVERIFY(righe[fine - 3].startsWith("ID: 202403051100 Data: 05/03/2024"));
    QVERIFY(righe[fine + 1].startsWith("Stampa eseguita in data"));
}

// The find text of one result window counts as the previous one in the next.
void TestIncassiFinestre::trovaRicordato()
{
    Incassi::Scrivi({
        {"01/03/2024", "09", "00", "Consulenza", "Rossi Anna", "1,00"},
        {"02/03/2024", "09", "00", "Consulenza", "Bianchi Marco", "1,00"},
        {"03/03/2024", "09", "00", "Consulenza", "Rossi Luca", "1,00"},
    });
    m()->lblDataInizio->setText("01/03/2024");
    m()->lblDataFine->setText("31/03/2024");
    auto selezionata = [](TfrmRiepCosti &f) {
        const auto s = f.lstRecords->selectionModel()->selectedRows();
        return s.isEmpty() ? -1 : s.first().row();
    };
    {
        TfrmRiepCosti f(m(), m()->Fonte());
        f.show();
        QTest::keyClicks(f.txtTrova, "ross");
        QTest::mouseClick(f.btnTrova, Qt::LeftButton);
        QCOMPARE(selezionata(f), 0);
        // Enter in the find field does nothing here.
        QTest::keyClick(f.txtTrova, Qt::Key_Return);
        QCOMPARE(selezionata(f), 0);
        QVERIFY(f.isVisible());
        f.close();
    }
    TfrmRiepCosti g(m(), m()->Fonte());
    g.show();
    QCOMPARE(g.txtTrova->text(), QString());
    QTest::keyClicks(g.txtTrova, "ross");
    QTest::mouseClick(g.btnTrova, Qt::LeftButton);
    // The same text as before: the search goes on after the first line.
    QCOMPARE(selezionata(g), 2);
    QTest::mouseClick(g.btnTrova, Qt::LeftButton);
    QCOMPARE(selezionata(g), 0);
    // A new text starts from the top.
    g.txtTrova->setText("bianchi");
    QTest::mouseClick(g.btnTrova, Qt::LeftButton);
    QCOMPARE(selezionata(g), 1);
}

void TestIncassiFinestre::guida()
{
    TfrmRiepCosti f(m(), m()->Fonte());
    f.show();
    QString titolo, corpo;
    RisposteInOrdine risposte;
    risposte.altra = [&](QWidget *w) {
        if (auto *g = qobject_cast<TfrmGuida *>(w)) {
            titolo = g->lblTitolo->text();
            corpo = g->txtGuida->toPlainText();
        }
        QTimer::singleShot(0, w, [w] { w->close(); });
    };
    QTest::mouseClick(f.imgGuida, Qt::LeftButton);
    QCOMPARE(titolo, QString("App Riepiloghi Incassi"));
    QCOMPARE(GuidaIncassi().paragrafi.size(), 4);
    for (const QString &p : GuidaIncassi().paragrafi) QVERIFY(corpo.contains(p.left(40)));
    QVERIFY(corpo.contains("Visualizza riepilogo"));
}

void TestIncassiFinestre::dalHubEIndietro()
{
    TfrmAvvio *hub = App().frmAvvio;
    m()->close();
    QVERIFY(hub->isVisible());
    QVERIFY(!m()->isVisible());
    QCOMPARE(hub->Applicazione(4), static_cast<QWidget *>(m()));
    QVERIFY(hub->imgApp04->isEnabled() && hub->btnApp04->isEnabled());
    hub->imgApp04Click();
    QVERIFY(m()->isVisible());
    QVERIFY(!hub->isVisible());
    // Esci and the close box lead to the same place.
    QTest::mouseClick(m()->btnEsci, Qt::LeftButton);
    QVERIFY(hub->isVisible());
    QVERIFY(!m()->isVisible());
}

// A program folder the user may only read: the summary is listed and printed.
void TestIncassiFinestre::cartellaSolaLettura()
{
    if (ComeUtente::Radice()) {
        const QString perche = ComeUtente::Impedimento();
        if (!perche.isEmpty()) QSKIP(qPrintable("read-only folder needs a plain user: " + perche));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils not installed");
        QTemporaryDir tmp;
        ImpostaCartellaProgramma(tmp.path());
        ScriviMarzo();
        ComeUtente::SolaLettura(tmp.path());
        const int esito = ComeUtente::Esegui("cartellaSolaLettura", {{"PRATOVIA_CARTELLA_RO", tmp.path()}});
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ImpostaCartellaProgramma(dir_->path());
        QCOMPARE(esito, 0);
        return;
    }
    const QString ro = qEnvironmentVariable("PRATOVIA_CARTELLA_RO");
    if (ro.isEmpty()) QSKIP("runs as the plain user started by the root run");
    ImpostaCartellaProgramma(ro);
    QTemporaryDir stampe;
    const QString pdf = stampe.filePath("riepilogo.pdf");
    ImpostaStampaSuPdf(pdf);
    Periodo(m(), "01", "Marzo", "31", "Marzo");
    Risposte risposte({QMessageBox::Yes});
    bool stampato = false;
    risposte.altra = [&](QWidget *w) {
        auto *f = qobject_cast<TfrmRiepCosti *>(w);
        if (!f) return;
        risposte.risultato.righe = RigheLista(f->modello);
        risposte.risultato.totale = f->lblTotCosti->text();
        QTimer::singleShot(0, f, [f, &stampato, pdf] {
            f->btnStampa->click();
            stampato = QFileInfo::exists(pdf);
            f->close();
        });
    };
    QTest::mouseClick(m()->btnVisualizza, Qt::LeftButton);
    QCOMPARE(Incassi::Clienti(risposte.risultato.righe), kAppuntamentiMarzo);
    QCOMPARE(risposte.risultato.totale, QString("44,75"));
    QCOMPARE(risposte.Testi(), QStringList({"Si vuole stampare il presente riepilogo?"}));
    QVERIFY(stampato);
    QVERIFY(Pdf::Righe(pdf).contains("TOTALE IMPORTI: € 44,75"));
    QCOMPARE(QDir(ro).entryList(QDir::Files), QStringList({"Archivio_Appuntamenti.pro"}));
}

QTEST_MAIN(TestIncassiFinestre)
#include "test_incassi_finestre.moc"

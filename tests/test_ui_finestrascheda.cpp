// The card-window frame on a small card of its own: the banner and the
// status line, the hints of the buttons, the right-hand column and the browse
// bar, the sections in one or two columns, the focused field scrolled into
// view, and the return to the hub when the card closes.
#include "Modali.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "ui/CampiScheda.h"
#include "ui/FinestraScheda.h"
#include "ui/Navigazione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using A = LayoutAppuntamento;

// Three sections of the appointment record, a row above them, two buttons
// in the column and one beside a field.
class SchedaProva : public TFinestraScheda
{
public:
    QLineEdit *txtData = nullptr, *txtTel = nullptr, *txtEmail = nullptr, *txtNote = nullptr;
    QCheckBox *chkOttemperata = nullptr;
    QPushButton *cmdNuovo = nullptr, *cmdSalva = nullptr, *btnEmail = nullptr;
    QLabel *lblSopra = nullptr;
    std::unique_ptr<TCampiScheda> campi;

    SchedaProva()
        : TFinestraScheda(nullptr, {QStringLiteral("Prova"), QStringLiteral("Una scheda di prova"),
                                    QStringLiteral("Pronto per una nuova prova..."),
                                    QStringLiteral("Esci dalla prova.")})
    {
        campi = std::make_unique<TCampiScheda>(TCampiScheda::Config{
            this, FormatoDi<LayoutAppuntamento>(),
            {
                {&txtData, "txtData", A::Data},
                {&txtTel, "txtTel", A::Tel},
                {&txtEmail, "txtEmail", A::Email},
                {&chkOttemperata, "chkOttemperata", A::Ottemperata, Regola::Libera, false},
                {&txtNote, "txtNote", A::Note},
            },
            {}, {}});
        Pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Glifo(Stile::Simbolo::Nuovo),
                 QStringLiteral("Una nuova prova."));
        Pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Glifo(Stile::Simbolo::Salva),
                 QStringLiteral("Salva la prova."));
        Pulsante(btnEmail, "btnEmail", QString(), Glifo(Stile::Simbolo::Email), QStringLiteral("Scrivi."));
        Suggerisci(chkOttemperata, QStringLiteral("Segna la prova come fatta."));

        auto *sopra = new QHBoxLayout;
        lblSopra = new QLabel(QStringLiteral("sopra"), this);
        sopra->addWidget(lblSopra);
        QGridLayout *s1 = Sezione(QStringLiteral("Uno"));
        Metti(s1, 0, 0, QStringLiteral("Data:"), txtData);
        Metti(s1, 1, 0, QStringLiteral("Telefono:"), txtTel);
        QGridLayout *s2 = Sezione(QStringLiteral("Due"));
        Metti(s2, 0, 0, QStringLiteral("E-mail:"), txtEmail, 1, btnEmail);
        s2->addWidget(chkOttemperata, 2, 0);
        QGridLayout *s3 = Sezione(QStringLiteral("Tre"));
        Metti(s3, 0, 0, QStringLiteral("Note:"), txtNote);
        Componi({campi.get(), {cmdNuovo, cmdSalva}, sopra, 1});
    }

    using TFinestraScheda::Archiviata;
    using TFinestraScheda::Duplicabile;
    int nuove = 0;

protected:
    void NuovaScheda() override
    {
        ++nuove;
        campi->Svuota();
    }
    QWidget *CampoIniziale() const override { return txtTel; }
};

QGroupBox *SezioneDi(QWidget *w, const QString &titolo)
{
    for (QGroupBox *g : w->findChildren<QGroupBox *>())
        if (g->title() == titolo) return g;
    return nullptr;
}

// The rectangle of `w` in the coordinates of `in`.
QRect Posto(const QWidget *w, const QWidget *in)
{
    return QRect(w->mapTo(in, QPoint(0, 0)), w->size());
}

void Mostra(QWidget &w, int larghezza, int altezza)
{
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.resize(larghezza, altezza);
    w.show();
    w.layout()->activate();
    QCoreApplication::processEvents();
    if (auto *s = w.findChild<QScrollArea *>()) s->widget()->layout()->activate();
    QCoreApplication::processEvents();
}

} // namespace

class TestFinestraScheda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bannerEStatoIniziale();
    void suggerimenti();
    void colonnaEBarraDiScorrimento();
    void sezioniInUnaODueColonne();
    void campoConIlFuocoInVista();
    void apertaNuova();
    void soloSeArchiviata();
    void chiusuraTornaAlHub();

private:
    QTemporaryDir dir_;
};

void TestFinestraScheda::initTestCase()
{
    QVERIFY(dir_.isValid());
    ImpostaCartellaProgramma(dir_.path());
}

void TestFinestraScheda::bannerEStatoIniziale()
{
    SchedaProva w;
    QCOMPARE(w.panInfo->text(), QString("Pronto per una nuova prova..."));
    QCOMPARE(w.lblPosizione->objectName(), QString("lblPosizione"));
    QVERIFY(w.lblPosizione->font().bold());
    QCOMPARE(w.lblPosizione->alignment(), Qt::AlignCenter);
    Mostra(w, 1024, 700);
    auto *banner = w.findChild<QWidget *>("imgTitolo");
    QVERIFY(banner);
    QCOMPARE(banner->geometry(), QRect(0, 0, 1024, 64));
    // the status line runs along the bottom
    QCOMPARE(Posto(w.panInfo, &w).bottom(), w.height() - 1);
    QCOMPARE(Posto(w.panInfo, &w).left(), 0);
}

void TestFinestraScheda::suggerimenti()
{
    SchedaProva w;
    QEvent entra(QEvent::Enter), esci(QEvent::Leave);
    const QList<QPair<QWidget *, QString>> casi = {
        {w.cmdNuovo, "Una nuova prova."},
        {w.cmdSalva, "Salva la prova."},
        {w.btnEmail, "Scrivi."},
        {w.chkOttemperata, "Segna la prova come fatta."},
        {w.cmdPrimo, "Visualizza la prima scheda in archivio."},
        {w.cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {w.cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {w.cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {w.cmdEsci, "Esci dalla prova."},
    };
    for (const auto &[controllo, testo] : casi) {
        QApplication::sendEvent(controllo, &entra);
        QCOMPARE(w.panInfo->text(), testo);
        QApplication::sendEvent(controllo, &esci);
        QVERIFY2(w.panInfo->text().isEmpty(), qPrintable(controllo->objectName()));
    }
    // Over the background, the sections, their captions and the fields the line empties.
    QLabel *didascalia = nullptr;
    for (QLabel *l : w.findChildren<QLabel *>())
        if (l->text() == "Telefono:") didascalia = l;
    QVERIFY(didascalia);
    for (QWidget *sfondo : {w.findChild<QWidget *>("panCentro"), w.findChild<QWidget *>("imgTitolo"),
                            w.findChild<QWidget *>("panPulsanti"), static_cast<QWidget *>(SezioneDi(&w, "Due")),
                            static_cast<QWidget *>(didascalia), static_cast<QWidget *>(w.txtTel),
                            static_cast<QWidget *>(w.lblPosizione)}) {
        QVERIFY(sfondo);
        QApplication::sendEvent(w.cmdSalva, &entra);
        QApplication::sendEvent(sfondo, &entra);
        QVERIFY2(w.panInfo->text().isEmpty(), qPrintable(sfondo->objectName()));
    }
}

void TestFinestraScheda::colonnaEBarraDiScorrimento()
{
    SchedaProva w;
    Mostra(w, 1024, 700);
    for (QPushButton *b : {w.cmdNuovo, w.cmdSalva, w.cmdEsci, w.cmdPrimo, w.cmdIndietro, w.cmdAvanti, w.cmdUltimo,
                           w.btnEmail})
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    // The column: its buttons top to bottom, Esci at the bottom, apart.
    const QRect nuovo = Posto(w.cmdNuovo, &w), salva = Posto(w.cmdSalva, &w), esci = Posto(w.cmdEsci, &w);
    QCOMPARE(salva.left(), nuovo.left());
    QCOMPARE(esci.left(), nuovo.left());
    QVERIFY(nuovo.bottom() < salva.top());
    QVERIFY(esci.top() - salva.bottom() > 200);
    QVERIFY(nuovo.left() > Posto(w.txtData, &w).right());
    // The browse bar, right of the status line, in its order.
    QList<QRect> barra;
    for (QWidget *b : std::initializer_list<QWidget *>{w.panInfo, w.cmdPrimo, w.cmdIndietro, w.lblPosizione,
                                                       w.cmdAvanti, w.cmdUltimo})
        barra << Posto(b, &w);
    for (int i = 1; i < barra.size(); ++i) {
        QVERIFY2(barra[i - 1].right() < barra[i].left(), qPrintable(QString::number(i)));
        QVERIFY(barra[i].top() > esci.bottom());
    }
    QVERIFY(barra[3].width() >= 64);
    // The position label follows the field table.
    w.campi->ImpostaPosizione(7);
    QCOMPARE(w.lblPosizione->text(), QString("7"));
}

void TestFinestraScheda::sezioniInUnaODueColonne()
{
    SchedaProva w;
    QWidget *uno = SezioneDi(&w, "Uno"), *due = SezioneDi(&w, "Due"), *tre = SezioneDi(&w, "Tre");
    QWidget *centro = w.findChild<QWidget *>("panCentro");
    // Narrow: one under the other in their order, under the row above them.
    Mostra(w, 1024, 700);
    QRect r1 = Posto(uno, centro), r2 = Posto(due, centro), r3 = Posto(tre, centro);
    QVERIFY(Posto(w.lblSopra, centro).bottom() < r1.top());
    QCOMPARE(r2.left(), r1.left());
    QCOMPARE(r3.left(), r1.left());
    QCOMPARE(r2.width(), r1.width());
    QVERIFY(r1.bottom() < r2.top() && r2.bottom() < r3.top());
    // Wide: the first section on the left, the others on the right; back
    // in one column when the window narrows again.
    w.resize(1600, 700);
    QCoreApplication::processEvents();
    centro->layout()->activate();
    r1 = Posto(uno, centro), r2 = Posto(due, centro), r3 = Posto(tre, centro);
    QCOMPARE(r2.top(), r1.top());
    QVERIFY(r1.right() < r2.left());
    QCOMPARE(r3.left(), r2.left());
    QVERIFY(r2.bottom() < r3.top());
    QVERIFY(Posto(w.lblSopra, centro).bottom() < r1.top());
    w.resize(1024, 700);
    QCoreApplication::processEvents();
    centro->layout()->activate();
    QCOMPARE(Posto(due, centro).left(), Posto(uno, centro).left());
}

void TestFinestraScheda::campoConIlFuocoInVista()
{
    SchedaProva w;
    w.resize(700, 260);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *scorri = w.findChild<QScrollArea *>();
    QVERIFY(scorri->verticalScrollBar()->maximum() > 0);
    auto inVista = [&](QWidget *campo) { return scorri->viewport()->rect().contains(Posto(campo, scorri->viewport())); };
    for (QWidget *campo : std::initializer_list<QWidget *>{w.txtNote, w.txtData, w.txtEmail}) {
        campo->setFocus();
        QCoreApplication::processEvents();
        QVERIFY2(inVista(campo), qPrintable(campo->objectName()));
    }
}

// Each time the window opens the card is new and the focus on its first field.
void TestFinestraScheda::apertaNuova()
{
    SchedaProva w;
    w.txtTel->setText("333");
    w.campi->ImpostaPosizione(3);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.nuove, 1);
    QVERIFY(w.txtTel->text().isEmpty());
    QCOMPARE(w.campi->Posizione(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtTel));
    // opened again after closing
    w.txtTel->setText("333");
    w.hide();
    QCOMPARE(w.txtTel->text(), QString("333"));
    w.show();
    QCOMPARE(w.nuove, 2);
    QVERIFY(w.txtTel->text().isEmpty());
}

void TestFinestraScheda::soloSeArchiviata()
{
    SchedaProva w;
    {
        RispostaBox box;
        ChiudiModale chiudi;
        QVERIFY(!w.Duplicabile());
        QVERIFY(!w.Archiviata(QStringLiteral("Attenzione: prima salvare la prova.")));
        QCOMPARE(box.testi(), QStringList({"Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                                           "che questa è stata inserita in archivio.",
                                           "Attenzione: prima salvare la prova."}));
        QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);
    }
    w.campi->ImpostaPosizione(2);
    RispostaBox box;
    QVERIFY(w.Duplicabile());
    QVERIFY(w.Archiviata(QStringLiteral("Attenzione: prima salvare la prova.")));
    QVERIFY(box.testi().isEmpty());
}

void TestFinestraScheda::chiusuraTornaAlHub()
{
    int hub = 0;
    ImpostaNavigazione({[&hub] { ++hub; }, {}, {}, {}});
    SchedaProva w;
    Mostra(w, 1024, 700);
    w.cmdEsci->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(hub, 1);
    w.show();
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(hub, 2);
    ImpostaNavigazione({});
}

QTEST_MAIN(TestFinestraScheda)
#include "test_ui_finestrascheda.moc"

// The shared pieces of the card windows: the restricted edit fields (typed
// keys, pasted text, leaving the amount field) and the field table of a card
// (controls made from it, record -> controls -> record, flags, Enter chain,
// position, save and browse), on a small card of the appointment layout.
#include "Modali.h"
#include "storage/Cartella.h"
#include "storage/Schede.h"
#include "ui/CampiScheda.h"
#include "ui/CampoRistretto.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

using A = LayoutAppuntamento;
using R = TCampoRistretto;

enum Tipo { CifreTolleranti, CifreSevere, CifreEVirgola, Importo };

QLineEdit *Nuovo(int tipo, QWidget *parent)
{
    switch (tipo) {
    case CifreTolleranti: return new R(R::Caratteri::Cifre, R::Tasti::Tolleranti, parent);
    case CifreSevere: return new R(R::Caratteri::Cifre, R::Tasti::Severi, parent);
    case CifreEVirgola: return new R(R::Caratteri::CifreEVirgola, R::Tasti::Severi, parent);
    default: return new TCampoImporto(parent);
    }
}

// A shown window holding the field under test and one more field to move to.
struct Banco {
    QWidget w;
    QLineEdit *campo;
    QLineEdit *altro = new QLineEdit(&w);
    explicit Banco(int tipo) : campo(Nuovo(tipo, &w))
    {
        auto *l = new QVBoxLayout(&w);
        l->addWidget(campo);
        l->addWidget(altro);
        w.show();
        w.activateWindow();
        (void)QTest::qWaitForWindowActive(&w);
        campo->setFocus();
    }
};

// A small card: six fields of the appointment record and the position label.
struct SchedaProva {
    QWidget w;
    QLineEdit *txtData = nullptr, *txtAvviso = nullptr, *txtTel = nullptr, *txtEmail = nullptr,
              *txtImporto = nullptr;
    QComboBox *txtOreApp = nullptr;
    QCheckBox *chkOttemperata = nullptr;
    QLabel *lblOra = nullptr;
    QLabel *lblPosizione = new QLabel(&w);
    std::unique_ptr<TCampiScheda> campi;

    SchedaProva()
    {
        namespace G = Regola;
        campi = std::make_unique<TCampiScheda>(TCampiScheda::Config{
            &w, FormatoDi<LayoutAppuntamento>(),
            {
                {&txtData, "txtData", A::Data},
                {&txtOreApp, "txtOreApp", A::OreApp, G::Maiuscole | G::SenzaSpazi | G::AncheInUscita},
                {&txtAvviso, "txtAvviso", A::Avviso, G::SoloCifre},
                {&txtTel, "txtTel", A::Tel, G::MaiuscoleAlRilascio},
                {&txtEmail, "txtEmail", A::Email, G::SenzaSpazi | G::AncheInUscita},
                {&chkOttemperata, "chkOttemperata", A::Ottemperata, G::Libera, false},
                {&txtImporto, "txtImporto", A::Importo, G::Importo},
                {&lblOra, "lblOra", A::Ora},
            },
            {}, {}});
        TCampiScheda::ImpostaScelte(txtOreApp, {"08", "09", "10"});
        auto *l = new QVBoxLayout(&w);
        for (QWidget *c : std::initializer_list<QWidget *>{txtData, txtOreApp, txtAvviso, txtTel, txtEmail,
                                                           chkOttemperata, txtImporto, lblPosizione})
            l->addWidget(c);
        campi->ImpostaEtichettaPosizione(lblPosizione);
        campi->CollegaCatena();
        w.show();
        w.activateWindow();
        (void)QTest::qWaitForWindowActive(&w);
    }
};

void Digita(QWidget *w, const QString &tasti)
{
    w->setFocus();
    QTest::keyClicks(w, tasti);
}

} // namespace

class TestUiCampi : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void digitazione_data();
    void digitazione();
    void tastiSpeciali_data();
    void tastiSpeciali();
    void incollaConCtrlV();
    void importoInUscita_data();
    void importoInUscita();
    void importoSelezionatoAlFuoco();
    void incollaDalMenu_data();
    void incollaDalMenu();

    void controlliDallaTabella();
    void mostraEComponi();
    void spunta_data();
    void spunta();
    void regoleDellaTabella();
    void invio_data();
    void invio();
    void posizione();
    void salvaESfoglia();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestUiCampi::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ImpostaCartellaProgramma(dir_->path());
}

void TestUiCampi::cleanup()
{
    ImpostaCartellaProgramma(QString());
    dir_.reset();
}

// ================================================================ restricted fields

void TestUiCampi::digitazione_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("testo");
    QTest::newRow("cifre: lettere, blank e segni scartati") << int(CifreTolleranti) << "33a3 -4" << "3334";
    QTest::newRow("cifre severe: anche la virgola scartata") << int(CifreSevere) << "20,2x4" << "2024";
    QTest::newRow("cifre e virgola") << int(CifreEVirgola) << "-1a2. 3,4e5" << "123,45";
    QTest::newRow("importo: come cifre e virgola") << int(Importo) << "1.250,5€" << "1250,5";
    QTest::newRow("importo: due virgole si digitano") << int(Importo) << "1,2,3" << "1,2,3";
}

void TestUiCampi::digitazione()
{
    QFETCH(int, tipo);
    QFETCH(QString, tasti);
    QFETCH(QString, testo);
    Banco b(tipo);
    for (QChar c : tasti) {
        if (c.unicode() < 128) {
            QTest::keyClick(b.campo, c.toLatin1());
        } else { // keyClick knows only ASCII: send the character as typed text
            QKeyEvent premi(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(b.campo, &premi);
        }
    }
    QCOMPARE(b.campo->text(), testo);
}

// Backspace, Delete and the arrows always work; Tab and Home reach a lenient
// field only.
void TestUiCampi::tastiSpeciali_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("tabEsce");
    QTest::newRow("cifre: Home porta all'inizio") << int(CifreTolleranti) << "7512" << true;
    QTest::newRow("cifre severe: Home ignorato") << int(CifreSevere) << "1275" << false;
    QTest::newRow("importo: Home ignorato") << int(Importo) << "1275" << false;
}

void TestUiCampi::tastiSpeciali()
{
    QFETCH(int, tipo);
    QFETCH(QString, testo);
    QFETCH(bool, tabEsce);
    Banco b(tipo);
    b.campo->setText("1250");
    b.campo->setCursorPosition(4);
    QTest::keyClick(b.campo, Qt::Key_Left);
    QTest::keyClick(b.campo, Qt::Key_Delete);
    QTest::keyClick(b.campo, Qt::Key_Backspace);
    QTest::keyClick(b.campo, Qt::Key_Right);
    QTest::keyClick(b.campo, Qt::Key_Home);
    QTest::keyClick(b.campo, Qt::Key_7);
    QTest::keyClick(b.campo, Qt::Key_5);
    QCOMPARE(b.campo->text(), testo);
    // Enter reaches the field, for the window to act on.
    QSignalSpy invio(b.campo, &QLineEdit::returnPressed);
    QTest::keyClick(b.campo, Qt::Key_Return);
    QCOMPARE(invio.count(), 1);
    QCOMPARE(b.campo->text(), testo);
    QTest::keyClick(b.campo, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tabEsce ? b.altro : b.campo);
}

// Ctrl+V brings nothing into a restricted field, letters or digits; a plain
// field shows the same clipboard is there.
void TestUiCampi::incollaConCtrlV()
{
    QGuiApplication::clipboard()->setText("ab12");
    for (int tipo : {CifreTolleranti, CifreSevere, CifreEVirgola, Importo}) {
        Banco b(tipo);
        b.campo->setText("5");
        b.campo->setCursorPosition(1);
        QTest::keyClick(b.campo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.campo->text(), QString("5"));
        b.altro->setFocus();
        QTest::keyClick(b.altro, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.altro->text(), QString("ab12"));
    }
}

void TestUiCampi::importoInUscita_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("lasciato");
    QTest::addColumn<bool>("avviso");
    QTest::newRow("intero") << "15" << "15,00" << false;
    QTest::newRow("vuoto") << "" << "0,00" << false;
    QTest::newRow("solo decimali") << ",5" << "0,50" << false;
    QTest::newRow("due virgole: avviso, resta com'è") << "1,2,3" << "1,2,3" << true;
    QTest::newRow("solo virgola: avviso") << "," << "," << true;
    QTest::newRow("arrotondato") << "1234,567" << "1234,57" << false;
}

void TestUiCampi::importoInUscita()
{
    QFETCH(QString, testo);
    QFETCH(QString, lasciato);
    QFETCH(bool, avviso);
    {
        Banco b(Importo);
        b.campo->setText(testo);
        RispostaBox box;
        ChiudiModale chiudi;
        b.altro->setFocus();
        QCOMPARE(b.campo->text(), lasciato);
        QCOMPARE(box.testi(), avviso ? QStringList{"Attenzione: l'importo digitato non è valido."} : QStringList{});
        if (avviso) {
            QCOMPARE(box.visti()[0].icona, QMessageBox::Warning);
            QCOMPARE(b.w.focusWidget(), b.campo); // the focus stays to mend it
        } else {
            QCOMPARE(QApplication::focusWidget(), b.altro);
        }
    }
    // A digits field keeps what it holds when it is left.
    Banco c(CifreEVirgola);
    c.campo->setText(testo);
    c.altro->setFocus();
    QCOMPARE(c.campo->text(), testo);
}

// Taking the focus, by Tab or by a click, selects the whole amount, so what
// is typed replaces the "0,00" shown instead of joining it.
void TestUiCampi::importoSelezionatoAlFuoco()
{
    Banco b(Importo);
    b.altro->setFocus();
    b.campo->setText("0,00");
    QTest::keyClick(b.altro, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), b.campo);
    QTRY_COMPARE(b.campo->selectedText(), QString("0,00"));
    QTest::keyClicks(b.campo, "120,50");
    QCOMPARE(b.campo->text(), QString("120,50"));

    b.altro->setFocus();
    QCOMPARE(b.campo->text(), QString("120,50"));
    QTest::mouseClick(b.campo, Qt::LeftButton, {}, QPoint(3, b.campo->height() / 2));
    QTRY_COMPARE(b.campo->selectedText(), QString("120,50"));
    QTest::keyClicks(b.campo, "7");
    QCOMPARE(b.campo->text(), QString("7"));
}

// The context menu's paste and a dropped text bring in only what could have
// been typed.
void TestUiCampi::incollaDalMenu_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("appunti");
    QTest::addColumn<QString>("testo");
    QTest::newRow("CAP: lettere scartate") << int(CifreTolleranti) << "CAP 00184 Roma" << "500184";
    QTest::newRow("telefono: segni scartati") << int(CifreSevere) << "+39 (06) 123-45" << "5390612345";
    QTest::newRow("cifre e virgola") << int(CifreEVirgola) << "€ 1.250,50" << "51250,50";
    QTest::newRow("importo") << int(Importo) << "12,5 euro" << "512,5";
    QTest::newRow("niente di ammesso") << int(CifreSevere) << "abc" << "5";
}

void TestUiCampi::incollaDalMenu()
{
    QFETCH(int, tipo);
    QFETCH(QString, appunti);
    QFETCH(QString, testo);
    QGuiApplication::clipboard()->setText(appunti);
    {
        Banco b(tipo);
        b.campo->setText("5");
        b.campo->deselect();
        b.campo->setCursorPosition(1);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3), b.campo->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(b.campo, &menu);
        QMenu *aperto = nullptr;
        QTRY_VERIFY((aperto = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QAction *incolla = nullptr;
        for (QAction *a : aperto->actions())
            if (a->objectName() == "edit-paste") incolla = a;
        QVERIFY(incolla);
        QCOMPARE(incolla->isEnabled(), testo != "5");
        if (incolla->isEnabled()) incolla->trigger();
        aperto->close();
        QCOMPARE(b.campo->text(), testo);
    }
    {
        Banco b(tipo);
        b.campo->setText("5");
        QMimeData dati;
        dati.setText(appunti);
        QDropEvent lascia(QPointF(b.campo->width() - 2, 3), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        // Straight to the field: the application routes drops only during a real drag.
        static_cast<QObject *>(b.campo)->event(&lascia);
        QCOMPARE(b.campo->text(), testo);
    }
}

// ================================================================ field table

// Names, sizes from the record layout, the kind each rule asks for.
void TestUiCampi::controlliDallaTabella()
{
    SchedaProva s;
    QCOMPARE(s.w.findChild<QLineEdit *>("txtData"), s.txtData);
    QCOMPARE(s.w.findChild<QComboBox *>("txtOreApp"), s.txtOreApp);
    QCOMPARE(s.w.findChild<QCheckBox *>("chkOttemperata"), s.chkOttemperata);
    QCOMPARE(s.w.findChild<QLabel *>("lblOra"), s.lblOra);
    QCOMPARE(s.txtData->maxLength(), 10);
    QCOMPARE(s.txtOreApp->lineEdit()->maxLength(), 2);
    QCOMPARE(s.txtAvviso->maxLength(), 3);
    QCOMPARE(s.txtEmail->maxLength(), 50);
    QCOMPARE(s.txtImporto->maxLength(), 15);
    QVERIFY(qobject_cast<TCampoImporto *>(s.txtImporto));
    auto *avviso = qobject_cast<TCampoRistretto *>(s.txtAvviso);
    QVERIFY(avviso && !qobject_cast<TCampoImporto *>(s.txtAvviso));
    QVERIFY(avviso->TastiAmmessi() == R::Tasti::Severi);
    QVERIFY(!qobject_cast<TCampoRistretto *>(s.txtData));
    QVERIFY(!s.lblOra->isVisibleTo(&s.w));
    QVERIFY(s.txtOreApp->isEditable());
    QCOMPARE(s.txtOreApp->currentIndex(), -1);
    // Tab follows the table, the check box included; highlights behind the fields.
    QCOMPARE(s.txtEmail->nextInFocusChain(), s.chkOttemperata);
    QCOMPARE(s.chkOttemperata->nextInFocusChain(), s.txtImporto);
    QVERIFY(s.w.findChild<QWidget *>("effData"));
    QVERIFY(s.w.findChild<QWidget *>("effImporto"));
    QVERIFY(!s.w.findChild<QWidget *>("effOttemperata"));
}

// A record shown in the controls and composed back: trimmed texts, sizes
// kept, fields outside the table left as they were.
void TestUiCampi::mostraEComponi()
{
    SchedaProva s;
    TSchedaAppuntamento r;
    r.Set(A::Data, " 05/03/2024 ");
    r.Set(A::OreApp, "09");
    r.Set(A::Avviso, "3");
    r.Set(A::Tel, "06 123");
    r.Set(A::Email, "a@b.it");
    r.Set(A::Importo, "12,50");
    r.SetFlag(A::Ottemperata, true);
    r.Set(A::Ora, "09:30");
    r.Set(A::Causale, "Consulenza");
    s.campi->Mostra(r.Buffer());
    QCOMPARE(s.txtData->text(), QString("05/03/2024"));
    QCOMPARE(s.txtOreApp->currentText(), QString("09"));
    QCOMPARE(s.txtAvviso->text(), QString("3"));
    QCOMPARE(s.txtImporto->text(), QString("12,50"));
    QVERIFY(s.chkOttemperata->isChecked());
    QCOMPARE(s.lblOra->text(), QString("09:30"));
    QCOMPARE(s.campi->Posizione(), qint64(0)); // showing does not move the card

    s.txtData->setText("06/03/2024");
    s.txtTel->setText("  06 999 ");
    s.txtOreApp->setEditText("10");
    s.chkOttemperata->setChecked(false);
    s.lblOra->setText("10:00 e un testo troppo lungo");
    const std::vector<QString> testi = s.campi->Testi();
    QCOMPARE(testi.size(), size_t(16));
    QCOMPARE(testi[A::Tel], QString("  06 999 ")); // as on screen
    QCOMPARE(testi[A::Ottemperata], QString("No"));
    QVERIFY(testi[A::Causale].isEmpty());

    TSchedaAppuntamento c = r;
    s.campi->Componi(c.Buffer());
    QCOMPARE(c.Get(A::Data), QString("06/03/2024"));
    QCOMPARE(QByteArray(c.Raw(A::Tel), 7), QByteArray("\x06" "06 999")); // stored trimmed
    QCOMPARE(c.Get(A::OreApp), QString("10"));
    QCOMPARE(c.Get(A::Email), QString("a@b.it"));
    QCOMPARE(QByteArray(c.Raw(A::Ottemperata), 3), QByteArray("\x02No"));
    QCOMPARE(c.Get(A::Ora), QString("10:00")); // cut to its 5 characters
    QCOMPARE(c.Get(A::Causale), QString("Consulenza"));

    s.chkOttemperata->setChecked(true);
    s.campi->Componi(c.Buffer());
    QCOMPARE(QByteArray(c.Raw(A::Ottemperata), 3), QByteArray("\x02S\xEC"));

    s.campi->Svuota();
    for (QLineEdit *e : {s.txtData, s.txtAvviso, s.txtTel, s.txtEmail, s.txtImporto}) QVERIFY(e->text().isEmpty());
    QVERIFY(s.txtOreApp->currentText().isEmpty());
    QVERIFY(!s.chkOttemperata->isChecked());
    QVERIFY(s.lblOra->text().isEmpty());
}

// "Sì" checks, "No" unchecks, anything else leaves the box as it was.
void TestUiCampi::spunta_data()
{
    QTest::addColumn<QString>("valore");
    QTest::addColumn<bool>("prima");
    QTest::addColumn<bool>("dopo");
    QTest::newRow("Sì") << QString::fromUtf8("Sì") << false << true;
    QTest::newRow("No") << "No" << true << false;
    QTest::newRow("vuoto, casella spuntata") << "" << true << true;
    QTest::newRow("vuoto, casella vuota") << "" << false << false;
    QTest::newRow("si minuscolo") << "si" << false << false;
}

void TestUiCampi::spunta()
{
    QFETCH(QString, valore);
    QFETCH(bool, prima);
    QFETCH(bool, dopo);
    SchedaProva s;
    TSchedaAppuntamento r;
    r.Set(A::Ottemperata, valore);
    s.chkOttemperata->setChecked(prima);
    s.campi->Mostra(r.Buffer());
    QCOMPARE(s.chkOttemperata->isChecked(), dopo);
}

// The keystroke rules of the table, on typing and on leaving.
void TestUiCampi::regoleDellaTabella()
{
    SchedaProva s;
    Digita(s.txtEmail, " a@b.it ");
    QCOMPARE(s.txtEmail->text(), QString("a@b.it"));
    Digita(s.txtTel, "ab1");
    QCOMPARE(s.txtTel->text(), QString("AB1"));
    Digita(s.txtAvviso, "1a2");
    QCOMPARE(s.txtAvviso->text(), QString("12"));
    Digita(s.txtOreApp->lineEdit(), " r");
    QCOMPARE(s.txtOreApp->currentText(), QString("R"));
    // Leaving trims what reached the field without typing.
    s.txtOreApp->setEditText(" x ");
    s.txtEmail->setFocus();
    QCOMPARE(s.txtOreApp->currentText(), QString("X"));
    // A combo edit about to take the focus loses its selected item, not its text.
    s.txtOreApp->setCurrentIndex(1);
    s.txtOreApp->setFocus();
    QCOMPARE(s.txtOreApp->currentIndex(), -1);
    QCOMPARE(s.txtOreApp->currentText(), QString("09"));
    // Free fields keep what is typed.
    Digita(s.txtData, " 1/2 ");
    QCOMPARE(s.txtData->text(), QString(" 1/2 "));
}

void TestUiCampi::invio_data()
{
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("a");
    QTest::newRow("campo a combo") << "txtData" << "txtOreApp";
    QTest::newRow("combo a campo") << "txtOreApp" << "txtAvviso";
    QTest::newRow("la casella è saltata") << "txtEmail" << "txtImporto";
    QTest::newRow("l'ultimo torna al primo") << "txtImporto" << "txtData";
}

void TestUiCampi::invio()
{
    QFETCH(QString, da);
    QFETCH(QString, a);
    SchedaProva s;
    QWidget *partenza = s.w.findChild<QWidget *>(da);
    QWidget *bersaglio = partenza;
    if (auto *c = qobject_cast<QComboBox *>(partenza)) bersaglio = c->lineEdit();
    partenza->setFocus();
    QTest::keyClick(bersaglio, Qt::Key_Return);
    QCOMPARE(s.w.focusWidget() ? s.w.focusWidget()->objectName() : QString(), a);
}

// The position is a number shown in the label; a label written by another
// window is taken as the position.
void TestUiCampi::posizione()
{
    SchedaProva s;
    QVERIFY(s.lblPosizione->text().isEmpty());
    s.campi->ImpostaPosizione(12);
    QCOMPARE(s.lblPosizione->text(), QString("12"));
    QCOMPARE(s.campi->Posizione(), qint64(12));
    s.lblPosizione->setText(" 5 ");
    QCOMPARE(s.campi->Posizione(), qint64(5));
    s.lblPosizione->clear();
    QCOMPARE(s.campi->Posizione(), qint64(0));
    s.campi->ImpostaPosizione(3);
    s.campi->Svuota();
    QVERIFY(s.lblPosizione->text().isEmpty());
    QCOMPARE(s.campi->Posizione(), qint64(0));
}

// Saving appends then overwrites; browsing shows the stored cards.
void TestUiCampi::salvaESfoglia()
{
    SchedaProva s;
    RispostaBox box;
    s.txtData->setText("05/03/2024");
    s.txtImporto->setText("10,00");
    QVERIFY(s.campi->Salva());
    QCOMPARE(s.lblPosizione->text(), QString("1"));
    s.txtData->setText("06/03/2024");
    QVERIFY(s.campi->Salva());
    s.campi->Svuota();
    s.txtData->setText("07/03/2024");
    QVERIFY(s.campi->Salva());
    QCOMPARE(s.lblPosizione->text(), QString("2"));
    QCOMPARE(box.testi(), QStringList({"La scheda corrente è stata inserita in archivio.",
                                       "Le modifiche apportate alla scheda corrente sono state salvate in archivio.",
                                       "La scheda corrente è stata inserita in archivio."}));
    QFile f(CartellaProgramma() + "Archivio_Appuntamenti.pro");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.size(), qint64(2 * 1265));

    s.campi->Sfoglia(Freccia::Primo);
    QCOMPARE(s.txtData->text(), QString("06/03/2024"));
    QCOMPARE(s.txtImporto->text(), QString("10,00"));
    QCOMPARE(s.lblPosizione->text(), QString("1"));
    s.campi->Sfoglia(Freccia::Avanti);
    QCOMPARE(s.txtData->text(), QString("07/03/2024"));
    QCOMPARE(s.campi->Posizione(), qint64(2));
    s.campi->Sfoglia(Freccia::Avanti); // the last card: nothing happens
    QCOMPARE(s.lblPosizione->text(), QString("2"));
    QCOMPARE(box.testi().size(), 3);
}

QTEST_MAIN(TestUiCampi)
#include "test_ui_campi.moc"

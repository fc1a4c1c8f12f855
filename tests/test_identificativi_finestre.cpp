// The four identifier check windows, driven as the user drives them: a text
// put in by the client card or typed, "Controlla" pressed, the box that
// follows, where the focus goes and whether the window closes.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <memory>

#include "Modali.h"
#include "TestiControlli.h"
#include "ui/Stile.h"
#include "identifiers/TfrmCarta.h"
#include "identifiers/TfrmCodFisc.h"
#include "identifiers/TfrmControllo.h"
#include "identifiers/TfrmIban.h"
#include "identifiers/TfrmPartitaIva.h"

namespace {

constexpr int kNessunBox = -1;

std::unique_ptr<TfrmControllo> Crea(const QString &classe)
{
    if (classe == u"TfrmCodFisc") return std::make_unique<TfrmCodFisc>();
    if (classe == u"TfrmPartitaIva") return std::make_unique<TfrmPartitaIva>();
    if (classe == u"TfrmCarta") return std::make_unique<TfrmCarta>();
    if (classe == u"TfrmIban") return std::make_unique<TfrmIban>();
    return nullptr;
}

// The input field of each window, by the name the client card writes into.
QString NomeCampo(const QString &classe)
{
    if (classe == u"TfrmCodFisc") return QStringLiteral("txtCodFisc");
    if (classe == u"TfrmPartitaIva") return QStringLiteral("txtPartitaIva");
    if (classe == u"TfrmCarta") return QStringLiteral("txtNumero");
    return QStringLiteral("txtIban");
}

// A window shown and active, as the client card leaves it after exec() starts,
// with `consegnato` put into its field first.
struct Finestra {
    std::unique_ptr<TfrmControllo> w;
    QLineEdit *campo = nullptr;
    QPushButton *btnControlla = nullptr;

    explicit Finestra(const QString &classe, const QString &consegnato = QString())
    {
        w = Crea(classe);
        if (!w) return;
        campo = w->findChild<QLineEdit *>(NomeCampo(classe));
        btnControlla = w->findChild<QPushButton *>(QStringLiteral("btnControlla"));
        if (campo) campo->setText(consegnato);
        w->show();
        w->activateWindow();
        [[maybe_unused]] const bool attiva = QTest::qWaitForWindowActive(w.get());
    }
    bool pronta() const { return w && campo && btnControlla; }
};

// Types `testo` into w one key at a time (accented letters too); "←" is the
// Left arrow key and "⌫" Backspace.
void Digita(QWidget *w, const QString &testo)
{
    for (QChar c : testo) {
        if (c == u'←') {
            QTest::keyClick(w, Qt::Key_Left);
        } else if (c == u'⌫') {
            QTest::keyClick(w, Qt::Key_Backspace);
        } else if (c.unicode() < 128) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            const auto tasto = Qt::Key(c.toUpper().unicode()); // Qt::Key_Agrave for "à"
            QTest::sendKeyEvent(QTest::Press, w, tasto, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, tasto, QString(c), Qt::NoModifier);
        }
    }
}

const QString kIbanInGruppi = QStringLiteral("IT60 X054 2811 1010 0000 0123 456"); // 33 characters

} // namespace

class TestIdentificativiFinestre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void finestra_data();
    void finestra();
    void controllo_data();
    void controllo();
    void digitazione_data();
    void digitazione();
    void dopoModifica_data();
    void dopoModifica();
    void invio_data();
    void invio();
};

void TestIdentificativiFinestre::initTestCase()
{
    ApplicaStile(*qApp);
}

// ------------------------------------------------------------ the windows

void TestIdentificativiFinestre::finestra_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("etichetta");

    QTest::newRow("codice fiscale") << "TfrmCodFisc" << " Controllo codice fiscale"
                                    << "Immettere il codice fiscale e premere il pulsante di controllo.";
    QTest::newRow("partita IVA")
        << "TfrmPartitaIva" << " Controllo partita IVA"
        << "Immettere il numero di partita IVA e premere il pulsante di controllo.";
    QTest::newRow("carta") << "TfrmCarta" << " Controllo carta di credito"
                           << "Immettere il numero di carta di credito e premere il pulsante di controllo.";
    QTest::newRow("IBAN") << "TfrmIban" << " Controllo IBAN"
                          << "Immettere l'IBAN e premere il pulsante di controllo.";
}

// Class, caption and controls; on show the field has the focus and its
// yellow highlight; "Chiudi" closes without any box.
void TestIdentificativiFinestre::finestra()
{
    QFETCH(QString, classe);
    QFETCH(QString, titolo);
    QFETCH(QString, etichetta);

    Finestra f(classe);
    QVERIFY(f.pronta());
    QCOMPARE(QString::fromLatin1(f.w->metaObject()->className()), classe);
    QVERIFY(f.w->isModal());
    QCOMPARE(f.w->windowTitle(), titolo);
    auto *lblTitolo = f.w->findChild<QLabel *>(QStringLiteral("lblTitolo"));
    QVERIFY(lblTitolo);
    QCOMPARE(lblTitolo->text(), etichetta);
    QCOMPARE(f.btnControlla->text(), QStringLiteral("Controlla"));
    auto *btnChiudi = f.w->findChild<QPushButton *>(QStringLiteral("btnChiudi"));
    QVERIFY(btnChiudi);
    QCOMPARE(btnChiudi->text(), QStringLiteral("Chiudi"));

    QCOMPARE(f.w->focusWidget(), f.campo);
    auto *evidenzia = f.w->findChild<QWidget *>(QStringLiteral("eff") + f.campo->objectName().mid(3));
    QVERIFY(evidenzia);
    QTRY_VERIFY(evidenzia->isVisible());

    RispostaBox box;
    QTest::mouseClick(btnChiudi, Qt::LeftButton);
    QVERIFY(!f.w->isVisible());
    QVERIFY(box.visti().isEmpty());
}

// ------------------------------------------------------------- the checks

void TestIdentificativiFinestre::controllo_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("consegnato"); // what the client card puts into the field
    QTest::addColumn<int>("icona");           // QMessageBox::Icon, or kNessunBox
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("chiude");

    const int avviso = QMessageBox::Warning;
    const int info = QMessageBox::Information;

    QTest::newRow("CF valido") << "TfrmCodFisc" << "RSSMRA85T10A562S" << info << kCfValido << true;
    QTest::newRow("CF minuscolo") << "TfrmCodFisc" << "rssmra85t10a562s" << info << kCfValido << true;
    QTest::newRow("CF ultimo cambiato") << "TfrmCodFisc" << "RSSMRA85T10A562T" << avviso << kCfErrato << true;
    QTest::newRow("CF accentato") << "TfrmCodFisc" << "RSSMRA85T10A56ÈN" << avviso << kCfErrato << true;
    QTest::newRow("CF 15") << "TfrmCodFisc" << "RSSMRA85T10A562" << avviso << kCfLunghezza << false;
    // Longer than what may be typed: it reaches the check whole.
    QTest::newRow("CF 17") << "TfrmCodFisc" << "RSSMRA85T10A562SX" << avviso << kCfLunghezza << false;
    QTest::newRow("CF vuoto") << "TfrmCodFisc" << "" << avviso << kCfLunghezza << false;

    QTest::newRow("IVA Roma 1") << "TfrmPartitaIva" << "12345670587" << info << kPivaValido + "Roma 1."
                                << true;
    QTest::newRow("IVA ufficio 103") << "TfrmPartitaIva" << "23456781030" << info << kPivaValido + "."
                                     << true;
    QTest::newRow("IVA cifra cambiata") << "TfrmPartitaIva" << "12345770587" << avviso << kPivaErrato << true;
    QTest::newRow("IVA con lettera") << "TfrmPartitaIva" << "1234567058A" << avviso << kPivaErrato << true;
    QTest::newRow("IVA 10 cifre") << "TfrmPartitaIva" << "1234567058" << avviso << kPivaLunghezza << false;
    QTest::newRow("IVA 12 cifre") << "TfrmPartitaIva" << "123456705870" << avviso << kPivaLunghezza << false;

    QTest::newRow("carta Visa") << "TfrmCarta" << "4111111111111111" << info
                                << CartaValida("4111111111111111", "Visa") << true;
    QTest::newRow("carta in gruppi") << "TfrmCarta" << "4111 1111 1111 1111" << info
                                     << CartaValida("4111 1111 1111 1111", "Visa") << true;
    QTest::newRow("carta Amex") << "TfrmCarta" << "378282246310005" << info
                                << CartaValida("378282246310005", "American Express") << true;
    QTest::newRow("carta 32") << "TfrmCarta" << "3200000000000002" << kNessunBox << "" << true;
    QTest::newRow("carta inizia con 2") << "TfrmCarta" << "2221000000000009" << avviso << kCartaErrata
                                        << true;
    QTest::newRow("carta ultima cambiata") << "TfrmCarta" << "4111111111111112" << avviso << kCartaErrata
                                           << true;
    QTest::newRow("carta vuota") << "TfrmCarta" << "" << avviso << kCartaVuota << false;

    QTest::newRow("IBAN valido") << "TfrmIban" << "IT60X0542811101000000123456" << info << kIbanValido
                                 << true;
    QTest::newRow("IBAN minuscolo") << "TfrmIban" << "it60x0542811101000000123456" << info << kIbanValido
                                    << true;
    QTest::newRow("IBAN cifra cambiata") << "TfrmIban" << "IT60X0542811101000000123457" << avviso
                                         << kIbanErrato << true;
    QTest::newRow("IBAN accentato") << "TfrmIban" << "IT60X054281110100000012345È" << avviso << kIbanErrato
                                    << true;
    QTest::newRow("IBAN in gruppi") << "TfrmIban" << kIbanInGruppi << avviso << kIbanLunghezza << false;
    QTest::newRow("IBAN tedesco") << "TfrmIban" << "DE89370400440532013000" << avviso << kIbanLunghezza
                                  << false;
}

void TestIdentificativiFinestre::controllo()
{
    QFETCH(QString, classe);
    QFETCH(QString, consegnato);
    QFETCH(int, icona);
    QFETCH(QString, testo);
    QFETCH(bool, chiude);

    Finestra f(classe, consegnato);
    QVERIFY(f.pronta());

    RispostaBox box(QMessageBox::Cancel); // the answer makes no difference
    QTest::mouseClick(f.btnControlla, Qt::LeftButton);

    if (icona == kNessunBox) {
        QVERIFY(box.visti().isEmpty());
    } else {
        QCOMPARE(box.visti().size(), 1);
        const BoxVisto &b = box.visti().first();
        QCOMPARE(b.testo, testo);
        QCOMPARE(int(b.icona), icona);
        QCOMPARE(b.bottoni, QMessageBox::Ok | QMessageBox::Cancel);
    }
    QCOMPARE(!f.w->isVisible(), chiude);
    if (!chiude) {
        // The click gave the focus to the button; the warning sends it back.
        QCOMPARE(f.w->focusWidget(), f.campo);
        auto *evidenzia = f.w->findChild<QWidget *>(QStringLiteral("eff") + f.campo->objectName().mid(3));
        QVERIFY(evidenzia);
        QTRY_VERIFY(evidenzia->isVisible());
    }
}

// ------------------------------------------------------------------ typing

void TestIdentificativiFinestre::digitazione_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("consegnato");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("atteso");

    // Anything may be typed; the text is trimmed and upper-cased (a-z only) at every change.
    QTest::newRow("CF maiuscole") << "TfrmCodFisc" << "" << "rssmra85t10a562s" << "RSSMRA85T10A562S";
    QTest::newRow("CF spazio finale tolto") << "TfrmCodFisc" << "" << " rs s" << "RSS";
    QTest::newRow("CF accentate restano") << "TfrmCodFisc" << "" << "città-è" << "CITTà-è";
    QTest::newRow("CF limite 16") << "TfrmCodFisc" << "" << "rssmra85t10a562sxyz" << "RSSMRA85T10A562S";
    // The cursor stays where the user is typing.
    QTest::newRow("CF lettere nel mezzo") << "TfrmCodFisc" << "RSSMRA" << "←←←xy" << "RSSXYMRA";
    QTest::newRow("CF consegnato minuscolo") << "TfrmCodFisc" << "  rss" << "" << "RSS";

    // Only digits; no casing or trimming.
    QTest::newRow("IVA solo cifre") << "TfrmPartitaIva" << "" << "12a b-3.4,5" << "12345";
    QTest::newRow("IVA cifre nel mezzo") << "TfrmPartitaIva" << "1234" << "←←90" << "129034";
    QTest::newRow("IVA limite 11") << "TfrmPartitaIva" << "" << "123456789012345" << "12345678901";
    QTest::newRow("IVA consegnato non filtrato") << "TfrmPartitaIva" << "12 ab" << "x9" << "12 ab9";
    QTest::newRow("IVA consegnato lungo") << "TfrmPartitaIva" << "123456705870" << "1"
                                          << "123456705870";
    QTest::newRow("IVA consegnato lungo, cancella") << "TfrmPartitaIva" << "123456705870" << "⌫⌫999"
                                                    << "12345670589";

    QTest::newRow("carta solo cifre") << "TfrmCarta" << "" << "4111 1111-abcd" << "41111111";
    QTest::newRow("carta limite 30") << "TfrmCarta" << "" << QString(35, u'4') << QString(30, u'4');
    QTest::newRow("carta consegnato in gruppi") << "TfrmCarta" << " 4111 1111 " << "1"
                                                << "4111 11111";

    // A blank typed at the end is trimmed away at once.
    QTest::newRow("IBAN maiuscole") << "TfrmIban" << "" << "it60 x054 " << "IT60X054";
    QTest::newRow("IBAN spazio nel mezzo") << "TfrmIban" << "IT60X054" << "←←←← " << "IT60 X054";
    QTest::newRow("IBAN limite 27") << "TfrmIban" << "" << "it60x05428111010000001234567890"
                                    << "IT60X0542811101000000123456";
    // A grouped IBAN from the card keeps its 33 characters: typing cannot add
    // to it, deleting can.
    QTest::newRow("IBAN consegnato in gruppi") << "TfrmIban" << kIbanInGruppi << "7" << kIbanInGruppi;
    QTest::newRow("IBAN consegnato, cancella") << "TfrmIban" << kIbanInGruppi << "⌫"
                                               << kIbanInGruppi.chopped(1);
}

void TestIdentificativiFinestre::digitazione()
{
    QFETCH(QString, classe);
    QFETCH(QString, consegnato);
    QFETCH(QString, tasti);
    QFETCH(QString, atteso);

    Finestra f(classe, consegnato);
    QVERIFY(f.pronta());
    f.campo->setCursorPosition(f.campo->text().size());
    Digita(f.campo, tasti);
    QCOMPARE(f.campo->text(), atteso);
    QVERIFY(f.w->isVisible());
}

// The rule behind the typing limit and the normalisation, for the changes
// keys alone cannot make (a paste, a replaced selection, the cursor).
void TestIdentificativiFinestre::dopoModifica_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<int>("cursore");
    QTest::addColumn<bool>("dallUtente");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<int>("cursoreAtteso");

    // 10 characters pasted into 11: only the 5 that fit stay, the tail is kept.
    QTest::newRow("incolla nel mezzo") << "TfrmCodFisc" << "RSSMRA85T10" << "RSSMRAabcdefghij85T10" << 16
                                       << true << "RSSMRAABCDE85T10" << 11;
    // "85" of a full code replaced by "999": two characters fit.
    QTest::newRow("selezione sostituita") << "TfrmCodFisc" << "RSSMRA85T10A562S" << "RSSMRA999T10A562S"
                                          << 9 << true << "RSSMRA99T10A562S" << 8;
    QTest::newRow("già al limite") << "TfrmPartitaIva" << "12345678901" << "123456789012" << 12 << true
                                   << "12345678901" << 11;
    QTest::newRow("inserito all'inizio") << "TfrmPartitaIva" << "12345678901" << "012345678901" << 1
                                         << true << "12345678901" << 0;
    // Shorter, or not typed: never cut.
    QTest::newRow("accorcia oltre il limite") << "TfrmIban" << kIbanInGruppi << kIbanInGruppi.chopped(1) << 32
                                              << true << kIbanInGruppi.chopped(1) << 32;
    QTest::newRow("messo dal programma") << "TfrmIban" << "" << kIbanInGruppi << 33 << false << kIbanInGruppi
                                         << 33;
    // The trimming moves the cursor back by the blanks it took before it.
    QTest::newRow("spazi iniziali") << "TfrmIban" << "" << "  it60" << 6 << true << "IT60" << 4;
    QTest::newRow("spazi finali") << "TfrmCarta" << "4111" << "4111 " << 5 << true << "4111" << 4;
    QTest::newRow("cursore nel mezzo") << "TfrmCodFisc" << " ab" << " abc" << 2 << true << "ABC" << 1;
    // The partita IVA field is neither trimmed nor upper-cased.
    QTest::newRow("IVA non normalizzata") << "TfrmPartitaIva" << "" << " 12ab" << 5 << false << " 12ab" << 5;
}

void TestIdentificativiFinestre::dopoModifica()
{
    QFETCH(QString, classe);
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QFETCH(int, cursore);
    QFETCH(bool, dallUtente);
    QFETCH(QString, atteso);
    QFETCH(int, cursoreAtteso);

    const std::unique_ptr<TfrmControllo> w = Crea(classe);
    const TestoCampo t = DopoModifica(w->Descrizione(), prima, dopo, cursore, dallUtente);
    QCOMPARE(t.testo, atteso);
    QCOMPARE(t.cursore, cursoreAtteso);
}

// -------------------------------------------------------------------- Enter

void TestIdentificativiFinestre::invio_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("testo"); // the box of a check on an empty field

    for (int tasto : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        const char *nome = tasto == Qt::Key_Return ? "Invio" : "Invio tastierino";
        QTest::addRow("CF, %s", nome) << "TfrmCodFisc" << tasto << kCfLunghezza;
        QTest::addRow("IVA, %s", nome) << "TfrmPartitaIva" << tasto << kPivaLunghezza;
        QTest::addRow("carta, %s", nome) << "TfrmCarta" << tasto << kCartaVuota;
        QTest::addRow("IBAN, %s", nome) << "TfrmIban" << tasto << kIbanLunghezza;
    }
}

// Enter in the field only moves the focus to "Controlla"; a second Enter
// presses it.
void TestIdentificativiFinestre::invio()
{
    QFETCH(QString, classe);
    QFETCH(int, tasto);
    QFETCH(QString, testo);

    Finestra f(classe);
    QVERIFY(f.pronta());
    QCOMPARE(f.w->focusWidget(), f.campo);

    RispostaBox box;
    QTest::keyClick(f.campo, Qt::Key(tasto));
    QCOMPARE(f.w->focusWidget(), f.btnControlla);
    QVERIFY(box.visti().isEmpty());
    QVERIFY(f.campo->text().isEmpty());

    QTest::keyClick(f.btnControlla, Qt::Key(tasto));
    QCOMPARE(box.testi(), QStringList{testo});
    QVERIFY(f.w->isVisible());
    QCOMPARE(f.w->focusWidget(), f.campo);
}

QTEST_MAIN(TestIdentificativiFinestre)
#include "test_identificativi_finestre.moc"

// The identifier checks: codice fiscale, partita IVA, credit card, IBAN.
// Every valid identifier below was worked out by hand from the check rules;
// the comments show the sums for a few of them.
#include <QtTest>

#include "TestiControlli.h"
#include "identifiers/Controlli.h"

Q_DECLARE_METATYPE(Verdetto)
Q_DECLARE_METATYPE(TipoBox)

namespace {

// The parts every verdict shares: a length warning keeps the window open and
// sends the focus back to the field; a verdict closes the window.
void VerificaEsito(const Esito &e, Verdetto verdetto, TipoBox box, const QString &testo,
                   const QString &campo)
{
    QCOMPARE(e.verdetto, verdetto);
    QCOMPARE(e.box, box);
    QCOMPARE(e.testo, testo);
    if (verdetto == Verdetto::DaCompletare) {
        QVERIFY(!e.chiudi);
        QCOMPARE(e.campoFuoco, campo);
    } else {
        QVERIFY(e.chiudi);
        QVERIFY(e.campoFuoco.isEmpty());
    }
}

QString Messaggio(Verdetto v, const QString &valido, const QString &errato, const QString &lunghezza)
{
    switch (v) {
    case Verdetto::Valido: return valido;
    case Verdetto::Errato: return errato;
    case Verdetto::DaCompletare: return lunghezza;
    }
    return {};
}

TipoBox BoxPer(Verdetto v) { return v == Verdetto::Valido ? TipoBox::Informazione : TipoBox::Avviso; }

} // namespace

class TestIdentificativi : public QObject
{
    Q_OBJECT

private slots:
    void codiceFiscale_data();
    void codiceFiscale();
    void carattereControlloCodFisc_data();
    void carattereControlloCodFisc();

    void partitaIva_data();
    void partitaIva();
    void ufficiIva_data();
    void ufficiIva();

    void carta_data();
    void carta();

    void iban_data();
    void iban();

    void finestre();
    void normalizzaDigitazione_data();
    void normalizzaDigitazione();
    void tasti_data();
    void tasti();
    void codFiscComePartitaIva_data();
    void codFiscComePartitaIva();
};

// ------------------------------------------------------------ codice fiscale

void TestIdentificativi::codiceFiscale_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<Verdetto>("verdetto");

    // RSSMRA85T10A562: odd positions R S R 8 T 0 5 2 -> 8+12+8+19+14+1+13+5 = 80;
    // even positions S M A 5 1 A 6 -> 18+12+0+5+1+0+6 = 42; 122 mod 26 = 18 -> "S".
    QTest::newRow("valido") << "RSSMRA85T10A562S" << Verdetto::Valido;
    // BNCLRA90A41F205: odd B C R 9 A 1 2 5 -> 0+5+8+21+1+0+5+13 = 53;
    // even N L A 0 4 F 0 -> 13+11+0+0+4+5+0 = 33; 86 mod 26 = 8 -> "I".
    QTest::newRow("valido, donna") << "BNCLRA90A41F205I" << Verdetto::Valido;
    QTest::newRow("minuscolo") << "rssmra85t10a562s" << Verdetto::Valido;
    QTest::newRow("misto") << "RssMra85t10A562s" << Verdetto::Valido;
    QTest::newRow("ultimo carattere cambiato") << "RSSMRA85T10A562T" << Verdetto::Errato;
    QTest::newRow("una cifra cambiata") << "RSSMRA86T10A562S" << Verdetto::Errato;
    // Digits only: odd 1 3 5 7 9 1 3 5 -> 0+7+13+17+21+0+7+13 = 78;
    // even 2 4 6 8 0 2 4 -> 26; 104 mod 26 = 0 -> "A".
    QTest::newRow("prime 15 cifre") << "123456789012345A" << Verdetto::Valido;
    QTest::newRow("prime 15 cifre, errato") << "123456789012345B" << Verdetto::Errato;
    // Only the check character counts: fifteen zeros (eight at odd positions,
    // worth 1 each) give 8 -> "I".
    QTest::newRow("schema non esaminato") << "000000000000000I" << Verdetto::Valido;
    // The signs between "9" and "A" count 0: RSSMRA85T10A56 sums 122 - 5 (the
    // "2" at position 15) = 117, 117 mod 26 = 13 -> "N".
    QTest::newRow("due punti vale zero") << "RSSMRA85T10A56:N" << Verdetto::Valido;
    QTest::newRow("chiocciola vale zero") << "RSSMRA85T10A56@N" << Verdetto::Valido;
    // Characters the tables lack are refused rather than counted: as 0 they
    // would give "N" again.
    QTest::newRow("lettera accentata") << "RSSMRA85T10A56ÈN" << Verdetto::Errato;
    QTest::newRow("trattino") << "RSSMRA85T10A56-N" << Verdetto::Errato;
    QTest::newRow("controllo non lettera") << "RSSMRA85T10A5620" << Verdetto::Errato;
    QTest::newRow("15 caratteri") << "RSSMRA85T10A562" << Verdetto::DaCompletare;
    QTest::newRow("17 caratteri") << "RSSMRA85T10A562SX" << Verdetto::DaCompletare;
    QTest::newRow("vuoto") << "" << Verdetto::DaCompletare;
}

void TestIdentificativi::codiceFiscale()
{
    QFETCH(QString, testo);
    QFETCH(Verdetto, verdetto);
    const EsitoCodFisc e = ControllaCodiceFiscale(testo);
    VerificaEsito(e, verdetto, BoxPer(verdetto),
                  Messaggio(verdetto, kCfValido, kCfErrato, kCfLunghezza), QStringLiteral("txtCodFisc"));
}

void TestIdentificativi::carattereControlloCodFisc_data()
{
    QTest::addColumn<QString>("primi15");
    QTest::addColumn<QString>("atteso"); // empty: none

    QTest::newRow("RSSMRA85T10A562") << "RSSMRA85T10A562" << "S";
    // VRDGPP80E15H501: odd V D P 8 E 5 5 1 -> 10+7+3+19+9+13+13+0 = 74;
    // even R G P 0 1 H 0 -> 17+6+15+0+1+7+0 = 46; 120 mod 26 = 16 -> "Q".
    QTest::newRow("VRDGPP80E15H501") << "VRDGPP80E15H501" << "Q";
    QTest::newRow("14 caratteri") << "RSSMRA85T10A56" << "";
    QTest::newRow("minuscola non convertita") << "rSSMRA85T10A562" << "";
    QTest::newRow("spazio") << "RSSMRA85 10A562" << "";
}

void TestIdentificativi::carattereControlloCodFisc()
{
    QFETCH(QString, primi15);
    QFETCH(QString, atteso);
    const QChar c = CarattereControlloCodFisc(primi15);
    QCOMPARE(c.isNull() ? QString() : QString(c), atteso);
}

// ---------------------------------------------------------------- partita IVA

void TestIdentificativi::partitaIva_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<Verdetto>("verdetto");
    QTest::addColumn<QString>("ufficio");

    // 1234567058: odd positions 1 3 5 7 5 -> 21; even 2 4 6 0 8 doubled
    // 4 8 12 0 16 -> 4+8+3+0+7 = 22; 43 -> (10 - 3) mod 10 = 7.
    QTest::newRow("Roma 1") << "12345670587" << Verdetto::Valido << "Roma 1";
    // 2345678120: odd 2 4 6 8 2 -> 22; even 3 5 7 1 0 doubled 6 10 14 2 0
    // -> 6+1+5+2+0 = 14; 36 -> 4.
    QTest::newRow("Bologna 2 (120)") << "23456781204" << Verdetto::Valido << "Bologna 2";
    QTest::newRow("Bologna 2 (101)") << "98765431014" << Verdetto::Valido << "Bologna 2";
    QTest::newRow("Napoli 2 (121)") << "00000001214" << Verdetto::Valido << "Napoli 2";
    QTest::newRow("Torino (001)") << "00000010017" << Verdetto::Valido << "Torino";
    QTest::newRow("Forlì (040)") << "08012340405" << Verdetto::Valido << "Forlì";
    QTest::newRow("Monza (096)") << "11111110968" << Verdetto::Valido << "Monza (Milano 2)";
    // 2345678103: odd 2 4 6 8 0 -> 20; even 3 5 7 1 3 doubled 6 10 14 2 6
    // -> 6+1+5+2+6 = 20; 40 -> check digit 0. Office 103 is not in the table.
    QTest::newRow("ufficio 103") << "23456781030" << Verdetto::Valido << "";
    QTest::newRow("cifra di controllo cambiata") << "12345670588" << Verdetto::Errato << "";
    QTest::newRow("cifra interna cambiata") << "12345770587" << Verdetto::Errato << "";
    QTest::newRow("cifre scambiate") << "21345670587" << Verdetto::Errato << "";
    QTest::newRow("lettera, 11 caratteri") << "1234567058A" << Verdetto::Errato << "";
    QTest::newRow("spazio finale, 11 caratteri") << "1234567058 " << Verdetto::Errato << "";
    QTest::newRow("10 cifre") << "1234567058" << Verdetto::DaCompletare << "";
    QTest::newRow("12 cifre") << "123456705870" << Verdetto::DaCompletare << "";
    // Not trimmed: the blank makes it 12 characters.
    QTest::newRow("valido con spazio") << " 12345670587" << Verdetto::DaCompletare << "";
    QTest::newRow("vuoto") << "" << Verdetto::DaCompletare << "";
}

void TestIdentificativi::partitaIva()
{
    QFETCH(QString, testo);
    QFETCH(Verdetto, verdetto);
    QFETCH(QString, ufficio);
    const EsitoPartitaIva e = ControllaPartitaIva(testo);
    VerificaEsito(e, verdetto, BoxPer(verdetto),
                  Messaggio(verdetto, kPivaValido + ufficio + u'.', kPivaErrato, kPivaLunghezza),
                  QStringLiteral("txtPartitaIva"));
    QCOMPARE(e.ufficio, ufficio);
    QCOMPARE(e.codiceUfficio, verdetto == Verdetto::Valido ? testo.mid(7, 3) : QString());
    QCOMPARE(PartitaIvaCorretta(testo), verdetto == Verdetto::Valido);
}

void TestIdentificativi::ufficiIva_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QString>("ufficio");

    QTest::newRow("primo") << "001" << "Torino";
    QTest::newRow("accento") << "040" << "Forlì";
    QTest::newRow("058") << "058" << "Roma 1";
    QTest::newRow("parentesi") << "097" << "Prato (Firenze 2)";
    QTest::newRow("Genova 2") << "099" << "Chiavari (Genova 2)";
    QTest::newRow("ultimo della serie") << "102" << "Napoli 2";
    QTest::newRow("120") << "120" << "Bologna 2";
    QTest::newRow("121") << "121" << "Napoli 2";
    QTest::newRow("000") << "000" << "";
    QTest::newRow("103") << "103" << "";
    QTest::newRow("119") << "119" << "";
    QTest::newRow("122") << "122" << "";
    QTest::newRow("senza zeri") << "58" << "";
}

void TestIdentificativi::ufficiIva()
{
    QFETCH(QString, codice);
    QFETCH(QString, ufficio);
    QCOMPARE(UfficioIva(codice), ufficio);
}

// ------------------------------------------------------------------- credit card

void TestIdentificativi::carta_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("codice");   // Luhn evaluation
    QTest::addColumn<QString>("tipo"); // kind shown; empty: none

    // 4111111111111111: from the right, the digits left of the last are
    // doubled every other one starting with the first: seven 1s doubled (14),
    // the 4 doubled (8), seven 1s as they are (7); 29 -> (10 - 9) mod 10 = 1.
    QTest::newRow("Visa") << "4111111111111111" << 2 << "Visa";
    QTest::newRow("Visa, ultima cambiata") << "4111111111111112" << 0 << "";
    QTest::newRow("Visa, cifra interna cambiata") << "4111111121111111" << 0 << "";
    // 5555555555554444: the fifteen digits left of the last, from the right,
    // are 4 4 4 and twelve 5s; doubled (1st, 3rd, ...) 4 4 and six 5s -> 8+8+6 = 22
    // (10 - 9 = 1 for each doubled 5), as they are 4 and six 5s -> 34;
    // 56 -> (10 - 6) mod 10 = 4.
    QTest::newRow("MasterCard") << "5555555555554444" << 3 << "MasterCard";
    QTest::newRow("Discover") << "6011111111111117" << 4 << "Discover";
    // 378282246310005: the digits left of the last, from the right, are
    // 0 0 0 1 3 6 4 2 2 8 2 8 7 3; doubled 0 0 3 4 2 2 7 -> 0+0+6+8+4+4+5 = 27,
    // as they are 0 1 6 2 8 8 3 -> 28; 55 -> 5.
    QTest::newRow("American Express 37") << "378282246310005" << 1 << "American Express";
    QTest::newRow("American Express 34") << "3400000000000000" << 1 << "American Express";
    QTest::newRow("Diner's Club 30") << "30569309025904" << 1 << "Diner's Club / Carte Blanche";
    QTest::newRow("Diner's Club 36") << "3600000000000008" << 1 << "Diner's Club / Carte Blanche";
    QTest::newRow("JCB 35") << "3500000000000009" << 1 << "JCB";
    // Begins with 32 and passes: a known kind code with no name, no box.
    QTest::newRow("32 senza messaggio") << "3200000000000002" << 1 << "";
    // The beginning is read from the text, not from the digits.
    QTest::newRow("3 con trattino") << "3-400000000000000" << 1 << "";
    // 2221000000000009 passes the check, but 2 gives the code 0.
    QTest::newRow("inizia con 2") << "2221000000000009" << 0 << "";
    QTest::newRow("inizia con 7") << "7012345678901232" << 5 << "";
    QTest::newRow("inizia con 1") << "1234567890123452" << -1 << "";
    QTest::newRow("solo zero") << "0" << -2 << "";
    // No length rule: "4" doubled is 8, so 2 is its check digit.
    QTest::newRow("due cifre") << "42" << 2 << "Visa";
    QTest::newRow("una cifra") << "4" << 0 << "";
    QTest::newRow("nessuna cifra") << "ABCD" << 0 << "";
    QTest::newRow("gruppi con spazi") << "4111 1111 1111 1111" << 2 << "Visa";
    QTest::newRow("gruppi con trattini") << "5555-5555-5555-4444" << 3 << "MasterCard";
    QTest::newRow("spazi attorno") << "  4111111111111111  " << 2 << "Visa";
    // The 21st character is beyond the evaluation: the final 9 is ignored.
    QTest::newRow("cifra oltre il ventesimo") << "4111 1111 1111 1111 9" << 2 << "Visa";
    // 40000000000000000002 passes on its 20 digits; in groups its last digits
    // fall beyond the 20th character and 4000000000000000 does not pass.
    QTest::newRow("20 cifre") << "40000000000000000002" << 2 << "Visa";
    QTest::newRow("20 cifre in gruppi") << "4000 0000 0000 0000 0002" << 0 << "";
    QTest::newRow("vuoto") << "" << 0 << "";
    QTest::newRow("solo spazi") << "   " << 0 << "";
}

void TestIdentificativi::carta()
{
    QFETCH(QString, testo);
    QFETCH(int, codice);
    QFETCH(QString, tipo);
    const EsitoCarta e = ControllaCarta(testo);
    const QString pulito = testo.trimmed();
    QCOMPARE(CodiceTipoCarta(testo), codice);
    if (pulito.isEmpty()) {
        VerificaEsito(e, Verdetto::DaCompletare, TipoBox::Avviso, kCartaVuota, QStringLiteral("txtNumero"));
        return;
    }
    QCOMPARE(e.codiceTipo, codice);
    QCOMPARE(e.tipo, tipo);
    if (codice < 1 || codice > 4)
        VerificaEsito(e, Verdetto::Errato, TipoBox::Avviso, kCartaErrata, QString());
    else if (tipo.isEmpty())
        VerificaEsito(e, Verdetto::Valido, TipoBox::Nessuno, QString(), QString());
    else
        VerificaEsito(e, Verdetto::Valido, TipoBox::Informazione, CartaValida(pulito, tipo), QString());
}

// -------------------------------------------------------------------------- IBAN

void TestIdentificativi::iban_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<Verdetto>("verdetto");

    // IT60X0542811101000000123456 rearranged: X0542811101000000123456IT60,
    // letters X = 33, I = 18, T = 29: 330542811101000000123456182960.
    // Pieces: 330542811 mod 97 = 82; 821010000 mod 97 = 60;
    // 600012345 mod 97 = 27; 276182960 mod 97 = 1.
    QTest::newRow("italiano") << "IT60X0542811101000000123456" << Verdetto::Valido;
    QTest::newRow("minuscolo") << "it60x0542811101000000123456" << Verdetto::Valido;
    QTest::newRow("spazi attorno") << "  IT60X0542811101000000123456 " << Verdetto::Valido;
    QTest::newRow("ultima cifra cambiata") << "IT60X0542811101000000123457" << Verdetto::Errato;
    QTest::newRow("cifre di controllo cambiate") << "IT61X0542811101000000123456" << Verdetto::Errato;
    QTest::newRow("CIN cambiato") << "IT60Y0542811101000000123456" << Verdetto::Errato;
    // Grouped by four it is 33 characters long.
    QTest::newRow("gruppi con spazi") << "IT60 X054 2811 1010 0000 0123 456" << Verdetto::DaCompletare;
    // The country is not examined: a French IBAN is 27 characters long too.
    QTest::newRow("francese di 27") << "FR1420041010050500013M02606" << Verdetto::Valido;
    QTest::newRow("tedesco di 22") << "DE89370400440532013000" << Verdetto::DaCompletare;
    // Blanks count towards the 27 and are then dropped by the test.
    QTest::newRow("tedesco in gruppi, 27") << "DE89 3704 0044 0532 0130 00" << Verdetto::Valido;
    // The first "IBAN" is deleted before the test.
    QTest::newRow("con la parola IBAN") << "IBAN DE89370400440532013000" << Verdetto::Valido;
    QTest::newRow("con la parola iban") << "iban DE89370400440532013000" << Verdetto::Valido;
    QTest::newRow("lettera accentata") << "IT60X054281110100000012345È" << Verdetto::Errato;
    QTest::newRow("accentata al posto di una lettera") << "IT60È0542811101000000123456" << Verdetto::Errato;
    QTest::newRow("trattino") << "IT60X0542811101000000-23456" << Verdetto::Errato;
    // Without the sign the rest would be a valid IBAN: the sign is not skipped.
    QTest::newRow("accentata al posto di uno spazio") << "DE89È3704 0044 0532 0130 00" << Verdetto::Errato;
    QTest::newRow("gruppi con trattini") << "DE89-3704-0044-0532-0130-00" << Verdetto::Errato;
    // After removing the blanks and "IBAN" nothing is left.
    QTest::newRow("resta vuoto") << "I                       BAN" << Verdetto::Errato;
    QTest::newRow("26 caratteri") << "IT60X054281110100000012345" << Verdetto::DaCompletare;
    QTest::newRow("28 caratteri") << "IT60X05428111010000001234560" << Verdetto::DaCompletare;
    QTest::newRow("vuoto") << "" << Verdetto::DaCompletare;
}

void TestIdentificativi::iban()
{
    QFETCH(QString, testo);
    QFETCH(Verdetto, verdetto);
    const EsitoIban e = ControllaIban(testo);
    VerificaEsito(e, verdetto, BoxPer(verdetto),
                  Messaggio(verdetto, kIbanValido, kIbanErrato, kIbanLunghezza), QStringLiteral("txtIban"));
    if (verdetto == Verdetto::Valido) QCOMPARE(e.resto, 1);
    if (verdetto == Verdetto::Errato) QVERIFY(e.resto != 1);
}

// ------------------------------------------------------------- the check windows

void TestIdentificativi::finestre()
{
    struct Atteso {
        const FinestraControllo &f;
        const char *classe, *titolo, *etichetta, *campo;
        int lunghezza;
        bool normalizza, soloCifre;
    };
    const Atteso attesi[] = {
        {FinestraCodFisc(), "TfrmCodFisc", " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc", 16, true, false},
        {FinestraPartitaIva(), "TfrmPartitaIva", " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", "txtPartitaIva", 11,
         false, true},
        {FinestraCarta(), "TfrmCarta", " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.", "txtNumero", 30,
         true, true},
        {FinestraIban(), "TfrmIban", " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban", 27, true, false},
    };
    for (const Atteso &a : attesi) {
        QCOMPARE(a.f.classe, QString::fromUtf8(a.classe));
        QCOMPARE(a.f.titolo, QString::fromUtf8(a.titolo));
        QCOMPARE(a.f.etichetta, QString::fromUtf8(a.etichetta));
        QCOMPARE(a.f.campo, QString::fromUtf8(a.campo));
        QCOMPARE(a.f.lunghezzaMassima, a.lunghezza);
        QCOMPARE(a.f.normalizza, a.normalizza);
        QCOMPARE(a.f.soloCifre, a.soloCifre);
        QCOMPARE(a.f.pulsanteControlla, QStringLiteral("Controlla"));
        QCOMPARE(a.f.pulsanteChiudi, QStringLiteral("Chiudi"));
    }
}

void TestIdentificativi::normalizzaDigitazione_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("minuscole") << "rssmra85t10a562s" << "RSSMRA85T10A562S";
    QTest::newRow("spazi attorno") << "  it60 x054 " << "IT60 X054";
    QTest::newRow("accentate invariate") << "àèìòù éç" << "àèìòù éç";
    QTest::newRow("tabulazione") << "\tabc\n" << "ABC";
    QTest::newRow("vuoto") << "" << "";
}

void TestIdentificativi::normalizzaDigitazione()
{
    QFETCH(QString, testo);
    QFETCH(QString, atteso);
    QCOMPARE(NormalizzaDigitazione(testo), atteso);
}

void TestIdentificativi::tasti_data()
{
    QTest::addColumn<bool>("soloCifre");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("azione");

    const int avanza = int(AzioneTasto::Avanza), passa = int(AzioneTasto::Passa),
              scarta = int(AzioneTasto::Scarta);
    for (bool cifre : {false, true}) {
        const QByteArray p = cifre ? "cifre: " : "libero: ";
        QTest::newRow(p + "Invio") << cifre << int(Qt::Key_Return) << "\r" << avanza;
        QTest::newRow(p + "Invio tastierino") << cifre << int(Qt::Key_Enter) << "\r" << avanza;
        QTest::newRow(p + "cifra") << cifre << int(Qt::Key_7) << "7" << passa;
        QTest::newRow(p + "Backspace") << cifre << int(Qt::Key_Backspace) << "\b" << passa;
        QTest::newRow(p + "Canc") << cifre << int(Qt::Key_Delete) << "" << passa;
        QTest::newRow(p + "sinistra") << cifre << int(Qt::Key_Left) << "" << passa;
        QTest::newRow(p + "destra") << cifre << int(Qt::Key_Right) << "" << passa;
        QTest::newRow(p + "lettera") << cifre << int(Qt::Key_A) << "a" << (cifre ? scarta : passa);
        QTest::newRow(p + "spazio") << cifre << int(Qt::Key_Space) << " " << (cifre ? scarta : passa);
        QTest::newRow(p + "Home") << cifre << int(Qt::Key_Home) << "" << (cifre ? scarta : passa);
        QTest::newRow(p + "trattino") << cifre << int(Qt::Key_Minus) << "-" << (cifre ? scarta : passa);
    }
}

void TestIdentificativi::tasti()
{
    QFETCH(bool, soloCifre);
    QFETCH(int, tasto);
    QFETCH(QString, testo);
    QFETCH(int, azione);
    QCOMPARE(int(AzionePerTasto(soloCifre, tasto, testo)), azione);
}

void TestIdentificativi::codFiscComePartitaIva_data()
{
    QTest::addColumn<QString>("codFisc");
    QTest::addColumn<bool>("partitaIva");
    QTest::newRow("undici cifre") << "12345670587" << true;
    QTest::newRow("cifre con spazi attorno") << "  12345670587 " << true;
    QTest::newRow("poche cifre") << "123" << true;
    QTest::newRow("codice con lettere") << "RSSMRA85T10A562S" << false;
    QTest::newRow("cifre e spazio interno") << "123 456" << false;
    QTest::newRow("vuoto") << "" << false;
    QTest::newRow("solo spazi") << "   " << false;
}

void TestIdentificativi::codFiscComePartitaIva()
{
    QFETCH(QString, codFisc);
    QFETCH(bool, partitaIva);
    QCOMPARE(CodFiscDaControllareComePartitaIva(codFisc), partitaIva);
}

QTEST_GUILESS_MAIN(TestIdentificativi)
#include "test_identificativi.moc"

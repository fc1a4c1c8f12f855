#pragma once
// The four identifier checks of the client card: codice fiscale, partita IVA,
// credit card number and IBAN. Plain functions without widgets: each returns
// what its check window shows (the box kind, its text, where the focus goes and
// whether the window closes), so the windows only display the result.
#include <QChar>
#include <QString>
#include <QStringView>

// The message box a check asks for.
enum class TipoBox {
    Nessuno,      // no box at all
    Avviso,       // warning (Msg::Avviso)
    Informazione, // information (Msg::Informazione)
};

enum class Verdetto {
    DaCompletare, // the text cannot be checked (wrong length, empty): the window stays open
    Valido,
    Errato,
};

// What a press of "Controlla" leads to.
struct Esito {
    Verdetto verdetto = Verdetto::DaCompletare;
    TipoBox box = TipoBox::Nessuno;
    QString testo;       // text of the box, exactly as shown
    QString campoFuoco;  // objectName of the control that gets the focus after the box; empty: none
    bool chiudi = false; // the window closes after the box
};

// ---------------------------------------------------------------- codice fiscale

struct EsitoCodFisc : Esito {
    // Check character computed from characters 1 to 15; a null QChar when the
    // text is not 16 characters long or holds a character the tables lack.
    QChar carattereAtteso;
};

// Check character of a codice fiscale from its first 15 characters (already
// upper-cased): odd positions through the odd-position table, even positions
// counting digits 0-9 and letters 0-25, the signs between "9" and "A" counting 0,
// sum modulo 26 as a letter. A null QChar when primi15 is not 15 characters long
// or holds a character outside "0".."Z".
QChar CarattereControlloCodFisc(QStringView primi15);

// btnControllaClick of TfrmCodFisc on the text of its txtCodFisc.
EsitoCodFisc ControllaCodiceFiscale(const QString &testo);

// ------------------------------------------------------------------- partita IVA

struct EsitoPartitaIva : Esito {
    QString codiceUfficio; // characters 8 to 10 of a valid number, otherwise empty
    QString ufficio;       // office name of a valid number (empty when its code is not in the table)
};

// Name of the provincial VAT office for a three-digit code ("058" -> "Roma 1");
// empty for a code not in the table.
QString UfficioIva(QStringView codice);
// True when p is 11 decimal digits whose last is the right check digit.
bool PartitaIvaCorretta(QStringView p);

// btnControllaClick of TfrmPartitaIva on the text of its txtPartitaIva.
EsitoPartitaIva ControllaPartitaIva(const QString &testo);

// ------------------------------------------------------------------- credit card

struct EsitoCarta : Esito {
    int codiceTipo = 0; // Luhn evaluation: 0 wrong, 1 to 4 the first digit 3 to 6, other values wrong
    QString tipo;       // card kind shown ("Visa", ...); empty when none
};

// Luhn evaluation: the decimal digits among the first 20 characters of the
// text; 0 when there are none or the last one is not the Luhn check digit of
// the others, otherwise the first of them minus 2 (so it can be negative or
// above 4 for the first digits 0, 1, 7, 8, 9).
int CodiceTipoCarta(QStringView testo);
// Card kind for a code 1 to 4; for code 1 the first two characters of the
// trimmed text decide. Empty when the code or the beginning matches no kind.
QString NomeTipoCarta(int codiceTipo, QStringView testo);

// btnControllaClick of TfrmCarta on the text of its txtNumero.
EsitoCarta ControllaCarta(const QString &testo);

// -------------------------------------------------------------------------- IBAN

struct EsitoIban : Esito {
    int resto = 0; // remainder modulo 97 of the rearranged number (0 when it cannot be read)
};

// Remainder modulo 97 of an IBAN: blanks removed, upper-cased, the first "IBAN"
// deleted, the first four characters moved to the end, letters as 10 to 35,
// reduced nine digits at a time. 0 when anything other than digits and letters
// A-Z is left, or nothing is left at all.
int RestoIban(QStringView testo);

// btnControllaClick of TfrmIban on the text of its txtIban.
EsitoIban ControllaIban(const QString &testo);

// ------------------------------------------------------------- the check windows

// Fixed texts and input rules of one check window.
struct FinestraControllo {
    QString classe;          // window class, "TfrmCodFisc"
    QString titolo;          // window caption
    QString etichetta;       // text of lblTitolo
    QString campo;           // objectName of the input field
    int lunghezzaMassima;    // most characters the user may type
    bool normalizza;         // after every change the text becomes NormalizzaDigitazione(text)
    bool soloCifre;          // keys other than digits, Backspace, Delete, Left, Right are swallowed
    QString pulsanteControlla; // btnControlla
    QString pulsanteChiudi;    // btnChiudi
};

const FinestraControllo &FinestraCodFisc();
const FinestraControllo &FinestraPartitaIva();
const FinestraControllo &FinestraCarta();
const FinestraControllo &FinestraIban();

// The typing rule of the fields that normalise: trimmed and upper-cased (a-z only).
QString NormalizzaDigitazione(const QString &testo);

// What a key pressed in a check window's field does.
enum class AzioneTasto {
    Avanza, // Enter: the focus moves to btnControlla
    Passa,  // the field handles the key as usual
    Scarta, // swallowed
};
// tasto: a Qt::Key value; testo: the text the key produces. Enter (Return or
// the keypad Enter) always moves on; with soloCifre only Backspace, Delete,
// Left, Right and the characters "0" to "9" pass.
AzioneTasto AzionePerTasto(bool soloCifre, int tasto, QStringView testo);

// btnCodFisc of the client card: a tax code field that, trimmed, is made only
// of digits is a company's VAT number and goes to the partita IVA check.
bool CodFiscDaControllareComePartitaIva(const QString &codFisc);

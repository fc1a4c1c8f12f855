#pragma once
// The fields of a card window in one table. Each row names a control, the
// record field it shows, how its text is ruled while it is typed and whether
// it is a link of the Enter chain; the size of each field comes from the
// record layout. From the table TCampiScheda creates the controls, shows a
// record in them, composes a record from them, gives their texts for
// printing, empties them, chains them for Enter and Tab, and saves and browses
// the card through GestoreScheda. The card's position is kept as a number and
// shown in lblPosizione.
#include "ui/GestoreScheda.h"
#include "storage/Record.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <span>
#include <variant>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// How a field's text changes while it is typed; rules may be combined.
namespace Regola {
enum : unsigned {
    Libera = 0,
    Maiuscole = 1u << 0,        // letters a-z upper-cased on every keystroke
    SenzaSpazi = 1u << 1,       // trimmed on every keystroke
    AncheInUscita = 1u << 2,    // the two rules above again when the field is left
    MaiuscoleAlRilascio = 1u << 3, // upper-cased when each key is released
    // The restricted fields of ui/CampoRistretto.h (line edits only):
    Cifre = 1u << 4,            // digits; keys that type no character pass
    SoloCifre = 1u << 5,        // digits; every other key is swallowed
    Importo = 1u << 6,          // the amount field
    // Combo edits: a value is only chosen from the list. Enter moves on,
    // Backspace and Delete empty the text, Left and Right pass, every other
    // key (Tab, Up and Down included) is discarded; on leaving, a trimmed
    // text that is not exactly one of the items is emptied.
    SoloElenco = 1u << 7,
    SenzaLimite = 1u << 8,      // no maximum length while typing (cut on saving)
};
} // namespace Regola

// The control that shows a field; the kind follows from the member it fills.
//   QLineEdit  an edit field (a TCampoRistretto or TCampoImporto by its rule)
//   QComboBox  an editable combo edit: its list only offers choices, its
//              selected item is reset when it is about to take the focus
//   QCheckBox  a flag, "Sì" checked, "No" unchecked
//   QLabel     a hidden label carrying a field the card does not show
using ControlloCampo = std::variant<QLineEdit **, QComboBox **, QCheckBox **, QLabel **>;

struct CampoScheda {
    ControlloCampo controllo; // the window's member, set when the control is created
    const char *nome;         // object name: "txtCliente"
    int campo;                // the record field (index in the layout)
    unsigned regola = Regola::Libera;
    bool invio = true;        // a link of the Enter chain (edit fields and combos)
};

// Field sizes and offsets of a record layout (storage/Record.h).
struct FormatoRecord {
    std::span<const int> n;      // N of each field
    std::span<const int> offset; // offset of each field's length byte
    int dimensione = 0;          // record size
    QString nomeFile;            // the card file in the program folder
};
template <class Layout> FormatoRecord FormatoDi()
{
    using R = TRecord<Layout>;
    return {std::span<const int>(Layout::N), std::span<const int>(R::Offset), R::Dimensione,
            QString::fromLatin1(Layout::NomeFile)};
}

class TCampiScheda : public QObject
{
    Q_OBJECT
public:
    struct Config {
        QWidget *finestra = nullptr;     // parent of the controls and of the message boxes
        FormatoRecord formato;
        std::vector<CampoScheda> campi;  // in Enter and Tab order
        QString msgInserita;             // as in GestoreScheda (empty: the usual texts)
        QString msgModificata;
    };

    // Creates every control of the table as a child of the window, sets the
    // window's members, the object names and the maximum lengths (the field
    // sizes) and wires the typing rules.
    explicit TCampiScheda(Config c);
    ~TCampiScheda() override;

    // The choices a combo edit of the table offers; none is selected.
    static void ImpostaScelte(QComboBox *combo, const QStringList &scelte);

    // The label that shows the position (empty for a new card), placed by
    // the window.
    void ImpostaEtichettaPosizione(QLabel *lblPosizione);
    // Once the controls sit in their layout: the Tab order of the table and
    // the focus highlights "eff" + the name without its prefix.
    void CollegaCatena();

    // Record -> controls (each field trimmed; a flag by the flag rule: any
    // text but "Sì" and "No" leaves the box as it was). The position is not
    // changed.
    void Mostra(const char *record) const;
    // Controls -> record: every field trimmed and cut to its size, a flag
    // "Sì" or "No". Bytes of fields not in the table are left as they were.
    void Componi(char *record) const;
    // The texts of the controls as they are on screen, indexed by record
    // field ("Sì" or "No" for a flag; empty for fields not in the table).
    std::vector<QString> Testi() const;
    // Empties every control of the table (combos with no item selected,
    // boxes unchecked) and makes the card new.
    void Svuota();

    // The position of the card on screen; 0 for a new card.
    qint64 Posizione() const;
    void ImpostaPosizione(qint64 posizione);

    // Saving and browsing (ui/GestoreScheda.h) with the position above.
    void Sfoglia(Freccia f);
    bool Salva();
    bool Raggiungibile();

    const std::vector<CampoScheda> &Campi() const { return c_.campi; }
    // The control of a row.
    QWidget *Controllo(const CampoScheda &r) const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Crea(const CampoScheda &r);
    QWidget *Successivo(QWidget *w) const;

    Config c_;
    QLabel *lblPosizione_ = nullptr;
    // The position, and the text last written to lblPosizione (both follow a
    // text another window writes into the label).
    mutable qint64 posizione_ = 0;
    mutable QString mostrata_;
    std::unique_ptr<GestoreScheda> gestore_;
};

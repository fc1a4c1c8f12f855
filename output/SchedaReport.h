#pragma once
// A single card on paper: a template of the program (output/ModelliReport.h)
// whose named memos are filled from the card's field texts, then shown in the
// modal preview, printed, or saved as a PDF in the program folder. The client
// card ("repScheda"), the call card and the appointment card each give their
// template name and how their fields map to the memos.
#include <QDateTime>
#include <QString>
#include <QVector>
#include <memory>
#include <span>
#include <vector>

class QWidget;
class TReport;

// How one memo is filled: `prima` + the first field + `unione` + the second
// field + `unione` + the third..., each field trimmed; with no field, `prima`
// alone (a fixed text, such as a row label).
struct VoceScheda {
    const char *memo;
    const char *prima = "";
    std::vector<int> campi = {}; // record fields, indexes into the card's texts
    const char *unione = "";
};

// One memo and its text.
struct TestoMemo {
    QString memo;
    QString testo;
};

// The memos of a card in the order they are filled, from the card's field
// texts (indexed by record field), and the footer memo `memoCalce` (when
// not empty) with the moment of output.
QVector<TestoMemo> TestiMemo(const std::vector<VoceScheda> &voci, std::span<const QString> testi,
                             const QString &memoCalce, const QDateTime &quando);
// The text of one memo.
QString TestoVoce(const VoceScheda &voce, std::span<const QString> testi);
// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString CalceStampa(const QDateTime &quando);

// Sets page 1 to portrait and each memo found by its name to its text, in order.
void CompilaModulo(TReport &modulo, const QVector<TestoMemo> &memo);

// The three outputs of a card on the template `modello`, already filled.
// The preview is modal and returns when it is closed.
void AnteprimaModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo);
// False when nothing was printed.
bool StampaModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo);

// The PDF of a card: CartellaProgramma() + `file`, written without a dialog
// and overwritten without asking, with `titolo` as its title and subject;
// then the question whether to open it, and any answer but No opens it.
// A file that cannot be written ends the action with no message (false).
bool PdfModulo(QWidget *owner, const QString &modello, const QVector<TestoMemo> &memo, const QString &file,
               const QString &titolo);


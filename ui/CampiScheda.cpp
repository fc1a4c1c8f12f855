#include "ui/CampiScheda.h"

#include "ui/CampoRistretto.h"
#include "ui/Kit.h"
#include "storage/ShortText.h"
#include "storage/Testo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

template <class... F> struct Visita : F... {
    using F::operator()...;
};
template <class... F> Visita(F...) -> Visita<F...>;

// The text a keystroke rule makes of `t`.
QString Applica(unsigned regola, const QString &t)
{
    QString r = t;
    if (regola & Regola::Maiuscole) r = MaiuscoleAZ(r);
    if (regola & Regola::SenzaSpazi) r = Trim(r);
    return r;
}

bool RegolaSuTasto(unsigned regola)
{
    return regola & (Regola::Maiuscole | Regola::SenzaSpazi);
}

// Replaces the text keeping the cursor where the user typed.
void CambiaTesto(QLineEdit *e, const QString &nuovo)
{
    if (e->text() == nuovo) return;
    const int cursore = e->cursorPosition() - (e->text().size() - nuovo.size());
    e->setText(nuovo);
    e->setCursorPosition(qMax(0, cursore));
}

QLineEdit *NuovoCampo(unsigned regola, QWidget *parent)
{
    using R = TCampoRistretto;
    if (regola & Regola::Importo) return new TCampoImporto(parent);
    if (regola & Regola::SoloCifre) return new R(R::Caratteri::Cifre, R::Tasti::Severi, parent);
    if (regola & Regola::Cifre) return new R(R::Caratteri::Cifre, R::Tasti::Tolleranti, parent);
    return new QLineEdit(parent);
}

} // namespace

TCampiScheda::TCampiScheda(Config c) : QObject(c.finestra), c_(std::move(c))
{
    for (const CampoScheda &r : c_.campi) Crea(r);
    gestore_ = std::make_unique<GestoreScheda>(GestoreScheda::Config{
        c_.formato.nomeFile, c_.formato.dimensione, c_.finestra, nullptr,
        [this](const char *record) { Mostra(record); },
        [this](char *record) { Componi(record); },
        c_.msgInserita, c_.msgModificata});
    gestore_->UsaPosizione([this] { return Posizione(); }, [this](qint64 p) { ImpostaPosizione(p); });
}

TCampiScheda::~TCampiScheda() = default;

void TCampiScheda::Crea(const CampoScheda &r)
{
    QWidget *const finestra = c_.finestra;
    const int n = c_.formato.n[size_t(r.campo)];
    const QString nome = QString::fromLatin1(r.nome);
    std::visit(Visita{
                   [&](QLineEdit **m) {
                       QLineEdit *e = NuovoCampo(r.regola, finestra);
                       e->setObjectName(nome);
                       if (!(r.regola & Regola::SenzaLimite)) e->setMaxLength(n);
                       e->installEventFilter(this);
                       if (RegolaSuTasto(r.regola))
                           connect(e, &QLineEdit::textEdited, e,
                                   [e, regola = r.regola](const QString &t) { CambiaTesto(e, Applica(regola, t)); });
                       if (r.regola & Regola::AncheInUscita)
                           connect(e, &QLineEdit::editingFinished, e,
                                   [e, regola = r.regola] { CambiaTesto(e, Applica(regola, e->text())); });
                       *m = e;
                   },
                   [&](QComboBox **m) {
                       auto *c = new QComboBox(finestra);
                       c->setObjectName(nome);
                       c->setEditable(true);
                       c->setInsertPolicy(QComboBox::NoInsert);
                       c->setCompleter(nullptr); // the list only offers choices; typing is never completed
                       c->lineEdit()->setMaxLength(n);
                       c->setCurrentIndex(-1);
                       c->installEventFilter(this);
                       c->lineEdit()->installEventFilter(this);
                       if (r.regola & Regola::SoloElenco) c->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu); // no paste
                       if (RegolaSuTasto(r.regola))
                           connect(c->lineEdit(), &QLineEdit::textEdited, c, [c, regola = r.regola](const QString &t) {
                               CambiaTesto(c->lineEdit(), Applica(regola, t));
                           });
                       *m = c;
                   },
                   [&](QCheckBox **m) {
                       auto *b = new QCheckBox(finestra);
                       b->setObjectName(nome);
                       *m = b;
                   },
                   [&](QLabel **m) {
                       auto *l = new QLabel(finestra);
                       l->setObjectName(nome);
                       l->hide();
                       *m = l;
                   },
               },
               r.controllo);
}

QWidget *TCampiScheda::Controllo(const CampoScheda &r) const
{
    return std::visit([](auto **m) -> QWidget * { return *m; }, r.controllo);
}

void TCampiScheda::ImpostaScelte(QComboBox *combo, const QStringList &scelte)
{
    combo->clear();
    combo->addItems(scelte);
    combo->setCurrentIndex(-1);
}

void TCampiScheda::ImpostaEtichettaPosizione(QLabel *lblPosizione)
{
    lblPosizione_ = lblPosizione;
    ImpostaPosizione(posizione_);
}

void TCampiScheda::CollegaCatena()
{
    QWidget *prima = nullptr;
    for (const CampoScheda &r : c_.campi) {
        if (std::holds_alternative<QLabel **>(r.controllo)) continue;
        QWidget *w = Controllo(r);
        if (prima) QWidget::setTabOrder(prima, w);
        prima = w;
        if (!std::holds_alternative<QCheckBox **>(r.controllo))
            Stile::EvidenziaFocus(w, QStringLiteral("eff") + w->objectName().mid(3));
    }
}

void TCampiScheda::Mostra(const char *record) const
{
    for (const CampoScheda &r : c_.campi) {
        const size_t f = size_t(r.campo);
        const QString testo = ShortText::Read(record + c_.formato.offset[f], c_.formato.n[f]);
        std::visit(Visita{
                       [&](QLineEdit **m) { (*m)->setText(testo); },
                       [&](QComboBox **m) { (*m)->setEditText(testo); },
                       [&](QCheckBox **m) {
                           if (testo == kSi) (*m)->setChecked(true);
                           else if (testo == kNo) (*m)->setChecked(false);
                       },
                       [&](QLabel **m) { (*m)->setText(testo); },
                   },
                   r.controllo);
    }
}

std::vector<QString> TCampiScheda::Testi() const
{
    std::vector<QString> t(c_.formato.n.size());
    for (const CampoScheda &r : c_.campi) {
        t[size_t(r.campo)] = std::visit(Visita{
                                            [](QLineEdit **m) { return (*m)->text(); },
                                            [](QComboBox **m) { return (*m)->currentText(); },
                                            [](QCheckBox **m) { return (*m)->isChecked() ? kSi : kNo; },
                                            [](QLabel **m) { return (*m)->text(); },
                                        },
                                        r.controllo);
    }
    return t;
}

void TCampiScheda::Componi(char *record) const
{
    const std::vector<QString> t = Testi();
    for (const CampoScheda &r : c_.campi) {
        const size_t f = size_t(r.campo);
        ShortText::Write(record + c_.formato.offset[f], c_.formato.n[f], t[f]);
    }
}

void TCampiScheda::Svuota()
{
    for (const CampoScheda &r : c_.campi) {
        std::visit(Visita{
                       [](QLineEdit **m) { (*m)->clear(); },
                       [](QComboBox **m) {
                           (*m)->setCurrentIndex(-1);
                           (*m)->setEditText(QString());
                       },
                       [](QCheckBox **m) { (*m)->setChecked(false); },
                       [](QLabel **m) { (*m)->clear(); },
                   },
                   r.controllo);
    }
    ImpostaPosizione(0);
}

qint64 TCampiScheda::Posizione() const
{
    // Another window may have written the label itself: what it wrote is the
    // position from then on.
    if (lblPosizione_ && lblPosizione_->text() != mostrata_) {
        bool ok = false;
        const qint64 p = Trim(lblPosizione_->text()).toLongLong(&ok);
        posizione_ = ok && p > 0 ? p : 0;
        mostrata_ = lblPosizione_->text();
    }
    return posizione_;
}

void TCampiScheda::ImpostaPosizione(qint64 posizione)
{
    posizione_ = posizione > 0 ? posizione : 0;
    mostrata_ = posizione_ > 0 ? QString::number(posizione_) : QString();
    if (lblPosizione_) lblPosizione_->setText(mostrata_);
}

void TCampiScheda::Sfoglia(Freccia f) { gestore_->Sfoglia(f); }
bool TCampiScheda::Salva() { return gestore_->Salva(); }
bool TCampiScheda::Raggiungibile() { return gestore_->Raggiungibile(); }

QWidget *TCampiScheda::Successivo(QWidget *w) const
{
    std::vector<QWidget *> catena;
    for (const CampoScheda &r : c_.campi)
        if (r.invio && (std::holds_alternative<QLineEdit **>(r.controllo) ||
                        std::holds_alternative<QComboBox **>(r.controllo)))
            catena.push_back(Controllo(r));
    for (size_t i = 0; i < catena.size(); ++i)
        if (catena[i] == w) return catena[(i + 1) % catena.size()];
    return nullptr;
}

bool TCampiScheda::eventFilter(QObject *o, QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        break;
    default:
        return false;
    }
    auto *w = qobject_cast<QWidget *>(o);
    if (!w) return false;
    // A combo edit's keys and focus reach its line edit.
    auto *combo = qobject_cast<QComboBox *>(w);
    if (!combo) combo = qobject_cast<QComboBox *>(w->parentWidget());
    QWidget *campo = combo ? combo : w;
    const CampoScheda *riga = nullptr;
    for (const CampoScheda &r : c_.campi)
        if (Controllo(r) == campo) riga = &r;
    if (!riga) return false;

    switch (e->type()) {
    case QEvent::KeyPress: {
        const int tasto = static_cast<QKeyEvent *>(e)->key();
        if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) && riga->invio) {
            if (QWidget *prossimo = Successivo(campo)) prossimo->setFocus();
            return true;
        }
        if (combo && (riga->regola & Regola::SoloElenco)) {
            switch (tasto) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
                combo->setCurrentIndex(-1);
                combo->setEditText(QString());
                return true;
            case Qt::Key_Left:
            case Qt::Key_Right:
                return false;
            default:
                return true; // typing never changes the value
            }
        }
        break;
    }
    case QEvent::KeyRelease:
        if ((riga->regola & Regola::MaiuscoleAlRilascio) && !combo) {
            auto *l = static_cast<QLineEdit *>(campo);
            CambiaTesto(l, MaiuscoleAZ(l->text()));
        }
        break;
    case QEvent::FocusIn:
        if (combo && o == combo) {
            // About to receive the focus: no list item selected, the text stays.
            const QString t = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(t);
        }
        break;
    case QEvent::FocusOut:
        if (combo && (riga->regola & Regola::AncheInUscita))
            combo->setEditText(Applica(riga->regola, combo->currentText()));
        if (combo && (riga->regola & Regola::SoloElenco)
            && static_cast<QFocusEvent *>(e)->reason() != Qt::PopupFocusReason
            && combo->findText(Trim(combo->currentText()), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
        }
        break;
    default:
        break;
    }
    return false;
}

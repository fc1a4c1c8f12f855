#include "identifiers/TfrmControllo.h"

#include "storage/Formati.h"
#include "ui/Messaggi.h"
#include "storage/Testo.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

// ----------------------------------------------------------- typing rules

TestoCampo DopoModifica(const FinestraControllo &f, const QString &prima, const QString &dopo,
                        int cursore, bool dallUtente)
{
    TestoCampo r{dopo, std::clamp(cursore, 0, int(dopo.size()))};

    if (dallUtente && dopo.size() > f.lunghezzaMassima && dopo.size() > prima.size()) {
        // What the change inserted lies between the part it left at the start
        // and the part it left at the end.
        const qsizetype corta = std::min(prima.size(), dopo.size());
        qsizetype inizio = 0;
        while (inizio < corta && prima[inizio] == dopo[inizio]) ++inizio;
        qsizetype fine = 0;
        while (fine < corta - inizio && prima[prima.size() - 1 - fine] == dopo[dopo.size() - 1 - fine])
            ++fine;
        const qsizetype inserito = dopo.size() - inizio - fine;
        const qsizetype spazio = std::max<qsizetype>(0, f.lunghezzaMassima - (inizio + fine));
        const qsizetype tieni = std::min(spazio, inserito);
        r.testo = dopo.left(inizio) + dopo.mid(inizio, tieni) + dopo.right(fine);
        r.cursore = int(inizio + tieni);
    }

    if (f.normalizza) {
        int iniziali = 0; // blanks the trimming takes away before the cursor
        while (iniziali < r.testo.size() && r.testo[iniziali].unicode() <= 32) ++iniziali;
        const QString normale = NormalizzaDigitazione(r.testo);
        r.cursore = std::clamp(r.cursore - std::min(r.cursore, iniziali), 0, int(normale.size()));
        r.testo = normale;
    }
    return r;
}

// ------------------------------------------------------------- the window

namespace {

constexpr QSize kDimensione(500, 252);

} // namespace

TfrmControllo::TfrmControllo(const FinestraControllo &f, Stile::Simbolo simbolo, QWidget *owner)
    : Stile::TDialogo(owner, kDimensione), m_f(f)
{
    setObjectName(m_f.classe.mid(1)); // "frmCodFisc"
    setWindowTitle(m_f.titolo);
    setModal(true);

    auto *icona = new Stile::TImmagine(QStringLiteral("imgIcona"), QSize(52, 52), this);
    icona->setFixedSize(52, 52);
    icona->ImpostaDisegno([simbolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaIcona(p, simbolo, r);
    });

    auto *intestazione = new QLabel(m_f.titolo.trimmed(), this);
    intestazione->setObjectName(QStringLiteral("lblIntestazione"));
    intestazione->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 14, true));
    intestazione->setStyleSheet(QStringLiteral("color: #143E6E;"));

    lblTitolo = new QLabel(m_f.etichetta, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setWordWrap(true);
    lblTitolo->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    m_campo = new QLineEdit(this);
    m_campo->setObjectName(m_f.campo);
    m_campo->setFont(Stile::Carattere(QStringLiteral("Courier New"), 15, true));
    m_campo->setFixedHeight(40);
    m_campo->setTextMargins(6, 0, 6, 0);
    m_campo->installEventFilter(this);
    Stile::EvidenziaFocus(m_campo);

    // How many characters the field holds against how many may be typed.
    m_conteggio = new QLabel(this);
    m_conteggio->setObjectName(QStringLiteral("lblConteggio"));
    m_conteggio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_conteggio->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 9));

    btnControlla = Stile::Pulsante(m_f.pulsanteControlla, QStringLiteral("btnControlla"), nullptr, QIcon(), 116);
    Stile::Principale(btnControlla);
    btnChiudi = Stile::Pulsante(m_f.pulsanteChiudi, QStringLiteral("btnChiudi"), nullptr, QIcon(), 116);

    auto *testi = new QVBoxLayout;
    testi->setSpacing(4);
    testi->addWidget(intestazione);
    testi->addWidget(lblTitolo);
    auto *cima = new QHBoxLayout;
    cima->setSpacing(16);
    cima->addWidget(icona, 0, Qt::AlignTop);
    cima->addLayout(testi, 1);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(28, 24, 28, 20);
    corpo->setSpacing(20);
    corpo->addLayout(cima);
    auto *campo = new QVBoxLayout;
    campo->setSpacing(6);
    campo->addWidget(m_campo);
    campo->addWidget(m_conteggio);
    corpo->addLayout(campo);
    corpo->addStretch(1);

    QWidget *piede = Piede();
    auto *riga = static_cast<QHBoxLayout *>(piede->layout());
    riga->addStretch(1);
    riga->addWidget(btnControlla);
    riga->addWidget(btnChiudi);
    btnControlla->setParent(piede);
    btnChiudi->setParent(piede);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addLayout(corpo, 1);
    colonna->addWidget(piede);

    setTabOrder(m_campo, btnControlla);
    setTabOrder(btnControlla, btnChiudi);

    // textEdited (only for the user's own changes) comes just before textChanged.
    connect(m_campo, &QLineEdit::textEdited, this, [this] { m_modificaUtente = true; });
    connect(m_campo, &QLineEdit::textChanged, this, &TfrmControllo::CampoTyping);
    connect(btnControlla, &QPushButton::clicked, this, &TfrmControllo::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmControllo::btnChiudiClick);

    FormCreate();
}

void TfrmControllo::FormCreate()
{
    ImpostaFormati();
    // No QLineEdit::setMaxLength: it would also cut a longer text put in by
    // the client card, which must reach the check whole.
    m_precedente = m_campo->text();
    AggiornaConteggio();
}

void TfrmControllo::AggiornaConteggio()
{
    const qsizetype n = m_campo->text().size();
    m_conteggio->setText(QStringLiteral("%1 / %2").arg(n).arg(m_f.lunghezzaMassima));
    m_conteggio->setStyleSheet(n > m_f.lunghezzaMassima ? QStringLiteral("color: #C0392B;")
                                                        : QStringLiteral("color: #8A96A3;"));
}

void TfrmControllo::FormShow()
{
    m_campo->setFocus();
}

void TfrmControllo::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    Stile::Centra(this, parentWidget());
    FormShow();
}

void TfrmControllo::CampoTyping()
{
    if (m_inCorso) return;
    const bool dallUtente = std::exchange(m_modificaUtente, false);
    const TestoCampo t =
        DopoModifica(m_f, m_precedente, m_campo->text(), m_campo->cursorPosition(), dallUtente);
    if (t.testo != m_campo->text()) {
        m_inCorso = true;
        m_campo->setText(t.testo);
        m_campo->setCursorPosition(t.cursore);
        m_inCorso = false;
    }
    m_precedente = t.testo;
    AggiornaConteggio();
}

bool TfrmControllo::CampoKeyDown(QKeyEvent *e)
{
    // Tab and Esc belong to the window (next control, closing), not to the field.
    const int tasto = e->key();
    if (tasto == Qt::Key_Tab || tasto == Qt::Key_Backtab || tasto == Qt::Key_Escape) return false;

    switch (AzionePerTasto(m_f.soloCifre, tasto, e->text())) {
    case AzioneTasto::Avanza: btnControlla->setFocus(); return true;
    case AzioneTasto::Scarta: return true;
    case AzioneTasto::Passa: return false;
    }
    return false;
}

bool TfrmControllo::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_campo && e->type() == QEvent::KeyPress) return CampoKeyDown(static_cast<QKeyEvent *>(e));
    return Stile::TDialogo::eventFilter(o, e);
}

void TfrmControllo::btnControllaClick()
{
    const Esito esito = Controlla(m_campo->text());
    switch (esito.box) {
    case TipoBox::Avviso: Msg::Avviso(this, esito.testo); break;
    case TipoBox::Informazione: Msg::Informazione(this, esito.testo); break;
    case TipoBox::Nessuno: break;
    }
    if (!esito.campoFuoco.isEmpty()) {
        if (auto *w = findChild<QWidget *>(esito.campoFuoco)) {
            activateWindow(); // back from the box, as the system does on its own
            w->setFocus();
        }
    }
    if (esito.chiudi) close();
}

void TfrmControllo::btnChiudiClick()
{
    close();
}

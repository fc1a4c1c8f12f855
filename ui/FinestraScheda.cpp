#include "ui/FinestraScheda.h"

#include "ui/CampiScheda.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

TFinestraScheda::TFinestraScheda(QWidget *parent, const Testi &testi) : QWidget(parent)
{
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName("lblPosizione");
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(64);
    QFont grassetto = lblPosizione->font();
    grassetto.setBold(true);
    grassetto.setPointSizeF(grassetto.pointSizeF() * 1.2);
    lblPosizione->setFont(grassetto);
    Sfondo(lblPosizione);

    panInfo = new QLabel(testi.statoIniziale, this);
    panInfo->setObjectName("panInfo");
    panInfo->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #1D5A9E; color: white; padding: 6px 12px; }"));

    using S = Stile::Simbolo;
    Pulsante(cmdEsci, "cmdEsci", QStringLiteral("Esci"), Glifo(S::Esci), testi.esci);
    Pulsante(cmdPrimo, "cmdPrimo", QString(), Glifo(S::Primo), QStringLiteral("Visualizza la prima scheda in archivio."));
    Pulsante(cmdIndietro, "cmdIndietro", QString(), Glifo(S::Indietro),
             QStringLiteral("Visualizza la scheda precedente in archivio."));
    Pulsante(cmdAvanti, "cmdAvanti", QString(), Glifo(S::Avanti),
             QStringLiteral("Visualizza la scheda successiva in archivio."));
    Pulsante(cmdUltimo, "cmdUltimo", QString(), Glifo(S::Ultimo), QStringLiteral("Visualizza l'ultima scheda in archivio."));

    auto *banner = new Stile::TImmagine(QStringLiteral("imgTitolo"), QSize(800, 64), this);
    banner->ImpostaDisegno([titolo = testi.titolo, sottotitolo = testi.sottotitolo](QPainter &p, const QRectF &r,
                                                                                     Stile::Stato) {
        Stile::DisegnaBanner(p, r, titolo, sottotitolo);
    });
    banner->setFixedHeight(64);
    banner->setMinimumWidth(200);
    Sfondo(banner);
    banner_ = banner;

    connect(cmdPrimo, &QPushButton::clicked, this, &TFinestraScheda::cmdPrimoClick);
    connect(cmdIndietro, &QPushButton::clicked, this, &TFinestraScheda::cmdIndietroClick);
    connect(cmdAvanti, &QPushButton::clicked, this, &TFinestraScheda::cmdAvantiClick);
    connect(cmdUltimo, &QPushButton::clicked, this, &TFinestraScheda::cmdUltimoClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TFinestraScheda::cmdEsciClick);
}

TFinestraScheda::~TFinestraScheda() = default;

QPushButton *TFinestraScheda::Pulsante(QPushButton *&b, const char *nome, const QString &testo, const QIcon &icona,
                                       const QString &suggerimento)
{
    b = Stile::Pulsante(testo, QString::fromLatin1(nome), this, icona, 0);
    b->setMinimumSize(0, 0);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    Suggerisci(b, suggerimento); // also the tooltip of the small buttons
    return b;
}

QIcon TFinestraScheda::Glifo(Stile::Simbolo s, QRgb colore) const
{
    return Stile::IconaPulsante(s, QColor(colore), devicePixelRatioF());
}

void TFinestraScheda::Suggerisci(QWidget *controllo, const QString &testo)
{
    controllo->setProperty("suggerimento", testo);
    Stile::Suggerimento(controllo, panInfo, testo);
}

void TFinestraScheda::Sfondo(QWidget *w)
{
    w->installEventFilter(this);
}

QGridLayout *TFinestraScheda::Sezione(const QString &titolo)
{
    auto *g = new QGroupBox(titolo, this);
    Sfondo(g);
    auto *grid = new QGridLayout(g);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    sezioni_ << g;
    return grid;
}

QLabel *TFinestraScheda::Etichetta(const QString &testo)
{
    auto *l = new QLabel(testo, this);
    l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    Sfondo(l);
    return l;
}

void TFinestraScheda::Metti(QGridLayout *g, int r, int c, const QString &etichetta, QWidget *campo, int span,
                            QWidget *accanto)
{
    g->addWidget(Etichetta(etichetta), r * 2, c, 1, span);
    if (accanto) {
        auto *riga = new QHBoxLayout;
        riga->setSpacing(6);
        riga->addWidget(campo, 1);
        riga->addWidget(accanto);
        g->addLayout(riga, r * 2 + 1, c, 1, span);
    } else {
        g->addWidget(campo, r * 2 + 1, c, 1, span);
    }
}

void TFinestraScheda::Componi(const Disposizione &d)
{
    campi_ = d.campi;
    primaADestra_ = d.primaADestra;
    campi_->ImpostaEtichettaPosizione(lblPosizione);
    // The status line empties over the fields (unless one has a hint of its own).
    for (const CampoScheda &r : campi_->Campi()) Sfondo(campi_->Controllo(r));

    // --- the body: the sections in one or two columns, in a scroll area -----
    auto *centro = new QWidget;
    centro->setObjectName("panCentro");
    Sfondo(centro);
    auto *corpoSezioni = new QVBoxLayout(centro);
    corpoSezioni->setContentsMargins(18, 14, 18, 14);
    corpoSezioni->setSpacing(12);
    if (d.sopra) corpoSezioni->addLayout(d.sopra);
    griglia_ = new QHBoxLayout;
    griglia_->setContentsMargins(0, 0, 0, 0);
    corpoSezioni->addLayout(griglia_, 1);
    for (QVBoxLayout *&c : colonneSezioni_) {
        c = new QVBoxLayout;
        c->setSpacing(12);
        c->addStretch(1);
        griglia_->addLayout(c, 1);
    }
    DisponiSezioni(1);
    scorri_ = new QScrollArea(this);
    scorri_->setWidget(centro);
    scorri_->setWidgetResizable(true);
    scorri_->setFrameShape(QFrame::NoFrame);
    scorri_->viewport()->installEventFilter(this);
    // Where the sections do not all fit, the field that gets the focus
    // (Enter, Tab, a click) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this, centro](QWidget *, QWidget *ora) {
        if (ora && centro->isAncestorOf(ora)) scorri_->ensureWidgetVisible(ora, 24, 24);
    });

    // --- the right-hand column ----------------------------------------------
    auto *destra = new QWidget(this);
    destra->setObjectName("panPulsanti");
    Sfondo(destra);
    destra->setStyleSheet(QStringLiteral(
        "QWidget#panPulsanti { background: white; border-left: 1px solid #D3DCE6; }"
        "QWidget#panPulsanti QPushButton { text-align: left; padding: 7px 12px; min-width: 150px; }"));
    auto *colonna = new QVBoxLayout(destra);
    colonna->setContentsMargins(14, 14, 14, 14);
    colonna->setSpacing(6);
    for (QPushButton *b : d.colonna) {
        b->setIconSize(QSize(22, 22));
        colonna->addWidget(b);
    }
    colonna->addStretch();
    cmdEsci->setIconSize(QSize(22, 22));
    colonna->addWidget(cmdEsci);

    // --- the bottom band: status line and browse bar ------------------------
    auto *sfoglia = new QHBoxLayout;
    sfoglia->setSpacing(4);
    for (QPushButton *b : {cmdPrimo, cmdIndietro}) sfoglia->addWidget(b);
    sfoglia->addWidget(lblPosizione);
    for (QPushButton *b : {cmdAvanti, cmdUltimo}) sfoglia->addWidget(b);

    auto *piede = new QHBoxLayout;
    piede->setContentsMargins(0, 0, 14, 0);
    piede->addWidget(panInfo, 1);
    piede->addSpacing(12);
    piede->addLayout(sfoglia);

    auto *corpo = new QHBoxLayout;
    corpo->setSpacing(0);
    corpo->addWidget(scorri_, 1);
    corpo->addWidget(destra);

    auto *tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->setSpacing(0);
    tutto->addWidget(banner_);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(piede);

    // Highlights and Tab order follow the Enter chain.
    campi_->CollegaCatena();
}

void TFinestraScheda::DisponiSezioni(int colonne)
{
    if (colonne == colonne_) return;
    colonne_ = colonne;
    for (QWidget *s : sezioni_)
        for (QVBoxLayout *c : colonneSezioni_) c->removeWidget(s);
    // One under the other in their order; side by side, the first ones on
    // the left and the rest on the right.
    for (int i = 0; i < sezioni_.size(); ++i) {
        QVBoxLayout *c = colonneSezioni_[colonne == 2 && i >= primaADestra_ ? 1 : 0];
        c->insertWidget(c->count() - 1, sezioni_[i]);
    }
    griglia_->setStretch(1, colonne == 2 ? 1 : 0);
    griglia_->setSpacing(colonne == 2 ? 14 : 0);
}

bool TFinestraScheda::Archiviata(const QString &avviso)
{
    if (campi_ && campi_->Posizione() != 0) return true;
    Msg::Avviso(this, avviso);
    return false;
}

bool TFinestraScheda::Duplicabile()
{
    return Archiviata(QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                     "questa è stata inserita in archivio."));
}

void TFinestraScheda::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    NuovaScheda();
    if (QWidget *primo = CampoIniziale()) QTimer::singleShot(0, primo, [primo] { primo->setFocus(); });
}

void TFinestraScheda::closeEvent(QCloseEvent *e)
{
    e->accept();
    MostraHub();
    hide();
}

bool TFinestraScheda::eventFilter(QObject *o, QEvent *e)
{
    // The sections go side by side where the window is wide enough for them.
    if (scorri_ && o == scorri_->viewport() && e->type() == QEvent::Resize)
        DisponiSezioni(static_cast<QResizeEvent *>(e)->size().width() >= LarghezzaDueColonne ? 2 : 1);
    // The status line empties over the background and the fields; the
    // buttons and the controls with a hint show it (Stile::Suggerimento).
    if (e->type() == QEvent::Enter && !o->property("suggerimento").isValid()) panInfo->clear();
    return QWidget::eventFilter(o, e);
}

void TFinestraScheda::cmdPrimoClick()
{
    if (campi_) campi_->Sfoglia(Freccia::Primo);
}

void TFinestraScheda::cmdIndietroClick()
{
    if (campi_) campi_->Sfoglia(Freccia::Indietro);
}

void TFinestraScheda::cmdAvantiClick()
{
    if (campi_) campi_->Sfoglia(Freccia::Avanti);
}

void TFinestraScheda::cmdUltimoClick()
{
    if (campi_) campi_->Sfoglia(Freccia::Ultimo);
}

void TFinestraScheda::cmdEsciClick()
{
    close();
}

#include "app/TfrmAvvio.h"

#include "ui/Navigazione.h"
#include "app/GuidaGenerale.h"
#include "app/Tessere.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

using Stile::Stato;
using Stile::TImmagine;

namespace {

// A dialog owned by `owner`, shown modally and destroyed when it closes.
template <class T>
void ApriDialogo(QWidget *owner)
{
    auto *finestra = new T(owner);
    finestra->exec();
    delete finestra;
}

TImmagine *Strumento(const QString &nome, Stile::Simbolo simbolo, const QString &didascalia, QWidget *parent)
{
    auto *img = new TImmagine(nome, QSize(108, 88), parent);
    img->setFixedSize(108, 88);
    img->ImpostaDisegno([simbolo, didascalia](QPainter &p, const QRectF &r, Stato s) {
        Stile::DisegnaStrumento(p, r, simbolo, didascalia, s);
    });
    img->ImpostaCliccabile(true);
    img->setAccessibleName(didascalia);
    return img;
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Pratovia"));
    setMinimumSize(980, 640);
    resize(1280, 760);
    setWindowState(Qt::WindowMaximized);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    imgTitolo = new TImmagine(QStringLiteral("imgTitolo"), QSize(1280, 132), this);
    imgTitolo->setFixedHeight(132);
    imgTitolo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    imgTitolo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) {
        Stile::DisegnaBanner(p, r, QStringLiteral("Pratovia"),
                             QStringLiteral("Clienti, chiamate, appuntamenti e incassi del tuo studio"));
    });
    colonna->addWidget(imgTitolo);
    colonna->addStretch(2);

    imgSottotitolo = new TImmagine(QStringLiteral("imgSottotitolo"), QSize(640, 64), this);
    imgSottotitolo->setFixedHeight(64);
    imgSottotitolo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    imgSottotitolo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) {
        QFont f(QStringLiteral("Segoe UI"));
        f.setPixelSize(25);
        f.setWeight(QFont::DemiBold);
        p.setFont(f);
        p.setPen(QColor(Stile::Colore::Testo));
        const QRectF alto(r.left(), r.top(), r.width(), r.height() * 0.56);
        p.drawText(alto, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Le tue applicazioni"));
        f.setPixelSize(15);
        f.setWeight(QFont::Normal);
        p.setFont(f);
        p.setPen(QColor(Stile::Colore::TestoTenue));
        p.drawText(QRectF(r.left(), alto.bottom() + 4, r.width(), r.height() - alto.height() - 4),
                   Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Scegli l'applicazione con cui lavorare"));
    });
    colonna->addWidget(imgSottotitolo);
    colonna->addSpacing(18);

    auto *riga = new QHBoxLayout;
    riga->setSpacing(16);
    riga->setContentsMargins(16, 0, 16, 0);
    riga->addStretch(1);
    TImmagine **tessere[4] = {&imgApp01, &imgApp02, &imgApp03, &imgApp04};
    TImmagine **pulsanti[4] = {&btnApp01, &btnApp02, &btnApp03, &btnApp04};
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        auto *scheda = new Stile::TScheda(this, Stile::ColoreSimbolo(Stile::SimboloApp(n)));
        scheda->setObjectName(QStringLiteral("panApp%1").arg(n, 2, 10, QLatin1Char('0')));
        scheda->setMinimumSize(232, 330);
        scheda->setMaximumSize(280, 352);
        scheda->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_schede[i] = scheda;
        auto *dentro = new QVBoxLayout(scheda);
        dentro->setSpacing(0);

        auto *img = new TImmagine(QStringLiteral("imgApp%1").arg(n, 2, 10, QLatin1Char('0')), QSize(252, 246), scheda);
        img->ImpostaDisegno([n](QPainter &p, const QRectF &r, Stato s) { Stile::DisegnaTesseraApp(p, r, n, s); });
        auto *btn = new TImmagine(QStringLiteral("btnApp%1").arg(n, 2, 10, QLatin1Char('0')), QSize(252, 66), scheda);
        btn->setFixedHeight(66);
        btn->ImpostaDisegno([n](QPainter &p, const QRectF &r, Stato s) {
            Stile::DisegnaPulsanteApp(p, r.adjusted(0, 2, 0, -18), n, s);
        });
        img->setAccessibleName(Stile::NomeApp(n));
        btn->setAccessibleName(QStringLiteral("Apri ") + Stile::NomeApp(n));
        for (TImmagine *parte : {img, btn}) {
            parte->ImpostaCliccabile(true);
            parte->ImpostaGrigioDaDisabilitata(false);
            connect(parte, &TImmagine::sopra, scheda, [scheda, img](bool dentro) {
                scheda->ImpostaEvidenziata(dentro && img->isEnabled());
            });
        }
        dentro->addWidget(img, 1);
        dentro->addWidget(btn);
        *tessere[i] = img;
        *pulsanti[i] = btn;
        riga->addWidget(scheda);
    }
    riga->addStretch(1);
    colonna->addLayout(riga);
    colonna->addStretch(3);

    // The bottom bar.
    auto *barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("panBarra"));
    barra->setAttribute(Qt::WA_StyledBackground);
    barra->setStyleSheet(
        QStringLiteral("#panBarra { background: #FFFFFF; border-top: 1px solid #D8E0E8; }"));
    auto *strumenti = new QHBoxLayout(barra);
    strumenti->setContentsMargins(24, 6, 24, 6);
    strumenti->setSpacing(6);
    imgInfo = Strumento(QStringLiteral("imgInfo"), Stile::Simbolo::Info, QStringLiteral("Informazioni"), barra);
    imgGuida = Strumento(QStringLiteral("imgGuida"), Stile::Simbolo::Guida, QStringLiteral("Guida"), barra);
    imgCrediti = Strumento(QStringLiteral("imgCrediti"), Stile::Simbolo::Crediti, QStringLiteral("Crediti"), barra);
    icoSito = Strumento(QStringLiteral("icoSito"), Stile::Simbolo::Web, QStringLiteral("Sito web"), barra);
    imgEsci = Strumento(QStringLiteral("imgEsci"), Stile::Simbolo::Esci, QStringLiteral("Esci"), barra);
    imgInfo->setToolTip(QStringLiteral("Informazioni su Pratovia"));
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo del software"));
    imgCrediti->setToolTip(QStringLiteral("Riconoscimenti"));
    icoSito->setToolTip(TestoSito());
    imgEsci->setToolTip(QStringLiteral("Chiudi Pratovia"));
    for (TImmagine *s : {imgInfo, imgGuida, imgCrediti, icoSito}) strumenti->addWidget(s);
    strumenti->addStretch(1);
    strumenti->addWidget(imgEsci);
    colonna->addWidget(barra);

    connect(imgApp01, &TImmagine::cliccata, this, &TfrmAvvio::imgApp01Click);
    connect(btnApp01, &TImmagine::cliccata, this, &TfrmAvvio::imgApp01Click);
    connect(imgApp02, &TImmagine::cliccata, this, &TfrmAvvio::imgApp02Click);
    connect(btnApp02, &TImmagine::cliccata, this, &TfrmAvvio::imgApp02Click);
    connect(imgApp03, &TImmagine::cliccata, this, &TfrmAvvio::imgApp03Click);
    connect(btnApp03, &TImmagine::cliccata, this, &TfrmAvvio::imgApp03Click);
    connect(imgApp04, &TImmagine::cliccata, this, &TfrmAvvio::imgApp04Click);
    connect(btnApp04, &TImmagine::cliccata, this, &TfrmAvvio::imgApp04Click);
    connect(imgInfo, &TImmagine::cliccata, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &TImmagine::cliccata, this, &TfrmAvvio::imgGuidaClick);
    connect(imgCrediti, &TImmagine::cliccata, this, &TfrmAvvio::imgCreditiClick);
    connect(icoSito, &TImmagine::cliccata, this, &TfrmAvvio::icoSitoClick);
    connect(imgEsci, &TImmagine::cliccata, this, &TfrmAvvio::imgEsciClick);

    for (int n = 1; n <= 4; ++n) ImpostaApp(n, nullptr);
}

TImmagine *TfrmAvvio::Tessera(int n) const
{
    TImmagine *const t[4] = {imgApp01, imgApp02, imgApp03, imgApp04};
    return t[n - 1];
}

TImmagine *TfrmAvvio::Pulsante(int n) const
{
    TImmagine *const b[4] = {btnApp01, btnApp02, btnApp03, btnApp04};
    return b[n - 1];
}

void TfrmAvvio::ImpostaApp(int n, QWidget *finestra)
{
    if (n < 1 || n > 4) return;
    m_app[n - 1] = finestra;
    const bool attiva = finestra != nullptr;
    const QString suggerimento = attiva ? QStringLiteral("Apri ") + Stile::NomeApp(n)
                                        : Stile::NomeApp(n) + QStringLiteral(": disponibile a breve");
    for (QWidget *w : {static_cast<QWidget *>(Tessera(n)), static_cast<QWidget *>(Pulsante(n))}) {
        w->setEnabled(attiva);
        w->setToolTip(suggerimento);
    }
    m_schede[n - 1]->setToolTip(suggerimento);
    m_schede[n - 1]->ImpostaEvidenziata(false);
}

QWidget *TfrmAvvio::Applicazione(int n) const
{
    return (n >= 1 && n <= 4) ? m_app[n - 1].data() : nullptr;
}

void TfrmAvvio::ApriApp(int n)
{
    QWidget *finestra = Applicazione(n);
    if (!finestra) return;
    m_schede[n - 1]->ImpostaEvidenziata(false);
    Stile::MostraIngrandita(finestra);
    hide();
}

void TfrmAvvio::imgApp01Click() { ApriApp(1); }
void TfrmAvvio::imgApp02Click() { ApriApp(2); }
void TfrmAvvio::imgApp03Click() { ApriApp(3); }
void TfrmAvvio::imgApp04Click() { ApriApp(4); }

void TfrmAvvio::imgInfoClick()
{
    ApriDialogo<TfrmInfo>(this);
}

void TfrmAvvio::imgGuidaClick()
{
    MostraGuida(this, GuidaGenerale());
}

void TfrmAvvio::imgCreditiClick()
{
    ApriDialogo<TfrmSplash>(this);
}

void TfrmAvvio::icoSitoClick()
{
    TMisc::Open(IndirizzoSito());
}

void TfrmAvvio::imgEsciClick()
{
    TerminaProgramma();
}

void TfrmAvvio::FormClose()
{
    // Ending the program may close this window again: do it once.
    if (m_inChiusura) return;
    m_inChiusura = true;
    TerminaProgramma();
    m_inChiusura = false;
}

void TfrmAvvio::closeEvent(QCloseEvent *e)
{
    e->accept();
    FormClose();
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xF4, 0xF7, 0xFB));
    g.setColorAt(1, QColor(0xE6, 0xEC, 0xF3));
    p.fillRect(rect(), g);
}

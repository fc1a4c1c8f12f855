#include "ui/Kit.h"

#include "ui/Disegni.h"
#include "ui/Stile.h"

#include <QEnterEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QColor Mescola(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QImage InGrigio(const QImage &src)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *riga = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(riga[x]);
            const int chiaro = g + (255 - g) * 45 / 100;
            riga[x] = qRgba(chiaro, chiaro, chiaro, qAlpha(riga[x]));
        }
    }
    return img;
}

// The bottom band of dialogs and login windows.
void DisegnaBanda(QPainter &p, const QRect &banda)
{
    p.fillRect(banda, QColor(0xF3, 0xF6, 0xFA));
    p.setPen(QColor(0xDD, 0xE4, 0xEC));
    p.drawLine(banda.topLeft(), banda.topRight());
}

QHBoxLayout *RigaPulsanti(QWidget *banda)
{
    auto *riga = new QHBoxLayout(banda);
    riga->setContentsMargins(24, 0, 24, 0);
    riga->setSpacing(10);
    return riga;
}

// Shows a hint in a status line while the mouse is over a control.
class TSuggerimento : public QObject
{
public:
    TSuggerimento(QWidget *controllo, QLabel *riga, const QString &testo)
        : QObject(controllo), m_riga(riga), m_testo(testo)
    {
        controllo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (!m_riga) return false;
        if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove)
            m_riga->setText(m_testo);
        else if (e->type() == QEvent::Leave)
            m_riga->clear();
        return false;
    }

private:
    QPointer<QLabel> m_riga;
    QString m_testo;
};

} // namespace

namespace Stile {

// ================================================================= windows

void ImpostaDialogo(QWidget *finestra, QSize dimensione)
{
    finestra->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    finestra->setFixedSize(dimensione);
}

void Centra(QWidget *finestra, const QWidget *riferimento)
{
    QRect area;
    if (riferimento && riferimento->window()->isVisible()) {
        area = riferimento->window()->frameGeometry();
    } else {
        QScreen *schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
        if (!schermo) return;
        area = schermo->availableGeometry();
    }
    const QRect cornice = finestra->frameGeometry();
    finestra->move(area.center() - QPoint(cornice.width() / 2, cornice.height() / 2));
}

void MostraIngrandita(QWidget *finestra)
{
    QScreen *schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (schermo) finestra->setGeometry(schermo->availableGeometry());
    finestra->showMaximized();
}

void Principale(QPushButton *pulsante)
{
    pulsante->setProperty("principale", true);
    pulsante->style()->unpolish(pulsante);
    pulsante->style()->polish(pulsante);
}

QPushButton *Pulsante(const QString &testo, const QString &nome, QWidget *parent, const QIcon &icona,
                      int larghezza)
{
    auto *b = new QPushButton(icona, testo, parent);
    b->setObjectName(nome);
    b->setMinimumSize(larghezza, 34);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

void Suggerimento(QWidget *controllo, QLabel *riga, const QString &testo)
{
    if (controllo && riga) new TSuggerimento(controllo, riga, testo);
}

// ========================================================= focus highlight

namespace {

class TEvidenzia : public QWidget
{
public:
    TEvidenzia(QWidget *campo, const QString &nome) : QWidget(campo->parentWidget()), m_campo(campo)
    {
        setObjectName(nome);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        campo->installEventFilter(this);
        Segui();
        setVisible(campo->hasFocus() && campo->isVisible());
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_campo) {
            switch (e->type()) {
            case QEvent::FocusIn: Segui(); show(); break;
            case QEvent::FocusOut:
            case QEvent::Hide: hide(); break;
            case QEvent::Move:
            case QEvent::Resize: Segui(); break;
            case QEvent::Show:
                Segui();
                setVisible(m_campo->hasFocus());
                break;
            case QEvent::ParentChange:
                setParent(m_campo->parentWidget());
                Segui();
                break;
            default: break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Antialias(p);
        const QColor giallo(Colore::Evidenzia);
        const QColor bianco(Qt::white);
        // the border fades from white at the edge to the yellow of the fill
        const int passi = 4;
        QRectF r = QRectF(rect());
        for (int i = 0; i < passi; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(Mescola(bianco, giallo, qreal(i + 1) / passi));
            p.drawRoundedRect(r, 5.0 - i * 0.8, 5.0 - i * 0.8);
            r.adjust(1, 1, -1, -1);
        }
    }

private:
    void Segui()
    {
        if (!m_campo) return;
        setGeometry(m_campo->geometry().adjusted(-4, -4, 4, 4));
        stackUnder(m_campo);
    }

    QPointer<QWidget> m_campo;
};

} // namespace

QWidget *EvidenziaFocus(QWidget *campo, const QString &nome)
{
    if (!campo || !campo->parentWidget()) return nullptr;
    return new TEvidenzia(campo, nome.isEmpty() ? QStringLiteral("eff") + campo->objectName().mid(3) : nome);
}

// ================================================================ TImmagine

TImmagine::TImmagine(const QString &nome, QSize preferita, QWidget *parent)
    : QWidget(parent), m_preferita(preferita)
{
    setObjectName(nome);
    setAttribute(Qt::WA_Hover);
}

void TImmagine::ImpostaDisegno(Disegno disegno)
{
    m_disegno = std::move(disegno);
    update();
}

void TImmagine::ImpostaCliccabile(bool cliccabile)
{
    m_cliccabile = cliccabile;
    AggiornaCursore();
    update();
}

QSize TImmagine::minimumSizeHint() const
{
    return m_preferita.scaled(m_preferita / 2, Qt::KeepAspectRatio);
}

Stato TImmagine::StatoAttuale() const
{
    if (!isEnabled()) return Stato::Disabilitata;
    if (!m_cliccabile) return Stato::Normale;
    if (m_premuta && m_sopra) return Stato::Premuta;
    if (m_sopra) return Stato::Sopra;
    return Stato::Normale;
}

QPixmap TImmagine::Immagine() const
{
    QPixmap pm = NuovaPixmap(size(), devicePixelRatioF());
    if (m_disegno) {
        QPainter p(&pm);
        Antialias(p);
        const Stato stato = StatoAttuale();
        m_disegno(p, QRectF(rect()), stato);
        p.end();
        // a disabled picture that did not draw its own disabled look is greyed
        if (stato == Stato::Disabilitata && m_grigio) {
            QImage grigia = InGrigio(pm.toImage());
            pm = QPixmap::fromImage(grigia);
            pm.setDevicePixelRatio(devicePixelRatioF());
        }
    }
    return pm;
}

void TImmagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, Immagine());
}

void TImmagine::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_cliccabile) {
        m_premuta = true;
        m_sopra = rect().contains(e->position().toPoint());
        update();
        emit premuta();
    }
    QWidget::mousePressEvent(e);
}

void TImmagine::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_premuta) {
        m_premuta = false;
        update();
        const bool dentro = rect().contains(e->position().toPoint());
        emit rilasciata();
        if (dentro && isEnabled()) emit cliccata();
    }
    QWidget::mouseReleaseEvent(e);
}

void TImmagine::enterEvent(QEnterEvent *e)
{
    m_sopra = true;
    update();
    emit sopra(true);
    QWidget::enterEvent(e);
}

void TImmagine::leaveEvent(QEvent *e)
{
    m_sopra = false;
    update();
    emit sopra(false);
    QWidget::leaveEvent(e);
}

void TImmagine::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange) {
        AggiornaCursore();
        m_premuta = false;
        update();
    }
    QWidget::changeEvent(e);
}

void TImmagine::AggiornaCursore()
{
    if (m_cliccabile && isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

TImmagine *Testata(QWidget *parent, const QString &titolo, const QString &sottotitolo, int altezza,
                   const QString &nome)
{
    auto *t = new TImmagine(nome, QSize(parent ? qMax(200, parent->width()) : 800, altezza), parent);
    t->setFixedHeight(altezza);
    t->setMinimumWidth(200);
    t->ImpostaDisegno([titolo, sottotitolo](QPainter &p, const QRectF &r, Stato) {
        DisegnaBanner(p, r, titolo, sottotitolo);
    });
    return t;
}

TImmagine *PulsanteSimbolo(const QString &nome, Simbolo simbolo, int lato, QWidget *parent)
{
    auto *i = new TImmagine(nome, QSize(lato, lato), parent);
    i->setFixedSize(lato, lato);
    i->ImpostaCliccabile(true);
    i->ImpostaGrigioDaDisabilitata(false);
    i->ImpostaDisegno([simbolo](QPainter &p, const QRectF &r, Stato s) {
        const QColor base = ColoreSimbolo(simbolo);
        const QColor c = s == Stato::Disabilitata ? QColor(0xA3, 0xAE, 0xB9)
                         : s == Stato::Sopra      ? base.lighter(130)
                         : s == Stato::Premuta    ? base.darker(120)
                                                  : base;
        const qreal m = r.width() * 0.08;
        DisegnaSimbolo(p, simbolo, r.adjusted(m, m, -m, -m), c);
    });
    return i;
}

// ==================================================================== TLink

TLink::TLink(const QString &nome, const QString &testo, QWidget *parent) : QLabel(testo, parent)
{
    setObjectName(nome);
    setFont(CarattereLink());
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    ImpostaColore(Colore::Link);
}

void TLink::Unisci(TImmagine *immagine)
{
    immagine->ImpostaCliccabile(true);
    connect(immagine, &TImmagine::premuta, this, &TLink::MouseDown);
    connect(immagine, &TImmagine::rilasciata, this, &TLink::MouseUp);
    connect(immagine, &TImmagine::cliccata, this, &TLink::cliccato);
}

QColor TLink::Colore() const
{
    return palette().color(QPalette::WindowText);
}

void TLink::MouseDown()
{
    ImpostaColore(Colore::LinkPremuto);
}

void TLink::MouseUp()
{
    ImpostaColore(Colore::Link);
}

void TLink::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        m_premuto = true;
        MouseDown();
    }
    QLabel::mousePressEvent(e);
}

void TLink::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_premuto) {
        m_premuto = false;
        MouseUp();
        if (rect().contains(e->position().toPoint())) emit cliccato();
    }
    QLabel::mouseReleaseEvent(e);
}

void TLink::ImpostaColore(QRgb colore)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgba(colore));
    setPalette(pal);
}

// ================================================================== TScheda

TScheda::TScheda(QWidget *parent, QColor accento) : QWidget(parent), m_accento(accento)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setContentsMargins(Ombra, Ombra - 4, Ombra, Ombra + 4);
}

void TScheda::ImpostaEvidenziata(bool si)
{
    if (m_evidenziata == si) return;
    m_evidenziata = si;
    update();
}

void TScheda::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Antialias(p);
    const QRectF carta = QRectF(rect()).adjusted(Ombra, Ombra - 4, -Ombra, -Ombra - 4);
    const qreal raggio = 14;
    if (m_evidenziata)
        Stile::Ombra(p, carta, raggio, 12, 5, 70);
    else
        Stile::Ombra(p, carta, raggio, 8, 3, 42);
    p.setPen(QPen(QColor(0xE1, 0xE7, 0xEE), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(carta.adjusted(0.5, 0.5, -0.5, -0.5), raggio, raggio);
    if (m_evidenziata && m_accento.isValid()) {
        p.setPen(QPen(m_accento, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(carta.adjusted(1, 1, -1, -1), raggio - 1, raggio - 1);
    }
    if (m_accento.isValid()) {
        // a thin band of the app's colour along the top edge
        QPainterPath bordo;
        bordo.addRoundedRect(carta, raggio, raggio);
        QPainterPath fascia;
        fascia.addRect(QRectF(carta.left(), carta.top(), carta.width(), 5));
        p.fillPath(bordo.intersected(fascia), m_accento);
    }
}

// ================================================================= TDialogo

TDialogo::TDialogo(QWidget *parent, QSize dimensione, int piede) : QDialog(parent), m_piede(piede)
{
    ImpostaDialogo(this, dimensione);
}

QWidget *TDialogo::Piede()
{
    if (!m_rigaPiede) {
        m_rigaPiede = new QWidget(this);
        m_rigaPiede->setFixedHeight(m_piede);
        RigaPulsanti(m_rigaPiede);
    }
    return m_rigaPiede;
}

void TDialogo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_piede > 0) {
        const QRect banda(0, height() - m_piede, width(), m_piede);
        DisegnaBanda(p, banda);
    }
}

TDialogo::Contatto TDialogo::PiedeContatto(const QString &nomeImmagine, Simbolo simbolo, const QString &testo)
{
    QWidget *piede = Piede();
    Contatto c;
    c.immagine = new TImmagine(nomeImmagine, QSize(32, 32), piede);
    c.immagine->setFixedSize(32, 32);
    c.immagine->ImpostaDisegno([simbolo](QPainter &p, const QRectF &r, Stato) { DisegnaIcona(p, simbolo, r); });
    c.link = new TLink(QStringLiteral("lnkWeb"), testo, piede);
    c.link->Unisci(c.immagine);
    c.chiudi = Pulsante(QStringLiteral("Chiudi"), QStringLiteral("btnChiudi"), piede);
    Principale(c.chiudi);
    auto *riga = static_cast<QHBoxLayout *>(piede->layout());
    riga->addWidget(c.immagine);
    riga->addWidget(c.link);
    riga->addStretch(1);
    riga->addWidget(c.chiudi);
    return c;
}

// ==================================================================== TBanda

TBanda::TBanda(QWidget *parent, int altezza) : QWidget(parent)
{
    setFixedHeight(altezza);
    RigaPulsanti(this);
}

void TBanda::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DisegnaBanda(p, rect());
}

} // namespace Stile

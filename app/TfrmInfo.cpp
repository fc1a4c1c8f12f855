#include "app/TfrmInfo.h"

#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using Stile::Stato;
using Stile::TImmagine;

QString IndirizzoSito()
{
    return QStringLiteral("https://www.pratovia.it");
}

QString TestoSito()
{
    return QStringLiteral("www.pratovia.it");
}

QString IndirizzoEmail()
{
    return QStringLiteral("info@pratovia.it");
}

QString ComandoEmailInfo()
{
    return QStringLiteral("\"mailto:") + IndirizzoEmail() + QStringLiteral("?subject=")
           + QStringLiteral("Software Pratovia") + QStringLiteral("&body=")
           + QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")
           + QStringLiteral("\"");
}

namespace {

// The notice: what the program is and the maker's rights.
void DisegnaAvviso(QPainter &p, const QRectF &r)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont titolo(QStringLiteral("Segoe UI"));
    titolo.setPixelSize(15);
    titolo.setWeight(QFont::DemiBold);
    QFont corpo(QStringLiteral("Segoe UI"));
    corpo.setPixelSize(13);
    const qreal x = r.left();
    const qreal w = r.width();
    qreal y = r.top();
    const auto paragrafo = [&](const QFont &f, const QColor &c, const QString &testo, qreal dopo) {
        p.setFont(f);
        p.setPen(c);
        const QRectF b = p.boundingRect(QRectF(x, y, w, 1000), Qt::TextWordWrap, testo);
        p.drawText(QRectF(x, y, w, b.height()), Qt::TextWordWrap, testo);
        y += b.height() + dopo;
    };
    paragrafo(titolo, QColor(Stile::Colore::Testo), QStringLiteral("Il gestionale dello studio professionale"), 6);
    paragrafo(corpo, QColor(Stile::Colore::TestoTenue),
              QStringLiteral("Schede dei clienti e dei servizi forniti, registro delle chiamate, agenda "
                             "degli appuntamenti e riepiloghi degli incassi: tutto in una sola cartella, "
                             "facile da copiare, da salvare e da condividere in rete."),
              12);
    p.setPen(QPen(QColor(Stile::Colore::Bordo), 1));
    p.drawLine(QPointF(x, y), QPointF(x + w, y));
    y += 12;
    paragrafo(corpo, QColor(Stile::Colore::TestoTenue),
              QStringLiteral("\u00A9 Pratovia. Tutti i diritti riservati. Il programma \u00E8 concesso in "
                             "licenza d'uso: ne sono vietate la riproduzione e la distribuzione non "
                             "autorizzate."),
              12);
    paragrafo(corpo, QColor(Stile::Colore::Testo),
              QStringLiteral("Per informazioni, suggerimenti e assistenza scrivici:"), 0);
}

} // namespace

TfrmInfo::TfrmInfo(QWidget *parent) : Stile::TDialogo(parent, QSize(520, 396))
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Pratovia"));

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    imgLogo = new TImmagine(QStringLiteral("imgLogo"), QSize(520, 120), this);
    imgLogo->setFixedHeight(120);
    imgLogo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) {
        Stile::DisegnaBanner(p, r, QStringLiteral("Pratovia"), QStringLiteral("Versione 1.0"));
    });
    colonna->addWidget(imgLogo);

    imgAvviso = new TImmagine(QStringLiteral("imgAvviso"), QSize(464, 210), this);
    imgAvviso->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) {
        DisegnaAvviso(p, r.adjusted(28, 22, -28, -8));
    });
    colonna->addWidget(imgAvviso, 1);

    const Contatto contatto = PiedeContatto(QStringLiteral("imgEmail"), Stile::Simbolo::Email, IndirizzoEmail());
    imgEmail = contatto.immagine;
    lnkWeb = contatto.link;
    btnChiudi = contatto.chiudi;
    colonna->addWidget(Piede());

    connect(lnkWeb, &Stile::TLink::cliccato, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

void TfrmInfo::lnkWebClick()
{
    lnkWeb->MouseUp();
    TMisc::Open(ComandoEmailInfo());
}

void TfrmInfo::btnChiudiClick()
{
    close();
}

void TfrmInfo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Stile::Centra(this);
}

#include "app/FinestraAccesso.h"

#include "ui/Stile.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

void ComponiFinestraAccesso(QWidget *finestra, const QString &titolo, const QString &sottotitolo, int altezza,
                            QLayout *corpo, const QList<QWidget *> &sinistra, const QList<QWidget *> &destra)
{
    auto *imgLogo = new Stile::TImmagine(QStringLiteral("imgLogo"), QSize(440, altezza), finestra);
    imgLogo->ImpostaDisegno([titolo, sottotitolo](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaBanner(p, r, titolo, sottotitolo);
    });
    imgLogo->setFixedHeight(altezza);

    auto *piede = new QWidget(finestra);
    piede->setObjectName("panPiede");
    piede->setAttribute(Qt::WA_StyledBackground);
    piede->setStyleSheet(QStringLiteral("QWidget#panPiede { background: #F3F6FA; border-top: 1px solid #DDE4EC; }"));
    piede->setFixedHeight(64);
    auto *bottoni = new QHBoxLayout(piede);
    bottoni->setContentsMargins(24, 0, 24, 0);
    bottoni->setSpacing(10);
    for (QWidget *b : sinistra) bottoni->addWidget(b);
    bottoni->addStretch();
    for (QWidget *b : destra) bottoni->addWidget(b);

    auto *l = new QVBoxLayout(finestra);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(imgLogo);
    l->addLayout(corpo);
    l->addStretch();
    l->addWidget(piede);

    finestra->setAutoFillBackground(true);
    QPalette bianco = finestra->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    finestra->setPalette(bianco);
}

#include "app/FinestraAccesso.h"

#include "ui/Disegni.h"
#include "ui/Kit.h"

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

    auto *piede = new Stile::TBanda(finestra);
    piede->setObjectName("panPiede");
    auto *bottoni = static_cast<QHBoxLayout *>(piede->layout());
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

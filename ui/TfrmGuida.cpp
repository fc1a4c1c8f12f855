#include "ui/TfrmGuida.h"

#include "storage/Cartella.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/TMisc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Stile::Stato;
using Stile::TImmagine;

QString ComandoGuidaPdf()
{
    return QStringLiteral("\"") + CartellaProgramma() + QStringLiteral("Guida.pdf\"");
}

TfrmGuida::TfrmGuida(QWidget *parent) : Stile::TDialogo(parent, QSize(Larghezza, Altezza))
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);

    imgLogo = new TImmagine(QStringLiteral("imgLogo"), QSize(Larghezza, 92), this);
    imgLogo->setFixedHeight(92);
    imgLogo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stato) {
        Stile::DisegnaBanner(p, r, QStringLiteral("Guida all'utilizzo"),
                             QStringLiteral("Pratovia \u00B7 come funziona il programma"));
    });
    colonna->addWidget(imgLogo);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(20, 14, 20, 14);
    corpo->setSpacing(10);
    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Stile::Carattere(QStringLiteral("Arial"), 16, true));
    QPalette pal = lblTitolo->palette();
    pal.setColor(QPalette::WindowText, QColor(Stile::Colore::Cremisi));
    lblTitolo->setPalette(pal);
    lblTitolo->setWordWrap(true);
    corpo->addWidget(lblTitolo);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtGuida->setFont(Stile::Carattere(QStringLiteral("Verdana"), 12, true));
    txtGuida->document()->setDocumentMargin(10);
    corpo->addWidget(txtGuida, 1);
    colonna->addLayout(corpo, 1);

    const Contatto contatto = PiedeContatto(QStringLiteral("imgPDF"), Stile::Simbolo::Pdf, QStringLiteral("Visualizza guida in formato PDF"));
    imgPDF = contatto.immagine;
    lnkWeb = contatto.link;
    btnChiudi = contatto.chiudi;
    colonna->addWidget(Piede());

    connect(lnkWeb, &Stile::TLink::cliccato, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

void TfrmGuida::FormShow()
{
    setFixedSize(Larghezza, Altezza);
    Stile::Centra(this);
}

void TfrmGuida::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TfrmGuida::lnkWebClick()
{
    lnkWeb->MouseUp();
    TMisc::Open(ComandoGuidaPdf());
}

void TfrmGuida::btnChiudiClick()
{
    close();
}

#include "app/TfrmPassword.h"

#include "app/Finestre.h"
#include "app/Messaggi.h"
#include "app/Password.h"
#include "app/Stile.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "storage/Testo.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget *parent) : QWidget(parent)
{
    setObjectName("frmPassword");
    setWindowTitle(QStringLiteral(" Pratovia - Accesso al programma"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *imgLogo = new Stile::TImmagine(QStringLiteral("imgLogo"), QSize(440, 120), this);
    imgLogo->ImpostaDisegno([](QPainter &p, const QRectF &r, Stile::Stato) {
        Stile::DisegnaBanner(p, r, QStringLiteral("Pratovia"), QStringLiteral("Accesso al programma"));
    });
    imgLogo->setFixedHeight(120);

    auto *lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName("lblRigo05");

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    QFont f = txtPassword->font();
    f.setBold(true);
    f.setPointSize(14);
    txtPassword->setFont(f);
    txtPassword->setMinimumHeight(36);
    txtPassword->installEventFilter(this);
    Stile::EvidenziaFocus(txtPassword, "effPassword");

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setEnabled(false);
    Stile::Principale(cmdOK);
    cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName("cmdEsci");
    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName("btnCambiaPassword");
    for (QPushButton *b : {cmdOK, cmdEsci, btnCambiaPassword}) {
        b->setMinimumHeight(34);
        b->setCursor(Qt::PointingHandCursor);
    }

    // White body, buttons on a light band along the bottom.
    auto *piede = new QWidget(this);
    piede->setObjectName("panPiede");
    piede->setAttribute(Qt::WA_StyledBackground);
    piede->setStyleSheet(QStringLiteral("QWidget#panPiede { background: #F3F6FA; border-top: 1px solid #DDE4EC; }"));
    piede->setFixedHeight(64);
    auto *bottoni = new QHBoxLayout(piede);
    bottoni->setContentsMargins(24, 0, 24, 0);
    bottoni->setSpacing(10);
    bottoni->addWidget(btnCambiaPassword);
    bottoni->addStretch();
    bottoni->addWidget(cmdOK);
    bottoni->addWidget(cmdEsci);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(28, 20, 28, 26);
    corpo->setSpacing(10);
    corpo->addWidget(lblRigo05);
    corpo->addWidget(txtPassword);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(imgLogo);
    l->addLayout(corpo);
    l->addStretch();
    l->addWidget(piede);
    setAutoFillBackground(true);
    QPalette bianco = palette();
    bianco.setColor(QPalette::Window, Qt::white);
    setPalette(bianco);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::AggiornaOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::AggiornaOK()
{
    cmdOK->setEnabled(!Trim(txtPassword->text()).isEmpty());
}

bool TfrmPassword::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtPassword) {
        if (e->type() == QEvent::KeyRelease) AggiornaOK();
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                if (!Trim(txtPassword->text()).isEmpty()) cmdOKClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(o, e);
}

void TfrmPassword::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    Stile::Centra(this);
    QTimer::singleShot(0, txtPassword, [this] { txtPassword->setFocus(); });
}

void TfrmPassword::cmdOKClick()
{
    const EsitoLogin esito = VerificaPassword(txtPassword->text());
    if (esito == EsitoLogin::Corretta) {
        QWidget *hub = App().hub();
        if (hub) hub->showMaximized();
        hide();
        return;
    }
    Msg::Semplice(this, MessaggioLogin(esito));
    if (esito == EsitoLogin::Errata) {
        txtPassword->clear();
        txtPassword->setFocus();
    }
}

void TfrmPassword::cmdEsciClick()
{
    TerminaProgramma();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    if (auto *w = App().frmCambiaPassword) {
        w->show();
        hide();
    }
}

void TfrmPassword::RitornaDalCambio()
{
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent *e)
{
    // Closing the login window (Alt+F4) ends the program like "Esci".
    e->accept();
    TerminaProgramma();
}

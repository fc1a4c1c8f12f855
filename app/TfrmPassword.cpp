#include "app/TfrmPassword.h"

#include "app/FinestraAccesso.h"
#include "ui/Navigazione.h"
#include "ui/Messaggi.h"
#include "app/Password.h"
#include "ui/Kit.h"
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
    Stile::EvidenziaFocus(txtPassword);

    cmdOK = Stile::Pulsante(QStringLiteral("OK"), QStringLiteral("cmdOK"), this, QIcon(), 90);
    cmdOK->setEnabled(false);
    Stile::Principale(cmdOK);
    cmdEsci = Stile::Pulsante(QStringLiteral("Esci"), QStringLiteral("cmdEsci"), this, QIcon(), 90);
    btnCambiaPassword = Stile::Pulsante(QStringLiteral("Cambia password"), QStringLiteral("btnCambiaPassword"), this);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(28, 20, 28, 26);
    corpo->setSpacing(10);
    corpo->addWidget(lblRigo05);
    corpo->addWidget(txtPassword);
    ComponiFinestraAccesso(this, QStringLiteral("Pratovia"), QStringLiteral("Accesso al programma"), 120, corpo,
                           {btnCambiaPassword}, {cmdOK, cmdEsci});
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
        MostraHub();
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
    ApriCambioPassword();
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

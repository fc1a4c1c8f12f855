#include "app/TfrmCambiaPassword.h"

#include "app/FinestraAccesso.h"
#include "ui/Navigazione.h"
#include "ui/Messaggi.h"
#include "app/Password.h"
#include "ui/Kit.h"
#include "storage/Testo.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPainter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent) : QDialog(parent)
{
    setObjectName("frmCambiaPassword");
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);

    auto campo = [this](const char *nome) {
        auto *t = new QLineEdit(this);
        t->setObjectName(nome);
        t->setEchoMode(QLineEdit::Password);
        QFont f = t->font();
        f.setBold(true);
        f.setPointSize(14);
        t->setFont(f);
        t->setMinimumHeight(34);
        t->setMinimumWidth(260);
        t->installEventFilter(this);
        connect(t, &QLineEdit::textChanged, this, &TfrmCambiaPassword::AggiornaOK);
        Stile::EvidenziaFocus(t);
        return t;
    };
    txtPasswordOld = campo("txtPasswordOld");
    txtPasswordNew = campo("txtPasswordNew");
    txtConferma = campo("txtConferma");

    cmdOK = Stile::Pulsante(QStringLiteral("OK"), QStringLiteral("cmdOK"), this);
    cmdOK->setEnabled(false);
    Stile::Principale(cmdOK);
    cmdEsci = Stile::Pulsante(QStringLiteral("Chiudi"), QStringLiteral("cmdEsci"), this);
    for (QPushButton *b : {cmdOK, cmdEsci})
        b->setAutoDefault(false); // Enter moves between the fields, never presses OK

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(14);
    form->setVerticalSpacing(12);
    const QList<QPair<QString, QLineEdit *>> righe = {{QStringLiteral("Vecchia password:"), txtPasswordOld},
                                                      {QStringLiteral("Nuova password:"), txtPasswordNew},
                                                      {QStringLiteral("Conferma nuova password:"), txtConferma}};
    for (int i = 0; i < righe.size(); ++i) {
        form->addWidget(new QLabel(righe[i].first, this), i, 0, Qt::AlignRight | Qt::AlignVCenter);
        form->addWidget(righe[i].second, i, 1);
    }

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 20, 24, 24);
    corpo->addLayout(form);
    ComponiFinestraAccesso(this, QStringLiteral("Cambia password"),
                           QStringLiteral("Scegli una nuova password di accesso"), 90, corpo, {}, {cmdOK, cmdEsci});
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::AggiornaOK()
{
    cmdOK->setEnabled(!Trim(txtPasswordOld->text()).isEmpty() && !Trim(txtPasswordNew->text()).isEmpty()
                      && !Trim(txtConferma->text()).isEmpty());
}

bool TfrmCambiaPassword::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyRelease) AggiornaOK();
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            if (o == txtPasswordOld) txtPasswordNew->setFocus();
            else if (o == txtPasswordNew) txtConferma->setFocus();
            else if (o == txtConferma) txtPasswordOld->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TfrmCambiaPassword::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Stile::Centra(this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    QTimer::singleShot(0, txtPasswordOld, [this] { txtPasswordOld->setFocus(); });
}

void TfrmCambiaPassword::cmdOKClick()
{
    const EsitoCambio esito =
        CambiaPassword(txtPasswordOld->text(), txtPasswordNew->text(), txtConferma->text());
    Msg::Semplice(this, MessaggioCambio(esito));
    switch (esito) {
    case EsitoCambio::Completato:
        close();
        break;
    case EsitoCambio::VecchiaErrata:
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        break;
    case EsitoCambio::NonConfermata:
    case EsitoCambio::TroppoLunga:
    case EsitoCambio::CaratteriNonAmmessi:
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        break;
    case EsitoCambio::ErroreModifica:
    case EsitoCambio::ErroreScrittura:
        break;
    }
}

void TfrmCambiaPassword::done(int r)
{
    QDialog::done(r);
    MostraAccesso();
}

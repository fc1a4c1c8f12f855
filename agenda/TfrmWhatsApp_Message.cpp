#include "agenda/TfrmWhatsApp_Message.h"

#include "storage/Testo.h"
#include "ui/WhatsApp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLineEdit *Campo(const char *nome, QWidget *parent)
{
    auto *c = new QLineEdit(parent);
    c->setObjectName(QString::fromLatin1(nome));
    c->setReadOnly(true);
    c->setMinimumHeight(32);
    c->setFocusPolicy(Qt::NoFocus);
    return c;
}

} // namespace

TfrmWhatsApp_Message::TfrmWhatsApp_Message(QWidget *owner) : Stile::TDialogo(owner, QSize(560, 424))
{
    setObjectName(QStringLiteral("frmWhatsApp_Message"));
    setWindowTitle(QStringLiteral(" Invio messaggio di WhatsApp"));

    QWidget *testata = Stile::Testata(this, QStringLiteral("Promemoria dell'appuntamento"),
                                      QStringLiteral("Controllare il cliente prima dell'invio"), 72);

    txtData = Campo("txtData", this);
    txtOra = Campo("txtOra", this);
    txtContatto = Campo("txtContatto", this);
    txtCel = Campo("txtCel", this);

    auto *griglia = new QGridLayout;
    griglia->setContentsMargins(32, 20, 32, 16);
    griglia->setHorizontalSpacing(16);
    griglia->setVerticalSpacing(4);
    struct Voce {
        const char *etichetta;
        const char *nome;
        QLineEdit *campo;
    };
    const Voce voci[] = {{"Data appuntamento:", "lblData", txtData},
                         {"Ora appuntamento:", "lblOra", txtOra},
                         {"Cognome e nome:", "lblContatto", txtContatto},
                         {"Cellulare:", "lblCel", txtCel}};
    int riga = 0;
    for (const Voce &v : voci) {
        auto *l = new QLabel(QString::fromUtf8(v.etichetta), this);
        l->setObjectName(QString::fromLatin1(v.nome));
        l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
        l->setBuddy(v.campo);
        // Date and time side by side, name and number on the rows below.
        const int r = riga < 2 ? 0 : (riga - 1) * 2;
        const int c = riga == 1 ? 1 : 0;
        griglia->addWidget(l, r, c, 1, riga < 2 ? 1 : 2);
        griglia->addWidget(v.campo, r + 1, c, 1, riga < 2 ? 1 : 2);
        ++riga;
    }
    auto *lblTesto = new QLabel(QStringLiteral("Messaggio:"), this);
    lblTesto->setObjectName(QStringLiteral("lblTesto"));
    lblTesto->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    lblMessaggio = new QLabel(this);
    lblMessaggio->setObjectName(QStringLiteral("lblMessaggio"));
    lblMessaggio->setWordWrap(true);
    lblMessaggio->setTextFormat(Qt::PlainText);
    lblMessaggio->setStyleSheet(QStringLiteral(
        "QLabel#lblMessaggio { background: #EAF7EF; border: 1px solid #BFE3CC; border-radius: 6px;"
        " padding: 8px 10px; color: #1E2A36; }"));
    griglia->addWidget(lblTesto, 6, 0, 1, 2);
    griglia->addWidget(lblMessaggio, 7, 0, 1, 2);
    griglia->setRowStretch(8, 1);

    QWidget *piede = Piede();
    btnChiudi = Stile::Pulsante(QStringLiteral("Annulla"), QStringLiteral("btnChiudi"), piede);
    btnWhatsApp = Stile::Pulsante(QStringLiteral("Invia messaggio"), QStringLiteral("btnWhatsApp"), piede,
                                  Stile::IconaPulsante(Stile::Simbolo::WhatsApp, Qt::white, devicePixelRatioF()),
                                  170);
    btnWhatsApp->setIconSize(QSize(18, 18));
    Stile::Principale(btnWhatsApp);
    auto *pulsanti = static_cast<QHBoxLayout *>(piede->layout());
    pulsanti->addStretch(1);
    pulsanti->addWidget(btnChiudi);
    pulsanti->addWidget(btnWhatsApp);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(testata);
    colonna->addLayout(griglia, 1);
    colonna->addWidget(piede);

    setTabOrder(btnWhatsApp, btnChiudi);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmWhatsApp_Message::btnChiudiClick);
    connect(btnWhatsApp, &QPushButton::clicked, this, &TfrmWhatsApp_Message::btnWhatsAppClick);
}

void TfrmWhatsApp_Message::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this);
    lblMessaggio->setText(TestoPromemoriaWhatsApp(Trim(txtOra->text()), Trim(txtData->text())));
    btnWhatsApp->setFocus();
}

void TfrmWhatsApp_Message::btnChiudiClick()
{
    reject();
}

void TfrmWhatsApp_Message::btnWhatsAppClick()
{
    // The address is percent-encoded (ui/WhatsApp.h): the page gets the
    // text exactly, blanks and apostrophe included.
    InviaWhatsApp(Trim(txtCel->text()), TestoPromemoriaWhatsApp(Trim(txtOra->text()), Trim(txtData->text())));
    accept();
}

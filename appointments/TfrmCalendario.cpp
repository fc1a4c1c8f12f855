#include "appointments/TfrmCalendario.h"

#include "appointments/TfrmArchivio_Scadenze.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "ui/ScrittoriCliente.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget *owner) : Stile::TDialogo(owner, QSize(380, 360))
{
    ImpostaFormati();
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    setModal(true);

    auto *etichetta = new QLabel(QStringLiteral("Importare una data:"), this);
    etichetta->setObjectName(QStringLiteral("lblImporta"));
    etichetta->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 11, true));
    etichetta->setStyleSheet(QStringLiteral("color: #143E6E;"));

    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setSelectedDate(Oggi());

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    QWidget *piede = Piede();
    btnAnnulla = Stile::Pulsante(QStringLiteral("Annulla"), QStringLiteral("btnAnnulla"), piede);
    btnImportaData = Stile::Pulsante(QStringLiteral("Importa"), QStringLiteral("btnImportaData"), piede,
                                     Stile::IconaPulsante(Stile::Simbolo::Calendario, Qt::white, devicePixelRatioF()));
    btnImportaData->setIconSize(QSize(18, 18));
    Stile::Principale(btnImportaData);
    auto *riga = static_cast<QHBoxLayout *>(piede->layout());
    riga->addStretch(1);
    riga->addWidget(btnAnnulla);
    riga->addWidget(btnImportaData);

    auto *cima = new QVBoxLayout;
    cima->setContentsMargins(24, 18, 24, 14);
    cima->setSpacing(8);
    cima->addWidget(etichetta);
    cima->addWidget(calAppuntamenti, 1);

    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addLayout(cima, 1);
    colonna->addWidget(piede);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
    // A double click on a day imports it, as "Importa" does.
    connect(calAppuntamenti, &QCalendarWidget::activated, this, &TfrmCalendario::btnImportaDataClick);
}

void TfrmCalendario::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this, parentWidget());
    calAppuntamenti->setFocus();
}

void TfrmCalendario::btnImportaDataClick()
{
    if (lblMemory->text() != QLatin1String("data")) return;
    if (auto *scheda = FinestraSopra<TfrmArchivio_Scadenze>(parentWidget()))
        scheda->txtData->setText(ScriviData(calAppuntamenti->selectedDate()));
    accept();
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}

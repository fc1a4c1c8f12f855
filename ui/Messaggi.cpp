#include "ui/Messaggi.h"

#include "storage/TArchivio.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString TitoloBox()
{
    return QStringLiteral(" Pratovia");
}

QMessageBox::StandardButton Mostra(QWidget *parent, QMessageBox::Icon icona, const QString &text,
                                   QMessageBox::StandardButtons bottoni,
                                   QMessageBox::StandardButton predefinito)
{
    QMessageBox box(icona, TitoloBox(), text, bottoni, parent ? parent : QApplication::activeWindow());
    box.setDefaultButton(predefinito);
    box.setTextFormat(Qt::PlainText);
    if (auto *b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Annulla"));
    if (auto *b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("Sì"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

namespace Msg {

void Avviso(QWidget *parent, const QString &text)
{
    Mostra(parent, QMessageBox::Warning, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

void Errore(QWidget *parent, const QString &text)
{
    Mostra(parent, QMessageBox::Critical, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

void Informazione(QWidget *parent, const QString &text)
{
    Mostra(parent, QMessageBox::Information, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
}

bool Domanda(QWidget *parent, const QString &text)
{
    return Mostra(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           != QMessageBox::No;
}

void Semplice(QWidget *parent, const QString &text)
{
    Mostra(parent, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void ErroreAccesso(QWidget *parent)
{
    Errore(parent, MSG_ACCESSO_ARCHIVIO);
}

QString FileSalvato(const QString &file)
{
    return QStringLiteral("Il file \u00E8 stato salvato in:\r\n") + QDir::toNativeSeparators(file);
}

} // namespace Msg

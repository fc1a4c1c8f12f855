#include "ui/ScrittoriCliente.h"

#include <QHash>

namespace {

bool AlDestinatario(QWidget *owner, const TSchedaCliente &r, qint64 posizione)
{
    auto *d = FinestraSopra<DestinatarioCliente>(owner);
    if (d) d->RiceviCliente(r, posizione);
    return d != nullptr;
}

QHash<QString, ScrittoreCliente> &Scrittori()
{
    static QHash<QString, ScrittoreCliente> scrittori = {
        {QStringLiteral("chiamate"), AlDestinatario},  // the call card
        {QStringLiteral("scadenze"), AlDestinatario},  // the appointment card
        {QStringLiteral("riepilogo"), AlDestinatario}, // the income request
    };
    return scrittori;
}

} // namespace

void RegistraScrittoreCliente(const QString &modo, ScrittoreCliente scrittore)
{
    Scrittori().insert(modo, std::move(scrittore));
}

ScrittoreCliente ScrittorePerModo(const QString &modo)
{
    return Scrittori().value(modo);
}

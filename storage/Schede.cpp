#include "storage/Schede.h"

#include "storage/Testo.h"

#include <QStringList>

QString NomeFileServizi(const QString &posizione)
{
    return QStringLiteral("Servizi_Cliente_") + Trim(posizione) + QStringLiteral(".pro");
}

const QStringList &NomiMesi()
{
    static const QStringList mesi = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"), QStringLiteral("Maggio"), QStringLiteral("Giugno"),
        QStringLiteral("Luglio"), QStringLiteral("Agosto"), QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return mesi;
}

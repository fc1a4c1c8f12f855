#include "storage/Schede.h"

#include "storage/Testo.h"

#include <QStringList>

QString NomeFileServizi(const QString &posizione)
{
    return QStringLiteral("Servizi_Cliente_") + Trim(posizione) + QStringLiteral(".pro");
}

namespace {
QStringList DueCifre(int da, int a)
{
    QStringList l;
    for (int k = da; k <= a; ++k) l << QStringLiteral("%1").arg(k, 2, 10, QChar(u'0'));
    return l;
}
} // namespace

const QStringList &GiorniDelMese()
{
    static const QStringList l = DueCifre(1, 31);
    return l;
}

const QStringList &OreDelGiorno()
{
    static const QStringList l = DueCifre(0, 23);
    return l;
}

const QStringList &MinutiDellOra()
{
    static const QStringList l = DueCifre(0, 59);
    return l;
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

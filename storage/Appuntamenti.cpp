#include "storage/Appuntamenti.h"

#include "storage/Formati.h"

namespace {
using A = TSchedaAppuntamento;
}

QString FileAppuntamenti()
{
    return QString::fromLatin1(LayoutAppuntamento::NomeFile);
}

QString ChiaveAppuntamento(const char *record)
{
    const QString data = A::Leggi(record, A::Data);
    return data.mid(6, 4) + data.mid(3, 2) + data.left(2) + A::Leggi(record, A::OreApp)
           + A::Leggi(record, A::MinutiApp);
}

std::optional<QDate> DataAppuntamento(const char *record)
{
    const QDate d = LeggiData(A::Leggi(record, A::Data));
    if (!d.isValid()) return std::nullopt;
    return d;
}

std::optional<bool> Imminente(const char *record, const QDate &oggi)
{
    const std::optional<QDate> data = DataAppuntamento(record);
    if (!data) return std::nullopt;
    bool numero = false;
    const int avviso = A::Leggi(record, A::Avviso).toInt(&numero);
    if (!numero) return std::nullopt;
    return OttemperataE(record, kNo) && data->addDays(-avviso) <= oggi;
}

bool OttemperataE(const char *record, const QString &valore)
{
    return A::Leggi(record, A::Ottemperata) == valore;
}

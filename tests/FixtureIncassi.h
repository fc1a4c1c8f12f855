#pragma once
// Appointments written into "Archivio_Appuntamenti.pro" of the test's program
// folder, for the income summary tests.
#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace Incassi {

struct Appuntamento {
    QString data;
    QString ore, minuti;
    QString causale;
    QString contatto;
    QString importo = QStringLiteral("0,00");
    QString cel = QStringLiteral("3331234567");
    QString ottemperata = QStringLiteral("No");
};

inline void Scrivi(const QList<Appuntamento> &appuntamenti)
{
    using A = TSchedaAppuntamento;
    TArchivio a;
    a.Open(QStringLiteral("Archivio_Appuntamenti.pro"), A::Dimensione);
    for (const Appuntamento &x : appuntamenti) {
        A r;
        r.Set(A::Data, x.data);
        r.Set(A::OreApp, x.ore);
        r.Set(A::MinutiApp, x.minuti);
        r.Set(A::Ora, x.ore + QLatin1Char(':') + x.minuti);
        r.Set(A::Avviso, QStringLiteral("3"));
        r.Set(A::Causale, x.causale);
        r.Set(A::Contatto, x.contatto);
        r.Set(A::Cel, x.cel);
        r.Set(A::Importo, x.importo);
        r.Set(A::Ottemperata, x.ottemperata);
        a.Append(r);
    }
    a.Close();
}

// The client column of each line, trimmed.
inline QStringList Clienti(const QStringList &righe)
{
    static const QRegularExpression re(QStringLiteral("  Cliente: (.{24})  Cel\\. "));
    QStringList c;
    for (const QString &r : righe) c << re.match(r).captured(1).trimmed();
    return c;
}

} // namespace Incassi

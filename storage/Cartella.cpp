#include "storage/Cartella.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &CartellaImpostata()
{
    static QString c;
    return c;
}
QDateTime &OrologioFisso()
{
    static QDateTime t;
    return t;
}
QString ConSeparatore(QString s)
{
    s = QDir::toNativeSeparators(s);
    if (!s.endsWith(QDir::separator())) s.append(QDir::separator());
    return s;
}
} // namespace

QString CartellaProgramma()
{
    if (!CartellaImpostata().isEmpty()) return CartellaImpostata();
    static const QString cartella = ConSeparatore(QCoreApplication::applicationDirPath());
    return cartella;
}

void ImpostaCartellaProgramma(const QString &folder)
{
    CartellaImpostata() = folder.isEmpty() ? QString() : ConSeparatore(folder);
}

QDateTime Adesso()
{
    return OrologioFisso().isValid() ? OrologioFisso() : QDateTime::currentDateTime();
}

QDate Oggi()
{
    return Adesso().date();
}

void ImpostaOrologio(const QDateTime &when)
{
    OrologioFisso() = when;
}

#include "output/ModelliReport.h"

#include <QFile>
#include <stdexcept>

// The resource is compiled into the program's static library; naming it here
// keeps the linker from dropping it.
static void RegistraModelli()
{
    static const bool fatto = [] {
        Q_INIT_RESOURCE(reports);
        return true;
    }();
    (void)fatto;
}

QByteArray ModelloReport(const QString &nome)
{
    RegistraModelli();
    QFile f(QStringLiteral(":/reports/") + nome + QStringLiteral(".json"));
    if (nome.isEmpty() || !f.open(QIODevice::ReadOnly))
        throw std::invalid_argument("modello di stampa mancante: " + nome.toStdString());
    return f.readAll();
}

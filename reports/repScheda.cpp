#include "reports/repScheda.h"

#include "output/ModelliReport.h"

QByteArray ModelloScheda()
{
    return ModelloReport(QStringLiteral("repScheda"));
}

#include "reports/Modelli.h"

#include "output/ModelliReport.h"

QByteArray ModelloRiepilogoDati()
{
    return ModelloReport(QStringLiteral("RiepilogoDati"));
}

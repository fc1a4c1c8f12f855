#include "output/Riepilogo.h"

#include "output/Report.h"

void CompilaRiepilogo(TReport &frxReport, const QString &titolo, const QStringList &righe,
                      const QStringList &righeAggiuntive)
{
    if (TReportMemo *m = frxReport.TrovaMemo(QStringLiteral("txtTitolo"))) m->ImpostaTesto(titolo);
    TReportMemo *corpo = frxReport.TrovaMemo(QStringLiteral("txtRiepilogo"));
    if (!corpo) return;
    corpo->Svuota();
    corpo->righe.reserve(righe.size() + righeAggiuntive.size());
    for (const QString &r : righe) corpo->Aggiungi(r);
    for (const QString &r : righeAggiuntive) corpo->Aggiungi(r);
    corpo->ImpostaAltezza(corpo->Righe().size() * kAltezzaRigaRiepilogo);
    if (TReportBanda *b = frxReport.TrovaBanda(QStringLiteral("MasterData")))
        b->ImpostaAltezza(corpo->height + 10);
}

bool StampaRiepilogo(TReport &frxReport, const QString &titolo, const QStringList &righe,
                     const QStringList &righeAggiuntive, QWidget *parent)
{
    CompilaRiepilogo(frxReport, titolo, righe, righeAggiuntive);
    frxReport.Prepara(parent);
    return frxReport.Stampa(parent);
}

#include "output/Riepilogo.h"

#include "output/Report.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

QStringList ColonneCompatte(const QStringList &righe)
{
    qsizetype larga = 0;
    for (const QString &r : righe) larga = std::max(larga, r.size());
    // A column is blank when no line has anything but a blank there.
    std::vector<bool> vuota(size_t(larga), true);
    for (const QString &r : righe)
        for (qsizetype c = 0; c < r.size(); ++c)
            if (r[c] != u' ') vuota[size_t(c)] = false;
    // Keep two blanks of each run of shared blank columns.
    std::vector<bool> tieni(size_t(larga), true);
    qsizetype corsa = 0;
    for (qsizetype c = 0; c < larga; ++c) {
        corsa = vuota[size_t(c)] ? corsa + 1 : 0;
        if (corsa > 2) tieni[size_t(c)] = false;
    }
    QStringList out;
    out.reserve(righe.size());
    for (const QString &r : righe) {
        QString t;
        t.reserve(r.size());
        for (qsizetype c = 0; c < r.size(); ++c)
            if (tieni[size_t(c)]) t += r[c];
        out.append(t);
    }
    return out;
}

double PuntiPerLarghezza(const QStringList &righe, double larghezza)
{
    qsizetype lunga = 1;
    for (const QString &r : righe) lunga = std::max(lunga, r.size());
    // A fixed-pitch character is 0.6 of the point size wide; 96 units an inch.
    const double punti = larghezza / (double(lunga) * 0.6 * 96.0 / 72.0);
    return std::clamp(std::floor(punti * 2) / 2, 8.0, 12.0);
}

bool StampaRiepilogoLeggibile(TReport &frxReport, const QString &titolo, const QStringList &righe,
                              const QStringList &righeAggiuntive, QWidget *parent)
{
    const QStringList compatte = ColonneCompatte(righe);
    CompilaRiepilogo(frxReport, titolo, compatte, righeAggiuntive);
    if (TReportMemo *corpo = frxReport.TrovaMemo(QStringLiteral("txtRiepilogo"))) {
        const double base = corpo->font.pointSizeF() > 0 ? corpo->font.pointSizeF() : 8.0;
        const double punti = PuntiPerLarghezza(compatte + righeAggiuntive, corpo->width - 2 * corpo->margineX);
        const double riga = kAltezzaRigaRiepilogo * punti / base;
        corpo->font.setPointSizeF(punti);
        corpo->interlinea = riga;
        corpo->ImpostaAltezza(corpo->Righe().size() * riga);
        if (TReportBanda *b = frxReport.TrovaBanda(QStringLiteral("MasterData"))) b->ImpostaAltezza(corpo->height + 10);
    }
    frxReport.Prepara(parent);
    return frxReport.Stampa(parent);
}

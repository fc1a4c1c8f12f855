#include "clients/Servizi.h"

#include "storage/Cartella.h"
#include "storage/Filtri.h"
#include "storage/Formati.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QtNumeric>

using S = TSchedaServizio;

QString PercorsoServizi(const QString &posizioneCliente)
{
    return CartellaProgramma() + NomeFileServizi(posizioneCliente);
}

QString RigaServizio(const VoceServizio &v)
{
    return QStringLiteral("Data: ") + Pad(v[S::Data], 10) + QStringLiteral("   Ora: ") + Pad(v[S::Ora], 5)
           + QStringLiteral("   Servizi: ") + Pad(v[S::Servizi], 54) + QStringLiteral("  Agente: ")
           + Pad(v[S::Agente], 28) + QStringLiteral("  Costo: \u20AC ") + Trim(v[S::Importo]);
}

VoceServizio VoceDa(const TSchedaServizio &r)
{
    VoceServizio v;
    for (int c = 0; c < S::NumCampi; ++c) v[c] = r.Get(static_cast<S::Campo>(c));
    return v;
}

QString RigaServizio(const TSchedaServizio &r)
{
    return RigaServizio(VoceDa(r));
}

ElencoServizi CaricaServizi(const QString &percorso)
{
    ElencoServizi e;
    try {
        TArchivio a;
        a.OpenPath(percorso, S::Dimensione);
        S r;
        while (!a.AtEnd()) {
            a.ReadNext(r);
            const QString importo = r.Get(S::Importo);
            if (importo.isEmpty()) continue;
            e.righe.append(RigaServizio(r));
            const std::optional<qint64> c = ImportoInCentesimi(importo);
            qint64 somma = 0;
            if (c && !qAddOverflow(e.totale, *c, &somma)) e.totale = somma;
            else ++e.nonConteggiate;
        }
        a.Close();
    } catch (const EArchivio &) {
        e.completo = false;
    }
    return e;
}

QString TestoTotale(qint64 centesimi)
{
    return QStringLiteral("\u20AC ") + CentesimiInTesto(centesimi);
}

std::optional<std::pair<qint64, VoceServizio>> TrovaServizio(const QString &percorso, const QString &riga)
{
    TArchivio a;
    a.OpenPath(percorso, S::Dimensione);
    const qint64 p = TrovaRigaInArchivio<S>(a, riga, [](const S &r) { return RigaServizio(r); });
    if (p == 0) {
        a.Close();
        return std::nullopt;
    }
    S r;
    a.ReadAt(p, r);
    a.Close();
    return std::make_pair(p, VoceDa(r));
}

qint64 SalvaServizio(const QString &percorso, qint64 posizione, const VoceServizio &v)
{
    S r;
    for (int c = 0; c < S::NumCampi; ++c) r.Set(static_cast<S::Campo>(c), v[c]);
    TArchivio a;
    a.OpenPath(percorso, S::Dimensione);
    if (posizione > 0) a.WriteAt(posizione, r);
    else posizione = a.Append(r);
    a.Close();
    return posizione;
}

std::optional<int> CampoMancante(const VoceServizio &v)
{
    for (int c = 0; c < S::NumCampi; ++c)
        if (Trim(v[c]).isEmpty()) return c;
    return std::nullopt;
}

QString MessaggioCampoMancante(int campo)
{
    static const std::array<QString, S::NumCampi> testi = {
        QStringLiteral("la data in cui \u00E8 stato fornito il servizio"),
        QStringLiteral("l'ora in cui \u00E8 stato fornito il servizio"),
        QStringLiteral("i servizi forniti"),
        QStringLiteral("il nome dell'agente che ha fornito il servizio"),
        QStringLiteral("l'importo pagato dal cliente"),
    };
    if (campo < 0 || campo >= S::NumCampi) return QString();
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ")
           + testi[size_t(campo)] + u'.';
}

QString TitoloStampaServizi(const QString &cliente)
{
    return QStringLiteral("Riepilogo servizi forniti a ") + Trim(cliente);
}

QStringList RigheFinaliStampaServizi(const QString &totale)
{
    return {QString(26, u'-'), QStringLiteral("TOTALE IMPORTI:    ") + Trim(totale)};
}

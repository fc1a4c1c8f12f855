#include "appointments/SchedaAppuntamento.h"

#include "storage/Testo.h"
#include "ui/WhatsApp.h"

namespace SchedaAppuntamento {

using K = LayoutAppuntamento;

const char *const kOraNuova = "00";
const char *const kAvvisoNuovo = "0";
const char *const kImportoNuovo = "0,00";
const char *const kModello = "repDocumentoAppuntamento";

QString AvvisoLasciato(const QString &avviso)
{
    return Trim(avviso).isEmpty() ? QString::fromLatin1(kAvvisoNuovo) : avviso;
}

QString OraLasciata(const QString &testo, const QStringList &scelte)
{
    return scelte.contains(Trim(testo)) ? testo : QString();
}

std::optional<Rifiuto> Controlla(const TestiAppuntamento &t)
{
    struct Obbligo {
        K::Campo campo;
        const char *fuoco;
        const char *cosa;
    };
    static const Obbligo obblighi[] = {
        {K::Data, "txtData", "la data dell'appuntamento."},
        {K::Avviso, "txtAvviso", "i giorni di preavviso rispetto alla data dell'appuntamento."},
        {K::Causale, "txtCausale", "i servizi richiesti dal cliente."},
        {K::Contatto, "txtContatto", "il nome del cliente."},
        {K::Cel, "txtCel", "il numero di cellulare del cliente."},
    };
    for (const Obbligo &o : obblighi)
        if (Trim(t[size_t(o.campo)]).isEmpty())
            return Rifiuto{QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ")
                               + QString::fromUtf8(o.cosa),
                           o.fuoco};
    return std::nullopt;
}

QString Ora(const QString &ore, const QString &minuti)
{
    return Trim(ore) + u':' + Trim(minuti);
}

QVector<TestoMemo> Memo(const TestiAppuntamento &t, const QDateTime &quando)
{
    static const std::vector<VoceScheda> voci = {
        {"txtData", "", {K::Data}},
        {"txtOra", "", {K::OreApp, K::MinutiApp}, ":"},
        {"txtTipologia", "", {K::Tipologia}},
        {"txtCausale", "", {K::Causale}},
        {"txtDettagli", "", {K::Dettagli}},
        {"txtContatto", "", {K::Contatto}},
        {"txtTel", "", {K::Tel}},
        {"txtCel", "", {K::Cel}},
        {"txtEmail", "", {K::Email}},
        {"txtLuogo", "", {K::Luogo}},
        {"txtImporto", "", {K::Importo}},
        {"txtNote", "", {K::Note}},
        {"txtOttemperata", "", {K::Ottemperata}},
    };
    return TestiMemo(voci, t, QStringLiteral("txtCalce"), quando);
}

std::optional<Rifiuto> ControllaWhatsApp(const TestiAppuntamento &t)
{
    const QString a = QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite "
                                     "WhatsApp \u00E8 necessario indicare ");
    if (Trim(t[K::Data]).isEmpty()) return Rifiuto{a + QStringLiteral("la data."), "txtData"};
    if (Trim(t[K::Cel]).isEmpty()) return Rifiuto{a + QStringLiteral("il suo numero di cellulare."), "txtCel"};
    return std::nullopt;
}

QString TestoConferma(const TestiAppuntamento &t)
{
    return TestoConfermaWhatsApp(Ora(t[K::OreApp], t[K::MinutiApp]), Trim(t[K::Data]));
}

} // namespace SchedaAppuntamento

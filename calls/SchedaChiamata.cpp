#include "calls/SchedaChiamata.h"

#include "storage/Formati.h"
#include "storage/Schede.h"
#include "storage/Testo.h"

#include <functional>

namespace SchedaChiamata {

const QStringList &Tipi()
{
    static const QStringList l = {QStringLiteral("In entrata"), QStringLiteral("In uscita")};
    return l;
}

QString NomeMese(int mese)
{
    return mese >= 1 && mese <= 12 ? NomiMesi().at(mese - 1) : QString();
}

int NumeroMese(const QString &nome)
{
    const QString t = Trim(nome).toLower();
    for (int k = 0; k < 12; ++k)
        if (NomiMesi().at(k).toLower() == t) return k + 1;
    return 0;
}

Momento MomentoDi(const QDateTime &quando)
{
    const QDate d = quando.date();
    const QTime t = quando.time();
    auto due = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    return {due(d.day()), NomeMese(d.month()), QStringLiteral("%1").arg(d.year(), 4, 10, QChar(u'0')),
            due(t.hour()), due(t.minute())};
}

QString DataRit(const QString &giorno, const QString &mese, const QString &anno)
{
    const int m = NumeroMese(mese);
    const QString numero = m ? QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) : QString();
    return Trim(giorno) + u'/' + numero + u'/' + Trim(anno);
}

QString OraRit(const QString &ore, const QString &minuti)
{
    return Trim(ore) + u':' + Trim(minuti);
}

std::optional<Rifiuto> Controlla(const DatiSalvataggio &d)
{
    const QString giorno = Trim(d.giorno), mese = Trim(d.mese), anno = Trim(d.anno), ore = Trim(d.ore),
                  minuti = Trim(d.minuti);
    const QString indicare = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    struct Regola {
        std::function<bool()> valida;
        QString messaggio;
        const char *fuoco;
    };
    // In this order: the first that fails is the one reported.
    const Regola regole[] = {
        {[&] { return !giorno.isEmpty(); }, indicare + QStringLiteral("il giorno della chiamata."), "txtGiornoRit"},
        {[&] { return giorno.size() >= 2; }, indicare + QStringLiteral("il giorno della chiamata usando due cifre."),
         "txtGiornoRit"},
        {[&] { return !mese.isEmpty(); }, indicare + QStringLiteral("il mese della chiamata."), "txtMeseRit"},
        {[&] { return !anno.isEmpty(); }, indicare + QStringLiteral("l'anno della chiamata."), "lblAnnoRit"},
        {[&] { return anno.size() >= 4; }, indicare + QStringLiteral("l'anno della chiamata usando quattro cifre."),
         "lblAnnoRit"},
        {[&] { return !ore.isEmpty(); }, indicare + QStringLiteral("l'ora della chiamata."), "txtOreRit"},
        {[&] { return !minuti.isEmpty(); }, indicare + QStringLiteral("i minuti dell'ora della chiamata."),
         "txtMinutiRit"},
        {[&] { return ore.size() >= 2; }, indicare + QStringLiteral("l'ora della chiamata usando due cifre."),
         "txtOreRit"},
        {[&] { return minuti.size() >= 2; },
         indicare + QStringLiteral("i minuti dell'ora della vendita usando due cifre."), "txtMinutiRit"},
        {[&] { return !Trim(d.tipo).isEmpty(); },
         indicare + QStringLiteral("il tipo di chiamata (in entrata o in uscita)."), "txtTipo"},
        {[&] { return !Trim(d.oggetto).isEmpty(); }, indicare + QStringLiteral("l'oggetto della chiamata."),
         "txtOggetto"},
        {[&] { return !Trim(d.cliente).isEmpty(); }, indicare + QStringLiteral("il nome del cliente."), "txtCliente"},
        {[&] { return !Trim(d.codFisc).isEmpty(); }, indicare + QStringLiteral("il codice fiscale del cliente."),
         "txtCodFisc"},
        {[&] { return !Trim(d.telCel).isEmpty(); }, indicare + QStringLiteral("il numero di cellulare del cliente."),
         "txtTelCel"},
        {[&] { return NumeroMese(mese) != 0; },
         QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                        "Per poter salvare la scheda è necessario indicare una data valida."),
         "txtMeseRit"},
    };
    for (const Regola &r : regole)
        if (!r.valida()) return Rifiuto{r.messaggio, r.fuoco};

    const QString data = DataRit(giorno, mese, anno);
    if (!DataValida(data))
        return Rifiuto{QStringLiteral("Attenzione: la data ") + data + QStringLiteral(" non esiste.") +
                           QStringLiteral("\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida."),
                       "txtGiornoRit", true};
    return std::nullopt;
}

} // namespace SchedaChiamata

#include "income/RiepilogoIncassi.h"

#include "storage/Appuntamenti.h"
#include "storage/Formati.h"
#include "storage/Schede.h"
#include "storage/ShortText.h"
#include "storage/Testo.h"

namespace {

using A = TSchedaAppuntamento;

// The number of a month named in any case of A-Z, blanks around it allowed;
// 0 when the text names none.
int NumeroMese(const QString &testo)
{
    const QString m = Trim(MinuscoleAZ(testo));
    const QStringList &mesi = NomiMesi();
    for (int i = 0; i < mesi.size(); ++i)
        if (m == MinuscoleAZ(mesi[i])) return i + 1;
    return 0;
}

// The date of one end of the period, "dd/mm/yyyy": the day, the month's
// number and the year; empty when the month names none.
QString DataEstremo(const QString &giorno, const QString &mese, const QString &anno)
{
    const int n = NumeroMese(mese);
    if (n == 0) return QString();
    return Trim(giorno) + QLatin1Char('/') + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))
           + QLatin1Char('/') + Trim(anno);
}

int Giorno(const QDate &d)
{
    return d.isValid() ? d.year() * 10000 + d.month() * 100 + d.day() : 0;
}

// Importo as hundredths, decoded into a buffer on the stack: most cards
// are read without building a string.
std::optional<qint64> ImportoRecord(const char *record)
{
    const char *f = A::Raw(record, A::Importo);
    int len = static_cast<unsigned char>(f[0]);
    if (len > A::N(A::Importo)) len = A::N(A::Importo);
    char16_t testo[LayoutAppuntamento::N[A::Importo]];
    for (int i = 0; i < len; ++i) testo[i] = ShortText::FromCp1252(static_cast<unsigned char>(f[1 + i]));
    return ImportoInCentesimi(QStringView(testo, len));
}

} // namespace

QString GiornoAmmesso(const QString &testo)
{
    return GiorniDelMese().contains(Trim(testo)) ? testo : QString();
}

QString MeseAmmesso(const QString &testo)
{
    return NumeroMese(testo) ? testo : QString();
}

EsitoRichiesta ControllaRichiesta(const RichiestaIncassi &r)
{
    EsitoRichiesta e;
    auto avviso = [&e](const QString &testo, CampoIncassi campo) {
        e.messaggio = testo;
        e.semplice = false;
        e.fuoco = campo;
        return e;
    };
    if (r.anno.size() != 4)
        return avviso(QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
                      CampoIncassi::Anno);
    const struct {
        const QString &testo;
        const char *quale;
        CampoIncassi campo;
    } vuoti[] = {
        {r.giornoInizio, "il giorno di inizio", CampoIncassi::GiornoInizio},
        {r.meseInizio, "il mese di inizio", CampoIncassi::MeseInizio},
        {r.giornoFine, "il giorno di fine", CampoIncassi::GiornoFine},
        {r.meseFine, "il mese di fine", CampoIncassi::MeseFine},
    };
    for (const auto &v : vuoti)
        if (Trim(v.testo).isEmpty())
            return avviso(QStringLiteral("Attenzione: indicare ") + QLatin1String(v.quale)
                              + QStringLiteral(" intervallo selezionandolo dall'elenco a cascata."),
                          v.campo);

    const QString validaDopo = QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario "
                                              "indicare una data valida.");
    auto semplice = [&e](const QString &testo, CampoIncassi campo) {
        e.messaggio = testo;
        e.semplice = true;
        e.fuoco = campo;
        return e;
    };
    const QString anno = Trim(r.anno); // the year labels show it trimmed
    e.dataInizio = DataEstremo(r.giornoInizio, r.meseInizio, anno);
    e.inizio = LeggiData(e.dataInizio);
    if (!e.inizio.isValid())
        return semplice(QStringLiteral("Attenzione: la data ") + Trim(e.dataInizio)
                            + QStringLiteral(" di inizio intervallo non esiste.") + validaDopo,
                        CampoIncassi::GiornoInizio);
    e.dataFine = DataEstremo(r.giornoFine, r.meseFine, anno);
    e.fine = LeggiData(e.dataFine);
    if (!e.fine.isValid())
        return semplice(QStringLiteral("Attenzione: la data ") + Trim(e.dataFine)
                            + QStringLiteral(" di fine intervallo non esiste.") + validaDopo,
                        CampoIncassi::GiornoFine);
    if (e.inizio > e.fine)
        return semplice(QStringLiteral("Attenzione: la data di fine intervallo (") + Trim(e.dataFine)
                            + QStringLiteral(") non pu\u00f2 essere anteriore a quella di inizio intervallo (")
                            + Trim(e.dataInizio)
                            + QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario "
                                             "indicare un intervallo di tempo valido."),
                        CampoIncassi::Nessuno);
    e.valida = true;
    return e;
}

QString TestoIntervallo(const QString &dataInizio, const QString &dataFine)
{
    return QStringLiteral("Dal   ") + Trim(dataInizio) + QStringLiteral("   al   ") + Trim(dataFine);
}

QString TestoCliente(const QString &cliente)
{
    const QString t = Trim(cliente);
    return t.isEmpty() ? QStringLiteral("- - -") : t;
}

QString RigaIncasso(const char *record)
{
    static const auto parti = UnisciParti(PartiIdDataOra(), std::array{
        ParteFissa(u"  "),
        ParteCampo(A::Grezzo(A::Causale), 40),
        ParteFissa(u"  Cliente: "),
        ParteCampo(A::Grezzo(A::Contatto), 24),
        ParteFissa(u"  Cel. "),
        ParteCampo(A::Grezzo(A::Cel), 12),
        ParteFissa(u"  \u20ac "),
        ParteCampo(A::Grezzo(A::Importo)),
    });
    return ScriviRiga(record, parti);
}

SelezioneIncassi::SelezioneIncassi(const QString &cliente, const QString &servizi, const QDate &inizio,
                                   const QDate &fine)
    : filtri_({cliente, servizi}, {A::Grezzo(A::Contatto), A::Grezzo(A::Causale)}), inizio_(Giorno(inizio)),
      fine_(Giorno(fine))
{
}

bool SelezioneIncassi::Scegli(const char *record)
{
    if (!filtri_.Corrisponde(record)) return false;
    const int data = GiornoAppuntamento(record);
    if (data == 0) {
        ++illeggibili_;
        return false;
    }
    if (data < inizio_ || data > fine_) return false;
    const std::optional<qint64> importo = ImportoRecord(record);
    if (!importo) {
        ++illeggibili_;
        return false;
    }
    centesimi_ += *importo;
    return true;
}

RiepilogoIncassi LeggiRiepilogoIncassi(const QString &cliente, const QString &servizi, const QDate &inizio,
                                       const QDate &fine, const AvanzamentoLettura &avanzamento)
{
    SelezioneIncassi selezione(cliente, servizi, inizio, fine);
    const FileElenco file{FileAppuntamenti(), A::Dimensione, RigaIncasso};
    ElencoLetto elenco =
        LeggiElenco(file, [&selezione](const char *r) { return selezione.Scegli(r); }, true, avanzamento);
    RiepilogoIncassi r;
    r.righe = std::move(elenco.righe);
    r.errore = elenco.errore;
    r.centesimi = selezione.Centesimi();
    r.filtri = selezione.Filtri();
    r.illeggibili = selezione.Illeggibili();
    return r;
}

QString TitoloStampaIncassi(const QString &titTipologia)
{
    return QStringLiteral("Riepilogo incassi   -   Cliente:  ") + Trim(titTipologia);
}

QStringList RigheFinaliIncassi(const QString &intervallo, const QString &totale)
{
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            QStringLiteral("INTERVALLO SELEZIONATO:    ") + Trim(intervallo),
            QStringLiteral("TOTALE IMPORTI:            \u20ac ") + Trim(totale)};
}

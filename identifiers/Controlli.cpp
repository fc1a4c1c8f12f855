#include "identifiers/Controlli.h"

#include <QtCore/qnamespace.h>
#include <array>

#include "storage/Testo.h"

namespace {

bool Cifra(QChar c) { return c >= u'0' && c <= u'9'; }
bool LetteraAZ(QChar c) { return c >= u'A' && c <= u'Z'; }

Esito Messaggio(Verdetto v, TipoBox box, const QString &testo)
{
    Esito e;
    e.verdetto = v;
    e.box = box;
    e.testo = testo;
    e.chiudi = true;
    return e;
}

// A length or empty-field warning: the window stays open and the field gets the focus.
Esito DaCompletare(const QString &testo, const QString &campo)
{
    Esito e;
    e.verdetto = Verdetto::DaCompletare;
    e.box = TipoBox::Avviso;
    e.testo = testo;
    e.campoFuoco = campo;
    e.chiudi = false;
    return e;
}

// ------------------------------------------------------------ codice fiscale

// Values of the characters at odd positions, for "0" to "9" and "A" to "Z".
constexpr std::array<int, 10> kDispariCifre = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
constexpr std::array<int, 26> kDispariLettere = {1,  0,  5,  7,  9,  13, 15, 17, 19,
                                                 21, 2,  4,  18, 20, 11, 3,  6,  8,
                                                 12, 14, 16, 10, 22, 25, 24, 23};

// Value of one character; -1 outside "0".."Z". The signs between "9" and "A"
// count 0 at both kinds of position.
int ValoreCodFisc(QChar c, bool dispari)
{
    if (Cifra(c)) {
        const int d = c.unicode() - u'0';
        return dispari ? kDispariCifre[d] : d;
    }
    if (LetteraAZ(c)) {
        const int l = c.unicode() - u'A';
        return dispari ? kDispariLettere[l] : l;
    }
    if (c > u'9' && c < u'A') return 0;
    return -1;
}

// ---------------------------------------------------------------- partita IVA

struct Ufficio {
    const char16_t *codice;
    const char16_t *nome;
};

constexpr Ufficio kUffici[] = {
    {u"001", u"Torino"},
    {u"002", u"Vercelli"},
    {u"003", u"Novara"},
    {u"004", u"Cuneo"},
    {u"005", u"Asti"},
    {u"006", u"Alessandria"},
    {u"007", u"Aosta"},
    {u"008", u"Imperia"},
    {u"009", u"Savona"},
    {u"010", u"Genova 1"},
    {u"011", u"La Spezia"},
    {u"012", u"Varese"},
    {u"013", u"Como"},
    {u"014", u"Sondrio"},
    {u"015", u"Milano 1"},
    {u"016", u"Bergamo"},
    {u"017", u"Brescia 1"},
    {u"018", u"Pavia"},
    {u"019", u"Cremona"},
    {u"020", u"Mantova"},
    {u"021", u"Bolzano"},
    {u"022", u"Trento"},
    {u"023", u"Verona"},
    {u"024", u"Vicenza"},
    {u"025", u"Belluno"},
    {u"026", u"Treviso"},
    {u"027", u"Venezia"},
    {u"028", u"Padova"},
    {u"029", u"Rovigo"},
    {u"030", u"Udine"},
    {u"031", u"Gorizia"},
    {u"032", u"Trieste"},
    {u"033", u"Piacenza"},
    {u"034", u"Parma"},
    {u"035", u"Reggio Emilia"},
    {u"036", u"Modena"},
    {u"037", u"Bologna 1"},
    {u"038", u"Ferrara"},
    {u"039", u"Ravenna"},
    {u"040", u"Forlì"},
    {u"041", u"Pesaro"},
    {u"042", u"Ancona"},
    {u"043", u"Macerata"},
    {u"044", u"Ascoli Piceno"},
    {u"045", u"Massa Carrara"},
    {u"046", u"Lucca"},
    {u"047", u"Pistoia"},
    {u"048", u"Firenze 1"},
    {u"049", u"Livorno"},
    {u"050", u"Pisa"},
    {u"051", u"Arezzo"},
    {u"052", u"Siena"},
    {u"053", u"Grosseto"},
    {u"054", u"Perugia"},
    {u"055", u"Terni"},
    {u"056", u"Viterbo"},
    {u"057", u"Rieti"},
    {u"058", u"Roma 1"},
    {u"059", u"Latina"},
    {u"060", u"Frosinone"},
    {u"061", u"Caserta"},
    {u"062", u"Benevento"},
    {u"063", u"Napoli 1"},
    {u"064", u"Avellino"},
    {u"065", u"Salerno"},
    {u"066", u"Aquila"},
    {u"067", u"Teramo"},
    {u"068", u"Pescara"},
    {u"069", u"Chieti"},
    {u"070", u"Campobasso"},
    {u"071", u"Foggia"},
    {u"072", u"Bari"},
    {u"073", u"Taranto"},
    {u"074", u"Brindisi"},
    {u"075", u"Lecce"},
    {u"076", u"Potenza"},
    {u"077", u"Matera"},
    {u"078", u"Cosenza"},
    {u"079", u"Catanzaro"},
    {u"080", u"Reggio Calabria"},
    {u"081", u"Trapani"},
    {u"082", u"Palermo"},
    {u"083", u"Messina"},
    {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"},
    {u"086", u"Enna"},
    {u"087", u"Catania"},
    {u"088", u"Ragusa"},
    {u"089", u"Siracusa"},
    {u"090", u"Sassari"},
    {u"091", u"Nuoro"},
    {u"092", u"Cagliari"},
    {u"093", u"Pordenone"},
    {u"094", u"Isernia"},
    {u"095", u"Oristano"},
    {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"},
    {u"098", u"Brescia 2"},
    {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"},
    {u"101", u"Bologna 2"},
    {u"102", u"Napoli 2"},
    {u"120", u"Bologna 2"},
    {u"121", u"Napoli 2"},
};
static_assert(std::size(kUffici) == 104);

// ---------------------------------------------------------------- credit card

// At most n characters from the start of s, a surrogate pair counting as one
// character (as one character of the ANSI code page).
QStringView PrimiCaratteri(QStringView s, int n)
{
    qsizetype i = 0;
    for (int k = 0; k < n && i < s.size(); ++k) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ++i;
        ++i;
    }
    return s.left(i);
}

} // namespace

// ---------------------------------------------------------------- codice fiscale

QChar CarattereControlloCodFisc(QStringView primi15)
{
    if (primi15.size() != 15) return {};
    int somma = 0;
    for (qsizetype i = 0; i < primi15.size(); ++i) {
        const int v = ValoreCodFisc(primi15[i], i % 2 == 0); // position i + 1 is odd
        if (v < 0) return {};
        somma += v;
    }
    return QChar(u'A' + somma % 26);
}

EsitoCodFisc ControllaCodiceFiscale(const QString &testo)
{
    const QString c = MaiuscoleAZ(testo);
    EsitoCodFisc r;
    if (c.size() != 16) {
        static_cast<Esito &>(r) = DaCompletare(
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
            FinestraCodFisc().campo);
        return r;
    }
    r.carattereAtteso = CarattereControlloCodFisc(QStringView(c).left(15));
    if (!r.carattereAtteso.isNull() && r.carattereAtteso == c[15])
        static_cast<Esito &>(r) = Messaggio(Verdetto::Valido, TipoBox::Informazione,
                                            QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        static_cast<Esito &>(r) = Messaggio(Verdetto::Errato, TipoBox::Avviso,
                                            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    return r;
}

// ------------------------------------------------------------------- partita IVA

QString UfficioIva(QStringView codice)
{
    for (const Ufficio &u : kUffici)
        if (codice == QStringView(u.codice)) return QString::fromUtf16(u.nome);
    return {};
}

bool PartitaIvaCorretta(QStringView p)
{
    if (p.size() != 11) return false;
    for (QChar ch : p)
        if (!Cifra(ch)) return false;
    int s = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = p[i].unicode() - u'0';
        if (i % 2 == 0) {
            s += d; // positions 1, 3, 5, 7, 9
        } else {
            const int doppio = 2 * d; // positions 2, 4, 6, 8, 10
            s += doppio < 10 ? doppio : doppio - 9;
        }
    }
    return (10 - s % 10) % 10 == p[10].unicode() - u'0';
}

EsitoPartitaIva ControllaPartitaIva(const QString &testo)
{
    const QString p = MaiuscoleAZ(testo);
    EsitoPartitaIva r;
    if (p.size() != 11) {
        static_cast<Esito &>(r) = DaCompletare(
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."),
            FinestraPartitaIva().campo);
        return r;
    }
    if (PartitaIvaCorretta(p)) {
        r.codiceUfficio = p.mid(7, 3);
        r.ufficio = UfficioIva(r.codiceUfficio);
        static_cast<Esito &>(r) = Messaggio(
            Verdetto::Valido, TipoBox::Informazione,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                           "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                + r.ufficio + u'.');
    } else {
        static_cast<Esito &>(r) = Messaggio(
            Verdetto::Errato, TipoBox::Avviso,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                           "che lo ha rilasciato."));
    }
    return r;
}

// ------------------------------------------------------------------- credit card

int CodiceTipoCarta(QStringView testo)
{
    QString d;
    for (QChar c : PrimiCaratteri(testo, 20))
        if (Cifra(c)) d.append(c);
    const qsizetype n = d.size();
    if (n == 0) return 0;
    int somma = 0;
    bool raddoppia = true; // the digit just left of the last one is doubled
    for (qsizetype i = n - 2; i >= 0; --i) {
        int v = d[i].unicode() - u'0';
        if (raddoppia) {
            v *= 2;
            if (v > 9) v -= 9;
        }
        somma += v;
        raddoppia = !raddoppia;
    }
    if ((10 - somma % 10) % 10 != d[n - 1].unicode() - u'0') return 0;
    return (d[0].unicode() - u'0') - 2;
}

QString NomeTipoCarta(int codiceTipo, QStringView testo)
{
    switch (codiceTipo) {
    case 1: {
        const QString inizio = Trim(testo).left(2);
        if (inizio == u"30" || inizio == u"36" || inizio == u"38")
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (inizio == u"34" || inizio == u"37") return QStringLiteral("American Express");
        if (inizio == u"31" || inizio == u"33" || inizio == u"35") return QStringLiteral("JCB");
        return {};
    }
    case 2: return QStringLiteral("Visa");
    case 3: return QStringLiteral("MasterCard");
    case 4: return QStringLiteral("Discover");
    default: return {};
    }
}

EsitoCarta ControllaCarta(const QString &testo)
{
    EsitoCarta r;
    const QString pulito = Trim(testo);
    if (pulito.isEmpty()) {
        static_cast<Esito &>(r) = DaCompletare(
            QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                           "pulsante di controllo."),
            FinestraCarta().campo);
        return r;
    }
    r.codiceTipo = CodiceTipoCarta(testo);
    if (r.codiceTipo < 1 || r.codiceTipo > 4) {
        static_cast<Esito &>(r) = Messaggio(
            Verdetto::Errato, TipoBox::Avviso,
            QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative al tipo di carta di "
                           "credito."));
        return r;
    }
    r.tipo = NomeTipoCarta(r.codiceTipo, testo);
    if (r.tipo.isEmpty()) {
        // A number starting with 3 that passes but matches no kind: the window
        // just closes.
        static_cast<Esito &>(r) = Messaggio(Verdetto::Valido, TipoBox::Nessuno, QString());
        return r;
    }
    static_cast<Esito &>(r) = Messaggio(
        Verdetto::Valido, TipoBox::Informazione,
        QStringLiteral("Il numero di carta di credito ") + pulito + QStringLiteral(" risulta valido.")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("La carta di credito è del tipo ") + r.tipo
            + u'.');
    return r;
}

// -------------------------------------------------------------------------- IBAN

int RestoIban(QStringView testo)
{
    QString t = MaiuscoleAZ(testo);
    t.remove(u' ');
    const qsizetype iban = t.indexOf(u"IBAN");
    if (iban >= 0) t.remove(iban, 4);
    t = t.mid(4) + t.left(4);

    QString numero;
    for (QChar c : std::as_const(t)) {
        if (LetteraAZ(c)) numero += QString::number(c.unicode() - u'A' + 10);
        else if (Cifra(c)) numero += c;
        else return 0; // a piece holding it could not be read as a number
    }
    if (numero.isEmpty()) return 0;

    // Nine digits at most at a time: the remainder so far followed by as many
    // further digits as fit.
    QString resto;
    qsizetype i = 0;
    while (i < numero.size()) {
        const qsizetype prendi = 9 - resto.size();
        const QString pezzo = resto + numero.mid(i, prendi);
        i += prendi;
        resto = QString::number(pezzo.toInt() % 97);
    }
    return resto.toInt();
}

EsitoIban ControllaIban(const QString &testo)
{
    const QString t = Trim(testo);
    EsitoIban r;
    if (t.size() != 27) {
        static_cast<Esito &>(r) = DaCompletare(
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."),
            FinestraIban().campo);
        return r;
    }
    r.resto = RestoIban(t);
    if (r.resto == 1)
        static_cast<Esito &>(r) = Messaggio(Verdetto::Valido, TipoBox::Informazione,
                                            QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        static_cast<Esito &>(r) = Messaggio(Verdetto::Errato, TipoBox::Avviso,
                                            QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
    return r;
}

// ------------------------------------------------------------- the check windows

const FinestraControllo &FinestraCodFisc()
{
    static const FinestraControllo f{
        QStringLiteral("TfrmCodFisc"),
        QStringLiteral(" Controllo codice fiscale"),
        QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
        QStringLiteral("txtCodFisc"),
        16, true, false,
        QStringLiteral("Controlla"), QStringLiteral("Chiudi")};
    return f;
}

const FinestraControllo &FinestraPartitaIva()
{
    static const FinestraControllo f{
        QStringLiteral("TfrmPartitaIva"),
        QStringLiteral(" Controllo partita IVA"),
        QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
        QStringLiteral("txtPartitaIva"),
        11, false, true,
        QStringLiteral("Controlla"), QStringLiteral("Chiudi")};
    return f;
}

const FinestraControllo &FinestraCarta()
{
    static const FinestraControllo f{
        QStringLiteral("TfrmCarta"),
        QStringLiteral(" Controllo carta di credito"),
        QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
        QStringLiteral("txtNumero"),
        30, true, true,
        QStringLiteral("Controlla"), QStringLiteral("Chiudi")};
    return f;
}

const FinestraControllo &FinestraIban()
{
    static const FinestraControllo f{
        QStringLiteral("TfrmIban"),
        QStringLiteral(" Controllo IBAN"),
        QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
        QStringLiteral("txtIban"),
        27, true, false,
        QStringLiteral("Controlla"), QStringLiteral("Chiudi")};
    return f;
}

QString NormalizzaDigitazione(const QString &testo)
{
    return MaiuscoleAZ(Trim(testo));
}

AzioneTasto AzionePerTasto(bool soloCifre, int tasto, QStringView testo)
{
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) return AzioneTasto::Avanza;
    if (!soloCifre) return AzioneTasto::Passa;
    if (tasto == Qt::Key_Backspace || tasto == Qt::Key_Delete || tasto == Qt::Key_Left
        || tasto == Qt::Key_Right)
        return AzioneTasto::Passa;
    if (testo.size() == 1 && Cifra(testo[0])) return AzioneTasto::Passa;
    return AzioneTasto::Scarta;
}

bool CodFiscDaControllareComePartitaIva(const QString &codFisc)
{
    return SoloCifre(Trim(codFisc));
}

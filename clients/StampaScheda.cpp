#include "clients/StampaScheda.h"

#include "storage/Cartella.h"
#include "ui/CampiScheda.h"
#include "clients/TfrmClienti.h"
#include "output/SchedaReport.h"

const char *const kModelloScheda = "repScheda";
const char *const kFilePdfScheda = "Contatto.pdf";
const char *const kTitoloPdfScheda = "Scheda informativa";

namespace {

using C = LayoutCliente;

const char *const kTitolo = "SCHEDA ANAGRAFICA CLIENTE";

// The label of each row and the fields its value shows.
struct RigaModello {
    const char *etichetta;
    VoceScheda valore;
};

const RigaModello kRighe[24] = {
    {"Cognome e nome:", {"", "", {C::Cliente}}},
    {"Data di nascita:", {"", "", {C::DataNasc}}},
    {"Comune di nascita:", {"", "", {C::ComuneNasc, C::ProvNasc}, " "}},
    {"Sesso:", {"", "", {C::Sesso}}},
    {"Tel. preferenziale:", {"", "", {C::Recapito}}},
    {"Indirizzo di residenza:", {"", "", {C::IndirizzoRes}}},
    {"Comune di residenza:", {"", "", {C::ComuneRes, C::ProvRes}, " "}},
    {"Modalità pagamento:", {"", "", {C::Estremi}}},
    {"Tel. casa:", {"", "", {C::TelCasa}}},
    {"Tel. ufficio:", {"", "", {C::TelUff}}},
    {"Tel. cellulare:", {"", "", {C::TelCel}}},
    {"PEC:", {"", "", {C::Fax}}},
    {"E-mail:", {"", "", {C::Email}}},
    {"Codice fiscale:", {"", "", {C::CodFisc}}},
    {"Partita IVA:", {"", "", {C::PartitaIva}}},
    {"Carta di credito:", {"", "N. ", {C::Carta, C::ScadeCarta}, "  -  Scadenza: "}},
    {"IBAN:", {"", "", {C::Iban}}},
    {"Estremi documento:", {"", "", {C::Documento}}},
    {"Occupazione:", {"", "", {C::Occupazione}}},
    {"Titoli e qualifiche:", {"", "", {C::Titoli}}},
    {"Prodotti e servizi:", {"", "", {C::Prodotti}}},
    {"Zona:", {"", "", {C::Zona}}},
    {"Questioni in sospeso:", {"", "", {C::Questioni}}},
    {"Note:", {"", "", {C::Note}}},
};
constexpr int kRigaZona = 21; // 0-based
const char *const kEtichettaZonaPdf = "Zona di appartenenza:";

QString NomeMemo(const char *prefisso, int riga)
{
    return QString::fromLatin1(prefisso) + QStringLiteral("%1").arg(riga, 2, 10, QLatin1Char('0'));
}

// Every memo of the sheet in the order it is filled: the title, the 24 rows
// (label, value), the footer.
QVector<TestoMemo> MemoScheda(const TestiCliente &testi, UscitaScheda uscita, const QDateTime &quando)
{
    QVector<TestoMemo> memo;
    memo.append({QStringLiteral("txtTitolo"), QString::fromUtf8(kTitolo)});
    const QVector<RigaScheda> righe = RigheScheda(testi, uscita);
    for (int i = 0; i < righe.size(); ++i) {
        memo.append({NomeMemo("titCampo", i + 1), righe[i].etichetta});
        memo.append({NomeMemo("txtCampo", i + 1), righe[i].valore});
    }
    memo.append({QStringLiteral("txtCalce"), CalceStampa(quando)});
    return memo;
}

} // namespace

QVector<RigaScheda> RigheScheda(const TestiCliente &testi, UscitaScheda uscita)
{
    QVector<RigaScheda> righe;
    righe.reserve(24);
    for (int i = 0; i < 24; ++i) {
        const char *etichetta = i == kRigaZona && uscita == UscitaScheda::Pdf ? kEtichettaZonaPdf : kRighe[i].etichetta;
        righe.append({QString::fromUtf8(etichetta), TestoVoce(kRighe[i].valore, testi)});
    }
    return righe;
}

QString CalceScheda(const QDateTime &quando)
{
    return CalceStampa(quando);
}

void CompilaScheda(TReport &repScheda, const TestiCliente &testi, UscitaScheda uscita, const QDateTime &quando)
{
    CompilaModulo(repScheda, MemoScheda(testi, uscita, quando));
}

TestiCliente TestiScheda(const TfrmClienti *card)
{
    const std::vector<QString> testi = card->Campi().Testi();
    TestiCliente t;
    std::copy_n(testi.begin(), std::min(testi.size(), t.size()), t.begin());
    return t;
}

void AnteprimaScheda(QWidget *owner, const TestiCliente &testi)
{
    AnteprimaModulo(owner, QString::fromLatin1(kModelloScheda), MemoScheda(testi, UscitaScheda::Anteprima, Adesso()));
}

void StampaScheda(QWidget *owner, const TestiCliente &testi)
{
    StampaModulo(owner, QString::fromLatin1(kModelloScheda), MemoScheda(testi, UscitaScheda::Stampa, Adesso()));
}

void PdfScheda(QWidget *owner, const TestiCliente &testi)
{
    // pdfScheda: no dialog, no question before overwriting.
    PdfModulo(owner, QString::fromLatin1(kModelloScheda), MemoScheda(testi, UscitaScheda::Pdf, Adesso()),
              QString::fromLatin1(kFilePdfScheda), QString::fromUtf8(kTitoloPdfScheda));
}

void AnteprimaScheda(TfrmClienti *card) { AnteprimaScheda(card, TestiScheda(card)); }
void StampaScheda(TfrmClienti *card) { StampaScheda(card, TestiScheda(card)); }
void PdfScheda(TfrmClienti *card) { PdfScheda(card, TestiScheda(card)); }

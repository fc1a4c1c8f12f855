#include "clients/StampaScheda.h"

#include "storage/Cartella.h"
#include "ui/Messaggi.h"
#include "ui/TMisc.h"
#include "clients/TfrmClienti.h"
#include "output/Report.h"
#include "reports/repScheda.h"
#include "storage/Formati.h"
#include "storage/Testo.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

const char *const kFilePdfScheda = "Contatto.pdf";
const char *const kTitoloPdfScheda = "Scheda informativa";
const char *const kDomandaAperturaPdf =
    "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?";

namespace {

using C = LayoutCliente;

const char *const kTitolo = "SCHEDA ANAGRAFICA CLIENTE";
const char *const kAutore = "Pratovia";

// One row of the sheet: its label and what its value shows, `prima` + the
// first field + `unione` + the second field (each field trimmed).
struct DefinizioneRiga {
    const char *etichetta;
    int campo;
    int secondo = -1;        // -1: the row shows one field
    const char *prima = "";  // text before the first field
    const char *unione = ""; // text between the two fields
};

const DefinizioneRiga kRighe[24] = {
    {"Cognome e nome:", C::Cliente},
    {"Data di nascita:", C::DataNasc},
    {"Comune di nascita:", C::ComuneNasc, C::ProvNasc, "", " "},
    {"Sesso:", C::Sesso},
    {"Tel. preferenziale:", C::Recapito},
    {"Indirizzo di residenza:", C::IndirizzoRes},
    {"Comune di residenza:", C::ComuneRes, C::ProvRes, "", " "},
    {"Modalità pagamento:", C::Estremi},
    {"Tel. casa:", C::TelCasa},
    {"Tel. ufficio:", C::TelUff},
    {"Tel. cellulare:", C::TelCel},
    {"PEC:", C::Fax},
    {"E-mail:", C::Email},
    {"Codice fiscale:", C::CodFisc},
    {"Partita IVA:", C::PartitaIva},
    {"Carta di credito:", C::Carta, C::ScadeCarta, "N. ", "  -  Scadenza: "},
    {"IBAN:", C::Iban},
    {"Estremi documento:", C::Documento},
    {"Occupazione:", C::Occupazione},
    {"Titoli e qualifiche:", C::Titoli},
    {"Prodotti e servizi:", C::Prodotti},
    {"Zona:", C::Zona},
    {"Questioni in sospeso:", C::Questioni},
    {"Note:", C::Note},
};
constexpr int kRigaZona = 21; // 0-based
const char *const kEtichettaZonaPdf = "Zona di appartenenza:";

QString NomeMemo(const char *prefisso, int riga)
{
    return QString::fromLatin1(prefisso) + QStringLiteral("%1").arg(riga, 2, 10, QLatin1Char('0'));
}

// The report filled and laid out, ready for one output.
std::unique_ptr<TReport> SchedaPronta(QWidget *owner, const TestiCliente &testi, UscitaScheda uscita)
{
    auto repScheda = std::make_unique<TReport>(ModelloScheda());
    CompilaScheda(*repScheda, testi, uscita, Adesso());
    repScheda->Prepara(owner);
    return repScheda;
}

} // namespace

QVector<RigaScheda> RigheScheda(const TestiCliente &testi, UscitaScheda uscita)
{
    QVector<RigaScheda> righe;
    righe.reserve(24);
    for (int i = 0; i < 24; ++i) {
        const DefinizioneRiga &d = kRighe[i];
        QString valore = QString::fromUtf8(d.prima) + Trim(testi[d.campo]);
        if (d.secondo >= 0) valore += QString::fromUtf8(d.unione) + Trim(testi[d.secondo]);
        const char *etichetta = i == kRigaZona && uscita == UscitaScheda::Pdf ? kEtichettaZonaPdf : d.etichetta;
        righe.append({QString::fromUtf8(etichetta), valore});
    }
    return righe;
}

QString CalceScheda(const QDateTime &quando)
{
    return QStringLiteral("Stampa eseguita in data ") + ScriviData(quando.date()) + QStringLiteral(" alle ore ") +
           quando.time().toString(QStringLiteral("HH:mm:ss"));
}

void CompilaScheda(TReport &repScheda, const TestiCliente &testi, UscitaScheda uscita, const QDateTime &quando)
{
    repScheda.Pagina(1)->ImpostaOrientamento(QPageLayout::Portrait);
    auto imposta = [&](const QString &nome, const QString &testo) {
        if (TReportMemo *m = repScheda.TrovaMemo(nome)) m->ImpostaTesto(testo);
    };
    imposta(QStringLiteral("txtTitolo"), QString::fromUtf8(kTitolo));
    const QVector<RigaScheda> righe = RigheScheda(testi, uscita);
    for (int i = 0; i < righe.size(); ++i) {
        imposta(NomeMemo("titCampo", i + 1), righe[i].etichetta);
        imposta(NomeMemo("txtCampo", i + 1), righe[i].valore);
    }
    imposta(QStringLiteral("txtCalce"), CalceScheda(quando));
}

TestiCliente TestiScheda(const TfrmClienti *card)
{
    TestiCliente t;
    const QLineEdit *campi[] = {
        card->txtCliente,   card->txtDataNasc, card->txtComuneNasc, nullptr,           card->txtSesso,
        card->txtRecapito,  card->txtIndirizzoRes, nullptr,         card->txtComuneRes, card->txtCapRes,
        card->txtEstremi,   card->txtTelCasa,  card->txtTelUff,     card->txtTelCel,   card->txtFax,
        card->txtEmail,     card->txtCodFisc,  card->txtCarta,      card->txtScadeCarta, card->txtPartitaIva,
        card->txtIban,      card->txtDocumento, card->txtOccupazione, card->txtCivile, card->txtTitoli,
        card->txtProdotti,  card->txtZona,     card->txtQuestioni,  card->txtNote,
    };
    static_assert(std::size(campi) == C::Note + 1);
    for (int c = 0; c <= C::Note; ++c)
        if (campi[c]) t[c] = campi[c]->text();
    t[C::ProvNasc] = card->txtProvNasc->currentText();
    t[C::ProvRes] = card->txtProvRes->currentText();
    return t;
}

void AnteprimaScheda(QWidget *owner, const TestiCliente &testi)
{
    SchedaPronta(owner, testi, UscitaScheda::Anteprima)->Anteprima(owner);
}

void StampaScheda(QWidget *owner, const TestiCliente &testi)
{
    SchedaPronta(owner, testi, UscitaScheda::Stampa)->Stampa(owner);
}

void PdfScheda(QWidget *owner, const TestiCliente &testi)
{
    const std::unique_ptr<TReport> repScheda = SchedaPronta(owner, testi, UscitaScheda::Pdf);
    // pdfScheda: no dialog, no question before overwriting.
    TEsportazionePdf pdfScheda;
    pdfScheda.fileName = CartellaProgramma() + QString::fromLatin1(kFilePdfScheda);
    pdfScheda.title = QString::fromUtf8(kTitoloPdfScheda);
    pdfScheda.subject = QString::fromUtf8(kTitoloPdfScheda);
    pdfScheda.author = QString::fromUtf8(kAutore);
    pdfScheda.creator = QString::fromUtf8(kAutore);
    // A file that cannot be written (open in a reader that locks it) ends the
    // action here: there is nothing to announce or to open.
    if (!repScheda->EsportaPdf(pdfScheda)) return;
    if (Msg::Domanda(owner, QString::fromUtf8(kDomandaAperturaPdf)))
        TMisc::Open(u'"' + pdfScheda.fileName + u'"');
}

void AnteprimaScheda(TfrmClienti *card) { AnteprimaScheda(card, TestiScheda(card)); }
void StampaScheda(TfrmClienti *card) { StampaScheda(card, TestiScheda(card)); }
void PdfScheda(TfrmClienti *card) { PdfScheda(card, TestiScheda(card)); }

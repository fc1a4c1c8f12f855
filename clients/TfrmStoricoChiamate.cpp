#include "clients/TfrmStoricoChiamate.h"

#include "reports/GrigliaChiamate.h"
#include "storage/Formati.h"
#include "clients/TfrmClienti.h"
#include "storage/Schede.h"
#include "storage/Testo.h"

#include <QLineEdit>
#include <QPointer>

void RiempiStoricoChiamate(RigheGriglia &righe, const QString &codiceFiscale)
{
    const QString cercato = Trim(codiceFiscale);
    RiempiChiamate(righe, [&cercato](const char *record) {
        return TSchedaChiamata::Leggi(record, LayoutChiamata::CodFisc) == cercato;
    });
}

TfrmStoricoChiamate::TfrmStoricoChiamate(TfrmClienti *owner)
    : TfrmEsportazione(owner, Descrizione([card = QPointer<TfrmClienti>(owner)] {
                           return card ? card->txtCodFisc->text() : QString();
                       }))
{
    setObjectName(QStringLiteral("frmStoricoChiamate"));
    FormCreate();
}

void TfrmStoricoChiamate::FormCreate()
{
    // Dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
}

DescrizioneEsportazione TfrmStoricoChiamate::Descrizione(std::function<QString()> codiceFiscale)
{
    DescrizioneEsportazione d;
    d.titolo = QStringLiteral(" Storico chiamate cliente");
    d.nomeFile = QStringLiteral("Storico_Chiamate_Cliente.xls");
    d.nomeFoglio = QStringLiteral("Storico Chiamate Cliente");
    d.colonne = ColonneChiamate();
    d.intestazioni = IntestazioniChiamate();
    d.guida.titolo = QStringLiteral("Storico chiamate cliente");
    d.guida.paragrafi = {
        QStringLiteral("Il pulsante dello storico delle chiamate mostra il riepilogo di tutte le chiamate effettuate "
                       "al cliente e ricevute da lui, e permette di esportarlo in un foglio di calcolo in formato "
                       "XLS, che può essere aperto con qualsiasi programma in grado di gestire questo tipo di file, "
                       "come per esempio OpenOffice, LibreOffice o Microsoft Office."),
        QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati, basta un clic sull'icona del foglio "
                       "di calcolo per creare immediatamente un file XLS contenente le schede elencate, che può "
                       "essere aperto subito rispondendo sì alla domanda mostrata al termine dell'esportazione."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul disco con un nome a piacere."),
    };
    d.riempi = [codiceFiscale = std::move(codiceFiscale)](RigheGriglia &righe) {
        RiempiStoricoChiamate(righe, codiceFiscale ? codiceFiscale() : QString());
    };
    return d;
}

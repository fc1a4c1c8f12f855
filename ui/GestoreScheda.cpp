#include "ui/GestoreScheda.h"

#include "ui/Messaggi.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QLabel>

const QString MSG_SCHEDA_INSERITA = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString MSG_SCHEDA_MODIFICATA =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

GestoreScheda::GestoreScheda(Config c) : c_(std::move(c))
{
    record_.assign(static_cast<size_t>(c_.dimensione), 0);
    if (c_.msgInserita.isEmpty()) c_.msgInserita = MSG_SCHEDA_INSERITA;
    if (c_.msgModificata.isEmpty()) c_.msgModificata = MSG_SCHEDA_MODIFICATA;
}

void GestoreScheda::Sfoglia(Freccia f)
{
    EsitoSfoglia esito;
    try {
        TArchivio a;
        a.Open(c_.nomeFile, c_.dimensione);
        esito = ::Sfoglia(f, c_.lblPosizione->text(), a.Count());
        if (esito.tipo == EsitoSfoglia::Mostra) {
            a.ReadAt(esito.posizione, record_.data());
            a.Close();
            c_.mostra(record_.data());
            c_.lblPosizione->setText(QString::number(esito.posizione));
            return;
        }
        a.Close();
    } catch (const EArchivio &) {
        Msg::ErroreAccesso(c_.finestra);
        return;
    }
    if (esito.svuotaPosizione) c_.lblPosizione->clear();
    if (esito.tipo == EsitoSfoglia::ArchivioVuoto) Msg::Informazione(c_.finestra, MSG_ARCHIVIO_VUOTO);
}

bool GestoreScheda::MostraScheda(qint64 k)
{
    try {
        TArchivio a;
        a.Open(c_.nomeFile, c_.dimensione);
        a.ReadAt(k, record_.data());
        a.Close();
    } catch (const EArchivio &) {
        Msg::ErroreAccesso(c_.finestra);
        return false;
    }
    c_.mostra(record_.data());
    c_.lblPosizione->setText(QString::number(k));
    return true;
}

bool GestoreScheda::Salva()
{
    const QString testo = Trim(c_.lblPosizione->text());
    bool nuova = testo.isEmpty();
    qint64 p = 0;
    if (!nuova) {
        bool ok = false;
        p = testo.toLongLong(&ok);
        if (!ok || p < 1) nuova = true;
    }
    qint64 posizione = 0;
    try {
        TArchivio a;
        a.Open(c_.nomeFile, c_.dimensione);
        c_.componi(record_.data());
        if (nuova) {
            posizione = a.Append(record_.data());
        } else {
            a.WriteAt(p, record_.data());
            posizione = p;
        }
        a.Close();
    } catch (const EArchivio &) {
        Msg::ErroreAccesso(c_.finestra);
        return false;
    }
    c_.lblPosizione->setText(QString::number(posizione));
    Msg::Informazione(c_.finestra, nuova ? c_.msgInserita : c_.msgModificata);
    return true;
}

bool GestoreScheda::Raggiungibile()
{
    try {
        TArchivio a;
        a.Open(c_.nomeFile, c_.dimensione);
        a.Close();
        return true;
    } catch (const EArchivio &) {
        Msg::ErroreAccesso(c_.finestra);
        return false;
    }
}

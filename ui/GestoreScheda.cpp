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

void GestoreScheda::UsaPosizione(std::function<qint64()> leggi, std::function<void(qint64)> scrivi)
{
    leggiPosizione_ = std::move(leggi);
    scriviPosizione_ = std::move(scrivi);
}

qint64 GestoreScheda::Posizione() const
{
    if (leggiPosizione_) return leggiPosizione_();
    bool ok = false;
    const qint64 p = Trim(c_.lblPosizione->text()).toLongLong(&ok);
    return ok && p > 0 ? p : 0;
}

void GestoreScheda::ImpostaPosizione(qint64 p)
{
    if (scriviPosizione_) scriviPosizione_(p);
    else if (p > 0) c_.lblPosizione->setText(QString::number(p));
    else c_.lblPosizione->clear();
}

void GestoreScheda::Sfoglia(Freccia f)
{
    EsitoSfoglia esito;
    try {
        TArchivio a;
        a.Open(c_.nomeFile, c_.dimensione);
        const qint64 p = Posizione();
        esito = ::Sfoglia(f, p > 0 ? QString::number(p) : QString(), a.Count());
        if (esito.tipo == EsitoSfoglia::Mostra) {
            a.ReadAt(esito.posizione, record_.data());
            a.Close();
            c_.mostra(record_.data());
            ImpostaPosizione(esito.posizione);
            return;
        }
        a.Close();
    } catch (const EArchivio &) {
        Msg::ErroreAccesso(c_.finestra);
        return;
    }
    if (esito.svuotaPosizione) ImpostaPosizione(0);
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
    ImpostaPosizione(k);
    return true;
}

bool GestoreScheda::Salva()
{
    const qint64 p = Posizione();
    const bool nuova = p == 0;
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
    ImpostaPosizione(posizione);
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

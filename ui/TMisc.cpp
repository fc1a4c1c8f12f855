#include "ui/TMisc.h"

#include "ui/Messaggi.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

QString SenzaVirgolette(QString s)
{
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"')) s = s.mid(1, s.size() - 2);
    return s;
}

// "mailto:addr?k=v&k=v": every part percent-encoded on its own, so blanks,
// accented letters and the separators inside a value reach the e-mail
// program as the text they are.
QUrl MailTo(const QString &s)
{
    const QString resto = s.mid(7);
    const qsizetype q = resto.indexOf(u'?');
    const QString indirizzo = q < 0 ? resto : resto.left(q);
    QByteArray enc = "mailto:" + QUrl::toPercentEncoding(indirizzo, "@+!$'()*,;");
    if (q >= 0) {
        // Split on the known keys only: the body may itself hold "&".
        static const QStringList chiavi = {QStringLiteral("subject"), QStringLiteral("body"),
                                           QStringLiteral("cc"), QStringLiteral("bcc")};
        QString query = resto.mid(q + 1);
        QList<QPair<QString, QString>> coppie;
        while (!query.isEmpty()) {
            const qsizetype uguale = query.indexOf(u'=');
            const QString chiave = uguale < 0 ? query : query.left(uguale);
            QString valore = uguale < 0 ? QString() : query.mid(uguale + 1);
            qsizetype prossimo = -1;
            for (const QString &k : chiavi) {
                const qsizetype p = valore.indexOf(u'&' + k + u'=', 0, Qt::CaseInsensitive);
                if (p >= 0 && (prossimo < 0 || p < prossimo)) prossimo = p;
            }
            query = prossimo < 0 ? QString() : valore.mid(prossimo + 1);
            if (prossimo >= 0) valore.truncate(prossimo);
            coppie.append({chiave, valore});
        }
        char sep = '?';
        for (const auto &[k, v] : coppie) {
            enc += sep + QUrl::toPercentEncoding(k) + '=' + QUrl::toPercentEncoding(v);
            sep = '&';
        }
    }
    return QUrl::fromEncoded(enc, QUrl::StrictMode);
}

} // namespace

QUrl TMisc::UrlPer(const QString &sCommand)
{
    const QString s = SenzaVirgolette(sCommand);
    if (s.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) return MailTo(s);
    const QUrl url(s, QUrl::TolerantMode);
    const QString schema = url.scheme().toLower();
    // A drive letter ("C:") parses as a one-letter scheme: that is a path.
    if (schema.size() > 1 && !QFileInfo(s).isAbsolute()) return url;
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(s));
}

namespace {
std::function<bool(const QUrl &)> g_apri;
}

void TMisc::ImpostaApertura(std::function<bool(const QUrl &)> apri)
{
    g_apri = std::move(apri);
}

QString TMisc::MessaggioNonAperto(const QUrl &url)
{
    const QString consiglio = QStringLiteral("\n\r\n\rVerificare che nel sistema sia installato un programma adatto.");
    if (url.isLocalFile()) {
        const QString percorso = QDir::toNativeSeparators(url.toLocalFile());
        if (!QFileInfo::exists(url.toLocalFile()))
            return QStringLiteral("Attenzione: il file \"") + percorso + QStringLiteral("\" non esiste.");
        return QStringLiteral("Attenzione: il sistema non è riuscito ad aprire il file \"") + percorso
               + QStringLiteral("\".") + consiglio;
    }
    if (url.scheme().compare(QStringLiteral("mailto"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Attenzione: il sistema non è riuscito ad aprire il programma di posta elettronica.")
               + consiglio;
    return QStringLiteral("Attenzione: il sistema non è riuscito ad aprire l'indirizzo ") + url.toDisplayString()
           + QStringLiteral(".") + consiglio;
}

bool TMisc::Open(const QString &sCommand)
{
    const QUrl url = UrlPer(sCommand);
    const bool aperto = g_apri ? g_apri(url) : QDesktopServices::openUrl(url);
    if (!aperto) Msg::Avviso(nullptr, MessaggioNonAperto(url));
    return aperto;
}

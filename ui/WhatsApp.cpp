#include "ui/WhatsApp.h"

#include "ui/TMisc.h"

QString TestoConfermaWhatsApp(const QString &ora, const QString &data)
{
    return QStringLiteral("Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio alle ore ") + ora
           + QStringLiteral(" del giorno ") + data;
}

QString TestoPromemoriaWhatsApp(const QString &ora, const QString &data)
{
    return QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro studio alle ore ") + ora
           + QStringLiteral(" del giorno ") + data;
}

QUrl IndirizzoWhatsApp(const QString &cellulare, const QString &testo)
{
    // Everything but the unreserved characters is encoded: a browser must not
    // take "+" for a blank or "&" for the next key.
    const QByteArray enc = "https://web.whatsapp.com/send?phone=" + QUrl::toPercentEncoding(cellulare)
                           + "&text=" + QUrl::toPercentEncoding(testo);
    return QUrl::fromEncoded(enc, QUrl::StrictMode);
}

bool InviaWhatsApp(const QString &cellulare, const QString &testo)
{
    return TMisc::Open(QString::fromLatin1(IndirizzoWhatsApp(cellulare, testo).toEncoded()));
}

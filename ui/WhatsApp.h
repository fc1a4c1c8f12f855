#pragma once
// WhatsApp messages to a client: the appointment card's confirmation and the
// agenda's reminder open WhatsApp Web's send page with the number and the
// text ready to send.
#include <QString>
#include <QUrl>

// "Gentile Cliente, le confermiamo l'appuntamento presso il nostro studio
// alle ore " + ora + " del giorno " + data.
QString TestoConfermaWhatsApp(const QString &ora, const QString &data);
// The same with "le ricordiamo".
QString TestoPromemoriaWhatsApp(const QString &ora, const QString &data);

// https://web.whatsapp.com/send?phone=<cellulare>&text=<testo>: the number as
// it is typed, the text as it is; both percent-encoded (UTF-8), so the page
// receives exactly these texts, blanks, apostrophes, colons, slashes, "&" and
// "+" included.
QUrl IndirizzoWhatsApp(const QString &cellulare, const QString &testo);

// Asks the desktop to open the address (TMisc::Open: a warning box when
// nothing opens it); false when nothing did.
bool InviaWhatsApp(const QString &cellulare, const QString &testo);

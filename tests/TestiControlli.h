#pragma once
// Test helper: the texts the identifier checks are expected to show, written
// out here once for the check functions' tests and the windows' tests.
#include <QString>

inline const QString kCfLunghezza =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
inline const QString kCfValido = QStringLiteral("Il codice fiscale digitato è VALIDO.");
inline const QString kCfErrato = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

inline const QString kPivaLunghezza =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
// Followed by the office's town and a full stop.
inline const QString kPivaValido = QStringLiteral(
    "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA "
    "del Comune di ");
inline const QString kPivaErrato = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
    "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

inline const QString kCartaVuota = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
inline const QString kCartaErrata = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito.");
inline QString CartaValida(const QString &numero, const QString &tipo)
{
    return QStringLiteral("Il numero di carta di credito ") + numero
           + QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + tipo + u'.';
}

inline const QString kIbanLunghezza =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
inline const QString kIbanValido = QStringLiteral("L'IBAN digitato è VALIDO.");
inline const QString kIbanErrato = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

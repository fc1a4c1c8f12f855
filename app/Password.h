#pragma once
// The access password: checking it at login and changing it.
#include <QString>

// The password file, "unins000.dll" in the program folder.
QString FilePassword();

enum class EsitoLogin { Corretta, Errata, ErroreLettura };
// Compares the typed text (upper-cased A-Z and trimmed) with the stored one.
EsitoLogin VerificaPassword(const QString &digitata);

enum class EsitoCambio {
    Completato,
    VecchiaErrata,
    NonConfermata,
    TroppoLunga,      // over 255 characters: could never be stored whole
    CaratteriNonAmmessi, // a character Windows-1252 cannot hold: could never log in again
    ErroreModifica,   // the stored password could not be read
    ErroreScrittura   // read, but the new one could not be written (read-only folder)
};
EsitoCambio CambiaPassword(const QString &vecchia, const QString &nuova, const QString &conferma);

// The message each outcome shows.
QString MessaggioLogin(EsitoLogin e);
QString MessaggioCambio(EsitoCambio e);

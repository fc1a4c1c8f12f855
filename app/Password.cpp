#include "app/Password.h"

#include "storage/Cartella.h"
#include "storage/Crypt.h"
#include "storage/IniFile.h"
#include "storage/Testo.h"

namespace {
const QString kSezione = QStringLiteral("Accesso");
const QString kChiave = QStringLiteral("Valore");

// The stored password's bytes, unscrambled and trimmed; throws on an
// unreadable file or invalid stored text.
QByteArray PasswordArchiviata()
{
    QByteArray b;
    BytePassword(Trim(DecriptaPassword(IniFile::ReadString(FilePassword(), kSezione, kChiave))), b);
    return b;
}

// True when the typed text (upper-cased A-Z and trimmed) is the stored
// password: they are compared as the bytes they are stored as.
bool Uguale(const QByteArray &archiviata, const QString &digitata)
{
    QByteArray b;
    return BytePassword(Trim(MaiuscoleAZ(digitata)), b) && b == archiviata;
}
} // namespace

QString FilePassword()
{
    return CartellaProgramma() + QStringLiteral("unins000.dll");
}

EsitoLogin VerificaPassword(const QString &digitata)
{
    try {
        return Uguale(PasswordArchiviata(), digitata) ? EsitoLogin::Corretta : EsitoLogin::Errata;
    } catch (const std::exception &) {
        return EsitoLogin::ErroreLettura;
    }
}

EsitoCambio CambiaPassword(const QString &vecchia, const QString &nuova, const QString &conferma)
{
    try {
        if (!Uguale(PasswordArchiviata(), vecchia)) return EsitoCambio::VecchiaErrata;
        if (Trim(nuova) != Trim(conferma)) return EsitoCambio::NonConfermata;
        const QString da_salvare = Trim(MaiuscoleAZ(nuova));
        if (da_salvare.size() > 255) return EsitoCambio::TroppoLunga;
        QByteArray byte;
        if (!BytePassword(da_salvare, byte)) return EsitoCambio::CaratteriNonAmmessi;
        try {
            IniFile::WriteString(FilePassword(), kSezione, kChiave, CriptaPassword(da_salvare));
        } catch (const std::exception &) {
            return EsitoCambio::ErroreScrittura;
        }
        return EsitoCambio::Completato;
    } catch (const std::exception &) {
        return EsitoCambio::ErroreModifica;
    }
}

QString MessaggioLogin(EsitoLogin e)
{
    switch (e) {
    case EsitoLogin::Corretta: return QString();
    case EsitoLogin::Errata: return QStringLiteral("Attenzione: password errata.");
    case EsitoLogin::ErroreLettura:
        return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                              "password. Si consiglia di reinstallare il software.");
    }
    return QString();
}

QString MessaggioCambio(EsitoCambio e)
{
    switch (e) {
    case EsitoCambio::Completato: return QStringLiteral("Modifica della password completata con successo.");
    case EsitoCambio::VecchiaErrata: return QStringLiteral("Attenzione: vecchia password errata.");
    case EsitoCambio::NonConfermata:
        return QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                              "necessario reinserire entrambi i valori.");
    case EsitoCambio::TroppoLunga:
        return QStringLiteral("Attenzione: la nuova password è troppo lunga. Si possono usare al massimo "
                              "255 caratteri.");
    case EsitoCambio::CaratteriNonAmmessi:
        return QStringLiteral("Attenzione: la nuova password contiene caratteri che il programma non può "
                              "memorizzare. Si possono usare lettere, cifre, le lettere accentate delle lingue "
                              "dell'Europa occidentale, il simbolo \u20AC e i segni di punteggiatura; non si "
                              "possono usare lettere di altri alfabeti (come \u0141, \u0151 o \u015F), "
                              "simboli grafici ed emoji.");
    case EsitoCambio::ErroreScrittura:
        return QStringLiteral("Attenzione: il sistema non permette di salvare la nuova password.\n\r\n\r"
                              "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                              "del programma.");
    case EsitoCambio::ErroreModifica:
        return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                              "password. Si consiglia di reinstallare il software.");
    }
    return QString();
}

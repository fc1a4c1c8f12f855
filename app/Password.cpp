#include "app/Password.h"

#include "storage/Cartella.h"
#include "storage/Crypt.h"
#include "storage/IniFile.h"
#include "storage/Testo.h"

namespace {
const QString kSezione = QStringLiteral("Accesso");
const QString kChiave = QStringLiteral("Valore");

// The stored password, unscrambled and trimmed; throws on an unreadable
// file or invalid stored text.
QString PasswordArchiviata()
{
    return Trim(DecriptaPassword(IniFile::ReadString(FilePassword(), kSezione, kChiave)));
}
} // namespace

QString FilePassword()
{
    return CartellaProgramma() + QStringLiteral("unins000.dll");
}

EsitoLogin VerificaPassword(const QString &digitata)
{
    try {
        const QString archiviata = PasswordArchiviata();
        return archiviata == Trim(MaiuscoleAZ(digitata)) ? EsitoLogin::Corretta : EsitoLogin::Errata;
    } catch (const std::exception &) {
        return EsitoLogin::ErroreLettura;
    }
}

EsitoCambio CambiaPassword(const QString &vecchia, const QString &nuova, const QString &conferma)
{
    try {
        if (PasswordArchiviata() != Trim(MaiuscoleAZ(vecchia))) return EsitoCambio::VecchiaErrata;
        if (Trim(nuova) != Trim(conferma)) return EsitoCambio::NonConfermata;
        const QString da_salvare = Trim(MaiuscoleAZ(nuova));
        if (da_salvare.size() > 255) return EsitoCambio::TroppoLunga;
        for (QChar c : da_salvare)
            if (c.unicode() > 255) return EsitoCambio::CaratteriNonAmmessi;
        IniFile::WriteString(FilePassword(), kSezione, kChiave, CriptaPassword(da_salvare));
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
        return QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi. Si possono "
                              "usare lettere, cifre, lettere accentate e i comuni segni di punteggiatura.");
    case EsitoCambio::ErroreModifica:
        return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                              "password. Si consiglia di reinstallare il software.");
    }
    return QString();
}

// The INI key editor on arbitrary file contents, section and key names and
// values: the edit never touches a byte outside the line it writes or adds,
// and reading the key back gives the value written.
#include "Comune.h"

#include "storage/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// A name or value the editor can write and read back unchanged: printable
// ASCII, no line end, no blanks around, and none of the characters that make
// a line a header, a comment or a key.
bool Semplice(const QByteArray &t, bool valore)
{
    if (t.isEmpty() || t != t.trimmed()) return false;
    for (char c : t) {
        if (valore && c == ' ') continue;
        if (c < 0x21 || c > 0x7E) return false;
        if (!valore && (c == '[' || c == ']' || c == '=' || c == ';')) return false;
    }
    if (valore && t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front()) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    FuzzedDataProvider d(data, size);
    const QByteArray sezione = Byte(d, 40);
    const QByteArray chiave = Byte(d, 40);
    const QByteArray valore = Byte(d, 80);
    const QByteArray contenuto = Byte(d, 4000);

    const QByteArray nuovo = IniFile::WithValue(contenuto, sezione, chiave, valore);
    VERIFICA(nuovo.contains(chiave + '=' + valore));
    // a missing section is added at the end, after the content as it was
    if (!nuovo.startsWith(contenuto)) VERIFICA(nuovo.size() >= chiave.size() + valore.size() + 1);

    const QString percorso = dir.filePath(QStringLiteral("impostazioni.ini"));
    {
        QFile f(percorso);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(nuovo);
    }
    const QString letto =
        IniFile::ReadString(percorso, QString::fromLatin1(sezione), QString::fromLatin1(chiave));
    if (Semplice(sezione, false) && Semplice(chiave, false) && Semplice(valore, true) && !contenuto.contains('\r')
        && !contenuto.contains('\0')) {
        VERIFICA(letto == QString::fromLatin1(valore));
        // writing the same value again changes nothing
        VERIFICA(IniFile::WithValue(nuovo, sezione, chiave, valore) == nuovo);
    }
    return 0;
}

// The password routines on arbitrary texts and stored values: scrambling
// gives two upper-case hexadecimal digits per character and unscrambles to
// the same bytes; any stored text either unscrambles or is refused with
// ECrypt, never anything else.
#include "Comune.h"

#include "storage/Crypt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider d(data, size);
    const QString testo = Testo(d, 600);
    const QString hex = CriptaPassword(testo);
    VERIFICA(hex.size() == 2 * testo.size());
    for (QChar c : hex) VERIFICA((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
    const QString indietro = DecriptaPassword(hex);
    VERIFICA(indietro.size() == testo.size());
    VERIFICA(DecriptaPassword(hex.toLower()) == indietro);
    QByteArray b, bIndietro;
    VERIFICA(BytePassword(indietro, bIndietro)); // every stored byte is a password character
    if (BytePassword(testo, b)) {
        VERIFICA(b == bIndietro);
        VERIFICA(CriptaPassword(indietro) == hex);
    }

    const QString archiviato = Testo(d, 600);
    try {
        const QString t = DecriptaPassword(archiviato);
        VERIFICA(t.size() == archiviato.size() / 2);
        for (QChar c : t) VERIFICA(c.unicode() <= 0xFF);
    } catch (const ECrypt &) {
    }
    return 0;
}

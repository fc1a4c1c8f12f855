// Text fields written from arbitrary texts: what is stored is the text's
// best fit in Windows-1252, cut to the field, and reads back as such; every
// byte decodes to one character and encodes back to that byte.
#include "Comune.h"

#include "storage/ShortText.h"
#include "storage/Testo.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider d(data, size);
    const int n = d.ConsumeIntegralInRange(1, 250);
    const QString testo = Testo(d, 800);

    const QByteArray b = ShortText::Encode(testo);
    const QString somigliante = ShortText::BestFit(testo);
    VERIFICA(ShortText::Decode(b) == somigliante);
    VERIFICA(ShortText::Encode(somigliante) == b); // a best fit is stored exactly
    VERIFICA(b.size() <= testo.size());
    const QString conTrattino = ShortText::BestFit(testo, '_');
    VERIFICA(conTrattino.size() == somigliante.size());

    std::array<char, 252> campo;
    campo.fill('#');
    ShortText::Write(campo.data(), n, testo);
    VERIFICA(static_cast<unsigned char>(campo[0]) <= n);
    for (int i = 1 + static_cast<unsigned char>(campo[0]); i <= n; ++i) VERIFICA(campo[size_t(i)] == 0);
    VERIFICA(campo[size_t(n) + 1] == '#');
    const QString letto = ShortText::Read(campo.data(), n);
    VERIFICA(letto == Trim(ShortText::BestFit(Trim(testo)).left(n)));

    const QByteArray riferimenti = ShortText::EncodeWithCharRefs(testo);
    VERIFICA(riferimenti.size() >= b.size());
    return 0;
}

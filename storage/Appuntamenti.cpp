#include "storage/Appuntamenti.h"

#include "storage/ElencoRecord.h"
#include "storage/Formati.h"
#include "storage/ShortText.h"

namespace {
using A = TSchedaAppuntamento;
}

QString FileAppuntamenti()
{
    return QString::fromLatin1(LayoutAppuntamento::NomeFile);
}

QString ChiaveAppuntamento(const char *record)
{
    QString chiave;
    chiave.reserve(12);
    AggiungiChiaveAppuntamento(chiave, record);
    return chiave;
}

void AggiungiChiaveAppuntamento(QString &riga, const char *record)
{
    // The trimmed Data as bytes: Windows-1252 has one character per byte and
    // maps the bytes 0-32 to the characters 0-32, so positions in the bytes
    // are positions in the text.
    const char *f = A::Raw(record, A::Data);
    int len = static_cast<unsigned char>(f[0]);
    if (len > A::N(A::Data)) len = A::N(A::Data);
    const auto *p = reinterpret_cast<const unsigned char *>(f + 1);
    int a = 0, b = len;
    while (a < b && p[a] <= 32) ++a;
    while (b > a && p[b - 1] <= 32) --b;
    const int n = b - a;
    // QString::mid(da, quanti) on the text: what of [da, da + quanti) there is.
    auto pezzo = [&](int da, int quanti) {
        for (int i = da; i < std::min(n, da + quanti); ++i) {
            const unsigned char c = p[a + i];
            riga.append(QChar(c < 0x80 ? char16_t(c) : ShortText::FromCp1252(c)));
        }
    };
    pezzo(6, 4);
    pezzo(3, 2);
    pezzo(0, 2);
    AggiungiCampo(riga, record, {A::Offset[A::OreApp], A::N(A::OreApp)});
    AggiungiCampo(riga, record, {A::Offset[A::MinutiApp], A::N(A::MinutiApp)});
}

std::optional<QDate> DataAppuntamento(const char *record)
{
    const QDate d = LeggiData(A::Leggi(record, A::Data));
    if (!d.isValid()) return std::nullopt;
    return d;
}

std::optional<bool> Imminente(const char *record, const QDate &oggi)
{
    const std::optional<QDate> data = DataAppuntamento(record);
    if (!data) return std::nullopt;
    bool numero = false;
    const int avviso = A::Leggi(record, A::Avviso).toInt(&numero);
    if (!numero) return std::nullopt;
    return OttemperataE(record, kNo) && data->addDays(-avviso) <= oggi;
}

bool OttemperataE(const char *record, const QString &valore)
{
    return A::Leggi(record, A::Ottemperata) == valore;
}

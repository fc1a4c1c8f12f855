// Record files of every layout read from arbitrary bytes: the file through
// TArchivio (in order, block by block, at positions, appended to) and every
// field of every record decoded; a decoded field stored again reads back the
// same.
#include "Comune.h"

#include "storage/Schede.h"
#include "storage/TArchivio.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <vector>

namespace {

template <class R> void Campi(const R &r)
{
    R copia;
    for (int c = 0; c < R::NumCampi; ++c) {
        const auto campo = static_cast<typename R::Campo>(c);
        const QString v = r.Get(campo);
        VERIFICA(v.size() <= R::N(campo));
        (void)r.Flag(campo);
        (void)ShortText::RawBytes(r.Raw(campo), R::N(campo));
        copia.Set(campo, v);
        VERIFICA(copia.Get(campo) == v);
    }
}

bool Rifiutato(auto &&azione)
{
    try {
        azione();
    } catch (const EArchivio &) {
        return true;
    }
    return false;
}

template <class R> void Leggi(const QString &percorso, qint64 byte, FuzzedDataProvider &d)
{
    const qint64 attesi = byte / R::Dimensione;
    std::vector<QByteArray> record;
    {
        TArchivio a;
        a.OpenPath(percorso, R::Dimensione);
        VERIFICA(a.Count() == attesi);
        R rec;
        while (!a.AtEnd()) {
            a.ReadNext(rec);
            VERIFICA(a.Position() == qint64(record.size()) + 1);
            Campi(rec);
            record.emplace_back(rec.Buffer(), R::Dimensione);
        }
        VERIFICA(qint64(record.size()) == attesi);
        VERIFICA(Rifiutato([&] { a.ReadNext(rec); }));
    }

    TArchivio a;
    a.OpenPath(percorso, R::Dimensione);
    qint64 visti = 0;
    a.ForEach([&](const char *r, qint64 p) {
        VERIFICA(p == visti + 1);
        VERIFICA(std::memcmp(r, record[size_t(visti)].constData(), R::Dimensione) == 0);
        ++visti;
        return true;
    });
    VERIFICA(visti == attesi);

    R rec;
    for (int k = 0; k < 8 && d.remaining_bytes() > 0; ++k) {
        const qint64 p = d.ConsumeIntegralInRange<qint64>(-1, attesi + 2);
        if (p >= 1 && p <= attesi) {
            a.ReadAt(p, rec);
            VERIFICA(QByteArray(rec.Buffer(), R::Dimensione) == record[size_t(p - 1)]);
            VERIFICA(a.Position() == p);
        } else {
            VERIFICA(Rifiutato([&] { a.ReadAt(p, rec); }));
        }
    }

    // a record made of the input's bytes appended after a trailing partial one
    const std::string b = d.ConsumeBytesAsString(R::Dimensione);
    std::memset(rec.Buffer(), 0, R::Dimensione);
    std::memcpy(rec.Buffer(), b.data(), b.size());
    VERIFICA(a.Append(rec) == attesi + 1);
    VERIFICA(a.Count() == attesi + 1);
    R indietro;
    a.ReadAt(attesi + 1, indietro);
    VERIFICA(std::memcmp(indietro.Buffer(), rec.Buffer(), R::Dimensione) == 0);
    Campi(indietro);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    FuzzedDataProvider d(data, size);
    const int layout = d.ConsumeIntegralInRange(0, 3);
    const QByteArray contenuto = Byte(d, 3 * TSchedaCliente::Dimensione);
    const QString percorso = dir.filePath(QStringLiteral("archivio.pro"));
    {
        QFile f(percorso);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(contenuto);
    }
    switch (layout) {
    case 0: Leggi<TSchedaCliente>(percorso, contenuto.size(), d); break;
    case 1: Leggi<TSchedaChiamata>(percorso, contenuto.size(), d); break;
    case 2: Leggi<TSchedaAppuntamento>(percorso, contenuto.size(), d); break;
    default: Leggi<TSchedaServizio>(percorso, contenuto.size(), d); break;
    }
    return 0;
}

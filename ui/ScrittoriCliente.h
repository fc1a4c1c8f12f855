#pragma once
// Where a client chosen in the client search goes. The caller writes a mode
// word into the search's lblMemory; a double click hands each chosen card to
// the writer registered for that word, with the window that opened the
// search as `owner`. The apps register their own writers, so the search
// needs to know none of their windows:
//
//   RegistraScrittoreCliente("chiamate", [](QWidget *owner, const TSchedaCliente &r, qint64) {
//       auto *f = FinestraSopra<TfrmChiamate>(owner);
//       if (f) f->txtCliente->setText(r.Get(TSchedaCliente::Cliente));
//       return f != nullptr;
//   });
//
// The words "chiamate", "scadenze" and "riepilogo" start with a writer that
// hands the card to the nearest DestinatarioCliente among the owner and its
// parents, until their app registers its own. Any other word has no writer
// until one is registered; without one a double click loads nothing.
#include "storage/Schede.h"

#include <QString>
#include <QWidget>
#include <functional>

// A window that takes a client chosen in the search. The call card, the
// appointment card and the income request may implement it instead of
// registering a writer, e.g.
//
//   class TfrmChiamate : public QWidget, public DestinatarioCliente {
//       void RiceviCliente(const TSchedaCliente &r, qint64) override
//       {   // every value is the record field trimmed (Get)
//           txtCliente->setText(r.Get(TSchedaCliente::Cliente));
//           ...
//       }
//   };
class DestinatarioCliente
{
public:
    virtual ~DestinatarioCliente() = default;
    // `posizione`: the card's 1-based position in "Contatti.pro".
    virtual void RiceviCliente(const TSchedaCliente &r, qint64 posizione) = 0;
};

// Writes the card at `posizione` into the window that opened the search (or
// one of its parents); false when there was no such window.
using ScrittoreCliente = std::function<bool(QWidget *owner, const TSchedaCliente &r, qint64 posizione)>;

// Sets the writer of a mode word, replacing the one it had.
void RegistraScrittoreCliente(const QString &modo, ScrittoreCliente scrittore);
// The writer of a mode word; empty when the word has none.
ScrittoreCliente ScrittorePerModo(const QString &modo);

// The owner, or the nearest of its parents, of kind T; null when none is.
template <class T>
T *FinestraSopra(QWidget *owner)
{
    for (QWidget *w = owner; w; w = w->parentWidget())
        if (auto *t = dynamic_cast<T *>(w)) return t;
    return nullptr;
}

// The writer of `modo` that hands the chosen card to the nearest window of
// kind T above the owner, as `scrivi(window, card, position)`; false when
// there is none. Registered the first time only, so a writer put in its
// place later (by a test) stays:
//
//   RegistraScrittorePer<TfrmChiamate>(QStringLiteral("chiamate"),
//       [](TfrmChiamate &f, const TSchedaCliente &r, qint64) { f.RiceviCliente(r); });
template <class T, class Scrivi>
void RegistraScrittorePer(const QString &modo, Scrivi scrivi)
{
    static const bool fatto = [&] {
        RegistraScrittoreCliente(modo, [scrivi](QWidget *owner, const TSchedaCliente &r, qint64 posizione) {
            T *f = FinestraSopra<T>(owner);
            if (f) scrivi(*f, r, posizione);
            return f != nullptr;
        });
        return true;
    }();
    (void)fatto;
}

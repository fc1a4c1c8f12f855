#pragma once
// Progress of long work (preparing a long printout, writing a large export).
// Nothing is shown for work that ends within about half a second; after that
// a progress window appears over `parent` and the program keeps repainting.
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class TAvanzamento
{
public:
    TAvanzamento(QWidget *parent, const QString &testo, qint64 totale);
    ~TAvanzamento();
    TAvanzamento(const TAvanzamento &) = delete;
    TAvanzamento &operator=(const TAvanzamento &) = delete;

    // `fatti` of `totale` units are done. Cheap enough to call for every unit.
    void Passo(qint64 fatti)
    {
        if (++chiamate_ & 255) return;
        Controlla(fatti);
    }
    // The same for callers that report only now and then.
    void Aggiorna(qint64 fatti) { Controlla(fatti); }
    bool Visibile() const;

    // Delay before the window appears (tests shorten it).
    static void ImpostaRitardoMs(int ms);

private:
    void Controlla(qint64 fatti);

    QPointer<QWidget> parent_;
    QString testo_;
    qint64 totale_;
    quint32 chiamate_ = 0;
    QElapsedTimer orologio_;
    qint64 ultimoAggiornamento_ = 0;
    std::unique_ptr<QProgressDialog> finestra_;
};

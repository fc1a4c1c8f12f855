#pragma once
// Test helper for the output tests: answers the modal windows an action opens,
// in order, and keeps what each message box said.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

struct BoxRisposto {
    QString testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons bottoni;
};

class RisposteInOrdine
{
public:
    // Message boxes get the answers in order; once they run out, the last
    // one is used again. A modal window that is not a message box goes to
    // `altra` (which must close it).
    explicit RisposteInOrdine(QList<QMessageBox::StandardButton> risposte = {QMessageBox::Ok})
        : risposte_(std::move(risposte))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Controlla(); });
        timer_.start();
    }
    const QList<BoxRisposto> &Box() const { return box_; }
    QStringList Testi() const
    {
        QStringList t;
        for (const auto &b : box_) t << b.testo;
        return t;
    }
    std::function<void(QWidget *)> altra;

private:
    void Controlla()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w->property("gia_risposto").toBool()) return;
        w->setProperty("gia_risposto", true);
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            box_.append({box->text(), box->icon(), box->standardButtons()});
            const auto r = risposte_.value(qMin(box_.size() - 1, risposte_.size() - 1), QMessageBox::Ok);
            QAbstractButton *b = box->button(r);
            if (!b) b = box->buttons().value(0);
            QPointer<QAbstractButton> pb(b);
            QTimer::singleShot(0, [pb] { if (pb) pb->click(); });
        } else if (altra) {
            QPointer<QWidget> pw(w);
            QTimer::singleShot(0, [this, pw] { if (pw) altra(pw); });
        }
    }
    QList<QMessageBox::StandardButton> risposte_;
    QTimer timer_;
    QList<BoxRisposto> box_;
};

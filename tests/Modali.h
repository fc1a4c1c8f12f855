#pragma once
// Test helpers for modal windows: answering the message boxes a user action
// opens and keeping what they said; closing a window left open.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Closes whatever modal window is open when it goes out of scope, so that a
// failed check cannot leave the test waiting on it.
struct ChiudiModale {
    ~ChiudiModale()
    {
        if (QWidget *w = QApplication::activeModalWidget()) w->close();
    }
};

struct BoxVisto {
    QString testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons bottoni;
};

class RispostaBox
{
public:
    // Every box that opens while this object lives is recorded and answered
    // with `risposta` (or with its only button).
    explicit RispostaBox(QMessageBox::StandardButton risposta = QMessageBox::Ok) : risposta_(risposta)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Controlla(); });
        timer_.start();
    }
    const QList<BoxVisto> &visti() const { return visti_; }
    QStringList testi() const
    {
        QStringList t;
        for (const auto &b : visti_) t << b.testo;
        return t;
    }
    void setRisposta(QMessageBox::StandardButton r) { risposta_ = r; }
    // Called for a modal widget that is not a message box (return true when handled).
    std::function<bool(QWidget *)> altro;

private:
    void Controlla()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w) return;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (box->property("risposta_data").toBool()) return;
            box->setProperty("risposta_data", true);
            visti_.append({box->text(), box->icon(), box->standardButtons()});
            QAbstractButton *b = box->button(risposta_);
            if (!b) b = box->buttons().value(0);
            QTimer::singleShot(0, b, [b] { b->click(); });
        } else if (altro) {
            altro(w);
        }
    }
    QMessageBox::StandardButton risposta_;
    QTimer timer_;
    QList<BoxVisto> visti_;
};

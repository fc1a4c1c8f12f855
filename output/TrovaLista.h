#pragma once
// "Trova" over a result list: wires a list view, its search field txtTrova
// and its button btnTrova to the find-in-list rule (storage/Filtri.h).
// Each window that offers the find creates one and calls AzzeraRicerca()
// when it is shown.
#include <QObject>
#include <QPointer>
#include <QString>

#include <QStringList>

class QAbstractButton;
class QAbstractItemModel;
class QAbstractItemView;
class QLineEdit;
class QWidget;

extern const char *const kRicercaNonApplicabile;

// The lines of a list: column 0 of every row, in order (what the list shows
// and what its printout prints). A QStringListModel's list is shared, not copied.
QStringList RigheLista(const QAbstractItemModel *modello);

class TTrovaInLista : public QObject
{
    Q_OBJECT
public:
    // `lista` shows one line per row of column 0 of its model; the find is
    // run by a click on `btnTrova` (when given) or by btnTrovaClick().
    TTrovaInLista(QAbstractItemView *lista, QLineEdit *txtTrova, QAbstractButton *btnTrova,
                  QWidget *finestra);

    // Forgets the previous find text, so the next find starts from the top.
    void AzzeraRicerca() { precedente_->clear(); }
    QString Precedente() const { return *precedente_; }
    // Keeps the previous find text in `memoria` instead of its own, so that
    // windows made one after the other can share it (null: its own again).
    // `memoria` must outlive this object's finds.
    void UsaMemoria(QString *memoria) { precedente_ = memoria ? memoria : &proprio_; }

public slots:
    void btnTrovaClick();

private:
    QPointer<QAbstractItemView> lista_;
    QPointer<QLineEdit> txtTrova_;
    QPointer<QWidget> finestra_;
    QString proprio_;
    QString *precedente_ = &proprio_;
};

#include "output/TrovaLista.h"

#include "ui/Messaggi.h"
#include "storage/Filtri.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStringListModel>

const char *const kRicercaNonApplicabile = "Ricerca non applicabile: la lista non contiene nessuna voce.";

QStringList RigheLista(const QAbstractItemModel *modello)
{
    if (!modello) return {};
    if (auto *sl = qobject_cast<const QStringListModel *>(modello)) return sl->stringList();
    QStringList righe;
    const int n = modello->rowCount();
    righe.reserve(n);
    for (int i = 0; i < n; ++i) righe.append(modello->index(i, 0).data().toString());
    return righe;
}

TTrovaInLista::TTrovaInLista(QAbstractItemView *lista, QLineEdit *txtTrova, QAbstractButton *btnTrova,
                             QWidget *finestra)
    : QObject(finestra), lista_(lista), txtTrova_(txtTrova), finestra_(finestra)
{
    if (btnTrova) connect(btnTrova, &QAbstractButton::clicked, this, &TTrovaInLista::btnTrovaClick);
}

void TTrovaInLista::btnTrovaClick()
{
    if (!lista_ || !lista_->model() || !txtTrova_) return;
    QAbstractItemModel *modello = lista_->model();
    const int n = modello->rowCount();
    if (n == 0) {
        Msg::Semplice(finestra_, QString::fromUtf8(kRicercaNonApplicabile));
        return;
    }
    try {
        const QStringList righe = RigheLista(modello);
        QItemSelectionModel *sel = lista_->selectionModel();
        int selezionata = -1;
        if (sel) {
            const QModelIndexList scelte = sel->selectedRows();
            if (!scelte.isEmpty()) selezionata = scelte.first().row();
        }
        const EsitoTrova esito = TrovaInLista(righe, selezionata, txtTrova_->text(), *precedente_);
        if (esito.selezione >= 0 && esito.selezione < n && esito.selezione != selezionata) {
            const QModelIndex idx = modello->index(esito.selezione, 0);
            if (sel) sel->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            lista_->scrollTo(idx);
        }
    } catch (...) {
        // A failure inside the find is ignored.
    }
}

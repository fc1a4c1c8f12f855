#pragma once
// The export window: a grid filled when the window is shown and an export
// button that writes exactly what the grid holds (edited cells included) to
// a spreadsheet file in the program folder (output/FoglioExcel.h).
//
// Each export window of the program is a TfrmEsportazione configured by a
// DescrizioneEsportazione, e.g.
//
//   class TfrmExpChiamate : public TfrmEsportazione {
//       Q_OBJECT
//   public:
//       explicit TfrmExpChiamate(QWidget *owner) : TfrmEsportazione(owner, Descrizione()) {}
//       static DescrizioneEsportazione Descrizione();   // names, columns, help, fill
//   };
//
// and is used as: TfrmExpChiamate w(this); w.exec();
#include "ui/Guida.h"
#include "output/FoglioExcel.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;
namespace Stile {
class TImmagine;
}

struct ColonnaGriglia {
    QString intestazione;
    int larghezza = 100; // pixels in the grid
    bool modificabile = false;
};

struct DescrizioneEsportazione {
    QString titolo;     // window caption, e.g. " Esportazione registro chiamate in Excel"
    QString nomeFile;   // e.g. "Registro_Chiamate.xls"
    QString nomeFoglio; // e.g. "Registro Chiamate"
    int larghezzaNumero = 60;              // the "N." column
    QVector<ColonnaGriglia> colonne;       // data columns 1..k as the grid shows them
    QVector<IntestazioneExcel> intestazioni; // header cells of the file; empty: the grid's
    PaginaGuida guida;
    // Fills the grid: appends rows whose cell 0 is the row number and cells
    // 1..k the data (AggiungiRiga numbers them). A failure (exception) ends the
    // filling silently, keeping the rows added so far.
    std::function<void(RigheGriglia &righe)> riempi;
};

// Appends a row numbered after the rows already there.
void AggiungiRiga(RigheGriglia &righe, QStringList dati);

// The grid's data: column 0 "N.", then the data columns.
class TModelloGriglia : public QAbstractTableModel
{
    Q_OBJECT
public:
    TModelloGriglia(const QVector<ColonnaGriglia> &colonne, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void ImpostaRighe(RigheGriglia righe);
    const RigheGriglia &Righe() const { return righe_; }

private:
    QVector<ColonnaGriglia> colonne_; // including "N."
    RigheGriglia righe_;
};

class TfrmEsportazione : public QDialog
{
    Q_OBJECT
public:
    TfrmEsportazione(QWidget *owner, DescrizioneEsportazione descrizione);
    ~TfrmEsportazione() override;

    const DescrizioneEsportazione &Descrizione() const { return d_; }
    TModelloGriglia *Modello() const { return modello_; }

    // Handlers.
    virtual void FormShow(); // fills the grid (once, before the window first shows)
    void FormMouseMove(); // the background empties the status line
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

    QTableView *grdRecords;
    QPushButton *cmdEsporta;
    QPushButton *cmdGuida;
    QPushButton *cmdEsci;
    QLabel *icoHand;            // badge of the file type
    Stile::TImmagine *imgLogo;  // the program's banner
    QLabel *panInfo;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    DescrizioneEsportazione d_;
    TModelloGriglia *modello_;
    bool riempita_ = false;
};

extern const char *const kDomandaEsportazione;
extern const char *const kErroreEsportazione;
extern const char *const kErroreEsportazioneCartella; // the folder may not be written
// The question after an export: done, where, open it?
QString DomandaAperturaEsportazione(const QString &file);
extern const char *const kInfoEsportazione;

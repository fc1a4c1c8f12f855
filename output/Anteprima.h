#pragma once
// The print preview of a prepared report: a modal window with the buttons the
// template enables (print, zoom, full screen, page navigation, close).
// Nothing in the pages can be edited.
#include <QDialog>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolBar;
class TReport;

class TfrmAnteprimaReport : public QDialog
{
    Q_OBJECT
public:
    TfrmAnteprimaReport(TReport &report, QWidget *parent = nullptr);
    ~TfrmAnteprimaReport() override;

    QPrintPreviewWidget *Vista() const { return vista_; }
    // The toolbar action whose objectName is `nome` (btnStampa, btnZoomPiu,
    // btnZoomMeno, btnPaginaIntera, btnLarghezza, btnSchermoIntero, btnChiudi,
    // btnPrima, btnPrecedente, btnSuccessiva, btnUltima); null when the
    // template does not enable it.
    QAction *Azione(const QString &nome) const;

private:
    void Disegna(QPrinter *printer);
    void AggiornaPagina();
    QAction *Aggiungi(const QString &nome, const QString &testo, const QString &suggerimento);

    TReport &report_;
    QPrinter *printer_;
    QPrintPreviewWidget *vista_;
    QToolBar *barra_;
    QLabel *lblPagina_ = nullptr;
};

#pragma once
// The hub: the four apps, information, guide, credits, web site and exit.
#include <QPointer>
#include <QWidget>

namespace Stile {
class TImmagine;
class TScheda;
} // namespace Stile

class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // The window of app n (1 "Clienti e Servizi", 2 "Registro Chiamate",
    // 3 "Agenda Appuntamenti", 4 "Riepiloghi Incassi"). Until an app has its
    // window its tile is disabled; null disables it again.
    void ImpostaApp(int n, QWidget *finestra);
    QWidget *Applicazione(int n) const;

    Stile::TImmagine *imgTitolo;
    Stile::TImmagine *imgSottotitolo;
    Stile::TImmagine *imgApp01, *imgApp02, *imgApp03, *imgApp04;
    Stile::TImmagine *btnApp01, *btnApp02, *btnApp03, *btnApp04;
    Stile::TImmagine *imgInfo;
    Stile::TImmagine *imgGuida;
    Stile::TImmagine *imgCrediti;
    Stile::TImmagine *icoSito;
    Stile::TImmagine *imgEsci;

public slots:
    void imgApp01Click();
    void imgApp02Click();
    void imgApp03Click();
    void imgApp04Click();
    void imgInfoClick();
    void imgGuidaClick();
    void imgCreditiClick();
    void icoSitoClick();
    void imgEsciClick();

protected:
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void FormClose();
    void ApriApp(int n);
    Stile::TImmagine *Tessera(int n) const;
    Stile::TImmagine *Pulsante(int n) const;

    QPointer<QWidget> m_app[4];
    Stile::TScheda *m_schede[4];
    bool m_inChiusura = false;
};

#pragma once
// The client card: the window of the app "Clienti e Servizi".
#include "storage/Schede.h"
#include "ui/FinestraScheda.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCampiScheda;

class TfrmClienti : public TFinestraScheda
{
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *parent = nullptr);
    ~TfrmClienti() override;

    // Shows a client read from "Contatti.pro" as the stored card at
    // `posizione`: every field, the recontact box by the flag rule, the six
    // hidden attachment labels and lblPosizione. Used by browsing, by the
    // client search ("clienti" mode) and by the recontact list.
    void CaricaScheda(const TSchedaCliente &r, qint64 posizione);
    // The card's fields (one table: controls, record fields, typing rules,
    // Enter chain) and its position.
    const TCampiScheda &Campi() const { return *campi_; }

    // Fields in the order of the Enter chain.
    QLineEdit *txtCliente = nullptr, *txtDataNasc = nullptr, *txtComuneNasc = nullptr;
    QComboBox *txtProvNasc = nullptr;
    QLineEdit *txtSesso = nullptr, *txtRecapito = nullptr, *txtIndirizzoRes = nullptr;
    QComboBox *txtProvRes = nullptr;
    QLineEdit *txtComuneRes = nullptr, *txtCapRes = nullptr, *txtEstremi = nullptr, *txtTelCasa = nullptr,
              *txtTelUff = nullptr, *txtTelCel = nullptr, *txtFax = nullptr, *txtEmail = nullptr,
              *txtCodFisc = nullptr, *txtCarta = nullptr, *txtScadeCarta = nullptr, *txtPartitaIva = nullptr,
              *txtIban = nullptr, *txtDocumento = nullptr, *txtOccupazione = nullptr, *txtCivile = nullptr,
              *txtTitoli = nullptr, *txtProdotti = nullptr, *txtZona = nullptr, *txtQuestioni = nullptr,
              *txtNote = nullptr;
    QCheckBox *chkRicontatta = nullptr;
    // Hidden labels: the attachments.
    QLabel *lblFile01 = nullptr, *lblFile02 = nullptr, *lblFile03 = nullptr;
    QLabel *lblDesc01 = nullptr, *lblDesc02 = nullptr, *lblDesc03 = nullptr;

    // Picture buttons of the right-hand column (Esci and the browse bar are
    // the frame's) and the buttons beside the fields.
    QPushButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdFile = nullptr, *cmdSalva = nullptr,
                *cmdTrova = nullptr, *cmdAnteprima = nullptr, *cmdStampa = nullptr, *cmdPDF = nullptr,
                *cmdRicontatta = nullptr, *cmdEsporta = nullptr, *cmdGuida = nullptr;
    QPushButton *btnEmail = nullptr, *btnChiamate = nullptr, *btnCodFisc = nullptr, *btnCarta = nullptr,
                *btnPartitaIva = nullptr, *btnIban = nullptr, *btnProve = nullptr;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdFileClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void btnEmailClick();
    void btnChiamateClick();
    void btnCodFiscClick();
    void btnCartaClick();
    void btnPartitaIvaClick();
    void btnIbanClick();
    void btnProveClick();

protected:
    void NuovaScheda() override;
    QWidget *CampoIniziale() const override;

private:
    void ApriStoricoChiamate();
    void ApriServizi();
    std::unique_ptr<TCampiScheda> campi_;
};

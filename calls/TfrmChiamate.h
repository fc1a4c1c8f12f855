#pragma once
// The call card: the window of the app "Registro Chiamate".
#include "calls/Chiamate.h"
#include "ui/FinestraScheda.h"
#include "ui/ScrittoriCliente.h"

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCampiScheda;

// Registers the writer of the client search's "chiamate" mode, once: the
// chosen client's six contact fields go into the call card.
void RegistraScrittoriChiamate();

class TfrmChiamate : public TFinestraScheda, public DestinatarioChiamata
{
    Q_OBJECT
public:
    explicit TfrmChiamate(QWidget *parent = nullptr);
    ~TfrmChiamate() override;

    // A card picked in the call search, shown as navigation shows it.
    void CaricaChiamata(const TSchedaChiamata &r, qint64 posizione) override;
    // The client chosen in the client search: only its six contact fields.
    void RiceviCliente(const TSchedaCliente &r);
    // The card as it stands on screen, saved or not (print and preview).
    TestiChiamata Testi() const;
    const TCampiScheda &Campi() const { return *campi_; }

    // Fields in the order of the Enter chain.
    QComboBox *txtGiornoRit = nullptr, *txtMeseRit = nullptr;
    QLineEdit *lblAnnoRit = nullptr; // an edit field despite its name
    QComboBox *txtOreRit = nullptr, *txtMinutiRit = nullptr, *txtTipo = nullptr;
    QLineEdit *txtOggetto = nullptr, *txtEsito = nullptr, *txtGrado = nullptr, *txtDurata = nullptr,
              *txtCliente = nullptr, *txtCodFisc = nullptr, *txtZona = nullptr, *txtRecapito = nullptr,
              *txtTelCel = nullptr, *txtEmail = nullptr, *txtNote = nullptr, *txtOperatore = nullptr;
    // Hidden: the derived date and time.
    QLabel *lblDataRit = nullptr, *lblOraRit = nullptr;

    // The right-hand column (Esci and the browse bar are the frame's) and
    // the buttons beside the fields.
    QPushButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr,
                *cmdAnteprima = nullptr, *cmdStampa = nullptr, *cmdEsporta = nullptr, *cmdRiepOggi = nullptr,
                *cmdGuida = nullptr;
    QPushButton *impRitiro = nullptr, *impOraRit = nullptr, *impCliente = nullptr, *btnCodFisc = nullptr,
                *btnEmail = nullptr;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdRiepOggiClick();
    void cmdGuidaClick();
    void impRitiroClick();
    void impOraRitClick();
    void impClienteClick();
    void btnCodFiscClick();
    void btnEmailClick();

protected:
    void NuovaScheda() override;
    QWidget *CampoIniziale() const override;

private:
    void AzzeraSelezioni();
    std::unique_ptr<TCampiScheda> campi_;
};

#pragma once
// The appointment card: the window of the app "Schedario Appuntamenti",
// opened from the agenda. It is the only window that writes the appointment
// file.
#include "appointments/Appuntamenti.h"
#include "appointments/SchedaAppuntamento.h"
#include "ui/FinestraScheda.h"
#include "ui/ScrittoriCliente.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCampiScheda;

// Registers the writer of the client search's "scadenze" mode, once: the
// chosen client's name, telephone, mobile, e-mail and payment method go into
// the appointment card.
void RegistraScrittoriAppuntamenti();

class TfrmArchivio_Scadenze : public TFinestraScheda, public DestinatarioAppuntamento
{
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(QWidget *parent = nullptr);
    ~TfrmArchivio_Scadenze() override;

    // A card picked in the appointment search or a commitment list, shown as
    // browsing shows it.
    void CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione) override;
    // The client chosen in the client search: only its five contact fields;
    // the date, the time, the check box and the position stay.
    void RiceviCliente(const TSchedaCliente &r);
    // The card as it stands on screen, saved or not (print, preview, WhatsApp).
    TestiAppuntamento Testi() const;
    const TCampiScheda &Campi() const { return *campi_; }

    // Fields in the order of the Enter chain.
    QLineEdit *txtData = nullptr; // read-only: filled by the date picker
    QComboBox *txtOreApp = nullptr, *txtMinutiApp = nullptr;
    QLineEdit *txtAvviso = nullptr, *txtTipologia = nullptr, *txtCausale = nullptr, *txtDettagli = nullptr,
              *txtContatto = nullptr, *txtTel = nullptr, *txtCel = nullptr, *txtEmail = nullptr,
              *txtLuogo = nullptr, *txtImporto = nullptr;
    QCheckBox *chkOttemperata = nullptr;
    QLineEdit *txtNote = nullptr;
    QLabel *lblOra = nullptr; // hidden: the time stored with the card

    // The right-hand column (Esci and the browse bar are the frame's) and
    // the buttons beside the fields.
    QPushButton *cmdNuovo = nullptr, *cmdDuplica = nullptr, *cmdSalva = nullptr, *cmdTrova = nullptr,
                *cmdAssolti = nullptr, *cmdDaAssolvere = nullptr, *cmdScaduti = nullptr, *cmdAnteprima = nullptr,
                *cmdStampa = nullptr, *cmdEsporta = nullptr, *cmdGuida = nullptr;
    QPushButton *impData = nullptr, *impContatto = nullptr, *btnEmail = nullptr, *btnWhatsApp = nullptr;
    QLabel *icoIstruzioni = nullptr;

public slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAssoltiClick();
    void cmdDaAssolvereClick();
    void cmdScadutiClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void impDataClick();
    void impContattoClick();
    void btnEmailClick();
    void btnWhatsAppClick();

protected:
    void NuovaScheda() override;
    QWidget *CampoIniziale() const override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Both time boxes "00" with no list item selected.
    void OraNuova();
    // The leave rule of the field being edited, as leaving it runs it, and
    // the amount's form; false when the amount is not a number (its warning
    // shown, the focus in it).
    bool RegoleInUscita();
    std::unique_ptr<TCampiScheda> campi_;
};

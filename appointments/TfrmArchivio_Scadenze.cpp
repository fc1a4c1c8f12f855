#include "appointments/TfrmArchivio_Scadenze.h"

#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/CampiScheda.h"
#include "ui/CampoRistretto.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace A = SchedaAppuntamento;

void RegistraScrittoriAppuntamenti()
{
    RegistraScrittorePer<TfrmArchivio_Scadenze>(QStringLiteral("scadenze"), [](TfrmArchivio_Scadenze &f, const TSchedaCliente &r, qint64) {
        f.RiceviCliente(r);
    });
}

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget *parent)
    : TFinestraScheda(parent, {QStringLiteral("Schedario Appuntamenti"),
                               QStringLiteral("Gli appuntamenti con i clienti, i loro preavvisi e gli impegni assolti"),
                               QStringLiteral("Pronto per archiviare una nuova scheda..."),
                               QStringLiteral("Esci da questa schermata di lavoro.")})
{
    ImpostaFormati();
    RegistraScrittoriAppuntamenti();
    setObjectName("frmArchivio_Scadenze");
    setWindowTitle(QStringLiteral(" Pratovia - Schedario Appuntamenti"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Agenda, 64)));

    // The card's fields in Enter and Tab order, with the record fields they
    // show; their sizes are those of the record layout. Enter in the notes
    // goes back to the date, which only takes the focus there.
    using C = LayoutAppuntamento;
    namespace R = Regola;
    campi_ = std::make_unique<TCampiScheda>(TCampiScheda::Config{
        this, FormatoDi<LayoutAppuntamento>(),
        {
            {&txtData, "txtData", C::Data},
            {&txtOreApp, "txtOreApp", C::OreApp, R::SoloElenco},
            {&txtMinutiApp, "txtMinutiApp", C::MinutiApp, R::SoloElenco},
            {&txtAvviso, "txtAvviso", C::Avviso, R::SoloCifre},
            {&txtTipologia, "txtTipologia", C::Tipologia},
            {&txtCausale, "txtCausale", C::Causale},
            {&txtDettagli, "txtDettagli", C::Dettagli},
            {&txtContatto, "txtContatto", C::Contatto},
            {&txtTel, "txtTel", C::Tel},
            {&txtCel, "txtCel", C::Cel, R::SoloCifre},
            {&txtEmail, "txtEmail", C::Email, R::SenzaSpazi},
            {&txtLuogo, "txtLuogo", C::Luogo},
            {&txtImporto, "txtImporto", C::Importo, R::Importo},
            {&chkOttemperata, "chkOttemperata", C::Ottemperata},
            {&txtNote, "txtNote", C::Note},
            // Hidden: rebuilt from the time boxes when the card is saved.
            {&lblOra, "lblOra", C::Ora},
        },
        QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."),
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
    TCampiScheda::ImpostaScelte(txtOreApp, OreDelGiorno());
    TCampiScheda::ImpostaScelte(txtMinutiApp, MinutiDellOra());
    for (QComboBox *c : {txtOreApp, txtMinutiApp}) {
        c->setMaxVisibleItems(12);
        c->setFixedWidth(76);
    }
    // The date comes from the picker only; the keys it takes are sorted here,
    // before the field table's Enter chain sees them.
    txtData->setReadOnly(true);
    txtData->setFixedWidth(130);
    txtData->installEventFilter(this);
    txtAvviso->setFixedWidth(76);
    txtAvviso->installEventFilter(this);
    txtImporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtImporto->setMinimumWidth(140);
    chkOttemperata->setText(QStringLiteral("Impegno assolto"));
    Suggerisci(chkOttemperata, QStringLiteral("Spunta questa casella per indicare che l'impegno \u00E8 stato assolto."));

    // --- buttons -------------------------------------------------------------
    using S = Stile::Simbolo;
    Pulsante(cmdNuovo, "cmdNuovo", QStringLiteral("Nuovo"), Glifo(S::Nuovo),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."));
    Pulsante(cmdDuplica, "cmdDuplica", QStringLiteral("Duplica"), Glifo(S::Duplica),
             QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."));
    Pulsante(cmdSalva, "cmdSalva", QStringLiteral("Salva"), Glifo(S::Salva, Stile::Colore::Carta),
             QStringLiteral("Salva la scheda corrente in archivio."));
    Pulsante(cmdTrova, "cmdTrova", QStringLiteral("Trova"), Glifo(S::Trova),
             QStringLiteral("Trova una scheda in archivio."));
    Pulsante(cmdAssolti, "cmdAssolti", QStringLiteral("Assolti"), Glifo(S::Controlla),
             QStringLiteral("Visualizza il riepilogo degli impegni assolti."));
    Pulsante(cmdDaAssolvere, "cmdDaAssolvere", QStringLiteral("Da assolvere"), Glifo(S::Orologio),
             QStringLiteral("Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."));
    Pulsante(cmdScaduti, "cmdScaduti", QStringLiteral("Scaduti"), Glifo(S::Agenda, 0xFFC62828),
             QStringLiteral("Visualizza il riepilogo degli impegni scaduti e non assolti."));
    Pulsante(cmdAnteprima, "cmdAnteprima", QStringLiteral("Anteprima"), Glifo(S::Anteprima),
             QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."));
    Pulsante(cmdStampa, "cmdStampa", QStringLiteral("Stampa"), Glifo(S::Stampa),
             QStringLiteral("Stampa la scheda corrente."));
    Pulsante(cmdEsporta, "cmdEsporta", QStringLiteral("Esporta archivio"), Glifo(S::Esporta),
             QStringLiteral("Esporta l'archivio in un file di Excel."));
    Pulsante(cmdGuida, "cmdGuida", QStringLiteral("Guida"), Glifo(S::Guida),
             QStringLiteral("Visualizza la guida in linea."));
    Pulsante(impData, "impData", QString(), Glifo(S::Calendario), QStringLiteral("Importa la data dal calendario."));
    Pulsante(impContatto, "impContatto", QString(), Glifo(S::Indietro, 0xFFC62828),
             QStringLiteral("Importa i dati dall'archivio anagrafico dei clienti."));
    Pulsante(btnEmail, "btnEmail", QString(), Glifo(S::Email), QStringLiteral("Invia una e-mail all'indirizzo indicato."));
    Pulsante(btnWhatsApp, "btnWhatsApp", QString(), Glifo(S::WhatsApp, 0xFF1FA855),
             QStringLiteral("Invia conferma appuntamento al cliente tramite WhatsApp."));
    for (QPushButton *b : {impData, impContatto, btnEmail, btnWhatsApp}) {
        b->setToolTip(b->property("suggerimento").toString());
        b->setFixedWidth(40);
    }

    // --- layout --------------------------------------------------------------
    // Date, time and notice across the top, in one box.
    auto *grpQuando = new QGroupBox(QStringLiteral(" Data e ora dell'appuntamento: "), this);
    grpQuando->setObjectName("grpQuando");
    Sfondo(grpQuando);
    auto *gq = new QGridLayout(grpQuando);
    gq->setHorizontalSpacing(8);
    // Centred in the box when the box beside it is taller.
    gq->setRowStretch(0, 1);
    gq->setRowStretch(3, 1);
    gq->addWidget(Etichetta(QStringLiteral("Data appuntamento:")), 1, 0, 1, 2);
    gq->addWidget(txtData, 2, 0);
    gq->addWidget(impData, 2, 1);
    gq->addItem(new QSpacerItem(16, 1), 2, 2);
    gq->addWidget(Etichetta(QStringLiteral("Ore:")), 1, 3);
    gq->addWidget(Etichetta(QStringLiteral("Minuti:")), 1, 5);
    gq->addWidget(txtOreApp, 2, 3);
    auto *duePunti = new QLabel(QStringLiteral(":"), this);
    duePunti->setObjectName("lblDuePunti");
    Sfondo(duePunti);
    gq->addWidget(duePunti, 2, 4);
    gq->addWidget(txtMinutiApp, 2, 5);
    gq->addItem(new QSpacerItem(16, 1), 2, 6);
    gq->addWidget(Etichetta(QStringLiteral("Giorni di preavviso:")), 1, 7);
    gq->addWidget(txtAvviso, 2, 7);
    // Beside it, whether the commitment has been fulfilled, with a reminder
    // of what the box is for.
    auto *grpStato = new QGroupBox(QStringLiteral(" Stato dell'impegno: "), this);
    grpStato->setObjectName("grpStato");
    Sfondo(grpStato);
    auto *gs = new QVBoxLayout(grpStato);
    gs->setSpacing(4);
    gs->addWidget(chkOttemperata);
    icoIstruzioni = new QLabel(QStringLiteral("Spuntare appena l'impegno \u00E8 stato assolto: l'appuntamento "
                                              "non comparir\u00E0 pi\u00F9 tra quelli imminenti."),
                               this);
    icoIstruzioni->setObjectName("icoIstruzioni");
    icoIstruzioni->setWordWrap(true);
    icoIstruzioni->setStyleSheet(QStringLiteral(
        "QLabel#icoIstruzioni { background: #FFF8E1; border: 1px solid #E8C766; border-radius: 4px; "
        "color: #6B5300; padding: 4px 8px; }"));
    Sfondo(icoIstruzioni);
    gs->addWidget(icoIstruzioni);
    auto *rigaQuando = new QHBoxLayout;
    rigaQuando->setSpacing(12);
    rigaQuando->addWidget(grpQuando);
    rigaQuando->addWidget(grpStato, 1);

    QGridLayout *s1 = Sezione(QStringLiteral("L'appuntamento"));
    Metti(s1, 0, 0, QStringLiteral("Agente:"), txtTipologia, 2);
    Metti(s1, 1, 0, QStringLiteral("Servizi richiesti dal cliente:"), txtCausale, 2);
    Metti(s1, 2, 0, QStringLiteral("Dettagli:"), txtDettagli, 2);

    QGridLayout *s2 = Sezione(QStringLiteral("Il cliente"));
    Metti(s2, 0, 0, QStringLiteral("Cognome e nome:"), txtContatto, 1, impContatto);
    Metti(s2, 0, 1, QStringLiteral("Telefono:"), txtTel);
    Metti(s2, 1, 0, QStringLiteral("Cellulare:"), txtCel, 1, btnWhatsApp);
    Metti(s2, 1, 1, QStringLiteral("E-mail:"), txtEmail, 1, btnEmail);
    Metti(s2, 2, 0, QStringLiteral("Modalit\u00E0 di pagamento:"), txtLuogo);
    Metti(s2, 2, 1, QStringLiteral("Importo:"), txtImporto);

    QGridLayout *s3 = Sezione(QStringLiteral("Note"));
    Metti(s3, 0, 0, QStringLiteral("Note:"), txtNote, 2);

    for (QGridLayout *g : {s1, s2, s3})
        for (int c = 0; c < g->columnCount(); ++c) g->setColumnStretch(c, 1);

    Stile::Principale(cmdSalva);
    Componi({campi_.get(),
             {cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdAssolti, cmdDaAssolvere, cmdScaduti, cmdAnteprima,
              cmdStampa, cmdEsporta, cmdGuida},
             rigaQuando, 1});

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdNuovoClick);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdDuplicaClick);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdSalvaClick);
    connect(cmdTrova, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdTrovaClick);
    connect(cmdAssolti, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdAssoltiClick);
    connect(cmdDaAssolvere, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdDaAssolvereClick);
    connect(cmdScaduti, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdScadutiClick);
    connect(cmdAnteprima, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdAnteprimaClick);
    connect(cmdStampa, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdStampaClick);
    connect(cmdEsporta, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdEsportaClick);
    connect(cmdGuida, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::cmdGuidaClick);
    connect(impData, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::impDataClick);
    connect(impContatto, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::impContattoClick);
    connect(btnEmail, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::btnEmailClick);
    connect(btnWhatsApp, &QPushButton::clicked, this, &TfrmArchivio_Scadenze::btnWhatsAppClick);
}

TfrmArchivio_Scadenze::~TfrmArchivio_Scadenze() = default;

void TfrmArchivio_Scadenze::CaricaAppuntamento(const TSchedaAppuntamento &r, qint64 posizione)
{
    campi_->Mostra(r.Buffer());
    campi_->ImpostaPosizione(posizione);
}

void TfrmArchivio_Scadenze::RiceviCliente(const TSchedaCliente &r)
{
    using C = LayoutCliente;
    txtContatto->setText(r.Get(C::Cliente));
    txtTel->setText(r.Get(C::Recapito));
    txtCel->setText(r.Get(C::TelCel)); // as stored: the digits rule is for typing
    txtEmail->setText(r.Get(C::Email));
    txtLuogo->setText(r.Get(C::Estremi));
}

TestiAppuntamento TfrmArchivio_Scadenze::Testi() const
{
    const std::vector<QString> t = campi_->Testi();
    TestiAppuntamento testi;
    for (size_t k = 0; k < testi.size() && k < t.size(); ++k) testi[k] = t[k];
    return testi;
}

void TfrmArchivio_Scadenze::OraNuova()
{
    for (QComboBox *c : {txtOreApp, txtMinutiApp}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString::fromLatin1(A::kOraNuova));
    }
}

void TfrmArchivio_Scadenze::NuovaScheda()
{
    campi_->Svuota(); // every field empty, the box unticked, a new card
    OraNuova();
    txtAvviso->setText(QString::fromLatin1(A::kAvvisoNuovo));
    txtImporto->setText(QString::fromLatin1(A::kImportoNuovo));
    txtData->setFocus();
}

QWidget *TfrmArchivio_Scadenze::CampoIniziale() const
{
    return txtData;
}

void TfrmArchivio_Scadenze::cmdNuovoClick()
{
    NuovaScheda();
}

void TfrmArchivio_Scadenze::cmdDuplicaClick()
{
    if (!Duplicabile()) return;
    campi_->ImpostaPosizione(0);
    OraNuova();
    txtData->clear();
    txtData->setFocus();
    Msg::Informazione(this, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                           "Al termine premere Salva per inserire la scheda in archivio."));
}

bool TfrmArchivio_Scadenze::RegoleInUscita()
{
    // The field being edited is left: its leave rule runs now.
    QWidget *f = QApplication::focusWidget();
    if (f == txtAvviso) txtAvviso->setText(A::AvvisoLasciato(txtAvviso->text()));
    if (f && (f == txtOreApp || f->parentWidget() == txtOreApp))
        txtOreApp->setEditText(A::OraLasciata(txtOreApp->currentText(), OreDelGiorno()));
    if (f && (f == txtMinutiApp || f->parentWidget() == txtMinutiApp))
        txtMinutiApp->setEditText(A::OraLasciata(txtMinutiApp->currentText(), MinutiDellOra()));
    // The amount is put in its form whether or not it is being edited: one
    // that is not a number is never stored, nor made "0,00" in silence.
    return static_cast<TCampoImporto *>(txtImporto)->Conferma();
}

void TfrmArchivio_Scadenze::cmdSalvaClick()
{
    // The leave rules run before the checks read the fields.
    if (!RegoleInUscita()) return;
    if (const std::optional<A::Rifiuto> no = A::Controlla(Testi())) {
        Msg::Avviso(this, no->messaggio);
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(no->fuoco))) w->setFocus();
        return;
    }
    // The time goes with its boxes; a failed save leaves it as it was.
    const QString ora = lblOra->text();
    lblOra->setText(A::Ora(txtOreApp->currentText(), txtMinutiApp->currentText()));
    if (!campi_->Salva()) lblOra->setText(ora);
}

bool TfrmArchivio_Scadenze::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtData && e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        switch (k->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            txtData->clear();
            return true;
        // The keyboard can still move on, and a modifier alone is no key yet.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return false;
        default:
            impDataClick();
            return true;
        }
    }
    if (o == txtAvviso && e->type() == QEvent::FocusOut) txtAvviso->setText(A::AvvisoLasciato(txtAvviso->text()));
    return TFinestraScheda::eventFilter(o, e);
}

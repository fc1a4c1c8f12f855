#include "income/TfrmRiepCosti.h"

#include "income/GuidaIncassi.h"
#include "income/RiepilogoIncassi.h"
#include "output/Avanzamento.h"
#include "output/FinestraRicerca.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/TrovaLista.h"
#include "reports/Modelli.h"
#include "storage/Formati.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel *Etichetta(const char *nome, const QString &testo, QWidget *parent)
{
    auto *l = new QLabel(testo, parent);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

QFont Grassetto(QFont f)
{
    f.setBold(true);
    return f;
}

} // namespace

QString &TfrmRiepCosti::TestoTrovaPrecedente()
{
    static QString testo;
    return testo;
}

TfrmRiepCosti::TfrmRiepCosti(QWidget *owner, FonteRiepilogo richiesta)
    : QDialog(owner), owner_(owner), richiesta_(std::move(richiesta))
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    setObjectName(QStringLiteral("frmRiepCosti"));
    setWindowTitle(QStringLiteral(" Pratovia - Riepilogo Incassi"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, Qt::white);
    setPalette(sfondo);
    frxReport = std::make_unique<TReport>(ModelloRiepilogoDati());

    // --- the request and the list --------------------------------------------
    lblTipologia = Etichetta("lblTipologia", QStringLiteral("Cliente:"), this);
    titTipologia = Etichetta("titTipologia", QStringLiteral("- - -"), this);
    infIntervallo = Etichetta("infIntervallo", QStringLiteral("Intervallo selezionato:"), this);
    lblIntervallo = Etichetta("lblIntervallo", QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"), this);
    for (QLabel *l : {lblTipologia, infIntervallo}) l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    for (QLabel *l : {titTipologia, lblIntervallo}) {
        l->setFont(Grassetto(l->font()));
        l->setStyleSheet(QStringLiteral("color: #143E6E;"));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    titTipologia->setMinimumWidth(160);

    modello = new TModelloRighe(this);
    lstRecords = NuovaListaRighe(this, modello);

    infTotKmPercorsi = Etichetta("infTotKmPercorsi", QStringLiteral("Totale importi: \u20ac"), this);
    infTotKmPercorsi->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 11, true));
    infTotKmPercorsi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotCosti = Etichetta("lblTotCosti", QStringLiteral("0,00"), this);
    lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotCosti->setMinimumWidth(180);
    lblTotCosti->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 13, true));
    lblTotCosti->setStyleSheet(QStringLiteral("color: #143E6E; background: #F3F6FA; border: 1px solid #D3DCE6;"
                                              " border-radius: 4px; padding: 3px 10px;"));
    lblTotCosti->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lblRigo01 = Etichetta("lblRigo01",
                          QStringLiteral("Immettere una o pi\u00f9 parole consecutive presenti nella scheda in elenco "
                                         "da cercare e premere il pulsante Trova."),
                          this);
    lblRigo02 = Etichetta("lblRigo02",
                          QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                         "ricerca, fare di nuovo clic su Trova."),
                          this);
    for (QLabel *l : {lblRigo01, lblRigo02}) l->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    lblConta = Etichetta("lblConta", QStringLiteral("0"), this);
    lblConta->hide();

    // --- the band --------------------------------------------------------------
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setMinimumHeight(34);
    txtTrova->setFixedWidth(280);
    txtTrova->setPlaceholderText(QStringLiteral("Testo da trovare nell'elenco"));
    btnTrova = Stile::Pulsante(QStringLiteral("Trova"), QStringLiteral("btnTrova"), this,
                               Stile::IconaPulsante(Stile::Simbolo::Trova, QColor(Stile::Colore::Primario),
                                                    devicePixelRatioF()));
    btnStampa = Stile::Pulsante(QStringLiteral("Stampa riepilogo"), QStringLiteral("btnStampa"), this,
                                Stile::IconaPulsante(Stile::Simbolo::Stampa, QColor(Stile::Colore::Primario),
                                                     devicePixelRatioF()),
                                170);
    btnEsci = Stile::Pulsante(QStringLiteral("Esci"), QStringLiteral("btnEsci"), this,
                              Stile::IconaPulsante(Stile::Simbolo::Esci, QColor(Stile::Colore::Primario),
                                                   devicePixelRatioF()));
    // No default button: Enter in txtTrova does nothing here.
    for (QPushButton *b : {btnTrova, btnStampa, btnEsci}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    imgGuida = Stile::PulsanteSimbolo(QStringLiteral("imgGuida"), Stile::Simbolo::Guida, 34, this);
    imgGuida->setToolTip(QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    Stile::EvidenziaFocus(txtTrova);

    // --- layout --------------------------------------------------------------
    auto *sopra = new QHBoxLayout;
    sopra->setSpacing(8);
    sopra->addWidget(lblTipologia);
    sopra->addWidget(titTipologia, 1);
    sopra->addSpacing(24);
    sopra->addWidget(infIntervallo);
    sopra->addWidget(lblIntervallo);

    auto *totale = new QHBoxLayout;
    totale->setSpacing(10);
    auto *righe = new QVBoxLayout;
    righe->setSpacing(2);
    righe->addWidget(lblRigo01);
    righe->addWidget(lblRigo02);
    totale->addLayout(righe);
    totale->addStretch(1);
    totale->addWidget(infTotKmPercorsi);
    totale->addWidget(lblTotCosti);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 14, 24, 12);
    corpo->setSpacing(10);
    corpo->addLayout(sopra);
    corpo->addWidget(lstRecords, 1);
    corpo->addLayout(totale);

    auto *banda = new Stile::TBanda(this);
    banda->setObjectName(QStringLiteral("panPiede"));
    auto *bottoni = static_cast<QHBoxLayout *>(banda->layout());
    bottoni->addWidget(txtTrova);
    bottoni->addWidget(btnTrova);
    bottoni->addStretch(1);
    bottoni->addWidget(imgGuida);
    bottoni->addSpacing(6);
    bottoni->addWidget(btnStampa);
    bottoni->addWidget(btnEsci);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(Stile::Testata(this, QStringLiteral("Riepilogo Incassi"),
                                QStringLiteral("Gli importi degli appuntamenti del periodo scelto")));
    l->addLayout(corpo, 1);
    l->addWidget(banda);

    // The find keeps its previous text for the whole run, not per window.
    trova_ = new TTrovaInLista(lstRecords, txtTrova, nullptr, this);
    trova_->UsaMemoria(&TestoTrovaPrecedente());
    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepCosti::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepCosti::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &TfrmRiepCosti::btnEsciClick);
    connect(imgGuida, &Stile::TImmagine::cliccata, this, &TfrmRiepCosti::imgGuidaClick);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TfrmRiepCosti::imgGuidaClick);
}

TfrmRiepCosti::~TfrmRiepCosti() = default;

int TfrmRiepCosti::Mostra()
{
    QScreen *schermo = owner_ && owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
    if (schermo) setGeometry(schermo->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

void TfrmRiepCosti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    FormShow();
}

void TfrmRiepCosti::FormShow()
{
    const QString cliente = richiesta_.cliente ? richiesta_.cliente->text() : QString();
    const QString servizi = richiesta_.servizi ? richiesta_.servizi->text() : QString();
    const QString dataInizio = richiesta_.dataInizio ? richiesta_.dataInizio->text() : QString();
    const QString dataFine = richiesta_.dataFine ? richiesta_.dataFine->text() : QString();
    titTipologia->setText(TestoCliente(cliente));
    modello->setStringList({});
    RiepilogoIncassi r;
    const QDate inizio = LeggiData(dataInizio), fine = LeggiData(dataFine);
    if (inizio.isValid() && fine.isValid()) {
        // A long read shows its progress over this window.
        std::unique_ptr<TAvanzamento> av;
        r = LeggiRiepilogoIncassi(cliente, servizi, inizio, fine, [&](qint64 letti, qint64 totale) {
            if (!av) av = std::make_unique<TAvanzamento>(this, QStringLiteral("Lettura degli appuntamenti in corso..."),
                                                         totale);
            av->Aggiorna(letti);
        });
    } else {
        r.filtri = SelezioneIncassi(cliente, servizi, {}, {}).Filtri();
    }
    lblConta->setText(QString::number(r.filtri));
    modello->setStringList(r.righe);
    lstRecords->horizontalScrollBar()->setValue(0);
    lblIntervallo->setText(TestoIntervallo(dataInizio, dataFine));
    // The total of the lines listed, in the amount form.
    lblTotCosti->setText(CentesimiInTesto(r.centesimi));
    txtTrova->setFocus();
    // The lines read before a failure of the file stay, with their total.
    if (r.errore) Msg::ErroreAccesso(this);
}

void TfrmRiepCosti::FormClose()
{
    modello->setStringList({});
    if (richiesta_.attendere) richiesta_.attendere->hide();
}

void TfrmRiepCosti::done(int r)
{
    FormClose();
    QDialog::done(r);
}

void TfrmRiepCosti::btnStampaClick()
{
    if (modello->rowCount() == 0) {
        Msg::Avviso(this, QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna "
                                         "voce."));
        return;
    }
    if (!Msg::Domanda(this, QStringLiteral("Si vuole stampare il presente riepilogo?"))) return;
    StampaRiepilogo(*frxReport, TitoloStampaIncassi(titTipologia->text()), RigheLista(modello),
                    RigheFinaliIncassi(lblIntervallo->text(), lblTotCosti->text()), this);
}

void TfrmRiepCosti::btnTrovaClick()
{
    trova_->btnTrovaClick();
}

void TfrmRiepCosti::btnEsciClick()
{
    close();
}

void TfrmRiepCosti::imgGuidaClick()
{
    MostraGuida(this, GuidaIncassi());
}

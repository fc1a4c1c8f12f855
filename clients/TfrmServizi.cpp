#include "clients/TfrmServizi.h"

#include "storage/Cartella.h"
#include "ui/Messaggi.h"
#include "clients/Servizi.h"
#include "clients/TfrmClienti.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/TrovaLista.h"
#include "reports/Modelli.h"
#include "storage/Formati.h"
#include "storage/TArchivio.h"
#include "storage/Testo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <type_traits>

namespace {

constexpr int kLarghezzaRiga = 1600;

// The list lines: Courier New 12, black, whatever the style says, and wide
// enough for the whole line so that the list scrolls sideways.
class RigaDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        o->font = Stile::Carattere(QStringLiteral("Courier New"), 12);
        o->fontMetrics = QFontMetrics(o->font);
        o->palette.setColor(QPalette::Text, Qt::black);
    }
    QSize sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QStyleOptionViewItem opt(o);
        initStyleOption(&opt, i);
        return QSize(kLarghezzaRiga, opt.fontMetrics.height() + 4);
    }
};

// Edit fields: pale blue with a sky-blue border, yellow while focused; the
// yellow highlight of every window goes round the field as well.
void ColoraCampo(QLineEdit *campo, bool conFuoco)
{
    campo->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: 1px solid #87CEEB; }")
                             .arg(conFuoco ? QStringLiteral("#FFFF00") : QStringLiteral("#F0F8FF")));
}

QLabel *Etichetta(const QString &testo, QWidget *parent, const char *nome = nullptr)
{
    auto *l = new QLabel(testo, parent);
    if (nome) l->setObjectName(QString::fromLatin1(nome));
    return l;
}

} // namespace

TfrmAllegaExcel::TfrmAllegaExcel(TfrmClienti *owner)
    : Stile::TDialogo(owner, QSize(1000, 680)), owner_(owner), frxReport(std::make_unique<TReport>(ModelloRiepilogoDati()))
{
    // FormCreate
    ImpostaFormati();
    setObjectName(QStringLiteral("frmAllegaExcel"));
    setWindowTitle(QStringLiteral(" Riepilogo servizi forniti"));

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(Stile::Testata(this, QStringLiteral("Riepilogo servizi forniti"), QStringLiteral("Clienti e Servizi")));
    l->addWidget(CreaElenco(), 1);
    l->addWidget(CreaVoce(), 1);
    panCosti->hide();

    // Enter moves to the next field.
    successivo_ = {{txtTrova, btnTrova}, {txtData, txtOra},       {txtOra, txtServizi},
                   {txtServizi, txtAgente}, {txtAgente, txtImporto}, {txtImporto, txtData}};
    // The field with the focus turns yellow and shows the yellow highlight behind it.
    for (QLineEdit *e : std::initializer_list<QLineEdit *>{txtTrova, txtData, txtOra, txtServizi, txtAgente, txtImporto}) {
        ColoraCampo(e, false);
        Stile::EvidenziaFocus(e);
        e->installEventFilter(this);
    }
    // Enter moves between fields or presses the focused button, never a default one.
    for (QPushButton *b : findChildren<QPushButton *>()) b->setAutoDefault(false);

    trova_ = new TTrovaInLista(lstRecords, txtTrova, nullptr, this);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmAllegaExcel::btnTrovaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnChiudiClick);
    connect(btnAggiungi, &QPushButton::clicked, this, &TfrmAllegaExcel::btnAggiungiClick);
    connect(btnModifica, &QPushButton::clicked, this, &TfrmAllegaExcel::btnModificaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAllegaExcel::btnStampaClick);
    connect(btnSalva, &QPushButton::clicked, this, &TfrmAllegaExcel::btnSalvaClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmAllegaExcel::cmdCloseClick);
    connect(impData, &Stile::TImmagine::cliccata, this, &TfrmAllegaExcel::impDataClick);
    connect(impOra, &Stile::TImmagine::cliccata, this, &TfrmAllegaExcel::impOraClick);
}

TfrmAllegaExcel::~TfrmAllegaExcel() = default;

QWidget *TfrmAllegaExcel::CreaElenco()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));

    lblTitolo = Etichetta(QStringLiteral("Servizi forniti al cliente"), panContainer, "lblTitolo");
    lblTitolo->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 15, true));
    lblTitolo->setStyleSheet(QStringLiteral("color: #143E6E;"));
    lblRigo01 = Etichetta(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco "
                                         "da cercare e premere il pulsante Trova."),
                          panContainer, "lblRigo01");
    lblRigo01->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setMinimumHeight(30);
    btnTrova = Stile::Pulsante(QStringLiteral("Trova"), QStringLiteral("btnTrova"), panContainer);
    auto *cerca = new QHBoxLayout;
    cerca->setSpacing(10);
    cerca->addWidget(txtTrova, 1);
    cerca->addWidget(btnTrova);

    lstRecords = new QListView(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    modello = new QStringListModel(lstRecords);
    lstRecords->setModel(modello);
    lstRecords->setItemDelegate(new RigaDelegate(lstRecords));
    lstRecords->setUniformItemSizes(true);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setAlternatingRowColors(true);
    lstRecords->setStyleSheet(QStringLiteral(
        "QListView { background: #FFFFFF; alternate-background-color: #F5F8FC;"
        " border: 1px solid #C9D3DE; border-radius: 4px; }"));

    lblRigo03 = Etichetta(QStringLiteral("Per modificare una scheda in elenco, selezionarla con un clic e premere "
                                         "il pulsante Modifica voce."),
                          panContainer, "lblRigo03");
    lblRigo03->setStyleSheet(QStringLiteral("color: #5E6E7E;"));
    auto *didascalia = Etichetta(QStringLiteral("Totale importi:"), panContainer);
    didascalia->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 11, true));
    lblTotale = Etichetta(QStringLiteral("0,00"), panContainer, "lblTotale");
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotale->setMinimumWidth(180);
    lblTotale->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 13, true));
    lblTotale->setStyleSheet(QStringLiteral("color: #143E6E; background: #F3F6FA; border: 1px solid #D3DCE6;"
                                            " border-radius: 4px; padding: 3px 10px;"));
    auto *sotto = new QHBoxLayout;
    sotto->addWidget(lblRigo03, 1);
    sotto->addSpacing(16);
    sotto->addWidget(didascalia);
    sotto->addWidget(lblTotale);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 18, 24, 12);
    corpo->setSpacing(10);
    corpo->addWidget(lblTitolo);
    corpo->addWidget(lblRigo01);
    corpo->addLayout(cerca);
    corpo->addWidget(lstRecords, 1);
    corpo->addLayout(sotto);

    btnChiudi = Stile::Pulsante(QStringLiteral("Chiudi"), QStringLiteral("btnChiudi"), panContainer);
    btnAggiungi = Stile::Pulsante(QStringLiteral("Aggiungi voce"), QStringLiteral("btnAggiungi"), panContainer,
                                  QIcon(), 130);
    btnModifica = Stile::Pulsante(QStringLiteral("Modifica voce"), QStringLiteral("btnModifica"), panContainer,
                                  QIcon(), 130);
    btnStampa = Stile::Pulsante(QStringLiteral("Stampa riepilogo"), QStringLiteral("btnStampa"), panContainer,
                                QIcon(), 150);
    Stile::Principale(btnAggiungi);
    auto *piede = new QWidget(panContainer);
    piede->setFixedHeight(64);
    auto *riga = new QHBoxLayout(piede);
    riga->setContentsMargins(24, 0, 24, 0);
    riga->setSpacing(10);
    riga->addWidget(btnStampa);
    riga->addStretch(1);
    riga->addWidget(btnAggiungi);
    riga->addWidget(btnModifica);
    riga->addWidget(btnChiudi);

    auto *l = new QVBoxLayout(panContainer);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addLayout(corpo, 1);
    l->addWidget(piede);
    return panContainer;
}

QWidget *TfrmAllegaExcel::CreaVoce()
{
    panCosti = new QWidget(this);
    panCosti->setObjectName(QStringLiteral("panCosti"));

    auto *titolo = Etichetta(QStringLiteral("Voce del riepilogo servizi"), panCosti);
    titolo->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 15, true));
    titolo->setStyleSheet(QStringLiteral("color: #143E6E;"));
    titIstruzioni = Etichetta(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti,
                              "titIstruzioni");
    titIstruzioni->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    auto campo = [this](auto *&e, const char *nome, int n, int larghezza, bool centrato) {
        using Tipo = std::remove_pointer_t<std::remove_reference_t<decltype(e)>>;
        e = new Tipo(panCosti);
        e->setObjectName(QString::fromLatin1(nome));
        e->setMaxLength(n);
        e->setMinimumHeight(32);
        if (larghezza > 0) e->setFixedWidth(larghezza);
        if (centrato) e->setAlignment(Qt::AlignCenter);
        e->setFont(Stile::Carattere(QStringLiteral("Segoe UI"), 11));
    };
    campo(txtData, "txtData", 10, 140, true);
    campo(txtOra, "txtOra", 5, 90, true);
    campo(txtServizi, "txtServizi", 54, 0, false);
    campo(txtAgente, "txtAgente", 28, 360, false);
    campo(txtImporto, "txtImporto", 15, 180, false);
    txtImporto->setText(QStringLiteral("0,00"));
    txtImporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    impData = Stile::PulsanteSimbolo(QStringLiteral("impData"), Stile::Simbolo::Calendario, 30, panCosti);
    impData->setToolTip(QStringLiteral("Data odierna"));
    impOra = Stile::PulsanteSimbolo(QStringLiteral("impOra"), Stile::Simbolo::Orologio, 30, panCosti);
    impOra->setToolTip(QStringLiteral("Ora corrente"));

    auto conImmagine = [](QLineEdit *e, QWidget *i) {
        auto *h = new QHBoxLayout;
        h->setSpacing(8);
        h->addWidget(e);
        h->addWidget(i);
        h->addStretch(1);
        return h;
    };
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(14);
    // each label centred on its field
    auto voce = [this](const QString &testo) {
        auto *l = new QLabel(testo, panCosti);
        l->setMinimumHeight(32);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    form->addRow(voce(QStringLiteral("Data:")), conImmagine(txtData, impData));
    form->addRow(voce(QStringLiteral("Ora:")), conImmagine(txtOra, impOra));
    form->addRow(voce(QStringLiteral("Servizi:")), txtServizi);
    form->addRow(voce(QStringLiteral("Agente:")), txtAgente);
    form->addRow(voce(QStringLiteral("Importo: \u20AC")), txtImporto);

    auto *scheda = new QWidget(panCosti);
    scheda->setObjectName(QStringLiteral("schedaVoce"));
    scheda->setAttribute(Qt::WA_StyledBackground);
    scheda->setStyleSheet(QStringLiteral("#schedaVoce { background: #F7FAFD; border: 1px solid #D3DCE6;"
                                         " border-radius: 8px; }"));
    auto *dentro = new QVBoxLayout(scheda);
    dentro->setContentsMargins(28, 24, 28, 24);
    dentro->addLayout(form);

    auto *corpo = new QVBoxLayout;
    corpo->setContentsMargins(24, 18, 24, 12);
    corpo->setSpacing(10);
    corpo->addWidget(titolo);
    corpo->addWidget(titIstruzioni);
    corpo->addSpacing(8);
    corpo->addWidget(scheda);
    corpo->addStretch(1);

    btnSalva = Stile::Pulsante(QStringLiteral("Salva"), QStringLiteral("btnSalva"), panCosti);
    cmdClose = Stile::Pulsante(QStringLiteral("Chiudi"), QStringLiteral("cmdClose"), panCosti);
    Stile::Principale(btnSalva);
    auto *piede = new QWidget(panCosti);
    piede->setFixedHeight(64);
    auto *riga = new QHBoxLayout(piede);
    riga->setContentsMargins(24, 0, 24, 0);
    riga->setSpacing(10);
    riga->addStretch(1);
    riga->addWidget(btnSalva);
    riga->addWidget(cmdClose);

    auto *l = new QVBoxLayout(panCosti);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addLayout(corpo, 1);
    l->addWidget(piede);
    return panCosti;
}

std::array<QLineEdit *, 5> TfrmAllegaExcel::CampiVoce() const
{
    return {txtData, txtOra, txtServizi, txtAgente, txtImporto};
}

QString TfrmAllegaExcel::Cliente() const
{
    return owner_ && owner_->txtCliente ? owner_->txtCliente->text() : QString();
}

void TfrmAllegaExcel::showEvent(QShowEvent *e)
{
    Stile::TDialogo::showEvent(e);
    if (e->spontaneous()) return;
    Stile::Centra(this, owner_);
    FormShow();
}

void TfrmAllegaExcel::FormShow()
{
    trova_->AzzeraRicerca();
    txtTrova->clear();
    lblTotale->setText(QStringLiteral("0,00"));
    lblTitolo->setText(QStringLiteral("Servizi forniti a ") + Trim(Cliente()));
    const QString posizione = owner_ && owner_->lblPosizione ? owner_->lblPosizione->text() : QString();
    lblFile->setText(PercorsoServizi(posizione));

    const ElencoServizi elenco = CaricaServizi(lblFile->text());
    modello->setStringList(elenco.righe);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblTotale->setText(TestoTotale(elenco.totale));
    txtTrova->setFocus();
}

void TfrmAllegaExcel::MostraVoce()
{
    panContainer->hide();
    panCosti->show();
    txtData->setFocus();
}

void TfrmAllegaExcel::btnAggiungiClick()
{
    for (QLineEdit *e : {txtData, txtOra, txtServizi, txtAgente}) e->clear();
    txtImporto->setText(QStringLiteral("0,00"));
    lblPosizione->clear();
    MostraVoce();
}

void TfrmAllegaExcel::btnModificaClick()
{
    if (modello->rowCount() == 0) {
        Msg::Informazione(this, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const QModelIndexList scelte = lstRecords->selectionModel()->selectedRows();
    if (scelte.isEmpty()) {
        Msg::Avviso(this, QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante "
                                         "di modifica."));
        return;
    }
    try {
        const auto trovata = TrovaServizio(lblFile->text(), scelte.first().data().toString());
        if (trovata) {
            const auto campi = CampiVoce();
            for (size_t c = 0; c < campi.size(); ++c) campi[c]->setText(trovata->second[c]);
            lblPosizione->setText(QString::number(trovata->first));
        }
    } catch (const EArchivio &) {
        close();
        return;
    }
    MostraVoce();
}

void TfrmAllegaExcel::btnSalvaClick()
{
    VoceServizio voce;
    const auto campi = CampiVoce();
    for (size_t c = 0; c < campi.size(); ++c) voce[c] = campi[c]->text();
    if (const auto mancante = CampoMancante(voce)) {
        Msg::Avviso(this, MessaggioCampoMancante(*mancante));
        campi[size_t(*mancante)]->setFocus();
        return;
    }
    // An amount that is not a number is never stored as "0,00" in silence.
    if (!txtImporto->Conferma()) return;
    voce[size_t(TSchedaServizio::Importo)] = txtImporto->text();
    const QString posizione = Trim(lblPosizione->text());
    try {
        const qint64 p = SalvaServizio(lblFile->text(), posizione.toLongLong(), voce);
        lblPosizione->setText(QString::number(p));
    } catch (const EArchivio &) {
        Msg::Avviso(this, MSG_ACCESSO_ARCHIVIO);
        return;
    }
    Msg::Informazione(this, posizione.isEmpty()
                                ? QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.")
                                : QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate "
                                                 "in archivio."));
}

void TfrmAllegaExcel::btnStampaClick()
{
    StampaRiepilogoLeggibile(*frxReport, TitoloStampaServizi(Cliente()), RigheLista(modello),
                    RigheFinaliStampaServizi(lblTotale->text()), this);
}

void TfrmAllegaExcel::btnTrovaClick()
{
    trova_->btnTrovaClick();
}

void TfrmAllegaExcel::btnChiudiClick()
{
    close();
}

void TfrmAllegaExcel::cmdCloseClick()
{
    close();
}

void TfrmAllegaExcel::impDataClick()
{
    txtData->setText(ScriviData(Oggi()));
}

void TfrmAllegaExcel::impOraClick()
{
    txtOra->setText(ScriviOra(Adesso().time()));
}

void TfrmAllegaExcel::txtImportoExit()
{
    txtImporto->Normalizza();
}

void TfrmAllegaExcel::done(int r)
{
    // FormClose
    modello->setStringList({});
    Stile::TDialogo::done(r);
}

bool TfrmAllegaExcel::eventFilter(QObject *o, QEvent *e)
{
    auto *campo = qobject_cast<QLineEdit *>(o);
    if (!campo) return Stile::TDialogo::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::FocusIn:
        ColoraCampo(campo, true);
        break;
    case QEvent::FocusOut:
        ColoraCampo(campo, false); // txtImporto then applies the amount rule itself
        break;
    case QEvent::KeyPress: {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            QWidget *prossimo = successivo_.value(campo);
            if (prossimo) prossimo->setFocus();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return Stile::TDialogo::eventFilter(o, e);
}

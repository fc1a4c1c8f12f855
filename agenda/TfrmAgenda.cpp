#include "agenda/TfrmAgenda.h"

#include "agenda/ElencoAgenda.h"
#include "agenda/EsportazioneAgenda.h"
#include "agenda/GuidaAgenda.h"
#include "agenda/TfrmWhatsApp_Message.h"
#include "output/Avanzamento.h"
#include "output/FinestraRicerca.h"
#include "output/Report.h"
#include "output/Riepilogo.h"
#include "output/TrovaLista.h"
#include "reports/Modelli.h"
#include "storage/Cartella.h"
#include "storage/Formati.h"
#include "storage/Testo.h"
#include "ui/Disegni.h"
#include "ui/Kit.h"
#include "ui/Messaggi.h"
#include "ui/Navigazione.h"

#include <QAudioOutput>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMediaPlayer>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

using Stile::Stato;
using Stile::TImmagine;

namespace {

const char *const kListaVuota =
    "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.";
const char *const kNessunaSelezione =
    "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria dell'appuntamento "
    "prima di fare clic sull'icona di WhatsApp.";
const char *const kTitoloStampa = "Riepilogo appuntamenti imminenti";

const QColor kArancio(0xE3, 0x7B, 0x2C); // appointments near: the agenda's own colour
const QColor kVerde(0x37, 0x9B, 0x57);   // nothing near

// The speech bubble that tells the result of the check: a rounded balloon
// with its tail towards the picture on its left, and the text inside.
void DisegnaFumetto(QPainter &p, const QRectF &r, const QString &testo, const QColor &colore)
{
    p.save();
    Stile::Antialias(p);
    const qreal coda = 14;
    const QRectF corpo = r.adjusted(coda + 2, 6, -4, -10);
    Stile::Ombra(p, corpo, corpo.height() / 2.6, 6, 2, 60);
    QPainterPath fumetto;
    fumetto.addRoundedRect(corpo, corpo.height() / 2.6, corpo.height() / 2.6);
    QPainterPath punta;
    const qreal y = corpo.center().y();
    punta.moveTo(corpo.left() + 8, y - 9);
    punta.lineTo(r.left() + 2, y + 4);
    punta.lineTo(corpo.left() + 10, y + 8);
    punta.closeSubpath();
    fumetto = fumetto.united(punta);
    p.setPen(QPen(colore, 2));
    // A pale tint of the colour: the text on it stays easy to read.
    const auto tinta = [](int c) { return 255 - (255 - c) * 14 / 100; };
    p.setBrush(QColor(tinta(colore.red()), tinta(colore.green()), tinta(colore.blue())));
    p.drawPath(fumetto);
    QFont f = Stile::Adatta(Stile::FontPx(qMin(22.0, corpo.height() * 0.42), QFont::Bold), testo,
                            corpo.width() - 28);
    p.setFont(f);
    p.setPen(colore.darker(150));
    p.drawText(corpo, Qt::AlignCenter, testo);
    p.restore();
}

TImmagine *Fumetto(const char *nome, const QString &testo, const QColor &colore, QWidget *parent)
{
    auto *img = new TImmagine(QString::fromLatin1(nome), QSize(380, 72), parent);
    img->setFixedHeight(72);
    img->setMinimumWidth(300);
    img->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    img->setAccessibleName(testo);
    img->ImpostaDisegno(
        [testo, colore](QPainter &p, const QRectF &r, Stato) { DisegnaFumetto(p, r, testo, colore); });
    return img;
}

// A decorative badge of the set, in a colour of its own.
TImmagine *Distintivo(const char *nome, Stile::Simbolo simbolo, const QColor &colore, QWidget *parent)
{
    auto *img = new TImmagine(QString::fromLatin1(nome), QSize(64, 64), parent);
    img->setFixedSize(64, 64);
    img->ImpostaDisegno([simbolo, colore](QPainter &p, const QRectF &r, Stato) {
        Stile::Antialias(p);
        const QRectF badge = r.adjusted(4, 2, -4, -6);
        Stile::Ombra(p, badge, badge.width() * 0.24, 4, 2, 90);
        Stile::DisegnaIcona(p, simbolo, badge, colore);
    });
    return img;
}

} // namespace

TfrmAgenda::TfrmAgenda(QWidget *parent) : QWidget(parent)
{
    // FormCreate: dates "dd/mm/yyyy" and the decimal comma.
    ImpostaFormati();
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral(" Pratovia - Agenda Appuntamenti"));
    setWindowIcon(QIcon(Stile::Icona(Stile::Simbolo::Agenda, 64)));
    setMinimumSize(980, 640);
    resize(1280, 760);
    setWindowState(Qt::WindowMaximized);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(Stile::Colore::Sfondo));
    setPalette(pal);
    frxReport = std::make_unique<TReport>(ModelloRiepilogoDati());
    const qreal dpr = devicePixelRatioF();
    const QColor accento(Stile::Colore::Primario);

    panInfo = new QLabel(this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setStyleSheet(QStringLiteral("QLabel#panInfo { background: #1D5A9E; color: white; padding: 6px 12px; }"));

    TImmagine *banner = Stile::Testata(this, QStringLiteral("Agenda Appuntamenti"),
                                       QStringLiteral("Gli appuntamenti imminenti, il calendario e i promemoria"),
                                       64, QStringLiteral("imgTitolo"));

    // --- the result of the check ------------------------------------------------
    imgAppuntamentiSI = Distintivo("imgAppuntamentiSI", Stile::Simbolo::Campanella, kArancio, this);
    imgAppuntamentiNO = Distintivo("imgAppuntamentiNO", Stile::Simbolo::Calendario, kVerde, this);
    imgPresenti = Fumetto("imgPresenti", QStringLiteral("Ci sono appuntamenti"), kArancio, this);
    imgAssenti = Fumetto("imgAssenti", QStringLiteral("Non ci sono appuntamenti"), kVerde, this);
    // As the window is first drawn: nothing near.
    imgPresenti->hide();
    imgAppuntamentiSI->hide();

    // --- the list -------------------------------------------------------------------
    modello = new TModelloRighe(this, 14);
    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(modello);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setAlternatingRowColors(true);
    lstRecords->setStyleSheet(QStringLiteral(
        "QListView { background: #FFFFFF; alternate-background-color: #F5F8FC;"
        " border: 1px solid #C9D3DE; border-radius: 4px; }"));
    // A line chosen with the mouse or the keys.
    connect(lstRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmAgenda::lstRecordsClick);

    auto *lblElenco = new QLabel(QStringLiteral("Appuntamenti imminenti"), this);
    lblElenco->setObjectName(QStringLiteral("lblElenco"));
    lblElenco->setStyleSheet(QStringLiteral("font-weight: bold; color: #143E6E;"));

    btnStampa = Stile::Pulsante(QStringLiteral("Stampa riepilogo"), QStringLiteral("btnStampa"), this,
                                Stile::IconaPulsante(Stile::Simbolo::Stampa, accento, dpr), 170);
    btnExcel = Stile::Pulsante(QStringLiteral("Esporta in Excel"), QStringLiteral("btnExcel"), this,
                               Stile::IconaPulsante(Stile::Simbolo::Foglio, accento, dpr), 170);
    btnWhatsApp = Stile::Pulsante(QStringLiteral("Promemoria WhatsApp"), QStringLiteral("btnWhatsApp"), this,
                                  Stile::IconaPulsante(Stile::Simbolo::WhatsApp, Qt::white, dpr), 200);
    Stile::Principale(btnWhatsApp);

    // --- the right-hand column --------------------------------------------------------
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(false);
    calAppuntamenti->setMinimumSize(260, 210);
    // Created at start: the calendar shows the day the program started.
    calAppuntamenti->setSelectedDate(Oggi());

    icoIstruzioni = Stile::PulsanteSimbolo(QStringLiteral("icoIstruzioni"), Stile::Simbolo::Info, 28, this);
    icoIstruzioni->ImpostaCliccabile(false);
    auto *lblIstruzioni =
        new QLabel(QStringLiteral("Selezionare una data nel calendario e premere uno dei pulsanti qui sotto per "
                                  "vedere gli appuntamenti del giorno o del mese."),
                   this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setStyleSheet(QStringLiteral("color: #5E6E7E;"));

    btnGiorno = Stile::Pulsante(QStringLiteral("APPUNTAMENTI DEL GIORNO"), QStringLiteral("btnGiorno"), this,
                                Stile::IconaPulsante(Stile::Simbolo::Calendario, accento, dpr), 240);
    btnMese = Stile::Pulsante(QStringLiteral("APPUNTAMENTI DEL MESE"), QStringLiteral("btnMese"), this,
                              Stile::IconaPulsante(Stile::Simbolo::Agenda, accento, dpr), 240);
    btnArchivio = Stile::Pulsante(QStringLiteral("INSERISCI APPUNTAMENTI"), QStringLiteral("btnArchivio"), this,
                                  Stile::IconaPulsante(Stile::Simbolo::Nuovo, Qt::white, dpr), 200);
    Stile::Principale(btnArchivio);
    appApriArchivio = Stile::PulsanteSimbolo(QStringLiteral("appApriArchivio"), Stile::Simbolo::Orologio, 34, this);
    appApriArchivio->setToolTip(QStringLiteral("Apri lo schedario degli appuntamenti"));
    imgGuida = Stile::Pulsante(QStringLiteral("Guida"), QStringLiteral("imgGuida"), this,
                               Stile::IconaPulsante(Stile::Simbolo::Guida, accento, dpr));
    imgEsci = Stile::Pulsante(QStringLiteral("Esci"), QStringLiteral("imgEsci"), this,
                              Stile::IconaPulsante(Stile::Simbolo::Esci, accento, dpr));
    for (QPushButton *b : {btnStampa, btnExcel, btnWhatsApp, btnGiorno, btnMese, btnArchivio, imgGuida, imgEsci}) {
        b->setIconSize(QSize(20, 20));
        b->setAutoDefault(false);
    }

    // Hidden: the loading of the list, and the data of the last line clicked.
    btnCaricaLista = new QPushButton(this);
    btnCaricaLista->setObjectName(QStringLiteral("btnCaricaLista"));
    btnCaricaLista->hide();
    connect(btnCaricaLista, &QPushButton::clicked, this, &TfrmAgenda::btnCaricaListaClick);
    for (auto [l, nome] : {std::pair{&titData, "titData"}, std::pair{&titOra, "titOra"},
                           std::pair{&titContatto, "titContatto"}, std::pair{&titCel, "titCel"}}) {
        *l = new QLabel(this);
        (*l)->setObjectName(QString::fromLatin1(nome));
        (*l)->hide();
    }

    Suggerisci(btnStampa, QStringLiteral("Stampa il riepilogo degli appuntamenti imminenti."));
    Suggerisci(btnExcel, QStringLiteral("Visualizza gli appuntamenti imminenti in una griglia da esportare in "
                                        "Microsoft Excel."));
    Suggerisci(btnWhatsApp, QStringLiteral("Invia al cliente selezionato il promemoria dell'appuntamento con "
                                           "WhatsApp."));
    Suggerisci(btnGiorno, QStringLiteral("Visualizza gli appuntamenti del giorno selezionato nel calendario."));
    Suggerisci(btnMese, QStringLiteral("Visualizza gli appuntamenti del mese selezionato nel calendario."));
    Suggerisci(btnArchivio, QStringLiteral("Apri lo schedario per inserire e modificare gli appuntamenti."));
    Suggerisci(appApriArchivio, QStringLiteral("Apri lo schedario per inserire e modificare gli appuntamenti."));
    Suggerisci(imgGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    Suggerisci(imgEsci, QStringLiteral("Esci da questa schermata di lavoro."));

    // --- layout -------------------------------------------------------------------------
    auto *esito = new QHBoxLayout;
    esito->setSpacing(8);
    esito->addWidget(imgAppuntamentiSI);
    esito->addWidget(imgAppuntamentiNO);
    esito->addWidget(imgPresenti, 1);
    esito->addWidget(imgAssenti, 1);
    esito->addSpacing(12);
    esito->addWidget(btnWhatsApp, 0, Qt::AlignVCenter);

    auto *sottoLista = new QHBoxLayout;
    sottoLista->setSpacing(10);
    sottoLista->addWidget(btnStampa);
    sottoLista->addWidget(btnExcel);
    sottoLista->addStretch(1);

    auto *sinistra = new QVBoxLayout;
    sinistra->setContentsMargins(18, 12, 18, 14);
    sinistra->setSpacing(8);
    sinistra->addLayout(esito);
    sinistra->addWidget(lblElenco);
    sinistra->addWidget(lstRecords, 1);
    sinistra->addLayout(sottoLista);

    auto *destra = new QWidget(this);
    destra->setObjectName(QStringLiteral("panPulsanti"));
    destra->setAttribute(Qt::WA_StyledBackground);
    destra->setStyleSheet(QStringLiteral(
        "QWidget#panPulsanti { background: white; border-left: 1px solid #D3DCE6; }"
        "QWidget#panPulsanti QPushButton { text-align: left; padding: 7px 12px; }"));
    destra->setFixedWidth(300);
    auto *colonna = new QVBoxLayout(destra);
    colonna->setContentsMargins(14, 14, 14, 14);
    colonna->setSpacing(6);
    colonna->addWidget(calAppuntamenti);
    auto *istruzioni = new QHBoxLayout;
    istruzioni->setSpacing(8);
    istruzioni->addWidget(icoIstruzioni, 0, Qt::AlignTop);
    istruzioni->addWidget(lblIstruzioni, 1);
    colonna->addSpacing(4);
    colonna->addLayout(istruzioni);
    colonna->addSpacing(4);
    colonna->addWidget(btnGiorno);
    colonna->addWidget(btnMese);
    colonna->addStretch(1);
    auto *archivio = new QHBoxLayout;
    archivio->setSpacing(8);
    archivio->addWidget(appApriArchivio);
    archivio->addWidget(btnArchivio, 1);
    colonna->addLayout(archivio);
    colonna->addSpacing(10);
    colonna->addWidget(imgGuida);
    colonna->addWidget(imgEsci);

    auto *corpo = new QHBoxLayout;
    corpo->setSpacing(0);
    corpo->addLayout(sinistra, 1);
    corpo->addWidget(destra);

    auto *tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->setSpacing(0);
    tutto->addWidget(banner);
    tutto->addLayout(corpo, 1);
    tutto->addWidget(panInfo);

    connect(btnGiorno, &QPushButton::clicked, this, &TfrmAgenda::btnGiornoClick);
    connect(btnMese, &QPushButton::clicked, this, &TfrmAgenda::btnMeseClick);
    connect(btnExcel, &QPushButton::clicked, this, &TfrmAgenda::btnExcelClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAgenda::btnStampaClick);
    connect(btnWhatsApp, &QPushButton::clicked, this, &TfrmAgenda::btnWhatsAppClick);
    connect(btnArchivio, &QPushButton::clicked, this, &TfrmAgenda::appApriArchivioClick);
    connect(appApriArchivio, &TImmagine::cliccata, this, &TfrmAgenda::appApriArchivioClick);
    connect(imgGuida, &QPushButton::clicked, this, &TfrmAgenda::imgGuidaClick);
    connect(imgEsci, &QPushButton::clicked, this, &TfrmAgenda::imgEsciClick);
}

TfrmAgenda::~TfrmAgenda() = default;

void TfrmAgenda::Suggerisci(QWidget *controllo, const QString &testo)
{
    Stile::Suggerimento(controllo, panInfo, testo);
}

QString TfrmAgenda::RigaSelezionata() const
{
    const QModelIndexList scelte = lstRecords->selectionModel()->selectedIndexes();
    return scelte.isEmpty() ? QString() : scelte.first().data().toString();
}

QDate TfrmAgenda::DataScelta() const
{
    return calAppuntamenti->selectedDate();
}

void TfrmAgenda::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Shown again after being minimised or covered is not opened again.
    if (!e->spontaneous()) FormShow();
}

void TfrmAgenda::FormShow()
{
    for (QLabel *l : {titData, titOra, titContatto, titCel}) l->clear();
    panInfo->clear();
    btnCaricaListaClick();
    // The count is that of the list just read: the same rule over the same
    // reading of the file.
    MostraEsito(imminenti_ > 0);
    if (imminenti_ > 0) SuonaAvviso();
}

void TfrmAgenda::btnCaricaListaClick()
{
    modello->setStringList({});
    std::unique_ptr<TAvanzamento> avanzamento;
    const ElencoLetto elenco = LeggiImminenti(Oggi(), [&](qint64 letti, qint64 totale) {
        if (!avanzamento)
            avanzamento = std::make_unique<TAvanzamento>(this, QStringLiteral("Lettura degli appuntamenti in corso..."),
                                                         totale);
        avanzamento->Aggiorna(letti);
    });
    avanzamento.reset();
    // A failure of the file leaves the lines read before it, silently.
    modello->setStringList(elenco.righe);
    imminenti_ = int(elenco.righe.size());
    lstRecords->selectionModel()->clear();
    lstRecords->horizontalScrollBar()->setValue(0);
    lstRecords->verticalScrollBar()->setValue(0);
}

void TfrmAgenda::MostraEsito(bool presenti)
{
    imgPresenti->setVisible(presenti);
    imgAppuntamentiSI->setVisible(presenti);
    imgAssenti->setVisible(!presenti);
    imgAppuntamentiNO->setVisible(!presenti);
}

void TfrmAgenda::SuonaAvviso()
{
    const QString file = CartellaProgramma() + QStringLiteral("Avviso.mp3");
    // Without the sound file the pictures alone tell it, with no message.
    if (!QFileInfo(file).isFile()) return;
    if (!MediaPlayer) {
        MediaPlayer = new QMediaPlayer(this);
        MediaPlayer->setObjectName(QStringLiteral("MediaPlayer"));
        audio_ = new QAudioOutput(this);
        MediaPlayer->setAudioOutput(audio_);
        // A file that cannot be played stays silent: its error is not shown.
    }
    MediaPlayer->stop();
    MediaPlayer->setSource(QUrl::fromLocalFile(file));
    MediaPlayer->setLoops(1);
    MediaPlayer->play();
    ++suonati_;
}

void TfrmAgenda::FermaAvviso()
{
    if (!MediaPlayer || MediaPlayer->source().isEmpty()) return;
    MediaPlayer->stop();
    ++fermati_;
}

void TfrmAgenda::lstRecordsClick()
{
    const QString riga = RigaSelezionata();
    if (riga.isEmpty()) return;
    if (const std::optional<AppuntamentoScelto> a = RichiamaAppuntamento(riga)) {
        titData->setText(a->data);
        titOra->setText(a->ora);
        titContatto->setText(a->contatto);
        titCel->setText(a->cel);
    }
}

void TfrmAgenda::btnGiornoClick()
{
    TfrmExpGiornaliere w(this);
    w.exec();
}

void TfrmAgenda::btnMeseClick()
{
    TfrmExpMensili w(this);
    w.exec();
}

void TfrmAgenda::btnExcelClick()
{
    TfrmExpImminenti w(this);
    w.exec();
}

void TfrmAgenda::btnStampaClick()
{
    StampaRiepilogo(*frxReport, QString::fromUtf8(kTitoloStampa), RigheLista(modello), {}, this);
}

void TfrmAgenda::btnWhatsAppClick()
{
    if (modello->rowCount() == 0) {
        Msg::Avviso(this, QString::fromUtf8(kListaVuota));
        return;
    }
    if (RigaSelezionata().isEmpty()) {
        Msg::Avviso(this, QString::fromUtf8(kNessunaSelezione));
        return;
    }
    TfrmWhatsApp_Message w(this);
    w.txtData->setText(Trim(titData->text()));
    w.txtOra->setText(Trim(titOra->text()));
    w.txtContatto->setText(Trim(titContatto->text()));
    w.txtCel->setText(Trim(titCel->text()));
    w.exec();
}

void TfrmAgenda::appApriArchivioClick()
{
    // The card file is another app's window: the shell opens it. The alert
    // is not stopped, as the agenda is only hidden.
    if (ApriFinestra(QStringLiteral("TfrmArchivio_Scadenze"), this)) hide();
}

void TfrmAgenda::imgGuidaClick()
{
    MostraGuida(this, GuidaAgenda());
}

void TfrmAgenda::imgEsciClick()
{
    close();
}

void TfrmAgenda::FormClose()
{
    FermaAvviso();
    MostraHub();
    hide();
}

void TfrmAgenda::closeEvent(QCloseEvent *e)
{
    // The window lives for the whole run: closing it only hides it.
    e->accept();
    FormClose();
}

#pragma once
// The report engine. A template (see reports/) describes pages, bands and the
// objects on them: named memos, fixed labels, lines, frames and pictures.
// The program fills memos by name, prepares the report (lays out every page)
// and then prints, previews or exports it to PDF.
//
// Units: 1/96 inch (3.77953 units per millimetre); paper sizes and margins in
// millimetres. Memos show their text literally, one line per line of text,
// cut at the memo's width and never wrapped; a memo whose "espressioni" flag is
// set replaces "[DATE]" with today's date when the report is prepared.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

constexpr double kUnitaPerMm = 3.77953;

enum class TipoOggetto { Memo, Linea, Cornice, Immagine };

// Sides of a memo's frame.
struct TBordo {
    bool sinistra = false, sopra = false, destra = false, sotto = false;
    double spessore = 1.0;
    QColor colore = Qt::black;
    bool Presente() const { return sinistra || sopra || destra || sotto; }
};

class TReportOggetto
{
public:
    explicit TReportOggetto(TipoOggetto t) : tipo_(t) {}
    virtual ~TReportOggetto() = default;
    TipoOggetto Tipo() const { return tipo_; }

    QString nome;
    double left = 0, top = 0, width = 0, height = 0; // in the band, units

    void ImpostaAltezza(double h) { height = h; }

private:
    TipoOggetto tipo_;
};

class TReportMemo : public TReportOggetto
{
public:
    TReportMemo() : TReportOggetto(TipoOggetto::Memo) {}

    // The whole text: lines separated by CR LF, LF or CR.
    void ImpostaTesto(const QString &testo);
    QString Testo() const { return righe.join(QStringLiteral("\r\n")); }
    void Svuota() { righe.clear(); }
    void Aggiungi(const QString &riga) { righe.append(riga); }
    const QStringList &Righe() const { return righe; }

    QStringList righe;
    QFont font;                  // family, point size, weight, italic
    QColor colore = Qt::black;   // text
    QColor sfondo;               // invalid: transparent
    Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop;
    double interlinea = 0;       // line pitch in units; 0: the font's line height
    double margineX = 2;         // blank left and right of the text
    double margineY = 0;         // blank above the first line
    bool espressioni = false;    // "[DATE]" is replaced when preparing
    TBordo bordo;
};

class TReportLinea : public TReportOggetto
{
public:
    TReportLinea() : TReportOggetto(TipoOggetto::Linea) {}
    // From (left, top) to (left + width, top + height).
    QColor colore = Qt::black;
    double spessore = 1.0;
};

class TReportCornice : public TReportOggetto
{
public:
    TReportCornice() : TReportOggetto(TipoOggetto::Cornice) {}
    QColor colore = Qt::black; // invalid: no outline
    double spessore = 1.0;
    QColor sfondo;             // invalid: transparent
    double raggio = 0;         // rounded corners
};

class TReportImmagine : public TReportOggetto
{
public:
    TReportImmagine() : TReportOggetto(TipoOggetto::Immagine) {}
    QImage immagine;
    bool proporzioni = true; // keep the aspect ratio, centred in the rectangle
};

enum class TipoBanda {
    ReportTitle, // once, at the top of the first page
    PageHeader,  // at the top of every page
    MasterData,  // once (one row, no dataset)
    Footer,      // once, after the data band
    PageFooter,  // at the bottom of every page
};

class TReportBanda
{
public:
    QString nome;
    TipoBanda tipo = TipoBanda::MasterData;
    double top = 0;      // position in the designer; bands are stacked when laid out
    double height = 0;
    bool divisibile = false; // may split across pages
    std::vector<std::unique_ptr<TReportOggetto>> oggetti;

    void ImpostaAltezza(double h) { height = h; }
};

class TReportPagina
{
public:
    QString nome;
    QSizeF cartaMm{210, 297}; // portrait width x height
    QPageLayout::Orientation orientamento = QPageLayout::Portrait;
    QMarginsF marginiMm{10, 10, 10, 10};
    std::vector<std::unique_ptr<TReportBanda>> bande;

    void ImpostaOrientamento(QPageLayout::Orientation o) { orientamento = o; }
    // Paper size as laid out (width and height swapped in landscape), mm.
    QSizeF CartaOrientataMm() const;
};

// What the PDF exporter writes; the caller sets the file name and the
// document properties before exporting.
struct TEsportazionePdf {
    QString fileName;
    QString title, subject, author, creator;
};

// One drawing step of a prepared page, in units from the paper's corner.
struct VoceStampa {
    enum Tipo : quint8 { Testo, Riempimento, Contorno, Linea, Immagine };
    Tipo tipo = Testo;
    int stile = -1;      // Testo: index of the text style
    int immagine = -1;   // Immagine: index of the picture
    QRectF r;            // Testo: the line box; otherwise the area
    QRectF clip;         // empty: none
    QLineF linea;
    QColor colore;
    double spessore = 0;
    double raggio = 0;
    QString testo;
};

struct StileTesto {
    QFont font;
    QColor colore;
    int allineamento = Qt::AlignLeft; // horizontal flags only
};

struct PaginaPreparata {
    QSizeF cartaMm; // as laid out
    QPageLayout::Orientation orientamento = QPageLayout::Portrait;
    std::vector<VoceStampa> voci;
};

class TReport
{
public:
    // Builds the report from its template description (JSON, see reports/);
    // throws std::invalid_argument when the description is malformed.
    explicit TReport(const QByteArray &descrizione);
    ~TReport();
    TReport(const TReport &) = delete;
    TReport &operator=(const TReport &) = delete;

    QString Nome() const { return nome_; }

    // Finding objects by name: any object or band; null when there is none.
    TReportOggetto *TrovaOggetto(const QString &nome) const;
    TReportMemo *TrovaMemo(const QString &nome) const;
    TReportBanda *TrovaBanda(const QString &nome) const;
    // Page n, 1-based; null when there is no such page.
    TReportPagina *Pagina(int n) const;

    // Lays out every page, discarding any earlier result. Shows progress when
    // it takes more than about half a second (owner: `parent`).
    void Prepara(QWidget *parent = nullptr);
    bool Preparato() const { return preparato_; }
    int PagineCount() const { return int(pagine_.size()); }
    const PaginaPreparata &PaginaPronta(int i) const { return pagine_[size_t(i)]; }

    // Sends the prepared pages to the printer (see output/Stampa.h); false
    // when nothing was printed (no printer, dialog cancelled, failure).
    bool Stampa(QWidget *parent = nullptr);
    // Modal preview of the prepared pages; returns when it is closed.
    void Anteprima(QWidget *parent = nullptr);
    // Writes the prepared pages to a PDF file; false when it cannot be written.
    bool EsportaPdf(const TEsportazionePdf &pdf);

    // Draws pages [da, a] (0-based) on a paged device that the caller has not
    // begun painting on; each page gets its own page layout.
    bool Disegna(QPagedPaintDevice *device, int da, int a) const;
    // Draws one prepared page on a painter whose origin is the paper's corner,
    // `scala` device pixels per unit.
    void DisegnaPagina(QPainter &p, int indice, double scala) const;

    // Preview buttons the template enables ("print", "zoom", "fullscreen",
    // "close", "navigator", ...).
    const QStringList &PulsantiAnteprima() const { return pulsanti_; }

private:
    struct Impaginatore;
    QString nome_;
    std::vector<std::unique_ptr<TReportPagina>> pagineModello_;
    QStringList pulsanti_;
    std::vector<PaginaPreparata> pagine_;
    std::vector<StileTesto> stili_;
    std::vector<QImage> immagini_;
    bool preparato_ = false;
};

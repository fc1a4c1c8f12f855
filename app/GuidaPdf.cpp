// The general guide laid out as a small A4 manual: a title page with the index,
// then the paragraphs grouped by app under numbered headings, with a running
// head and "Pagina N di M" at the foot of every page after the first.
#include "app/GuidaPdf.h"

#include "app/GuidaGenerale.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// The chapters of the printed guide: a heading and the index of its first
// paragraph in GuidaGenerale(); each runs up to the next one.
struct Capitolo {
    QString titolo;
    int primo;
};

const std::vector<Capitolo> &Capitoli()
{
    static const std::vector<Capitolo> capitoli = {
        {QStringLiteral("Introduzione"), 0},
        {QStringLiteral("Clienti e Servizi"), 1},
        {QStringLiteral("Registro Chiamate"), 14},
        {QStringLiteral("Agenda Appuntamenti"), 23},
        {QStringLiteral("Schedario Appuntamenti"), 30},
        {QStringLiteral("Riepiloghi Incassi"), 41},
        {QStringLiteral("Informazioni utili"), 45},
    };
    return capitoli;
}

const QColor kAccento(0xA5, 0x16, 0x2E);   // crimson, as the help window's titles
const QColor kTesto(0x22, 0x22, 0x22);
const QColor kGrigio(0x70, 0x70, 0x70);
const QColor kFiletto(0xC8, 0xC8, 0xC8);

constexpr int kRisoluzione = 300;           // dots per inch of the PDF device
constexpr double kMargine = 20.0;           // page margins, mm

double Mm(double mm) { return mm * kRisoluzione / 25.4; }
// Block margins of a text document are logical pixels (96 per inch), which the
// layout scales to the device.
double Spazio(double pt) { return pt * 96.0 / 72.0; }

QFont Carattere(double punti, bool grassetto = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

// The page (0-based) of a position in the laid-out body. The layout works in
// fixed point, so a line moved to a new page may sit a hair above its edge.
int PaginaDi(double y, double altezza) { return int((y + 0.5) / altezza); }

// Marks the heading blocks of the body, so that the layout can find them.
constexpr int kProprietaCapitolo = QTextFormat::UserProperty + 1;

QString TitoloCapitolo(int i) { return QStringLiteral("%1.  %2").arg(i + 1).arg(Capitoli()[i].titolo); }

// The body of the guide as a paginated text document: a heading block for each
// chapter followed by its paragraphs. `interruzioni[k]` starts block k on a new page.
void CompilaCorpo(QTextDocument &doc, const PaginaGuida &guida, const std::vector<bool> &interruzioni)
{
    doc.clear();
    QTextCursor cursore(&doc);

    QTextCharFormat testo;
    testo.setFont(Carattere(11));
    testo.setForeground(kTesto);
    QTextCharFormat intestazione;
    intestazione.setFont(Carattere(15, true));
    intestazione.setForeground(kAccento);

    const auto interrompi = [&](QTextBlockFormat &formato, int blocco) {
        const bool nuovaPagina = blocco < int(interruzioni.size()) && interruzioni[blocco];
        formato.setPageBreakPolicy(nuovaPagina ? QTextFormat::PageBreak_AlwaysBefore
                                               : QTextFormat::PageBreak_Auto);
        return nuovaPagina;
    };

    // Spacing is kept above blocks only: a block that opens a page is started
    // there on purpose (see Impagina) and then drops it.
    const auto &capitoli = Capitoli();
    int blocco = 0;
    for (size_t i = 0; i < capitoli.size(); ++i) {
        QTextBlockFormat titolo;
        titolo.setProperty(kProprietaCapitolo, int(i));
        titolo.setBottomMargin(Spazio(7));
        const bool inCima = interrompi(titolo, blocco);
        titolo.setTopMargin(blocco == 0 || inCima ? 0 : Spazio(18));
        if (blocco == 0) {
            cursore.setBlockFormat(titolo);
            cursore.setBlockCharFormat(intestazione);
            cursore.setCharFormat(intestazione);
        } else {
            cursore.insertBlock(titolo, intestazione);
        }
        cursore.insertText(TitoloCapitolo(int(i)));
        ++blocco;

        const int fine = i + 1 < capitoli.size() ? capitoli[i + 1].primo : int(guida.paragrafi.size());
        for (int p = capitoli[i].primo; p < fine; ++p, ++blocco) {
            QTextBlockFormat paragrafo;
            paragrafo.setAlignment(Qt::AlignJustify);
            paragrafo.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
            const bool inCima = interrompi(paragrafo, blocco);
            paragrafo.setTopMargin(p == capitoli[i].primo || inCima ? 0 : Spazio(7));
            cursore.insertBlock(paragrafo, testo);
            cursore.insertText(guida.paragrafi.at(p));
        }
    }
}

// Where a block fell in the laid-out body (positions from the top of the body).
struct Posizione {
    double cima;    // top of the first line
    double fondo;   // bottom of the last line
    bool capitolo;
};

std::vector<Posizione> Posizioni(const QTextDocument &doc)
{
    std::vector<Posizione> posizioni;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const double y = doc.documentLayout()->blockBoundingRect(b).top();
        const QTextLayout *layout = b.layout();
        const int righe = layout->lineCount();
        const QTextLine prima = layout->lineAt(0);
        const QTextLine ultima = layout->lineAt(righe - 1);
        posizioni.push_back({y + prima.y(), y + ultima.y() + ultima.height(),
                             b.blockFormat().hasProperty(kProprietaCapitolo)});
    }
    return posizioni;
}

// Lays the body out so that no paragraph is split between two pages, no heading
// is left at the foot of a page without its text, and every block that opens a
// page is started there on purpose, so that it drops the space above it.
void Impagina(QTextDocument &doc, const PaginaGuida &guida)
{
    const double altezza = doc.pageSize().height();
    const auto pagina = [altezza](double y) { return PaginaDi(y, altezza); };
    std::vector<bool> interruzioni;
    for (int giro = 0; giro < 200; ++giro) {
        CompilaCorpo(doc, guida, interruzioni);
        const std::vector<Posizione> blocchi = Posizioni(doc);
        interruzioni.resize(blocchi.size(), false);

        int daSpostare = -1;
        for (size_t k = 1; k < blocchi.size() && daSpostare < 0; ++k) {
            if (interruzioni[k])
                continue;
            const Posizione &b = blocchi[k];
            const int primaPagina = pagina(b.cima);
            if (pagina(b.fondo - 1) != primaPagina)
                daSpostare = int(k); // paragraph split over two pages
            else if (b.capitolo && k + 1 < blocchi.size() && pagina(blocchi[k + 1].fondo - 1) != primaPagina)
                daSpostare = int(k); // heading parted from its text
            else if (pagina(blocchi[k - 1].fondo - 1) != primaPagina)
                daSpostare = int(k); // opens a page
        }
        if (daSpostare < 0)
            return;
        interruzioni[daSpostare] = true;
        if (blocchi[daSpostare].capitolo && daSpostare + 1 < int(interruzioni.size()))
            interruzioni[daSpostare + 1] = false; // the text follows its heading
    }
}

void DisegnaFrontespizio(QPainter &p, const QSizeF &pagina, const QString &titolo,
                         const std::vector<int> &pagineCapitoli)
{
    // Coloured band with the title.
    p.fillRect(QRectF(0, 0, pagina.width(), Mm(95)), kAccento);
    p.fillRect(QRectF(0, Mm(95), pagina.width(), Mm(2.5)), kAccento.darker(140));

    p.setPen(Qt::white);
    p.setFont(Carattere(30, true));
    p.drawText(QRectF(Mm(kMargine), Mm(40), pagina.width() - 2 * Mm(kMargine), Mm(20)),
               Qt::AlignLeft | Qt::AlignBottom, titolo);
    p.setFont(Carattere(15));
    p.drawText(QRectF(Mm(kMargine), Mm(63), pagina.width() - 2 * Mm(kMargine), Mm(12)),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Guida all'utilizzo del software"));

    // Index.
    const double sinistra = Mm(kMargine + 5);
    const double destra = pagina.width() - Mm(kMargine + 5);
    p.setPen(kAccento);
    p.setFont(Carattere(17, true));
    p.drawText(QPointF(sinistra, Mm(130)), QStringLiteral("Indice"));
    p.setPen(QPen(kAccento, Mm(0.4)));
    p.drawLine(QPointF(sinistra, Mm(134)), QPointF(destra, Mm(134)));

    const QFont voce = Carattere(12);
    p.setFont(voce);
    const QFontMetricsF metriche(voce, p.device());
    const double puntino = metriche.horizontalAdvance(QStringLiteral(". "));
    double y = Mm(147);
    for (size_t i = 0; i < Capitoli().size(); ++i, y += Mm(10)) {
        const QString nome = TitoloCapitolo(int(i));
        const QString numero = QString::number(pagineCapitoli.at(i) + 2); // after the title page
        p.setPen(kTesto);
        p.drawText(QPointF(sinistra, y), nome);
        const double larghezzaNumero = metriche.horizontalAdvance(numero);
        p.drawText(QPointF(destra - larghezzaNumero, y), numero);
        // Dot leader between the name and the page number.
        const double da = sinistra + metriche.horizontalAdvance(nome) + Mm(2);
        const double a = destra - larghezzaNumero - Mm(2);
        const int puntini = puntino > 0 ? int((a - da) / puntino) : 0;
        if (puntini > 0) {
            p.setPen(kGrigio);
            p.drawText(QPointF(a - puntini * puntino, y), QStringLiteral(". ").repeated(puntini));
        }
    }
}

void DisegnaTestataEPiede(QPainter &p, const QSizeF &pagina, const QString &titolo,
                          const QString &capitolo, int numero, int totale)
{
    const double sinistra = Mm(kMargine);
    const double destra = pagina.width() - Mm(kMargine);
    const double larghezza = destra - sinistra;

    p.setFont(Carattere(9));
    p.setPen(kGrigio);
    p.drawText(QRectF(sinistra, Mm(9), larghezza, Mm(5)), Qt::AlignLeft | Qt::AlignBottom, titolo);
    p.drawText(QRectF(sinistra, Mm(9), larghezza, Mm(5)), Qt::AlignRight | Qt::AlignBottom, capitolo);
    p.setPen(QPen(kFiletto, Mm(0.25)));
    p.drawLine(QPointF(sinistra, Mm(15.5)), QPointF(destra, Mm(15.5)));

    const double piede = pagina.height() - Mm(15.5);
    p.drawLine(QPointF(sinistra, piede), QPointF(destra, piede));
    p.setPen(kGrigio);
    p.drawText(QRectF(sinistra, piede + Mm(1.5), larghezza, Mm(5)), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Pagina %1 di %2").arg(numero).arg(totale));
}

} // namespace

void ScriviGuidaPdf(const QString &percorso)
{
    const PaginaGuida guida = GuidaGenerale();

    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Impossibile creare %1: %2")
                                     .arg(percorso, file.errorString()).toStdString());

    QPdfWriter writer(&file);
    writer.setTitle(guida.titolo);
    writer.setCreator(QStringLiteral("Pratovia"));
    writer.setResolution(kRisoluzione);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const QSizeF pagina(writer.width(), writer.height());
    // Whole pixels, so that page edges fall on exact positions of the layout.
    const QRectF corpo(Mm(kMargine), Mm(kMargine), std::floor(pagina.width() - 2 * Mm(kMargine)),
                       std::floor(pagina.height() - 2 * Mm(kMargine)));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDocumentMargin(0);
    doc.setDefaultFont(Carattere(11));
    doc.setPageSize(corpo.size());

    Impagina(doc, guida);
    std::vector<int> pagineCapitoli;
    std::vector<double> cimeCapitoli;
    for (const Posizione &b : Posizioni(doc)) {
        if (b.capitolo) {
            pagineCapitoli.push_back(PaginaDi(b.cima, corpo.height()));
            cimeCapitoli.push_back(b.cima);
        }
    }
    const int pagineCorpo = doc.pageCount();
    const int totale = pagineCorpo + 1;

    QPainter p;
    if (!p.begin(&writer))
        throw std::runtime_error(QStringLiteral("Impossibile scrivere il PDF %1").arg(percorso).toStdString());
    p.setRenderHint(QPainter::Antialiasing);

    DisegnaFrontespizio(p, pagina, guida.titolo, pagineCapitoli);

    for (int n = 0; n < pagineCorpo; ++n) {
        writer.newPage();
        p.save();
        p.translate(corpo.left(), corpo.top() - n * corpo.height());
        // One pixel in from the page edges, so that the layout skips the lines
        // that only touch this page (a line moved to the next page starts
        // exactly on the edge) instead of painting them clipped.
        doc.drawContents(&p, QRectF(0, n * corpo.height() + 1, corpo.width(), corpo.height() - 2));
        p.restore();

        // The running head names the chapter under way at the top of the page.
        QString capitolo;
        for (size_t i = 0; i < cimeCapitoli.size(); ++i)
            if (cimeCapitoli[i] < n * corpo.height() + Mm(5))
                capitolo = Capitoli()[i].titolo;
        DisegnaTestataEPiede(p, pagina, guida.titolo, capitolo, n + 2, totale);
    }
    if (!p.end())
        throw std::runtime_error(QStringLiteral("Errore nella scrittura del PDF %1").arg(percorso).toStdString());

    if (!file.commit())
        throw std::runtime_error(QStringLiteral("Impossibile salvare %1: %2")
                                     .arg(percorso, file.errorString()).toStdString());
}

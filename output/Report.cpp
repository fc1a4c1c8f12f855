#include "output/Report.h"

#include "storage/Cartella.h"
#include "ui/Messaggi.h"
#include "output/Avanzamento.h"
#include "output/PdfInfo.h"
#include "output/Stampa.h"

#include <QFontMetricsF>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double kEps = 1e-6;

// ---------------------------------------------------------------------------
// Reading a template description

[[noreturn]] void Malformato(const QString &cosa)
{
    throw std::invalid_argument(("Modello di stampa non valido: " + cosa).toStdString());
}

QColor LeggiColore(const QJsonValue &v, const QColor &predefinito)
{
    if (v.isUndefined() || v.isNull()) return predefinito;
    const QString s = v.toString();
    if (s == QLatin1String("none") || s.isEmpty()) return QColor();
    QColor c = QColor::fromString(s);
    if (!c.isValid()) Malformato("colore " + s);
    return c;
}

Qt::Alignment LeggiAllineamento(const QJsonObject &o)
{
    Qt::Alignment a;
    const QString h = o.value(QLatin1String("align")).toString(QStringLiteral("left"));
    if (h == QLatin1String("left")) a |= Qt::AlignLeft;
    else if (h == QLatin1String("center")) a |= Qt::AlignHCenter;
    else if (h == QLatin1String("right")) a |= Qt::AlignRight;
    else Malformato("allineamento " + h);
    const QString v = o.value(QLatin1String("valign"))
                          .toString(h == QLatin1String("center") ? QStringLiteral("center")
                                                                  : QStringLiteral("top"));
    if (v == QLatin1String("top")) a |= Qt::AlignTop;
    else if (v == QLatin1String("center")) a |= Qt::AlignVCenter;
    else if (v == QLatin1String("bottom")) a |= Qt::AlignBottom;
    else Malformato("allineamento verticale " + v);
    return a;
}

QFont LeggiFont(const QJsonValue &v)
{
    const QJsonObject o = v.toObject();
    QFont f(o.value(QLatin1String("family")).toString(QStringLiteral("Arial")));
    f.setPointSizeF(o.value(QLatin1String("size")).toDouble(10));
    f.setBold(o.value(QLatin1String("bold")).toBool(false));
    f.setItalic(o.value(QLatin1String("italic")).toBool(false));
    f.setUnderline(o.value(QLatin1String("underline")).toBool(false));
    // The same advances at every resolution, so a line measured while
    // preparing fits the same way on paper, in the preview and in the PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

TBordo LeggiBordo(const QJsonValue &v)
{
    TBordo b;
    if (!v.isObject()) return b;
    const QJsonObject o = v.toObject();
    const QString lati = o.value(QLatin1String("sides")).toString(QStringLiteral("all"));
    const bool tutti = lati == QLatin1String("all");
    b.sinistra = tutti || lati.contains(u'l');
    b.sopra = tutti || lati.contains(u't');
    b.destra = tutti || lati.contains(u'r');
    b.sotto = tutti || lati.contains(u'b');
    b.spessore = o.value(QLatin1String("stroke")).toDouble(1);
    b.colore = LeggiColore(o.value(QLatin1String("color")), Qt::black);
    return b;
}

void LeggiGeometria(const QJsonObject &o, TReportOggetto &ogg)
{
    ogg.nome = o.value(QLatin1String("name")).toString();
    ogg.left = o.value(QLatin1String("left")).toDouble();
    ogg.top = o.value(QLatin1String("top")).toDouble();
    ogg.width = o.value(QLatin1String("width")).toDouble();
    ogg.height = o.value(QLatin1String("height")).toDouble();
}

std::unique_ptr<TReportOggetto> LeggiOggetto(const QJsonObject &o)
{
    const QString tipo = o.value(QLatin1String("type")).toString();
    if (tipo == QLatin1String("memo")) {
        auto m = std::make_unique<TReportMemo>();
        LeggiGeometria(o, *m);
        m->ImpostaTesto(o.value(QLatin1String("text")).toString());
        m->font = LeggiFont(o.value(QLatin1String("font")));
        m->colore = LeggiColore(o.value(QLatin1String("color")), Qt::black);
        m->sfondo = LeggiColore(o.value(QLatin1String("fill")), QColor());
        m->allineamento = LeggiAllineamento(o);
        m->interlinea = o.value(QLatin1String("lineHeight")).toDouble(0);
        m->margineX = o.value(QLatin1String("gapX")).toDouble(2);
        m->margineY = o.value(QLatin1String("gapY")).toDouble(0);
        m->espressioni = o.value(QLatin1String("expressions")).toBool(false);
        m->bordo = LeggiBordo(o.value(QLatin1String("frame")));
        if (o.value(QLatin1String("wordWrap")).toBool(false)) Malformato("memo a capo automatico");
        return m;
    }
    if (tipo == QLatin1String("line")) {
        auto l = std::make_unique<TReportLinea>();
        LeggiGeometria(o, *l);
        l->colore = LeggiColore(o.value(QLatin1String("color")), Qt::black);
        l->spessore = o.value(QLatin1String("stroke")).toDouble(1);
        return l;
    }
    if (tipo == QLatin1String("frame")) {
        auto c = std::make_unique<TReportCornice>();
        LeggiGeometria(o, *c);
        c->colore = LeggiColore(o.value(QLatin1String("color")), Qt::black);
        c->spessore = o.value(QLatin1String("stroke")).toDouble(1);
        c->sfondo = LeggiColore(o.value(QLatin1String("fill")), QColor());
        c->raggio = o.value(QLatin1String("radius")).toDouble(0);
        return c;
    }
    if (tipo == QLatin1String("picture")) {
        auto i = std::make_unique<TReportImmagine>();
        LeggiGeometria(o, *i);
        if (o.contains(QLatin1String("png"))) {
            const QByteArray dati =
                QByteArray::fromBase64(o.value(QLatin1String("png")).toString().toLatin1());
            if (!i->immagine.loadFromData(dati, "PNG")) Malformato("immagine " + i->nome);
        } else if (o.contains(QLatin1String("file"))) {
            if (!i->immagine.load(o.value(QLatin1String("file")).toString()))
                Malformato("immagine " + i->nome);
        }
        i->proporzioni = o.value(QLatin1String("keepAspect")).toBool(true);
        return i;
    }
    Malformato("oggetto di tipo " + tipo);
}

TipoBanda LeggiTipoBanda(const QString &s)
{
    if (s == QLatin1String("ReportTitle")) return TipoBanda::ReportTitle;
    if (s == QLatin1String("PageHeader")) return TipoBanda::PageHeader;
    if (s == QLatin1String("MasterData")) return TipoBanda::MasterData;
    if (s == QLatin1String("Footer")) return TipoBanda::Footer;
    if (s == QLatin1String("PageFooter")) return TipoBanda::PageFooter;
    Malformato("banda di tipo " + s);
}

QMarginsF LeggiMargini(const QJsonValue &v)
{
    if (v.isDouble()) {
        const double m = v.toDouble();
        return QMarginsF(m, m, m, m);
    }
    const QJsonArray a = v.toArray();
    if (a.size() != 4) Malformato(QStringLiteral("margini"));
    return QMarginsF(a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble());
}

QSizeF LeggiCarta(const QJsonValue &v)
{
    if (v.isUndefined() || v.toString() == QLatin1String("A4")) return QSizeF(210, 297);
    const QJsonArray a = v.toArray();
    if (a.size() != 2) Malformato(QStringLiteral("formato della carta"));
    return QSizeF(a[0].toDouble(), a[1].toDouble());
}

// ---------------------------------------------------------------------------
// Measuring text. Widths are taken at 1200 dpi, where glyph advances are
// practically exact, and turned into units.

const QImage &DispositivoMisura()
{
    static const QImage img = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(47244); // 1200 dpi
        i.setDotsPerMeterY(47244);
        return i;
    }();
    return img;
}

class Misuratore
{
public:
    explicit Misuratore(const QFont &f)
        : fm_(f, const_cast<QImage *>(&DispositivoMisura())),
          k_(96.0 / DispositivoMisura().logicalDpiX())
    {
    }
    double AltezzaRiga() const { return fm_.height() * k_; }

    // The longest beginning of `s` that fits in `spazio` units.
    QString Taglia(const QString &s, double spazio) const
    {
        if (s.isEmpty() || fm_.horizontalAdvance(s) * k_ <= spazio + kEps) return s;
        qsizetype lo = 0, hi = s.size(); // fits(lo) holds, fits(hi) does not
        while (hi - lo > 1) {
            const qsizetype mid = (lo + hi) / 2;
            if (fm_.horizontalAdvance(s.left(mid)) * k_ <= spazio + kEps) lo = mid;
            else hi = mid;
        }
        // Never split a surrogate pair.
        if (lo > 0 && s[lo - 1].isHighSurrogate()) --lo;
        return s.left(lo);
    }

private:
    QFontMetricsF fm_;
    double k_;
};

QRectF Interseca(const QRectF &a, const QRectF &b) { return a.intersected(b); }

} // namespace

// ---------------------------------------------------------------------------

void TReportMemo::ImpostaTesto(const QString &testo)
{
    righe.clear();
    if (testo.isEmpty()) return;
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    righe = t.split(u'\n');
}

QSizeF TReportPagina::CartaOrientataMm() const
{
    const double corto = qMin(cartaMm.width(), cartaMm.height());
    const double lungo = qMax(cartaMm.width(), cartaMm.height());
    return orientamento == QPageLayout::Landscape ? QSizeF(lungo, corto) : QSizeF(corto, lungo);
}

TReport::TReport(const QByteArray &descrizione)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(descrizione, &err);
    if (doc.isNull() || !doc.isObject()) Malformato(err.errorString());
    const QJsonObject radice = doc.object();
    nome_ = radice.value(QLatin1String("report")).toString();
    const QJsonArray pagine = radice.value(QLatin1String("pages")).toArray();
    if (pagine.isEmpty()) Malformato(QStringLiteral("nessuna pagina"));
    for (const QJsonValue &pv : pagine) {
        const QJsonObject po = pv.toObject();
        auto pag = std::make_unique<TReportPagina>();
        pag->nome = po.value(QLatin1String("name")).toString();
        pag->cartaMm = LeggiCarta(po.value(QLatin1String("paper")));
        const QString orient = po.value(QLatin1String("orientation")).toString(QStringLiteral("portrait"));
        if (orient == QLatin1String("landscape")) pag->orientamento = QPageLayout::Landscape;
        else if (orient == QLatin1String("portrait")) pag->orientamento = QPageLayout::Portrait;
        else Malformato("orientamento " + orient);
        if (po.contains(QLatin1String("margins")))
            pag->marginiMm = LeggiMargini(po.value(QLatin1String("margins")));
        for (const QJsonValue &bv : po.value(QLatin1String("bands")).toArray()) {
            const QJsonObject bo = bv.toObject();
            auto banda = std::make_unique<TReportBanda>();
            banda->nome = bo.value(QLatin1String("name")).toString();
            banda->tipo = LeggiTipoBanda(bo.value(QLatin1String("kind")).toString());
            banda->top = bo.value(QLatin1String("top")).toDouble();
            banda->height = bo.value(QLatin1String("height")).toDouble();
            banda->divisibile = bo.value(QLatin1String("split")).toBool(false);
            for (const QJsonValue &ov : bo.value(QLatin1String("objects")).toArray())
                banda->oggetti.push_back(LeggiOggetto(ov.toObject()));
            pag->bande.push_back(std::move(banda));
        }
        pagineModello_.push_back(std::move(pag));
    }
    const QJsonObject anteprima = radice.value(QLatin1String("preview")).toObject();
    for (const QJsonValue &v : anteprima.value(QLatin1String("buttons")).toArray())
        pulsanti_.append(v.toString());
}

TReport::~TReport() = default;

TReportOggetto *TReport::TrovaOggetto(const QString &nome) const
{
    for (const auto &p : pagineModello_)
        for (const auto &b : p->bande)
            for (const auto &o : b->oggetti)
                if (o->nome == nome) return o.get();
    return nullptr;
}

TReportMemo *TReport::TrovaMemo(const QString &nome) const
{
    TReportOggetto *o = TrovaOggetto(nome);
    return o && o->Tipo() == TipoOggetto::Memo ? static_cast<TReportMemo *>(o) : nullptr;
}

TReportBanda *TReport::TrovaBanda(const QString &nome) const
{
    for (const auto &p : pagineModello_)
        for (const auto &b : p->bande)
            if (b->nome == nome) return b.get();
    return nullptr;
}

TReportPagina *TReport::Pagina(int n) const
{
    if (n < 1 || n > int(pagineModello_.size())) return nullptr;
    return pagineModello_[size_t(n - 1)].get();
}

// ---------------------------------------------------------------------------
// Laying out

struct TReport::Impaginatore {
    TReport &r;
    const TReportPagina &modello;
    TAvanzamento &avanzamento;
    qint64 &fatti;
    const QString data;

    QSizeF cartaMm;
    double sinistra = 0, alto = 0, basso = 0; // printable area, units
    double y = 0, fondo = 0;                  // cursor and the limit of the flowing bands
    bool paginaVuota = true;
    PaginaPreparata *pagina = nullptr;
    std::vector<const TReportBanda *> testate, piedi;
    QHash<const TReportMemo *, int> stiliMemo;
    QHash<const TReportMemo *, std::shared_ptr<Misuratore>> misure;

    Impaginatore(TReport &rep, const TReportPagina &m, TAvanzamento &av, qint64 &f)
        : r(rep), modello(m), avanzamento(av), fatti(f), data(Oggi().toString(QStringLiteral("dd/MM/yyyy")))
    {
        cartaMm = m.CartaOrientataMm();
        sinistra = m.marginiMm.left() * kUnitaPerMm;
        alto = m.marginiMm.top() * kUnitaPerMm;
        basso = (cartaMm.height() - m.marginiMm.bottom()) * kUnitaPerMm;
        for (const auto &b : m.bande) {
            if (b->tipo == TipoBanda::PageHeader) testate.push_back(b.get());
            if (b->tipo == TipoBanda::PageFooter) piedi.push_back(b.get());
        }
    }

    void Esegui()
    {
        NuovaPagina();
        for (const auto &b : modello.bande)
            if (b->tipo != TipoBanda::PageHeader && b->tipo != TipoBanda::PageFooter) Colloca(*b);
    }

    void NuovaPagina()
    {
        r.pagine_.emplace_back();
        pagina = &r.pagine_.back();
        pagina->cartaMm = cartaMm;
        pagina->orientamento = modello.orientamento;
        double altezzaPiedi = 0;
        for (const TReportBanda *b : piedi) altezzaPiedi += b->height;
        double yp = basso - altezzaPiedi;
        for (const TReportBanda *b : piedi) {
            Emetti(*b, 0, b->height, yp);
            yp += b->height;
        }
        fondo = basso - altezzaPiedi;
        y = alto;
        for (const TReportBanda *b : testate) {
            Emetti(*b, 0, b->height, y);
            y += b->height;
        }
        paginaVuota = true;
    }

    // Places a band at the cursor; a band that may split continues on the
    // following pages, broken between two lines of its memos.
    void Colloca(const TReportBanda &b)
    {
        double da = 0;
        const double h = b.height;
        while (true) {
            const double resto = h - da;
            const double spazio = fondo - y;
            if (resto <= spazio + kEps) {
                Emetti(b, da, h, y);
                y += resto;
                paginaVuota = false;
                return;
            }
            if (!b.divisibile || spazio <= kEps) {
                if (!paginaVuota) {
                    NuovaPagina();
                    continue;
                }
                // Taller than an empty page: what does not fit is cut off.
                Emetti(b, da, h, y);
                y += resto;
                paginaVuota = false;
                return;
            }
            double taglio = PuntoDiTaglio(b, da, da + spazio);
            if (taglio <= da + kEps) {
                if (!paginaVuota) {
                    NuovaPagina();
                    continue;
                }
                taglio = da + spazio; // a single line taller than the page
            }
            Emetti(b, da, taglio, y);
            paginaVuota = false;
            da = taglio;
            NuovaPagina();
        }
    }

    double Interlinea(const TReportMemo &m)
    {
        if (m.interlinea > 0) return m.interlinea;
        return Misura(m).AltezzaRiga();
    }

    Misuratore &Misura(const TReportMemo &m)
    {
        auto it = misure.find(&m);
        if (it == misure.end()) it = misure.insert(&m, std::make_shared<Misuratore>(m.font));
        return *it.value();
    }

    // Top of the first line of a memo, in band units.
    double PrimaRiga(const TReportMemo &m, double passo)
    {
        const double blocco = m.righe.size() * passo;
        const Qt::Alignment v = m.allineamento & Qt::AlignVertical_Mask;
        double y0 = m.top + m.margineY;
        if (v & Qt::AlignVCenter) y0 = m.top + (m.height - blocco) / 2;
        else if (v & Qt::AlignBottom) y0 = m.top + m.height - m.margineY - blocco;
        return qMax(y0, m.top + m.margineY);
    }

    // The lowest break at or above `limite` that cuts no memo line in two.
    double PuntoDiTaglio(const TReportBanda &b, double da, double limite)
    {
        double c = limite;
        bool cambiato = true;
        while (cambiato) {
            cambiato = false;
            for (const auto &o : b.oggetti) {
                if (o->Tipo() != TipoOggetto::Memo) continue;
                const auto &m = static_cast<const TReportMemo &>(*o);
                const double passo = Interlinea(m);
                if (m.righe.isEmpty() || passo <= 0) continue;
                const double y0 = PrimaRiga(m, passo);
                const double i = std::floor((c - y0) / passo + kEps);
                if (i < 0 || i >= m.righe.size()) continue;
                const double inizio = y0 + i * passo;
                if (inizio < c - kEps && inizio + passo > c + kEps && inizio < m.top + m.height - kEps) {
                    c = qMax(inizio, da);
                    cambiato = c > da;
                    if (!cambiato) return da;
                }
            }
        }
        return c;
    }

    int Stile(const TReportMemo &m)
    {
        auto it = stiliMemo.find(&m);
        if (it != stiliMemo.end()) return it.value();
        StileTesto s;
        s.font = m.font;
        s.colore = m.colore;
        s.allineamento = int(m.allineamento & Qt::AlignHorizontal_Mask);
        r.stili_.push_back(s);
        const int i = int(r.stili_.size()) - 1;
        stiliMemo.insert(&m, i);
        return i;
    }

    // Draws the part [da, a) of a band with its top at `yPagina`.
    void Emetti(const TReportBanda &b, double da, double a, double yPagina)
    {
        const double dy = yPagina - da;
        const QRectF pezzo(sinistra, yPagina, 1e9, a - da);
        for (const auto &o : b.oggetti) {
            const QRectF rect(sinistra + o->left, o->top + dy, o->width, o->height);
            switch (o->Tipo()) {
            case TipoOggetto::Memo:
                EmettiMemo(static_cast<const TReportMemo &>(*o), rect, da, a, dy, pezzo);
                break;
            case TipoOggetto::Linea: {
                const auto &l = static_cast<const TReportLinea &>(*o);
                const double t = qMin(l.top, l.top + l.height);
                if (t < da - kEps || t >= a - kEps) break;
                VoceStampa v;
                v.tipo = VoceStampa::Linea;
                v.linea = QLineF(rect.left(), rect.top(), rect.left() + l.width, rect.top() + l.height);
                v.colore = l.colore;
                v.spessore = l.spessore;
                pagina->voci.push_back(std::move(v));
                break;
            }
            case TipoOggetto::Cornice: {
                const auto &c = static_cast<const TReportCornice &>(*o);
                const QRectF vis = Interseca(rect, pezzo);
                if (vis.isEmpty()) break;
                if (c.sfondo.isValid()) {
                    VoceStampa v;
                    v.tipo = VoceStampa::Riempimento;
                    v.r = vis;
                    v.colore = c.sfondo;
                    v.raggio = c.raggio;
                    pagina->voci.push_back(std::move(v));
                }
                if (c.colore.isValid() && c.spessore > 0) {
                    VoceStampa v;
                    v.tipo = VoceStampa::Contorno;
                    v.r = vis;
                    v.colore = c.colore;
                    v.spessore = c.spessore;
                    v.raggio = c.raggio;
                    pagina->voci.push_back(std::move(v));
                }
                break;
            }
            case TipoOggetto::Immagine: {
                const auto &im = static_cast<const TReportImmagine &>(*o);
                if (im.top < da - kEps || im.top >= a - kEps || im.immagine.isNull()) break;
                r.immagini_.push_back(im.immagine);
                VoceStampa v;
                v.tipo = VoceStampa::Immagine;
                v.immagine = int(r.immagini_.size()) - 1;
                QRectF dest = rect;
                if (im.proporzioni) {
                    QSizeF s = im.immagine.size();
                    s.scale(rect.size(), Qt::KeepAspectRatio);
                    dest = QRectF(rect.left() + (rect.width() - s.width()) / 2,
                                  rect.top() + (rect.height() - s.height()) / 2, s.width(), s.height());
                }
                v.r = dest;
                v.clip = pezzo.intersected(QRectF(0, 0, 1e9, 1e9));
                pagina->voci.push_back(std::move(v));
                break;
            }
            }
        }
    }

    void EmettiMemo(const TReportMemo &m, const QRectF &rect, double da, double a, double dy,
                    const QRectF &pezzo)
    {
        const QRectF vis = Interseca(rect, pezzo);
        if (m.sfondo.isValid() && !vis.isEmpty()) {
            VoceStampa v;
            v.tipo = VoceStampa::Riempimento;
            v.r = vis;
            v.colore = m.sfondo;
            pagina->voci.push_back(std::move(v));
        }
        const double passo = Interlinea(m);
        const qsizetype n = m.righe.size();
        if (n > 0 && passo > 0) {
            const double y0 = PrimaRiga(m, passo);
            const double fondoMemo = m.top + m.height;
            qsizetype i = qMax<qsizetype>(0, qsizetype(std::ceil((da - y0) / passo - kEps)));
            const int stile = Stile(m);
            Misuratore &mis = Misura(m);
            const double spazio = m.width - 2 * m.margineX;
            const double limiteClip = qMin(fondoMemo, a);
            const QRectF clip = Interseca(rect, pezzo);
            for (; i < n; ++i) {
                const double t = y0 + i * passo;
                if (t >= a - kEps || t >= fondoMemo - kEps) break;
                QString testo = m.righe[i];
                if (m.espressioni && testo.contains(QLatin1String("[DATE]")))
                    testo.replace(QLatin1String("[DATE]"), data);
                VoceStampa v;
                v.tipo = VoceStampa::Testo;
                v.stile = stile;
                v.r = QRectF(rect.left() + m.margineX, t + dy, spazio, passo);
                v.testo = mis.Taglia(testo, spazio);
                if (t + passo > limiteClip + kEps) v.clip = clip;
                pagina->voci.push_back(std::move(v));
                avanzamento.Passo(++fatti);
            }
        }
        if (m.bordo.Presente() && !vis.isEmpty()) {
            auto lato = [&](QPointF p1, QPointF p2) {
                VoceStampa v;
                v.tipo = VoceStampa::Linea;
                v.linea = QLineF(p1, p2);
                v.colore = m.bordo.colore;
                v.spessore = m.bordo.spessore;
                pagina->voci.push_back(std::move(v));
            };
            if (m.bordo.sinistra) lato(vis.topLeft(), vis.bottomLeft());
            if (m.bordo.destra) lato(vis.topRight(), vis.bottomRight());
            if (m.bordo.sopra && m.top >= da - kEps) lato(rect.topLeft(), rect.topRight());
            if (m.bordo.sotto && m.top + m.height <= a + kEps) lato(rect.bottomLeft(), rect.bottomRight());
        }
    }
};

void TReport::Prepara(QWidget *parent)
{
    pagine_.clear();
    stili_.clear();
    immagini_.clear();
    preparato_ = false;
    qint64 righe = 0;
    for (const auto &p : pagineModello_)
        for (const auto &b : p->bande)
            for (const auto &o : b->oggetti)
                if (o->Tipo() == TipoOggetto::Memo) righe += static_cast<TReportMemo &>(*o).righe.size();
    TAvanzamento avanzamento(parent, QStringLiteral("Preparazione della stampa in corso..."), righe);
    qint64 fatti = 0;
    for (const auto &p : pagineModello_) {
        Impaginatore imp(*this, *p, avanzamento, fatti);
        imp.Esegui();
    }
    preparato_ = true;
}

// ---------------------------------------------------------------------------
// Drawing

void TReport::DisegnaPagina(QPainter &p, int indice, double s) const
{
    const PaginaPreparata &pag = pagine_[size_t(indice)];
    auto sc = [s](const QRectF &r) { return QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s); };
    int stileCorrente = -1;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const VoceStampa &v : pag.voci) {
        switch (v.tipo) {
        case VoceStampa::Contorno:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(v.colore, v.spessore * s));
            if (v.raggio > 0) p.drawRoundedRect(sc(v.r), v.raggio * s, v.raggio * s);
            else p.drawRect(sc(v.r));
            break;
        case VoceStampa::Riempimento:
            if (v.raggio > 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(v.colore);
                p.drawRoundedRect(sc(v.r), v.raggio * s, v.raggio * s);
            } else {
                p.fillRect(sc(v.r), v.colore);
            }
            break;
        case VoceStampa::Linea:
            p.setPen(QPen(v.colore, v.spessore * s, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QLineF(v.linea.p1() * s, v.linea.p2() * s));
            break;
        case VoceStampa::Immagine:
            if (!v.clip.isEmpty()) p.setClipRect(sc(v.clip));
            p.drawImage(sc(v.r), immagini_[size_t(v.immagine)]);
            p.setClipping(false);
            break;
        case VoceStampa::Testo: {
            if (v.testo.isEmpty()) break;
            const StileTesto &st = stili_[size_t(v.stile)];
            if (v.stile != stileCorrente) {
                p.setFont(st.font);
                p.setPen(st.colore);
                stileCorrente = v.stile;
            }
            if (!v.clip.isEmpty()) p.setClipRect(sc(v.clip));
            p.drawText(sc(v.r), st.allineamento | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                       v.testo);
            if (!v.clip.isEmpty()) p.setClipping(false);
            break;
        }
        }
    }
}

bool TReport::Disegna(QPagedPaintDevice *device, int da, int a) const
{
    if (pagine_.empty()) return false;
    da = qBound(0, da, PagineCount() - 1);
    a = qBound(da, a, PagineCount() - 1);
    QPainter p;
    for (int i = da; i <= a; ++i) {
        const PaginaPreparata &pag = pagine_[size_t(i)];
        const QPageSize formato(QSizeF(qMin(pag.cartaMm.width(), pag.cartaMm.height()),
                                       qMax(pag.cartaMm.width(), pag.cartaMm.height())),
                                QPageSize::Millimeter);
        const bool cambia = i == da || pagine_[size_t(i - 1)].cartaMm != pag.cartaMm;
        if (cambia) {
            device->setPageSize(formato);
            device->setPageOrientation(pag.orientamento);
            device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        }
        if (i == da) {
            if (!p.begin(device)) return false;
        } else if (!device->newPage()) {
            p.end();
            return false;
        }
        DisegnaPagina(p, i, p.device()->logicalDpiX() / 96.0);
    }
    return p.end();
}

// ---------------------------------------------------------------------------
// Output

bool TReport::EsportaPdf(const TEsportazionePdf &pdf)
{
    if (!preparato_) Prepara();
    {
        QPdfWriter w(pdf.fileName);
        w.setResolution(1200);
        w.setTitle(pdf.title);
        w.setCreator(pdf.creator);
        if (!Disegna(&w, 0, PagineCount() - 1)) return false;
    }
    return AggiornaInfoPdf(pdf.fileName, {pdf.title, pdf.subject, pdf.author, pdf.creator});
}

bool TReport::Stampa(QWidget *parent)
{
    if (!preparato_) Prepara(parent);
    const QString suPdf = StampaSuPdf();
    if (!suPdf.isEmpty()) {
        TEsportazionePdf pdf;
        pdf.fileName = suPdf;
        pdf.title = nome_;
        pdf.creator = QStringLiteral("Pratovia");
        return EsportaPdf(pdf);
    }
    const QList<QPrinterInfo> stampanti = QPrinterInfo::availablePrinters();
    if (stampanti.isEmpty()) {
        Msg::Errore(parent, QString::fromUtf8(kNessunaStampante));
        return false;
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) info = stampanti.first();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(nome_);
    const PaginaPreparata &prima = pagine_.front();
    printer.setPageSize(QPageSize(QSizeF(qMin(prima.cartaMm.width(), prima.cartaMm.height()),
                                         qMax(prima.cartaMm.width(), prima.cartaMm.height())),
                                  QPageSize::Millimeter));
    printer.setPageOrientation(prima.orientamento);
    printer.setFromTo(1, PagineCount());

    QPrintDialog dialogo(&printer, parent);
    dialogo.setWindowTitle(QStringLiteral(" Stampa"));
    dialogo.setMinMax(1, PagineCount());
    dialogo.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
    if (dialogo.exec() != QDialog::Accepted) return false;

    int da = 0, a = PagineCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        da = printer.fromPage() - 1;
        a = qMax(da, printer.toPage() - 1);
    }
    // Drivers that cannot make copies themselves get the pages again.
    const int copie = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    bool ok = true;
    for (int c = 0; c < copie && ok; ++c) ok = Disegna(&printer, da, a);
    return ok;
}

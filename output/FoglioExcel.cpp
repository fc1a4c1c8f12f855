#include "output/FoglioExcel.h"

#include "storage/Cartella.h"
#include "storage/ShortText.h"

#include <QBuffer>
#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

constexpr qsizetype kBlocco = 1 << 20; // bytes handed to the device at a time

class Scrittore
{
public:
    explicit Scrittore(QIODevice &out) : out_(out) { buf_.reserve(kBlocco + 4096); }

    void Testo(const char *s, qsizetype n) { buf_.append(s, n); }
    template <qsizetype N>
    void Lit(const char (&s)[N]) { buf_.append(s, N - 1); }

    // A text HTML-escaped and encoded in Windows-1252; characters the code
    // page lacks become numeric character references. `taglia`: trimmed of
    // blanks and control characters (codes 0-32) at both ends.
    void Html(QStringView s, bool taglia)
    {
        qsizetype a = 0, b = s.size();
        if (taglia) {
            while (a < b && s[a].unicode() <= 32) ++a;
            while (b > a && s[b - 1].unicode() <= 32) --b;
        }
        const qsizetype base = buf_.size();
        buf_.resize(base + (b - a) * 10); // worst case: "&#1114111;" per character
        char *o = buf_.data() + base;
        const char16_t *p = reinterpret_cast<const char16_t *>(s.data());
        for (qsizetype i = a; i < b; ++i) {
            const char16_t c = p[i];
            if (c < 0x80) {
                switch (c) {
                case u'&': std::memcpy(o, "&amp;", 5); o += 5; break;
                case u'<': std::memcpy(o, "&lt;", 4); o += 4; break;
                case u'>': std::memcpy(o, "&gt;", 4); o += 4; break;
                case u'"': std::memcpy(o, "&quot;", 6); o += 6; break;
                default: *o++ = char(c);
                }
                continue;
            }
            unsigned char byte;
            if (ShortText::ToCp1252(c, byte)) {
                *o++ = char(byte);
                continue;
            }
            char32_t cp = c;
            if (QChar::isHighSurrogate(c) && i + 1 < b && QChar::isLowSurrogate(p[i + 1])) {
                cp = QChar::surrogateToUcs4(c, p[i + 1]);
                ++i;
            }
            o += std::snprintf(o, 11, "&#%u;", unsigned(cp));
        }
        buf_.resize(o - buf_.data());
    }

    void Numero(int n) { buf_.append(QByteArray::number(n)); }

    bool Svuota(bool sempre)
    {
        if (!sempre && buf_.size() < kBlocco) return true;
        if (!buf_.isEmpty() && out_.write(buf_) != buf_.size()) return false;
        buf_.clear();
        return true;
    }

private:
    QIODevice &out_;
    QByteArray buf_;
};

} // namespace

bool ScriviFoglioExcel(QIODevice &out, const QString &nomeFoglio, const QVector<IntestazioneExcel> &intestazioni,
                       const RigheGriglia &righe, const AvanzamentoScrittura &avanzamento)
{
    Scrittore w(out);
    w.Lit("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
          " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
          " xmlns=\"http://www.w3.org/TR/REC-html40\">"
          "<head>"
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
          "<!--[if gte mso 9]><xml>"
          "<x:ExcelWorkbook>"
          "<x:ExcelWorksheets>"
          "<x:ExcelWorksheet>"
          "<x:Name>");
    w.Html(nomeFoglio, false);
    w.Lit("</x:Name>"
          "<x:WorksheetOptions>"
          "<x:Selected/>"
          "<x:Panes>"
          "<x:Pane>"
          "<x:Number>1</x:Number>"
          "<x:ActiveRow>3</x:ActiveRow>"
          "</x:Pane>"
          "</x:Panes>"
          "<x:ProtectContents>False</x:ProtectContents>"
          "<x:ProtectObjects>False</x:ProtectObjects>"
          "<x:ProtectScenarios>False</x:ProtectScenarios>"
          "</x:WorksheetOptions>"
          "</x:ExcelWorksheet>"
          "</x:ExcelWorksheets>"
          "</x:ExcelWorkbook>"
          "</xml><![endif]-->"
          "</head>"
          "<body>"
          "<table x:str>"
          "<tr>");
    for (const IntestazioneExcel &h : intestazioni) {
        w.Lit("<td style=\"text-align: left; font-weight: bold;\" width=");
        w.Numero(h.larghezza);
        w.Lit(">");
        w.Html(h.testo, false);
        w.Lit("</td>");
    }
    w.Lit("</tr>");
    const qsizetype k = intestazioni.size();
    qint64 scritte = 0;
    for (const QStringList &riga : righe) {
        w.Lit("<tr>");
        for (qsizetype c = 1; c <= k; ++c) {
            w.Lit("<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;1040;@\">");
            if (c < riga.size()) w.Html(riga[c], true);
            w.Lit("</td>");
        }
        w.Lit("</tr>");
        if (!w.Svuota(false)) return false;
        if (avanzamento && (++scritte & 1023) == 0) avanzamento(scritte);
    }
    w.Lit("</table>"
          "</body>"
          "</html>");
    return w.Svuota(true);
}

QByteArray FoglioExcel(const QString &nomeFoglio, const QVector<IntestazioneExcel> &intestazioni,
                       const RigheGriglia &righe)
{
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    ScriviFoglioExcel(b, nomeFoglio, intestazioni, righe);
    return dati;
}

bool EsportaFoglioExcel(const QString &nomeFile, const QString &nomeFoglio,
                        const QVector<IntestazioneExcel> &intestazioni, const RigheGriglia &righe,
                        const AvanzamentoScrittura &avanzamento)
{
    QFile f(CartellaProgramma() + nomeFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    bool ok = ScriviFoglioExcel(f, nomeFoglio, intestazioni, righe, avanzamento);
    ok = f.flush() && ok;
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

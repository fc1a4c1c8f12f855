#include "storage/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {

struct Riga {
    qsizetype inizio; // offset of the line in the content
    qsizetype fine;   // end of the text, before CR LF / LF
    qsizetype dopo;   // offset of the next line
};

std::vector<Riga> Righe(const QByteArray &c)
{
    std::vector<Riga> r;
    qsizetype i = 0;
    while (i < c.size()) {
        qsizetype nl = c.indexOf('\n', i);
        const qsizetype dopo = nl < 0 ? c.size() : nl + 1;
        qsizetype fine = nl < 0 ? c.size() : nl;
        if (fine > i && c[fine - 1] == '\r') --fine;
        r.push_back({i, fine, dopo});
        i = dopo;
    }
    return r;
}

QByteArray Testo(const QByteArray &c, const Riga &r)
{
    return c.mid(r.inizio, r.fine - r.inizio).trimmed();
}

bool Uguali(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Section name of a header line "[name]", or a null array.
QByteArray Sezione(const QByteArray &t)
{
    if (t.size() >= 2 && t.startsWith('[')) {
        const qsizetype chiusa = t.indexOf(']');
        if (chiusa > 0) return t.mid(1, chiusa - 1).trimmed();
    }
    return QByteArray();
}

bool ChiaveDi(const QByteArray &t, const QByteArray &key, QByteArray *valore)
{
    if (t.startsWith(';')) return false;
    const qsizetype uguale = t.indexOf('=');
    if (uguale < 0 || !Uguali(t.left(uguale).trimmed(), key)) return false;
    if (valore) *valore = t.mid(uguale + 1).trimmed();
    return true;
}

// Index range [primo, ultimo) of the lines of the first section named `section`;
// primo = -1 when it is missing.
std::pair<int, int> Trova(const std::vector<Riga> &righe, const QByteArray &c, const QByteArray &section)
{
    int primo = -1;
    for (int i = 0; i < static_cast<int>(righe.size()); ++i) {
        const QByteArray nome = Sezione(Testo(c, righe[i]));
        if (nome.isNull()) continue;
        if (primo >= 0) return {primo, i};
        if (Uguali(nome, section)) primo = i + 1;
    }
    return {primo, static_cast<int>(righe.size())};
}

} // namespace

namespace IniFile {

QString ReadString(const QString &path, const QString &section, const QString &key)
{
    QFile f(path);
    if (!QFileInfo::exists(path)) return QString();
    if (!f.open(QIODevice::ReadOnly)) throw EIniFile("cannot read " + path.toStdString());
    const QByteArray c = f.readAll();
    f.close();
    const auto righe = Righe(c);
    const auto [primo, ultimo] = Trova(righe, c, section.toLatin1());
    if (primo < 0) return QString();
    for (int i = primo; i < ultimo; ++i) {
        QByteArray v;
        if (ChiaveDi(Testo(c, righe[i]), key.toLatin1(), &v)) {
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return QString::fromLatin1(v);
        }
    }
    return QString();
}

QByteArray WithValue(const QByteArray &content, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value)
{
    const QByteArray a_capo = content.contains("\r\n") || !content.contains('\n') ? "\r\n" : "\n";
    const QByteArray riga = key + '=' + value;
    const auto righe = Righe(content);
    const auto [primo, ultimo] = Trova(righe, content, section);
    QByteArray out = content;
    if (primo < 0) {
        if (!out.isEmpty() && !out.endsWith('\n')) out += a_capo;
        out += '[' + section + ']' + a_capo + riga + a_capo;
        return out;
    }
    for (int i = primo; i < ultimo; ++i) {
        if (ChiaveDi(Testo(content, righe[i]), key, nullptr)) {
            out.replace(righe[i].inizio, righe[i].fine - righe[i].inizio, riga);
            return out;
        }
    }
    // Key missing: add it after the last non-blank line of the section.
    int dopo = primo - 1;
    for (int i = primo; i < ultimo; ++i)
        if (!Testo(content, righe[i]).isEmpty()) dopo = i;
    const Riga &r = righe[dopo];
    if (r.dopo == r.fine) { // last line of the file without a line end
        out.insert(r.fine, a_capo + riga);
    } else {
        out.insert(r.dopo, riga + a_capo);
    }
    return out;
}

void WriteString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray c;
    if (QFileInfo::exists(path)) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) throw EIniFile("cannot read " + path.toStdString());
        c = f.readAll();
        f.close();
    }
    const QByteArray nuovo = WithValue(c, section.toLatin1(), key.toLatin1(), value.toLatin1());
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly) || out.write(nuovo) != nuovo.size() || !out.commit())
        throw EIniFile("cannot write " + path.toStdString());
}

} // namespace IniFile

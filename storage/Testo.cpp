#include "storage/Testo.h"

QString Trim(QStringView s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && s[a].unicode() <= 32) ++a;
    while (b > a && s[b - 1].unicode() <= 32) --b;
    return s.mid(a, b - a).toString();
}

QString MaiuscoleAZ(QStringView s)
{
    QString r = s.toString();
    for (QChar &c : r)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return r;
}

QString MinuscoleAZ(QStringView s)
{
    QString r = s.toString();
    for (QChar &c : r)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    return r;
}

QString Pad(QStringView s, int n)
{
    QString r = Trim(s);
    if (r.size() > n) r.truncate(n);
    else if (r.size() < n) r.append(QString(n - r.size(), u' '));
    return r;
}

bool SoloCifre(QStringView s)
{
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

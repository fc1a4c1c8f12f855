#pragma once
// Small text rules shared by every window: trimming, A-Z casing and the
// fixed-width columns of the result lists.
#include <QString>
#include <QStringView>

// Removes leading and trailing blanks and control characters (codes 0-32).
QString Trim(QStringView s);
// Upper-/lower-cases only the letters a-z / A-Z; every other character stays.
QString MaiuscoleAZ(QStringView s);
QString MinuscoleAZ(QStringView s);
// s trimmed, padded with blanks and cut to exactly n characters.
QString Pad(QStringView s, int n);
// True when s is not empty and made only of the digits 0-9.
bool SoloCifre(QStringView s);

#pragma once
// Scrambling of the stored password.
#include <QString>
#include <stdexcept>

class ECrypt : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Hexadecimal text (upper-case digits) of the scrambled text; each character
// is taken as its lowest 8 bits.
QString CriptaPassword(const QString &text);
// The text back from its hexadecimal form; a trailing odd digit is ignored.
// Throws ECrypt on an invalid pair of digits.
QString DecriptaPassword(const QString &hex);

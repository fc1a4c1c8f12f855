#pragma once
// Scrambling of the stored password.
#include <QString>
#include <stdexcept>

class ECrypt : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The byte a password character is stored as: its Windows-1252 byte (the
// files' code page, so "€" and "’" are stored), a character of code 0-255 the
// code page lacks as its own code. False for any other character: it has no
// byte and can never be part of a stored password.
bool BytePassword(QChar c, quint8 &out);
// The bytes of a whole password; false when a character has none.
bool BytePassword(const QString &text, QByteArray &out);

// Hexadecimal text (upper-case digits) of the scrambled text; each character
// is taken as its BytePassword byte (a character without one as its lowest 8
// bits: the password change refuses those before they get here).
QString CriptaPassword(const QString &text);
// The stored bytes back from their hexadecimal form, each as the character of
// the same code (0-255); compare passwords through BytePassword. A trailing
// odd digit is ignored. Throws ECrypt on an invalid pair of digits.
QString DecriptaPassword(const QString &hex);

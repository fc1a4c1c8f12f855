#pragma once
// Reads and changes one key of an INI-style text file, keeping every other
// byte of the file as it is (sections, comments, line ends, other encodings).
#include <QByteArray>
#include <QString>
#include <stdexcept>

class EIniFile : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

namespace IniFile {
// The value of key in section (names compared without regard to A-Z case,
// blanks around names and values ignored); empty when the file, section or
// key is missing. Throws EIniFile when the file exists but cannot be read.
QString ReadString(const QString &path, const QString &section, const QString &key);
// Sets key in section: rewrites only that line, adds the key or the section
// when missing, creates the file when missing. The file is replaced as a
// whole only once the new content is completely written. Throws EIniFile.
void WriteString(const QString &path, const QString &section, const QString &key,
                 const QString &value);
// The same edit on bytes in memory (used by WriteString; tested directly).
QByteArray WithValue(const QByteArray &content, const QByteArray &section, const QByteArray &key,
                     const QByteArray &value);
} // namespace IniFile

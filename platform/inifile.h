#pragma once

#include <QString>

namespace tornavel {

// A Windows profile (INI) file, read and written the way the Windows profile
// functions do: section and key names compare without regard to case, blanks
// around names and values are ignored, and a write changes only the one line
// it concerns. The file is 8-bit Windows-1252 text; a UTF-8 byte-order mark that an
// editor put at its start is skipped, and kept when the file is written. Only a regular
// file is read or replaced: anything else in its place reads as a missing file and
// makes a write fail.
//
// Every call goes to the file itself; nothing is cached, so two programs
// writing the same file see each other's changes.
class IniFile {
public:
    // A value read is cut to this many characters, as the original INI class
    // read each value into a fixed buffer.
    static constexpr qsizetype kMaxValueLength = 2047;

    // A file longer than `maxBytes` (when not negative) is read no further and counts
    // as one that cannot be read.
    explicit IniFile(const QString& path, qint64 maxBytes = -1);

    const QString& path() const { return path_; }

    // The value of `key` in `section`, or `defaultValue` when the file, the
    // section or the key is missing or the file cannot be read.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // Sets `key` in `section` to `value`, creating the file, the section and
    // the key when missing; every other line stays as it was. The file is
    // replaced atomically. Returns false, leaving the file untouched, when it
    // cannot be read or written, when a name is empty, when a text would
    // break the line structure, or when it holds a character that
    // Windows-1252 cannot represent.
    bool WriteString(const QString& section, const QString& key, const QString& value);

private:
    QString path_;
    qint64 maxBytes_;
};

} // namespace tornavel

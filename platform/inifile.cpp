#include "platform/inifile.h"

#include "platform/save_file.h"
#include "platform/windows1252.h"

#include <QList>

namespace tornavel {

namespace {

struct Line {
    QString text;
    QString eol; // "\r\n", "\n", or "" for a last line without line break
};

QList<Line> SplitLines(const QString& content)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype nl = content.indexOf(u'\n', start);
        if (nl < 0) {
            lines.append({content.mid(start), QString()});
            break;
        }
        if (nl > start && content.at(nl - 1) == u'\r')
            lines.append({content.mid(start, nl - 1 - start), QStringLiteral("\r\n")});
        else
            lines.append({content.mid(start, nl - start), QStringLiteral("\n")});
        start = nl + 1;
    }
    return lines;
}

bool IsSectionHeader(const QString& line, QString* name)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return false;
    const qsizetype close = trimmed.lastIndexOf(u']');
    if (close < 1)
        return false;
    if (name)
        *name = trimmed.mid(1, close - 1).trimmed();
    return true;
}

// Position of the '=' of a key line, or -1 for a comment or a line without one.
qsizetype KeySeparator(const QString& line)
{
    if (line.trimmed().startsWith(u';'))
        return -1;
    return line.indexOf(u'=');
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section and a key sit among the lines. Only the first section of
// the given name counts, as with the Windows profile functions.
struct Location {
    qsizetype header = -1;      // line of the section header
    qsizetype key = -1;         // line of the key inside that section
    qsizetype lastContent = -1; // last non-blank line of that section
};

Location Find(const QList<Line>& lines, const QString& section, const QString& key)
{
    Location at;
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        const bool header = IsSectionHeader(lines[i].text, &name);
        if (at.header < 0) {
            if (header && SameName(name, wantedSection)) {
                at.header = i;
                at.lastContent = i;
            }
            continue;
        }
        if (header)
            break;
        if (!lines[i].text.trimmed().isEmpty())
            at.lastContent = i;
        const qsizetype eq = KeySeparator(lines[i].text);
        if (at.key < 0 && eq >= 0 && SameName(lines[i].text.left(eq).trimmed(), wantedKey))
            at.key = i;
    }
    return at;
}

// The UTF-8 byte-order mark that some editors put at the start of a text file.
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// The lines of the file, without the byte-order mark it may start with (`mark` says
// whether it did). A file longer than `maxBytes` (when not negative) is not read past
// that and counts as unreadable.
FileReadStatus ReadLines(const QString& path, qint64 maxBytes, QList<Line>& lines, bool* mark = nullptr)
{
    QByteArray bytes;
    FileReadStatus status = ReadRegularFile(path, maxBytes < 0 ? -1 : maxBytes + 1, bytes);
    if (maxBytes >= 0 && bytes.size() > maxBytes) {
        status = FileReadStatus::Unreadable;
        bytes.clear();
    }
    const bool hasMark = bytes.startsWith(kByteOrderMark);
    if (mark)
        *mark = hasMark;
    lines = SplitLines(DecodeWindows1252(hasMark ? bytes.mid(kByteOrderMark.size()) : bytes));
    return status;
}

bool HasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

IniFile::IniFile(const QString& path, qint64 maxBytes) : path_(path), maxBytes_(maxBytes) {}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    QList<Line> lines;
    if (ReadLines(path_, maxBytes_, lines) != FileReadStatus::Read)
        return defaultValue.left(kMaxValueLength);
    const Location at = Find(lines, section, key);
    if (at.key < 0)
        return defaultValue.left(kMaxValueLength);
    const QString& line = lines[at.key].text;
    QString value = line.mid(KeySeparator(line) + 1).trimmed();
    // A value enclosed in a pair of matching quotes is read without them.
    if (value.size() > 1 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength);
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    if (sectionName.isEmpty() || keyName.isEmpty())
        return false;
    // Texts that would split a line, or make the key read back as something
    // else, would corrupt the file.
    if (HasLineBreak(sectionName) || HasLineBreak(keyName) || HasLineBreak(value))
        return false;
    if (keyName.contains(u'=') || keyName.startsWith(u'[') || keyName.startsWith(u';'))
        return false;

    // A file that is there but cannot be read is left alone; the mark at its start, if
    // any, stays.
    QList<Line> lines;
    bool mark = false;
    if (ReadLines(path_, maxBytes_, lines, &mark) == FileReadStatus::Unreadable)
        return false;

    // New lines follow the file's own line endings; a new file gets the
    // Windows ones of the original format.
    QString eol = QStringLiteral("\r\n");
    for (const Line& line : lines) {
        if (!line.eol.isEmpty()) {
            eol = line.eol;
            break;
        }
    }

    const Location at = Find(lines, sectionName, keyName);
    if (at.key >= 0) {
        // Replace the value in place: the key as written and the blanks after
        // the '=' stay.
        const QString& old = lines[at.key].text;
        qsizetype valueStart = KeySeparator(old) + 1;
        while (valueStart < old.size() && (old[valueStart] == u' ' || old[valueStart] == u'\t'))
            ++valueStart;
        lines[at.key].text = old.left(valueStart) + value;
    } else if (at.header >= 0) {
        Line& last = lines[at.lastContent];
        if (last.eol.isEmpty())
            last.eol = eol;
        lines.insert(at.lastContent + 1, {keyName + u'=' + value, eol});
    } else {
        if (!lines.isEmpty()) {
            if (lines.back().eol.isEmpty())
                lines.back().eol = eol;
            if (!lines.back().text.trimmed().isEmpty())
                lines.append({QString(), eol});
        }
        lines.append({u'[' + sectionName + u']', eol});
        lines.append({keyName + u'=' + value, eol});
    }

    QByteArray bytes = mark ? kByteOrderMark : QByteArray();
    for (const Line& line : lines) {
        const std::optional<QByteArray> encoded = EncodeWindows1252Exactly(line.text + line.eol);
        if (!encoded)
            return false;
        bytes.append(*encoded);
    }
    return SaveFileAtomically(path_, bytes);
}

} // namespace tornavel

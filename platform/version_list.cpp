#include "platform/version_list.h"

#include "platform/inifile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tornavel {

VersionListEntry ReadVersionListSection(const QString& listPath, const QString& section)
{
    const IniFile list(listPath, kMaxVersionListBytes);
    // No key can hold a line break, so this default tells an absent key from an empty one.
    const QString absent = QStringLiteral("\n");
    VersionListEntry entry;
    const QString last = list.ReadString(section, QStringLiteral("DerVersion"), absent);
    entry.sectionFound = last != absent;
    if (!entry.sectionFound)
        return entry;
    entry.DerVersion = last;
    entry.DateMaj = list.ReadString(section, QStringLiteral("DateMaj"), QString());
    entry.UrlMaj = list.ReadString(section, QStringLiteral("UrlMaj"), QString());
    entry.NomPInstall = list.ReadString(section, QStringLiteral("NomPInstall"), QString());
    if (entry.DerVersion.size() > kMaxVersionListValueLength || entry.DateMaj.size() > kMaxVersionListValueLength
        || entry.UrlMaj.size() >= IniFile::kMaxValueLength)
        return VersionListEntry{};
    return entry;
}

namespace {

// Reads the two date formats of the version list by hand: a regular expression would
// bring the regular-expression engine up at start-up for this alone.
class DateReader {
public:
    explicit DateReader(const QString& text) : text_(text) {}
    bool AtEnd() const { return at_ == text_.size(); }
    bool Skip(char16_t c)
    {
        if (AtEnd() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    // Reads `least` to `most` ASCII digits (most < 0: any number), the value of the
    // first nine in `value`.
    bool Digits(int least, int most, int& value)
    {
        int count = 0;
        value = 0;
        while ((most < 0 || count < most) && !AtEnd() && text_[at_] >= u'0' && text_[at_] <= u'9') {
            if (count < 9)
                value = value * 10 + (text_[at_].unicode() - u'0');
            ++at_;
            ++count;
        }
        return count >= least;
    }
    // Skips ASCII white space; true when there was some.
    bool Spaces()
    {
        const qsizetype from = at_;
        while (!AtEnd() && (text_[at_] == u' ' || (text_[at_] >= u'\t' && text_[at_] <= u'\r')))
            ++at_;
        return at_ > from;
    }

private:
    const QString& text_;
    qsizetype at_ = 0;
};

// "05/03/2024 14:30" or "5/3/2024 14:30:15", white space around: the numbers as written.
struct FrenchDate {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
};
bool ReadFrenchDate(const QString& text, FrenchDate& d)
{
    DateReader r(text);
    r.Spaces();
    if (!(r.Digits(1, 2, d.day) && r.Skip(u'/') && r.Digits(1, 2, d.month) && r.Skip(u'/')
          && r.Digits(4, 4, d.year) && r.Spaces() && r.Digits(1, 2, d.hour) && r.Skip(u':')
          && r.Digits(2, 2, d.minute)))
        return false;
    if (r.Skip(u':') && !r.Digits(2, 2, d.second))
        return false;
    r.Spaces();
    return r.AtEnd();
}

// "2024-03-05T14:30:00" or with a space, optional seconds and fraction, an optional
// "Z" or offset.
bool IsIsoDate(const QString& text)
{
    DateReader r(text);
    int v = 0;
    if (!(r.Digits(4, 4, v) && r.Skip(u'-') && r.Digits(2, 2, v) && r.Skip(u'-') && r.Digits(2, 2, v)
          && (r.Skip(u'T') || r.Skip(u' ')) && r.Digits(2, 2, v) && r.Skip(u':') && r.Digits(2, 2, v)))
        return false;
    if (r.Skip(u':') && !(r.Digits(2, 2, v) && (!r.Skip(u'.') || r.Digits(1, -1, v))))
        return false;
    if (r.Skip(u'+') || r.Skip(u'-')) {
        if (!r.Digits(2, 2, v))
            return false;
        r.Skip(u':');
        if (!r.Digits(2, 2, v))
            return false;
    } else {
        r.Skip(u'Z');
    }
    return r.AtEnd();
}

} // namespace

std::optional<QDateTime> ParseUpdateDate(const QString& text)
{
    FrenchDate d;
    if (ReadFrenchDate(text, d)) {
        const QDate date(d.year, d.month, d.day);
        const QTime time(d.hour, d.minute, d.second);
        if (!date.isValid() || !time.isValid())
            return std::nullopt;
        return QDateTime(date, time);
    }
    const QString trimmed = text.trimmed();
    if (!IsIsoDate(trimmed))
        return std::nullopt;
    QString isoText = trimmed;
    isoText.replace(10, 1, QLatin1Char('T'));
    const QDateTime parsed = QDateTime::fromString(isoText, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return std::nullopt;
    return parsed;
}

QDateTime ProgramFileDate()
{
    if (!QCoreApplication::instance())
        return QDateTime();
    return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

} // namespace tornavel

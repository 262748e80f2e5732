#include "platform/version_list.h"

#include "platform/inifile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace tornavel {

VersionListEntry ReadVersionListSection(const QString& listPath, const QString& section)
{
    const IniFile list(listPath);
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

std::optional<QDateTime> ParseUpdateDate(const QString& text)
{
    static const QRegularExpression french(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*$)"));
    const QRegularExpressionMatch m = french.match(text);
    if (m.hasMatch()) {
        const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(),
                         m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
        if (!date.isValid() || !time.isValid())
            return std::nullopt;
        return QDateTime(date, time);
    }
    static const QRegularExpression iso(
        QStringLiteral(R"(^\d{4}-\d{2}-\d{2}[T ]\d{2}:\d{2}(:\d{2}(\.\d+)?)?(Z|[+-]\d{2}:?\d{2})?$)"));
    const QString trimmed = text.trimmed();
    if (!iso.match(trimmed).hasMatch())
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

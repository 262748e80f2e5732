#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace tornavel {

// The version list "Liste_logiciels.ini" that the maker's web server publishes: one
// section per product version, named like the product name directly followed by the
// version ("Tornavel1.1").
inline constexpr char kVersionListName[] = "Liste_logiciels.ini";
inline constexpr char kVersionListPath[] = "/maj_logiciels/Liste_logiciels.ini";

// The keys of one section. A key that is absent reads as an empty text.
struct VersionListEntry {
    bool sectionFound = false; // the section holds DerVersion
    QString DateMaj;           // date and time of the latest build
    QString UrlMaj;            // download page
    QString NomPInstall;       // installer name (read, not used)
    QString DerVersion;        // product name and latest version, like the section name
};

// A section whose DerVersion or DateMaj is longer than this is not a version or a date,
// and one whose UrlMaj is too long to be read whole is no address: the list is then read
// as unreadable (an entry without its section), never handed on.
inline constexpr qsizetype kMaxVersionListValueLength = 100;

// The longest version list that is read: room for some fifteen hundred sections of the
// usual length (about 150 bytes each). A longer file is damaged or no list, and is read
// as unreadable rather than whole.
inline constexpr qint64 kMaxVersionListBytes = 256 * 1024;

VersionListEntry ReadVersionListSection(const QString& listPath, const QString& section);

// DateMaj as the server writes it: day/month/year then hour:minute with optional
// seconds ("05/03/2024 14:30", "5/3/2024 14:30:15"), or ISO 8601 ("2024-03-05T14:30:00",
// with or without an offset). Times without an offset are local. Any other text, or a
// date that does not exist, gives none; the desktop's own date format plays no part.
std::optional<QDateTime> ParseUpdateDate(const QString& text);

// The last-write time of the running program file; invalid when it cannot be read.
QDateTime ProgramFileDate();

} // namespace tornavel

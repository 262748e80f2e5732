// The version list Liste_logiciels.ini as read from a downloaded file, and the dates it
// gives.

#include "platform/inifile.h"
#include "platform/version_list.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

using namespace tornavel;

namespace {

void CheckDate(const QString& text)
{
    const std::optional<QDateTime> date = ParseUpdateDate(text);
    FUZZ_CHECK(!date || date->isValid(), "a date read that is not valid");
}

// A section is handed on whole and within its bounds, or not at all.
void CheckEntry(const VersionListEntry& entry)
{
    if (!entry.sectionFound) {
        FUZZ_CHECK(entry.DerVersion.isEmpty() && entry.DateMaj.isEmpty() && entry.UrlMaj.isEmpty()
                       && entry.NomPInstall.isEmpty(),
                   "keys handed on from a section not found");
        return;
    }
    FUZZ_CHECK(entry.DerVersion.size() <= kMaxVersionListValueLength, "a version too long");
    FUZZ_CHECK(entry.DateMaj.size() <= kMaxVersionListValueLength, "a date too long");
    FUZZ_CHECK(entry.UrlMaj.size() < IniFile::kMaxValueLength, "an address cut short");
    for (const QString* value : {&entry.DerVersion, &entry.DateMaj, &entry.UrlMaj, &entry.NomPInstall})
        FUZZ_CHECK(!value->contains(QLatin1Char('\n')), "a value holds a line break");
    CheckDate(entry.DateMaj);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = fuzz::ScratchFile(QString::fromLatin1(kVersionListName), content);
    for (const char* section : {"Tornavel1.1", "Verolan1.1"})
        CheckEntry(ReadVersionListSection(path, QString::fromLatin1(section)));
    // The date reader meets any text too.
    CheckDate(QString::fromLatin1(content.left(64)));
    return 0;
}

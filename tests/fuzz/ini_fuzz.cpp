// The INI reader and writer of tornavel.ini.

#include "platform/inifile.h"
#include "tests/fuzz/fuzz_support.h"

#include <QStringList>

#include <cstdint>

using namespace tornavel;

namespace {

// An absent key reads as this: no value holds a line break.
const QString kAbsent = QStringLiteral("\n");

bool SameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// A value read is bounded by the file and by the value buffer, and holds no line break.
void CheckValue(const QString& value, qsizetype fileSize)
{
    if (value == kAbsent)
        return;
    FUZZ_CHECK(!value.contains(QLatin1Char('\n')), "a value holds a line break");
    FUZZ_CHECK(value.size() <= IniFile::kMaxValueLength, "a value longer than the value buffer");
    FUZZ_CHECK(value.size() <= fileSize, "a value longer than the file");
}

QString Field(const QStringList& fields, int k, const char* otherwise)
{
    return k < fields.size() ? fields[k] : QString::fromLatin1(otherwise);
}

} // namespace

// The first line of the input is what is asked, "section|key|value|section2|key2"
// (absent fields take usual names); the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf('\n');
    const QByteArray content = newline < 0 ? QByteArray() : input.mid(newline + 1);
    const QStringList fields = QString::fromLatin1(input.left(newline < 0 ? input.size() : newline)).split(u'|');
    const QString section = Field(fields, 0, "Tornavel");
    const QString key = Field(fields, 1, "Redimensionnable");
    const QString value = Field(fields, 2, "1");
    const QString otherSection = Field(fields, 3, "Tornavel");
    const QString otherKey = Field(fields, 4, "Langue");

    const QString path = fuzz::ScratchFile(QStringLiteral("tornavel.ini"), content);
    IniFile ini(path);
    CheckValue(ini.ReadString(section, key, kAbsent), content.size());
    const QString otherBefore = ini.ReadString(otherSection, otherKey, kAbsent);
    CheckValue(otherBefore, content.size());

    // A file longer than the bound given is not read, nor written.
    if (!content.isEmpty()) {
        IniFile bounded(path, content.size() - 1);
        FUZZ_CHECK(bounded.ReadString(section, key, kAbsent) == kAbsent, "a file over its bound was read");
        FUZZ_CHECK(!bounded.WriteString(section, key, value), "a file over its bound was written");
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == content, "a file over its bound was changed");
    }

    if (!ini.WriteString(section, key, value))
        return 0;
    // A value written reads back as it was written, when the read takes nothing off it.
    const bool plain = value == value.trimmed() && value.size() <= IniFile::kMaxValueLength
                       && !value.startsWith(u'"') && !value.startsWith(u'\'');
    if (plain)
        FUZZ_CHECK(ini.ReadString(section, key, kAbsent) == value, "a value written does not read back");
    // The write changes only its own key.
    if (!(SameName(section, otherSection) && SameName(key, otherKey)))
        FUZZ_CHECK(ini.ReadString(otherSection, otherKey, kAbsent) == otherBefore, "a write changed another key");
    return 0;
}

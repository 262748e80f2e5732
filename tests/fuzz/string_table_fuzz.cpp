// The string table: its text format, and the replacement resource a user may drop
// beside the program.

#include "core/strings.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>

#include <cstdint>

using namespace tornavel;

namespace {

// Ids the program asks for, the ones around them, and those of no text.
constexpr int kAskedIds[] = {-1, 0, 1, 2, 3, 10, 100, 346, 1000, 65535, 2147483647};

// Each text comes from its own line: no more characters than the table's bytes, and a
// number that is an id.
void CheckParsed(const QByteArray& bytes)
{
    const QHash<int, QString> table = StringTable::Parse(bytes);
    qsizetype characters = 0;
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        FUZZ_CHECK(it.key() >= 0, "a text under a negative number");
        characters += it.value().size();
    }
    FUZZ_CHECK(characters <= bytes.size(), "more text than the table's bytes");
}

// A replacement is refused or loaded whole, and then read without reading outside its
// bytes (the sanitizers see to that); every text is cut to its buffer.
void CheckReplacement(const QByteArray& bytes)
{
    const QString path = fuzz::ScratchFile(QStringLiteral("uitext.rcc"), bytes);
    StringTable table;
    if (!table.LoadReplacement(path))
        return;
    FUZZ_CHECK(table.HasReplacement(), "a replacement loaded but not used");
    for (int id : kAskedIds) {
        for (int buffer : {0, 1, 100, 1000}) {
            const QString text = table.Str(id, buffer);
            FUZZ_CHECK(text.size() <= std::max(0, buffer - 1), "a text longer than its buffer");
        }
    }
    table.FondPicturePath();
}

} // namespace

// An input that starts like a compiled resource ("qres") is a replacement resource file;
// any other is a table in the text format.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.startsWith("qres"))
        CheckReplacement(bytes);
    else
        CheckParsed(bytes);
    return 0;
}

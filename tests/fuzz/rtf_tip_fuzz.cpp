// The tip documents: the RTF reader, and the tips window's document, the beginning of
// what the reader gives, bounded for layout.

#include "core/help_links.h"
#include "core/rtf_reader.h"
#include "core/strings.h"
#include "core/tips.h"
#include "platform/bounded_text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/fake_ui.h"

#include <algorithm>
#include <cstdint>

using namespace tornavel;

namespace {

// The most characters the tips window is handed, break points not counted: what it lays
// out at once. Tips are some hundreds of characters.
constexpr qsizetype kLayoutBudget = 64 * 1024;

// An input starting with 0xFF stands for a long one: byte 1 says how many 4 KiB the rest
// is repeated to fill (up to just under the megabyte of a tip file that is read), so that
// short seeds reach the bounds of long documents.
QByteArray Expanded(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size < 3 || data[0] != 0xFF)
        return input;
    const QByteArray unit = input.mid(2);
    const qsizetype wanted = qsizetype(data[1]) * 4096;
    QByteArray grown;
    grown.reserve(wanted + unit.size());
    while (grown.size() < wanted)
        grown += unit;
    grown.truncate(std::min<qsizetype>(grown.size(), 1000 * 1024));
    return grown;
}

// What the reader promises of any document: text no longer than the input, one
// paragraph per break at most, and formats within their ranges.
qsizetype CheckDocument(const RtfDocument& document, qsizetype inputSize)
{
    FUZZ_CHECK(document.paragraphs.size() <= inputSize + 1, "more paragraphs than input bytes");
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        for (const RtfRun& run : paragraph.runs) {
            characters += run.text.size();
            FUZZ_CHECK(run.halfPoints == 0 || (run.halfPoints >= 2 && run.halfPoints <= 400), "font size out of range");
            FUZZ_CHECK(run.rgb <= 0xFFFFFFu, "colour beyond 0xRRGGBB");
            FUZZ_CHECK(run.hasColour || run.rgb == 0, "colour set on a run without colour");
        }
    }
    FUZZ_CHECK(characters <= inputSize, "more text than input bytes");
    return characters;
}

bool IsBreak(QChar c)
{
    return c == kBreakPoint || c.isSpace();
}

// What the tips window is handed: a bounded number of runs and characters, none of them
// more than the document holds, and a break point in every long run of letters (marks
// and the second halves of pairs stay with the letter before them).
void CheckShown(const RtfDocument& shown, qsizetype readCharacters)
{
    qsizetype runs = 0;
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : shown.paragraphs) {
        qsizetype unbroken = 0;
        for (const RtfRun& run : paragraph.runs) {
            ++runs;
            for (const QChar c : run.text) {
                if (c != kBreakPoint)
                    ++characters;
                if (IsBreak(c))
                    unbroken = 0;
                else if (!c.isMark() && !c.isLowSurrogate())
                    ++unbroken;
                FUZZ_CHECK(unbroken <= kMaxUnbrokenRun + 1, "a long run of letters without a break point");
            }
        }
    }
    FUZZ_CHECK(runs <= TipsWindow::kMaxRuns, "more runs than the tips window lays out");
    FUZZ_CHECK(characters <= readCharacters, "the tips window shows text the document does not hold");
    FUZZ_CHECK(characters <= kLayoutBudget, "more text than the tips window lays out at once");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Expanded(data, size);
    const qsizetype readCharacters = CheckDocument(ReadRtf(input), input.size());

    // The window reads tip 1 from the help folder, as the program does.
    static const StringTable strings;
    static FakeUi ui;
    static HelpLinks links(strings, ui, [] { return QString(); });
    static const bool folder = [] {
        links.SetHelpDirectory(fuzz::ScratchDir().path() + QLatin1Char('/'));
        return QDir(fuzz::ScratchDir().path()).mkpath(QStringLiteral("Aide"));
    }();
    FUZZ_CHECK(folder, "the scratch help folder could not be made");
    fuzz::ScratchFile(QStringLiteral("Aide/Astuce_1.rtf"), input);
    const TipsWindow tips(links, ui);
    CheckShown(tips.Document(), readCharacters);
    return 0;
}

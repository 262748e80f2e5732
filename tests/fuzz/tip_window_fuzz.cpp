// The document the tips window shows: the beginning of what the RTF reader gives,
// bounded for layout.

#include "core/help_links.h"
#include "core/rtf_reader.h"
#include "core/strings.h"
#include "core/tips.h"
#include "platform/bounded_text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/fake_ui.h"
#include "tests/support/shaped_marks.h"

#include <cstdint>

using namespace tornavel;

namespace {

// The most characters the tips window is handed, break points not counted, as the README
// promises: what it lays out at once. Tips are some hundreds of characters.
constexpr qsizetype kLayoutBudget = 16 * 1024;

qsizetype Characters(const RtfDocument& document)
{
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        for (const RtfRun& run : paragraph.runs)
            characters += run.text.size();
    }
    return characters;
}

bool IsBreak(QChar c)
{
    return c == kBreakPoint || c.isSpace();
}

// What the tips window is handed: a bounded number of runs and characters, none of them
// more than the document holds, a break point in every long run of letters (marks and
// the second halves of pairs stay with the letter before them), and few marks on any
// one character.
void CheckShown(const RtfDocument& shown, qsizetype readCharacters)
{
    qsizetype runs = 0;
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : shown.paragraphs) {
        qsizetype unbroken = 0;
        QString text;
        for (const RtfRun& run : paragraph.runs) {
            ++runs;
            text += run.text;
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
        FUZZ_CHECK(testing::LongestMarkChain(text) <= kMaxMarkRun, "more combining marks on one character than the cut");
    }
    FUZZ_CHECK(runs <= TipsWindow::kMaxRuns, "more runs than the tips window lays out");
    FUZZ_CHECK(characters <= readCharacters, "the tips window shows text the document does not hold");
    FUZZ_CHECK(characters <= kLayoutBudget, "more text than the tips window lays out at once");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzz::Expanded(data, size);

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
    CheckShown(tips.Document(), Characters(ReadRtf(input)));
    return 0;
}

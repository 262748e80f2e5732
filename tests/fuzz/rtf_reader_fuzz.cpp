// The RTF reader of the tip documents.

#include "core/rtf_reader.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

using namespace tornavel;

namespace {

// What the reader promises of any document: text no longer than the input, one
// paragraph per break at most, and formats within their ranges.
void CheckDocument(const RtfDocument& document, qsizetype inputSize)
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzz::Expanded(data, size);
    CheckDocument(ReadRtf(input), input.size());
    return 0;
}

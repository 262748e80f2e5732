// The downloaded pages: the page writer, then the document a page window lays out, read
// by Qt and bounded (offscreen).

#include "platform/bounded_text.h"
#include "tests/fuzz/fuzz_support.h"
#include "platform/page_html.h"
#include "ui/dialogs/page_document.h"
#include "tests/support/shaped_marks.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextFrame>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tornavel;


namespace {

constexpr qsizetype kMaxDownloadBytes = 8 * 1024 * 1024;

// An input starting "#xN\n" stands for a long one: the part between "{{" and "}}" is
// repeated N times (at most 100,000), so that short seeds reach the bounds of long pages.
// It is cut to the largest body a download gives.
QByteArray Expanded(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype line = input.indexOf('\n');
    const qsizetype open = input.indexOf("{{");
    const qsizetype close = input.indexOf("}}", open + 2);
    if (!input.startsWith("#x") || line < 0 || open < line || close < 0)
        return input;
    const int times = std::clamp(input.mid(2, line - 2).toInt(), 0, 100'000);
    const QByteArray piece = input.mid(open + 2, close - open - 2);
    const int fitting = piece.isEmpty() ? times : std::min<qsizetype>(times, kMaxDownloadBytes / piece.size());
    return (input.mid(line + 1, open - line - 1) + piece.repeated(fitting) + input.mid(close + 2)).left(kMaxDownloadBytes);
}

// The depth of the frames below `frame` (those right in it are at depth 1); counts them.
int FrameDepth(const QTextFrame* frame, int& count)
{
    int inner = 0;
    for (const QTextFrame* child : frame->childFrames()) {
        ++count;
        inner = std::max(inner, 1 + FrameDepth(child, count));
    }
    return inner;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body = Expanded(data, size);
    const QString html = PageHtmlForView(body);
    PageDocument document(html, QGuiApplication::font());

    int frames = 0;
    const int depth = FrameDepth(document.rootFrame(), frames);
    FUZZ_CHECK(depth <= PageDocument::kFrameDepth, "frames deeper than the bound");
    FUZZ_CHECK(frames <= PageDocument::kFrames, "more frames than the bound");
    const QString text = document.toPlainText();
    FUZZ_CHECK(testing::LongestMarkChain(text) <= kMaxMarkRun, "more combining marks on one character than the cut");
    // Each character of the page's source makes one of the document at most, but for the
    // break points and the cells of the grids.
    FUZZ_CHECK(document.characterCount() <= 2 * kMaxShownPageLength + 4 * PageLimits::kTableCells,
               "a document larger than the page's source");

    // The layout a page window makes (its width), within a size a window shows.
    document.setTextWidth(600);
    const QSizeF laidOut = document.documentLayout()->documentSize();
    FUZZ_CHECK(std::isfinite(laidOut.width()) && laidOut.width() < 10'000, "a page wider than any window");
    FUZZ_CHECK(std::isfinite(laidOut.height()) && laidOut.height() < 1'000'000, "a page taller than the bound");
    return 0;
}

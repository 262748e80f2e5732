#pragma once

#include <QTextDocument>

namespace tornavel {

// A downloaded page as a text view shows it. It is read from the HTML that BoundedHtml
// wrote, with no layout yet; then, so that the layout the view makes next ends at once:
// - its frames (tables, and the other boxes Qt makes) are bounded as Qt built them, which
//   is not always as the text seems to say (Qt puts a table that follows another table
//   directly inside the earlier one): a frame deeper than kFrameDepth, or past the
//   first kFrames of the page, is replaced by its text, paragraph by paragraph;
// - runs of combining marks longer than kMaxMarkRun are cut, and marks on a character
//   that cannot carry them dropped (see MarkRun), those written as character references
//   too;
// - every size the page asked for (fonts, margins, paddings, borders, widths, indents,
//   whether in attributes or style sheets) is brought within what a window of this
//   program shows.
// Nothing a page names is loaded, from the disk or the network: pictures show as
// placeholders.
class PageDocument : public QTextDocument {
    Q_OBJECT

public:
    // Each level of frames lays out the frames inside it several times over.
    static constexpr int kFrameDepth = 3;
    static constexpr int kFrames = 64;

    PageDocument(const QString& html, const QFont& font, QObject* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace tornavel

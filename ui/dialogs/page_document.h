#pragma once

#include <QTextDocument>

namespace tornavel {

// A downloaded page as a text view shows it. It is read from the HTML that BoundedHtml
// wrote, with no layout yet; then every size the page asked for (fonts, margins,
// paddings, borders, widths, indents, whether in attributes or style sheets) is brought
// within what a window of this program shows, so that the layout the view makes next
// ends at once. Nothing a page names is loaded, from the disk or the network: pictures
// show as placeholders.
class PageDocument : public QTextDocument {
    Q_OBJECT

public:
    PageDocument(const QString& html, const QFont& font, QObject* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace tornavel

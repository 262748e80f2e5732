#pragma once

#include <QString>
#include <QStringView>

namespace tornavel {

// Texts read from outside the program (files, replaceable resources, the network) may be
// of any length, and Qt lays out a line that it has to break inside one long word in a
// time that grows with the square of the word's length: a few hundred kilobytes of
// letters hold a window up for minutes. What such a text hands to a label, an edit or a
// text view is bounded here first: it is cut to a length, and a run of more than
// kMaxUnbrokenRun characters without a blank gets a zero-width space (an invisible break
// point) after every kMaxUnbrokenRun characters. Texts of ordinary words pass unchanged.
inline constexpr qsizetype kMaxUnbrokenRun = 80;
inline constexpr QChar kBreakPoint = QChar(0x200B);

// Bounds a text handed to a view in pieces (the runs of a formatted document): a run of
// letters goes on from one piece to the next.
class TextBounder {
public:
    // At most `maxLength` characters of the text are kept, break points not counted.
    explicit TextBounder(qsizetype maxLength) : left_(maxLength) {}

    // The next piece, cut where the length is reached and with its break points.
    QString Add(QStringView piece);
    // A new paragraph starts: no run goes on across it, and its end counts as one
    // character of the length.
    void EndLine()
    {
        run_ = 0;
        if (left_ > 0)
            --left_;
    }
    bool Full() const { return left_ <= 0; }

private:
    qsizetype left_;
    qsizetype run_ = 0;
};

QString BoundedText(QStringView text, qsizetype maxLength);

} // namespace tornavel

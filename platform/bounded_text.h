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

// Combining marks (accents, and the joiners that glue characters together) make one
// cluster with the character before them, which Qt shapes in a time that grows with the
// square of the cluster's length: one letter under some thousands of accents holds a
// window up for seconds, break points or not. So past kMaxMarkRun marks in a row (the
// characters a joiner glues counted with them) the others are dropped; no writing needs
// as many on one letter.
// The shaper looks for the letter a mark sits on past invisible characters (format
// characters such as U+200B, unassigned code points): a letter followed by thousands of
// invisible characters, each under a few accents, costs as much as one letter under all
// those accents. So a mark is kept only on a character that can carry it: marks after a
// format, control or unassigned character, or a space or separator, are dropped.
inline constexpr qsizetype kMaxMarkRun = 30;
bool IsCombiningMark(char32_t c);

// Follows the characters of a text one by one and says which ones to keep.
class MarkRun {
public:
    bool Keep(char32_t c);
    void Reset() { *this = MarkRun(); }

private:
    qsizetype marks_ = 0; // in a row, at the end of what was kept
    bool joined_ = false; // the last character kept was a zero-width joiner
    bool bare_ = false;   // the last character kept other than a mark carries no marks
};

// Bounds a text handed to a view in pieces (the runs of a formatted document): a run of
// letters goes on from one piece to the next.
class TextBounder {
public:
    // At most `maxLength` characters of the text are kept, break points not counted.
    explicit TextBounder(qsizetype maxLength) : left_(maxLength) {}

    // The next piece, cut where the length is reached, with its break points and its runs
    // of marks cut.
    QString Add(QStringView piece);
    // A new paragraph starts: no run goes on across it, and its end counts as one
    // character of the length.
    void EndLine()
    {
        run_ = 0;
        marks_.Reset();
        if (left_ > 0)
            --left_;
    }
    bool Full() const { return left_ <= 0; }

private:
    qsizetype left_;
    qsizetype run_ = 0;
    MarkRun marks_;
};

QString BoundedText(QStringView text, qsizetype maxLength);

} // namespace tornavel

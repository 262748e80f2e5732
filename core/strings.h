#pragma once

#include <QHash>
#include <QByteArray>
#include <QString>

#include <memory>

namespace tornavel {

// The table of user-visible texts, read by number. The program carries its own table;
// an optional replacement resource (uitext.rcc beside the program) may replace it.
// When the replacement is loaded it is the only source: a number it lacks reads as
// an empty text, and so does a number missing from the program's own table.
class StringTable {
public:
    static constexpr qint64 kMaxReplacementBytes = 64 * 1024 * 1024;

    // The program's own table only.
    StringTable();

    // Loads the replacement resource file; returns false (and keeps the program's
    // own table) when it is missing, not loadable, larger than kMaxReplacementBytes or
    // damaged (see IsSoundResourceData). What was read stays registered as long as this
    // table or a copy of it lives.
    bool LoadReplacement(const QString& rccPath);
    bool HasReplacement() const { return replacementLoaded_; }

    // Text number id, cut to bufferSize - 1 characters like a fixed character buffer.
    QString Str(int id, int bufferSize = 100) const;
    // Same, always from the program's own table (used for the upgrade menu item).
    QString OwnStr(int id, int bufferSize = 100) const;
    // True when the program's own table holds the number.
    bool OwnHas(int id) const { return own_.contains(id); }

    // Resource path of the background picture "Fond" from the current source.
    QString FondPicturePath() const;

    // Parses the table's text format: "number<TAB>text" lines, '#' comments,
    // \n \t \\ escapes. Bad lines are skipped.
    static QHash<int, QString> Parse(const QByteArray& utf8);

private:
    static QString Cut(const QString& text, int bufferSize);

    QHash<int, QString> own_;
    QHash<int, QString> replacement_;
    bool replacementLoaded_ = false;
    QString replacementRoot_;
    // The bytes of the replacement, registered with QResource until the last copy goes.
    std::shared_ptr<const QByteArray> replacementData_;
};

} // namespace tornavel

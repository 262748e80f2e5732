#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tornavel {

// Texts of the state and settings files are 8-bit Windows-1252. The five bytes that the
// code page leaves undefined map to the C1 control characters of the same value, as
// Windows does, so that every byte survives a read and a write unchanged.
QString DecodeWindows1252(const QByteArray& bytes);

// A character that the code page cannot hold is written as "?".
QByteArray EncodeWindows1252(const QString& text);

// None when the text holds a character that the code page cannot hold.
std::optional<QByteArray> EncodeWindows1252Exactly(const QString& text);

} // namespace tornavel

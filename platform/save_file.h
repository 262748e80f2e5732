#pragma once

#include <QByteArray>
#include <QString>

namespace tornavel {

// Replaces the file at `path` with `bytes` atomically: a failed write leaves the old
// file as it was. False when the file could not be written.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tornavel

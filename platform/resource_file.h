#pragma once

#include <QByteArrayView>

namespace tornavel {

// The most a file of a replaceable resource holds once uncompressed: texts and a
// background picture take far less.
inline constexpr qint64 kMaxResourceEntryBytes = 64 * 1024 * 1024;

// True when `data` is a compiled resource file (rcc --binary, format versions 1 to 3)
// whose tree, names and file data all lie inside it, whose root is a directory, each
// other node the child of one directory that comes before it, and every compressed file
// says it unpacks to at most kMaxResourceEntryBytes. QResource trusts every offset of such
// a file, so a damaged or hostile one would have it read outside the data or allocate
// without bound: it is checked here before it is registered.
bool IsSoundResourceData(QByteArrayView data);

} // namespace tornavel

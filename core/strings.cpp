#include "core/strings.h"

#include "platform/resource_file.h"
#include "platform/save_file.h"

#include <QFile>
#include <QResource>

namespace tornavel {

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
} // namespace

StringTable::StringTable()
{
    own_ = Parse(ReadAll(QStringLiteral(":/uitext.tsv")));
}

bool StringTable::LoadReplacement(const QString& rccPath)
{
    const QString root = QStringLiteral("/uitext-replacement");
    // Registered from the bytes that were checked, not from the file, which could change.
    QByteArray bytes;
    if (ReadRegularFile(rccPath, kMaxReplacementBytes + 1, bytes) != FileReadStatus::Read
        || bytes.size() > kMaxReplacementBytes || !IsSoundResourceData(bytes))
        return false;
    auto data = std::shared_ptr<const QByteArray>(new QByteArray(std::move(bytes)), [root](const QByteArray* d) {
        QResource::unregisterResource(reinterpret_cast<const uchar*>(d->constData()), root);
        delete d;
    });
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(data->constData()), root))
        return false;
    replacementData_ = std::move(data);
    replacement_ = Parse(ReadAll(QStringLiteral(":") + root + QStringLiteral("/uitext.tsv")));
    replacementLoaded_ = true;
    replacementRoot_ = root;
    return true;
}

QString StringTable::Cut(const QString& text, int bufferSize)
{
    if (bufferSize <= 0)
        return QString();
    return text.left(bufferSize - 1);
}

QString StringTable::Str(int id, int bufferSize) const
{
    const QHash<int, QString>& source = replacementLoaded_ ? replacement_ : own_;
    return Cut(source.value(id), bufferSize);
}

QString StringTable::OwnStr(int id, int bufferSize) const
{
    return Cut(own_.value(id), bufferSize);
}

QString StringTable::FondPicturePath() const
{
    if (replacementLoaded_) {
        // Picture names compare without regard to case.
        for (const char* name : {"Fond.png", "FOND.png", "fond.png", "Fond.bmp", "FOND.bmp", "fond.bmp"}) {
            const QString p = QStringLiteral(":") + replacementRoot_ + QLatin1Char('/') + QLatin1String(name);
            if (QFile::exists(p))
                return p;
        }
        return QString();
    }
    return QStringLiteral(":/fond.png");
}

QHash<int, QString> StringTable::Parse(const QByteArray& utf8)
{
    QHash<int, QString> table;
    // Read line by line in the encoded bytes: each text is decoded once, as a whole.
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = utf8.indexOf('\n', start);
        if (end < 0)
            end = utf8.size();
        QByteArrayView line(utf8.constData() + start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = QLatin1String(line.data(), tab).toString().toInt(&ok);
        if (!ok || id < 0)
            continue;
        const QByteArrayView raw = line.sliced(tab + 1);
        if (!raw.contains('\\')) {
            table.insert(id, QString::fromUtf8(raw));
            continue;
        }
        QByteArray text;
        text.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size()) {
                const char c = raw[++i];
                text += c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                text += raw[i];
            }
        }
        table.insert(id, QString::fromUtf8(text));
    }
    return table;
}

} // namespace tornavel

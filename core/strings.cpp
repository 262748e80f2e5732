#include "core/strings.h"

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
    if (!QFile::exists(rccPath) || !QResource::registerResource(rccPath, root))
        return false;
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
    const QString all = QString::fromUtf8(utf8);
    const auto lines = all.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (!ok || id < 0)
            continue;
        QString text;
        const QString raw = line.mid(tab + 1);
        for (int i = 0; i < raw.size(); ++i) {
            if (raw[i] == QLatin1Char('\\') && i + 1 < raw.size()) {
                const QChar c = raw[++i];
                if (c == QLatin1Char('n'))
                    text += QLatin1Char('\n');
                else if (c == QLatin1Char('t'))
                    text += QLatin1Char('\t');
                else
                    text += c;
            } else {
                text += raw[i];
            }
        }
        table.insert(id, text);
    }
    return table;
}

} // namespace tornavel

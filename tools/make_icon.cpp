// Build tool: draws the program's icon (resources/tornavel.svg) at the sizes the desktop
// and the windows use.
//
//   make_icon ICON.svg SIZE OUTPUT.png             one picture, for the desktop's icon theme
//   make_icon ICON.svg --pixels OUTPUT.h SIZE...   the pixels of each size as a C++ table,
//                                                  which the program builds its windows' icon
//                                                  from without decoding any picture at start

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool ReadSize(const char* text, int& size)
{
    bool read = false;
    size = QString::fromLocal8Bit(text).toInt(&read);
    return read && size > 0 && size <= 1024;
}

QImage Draw(QSvgRenderer& icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

int WritePixels(QSvgRenderer& icon, const char* output, int count, char* sizes[])
{
    QByteArray text = "// Written by tools/make_icon from resources/tornavel.svg at build time.\n"
                      "#pragma once\n\nnamespace tornavel::icon {\n\n"
                      "struct Pixels {\n    int size;\n    const unsigned int* argb;\n};\n\n";
    QByteArray table = "inline constexpr Pixels kSizes[] = {\n";
    for (int i = 0; i < count; ++i) {
        int size = 0;
        if (!ReadSize(sizes[i], size)) {
            std::fprintf(stderr, "make_icon: bad size %s\n", sizes[i]);
            return 1;
        }
        const QImage image = Draw(icon, size);
        const QByteArray name = "kPixels" + QByteArray::number(size);
        text += "inline constexpr unsigned int " + name + "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const unsigned int*>(image.constScanLine(y));
            text += "\n   ";
            for (int x = 0; x < size; ++x)
                text += " 0x" + QByteArray::number(line[x], 16).rightJustified(8, '0') + ',';
        }
        text += "\n};\n\n";
        table += "    {" + QByteArray::number(size) + ", " + name + "},\n";
    }
    text += table + "};\n\n} // namespace tornavel::icon\n";
    QFile file(QString::fromLocal8Bit(output));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", output);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool pixels = argc >= 5 && QByteArray(argv[2]) == "--pixels";
    if (!pixels && argc != 4) {
        std::fprintf(stderr, "usage: make_icon ICON.svg SIZE OUTPUT.png\n"
                             "       make_icon ICON.svg --pixels OUTPUT.h SIZE...\n");
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "make_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    if (pixels)
        return WritePixels(icon, argv[3], argc - 4, argv + 4);
    int size = 0;
    if (!ReadSize(argv[2], size)) {
        std::fprintf(stderr, "make_icon: bad size %s\n", argv[2]);
        return 1;
    }
    if (!Draw(icon, size).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

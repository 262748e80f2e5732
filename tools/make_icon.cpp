// Build tool: makes the desktop icon from the program's own picture, its top square
// scaled to the icon's size.
//
//   make_icon PICTURE SIZE OUTPUT.png

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icon PICTURE SIZE OUTPUT.png\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeRead);
    if (picture.isNull() || !sizeRead || size <= 0) {
        std::fprintf(stderr, "make_icon: cannot read %s or size %s\n", argv[1], argv[2]);
        return 1;
    }
    const int side = std::min(picture.width(), picture.height());
    const QImage icon = picture.copy(0, 0, side, side)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

#include "ui/program_icon.h"

#include "ui/program_icon_pixels.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tornavel {

void SetProgramIcon()
{
    QIcon icon;
    for (const icon::Pixels& pixels : icon::kSizes) {
        const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                           QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace tornavel

#include "ui/dialogs/about_window.h"

#include "core/strings.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tornavel {

TFApropos::TFApropos(const StringTable& strings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FApropos"));
    setModal(true);
    setFixedSize(Scaled(QSize(274, 124)));
    setWindowTitle(strings.Str(127));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(Scaled(10, 10, 254, 69));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    lblRens_ = new QLabel(strings.Str(128), panel);
    lblRens_->setObjectName(QStringLiteral("LblRens"));
    lblRens_->setGeometry(Scaled(9, 9, 205, 56));
    lblRens_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setGeometry(Scaled(219, 3, 32, 32));
    logo->setPixmap(QApplication::windowIcon().pixmap(logo->size()));

    btnOk_ = new QPushButton(LayoutText(strings, LayoutString::DialogOkButton), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(Scaled(97, 86, 80, 25));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, strings, "Image1");
}

} // namespace tornavel

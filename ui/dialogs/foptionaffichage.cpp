#include "ui/dialogs/foptionaffichage.h"

#include "core/engine.h"
#include "ui/dialogs/window_style.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tornavel {

TFOptionAffichage::TFOptionAffichage(Engine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FOptionAffichage"));
    setModal(true);
    setWindowTitle(engine.Str(339));

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));

    label_ = new QLabel(engine.Str(340, 600), group);
    label_->setObjectName(QStringLiteral("Label"));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The window grows by what the text needs beyond its place, so the whole text shows
    // whatever the desktop's font.
    const int extra = std::max(0, label_->heightForWidth(275) - 127);
    label_->setGeometry(5, 10, 275, 127 + extra);
    group->setGeometry(10, 5, 284, 180 + extra);
    setFixedSize(304, 235 + extra);

    redim_ = new QRadioButton(QStringLiteral("Fenêtre redimentionnable"), group);
    redim_->setObjectName(QStringLiteral("RdbtnRedim"));
    redim_->setGeometry(4, 139 + extra, 270, 17);
    nonRedim_ = new QRadioButton(QStringLiteral("Fenêtre non redimentionnable"), group);
    nonRedim_->setObjectName(QStringLiteral("RdbtnNonRedim"));
    nonRedim_->setGeometry(4, 158 + extra, 270, 17);
    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(112, 197 + extra, 80, 25);
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, engine, "Image1");
}

void TFOptionAffichage::CheckButton(bool resizable)
{
    (resizable ? redim_ : nonRedim_)->setChecked(true);
}

QString TFOptionAffichage::BehaviourChoice() const
{
    // The button checked when OK is pressed, however it came to be checked.
    return redim_->isChecked() ? QStringLiteral("O") : QStringLiteral("N");
}

} // namespace tornavel

#include "ui/dialogs/window_behaviour_window.h"

#include "core/strings.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"
#include "ui/option_groups.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace tornavel {

TFOptionAffichage::TFOptionAffichage(const StringTable& strings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FOptionAffichage"));
    setModal(true);
    setWindowTitle(strings.Str(text::BehaviourWindowCaption));

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));

    label_ = new QLabel(strings.Str(text::BehaviourExplanation, text::BehaviourExplanationBuffer), group);
    label_->setObjectName(QStringLiteral("Label"));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The explanation shows whole: in a font whose lines need more than the usual 127
    // pixels (at the stock font), the window grows and what lies under the text moves down.
    const QRect text = Scaled(5, 10, 275, 127);
    const int below = std::max(0, label_->heightForWidth(text.width()) - text.height());
    label_->setGeometry(text.adjusted(0, 0, 0, below));
    group->setGeometry(Scaled(10, 5, 284, 180).adjusted(0, 0, 0, below));
    setFixedSize(Scaled(QSize(304, 235)) + QSize(0, below));

    redim_ = new QRadioButton(OwnLayoutText(strings, text::ResizableWindowButton), group);
    redim_->setObjectName(QStringLiteral("RdbtnRedim"));
    redim_->setGeometry(Scaled(4, 139, 270, 17).translated(0, below));
    nonRedim_ = new QRadioButton(OwnLayoutText(strings, text::FixedWindowButton), group);
    nonRedim_->setObjectName(QStringLiteral("RdbtnNonRedim"));
    nonRedim_->setGeometry(Scaled(4, 158, 270, 17).translated(0, below));
    TabStopOnCheckedOption({redim_, nonRedim_});

    btnOk_ = new QPushButton(LayoutText(strings, LayoutString::DialogOkButton), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(Scaled(112, 197, 80, 25).translated(0, below));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, strings, "Image1");
}

void TFOptionAffichage::CheckButton(bool resizable)
{
    (resizable ? redim_ : nonRedim_)->setChecked(true);
}

QString TFOptionAffichage::BehaviourChoice() const
{
    // The button checked when OK is pressed, however it came to be checked.
    return WindowBehaviourCode(redim_->isChecked());
}

} // namespace tornavel

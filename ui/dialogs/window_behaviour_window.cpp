#include "ui/dialogs/window_behaviour_window.h"

#include "core/strings.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
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
    // pixels, the window grows and what lies under the text moves down.
    const int textHeight = std::max(127, label_->heightForWidth(275));
    const int below = textHeight - 127;
    label_->setGeometry(5, 10, 275, textHeight);
    group->setGeometry(10, 5, 284, 180 + below);
    setFixedSize(304, 235 + below);

    redim_ = new QRadioButton(OwnLayoutText(strings, text::ResizableWindowButton), group);
    redim_->setObjectName(QStringLiteral("RdbtnRedim"));
    redim_->setGeometry(4, 139 + below, 270, 17);
    nonRedim_ = new QRadioButton(OwnLayoutText(strings, text::FixedWindowButton), group);
    nonRedim_->setObjectName(QStringLiteral("RdbtnNonRedim"));
    nonRedim_->setGeometry(4, 158 + below, 270, 17);
    TabStopOnCheckedOption({redim_, nonRedim_});

    btnOk_ = new QPushButton(LayoutText(strings, LayoutString::DialogOkButton), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(112, 197 + below, 80, 25);
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

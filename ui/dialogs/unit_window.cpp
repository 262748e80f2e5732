#include "ui/dialogs/unit_window.h"

#include "core/strings.h"
#include "core/units.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"
#include "ui/option_groups.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>
#include <utility>

namespace tornavel {

namespace {

// Fills a radio group with `count` rows, 24 pixels apart.
QButtonGroup* AddRows(QGroupBox* group, int width, int count)
{
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < count; ++i) {
        auto* row = new QRadioButton(group);
        row->setObjectName(group->objectName() + QString::fromLatin1("_%1").arg(i));
        row->setGeometry(Scaled(8, 18 + 24 * i, width - 16, 20));
        buttons->addButton(row, i);
    }
    TabStopOnCheckedOption(buttons->buttons());
    return buttons;
}

void SelectRow(QButtonGroup* buttons, int row)
{
    // An exclusive group cannot switch its last checked button off.
    buttons->setExclusive(false);
    for (QAbstractButton* button : buttons->buttons())
        button->setChecked(buttons->id(button) == row);
    buttons->setExclusive(true);
}

} // namespace

TFOptions::TFOptions(const StringTable& strings, WindowKeyHandler keyDown, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), strings_(strings),
      keyDown_(std::move(keyDown))
{
    setObjectName(QStringLiteral("FOptions"));
    setModal(true);
    setFixedSize(Scaled(QSize(274, 256)));

    rgUnites_ = new QGroupBox(this);
    rgUnites_->setObjectName(QStringLiteral("RgUnites"));
    rgUnites_->setGeometry(Scaled(10, 5, 254, 124));
    unitButtons_ = AddRows(rgUnites_, 254, UnitOfMeasureCount);

    rgAffUnite_ = new QGroupBox(this);
    rgAffUnite_->setObjectName(QStringLiteral("RgAffUnite"));
    rgAffUnite_->setGeometry(Scaled(10, 134, 254, 73));
    displayButtons_ = AddRows(rgAffUnite_, 254, static_cast<int>(std::size(text::UnitDisplayRows)));

    btnOk_ = new QPushButton(LayoutText(strings_, LayoutString::DialogOkButton), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(Scaled(97, 218, 80, 25));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, strings_, "FondOptions");
    LoadCaptions();
}

void TFOptions::LoadCaptions()
{
    setWindowTitle(strings_.Str(text::UnitWindowCaption));
    rgUnites_->setTitle(strings_.Str(text::UnitGroupTitle));
    for (const UnitOfMeasure& unit : UnitsOfMeasure())
        unitButtons_->button(unit.windowRow)->setText(strings_.Str(unit.windowCaptionId));
    rgAffUnite_->setTitle(strings_.Str(text::UnitDisplayGroupTitle));
    for (int i = 0; i < static_cast<int>(std::size(text::UnitDisplayRows)); ++i)
        displayButtons_->button(i)->setText(strings_.Str(text::UnitDisplayRows[i]));
}

void TFOptions::SetUnitRow(int row) { SelectRow(unitButtons_, row); }
void TFOptions::SetDisplayRow(int row) { SelectRow(displayButtons_, row); }
int TFOptions::UnitRow() const { return unitButtons_->checkedId(); }
int TFOptions::DisplayRow() const { return displayButtons_->checkedId(); }

void TFOptions::keyPressEvent(QKeyEvent* event)
{
    if (keyDown_ && keyDown_(event->key(), event->modifiers().testFlag(Qt::ControlModifier)))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace tornavel

#include "ui/dialogs/foptions.h"

#include "core/engine.h"
#include "ui/dialogs/window_style.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace tornavel {

namespace {

// Fills a radio group with `count` rows, 20 pixels apart.
QButtonGroup* AddRows(QGroupBox* group, int count)
{
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < count; ++i) {
        auto* row = new QRadioButton(group);
        row->setObjectName(group->objectName() + QString::fromLatin1("_%1").arg(i));
        row->setGeometry(8, 18 + 24 * i, group->width() - 16, 20);
        buttons->addButton(row, i);
    }
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

TFOptions::TFOptions(Engine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), engine_(engine)
{
    setObjectName(QStringLiteral("FOptions"));
    setModal(true);
    setFixedSize(274, 256);

    rgUnites_ = new QGroupBox(this);
    rgUnites_->setObjectName(QStringLiteral("RgUnites"));
    rgUnites_->setGeometry(10, 5, 254, 124);
    unitButtons_ = AddRows(rgUnites_, 4);

    rgAffUnite_ = new QGroupBox(this);
    rgAffUnite_->setObjectName(QStringLiteral("RgAffUnite"));
    rgAffUnite_->setGeometry(10, 134, 254, 73);
    displayButtons_ = AddRows(rgAffUnite_, 2);

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(97, 218, 80, 25);
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);

    SetSecondaryWindowBackground(this, engine_, "FondOptions");
    LoadCaptions();
}

void TFOptions::LoadCaptions()
{
    setWindowTitle(engine_.Str(120));
    rgUnites_->setTitle(engine_.Str(197));
    const int unitIds[] = {198, 199, 291, 292};
    for (int i = 0; i < 4; ++i)
        unitButtons_->button(i)->setText(engine_.Str(unitIds[i]));
    rgAffUnite_->setTitle(engine_.Str(293));
    displayButtons_->button(0)->setText(engine_.Str(294));
    displayButtons_->button(1)->setText(engine_.Str(295));
}

void TFOptions::SetUnitRow(int row) { SelectRow(unitButtons_, row); }
void TFOptions::SetDisplayRow(int row) { SelectRow(displayButtons_, row); }
int TFOptions::UnitRow() const { return unitButtons_->checkedId(); }
int TFOptions::DisplayRow() const { return displayButtons_->checkedId(); }

void TFOptions::keyPressEvent(QKeyEvent* event)
{
    if (engine_.UnitWindowKeyDown(event->key(), event->modifiers().testFlag(Qt::ControlModifier)))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace tornavel

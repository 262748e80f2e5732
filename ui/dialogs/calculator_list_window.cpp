#include "ui/dialogs/calculator_list_window.h"

#include "core/calculator_list.h"
#include "core/strings.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace tornavel {

namespace {
constexpr int kBoxWidth = 250;  // at the stock font
} // namespace

TFLCalculettes::TFLCalculettes(const StringTable& strings, CalculatorListWindow& list, QWidget* parent)
    // No system menu, minimise or maximise box: OK is the way out.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), list_(list),
      boxes_(static_cast<size_t>(list.BoxCount()), nullptr)
{
    setObjectName(QStringLiteral("FLCalculettes"));
    setModal(true);
    setFixedSize(Scaled(QSize(301, 400)));

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("SCBLCalculettes"));
    scrollBox_->setGeometry(Scaled(10, 10, 280, 341));
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The keyboard goes to the boxes, not to the area that scrolls them (see FormActivate).
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    boxHolder_ = new QWidget;
    boxHolder_->setFixedSize(Scaled(QSize(260, 20 * list_.BoxCount())));
    scrollBox_->setWidget(boxHolder_);

    btnOk_ = new QPushButton(LayoutText(strings, LayoutString::DialogOkButton), this);
    btnOk_->setObjectName(QStringLiteral("BtnOK"));
    btnOk_->setGeometry(Scaled(110, 363, 80, 25));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &TFLCalculettes::BtnOKClick);

    FitBoxes();
    SetSecondaryWindowBackground(this, strings, "FondListeCalc");
}

QCheckBox* TFLCalculettes::Box(int box) const
{
    if (box < 0 || box >= list_.BoxCount())
        return nullptr;
    return boxes_[static_cast<size_t>(box)];
}

void TFLCalculettes::FormActivate()
{
    list_.FormActivate();
    for (int b = 0; b < list_.BoxCount(); ++b) {
        delete boxes_[static_cast<size_t>(b)];
        auto* box = new QCheckBox(list_.BoxCaption(b), boxHolder_);
        box->setObjectName(QString::fromLatin1("CbCalculette%1").arg(b));
        QRect place = Scaled(2, 20 * b, kBoxWidth, 17);
        place.setWidth(boxWidth_);
        box->setGeometry(place);
        box->setChecked(list_.IsChecked(b));
        connect(box, &QCheckBox::clicked, this, [this, b] { BoxClick(b); });
        box->show();
        boxes_[static_cast<size_t>(b)] = box;
    }
    // The focus on the first checked box, else the first, where the arrows move on.
    const auto checked = std::find_if(boxes_.begin(), boxes_.end(), [](const QCheckBox* box) { return box && box->isChecked(); });
    if (QCheckBox* first = checked != boxes_.end() ? *checked : (boxes_.empty() ? nullptr : boxes_.front())) {
        first->setFocus(Qt::OtherFocusReason);
        scrollBox_->ensureWidgetVisible(first);
    }
}

void TFLCalculettes::FitBoxes()
{
    // Every calculator name shows whole: when the font needs more than the usual
    // 250 pixels for the longest, the boxes, the list and the window widen together.
    boxWidth_ = Scaled(kBoxWidth);
    QCheckBox probe;
    for (int b = 0; b < list_.BoxCount(); ++b) {
        probe.setText(list_.BoxCaption(b));
        boxWidth_ = std::max(boxWidth_, probe.sizeHint().width());
    }
    const int wider = boxWidth_ - Scaled(kBoxWidth);
    boxHolder_->setFixedWidth(Scaled(260) + wider);
    scrollBox_->resize(Scaled(280) + wider, scrollBox_->height());
    setFixedSize(Scaled(301) + wider, height());
    btnOk_->move((width() - btnOk_->width()) / 2, btnOk_->y());
}

void TFLCalculettes::BoxClick(int b)
{
    QCheckBox* box = boxes_[static_cast<size_t>(b)];
    box->setChecked(list_.BoxClick(b, box->isChecked()));
}

void TFLCalculettes::BtnOKClick()
{
    if (!list_.BtnOKClick())
        return;
    closing_ = true;
    accept();
    closing_ = false;
}

void TFLCalculettes::reject()
{
    BtnOKClick();
}

void TFLCalculettes::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TFLCalculettes::keyPressEvent(QKeyEvent* event)
{
    if (list_.FormKeyDown(event->key(), event->modifiers().testFlag(Qt::ControlModifier)))
        return;
    QDialog::keyPressEvent(event);
}

void TFLCalculettes::closeEvent(QCloseEvent* event)
{
    // Closing the window any other way goes through OK, which may refuse.
    if (closing_) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    BtnOKClick();
}

} // namespace tornavel

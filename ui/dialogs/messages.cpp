#include "ui/dialogs/messages.h"

#include "core/layout.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tornavel {

namespace {

constexpr int kLabelLeft = 7;
constexpr int kLabelTop = 8;
constexpr int kTextGap = 2;  // between the text and the button

} // namespace

TFMessages::TFMessages(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FMessages"));
    setModal(true);
    PaintWindowColour(this);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LMessages"));
    label_->move(Scaled(kLabelLeft), Scaled(kLabelTop));
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("BtnOk"));
    QFont bold = ok_->font();
    bold.setBold(true);
    ok_->setFont(bold);
    ok_->setGeometry(Scaled(89, 26, 40, 25));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFMessages::Prepare(const QString& text, int lines, const QRect& mainFrame)
{
    const MessageFormGeometry g = MessageFormLayout(mainFrame.left(), mainFrame.top(), mainFrame.width(), lines);
    label_->setText(text);
    // The text keeps its own lines; the window is as wide as the longest of them needs
    // in the font on screen, and never narrower than its usual width, centred on the
    // main window all the same.
    const QSize textSize = label_->sizeHint();
    const int margin = Scaled(kLabelLeft);
    const int width = std::max(Scaled(g.width), margin + textSize.width() + margin);
    label_->setFixedSize(width - 2 * margin, textSize.height());
    // The window grows 12 pixels per line beyond the first; a font whose lines are
    // taller than that moves the button further down rather than over the text.
    const int buttonTop = Scaled(g.buttonTop);
    const int below = std::max(0, Scaled(kLabelTop) + textSize.height() + Scaled(kTextGap) - buttonTop);
    ok_->move((width - ok_->width()) / 2, buttonTop + below);
    setFixedSize(width, Scaled(g.height) + below);
    MoveOnScreen(this, QPoint(g.left - (width - g.width) / 2, mainFrame.top() + Scaled(g.top - mainFrame.top())));
}

void TFMessages::ShowMessage(const QString& text, int lines, const QRect& mainFrame)
{
    Prepare(text, lines, mainFrame);
    ok_->setFocus();
    exec();
}

} // namespace tornavel

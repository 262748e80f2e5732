#include "ui/dialogs/messages.h"

#include "core/layout.h"
#include "ui/dialogs/window_style.h"

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
    label_->move(kLabelLeft, kLabelTop);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("BtnOk"));
    QFont bold = ok_->font();
    bold.setBold(true);
    ok_->setFont(bold);
    ok_->setGeometry(89, 26, 40, 25);
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
    const int width = std::max(g.width, kLabelLeft + textSize.width() + kLabelLeft);
    label_->setFixedSize(width - 2 * kLabelLeft, textSize.height());
    // The window grows 12 pixels per line beyond the first; a font whose lines are
    // taller than that moves the button further down rather than over the text.
    const int below = std::max(0, kLabelTop + textSize.height() + kTextGap - g.buttonTop);
    ok_->move((width - ok_->width()) / 2, g.buttonTop + below);
    setFixedSize(width, g.height + below);
    move(g.left - (width - g.width) / 2, g.top);
}

void TFMessages::ShowMessage(const QString& text, int lines, const QRect& mainFrame)
{
    Prepare(text, lines, mainFrame);
    ok_->setFocus();
    exec();
}

} // namespace tornavel

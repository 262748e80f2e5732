#include "ui/dialogs/messages.h"

#include "core/layout.h"
#include "ui/dialogs/window_style.h"

#include <QLabel>
#include <QPushButton>

namespace tornavel {

TFMessages::TFMessages(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FMessages"));
    setModal(true);
    PaintWindowColour(this);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LMessages"));
    label_->move(7, 8);
    label_->setFixedWidth(204);
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
    // The label grows with its text; the window does not look at it.
    label_->adjustSize();
    label_->setFixedWidth(204);
    ok_->move(89, g.buttonTop);
    setFixedSize(g.width, g.height);
    move(g.left, g.top);
}

void TFMessages::ShowMessage(const QString& text, int lines, const QRect& mainFrame)
{
    Prepare(text, lines, mainFrame);
    ok_->setFocus();
    exec();
}

} // namespace tornavel

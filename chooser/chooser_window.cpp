#include "chooser/chooser_window.h"

#include "chooser/choice.h"
#include "core/strings.h"
#include "ui/layout_scale.h"
#include "ui/option_groups.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QtMath>

#include <algorithm>

namespace tornavel {

using namespace verolan;

TFSelComTornavel::TFSelComTornavel(const StringTable& strings, const QString& settingsPath,
                                   QWidget* parent)
    // A title bar without system menu, and so without close, minimise or maximise box.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      settingsPath_(settingsPath)
{
    setObjectName(QStringLiteral("FSelComTornavel"));
    setWindowTitle(WindowCaption());
    setFixedSize(Scaled(QSize(464, 318)));

    lblMsg_ = new QLabel(this);
    lblMsg_->setObjectName(QStringLiteral("LblMsg"));
    // Empty, under the memo: it keeps the place and size it has always had.
    lblMsg_->setGeometry(Scaled(12, 30, 100, 30));

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("MemoMsg"));
    memo_->setGeometry(Scaled(12, 15, 431, 170));
    memo_->setReadOnly(true);
    memo_->setAccessibleName(WindowCaption());

    redim_ = new QRadioButton(strings.Str(kRedimTextId, kRadioCaptionBuffer), this);
    redim_->setObjectName(QStringLiteral("RdbtnRedim"));
    redim_->setGeometry(Scaled(12, 195, 143, 18));
    nonRedim_ = new QRadioButton(strings.Str(kNonRedimTextId, kRadioCaptionBuffer), this);
    nonRedim_->setObjectName(QStringLiteral("RdbtnNonRedim"));
    nonRedim_->setGeometry(Scaled(12, 216, 165, 18));
    connect(redim_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            choice_ = ChoiceFor(true);
    });
    connect(nonRedim_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            choice_ = ChoiceFor(false);
    });

    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("BtnOk"));
    btnOk_->setGeometry(Scaled(175, 246, 106, 25));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &TFSelComTornavel::BtnOkClick);

    nonRedim_->setChecked(true);
    TabStopOnCheckedOption({redim_, nonRedim_});

    FitTexts();

    // Centred on the screen's free area with the frame that the desktop will draw.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize outer = size().grownBy(FrameMargins(this));
        MoveOnScreen(this, QPoint(area.left() + CentredOrigin(area.width(), outer.width()),
                                  area.top() + CentredOrigin(area.height(), outer.height())));
    }
}

void TFSelComTornavel::FitTexts()
{
    // The explanation is laid out in lines of its own; where the desktop's font is wider
    // or taller than the stored layout allows, the memo grows until every line shows
    // whole, and the controls below it move down (the button stays centred).
    QTextDocument unwrapped;
    unwrapped.setDefaultFont(memo_->font());
    unwrapped.setDocumentMargin(memo_->document()->documentMargin());
    unwrapped.setPlainText(MemoLines().join(u'\n'));
    const QSizeF needed = unwrapped.size();
    const int frame = 2 * memo_->frameWidth() + 2;
    // Room for a vertical scroll bar too: the memo may show one until it is laid out
    // on screen, and a line wrapped meanwhile would keep it.
    const int scrollBar = memo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo_);
    const int wider = std::max(0, qCeil(needed.width()) + frame + scrollBar - memo_->width());
    const int taller = std::max(0, qCeil(needed.height()) + frame - memo_->height());
    memo_->resize(memo_->width() + wider, memo_->height() + taller);
    for (QRadioButton* button : {redim_, nonRedim_})
        button->setGeometry(button->x(), button->y() + taller,
                            std::max(button->width(), button->sizeHint().width()), button->height());
    btnOk_->move(btnOk_->x() + wider / 2, btnOk_->y() + taller);
    setFixedSize(width() + wider, height() + taller);
    // Laid out at its final width: a text first wrapped in the narrower memo would
    // keep a scroll bar that is no longer needed.
    memo_->setPlainText(unwrapped.toPlainText());
}

void TFSelComTornavel::keyPressEvent(QKeyEvent* event)
{
    // Return and Enter press the default button from wherever the focus is: the window
    // is no dialog, which would do it by itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && btnOk_->isEnabled()) {
        btnOk_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFSelComTornavel::BtnOkClick()
{
    if (!redim_->isChecked() && !nonRedim_->isChecked()) {
        QMessageBox box(QMessageBox::NoIcon, NoChoiceCaption(), NoChoiceText(), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    if (!WriteWindowBehaviour(settingsPath_, choice_)) {
        // The old file is left whole; the user may free the place and press OK again.
        QMessageBox box(QMessageBox::Critical, ProgramTitle(), WriteFailureText(settingsPath_),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    close();
}

} // namespace tornavel

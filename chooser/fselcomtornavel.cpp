#include "chooser/fselcomtornavel.h"

#include "chooser/choice.h"
#include "core/strings.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

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
    setFixedSize(464, 318);

    lblMsg_ = new QLabel(this);
    lblMsg_->setObjectName(QStringLiteral("LblMsg"));
    lblMsg_->move(12, 30);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("MemoMsg"));
    memo_->setGeometry(12, 15, 431, 170);
    memo_->setReadOnly(true);
    memo_->setPlainText(MemoLines().join(u'\n'));

    redim_ = new QRadioButton(strings.Str(kRedimTextId, kRadioCaptionBuffer), this);
    redim_->setObjectName(QStringLiteral("RdbtnRedim"));
    redim_->setGeometry(12, 195, 143, 18);
    nonRedim_ = new QRadioButton(strings.Str(kNonRedimTextId, kRadioCaptionBuffer), this);
    nonRedim_->setObjectName(QStringLiteral("RdbtnNonRedim"));
    nonRedim_->setGeometry(12, 216, 165, 18);
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
    btnOk_->setGeometry(175, 246, 106, 25);
    connect(btnOk_, &QPushButton::clicked, this, &TFSelComTornavel::BtnOkClick);

    nonRedim_->setChecked(true);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + CentredOrigin(area.width(), width()),
             area.top() + CentredOrigin(area.height(), height()));
    }
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

#include "ui/tornavel_window.h"

#include "core/calcerror.h"
#include "core/engine.h"
#include "core/layout.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"
#include "ui/panel_widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QThread>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <exception>
#include <utility>

namespace tornavel {

namespace {

QChar KeyCharacter(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Escape: return QChar(27);
    default: break;
    }
    const QString text = e->text();
    return text.isEmpty() ? QChar() : text.front();
}

// The keys that move in a drop-down list or open it.
bool IsListKey(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

} // namespace

TFTornavel::TFTornavel(Engine& engine, const QString& settingsPath, const QString& decimalSeparator,
                       QWidget* parent)
    : QWidget(parent), engine_(engine), panels_(static_cast<size_t>(engine.Descriptions().Count()))
{
    setObjectName(QStringLiteral("FTornavel"));
    // No maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    engine_.FormCreate(ReadWindowBehaviour(settingsPath), decimalSeparator);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    const QSize clientSize = Scaled(QSize(MainClientWidth, MainClientHeight));
    client_->setFixedSize(clientSize);
    PaintWindowColour(client_);

    if (engine_.WindowResizable()) {
        // A sizeable border; scroll bars come when the window is made smaller than
        // its content (see resizeEvent).
        resize(clientSize);
    } else {
        setFixedSize(clientSize);
    }

    picturePath_ = engine_.Strings().FondPicturePath();
    // The picture's decoding thread starts once the first frame is out, so that it does
    // not share the processor with that frame.
    AfterFirstPaint([this] { LoadPicture(); });

    // Hints on a white background.
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, Qt::white);
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);

    // Only the panel on screen is built; each other one when it first comes on screen
    // (see RenderPanel), the menus at the first click on the menu bar.
    BuildMenuBar();
    BuildKeypad();
    BuildListPanel();
    // Tab from the keyboard's home goes along the menu bar, then to the option buttons
    // of the calculator on screen (see BuildPanel), the keypad, the keys of the calculator
    // on screen (see BuildPanel), the "Sous calcul" list, and back home.
    QWidget* previous = listPanel_;
    for (QPushButton* button : menuButtons_) {
        setTabOrder(previous, button);
        previous = button;
    }
    lastKeypadKey_ = ChainInReadingOrder(previous, keypad_);
    setTabOrder(lastKeypadKey_, offered_);

    // Centred on the screen's free area with the frame that the desktop will draw.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize outer = size().grownBy(FrameMargins(this));
        const WindowPosition at = CentredOnScreen(area.width(), area.height(), outer.width(), outer.height());
        MoveOnScreen(this, QPoint(area.left() + at.left, area.top() + at.top));
    }

    Render();
    // Keys typed anywhere in this window reach the engine first.
    qApp->installEventFilter(this);
}

TFTornavel::~TFTornavel()
{
    qApp->removeEventFilter(this);
    if (pictureLoader_) {
        pictureLoader_->wait();
        delete pictureLoader_;
    }
}

QString TFTornavel::Text(LayoutString id) const
{
    return LayoutText(engine_.Strings(), id);
}

void TFTornavel::LoadPicture()
{
    // Decoding the background picture takes longer than building the window: it is
    // decoded on a thread of its own and shown as soon as it is ready.
    if (picturePath_.isEmpty() || pictureLoader_)
        return;
    const QString path = picturePath_;
    // Drawn at the size of the panels it lies under.
    const double scale = LayoutScale();
    pictureLoader_ = QThread::create([this, path, scale] {
        // The format named by the suffix (png or bmp, both built in): probing the
        // image plugins would load every one of them.
        QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
        reader.setAutoDetectImageFormat(false);
        decodedPicture_ = reader.read();
        if (scale != 1.0 && !decodedPicture_.isNull()) {
            decodedPicture_ = decodedPicture_.scaled(decodedPicture_.size() * scale, Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation);
        }
    });
    connect(pictureLoader_, &QThread::finished, this, [this] {
        fond_ = QPixmap::fromImage(decodedPicture_);
        decodedPicture_ = QImage();
        client_->update();
    });
    pictureLoader_->start();
}

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------

TFTornavel::Outcome TFTornavel::Dispatch(const std::function<void()>& operation, Needs needs)
{
    const Outcome outcome = Run(operation, needs);
    if (listPanel_)
        listPanel_->setFocus();
    return outcome;
}

void TFTornavel::Press(QWidget* source, const std::function<void()>& operation, Needs needs)
{
    const bool fromKeyboard = source->hasFocus();
    Run(operation, needs);
    if (fromKeyboard && source->isVisible() && source->isEnabled() && (source->focusPolicy() & Qt::TabFocus))
        return;
    if (listPanel_)
        listPanel_->setFocus();
}

TFTornavel::Outcome TFTornavel::Run(const std::function<void()>& operation, Needs needs)
{
    Outcome outcome = Outcome::Done;
    if (needs == Needs::Calculator && !engine_.HasCalculator()) {
        // Nothing to act on: the calculator keys would reach for the top of an empty stack.
        outcome = Outcome::Skipped;
    } else {
        QString error;
        try {
            operation();
        } catch (const CalcError& e) {
            error = e.message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        if (!error.isNull()) {
            outcome = Outcome::Failed;
            engine_.Ui().MessageBox(ErrorBoxText(error), OwnLayoutText(engine_.Strings(), text::ProductName),
                                  BoxIcon::Error);
        }
    }
    Render();
    return outcome;
}

bool TFTornavel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::Paint) || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return QWidget::eventFilter(watched, event);

    if (type == QEvent::Paint) {
        // The window is on screen: what waited for it runs right after this paint.
        if (!firstPaintSeen_) {
            firstPaintSeen_ = true;
            QTimer::singleShot(0, this, [this] {
                for (auto& action : std::exchange(afterFirstPaint_, {}))
                    action();
            });
        }
        return QWidget::eventFilter(watched, event);
    }

    const auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    const QChar character = KeyCharacter(key);
    bool handled = false;
    const Outcome outcome = Run(
        [&] {
            handled = engine_.FormKeyDown(key->key(), ctrl);
            if (!character.isNull())
                handled = engine_.FormKeyPress(character) || handled;
        },
        Needs::Calculator);
    // A key whose operation failed was acted on all the same. Let through, the event
    // would travel on to the parent widgets, each of which passes it through this
    // filter again: the key would run, and its error show, once per widget.
    handled = handled || outcome == Outcome::Failed;
    if (handled) {
        // The key was the calculator's, wherever the focus was (a button of the menu bar
        // or an option button): the keyboard goes back home.
        listPanel_->setFocus();
        return true;
    }
    // Another key goes on to the focused widget: Tab and Space on the buttons, the arrows
    // in the "Sous calcul" list, where Space opens the chosen calculator as a double-click.
    QWidget* focused = QApplication::focusWidget();
    if (focused == offered_) {
        if (watched == offered_ && key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (QListWidgetItem* item = offered_->currentItem())
                OpenOffered(offered_->row(item));
            return true;
        }
        return false;
    }
    if (IsListKey(key) && !qobject_cast<QAbstractButton*>(focused)) {
        // The arrow keys choose in the list shown in place of the result field; F4 and
        // Alt+Down open it, and Enter in the open list chooses the row. On a button they
        // move the focus, and go no further when it cannot move.
        const int n = engine_.Window().visiblePanel;
        QComboBox* list = n >= 0 && n < static_cast<int>(panels_.size()) ? panels_[static_cast<size_t>(n)].list : nullptr;
        if (list && list != watched && list->isVisible())
            return QCoreApplication::sendEvent(list, event);
    }
    return false;
}

void TFTornavel::AfterFirstPaint(std::function<void()> action)
{
    if (firstPaintSeen_ && afterFirstPaint_.empty())
        action();
    else
        afterFirstPaint_.push_back(std::move(action));
}

void TFTornavel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The engine acts on the first activation only.
    Dispatch([this] { engine_.FormActivate(); });
}

void TFTornavel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (scroller_ || !engine_.WindowResizable())
        return;
    if (width() >= client_->width() && height() >= client_->height())
        return;
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("AutoScroll"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidget(client_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller_);
    scroller_->show();
}

void TFTornavel::closeEvent(QCloseEvent* event)
{
    Dispatch([this] { engine_.FormClose(); });
    event->accept();
}

} // namespace tornavel

// Building the main window's panels from the engine's rows: a calculator panel with
// its keys, the keypad and the sub-calculation list.

#include "ui/tornavel_window.h"

#include "core/engine.h"
#include "core/layout.h"
#include "core/view_texts.h"
#include "ui/field_menus.h"
#include "ui/layout_scale.h"
#include "ui/offered_list.h"
#include "ui/option_groups.h"
#include "ui/panel_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextOption>

#include <algorithm>
#include <utility>

namespace tornavel {

QString Numbered(const char* role, int number)
{
    return QLatin1String(role) + QString::number(number);
}

QRect PromptRectangle()
{
    return Scaled(kPromptLeft, 2, kPromptWidth, 34);
}

QRect FieldRectangle()
{
    return Scaled(kFieldLeft, kFieldTop, kFieldRight - kFieldLeft, kFieldHeight);
}

void Quiet(QWidget* w)
{
    w->setFocusPolicy(Qt::NoFocus);
}

FondImage::FondImage(const QPixmap& picture, QWidget* origin, QWidget* parent)
    : QWidget(parent), picture_(picture), origin_(origin)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull());
}

void FondImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.isNull()) {
        // Until the picture is decoded: its middle tone.
        painter.fillRect(rect(), QColor(222, 229, 239));
        return;
    }
    painter.drawPixmap(-mapTo(origin_, QPoint(0, 0)), picture_);
}

namespace {

// The option buttons below the keys, each as wide as its caption so that it shows
// whole: up to three stand one under the other; four share two columns, the second
// beside the longest caption of the first.
void PlaceOptionButtons(const std::vector<QRadioButton*>& buttons)
{
    const int top = Scaled(62), rowHeight = Scaled(20), height = Scaled(18), gap = Scaled(2), columnWidth = Scaled(72);
    const int operatorsWidth = Scaled(kOperatorsWidth);
    const int count = static_cast<int>(buttons.size());
    const bool oneColumn = count <= 3;
    int second = columnWidth + gap;
    if (!oneColumn) {
        for (int i = 0; i < count; i += 2)
            second = std::max(second, buttons[static_cast<size_t>(i)]->sizeHint().width() + gap);
    }
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = buttons[static_cast<size_t>(i)];
        const bool first = oneColumn || i % 2 == 0;
        const int left = first ? 0 : std::min(second, operatorsWidth - height);
        const int row = oneColumn ? i : i / 2;
        const int right = first && !oneColumn ? second - gap : operatorsWidth;
        const int width = std::min(std::max(button->sizeHint().width(), columnWidth), right - left);
        button->setGeometry(left, top + row * rowHeight, width, height);
    }
}

} // namespace

QPushButton* TFTornavel::MakeButton(QWidget* parent, const QString& name, const QString& caption, int x,
                                    int y, int width, int height, std::function<void()> operation,
                                    const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(Scaled(x, y, width, height));
    // Tab reaches it; a click leaves the focus where it is.
    button->setFocusPolicy(Qt::TabFocus);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    // Every button made here is a key of the keypad or of a calculator panel.
    connect(button, &QPushButton::clicked, this,
            [this, button, op = std::move(operation)] { Press(button, op, Needs::Calculator); });
    return button;
}

QWidget* TFTornavel::ChainInReadingOrder(QWidget* after, QWidget* container)
{
    QList<QAbstractButton*> keys;
    for (QAbstractButton* key : container->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (key->focusPolicy() & Qt::TabFocus && !qobject_cast<QRadioButton*>(key))
            keys.append(key);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const QAbstractButton* a, const QAbstractButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QAbstractButton* key : keys) {
        setTabOrder(after, key);
        after = key;
    }
    return after;
}

void TFTornavel::OpenOffered(int row)
{
    Press(offered_, [this, row] { engine_.LbCalculettesDblClick(row); }, Needs::Calculator);
}

void TFTornavel::BuildPanel(int n)
{
    const PanelState& state = engine_.Panel(n);
    PanelWidgets& w = panels_[static_cast<size_t>(n)];
    if (w.panel)
        return;

    w.panel = new QWidget(client_);
    w.panel->setObjectName(Numbered("PCalculette", n));
    w.panel->setGeometry(Scaled(0, kPanelTop, MainClientWidth, kPanelHeight));
    w.panel->hide();

    w.fond = new FondImage(fond_, client_, w.panel);
    w.fond->setObjectName(Numbered("Fond", n));
    w.fond->setGeometry(QRect(QPoint(), w.panel->size()));

    const CalculatorKind kind = state.kind;
    if (kind == CalculatorKind::InputProtocol) {
        w.prompt = new QLabel(w.panel);
        w.prompt->setObjectName(Numbered("LblResultat", n));
        // One line beside the result field; a prompt too long for it pushes the field
        // to the right (see FitPrompt).
        w.prompt->setGeometry(PromptRectangle());
        w.prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    w.result = new QLineEdit(QStringLiteral("0"), w.panel);
    w.result->setObjectName(Numbered("EdtCalculetteRes", n));
    w.result->setGeometry(FieldRectangle());
    w.result->setReadOnly(true);
    w.result->setAlignment(Qt::AlignRight);
    Quiet(w.result);
    OfferMenuWithoutShortcuts(w.result);
    // A screen reader names the field after the prompt beside it (its buddy, given at
    // each render to the field or the list shown); without a prompt it is the result.
    if (!w.prompt)
        w.result->setAccessibleName(QStringLiteral("Résultat"));

    if (state.hasList) {
        w.list = new QComboBox(w.panel);
        w.list->setObjectName(Numbered("ListBox", n));
        w.list->setGeometry(FieldRectangle());
        w.list->hide();
        Quiet(w.list);
        connect(w.list, &QComboBox::activated, this,
                [this, n](int row) { Dispatch([this, n, row] { engine_.ListBoxClick(n, row); }, Needs::Calculator); });
        // The closed list is narrower than its longest rows: its hint shows the chosen
        // row whole (and no hint when none is chosen).
        connect(w.list, &QComboBox::currentTextChanged, w.list, &QWidget::setToolTip);
    }

    w.formula = new QPlainTextEdit(w.panel);
    w.formula->setObjectName(Numbered("EdtFormule", n));
    w.formula->setGeometry(Scaled(8, 168, 280, 70));
    w.formula->setReadOnly(true);
    w.formula->setAccessibleName(QStringLiteral("Formule"));
    if (kind == CalculatorKind::FunctionKeypad) {
        // The function calculator's formula stays on one line and scrolls sideways.
        w.formula->setLineWrapMode(QPlainTextEdit::NoWrap);
        w.formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    } else {
        // The whole formula shows, its result at the end included: it wraps at the
        // field's edge, inside a term when the term is longer than a line.
        w.formula->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        w.formula->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        w.formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    Quiet(w.formula);
    OfferMenuWithoutShortcuts(w.formula);

    w.operators = new QWidget(w.panel);
    w.operators->setObjectName(Numbered("POperateurs", n));
    // Its keys reach its right edge in its own coordinates: its size is scaled as theirs.
    const QSize operatorsSize = Scaled(QSize(kOperatorsWidth, kOperatorsHeight));
    w.operators->setGeometry({{Scaled(kOperatorsLeft), Scaled(kOperatorsTop)}, operatorsSize});
    Engine& e = engine_;

    if (kind == CalculatorKind::ArithmeticKeypad) {
        BuildStandardKeys(w, n);
    } else if (kind == CalculatorKind::FunctionKeypad) {
        BuildMathKeys(w, n);
    } else {
        w.compute = MakeButton(w.operators, Numbered("PCalcul", n), Text(LayoutString::ComputeKey), 0, 0, 72, 28,
                               [&e, n] { e.PCalculClick(n); });
        if (state.hasNextKey) {
            w.next = MakeButton(w.operators, Numbered("PEt", n), Text(LayoutString::NextTermKey), 74, 0, 72, 28,
                                [&e, n] { e.PEtClick(n); });
        }
        w.memory = MakeButton(w.operators, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), 0, 30, 72, 28,
                              [&e] { e.PMR0Click(); }, Text(LayoutString::MemoryRecallHint));
        w.ok = MakeButton(w.operators, Numbered("POk", n), Text(LayoutString::OkKey), 74, 30, 72, 28,
                          [&e] { e.POk0Click(); }, Text(LayoutString::OkHint));
        // The option buttons, placed so that no caption is cut (PlaceOptionButtons).
        // Reached with Tab on the checked one, the others with the arrow keys.
        w.options = new QButtonGroup(w.operators);
        int i = 0;
        for (const RadioButtonState& radio : state.radios) {
            auto* button = new QRadioButton(radio.caption, w.operators);
            button->setObjectName(radio.name);
            button->setFocusPolicy(Qt::TabFocus);
            w.options->addButton(button, i);
            // A click on the button already checked (Space on it, above all) is no choice
            // and does nothing, as with the desktop's own option buttons.
            connect(button, &QRadioButton::clicked, this, [this, button, n, i] {
                const std::vector<RadioButtonState>& shown = engine_.Panel(n).radios;
                if (static_cast<size_t>(i) < shown.size() && shown[static_cast<size_t>(i)].checked)
                    return;
                Press(button, [this, n, i] { engine_.VariantClick(n, i); }, Needs::Calculator);
            });
            w.radios.push_back(button);
            ++i;
        }
        TabStopOnCheckedOption(w.options->buttons());
        // In the Tab order right after the menu bar.
        QWidget* previous = menuButtons_.back();
        for (QRadioButton* button : w.radios) {
            setTabOrder(previous, button);
            previous = button;
        }
        PlaceOptionButtons(w.radios);
    }
    // Its keys in the Tab order after the keypad's.
    ChainInReadingOrder(lastKeypadKey_, w.operators);
    // The keypad lies over the panels.
    keypad_->raise();
    RenderPanel(n);
}

void TFTornavel::BuildStandardKeys(PanelWidgets& w, int n)
{
    Engine& e = engine_;
    // The operator and function keys go to the calculator on screen.
    const auto press = [&e](KeypadKey key) { return [&e, key] { e.KeypadKeyClick(key); }; };
    QWidget* p = w.operators;
    constexpr int bw = 47, bh = 28, dx = 49, dy = 30;
    MakeButton(p, "PCalculatricePlus", Text(LayoutString::PlusKey), 0, 0, bw, bh, press(KeypadKey::Plus));
    MakeButton(p, "PCalculatriceMoins", Text(LayoutString::MinusKey), dx, 0, bw, bh, press(KeypadKey::Minus));
    MakeButton(p, "PCalculatriceRac", Text(LayoutString::RootKey), 2 * dx, 0, bw, bh,
               press(KeypadKey::Root), Text(LayoutString::RootHint));
    MakeButton(p, "PCalculatriceMult", Text(LayoutString::TimesKey), 0, dy, bw, bh, press(KeypadKey::Times));
    MakeButton(p, "PCalculatriceSlash", Text(LayoutString::DivideKey), dx, dy, bw, bh, press(KeypadKey::Divide));
    MakeButton(p, "PCalculatriceInverse", Text(LayoutString::InverseKey), 2 * dx, dy, bw, bh,
               press(KeypadKey::Inverse), Text(LayoutString::InverseHint));
    MakeButton(p, "PMS", Text(LayoutString::MemoryStoreKey), 0, 2 * dy, bw, bh, press(KeypadKey::MemoryStore),
               Text(LayoutString::MemoryStoreHint));
    w.memory = MakeButton(p, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), dx, 2 * dy,
                          bw, bh, [&e] { e.PMR0Click(); },
                          Text(LayoutString::MemoryRecallHint));
    MakeButton(p, "PCalculatriceEgal", Text(LayoutString::EqualsKey), 2 * dx, 2 * dy, bw, bh,
               [&e, n] { e.PCalculClick(n); });
    w.ok = MakeButton(p, Numbered("POk", n), Text(LayoutString::OkKey), 2 * dx, 3 * dy, bw, bh,
                      [&e] { e.POk0Click(); },
                      Text(LayoutString::OkHint));
}

void TFTornavel::BuildMathKeys(PanelWidgets& w, int n)
{
    Engine& e = engine_;
    // The operator and function keys go to the calculator on screen.
    const auto press = [&e](KeypadKey key) { return [&e, key] { e.KeypadKeyClick(key); }; };
    QWidget* p = w.operators;
    constexpr int bw = 47, bh = 28, dx = 49, dy = 30;
    MakeButton(p, "PCalculatriceSin", Text(LayoutString::SineKey), 0, 0, bw, bh, press(KeypadKey::Sine),
               Text(LayoutString::SineHint));
    MakeButton(p, "PCalculatriceCos", Text(LayoutString::CosineKey), dx, 0, bw, bh, press(KeypadKey::Cosine),
               Text(LayoutString::CosineHint));
    MakeButton(p, "PCalculatriceTan", Text(LayoutString::TangentKey), 2 * dx, 0, bw, bh,
               press(KeypadKey::Tangent), Text(LayoutString::TangentHint));
    MakeButton(p, "PCalculatriceInv", Text(LayoutString::InverseFunctionKey), 0, dy, bw, bh,
               press(KeypadKey::InverseFunction), Text(LayoutString::InverseFunctionHint));
    MakeButton(p, "PCalculatricePi", Text(LayoutString::PiKey), dx, dy, bw, bh, press(KeypadKey::Pi));
    MakeButton(p, "PCalculatricePuis", Text(LayoutString::PowerKey), 2 * dx, dy, bw, bh,
               press(KeypadKey::Power), Text(LayoutString::PowerHint));
    MakeButton(p, "PCalculatriceInvSigne", Text(LayoutString::ChangeSignKey), 0, 2 * dy, bw, bh,
               press(KeypadKey::ChangeSign), Text(LayoutString::ChangeSignHint));
    w.memory = MakeButton(p, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), dx, 2 * dy,
                          bw, bh, [&e] { e.PMR0Click(); },
                          Text(LayoutString::MemoryRecallHint));
    MakeButton(p, Numbered("PCalcul", n), Text(LayoutString::EqualsKey), 2 * dx, 2 * dy, bw,
               bh, [&e, n] { e.PCalculClick(n); });
    w.ok = MakeButton(p, Numbered("POk", n), Text(LayoutString::OkKey), 2 * dx, 3 * dy, bw, bh,
                      [&e] { e.POk0Click(); },
                      Text(LayoutString::OkHint));
}

void TFTornavel::BuildKeypad()
{
    Engine& e = engine_;
    keypad_ = new QWidget(client_);
    keypad_->setObjectName(QStringLiteral("PClavier"));
    keypad_->setGeometry(Scaled(kKeypadLeft, kKeypadTop, 120, 120));
    constexpr int bw = 28, bh = 28, step = 30;
    // 7 8 9 CE / 4 5 6 C / 1 2 3 / 0 ,
    const int digitColumn[10] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
    const int digitRow[10] = {3, 2, 2, 2, 1, 1, 1, 0, 0, 0};
    for (int d = 0; d < 10; ++d) {
        const int width = d == 0 ? bw + step : bw;
        MakeButton(keypad_, Numbered("PCalculatrice", d), QString::number(d), digitColumn[d] * step, digitRow[d] * step, width,
                   bh, [&e, d] { e.PCalculatriceDigitClick(d); });
    }
    MakeButton(keypad_, "PCalculatriceVirgule", Text(LayoutString::CommaKey), 2 * step, 3 * step, bw, bh,
               [&e] { e.PCalculatriceVirguleClick(); });
    MakeButton(keypad_, "CalculatriceCE", Text(LayoutString::ClearEntryKey), 3 * step, 0, bw, bh,
               [&e] { e.CalculatriceCEClick(); });
    MakeButton(keypad_, "CalculatriceC", Text(LayoutString::ClearKey), 3 * step, step, bw, bh,
               [&e] { e.CalculatriceCClick(); });
    keypad_->raise();
}

void TFTornavel::BuildListPanel()
{
    listPanel_ = new QWidget(client_);
    listPanel_->setObjectName(QStringLiteral("PanelListe"));
    listPanel_->setGeometry(Scaled(0, kPanelTop + kPanelHeight, MainClientWidth, kListPanelHeight));
    // The keyboard's home: every key handler gives the focus back here.
    listPanel_->setFocusPolicy(Qt::StrongFocus);
    auto* fond = new FondImage(fond_, client_, listPanel_);
    fond->setObjectName(QStringLiteral("FondListe"));
    fond->setGeometry(QRect(QPoint(), listPanel_->size()));

    auto* caption = new QLabel(Text(LayoutString::SubCalculationCaption), listPanel_);
    caption->setObjectName(QStringLiteral("lblSousCalcul"));
    caption->setGeometry(Scaled(13, 3, 270, 16));

    offered_ = new OfferedList(listPanel_);
    offered_->setObjectName(QStringLiteral("LbCalculettes"));
    // Named by its caption: the label relation for a screen reader, and the name itself,
    // which Qt's item views do not take from a label.
    caption->setBuddy(offered_);
    offered_->setAccessibleName(caption->text());
    offered_->setGeometry(Scaled(13, 20, 270, 81));
    offered_->setToolTip(Text(LayoutString::SubCalculationHint));
    // A name longer than the list is not cut short: the list scrolls sideways to it, and
    // every name is measured (no uniform row size), so that the scroll reaches the end of
    // the widest, wherever it stands in the list.
    // Both come with the frame that follows the first one. Qt paints the scroll bar's
    // long half-transparent lines by sharing them out among worker threads that it
    // starts on first use, and the first frame would wait for them; and while nothing
    // scrolls sideways the rows' widths do not count, so the first frame gives every row
    // the first one's size (each still spans the whole width of the list).
    offered_->setTextElideMode(Qt::ElideNone);
    offered_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    offered_->setUniformItemSizes(true);
    AfterFirstPaint([this] {
        offered_->setUniformItemSizes(false);
        offered_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        offered_->doItemsLayout();
    });
    // Tab reaches it, where the arrows choose and Space opens (see eventFilter); a click
    // leaves the focus where it is.
    offered_->setFocusPolicy(Qt::TabFocus);
    connect(offered_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenOffered(offered_->row(item)); });

    status_ = new QLabel(client_);
    status_->setObjectName(QStringLiteral("StatusBar"));
    const int statusTop = kPanelTop + kPanelHeight + kListPanelHeight;
    status_->setGeometry(Scaled(0, statusTop, MainClientWidth, MainClientHeight - statusTop));
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setIndent(4);
}

} // namespace tornavel

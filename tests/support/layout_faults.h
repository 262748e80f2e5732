#pragma once

// What a window shows cut in the font on screen: each text that its widget cannot show
// whole (a button, option box or check box, a label, a field's height, a list's current
// text, a group title) and each widget that reaches outside the window. And the named
// rectangles of a window, to compare one layout with another.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

#include "ui/layout_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tornavel::testing {

inline QString WidgetPath(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return w->window()->objectName() + QLatin1Char('/') + name;
}

// Why `w` cannot show its text whole, or nothing when it can.
inline QString CutText(const QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    const auto tooSmall = [&fm](const QString& text, const QRect& room) {
        const QSize need = fm.size(Qt::TextShowMnemonic, text);
        if (need.width() <= room.width() && need.height() <= room.height())
            return QString();
        return QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
            .arg(text).arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
    };
    QStyle* style = w->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty()) {
        QStyleOptionButton o;
        o.initFrom(button);
        o.text = button->text();
        const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                            : qobject_cast<const QCheckBox*>(w)  ? QStyle::SE_CheckBoxContents
                                                                                 : QStyle::SE_PushButtonContents;
        return tooSmall(button->text(), style->subElementRect(contents, &o, w));
    }
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            return need <= label->height() ? QString() : QStringLiteral("\"%1\" needs %2 high").arg(label->text()).arg(need);
        }
        const QSize need = label->sizeHint();
        return need.width() <= label->width() && need.height() <= label->height()
                   ? QString()
                   : QStringLiteral("\"%1\" needs %2x%3").arg(label->text()).arg(need.width()).arg(need.height());
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame o;
        o.initFrom(field);
        o.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, w);
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &o, w).marginsRemoved(field->textMargins());
        return tooSmall(QStringLiteral("0"), room);
    }
    if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(list);
        o.currentText = list->currentText();
        const QRect room = style->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, w);
        // The closed list may be narrower than a long row, whose hint shows it whole: its
        // height must hold the row.
        return fm.height() <= room.height() ? QString() : QStringLiteral("current text needs %1 high").arg(fm.height());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty()) {
        QStyleOptionGroupBox o;
        o.initFrom(group);
        o.text = group->title();
        o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        o.textAlignment = group->alignment();
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, w);
        if (!group->rect().contains(title))
            return QStringLiteral("title \"%1\" outside its box").arg(group->title());
        for (const QWidget* row : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (row->isVisibleTo(group) && row->geometry().intersects(title))
                return QStringLiteral("title \"%1\" under %2").arg(group->title(), WidgetPath(row));
        }
    }
    return QString();
}

// Every fault of `window`, one line each.
inline QStringList LayoutFaults(const QWidget* window)
{
    QStringList faults;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(window))
            continue;
        const QString cut = CutText(w);
        if (!cut.isEmpty())
            faults << WidgetPath(w) + QStringLiteral(": ") + cut;
        // What scrolls in a scroll area may lie beyond the window.
        bool scrolled = false;
        for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            scrolled = scrolled || qobject_cast<const QAbstractScrollArea*>(p);
        if (!scrolled && !window->rect().contains(QRect(w->mapTo(window, QPoint()), w->size())))
            faults << WidgetPath(w) + QStringLiteral(": outside its window");
        // What scrolls is cut by the widget it lies on all the same.
        const QWidget* parent = w->parentWidget();
        const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        if ((!area || area->viewport() != parent) && !parent->rect().contains(w->geometry()))
            faults << WidgetPath(w) + QStringLiteral(": outside ") + WidgetPath(parent);
    }
    return faults;
}

// The window's size and the rectangle of each of its named widgets, one line each (a
// pop-up menu is a window of its own, sized by Qt for its items).
inline QStringList NamedRectangles(const QWidget* window)
{
    QStringList lines{QStringLiteral("%1 %2x%3").arg(window->objectName()).arg(window->width()).arg(window->height())};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect r = w->geometry();
        lines << QStringLiteral("%1 %2,%3 %4x%5").arg(WidgetPath(w)).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return lines;
}

// The rectangles at the stock font, as the windows were laid out before they followed
// the font. At a factor other than 1, each number of each line grown by that factor, within
// a pixel or within half its growth: a length fitted to a text grows with the text's widths
// and line heights, rounded, and with the style's boxes and frames around it, which keep
// their size. Run with TORNAVEL_RECORD_LAYOUT set to write them again.
inline void ExpectStockRectangles(const QString& file, const QStringList& rectangles, double factor = 1.0)
{
    QFile recorded(QStringLiteral(TORNAVEL_SOURCE_DIR "/tests/ui/data/") + file);
    if (factor == 1.0 && qEnvironmentVariableIsSet("TORNAVEL_RECORD_LAYOUT")) {
        ASSERT_TRUE(recorded.open(QIODevice::WriteOnly));
        recorded.write((rectangles.join(u'\n') + u'\n').toUtf8());
        return;
    }
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(recorded.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (factor == 1.0 || expected.size() != rectangles.size()) {
        EXPECT_EQ(rectangles.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
        return;
    }
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    const auto numbers = [](const QString& line) {
        QList<int> found;
        for (const QRegularExpressionMatch& m : number.globalMatch(line.section(u' ', 1)))
            found << m.captured().toInt();
        return found;
    };
    QStringList wrong;
    for (qsizetype line = 0; line < expected.size(); ++line) {
        const QList<int> stock = numbers(expected[line]), shown = numbers(rectangles[line]);
        bool near = expected[line].section(u' ', 0, 0) == rectangles[line].section(u' ', 0, 0) && stock.size() == shown.size();
        for (qsizetype i = 0; near && i < stock.size(); ++i)
            near = std::abs(shown[i] - stock[i] * factor) <= std::max(1.0, std::abs(stock[i]) * (factor - 1) / 2);
        if (!near)
            wrong << rectangles[line] + QStringLiteral(" (stock: ") + expected[line] + u')';
    }
    if (!wrong.isEmpty())
        ADD_FAILURE() << "not grown " << factor << " times:\n" << wrong.join(u'\n').toStdString();
}

// How far `window`'s frame, with the frame that the desktop draws or will draw, lies off
// the middle of the screen's free area: the room on its right less that on its left, the
// room below it less that above it.
inline QPoint OffCentre(const QWidget* window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect frame(window->pos(), window->size().grownBy(FrameMargins(window)));
    return {(area.right() - frame.right()) - (frame.left() - area.left()),
            (area.bottom() - frame.bottom()) - (frame.top() - area.top())};
}

// The application's font at `times` the size it had, in `family` when one is given, for
// as long as it lives: the font that the windows measure as they would at a start.
class ScaledApplicationFont {
public:
    explicit ScaledApplicationFont(double times, const QString& family = QString()) : stock_(QApplication::font())
    {
        QFont font = stock_;
        if (!family.isEmpty())
            font.setFamilies({family});
        font.setPointSizeF(stock_.pointSizeF() * times);
        QApplication::setFont(font);
        MeasureLayoutScaleAgain();
    }
    ~ScaledApplicationFont()
    {
        QApplication::setFont(stock_);
        MeasureLayoutScaleAgain();
    }
    ScaledApplicationFont(const ScaledApplicationFont&) = delete;
    ScaledApplicationFont& operator=(const ScaledApplicationFont&) = delete;

private:
    QFont stock_;
};

} // namespace tornavel::testing

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
#include <QStringList>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

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
    }
    return faults;
}

// The window's size and the rectangle of each of its named widgets, one line each.
inline QStringList NamedRectangles(const QWidget* window)
{
    QStringList lines{QStringLiteral("%1 %2x%3").arg(window->objectName()).arg(window->width()).arg(window->height())};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect r = w->geometry();
        lines << QStringLiteral("%1 %2,%3 %4x%5").arg(WidgetPath(w)).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return lines;
}

// The rectangles at the stock font, as the windows were laid out before they followed
// the font. Run with TORNAVEL_RECORD_LAYOUT set to write them again.
inline void ExpectStockRectangles(const QString& file, const QStringList& rectangles)
{
    QFile recorded(QStringLiteral(TORNAVEL_SOURCE_DIR "/tests/ui/data/") + file);
    if (qEnvironmentVariableIsSet("TORNAVEL_RECORD_LAYOUT")) {
        ASSERT_TRUE(recorded.open(QIODevice::WriteOnly));
        recorded.write((rectangles.join(u'\n') + u'\n').toUtf8());
        return;
    }
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(recorded.readAll()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(rectangles.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
}

// The application's font at `times` the size it had, for as long as it lives.
class ScaledApplicationFont {
public:
    explicit ScaledApplicationFont(double times) : stock_(QApplication::font())
    {
        QFont font = stock_;
        font.setPointSizeF(stock_.pointSizeF() * times);
        QApplication::setFont(font);
    }
    ~ScaledApplicationFont() { QApplication::setFont(stock_); }
    ScaledApplicationFont(const ScaledApplicationFont&) = delete;
    ScaledApplicationFont& operator=(const ScaledApplicationFont&) = delete;

private:
    QFont stock_;
};

} // namespace tornavel::testing

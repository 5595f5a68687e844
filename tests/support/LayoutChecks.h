// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window laid out for its font looks like: every text shows whole, nothing lies on top of
// its neighbour or outside the window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

namespace fundis::testing {

namespace detail {

// A control the window itself places: a label, a button, an edit or a list, not a piece of one.
inline bool isPlacedControl(const QWidget* widget, const QWidget& window) {
    if (!qobject_cast<const QLabel*>(widget) && !qobject_cast<const QAbstractButton*>(widget) &&
        !qobject_cast<const QLineEdit*>(widget) && !qobject_cast<const QComboBox*>(widget)) {
        return false;
    }
    for (const QWidget* above = widget->parentWidget(); above && above != &window;
         above = above->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(above) || qobject_cast<const QComboBox*>(above)) {
            return false;
        }
    }
    return widget->isVisibleTo(&window);
}

inline std::string describe(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return "label «" + label->text().toStdString() + "»";
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return "button «" + button->text().toStdString() + "»";
    }
    return widget->metaObject()->className() + std::string(" ") + widget->objectName().toStdString();
}

}  // namespace detail

inline void expectLaidOut(QWidget& window) {
    if (window.layout()) {
        window.layout()->activate();
    }
    std::vector<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (detail::isPlacedControl(widget, window)) {
            controls.push_back(widget);
        }
    }
    ASSERT_FALSE(controls.empty());
    for (QWidget* control : controls) {
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window.rect().contains(place)) << detail::describe(control) << " lies outside the window";
        QSize needed = control->minimumSizeHint();
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            // a push button's text whole inside its margins and frame, not the style's usual width
            const QStyle* style = button->style();
            needed.setWidth(button->fontMetrics().horizontalAdvance(button->text()) +
                            style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        }
        EXPECT_TRUE(control->width() >= needed.width() && control->height() >= needed.height())
            << detail::describe(control) << " is cut: " << control->width() << "x" << control->height()
            << " < " << needed.width() << "x" << needed.height();
        for (QWidget* other : controls) {
            if (other != control && other->parentWidget() == control->parentWidget() && other < control) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << detail::describe(control) << " lies on " << detail::describe(other);
            }
        }
    }
}

}  // namespace fundis::testing

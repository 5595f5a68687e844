// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window laid out for its font looks like: every text shows whole, nothing lies on top of
// its neighbour or outside the window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWidget>

namespace fundis::testing {

namespace detail {

// A control the window itself places: a label, a button, an edit or a list.
inline bool isPlacedControl(const QWidget* widget, const QWidget& window) {
    return (qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
            qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)) &&
           widget->isVisibleTo(&window);
}

// A label, button or edit by its class, text and name.
inline std::string describe(const QWidget* widget) {
    return widget->metaObject()->className() + std::string(" «") +
           widget->property("text").toString().toStdString() + "» " + widget->objectName().toStdString();
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
        const QSize needed = control->minimumSizeHint();
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

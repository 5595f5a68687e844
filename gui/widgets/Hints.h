// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Hints in the "short|long" form: the short part is the tooltip, the long part goes to the
// main window's status bar. A hint without "|" is both; one that starts with "|" has no tooltip.

#include <QString>

class QWidget;

namespace fundis {

QString shortHint(const QString& hint);
QString longHint(const QString& hint);

// Sets the tooltip and the status text; the whole hint stays in the property "hint".
void setHint(QWidget* widget, const QString& hint);

}  // namespace fundis

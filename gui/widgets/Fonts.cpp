// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace fundis {

QFont windowFont(int pixelSize) {
    // a narrow face keeps the long Russian labels inside their fixed places
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* name : {"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"}) {
            if (families.contains(QString::fromLatin1(name))) {
                return QString::fromLatin1(name);
            }
        }
        return QString();
    }();
    QFont font;
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace fundis

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/AboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/SplashPicture.h"
#include "gui/widgets/Fonts.h"

namespace fundis {

namespace {

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О ПРОГРАММЕ"));
    setFont(fundis::windowFont());

    // the splash's picture, smaller, drawn in the screen's pixels
    const qreal pixelRatio = devicePixelRatioF();
    QPixmap small =
        fundis::splashPicture(pixelRatio).scaledToWidth(qRound(273 * pixelRatio), Qt::SmoothTransformation);
    small.setDevicePixelRatio(pixelRatio);
    QLabel* picture = makeLabel("picture", QString(), this);
    picture->setPixmap(small);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    QLabel* productName = makeLabel("productName", QStringLiteral("ФУНДИС"), panel);
    productName->setFont(fundis::windowFont(32));
    productName->setStyleSheet(QStringLiteral("QLabel { color: blue; }"));
    QLabel* version = makeLabel("version", QStringLiteral("Версия " FUNDIS_VERSION), panel);
    QLabel* maker = makeLabel("maker", QStringLiteral("Москва, «Фундис», 2026"), panel);
    QLabel* disclaimer = makeLabel("disclaimer",
                                   QStringLiteral("  Программа предназначена для\n"
                                                  "учебных целей. Составитель не \n"
                                                  "берет на себя никакой ответствен-\n"
                                                  "ности за неправильное использо-\n"
                                                  "вание программы"),
                                   panel);
    disclaimer->setFont(fundis::windowFont(11));
    auto* panelColumn = new QVBoxLayout(panel);
    panelColumn->addWidget(productName, 0, Qt::AlignHCenter);
    panelColumn->addWidget(version, 0, Qt::AlignHCenter);
    panelColumn->addSpacing(fontMetrics().height() / 2);
    panelColumn->addWidget(maker, 0, Qt::AlignHCenter);
    panelColumn->addWidget(disclaimer);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(panel);
    rightColumn->addStretch(1);
    rightColumn->addWidget(okButton, 0, Qt::AlignHCenter);
    auto* whole = new QHBoxLayout(this);
    whole->setSizeConstraint(QLayout::SetFixedSize);
    whole->addWidget(picture, 0, Qt::AlignTop);
    whole->addLayout(rightColumn);
}

}  // namespace fundis

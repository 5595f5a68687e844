#pragma once

// A finished design of a 2.4 x 1.8 m base with two steps, as the calculation leaves the record,
// and, for the Qt tests, the application and the page and pixel counts they share.

#include "model/ProjectData.h"

inline fundis::TProjectData twoStepFoundation() {
    fundis::TProjectData data;
    data.MII = {0, 120.0f, 60.0f, 80.0f};
    data.NII = {0, 900.0f, 1100.0f, 950.0f};
    data.QII = {0, 30.0f, 20.0f, 45.0f};
    data.MI = {0, 132.0f, 66.0f, 88.0f};
    data.NI = {0, 990.0f, 1210.0f, 1045.0f};
    data.QI = {0, 33.0f, 22.0f, 49.5f};
    data.Yii = 18.5f;
    data.Yii1 = 17.0f;
    data.fii = 28.0f;
    data.cii = 4.0f;
    data.pedestalTop = data.groundLevel = -0.15f;
    data.d_l = data.d_h = 0.3f;
    data.socketDepth = data.socketBottom = 0.6f;
    data.d = data.Hf = 1.35f;
    data.l = data.lStep[1] = 2.4f;
    data.b = data.bStep[1] = 1.8f;
    data.A = 4.32f;
    data.R = 273.818f;
    data.pEnv = 260.796f;
    data.pmaxEnv = 290.194f;
    data.pminEnv = 146.56f;
    data.buc = 0.9f;
    data.luc = 1.2f;
    data.huc = 0.75f;
    data.bc = data.lc = 0.4f;
    data.nSteps = 2;
    data.hSteps = 0.6f;
    data.h[1] = data.h[2] = 0.3f;
    data.c[1] = data.c[2] = data.cb[2] = 0.3f;
    data.cb[1] = 0.15f;
    data.lStep[2] = 1.8f;
    data.bStep[2] = 1.5f;
    data.Asl = 0.0024127f;
    data.Asb = 0.0010179f;
    data.nl = 12;
    data.nb = 9;
    data.dsl = 0.016f;
    data.dsb = 0.012f;
    return data;
}

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <clocale>

// One application for the whole test program, made on first use.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "report_tests";
    static char* argv[] = {name, nullptr};
    static const QApplication* application = new QApplication(argc, argv);
    (void)application;
    std::setlocale(LC_NUMERIC, "C");  // the application took the system's
}

// The page objects of a PDF file, -1 when it cannot be read.
inline int pdfPageObjects(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return static_cast<int>(
        QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The pixels of exactly `color` in `area` (the whole image when null).
inline int countPixels(const QImage& image, QRgb color, QRect area = QRect()) {
    area = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
        }
    }
    return count;
}
#endif

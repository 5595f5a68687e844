#include "app/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fundis {

QString installedDataDir() {
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fundis"));
    if (QFileInfo::exists(installed + QStringLiteral("/table4.dat"))) {
        return installed;
    }
    return QString::fromUtf8(FUNDIS_SOURCE_DATA_DIR);
}

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/fundis/kp.ini");
}

QString defaultDataDir() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace fundis

#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

namespace fundis::testing {

// Takes the place of the desktop's handler of file URLs while it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> urls;

  public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace fundis::testing

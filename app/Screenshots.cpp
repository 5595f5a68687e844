#include "app/Screenshots.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/Form1.h"
#include "app/Form6.h"
#include "files/Form3.h"
#include "input/Form2.h"

namespace fundis {

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

bool save(QWidget& window, const QString& folder, const QString& name) {
    settle();
    return window.grab().save(QDir(folder).filePath(name));
}

}  // namespace

bool takeScreenshots(TForm1& main, TForm2& input, TForm3& settingsDialog, const QString& folder,
                     const QString& project) {
    QDir().mkpath(folder);
    bool ok = true;

    // the project comes in through the open command; its input dialog is confirmed with OK
    const auto askFileName = main.askFileName;
    const auto showModal = main.showModal;
    main.askFileName = [&project](const TForm1::FileRequest&) { return project; };
    main.showModal = [&input](QDialog& dialog) {
        if (&dialog == &input) {
            input.OKButtonClick();
        }
        return int(QDialog::Accepted);
    };
    if (!project.isEmpty()) {
        main.ToolButton3Click();
    }
    main.ToolButton1Click();
    // a hint in panel 1, as when the mouse rests on the start button
    QStatusTipEvent tip(main.ToolButton1->statusTip());
    QApplication::sendEvent(main.ToolButton1, &tip);
    ok = save(main, folder, QStringLiteral("main.png")) && ok;
    // the end of the report, where the failure lines stand
    main.RichEdit1->moveCursor(QTextCursor::End);
    main.RichEdit1->ensureCursorVisible();
    ok = save(main, folder, QStringLiteral("main-end.png")) && ok;
    main.RichEdit1->moveCursor(QTextCursor::Start);
    main.askFileName = askFileName;
    main.showModal = showModal;

    input.show();
    for (int tab = 0; tab < input.PageControl1->count(); ++tab) {
        input.PageControl1->setCurrentIndex(tab);
        ok = save(input, folder, QStringLiteral("input-%1.png").arg(tab + 1)) && ok;
    }
    input.PageControl1->setCurrentIndex(0);
    input.hide();

    settingsDialog.show();
    ok = save(settingsDialog, folder, QStringLiteral("settings.png")) && ok;
    settingsDialog.Button5Click();
    ok = save(settingsDialog, folder, QStringLiteral("settings-chooser.png")) && ok;
    settingsDialog.FormClose();
    settingsDialog.hide();

    TAboutBox about(&main);
    about.show();
    ok = save(about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    TForm6 splash;
    splash.show();
    ok = save(splash, folder, QStringLiteral("splash.png")) && ok;
    splash.hide();
    return ok;
}

}  // namespace fundis

// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: saving, refusing a scale that cannot be, cancelling, the folder chooser.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

#include "support/WindowsFixture.h"

using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

QString settingsPath() { return QString::fromStdString(fundis::settingsFilePath()); }

// The dialog's controls as a user finds them: by what they are.
class SettingsTest : public WindowsFixture {
  protected:
    QLineEdit* edit(const char* name) { return fundis::testing::child<QLineEdit>(*settingsDialog, name); }
    QCheckBox* box(const char* name) { return fundis::testing::child<QCheckBox>(*settingsDialog, name); }
    void click(const char* button) { fundis::testing::child<QPushButton>(*settingsDialog, button)->click(); }
    bool chooserShown() {
        return fundis::testing::child<QGroupBox>(*settingsDialog, "chooser")->isVisibleTo(settingsDialog);
    }
};

}  // namespace

// Save writes the six lines as typed, the number of iteration steps (not offered: it changes
// nothing) as the file held it, and the main window follows at once; a scale it cannot take is
// refused with its message (which texts it takes SettingsTest checks), the file and the dialog kept
TEST_F(SettingsTest, SaveWritesTheFileAndTheWindowFollows) {
    settingsDialog->show();
    const QByteArray before = readFile(settingsPath());
    edit("scaleEdit")->setText(QStringLiteral("7.5"));
    click("saveButton");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(
        QStringLiteral("«Масштаб 1:» нужно целое число больше нуля, а не «7.5»")));
    EXPECT_TRUE(settingsDialog->isVisible() && readFile(settingsPath()) == before);

    box("debugBox")->setChecked(true);
    box("toolbarBox")->setChecked(false);
    edit("scaleEdit")->setText(QStringLiteral("50"));
    edit("programFolderEdit")->setText(QStringLiteral("/opt/папка с таблицами"));
    click("saveButton");
    const QByteArray expected = QByteArray::fromStdString(
        fundis::utf8ToCp1251(QStringLiteral("5\r\n1\r\n0\r\n%1\r\n50\r\n/opt/папка с таблицами\r\n")
                                 .arg(dataFolder.path())
                                 .toStdString()));
    EXPECT_EQ(readFile(settingsPath()), expected);
    EXPECT_EQ(main->settings().schemeScale, 50);
    EXPECT_EQ(main->settings().debugMode, 1);
    EXPECT_TRUE(main->findChild<QToolBar*>(QStringLiteral("mainToolBar"))->isHidden());
}

// Cancel puts the file's values back; the folder chooser fills the folder whose "..." opened it and
// closes
TEST_F(SettingsTest, CancelReloadsAndTheChooserFillsItsFolder) {
    edit("scaleEdit")->setText(QStringLiteral("20"));
    click("cancelButton");
    EXPECT_EQ(edit("scaleEdit")->text(), QStringLiteral("75"));

    const QString tables = edit("programFolderEdit")->text();
    click("dataFolderButton");
    EXPECT_TRUE(chooserShown());
    settingsDialog->pointFolderList(QDir::tempPath());
    click("takeFolderButton");
    EXPECT_EQ(edit("dataFolderEdit")->text(), QDir::tempPath());
    EXPECT_EQ(edit("programFolderEdit")->text(), tables);
    EXPECT_FALSE(chooserShown());

    // opened for the program's folder and closed with the dialog: the next OK fills nothing
    click("programFolderButton");
    settingsDialog->reject();
    EXPECT_FALSE(chooserShown());
    settingsDialog->pointFolderList(QDir::rootPath());
    click("takeFolderButton");
    EXPECT_EQ(edit("programFolderEdit")->text(), tables);
    EXPECT_EQ(edit("dataFolderEdit")->text(), QDir::tempPath());
}

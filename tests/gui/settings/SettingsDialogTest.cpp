// The settings dialog: saving, refusing numbers that cannot be, cancelling, the folder chooser.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>

#include "support/WindowsFixture.h"

using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

QString settingsPath() { return QString::fromStdString(fundis::settingsFilePath()); }

}  // namespace

// Save writes the six lines as typed and the main window follows at once
TEST_F(WindowsFixture, SaveWritesTheFileAndTheWindowFollows) {
    settingsDialog->Edit1->setText(QStringLiteral("12"));
    settingsDialog->CheckBox1->setChecked(true);
    settingsDialog->CheckBox2->setChecked(false);
    settingsDialog->Edit3->setText(QStringLiteral("50"));
    settingsDialog->Edit4->setText(QStringLiteral("/opt/папка с таблицами"));
    settingsDialog->Button1Click();
    const QByteArray expected = QByteArray::fromStdString(
        fundis::utf8ToCp1251(QStringLiteral("12\r\n1\r\n0\r\n%1\r\n50\r\n/opt/папка с таблицами\r\n")
                                 .arg(dataFolder.path())
                                 .toStdString()));
    EXPECT_EQ(readFile(settingsPath()), expected);
    EXPECT_EQ(main->settings.schemeScale, 50);
    EXPECT_EQ(main->settings.debugMode, 1);
    EXPECT_TRUE(main->mainToolBar->isHidden());
    EXPECT_EQ(main->progressBar->maximum(), 12);
}

// A scale or an iteration count that is not a whole number above zero is refused with a message
// naming the field; nothing is written and the dialog stays
TEST_F(WindowsFixture, SaveRefusesScalesThatCannotBe) {
    const QByteArray before = readFile(settingsPath());
    settingsDialog->show();
    for (const char* scale : {"0", "abc", "-5", "7.5", ""}) {
        dialogs.messages.clear();
        settingsDialog->Edit3->setText(QString::fromLatin1(scale));
        settingsDialog->Button1Click();
        ASSERT_EQ(dialogs.messages.size(), 1) << scale;
        EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("«Масштаб 1:»"))) << scale;
        EXPECT_TRUE(settingsDialog->isVisible());
    }
    settingsDialog->Edit3->setText(QStringLiteral("75"));
    settingsDialog->Edit1->setText(QStringLiteral("0"));
    settingsDialog->Button1Click();
    EXPECT_TRUE(dialogs.messages.last().contains(QStringLiteral("«К-во шагов итерации»")));
    EXPECT_EQ(readFile(settingsPath()), before);
}

// Cancel puts the file's values back; the folder chooser fills the folder whose "..." opened it
TEST_F(WindowsFixture, CancelReloadsAndTheChooserFillsItsFolder) {
    settingsDialog->Edit3->setText(QStringLiteral("20"));
    settingsDialog->Button2Click();
    EXPECT_EQ(settingsDialog->Edit3->text(), QStringLiteral("75"));

    const QString tables = settingsDialog->Edit4->text();
    settingsDialog->Button5Click();
    EXPECT_TRUE(settingsDialog->GroupBox1->isVisibleTo(settingsDialog));
    settingsDialog->pointFolderList(QDir::tempPath());
    settingsDialog->Button6Click();
    EXPECT_EQ(settingsDialog->Edit2->text(), QDir::tempPath());
    EXPECT_EQ(settingsDialog->Edit4->text(), tables);
    EXPECT_FALSE(settingsDialog->dataFolderMarked() || settingsDialog->programFolderMarked());
}

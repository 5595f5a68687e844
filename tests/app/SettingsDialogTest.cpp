#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QTreeView>
#include <tuple>

#include "AppFixture.h"

using fundis::testing::AppFixture;
using fundis::testing::contains;
using fundis::testing::readFile;
using fundis::testing::type;
using fundis::testing::writeFile;

namespace {

// The six values in the order of kp.ini's lines.
auto values(const fundis::Settings& s) {
    return std::make_tuple(s.iterations, s.debugMode, s.showToolbar, s.dataDir, s.schemeScale, s.programDir);
}

// The dialog's six controls in the same order.
QStringList controls(TForm3* d) {
    const auto box = [](QCheckBox* b) { return QString::number(int(b->isChecked())); };
    return {d->Edit1->text(), box(d->CheckBox1), box(d->CheckBox2),
            d->Edit2->text(), d->Edit3->text(),  d->Edit4->text()};
}

}  // namespace

// The very first run writes working settings and loads them
TEST_F(AppFixture, FirstRunWritesWorkingSettings) {
    QFile::remove(settingsPath());
    activate();
    const QString expected =
        QStringLiteral("5\r\n0\r\n1\r\n%1\r\n75\r\n%2\r\n").arg(fundis::defaultDataDir(), tablesDir());
    EXPECT_EQ(QString::fromStdString(fundis::cp1251ToUtf8(readFile(settingsPath()).toStdString())), expected);
    EXPECT_EQ(values(main->settings),
              values({5, 0, 1, fundis::defaultDataDir().toStdString(), 75, tablesDir().toStdString()}));
    EXPECT_EQ(settingsDialog->Edit4->text(), tablesDir());
    EXPECT_FALSE(main->ToolBar1->isHidden());
    EXPECT_TRUE(messages.empty());
}

// Loading at activation: every value into the window and the dialog
TEST_F(AppFixture, ActivationLoadsTheSettingsFile) {
    const QString data = dataFolder.filePath(QStringLiteral("папка с пробелами"));
    const QString text = QStringLiteral("7\r\n1\r\n0\r\n%1\r\n50\r\n/opt/fundis data\r\n").arg(data);
    writeFile(settingsPath(), QByteArray::fromStdString(fundis::utf8ToCp1251(text.toStdString())));
    activate();
    EXPECT_EQ(values(main->settings), values({7, 1, 0, data.toStdString(), 50, "/opt/fundis data"}));
    EXPECT_EQ(controls(settingsDialog), (QStringList{"7", "1", "0", data, "50", "/opt/fundis data"}));
    EXPECT_TRUE(main->ToolBar1->isHidden());
    EXPECT_EQ(main->dialogFolder(), data);
}

// Save: the six lines as typed, and the main window takes the values at once
TEST_F(AppFixture, SaveWritesTheFileAndUpdatesTheMainWindow) {
    activate();
    const std::string dataBefore = main->settings.dataDir;
    settingsDialog->show();
    type(settingsDialog->Edit1, QStringLiteral("123"));  // two characters at most
    EXPECT_EQ(settingsDialog->Edit1->text(), QStringLiteral("12"));
    settingsDialog->CheckBox1->setChecked(true);
    settingsDialog->CheckBox2->setChecked(false);
    type(settingsDialog->Edit2, QStringLiteral("/home/user/мои проекты"));
    type(settingsDialog->Edit3, QStringLiteral("100"));
    type(settingsDialog->Edit4, tablesDir());
    QTest::mouseClick(settingsDialog->Button1, Qt::LeftButton);

    // code page 1251 in the file
    const QByteArray expected =
        QByteArray("12\r\n1\r\n0\r\n/home/user/\xEC\xEE\xE8 \xEF\xF0\xEE\xE5\xEA\xF2\xFB\r\n100\r\n") +
        tablesDir().toUtf8() + "\r\n";
    EXPECT_EQ(readFile(settingsPath()), expected);
    EXPECT_TRUE(settingsDialog->isHidden());
    EXPECT_EQ(settingsDialog->result(), QDialog::Accepted);
    // the data folder is taken at the next loading
    EXPECT_EQ(values(main->settings), values({12, 1, 0, dataBefore, 100, tablesDir().toStdString()}));
    EXPECT_EQ(main->dialogFolder(), QStringLiteral("/home/user/мои проекты"));
    EXPECT_TRUE(main->ToolBar1->isHidden());
    EXPECT_EQ(main->ProgressBar->maximum(), 12);
    EXPECT_TRUE(messages.empty());
}

// A settings file that cannot be written is told; the values still hold for this run
TEST_F(AppFixture, FailedSaveIsReported) {
    activate();
    const QString blocker = dataFolder.filePath(QStringLiteral("файл"));
    writeFile(blocker, "x");
    settingsDialog->setSettingsPath(blocker + QStringLiteral("/kp.ini"));
    type(settingsDialog->Edit3, QStringLiteral("40"));
    settingsDialog->Button1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0].text, blocker));
    EXPECT_EQ(main->settings.schemeScale, 40);
}

// Cancel puts the file's values back; with no file the numbers stay and the folders empty
TEST_F(AppFixture, CancelReloadsTheFile) {
    activate();
    settingsDialog->show();
    type(settingsDialog->Edit1, QStringLiteral("9"));
    settingsDialog->CheckBox2->setChecked(false);
    type(settingsDialog->Edit4, QStringLiteral("/elsewhere"));
    QTest::mouseClick(settingsDialog->Button2, Qt::LeftButton);
    EXPECT_TRUE(settingsDialog->isHidden());
    EXPECT_EQ(controls(settingsDialog), (QStringList{"5", "0", "1", dataFolder.path(), "75", tablesDir()}));
    EXPECT_FALSE(main->ToolBar1->isHidden());

    QFile::remove(settingsPath());
    main->settings.iterations = 3;
    settingsDialog->show();
    settingsDialog->Button2Click();
    EXPECT_EQ(controls(settingsDialog), (QStringList{"3", "0", "1", "", "75", ""}));
    EXPECT_EQ(main->settings.programDir, "");
    EXPECT_EQ(main->settings.dataDir, "");
}

// Closing with the close box keeps the edits in the dialog and changes nothing else
TEST_F(AppFixture, CloseBoxNeitherSavesNorReloads) {
    activate();
    const QByteArray file = readFile(settingsPath());
    settingsDialog->show();
    type(settingsDialog->Edit3, QStringLiteral("20"));
    settingsDialog->close();
    EXPECT_EQ(readFile(settingsPath()), file);
    EXPECT_EQ(main->settings.schemeScale, 75);
    settingsDialog->show();
    EXPECT_EQ(settingsDialog->Edit3->text(), QStringLiteral("20"));
}

// The folder chooser: its marks, which folder it fills, and its size
TEST_F(AppFixture, FolderChooserFillsTheMarkedFolder) {
    activate();
    const QString chosen = dataFolder.path();
    // Edit4 and Edit2 after the buttons, then the chooser's OK or the close box
    const auto folders = [&](std::initializer_list<QPushButton*> buttons, bool accept) {
        settingsDialog->Edit2->setText(QStringLiteral("/data before"));
        settingsDialog->Edit4->setText(QStringLiteral("/program before"));
        settingsDialog->show();
        const int narrow = settingsDialog->width();
        EXPECT_TRUE(settingsDialog->GroupBox1->isHidden());
        for (QPushButton* button : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        EXPECT_FALSE(settingsDialog->GroupBox1->isHidden());
        EXPECT_GT(settingsDialog->width(), narrow + 190);
        settingsDialog->pointFolderList(chosen);
        EXPECT_EQ(settingsDialog->chosenFolder(), chosen);
        if (accept) {
            QTest::mouseClick(settingsDialog->Button6, Qt::LeftButton);
        } else {
            settingsDialog->close();
        }
        EXPECT_TRUE(settingsDialog->GroupBox1->isHidden());
        EXPECT_FALSE(settingsDialog->programFolderMarked());
        EXPECT_FALSE(settingsDialog->dataFolderMarked());
        EXPECT_EQ(settingsDialog->width(), narrow);
        settingsDialog->hide();
        return QStringList{settingsDialog->Edit4->text(), settingsDialog->Edit2->text()};
    };
    // both marked: the program folder is filled
    EXPECT_EQ(folders({settingsDialog->Button4, settingsDialog->Button5}, true),
              (QStringList{chosen, "/data before"}));
    EXPECT_EQ(folders({settingsDialog->Button5}, true), (QStringList{"/program before", chosen}));
    EXPECT_EQ(folders({settingsDialog->Button4}, false), (QStringList{"/program before", "/data before"}));
}

// A volume that is not there: "ДИСК НЕДОСТУПЕН", and the list returns to the folder's volume
TEST_F(AppFixture, UnreachableVolumeIsRefused) {
    activate();
    settingsDialog->show();
    settingsDialog->Button5Click();
    settingsDialog->pointFolderList(dataFolder.path());
    const int before = settingsDialog->DriveComboBox1->currentIndex();
    ASSERT_GE(before, 0);
    settingsDialog->DriveComboBox1->addItem(QStringLiteral("/media/нет диска"),
                                            QStringLiteral("/media/нет диска"));
    QTest::keyClick(settingsDialog->DriveComboBox1, Qt::Key_End);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].parent, nullptr);
    EXPECT_EQ(messages[0].caption, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(messages[0].text, QStringLiteral("ДИСК НЕДОСТУПЕН"));
    EXPECT_EQ(settingsDialog->DriveComboBox1->currentIndex(), before);
    EXPECT_EQ(settingsDialog->chosenFolder(), dataFolder.path());
}

// A few of the dialog's texts: "..." carries its folder's hint
TEST_F(AppFixture, SettingsDialogTexts) {
    EXPECT_EQ(settingsDialog->windowTitle(), QStringLiteral("Настройка"));
    EXPECT_EQ(settingsDialog->CheckBox1->text(), QStringLiteral("Отладка"));
    EXPECT_EQ(settingsDialog->CheckBox1->statusTip(), QStringLiteral("Показывать отладочные данные"));
    EXPECT_EQ(settingsDialog->Button4->text(), QStringLiteral("..."));
    EXPECT_EQ(settingsDialog->Button4->statusTip(), QStringLiteral("Папка с программой (Фундис.exe)"));
    EXPECT_EQ(settingsDialog->Edit4->statusTip(), settingsDialog->Button4->statusTip());
    EXPECT_EQ(settingsDialog->Button5->statusTip(), settingsDialog->Edit2->statusTip());
    EXPECT_EQ(settingsDialog->GroupBox1->title(), QStringLiteral("Настройка местоположения"));
}

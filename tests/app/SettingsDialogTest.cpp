#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QTreeView>
#include <functional>

#include "AppFixture.h"

using fundis::testing::AppFixture;
using fundis::testing::readFile;
using fundis::testing::type;
using fundis::testing::writeFile;

namespace {

QString folderOf(TForm3* dialog) { return dialog->chosenFolder(); }

}  // namespace

// The very first run writes working settings and loads them
TEST_F(AppFixture, FirstRunWritesWorkingSettings) {
    QFile::remove(settingsPath());
    activate();
    const QString expected =
        QStringLiteral("5\r\n0\r\n1\r\n%1\r\n75\r\n%2\r\n").arg(fundis::defaultDataDir(), tablesDir());
    EXPECT_EQ(QString::fromStdString(fundis::cp1251ToUtf8(readFile(settingsPath()).toStdString())), expected);
    EXPECT_EQ(main->settings.iterations, 5);
    EXPECT_EQ(main->settings.debugMode, 0);
    EXPECT_EQ(main->settings.showToolbar, 1);
    EXPECT_EQ(main->settings.schemeScale, 75);
    EXPECT_EQ(main->settings.programDir, tablesDir().toStdString());
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
    EXPECT_EQ(main->settings.iterations, 7);
    EXPECT_EQ(main->settings.debugMode, 1);
    EXPECT_EQ(main->settings.showToolbar, 0);
    EXPECT_EQ(main->settings.dataDir, data.toStdString());
    EXPECT_EQ(main->settings.schemeScale, 50);
    EXPECT_EQ(main->settings.programDir, "/opt/fundis data");
    EXPECT_EQ(settingsDialog->Edit1->text(), QStringLiteral("7"));
    EXPECT_TRUE(settingsDialog->CheckBox1->isChecked());
    EXPECT_FALSE(settingsDialog->CheckBox2->isChecked());
    EXPECT_EQ(settingsDialog->Edit2->text(), data);
    EXPECT_EQ(settingsDialog->Edit3->text(), QStringLiteral("50"));
    EXPECT_EQ(settingsDialog->Edit4->text(), QStringLiteral("/opt/fundis data"));
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
    EXPECT_EQ(main->settings.iterations, 12);
    EXPECT_EQ(main->settings.debugMode, 1);
    EXPECT_EQ(main->settings.showToolbar, 0);
    EXPECT_EQ(main->settings.schemeScale, 100);
    EXPECT_EQ(main->settings.programDir, tablesDir().toStdString());
    EXPECT_EQ(main->settings.dataDir, dataBefore);  // taken at the next loading
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
    EXPECT_TRUE(messages[0].text.contains(blocker)) << messages[0].text.toStdString();
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
    EXPECT_EQ(settingsDialog->Edit1->text(), QStringLiteral("5"));
    EXPECT_TRUE(settingsDialog->CheckBox2->isChecked());
    EXPECT_EQ(settingsDialog->Edit4->text(), tablesDir());
    EXPECT_FALSE(main->ToolBar1->isHidden());

    QFile::remove(settingsPath());
    main->settings.iterations = 3;
    settingsDialog->show();
    settingsDialog->Button2Click();
    EXPECT_EQ(settingsDialog->Edit1->text(), QStringLiteral("3"));
    EXPECT_EQ(settingsDialog->Edit2->text(), QString());
    EXPECT_EQ(settingsDialog->Edit4->text(), QString());
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
    const struct {
        std::vector<std::function<void(TForm3&)>> presses;
        bool accept;
        bool programFilled;
        bool dataFilled;
    } rows[] = {
        {{[](TForm3& form) { form.Button4Click(); }, [](TForm3& form) { form.Button5Click(); }},
         true,
         true,
         false},
        {{[](TForm3& form) { form.Button5Click(); }}, true, false, true},
        {{[](TForm3& form) { form.Button4Click(); }}, false, false, false},
        {{[](TForm3& form) { form.Button5Click(); }}, false, false, false},
    };
    for (const auto& row : rows) {
        settingsDialog->Edit2->setText(QStringLiteral("/data before"));
        settingsDialog->Edit4->setText(QStringLiteral("/program before"));
        settingsDialog->show();
        const int narrow = settingsDialog->width();
        EXPECT_TRUE(settingsDialog->GroupBox1->isHidden());
        for (auto press : row.presses) {
            press(*settingsDialog);
        }
        EXPECT_FALSE(settingsDialog->GroupBox1->isHidden());
        EXPECT_GT(settingsDialog->width(), narrow + 190);
        settingsDialog->pointFolderList(chosen);
        EXPECT_EQ(folderOf(settingsDialog), chosen);
        if (row.accept) {
            QTest::mouseClick(settingsDialog->Button6, Qt::LeftButton);
        } else {
            settingsDialog->close();
        }
        EXPECT_TRUE(settingsDialog->GroupBox1->isHidden());
        EXPECT_FALSE(settingsDialog->programFolderMarked());
        EXPECT_FALSE(settingsDialog->dataFolderMarked());
        EXPECT_EQ(settingsDialog->width(), narrow);
        EXPECT_EQ(settingsDialog->Edit4->text(),
                  row.programFilled ? chosen : QStringLiteral("/program before"));
        EXPECT_EQ(settingsDialog->Edit2->text(), row.dataFilled ? chosen : QStringLiteral("/data before"));
        settingsDialog->hide();
    }
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
    EXPECT_EQ(folderOf(settingsDialog), dataFolder.path());
}

// The dialog's texts
TEST_F(AppFixture, SettingsDialogTexts) {
    EXPECT_EQ(settingsDialog->windowTitle(), QStringLiteral("Настройка"));
    const struct {
        QWidget* widget;
        const char* text;
        const char* hint;
    } rows[] = {
        {settingsDialog->CheckBox1, "Отладка", "Показывать отладочные данные"},
        {settingsDialog->CheckBox2, "Панель инструментов", "Показать панель инструментов"},
        {settingsDialog->Edit1, nullptr, "К-во итераций расчета"},
        {settingsDialog->Edit3, nullptr, "Масштаб представления схемы фундамента"},
        {settingsDialog->Edit4, nullptr, "Папка с программой (Фундис.exe)"},
        {settingsDialog->Edit2, nullptr, "Папка с исходными данными и результатами расчета"},
        {settingsDialog->Button1, "Сохранить настройки", "Сохранение выбранных настроек"},
        {settingsDialog->Button2, "Отмена", "Отмена выбранных настроек"},
        {settingsDialog->Button4, "...", nullptr},
        {settingsDialog->Button6, "OK", "Выбрать папку"},
        {settingsDialog->DirectoryListBox1, nullptr, "Местонахождение папки"},
        {settingsDialog->DriveComboBox1, nullptr, "Имя привода с данными"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.widget->objectName().toStdString());
        if (row.text) {
            EXPECT_EQ(row.widget->property("text").toString(), QString::fromUtf8(row.text));
        }
        if (row.hint) {
            EXPECT_EQ(row.widget->statusTip(), QString::fromUtf8(row.hint));
        }
    }
    EXPECT_EQ(settingsDialog->GroupBox1->title(), QStringLiteral("Настройка местоположения"));
    EXPECT_EQ(settingsDialog->Edit1->maxLength(), 2);
}

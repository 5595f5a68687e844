#pragma once

// The three long-lived windows as the program makes them, with the file dialogs, the modal
// showing and the message boxes replaced by recorders.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>

#include "files/DataLocation.h"
#include "app/Form1.h"
#include "ui/Dialogs.h"
#include "files/ui/Form3.h"
#include "input/ui/Form2.h"
#include "model/TextCodec.h"

// readable QString values in failure messages
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace fundis::testing {

struct Message {
    QWidget* parent;
    QString caption;
    QString text;
};

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Picks an item the way a user does, with the keyboard, so the change handler runs.
inline void choose(QComboBox* combo, int index) {
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    ASSERT_EQ(combo->currentIndex(), index);
}

// Replaces an edit's text as typing would.
inline void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// `text` holds `part`; a failure shows the whole text.
inline ::testing::AssertionResult contains(const QString& text, const QString& part) {
    if (text.contains(part)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << '"' << text.toStdString() << "\" lacks \"" << part.toStdString() << '"';
}

// Which groups of the input dialog are shown: the frost-depth inputs (ComboBox1..4, Edit1), the
// overhang value (Edit2), the L/H choice (ComboBox7), the L/H value (Edit15), each with its labels.
using Visibility = std::array<bool, 4>;

// A control never shows without its label, nor a label without its control.
inline Visibility visibility(TForm2* input) {
    const auto shown = [](std::initializer_list<QWidget*> widgets) {
        const auto visible = [](QWidget* w) { return !w->isHidden(); };
        const bool all = std::all_of(widgets.begin(), widgets.end(), visible);
        EXPECT_EQ(std::any_of(widgets.begin(), widgets.end(), visible), all)
            << "a control shown without its label, or the other way round";
        return all;
    };
    return {shown({input->comboBox(1), input->LabelFrostSoil, input->comboBox(2), input->LabelFloor,
                   input->comboBox(3), input->LabelTemperature, input->comboBox(4), input->LabelOverhang,
                   input->edit(1), input->LabelMt}),
            shown({input->edit(2), input->LabelOverhangValue}), shown({input->comboBox(7), input->LabelLH}),
            shown({input->edit(15), input->LabelLHValue})};
}

class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dataFolder.isValid());
        messages.clear();
        shown.clear();
        onModal = nullptr;
        requests.clear();
        nextFileName.clear();
        QDir(QFileInfo(settingsPath()).absolutePath()).removeRecursively();
        writeSettings();

        main = new TForm1;
        input = new TForm2(main);
        settingsDialog = new TForm3(main);
        main->attachDialogs(input, settingsDialog);

        setMessageHandler([this](QWidget* parent, const QString& caption, const QString& text) {
            messages.push_back({parent, caption, text});
        });
        main->showModal = [this](QDialog& dialog) {
            shown << dialog.objectName();
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        };
        main->askFileName = [this](const TForm1::FileRequest& request) {
            requests.push_back(request);
            return nextFileName;
        };
    }

    void TearDown() override {
        setMessageHandler({});
        delete main;
    }

    // A fresh set of windows, for a test that runs its rows from the start.
    void restart() {
        TearDown();
        SetUp();
    }

    static QString settingsPath() { return fundis::settingsFilePath(); }
    static QString tablesDir() { return QString::fromUtf8(FUNDIS_TABLES_DIR); }

    // kp.ini with the tables of the source tree and the scratch data folder.
    void writeSettings() {
        const QString text =
            QStringLiteral("5\r\n0\r\n1\r\n%1\r\n75\r\n%2\r\n").arg(dataFolder.path(), tablesDir());
        writeFile(settingsPath(), QByteArray::fromStdString(fundis::utf8ToCp1251(text.toStdString())));
    }

    // Shows the main window and waits until it is the active window.
    void activate() {
        main->show();
        QApplication::setActiveWindow(main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    // Presses OK of the input dialog (shown, as it would be, without a nested loop).
    void pressOk() {
        input->show();
        QTest::mouseClick(input->OKButton, Qt::LeftButton);
        ASSERT_EQ(input->result(), QDialog::Accepted);
        ASSERT_TRUE(input->isHidden());
    }

    // Soil and loads enough for a full calculation.
    void typeProject(const QString& columnWidth, const QString& columnLength) {
        const std::pair<int, const char*> texts[] = {
            {1, "49"},    {3, "120"}, {4, "1500"},  {5, "30"},    {6, "60"},  {7, "1900"},
            {8, "20"},    {9, "80"},  {10, "1600"}, {11, "60"},   {13, "28"}, {14, "5"},
            {16, "18"},   {17, "17"}, {32, "132"},  {33, "1650"}, {34, "33"}, {35, "66"},
            {36, "2090"}, {37, "22"}, {38, "88"},   {39, "1760"}, {40, "66"},
        };
        for (const auto& [number, text] : texts) {
            input->edit(number)->setText(QString::fromLatin1(text));
        }
        input->edit(27)->setText(columnWidth);
        input->edit(23)->setText(columnLength);
    }

    QTemporaryDir dataFolder;
    TForm1* main = nullptr;
    TForm2* input = nullptr;
    TForm3* settingsDialog = nullptr;
    std::vector<Message> messages;
    QStringList shown;  // object names of the windows shown modally, in order
    std::function<int(QDialog&)> onModal;
    std::vector<TForm1::FileRequest> requests;
    QString nextFileName;
};

}  // namespace fundis::testing

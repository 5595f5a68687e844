#include "reports/ui/ReportWindows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "reports/ui/Form4.h"
#include "tests/reports/ReportTestRecord.h"

using fundis::ReportContext;
using fundis::TProjectData;

namespace {

class ReportWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(folder.isValid());
        record = twoStepFoundation();
        context.data = &record;
        context.fileName = "colonna.dan";
        context.schemeScale = 50;
        // a PDF printer: the documents go into the file the save dialog names
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        fundis::ReportDialogs dialogs;
        dialogs.askPdfFile = [this](QWidget*, const QString& start) {
            askedIn.push_back(start);
            return answer;
        };
        dialogs.showError = [this](QWidget*, const QString& text) { errors.push_back(text); };
        fundis::setReportDialogs(dialogs);
    }
    void TearDown() override { fundis::setReportDialogs({}); }

    QTemporaryDir folder;
    TProjectData record;
    ReportContext context;
    std::unique_ptr<QPrinter> printer;  // made once the application exists
    QString answer;
    QStringList askedIn;
    QStringList errors;
};

// The documents go where the save dialog says: nowhere when it is cancelled, an error naming the
// file that cannot be written, else three pages in the file with ".pdf" added.
TEST_F(ReportWindowsTest, PrintingToPdfFollowsTheSaveDialog) {
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());

    answer = folder.filePath(QStringLiteral("missing/folder/report.pdf"));
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(answer))) << errors[0].toStdString();

    answer = folder.filePath(QStringLiteral("report"));
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    EXPECT_EQ(errors.size(), 1) << errors.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(pdfPageObjects(answer + QStringLiteral(".pdf")), 3);
    // the dialog starts in the data folder, with the project's name
    EXPECT_EQ(askedIn, QStringList(3, folder.filePath(QStringLiteral("colonna.pdf"))));
}

TEST_F(ReportWindowsTest, SchemeWindowFillsTheScreenWithButtonsAtTheLowerLeft) {
    TForm4 form(nullptr, context, *printer, folder.path());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Схема фундамента"));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Печать"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(form.Button1->geometry(),
              QRect(337, form.height() - 33, 75, 25));  // placed before the first show
    form.show();

    // a resize keeps the buttons at the lower left and the picture over the whole window
    form.resize(698, 529);
    EXPECT_EQ(form.Button1->geometry(), QRect(337, 529 - 33, 75, 25));
    EXPECT_EQ(form.Button2->geometry(), QRect(424, 529 - 33, 75, 25));
    EXPECT_EQ(form.PaintBox1->geometry(), QRect(0, 0, 698, 529));
}

TEST_F(ReportWindowsTest, SchemeWindowDrawsTheScheme) {
    TForm4 form(nullptr, context, *printer, folder.path());
    form.resize(1024, 768);
    const QImage shot = form.grab().toImage();
    // red dimensions, the blue column, on white
    EXPECT_GT(countPixels(shot, qRgb(255, 0, 0)), 200);
    EXPECT_GT(countPixels(shot, qRgb(0, 0, 255)), 200);
    EXPECT_GT(countPixels(shot, qRgb(255, 255, 255)), shot.width() * shot.height() / 2);

    if (const char* out = std::getenv("FUNDIS_SCHEME_SCREENSHOT")) {
        form.setGeometry(QGuiApplication::primaryScreen()->geometry());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(300);
        QImage screen = form.screen()->grabWindow(0).toImage();
        if (screen.isNull() || countPixels(screen, qRgb(255, 0, 0)) == 0) {
            screen = form.grab().toImage();
        }
        EXPECT_TRUE(screen.save(QString::fromLocal8Bit(out)));
    }
}

TEST_F(ReportWindowsTest, CloseAndEscapeEndTheSchemeWindow) {
    for (const bool escape : {false, true}) {
        TForm4 form(nullptr, context, *printer, folder.path());
        form.show();
        ASSERT_TRUE(form.isVisible());
        if (escape) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            QTest::mouseClick(form.Button2, Qt::LeftButton);
        }
        EXPECT_FALSE(form.isVisible()) << (escape ? "Esc" : "Закрыть");
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
}

TEST_F(ReportWindowsTest, SchemeWindowPrintsOnePage) {
    answer = folder.filePath(QStringLiteral("scheme.pdf"));
    TForm4 form(nullptr, context, *printer, folder.path());
    form.show();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());  // printing leaves the window open
    EXPECT_EQ(askedIn.size(), 1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(pdfPageObjects(answer), 1);
}

}  // namespace

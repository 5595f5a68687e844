#include "reports/ReportWindows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstdlib>
#include <memory>

#include "reports/Form4.h"
#include "tests/reports/ReportTestRecord.h"

using fundis::ReportContext;
using fundis::TProjectData;

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "report_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        auto* app = new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        return app;
    }();
    (void)application;
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

int countPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
        }
    }
    return count;
}

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

TEST_F(ReportWindowsTest, PrintingToPdfAsksForTheFileAndWritesThreePages) {
    answer = folder.filePath(QStringLiteral("report"));
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    ASSERT_EQ(askedIn.size(), 1);
    // the dialog starts in the data folder, with the project's name
    EXPECT_EQ(askedIn[0], folder.filePath(QStringLiteral("colonna.pdf")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(pdfPages(answer + QStringLiteral(".pdf")), 3);
}

TEST_F(ReportWindowsTest, ACancelledDialogPrintsNothing) {
    answer.clear();
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    EXPECT_EQ(askedIn.size(), 1);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReportWindowsTest, AFileThatCannotBeWrittenIsNamedInTheMessage) {
    answer = folder.filePath(QStringLiteral("missing/folder/report.pdf"));
    fundis::printReportDocuments(nullptr, context, *printer, folder.path());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(answer))) << errors[0].toStdString();
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

    const struct { QSize size; } sizes[] = {{QSize(698, 529)}, {QSize(1280, 1024)}, {QSize(800, 600)}};
    for (const auto& s : sizes) {
        form.resize(s.size);
        EXPECT_EQ(form.Button1->geometry(), QRect(337, s.size.height() - 33, 75, 25));
        EXPECT_EQ(form.Button2->geometry(), QRect(424, s.size.height() - 33, 75, 25));
        EXPECT_EQ(form.PaintBox1->geometry(), QRect(QPoint(0, 0), s.size));
    }
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
    EXPECT_EQ(pdfPages(answer), 1);
}

}  // namespace

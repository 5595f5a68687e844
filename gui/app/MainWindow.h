// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the menus and the toolbar built from one table of commands, the report pane,
// the status bar with the progress bar. It owns the settings values, the project document and the
// last calculation, from which the documents (scheme, printed and HTML report, DXF, note,
// settlement) are made.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/files/Settings.h"
#include "core/model/ReportLine.h"
#include "core/project/ProjectPass.h"
#include "core/reports/ReportContext.h"
#include "gui/app/ProjectDocument.h"

class QCloseEvent;
class QLabel;
class QMenu;
class QPrinter;
class QProgressBar;
class QStatusBar;
class QTextEdit;
class QToolBar;

namespace fundis {

class InputDialog;
class SettingsDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    struct CommandRow;  // a line of the table the menus, the toolbar and the actions are built from

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The input and settings dialogs, created after the main window and living as long.
    void attachDialogs(InputDialog* input, SettingsDialog* settingsDialog);
    InputDialog& inputDialog() { return *inputDialog_; }
    SettingsDialog& settingsDialog() { return *settingsDialog_; }
    // A project to open, as "Открыть" does, once the settings are loaded (fundis FILE.dan).
    void openAtStart(const QString& path) { startFile_ = path; }
    // The settings are read and the dialogs set up at the first activation (called by the window's
    // first showing; tests and tools without a shown window call it themselves).
    void firstActivation();

    // The settings values (kp.ini), which the settings dialog loads and saves.
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    // The file name, the unsaved changes, the recent files and the settlement inputs of the project.
    ProjectDocument& document() { return document_; }
    const ProjectDocument& document() const { return document_; }
    // The folder the file dialogs start in.
    const QString& dialogFolder() const { return document_.dialogFolder(); }
    QPrinter& printer();
    char decimalSeparator() const;

    // The last calculation the pane shows, if any: what the documents are made of.
    const std::optional<ProjectPass>& lastCalculation() const { return lastCalculation_; }
    ReportContext reportContext() const;
    // The inputs were changed after the last calculation.
    bool resultsOutOfDate() const;
    // The lines of the report pane as shown, red lines marked.
    std::vector<ReportLine> reportLines() const;

    // The commands, each an action of the same name (findChild<QAction*>("openProject")).
    void newProject();
    void openProject();                         // asks for the file
    void openProjectFile(const QString& path);  // as "Открыть" does after its file dialog
    // "Примеры" and "Последние файлы": the file opened as "Открыть" opens it, after the same question
    void openListedProject(const QString& path);
    void saveProject();
    void saveProjectAs();
    void saveHtmlReport();
    void printReport();
    void exportDxf();  // the scheme of the last calculation as a CAD drawing
    void exitProgram();
    void editInput();
    void startCalculation();
    void showScheme();
    void showNote();
    void showSettlement();
    void showSettings();
    void setUpPrinter();
    void showHelp();
    void showVerificationManual();  // "?" → "Проверка программы": the verification manual
    void showAbout();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildCommands();
    void buildToolBar();
    void buildReportPane();
    void buildExamplesMenu();
    void buildStatusBar();
    void connectDocument();
    void placeProgressBar();
    void rebuildRecentMenu();
    void showFileName(const QString& name);
    // Asks where to save a document of the last calculation (proposing the project's name in the
    // folder of `lastName`), then writes what `content` makes of the report context.
    void saveDocument(const QString& title, QString& lastName, const QString& suffix,
                      const QStringList& filters,
                      const std::function<std::string(const fundis::ReportContext&)>& content);
    // a page of the help folder in the browser, or in a window of the program when none takes it
    void showPage(const QString& page);
    // The start hint of the empty report pane goes at the first calculation, open or "Новый".
    void dropStartHint();
    // A document command may go on only with a calculation behind it.
    bool haveCalculation();
    void updateStaleMark();
    // Open and New: the report pane and the last calculation go with the project they belonged to.
    void forgetCalculation();
    void selectAllReport();
    void copyReport();
    // Ctrl+A: select all in the report pane when it has the focus, the about box otherwise.
    void selectAllOrShowAbout();
    void restoreWindowState();
    void saveWindowState() const;

    Settings settings_;
    ProjectDocument document_;
    InputDialog* inputDialog_ = nullptr;
    SettingsDialog* settingsDialog_ = nullptr;
    bool activated_ = false;
    QString startFile_;
    QString lastHtmlName_;  // the HTML report chosen last, its folder offered again
    QString lastDxfName_;   // the DXF file chosen last, likewise
    std::optional<ProjectPass> lastCalculation_;
    QString lastCalculationFileName_;
    std::unique_ptr<QPrinter> printer_;

    QToolBar* toolBar_ = nullptr;
    QTextEdit* reportPane_ = nullptr;
    QMenu* reportMenu_ = nullptr;    // the pane's context menu
    QMenu* recentMenu_ = nullptr;    // "Последние файлы"
    QMenu* examplesMenu_ = nullptr;  // "Примеры": the published worked examples
    QStatusBar* statusLine_ = nullptr;
    QLabel* fileNamePanel_ = nullptr;
    QLabel* hintPanel_ = nullptr;  // the long hint under the mouse
    QLabel* staleMark_ = nullptr;  // shown while the inputs differ from the last calculation's
    QProgressBar* progressBar_ = nullptr;
};

}  // namespace fundis

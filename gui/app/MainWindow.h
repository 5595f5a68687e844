#pragma once

// The main window: menu, toolbar, the report pane, the status bar with the progress bar, and the
// commands. It owns the settings values, the current file names and the last calculation.

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/Settings.h"
#include "core/project/ProjectPass.h"
#include "core/reports/ReportContext.h"

class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QPrinter;
class QProgressBar;
class QStatusBar;
class QTextEdit;
class QToolBar;
class QToolButton;
namespace fundis {

class InputDialog;
class SettingsDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The input and settings dialogs, created after the main window and living as long.
    void attachDialogs(InputDialog* input, SettingsDialog* settingsDialog);
    InputDialog& inputDialog() { return *inputDialog_; }
    SettingsDialog& settingsDialog() { return *settingsDialog_; }
    // A project to open, as "Открыть" does, once the settings are loaded (fundis FILE.dan).
    void openAtStart(const QString& path) { startFile_ = path; }

    fundis::Settings settings;
    QString fileName;
    QString lastHtmlName;

    QToolBar* mainToolBar = nullptr;
    QTextEdit* reportPane = nullptr;
    QMenu* examplesMenu = nullptr;  // "Примеры": the published worked examples
    QStatusBar* statusLine = nullptr;
    QLabel* fileNamePanel = nullptr;  // fileName
    QLabel* hintPanel = nullptr;      // the long hint under the mouse
    QMenu* recentMenu = nullptr;      // "Последние файлы"
    QLabel* staleMark = nullptr;      // shown while the inputs differ from the last calculation's
    QProgressBar* progressBar = nullptr;
    QMenu* reportMenu = nullptr;
    QToolButton* startButton = nullptr;       // start calculation
    QToolButton* inputButton = nullptr;       // input data
    QToolButton* openButton = nullptr;        // open
    QToolButton* saveButton = nullptr;        // save
    QToolButton* printButton = nullptr;       // print
    QToolButton* htmlButton = nullptr;        // HTML
    QToolButton* schemeButton = nullptr;      // scheme
    QToolButton* helpButton = nullptr;        // help
    QToolButton* settlementButton = nullptr;  // settlement

    // The folder the file dialogs start in.
    const QString& dialogFolder() const { return dialogFolder_; }
    QPrinter& printer();
    char decimalSeparator() const;

    // The last calculation the pane shows, if any: what the documents are made of.
    const std::optional<fundis::ProjectPass>& lastCalculation() const { return lastCalculation_; }
    fundis::ReportContext reportContext() const;
    // The inputs were changed after the last calculation.
    bool resultsOutOfDate() const;
    // The project has changes not saved to its file.
    bool hasUnsavedChanges() const { return isWindowModified(); }
    const std::vector<std::string>& recentFiles() const { return recentFiles_; }
    // The project's soil layers and limit settlement, which the settlement window edits.
    const fundis::SettlementInputs& settlementInputs() const { return settlementInputs_; }

    // Opens `path` as "Открыть" does after its file dialog: the dialog is filled and shown.
    void openProject(const QString& path);
    // Asks whether to save the changes, when there are any; false when the user cancels.
    bool maybeSaveChanges();
    // "Файл" → "Примеры": an example project opened as "Открыть" opens a file.
    void openExample(const QString& path);

    void firstActivation();
    void placeProgressBar();
    void startCalculation();
    void editInput();
    void chooseProjectToOpen();
    void saveCurrentProject();
    void printReport();
    void saveHtmlReport();
    void showScheme();
    // "Файл" → "Экспорт в DXF...": the scheme of the last calculation as a CAD drawing.
    void exportDxf();
    void showNote();
    void newProject();
    void saveAs();
    void exitProgram();
    void showSettings();
    void showAbout();
    void setUpPrinter();
    void showHelp();
    void showVerificationManual();  // "?" → "Проверка программы": the verification manual
    void showSettlement();
    void selectAllReport();
    void copyReport();
    // Ctrl+A: select all in the report pane when it has the focus, the about box otherwise.
    void CtrlAPressed();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildCommands();
    void buildReportPane();
    void buildExamplesMenu();
    QString proposedDocumentName(const QString& lastName, const QString& suffix) const;
    // a page of the help folder in the browser, or in a window of the program when none takes it
    void showPage(const QString& page);
    // The start hint of the empty report pane goes at the first calculation, open or "Новый".
    void dropStartHint();
    void buildStatusBar();
    QAction* command(const char* name, const QString& text, const QKeySequence& keys, const QString& hint,
                     void (MainWindow::*handler)());
    QToolButton* addToolButton(QAction* action, const char* name, const char* icon);
    // A document command may go on only with a calculation behind it.
    bool haveCalculation();
    void updateStaleMark();
    // Open and New: the report pane and the last calculation go with the project they belonged to.
    void forgetCalculation();
    bool untitled() const;
    bool saveProject();
    bool saveProjectAs();
    bool saveProjectTo(const QString& name);
    void setProjectFile(const QString& name);
    void setModified(bool modified);
    void rememberRecentFile(const QString& name);
    void rebuildRecentMenu();
    QString startFolder() const;
    void restoreWindowState();
    void saveWindowState() const;

    InputDialog* inputDialog_ = nullptr;
    SettingsDialog* settingsDialog_ = nullptr;
    bool activated_ = false;
    QString dialogFolder_;
    QString proposedSaveName_;
    QString lastDxfName_;  // the DXF file chosen last, offered again
    std::optional<fundis::ProjectPass> lastCalculation_;
    QString lastCalculationFileName_;
    QString startFile_;
    fundis::SettlementInputs settlementInputs_;
    fundis::Status settlementPartRead_;  // reading the opened file's settlement part: ok, or why not
    std::vector<std::string> recentFiles_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace fundis

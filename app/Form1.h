#pragma once

// The main window: menu, toolbar, the report pane, the status bar with the progress bar, and the
// commands. It owns the settings values, the current file names and the last calculation.

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/Settings.h"
#include "project/ProjectPass.h"
#include "reports/ReportContext.h"

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
class TForm2;
class TForm3;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The input and settings dialogs, created after the main window and living as long.
    void attachDialogs(TForm2* input, TForm3* settingsDialog);
    // A project to open, as "Открыть" does, once the settings are loaded (fundis FILE.dan).
    void openAtStart(const QString& path) { startFile_ = path; }

    fundis::Settings settings;
    QString fileName;
    QString lastHtmlName;

    QToolBar* ToolBar1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;  // fileName
    QLabel* StatusPanel1 = nullptr;  // the long hint under the mouse
    QMenu* RecentMenu = nullptr;     // "Последние файлы"
    QLabel* StaleMark = nullptr;     // shown while the inputs differ from the last calculation's
    QProgressBar* ProgressBar = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QToolButton* ToolButton1 = nullptr;  // start calculation
    QToolButton* ToolButton2 = nullptr;  // input data
    QToolButton* ToolButton3 = nullptr;  // open
    QToolButton* ToolButton4 = nullptr;  // save
    QToolButton* ToolButton5 = nullptr;  // print
    QToolButton* ToolButton6 = nullptr;  // HTML
    QToolButton* ToolButton7 = nullptr;  // scheme
    QToolButton* ToolButton8 = nullptr;  // help
    QToolButton* BitBtn10 = nullptr;     // settlement

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

    void FormActivate();
    void FormCanResize();
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton7Click();
    // "Файл" → "Экспорт в DXF...": the scheme of the last calculation as a CAD drawing.
    void ExportDxfClick();
    void NewClick();
    void SaveAsClick();
    void ExitClick();
    void N4Click();
    void N11Click();
    void N13Click();
    void N14Click();
    void BitBtn1Click();
    void Select_allClick();
    void CopyClick();
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
    void buildStatusBar();
    QAction* command(const char* name, const QString& text, const QKeySequence& keys, const QString& hint,
                     void (TForm1::*handler)());
    QToolButton* addToolButton(QAction* action, const char* name, const char* icon);
    // A document command may go on only with a calculation behind it.
    bool haveCalculation();
    void updateStaleMark();
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

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    bool activated_ = false;
    QString dialogFolder_;
    QString proposedSaveName_;
    QString lastDxfName_;  // the DXF file chosen last, offered again
    std::optional<fundis::ProjectPass> lastCalculation_;
    QString lastCalculationFileName_;
    QString startFile_;
    fundis::SettlementInputs settlementInputs_;
    fundis::Status settlementProblem_;  // the settlement part of the opened file could not be read
    std::vector<std::string> recentFiles_;
    std::unique_ptr<QPrinter> printer_;
};

extern TForm1* Form1;

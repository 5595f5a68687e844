#pragma once

// The main window: menu, toolbar, the report pane, the status bar with the progress bar, and the
// commands. It owns the settings values, the current file names and the last calculation.

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

#include "files/Settings.h"
#include "project/ProjectPass.h"
#include "reports/ReportContext.h"

class QAction;
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

    fundis::Settings settings;
    QString fileName;
    QString lastHtmlName;

    QToolBar* ToolBar1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;  // fileName
    QLabel* StatusPanel1 = nullptr;  // the long hint under the mouse
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

    void FormActivate();
    void FormCanResize();
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton7Click();
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

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    bool activated_ = false;
    QString dialogFolder_;
    QString proposedSaveName_;
    std::optional<fundis::ProjectPass> lastCalculation_;
    QString lastCalculationFileName_;
    std::unique_ptr<QPrinter> printer_;
};

extern TForm1* Form1;

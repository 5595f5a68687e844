#pragma once

// The main window: menu, toolbar, the report pane, the status bar with the progress bar, and the
// commands. It owns the project record, the settings values and the current file names.

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

#include "files/Settings.h"
#include "model/ProjectData.h"

class QAction;
class QDialog;
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

namespace fundis {
struct ReportContext;
struct ReportLine;
}  // namespace fundis

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The input and settings dialogs, created after the main window and living as long.
    void attachDialogs(TForm2* input, TForm3* settingsDialog);

    // What a file dialog is asked for; the answer is the chosen name, empty when cancelled.
    struct FileRequest {
        QString title;
        QString folder;        // where the dialog starts
        QString proposedName;  // a previous choice, or empty
        QStringList filters;   // "Данные       (*.dan)" ...
        QString defaultSuffix;
        bool save = false;  // save dialogs ask before replacing a file
    };
    // Seams for the widget tests: the file dialogs and the modal showing of a window.
    std::function<QString(const FileRequest&)> askFileName;
    std::function<int(QDialog&)> showModal;

    fundis::TProjectData record;
    fundis::Settings settings;
    QString fileName;
    QString lastHtmlName;
    QString tablePath;  // the path last handed to the shell

    QToolBar* ToolBar1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;  // fileName
    QLabel* StatusPanel1 = nullptr;  // the long hint under the mouse
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
    fundis::ReportContext reportContext() const;
    char decimalSeparator() const;

    // The report pane: cleared, then filled line by line; failures in red bold.
    void clearReport();
    void appendReportLine(const QString& text, bool failure);

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
    void buildMenu();
    void buildToolBar();
    void buildReportPane();
    void buildStatusBar();
    void writeReport(const std::vector<fundis::ReportLine>& lines);
    QString defaultAskFileName(const FileRequest& request);

    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    bool activated_ = false;
    bool reportHasLines_ = false;
    QString dialogFolder_;
    QString proposedSaveName_;
    std::unique_ptr<QPrinter> printer_;
};

extern TForm1* Form1;

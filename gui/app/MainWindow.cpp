#include "gui/app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "core/files/DanFile.h"
#include "core/files/DataLocation.h"
#include "core/files/Examples.h"
#include "core/files/RecentFiles.h"
#include "core/model/FileIo.h"
#include "core/note/CalculationNote.h"
#include "core/reports/DxfExport.h"
#include "core/reports/HtmlReport.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpWindow.h"
#include "gui/input/InputDialog.h"
#include "gui/note/NoteWindow.h"
#include "gui/reports/Printing.h"
#include "gui/reports/SchemeWindow.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/settlement/SettlementWindow.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/OnScreen.h"
#include "gui/widgets/ReportPane.h"

// the icons live in this library; Qt wants their registration outside any namespace
static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace fundis {

namespace {

const QString kNoName = QStringLiteral("Без имени");
const QString kCaption = QStringLiteral("Фундис");
const QStringList kDanFilters = {QStringLiteral("Данные       (*.dan)"), QStringLiteral("Все файлы  (*.*)")};
// the report is a web page whatever the name: no filter promises plain text
const QStringList kHtmlFilters = {QStringLiteral("HTML файл (*.htm)"), QStringLiteral("все файлы (*.*)")};
const QStringList kDxfFilters = {QStringLiteral("Чертеж DXF (*.dxf)"), QStringLiteral("все файлы (*.*)")};

std::string localPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString quoted(const QString& name) { return QStringLiteral("«") + name + QStringLiteral("»"); }

// Hides the progress bar however the calculation ends.
class ProgressBarHider {
  public:
    explicit ProgressBarHider(QProgressBar* bar) : bar_(bar) {}
    ~ProgressBarHider() { bar_->hide(); }
    ProgressBarHider(const ProgressBarHider&) = delete;
    ProgressBarHider& operator=(const ProgressBarHider&) = delete;

  private:
    QProgressBar* bar_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    initIconResources();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(kNoName + QStringLiteral("[*] — Фундис"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fundis.svg")));
    setFont(fundis::windowFont());

    buildReportPane();
    buildCommands();
    buildStatusBar();

    setMinimumSize(520, 358);
    restoreWindowState();
}

MainWindow::~MainWindow() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
}

void MainWindow::attachDialogs(InputDialog* input, SettingsDialog* settingsDialog) {
    inputDialog_ = input;
    settingsDialog_ = settingsDialog;
    settingsDialog_->attach(&settings);
    connect(settingsDialog_, &SettingsDialog::settingsSaved, this,
            [this](const QString& folder, int progressMaximum) {
                mainToolBar->setVisible(settings.showToolbar != 0);
                dialogFolder_ = folder;
                progressBar->setMaximum(progressMaximum);
                inputDialog_->setTablesFolder(settings.programDir);
            });
    connect(settingsDialog_, &SettingsDialog::settingsReloaded, this, [this] {
        mainToolBar->setVisible(settings.showToolbar != 0);
        inputDialog_->setTablesFolder(settings.programDir);
    });
    connect(inputDialog_, &InputDialog::formEdited, this, [this] {
        setModified(true);
        updateStaleMark();
    });
}

QAction* MainWindow::command(const char* name, const QString& text, const QKeySequence& keys,
                             const QString& hint, void (MainWindow::*handler)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QToolButton* MainWindow::addToolButton(QAction* action, const char* name, const char* icon) {
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    mainToolBar->addAction(action);
    auto* button = qobject_cast<QToolButton*>(mainToolBar->widgetForAction(action));
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(39, 38);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void MainWindow::buildCommands() {
    // one action a command: the menu item and the toolbar button are the same command
    QAction* open =
        command("openProject", QStringLiteral("&Открыть"), QKeySequence(QStringLiteral("Ctrl+O")),
                QStringLiteral("Открыть файл с исходными данными"), &MainWindow::chooseProjectToOpen);
    QAction* save =
        command("saveProject", QStringLiteral("&Сохранить"), QKeySequence(QStringLiteral("Ctrl+S")),
                QStringLiteral("Сохранить файл с исходными данными"), &MainWindow::saveCurrentProject);
    QAction* html =
        command("saveHtmlReport", QStringLiteral("Сохранить в &HTML"), QKeySequence(QStringLiteral("Ctrl+F")),
                QStringLiteral("Сохранить результаты расчета в формате HTML"), &MainWindow::saveHtmlReport);
    QAction* print = command("printReport", QStringLiteral("П&ечать"), QKeySequence(QStringLiteral("Ctrl+P")),
                             QStringLiteral("Печать результатов расчета"), &MainWindow::printReport);
    QAction* inputData =
        command("editInput", QStringLiteral("&Ввод данных"), QKeySequence(QStringLiteral("Ctrl+I")),
                QStringLiteral("Ввод исходных данных"), &MainWindow::editInput);
    QAction* start =
        command("startCalculation", QStringLiteral("&Начать расчет"), QKeySequence(QStringLiteral("Ctrl+G")),
                QStringLiteral("Начать расчет"), &MainWindow::startCalculation);
    QAction* scheme =
        command("showScheme", QStringLiteral("Вывести &схему"), QKeySequence(QStringLiteral("Ctrl+L")),
                QStringLiteral("Схема фундамента"), &MainWindow::showScheme);
    QAction* note =
        command("showNote", QStringLiteral("&Пояснительная записка"), QKeySequence(QStringLiteral("Ctrl+E")),
                QStringLiteral("Расчет по шагам: формулы, подставленные значения и пункты норм"),
                &MainWindow::showNote);
    QAction* settlement =
        command("showSettlement", QStringLiteral("Расчет &осадки"), QKeySequence(),
                QStringLiteral("Начать расчет осадки фундамента"), &MainWindow::showSettlement);
    QAction* help = command("showHelp", QStringLiteral("&Помощь"), QKeySequence(Qt::Key_F1),
                            QStringLiteral("Помощь"), &MainWindow::showHelp);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addAction(command("newProject", QStringLiteral("&Новый"), QKeySequence(QStringLiteral("Ctrl+N")),
                            QStringLiteral("Новый проект с исходными данными по умолчанию"),
                            &MainWindow::newProject));
    file->addAction(open);
    recentMenu = file->addMenu(QStringLiteral("&Последние файлы"));
    recentMenu->setObjectName(QStringLiteral("recentMenu"));
    examplesMenu = file->addMenu(QStringLiteral("П&римеры"));
    examplesMenu->setObjectName(QStringLiteral("examplesMenu"));
    buildExamplesMenu();
    file->addSeparator();
    file->addAction(save);
    file->addAction(command("saveProjectAs", QStringLiteral("Сохранить &как..."),
                            QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                            QStringLiteral("Сохранить исходные данные в другой файл"), &MainWindow::saveAs));
    file->addSeparator();
    file->addActions({html, print});
    file->addAction(command("exportDxf", QStringLiteral("Экспорт в &DXF..."), QKeySequence(),
                            QStringLiteral("Сохранить схему фундамента чертежом DXF для программ САПР"),
                            &MainWindow::exportDxf));
    file->addSeparator();
    file->addAction(command("exitProgram", QStringLiteral("&Выход"), QKeySequence(QStringLiteral("Ctrl+Q")),
                            QStringLiteral("Закрыть программу"), &MainWindow::exitProgram));
    QMenu* calculation = menuBar()->addMenu(QStringLiteral("&Расчет"));
    calculation->addActions({inputData, start, scheme, note, settlement});
    QMenu* setup = menuBar()->addMenu(QStringLiteral("&Настройка"));
    setup->addAction(command("showSettings", QStringLiteral("Настройка &параметров"),
                             QKeySequence(QStringLiteral("Ctrl+Alt+S")), QString(),
                             &MainWindow::showSettings));
    setup->addAction(command("setUpPrinter", QStringLiteral("Настройка п&ринтера"),
                             QKeySequence(QStringLiteral("Ctrl+Alt+P")), QString(),
                             &MainWindow::setUpPrinter));
    QMenu* about = menuBar()->addMenu(QStringLiteral("&?"));
    about->addAction(help);
    about->addAction(command("showVerificationManual", QStringLiteral("Про&верка программы"), QKeySequence(),
                             QStringLiteral("Программа на опубликованных примерах расчета"),
                             &MainWindow::showVerificationManual));
    // Ctrl+A belongs to the report pane while it has the focus: the key is bound once, below,
    // and the menu only shows it
    about->addAction(command("showAbout", QStringLiteral("&О программе\tCtrl+A"), QKeySequence(), QString(),
                             &MainWindow::showAbout));
    auto* ctrlA = new QShortcut(QKeySequence(QStringLiteral("Ctrl+A")), this);
    ctrlA->setObjectName(QStringLiteral("CtrlA"));
    connect(ctrlA, &QShortcut::activated, this, &MainWindow::CtrlAPressed);

    mainToolBar = new QToolBar(this);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    mainToolBar->setMovable(false);
    mainToolBar->setFloatable(false);
    mainToolBar->setIconSize(QSize(32, 32));
    mainToolBar->setFixedHeight(41);
    mainToolBar->setContentsMargins(0, 0, 0, 0);
    mainToolBar->layout()->setSpacing(0);
    mainToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    mainToolBar->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, mainToolBar);
    const auto gap = [this] {
        auto* spacer = new QWidget(mainToolBar);
        spacer->setFixedSize(10, 38);
        mainToolBar->addWidget(spacer);
    };
    openButton = addToolButton(open, "openButton", "open");
    saveButton = addToolButton(save, "saveButton", "save");
    htmlButton = addToolButton(html, "htmlButton", "html");
    gap();
    inputButton = addToolButton(inputData, "inputButton", "input");
    startButton = addToolButton(start, "startButton", "start");
    schemeButton = addToolButton(scheme, "schemeButton", "scheme");
    printButton = addToolButton(print, "printButton", "print");
    gap();
    helpButton = addToolButton(help, "helpButton", "help");
    mainToolBar->addSeparator();
    settlementButton = addToolButton(settlement, "settlementButton", "settlement");
    settlementButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    settlementButton->setLayoutDirection(Qt::RightToLeft);  // the glyph right of the text
    settlementButton->setFont(fundis::windowFont(19));
    settlementButton->setAutoRaise(false);
    settlementButton->setFixedSize(165, 38);
}

void MainWindow::buildReportPane() {
    reportPane = new QTextEdit(this);
    reportPane->setObjectName(QStringLiteral("reportPane"));
    reportPane->setReadOnly(true);
    reportPane->setAcceptRichText(false);
    reportPane->setUndoRedoEnabled(false);
    reportPane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reportPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportPane->setFont(fundis::windowFont(13));
    reportPane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportPane->setPlaceholderText(
        QStringLiteral("Чтобы начать:\n"
                       "  •  откройте пример из учебника или курсового проекта: «Файл» → «Примеры»;\n"
                       "  •  введите исходные данные: «Расчет» → «Ввод данных» (Ctrl+I);\n"
                       "  •  откройте свой проект: «Файл» → «Открыть» (Ctrl+O).\n"
                       "Затем «Расчет» → «Начать расчет» (Ctrl+G)."));
    setCentralWidget(reportPane);

    reportMenu = new QMenu(reportPane);
    reportMenu->setObjectName(QStringLiteral("reportMenu"));
    QAction* selectAll = reportMenu->addAction(QStringLiteral("Выбрать всё\tCtrl+A"));
    selectAll->setObjectName(QStringLiteral("Select_all"));
    connect(selectAll, &QAction::triggered, this, &MainWindow::selectAllReport);
    QAction* copy = reportMenu->addAction(QStringLiteral("Копировать в буфер\tCtrl+C"));
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QAction::triggered, this, &MainWindow::copyReport);
    reportPane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(reportPane, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { reportMenu->popup(reportPane->viewport()->mapToGlobal(at)); });
}

void MainWindow::buildStatusBar() {
    statusLine = new QStatusBar(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setMinimumHeight(19);
    statusLine->setSizeGripEnabled(true);
    setStatusBar(statusLine);

    // long texts are shortened: a hint never widens the window
    fileNamePanel = new fundis::ElidedLabel(Qt::ElideMiddle, statusLine);
    fileNamePanel->setObjectName(QStringLiteral("fileNamePanel"));
    fileNamePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine->addWidget(fileNamePanel);
    hintPanel = new fundis::ElidedLabel(Qt::ElideRight, statusLine);
    hintPanel->setObjectName(QStringLiteral("hintPanel"));
    hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine->addWidget(hintPanel, 1);
    staleMark = new QLabel(QStringLiteral("Результаты устарели: данные изменены после расчета"), statusLine);
    staleMark->setObjectName(QStringLiteral("staleMark"));
    staleMark->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    staleMark->setToolTip(
        QStringLiteral("Выполните расчет снова (Ctrl+G), чтобы схема, печать и HTML "
                       "показали новые данные"));
    staleMark->hide();
    statusLine->addPermanentWidget(staleMark);

    // at the right end while a calculation runs
    progressBar = new QProgressBar(statusLine);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setMinimum(0);
    progressBar->setTextVisible(false);
    progressBar->hide();
    statusLine->addPermanentWidget(progressBar);
    statusLine->installEventFilter(this);
    placeProgressBar();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        firstActivation();
    } else if (event->type() == QEvent::Show && !activated_) {
        // a window manager may hold back the activation (or there is none, as under Xvfb); the
        // settings must be there before the first command all the same
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeProgressBar();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // the hint handler: the long hint of whatever is under the mouse, in any of the windows
        hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::Leave) {
        // the hint goes with the mouse
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && !widget->statusTip().isEmpty() && hintPanel->text() == widget->statusTip()) {
            hintPanel->clear();
        }
    }
    if (event->type() == QEvent::ToolTip && watched->parent() == mainToolBar) {
        return true;  // a toolbar button shows its hint in the status bar only
    }
    if (watched == statusLine && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) {
        placeProgressBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeProgressBar() {
    // the status bar lays its panels out; their widths follow the font
    const int letter = statusLine->fontMetrics().averageCharWidth();
    fileNamePanel->setFixedWidth(std::min(40 * letter, std::max(statusLine->width() / 3, 12 * letter)));
    progressBar->setFixedSize(20 * letter, std::max(8, statusLine->fontMetrics().height() - 2));
}

void MainWindow::firstActivation() {
    if (activated_ || !inputDialog_ || !settingsDialog_) {
        return;
    }
    activated_ = true;
    qApp->installEventFilter(this);
    inputDialog_->selectFirstItems();
    setProjectFile(kNoName);

    if (const fundis::Status written = settingsDialog_->writeDefaultsIfMissing(); !written) {
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
    }
    settingsDialog_->loadSettings();
    mainToolBar->setVisible(settings.showToolbar != 0);
    dialogFolder_ = QString::fromStdString(settings.dataDir);
    inputDialog_->setTablesFolder(settings.programDir);
    recentFiles_ = fundis::readRecentFiles(fundis::recentFilesPath());
    rebuildRecentMenu();
    setModified(false);
    if (!startFile_.isEmpty()) {
        // after this event: opening shows the input dialog, which runs a loop of its own
        QTimer::singleShot(0, this, [this, path = startFile_] { openProject(path); });
        startFile_.clear();
    }
}

char MainWindow::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

QPrinter& MainWindow::printer() {
    // made on first use: looking for printers can take a moment
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

fundis::ReportContext MainWindow::reportContext() const {
    fundis::ReportContext context;
    if (lastCalculation_) {
        context = fundis::documentContext(*lastCalculation_);
        context.outOfDate = resultsOutOfDate();
    }
    context.fileName = lastCalculationFileName_.toStdString();
    context.schemeScale = settings.schemeScale;
    context.decimalSeparator = decimalSeparator();
    return context;
}

bool MainWindow::resultsOutOfDate() const {
    return lastCalculation_ && inputDialog_ &&
           (inputDialog_->form() != lastCalculation_->input ||
            settlementInputs_ != lastCalculation_->settlementInput);
}

void MainWindow::updateStaleMark() { staleMark->setVisible(resultsOutOfDate()); }

bool MainWindow::haveCalculation() {
    if (lastCalculation_) {
        return true;
    }
    fundis::showMessage(this, kCaption, QStringLiteral("Сначала выполните расчет."));
    return false;
}

void MainWindow::startCalculation() {
    if (!inputDialog_) {
        return;
    }
    const ProgressBarHider hider(progressBar);
    progressBar->setValue(0);
    progressBar->show();

    const fundis::ProjectForm shown = inputDialog_->form();
    if (fundis::inputDialogNeeded(shown.text(fundis::TextField::fii), shown.text(fundis::TextField::cii))) {
        editInput();
    }

    // the numbers belong to what the dialog shows now, confirmed or not
    fundis::PassOptions options;
    options.tablesDir = settings.programDir;
    options.debug = settings.debugMode != 0;
    options.decimalSeparator = decimalSeparator();
    options.progress.start = [this](int maximum) {
        progressBar->setValue(0);
        progressBar->setMaximum(maximum);
        progressBar->show();
        progressBar->repaint();
    };
    options.progress.step = [this] {
        progressBar->setValue(std::min(progressBar->value() + 1, progressBar->maximum()));
        progressBar->repaint();
    };
    fundis::ProjectPass pass = fundis::runProjectPass(inputDialog_->form(), settlementInputs_, options);
    dropStartHint();
    if (!settlementProblem_ && !pass.settlement && pass.outcome != fundis::PassOutcome::NotRun) {
        pass.settlement = fundis::unreadSettlementPass(settlementProblem_, options.decimalSeparator);
    }
    if (pass.outcome == fundis::PassOutcome::NotRun) {
        reportPane->clear();
        lastCalculation_.reset();
        updateStaleMark();
        if (!pass.report.empty()) {
            // a field the calculation cannot go without: the pane names it, in red
            fundis::fillReportPane(*reportPane, pass.report);
            return;
        }
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Расчет не выполнен: %1.\n\n%2")
                                .arg(QString::fromStdString(pass.reason), InputDialog::tablesFolderHint()));
        return;
    }
    fundis::fillReportPane(*reportPane, pass.report);
    lastCalculationFileName_ = fileName;
    lastCalculation_ = std::move(pass);
    updateStaleMark();
}

void MainWindow::editInput() {
    if (!inputDialog_) {
        return;
    }
    const bool wasModified = isWindowModified();
    if (fundis::dialogs().exec(*inputDialog_) == QDialog::Accepted) {
        if (settings.iterations == 0) {
            settings.iterations = 1;
        }
    } else {
        setModified(wasModified);  // cancelled: the controls are as they were
    }
    hintPanel->clear();  // the dialog's last hint has gone with it
    updateStaleMark();
}

bool MainWindow::untitled() const { return fileName.isEmpty() || fileName == kNoName; }

QString MainWindow::startFolder() const {
    // a data folder that is gone (or never set) would make the dialogs propose its name
    return QFileInfo(dialogFolder_).isDir() ? dialogFolder_ : QDir::homePath();
}

void MainWindow::setModified(bool modified) { setWindowModified(modified); }

void MainWindow::setProjectFile(const QString& name) {
    fileName = name;
    proposedSaveName_ = untitled() ? QString() : name;
    fileNamePanel->setText(fileName);
    setWindowTitle((untitled() ? kNoName : QFileInfo(name).fileName()) + QStringLiteral("[*] — Фундис"));
    if (!untitled()) {
        rememberRecentFile(name);
    }
}

void MainWindow::rememberRecentFile(const QString& name) {
    recentFiles_ = fundis::withRecentFile(recentFiles_, QFileInfo(name).absoluteFilePath().toStdString());
    (void)fundis::writeRecentFiles(fundis::recentFilesPath(), recentFiles_);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu() {
    recentMenu->clear();
    int number = 1;
    for (const std::string& file : recentFiles_) {
        const QString path = QString::fromStdString(file);
        QAction* entry =
            recentMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(path).fileName()));
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (maybeSaveChanges()) {
                openProject(path);
            }
        });
    }
    recentMenu->setEnabled(!recentFiles_.empty());
}

bool MainWindow::maybeSaveChanges() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    const QString name = untitled() ? kNoName : QFileInfo(fileName).fileName();
    enum { kSave, kDiscard, kCancel };
    const int answer = fundis::dialogs().question(
        this, kCaption,
        QStringLiteral("Исходные данные проекта «%1» изменены. Сохранить изменения?").arg(name),
        {QStringLiteral("Сохранить"), QStringLiteral("Не сохранять"), QStringLiteral("Отмена")}, kSave,
        kCancel);
    if (answer == kSave) {
        return saveProject();
    }
    return answer == kDiscard;
}

void MainWindow::openProject(const QString& name) {
    if (!inputDialog_) {
        return;
    }
    // read into a copy: a file that cannot be read leaves the dialog as it was
    fundis::ProjectFile project;
    project.form = inputDialog_->form();
    fundis::Status settlementProblem;
    const fundis::Status read = fundis::readProjectFile(localPath(name), project, settlementProblem);
    if (!read) {
        fundis::showMessage(
            this, kCaption,
            fundis::sentence(read.message()) + QStringLiteral(".\nДанные в окне ввода не изменены."));
        if (!QFileInfo::exists(name)) {
            recentFiles_ =
                fundis::withoutRecentFile(recentFiles_, QFileInfo(name).absoluteFilePath().toStdString());
            (void)fundis::writeRecentFiles(fundis::recentFilesPath(), recentFiles_);
            rebuildRecentMenu();
        }
        return;
    }
    inputDialog_->setForm(project.form);
    settlementInputs_ = project.settlement;
    settlementProblem_ = settlementProblem;
    setProjectFile(name);
    dropStartHint();
    setModified(false);
    forgetCalculation();
    inputDialog_->applyVisibilityRules();
    if (!settlementProblem) {
        // the heading says it is the settlement part; the reason need not say it again
        QString reason = QString::fromStdString(settlementProblem.message());
        reason.remove(QRegularExpression(QStringLiteral("^осадка: ")));
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Данные расчета осадки в файле %1 не прочитаны: %2.\n"
                                           "Исходные данные фундамента загружены; слои грунта задайте заново "
                                           "в окне «Расчет осадки».")
                                .arg(quoted(name), reason));
    }
    editInput();
}

void MainWindow::chooseProjectToOpen() {
    if (!maybeSaveChanges()) {
        return;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Открытие файла с исходными данными");
    request.folder = startFolder();
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    const QString name = fundis::dialogs().fileName(this, request);
    if (!name.isEmpty()) {
        openProject(name);
    }
}

bool MainWindow::saveProjectTo(const QString& name) {
    const fundis::ProjectForm form = inputDialog_->form();
    const fundis::Status written = fundis::writeProjectFile(localPath(name), {form, settlementInputs_});
    if (!written) {
        // the name is not taken: the status bar must not show a file that was not written
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
        return false;
    }
    setProjectFile(name);
    setModified(false);
    if (lastCalculation_ && !resultsOutOfDate()) {
        lastCalculationFileName_ = fileName;  // the same data under their new name
    }
    return true;
}

bool MainWindow::saveProjectAs() {
    if (!inputDialog_) {
        return false;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Сохранение исходных данных");
    request.folder = startFolder();
    request.proposedName =
        untitled() ? QDir(startFolder()).filePath(QStringLiteral("Фундамент.dan")) : proposedSaveName_;
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    request.save = true;
    const QString name = fundis::dialogs().fileName(this, request);
    return !name.isEmpty() && saveProjectTo(name);
}

bool MainWindow::saveProject() { return untitled() ? saveProjectAs() : saveProjectTo(fileName); }

void MainWindow::saveCurrentProject() {
    if (inputDialog_) {
        saveProject();
    }
}

void MainWindow::saveAs() { saveProjectAs(); }

void MainWindow::newProject() {
    if (!inputDialog_ || !maybeSaveChanges()) {
        return;
    }
    inputDialog_->setForm(fundis::ProjectForm());
    inputDialog_->applyVisibilityRules();
    settlementInputs_ = fundis::SettlementInputs();
    settlementProblem_ = fundis::Status();
    setProjectFile(kNoName);
    setModified(false);
    forgetCalculation();
}

void MainWindow::forgetCalculation() {
    // a project starts without the results of the one before it
    reportPane->clear();
    dropStartHint();
    lastCalculation_.reset();
    lastCalculationFileName_.clear();
    updateStaleMark();
}

void MainWindow::exitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSaveChanges()) {
        event->ignore();
        return;
    }
    saveWindowState();
    event->accept();
}

void MainWindow::restoreWindowState() {
    std::string saved;
    if (fundis::readWholeFile(fundis::windowStatePath(), saved) &&
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) {
        // kept on another screen, or a larger one: the title bar comes back where it can be reached
        fundis::keepOnScreen(*this);
        return;
    }
    // a first start: a good share of the screen, in its middle
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1000, available.width() * 4 / 5), std::min(720, available.height() * 4 / 5));
    move(available.center() - rect().center());
    fundis::keepOnScreen(*this);
}

void MainWindow::saveWindowState() const {
    // the place of a window is not worth a message when it cannot be kept
    QDir().mkpath(QString::fromStdString(fundis::settingsFolder()));
    (void)fundis::saveFileAtomically(fundis::windowStatePath(), saveGeometry().toBase64().toStdString());
}

void MainWindow::saveHtmlReport() {
    if (!haveCalculation()) {
        return;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Сохранение результата расчета");
    request.folder = startFolder();
    // the current project's name, in the folder of the last report when there was one
    request.proposedName = proposedDocumentName(lastHtmlName, QStringLiteral(".htm"));
    request.filters = kHtmlFilters;
    request.defaultSuffix = QStringLiteral("htm");
    request.save = true;
    const QString name = fundis::dialogs().fileName(this, request);
    if (name.isEmpty()) {
        return;
    }
    lastHtmlName = name;
    const fundis::Status written =
        fundis::saveFileAtomically(localPath(name), fundis::htmlReport(reportContext()));
    if (!written) {
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
    }
}

QString MainWindow::proposedDocumentName(const QString& lastName, const QString& suffix) const {
    // the current project's name, in the folder of the last such document when there was one
    const QString base = untitled() ? QStringLiteral("Фундамент") : QFileInfo(fileName).completeBaseName();
    const QString folder = lastName.isEmpty() ? startFolder() : QFileInfo(lastName).absolutePath();
    return QDir(folder).filePath(base + suffix);
}

void MainWindow::exportDxf() {
    if (!haveCalculation()) {
        return;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Экспорт схемы фундамента в DXF");
    request.folder = startFolder();
    request.proposedName = proposedDocumentName(lastDxfName_, QStringLiteral(".dxf"));
    request.filters = kDxfFilters;
    request.defaultSuffix = QStringLiteral("dxf");
    request.save = true;
    const QString name = fundis::dialogs().fileName(this, request);
    if (name.isEmpty()) {
        return;
    }
    lastDxfName_ = name;
    const fundis::Status written = fundis::writeSchemeDxf(localPath(name), reportContext());
    if (!written) {
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
    }
}

void MainWindow::printReport() {
    if (haveCalculation()) {
        const fundis::ReportContext context = reportContext();
        fundis::printPages(this, fundis::reportPages(context), context, printer(), dialogFolder_);
    }
}

void MainWindow::showScheme() {
    if (haveCalculation()) {
        SchemeWindow scheme(this, reportContext(), printer(), dialogFolder_);
        fundis::dialogs().exec(scheme);
    }
}

void MainWindow::showNote() {
    fundis::NoteOptions options;
    options.fileName = lastCalculationFileName_.toStdString();
    options.decimalSeparator = decimalSeparator();
    options.stale = resultsOutOfDate();
    const fundis::ProjectPass* pass = lastCalculation_ ? &*lastCalculation_ : nullptr;
    fundis::NoteWindow window(this, fundis::buildCalculationNote(pass, options), reportContext(), printer(),
                              dialogFolder_);
    fundis::dialogs().exec(window);
}

void MainWindow::showSettings() {
    if (settingsDialog_) {
        fundis::dialogs().exec(*settingsDialog_);
        hintPanel->clear();
    }
}

void MainWindow::showAbout() {
    AboutBox about(this);
    fundis::dialogs().exec(about);
}

void MainWindow::setUpPrinter() {
    QPrintDialog dialog(&printer(), this);
    fundis::dialogs().exec(dialog);
}

void MainWindow::buildExamplesMenu() {
    const QString folder = QString::fromStdString(fundis::installedExamplesDir());
    for (const fundis::ExampleProject& example : fundis::exampleProjects()) {
        const QString path = QDir(folder).filePath(QString::fromUtf8(example.file));
        QAction* action = examplesMenu->addAction(QString::fromUtf8(example.title));
        connect(action, &QAction::triggered, this, [this, path] { openExample(path); });
    }
}

void MainWindow::openExample(const QString& path) {
    if (maybeSaveChanges()) {
        openProject(path);
    }
}

void MainWindow::dropStartHint() { reportPane->setPlaceholderText(QString()); }

void MainWindow::showVerificationManual() {
    showPage(QString::fromStdString(fundis::verificationManualPath(settings.programDir)));
}

void MainWindow::showHelp() {
    showPage(QDir(QString::fromStdString(settings.programDir)).filePath(QStringLiteral("Help/index.htm")));
}

void MainWindow::showPage(const QString& page) {
    if (!QFileInfo(page).isFile()) {
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Страница %1 не найдена. Укажите папку с программой в "
                                           "«Настройка» → «Настройка параметров».")
                                .arg(quoted(QDir::toNativeSeparators(page))));
        return;
    }
    // a desktop without a browser to hand the page to still shows it
    if (!fundis::dialogs().openUrl(QUrl::fromLocalFile(page))) {
        HelpWindow help(this, page);
        fundis::dialogs().exec(help);
    }
}

void MainWindow::showSettlement() {
    // a settlement program of the user's own in the program folder still starts as it always did
    const QFileInfo own(QString::fromStdString(settings.programDir) + QStringLiteral("/S"));
    if (own.isFile() && own.isExecutable() && QProcess::startDetached(own.absoluteFilePath(), {})) {
        return;
    }
    const fundis::ProjectRecord* design = lastCalculation_ ? &lastCalculation_->record : nullptr;
    SettlementWindow window(this, settlementInputs_, design, decimalSeparator(), printer(), dialogFolder_);
    if (lastCalculation_ && inputDialog_ && inputDialog_->form() != lastCalculation_->input) {
        window.markDesignOutOfDate();
    }
    if (lastCalculation_ && lastCalculation_->settlement &&
        lastCalculation_->settlementInput == settlementInputs_) {
        window.showResult(*lastCalculation_->settlement);
    }
    connect(&window, &SettlementWindow::inputsEdited, this, [this, &window] {
        settlementInputs_ = window.inputs();
        settlementProblem_ = fundis::Status();
        setModified(true);
        updateStaleMark();
    });
    connect(&window, &SettlementWindow::calculated, this, [this, &window] {
        // the settlement of the last calculation, with the layers it was made for
        if (lastCalculation_ && window.result() && lastCalculation_->input == inputDialog_->form()) {
            lastCalculation_->settlement = window.result();
            lastCalculation_->settlementInput = window.inputs();
            updateStaleMark();
        }
    });
    fundis::dialogs().exec(window);
    hintPanel->clear();
}

void MainWindow::selectAllReport() { reportPane->selectAll(); }

void MainWindow::copyReport() { reportPane->copy(); }

void MainWindow::CtrlAPressed() {
    if (reportPane->hasFocus()) {
        selectAllReport();
    } else {
        showAbout();
    }
}

}  // namespace fundis

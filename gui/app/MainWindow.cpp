// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
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
#include <functional>

#include "core/calc/TableLookup.h"
#include "core/files/DanFile.h"
#include "core/files/DataLocation.h"
#include "core/files/Examples.h"
#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"
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

// One row a command: the action (its object name, the text with its Alt letter, keys, hint and
// handler), the menu it stands in, and its toolbar button when it has one, each set by name. A row
// without a handler is a submenu, filled elsewhere. The menus take the rows in the table's order, the
// toolbar by slot.
struct MainWindow::CommandRow {
    enum class Menu { File, Calculation, Setup, Help };
    enum class Break { None, Separator, Gap };  // before the menu item / before the toolbar button
    using Handler = void (MainWindow::*)();

    static constexpr CommandRow command(const char* name, const char* text, const char* keys,
                                        const char* hint, Handler handler) {
        CommandRow row;
        row.name = name;
        row.text = text;
        row.keys = keys;
        row.hint = hint;
        row.handler = handler;
        return row;
    }
    static constexpr CommandRow submenu(const char* name, const char* text) {
        return command(name, text, "", "", nullptr);
    }
    // its menu, and what stands before it there
    constexpr CommandRow in(Menu where, Break before = Break::None) const {
        CommandRow row = *this;
        row.menu = where;
        row.menuBreak = before;
        return row;
    }
    // its toolbar button: object name, icon, place from 1, and what stands before it
    constexpr CommandRow button(const char* buttonName, const char* iconName, int place,
                                Break before = Break::None) const {
        CommandRow row = *this;
        row.buttonName = buttonName;
        row.icon = iconName;
        row.slot = place;
        row.toolBreak = before;
        return row;
    }

    const char* name = "";
    const char* text = "";
    const char* keys = "";
    const char* hint = "";
    Handler handler = nullptr;
    Menu menu = Menu::File;
    Break menuBreak = Break::None;
    const char* buttonName = nullptr;  // the toolbar button's object name, nullptr: menu only
    const char* icon = nullptr;
    int slot = 0;
    Break toolBreak = Break::None;
};

namespace {

using Row = MainWindow::CommandRow;
using Menu = Row::Menu;
using Break = Row::Break;

// the menu titles, in the order of Menu
const char* const kMenuTitles[] = {"&Файл", "&Расчет", "&Настройка", "&?"};

// Ctrl+A belongs to the report pane while it has the focus: the key is bound once, by a shortcut of
// the window, and "О программе" only shows it
const Row kCommands[] = {
    Row::command("newProject", "&Новый", "Ctrl+N", "Новый проект с исходными данными по умолчанию",
                 &MainWindow::newProject)
        .in(Menu::File),
    Row::command("openProject", "&Открыть", "Ctrl+O", "Открыть файл с исходными данными",
                 &MainWindow::openProject)
        .in(Menu::File)
        .button("openButton", "open", 1),
    Row::submenu("recentMenu", "&Последние файлы").in(Menu::File),
    Row::submenu("examplesMenu", "П&римеры").in(Menu::File),
    Row::command("saveProject", "&Сохранить", "Ctrl+S", "Сохранить файл с исходными данными",
                 &MainWindow::saveProject)
        .in(Menu::File, Break::Separator)
        .button("saveButton", "save", 2),
    Row::command("saveProjectAs", "Сохранить &как...", "Ctrl+Shift+S",
                 "Сохранить исходные данные в другой файл", &MainWindow::saveProjectAs)
        .in(Menu::File),
    Row::command("saveHtmlReport", "Сохранить в &HTML", "Ctrl+F",
                 "Сохранить результаты расчета в формате HTML", &MainWindow::saveHtmlReport)
        .in(Menu::File, Break::Separator)
        .button("htmlButton", "html", 3),
    Row::command("printReport", "П&ечать", "Ctrl+P", "Печать результатов расчета", &MainWindow::printReport)
        .in(Menu::File)
        .button("printButton", "print", 7),
    Row::command("exportDxf", "Экспорт в &DXF...", "",
                 "Сохранить схему фундамента чертежом DXF для программ САПР", &MainWindow::exportDxf)
        .in(Menu::File),
    Row::command("exitProgram", "&Выход", "Ctrl+Q", "Закрыть программу", &MainWindow::exitProgram)
        .in(Menu::File, Break::Separator),
    Row::command("editInput", "&Ввод данных", "Ctrl+I", "Ввод исходных данных", &MainWindow::editInput)
        .in(Menu::Calculation)
        .button("inputButton", "input", 4, Break::Gap),
    Row::command("startCalculation", "&Начать расчет", "Ctrl+G", "Начать расчет",
                 &MainWindow::startCalculation)
        .in(Menu::Calculation)
        .button("startButton", "start", 5),
    Row::command("showScheme", "Вывести &схему", "Ctrl+L", "Схема фундамента", &MainWindow::showScheme)
        .in(Menu::Calculation)
        .button("schemeButton", "scheme", 6),
    Row::command("showNote", "&Пояснительная записка", "Ctrl+E",
                 "Расчет по шагам: формулы, подставленные значения и пункты норм", &MainWindow::showNote)
        .in(Menu::Calculation),
    Row::command("showSettlement", "Расчет &осадки", "", "Начать расчет осадки фундамента",
                 &MainWindow::showSettlement)
        .in(Menu::Calculation)
        .button("settlementButton", "settlement", 9, Break::Separator),
    Row::command("showSettings", "Настройка &параметров", "Ctrl+Alt+S", "", &MainWindow::showSettings)
        .in(Menu::Setup),
    Row::command("setUpPrinter", "Настройка п&ринтера", "Ctrl+Alt+P", "", &MainWindow::setUpPrinter)
        .in(Menu::Setup),
    Row::command("showHelp", "&Помощь", "F1", "Помощь", &MainWindow::showHelp)
        .in(Menu::Help)
        .button("helpButton", "help", 8, Break::Gap),
    Row::command("showVerificationManual", "Про&верка программы", "",
                 "Программа на опубликованных примерах расчета", &MainWindow::showVerificationManual)
        .in(Menu::Help),
    Row::command("showAbout", "&О программе\tCtrl+A", "", "", &MainWindow::showAbout).in(Menu::Help),
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), document_(this) {
    initIconResources();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(kNoName + QStringLiteral("[*] — Фундис"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fundis.svg")));
    setFont(fundis::windowFont());

    buildReportPane();
    buildCommands();
    buildStatusBar();
    connectDocument();

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
    document_.attachInput(input);
    settingsDialog_->attach(&settings_);
    connect(settingsDialog_, &SettingsDialog::settingsSaved, this, [this](const QString& folder) {
        toolBar_->setVisible(settings_.showToolbar != 0);
        document_.setDialogFolder(folder);
    });
    connect(settingsDialog_, &SettingsDialog::settingsReloaded, this,
            [this] { toolBar_->setVisible(settings_.showToolbar != 0); });
    connect(inputDialog_, &InputDialog::formEdited, this, [this] { document_.setModified(true); });
}

void MainWindow::connectDocument() {
    connect(&document_, &ProjectDocument::modifiedChanged, this, [this](bool modified) {
        setWindowModified(modified);
        updateStaleMark();  // a change may be one the last calculation did not see
    });
    connect(&document_, &ProjectDocument::fileNameChanged, this, &MainWindow::showFileName);
    connect(&document_, &ProjectDocument::recentFilesChanged, this, &MainWindow::rebuildRecentMenu);
    connect(&document_, &ProjectDocument::replaced, this, &MainWindow::forgetCalculation);
    connect(&document_, &ProjectDocument::saved, this, [this] {
        if (lastCalculation_ && !resultsOutOfDate()) {
            lastCalculationFileName_ = document_.fileName();  // the same data under their new name
        }
    });
}

void MainWindow::showFileName(const QString& name) {
    fileNamePanel_->setText(name);
    setWindowTitle(document_.shownName() + QStringLiteral("[*] — Фундис"));
}

void MainWindow::buildCommands() {
    // one action a command: the menu item and the toolbar button are the same command
    std::vector<QMenu*> menus;
    for (const char* title : kMenuTitles) {
        menus.push_back(menuBar()->addMenu(QString::fromUtf8(title)));
    }
    for (const Row& row : kCommands) {
        QMenu* menu = menus[static_cast<std::size_t>(row.menu)];
        if (row.menuBreak == Break::Separator) {
            menu->addSeparator();
        }
        const QString text = QString::fromUtf8(row.text);
        if (row.handler == nullptr) {
            QMenu* submenu = menu->addMenu(text);
            submenu->setObjectName(QString::fromLatin1(row.name));
            continue;
        }
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
        action->setStatusTip(QString::fromUtf8(row.hint));
        if (row.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(row.icon))));
        }
        connect(action, &QAction::triggered, this, row.handler);
        menu->addAction(action);
    }
    recentMenu_ = findChild<QMenu*>(QStringLiteral("recentMenu"));
    examplesMenu_ = findChild<QMenu*>(QStringLiteral("examplesMenu"));
    buildExamplesMenu();

    auto* ctrlA = new QShortcut(QKeySequence(QStringLiteral("Ctrl+A")), this);
    ctrlA->setObjectName(QStringLiteral("CtrlA"));
    connect(ctrlA, &QShortcut::activated, this, &MainWindow::selectAllOrShowAbout);

    buildToolBar();
}

void MainWindow::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setFixedHeight(41);
    toolBar_->setContentsMargins(0, 0, 0, 0);
    toolBar_->layout()->setSpacing(0);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    std::vector<const Row*> buttons;
    for (const Row& row : kCommands) {
        if (row.buttonName != nullptr) {
            buttons.push_back(&row);
        }
    }
    std::sort(buttons.begin(), buttons.end(), [](const Row* a, const Row* b) { return a->slot < b->slot; });
    for (const Row* row : buttons) {
        if (row->toolBreak == Break::Gap) {
            auto* spacer = new QWidget(toolBar_);
            spacer->setFixedSize(10, 38);
            toolBar_->addWidget(spacer);
        } else if (row->toolBreak == Break::Separator) {
            toolBar_->addSeparator();
        }
        auto* action = findChild<QAction*>(QString::fromLatin1(row->name));
        toolBar_->addAction(action);
        auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action));
        button->setObjectName(QString::fromLatin1(row->buttonName));
        button->setFixedSize(39, 38);
        button->setFocusPolicy(Qt::TabFocus);
    }

    // the settlement, the big button: its text, the glyph right of it
    auto* settlement = toolBar_->findChild<QToolButton*>(QStringLiteral("settlementButton"));
    settlement->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    settlement->setLayoutDirection(Qt::RightToLeft);
    settlement->setFont(fundis::windowFont(19));
    settlement->setAutoRaise(false);
    settlement->setFixedSize(165, 38);
}

void MainWindow::buildReportPane() {
    reportPane_ = new QTextEdit(this);
    reportPane_->setObjectName(QStringLiteral("reportPane"));
    reportPane_->setReadOnly(true);
    reportPane_->setAcceptRichText(false);
    reportPane_->setUndoRedoEnabled(false);
    reportPane_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reportPane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportPane_->setFont(fundis::windowFont(13));
    reportPane_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportPane_->setPlaceholderText(
        QStringLiteral("Чтобы начать:\n"
                       "  •  откройте пример из учебника или курсового проекта: «Файл» → «Примеры»;\n"
                       "  •  введите исходные данные: «Расчет» → «Ввод данных» (Ctrl+I);\n"
                       "  •  откройте свой проект: «Файл» → «Открыть» (Ctrl+O).\n"
                       "Затем «Расчет» → «Начать расчет» (Ctrl+G)."));
    setCentralWidget(reportPane_);

    reportMenu_ = new QMenu(reportPane_);
    reportMenu_->setObjectName(QStringLiteral("reportMenu"));
    QAction* selectAll = reportMenu_->addAction(QStringLiteral("Выбрать всё\tCtrl+A"));
    selectAll->setObjectName(QStringLiteral("Select_all"));
    connect(selectAll, &QAction::triggered, this, &MainWindow::selectAllReport);
    QAction* copy = reportMenu_->addAction(QStringLiteral("Копировать в буфер\tCtrl+C"));
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QAction::triggered, this, &MainWindow::copyReport);
    reportPane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(reportPane_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { reportMenu_->popup(reportPane_->viewport()->mapToGlobal(at)); });
}

void MainWindow::buildStatusBar() {
    statusLine_ = new QStatusBar(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setMinimumHeight(19);
    statusLine_->setSizeGripEnabled(true);
    setStatusBar(statusLine_);

    // long texts are shortened: a hint never widens the window
    fileNamePanel_ = new fundis::ElidedLabel(Qt::ElideMiddle, statusLine_);
    fileNamePanel_->setObjectName(QStringLiteral("fileNamePanel"));
    fileNamePanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->addWidget(fileNamePanel_);
    hintPanel_ = new fundis::ElidedLabel(Qt::ElideRight, statusLine_);
    hintPanel_->setObjectName(QStringLiteral("hintPanel"));
    hintPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->addWidget(hintPanel_, 1);
    staleMark_ =
        new QLabel(QStringLiteral("Результаты устарели: данные изменены после расчета"), statusLine_);
    staleMark_->setObjectName(QStringLiteral("staleMark"));
    staleMark_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    staleMark_->setToolTip(
        QStringLiteral("Выполните расчет снова (Ctrl+G), чтобы схема, печать и HTML "
                       "показали новые данные"));
    staleMark_->hide();
    statusLine_->addPermanentWidget(staleMark_);

    // at the right end while a calculation runs
    progressBar_ = new QProgressBar(statusLine_);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setMinimum(0);
    progressBar_->setTextVisible(false);
    progressBar_->hide();
    statusLine_->addPermanentWidget(progressBar_);
    statusLine_->installEventFilter(this);
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
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::Leave) {
        // the hint goes with the mouse
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && !widget->statusTip().isEmpty() &&
            hintPanel_->text() == widget->statusTip()) {
            hintPanel_->clear();
        }
    }
    if (event->type() == QEvent::ToolTip && watched->parent() == toolBar_) {
        return true;  // a toolbar button shows its hint in the status bar only
    }
    if (watched == statusLine_ && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) {
        placeProgressBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeProgressBar() {
    // the status bar lays its panels out; their widths follow the font
    const int letter = statusLine_->fontMetrics().averageCharWidth();
    fileNamePanel_->setFixedWidth(std::min(40 * letter, std::max(statusLine_->width() / 3, 12 * letter)));
    progressBar_->setFixedSize(20 * letter, std::max(8, statusLine_->fontMetrics().height() - 2));
}

void MainWindow::firstActivation() {
    if (activated_ || !inputDialog_ || !settingsDialog_) {
        return;
    }
    activated_ = true;
    qApp->installEventFilter(this);
    inputDialog_->selectFirstItems();
    document_.setUntitled();

    if (const fundis::Status written = settingsDialog_->writeDefaultsIfMissing(); !written) {
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
    }
    settingsDialog_->loadSettings();
    toolBar_->setVisible(settings_.showToolbar != 0);
    document_.setDialogFolder(QString::fromStdString(settings_.dataDir));
    document_.loadRecentFiles();
    document_.setModified(false);
    if (!startFile_.isEmpty()) {
        // after this event: opening shows the input dialog, which runs a loop of its own
        QTimer::singleShot(0, this, [this, path = startFile_] { openProjectFile(path); });
        startFile_.clear();
    }
}

char MainWindow::decimalSeparator() const { return fundis::userDecimalSeparator(); }

QPrinter& MainWindow::printer() {
    // made on first use: looking for printers can take a moment
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

fundis::ReportContext MainWindow::reportContext() const {
    fundis::ReportContext context = fundis::documentContext(
        lastCalculation_ ? &*lastCalculation_ : nullptr,
        {lastCalculationFileName_.toStdString(), settings_.schemeScale, decimalSeparator()});
    context.outOfDate = resultsOutOfDate();
    return context;
}

bool MainWindow::resultsOutOfDate() const {
    return lastCalculation_ && inputDialog_ &&
           (inputDialog_->form() != lastCalculation_->input ||
            document_.settlementInputs() != lastCalculation_->settlementInput);
}

void MainWindow::updateStaleMark() { staleMark_->setVisible(resultsOutOfDate()); }

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
    const ProgressBarHider hider(progressBar_);
    progressBar_->setValue(0);
    progressBar_->show();

    const fundis::ProjectForm shown = inputDialog_->form();
    if (fundis::inputDialogNeeded(shown.text(fundis::TextField::fii), shown.text(fundis::TextField::cii))) {
        editInput();
    }

    // the numbers belong to what the dialog shows now, confirmed or not
    fundis::PassOptions options;
    options.tablesDir = settings_.programDir;
    options.debug = settings_.debugMode != 0;
    options.decimalSeparator = decimalSeparator();
    options.settlementPartRead = document_.settlementPartRead();
    options.progress.start = [this](int maximum) {
        progressBar_->setValue(0);
        progressBar_->setMaximum(maximum);
        progressBar_->show();
        progressBar_->repaint();
    };
    options.progress.step = [this] {
        progressBar_->setValue(std::min(progressBar_->value() + 1, progressBar_->maximum()));
        progressBar_->repaint();
    };
    fundis::ProjectPass pass =
        fundis::runProjectPass(inputDialog_->form(), document_.settlementInputs(), options);
    dropStartHint();
    if (pass.outcome == fundis::PassOutcome::NotRun) {
        reportPane_->clear();
        lastCalculation_.reset();
        updateStaleMark();
        if (!pass.report.empty()) {
            // a field the calculation cannot go without: the pane names it, in red
            fundis::fillReportPane(*reportPane_, pass.report);
            return;
        }
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Расчет не выполнен: %1.\n\n%2")
                                .arg(QString::fromStdString(pass.reason), InputDialog::tablesFolderHint()));
        return;
    }
    fundis::fillReportPane(*reportPane_, pass.report);
    lastCalculationFileName_ = document_.fileName();
    lastCalculation_ = std::move(pass);
    updateStaleMark();
}

void MainWindow::editInput() {
    if (!inputDialog_) {
        return;
    }
    const bool wasModified = document_.hasUnsavedChanges();
    inputDialog_->offerK1Classes(fundis::k1ClassesIn(settings_.programDir, 2));
    if (fundis::dialogs().exec(*inputDialog_) == QDialog::Accepted) {
        if (settings_.iterations == 0) {
            settings_.iterations = 1;
        }
    } else {
        document_.setModified(wasModified);  // cancelled: the controls are as they were
    }
    hintPanel_->clear();  // the dialog's last hint has gone with it
    updateStaleMark();
}

void MainWindow::rebuildRecentMenu() {
    recentMenu_->clear();
    int number = 1;
    for (const std::string& file : document_.recentFiles()) {
        const QString path = QString::fromStdString(file);
        QAction* entry =
            recentMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(path).fileName()));
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { openListedProject(path); });
    }
    recentMenu_->setEnabled(!document_.recentFiles().empty());
}

void MainWindow::openProjectFile(const QString& path) {
    if (document_.open(path)) {
        editInput();
    }
}

void MainWindow::openProject() {
    if (document_.chooseAndOpen()) {
        editInput();
    }
}

void MainWindow::saveProject() { document_.save(); }

void MainWindow::saveProjectAs() { document_.saveAs(); }

void MainWindow::newProject() { document_.startNew(); }

void MainWindow::forgetCalculation() {
    // a project starts without the results of the one before it
    reportPane_->clear();
    dropStartHint();
    lastCalculation_.reset();
    lastCalculationFileName_.clear();
    updateStaleMark();
}

void MainWindow::exitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!document_.maybeSaveChanges()) {
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
    saveDocument(QStringLiteral("Сохранение результата расчета"), lastHtmlName_, QStringLiteral("htm"),
                 kHtmlFilters,
                 [](const fundis::ReportContext& context) { return fundis::htmlReport(context); });
}

void MainWindow::exportDxf() {
    saveDocument(QStringLiteral("Экспорт схемы фундамента в DXF"), lastDxfName_, QStringLiteral("dxf"),
                 kDxfFilters,
                 [](const fundis::ReportContext& context) { return fundis::schemeDxf(context); });
}

void MainWindow::saveDocument(const QString& title, QString& lastName, const QString& suffix,
                              const QStringList& filters,
                              const std::function<std::string(const fundis::ReportContext&)>& content) {
    if (!haveCalculation()) {
        return;
    }
    fundis::FileRequest request;
    request.title = title;
    request.folder = document_.startFolder();
    // the current project's name, in the folder of the last such document when there was one
    const QString base = document_.untitled() ? QStringLiteral("Фундамент")
                                              : QFileInfo(document_.fileName()).completeBaseName();
    const QString folder = lastName.isEmpty() ? document_.startFolder() : QFileInfo(lastName).absolutePath();
    request.proposedName = QDir(folder).filePath(base + QLatin1Char('.') + suffix);
    request.filters = filters;
    request.defaultSuffix = suffix;
    request.save = true;
    const QString name = fundis::dialogs().fileName(this, request);
    if (name.isEmpty()) {
        return;
    }
    lastName = name;
    const fundis::Status written = fundis::saveFileAtomically(localPath(name), content(reportContext()));
    if (!written) {
        fundis::showMessage(this, kCaption, fundis::sentence(written.message()) + QStringLiteral("."));
    }
}

void MainWindow::printReport() {
    if (haveCalculation()) {
        const fundis::ReportContext context = reportContext();
        fundis::printPages(this, fundis::reportPages(context), context, printer(), document_.dialogFolder());
    }
}

void MainWindow::showScheme() {
    if (haveCalculation()) {
        SchemeWindow scheme(this, reportContext(), printer(), document_.dialogFolder());
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
                              document_.dialogFolder());
    fundis::dialogs().exec(window);
}

void MainWindow::showSettings() {
    if (settingsDialog_) {
        fundis::dialogs().exec(*settingsDialog_);
        hintPanel_->clear();
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
        QAction* action = examplesMenu_->addAction(QString::fromUtf8(example.title));
        connect(action, &QAction::triggered, this, [this, path] { openListedProject(path); });
    }
}

void MainWindow::openListedProject(const QString& path) {
    // an example or a recent file opens as "Открыть" opens a file, after the same question
    if (document_.maybeSaveChanges()) {
        openProjectFile(path);
    }
}

void MainWindow::dropStartHint() { reportPane_->setPlaceholderText(QString()); }

void MainWindow::showVerificationManual() {
    showPage(QString::fromStdString(fundis::verificationManualPath(settings_.programDir)));
}

void MainWindow::showHelp() {
    showPage(QDir(QString::fromStdString(settings_.programDir)).filePath(QStringLiteral("Help/index.htm")));
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
    const QFileInfo own(QString::fromStdString(settings_.programDir) + QStringLiteral("/S"));
    if (own.isFile() && own.isExecutable() && QProcess::startDetached(own.absoluteFilePath(), {})) {
        return;
    }
    const fundis::ReportContext design = reportContext();
    SettlementWindow window(this, document_.settlementInputs(), lastCalculation_ ? &design : nullptr,
                            decimalSeparator(), printer(), document_.dialogFolder());
    if (lastCalculation_ && inputDialog_ && inputDialog_->form() != lastCalculation_->input) {
        window.markDesignOutOfDate();
    }
    if (lastCalculation_ && lastCalculation_->settlement &&
        lastCalculation_->settlementInput == document_.settlementInputs()) {
        window.showResult(*lastCalculation_->settlement);
    }
    connect(&window, &SettlementWindow::inputsEdited, this,
            [this, &window] { document_.setSettlementInputs(window.inputs()); });
    connect(&window, &SettlementWindow::calculated, this, [this, &window] {
        // the settlement of the last calculation, with the layers it was made for
        if (lastCalculation_ && window.result() && lastCalculation_->input == inputDialog_->form()) {
            lastCalculation_->settlement = window.result();
            lastCalculation_->settlementInput = window.inputs();
            updateStaleMark();
        }
    });
    fundis::dialogs().exec(window);
    hintPanel_->clear();
}

std::vector<ReportLine> MainWindow::reportLines() const { return fundis::reportPaneLines(*reportPane_); }

void MainWindow::selectAllReport() { reportPane_->selectAll(); }

void MainWindow::copyReport() { reportPane_->copy(); }

void MainWindow::selectAllOrShowAbout() {
    if (reportPane_->hasFocus()) {
        selectAllReport();
    } else {
        showAbout();
    }
}

}  // namespace fundis

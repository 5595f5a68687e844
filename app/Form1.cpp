#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
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

#include "app/AboutBox.h"
#include "files/DanFile.h"
#include "files/DataLocation.h"
#include "files/RecentFiles.h"
#include "files/ui/Form3.h"
#include "input/ui/Form2.h"
#include "model/FileIo.h"
#include "reports/DxfExport.h"
#include "reports/HtmlReport.h"
#include "reports/ui/Form4.h"
#include "reports/ui/Printing.h"
#include "settlement/ui/SettlementWindow.h"
#include "ui/Dialogs.h"
#include "ui/ElidedLabel.h"
#include "ui/Fonts.h"
#include "ui/ReportPane.h"

TForm1* Form1 = nullptr;

namespace {

const QString kNoName = QStringLiteral("Без имени");
const QString kCaption = QStringLiteral("Фундис");
const QStringList kDanFilters = {QStringLiteral("Данные       (*.dan)"), QStringLiteral("Все файлы  (*.*)")};
const QStringList kHtmlFilters = {QStringLiteral("HTML файл (*.htm)"),
                                  QStringLiteral("текстовый файл (*.txt)"),
                                  QStringLiteral("все файлы (*.*)")};
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

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    Q_INIT_RESOURCE(icons);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kNoName + QStringLiteral("[*] — Фундис"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fundis.svg")));
    setFont(fundis::windowFont());

    buildReportPane();
    buildCommands();
    buildStatusBar();

    setMinimumSize(520, 358);
    restoreWindowState();
}

TForm1::~TForm1() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
}

void TForm1::attachDialogs(TForm2* input, TForm3* settingsDialog) {
    form2_ = input;
    form3_ = settingsDialog;
    form3_->attach(&settings);
    connect(form3_, &TForm3::settingsSaved, this, [this](const QString& folder, int progressMaximum) {
        ToolBar1->setVisible(settings.showToolbar != 0);
        dialogFolder_ = folder;
        ProgressBar->setMaximum(progressMaximum);
        form2_->setTablesFolder(settings.programDir);
    });
    connect(form3_, &TForm3::settingsReloaded, this, [this] {
        ToolBar1->setVisible(settings.showToolbar != 0);
        form2_->setTablesFolder(settings.programDir);
    });
    connect(form2_, &TForm2::formEdited, this, [this] {
        setModified(true);
        updateStaleMark();
    });
}

QAction* TForm1::command(const char* name, const QString& text, const QKeySequence& keys, const QString& hint,
                         void (TForm1::*handler)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QToolButton* TForm1::addToolButton(QAction* action, const char* name, const char* icon) {
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    ToolBar1->addAction(action);
    auto* button = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(action));
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(39, 38);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void TForm1::buildCommands() {
    // one action a command: the menu item and the toolbar button are the same command
    QAction* open = command("Open1", QStringLiteral("Открыть"), QKeySequence(QStringLiteral("Ctrl+O")),
                            QStringLiteral("Открыть файл с исходными данными"), &TForm1::ToolButton3Click);
    QAction* save = command("Save1", QStringLiteral("Сохранить"), QKeySequence(QStringLiteral("Ctrl+S")),
                            QStringLiteral("Сохранить файл с исходными данными"), &TForm1::ToolButton4Click);
    QAction* html =
        command("SaveHtml1", QStringLiteral("Сохранить в HTML"), QKeySequence(QStringLiteral("Ctrl+F")),
                QStringLiteral("Сохранить результаты расчета в формате HTML"), &TForm1::ToolButton6Click);
    QAction* print = command("Print1", QStringLiteral("Печать"), QKeySequence(QStringLiteral("Ctrl+P")),
                             QStringLiteral("Печать результатов расчета"), &TForm1::ToolButton5Click);
    QAction* inputData =
        command("Input1", QStringLiteral("Ввод данных"), QKeySequence(QStringLiteral("Ctrl+I")),
                QStringLiteral("Ввод исходных данных"), &TForm1::ToolButton2Click);
    QAction* start =
        command("Start1", QStringLiteral("Начать расчет"), QKeySequence(QStringLiteral("Ctrl+G")),
                QStringLiteral("Начать расчет"), &TForm1::ToolButton1Click);
    QAction* scheme =
        command("Scheme1", QStringLiteral("Вывести схему"), QKeySequence(QStringLiteral("Ctrl+L")),
                QStringLiteral("Схема фундамента"), &TForm1::ToolButton7Click);
    QAction* settlement = command("Settlement1", QStringLiteral("Расчет осадки"), QKeySequence(),
                                  QStringLiteral("Начать расчет осадки фундамента"), &TForm1::BitBtn1Click);
    QAction* help = command("N14", QStringLiteral("Помощь"), QKeySequence(Qt::Key_F1),
                            QStringLiteral("Помощь"), &TForm1::N14Click);

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addAction(command("New1", QStringLiteral("Новый"), QKeySequence(QStringLiteral("Ctrl+N")),
                            QStringLiteral("Новый проект с исходными данными по умолчанию"),
                            &TForm1::NewClick));
    file->addAction(open);
    RecentMenu = file->addMenu(QStringLiteral("Последние файлы"));
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    file->addSeparator();
    file->addAction(save);
    file->addAction(command("SaveAs1", QStringLiteral("Сохранить как..."),
                            QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                            QStringLiteral("Сохранить исходные данные в другой файл"), &TForm1::SaveAsClick));
    file->addSeparator();
    file->addActions({html, print});
    file->addAction(command("ExportDxf1", QStringLiteral("Экспорт в DXF..."), QKeySequence(),
                            QStringLiteral("Сохранить схему фундамента чертежом DXF для программ САПР"),
                            &TForm1::ExportDxfClick));
    file->addSeparator();
    file->addAction(command("Exit1", QStringLiteral("Выход"), QKeySequence(QStringLiteral("Ctrl+Q")),
                            QStringLiteral("Закрыть программу"), &TForm1::ExitClick));
    QMenu* calculation = menuBar()->addMenu(QStringLiteral("Расчет"));
    calculation->addActions({inputData, start, scheme, settlement});
    QMenu* setup = menuBar()->addMenu(QStringLiteral("Настройка"));
    setup->addAction(command("N4", QStringLiteral("Настройка параметров"),
                             QKeySequence(QStringLiteral("Ctrl+Alt+S")), QString(), &TForm1::N4Click));
    setup->addAction(command("N13", QStringLiteral("Настройка принтера"),
                             QKeySequence(QStringLiteral("Ctrl+Alt+P")), QString(), &TForm1::N13Click));
    QMenu* about = menuBar()->addMenu(QStringLiteral("?"));
    about->addAction(help);
    // Ctrl+A belongs to the report pane while it has the focus: the key is bound once, below,
    // and the menu only shows it
    about->addAction(
        command("N11", QStringLiteral("О программе\tCtrl+A"), QKeySequence(), QString(), &TForm1::N11Click));
    auto* ctrlA = new QShortcut(QKeySequence(QStringLiteral("Ctrl+A")), this);
    ctrlA->setObjectName(QStringLiteral("CtrlA"));
    connect(ctrlA, &QShortcut::activated, this, &TForm1::CtrlAPressed);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setFixedHeight(41);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    const auto gap = [this] {
        auto* spacer = new QWidget(ToolBar1);
        spacer->setFixedSize(10, 38);
        ToolBar1->addWidget(spacer);
    };
    ToolButton3 = addToolButton(open, "ToolButton3", "open");
    ToolButton4 = addToolButton(save, "ToolButton4", "save");
    ToolButton6 = addToolButton(html, "ToolButton6", "html");
    gap();
    ToolButton2 = addToolButton(inputData, "ToolButton2", "input");
    ToolButton1 = addToolButton(start, "ToolButton1", "start");
    ToolButton7 = addToolButton(scheme, "ToolButton7", "scheme");
    ToolButton5 = addToolButton(print, "ToolButton5", "print");
    gap();
    ToolButton8 = addToolButton(help, "ToolButton8", "help");
    ToolBar1->addSeparator();
    BitBtn10 = addToolButton(settlement, "BitBtn10", "settlement");
    BitBtn10->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BitBtn10->setLayoutDirection(Qt::RightToLeft);  // the glyph right of the text
    BitBtn10->setFont(fundis::windowFont(19));
    BitBtn10->setAutoRaise(false);
    BitBtn10->setFixedSize(165, 38);
}

void TForm1::buildReportPane() {
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(fundis::windowFont(13));
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setCentralWidget(RichEdit1);

    PopupMenu1 = new QMenu(RichEdit1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* selectAll = PopupMenu1->addAction(QStringLiteral("Выбрать всё\tCtrl+A"));
    selectAll->setObjectName(QStringLiteral("Select_all"));
    connect(selectAll, &QAction::triggered, this, &TForm1::Select_allClick);
    QAction* copy = PopupMenu1->addAction(QStringLiteral("Копировать в буфер\tCtrl+C"));
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QAction::triggered, this, &TForm1::CopyClick);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(at)); });
}

void TForm1::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setMinimumHeight(19);
    StatusBar1->setSizeGripEnabled(true);
    setStatusBar(StatusBar1);

    // long texts are shortened: a hint never widens the window
    StatusPanel0 = new fundis::ElidedLabel(Qt::ElideMiddle, StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(250);
    StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(StatusPanel0);
    StatusPanel1 = new fundis::ElidedLabel(Qt::ElideRight, StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(StatusPanel1, 1);
    StaleMark = new QLabel(QStringLiteral("Результаты устарели: данные изменены после расчета"), StatusBar1);
    StaleMark->setObjectName(QStringLiteral("StaleMark"));
    StaleMark->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    StaleMark->setToolTip(
        QStringLiteral("Выполните расчет снова (Ctrl+G), чтобы схема, печать и HTML "
                       "показали новые данные"));
    StaleMark->hide();
    StatusBar1->addPermanentWidget(StaleMark);

    // not laid out by the status bar: it is kept at the right end by hand, over panel 1
    ProgressBar = new QProgressBar(StatusBar1);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setMinimum(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();
    StatusBar1->installEventFilter(this);
    FormCanResize();
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    } else if (event->type() == QEvent::Show && !activated_) {
        // a window manager may hold back the activation (or there is none, as under Xvfb); the
        // settings must be there before the first command all the same
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
    return QMainWindow::event(event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormCanResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // the hint handler: the long hint of whatever is under the mouse, in any of the windows
        StatusPanel1->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::Leave) {
        // the hint goes with the mouse
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && !widget->statusTip().isEmpty() &&
            StatusPanel1->text() == widget->statusTip()) {
            StatusPanel1->clear();
        }
    }
    if (event->type() == QEvent::ToolTip && watched->parent() == ToolBar1) {
        return true;  // a toolbar button shows its hint in the status bar only
    }
    if (watched == StatusBar1 && event->type() == QEvent::Resize) {
        FormCanResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCanResize() {
    ProgressBar->setGeometry(StatusBar1->width() - 150, 2, 135, StatusBar1->height() - 2);
    ProgressBar->raise();
}

void TForm1::FormActivate() {
    if (activated_ || !form2_ || !form3_) {
        return;
    }
    activated_ = true;
    qApp->installEventFilter(this);
    form2_->selectFirstItems();
    setProjectFile(kNoName);

    if (const fundis::Status written = form3_->writeDefaultsIfMissing(); !written) {
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Не удалось создать файл настроек %1: %2")
                                .arg(form3_->settingsPath(), QString::fromStdString(written.message())));
    }
    form3_->loadSettings();
    ToolBar1->setVisible(settings.showToolbar != 0);
    dialogFolder_ = QString::fromStdString(settings.dataDir);
    form2_->setTablesFolder(settings.programDir);
    recentFiles_ = fundis::readRecentFiles(fundis::recentFilesPath());
    rebuildRecentMenu();
    setModified(false);
    if (!startFile_.isEmpty()) {
        // after this event: opening shows the input dialog, which runs a loop of its own
        QTimer::singleShot(0, this, [this, path = startFile_] { openProject(path); });
        startFile_.clear();
    }
}

char TForm1::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

QPrinter& TForm1::printer() {
    // made on first use: looking for printers can take a moment
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

fundis::ReportContext TForm1::reportContext() const {
    fundis::ReportContext context;
    if (lastCalculation_) {
        context.data = &lastCalculation_->record;
        context.craneAndWind = lastCalculation_->input.craneAndWind;
        context.settlement = lastCalculation_->settlement ? &*lastCalculation_->settlement : nullptr;
    }
    context.fileName = lastCalculationFileName_.toStdString();
    context.schemeScale = settings.schemeScale;
    context.decimalSeparator = decimalSeparator();
    return context;
}

bool TForm1::resultsOutOfDate() const {
    return lastCalculation_ && form2_ &&
           (form2_->toForm() != lastCalculation_->input ||
            settlementInputs_ != lastCalculation_->settlementInput);
}

void TForm1::updateStaleMark() { StaleMark->setVisible(resultsOutOfDate()); }

bool TForm1::haveCalculation() {
    if (lastCalculation_) {
        return true;
    }
    fundis::showMessage(this, kCaption, QStringLiteral("Сначала выполните расчет."));
    return false;
}

void TForm1::ToolButton1Click() {
    if (!form2_) {
        return;
    }
    const ProgressBarHider hider(ProgressBar);
    ProgressBar->setValue(0);
    ProgressBar->show();

    if (fundis::inputDialogNeeded(form2_->edit(13)->text().toStdString(),
                                  form2_->edit(14)->text().toStdString())) {
        ToolButton2Click();
    }

    // the numbers belong to what the dialog shows now, confirmed or not
    fundis::PassOptions options;
    options.tablesDir = settings.programDir;
    options.debug = settings.debugMode != 0;
    options.decimalSeparator = decimalSeparator();
    options.progress.start = [this](int maximum) {
        ProgressBar->setValue(0);
        ProgressBar->setMaximum(maximum);
        ProgressBar->show();
        ProgressBar->repaint();
    };
    options.progress.step = [this] {
        ProgressBar->setValue(std::min(ProgressBar->value() + 1, ProgressBar->maximum()));
        ProgressBar->repaint();
    };
    fundis::ProjectPass pass = fundis::runProjectPass(form2_->toForm(), settlementInputs_, options);
    if (!settlementProblem_ && !pass.settlement && pass.outcome != fundis::PassOutcome::NotRun) {
        pass.settlement = fundis::unreadSettlementPass(settlementProblem_, options.decimalSeparator);
    }
    if (pass.outcome == fundis::PassOutcome::NotRun) {
        RichEdit1->clear();
        lastCalculation_.reset();
        updateStaleMark();
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Расчет не выполнен: %1.\n\n%2")
                                .arg(QString::fromStdString(pass.reason), TForm2::tablesFolderHint()));
        return;
    }
    fundis::fillReportPane(*RichEdit1, pass.report);
    lastCalculationFileName_ = fileName;
    lastCalculation_ = std::move(pass);
    updateStaleMark();
}

void TForm1::ToolButton2Click() {
    if (form2_ && fundis::dialogs().exec(*form2_) == QDialog::Accepted && settings.iterations == 0) {
        settings.iterations = 1;
    }
    StatusPanel1->clear();  // the dialog's last hint has gone with it
    updateStaleMark();
}

bool TForm1::untitled() const { return fileName.isEmpty() || fileName == kNoName; }

QString TForm1::startFolder() const {
    // a data folder that is gone (or never set) would make the dialogs propose its name
    return QFileInfo(dialogFolder_).isDir() ? dialogFolder_ : QDir::homePath();
}

void TForm1::setModified(bool modified) { setWindowModified(modified); }

void TForm1::setProjectFile(const QString& name) {
    fileName = name;
    proposedSaveName_ = untitled() ? QString() : name;
    StatusPanel0->setText(fileName);
    setWindowTitle((untitled() ? kNoName : QFileInfo(name).fileName()) + QStringLiteral("[*] — Фундис"));
    if (!untitled()) {
        rememberRecentFile(name);
    }
}

void TForm1::rememberRecentFile(const QString& name) {
    recentFiles_ = fundis::withRecentFile(recentFiles_, QFileInfo(name).absoluteFilePath().toStdString());
    (void)fundis::writeRecentFiles(fundis::recentFilesPath(), recentFiles_);
    rebuildRecentMenu();
}

void TForm1::rebuildRecentMenu() {
    RecentMenu->clear();
    int number = 1;
    for (const std::string& file : recentFiles_) {
        const QString path = QString::fromStdString(file);
        QAction* entry =
            RecentMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(path).fileName()));
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (maybeSaveChanges()) {
                openProject(path);
            }
        });
    }
    RecentMenu->setEnabled(!recentFiles_.empty());
}

bool TForm1::maybeSaveChanges() {
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

void TForm1::openProject(const QString& name) {
    if (!form2_) {
        return;
    }
    // read into a copy: a file that cannot be read leaves the dialog as it was
    fundis::ProjectFile project;
    project.form = form2_->toForm();
    fundis::Status settlementProblem;
    const fundis::Status read = fundis::readProjectFile(localPath(name), project, settlementProblem);
    if (!read) {
        fundis::showMessage(
            this, kCaption,
            QStringLiteral("Не удалось прочитать файл %1: %2.\nДанные в окне ввода не изменены.")
                .arg(quoted(name), QString::fromStdString(read.message())));
        if (!QFileInfo::exists(name)) {
            recentFiles_ =
                fundis::withoutRecentFile(recentFiles_, QFileInfo(name).absoluteFilePath().toStdString());
            (void)fundis::writeRecentFiles(fundis::recentFilesPath(), recentFiles_);
            rebuildRecentMenu();
        }
        return;
    }
    form2_->fromForm(project.form);
    settlementInputs_ = project.settlement;
    settlementProblem_ = settlementProblem;
    setProjectFile(name);
    setModified(false);
    form2_->applyVisibilityRules();
    if (!settlementProblem) {
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Данные расчета осадки в файле %1 не прочитаны: %2.\n"
                                           "Исходные данные фундамента загружены; слои грунта задайте заново "
                                           "в окне «Расчет осадки».")
                                .arg(quoted(name), QString::fromStdString(settlementProblem.message())));
    }
    ToolButton2Click();
}

void TForm1::ToolButton3Click() {
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

bool TForm1::saveProjectTo(const QString& name) {
    const fundis::ProjectForm form = form2_->toForm();
    const fundis::Status written = fundis::writeProjectFile(localPath(name), {form, settlementInputs_});
    if (!written) {
        // the name is not taken: the status bar must not show a file that was not written
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Не удалось сохранить файл %1: %2")
                                .arg(quoted(name), QString::fromStdString(written.message())));
        return false;
    }
    setProjectFile(name);
    setModified(false);
    if (lastCalculation_ && !resultsOutOfDate()) {
        lastCalculationFileName_ = fileName;  // the same data under their new name
    }
    return true;
}

bool TForm1::saveProjectAs() {
    if (!form2_) {
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

bool TForm1::saveProject() { return untitled() ? saveProjectAs() : saveProjectTo(fileName); }

void TForm1::ToolButton4Click() {
    if (form2_) {
        saveProject();
    }
}

void TForm1::SaveAsClick() { saveProjectAs(); }

void TForm1::NewClick() {
    if (!form2_ || !maybeSaveChanges()) {
        return;
    }
    form2_->fromForm(fundis::ProjectForm());
    form2_->applyVisibilityRules();
    settlementInputs_ = fundis::SettlementInputs();
    settlementProblem_ = fundis::Status();
    setProjectFile(kNoName);
    setModified(false);
    lastHtmlName.clear();
    lastDxfName_.clear();
    // a new project starts without the results of the old one
    RichEdit1->clear();
    lastCalculation_.reset();
    updateStaleMark();
}

void TForm1::ExitClick() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (!maybeSaveChanges()) {
        event->ignore();
        return;
    }
    saveWindowState();
    event->accept();
}

void TForm1::restoreWindowState() {
    std::string saved;
    if (fundis::readWholeFile(fundis::windowStatePath(), saved) &&
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) {
        return;
    }
    // a first start: a good share of the screen, in its middle
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1000, available.width() * 4 / 5), std::min(720, available.height() * 4 / 5));
    move(available.center() - rect().center());
}

void TForm1::saveWindowState() const {
    // the place of a window is not worth a message when it cannot be kept
    QDir().mkpath(QString::fromStdString(fundis::settingsFolder()));
    (void)fundis::saveFileAtomically(fundis::windowStatePath(), saveGeometry().toBase64().toStdString());
}

void TForm1::ToolButton6Click() {
    if (!haveCalculation()) {
        return;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Сохранение результата расчета");
    request.folder = startFolder();
    request.proposedName = lastHtmlName;
    if (request.proposedName.isEmpty()) {
        const QString base =
            untitled() ? QStringLiteral("Фундамент") : QFileInfo(fileName).completeBaseName();
        request.proposedName = QDir(startFolder()).filePath(base + QStringLiteral(".htm"));
    }
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
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Не удалось сохранить файл %1: %2")
                                .arg(quoted(name), QString::fromStdString(written.message())));
    }
}

void TForm1::ExportDxfClick() {
    if (!haveCalculation()) {
        return;
    }
    fundis::FileRequest request;
    request.title = QStringLiteral("Экспорт схемы фундамента в DXF");
    request.folder = startFolder();
    request.proposedName = lastDxfName_;
    if (request.proposedName.isEmpty()) {
        const QString base =
            untitled() ? QStringLiteral("Фундамент") : QFileInfo(fileName).completeBaseName();
        request.proposedName = QDir(startFolder()).filePath(base + QStringLiteral(".dxf"));
    }
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
        fundis::showMessage(this, kCaption,
                            QStringLiteral("Не удалось сохранить файл %1: %2")
                                .arg(quoted(name), QString::fromStdString(written.message())));
    }
}

void TForm1::ToolButton5Click() {
    if (haveCalculation()) {
        fundis::printPages(this, fundis::reportPages(), reportContext(), printer(), dialogFolder_);
    }
}

void TForm1::ToolButton7Click() {
    if (haveCalculation()) {
        TForm4 scheme(this, reportContext(), printer(), dialogFolder_);
        fundis::dialogs().exec(scheme);
    }
}

void TForm1::N4Click() {
    if (form3_) {
        fundis::dialogs().exec(*form3_);
        StatusPanel1->clear();
    }
}

void TForm1::N11Click() {
    AboutBox = new TAboutBox(this);
    fundis::dialogs().exec(*AboutBox);
    delete AboutBox;
    AboutBox = nullptr;
}

void TForm1::N13Click() {
    QPrintDialog dialog(&printer(), this);
    fundis::dialogs().exec(dialog);
}

void TForm1::N14Click() {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(settings.programDir) + QStringLiteral("/Help/index.htm")));
}

void TForm1::BitBtn1Click() {
    // a settlement program of the user's own in the program folder still starts as it always did
    const QFileInfo own(QString::fromStdString(settings.programDir) + QStringLiteral("/S"));
    if (own.isFile() && own.isExecutable() && QProcess::startDetached(own.absoluteFilePath(), {})) {
        return;
    }
    const fundis::TProjectData* design = lastCalculation_ ? &lastCalculation_->record : nullptr;
    TSettlementForm window(this, settlementInputs_, design, decimalSeparator(), printer(), dialogFolder_);
    if (lastCalculation_ && lastCalculation_->settlement &&
        lastCalculation_->settlementInput == settlementInputs_) {
        window.showResult(*lastCalculation_->settlement);
    }
    connect(&window, &TSettlementForm::inputsEdited, this, [this, &window] {
        settlementInputs_ = window.inputs();
        settlementProblem_ = fundis::Status();
        setModified(true);
        updateStaleMark();
    });
    connect(&window, &TSettlementForm::calculated, this, [this, &window] {
        // the settlement of the last calculation, with the layers it was made for
        if (lastCalculation_ && window.result() && lastCalculation_->input == form2_->toForm()) {
            lastCalculation_->settlement = window.result();
            lastCalculation_->settlementInput = window.inputs();
            updateStaleMark();
        }
    });
    fundis::dialogs().exec(window);
    StatusPanel1->clear();
}

void TForm1::Select_allClick() { RichEdit1->selectAll(); }

void TForm1::CopyClick() { RichEdit1->copy(); }

void TForm1::CtrlAPressed() {
    if (RichEdit1->hasFocus()) {
        Select_allClick();
    } else {
        N11Click();
    }
}

#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <exception>

#include "app/AboutBox.h"
#include "app/DataLocation.h"
#include "app/Fonts.h"
#include "app/Hints.h"
#include "app/Messages.h"
#include "app/ReportTabs.h"
#include "calc/Calculation.h"
#include "files/DanFile.h"
#include "files/Form3.h"
#include "input/Form2.h"
#include "reports/HtmlReport.h"
#include "reports/ReportWindows.h"

TForm1* Form1 = nullptr;

namespace {

const QString kNoName = QStringLiteral("Без имени");
const QStringList kDanFilters = {QStringLiteral("Данные       (*.dan)"), QStringLiteral("Все файлы  (*.*)")};
const QStringList kHtmlFilters = {QStringLiteral("HTML файл (*.htm)"),
                                  QStringLiteral("текстовый файл (*.txt)"),
                                  QStringLiteral("все файлы (*.*)")};

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
    setWindowTitle(QStringLiteral("Фундис"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fundis.svg")));
    setFont(fundis::windowFont());

    askFileName = [this](const FileRequest& request) { return defaultAskFileName(request); };
    showModal = [](QDialog& dialog) { return dialog.exec(); };

    buildReportPane();
    buildMenu();
    buildToolBar();
    buildStatusBar();

    resize(512, 334);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TForm1::~TForm1() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
}

void TForm1::attachDialogs(TForm2* input, TForm3* settingsDialog) {
    form2_ = input;
    form3_ = settingsDialog;
    form2_->attach(&record, &settings);
    form3_->attach(&settings);
    connect(form3_, &TForm3::settingsSaved, this, [this](const QString& folder, int progressMaximum) {
        ToolBar1->setVisible(settings.showToolbar != 0);
        dialogFolder_ = folder;
        ProgressBar->setMaximum(progressMaximum);
    });
    connect(form3_, &TForm3::settingsReloaded, this,
            [this] { ToolBar1->setVisible(settings.showToolbar != 0); });
}

void TForm1::buildMenu() {
    auto command = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                          const QString& hint, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
        }
        action->setStatusTip(fundis::longHint(hint));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    command(file, "Open1", QStringLiteral("Открыть"), QKeySequence(QStringLiteral("Ctrl+O")),
            QStringLiteral("|Открыть файл с исходными данными"), &TForm1::ToolButton3Click);
    command(file, "Save1", QStringLiteral("Сохранить"), QKeySequence(QStringLiteral("Ctrl+S")),
            QStringLiteral("|Сохранить файл с исходными данными"), &TForm1::ToolButton4Click);
    command(file, "SaveHtml1", QStringLiteral("Сохранить в HTML"), QKeySequence(QStringLiteral("Ctrl+F")),
            QStringLiteral("|Сохранить результаты расчета в формате HTML"), &TForm1::ToolButton6Click);
    command(file, "Print1", QStringLiteral("Печать"), QKeySequence(QStringLiteral("Ctrl+P")),
            QStringLiteral("|Печать результатов расчета"), &TForm1::ToolButton5Click);

    QMenu* calculation = menuBar()->addMenu(QStringLiteral("Расчет"));
    command(calculation, "Input1", QStringLiteral("Ввод данных"), QKeySequence(QStringLiteral("Ctrl+I")),
            QStringLiteral("|Ввод исходных данных"), &TForm1::ToolButton2Click);
    command(calculation, "Start1", QStringLiteral("Начать расчет"), QKeySequence(QStringLiteral("Ctrl+G")),
            QStringLiteral("|Начать расчет"), &TForm1::ToolButton1Click);
    command(calculation, "Scheme1", QStringLiteral("Вывести схему"), QKeySequence(QStringLiteral("Ctrl+L")),
            QStringLiteral("|Схема фундамента"), &TForm1::ToolButton7Click);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("Настройка"));
    command(setup, "N4", QStringLiteral("Настройка параметров"), QKeySequence(QStringLiteral("Ctrl+Alt+S")),
            QString(), &TForm1::N4Click);
    command(setup, "N13", QStringLiteral("Настройка принтера"), QKeySequence(QStringLiteral("Ctrl+Alt+P")),
            QString(), &TForm1::N13Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
    command(help, "N14", QStringLiteral("Помощь"), QKeySequence(Qt::Key_F1), QStringLiteral("|Помощь"),
            &TForm1::N14Click);
    // Ctrl+A belongs to the report pane while it has the focus: the key is bound once, below,
    // and the menu only shows it
    command(help, "N11", QStringLiteral("О программе\tCtrl+A"), QKeySequence(), QString(), &TForm1::N11Click);
    auto* ctrlA = new QShortcut(QKeySequence(QStringLiteral("Ctrl+A")), this);
    ctrlA->setObjectName(QStringLiteral("CtrlA"));
    connect(ctrlA, &QShortcut::activated, this, &TForm1::CtrlAPressed);
}

void TForm1::buildToolBar() {
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

    auto button = [this](const char* name, const char* icon, const QString& hint, void (TForm1::*handler)()) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(39, 38);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        // a toolbar button shows its hint in the status bar only
        fundis::setHint(b, QStringLiteral("|") + hint);
        connect(b, &QToolButton::clicked, this, handler);
        ToolBar1->addWidget(b);
        return b;
    };
    auto gap = [this] {
        auto* spacer = new QWidget(ToolBar1);
        spacer->setFixedSize(10, 38);
        ToolBar1->addWidget(spacer);
    };

    ToolButton3 = button("ToolButton3", "open", QStringLiteral("Открыть файл с исходными данными"),
                         &TForm1::ToolButton3Click);
    ToolButton4 = button("ToolButton4", "save", QStringLiteral("Сохранить файл с исходными данными"),
                         &TForm1::ToolButton4Click);
    ToolButton6 = button("ToolButton6", "html", QStringLiteral("Сохранить результаты расчета в формате HTML"),
                         &TForm1::ToolButton6Click);
    gap();
    ToolButton2 =
        button("ToolButton2", "input", QStringLiteral("Ввод исходных данных"), &TForm1::ToolButton2Click);
    ToolButton1 = button("ToolButton1", "start", QStringLiteral("Начать расчет"), &TForm1::ToolButton1Click);
    ToolButton7 =
        button("ToolButton7", "scheme", QStringLiteral("Схема фундамента"), &TForm1::ToolButton7Click);
    ToolButton5 = button("ToolButton5", "print", QStringLiteral("Печать результатов расчета"),
                         &TForm1::ToolButton5Click);
    gap();
    ToolButton8 = button("ToolButton8", "help", QStringLiteral("Помощь"), &TForm1::N14Click);
    ToolBar1->addSeparator();

    BitBtn10 = button("BitBtn10", "settlement", QStringLiteral("Начать расчет осадки фундамента"),
                      &TForm1::BitBtn1Click);
    BitBtn10->setText(QStringLiteral("Расчет осадки"));
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
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(true);
    setStatusBar(StatusBar1);

    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(250);
    StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(StatusPanel0);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(StatusPanel1, 1);

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
    fileName = kNoName;
    StatusPanel0->setText(fileName);
    record.d = 0;

    QString error;
    if (!form3_->writeDefaultsIfMissing(fundis::installedDataDir(), fundis::defaultDataDir(), error)) {
        fundis::showMessage(
            this, windowTitle(),
            QStringLiteral("Не удалось создать файл настроек %1: %2").arg(form3_->settingsPath(), error));
    }
    form3_->loadSettings();
    ToolBar1->setVisible(settings.showToolbar != 0);
    dialogFolder_ = QString::fromStdString(settings.dataDir);
}

QString TForm1::defaultAskFileName(const FileRequest& request) {
    QFileDialog dialog(this, request.title, request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
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
    context.data = &record;
    context.fileName = fileName.toStdString();
    context.craneAndWind = form2_ && form2_->CheckBox1->isChecked();
    context.schemeScale = settings.schemeScale;
    context.decimalSeparator = decimalSeparator();
    return context;
}

void TForm1::clearReport() {
    RichEdit1->clear();
    reportHasLines_ = false;
}

void TForm1::appendReportLine(const QString& text, bool failure) {
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(failure ? QColor(255, 0, 0) : QColor(0, 0, 0));
    format.setFontWeight(failure ? QFont::Bold : QFont::Normal);
    if (reportHasLines_) {
        cursor.insertBlock(QTextBlockFormat(), format);
    } else {
        cursor.setBlockCharFormat(format);
    }
    cursor.insertText(text, format);
    reportHasLines_ = true;
}

void TForm1::writeReport(const std::vector<fundis::ReportLine>& lines) {
    QStringList texts;
    for (const fundis::ReportLine& line : lines) {
        const QString text = QString::fromStdString(line.text);
        appendReportLine(text, line.failure);
        texts << text;
    }
    const QFontMetricsF metrics(RichEdit1->font());
    RichEdit1->setTabStopDistance(fundis::chooseTabDistance(
        texts, [&metrics](const QString& part) { return metrics.horizontalAdvance(part); }));
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

    fundis::CalculationOptions options;
    options.programDir = settings.programDir;
    options.debug = settings.debugMode != 0;
    options.decimalSeparator = decimalSeparator();
    options.concreteClassCount = form2_->comboBox(9)->count();
    options.concreteClassIndex = form2_->comboBox(9)->currentIndex();
    fundis::ProgressCallbacks progress;
    progress.start = [this](int maximum) {
        ProgressBar->setValue(0);
        ProgressBar->setMaximum(maximum);
        ProgressBar->show();
        ProgressBar->repaint();
    };
    progress.step = [this] {
        ProgressBar->setValue(std::min(ProgressBar->value() + 1, ProgressBar->maximum()));
        ProgressBar->repaint();
    };

    std::vector<fundis::ReportLine> lines;
    try {
        lines = fundis::runCalculation(record, options, progress);
    } catch (const std::exception& error) {
        clearReport();
        fundis::showMessage(this, windowTitle(),
                            QStringLiteral("Расчет прерван: %1").arg(QString::fromStdString(error.what())));
        return;
    }
    clearReport();
    writeReport(lines);
}

void TForm1::ToolButton2Click() {
    if (form2_) {
        showModal(*form2_);
    }
}

void TForm1::ToolButton3Click() {
    FileRequest request;
    request.title = QStringLiteral("Открытие файла с исходными данными");
    request.folder = dialogFolder_;
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    const QString name = askFileName(request);
    if (name.isEmpty() || !form2_) {
        return;
    }
    // read into a copy: a file that cannot be read leaves the dialog as it was
    fundis::ProjectForm form = form2_->toForm();
    const fundis::DanReadResult result = fundis::readDanFile(localPath(name), form);
    if (!result.ok) {
        fundis::showMessage(this, windowTitle(),
                            QStringLiteral("Не удалось прочитать файл %1: %2")
                                .arg(quoted(name), QString::fromStdString(result.error)));
        return;
    }
    fileName = name;
    proposedSaveName_ = name;
    form2_->fromForm(form);
    StatusPanel0->setText(fileName);
    form2_->applyVisibilityRules();
    ToolButton2Click();
}

void TForm1::ToolButton4Click() {
    if (!form2_) {
        return;
    }
    FileRequest request;
    request.title = QStringLiteral("Сохранение исходных данных");
    request.folder = dialogFolder_;
    request.proposedName = proposedSaveName_;
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    request.save = true;
    const QString name = askFileName(request);
    if (name.isEmpty()) {
        return;
    }
    const fundis::DanWriteResult result = fundis::writeDanFile(localPath(name), form2_->toForm());
    if (!result.ok) {
        // the name is not taken: the status bar must not show a file that was not written
        fundis::showMessage(this, windowTitle(),
                            QStringLiteral("Не удалось сохранить файл %1: %2")
                                .arg(quoted(name), QString::fromStdString(result.error)));
        return;
    }
    fileName = name;
    proposedSaveName_ = name;
    StatusPanel0->setText(fileName);
}

void TForm1::ToolButton6Click() {
    FileRequest request;
    request.title = QStringLiteral("Сохранение результата расчета");
    request.folder = dialogFolder_;
    request.proposedName = lastHtmlName;
    request.filters = kHtmlFilters;
    request.defaultSuffix = QStringLiteral("htm");
    request.save = true;
    const QString name = askFileName(request);
    if (name.isEmpty()) {
        return;
    }
    lastHtmlName = name;
    const std::string page =
        fundis::htmlReport(record, fileName.toStdString(), form2_ && form2_->CheckBox1->isChecked());
    QSaveFile file(name);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(page.data(), static_cast<qint64>(page.size())) == static_cast<qint64>(page.size()) &&
        file.commit();
    if (!written) {
        fundis::showMessage(
            this, windowTitle(),
            QStringLiteral("Не удалось сохранить файл %1: %2").arg(quoted(name), file.errorString()));
    }
}

void TForm1::ToolButton5Click() {
    fundis::printReportDocuments(this, reportContext(), printer(), dialogFolder_);
}

void TForm1::ToolButton7Click() { fundis::showSchemeWindow(this, reportContext(), printer(), dialogFolder_); }

void TForm1::N4Click() {
    if (form3_) {
        showModal(*form3_);
    }
}

void TForm1::N11Click() {
    AboutBox = new TAboutBox(this);
    showModal(*AboutBox);
    delete AboutBox;
    AboutBox = nullptr;
}

void TForm1::N13Click() {
    QPrintDialog dialog(&printer(), this);
    showModal(dialog);
}

void TForm1::N14Click() {
    tablePath = QString::fromStdString(settings.programDir) + QStringLiteral("/Help/index.htm");
    QDesktopServices::openUrl(QUrl::fromLocalFile(tablePath));
}

void TForm1::BitBtn1Click() {
    tablePath = QString::fromStdString(settings.programDir) + QStringLiteral("/S");
    QDesktopServices::openUrl(QUrl::fromLocalFile(tablePath));
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

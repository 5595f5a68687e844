#include "gui/settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

#include "core/files/DataLocation.h"
#include "core/files/Settings.h"
#include "core/model/NumberFormat.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/Hints.h"

namespace fundis {

using fundis::setHint;

namespace {

constexpr int kLongestFolder = 255;  // the settings file's folder lines
constexpr int kMargin = 10;

// A count or a scale: digits only, more than zero.
bool isPositiveWhole(const QString& text) {
    const std::string digits = text.toStdString();
    const fundis::LeadingInteger number = fundis::readLeadingInteger(digits);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos && number.fits &&
           number.value > 0;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, const QString& hint) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    setHint(label, hint);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& place, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(place);
    setHint(edit, hint);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& place,
                        const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    setHint(button, hint);
    return button;
}

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("SettingsDialog"));
    settingsPath_ = QString::fromStdString(fundis::settingsFilePath());
    setWindowTitle(QStringLiteral("Настройка"));
    setFont(fundis::windowFont());

    CheckBox1 = new QCheckBox(QStringLiteral("Отладка"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(0, 0);
    CheckBox1->adjustSize();
    setHint(CheckBox1, QStringLiteral("Показывать отладочные данные"));

    CheckBox2 = new QCheckBox(QStringLiteral("Панель инструментов"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->move(72, 0);
    CheckBox2->adjustSize();
    setHint(CheckBox2, QStringLiteral("Показать панель инструментов"));

    const QString iterationsHint = QStringLiteral("К-во итераций расчета");
    makeLabel(this, QStringLiteral("К-во шагов итерации"), 8, 28, iterationsHint);
    Edit1 = makeEdit(this, "Edit1", QRect(128, 24, 25, 21), iterationsHint);
    Edit1->setMaxLength(2);

    const QString scaleHint = QStringLiteral("Масштаб представления схемы фундамента");
    makeLabel(this, QStringLiteral("Масштаб 1:"), 56, 60, scaleHint);
    Edit3 = makeEdit(this, "Edit3", QRect(128, 56, 33, 21), scaleHint);

    const QString programHint = QStringLiteral("Папка с программой (Фундис.exe)");
    makeLabel(this, QStringLiteral("Папка с программой"), 0, 92, programHint);
    Edit4 = makeEdit(this, "Edit4", QRect(0, 112, 185, 21), programHint);
    Edit4->setMaxLength(kLongestFolder);
    Button4 = makeButton(this, "Button4", QStringLiteral("..."), QRect(184, 112, 25, 21), programHint);

    const QString dataHint = QStringLiteral("Папка с исходными данными и результатами расчета");
    makeLabel(this, QStringLiteral("Папка с данными"), 0, 148, dataHint);
    Edit2 = makeEdit(this, "Edit2", QRect(0, 168, 185, 21), dataHint);
    Edit2->setMaxLength(kLongestFolder);
    Button5 = makeButton(this, "Button5", QStringLiteral("..."), QRect(184, 168, 25, 21), dataHint);

    Button1 = makeButton(this, "Button1", QStringLiteral("Сохранить настройки"), QRect(8, 246, 128, 25),
                         QStringLiteral("Сохранение выбранных настроек"));
    Button2 = makeButton(this, "Button2", QStringLiteral("Отмена"), QRect(144, 246, 75, 25),
                         QStringLiteral("Отмена выбранных настроек"));

    GroupBox1 = new QGroupBox(QStringLiteral("Настройка местоположения"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(224, 0, 201, 285);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView(GroupBox1);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(18, 23, 175, 194);
    DirectoryListBox1->setModel(folders_);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        DirectoryListBox1->hideColumn(column);
    }
    setHint(DirectoryListBox1, QStringLiteral("Местонахождение папки"));

    DriveComboBox1 = new QComboBox(GroupBox1);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(48, 226, 145, 21);
    setHint(DriveComboBox1, QStringLiteral("Имя привода с данными"));
    fillVolumes();

    Button6 = makeButton(GroupBox1, "Button6", QStringLiteral("OK"), QRect(118, 256, 75, 25),
                         QStringLiteral("Выбрать папку"));

    connect(Button1, &QPushButton::clicked, this, &SettingsDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SettingsDialog::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &SettingsDialog::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SettingsDialog::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &SettingsDialog::Button6Click);
    connect(DriveComboBox1, &QComboBox::activated, this, &SettingsDialog::DriveComboBox1Change);

    // the controls keep their places to one another, a margin away from the dialog's edges
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        child->move(child->pos() + QPoint(kMargin, kMargin));
    }
    showTexts(fundis::defaultSettings());

    showChooser(false);
}

void SettingsDialog::attach(fundis::Settings* settings) { settings_ = settings; }

void SettingsDialog::fillVolumes() {
    DriveComboBox1->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) {
            continue;
        }
        const QString name = volume.displayName();
        const QString root = volume.rootPath();
        DriveComboBox1->addItem(
            name == root ? root : root + QStringLiteral("  [") + name + QStringLiteral("]"), root);
    }
}

int SettingsDialog::volumeIndexOf(const QString& path) const {
    const QString root = QStorageInfo(path).rootPath();
    int best = -1;
    qsizetype longest = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString candidate = DriveComboBox1->itemData(i).toString();
        if (candidate == root) {
            return i;
        }
        // a folder not yet reachable: the volume whose root is the longest start of its path
        const bool starts =
            path.startsWith(candidate.endsWith(QLatin1Char('/')) ? candidate : candidate + QLatin1Char('/'));
        if ((starts || path == candidate) && candidate.size() > longest) {
            best = i;
            longest = candidate.size();
        }
    }
    return best;
}

void SettingsDialog::pointFolderList(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    const int volume = volumeIndexOf(folder);
    const QString root = volume >= 0 ? DriveComboBox1->itemData(volume).toString() : QDir::rootPath();
    DirectoryListBox1->setRootIndex(folders_->index(root));
    QString target = QDir::cleanPath(folder);
    // a folder that is gone: its nearest existing parent
    while (!QFileInfo(target).isDir() && target != root && target.size() > 1) {
        target = QFileInfo(target).absolutePath();
    }
    const QModelIndex index = folders_->index(target);
    if (index.isValid()) {
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index);
    }
    DriveComboBox1->setCurrentIndex(volume);
}

QString SettingsDialog::chosenFolder() const {
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (current.isValid()) {
        return folders_->filePath(current);
    }
    return folders_->filePath(DirectoryListBox1->rootIndex());
}

fundis::Status SettingsDialog::writeDefaultsIfMissing() {
    if (QFileInfo::exists(settingsPath_)) {
        return {};
    }
    fundis::SettingsTexts texts = fundis::defaultSettings();
    // the data folder of a new account may not exist yet; without it the home folder serves
    if (!QDir().mkpath(QString::fromStdString(texts.dataDir))) {
        texts.dataDir = QDir::homePath().toStdString();
    }
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    return fundis::writeSettingsFile(utf8(settingsPath_), texts);
}

void SettingsDialog::loadSettings() {
    fundis::Settings scratch;
    fundis::Settings& settings = settings_ ? *settings_ : scratch;
    fundis::readSettingsFile(utf8(settingsPath_), settings);
    Edit1->setText(QString::number(settings.iterations));
    CheckBox1->setChecked(settings.debugMode != 0);
    CheckBox2->setChecked(settings.showToolbar != 0);
    Edit2->setText(QString::fromStdString(settings.dataDir));
    Edit3->setText(QString::number(settings.schemeScale));
    Edit4->setText(QString::fromStdString(settings.programDir));
    pointFolderList(QString::fromStdString(settings.dataDir));
}

void SettingsDialog::showTexts(const fundis::SettingsTexts& texts) {
    Edit1->setText(QString::fromStdString(texts.iterations));
    CheckBox1->setChecked(texts.debug);
    CheckBox2->setChecked(texts.toolbar);
    Edit2->setText(QString::fromStdString(texts.dataDir));
    Edit3->setText(QString::fromStdString(texts.schemeScale));
    Edit4->setText(QString::fromStdString(texts.programDir));
}

void SettingsDialog::Button1Click() {
    const std::pair<QLineEdit*, QString> numbers[] = {{Edit1, QStringLiteral("К-во шагов итерации")},
                                                      {Edit3, QStringLiteral("Масштаб 1:")}};
    for (const auto& [edit, label] : numbers) {
        if (!isPositiveWhole(edit->text())) {
            fundis::showMessage(this, windowTitle(),
                                QStringLiteral("В поле «%1» нужно целое число больше нуля, а не «%2». "
                                               "Исправьте его и сохраните настройки снова.")
                                    .arg(label, edit->text()));
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    fundis::SettingsTexts texts;
    texts.iterations = utf8(Edit1->text());
    texts.debug = CheckBox1->isChecked();
    texts.toolbar = CheckBox2->isChecked();
    texts.dataDir = utf8(Edit2->text());
    texts.schemeScale = utf8(Edit3->text());
    texts.programDir = utf8(Edit4->text());
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    const fundis::Status written = fundis::writeSettingsFile(utf8(settingsPath_), texts);
    if (!written) {
        fundis::showMessage(this, windowTitle(),
                            fundis::sentence(written.message()) +
                                QStringLiteral(".\nНовые значения действуют до выхода из программы."));
    }
    accept();

    if (settings_) {
        settings_->iterations = fundis::textToInt(texts.iterations);
        settings_->debugMode = texts.debug ? 1 : 0;
        settings_->showToolbar = texts.toolbar ? 1 : 0;
        settings_->schemeScale = fundis::textToInt(texts.schemeScale);
        settings_->programDir = texts.programDir;
    }
    emit settingsSaved(Edit2->text(), static_cast<int>(fundis::textToFloat(texts.iterations)));
}

void SettingsDialog::Button2Click() {
    loadSettings();
    emit settingsReloaded();
    reject();
}

void SettingsDialog::Button4Click() {
    showChooser(true);
    programFolderMark_ = true;
}

void SettingsDialog::Button5Click() {
    showChooser(true);
    dataFolderMark_ = true;
}

void SettingsDialog::Button6Click() {
    const QString folder = chosenFolder();
    if (folder.size() > kLongestFolder) {
        fundis::showMessage(
            this, windowTitle(),
            QStringLiteral("Путь к папке длиннее %1 символов: %2").arg(kLongestFolder).arg(folder));
    } else if (programFolderMark_) {
        Edit4->setText(folder);
    } else if (dataFolderMark_) {
        Edit2->setText(folder);
    }
    showChooser(false);
}

void SettingsDialog::DriveComboBox1Change(int index) {
    const QString root = DriveComboBox1->itemData(index).toString();
    const QStorageInfo volume(root);
    if (!root.isEmpty() && volume.isValid() && volume.isReady()) {
        const QModelIndex rootIndex = folders_->index(volume.rootPath());
        DirectoryListBox1->setRootIndex(rootIndex);
        DirectoryListBox1->setCurrentIndex(rootIndex);
        return;
    }
    DriveComboBox1->setCurrentIndex(volumeIndexOf(chosenFolder()));
    fundis::showMessage(nullptr, QStringLiteral("ОШИБКА"), QStringLiteral("ДИСК НЕДОСТУПЕН"));
}

void SettingsDialog::FormClose() { showChooser(false); }

void SettingsDialog::done(int result) {
    FormClose();
    QDialog::done(result);
}

void SettingsDialog::showChooser(bool shown) {
    GroupBox1->setVisible(shown);
    if (!shown) {
        programFolderMark_ = false;
        dataFolderMark_ = false;
    }
    fitToControls();
}

void SettingsDialog::fitToControls() {
    const QRect used = childrenRect();
    setFixedSize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin);
}

}  // namespace fundis

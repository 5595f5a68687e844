// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/SettingsDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

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

QLabel* makeLabel(const QString& text, const QString& hint) {
    auto* label = new QLabel(text);
    setHint(label, hint);
    return label;
}

QLineEdit* makeEdit(const char* name, const QString& hint) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    setHint(edit, hint);
    return edit;
}

QPushButton* makeButton(const char* name, const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    setHint(button, hint);
    return button;
}

// An edit wide enough for `digits` digits in its own font.
void fitDigits(QLineEdit* edit, int digits) {
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setFixedWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                        2 * metrics.averageCharWidth() + 8);
}

// A row of widgets, left to right.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    return layout;
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

    debugBox_ = new QCheckBox(QStringLiteral("Отладка"));
    debugBox_->setObjectName(QStringLiteral("debugBox"));
    setHint(debugBox_, QStringLiteral("Показывать отладочные данные"));
    toolbarBox_ = new QCheckBox(QStringLiteral("Панель инструментов"));
    toolbarBox_->setObjectName(QStringLiteral("toolbarBox"));
    setHint(toolbarBox_, QStringLiteral("Показать панель инструментов"));

    const QString scaleHint = QStringLiteral("Масштаб представления схемы фундамента");
    scaleEdit_ = makeEdit("scaleEdit", scaleHint);
    auto* numbers = new QFormLayout;
    numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    numbers->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numbers->addRow(makeLabel(QStringLiteral("Масштаб 1:"), scaleHint), scaleEdit_);

    const QString programHint = QStringLiteral("Папка с программой (Фундис.exe)");
    programFolderEdit_ = makeEdit("programFolderEdit", programHint);
    programFolderEdit_->setMaxLength(kLongestFolder);
    programFolderButton_ = makeButton("programFolderButton", QStringLiteral("..."), programHint);
    const QString dataHint = QStringLiteral("Папка с исходными данными и результатами расчета");
    dataFolderEdit_ = makeEdit("dataFolderEdit", dataHint);
    dataFolderEdit_->setMaxLength(kLongestFolder);
    dataFolderButton_ = makeButton("dataFolderButton", QStringLiteral("..."), dataHint);

    QPushButton* saveButton = makeButton("saveButton", QStringLiteral("Сохранить настройки"),
                                         QStringLiteral("Сохранение выбранных настроек"));
    QPushButton* cancelButton =
        makeButton("cancelButton", QStringLiteral("Отмена"), QStringLiteral("Отмена выбранных настроек"));

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addLayout(row({debugBox_, toolbarBox_}));
    settingsColumn->addLayout(numbers);
    settingsColumn->addSpacing(fontMetrics().height() / 2);
    settingsColumn->addWidget(makeLabel(QStringLiteral("Папка с программой"), programHint));
    settingsColumn->addLayout(row({programFolderEdit_, programFolderButton_}));
    settingsColumn->addWidget(makeLabel(QStringLiteral("Папка с данными"), dataHint));
    settingsColumn->addLayout(row({dataFolderEdit_, dataFolderButton_}));
    settingsColumn->addStretch(1);
    settingsColumn->addSpacing(fontMetrics().height());
    settingsColumn->addLayout(row({saveButton, cancelButton}));

    chooser_ = new QGroupBox(QStringLiteral("Настройка местоположения"));
    chooser_->setObjectName(QStringLiteral("chooser"));
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    folderTree_ = new QTreeView;
    folderTree_->setObjectName(QStringLiteral("folderTree"));
    folderTree_->setModel(folders_);
    folderTree_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column) {
        folderTree_->hideColumn(column);
    }
    setHint(folderTree_, QStringLiteral("Местонахождение папки"));
    volumeList_ = new QComboBox;
    volumeList_->setObjectName(QStringLiteral("volumeList"));
    volumeList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setHint(volumeList_, QStringLiteral("Имя привода с данными"));
    fillVolumes();
    QPushButton* takeFolderButton =
        makeButton("takeFolderButton", QStringLiteral("OK"), QStringLiteral("Выбрать папку"));
    auto* chooserColumn = new QVBoxLayout(chooser_);
    chooserColumn->addWidget(folderTree_, 1);
    auto* volumeRow = new QHBoxLayout;
    volumeRow->addStretch(1);
    volumeRow->addWidget(volumeList_);
    chooserColumn->addLayout(volumeRow);
    auto* takeRow = new QHBoxLayout;
    takeRow->addStretch(1);
    takeRow->addWidget(takeFolderButton);
    chooserColumn->addLayout(takeRow);

    auto* whole = new QHBoxLayout(this);
    // the dialog takes the size its controls need, with the chooser shown or not
    whole->setSizeConstraint(QLayout::SetFixedSize);
    whole->addLayout(settingsColumn);
    whole->addWidget(chooser_);
    fitToFont();

    connect(saveButton, &QPushButton::clicked, this, &SettingsDialog::saveSettings);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::cancelChanges);
    connect(programFolderButton_, &QPushButton::clicked, this,
            [this] { openChooser(ChoosingFor::programFolder); });
    connect(dataFolderButton_, &QPushButton::clicked, this, [this] { openChooser(ChoosingFor::dataFolder); });
    connect(takeFolderButton, &QPushButton::clicked, this, &SettingsDialog::takeChosenFolder);
    connect(volumeList_, &QComboBox::activated, this, &SettingsDialog::showVolume);

    showTexts(fundis::defaultSettings());
    closeChooser();
}

void SettingsDialog::fitToFont() {
    fitDigits(scaleEdit_, 4);
    const QFontMetrics metrics = fontMetrics();
    // the "..." beside a folder: as narrow as its text allows, as the edit is high
    for (QPushButton* button : {programFolderButton_, dataFolderButton_}) {
        button->setFixedWidth(
            std::max(metrics.horizontalAdvance(button->text()) + 3 * metrics.averageCharWidth(),
                     programFolderEdit_->sizeHint().height()));
    }
    // a folder's path of some 30 characters shows whole; the tree shows a dozen folders
    for (QLineEdit* folder : {programFolderEdit_, dataFolderEdit_}) {
        folder->setMinimumWidth(30 * metrics.averageCharWidth());
    }
    folderTree_->setMinimumSize(24 * metrics.averageCharWidth(), 14 * metrics.height());
}

void SettingsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && scaleEdit_) {
        fitToFont();
    }
    QDialog::changeEvent(event);
}

void SettingsDialog::attach(fundis::Settings* settings) { settings_ = settings; }

void SettingsDialog::fillVolumes() {
    volumeList_->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) {
            continue;
        }
        const QString name = volume.displayName();
        const QString root = volume.rootPath();
        volumeList_->addItem(name == root ? root : root + QStringLiteral("  [") + name + QStringLiteral("]"),
                             root);
    }
}

int SettingsDialog::volumeIndexOf(const QString& path) const {
    const QString root = QStorageInfo(path).rootPath();
    int best = -1;
    qsizetype longest = -1;
    for (int i = 0; i < volumeList_->count(); ++i) {
        const QString candidate = volumeList_->itemData(i).toString();
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
    const QString root = volume >= 0 ? volumeList_->itemData(volume).toString() : QDir::rootPath();
    folderTree_->setRootIndex(folders_->index(root));
    QString target = QDir::cleanPath(folder);
    // a folder that is gone: its nearest existing parent
    while (!QFileInfo(target).isDir() && target != root && target.size() > 1) {
        target = QFileInfo(target).absolutePath();
    }
    const QModelIndex index = folders_->index(target);
    if (index.isValid()) {
        folderTree_->setCurrentIndex(index);
        folderTree_->scrollTo(index);
    }
    volumeList_->setCurrentIndex(volume);
}

QString SettingsDialog::chosenFolder() const {
    const QModelIndex current = folderTree_->currentIndex();
    if (current.isValid()) {
        return folders_->filePath(current);
    }
    return folders_->filePath(folderTree_->rootIndex());
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
    // the number of iteration steps changes nothing the user can see: it is not offered, and kp.ini
    // keeps the value it holds
    iterations_ = std::to_string(settings.iterations);
    debugBox_->setChecked(settings.debugMode != 0);
    toolbarBox_->setChecked(settings.showToolbar != 0);
    dataFolderEdit_->setText(QString::fromStdString(settings.dataDir));
    scaleEdit_->setText(QString::number(settings.schemeScale));
    programFolderEdit_->setText(QString::fromStdString(settings.programDir));
    pointFolderList(QString::fromStdString(settings.dataDir));
}

void SettingsDialog::showTexts(const fundis::SettingsTexts& texts) {
    iterations_ = texts.iterations;
    debugBox_->setChecked(texts.debug);
    toolbarBox_->setChecked(texts.toolbar);
    dataFolderEdit_->setText(QString::fromStdString(texts.dataDir));
    scaleEdit_->setText(QString::fromStdString(texts.schemeScale));
    programFolderEdit_->setText(QString::fromStdString(texts.programDir));
}

void SettingsDialog::saveSettings() {
    int scale = 0;
    if (const fundis::Status read = fundis::readSchemeScale(utf8(scaleEdit_->text()), scale); !read) {
        fundis::showMessage(this, windowTitle(), QString::fromStdString(read.message()));
        scaleEdit_->setFocus();
        scaleEdit_->selectAll();
        return;
    }
    fundis::SettingsTexts texts;
    texts.iterations = iterations_;
    texts.debug = debugBox_->isChecked();
    texts.toolbar = toolbarBox_->isChecked();
    texts.dataDir = utf8(dataFolderEdit_->text());
    texts.schemeScale = utf8(scaleEdit_->text());
    texts.programDir = utf8(programFolderEdit_->text());
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
    emit settingsSaved(dataFolderEdit_->text());
}

void SettingsDialog::cancelChanges() {
    loadSettings();
    emit settingsReloaded();
    reject();
}

void SettingsDialog::openChooser(ChoosingFor folder) {
    choosingFor_ = folder;
    chooser_->show();
}

void SettingsDialog::takeChosenFolder() {
    const QString folder = chosenFolder();
    if (folder.size() > kLongestFolder) {
        fundis::showMessage(
            this, windowTitle(),
            QStringLiteral("Путь к папке длиннее %1 символов: %2").arg(kLongestFolder).arg(folder));
    } else if (choosingFor_ == ChoosingFor::programFolder) {
        programFolderEdit_->setText(folder);
    } else if (choosingFor_ == ChoosingFor::dataFolder) {
        dataFolderEdit_->setText(folder);
    }
    closeChooser();
}

void SettingsDialog::showVolume(int index) {
    const QString root = volumeList_->itemData(index).toString();
    const QStorageInfo volume(root);
    if (!root.isEmpty() && volume.isValid() && volume.isReady()) {
        const QModelIndex rootIndex = folders_->index(volume.rootPath());
        folderTree_->setRootIndex(rootIndex);
        folderTree_->setCurrentIndex(rootIndex);
        return;
    }
    volumeList_->setCurrentIndex(volumeIndexOf(chosenFolder()));
    fundis::showMessage(nullptr, QStringLiteral("ОШИБКА"), QStringLiteral("ДИСК НЕДОСТУПЕН"));
}

void SettingsDialog::closeChooser() {
    chooser_->hide();
    choosingFor_ = ChoosingFor::nothing;
}

void SettingsDialog::done(int result) {
    closeChooser();
    QDialog::done(result);
}

}  // namespace fundis

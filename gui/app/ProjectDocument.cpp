// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ProjectDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

#include "core/files/DanFile.h"
#include "core/files/DataLocation.h"
#include "core/files/RecentFiles.h"
#include "gui/input/InputDialog.h"
#include "gui/widgets/Dialogs.h"

namespace fundis {

namespace {

const QString kNoName = QStringLiteral("Без имени");
const QString kCaption = QStringLiteral("Фундис");
const QStringList kDanFilters = {QStringLiteral("Данные       (*.dan)"), QStringLiteral("Все файлы  (*.*)")};

std::string localPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

std::string absolutePath(const QString& name) { return QFileInfo(name).absoluteFilePath().toStdString(); }

}  // namespace

ProjectDocument::ProjectDocument(QWidget* window) : window_(window), fileName_(kNoName) {}

bool ProjectDocument::untitled() const { return fileName_.isEmpty() || fileName_ == kNoName; }

QString ProjectDocument::shownName() const { return untitled() ? kNoName : QFileInfo(fileName_).fileName(); }

void ProjectDocument::setModified(bool modified) {
    modified_ = modified;
    emit modifiedChanged(modified);
}

void ProjectDocument::loadRecentFiles() { setRecentFiles(readRecentFiles(recentFilesPath())); }

void ProjectDocument::setRecentFiles(std::vector<std::string> files) {
    recentFiles_ = std::move(files);
    emit recentFilesChanged();
}

void ProjectDocument::setSettlementInputs(const SettlementInputs& inputs) {
    settlementInputs_ = inputs;
    settlementPartRead_ = Status();
    setModified(true);
}

QString ProjectDocument::startFolder() const {
    // a data folder that is gone (or never set) would make the dialogs propose its name
    return QFileInfo(dialogFolder_).isDir() ? dialogFolder_ : QDir::homePath();
}

void ProjectDocument::setFileName(const QString& name) {
    fileName_ = name;
    proposedSaveName_ = untitled() ? QString() : name;
    if (!untitled()) {
        std::vector<std::string> files = withRecentFile(recentFiles_, absolutePath(name));
        (void)writeRecentFiles(recentFilesPath(), files);
        setRecentFiles(std::move(files));
    }
    emit fileNameChanged(fileName_);
}

void ProjectDocument::setUntitled() { setFileName(kNoName); }

bool ProjectDocument::maybeSaveChanges() {
    if (!modified_) {
        return true;
    }
    enum { kSave, kDiscard, kCancel };
    const int answer = dialogs().question(
        window_, kCaption,
        QStringLiteral("Исходные данные проекта «%1» изменены. Сохранить изменения?").arg(shownName()),
        {QStringLiteral("Сохранить"), QStringLiteral("Не сохранять"), QStringLiteral("Отмена")}, kSave,
        kCancel);
    if (answer == kSave) {
        return save();
    }
    return answer == kDiscard;
}

bool ProjectDocument::open(const QString& path) {
    if (!input_) {
        return false;
    }
    // read into a copy: a file that cannot be read leaves the dialog as it was
    ProjectFile project;
    project.form = input_->form();
    Status settlementRead;
    const Status read = readProjectFile(localPath(path), project, settlementRead);
    if (!read) {
        showMessage(window_, kCaption,
                    sentence(read.message()) + QStringLiteral(".\nДанные в окне ввода не изменены."));
        if (!QFileInfo::exists(path)) {
            std::vector<std::string> files = withoutRecentFile(recentFiles_, absolutePath(path));
            (void)writeRecentFiles(recentFilesPath(), files);
            setRecentFiles(std::move(files));
        }
        return false;
    }
    input_->setForm(project.form);
    settlementInputs_ = project.settlement;
    settlementPartRead_ = settlementRead;
    setFileName(path);
    setModified(false);
    emit replaced();
    input_->applyVisibilityRules();
    if (!settlementRead) {
        // the heading says it is the settlement part; the reason need not say it again
        QString reason = QString::fromStdString(settlementRead.message());
        reason.remove(QRegularExpression(QStringLiteral("^осадка: ")));
        showMessage(window_, kCaption,
                    QStringLiteral("Данные расчета осадки в файле «%1» не прочитаны: %2.\n"
                                   "Исходные данные фундамента загружены; слои грунта задайте заново "
                                   "в окне «Расчет осадки».")
                        .arg(path, reason));
    }
    return true;
}

bool ProjectDocument::chooseAndOpen() {
    if (!maybeSaveChanges()) {
        return false;
    }
    FileRequest request;
    request.title = QStringLiteral("Открытие файла с исходными данными");
    request.folder = startFolder();
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    const QString name = dialogs().fileName(window_, request);
    return !name.isEmpty() && open(name);
}

bool ProjectDocument::saveTo(const QString& name) {
    const Status written = writeProjectFile(localPath(name), {input_->form(), settlementInputs_});
    if (!written) {
        // the name is not taken: the status bar must not show a file that was not written
        showMessage(window_, kCaption, sentence(written.message()) + QStringLiteral("."));
        return false;
    }
    setFileName(name);
    setModified(false);
    emit saved();
    return true;
}

bool ProjectDocument::saveAs() {
    if (!input_) {
        return false;
    }
    FileRequest request;
    request.title = QStringLiteral("Сохранение исходных данных");
    request.folder = startFolder();
    request.proposedName =
        untitled() ? QDir(startFolder()).filePath(QStringLiteral("Фундамент.dan")) : proposedSaveName_;
    request.filters = kDanFilters;
    request.defaultSuffix = QStringLiteral("dan");
    request.save = true;
    const QString name = dialogs().fileName(window_, request);
    return !name.isEmpty() && saveTo(name);
}

bool ProjectDocument::save() {
    if (!input_) {
        return false;
    }
    return untitled() ? saveAs() : saveTo(fileName_);
}

bool ProjectDocument::startNew() {
    if (!input_ || !maybeSaveChanges()) {
        return false;
    }
    input_->setForm(ProjectForm());
    input_->applyVisibilityRules();
    settlementInputs_ = SettlementInputs();
    settlementPartRead_ = Status();
    setUntitled();
    setModified(false);
    emit replaced();
    return true;
}

}  // namespace fundis

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/note/NoteWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "gui/note/NoteDocument.h"
#include "gui/widgets/Dialogs.h"

namespace fundis {

namespace {

const QString kCaption = QStringLiteral("Пояснительная записка");

}  // namespace

NoteWindow::NoteWindow(QWidget* parent, CalculationNote note, ReportContext context, QPrinter& printer,
                       QString dataDir)
    : QDialog(parent),
      note_(std::move(note)),
      context_(std::move(context)),
      printer_(printer),
      dataDir_(std::move(dataDir)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("noteWindow"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    // as large as a page wants, within the screen
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(900, available.width() * 4 / 5), std::min(700, available.height() * 4 / 5));

    document_ = new QTextDocument(this);
    buildNoteDocument(*document_, note_, note_.calculated ? noteSchemeImage(context_) : QImage());
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("noteText"));
    text_->setDocument(document_);

    save_ = new QPushButton(QStringLiteral("Сохранить..."), this);
    save_->setObjectName(QStringLiteral("saveNote"));
    save_->setToolTip(QStringLiteral("Сохранить записку в HTML, ODT (LibreOffice, Word) или PDF"));
    print_ = new QPushButton(QStringLiteral("Печать"), this);
    print_->setObjectName(QStringLiteral("printNote"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeNote"));
    save_->setEnabled(note_.calculated);
    print_->setEnabled(note_.calculated);
    connect(save_, &QPushButton::clicked, this, &NoteWindow::saveNote);
    connect(print_, &QPushButton::clicked, this, &NoteWindow::printNote);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(print_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

bool NoteWindow::writeFile(const QString& name) {
    const Status written = writeNoteFile(QFile::encodeName(name).toStdString(), note_, context_);
    if (!written) {
        showMessage(this, kCaption,
                    QStringLiteral("Не удалось сохранить файл «%1»: %2")
                        .arg(name, QString::fromStdString(written.message())));
    }
    return written.ok();
}

void NoteWindow::saveNote() {
    FileRequest request;
    request.title = QStringLiteral("Сохранение пояснительной записки");
    request.folder = dataDir_.isEmpty() ? QDir::homePath() : dataDir_;
    QString base = QFileInfo(QString::fromStdString(context_.fileName)).completeBaseName();
    if (base.isEmpty()) {
        base = QStringLiteral("Фундамент");
    }
    request.proposedName = QDir(request.folder).filePath(base + QStringLiteral(" - записка.odt"));
    request.filters =
        QStringList{QStringLiteral("Документ OpenDocument (*.odt)"),
                    QStringLiteral("Веб-страница (*.html *.htm)"), QStringLiteral("PDF файл (*.pdf)")};
    request.defaultSuffix = QStringLiteral("odt");
    request.save = true;
    const QString name = dialogs().fileName(this, request);
    if (!name.isEmpty()) {
        writeFile(name);
    }
}

void NoteWindow::printNote() {
    if (QPrinterInfo::availablePrinters().isEmpty() || printer_.outputFormat() == QPrinter::PdfFormat) {
        FileRequest request;
        request.title = QStringLiteral("Сохранение пояснительной записки в PDF");
        request.folder = dataDir_.isEmpty() ? QDir::homePath() : dataDir_;
        request.filters = QStringList{QStringLiteral("PDF файл (*.pdf)"), QStringLiteral("все файлы (*)")};
        request.defaultSuffix = QStringLiteral("pdf");
        request.save = true;
        const QString name = dialogs().fileName(this, request);
        if (!name.isEmpty()) {
            writeFile(name);
        }
        return;
    }
    QPrintDialog dialog(&printer_, this);
    if (dialogs().exec(dialog) == QDialog::Accepted) {
        printNoteDocument(*document_, printer_);
    }
}

}  // namespace fundis

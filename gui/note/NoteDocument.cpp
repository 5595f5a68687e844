// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/note/NoteDocument.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "core/model/FileIo.h"
#include "core/note/NoteOdt.h"
#include "core/note/SvgCanvas.h"
#include "core/reports/SchemeDrawing.h"
#include "gui/reports/Printing.h"
#include "gui/reports/QPainterCanvas.h"

namespace fundis {

namespace {

const char* const kSchemeResource = "fundis-scheme.png";
const QColor kRed(0xc0, 0x00, 0x00);

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QTextCharFormat charFormat(double points, bool bold, bool red = false) {
    QTextCharFormat format;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    font.setPointSizeF(points);
    format.setFont(font, QTextCharFormat::FontPropertiesAll);
    // Qt's OpenDocument writer names the face only from the single-family property; without it
    // LibreOffice would show "Sans"
    format.setProperty(0x2000, QStringLiteral("Liberation Serif"));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(red ? kRed : QColor(Qt::black));
    return format;
}

void addParagraph(QTextCursor& cursor, const QString& line, const QTextCharFormat& format,
                  Qt::Alignment alignment = Qt::AlignLeft, double indent = 0, double topMargin = 2) {
    QTextBlockFormat block;
    block.setAlignment(alignment);
    block.setLeftMargin(indent);
    block.setTopMargin(topMargin);
    block.setBottomMargin(2);
    cursor.insertBlock(block, format);
    cursor.insertText(line, format);
}

void addTable(QTextCursor& cursor, const NoteBlock& block) {
    const int columns = static_cast<int>(block.header.size());
    if (columns == 0) {
        return;
    }
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(1);
    format.setBorderBrush(QColor(0x80, 0x80, 0x80));
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setTopMargin(4);
    format.setBottomMargin(4);
    QTextTable* table = cursor.insertTable(static_cast<int>(block.rows.size()) + 1, columns, format);
    for (int c = 0; c < columns; ++c) {
        QTextCursor cell = table->cellAt(0, c).firstCursorPosition();
        cell.insertText(text(block.header[static_cast<std::size_t>(c)]), charFormat(10, true));
    }
    for (std::size_t r = 0; r < block.rows.size(); ++r) {
        const NoteTableRow& row = block.rows[r];
        for (int c = 0; c < columns && c < static_cast<int>(row.cells.size()); ++c) {
            QTextCursor cell = table->cellAt(static_cast<int>(r) + 1, c).firstCursorPosition();
            cell.insertText(text(row.cells[static_cast<std::size_t>(c)]),
                            charFormat(10, row.failure, row.failure));
        }
    }
    cursor.movePosition(QTextCursor::End);
}

Status saveBytes(const std::string& path, const QByteArray& bytes) {
    return saveFileAtomically(path,
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QImage noteSchemeImage(const ReportContext& context) {
    if (context.result == nullptr) {
        return {};
    }
    const QRect bounds = schemeBounds(context, kScreenSchemeUnit, QFont());
    if (bounds.isEmpty()) {
        return {};
    }
    QImage image(bounds.right() + 20, bounds.bottom() + 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterCanvas canvas(painter);
    DrawFoundationScheme(canvas, kScreenSchemeUnit, shownDesign(context), context.schemeScale,
                         context.decimalSeparator);
    painter.end();
    return image;
}

void buildNoteDocument(QTextDocument& document, const CalculationNote& note, const QImage& scheme) {
    document.clear();
    document.setDocumentMargin(24);
    QFont base(QStringLiteral("Liberation Serif"));
    base.setPointSizeF(11);
    document.setDefaultFont(base);
    QTextCursor cursor(&document);
    bool first = true;
    bool schemePlaced = false;
    for (const NoteBlock& block : note.blocks) {
        const QString line = text(block.text);
        switch (block.kind) {
            case NoteBlockKind::Title:
                if (first) {
                    QTextBlockFormat format;
                    format.setAlignment(Qt::AlignHCenter);
                    cursor.setBlockFormat(format);
                    cursor.insertText(line, charFormat(15, true));
                } else {
                    addParagraph(cursor, line, charFormat(15, true), Qt::AlignHCenter);
                }
                break;
            case NoteBlockKind::Heading:
                if (!schemePlaced && !scheme.isNull()) {
                    document.addResource(QTextDocument::ImageResource,
                                         QUrl(QString::fromLatin1(kSchemeResource)), scheme);
                    QTextBlockFormat format;
                    format.setAlignment(Qt::AlignHCenter);
                    cursor.insertBlock(format);
                    QTextImageFormat image;
                    image.setName(QString::fromLatin1(kSchemeResource));
                    const double width = std::min(620.0, static_cast<double>(scheme.width()));
                    image.setWidth(width);
                    image.setHeight(width * scheme.height() / scheme.width());
                    cursor.insertImage(image);
                    schemePlaced = true;
                }
                addParagraph(cursor, line, charFormat(13, true), Qt::AlignLeft, 0, 12);
                break;
            case NoteBlockKind::Subheading:
                addParagraph(cursor, line, charFormat(11, true), Qt::AlignLeft, 0, 6);
                break;
            case NoteBlockKind::Paragraph:
                addParagraph(cursor, line, charFormat(11, false));
                break;
            case NoteBlockKind::Formula:
                addParagraph(cursor,
                             block.formula.number.empty()
                                 ? line
                                 : line + QStringLiteral("   ") + text(block.formula.number),
                             charFormat(11, false), Qt::AlignLeft, 18);
                break;
            case NoteBlockKind::Field:
                addParagraph(cursor, line + QStringLiteral(": ") + QString::fromUtf8(kFieldBlank),
                             charFormat(11, false));
                break;
            case NoteBlockKind::Failure:
                addParagraph(cursor, line, charFormat(11, true, true));
                break;
            case NoteBlockKind::Table:
                addTable(cursor, block);
                break;
        }
        first = false;
    }
}

void printNoteDocument(QTextDocument& document, QPagedPaintDevice& device) { document.print(&device); }

Status writeNoteFile(const std::string& path, const CalculationNote& note, const ReportContext& context) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm")) {
        const std::string svg =
            context.result != nullptr && note.calculated
                ? schemeSvg(shownDesign(context), context.schemeScale, context.decimalSeparator)
                : std::string();
        return saveFileAtomically(path, noteHtml(note, svg));
    }
    if (suffix != QStringLiteral("odt") && suffix != QStringLiteral("pdf")) {
        return Status::failure("Файл " + path +
                               ": пояснительная записка сохраняется в .html, .odt или .pdf.");
    }
    if (suffix == QStringLiteral("odt")) {
        return saveFileAtomically(path, noteOdt(note, context));
    }
    QTextDocument document;
    buildNoteDocument(document, note, note.calculated ? noteSchemeImage(context) : QImage());
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Пояснительная записка"));
        writer.setCreator(QStringLiteral("Фундис"));
        printNoteDocument(document, writer);
    }
    bytes.close();
    return saveBytes(path, bytes.data());
}

}  // namespace fundis

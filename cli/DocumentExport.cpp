// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DocumentExport.h"

#ifdef FUNDIS_CLI_EXPORT
#include <QGuiApplication>
#include <cstdlib>

#include "gui/note/NoteDocument.h"
#include "gui/reports/ExportDocuments.h"
#endif

namespace fundis {

#ifdef FUNDIS_CLI_EXPORT

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

bool documentExportAvailable() { return true; }

Status exportDocuments(const DocumentRequest& request, const ReportContext& context) {
    // fonts and a paint device are all that is needed, no screen
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int argc = 1;
    char name[] = "fundis-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    if (!request.pdfFile.empty()) {
        if (Status written = writeReportPdf(request.pdfFile, context); !written) {
            return written;
        }
    }
    if (!request.svgFile.empty()) {
        if (Status written = writeSchemeSvg(request.svgFile, context); !written) {
            return written;
        }
    }
    if (!request.noteFile.empty() && request.note != nullptr) {
        return writeNoteFile(request.noteFile, *request.note, context);
    }
    return {};
}

#else

bool documentExportAvailable() { return false; }

Status exportDocuments(const DocumentRequest&, const ReportContext&) {
    return Status::failure("fundis-cli собран без Qt: --pdf, --svg и записка в PDF недоступны");
}

#endif

}  // namespace fundis

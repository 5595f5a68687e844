#include "cli/DocumentExport.h"

#ifdef FUNDIS_CLI_EXPORT
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
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

bool exportDocuments(const DocumentRequest& request, const ReportContext& context, std::string& error) {
    // fonts and a paint device are all that is needed, no screen
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int argc = 1;
    char name[] = "fundis-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    // Qt switches to the user's locale; the number texts of the core expect the C one
    std::setlocale(LC_NUMERIC, "C");

    if (!request.pdfFile.empty() && !writeReportPdf(request.pdfFile, context, error)) {
        return false;
    }
    if (!request.svgFile.empty() && !writeSchemeSvg(request.svgFile, context, error)) {
        return false;
    }
    return true;
}

#else

bool documentExportAvailable() { return false; }

bool exportDocuments(const DocumentRequest&, const ReportContext&, std::string& error) {
    error = "fundis-cli собран без Qt: --pdf и --svg недоступны";
    return false;
}

#endif

}  // namespace fundis

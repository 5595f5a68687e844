// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/api/WebProject.h"

// The core's entry points this file uses, and no others: the project file (parseProject,
// serializeProject), the field table, the OK's question and fill (okQuestion, fillReliabilityFactor,
// lengthToHeightRatio), the settings' scale (readSchemeScale), the project pass (runProjectPass,
// documentContext), the settlement pass and its cells, and the documents (the JSON, the HTML report, the
// note, the scheme, the printed pages and the settlement picture on the SVG canvas, the DXF). The
// record's fields are never read here.
#include <algorithm>
#include <utility>

#include "core/calc/Calculation.h"
#include "core/files/Examples.h"
#include "core/files/Settings.h"
#include "core/input/InputProcessing.h"
#include "core/model/FileIo.h"
#include "core/model/FormFields.h"
#include "core/model/NumberFormat.h"
#include "core/note/CalculationNote.h"
#include "core/note/NoteOdt.h"
#include "core/note/SvgCanvas.h"
#include "core/project/Json.h"
#include "core/project/ProjectJson.h"
#include "core/reports/DxfExport.h"
#include "core/reports/HtmlReport.h"
#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "core/reports/SettlementPage.h"
#include "core/reports/SettlementPicture.h"

namespace fundis {

namespace {

const char* const kNoName = "Без имени";
// the printed pages: A4, in millimetres
constexpr double kPaperWidth = 210;
constexpr double kPaperHeight = 297;

// A message's first letter in capitals, as the desktop's message boxes show a core message.
std::string sentence(std::string text) {
    // the core's messages start with a lower-case Cyrillic letter (2 bytes) or an ASCII one
    if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xD0) {
        const auto second = static_cast<unsigned char>(text[1]);
        if (second >= 0xB0 && second <= 0xBF) {  // а..п
            text[1] = static_cast<char>(second - 0x20);
        }
    } else if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xD1) {
        const auto second = static_cast<unsigned char>(text[1]);
        if (second >= 0x80 && second <= 0x8F) {  // р..я
            text[0] = static_cast<char>(0xD0);
            text[1] = static_cast<char>(second + 0x20);
        }
    } else if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

const char* kindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::List:
            return "list";
        case FieldKind::Check:
            return "check";
        case FieldKind::Text:
            break;
    }
    return "text";
}

const char* ruleName(FieldRule rule) {
    switch (rule) {
        case FieldRule::Positive:
            return "positive";
        case FieldRule::PositiveWithoutDepth:
            return "positiveWithoutDepth";
        case FieldRule::Range:
            return "range";
        case FieldRule::NotNegative:
            return "notNegative";
        case FieldRule::OptionalPositive:
            return "optionalPositive";
        case FieldRule::OptionalRange:
            return "optionalRange";
        case FieldRule::Heights:
            return "heights";
        case FieldRule::Optional:
            break;
    }
    return "optional";
}

std::string stringList(const std::vector<std::string>& texts) {
    std::vector<std::string> items;
    items.reserve(texts.size());
    for (const std::string& text : texts) {
        items.push_back(jsonString(text));
    }
    return jsonList(items);
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string centimetres(double metres, char separator) { return formatFixed(metres * 100, 3, separator); }

}  // namespace

WebProject::WebProject(std::string tablesDir, std::string examplesDir)
    : tablesDir_(std::move(tablesDir)), examplesDir_(std::move(examplesDir)) {}

std::string WebProject::fieldTable() {
    std::vector<std::string> fields;
    std::vector<int> tabs;
    for (const FormField& field : formFields()) {
        JsonObject object;
        object.add("name", jsonString(field.name));
        object.add("kind", jsonString(kindName(field.kind)));
        object.add("label", jsonString(field.label));
        object.add("unit", jsonString(field.unit));
        object.add("caption", jsonString(fieldCaption(field)));
        object.add("title", jsonString(fieldTitle(field)));
        object.add("tab", static_cast<int>(field.tab));
        object.add("group", jsonString(field.group));
        object.add("rule", jsonString(ruleName(field.rule)));
        if (field.rule == FieldRule::Range) {
            object.add("low", field.low);
            object.add("high", field.high);
        }
        object.add("whenEmpty", jsonString(field.whenEmpty));
        object.add("shown", field.shown);
        if (field.kind == FieldKind::List) {
            object.add("items", stringList(listItems(static_cast<ListField>(field.index))));
        }
        fields.push_back(object.close());
        const int tab = static_cast<int>(field.tab);
        if (std::find(tabs.begin(), tabs.end(), tab) == tabs.end()) {
            tabs.push_back(tab);
        }
    }
    std::sort(tabs.begin(), tabs.end());
    std::vector<std::string> tabList;
    for (int tab : tabs) {
        JsonObject object;
        object.add("tab", tab);
        object.add("title", jsonString(tabTitle(static_cast<FieldTab>(tab))));
        tabList.push_back(object.close());
    }
    JsonObject table;
    table.add("tabs", jsonList(tabList));
    table.add("fields", jsonList(fields));
    return table.close();
}

std::string WebProject::examples() {
    std::vector<std::string> items;
    for (const ExampleProject& example : exampleProjects()) {
        JsonObject object;
        object.add("file", jsonString(example.file));
        object.add("title", jsonString(example.title));
        items.push_back(object.close());
    }
    return jsonList(items);
}

WebResult WebProject::setSettings(const std::string& scaleText, bool debug) {
    if (Status read = readSchemeScale(scaleText, schemeScale_); !read) {
        return {false, read.message(), {}};
    }
    debug_ = debug;
    return {};
}

std::string WebProject::settings() const {
    JsonObject object;
    object.add("scale", jsonString(std::to_string(schemeScale_)));
    object.add("debug", debug_);
    return object.close();
}

void WebProject::newProject() {
    form_ = ProjectForm();
    settlement_ = SettlementInputs();
    settlementPartRead_ = Status();
    fileName_.clear();
    modified_ = false;
    last_.reset();
    lastFileName_.clear();
    refused_.clear();
}

WebResult WebProject::open(const ProjectFile& project, const Status& settlementRead,
                           const std::string& fileName) {
    form_ = project.form;
    settlement_ = project.settlement;
    settlementPartRead_ = settlementRead;
    fileName_ = fileName;
    modified_ = false;
    last_.reset();
    lastFileName_.clear();
    refused_.clear();
    WebResult result;
    if (!settlementRead) {
        // the heading says it is the settlement part; the reason need not say it again
        std::string reason = settlementRead.message();
        const std::string prefix = "осадка: ";
        if (reason.compare(0, prefix.size(), prefix) == 0) {
            reason.erase(0, prefix.size());
        }
        result.message = "Данные расчета осадки в файле «" + fileName + "» не прочитаны: " + reason +
                         ".\nИсходные данные фундамента загружены; слои грунта задайте заново в окне «Расчет "
                         "осадки».";
    }
    return result;
}

WebResult WebProject::openDan(const std::string& bytes, const std::string& fileName) {
    // read into a copy: a file that cannot be read leaves the form as it was
    ProjectFile project;
    project.form = form_;
    Status settlementRead;
    if (const Status parsed = parseProject(bytes, project, settlementRead); !parsed) {
        return {false,
                sentence(readFailure(fileName, parsed).message()) + ".\nДанные в окне ввода не изменены.",
                {}};
    }
    return open(project, settlementRead, fileName);
}

WebResult WebProject::openExample(const std::string& file) {
    std::string bytes;
    if (const Status read = readWholeFile(examplesDir_ + "/" + file, bytes); !read) {
        return {false, sentence(read.message()) + ".\nДанные в окне ввода не изменены.", {}};
    }
    return openDan(bytes, file);
}

WebResult WebProject::saveDan(const std::string& fileName) const {
    WebResult result;
    if (const Status written = serializeProject({form_, settlement_}, result.bytes); !written) {
        return {false, sentence(saveFailure(fileName, written).message()) + ".", {}};
    }
    return result;
}

void WebProject::savedAs(const std::string& fileName) {
    if (last_ && !outOfDate()) {
        lastFileName_ = fileName;  // the same data under their new name
    }
    fileName_ = fileName;
    modified_ = false;
}

std::string WebProject::form() const {
    JsonObject values;
    for (const FormField& field : formFields()) {
        switch (field.kind) {
            case FieldKind::Text:
                values.add(field.name, jsonString(form_.text(static_cast<TextField>(field.index))));
                break;
            case FieldKind::List:
                values.add(field.name, form_.choice(static_cast<ListField>(field.index)));
                break;
            case FieldKind::Check:
                values.add(field.name, form_.craneAndWind);
                break;
        }
    }
    JsonObject object;
    object.add("values", values.close());
    return object.close();
}

bool WebProject::setText(const std::string& name, const std::string& text) {
    const FormField* field = findFormField(name);
    if (field == nullptr || field->kind != FieldKind::Text) {
        return false;
    }
    std::string& slot = form_.text(static_cast<TextField>(field->index));
    if (slot != text) {
        slot = text;
        modified_ = true;
    }
    return true;
}

bool WebProject::setChoice(const std::string& name, int index) {
    const FormField* field = findFormField(name);
    if (field == nullptr || field->kind != FieldKind::List) {
        return false;
    }
    const auto list = static_cast<ListField>(field->index);
    if (index < -1 || index >= static_cast<int>(listItems(list).size())) {
        return false;
    }
    if (form_.choice(list) != index) {
        form_.choice(list) = index;
        modified_ = true;
    }
    return true;
}

void WebProject::setCheck(bool checked) {
    if (form_.craneAndWind != checked) {
        form_.craneAndWind = checked;
        modified_ = true;
    }
}

void WebProject::fillReliability() {
    ProjectForm raised = form_;
    fillReliabilityFactor(raised);
    if (raised != form_) {
        form_ = raised;
        modified_ = true;
    }
}

std::string WebProject::okWarnings() const {
    JsonObject object;
    object.add("text", jsonString(okQuestion(form_)));
    return object.close();
}

void WebProject::acceptForm() {
    // the L/H edit shows the ratio actually used; the dialog writing its own edit is no change of
    // the user's
    if (const std::optional<float> ratio = lengthToHeightRatio(form_)) {
        form_.text(TextField::LH) = formatGeneral(*ratio, 15);
    }
}

std::string WebProject::settlement() const {
    std::vector<std::string> layers;
    for (const SoilLayerTexts& layer : settlement_.layers) {
        layers.push_back(stringList({layer.h, layer.gamma, layer.E}));
    }
    std::vector<std::string> types;
    for (const BuildingType& type : buildingTypes()) {
        // the limit as the window shows it beside the type, in the user's separator
        std::string su;
        if (type.suCm > 0) {
            su = formatGeneral(type.suCm, 6);
            std::replace(su.begin(), su.end(), '.', separator_);
        }
        JsonObject object;
        object.add("text",
                   jsonString(su.empty() ? std::string(type.name) : type.name + (" — " + su + " см")));
        object.add("su", jsonString(su));
        types.push_back(object.close());
    }
    JsonObject object;
    object.add("layers", jsonList(layers));
    object.add("buildingType", settlement_.buildingType);
    object.add("suText", jsonString(settlement_.suText));
    object.add("buildingTypes", jsonList(types));
    object.add("typedSuItem", kTypedSuItem);
    object.add("mostLayers", kMostLayers);
    object.add("columns", stringList({layerColumnName(LayerColumn::h), layerColumnName(LayerColumn::gamma),
                                      layerColumnName(LayerColumn::E)}));
    return object.close();
}

void WebProject::setSettlement(const SettlementInputs& inputs) {
    if (inputs != settlement_) {
        settlement_ = inputs;
        settlementPartRead_ = Status();
        modified_ = true;
    }
}

bool WebProject::outOfDate() const {
    return last_ && (form_ != last_->input || settlement_ != last_->settlementInput);
}

std::string WebProject::calculate() {
    PassOptions options;
    options.tablesDir = tablesDir_;
    options.debug = debug_;
    options.decimalSeparator = separator_;
    options.settlementPartRead = settlementPartRead_;
    // the numbers belong to what the form shows now, confirmed or not
    ProjectPass pass = runProjectPass(form_, settlement_, options);
    JsonObject object;
    object.add("outcome", jsonString(outcomeName(pass.outcome)));
    object.add("report", reportJson(pass.report));
    std::string message;
    if (pass.outcome == PassOutcome::NotRun) {
        last_.reset();
        refused_ = pass.report;
        if (pass.report.empty()) {
            message = "Расчет не выполнен: " + pass.reason + ".";
        }
    } else {
        refused_.clear();
        lastFileName_ = fileName_;
        last_ = std::move(pass);
    }
    object.add("message", jsonString(message));
    return object.close();
}

std::string WebProject::status() const {
    JsonObject object;
    object.add("fileName", jsonString(fileName_));
    object.add("shownName", jsonString(fileName_.empty() ? kNoName : baseName(fileName_)));
    object.add("untitled", fileName_.empty());
    object.add("modified", modified_);
    object.add("calculated", last_.has_value());
    object.add("outOfDate", outOfDate());
    object.add("inputDialogNeeded",
               inputDialogNeeded(form_.text(TextField::fii), form_.text(TextField::cii)));
    object.add("hasLayers", settlement_.hasLayers());
    return object.close();
}

ReportContext WebProject::context() const {
    ReportContext context =
        documentContext(last_ ? &*last_ : nullptr, {lastFileName_, schemeScale_, separator_});
    context.outOfDate = outOfDate();
    return context;
}

std::string WebProject::resultsJson() const {
    const std::string file = baseName(fileName_.empty() ? kNoName : fileName_);
    if (!last_) {
        // refused: the report is the line that names the fields, and nothing was calculated
        return projectJson(file, PassOutcome::NotRun, refused_, ProjectRecord(), CalculationResult(),
                           inputDialogNeeded(form_.text(TextField::fii), form_.text(TextField::cii)),
                           nullptr);
    }
    const SettlementPass* settlement = last_->settlement ? &*last_->settlement : nullptr;
    const bool failed =
        anyFailure(last_->report) || (settlement != nullptr && anyFailure(settlement->report));
    return projectJson(file, failed ? PassOutcome::DesignFailures : PassOutcome::Complete, last_->report,
                       last_->record, last_->calculation, last_->inputDialogNeeded, settlement,
                       &last_->quantities);
}

std::string WebProject::htmlReport() const { return fundis::htmlReport(context()); }

CalculationNote WebProject::note() const {
    NoteOptions options;
    options.fileName = lastFileName_;
    options.decimalSeparator = separator_;
    options.stale = outOfDate();
    return buildCalculationNote(last_ ? &*last_ : nullptr, options);
}

std::string WebProject::noteHtml() const {
    const CalculationNote shown = note();
    const ReportContext context = this->context();
    const std::string svg = shown.calculated && last_
                                ? fundis::schemeSvg(shownDesign(context), context.schemeScale, separator_)
                                : "";
    return fundis::noteHtml(shown, svg);
}

std::string WebProject::noteOdt() const { return fundis::noteOdt(note(), context()); }

std::string WebProject::schemeSvg() const {
    const ReportContext shown = context();
    SvgCanvas canvas(1600, 1100);
    DrawSchemeDocument(canvas, kScreenSchemeUnit, shown, shown.schemeScale);
    return canvas.svg();
}

std::vector<std::string> WebProject::printedPages() const {
    const ReportContext shown = context();
    std::vector<std::string> out;
    for (const PageDrawer page : reportPages(shown)) {
        SvgCanvas canvas = SvgCanvas::paper(kPaperWidth, kPaperHeight);
        page(canvas, shown);
        out.push_back(canvas.pageSvg());
    }
    return out;
}

std::string WebProject::dxf() const { return schemeDxf(context()); }

std::string WebProject::settlementView() const {
    std::vector<ReportLine> lines;
    std::string label;
    bool exceeds = false;
    bool printable = false;
    if (settlementResult_) {
        lines = settlementResult_->report;
        // the block's heading stands first; the report's blank line before it is for the main report
        while (!lines.empty() && lines.front().text.empty()) {
            lines.erase(lines.begin());
        }
        if (settlementWindowDesignOutOfDate_) {
            lines.insert(lines.begin(), {{kOutOfDateLine, true}, {"", false}});
        }
        const SettlementResult& result = settlementResult_->result;
        if (result.status && result.noAdditionalPressure) {
            label = "Осадки нет: p0 ≤ 0";
        } else if (result.status) {
            label = "s = " + centimetres(result.s, separator_) + " см " + (result.exceeds ? ">" : "≤") +
                    " su = " + centimetres(result.su, separator_) + " см";
            exceeds = result.exceeds;
        }
        printable = result.status.ok();
    }
    JsonObject object;
    object.add("report", reportJson(lines));
    object.add("calculated", settlementResult_.has_value());
    object.add("label", jsonString(label));
    object.add("exceeds", exceeds);
    object.add("printable", printable);
    return object.close();
}

std::string WebProject::openSettlementWindow() {
    settlementResult_.reset();
    settlementWindowDesignOutOfDate_ = false;
    // above everything else: the design the settlement stands on is not there, or not current
    std::string notice;
    if (last_ && !baseDesigned(documentContext(*last_))) {
        notice = kFoundationNotDesigned;
    }
    if (last_ && form_ != last_->input) {
        settlementWindowDesignOutOfDate_ = true;
        if (notice.empty()) {
            notice = std::string(kOutOfDateLine) + " Осадка рассчитывается по последнему расчету фундамента.";
        }
    }
    if (last_ && last_->settlement && last_->settlementInput == settlement_) {
        settlementResult_ = *last_->settlement;
    }
    JsonObject object;
    object.add("notice", jsonString(notice));
    object.add("view", settlementView());
    return object.close();
}

std::string WebProject::calculateSettlement() {
    settlementResult_ = last_ ? runSettlementPass(last_->calculation, settlement_, separator_)
                              : unreadSettlementPass(Status::failure(kNoDesignYet), separator_);
    // the settlement of the last calculation, with the layers it was made for
    if (last_ && last_->input == form_) {
        last_->settlement = settlementResult_;
        last_->settlementInput = settlement_;
    }
    std::vector<std::string> cells;
    std::string message;
    if (last_ && baseDesigned(documentContext(*last_))) {
        const std::vector<BadCell> bad = badCells(settlement_);
        for (const BadCell& cell : bad) {
            JsonObject object;
            object.add("row", cell.row);
            object.add("column", static_cast<int>(cell.column));
            object.add("message", jsonString(cell.message));
            cells.push_back(object.close());
            message += "\n" + cell.message;
        }
        if (!bad.empty()) {
            message = "Осадка не рассчитана: исправьте выделенные ячейки.\n" + message;
        }
    }
    JsonObject object;
    object.add("view", settlementView());
    object.add("badCells", jsonList(cells));
    object.add("message", jsonString(message));
    return object.close();
}

std::string WebProject::settlementEdited(const SettlementInputs& inputs) {
    std::vector<ReportLine> hint;
    if (settlementResult_) {
        hint.push_back({"Исходные данные изменены: нажмите «Рассчитать».", false});
        const SettlementResult& last = settlementResult_->result;
        if (last.status && !last.noAdditionalPressure) {
            hint.push_back(
                {"Прежний расчет: s = " + formatFixed(last.s * 100, 3, separator_) + " см.", false});
        }
        settlementResult_.reset();
    }
    setSettlement(inputs);
    JsonObject object;
    object.add("hint", reportJson(hint));
    return object.close();
}

std::string WebProject::settlementPictureSvg(int width, int height) const {
    if (!settlementResult_ || !settlementResult_->result.status || !last_) {
        return "";
    }
    SvgCanvas canvas(width, height);
    CanvasFont font;
    font.sizePoints = 9;
    canvas.setFont(font);
    const int margin = 10;
    DrawSettlementPicture(canvas, margin, margin, width - 2 * margin, height - 2 * margin,
                          settlementResult_->d, settlementResult_->data, settlementResult_->result,
                          separator_);
    return canvas.pageSvg();
}

std::string WebProject::settlementPageSvg() const {
    if (!settlementResult_ || !settlementResult_->result.status) {
        return "";
    }
    ReportContext page;
    page.inputs = last_ ? &last_->record : nullptr;
    page.result = last_ ? &last_->calculation : nullptr;
    page.decimalSeparator = separator_;
    page.settlement = &*settlementResult_;
    page.outOfDate = settlementWindowDesignOutOfDate_;
    SvgCanvas canvas = SvgCanvas::paper(kPaperWidth, kPaperHeight);
    DrawReportSettlementPage(canvas, page);
    return canvas.pageSvg();
}

WebResult WebProject::loadTable(const std::string& name, const std::string& bytes) {
    if (name.empty() || name.find('/') != std::string::npos) {
        return {false, "«" + name + "»: не имя таблицы", {}};
    }
    if (const Status saved = saveFileAtomically(tablesDir_ + "/" + name, bytes); !saved) {
        return {false, sentence(saved.message()) + ".", {}};
    }
    return {};
}

}  // namespace fundis

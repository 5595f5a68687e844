// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The project the browser page edits, as the desktop's main window holds it: the input form, the
// settlement inputs, the file's name, the last calculation and whether the inputs have changed
// since. Every number comes from the core through the same project pass as the desktop's and
// fundis-cli's; the page only shows what this class gives it. Texts go out as JSON (UTF-8), files
// as bytes. The core is reached only through the few entry points named in WebProject.cpp.

#include <optional>
#include <string>
#include <vector>

#include "core/files/DanFile.h"
#include "core/note/CalculationNote.h"
#include "core/project/ProjectPass.h"
#include "core/settlement/SettlementPass.h"

namespace fundis {

// What a command that reads or writes a file gives back.
struct WebResult {
    bool ok = true;
    std::string message;  // for the user, as the desktop's message box says it
    std::string bytes;    // a file's contents
};

class WebProject {
  public:
    // `tablesDir` holds the six code tables, `examplesDir` the example projects.
    WebProject(std::string tablesDir, std::string examplesDir);

    // The fields of the form: name, kind, label, unit, tab, group, rule, choices; the tabs' titles.
    static std::string fieldTable();
    // The example projects: file and title, in the order of the verification manual.
    static std::string examples();

    // The settings that matter in a browser: the decimal separator of the user's language, the
    // scheme's scale as typed ("Масштаб 1:") and "Отладка". A scale that is not a whole number
    // greater than zero is refused with the settings dialog's message.
    void setDecimalSeparator(char separator) { separator_ = separator; }
    WebResult setSettings(const std::string& scaleText, bool debug);
    std::string settings() const;

    // "Новый": the defaults, no file name, no calculation.
    void newProject();
    // "Открыть": the file's bytes and its name; a file that cannot be read leaves everything as it
    // was and says why. A settlement part that cannot be read loads the design's values and says so.
    WebResult openDan(const std::string& bytes, const std::string& fileName);
    WebResult openExample(const std::string& file);
    // "Сохранить": the bytes of the .dan file, or why it cannot hold the form (the message names
    // `fileName`); savedAs() once they are written: the name becomes the project's.
    WebResult saveDan(const std::string& fileName) const;
    void savedAs(const std::string& fileName);

    // The form as the dialog's controls hold it: {"values": {name: text, list name: index,
    // "craneAndWind": bool}}. setText/setChoice/setCheck change one control; false for no such field.
    std::string form() const;
    bool setText(const std::string& name, const std::string& text);
    bool setChoice(const std::string& name, int index);
    void setCheck(bool checked);
    // "К-т надежн. 1.1": the I-group loads become 1.1 times the II-group ones.
    void fillReliability();
    // What the dialog's OK warns about before it takes the form: {"text": the question, "" when none}.
    std::string okWarnings() const;
    // The dialog's OK once the warnings are answered: the L/H edit shows the ratio actually used.
    void acceptForm();
    const ProjectForm& currentForm() const { return form_; }

    // The settlement window's inputs: {"layers": [[h, γ, E]], "buildingType", "suText", the
    // building types with their su, the columns' names}.
    std::string settlement() const;
    void setSettlement(const SettlementInputs& inputs);
    const SettlementInputs& currentSettlement() const { return settlement_; }

    // "Начать расчет": {"outcome", "report": [{"text", "failure", "bold"}], "message"} — a message
    // only when nothing was calculated and there is no line to show.
    std::string calculate();
    // {"fileName", "shownName", "untitled", "modified", "calculated", "outOfDate"}
    std::string status() const;
    void setModified(bool modified) { modified_ = modified; }
    // The name of a project kept in the browser's storage, restored with its form.
    void setFileName(const std::string& fileName) { fileName_ = fileName; }

    // The documents of the last calculation, as the desktop makes them.
    std::string resultsJson() const;  // fundis-cli --json's object
    std::string htmlReport() const;
    std::string noteHtml() const;
    std::string noteOdt() const;    // the same note as an OpenDocument text, the desktop's file
    std::string schemeSvg() const;  // the scheme window's document, at the settings' scale
    std::vector<std::string> printedPages() const;  // "Печать": one A4 <svg> a page
    std::string dxf() const;
    bool calculated() const { return last_.has_value(); }

    // The settlement window: what it shows as it opens ({"notice", "report", "label", ...}),
    // "Рассчитать", an edit of its inputs (which drops its result), its picture and printed page.
    std::string openSettlementWindow();
    std::string calculateSettlement();
    std::string settlementEdited(const SettlementInputs& inputs);
    std::string settlementPictureSvg(int width, int height) const;
    std::string settlementPageSvg() const;

    // The check tool's --tables: a code table of its own in place of the bundled one.
    WebResult loadTable(const std::string& name, const std::string& bytes);

  private:
    CalculationNote note() const;
    ReportContext context() const;
    bool outOfDate() const;
    std::string settlementView() const;
    WebResult open(const ProjectFile& project, const Status& settlementRead, const std::string& fileName);

    std::string tablesDir_;
    std::string examplesDir_;
    char separator_ = '.';
    int schemeScale_ = 75;
    bool debug_ = false;

    ProjectForm form_;
    SettlementInputs settlement_;
    Status settlementPartRead_;
    std::string fileName_;  // empty: "Без имени"
    bool modified_ = false;

    std::optional<ProjectPass> last_;
    std::string lastFileName_;         // the file the last calculation was made for
    std::vector<ReportLine> refused_;  // the report of a calculation refused by the fields' rules

    // the settlement window's own calculation, dropped by any edit of its inputs
    std::optional<SettlementPass> settlementResult_;
    bool settlementWindowDesignOutOfDate_ = false;
};

}  // namespace fundis

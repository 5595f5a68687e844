// SPDX-License-Identifier: GPL-3.0-or-later
// The page's view of WebProject through embind: JSON texts and Uint8Array bytes across the boundary.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "web/api/WebProject.h"

namespace {

using emscripten::val;
using fundis::WebProject;
using fundis::WebResult;

val bytesOf(const std::string& bytes) {
    // a copy: the view into the module's memory would not outlive the call
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())));
}

val resultOf(const WebResult& result) {
    val object = val::object();
    object.set("ok", result.ok);
    object.set("message", result.message);
    object.set("bytes", bytesOf(result.bytes));
    return object;
}

// {"layers": [[h, γ, E], ...], "buildingType": n, "suText": "..."}, as form of the settlement window
fundis::SettlementInputs settlementOf(const val& object) {
    fundis::SettlementInputs inputs;
    const val layers = object["layers"];
    const auto rows = layers["length"].as<unsigned>();
    for (unsigned row = 0; row < rows; ++row) {
        const val cells = layers[row];
        inputs.layers.push_back(
            {cells[0].as<std::string>(), cells[1].as<std::string>(), cells[2].as<std::string>()});
    }
    inputs.buildingType = object["buildingType"].as<int>();
    inputs.suText = object["suText"].as<std::string>();
    return inputs;
}

// {name: text for an edit, index for a list, true/false for the check box}; false when a name or a
// value does not fit the form
bool setValues(WebProject& project, const val& values) {
    const val names = val::global("Object").call<val>("keys", values);
    const auto count = names["length"].as<unsigned>();
    bool fitted = true;
    for (unsigned i = 0; i < count; ++i) {
        const std::string name = names[i].as<std::string>();
        const val value = values[name];
        const std::string type = value.typeOf().as<std::string>();
        if (type == "string") {
            fitted = project.setText(name, value.as<std::string>()) && fitted;
        } else if (type == "number") {
            fitted = project.setChoice(name, value.as<int>()) && fitted;
        } else if (type == "boolean" && name == "craneAndWind") {
            project.setCheck(value.as<bool>());
        } else {
            fitted = false;
        }
    }
    return fitted;
}

val printedPages(const WebProject& project) {
    val pages = val::array();
    for (const std::string& page : project.printedPages()) {
        pages.call<void>("push", page);
    }
    return pages;
}

}  // namespace

EMSCRIPTEN_BINDINGS(fundis_web) {
    using emscripten::optional_override;
    emscripten::class_<WebProject>("WebProject")
        .constructor<std::string, std::string>()
        .class_function("fieldTable", &WebProject::fieldTable)
        .class_function("examples", &WebProject::examples)
        .function("setDecimalSeparator", optional_override([](WebProject& p, const std::string& separator) {
                      p.setDecimalSeparator(separator.size() == 1 ? separator[0] : '.');
                  }))
        .function("setSettings", optional_override([](WebProject& p, const std::string& scale, bool debug) {
                      return resultOf(p.setSettings(scale, debug));
                  }))
        .function("settings", &WebProject::settings)
        .function("newProject", &WebProject::newProject)
        .function("openDan",
                  optional_override([](WebProject& p, const std::string& bytes, const std::string& name) {
                      return resultOf(p.openDan(bytes, name));
                  }))
        .function("openExample", optional_override([](WebProject& p, const std::string& file) {
                      return resultOf(p.openExample(file));
                  }))
        .function("saveDan", optional_override([](const WebProject& p, const std::string& name) {
                      return resultOf(p.saveDan(name));
                  }))
        .function("savedAs", &WebProject::savedAs)
        .function("form", &WebProject::form)
        .function("setForm",
                  optional_override([](WebProject& p, const val& values) { return setValues(p, values); }))
        .function("setModified", &WebProject::setModified)
        .function("setFileName", &WebProject::setFileName)
        .function("fillReliability", &WebProject::fillReliability)
        .function("okWarnings", &WebProject::okWarnings)
        .function("acceptForm", &WebProject::acceptForm)
        .function("settlement", &WebProject::settlement)
        .function("setSettlement", optional_override([](WebProject& p, const val& inputs) {
                      p.setSettlement(settlementOf(inputs));
                  }))
        .function("calculate", &WebProject::calculate)
        .function("status", &WebProject::status)
        .function("resultsJson", &WebProject::resultsJson)
        .function("htmlReport", &WebProject::htmlReport)
        .function("noteHtml", &WebProject::noteHtml)
        .function("noteOdt", optional_override([](const WebProject& p) { return bytesOf(p.noteOdt()); }))
        .function("schemeSvg", &WebProject::schemeSvg)
        .function("printedPages", optional_override([](const WebProject& p) { return printedPages(p); }))
        .function("dxf", optional_override([](const WebProject& p) { return bytesOf(p.dxf()); }))
        .function("openSettlementWindow", &WebProject::openSettlementWindow)
        .function("calculateSettlement", &WebProject::calculateSettlement)
        .function("settlementEdited", optional_override([](WebProject& p, const val& inputs) {
                      return p.settlementEdited(settlementOf(inputs));
                  }))
        .function("settlementPictureSvg", &WebProject::settlementPictureSvg)
        .function("settlementPageSvg", &WebProject::settlementPageSvg)
        .function("loadTable",
                  optional_override([](WebProject& p, const std::string& name, const std::string& bytes) {
                      return resultOf(p.loadTable(name, bytes));
                  }));
}

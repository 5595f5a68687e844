// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's project as the page drives it: opening keeps the project on failure, the
// out-of-date mark, the settings' refusal, the OK's L/H and the settlement window's state. (Saving and
// opening again, and the printed pages, the page's tests check in the browser.)
#include "web/api/WebProject.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/model/FileIo.h"

using namespace fundis;

namespace {

const std::string kData = FUNDIS_TEST_DATA_DIR;
const std::string kSamples = FUNDIS_SAMPLES_DIR;

std::string fileBytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(path, bytes)) << path;
    return bytes;
}

WebProject project() {
    WebProject opened(FUNDIS_TABLES_DIR, FUNDIS_SOURCE_EXAMPLES_DIR);
    opened.setDecimalSeparator(',');
    return opened;
}

bool has(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }

}  // namespace

// The results are out of date once the form or the layers differ from what was calculated, and
// current again when they are put back
TEST(WebProject, OutOfDateFollowsTheInputs) {
    WebProject p = project();
    ASSERT_TRUE(p.openDan(fileBytes(kSamples + "/settlement/cases/settle_0001.dan"), "s.dan").ok);
    EXPECT_TRUE(has(p.status(), R"("calculated": false, "outOfDate": false)"));
    p.calculate();
    EXPECT_TRUE(has(p.status(), R"("calculated": true, "outOfDate": false)")) << p.status();
    const std::string load = p.currentForm().text(TextField::NII1);
    p.setText("NII1", "1");
    EXPECT_TRUE(has(p.status(), R"("outOfDate": true)"));
    EXPECT_TRUE(has(p.htmlReport(), kOutOfDateLine));
    p.setText("NII1", load);
    EXPECT_TRUE(has(p.status(), R"("outOfDate": false)"));
    SettlementInputs layers = p.currentSettlement();
    layers.layers.pop_back();
    p.setSettlement(layers);
    EXPECT_TRUE(has(p.status(), R"("outOfDate": true)"));
}

// A field the calculation cannot go without refuses it (the red line the page's tests read, each
// rule ProjectPassTest checks): the results say not run, and nothing counts as calculated
TEST(WebProject, RefusedCalculation) {
    WebProject p = project();
    ASSERT_TRUE(p.openDan(fileBytes(kData + "/sand_frost_depth.dan"), "sand.dan").ok);
    p.setText("NII1", "");
    EXPECT_TRUE(has(p.calculate(), R"("outcome": "not run", "report": [{"text": "Расчет не выполнен: )"));
    EXPECT_TRUE(has(p.resultsJson(), R"("outcome": "not run")"));
    EXPECT_TRUE(has(p.status(), R"("calculated": false)"));
}

// The OK's question, the core's (its parts InputProcessingTest checks), empty for a clean form
TEST(WebProject, OkWarnings) {
    WebProject p = project();
    ASSERT_TRUE(p.openDan(fileBytes(kData + "/sand_frost_depth.dan"), "sand.dan").ok);
    EXPECT_EQ(p.okWarnings(), R"({"text": ""})");
    p.setText("NII1", "");
    EXPECT_TRUE(
        has(p.okWarnings(), "Без этих полей расчет не будет выполнен:\\n  N, Mmax, II предельное состояние"))
        << p.okWarnings();
}

// The OK shows the L/H actually used (the ratio itself InputProcessingTest checks), and the dialog's own
// rewrite of its edit is no change to save
TEST(WebProject, AcceptShowsTheRatioUsed) {
    WebProject p = project();
    ASSERT_TRUE(p.setChoice("LHChoice", 2));
    p.setText("LH", "7");
    p.setModified(false);
    p.acceptForm();
    EXPECT_EQ(p.currentForm().text(TextField::LH), "4");
    EXPECT_TRUE(has(p.status(), R"("modified": false)"));
}

// "Масштаб 1:" as the settings dialog takes it, with its message otherwise
TEST(WebProject, ScaleSetting) {
    // which texts the scale takes SettingsTest checks
    const std::tuple<const char*, bool> rows[] = {{"100", true}, {"7.5", false}};
    for (const auto& [text, accepted] : rows) {
        WebProject p = project();
        const WebResult set = p.setSettings(text, false);
        EXPECT_EQ(set.ok, accepted) << text;
        if (!accepted) {
            EXPECT_EQ(set.message, std::string("В поле «Масштаб 1:» нужно целое число больше нуля, а не «") +
                                       text + "». Исправьте его и сохраните настройки снова.");
            EXPECT_TRUE(has(p.settings(), R"("scale": "75")"));
        }
    }
    WebProject p = project();
    ASSERT_TRUE(p.setSettings("200", true).ok);
    EXPECT_TRUE(has(p.settings(), R"("scale": "200", "debug": true)"));
}

// The settlement window: nothing to stand on before a calculation; "Рассчитать" after one gives the
// result and hands it to the documents; an edit drops it with a line that says so, once
TEST(WebProject, SettlementWindow) {
    WebProject p = project();
    ASSERT_TRUE(p.openDan(fileBytes(kSamples + "/settlement/cases/settle_0001.dan"), "s.dan").ok);
    p.openSettlementWindow();
    EXPECT_TRUE(has(p.calculateSettlement(), kNoDesignYet));

    p.calculate();
    const std::string opened = p.openSettlementWindow();
    EXPECT_TRUE(has(opened, R"("notice": "")"));
    EXPECT_TRUE(has(opened, R"("calculated": true)")) << "the calculation's own settlement is shown";
    const std::string calculated = p.calculateSettlement();
    EXPECT_TRUE(has(calculated, R"("label": "s = )")) << calculated;
    EXPECT_TRUE(has(calculated, R"("badCells": [])"));
    EXPECT_TRUE(has(p.settlementPageSvg(), "<svg"));
    EXPECT_TRUE(has(p.resultsJson(), R"("settlement": {)"));

    SettlementInputs edited = p.currentSettlement();
    edited.layers[0].E = "abc";
    const std::string hint = p.settlementEdited(edited);
    EXPECT_TRUE(has(hint, "Исходные данные изменены: нажмите «Рассчитать».")) << hint;
    EXPECT_TRUE(has(hint, "Прежний расчет: s = ")) << hint;
    EXPECT_TRUE(has(p.settlementEdited(edited), R"({"hint": []})"));
    EXPECT_EQ(p.settlementPageSvg(), "");  // the bad cell marked and named the page's tests read

    // the form changed since the calculation: the window says the design is out of date
    p.setText("NII1", "1");
    EXPECT_TRUE(has(p.openSettlementWindow(), kOutOfDateLine));
}

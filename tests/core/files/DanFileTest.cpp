// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DanFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "core/model/TextCodec.h"
#include "support/SampleProject.h"
#include "support/TempFolder.h"

using namespace fundis;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

// The file of a project whose controls were never touched, value by value.
const char* const kUntouchedLines[] = {
    "0",   "0",      "0",   "0",     "0",     "0", "0", "0",   "0", "#", "#",     "#",     "#",
    "#",   "#",      "#",   "#",     "#",     "#", "#", "0.3", "#", "#", "#",     "#",     "#",
    "0.7", "-0.150", "0.3", "0.600", "0.600", "#", "#", "#",   "#", "#", "0.020", "0.070", "365",
    "365", "#",      "#",   "#",     "#",     "#", "#", "#",   "#", "#", "#",     "0",
};

// The untouched file with some values (1..51) replaced; the values from `end` on left out.
std::string danFile(const std::map<int, std::string>& replaced = {}, const std::string& separator = "\r\n",
                    int end = 52) {
    std::string bytes;
    for (int value = 1; value < end; ++value) {
        const auto found = replaced.find(value);
        bytes += found != replaced.end() ? found->second : kUntouchedLines[value - 1];
        bytes += value + 1 < end ? separator : "";
    }
    return bytes;
}

// A form whose first part differs from everything the files below hold, to see what a read leaves
// alone.
ProjectForm markedForm() {
    ProjectForm form;
    std::fill(form.choices.begin(), form.choices.begin() + kFirstPartListCount, 1);
    for (int index = 0; index < kFirstPartTextCount; ++index) {
        form.texts[static_cast<std::size_t>(index)] = "old" + std::to_string(index);
    }
    form.craneAndWind = true;
    return form;
}

// The fields of the first part only, as an old copy of the program reads them.
ProjectForm firstPart(ProjectForm form) {
    const ProjectForm fresh;
    std::copy(fresh.texts.begin() + kFirstPartTextCount, fresh.texts.end(),
              form.texts.begin() + kFirstPartTextCount);
    std::copy(fresh.choices.begin() + kFirstPartListCount, fresh.choices.end(),
              form.choices.begin() + kFirstPartListCount);
    return form;
}

}  // namespace

// Writing: the untouched project; code page 1251, no selection as -1, a text "#" as an empty one, no
// line end after the last value. Reading it back gives the same controls but that empty text.
TEST(DanWrite, UntouchedAndChangedProjects) {
    std::string bytes;
    ASSERT_TRUE(serializeDan(ProjectForm(), bytes).ok());
    EXPECT_EQ(bytes, danFile());
    ProjectForm form;
    form.choice(ListField::concreteClass) = -1;
    form.text(TextField::MII1) = std::string(99, '7');  // the longest word the reader takes
    form.text(TextField::d) = "#";
    form.text(TextField::QI3) = "Без_имени";
    form.craneAndWind = true;
    ASSERT_TRUE(serializeDan(form, bytes).ok());
    EXPECT_EQ(bytes,
              danFile({{9, "-1"}, {12, std::string(99, '7')}, {49, utf8ToCp1251("Без_имени")}, {51, "1"}}));
    ProjectForm read = markedForm();
    ASSERT_TRUE(parseDan(bytes, read).ok());
    form.text(TextField::d) = "";
    EXPECT_EQ(read, form);
}

// A saved project reads into the controls the dialog held and is written back byte for byte
TEST(DanRead, SavedProject) {
    ProjectFile project;
    project.form = markedForm();
    Status settlementPartRead;
    ASSERT_TRUE(
        readProjectFile(FUNDIS_TEST_DATA_DIR "/sand_frost_depth.dan", project, settlementPartRead).ok());
    EXPECT_TRUE(settlementPartRead.ok());
    EXPECT_EQ(project.form, sandProjectForm());  // nothing of the form before the read left
    // the lists first, then the texts in the dialog's order, "#" for an empty edit
    EXPECT_EQ(project.form.choice(ListField::frostSoil), 1);
    EXPECT_EQ(project.form.choice(ListField::temperature), 2);
    EXPECT_EQ(project.form.choice(ListField::soil), 1);
    const std::pair<TextField, const char*> texts[] = {
        {TextField::Mt, "36.5"}, {TextField::overhang, ""},          {TextField::MII1, "95"},
        {TextField::cii, "2"},   {TextField::pedestalTop, "-0.150"}, {TextField::QI3, "40.3"}};
    for (const auto& [field, text] : texts) {
        EXPECT_EQ(project.form.text(field), text) << static_cast<int>(field);
    }
    EXPECT_FALSE(project.settlement.hasLayers());
    std::string bytes;
    ASSERT_TRUE(serializeProject(project, bytes).ok());
    EXPECT_EQ(bytes, readBytes(FUNDIS_TEST_DATA_DIR "/sand_frost_depth.dan"));
}

// The reader splits at white space, so any layout of the same values reads the same
TEST(DanRead, LayoutVariantsReadTheSame) {
    const std::string layouts[] = {danFile({}, "\n"),
                                   "\r\n\r\n  " + danFile({}, " \t \r\n\r\n ") + "  \r\n\r\n",
                                   danFile() + "\r\nany text after the values"};
    for (const std::string& bytes : layouts) {
        ProjectForm read = markedForm();
        const Status parsed = parseDan(bytes, read);
        ASSERT_TRUE(parsed.ok()) << parsed.message();
        EXPECT_EQ(read, ProjectForm());
    }
}

// A list index its list cannot select comes back as no selection; any integer but 0 ticks the box
// (value 51)
TEST(DanRead, ListIndicesAndTheCheckBox) {
    const std::tuple<int, const char*, int> rows[] = {
        {1, "-1", -1}, {1, "3", 3},  {1, "4", -1},  {3, "4", 4},  {3, "5", -1}, {5, "6", 6},
        {5, "7", -1},  {7, "2", 2},  {7, "3", -1},  {9, "4", 4},  {9, "5", -1}, {2, "-2", -1},
        {51, "0", 0},  {51, "1", 1}, {51, "-1", 1}, {51, "7", 1}, {51, "+0", 0}};
    for (const auto& [line, value, index] : rows) {
        SCOPED_TRACE(::testing::Message() << "value " << line << " = " << value);
        ProjectForm read = markedForm();
        ASSERT_TRUE(parseDan(danFile({{line, value}}), read).ok());
        EXPECT_EQ(line == 51 ? read.craneAndWind : read.choices[static_cast<std::size_t>(line - 1)], index);
    }
}

// Reading stops at the first value it cannot read and names its line and its field as the user
// sees it; the values before it are taken, it and the later ones are not
TEST(DanRead, StopsAtTheFirstBadValueAndNamesIt) {
    const std::string kLongWord(100, '7');
    // the value (1..51) replaced or the first one missing, its word (nullptr: the file ends before
    // it), the whole message
    const std::tuple<int, const char*, const char*> rows[] = {
        {1, nullptr,
         "строка 1: файл кончается, не дойдя до поля Тип грунта для опр. глубины заложения подошвы "
         "фундамента (вкладка «Грунт»)"},
        {21, nullptr, "строка 21: файл кончается, не дойдя до поля d_l (вкладка «Фундамент»)"},
        {51, nullptr,
         "строка 51: файл кончается, не дойдя до поля Учет крановых и ветровых нагр. (вкладка «Нагрузки»)"},
        {3, "abc", "строка 3: поле Температура (вкладка «Сооружение»): ожидалось целое число, а не «abc»"},
        {9, "1.0", "строка 9: поле Класс бетона (вкладка «Фундамент»): ожидалось целое число, а не «1.0»"},
        {2, "99999999999",
         "строка 2: поле Тип пола сооружения (вкладка «Сооружение»): ожидалось целое число, а не "
         "«99999999999»"},
        {51, "да",
         "строка 51: поле Учет крановых и ветровых нагр. (вкладка «Нагрузки»): ожидалось 0 или 1, а не «да»"},
        {12, kLongWord.c_str(),
         "строка 12: поле M, Mmax, II предельное состояние (вкладка «Нагрузки»): текст длиннее 99 символов"},
    };
    for (const auto& [bad, word, expected] : rows) {
        ProjectForm read = markedForm();
        const Status parsed =
            parseDan(word ? danFile({{bad, utf8ToCp1251(word)}}) : danFile({}, "\r\n", bad) + "\r\n", read);
        EXPECT_EQ(parsed.message(), expected);
        const ProjectForm untouched = markedForm();
        int value = 0;
        for (int at = 0; at < kFirstPartFieldCount; ++at) {
            const FormField& field = formFields()[static_cast<std::size_t>(at)];
            const bool kept = ++value >= bad;
            if (field.kind == FieldKind::List) {
                const auto list = static_cast<ListField>(field.index);
                EXPECT_EQ(read.choice(list), kept ? 1 : 0) << expected << " / " << field.name;
            } else if (field.kind == FieldKind::Text) {
                const auto text = static_cast<TextField>(field.index);
                EXPECT_EQ(read.text(text) == untouched.text(text), kept) << expected << " / " << field.name;
            }
        }
        EXPECT_TRUE(read.craneAndWind) << expected;
    }
}

// Texts the format cannot hold are refused on saving, naming the field; the old file stays
TEST(DanWrite, RefusesTextsTheReaderWouldSplitOrCut) {
    const std::tuple<TextField, std::string, const char*> rows[] = {
        {TextField::d_l, "0 3", "d_l (вкладка «Фундамент»)"},
        {TextField::MII1, "1\t2", "M, Mmax, II предельное состояние (вкладка «Нагрузки»)"},
        {TextField::groundLevel, "a\nb", "Отметка природного рельефа (вкладка «Фундамент»)"},
        {TextField::Mt, " 12", "Mt (вкладка «Сооружение»)"},
        {TextField::QII1, std::string(100, '1'),
         "Q, Mmax, II предельное состояние (вкладка «Нагрузки»): текст длиннее 99 символов"},
        {TextField::Yii, "√2", "Вес грунта ниже подошвы (вкладка «Грунт»)"}};  // no root sign in 1251
    TempFolder folder;
    const std::string path = folder.file("project.dan");
    for (const auto& [target, text, field] : rows) {
        SCOPED_TRACE(field);
        writeBytes(path, "old contents");
        ProjectForm form;
        form.text(target) = text;
        std::string bytes = "previous";
        const Status serialized = serializeDan(form, bytes);
        EXPECT_NE(serialized.message().find(field), std::string::npos) << serialized.message();
        EXPECT_EQ(serialized.message().find("Edit"), std::string::npos) << serialized.message();
        EXPECT_EQ(bytes, "previous");
        ProjectFile project;
        project.form = form;
        EXPECT_FALSE(writeProjectFile(path, project).ok());
        EXPECT_EQ(readBytes(path), "old contents");
    }
}

// The settlement part after the 51st value: a project with layers comes back whole, and a part that
// cannot be read leaves the design's values loaded, no layers, and a message naming what was wrong
// (the part's own format and messages are SettlementDanTest's, what a reader that stops after the
// 51 values takes AddedPartAfterTheSettlementPart's)
TEST(ProjectFile, SettlementPartAfterTheDesignValues) {
    ProjectFile project;
    project.form = sandProjectForm();
    project.settlement.layers = {{"2.4", "18.6", "14"}, {"3", "19.4", ""}};
    project.settlement.buildingType = kTypedSuItem;
    project.settlement.suText = "9.5";
    std::string bytes;
    ASSERT_TRUE(serializeProject(project, bytes).ok());
    std::string designOnly;
    ASSERT_TRUE(serializeDan(project.form, designOnly).ok());
    EXPECT_EQ(bytes.substr(0, designOnly.size() + 5), designOnly + "\r\nS\r\n");

    ProjectFile back;
    Status problem;
    ASSERT_TRUE(parseProject(bytes, back, problem).ok());
    EXPECT_TRUE(problem.ok());
    EXPECT_EQ(back.form, project.form);
    EXPECT_EQ(back.settlement, project.settlement);

    // a file of before: no layers; a part cut short: the design still loads
    ProjectFile old;
    ASSERT_TRUE(parseProject(designOnly, old, problem).ok());
    EXPECT_TRUE(problem.ok() && !old.settlement.hasLayers());
    ProjectFile cut;
    ASSERT_TRUE(parseProject(bytes.substr(0, bytes.size() - 9), cut, problem).ok());
    EXPECT_EQ(cut.form, project.form);
    EXPECT_FALSE(cut.settlement.hasLayers());
}

namespace {

std::size_t occurrences(const std::string& text, const std::string& piece) {
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

// A word of megabytes where a number belongs (the design's first value, the check box, the
// settlement part's count and marker) is quoted by its first 60 characters and its length: the
// message fits a screen, whatever the file holds
TEST(ProjectFile, LongWordsAreQuotedShort) {
    const std::string huge(5 * 1024 * 1024, 'Z');
    const std::string quoted = "«" + std::string(60, 'Z') + "…» (5242880 символов)";
    const std::string design = danFile();
    const std::pair<std::string, const char*> rows[] = {
        {danFile({{1, huge}}), "строка 1: поле Тип грунта для опр. глубины заложения"},
        {danFile({{51, huge}}), "строка 51: поле Учет крановых и ветровых нагр."},
        {design + "\r\n" + huge, "осадка: метка S — вместо нее"},
        {design + "\r\nS\r\n" + huge, "осадка: число слоев — ожидалось целое число"},
    };
    for (const auto& [bytes, start] : rows) {
        ProjectFile project;
        Status settlementPartRead;
        const Status read = parseProject(bytes, project, settlementPartRead);
        const std::string message = read ? settlementPartRead.message() : read.message();
        EXPECT_EQ(message.rfind(start, 0), 0u) << message.substr(0, 200);
        EXPECT_NE(message.find(quoted), std::string::npos) << message.substr(0, 200);
        EXPECT_LT(message.size(), 400u) << start;
    }
}

// A file that cannot be read or saved is named once in the message, whatever went wrong: the
// reading itself, its contents, the folder, a text the format cannot hold
TEST(ProjectFile, FailuresNameTheFileOnce) {
    TempFolder folder;
    const std::string bad = folder.file("bad.dan");
    writeBytes(bad, danFile({{3, "abc"}}));
    const std::string missing = folder.file("none.dan");
    const std::string noFolder = folder.file("no-such-folder/a.dan");
    ProjectFile project;
    project.form = sandProjectForm();
    ProjectFile spaced = project;
    spaced.form.text(TextField::d_l) = "0 3";
    Status problem;
    const std::tuple<Status, std::string, const char*> rows[] = {
        {readProjectFile(missing, project, problem), missing, "не удалось открыть файл «"},
        {readProjectFile(bad, project, problem), bad, "не удалось прочитать файл «"},
        {writeProjectFile(noFolder, project), noFolder, "не удалось сохранить файл «"},
        {writeProjectFile(bad, spaced), bad, "не удалось сохранить файл «"},
    };
    for (const auto& [status, path, start] : rows) {
        EXPECT_EQ(status.message().rfind(start + path + "»: ", 0), 0u) << status.message();
        EXPECT_EQ(occurrences(status.message(), path), 1u) << status.message();
        EXPECT_EQ(occurrences(status.message(), "не удалось"), 1u) << status.message();
    }
}

namespace {

// A project that sets every added field away from what a file without them means.
ProjectForm allAddedFieldsSet() {
    ProjectForm form = sandProjectForm();
    form.choice(ListField::stepMethod) = static_cast<int>(StepMethod::Manual1989);
    const std::pair<TextField, const char*> texts[] = {
        {TextField::db, "2"},       {TextField::hs, "0.5"},       {TextField::hcf, "0.1"},
        {TextField::Ycf, "22"},     {TextField::Yc1Given, "1"},   {TextField::Yc2Given, "1"},
        {TextField::kGiven, "1"},   {TextField::Yb2Given, "0.9"}, {TextField::bGiven, "3.6"},
        {TextField::lGiven, "4.5"}, {TextField::Ymt, "18"},       {TextField::stepsGiven, "0.3 0.3 0.3"},
        {TextField::gammaF, "1.2"}};
    for (const auto& [field, text] : texts) {
        form.text(field) = text;
    }
    return form;
}

}  // namespace

// The added fields after the settlement part, by name: only those that differ from what a file
// without them means, so a project of before is written as before; they come back with or without
// layers, an old reader takes the first part alone, and a reader passes over names it does not know
TEST(ProjectFile, AddedPartAfterTheSettlementPart) {
    ProjectFile project;
    project.form = sandProjectForm();
    project.form.choice(ListField::stepMethod) = static_cast<int>(StepMethod::Manual1989);
    project.form.text(TextField::stepsGiven) = "0,3 0,3  0,45";
    std::string design;
    ASSERT_TRUE(serializeDan(project.form, design).ok());
    std::string bytes;
    ASSERT_TRUE(serializeProject(project, bytes).ok());
    EXPECT_EQ(bytes, design + "\r\nF\r\n2\r\nstepMethod\r\n0\r\nstepsGiven\r\n0.3;0.3;;0.45");

    for (const bool layers : {false, true}) {
        SCOPED_TRACE(layers ? "with layers" : "without layers");
        project.form = allAddedFieldsSet();
        project.settlement = SettlementInputs();
        if (layers) {
            project.settlement.layers = {{"2.4", "18.6", "14"}};
            project.settlement.suText = "8";
        }
        ASSERT_TRUE(serializeProject(project, bytes).ok());
        ProjectFile back;
        Status problem;
        ASSERT_TRUE(parseProject(bytes, back, problem).ok());
        EXPECT_TRUE(problem.ok()) << problem.message();
        EXPECT_EQ(back.form, project.form);
        EXPECT_EQ(back.settlement, project.settlement);
        ProjectForm oldReader;
        ASSERT_TRUE(parseDan(bytes, oldReader).ok());
        EXPECT_EQ(oldReader, firstPart(project.form));
    }

    // a later copy's field and a later part are passed over; a file without the part is of before
    ProjectFile later;
    Status problem;
    ASSERT_TRUE(
        parseProject(design + "\r\nF\r\n2\r\nfuture\r\nx\r\nYmt\r\n19\r\nZ\r\nmore", later, problem).ok());
    EXPECT_EQ(later.form.text(TextField::Ymt), "19");
    EXPECT_EQ(later.form.choice(ListField::stepMethod), static_cast<int>(StepMethod::K1Table));
    ProjectFile old;
    old.form = allAddedFieldsSet();
    ASSERT_TRUE(parseProject(design, old, problem).ok());
    EXPECT_EQ(old.form, sandProjectForm());
}

// A malformed added part fails the reading and names its line: the design would change silently;
// behind a settlement part that cannot be read the added part is still found
TEST(ProjectFile, MalformedAddedPartIsNamed) {
    std::string design;
    ASSERT_TRUE(serializeDan(sandProjectForm(), design).ok());
    const std::pair<std::string, const char*> rows[] = {
        {"\r\nF\r\nx", "строка 53: дополнительные поля: ожидалось число полей, а не «x»"},
        {"\r\nF", "строка 52: дополнительные поля: файл кончается, не дойдя до числа полей"},
        {"\r\nF\r\n2\r\nYmt\r\n18\r\ndb",
         "строка 56: дополнительные поля: файл кончается, не дойдя до поля 2 из 2"},
        {"\r\nF\r\n1\r\nstepMethod\r\nabc",
         "строка 55: поле Вылеты ступеней (вкладка «Фундамент»): ожидалось целое число, а не «abc»"},
    };
    for (const auto& [tail, message] : rows) {
        ProjectFile project;
        Status problem;
        EXPECT_EQ(parseProject(design + tail, project, problem).message(), message);
    }
    // at most 1000 fields: more is no file of ours
    std::string fields;
    for (int i = 0; i < 1000; ++i) {
        fields += "\r\nlater" + std::to_string(i) + "\r\n1";
    }
    for (const int count : {1000, 1001}) {
        ProjectFile project;
        Status problem;
        const Status read = parseProject(design + "\r\nF\r\n" + std::to_string(count) + fields + "\r\nx\r\n1",
                                         project, problem);
        EXPECT_EQ(read.ok(), count == 1000) << read.message();
    }
    ProjectFile project;
    Status problem;
    ASSERT_TRUE(parseProject(design + "\r\nS\r\nx\r\nF\r\n1\r\nYmt\r\n17", project, problem).ok());
    EXPECT_EQ(problem.message().rfind("осадка: число слоев", 0), 0u) << problem.message();
    EXPECT_EQ(project.form.text(TextField::Ymt), "17");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FormFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "core/model/ProjectForm.h"

using namespace fundis;

namespace {

// A form that breaks no rule, to see one field's rule alone.
ProjectForm sandProjectFormForRules() {
    ProjectForm form;
    for (const TextField field :
         {TextField::Mt, TextField::NII1, TextField::NII2, TextField::NII3, TextField::NI1, TextField::NI2,
          TextField::NI3, TextField::Yii, TextField::Yii1, TextField::lc, TextField::bc}) {
        form.text(field) = "1";
    }
    return form;
}

}  // namespace

// The table as lookups use it: names are unique and found again, and the fields the file keeps by
// name come after those of its first part (a field's title by label, group and tab every message's
// test reads, a name that is none SetFieldByName's "gamma")
TEST(FormFields, NamesTitlesAndFileOrder) {
    std::set<std::string> names;
    int texts = 0, lists = 0;
    for (const FormField& field : formFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_EQ(findFormField(field.name), &field) << field.name;
        if (field.kind == FieldKind::Text) {
            ++texts;
            EXPECT_EQ(&formField(static_cast<TextField>(field.index)), &field);
        } else if (field.kind == FieldKind::List) {
            ++lists;
            EXPECT_EQ(&formField(static_cast<ListField>(field.index)), &field);
        }
        EXPECT_EQ(field.part == FieldPart::Added, &field - formFields().data() >= kFirstPartFieldCount)
            << field.name;
    }
    EXPECT_EQ(texts, kTextFieldCount);
    EXPECT_EQ(lists, kListFieldCount);
}

// The added fields' own rules: empty means what the table says; given, each is refused in one
// line that names it when it is out of its bounds, and a field another one needs is refused empty
TEST(FormFields, AddedFieldsRules) {
    // the field, its text, and the problem's words (nullptr: none); the needed field's partner set
    const std::tuple<TextField, const char*, const char*> rows[] = {
        {TextField::Yc1Given, "", nullptr},
        {TextField::Yc1Given, "1,2", nullptr},
        {TextField::Yc1Given, "3", "γc1, заданные коэффициенты (вкладка «Грунт»): «3» вне пределов 0,5…2"},
        {TextField::kGiven, "1.2", "k, заданные коэффициенты (вкладка «Грунт»): «1.2» вне пределов 1…1,1"},
        {TextField::Yb2Given, "0", "Заданный γb2 (вкладка «Фундамент»): «0» вне пределов 0,5…1,5"},
        {TextField::db, "-1", "Глубина подвала db (вкладка «Грунт»): «-1» меньше 0"},
        {TextField::db, "0", nullptr},
        {TextField::hs, "0", "Грунт над подошвой hs (вкладка «Грунт»): «0» не больше 0"},
        {TextField::Ymt, "0", nullptr},
        {TextField::Ymt, "-20", "γmt фундамента с грунтом (вкладка «Фундамент»): «-20» меньше 0"},
        {TextField::stepsGiven, "0,3 0,3;0.45", nullptr},
        {TextField::stepsGiven, "0,3 0",
         "Высоты ступеней (вкладка «Фундамент»): «0,3 0» — не высоты ступеней"},
        {TextField::stepsGiven, "0,3 x", "«0,3 x» — не высоты ступеней"},
        {TextField::gammaF, "0.9", "γf (вкладка «Нагрузки»): «0.9» вне пределов 1…2"},
        {TextField::bGiven, "3",
         "Длина подошвы l, заданная подошва (вкладка «Фундамент»): пусто, а задано поле "
         "«Ширина подошвы b»"},
        {TextField::hcf, "0.1",
         "Вес пола подвала γcf (вкладка «Грунт»): пусто, а задано поле «Пол подвала hcf»"},
    };
    for (const auto& [field, text, problem] : rows) {
        SCOPED_TRACE(std::string(formField(field).name) + " = «" + text + "»");
        ProjectForm form = sandProjectFormForRules();
        form.text(field) = text;
        std::string found;
        for (const FieldProblem& each : fieldProblems(form)) {
            found += each.describe() + "\n";
        }
        if (problem == nullptr) {
            EXPECT_EQ(found, "");
        } else {
            EXPECT_NE(found.find(problem), std::string::npos) << found;
            EXPECT_EQ(std::count(found.begin(), found.end(), '\n'), 1) << found;
        }
    }
}

// fundis-cli's --set: a text as typed, a list by its item or index, the box by 0 or 1; what the
// field cannot take is named with what it can
TEST(FormFields, SetFieldByName) {
    ProjectForm form;
    EXPECT_TRUE(setField(form, "stepsGiven", "0,3 0,3").ok());
    EXPECT_EQ(form.text(TextField::stepsGiven), "0,3 0,3");
    EXPECT_TRUE(setField(form, "stepMethod", "по таблице k1").ok());
    EXPECT_EQ(form.choice(ListField::stepMethod), 1);
    EXPECT_TRUE(setField(form, "concreteClass", "B 25").ok());
    EXPECT_EQ(form.choice(ListField::concreteClass), 3);
    EXPECT_TRUE(setField(form, "concreteClass", "4").ok());
    EXPECT_EQ(form.choice(ListField::concreteClass), 4);
    EXPECT_TRUE(setField(form, "craneAndWind", "1").ok());
    EXPECT_TRUE(form.craneAndWind);
    const std::pair<std::pair<const char*, const char*>, const char*> refused[] = {
        {{"gamma", "1"}, "нет поля «gamma»"},
        {{"concreteClass", "5"},
         "Класс бетона (вкладка «Фундамент»): «5» — не пункт списка; пункты: 0 «B 12,5», "
         "1 «B 15», 2 «B 20», 3 «B 25», 4 «B 30»"},
        {{"concreteClass", "B25"}, "«B25» — не пункт списка"},
        {{"stepMethod", "-1"}, "«-1» — не пункт списка"},
        {{"craneAndWind", "да"}, "«да» — ожидалось 0 или 1"},
    };
    for (const auto& [assignment, message] : refused) {
        const Status set = setField(form, assignment.first, assignment.second);
        EXPECT_NE(set.message().find(message), std::string::npos) << set.message();
    }
    EXPECT_EQ(form.choice(ListField::concreteClass), 4);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FormFields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/model/ProjectForm.h"

using namespace fundis;

// The table as messages and lookups use it: names are unique and found again, a field is titled by
// label, group and tab, and the old control names stand in the order of the .dan file
TEST(FormFields, NamesTitlesAndFileOrder) {
    std::set<std::string> names;
    int texts = 0, lists = 0;
    for (const FormField& field : formFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_EQ(findFormField(field.name), &field) << field.name;
        const std::string control = field.control;
        if (field.kind == FieldKind::Text) {
            EXPECT_EQ(control, "Edit" + std::to_string(++texts));
            EXPECT_EQ(&formField(static_cast<TextField>(field.index)), &field);
        } else if (field.kind == FieldKind::List) {
            EXPECT_EQ(control, "ComboBox" + std::to_string(++lists));
            EXPECT_EQ(&formField(static_cast<ListField>(field.index)), &field);
        }
    }
    EXPECT_EQ(texts, kTextFieldCount);
    EXPECT_EQ(lists, kListFieldCount);
    EXPECT_EQ(findFormField("gamma"), nullptr);
    ASSERT_NE(findFormField("Yii1"), nullptr);
    EXPECT_EQ(fieldTitle(*findFormField("Yii1")), "Вес грунта выше подошвы (вкладка «Грунт»)");
    EXPECT_EQ(fieldTitle(formField(TextField::NI2)), "N, Nmax, I предельное состояние (вкладка «Нагрузки»)");
    EXPECT_EQ(fieldTitle(formField(ListField::concreteClass)), "Класс бетона (вкладка «Фундамент»)");
    EXPECT_EQ(fieldCaption(formField(TextField::Rs)), "Rs, МПа");
}

// The rules as the table states them: the fields the calculation cannot go without, the range of
// φii, and what the fields that may stay empty mean
TEST(FormFields, Rules) {
    std::set<std::string> required;
    for (const FormField& field : formFields()) {
        if (field.rule == FieldRule::Positive || field.rule == FieldRule::PositiveWithoutDepth) {
            required.insert(field.name);
        } else if (field.kind == FieldKind::Text && field.rule == FieldRule::Optional) {
            EXPECT_STRNE(field.whenEmpty, "") << field.name;
        }
    }
    EXPECT_EQ(required,
              (std::set<std::string>{"NII1", "NII2", "NII3", "NI1", "NI2", "NI3", "Yii", "Yii1", "d_l", "d_h",
                                     "socketDepth", "socketBottom", "lc", "bc", "da", "dz", "Rs", "Mt"}));
    EXPECT_EQ(formField(TextField::Mt).rule, FieldRule::PositiveWithoutDepth);
    const FormField& fii = formField(TextField::fii);
    EXPECT_EQ(fii.rule, FieldRule::Range);
    EXPECT_EQ(fii.low, 0.0f);
    EXPECT_EQ(fii.high, 45.0f);
    EXPECT_STREQ(formField(TextField::d).whenEmpty, "по глубине промерзания");
    EXPECT_STREQ(formField(TextField::buc).whenEmpty, "по таблице");
    // a new project lacks the loads, the soil's weights, the column and Mt, and says so in that order
    std::string missing;
    for (const FieldProblem& problem : fieldProblems(ProjectForm())) {
        EXPECT_EQ(problem.kind, FieldProblem::Kind::Empty) << problem.field->name;
        missing += std::string(problem.field->name) + " ";
    }
    EXPECT_EQ(missing, "Mt NII1 NII2 NII3 Yii Yii1 lc bc NI1 NI2 NI3 ");
}

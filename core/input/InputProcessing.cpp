#include "core/input/InputProcessing.h"

#include <algorithm>

#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

// kh by air temperature (rows) and floor type (columns)
constexpr float kKhTable[5][4] = {
    {0.9f, 1.0f, 1.0f, 0.8f}, {0.8f, 0.9f, 1.0f, 0.7f}, {0.7f, 0.8f, 0.9f, 0.6f},
    {0.6f, 0.7f, 0.8f, 0.5f}, {0.5f, 0.6f, 0.7f, 0.4f},
};

constexpr float kD0[4] = {0.23f, 0.28f, 0.30f, 0.34f};

float number(const ProjectForm& form, int edit) { return textToFloat(form.edit(edit)); }

float megapascalsToKilopascals(const ProjectForm& form, int edit) {
    return static_cast<float>(static_cast<double>(number(form, edit)) * 1000.0);
}

// as a float the added 1e-10 survives only for index 0, lifting the key above the first row key
float soilRowKey(int soilIndex) { return static_cast<float>(soilIndex + 1e-10); }

}  // namespace

void applyInputForm(ProjectForm& form, ProjectRecord& data, const CodeTables& tables) {
    data.Mt = number(form, 1);
    data.fii = number(form, 13);
    data.cii = number(form, 14);
    data.Yii = number(form, 16);
    data.Yii1 = number(form, 17);
    data.bToL = number(form, 18);
    data.d_l = number(form, 12);
    data.pedestalTop = number(form, 19);
    data.d_h = number(form, 20);
    data.buc = number(form, 24);
    data.luc = number(form, 25);
    data.lc = number(form, 23);
    data.bc = number(form, 27);
    data.socketDepth = number(form, 21);
    data.socketBottom = number(form, 22);
    data.d = number(form, 26);
    data.dz = number(form, 29);
    data.da = number(form, 28);
    data.Rs = megapascalsToKilopascals(form, 30);
    data.Rsc = megapascalsToKilopascals(form, 31);
    data.groundLevel = number(form, 41);

    // taken from the table each time, so the crane-and-wind raise is never applied twice; with no
    // class selected Rbt keeps its value and is not raised again
    const int concreteClass = form.combo(9);
    if (concreteClass >= 0 && concreteClass < static_cast<int>(tables.rb.size())) {
        data.Rbt = tables.rb[concreteClass][2];
        if (form.craneAndWind) {
            data.Rbt = static_cast<float>(static_cast<double>(data.Rbt) * 1.1);
        }
    }

    const float overhang = form.combo(4) == 0 ? 0.5f : number(form, 2);

    const int frostSoil = form.combo(1);
    if (frostSoil >= 0 && frostSoil < 4) {
        data.d0 = kD0[frostSoil];
    }

    // a wide overhang brings the building's heat closer to the base; no lower bound.
    // Without both choices kh keeps its value: raising it again would drift at every OK.
    const int temperature = form.combo(3);
    const int floorType = form.combo(2);
    if (temperature >= 0 && temperature < 5 && floorType >= 0 && floorType < 4) {
        data.kh = kKhTable[temperature][floorType];
        data.kh = static_cast<float>(data.kh + (overhang - 0.5) * 0.1);
        if (data.kh > 1.0f) {
            data.kh = 1.0f;
        }
    }

    for (int combination = 1; combination <= 3; ++combination) {
        const int second = 3 + (combination - 1) * 3;  // Edit3, Edit6, Edit9
        const int first = 32 + (combination - 1) * 3;  // Edit32, Edit35, Edit38
        data.MII[combination] = number(form, second);
        data.NII[combination] = number(form, second + 1);
        data.QII[combination] = number(form, second + 2);
        data.MI[combination] = number(form, first);
        data.NI[combination] = number(form, first + 1);
        data.QI[combination] = number(form, first + 2);
    }

    const int soil = form.combo(5);
    if (form.combo(6) == 1) {
        data.Yc2 = 1.0f;  // a flexible building takes no share of the base's deformation
    } else {
        const int choice = form.combo(7);
        if (choice >= 0 && choice <= 2) {
            float LH = choice == 0 ? 4.0f : choice == 1 ? 1.5f : number(form, 15);
            LH = std::clamp(LH, 1.5f, 4.0f);
            form.edit(15) = formatGeneral(LH, 15);
            if (soil >= 0) {
                data.Yc2 = TableLookup(tables.table3, LH, soilRowKey(soil));
            }
        }
    }
    if (soil >= 0) {
        data.Yc1 = TableLookup(tables.table3, 1.0f, soilRowKey(soil));
    }

    data.k = form.combo(8) == 0 ? 1.0f : 1.1f;
}

void fillReliabilityFactor(ProjectForm& form) {
    for (int step = 0; step < 9; ++step) {
        const float load = number(form, 3 + step);
        const float raised = static_cast<float>(static_cast<double>(load) * 1.1);
        form.edit(32 + step) = formatGeneral(raised, 6);
    }
}

std::string UnreadableEdit::describe() const {
    return editFieldName(number) + ": «" + text + "» → " + readAs;
}

std::vector<UnreadableEdit> editsNotWholeNumbers(const ProjectForm& form) {
    std::vector<UnreadableEdit> found;
    for (int number = 1; number <= kEditCount; ++number) {
        const std::string& text = form.edit(number);
        if (!text.empty() && !isWholeNumber(text)) {
            found.push_back({number, text, formatGeneral(textToFloat(text), 6)});
        }
    }
    return found;
}

}  // namespace fundis

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Examples.h"

namespace fundis {

const std::vector<ExampleProject>& exampleProjects() {
    static const std::vector<ExampleProject> examples = {
        {"frost_greatarchitect.dan", "Глубина промерзания dfn и df — greatarchitect.ru, gapgs-102-1"},
        {"pressures_axis_a_ukrbukva56865.dan",
         "Давления под подошвой 2,4×2,4 м при N и M, ось А — ukrbukva.net, 56865, с. 7"},
        {"pressures_axis_b_ukrbukva56865.dan",
         "Давление под подошвой 2,6×2,6 м, центральная нагрузка, ось Б — ukrbukva.net, 56865, с. 7"},
        {"factors_phi24_ukrbukva52395.dan",
         "Коэффициенты Mγ, Mq, Mc при φ = 24° — ukrbukva.net, 52395, с. 30"},
        {"factors_phi18_ukrbukva52395.dan",
         "Коэффициенты Mγ, Mq, Mc при φ = 18° — ukrbukva.net, 52395, с. 22"},
        {"punching_socket_allrefs.dan", "Продавливание колонной дна стакана — allrefs.net, c2/40r22/p6"},
        {"settlement_axis_a_ukrbukva56865.dan",
         "Осадка фундамента 2,4×2,4 м, ось А — ukrbukva.net, 56865, с. 9"},
        {"settlement_axis_b_ukrbukva56865.dan",
         "Осадка фундамента 2,6×2,6 м, ось Б — ukrbukva.net, 56865, с. 9"},
        {"settlement_ukrbukva67778.dan",
         "Осадка фундамента 2,1×2,4 м на двух слоях песка — ukrbukva.net, 67778, с. 16 и 19"},
        {"conditional_4528_ukrbukva52395.dan",
         "σzg и α под условным фундаментом 4,528×4,528 м — ukrbukva.net, 52395, с. 23"},
        {"conditional_2928_ukrbukva52395.dan",
         "α под условным фундаментом 2,928×2,928 м — ukrbukva.net, 52395, с. 16"},
        {"alpha_table_snip.dan", "Коэффициент α при η = 1 — СНиП 2.02.01-83, прил. 2, табл. 1"},
        {"frost_coarse_joists_vikby.dan",
         "Глубина промерзания: крупнообломочный грунт, полы на лагах, 0 °C — vik.by, Сюрен-Кюель"},
        {"frost_clay_basement_vikby.dan",
         "Глубина промерзания: глина, здание с подвалом, 20 °C — vik.by, Сюрен-Кюель"},
        {"course_middle_column.dan",
         "Курсовой проект: фундамент под среднюю колонну одноэтажного промышленного здания — пример "
         "программы"},
    };
    return examples;
}

}  // namespace fundis

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
        {"manual1989_4500x3600_snip1.dan",
         "Ступени под подошвой 4,5×3,6 м по Пособию 1989 — snip1.ru, расчет плитной части на продавливание"},
        {"manual1989_3300x2700_snip1.dan",
         "Ступени под подошвой 3,3×2,7 м по Пособию 1989, γb2 = 0,9 — snip1.ru, размеры третьей ступени"},
        {"basement_r_ukrbukva52395.dan",
         "R по формуле (7) с подвалом, γc1 = γc2 = k = 1 — ukrbukva.net, 52395, с. 5"},
        {"given_base_axis_a_ukrbukva56865.dan",
         "Давления под заданной подошвой 2,4×2,4 м, ось А — ukrbukva.net, 56865, с. 7"},
        {"given_base_socket_allrefs.dan",
         "Продавливание дна стакана под заданной подошвой 2,4×2,7 м — allrefs.net, c2/40r22/p6"},
        {"course_middle_column.dan",
         "Курсовой проект: фундамент под среднюю колонну одноэтажного промышленного здания — пример "
         "программы"},
    };
    return examples;
}

}  // namespace fundis

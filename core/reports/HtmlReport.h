#pragma once

// "Сохранить в HTML": the input data and the main results as a small HTML page.

#include <string>

#include "core/reports/ReportContext.h"

namespace fundis {

// The page's bytes: UTF-8 with a byte-order mark (the page declares no character set).
std::string htmlReport(const ReportContext& context);

}  // namespace fundis

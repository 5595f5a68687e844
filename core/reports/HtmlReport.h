// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Сохранить в HTML": the input data and the main results as a small HTML page.

#include <string>

#include "core/reports/ReportContext.h"

namespace fundis {

// The page's bytes: UTF-8 with a byte-order mark (the page declares no character set).
std::string htmlReport(const ReportContext& context);

// A text as HTML or XML shows it: &, < and > as entities, and " too with `quotes` (in an attribute).
std::string escapedHtml(const std::string& text, bool quotes = false);

}  // namespace fundis

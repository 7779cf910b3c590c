// The counting table as plain text: the window's grid, one line per row.
#pragma once

#include <array>
#include <string>

#include "CountingTables.h"
#include "Settings.h"

namespace lott {

std::string TableText(const CountingTables& tables, const Settings& settings,
                      const std::array<std::string, 3>& headers);

}  // namespace lott

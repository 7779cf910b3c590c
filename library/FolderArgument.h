// A folder named on a program's command line. An empty name, as an unset shell variable gives,
// would quietly mean the program's own folder; every program refuses it instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lott {

// The one-line reason to refuse name as a folder, or nothing when it may name one.
std::optional<std::string> FolderArgumentFault(std::string_view name);

}  // namespace lott

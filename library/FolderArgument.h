// A folder named on a program's command line. An empty name, as an unset shell variable gives,
// would quietly mean the program's own folder; every program refuses it instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"

namespace lott {

// The one-line reason to refuse name as a folder, or nothing when it may name one.
std::optional<std::string> FolderArgumentFault(std::string_view name);

// The action of a command line's folder argument: keeps it in folder, or refuses it.
Arguments::Take FolderArgument(std::string& folder);

}  // namespace lott

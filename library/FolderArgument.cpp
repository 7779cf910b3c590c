#include "FolderArgument.h"

namespace lott {

std::optional<std::string> FolderArgumentFault(std::string_view name) {
    if (!name.empty()) return std::nullopt;
    return "the folder named on the command line is empty (an unset variable?); name a folder "
           "or leave it out";
}

}  // namespace lott

namespace lott {

Arguments::Take FolderArgument(std::string& folder) {
    return [&folder](std::string_view name) {
        folder = name;
        return FolderArgumentFault(name);
    };
}

}  // namespace lott

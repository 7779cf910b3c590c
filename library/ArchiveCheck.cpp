#include "ArchiveCheck.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace lott {

bool ChkZip(std::string_view folderPath, ArchiveRule rule, int flag) {
    if (flag != 0) return true;
    std::string lower(folderPath);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("zip") != std::string::npos) return true;
    return rule == ArchiveRule::ZipOrTmp && lower.find("tmp") != std::string::npos;
}

}  // namespace lott

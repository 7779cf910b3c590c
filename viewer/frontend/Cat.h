// Joins text pieces into one string (appending avoids a false restrict warning of g++ 12 on
// "literal" + std::string).
#pragma once

#include <string>
#include <string_view>

namespace lott {

template <class... Pieces>
std::string Cat(const Pieces&... pieces) {
    std::string s;
    s.reserve((std::string_view(pieces).size() + ... + 0));
    (s.append(std::string_view(pieces)), ...);
    return s;
}

}  // namespace lott

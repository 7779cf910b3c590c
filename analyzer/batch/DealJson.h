// One deal's analysis as the scan makes it, written as JSON for scripts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace lott {

// Reads deal dealNo of the folder's library; false with a one-line reason when it cannot.
bool DealJson(const std::filesystem::path& folder, std::int64_t dealNo, std::string& json,
              std::string& error);

}  // namespace lott

#include "ProgramFiles.h"

#include <system_error>

#include "FileWriter.h"

namespace lott {

namespace {
// The same file, or the same place for a file that is not there yet (the cache before the first
// scan): the output would become the input.
bool SameFileOrPlace(const std::filesystem::path& input, const std::filesystem::path& output) {
    if (SameFile(input, output)) return true;
    std::error_code ec, ec2;
    const auto a = std::filesystem::weakly_canonical(std::filesystem::absolute(input), ec);
    const auto b = std::filesystem::weakly_canonical(std::filesystem::absolute(output), ec2);
    return !ec && !ec2 && a == b;
}
}  // namespace

std::optional<std::string> OutputIsAnInput(const std::filesystem::path& folder,
                                           const std::filesystem::path& output,
                                           const std::string& library) {
    for (const char* name : kProgramInputs)
        if (SameFileOrPlace(folder / name, output)) return std::string(name);
    if (!library.empty() && SameFileOrPlace(folder / library, output)) return library;
    return std::nullopt;
}

std::filesystem::path ResolvedFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path abs = std::filesystem::absolute(folder, ec);
    std::filesystem::path resolved = std::filesystem::weakly_canonical(abs, ec);
    return ec ? abs : resolved;
}

bool ChkZipResolved(const std::filesystem::path& folder, ArchiveRule rule) {
    return ChkZip(ResolvedFolder(folder).string(), rule);
}

}  // namespace lott

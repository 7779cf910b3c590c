#include "ResultHousekeeping.h"

#include <fcntl.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>
#include <vector>

#include "Settings.h"

namespace lott {
namespace fs = std::filesystem;
namespace {

void Note(std::string& error, const std::string& what) {
    if (!error.empty()) error += "; ";
    error += what;
}

bool HasExtension(const std::string& name, const char* ext) {
    // Extensions are matched without regard to case, as the original file system did.
    const std::size_t n = std::char_traits<char>::length(ext);
    if (name.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char a = name[name.size() - n + i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (a != ext[i]) return false;
    }
    return true;
}

// Names of the regular files in folder with that extension, sorted so the order is stable.
std::vector<std::string> FilesWithExtension(const fs::path& folder, const char* ext,
                                            std::string& error) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        Note(error, "cannot list " + folder.string() + ": " + ec.message());
        return names;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(typeEc) && HasExtension(name, ext)) names.push_back(name);
    }
    if (ec) Note(error, "cannot list " + folder.string() + ": " + ec.message());
    std::sort(names.begin(), names.end());
    return names;
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

std::string Stem(const std::string& name) {
    return name.substr(0, name.size() - 4);  // the names were listed by their 4-character extension
}

// The current name of a result name of an older version: "(-)" meant no correction, and a
// dash before the ")" has gone. Nothing when that gives no current name.
std::optional<std::string> CurrentFormOf(const std::string& stem) {
    std::string renamed = stem;
    if (stem.rfind("(-)", 0) == 0) {
        renamed = "(none)" + stem.substr(3);
    } else if (const auto pos = stem.find("-)"); pos != std::string::npos) {
        renamed.erase(pos, 1);
    }
    if (!Settings::IsCurrentResultName(renamed)) return std::nullopt;
    return renamed;
}

// A result name of this version or of an older one; anything else is the user's file.
bool IsResultName(const std::string& stem) {
    return Settings::IsCurrentResultName(stem) || CurrentFormOf(stem);
}

}  // namespace

bool RenameNoReplace(const fs::path& from, const fs::path& to, std::error_code& ec) {
    ec.clear();
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) {
        ec = std::error_code(errno, std::generic_category());
        return false;
    }
#endif
    // No atomic form on this file system: test, then rename.
    if (Exists(to)) {
        ec = std::make_error_code(std::errc::file_exists);
        return false;
    }
    fs::rename(from, to, ec);
    return !ec;
}

bool MoveTxtFiles(const fs::path& programDir, const fs::path& dataDir, std::string& error) {
    static constexpr const char* kMarks[] = {"ScoV2", "ScoV1", "ScoCo", "LenV2",
                                             "LenV1", "LenCo", "OstLen"};
    bool ok = true;
    std::string listError;
    for (const std::string& name : FilesWithExtension(programDir, ".txt", listError)) {
        const bool marked = std::any_of(std::begin(kMarks), std::end(kMarks), [&](const char* m) {
            return name.find(m) != std::string::npos;
        });
        // A mark alone is not enough: "table_ScoCo.txt" is the user's.
        if (!marked || !IsResultName(Stem(name)) || Exists(dataDir / name)) continue;
        std::error_code ec;
        if (!RenameNoReplace(programDir / name, dataDir / name, ec) &&
            ec != std::errc::file_exists) {
            Note(error, "cannot move " + name + ": " + ec.message());
            ok = false;
        }
    }
    if (!listError.empty()) {
        Note(error, listError);
        ok = false;
    }
    return ok;
}

bool RenameTxtFiles(const fs::path& dataDir, std::string& error) {
    bool ok = true;
    std::string listError;
    // A ".txt" result is of an older version, whatever its name: it goes straight to its current
    // name, never through a ".dat" of its old name, which may be the current name of other
    // settings ("(-)" once meant no correction, now it is "Level limit: none").
    for (const std::string& name : FilesWithExtension(dataDir, ".txt", listError)) {
        const auto current = CurrentFormOf(Stem(name));
        if (!current) continue;
        const std::string dat = *current + ".dat";
        std::error_code ec;
        if (!RenameNoReplace(dataDir / name, dataDir / dat, ec) && ec != std::errc::file_exists) {
            Note(error, "cannot rename " + name + ": " + ec.message());
            ok = false;
        }
    }
    // A ".dat" name that the current naming gives is a current result and stays.
    for (const std::string& name : FilesWithExtension(dataDir, ".dat", listError)) {
        const std::string stem = Stem(name);
        if (Settings::IsCurrentResultName(stem)) continue;
        const auto current = CurrentFormOf(stem);
        if (!current) continue;
        const std::string renamed = *current + ".dat";
        std::error_code ec;
        if (!RenameNoReplace(dataDir / name, dataDir / renamed, ec)) {
            Note(error, ec == std::errc::file_exists
                            ? name + " not renamed: " + renamed + " exists"
                            : "cannot rename " + name + ": " + ec.message());
            ok = false;
        }
    }
    if (!listError.empty()) {
        Note(error, listError);
        ok = false;
    }
    return ok;
}

}  // namespace lott

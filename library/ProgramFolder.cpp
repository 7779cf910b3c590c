#include "ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include "FileWriter.h"
#include "LibraryFile.h"

#ifndef TRICKSCAN_VERSION
#define TRICKSCAN_VERSION "0"
#endif
// The share folder relative to the bin folder, as the install lays them out.
#ifndef TRICKSCAN_SHARE_FROM_BIN
#define TRICKSCAN_SHARE_FROM_BIN "../share/trickscan"
#endif

namespace lott {

namespace fs = std::filesystem;

const char* const kProgramFolderHelp =
    "FOLDER is the program folder: the library is read from it and results, lists and exports\n"
    "are kept in it. Without FOLDER it is the folder of the executable; an installed program\n"
    "(or one whose folder cannot be written) uses $XDG_DATA_HOME/trickscan instead\n"
    "(~/.local/share/trickscan when XDG_DATA_HOME is unset), one folder for all programs of the\n"
    "suite, made on first start with the sample library copied into it.\n";

UserEnvironment UserEnvironment::OfProcess() {
    return {std::getenv("XDG_DATA_HOME"), std::getenv("HOME")};
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

fs::path InstalledShareFolder(const fs::path& exeFolder) {
    std::error_code ec;
    const fs::path share = (exeFolder / TRICKSCAN_SHARE_FROM_BIN).lexically_normal();
    return fs::is_directory(share, ec) ? share : fs::path();
}

fs::path PerUserFolder(const UserEnvironment& env) {
    auto absolute = [](const char* s) { return s != nullptr && s[0] == '/'; };
    if (absolute(env.xdgDataHome)) return fs::path(env.xdgDataHome) / kSuiteName;
    if (absolute(env.home)) return fs::path(env.home) / ".local/share" / kSuiteName;
    return {};
}

fs::path WebFolder(const fs::path& exeFolder) {
    std::error_code ec;
    if (fs::is_directory(exeFolder / "web", ec)) return exeFolder / "web";
    const fs::path share = InstalledShareFolder(exeFolder);
    return share.empty() ? exeFolder / "web" : share / "web";
}

namespace {

// Copies from into to through the file writer; false, with the reason, when any byte could not
// be read or written (to is then left as it was).
bool CopyWhole(const fs::path& from, const fs::path& to, std::string& error) {
    std::ifstream in(from, std::ios::binary);
    if (!in) {
        error = "cannot read " + from.string();
        return false;
    }
    FileWriter writer(to);
    if (!writer.Open(error)) return false;
    std::string chunk(1 << 20, '\0');
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (!writer.Write(chunk.data(), static_cast<std::size_t>(in.gcount()), error)) return false;
    }
    if (in.bad()) {
        error = "cannot read " + from.string();
        return false;  // the writer removes its part file
    }
    return writer.Commit(error);
}

void Seed(ProgramFolder& p) {
    std::error_code ec;
    for (const char* name : {kBinLibName, kAscLibName})
        if (fs::exists(p.folder / name, ec)) return;  // the user's library stays
    for (const char* name : {kBinLibName, kAscLibName}) {
        if (!fs::is_regular_file(p.share / name, ec)) continue;
        std::string error;
        if (CopyWhole(p.share / name, p.folder / name, error))
            p.seeded.push_back(name);
        else if (p.error.empty())
            p.error = error;
    }
}

}  // namespace

ProgramFolder FindProgramFolder(const std::string& named, const fs::path& exeFolder,
                                const UserEnvironment& env) {
    ProgramFolder p;
    p.share = InstalledShareFolder(exeFolder);
    if (!named.empty()) {
        p.folder = named;
        p.kind = ProgramFolder::Kind::Named;
        return p;
    }
    const bool writable = ::access(exeFolder.c_str(), W_OK) == 0;
    if (p.share.empty() && writable) {
        p.folder = exeFolder;
        return p;
    }
    p.kind = ProgramFolder::Kind::PerUser;
    p.folder = PerUserFolder(env);
    if (p.folder.empty()) {
        p.error = "neither XDG_DATA_HOME nor HOME names a folder for the program's files";
        return p;
    }
    std::error_code ec;
    fs::create_directories(p.folder, ec);
    if (ec) {
        p.error = "cannot make " + p.folder.string() + ": " + ec.message();
        return p;
    }
    if (!p.share.empty()) Seed(p);
    return p;
}

bool ReportProgramFolder(const ProgramFolder& where, std::string_view program, std::ostream& err) {
    if (!where.seeded.empty()) {
        err << program << ": made the program folder " << where.folder.string() << " with";
        for (const auto& name : where.seeded) err << " " << name;
        err << " from " << where.share.string() << "\n";
    }
    if (!where.error.empty()) err << program << ": " << where.error << "\n";
    std::error_code ec;
    return where.kind == ProgramFolder::Kind::Named || fs::is_directory(where.folder, ec);
}

std::string VersionLine(std::string_view program) {
    return std::string(program) + " " + TRICKSCAN_VERSION;
}

void PrintHelp(std::ostream& out, std::string_view usage, bool folderHelp) {
    out << usage;
    if (folderHelp) out << kProgramFolderHelp;
    out << "--help (or -h) shows this text and --version the version of the suite.\n";
}

bool AnswerHelpOrVersion(int argc, char** argv, std::string_view program, std::string_view usage,
                         bool folderHelp, std::ostream& out) {
    if (argc != 2) return false;
    const std::string_view arg = argv[1];
    if (arg == "--version") {
        out << VersionLine(program) << "\n";
        return true;
    }
    if (arg != "--help" && arg != "-h") return false;
    PrintHelp(out, usage, folderHelp);
    return true;
}

}  // namespace lott

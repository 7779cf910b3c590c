// Where a program keeps its files when no folder is named on its command line. In a build folder
// that is the folder of the executable, as always. An installed program (its share folder lies
// beside its bin folder, or its own folder cannot be written) uses one per-user folder that every
// program of the suite shares, so the viewer sees the analyzer's lists; it is made on first start
// with the bundled sample library copied in from the share folder.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

// The suite's name in installed paths: <prefix>/share/trickscan, ~/.local/share/trickscan.
inline constexpr const char* kSuiteName = "trickscan";

// The environment the per-user folder is found by; null or empty when unset.
struct UserEnvironment {
    const char* xdgDataHome = nullptr;
    const char* home = nullptr;
    static UserEnvironment OfProcess();
};

struct ProgramFolder {
    enum class Kind { Named, Executable, PerUser };
    std::filesystem::path folder;
    Kind kind = Kind::Executable;
    std::filesystem::path share;      // the installed share folder; empty in a build folder
    std::vector<std::string> seeded;  // library files copied in on this start
    std::string error;                // why the per-user folder could not be made or seeded
};

// The folder of the running executable (the current folder when it cannot be told).
std::filesystem::path ExecutableFolder();

// The installed share folder of programs in exeFolder, when it exists; else empty.
std::filesystem::path InstalledShareFolder(const std::filesystem::path& exeFolder);

// $XDG_DATA_HOME/trickscan, else $HOME/.local/share/trickscan (a relative XDG_DATA_HOME is
// ignored, as the XDG rules ask); empty when neither gives an absolute folder.
std::filesystem::path PerUserFolder(const UserEnvironment& env);

// The folder of the local web pages: web/ beside the executable, else the installed share
// folder's web/.
std::filesystem::path WebFolder(const std::filesystem::path& exeFolder);

// The program folder: the named one when given; else the executable's folder, unless the program
// is installed, when the per-user folder is made and, while it holds no library, seeded with the
// sample library of the share folder. Each library file is copied through the file writer, so a
// copy is whole or absent.
ProgramFolder FindProgramFolder(const std::string& named, const std::filesystem::path& exeFolder,
                                const UserEnvironment& env = UserEnvironment::OfProcess());

// Says on err what a start did to the per-user folder (made, seeded, or why not), one line
// each, prefixed with the program's name; nothing when it did nothing. False when the folder
// could not be made.
bool ReportProgramFolder(const ProgramFolder& where, std::string_view program, std::ostream& err);

// What every program's --help says about FOLDER, after the program's own usage.
extern const char* const kProgramFolderHelp;

// A program's --help: its usage, kProgramFolderHelp when it has a program folder, and the line
// on --help and --version.
void PrintHelp(std::ostream& out, std::string_view usage, bool folderHelp);

// The answer to --version: "<program> <version of the suite>".
std::string VersionLine(std::string_view program);

// Answers a command line that is only --help (or -h) or --version, before anything else starts:
// PrintHelp or the version line on out. False when
// the command line asks something else.
bool AnswerHelpOrVersion(int argc, char** argv, std::string_view program, std::string_view usage,
                         bool folderHelp, std::ostream& out);

}  // namespace lott

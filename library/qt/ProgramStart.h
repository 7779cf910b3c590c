// How a window program starts, alike in both programs: the folder named on its command line is
// checked before the application starts, the program folder (that folder, else the folder of the
// executable) becomes the current folder, and the main window is told where it is.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace lott {

// How a main window starts: on which program folder, and (for tests) the answers of the archive
// check and of the Japanese font search.
struct WindowStart {
    QString programFolder;
    std::optional<bool> inArchive;        // unset: ChkZip of the folder's path
    std::optional<QString> japaneseFont;  // unset: the screen fonts are searched
};

// False, with "program: reason" said on the error stream, when argv[index] is given and cannot
// name a folder. Called before the application starts, so that it is said also where no window
// could open.
bool FolderArgumentAccepted(int argc, char* argv[], int index, const char* program);

// The program folder, absolute: the folder named in args[index], else the folder of the
// executable, or the per-user folder of an installed program (made and seeded on first start,
// which is said on the error stream).
QString ProgramFolderOf(const QStringList& args, int index, const char* program);

// The program folder: the folder named in args[index], else the folder of the executable, or the
// per-user folder of an installed program (made and seeded on first start, which is said on the
// error stream); made absolute before it becomes the current folder, so that a relative name is
// not taken twice.
QString EnterProgramFolder(const QStringList& args, int index, const char* program);

// True when the command line only asks for --help or --version, which is then answered on the
// output stream; called before the application starts, so that no window is made for it.
bool AnsweredHelpOrVersion(int argc, char* argv[], const char* program, const char* usage);

// The window's note of the program folder in use, for a tooltip.
QString ProgramFolderNote(const QString& folder);

}  // namespace lott

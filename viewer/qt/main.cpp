// boardlook: the deal viewer. The program folder is the folder named as the first argument, else
// the folder of the executable (the per-user folder for an installed program).
#include <QApplication>

#include "Form1.h"
#include "ProgramStart.h"

namespace {
const char* const kUsage =
    "usage: boardlook [FOLDER]\n"
    "Shows the deals of the library of the program folder one at a time, in a window.\n";
}  // namespace

int main(int argc, char* argv[]) {
    if (lott::AnsweredHelpOrVersion(argc, argv, "boardlook", kUsage)) return 0;
    if (!lott::FolderArgumentAccepted(argc, argv, 1, "boardlook")) return 2;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    lott::boardlook::StartOptions options;
    options.programFolder = lott::EnterProgramFolder(args, 1, "boardlook");
    lott::boardlook::Form1 window(options);
    return QApplication::exec();
}

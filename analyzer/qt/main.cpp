// trickscan: the analyzer. The program folder is the folder named as the first argument, else
// the folder of the executable (the per-user folder for an installed program). Without a window:
// trickscan --graph-png FILE [FOLDER] draws the stored result of the default Standard settings into
// FILE.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "Form1.h"
#include "GraphExport.h"
#include "ProgramStart.h"

namespace {
const char* const kUsage =
    "usage: trickscan [FOLDER]\n"
    "       trickscan --graph-png FILE [FOLDER]\n"
    "Tests the Law of Total Tricks on the deal library of the program folder, in a window.\n"
    "--graph-png FILE draws the stored result of the default Standard settings into FILE\n"
    "without a window.\n";
}  // namespace

int main(int argc, char* argv[]) {
    if (lott::AnsweredHelpOrVersion(argc, argv, "trickscan", kUsage)) return 0;
    const bool graphOnly = argc > 1 && std::strcmp(argv[1], "--graph-png") == 0;
    if (graphOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!lott::FolderArgumentAccepted(argc, argv, graphOnly ? 3 : 1, "trickscan")) return 2;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (graphOnly) {
        if (args.size() < 3 || args.size() > 4) {
            std::cerr << kUsage;
            return 2;
        }
        const QString folder = lott::ProgramFolderOf(args, 3, "trickscan");
        return lott::GraphExport::SaveDefaultStandardGraph(folder, args.at(2), std::cout,
                                                           std::cerr);
    }
    lott::trickscan::StartOptions options;
    options.programFolder = lott::EnterProgramFolder(args, 1, "trickscan");
    lott::trickscan::Form1 window(options);
    return QApplication::exec();
}

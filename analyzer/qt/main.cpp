// trickscan: the analyzer. The program folder is the folder of the executable, or the folder
// named as the first argument. Without a window: trickscan --graph-png FILE [FOLDER] draws the
// stored result of the default Standard settings into FILE.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "Form1.h"
#include "GraphExport.h"
#include "ProgramStart.h"

int main(int argc, char* argv[]) {
    const bool graphOnly = argc > 1 && std::strcmp(argv[1], "--graph-png") == 0;
    if (graphOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!lott::FolderArgumentAccepted(argc, argv, graphOnly ? 3 : 1, "trickscan")) return 2;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (graphOnly) {
        if (args.size() < 3 || args.size() > 4) {
            std::cerr << "usage: trickscan [FOLDER]\n       trickscan --graph-png FILE [FOLDER]\n";
            return 2;
        }
        const QString folder = args.size() == 4 ? args.at(3) : QApplication::applicationDirPath();
        return lott::GraphExport::SaveDefaultStandardGraph(folder, args.at(2), std::cout,
                                                           std::cerr);
    }
    lott::trickscan::StartOptions options;
    options.programFolder = lott::EnterProgramFolder(args, 1);
    lott::trickscan::Form1 window(options);
    return QApplication::exec();
}

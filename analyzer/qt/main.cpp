// trickscan: the analyzer. The program folder is the folder of the executable, or the folder
// named as the first argument. Without a window: trickscan --graph-png FILE [FOLDER] draws the
// stored result of the default Standard settings into FILE.
#include <QApplication>
#include <QDir>
#include <cstring>
#include <iostream>

#include "FolderArgument.h"
#include "Form1.h"
#include "GraphExport.h"

int main(int argc, char* argv[]) {
    const bool graphOnly = argc > 1 && std::strcmp(argv[1], "--graph-png") == 0;
    if (graphOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Said before the application starts, so also where no window could open.
    const int folderArg = graphOnly ? 3 : 1;
    if (argc > folderArg) {
        if (const auto fault = lott::FolderArgumentFault(argv[folderArg])) {
            std::cerr << "trickscan: " << *fault << "\n";
            return 2;
        }
    }
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
    options.programFolder =
        QDir(args.size() > 1 ? args.at(1) : QApplication::applicationDirPath()).absolutePath();
    QDir::setCurrent(options.programFolder);
    lott::trickscan::Form1 window(options);
    return QApplication::exec();
}

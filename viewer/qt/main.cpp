// boardlook: the deal viewer. The program folder is the folder of the executable, or the folder
// named as the first argument.
#include <QApplication>

#include "Form1.h"
#include "ProgramStart.h"

int main(int argc, char* argv[]) {
    if (!lott::FolderArgumentAccepted(argc, argv, 1, "boardlook")) return 2;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    lott::boardlook::StartOptions options;
    options.programFolder = lott::EnterProgramFolder(args, 1);
    lott::boardlook::Form1 window(options);
    return QApplication::exec();
}

// boardlook: the deal viewer. The program folder is the folder of the executable, or the folder
// named as the first argument.
#include <QApplication>
#include <QDir>
#include <iostream>

#include "FolderArgument.h"
#include "Form1.h"

int main(int argc, char* argv[]) {
    // Said before the application starts, so also where no window could open.
    if (argc > 1) {
        if (const auto fault = lott::FolderArgumentFault(argv[1])) {
            std::cerr << "boardlook: " << *fault << "\n";
            return 2;
        }
    }
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    lott::boardlook::StartOptions options;
    // Absolute before it becomes the current folder, so that a relative name is not taken twice.
    options.programFolder =
        QDir(args.size() > 1 ? args.at(1) : QApplication::applicationDirPath()).absolutePath();
    QDir::setCurrent(options.programFolder);
    lott::boardlook::Form1 window(options);
    return QApplication::exec();
}

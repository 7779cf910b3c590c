#include "ProgramStart.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

#include "FolderArgument.h"

namespace lott {

bool FolderArgumentAccepted(int argc, char* argv[], int index, const char* program) {
    if (argc <= index) return true;
    const auto fault = FolderArgumentFault(argv[index]);
    if (!fault) return true;
    std::cerr << program << ": " << *fault << "\n";
    return false;
}

QString EnterProgramFolder(const QStringList& args, int index) {
    const QString folder =
        QDir(args.size() > index ? args.at(index) : QCoreApplication::applicationDirPath())
            .absolutePath();
    QDir::setCurrent(folder);
    return folder;
}

}  // namespace lott

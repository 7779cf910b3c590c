#include "ProgramStart.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

#include "FolderArgument.h"
#include "ProgramFolder.h"

namespace lott {

bool FolderArgumentAccepted(int argc, char* argv[], int index, const char* program) {
    if (argc <= index) return true;
    const auto fault = FolderArgumentFault(argv[index]);
    if (!fault) return true;
    std::cerr << program << ": " << *fault << "\n";
    return false;
}

QString ProgramFolderOf(const QStringList& args, int index, const char* program) {
    const std::string named = args.size() > index ? args.at(index).toStdString() : std::string();
    const ProgramFolder where =
        FindProgramFolder(named, QCoreApplication::applicationDirPath().toStdString());
    ReportProgramFolder(where, program, std::cerr);
    return QDir(QString::fromStdString(where.folder.string())).absolutePath();
}

QString EnterProgramFolder(const QStringList& args, int index, const char* program) {
    const QString folder = ProgramFolderOf(args, index, program);
    QDir::setCurrent(folder);
    return folder;
}

bool AnsweredHelpOrVersion(int argc, char* argv[], const char* program, const char* usage) {
    return AnswerHelpOrVersion(argc, argv, program, usage, true, std::cout);
}

}  // namespace lott

namespace lott {

QString ProgramFolderNote(const QString& folder) {
    return QStringLiteral("Program folder: ") + QDir::toNativeSeparators(folder);
}

}  // namespace lott

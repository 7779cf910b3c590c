// trickscan-batch with the graph window's drawing: --graph and the report's picture are drawn by
// the windows' own code, on the offscreen platform, and nothing else of Qt is started.
#include <QApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "BatchRun.h"
#include "GraphExport.h"
#include "ProgramFolder.h"

namespace {

int appArgc = 1;
char appName[] = "trickscan-batch";
char* appArgv[] = {appName, nullptr};
// Made at the first picture, so runs that draw none never start Qt; ended before main returns.
std::unique_ptr<QApplication> app;

bool Draw(const lott::GraphRequest& request, std::string& bytes, std::string& error) {
    if (!app) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The tool's error stream carries its own one-line messages only, not Qt's chatter.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        app = std::make_unique<QApplication>(appArgc, appArgv);
    }
    return lott::GraphExport::Render(request, bytes, error);
}

}  // namespace

int main(int argc, char** argv) {
    if (lott::AnswerHelpOrVersion(argc, argv, "trickscan-batch", lott::kBatchUsage, true,
                                  std::cout))
        return 0;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto cmd = lott::ParseBatchCommand(args, error);
    if (!cmd) {
        std::cerr << "trickscan-batch: " << error << "\n";
        lott::PrintHelp(std::cerr, lott::kBatchUsage, true);
        return 2;
    }
    if (cmd->help) {
        lott::PrintHelp(std::cout, lott::kBatchUsage, true);
        return 0;
    }
    const auto where = lott::FindProgramFolder(cmd->folder, lott::ExecutableFolder());
    if (!lott::ReportProgramFolder(where, "trickscan-batch", std::cerr)) return 1;
    const int code = lott::RunBatch(*cmd, where.folder, std::cout, std::cerr, Draw);
    app.reset();
    return code;
}

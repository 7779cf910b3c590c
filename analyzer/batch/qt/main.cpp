// trickscan-batch with the graph window's drawing: --graph and the report's picture are drawn by
// the windows' own code, on the offscreen platform, and nothing else of Qt is started.
#include <QApplication>
#include <memory>

#include "BatchRun.h"
#include "GraphExport.h"

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
    const int code = lott::BatchMain(argc, argv, Draw);
    app.reset();
    return code;
}

#include "BatchRun.h"

#include <iostream>
#include <optional>
#include <sstream>
#include <utility>

#include "Analyzer.h"
#include "DealJson.h"
#include "ProgramFiles.h"
#include "ProgramFolder.h"
#include "ResearchReport.h"
#include "TableExport.h"
#include "TableText.h"
#include "WholeNumber.h"

namespace lott {

namespace {

int Fail(std::ostream& err, const std::string& message) {
    err << "trickscan-batch: " << message << "\n";
    return 1;
}

}  // namespace

int RunBatch(const BatchCommand& cmd, const std::filesystem::path& exeFolder, std::ostream& out,
             std::ostream& err, const GraphRenderer& graph) {
    const std::filesystem::path folder =
        cmd.folder.empty() ? exeFolder : std::filesystem::path(cmd.folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return Fail(err, "no program folder " + folder.string());
    const std::filesystem::path resolved = ResolvedFolder(folder);
    if (ChkZip(resolved.string(), ArchiveRule::ZipOrTmp))
        return Fail(err, "the program folder " + resolved.string() +
                             " lies in an archive or temporary folder (its path holds \"zip\" or "
                             "\"tmp\"); move the programs out of it");
    for (const auto& [option, output] : {std::pair{"--csv", &cmd.csv},
                                         {"--json", &cmd.json},
                                         {"--report", &cmd.report},
                                         {"--graph", &cmd.graph}})
        if (!output->empty())
            if (const auto input = OutputIsAnInput(folder, *output)) {
                Fail(err, std::string(option) + " names " + *input +
                              ", which the programs read; choose another file");
                return 2;
            }
    if (!cmd.graph.empty() && !graph)
        return Fail(err, "--graph needs the windows' drawing, which this build was made without");

    if (cmd.deal) {
        std::string json, error;
        if (!DealJson(folder, *cmd.deal, json, error)) return Fail(err, error);
        out << json;
        return 0;
    }

    Analyzer a(folder);
    switch (a.Load(false, cmd.language)) {
        case Analyzer::StartState::Running:
            break;
        case Analyzer::StartState::LibraryMissing:
            return Fail(err, "no library (Library.bin or Library.asc) in " + folder.string());
        case Analyzer::StartState::FolderProblem:
            return Fail(err, a.problem);
        case Analyzer::StartState::ArchiveRefused:
            return Fail(err, "refused folder");
    }
    std::vector<int> clicks = cmd.clicks;
    if (cmd.preset) clicks.insert(clicks.begin(), *cmd.preset);
    for (int i : clicks) {
        if (!Settings::Exists(i)) return Fail(err, "there is no option " + std::to_string(i));
        if (!a.settings.Click(i))
            return Fail(err, "option " + std::to_string(i) + " is disabled at that point");
    }
    if (a.settings.SettingMode == SettingMode::None)
        return Fail(err, "choose a preset first (--preset ostrevan|standard)");
    if (cmd.deals) a.tBox = std::to_string(*cmd.deals);

    // Another run scanning this folder: say so once and wait for it, or give up at once.
    bool told = false;
    a.waiting = [&] {
        if (cmd.noWait) return false;
        if (!told) err << "trickscan-batch: another run is scanning this folder; waiting\n";
        told = true;
        return true;
    };
    // The tables in full precision, as the run ends; the result file keeps them rounded.
    std::optional<CountingTables> runTables;
    std::optional<Settings> runSettings;
    a.runCompleted = [&](const CountingTables& t, const Settings& s) {
        runTables = t;
        runSettings = s;
    };
    a.cmdStart_Click();
    const RunReport& run = a.LastRun();
    if (run.end != RunEnd::Completed && run.end != RunEnd::Stopped) {
        if (!run.message.empty()) return Fail(err, std::string(TrimBlanks(run.message)));
        // Refused for its settings (or failed without a word why).
        const bool incomplete = run.end == RunEnd::Failed || run.refusal == Refusal::NoHcpRange ||
                                run.refusal == Refusal::NoNTChoice;
        if (incomplete)
            return Fail(err,
                        "the choice of settings is incomplete (an HCP range, or a notrump choice "
                        "under Standard)");
        return Fail(err, "nothing was scanned (Deals to be Scanned is " + a.tBox + ")");
    }
    // Where the result went: a run over the first deals only keeps it apart, and says so.
    const std::filesystem::path& file = a.RunResultFile();
    out << a.RunResultName() << "\n" << (file.empty() ? "(no result stored)" : file.string()) << "\n";
    if (!a.message.empty() && a.messageIsNotice)
        err << "trickscan-batch: " << TrimBlanks(a.message) << "\n";
    if (!cmd.csv.empty() || !cmd.json.empty()) {
        if (!runTables) return Fail(err, "the run left no tables to write");
        std::string error;
        if (!cmd.csv.empty() &&
            !TableExport::Save(cmd.csv,
                               TableExport::ResultCsv(*runTables, *runSettings, a.RunResultName()),
                               error))
            return Fail(err, error);
        if (!cmd.json.empty() &&
            !TableExport::Save(
                cmd.json,
                TableExport::ResultJson(*runTables, *runSettings, a.RunResultName(), a.Headers),
                error))
            return Fail(err, error);
    }
    if (!cmd.graph.empty() || !cmd.report.empty() || cmd.table) {
        // Drawn and shown from the stored result, as the Graph and Table buttons do; a run over
        // the first deals only is read from where it was kept.
        if (file.empty()) return Fail(err, "the run stored no result to show");
        const FinResult r = Fin(file.parent_path(), a.RunResultName(), a.tables, a.settings, a.Headers);
        ClampForShowing(a.tables);
        if (!r.found) return Fail(err, "the run stored no result to show");
    }
    auto draw = [&](bool svg, std::string& bytes, std::string& error) {
        const int scale = static_cast<int>(cmd.graphScale.value_or(1));
        return graph(GraphRequest{a.tables, a.settings, a.fitOdds, cmd.language, svg, scale}, bytes,
                     error);
    };
    if (!cmd.graph.empty()) {
        std::string bytes, error;
        if (!draw(GraphIsSvg(cmd.graph), bytes, error) ||
            !TableExport::Save(cmd.graph, bytes, error))
            return Fail(err, "--graph: " + error);
    }
    if (!cmd.report.empty()) {
        std::string svg, error;
        if (graph && !draw(true, svg, error)) return Fail(err, "--report: " + error);
        if (!runTables) return Fail(err, "the run left no tables to write");
        const ReportInput in{*runTables, *runSettings, a.RunResultName(),
                             a.Headers,  svg,          a.library.DealCount};
        if (!TableExport::Save(cmd.report, ResearchReport::Html(in), error))
            return Fail(err, "--report: " + error);
    }
    if (cmd.table) out << TableText(a.tables, a.settings, a.Headers);
    return 0;
}

int BatchMain(int argc, char** argv, const GraphRenderer& graph) {
    if (AnswerHelpOrVersion(argc, argv, "trickscan-batch", kBatchUsage, true, std::cout)) return 0;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto cmd = ParseBatchCommand(args, error);
    if (!cmd) {
        std::cerr << "trickscan-batch: " << error << "\n";
        PrintHelp(std::cerr, kBatchUsage, true);
        return 2;
    }
    if (cmd->help) {
        PrintHelp(std::cout, kBatchUsage, true);
        return 0;
    }
    const auto where = FindProgramFolder(cmd->folder, ExecutableFolder());
    if (!ReportProgramFolder(where, "trickscan-batch", std::cerr)) return 1;
    return RunBatch(*cmd, where.folder, std::cout, std::cerr, graph);
}

}  // namespace lott

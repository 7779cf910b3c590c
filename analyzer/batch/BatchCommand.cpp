#include "BatchCommand.h"

#include <cctype>
#include <sstream>

#include "Arguments.h"
#include "FolderArgument.h"
#include "WholeNumber.h"

#include "OptionNames.h"

namespace lott {

const char* const kBatchUsage =
    "usage: trickscan-batch [FOLDER] [--preset ostrevan|standard] [--trumps length|score]\n"
    "       [--declarer allow|forbid] [--hcp 17-23|15-25|0-40] [--nt-calls none|separately]\n"
    "       [--nt quenby|dorvald|dorvald-plus|doubleton|singleton|void]\n"
    "       [--double-fit 1|0.5|0] [--solid-trump 1|0.5|0] [--chameleon -0.5|0]\n"
    "       [--filter D0|D1|D2|S0|S1|S2|C0|C1|C2] [--level-limit 1|2|none] [--click I,J,...]\n"
    "       [--deals N] [--language en|ja] [--table] [--csv FILE] [--json FILE]\n"
    "       [--report FILE.html] [--graph FILE.png|FILE.svg [--graph-scale 1-4]] [--no-wait]\n"
    "       trickscan-batch [FOLDER] --deal N\n"
    "--graph draws the run's graph as the graph window does (PNG, or SVG for a name ending in\n"
    ".svg); --graph-scale 2 makes the PNG twice as many pixels wide and high, for print.\n"
    "--report writes one HTML page: settings, counting tables, graph, the statistics of each\n"
    "row (mean with its 95 % interval, exact and within-one shares with Wilson intervals) and,\n"
    "under the Ostrevan preset, the published study of 1996 beside the run.\n";

bool GraphIsSvg(std::string_view file) {
    if (file.size() < 4) return false;
    std::string ext(file.substr(file.size() - 4));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".svg";
}

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error) {
    using A = Arguments;
    using Fault = A::Fault;
    BatchCommand cmd;
    auto number = [](std::optional<std::int64_t>& to) {
        return [&to](std::string_view v) -> Fault {
            to = ParseWholeNumber(v);
            return to ? Fault() : A::BadValue();
        };
    };
    auto file = [](std::string& to) {
        return [&to](std::string_view v) -> Fault {
            to = v;
            return v.empty() ? A::BadValue() : Fault();
        };
    };
    // A setting clicks its option button of the value's name; the preset is clicked first.
    auto setting = [&cmd](std::string_view name) {
        return A::Value("--" + std::string(name), [&cmd, name](std::string_view v) -> Fault {
            const auto index = OptionNames::Index(name, v);
            if (!index) return A::BadValue();
            if (name == "preset")
                cmd.preset = *index;
            else
                cmd.clicks.push_back(*index);
            return {};
        });
    };
    std::vector<A::Option> options = {A::Flag("--help", A::Set(cmd.help)),
                                      A::Flag("-h", A::Set(cmd.help)),
                                      A::Flag("--table", A::Set(cmd.table)),
                                      A::Flag("--no-wait", A::Set(cmd.noWait)),
                                      A::Value("--deals", number(cmd.deals)),
                                      A::Value("--deal", number(cmd.deal)),
                                      A::Value("--csv", file(cmd.csv)),
                                      A::Value("--json", file(cmd.json)),
                                      A::Value("--report", file(cmd.report)),
                                      A::Value("--graph", file(cmd.graph)),
                                      A::Value("--graph-scale", number(cmd.graphScale)),
                                      A::Value("--language",
                                               [&](std::string_view v) -> Fault {
                                                   if (v != "en" && v != "ja") return A::BadValue();
                                                   cmd.language = v == "ja" ? Language::Japanese
                                                                            : Language::English;
                                                   return {};
                                               }),
                                      A::Value("--click", [&](std::string_view v) -> Fault {
                                          std::stringstream list{std::string(v)};
                                          for (std::string item; std::getline(list, item, ',');) {
                                              auto n = ParseWholeNumber(item);
                                              if (!n || *n > 43) return A::BadValue();
                                              cmd.clicks.push_back(static_cast<int>(*n));
                                          }
                                          return cmd.clicks.empty() ? A::BadValue() : Fault();
                                      })};
    for (std::string_view name : OptionNames::SettingNames()) options.push_back(setting(name));
    auto fault = A(std::move(options)).Positional(1, FolderArgument(cmd.folder)).Read(args);
    const bool outputs =
        !cmd.csv.empty() || !cmd.json.empty() || !cmd.report.empty() || !cmd.graph.empty();
    if (!fault && cmd.deal && outputs)
        fault = "--csv, --json, --report and --graph write the tables of a run, not of --deal";
    if (!fault && cmd.graphScale && (*cmd.graphScale < 1 || *cmd.graphScale > 4))
        fault = "--graph-scale takes 1, 2, 3 or 4";
    if (!fault && cmd.graphScale && (cmd.graph.empty() || GraphIsSvg(cmd.graph)))
        fault = "--graph-scale sizes a PNG picture of --graph";
    if (fault) {
        error = *fault;
        return std::nullopt;
    }
    return cmd;
}

}  // namespace lott

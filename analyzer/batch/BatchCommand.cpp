#include "BatchCommand.h"

#include <sstream>

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
    "       [--no-wait]\n"
    "       trickscan-batch [FOLDER] --deal N\n";

namespace {

std::optional<std::int64_t> Number(const std::string& s) {
    return ParseWholeNumber(s);
}

}  // namespace

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error) {
    BatchCommand cmd;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cmd.help = true;
            continue;
        }
        if (a == "--table") {
            cmd.table = true;
            continue;
        }
        if (a == "--no-wait") {
            cmd.noWait = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) {
            if (i != 0) {
                error = "unexpected argument \"" + a + "\"";
                return std::nullopt;
            }
            if (auto fault = FolderArgumentFault(a)) {
                error = *fault;
                return std::nullopt;
            }
            cmd.folder = a;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        const std::string& v = args[++i];
        auto bad = [&] {
            error = "bad value \"" + v + "\" for " + a;
            return std::nullopt;
        };
        if (a == "--preset") {
            if (v == "ostrevan")
                cmd.preset = 0;
            else if (v == "standard")
                cmd.preset = 1;
            else
                return bad();
        } else if (a == "--deals" || a == "--deal") {
            auto n = Number(v);
            if (!n) return bad();
            (a == "--deals" ? cmd.deals : cmd.deal) = *n;
        } else if (a == "--language") {
            if (v != "en" && v != "ja") return bad();
            cmd.language = v == "ja" ? 1 : 0;
        } else if (a == "--click") {
            std::stringstream list(v);
            std::string item;
            while (std::getline(list, item, ',')) {
                auto n = Number(item);
                if (!n || *n > 43) return bad();
                cmd.clicks.push_back(static_cast<int>(*n));
            }
            if (cmd.clicks.empty()) return bad();
        } else if (a == "--csv" || a == "--json") {
            if (v.empty()) return bad();
            (a == "--csv" ? cmd.csv : cmd.json) = v;
        } else {
            // Each value option clicks the option button of that name.
            const std::string setting = a.substr(2);
            if (setting == "preset" || !OptionNames::IsSetting(setting)) {
                error = "unknown option " + a;
                return std::nullopt;
            }
            auto index = OptionNames::Index(setting, v);
            if (!index) return bad();
            cmd.clicks.push_back(*index);
        }
    }
    if (cmd.deal && (!cmd.csv.empty() || !cmd.json.empty())) {
        error = "--csv and --json write the tables of a run, not of --deal";
        return std::nullopt;
    }
    return cmd;
}

}  // namespace lott

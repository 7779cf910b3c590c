#include "BatchCommand.h"

#include <map>
#include <sstream>

namespace lott {

const char* const kBatchUsage =
    "usage: trickscan-batch [FOLDER] [--preset ostrevan|standard] [--trumps length|score]\n"
    "       [--declarer allow|forbid] [--hcp 17-23|15-25|0-40] [--nt-calls none|separately]\n"
    "       [--nt quenby|dorvald|dorvald-plus|doubleton|singleton|void]\n"
    "       [--double-fit 1|0.5|0] [--solid-trump 1|0.5|0] [--chameleon -0.5|0]\n"
    "       [--filter D0|D1|D2|S0|S1|S2|C0|C1|C2] [--level-limit 1|2|none] [--click I,J,...]\n"
    "       [--deals N] [--language en|ja] [--table]\n"
    "       trickscan-batch [FOLDER] --deal N\n";

namespace {

// Each value option clicks the option button of that caption.
const std::map<std::string, std::map<std::string, int>>& ValueOptions() {
    static const std::map<std::string, std::map<std::string, int>> m = {
        {"--trumps", {{"length", 2}, {"score", 3}}},
        {"--declarer", {{"allow", 4}, {"forbid", 5}}},
        {"--hcp", {{"17-23", 6}, {"15-25", 7}, {"0-40", 8}}},
        {"--nt-calls", {{"none", 9}, {"separately", 10}}},
        {"--nt",
         {{"quenby", 11},
          {"dorvald", 12},
          {"dorvald-plus", 13},
          {"doubleton", 22},
          {"singleton", 23},
          {"void", 24}}},
        {"--double-fit", {{"1", 14}, {"0.5", 15}, {"0", 16}}},
        {"--solid-trump", {{"1", 17}, {"0.5", 18}, {"0", 19}}},
        {"--chameleon", {{"-0.5", 20}, {"0", 21}}},
        {"--filter",
         {{"D0", 25},
          {"D1", 26},
          {"D2", 27},
          {"S0", 28},
          {"S1", 29},
          {"S2", 30},
          {"C0", 31},
          {"C1", 32},
          {"C2", 33}}},
        {"--level-limit", {{"1", 41}, {"2", 42}, {"none", 43}}},
    };
    return m;
}

std::optional<std::int64_t> Number(const std::string& s) {
    if (s.empty() || s.size() > 12) return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
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
        if (a.rfind("--", 0) != 0) {
            if (i != 0) {
                error = "unexpected argument \"" + a + "\"";
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
        } else {
            auto opt = ValueOptions().find(a);
            if (opt == ValueOptions().end()) {
                error = "unknown option " + a;
                return std::nullopt;
            }
            auto val = opt->second.find(v);
            if (val == opt->second.end()) return bad();
            cmd.clicks.push_back(val->second);
        }
    }
    return cmd;
}

}  // namespace lott

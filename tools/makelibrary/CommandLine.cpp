#include "CommandLine.h"

#include <charconv>

namespace lott {

namespace {

template <class T>
bool WholeNumber(std::string_view s, T lo, T hi, T& v) {
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && v >= lo && v <= hi;
}

}  // namespace

std::string Usage() {
    return "usage: makelibrary --deals N --seed S [--threads T] [--out DIR]\n"
           "       makelibrary --resume [--out DIR] [--threads T]\n"
           "       makelibrary --check DIR [--sample K] [--threads T]\n"
           "Writes Library.bin and Library.asc with N random deals dealt from seed S and solved\n"
           "double-dummy by DDS, or checks such a pair of files.\n";
}

std::optional<CommandLine> CommandLine::Parse(std::span<const std::string_view> args,
                                              std::string& error) {
    CommandLine c;
    bool sawDeals = false, sawOut = false, sawCheck = false, sawSample = false;
    if (args.empty()) {
        error = "nothing to do: give --deals and --seed, --resume or --check (see --help)";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view value;
        bool inlineValue = false;
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            inlineValue = true;
        }
        auto takeValue = [&](std::string_view what) -> bool {
            if (inlineValue) return true;
            if (i + 1 >= args.size()) {
                error = std::string(arg) + " needs " + std::string(what);
                return false;
            }
            value = args[++i];
            return true;
        };
        auto bad = [&](std::string_view range) {
            error =
                std::string(arg) + ": \"" + std::string(value) + "\" is not " + std::string(range);
        };
        if (arg == "--help" || arg == "-h") {
            c.mode = Mode::Help;
            return c;
        } else if (arg == "--deals") {
            if (!takeValue("a number of deals")) return std::nullopt;
            if (!WholeNumber<std::int64_t>(value, 1, kMaxDeals, c.deals)) {
                bad("a whole number from 1 to " + std::to_string(kMaxDeals));
                return std::nullopt;
            }
            sawDeals = true;
        } else if (arg == "--seed") {
            if (!takeValue("a number")) return std::nullopt;
            std::uint64_t s = 0;
            if (!WholeNumber<std::uint64_t>(value, 0, UINT64_MAX, s)) {
                bad("a whole number from 0 to 18446744073709551615");
                return std::nullopt;
            }
            c.seed = s;
        } else if (arg == "--threads") {
            if (!takeValue("a number of threads")) return std::nullopt;
            if (!WholeNumber(value, 0, 1024, c.threads)) {
                bad("a whole number from 0 (one per core) to 1024");
                return std::nullopt;
            }
        } else if (arg == "--sample") {
            if (!takeValue("a number of deals")) return std::nullopt;
            if (!WholeNumber(value, 0, 1000000, c.sample)) {
                bad("a whole number from 0 to 1000000");
                return std::nullopt;
            }
            sawSample = true;
        } else if (arg == "--out") {
            if (!takeValue("a folder")) return std::nullopt;
            if (value.empty()) {
                error = "--out needs a folder";
                return std::nullopt;
            }
            c.out = std::filesystem::path(value);
            sawOut = true;
        } else if (arg == "--check") {
            if (!takeValue("a folder")) return std::nullopt;
            if (value.empty()) {
                error = "--check needs a folder";
                return std::nullopt;
            }
            c.checkDir = std::filesystem::path(value);
            sawCheck = true;
        } else if (arg == "--resume" && !inlineValue) {
            c.resume = true;
        } else {
            error = "unknown argument \"" + std::string(args[i]) + "\" (see --help)";
            return std::nullopt;
        }
    }
    if (sawCheck) {
        if (sawDeals || c.seed || c.resume || sawOut) {
            error = "--check takes only a folder, --sample and --threads";
            return std::nullopt;
        }
        c.mode = Mode::Check;
        return c;
    }
    if (sawSample) {
        error = "--sample belongs to --check";
        return std::nullopt;
    }
    c.mode = Mode::Make;
    if (!c.resume && (!sawDeals || !c.seed)) {
        error = sawDeals ? "--seed is missing" : "--deals is missing";
        return std::nullopt;
    }
    return c;
}

}  // namespace lott

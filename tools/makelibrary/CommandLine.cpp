#include "CommandLine.h"

#include <algorithm>
#include <charconv>

#include "Arguments.h"

namespace lott {

namespace {

using Fault = Arguments::Fault;

// A whole number from lo to hi (range words the bounds) into to; given says it was.
template <class T>
Arguments::Take WholeNumber(std::string_view name, T lo, T hi, std::string range, T& to,
                            bool* given = nullptr) {
    return [=, &to](std::string_view s) -> Fault {
        T v{};
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || v < lo || v > hi)
            return std::string(name) + ": \"" + std::string(s) + "\" is not " + range;
        to = v;
        if (given) *given = true;
        return {};
    };
}

// A folder, which an empty value does not name.
Arguments::Take Folder(std::string_view name, std::filesystem::path& to, bool& given) {
    return [=, &to, &given](std::string_view s) -> Fault {
        if (s.empty()) return std::string(name) + " needs a folder";
        to = s;
        given = true;
        return {};
    };
}

// "I/K": shard I (from 0) of K.
Arguments::Take ShardOf(std::int64_t& shard, std::int64_t& shards) {
    return [&](std::string_view s) -> Fault {
        const auto slash = s.find('/');
        std::int64_t i = -1, k = 0;
        const auto a = std::from_chars(s.data(), s.data() + std::min(slash, s.size()), i);
        const auto b = slash == std::string_view::npos
                           ? a
                           : std::from_chars(s.data() + slash + 1, s.data() + s.size(), k);
        if (slash == std::string_view::npos || a.ptr != s.data() + slash || a.ec != std::errc() ||
            b.ptr != s.data() + s.size() || b.ec != std::errc() || k < 1 || k > kMaxDeals ||
            i < 0 || i >= k)
            return "--shard: \"" + std::string(s) + "\" is not I/K with 0 <= I < K";
        shard = i, shards = k;
        return {};
    };
}

}  // namespace

std::string Usage() {
    return "usage: makelibrary --deals N --seed S [--threads T] [--out DIR]\n"
           "       makelibrary --resume [--out DIR] [--threads T]\n"
           "       makelibrary --check DIR [--sample K] [--threads T]\n"
           "       makelibrary --deals N --seed S --shard I/K [--threads T] --out DIR\n"
           "       makelibrary --merge --out DIR SHARD_DIR...\n"
           "       makelibrary --status DIR\n"
           "       makelibrary --import FILE... --out DIR [--threads T] [--verify K]\n"
           "Writes Library.bin and Library.asc with N random deals dealt from seed S and solved\n"
           "double-dummy by DDS, or checks such a pair of files, or makes them of the deals of\n"
           "PBN files (with Sources.tsv), solving those that come without double-dummy results.\n"
           "A shard holds deals I*N/K+1 to (I+1)*N/K of that library (rounded down); the merge of\n"
           "all K shards is the library.\n"
           "--threads defaults to the cores this process may run on.\n";
}

std::optional<CommandLine> CommandLine::Parse(std::span<const std::string_view> args,
                                              std::string& error) {
    using A = Arguments;
    CommandLine c;
    std::uint64_t seed = 0;
    bool help = false, deals = false, seeded = false, sample = false, out = false, check = false;
    bool status = false;
    bool import = false, verify = false;
    // "--import" takes the words up to the next option as its files.
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        rest.push_back(args[i]);
        if (args[i] != "--import") continue;
        while (i + 1 < args.size() && !args[i + 1].starts_with("--"))
            c.imports.emplace_back(args[++i]);
    }
    const std::string unknown = "unknown argument \"%\" (see --help)";
    const A reader(
        {A::Flag("--help", A::Set(help), true), A::Flag("-h", A::Set(help), true),
         A::Flag("--resume", A::Set(c.resume)),
         A::Value("--deals",
                  WholeNumber<std::int64_t>("--deals", 1, kMaxDeals,
                                            "a whole number from 1 to " + std::to_string(kMaxDeals),
                                            c.deals, &deals),
                  "a number of deals"),
         A::Value("--seed",
                  WholeNumber<std::uint64_t>("--seed", 0, UINT64_MAX,
                                             "a whole number from 0 to 18446744073709551615", seed,
                                             &seeded),
                  "a number"),
         A::Value("--threads",
                  WholeNumber("--threads", 0, 1024, "a whole number from 0 (one per core) to 1024",
                              c.threads),
                  "a number of threads"),
         A::Value("--sample",
                  WholeNumber("--sample", 0, 1000000, "a whole number from 0 to 1000000", c.sample,
                              &sample),
                  "a number of deals"),
         A::Flag("--import", A::Set(import)),
         A::Value("--verify",
                  WholeNumber("--verify", 0, 1000000, "a whole number from 0 to 1000000", c.verify,
                              &verify),
                  "a number of deals"),
         A::Value("--out", Folder("--out", c.out, out), "a folder"),
         A::Value("--check", Folder("--check", c.checkDir, check), "a folder"),
         A::Value("--shard", ShardOf(c.shard, c.shards), "I/K"),
         A::Value("--status", Folder("--status", c.statusDir, status), "a folder"),
         A::Flag("--merge", A::Set(c.merge), true)},
        {.unknown = unknown, .unexpected = unknown});
    Fault fault = args.empty()
                      ? "nothing to do: give --deals and --seed, --resume, --check or --import (see --help)"
                      : reader.Read(rest);
    if (seeded) c.seed = seed;
    // --merge ends the options: then --out and the shard folders, in any order.
    const auto merge = std::find(args.begin(), args.end(), "--merge");
    for (auto a = merge; !fault && c.merge && ++a < args.end();) {
        if (*a == "--out" || a->starts_with("--out="))
            fault = Folder("--out", c.out,
                           out)(*a == "--out" ? (++a < args.end() ? *a : "") : a->substr(6));
        else if (a->starts_with("-"))
            fault = "--merge takes --out and the shard folders, not \"" + std::string(*a) + "\"";
        else
            c.mergeDirs.emplace_back(*a);
        if (a == args.end()) break;
    }
    const bool others = deals || seeded || c.resume || check || sample || c.shards > 0;
    if (!fault && !help && import) {
        if (c.imports.empty())
            fault = "--import needs at least one PBN file";
        else if (!out)
            fault = "--import needs --out";
        else if (others || c.merge || status)
            fault = "--import takes only files, --out, --threads and --verify";
    } else if (!fault && !help && verify) {
        fault = "--verify belongs to --import";
    } else if (!fault && !help && (c.merge || status)) {
        if (c.merge && (others || status || !out || c.mergeDirs.empty()))
            fault = "--merge needs --out DIR and the shard folders, and nothing else";
        else if (status && (others || out))
            fault = "--status takes only a folder";
    } else if (!fault && !help) {
        if (check) {
            if (deals || seeded || c.resume || out || c.shards > 0)
                fault = "--check takes only a folder, --sample and --threads";
        } else if (sample) {
            fault = "--sample belongs to --check";
        } else if (!c.resume && (!deals || !seeded)) {
            fault = deals ? "--seed is missing" : "--deals is missing";
        } else if (c.shards > 0 && (c.resume || c.shards > c.deals)) {
            fault = c.resume ? "a --shard run continues its shard by itself; leave out --resume"
                             : "--shard: " + std::to_string(c.shards) + " shards need at least " +
                                   std::to_string(c.shards) + " deals";
        }
    }
    if (fault) {
        error = *fault;
        return std::nullopt;
    }
    c.mode = help ? Mode::Help : import ? Mode::Import : check ? Mode::Check : Mode::Make;
    return c;
}

}  // namespace lott

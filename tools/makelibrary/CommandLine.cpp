#include "CommandLine.h"

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
    using A = Arguments;
    CommandLine c;
    std::uint64_t seed = 0;
    bool help = false, deals = false, seeded = false, sample = false, out = false, check = false;
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
         A::Value("--out", Folder("--out", c.out, out), "a folder"),
         A::Value("--check", Folder("--check", c.checkDir, check), "a folder")},
        {.unknown = unknown, .unexpected = unknown});
    Fault fault = args.empty()
                      ? "nothing to do: give --deals and --seed, --resume or --check (see --help)"
                      : reader.Read(args);
    if (seeded) c.seed = seed;
    if (!fault && !help) {
        if (check) {
            if (deals || seeded || c.resume || out)
                fault = "--check takes only a folder, --sample and --threads";
        } else if (sample) {
            fault = "--sample belongs to --check";
        } else if (!c.resume && (!deals || !seeded)) {
            fault = deals ? "--seed is missing" : "--deals is missing";
        }
    }
    if (fault) {
        error = *fault;
        return std::nullopt;
    }
    c.mode = help ? Mode::Help : check ? Mode::Check : Mode::Make;
    return c;
}

}  // namespace lott

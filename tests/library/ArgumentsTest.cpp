// The command-line reader: what it hands on, in order, or the one line it refuses a line with.
#include <gtest/gtest.h>

#include "Arguments.h"

namespace lott {
namespace {

using A = Arguments;

// The arguments as handed on ("--name=value", a flag, a positional argument), or "! fault". A
// strict reader takes no positional argument and words its faults itself.
std::string Outcome(const std::vector<std::string>& args, bool strict) {
    std::string seen;
    auto note = [&seen](std::string as) {
        return [&seen, as](std::string_view v) -> A::Fault {
            seen += (seen.empty() ? "" : " ") + as + std::string(v);
            return {};
        };
    };
    A reader({A::Flag("--flag", note("--flag")), A::Flag("-h", note("-h")),
              A::Flag("--stop", note("--stop"), true), A::Value("--name", note("--name=")),
              A::Value(
                  "--num",
                  [&](std::string_view v) {
                      const bool digits = v.find_first_not_of("0123456789") == v.npos;
                      return digits ? note("--num=")(v) : A::BadValue();
                  },
                  "a number")},
             strict ? A::Wording{"no argument %", "no argument %"} : A::Wording{});
    if (!strict)
        reader.Positional(1, [&](std::string_view v) {
            return v.empty() ? A::Fault("an empty folder") : note("")(v);
        });
    const A::Fault fault = reader.Read(args);
    return fault ? "! " + *fault : seen;
}

TEST(Arguments, HandsOnInOrderOrRefusesWithTheFirstFault) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        // Both forms of a value, a value taken as it stands, repeats, a last option.
        {{"dir", "--name", "a", "--flag", "--name=b=c", "-h"}, "dir --name=a --flag --name=b=c -h"},
        {{"--name", "--flag", "--name=", "--num", "12"}, "--name=--flag --name= --num=12"},
        {{"--stop", "--nonsense", "x"}, "--stop"},
        // Faults the reader finds, and those the program's actions find.
        {{"--x", "1"}, "! unknown option --x"},
        {{"--flag=1"}, "! unknown option --flag=1"},
        {{"--name"}, "! --name needs a value"},
        {{"--num"}, "! --num needs a number"},
        {{"--num", "5%", "--x"}, "! bad value \"5%\" for --num"},
        {{"--flag", "dir"}, "! unexpected argument \"dir\""},
        {{"a", "b"}, "! unexpected argument \"b\""},
        {{"", "--flag"}, "! an empty folder"},
    };
    for (const auto& [args, outcome] : cases) EXPECT_EQ(Outcome(args, false), outcome) << args[0];
    EXPECT_EQ(Outcome({"dir"}, true), "! no argument dir");
    EXPECT_EQ(Outcome({"--x=1"}, true), "! no argument --x=1");
}

}  // namespace
}  // namespace lott

// makelibrary's arguments: the accepted forms, and a one-line reason for everything else.
#include <gtest/gtest.h>

#include <vector>

#include "CommandLine.h"

namespace lott {
namespace {

std::optional<CommandLine> Parse(std::vector<std::string_view> args, std::string* error = nullptr) {
    std::string e;
    auto c = CommandLine::Parse(args, e);
    if (error) *error = e;
    EXPECT_EQ(c.has_value(), e.empty()) << e;
    EXPECT_EQ(e.find('\n'), std::string::npos) << "one line: " << e;
    return c;
}

TEST(CommandLine, AcceptsTheThreeCommands) {
    auto make =
        Parse({"--deals", "10000", "--seed", "717102", "--threads", "2", "--out", "data/x"});
    ASSERT_TRUE(make);
    EXPECT_EQ(make->mode, CommandLine::Mode::Make);
    EXPECT_EQ(make->deals, 10000);
    EXPECT_EQ(make->seed, 717102u);
    EXPECT_EQ(make->threads, 2);
    EXPECT_EQ(make->out, "data/x");
    EXPECT_FALSE(make->resume);

    auto defaults = Parse({"--seed=0", "--deals=1"});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->seed, 0u);
    EXPECT_EQ(defaults->threads, 0);
    EXPECT_EQ(defaults->out, ".");

    auto resume = Parse({"--resume", "--out", "lib"});
    ASSERT_TRUE(resume);
    EXPECT_TRUE(resume->resume);
    EXPECT_EQ(resume->deals, 0);
    EXPECT_FALSE(resume->seed);

    auto check = Parse({"--check", "build/bin", "--sample", "0"});
    ASSERT_TRUE(check);
    EXPECT_EQ(check->mode, CommandLine::Mode::Check);
    EXPECT_EQ(check->checkDir, "build/bin");
    EXPECT_EQ(check->sample, 0);
    EXPECT_EQ(Parse({"--check", "x"})->sample, 20);

    EXPECT_EQ(Parse({"--deals", "x", "--help"}, nullptr), std::nullopt);
    EXPECT_EQ(Parse({"--help"})->mode, CommandLine::Mode::Help);
    EXPECT_EQ(Parse({"-h", "--deals", "x"})->mode, CommandLine::Mode::Help);
    EXPECT_EQ(Parse({"--seed", "18446744073709551615", "--deals", "2147483646"})->seed,
              18446744073709551615ull);
}

TEST(CommandLine, RefusesWhatIsNotACommand) {
    struct Case {
        std::vector<std::string_view> args;
        std::string says;
    };
    std::vector<Case> cases{
        {{}, "nothing to do"},
        {{"--deals", "10"}, "--seed is missing"},
        {{"--seed", "10"}, "--deals is missing"},
        {{"--deals", "0", "--seed", "1"}, "--deals: \"0\" is not a whole number from 1"},
        {{"--deals", "2147483648", "--seed", "1"}, "--deals: \"2147483648\""},
        {{"--deals", "12x", "--seed", "1"}, "\"12x\""},
        {{"--deals", "-5", "--seed", "1"}, "\"-5\""},
        {{"--deals", "5", "--seed", "18446744073709551616"}, "--seed"},
        {{"--deals", "5", "--seed", "-1"}, "--seed"},
        {{"--deals", "5", "--seed", "1", "--threads", "1025"}, "--threads"},
        {{"--deals", "5", "--seed"}, "--seed needs a number"},
        {{"--deals", "5", "--seed", "1", "--out"}, "--out needs a folder"},
        {{"--deals", "5", "--seed", "1", "--out="}, "--out needs a folder"},
        {{"--deals", "5", "--seed", "1", "--out", ""}, "--out needs a folder"},
        {{"--check", ""}, "--check needs a folder"},
        {{"--check"}, "--check needs a folder"},
        {{"--check", "a", "--deals", "5"}, "--check takes only"},
        {{"--check", "a", "--resume"}, "--check takes only"},
        {{"--deals", "5", "--seed", "1", "--sample", "3"}, "--sample belongs to --check"},
        {{"--check", "a", "--sample", "-1"}, "--sample"},
        {{"--deals", "5", "--seed", "1", "--fast"}, "unknown argument \"--fast\""},
        {{"--resume=yes"}, "unknown argument"},
        {{"extra"}, "unknown argument \"extra\""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Parse(c.args, &error));
        EXPECT_NE(error.find(c.says), std::string::npos) << "said: " << error;
    }
}

}  // namespace
}  // namespace lott

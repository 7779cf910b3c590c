// A program's command line read against the table of options the program knows. An option that
// takes a value is given as "--name value" or "--name=value", a flag as "--name" alone;
// positional arguments (a program folder) come before the options. Each argument is handed to
// its option's action in command-line order, so an option may repeat and the program says what
// a repeat means. The first fault ends the reading with one line.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

class Arguments {
  public:
    // What a program makes of one argument: nothing when it takes it, else the one-line reason.
    using Fault = std::optional<std::string>;
    // Takes an option's value ("" for a flag) or a positional argument.
    using Take = std::function<Fault(std::string_view)>;

    struct Option {
        std::string name;  // as typed: "--deals", "-h"
        Take take;
        std::string needs;  // what its value is ("a number"); empty for a flag
        bool last = false;  // the arguments after it are not read
    };
    static Option Flag(std::string name, Take take, bool last = false);
    static Option Value(std::string name, Take take, std::string needs = "a value");
    // A flag's action that sets the switch.
    static Take Set(bool& on);
    // Refuses an option's value in the common words: bad value "V" for --NAME.
    static Fault BadValue() { return std::string(); }

    // How the parser words the faults it finds itself; "%" stands for the argument as typed.
    struct Wording {
        std::string unknown = "unknown option %";
        std::string unexpected = "unexpected argument \"%\"";
    };

    explicit Arguments(std::vector<Option> options);
    Arguments(std::vector<Option> options, Wording wording);
    // Up to most positional arguments, before any option, each handed to take.
    Arguments& Positional(std::size_t most, Take take);

    // Reads the arguments after the program name; the first fault, or nothing.
    Fault Read(std::span<const std::string_view> args) const;
    Fault Read(const std::vector<std::string>& args) const;

  private:
    std::vector<Option> options_;
    Wording wording_;
    std::size_t mostPositionals_ = 0;
    Take positional_;
};

}  // namespace lott

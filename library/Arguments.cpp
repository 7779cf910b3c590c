#include "Arguments.h"

#include <algorithm>

namespace lott {

namespace {

// The one way a reading fails: the wording with its first "%" replaced by the argument.
Arguments::Fault Fail(std::string_view wording, std::string_view arg) {
    std::string line(wording);
    if (const auto at = line.find('%'); at != std::string::npos) line.replace(at, 1, arg);
    return line;
}

}  // namespace

Arguments::Option Arguments::Flag(std::string name, Take take, bool last) {
    return {std::move(name), std::move(take), {}, last};
}

Arguments::Option Arguments::Value(std::string name, Take take, std::string needs) {
    return {std::move(name), std::move(take), std::move(needs), false};
}

Arguments::Take Arguments::Set(bool& on) {
    return [&on](std::string_view) -> Fault {
        on = true;
        return {};
    };
}

Arguments::Arguments(std::vector<Option> options) : Arguments(std::move(options), Wording()) {}

Arguments::Arguments(std::vector<Option> options, Wording wording)
    : options_(std::move(options)), wording_(std::move(wording)) {}

Arguments& Arguments::Positional(std::size_t most, Take take) {
    mostPositionals_ = most;
    positional_ = std::move(take);
    return *this;
}

Arguments::Fault Arguments::Read(const std::vector<std::string>& args) const {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return Read(std::span<const std::string_view>(views));
}

Arguments::Fault Arguments::Read(std::span<const std::string_view> args) const {
    bool optionSeen = false;
    std::size_t positionals = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view name = arg;
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const auto option = std::find_if(options_.begin(), options_.end(),
                                         [&](const Option& o) { return o.name == name; });
        if (option == options_.end()) {
            if (arg.starts_with("--")) return Fail(wording_.unknown, arg);
            if (optionSeen || positionals == mostPositionals_)
                return Fail(wording_.unexpected, arg);
            ++positionals;
            if (auto fault = positional_(arg)) return fault;
            continue;
        }
        optionSeen = true;
        const bool flag = option->needs.empty();
        if (flag && value) return Fail(wording_.unknown, arg);
        if (!flag && !value) {
            if (i + 1 >= args.size()) return Fail("% needs " + option->needs, name);
            value = args[++i];
        }
        if (auto fault = option->take(value.value_or(""))) {
            if (!fault->empty()) return fault;
            return Fail("bad value \"%\" for " + std::string(name), value.value_or(""));
        }
        if (option->last) break;
    }
    return {};
}

}  // namespace lott

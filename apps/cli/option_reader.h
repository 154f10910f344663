#pragma once

#include "cli_options.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace biteclock::cli {

/// Walks the options of one command; the first problem is kept.
class OptionReader {
public:
    OptionReader(const std::vector<std::string>& arguments, std::size_t first)
        : args_(arguments)
        , next_(first) {}

    // Options are read from left to right until the first problem or the first --help.
    bool done() const { return next_ >= args_.size() || !error_.empty() || help_; }
    const std::string& error() const { return error_; }
    bool helpWanted() const { return help_; }

    /// True, and reading ends, when the option asks for the usage. An option's value is never
    /// taken for one: "--location --help" names a location "--help".
    bool help(const std::string& option) {
        help_ = help_ || option == "--help" || option == "-h";
        return help_;
    }

    std::string take() { return args_[next_++]; }

    std::optional<std::string> value(const std::string& option) {
        if (next_ >= args_.size()) {
            fail(option + ": a value is missing");
            return std::nullopt;
        }
        return args_[next_++];
    }

    /// The option's value when it holds a character other than those of `ignored` (for an empty
    /// `ignored`, when it is not empty); otherwise none, and `problem` is the error.
    std::optional<std::string> filledValue(const std::string& option, const std::string& problem,
                                           std::string_view ignored = {}) {
        auto v = value(option);
        if (v && (ignored.empty() ? v->empty() : v->find_first_not_of(ignored) == std::string::npos)) {
            fail(problem);
            return std::nullopt;
        }
        return v;
    }

    void fail(const std::string& message) {
        if (error_.empty()) {
            error_ = message;
        }
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_;
    std::string error_;
    bool help_ = false;
};

/// Reads one location option if `option` is one (only --gmt, --tz and --place when `offsetOnly`);
/// false when it is not.
bool readLocationOption(OptionReader& reader, const std::string& option, LocationOptions& location,
                        bool offsetOnly);

/// Reads --format if `option` is it; text is refused unless `allowText`. False for another option.
bool readFormatOption(OptionReader& reader, const std::string& option, OutputFormat& format, bool allowText);

/// The command read, the usage when it was asked for, or the first problem (a conflict of location
/// options included).
ParsedCommand finish(const OptionReader& reader, Command command);

} // namespace biteclock::cli

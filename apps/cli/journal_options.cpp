#include "journal_options.h"

#include "option_reader.h"
#include "terminal_text.h"

namespace biteclock::cli {
namespace {

std::optional<JournalCommand::Action> actionNamed(const std::string& name) {
    if (name == "list") {
        return JournalCommand::Action::List;
    }
    if (name == "export") {
        return JournalCommand::Action::Export;
    }
    if (name == "stats") {
        return JournalCommand::Action::Stats;
    }
    return std::nullopt;
}

const char* actionName(JournalCommand::Action action) {
    switch (action) {
    case JournalCommand::Action::List:
        return "list";
    case JournalCommand::Action::Export:
        return "export";
    case JournalCommand::Action::Stats:
        return "stats";
    }
    return "list";
}

} // namespace

ParsedCommand parseJournal(const std::vector<std::string>& arguments) {
    JournalCommand journal;
    if (arguments.size() < 2) {
        return {std::nullopt, "journal: expected list, export or stats (see --help)"};
    }
    if (arguments[1] == "--help" || arguments[1] == "-h") {
        return {HelpCommand{}, {}};
    }
    const auto action = actionNamed(arguments[1]);
    if (!action) {
        return {std::nullopt, "journal: expected list, export or stats, got " +
                                  quotedForTerminal(arguments[1]) + " (see --help)"};
    }
    journal.action = *action;
    const std::string name = std::string("journal ") + actionName(journal.action);
    std::optional<std::string> output;
    OptionReader reader(arguments, 2);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--folder") {
            if (auto v = reader.filledValue(option, "--folder: expected the journal folder")) {
                journal.folder = std::move(*v);
            }
        } else if ((option == "--output" || option == "-o") &&
                   journal.action == JournalCommand::Action::Export) {
            if (auto v = reader.filledValue(
                    option,
                    option + ": expected the name of the CSV file to write, or - for standard output")) {
                output = std::move(v);
            }
        } else if (option == "--format" && journal.action != JournalCommand::Action::Export) {
            readFormatOption(reader, option, journal.format, true);
            if (journal.action == JournalCommand::Action::Stats && journal.format == OutputFormat::Csv) {
                reader.fail("--format: expected text or json, got " + quotedForTerminal("csv"));
            }
        } else if (!readLocationOption(reader, option, journal.location, false)) {
            reader.fail(name + ": unknown option " + quotedForTerminal(option) + " (see --help)");
        }
    }
    if (reader.error().empty() && !reader.helpWanted() && journal.action == JournalCommand::Action::Export) {
        if (!output) {
            return {std::nullopt, "journal export: --output FILE.csv is required (- for standard output)"};
        }
        journal.output = *output;
    }
    return finish(reader, journal);
}

} // namespace biteclock::cli

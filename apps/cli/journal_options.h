#pragma once

#include "cli_options.h"

#include <string>
#include <vector>

namespace biteclock::cli {

/// "journal list|export|stats" and its options (the arguments from "journal" on).
ParsedCommand parseJournal(const std::vector<std::string>& arguments);

} // namespace biteclock::cli

// boardlook-batch: the viewer's Output button for many deals at once, without a window. Each
// chosen deal is read and decided as the viewer shows it and written by the same export code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DealExport.h"
#include "DealSelection.h"

namespace lott {

class BoardlookBatch {
  public:
    struct Command {
        std::string folder;                       // empty: the executable's folder
        std::vector<DealSelection::Range> deals;  // --deal N or --deals LIST
        std::optional<int> over20;                // --over20: 21..26, or 0 for all
        DealExport::Kind kind = DealExport::Kind::Html;
        std::string pbnFile;  // --pbn-file: every game in this one file
        std::string library;  // --library: a library name of the folder, as typed in the viewer
        // The viewer's start: trumps by Score, notrump allowed.
        lott::TrumpBy TrumpBy = lott::TrumpBy::Score;
        lott::NoNT NoNT = lott::NoNT::Allowed;
        bool help = false;
    };

    static const char* const kUsage;

    // Parses the arguments (without the program name). On a bad or contradictory argument
    // returns nothing with a one-line reason in error.
    static std::optional<Command> Parse(const std::vector<std::string>& args, std::string& error);

    // Writes the files, one line on out per file written and a summary; every deal that could
    // not be written is reported on err. Returns 0 when every chosen deal was written, 1 when
    // one was not or nothing could be started, 2 when --pbn-file names a file the programs read.
    static int Run(const Command& cmd, const std::filesystem::path& exeFolder, std::ostream& out,
                   std::ostream& err);
};

}  // namespace lott

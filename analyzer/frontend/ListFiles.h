// The deal lists of a scanning run: "Over20.txt" (deals with more than 20 Total Trumps, read by
// the viewer) with its one-run backup "Over20.bak", and the debug list "DoubleNT.txt".
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "FileWriter.h"
#include "Modes.h"

namespace lott {

// The header of "Over20.txt" in the given language and its separator
// line, each ended by CR LF.
std::string Over20Header(Language language);
// One data line without its line end: " 21, 22 #3456 ( 19, 21)".
std::string Over20Line(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                       const std::array<std::int32_t, 2>& hcp);
// One line of "DoubleNT.txt" without its line end: "# 1234  double NT".
std::string DoubleNTLine(std::int32_t dealNo);

// "Over20.txt" of one scanning run, written beside the old list. When the run commits it, the old
// list is first kept as "Over20.bak" by a second name (a hard link), then the new one is renamed
// over "Over20.txt": at no moment is there no list. A list that is abandoned leaves the old one.
class Over20List {
  public:
    explicit Over20List(std::filesystem::path folder);
    ~Over20List();
    Over20List(const Over20List&) = delete;
    Over20List& operator=(const Over20List&) = delete;

    bool OpenOver20(Language language, std::string& error);
    bool FoutOver20(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                    const std::array<std::int32_t, 2>& hcp, std::string& error);
    // Makes the new list durable, not yet in place.
    bool Finish(std::string& error);
    // Finish, keep the old list as the backup, put the new one in place. False, with the
    // reason, when the new list could not take its place (the old one then stays).
    bool CloseOver20(std::string& error);
    // Drops the list being written; the previous list stays.
    void DiscardOver20();
    bool IsOpen() const;

    std::filesystem::path ListPath() const { return folder_ / "Over20.txt"; }
    std::filesystem::path BackupPath() const { return folder_ / "Over20.bak"; }
    // The part file being written (empty when none).
    std::filesystem::path PartPath() const;

  private:
    bool KeepBackup(std::string& error);
    std::filesystem::path folder_;
    std::unique_ptr<FileWriter> out_;
};

// Replaces folder / "DoubleNT.txt" with these lines (each ended by CR LF).
bool WriteDoubleNT(const std::filesystem::path& folder, const std::string& lines,
                   std::string& error);

}  // namespace lott

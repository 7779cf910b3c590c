// The deal lists of a scanning run: "Over20.txt" (deals with more than 20 Total Trumps, read by
// the viewer) with its one-run backup "Over20.bak", and the debug list "DoubleNT.txt".
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace lott {

// The header of "Over20.txt" in the given language (0 English, 1 Japanese) and its separator
// line, each ended by CR LF.
std::string Over20Header(int language);
// One data line without its line end: " 21, 22 #3456 ( 19, 21)".
std::string Over20Line(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                       const std::array<std::int32_t, 2>& hcp);
// One line of "DoubleNT.txt" without its line end: "# 1234  double NT".
std::string DoubleNTLine(std::int32_t dealNo);

// "Over20.txt" of one scanning run. The list is written beside the old one and takes its place
// when the run ends, stopped or not, the old list becoming "Over20.bak"; a list that could not
// be written is dropped and the old one stays.
class Over20List {
  public:
    explicit Over20List(std::filesystem::path folder) : folder_(std::move(folder)) {}
    ~Over20List();
    Over20List(const Over20List&) = delete;
    Over20List& operator=(const Over20List&) = delete;

    bool OpenOver20(int language, std::string& error);
    void FoutOver20(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                    const std::array<std::int32_t, 2>& hcp);
    // Ends the list. False, with the reason, when the new list could not take its place.
    bool CloseOver20(std::string& error);
    // Drops the list being written (a run that failed); the previous list stays.
    void DiscardOver20();
    bool IsOpen() const { return open_; }

    std::filesystem::path ListPath() const { return folder_ / "Over20.txt"; }
    std::filesystem::path PartPath() const { return folder_ / "Over20.txt.part"; }

  private:
    std::filesystem::path folder_;
    std::ofstream out_;
    bool open_ = false;
};

// Appends one line to folder / "DoubleNT.txt".
bool AppendDoubleNT(const std::filesystem::path& folder, std::int32_t dealNo, std::string& error);

}  // namespace lott

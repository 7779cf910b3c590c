// What the viewer holds between clicks: the library in use and its form, the deal shown, the
// trump and notrump switches, and the deal read and decided last.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Deal.h"
#include "DealExport.h"
#include "LibraryFile.h"
#include "SourceTable.h"
#include "ViewerContracts.h"

namespace lott {

// Why a library could not be opened.
enum class LibraryFailure { None, NotFound, NoDeals, CannotOpen };

class ViewerSession {
  public:
    explicit ViewerSession(std::filesystem::path programFolder);

    const std::filesystem::path& Folder() const { return folder_; }

    lott::Language Language = lott::Language::English;
    lott::LibMode LibMode = lott::LibMode::Binary;  // form of the library in use
    std::string BinLibName = kBinLibName;
    std::string AscLibName = kAscLibName;
    std::int32_t DealNo = 0;  // the deal shown; 0 until one is
    lott::TrumpBy TrumpBy = lott::TrumpBy::Length;
    lott::NoNT NoNT = lott::NoNT::Allowed;

    // A library that can be used: a file of that name (relative to the program folder) that
    // holds at least one whole record of the form.
    bool Usable(const std::string& name, lott::LibMode mode) const;
    // Opens the named library in the given form. On success the library in use is closed and
    // replaced, and the deal shown is kept within the new library. On failure nothing changes.
    bool OpenLibrary(lott::LibMode mode, const std::string& name);
    // Why the named library is not usable: no such file, a file without one whole record of the
    // form, or one that cannot be opened or read (None when it is usable).
    LibraryFailure Failure(const std::string& name, lott::LibMode mode) const;
    bool HasLibrary() const { return lib_->IsOpen() && lib_->DealCount() > 0; }
    const LibraryFile& Library() const { return *lib_; }
    std::int32_t DealCount() const { return HasLibrary() ? lib_->DealCount() : 0; }

    struct Step {
        bool show = false;     // a deal is to be shown (false without a library)
        bool wrapped = false;  // the step went round the end of the library
    };
    Step GoForward(int n);
    Step GoBack(int n);
    // A typed deal number: sets DealNo and returns true only for a whole number in
    // 1..DealCount; anything else leaves DealNo as it was.
    bool TypeDealNo(std::string_view text);

    // The form named by a typed library name's extension (case-blind): binary for ".bin",
    // ASCII for ".asc", nothing otherwise.
    static std::optional<lott::LibMode> ModeOfName(std::string_view name);
    // text with its extension replaced by the form's (".bin" / ".asc"); a text that already ends
    // in the form's extension, in any case, is kept as it is; a text without a three-letter
    // extension gets the extension appended instead of losing characters.
    static std::string WithExtension(std::string_view text, lott::LibMode mode);

    // Reads and decides deal dealNo (MainProc's reading and contract steps).
    ReadStatus Show(std::int32_t dealNo);
    const Deal& deal() const { return deal_; }
    const ViewerDecision& decision() const { return decision_; }
    // Whether the deal read last was read and decided (and so may be drawn and exported).
    bool ShownOk() const { return shownOk_; }
    // The deal shown last as the export writers take it.
    DealExport::Page ExportPage() const;
    // The Output button: writes the deal shown last as a page of the kind into its folder of
    // the program folder. Nothing is written when the deal could not be read.
    DealExport::Result Export(DealExport::Kind kind) const;
    // The file name of the library in use, without its folder.
    std::string LibraryFileName() const;
    // Where the deal shown last was played, when the folder's Sources.tsv is that of an
    // imported library of as many deals as the library in use.
    std::optional<DealSource> Source() const;

  private:
    std::filesystem::path folder_;
    std::unique_ptr<LibraryFile> lib_;
    SourceTable sources_;
    Deal deal_;
    ViewerDecision decision_;
    std::int32_t shownNo_ = 0;
    bool shownOk_ = false;
    // The switches the deal shown last was decided under.
    lott::TrumpBy shownTrumpBy_ = lott::TrumpBy::Score;
    lott::NoNT shownNoNT_ = lott::NoNT::Allowed;
};

}  // namespace lott

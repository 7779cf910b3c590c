#include "ViewerSession.h"

#include "WholeNumber.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <system_error>

namespace lott {

ViewerSession::ViewerSession(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)), lib_(std::make_unique<LibraryFile>()) {}

bool ViewerSession::Usable(const std::string& name, lott::LibMode mode) const {
    std::error_code ec;
    const auto path = folder_ / name;
    if (name.empty() || !std::filesystem::is_regular_file(path, ec)) return false;
    auto size = std::filesystem::file_size(path, ec);
    return !ec && size >= static_cast<std::uintmax_t>(RecLenOfMode(mode));
}

bool ViewerSession::OpenLibrary(lott::LibMode mode, const std::string& name) {
    if (name.empty()) return false;
    // Open into a fresh file first, so that the library in use stays when this one fails.
    auto fresh = std::make_unique<LibraryFile>();
    if (!fresh->Open(folder_ / name, mode) || fresh->DealCount() <= 0) return false;
    lib_ = std::move(fresh);  // closes the library used so far
    LibMode = mode;
    (LibMode == lott::LibMode::Binary ? BinLibName : AscLibName) = name;
    if (DealNo > lib_->DealCount()) DealNo = lib_->DealCount();
    // A table of another number of deals belongs to another library.
    if (!sources_.Load(folder_) || sources_.size() != static_cast<std::size_t>(DealCount()))
        sources_ = SourceTable{};
    return true;
}

LibraryFailure ViewerSession::Failure(const std::string& name, lott::LibMode mode) const {
    std::error_code ec;
    const auto path = folder_ / name;
    if (name.empty() || !std::filesystem::exists(path, ec)) return LibraryFailure::NotFound;
    if (std::filesystem::is_regular_file(path, ec)) {
        const auto size = std::filesystem::file_size(path, ec);
        if (!ec && size < static_cast<std::uintmax_t>(RecLenOfMode(mode)))
            return LibraryFailure::NoDeals;
    }
    return Usable(name, mode) && LibraryFile().Open(path, mode) ? LibraryFailure::None
                                                                : LibraryFailure::CannotOpen;
}

ViewerSession::Step ViewerSession::GoForward(int n) {
    Step s;
    if (!HasLibrary()) return s;
    std::int64_t next = static_cast<std::int64_t>(DealNo) + n;
    if (next > DealCount() || next < 1) {
        DealNo = 1;
        s.wrapped = true;
    } else {
        DealNo = static_cast<std::int32_t>(next);
    }
    s.show = true;
    return s;
}

ViewerSession::Step ViewerSession::GoBack(int n) {
    Step s;
    if (!HasLibrary()) return s;
    std::int64_t next = static_cast<std::int64_t>(DealNo) - n;
    if (next <= 0 || next > DealCount()) {
        DealNo = DealCount();
        s.wrapped = true;
    } else {
        DealNo = static_cast<std::int32_t>(next);
    }
    s.show = true;
    return s;
}

bool ViewerSession::TypeDealNo(std::string_view text) {
    const auto n = ParseWholeNumber(text);
    if (!n || !HasLibrary()) return false;
    const std::int64_t v = *n;
    if (v < 1 || v > DealCount()) return false;
    DealNo = static_cast<std::int32_t>(v);
    return true;
}

namespace {
std::string Lower(std::string_view s) {
    std::string t(s);
    std::transform(t.begin(), t.end(), t.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}
}  // namespace

std::optional<LibMode> ViewerSession::ModeOfName(std::string_view name) {
    std::string t = Lower(name);
    auto endsWith = [&](std::string_view ext) {
        return t.size() > ext.size() && t.compare(t.size() - ext.size(), ext.size(), ext) == 0;
    };
    if (endsWith(".bin")) return LibMode::Binary;
    if (endsWith(".asc")) return LibMode::Ascii;
    return std::nullopt;
}

std::string ViewerSession::WithExtension(std::string_view text, lott::LibMode mode) {
    if (ModeOfName(text) == mode) return std::string(text);
    std::string_view stem = text;
    if (stem.size() >= 4 && stem[stem.size() - 4] == '.') stem.remove_suffix(4);
    return std::string(stem) + (mode == LibMode::Ascii ? ".asc" : ".bin");
}

ReadStatus ViewerSession::Show(std::int32_t dealNo) {
    ReadStatus st = lib_->ReadDeal(dealNo, deal_);
    shownNo_ = dealNo;
    decision_ = ViewerDecision{};
    shownOk_ = st == ReadStatus::Ok;
    if (!shownOk_) return st;
    deal_.CountLengths();
    deal_.DecodeTricks();
    decision_ = ViewerContracts::Decide(deal_, TrumpBy, NoNT);
    shownTrumpBy_ = TrumpBy;
    shownNoNT_ = NoNT;
    return st;
}

std::string ViewerSession::LibraryFileName() const {
    if (!HasLibrary()) return {};
    return std::filesystem::path(LibMode == lott::LibMode::Ascii ? AscLibName : BinLibName)
        .filename()
        .string();
}

DealExport::Page ViewerSession::ExportPage() const {
    DealExport::Page p;
    p.dealNo = shownNo_;
    p.Contract = decision_.Contract;
    p.Hand = deal_.Hand;
    p.libraryName = LibraryFileName();
    p.Tricks = deal_.Tricks;
    p.TrumpBy = shownTrumpBy_;
    p.NoNT = shownNoNT_;
    p.source = Source();
    return p;
}

std::optional<DealSource> ViewerSession::Source() const {
    return sources_.Of(shownNo_);
}

DealExport::Result ViewerSession::Export(DealExport::Kind kind) const {
    if (!shownOk_) {
        DealExport::Result r;
        r.file = folder_ / DealExport::RelativePath(kind, shownNo_);
        r.error = "deal " + std::to_string(shownNo_) + " could not be read";
        return r;
    }
    return DealExport::Write(folder_, kind, ExportPage());
}

}  // namespace lott

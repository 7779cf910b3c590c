#include "ListFiles.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "Deal.h"
#include "NumberFormat.h"

namespace lott {

std::string Over20Header(Language language) {
    std::string h;
    if (language == Language::Japanese) {
        h += "このファイルは，合計トリック数が 21 以上のディールをピックアップします。\r\n";
        h += "各行は，合計切り札枚数，合計トリック数，ディール番号 (HCP1, HCP2)\r\n";
        h += " から成ります。\r\n";
        h += " Boardlook を使うと，これらのディールの内容を見ることができます。\r\n";
    } else {
        h += "This file records the deal numbers ";
        h += "for Total Trumps longer than 20.\r\n";
        h += " Each line consists of \r\n";
        h += " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).\r\n";
        h += "Review them with another software Boardlook.\r\n";
    }
    h += std::string(30, '-') + "\r\n";
    return h;
}

std::string Over20Line(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                       const std::array<std::int32_t, 2>& hcp) {
    return str2(trumps) + "," + str2(tricks) + " #" + StrNum(dealNo) + " (" + str2(hcp[0]) + "," +
           str2(hcp[1]) + ")";
}

std::string DoubleNTLine(std::int32_t dealNo) {
    // A printed number has a blank (or its sign) in front and a blank after it.
    return std::string("#") + (dealNo >= 0 ? " " : "") + std::to_string(dealNo) + " " +
           " double NT";
}

Over20List::Over20List(std::filesystem::path folder) : folder_(std::move(folder)) {}

Over20List::~Over20List() = default;

bool Over20List::IsOpen() const {
    return out_ && out_->IsOpen();
}

std::filesystem::path Over20List::PartPath() const {
    return out_ ? out_->PartPath() : std::filesystem::path();
}

bool Over20List::OpenOver20(Language language, std::string& error) {
    out_ = std::make_unique<FileWriter>(ListPath());
    if (!out_->Open(error) || !out_->Write(Over20Header(language), error)) {
        out_.reset();
        return false;
    }
    return true;
}

bool Over20List::FoutOver20(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                            const std::array<std::int32_t, 2>& hcp, std::string& error) {
    if (!out_) return true;
    return out_->Write(Over20Line(trumps, tricks, dealNo, hcp) + "\r\n", error);
}

void Over20List::DiscardOver20() {
    out_.reset();
}

bool Over20List::Finish(std::string& error) {
    if (!out_) return true;
    if (out_->Finish(error)) return true;
    out_.reset();
    error += "; the previous list is kept";
    return false;
}

bool Over20List::KeepBackup(std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path list = ListPath();
    const fs::file_status st = fs::symlink_status(list, ec);
    if (!fs::exists(st)) return true;
    // A folder of that name is the user's: it is neither backed up nor replaced.
    if (fs::is_directory(st)) {
        error = list.string() + " is a folder; the new list is not put in place";
        return false;
    }
    // The backup is made under a name of its own and renamed over "Over20.bak", so the old
    // backup stays until the new one is whole; a link left at that name is removed, not
    // followed (link() never follows its new name).
    const fs::path link = FileWriter::PartName(BackupPath(), 0);
    for (int attempt = 0; ::link(list.c_str(), link.c_str()) != 0; ++attempt) {
        if (errno != EEXIST || attempt > 0 || ::unlink(link.c_str()) != 0) {
            error = "cannot keep " + list.string() + " as " + BackupPath().string() + ": " +
                    std::strerror(errno);
            return false;
        }
    }
    if (::rename(link.c_str(), BackupPath().c_str()) != 0) {
        error = "cannot keep " + list.string() + " as " + BackupPath().string() + ": " +
                std::strerror(errno);
        ::unlink(link.c_str());
        return false;
    }
    // rename() does nothing when both names are already links of one file (a run killed
    // between the backup and the list left them so): the part name would stay behind.
    ::unlink(link.c_str());
    return true;
}

bool Over20List::CloseOver20(std::string& error) {
    if (!out_) return true;
    if (!Finish(error)) return false;
    if (!KeepBackup(error) || !out_->Commit(error)) {
        out_.reset();
        error += "; the previous list is kept";
        return false;
    }
    out_.reset();
    return true;
}

bool WriteDoubleNT(const std::filesystem::path& folder, const std::string& lines,
                   std::string& error) {
    return FileWriter::WriteFile(folder / "DoubleNT.txt", lines, error);
}

}  // namespace lott

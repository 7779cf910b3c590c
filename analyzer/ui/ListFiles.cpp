#include "ListFiles.h"

#include <system_error>

#include "Deal.h"
#include "NumberFormat.h"
#include "ResultHousekeeping.h"

namespace lott {

std::string Over20Header(int language) {
    std::string h;
    if (language == 1) {
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

Over20List::~Over20List() {
    std::string ignored;
    if (open_) CloseOver20(ignored);
}

bool Over20List::OpenOver20(int language, std::string& error) {
    if (open_) out_.close();
    open_ = false;
    out_.clear();
    out_.open(PartPath(), std::ios::binary | std::ios::trunc);
    if (!out_) {
        error = "cannot create " + PartPath().string();
        return false;
    }
    out_ << Over20Header(language);
    open_ = true;
    return true;
}

void Over20List::FoutOver20(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
                            const std::array<std::int32_t, 2>& hcp) {
    if (!open_) return;
    out_ << Over20Line(trumps, tricks, dealNo, hcp) << "\r\n";
}

void Over20List::DiscardOver20() {
    if (!open_) return;
    open_ = false;
    out_.close();
    std::error_code ec;
    std::filesystem::remove(PartPath(), ec);
}

bool Over20List::CloseOver20(std::string& error) {
    if (!open_) return true;
    open_ = false;
    out_.close();
    std::error_code ec;
    if (!out_) {
        std::filesystem::remove(PartPath(), ec);
        error = "cannot write " + PartPath().string() + "; the previous list is kept";
        return false;
    }
    if (!fBackUp(folder_, "Over20.txt", error)) {
        error += "; the new list is left as " + PartPath().string();
        return false;
    }
    std::filesystem::rename(PartPath(), ListPath(), ec);
    if (ec) {
        error = "cannot rename " + PartPath().string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool AppendDoubleNT(const std::filesystem::path& folder, std::int32_t dealNo, std::string& error) {
    const std::filesystem::path file = folder / "DoubleNT.txt";
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << DoubleNTLine(dealNo) << "\r\n";
    out.close();
    if (!out) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

}  // namespace lott

#include "DealExport.h"

#include <system_error>

#include "Cat.h"
#include "FileWriter.h"
#include "Names.h"

namespace lott {

namespace {
const char* const kSuitClass[4] = {"spd", "hrt", "dmd", "clb"};
// Unicode suit symbols: the symbol-font codes would show as other characters in a browser.
const char* const kSuitEntity[4] = {"9824", "9829", "9830", "9827"};

std::string Y(int suit, int indent) {
    return Cat(std::string(static_cast<std::size_t>(indent), ' '),
               "<td><span class=", kSuitClass[suit], ">&#", kSuitEntity[suit], ";</span>");
}
std::string K(const Holding& cards, int indent) {
    return Cat(std::string(static_cast<std::size_t>(indent), ' '), "<td class=cds>", cards.view());
}
const std::string E1 = " <td>";
const std::string E2 = "  <td>";

// Builds the padded text in one buffer (copying the short string instead trips a false
// overflow warning of g++ 12 under link-time optimisation).
std::string PadTo(std::string_view s, std::size_t width) {
    std::string t;
    t.reserve(s.size() < width ? width : s.size());
    t.append(s);
    if (t.size() < width) t.append(width - t.size(), ' ');
    return t;
}

struct ViewerTotals {
    std::int32_t tricks;
    std::int32_t prediction;
};
ViewerTotals Totals(const DealExport::Page& page) {
    const auto& c = page.Contract;
    return {c[1].Tricks + c[0].Tricks, DealExport::Prediction(page)};
}
}  // namespace

std::int32_t DealExport::Prediction(const Page& page) {
    const auto& c = page.Contract;
    std::int32_t prediction = c[1].Trumps + c[0].Trumps;
    for (int p = 0; p < 2; ++p)
        if (c[p].Strain == NoTrump) prediction = c[1 - p].Trumps + 7;
    return prediction;
}

std::string DealExport::str2Html(std::int32_t x) {
    std::string t = std::to_string(x);
    if (x < 10) t.insert(0, "&nbsp;");
    return t;
}

std::string DealExport::str2(std::int32_t x) {
    std::string t = std::to_string(x);
    if (t.size() == 1) t.insert(0, 1, ' ');
    return t;
}

std::string DealExport::str10(const std::string& s) {
    return PadTo(s, 10);
}

std::vector<std::string> DealExport::FoutHtml(const Page& page) {
    const ContractRec& NS = page.Contract[1];
    const ContractRec& WE = page.Contract[0];
    const auto& H = page.Hand;
    const std::string number = std::to_string(page.dealNo);
    // HTML5: every text stands in a block, and the title names the deal.
    std::vector<std::string> out = {
        "<!DOCTYPE html>",
        "<html lang=\"en\">",
        "<head>",
        "<meta charset=\"UTF-8\">",
        Cat("<title>Board #", number, "</title>"),
        "<style>",
        "body.bdy{background-color:#ffe8e8;",
        "font-family:'Times New Roman'}",
        "td{white-space:nowrap}",
        "td.lft{text-align:left}",
        "td.rit{text-align:right}",
        "td.cds{text-align:left;font-family:'Courier New';font-size:120%}",
        "span.rd{color:red}",
        "span.spd{font-family:'Symbol';color:black;font-size:125%}",
        "span.hrt{font-family:'Symbol';color:red;font-size:125%}",
        "span.dmd{font-family:'Symbol';color:fuchsia;font-size:125%}",
        "span.clb{font-family:'Symbol';color:blue;font-size:125%}",
        "table.hand{float:left;width:45%;line-height:1.8ex}",
        ".ctr{text-align:center}",
        "</style>",
        "</head>",
        "<body class=bdy>",
        Cat("<p>Board &#35;", number, "</p>"),
        "<table style=\"line-height:90%\">",
    };
    auto pairLines = [&](const char* name, const ContractRec& c) {
        out.push_back(Cat("<tr><td>&nbsp;", name, "&nbsp;<td>", str2Html(c.Tricks), " tricks in ",
                          StrainName[c.Strain]));
        if (c.Strain != NoTrump) out.push_back(Cat("<td>(", str2Html(c.Trumps), ")"));
    };
    pairLines("N-S", NS);
    pairLines("W-E", WE);
    ViewerTotals totals = Totals(page);
    out.push_back(Cat("<tr><td colspan=2 class=ctr>", str2Html(totals.tricks), " Total Tricks."));
    out.push_back(Cat("<td>(", str2Html(totals.prediction), ")"));
    out.push_back("</table>");
    out.push_back(" <br>");

    out.push_back("<!-- Hand -->");
    out.push_back("<table class=hand>");
    auto add = [&](std::initializer_list<std::string> items) {
        for (const auto& s : items) out.push_back(s);
    };
    add({"<tr>", E1, " <td class=rit>North&nbsp;&nbsp;", Y(0, 1), K(H[North][0], 1)});
    add({"<tr>", E1, E1, Y(1, 1), K(H[North][1], 1)});
    add({"<tr>", E1, E1, Y(2, 1), K(H[North][2], 1)});
    add({"<tr>", " <td colspan=2>West", Y(3, 1), K(H[North][3], 1), " <td colspan=2>East"});
    add({"<tr>", Y(0, 1), K(H[West][0], 1), E1, E1, Y(0, 1), K(H[East][0], 1)});
    add({"<tr>", Y(1, 1), K(H[West][1], 1), E1, E2, Y(1, 2), K(H[East][1], 2)});
    add({" <tr>", Y(2, 2), K(H[West][2], 2), E2, E2, Y(2, 2), K(H[East][2], 2)});
    add({" <tr>", Y(3, 2), K(H[West][3], 2), E2, E2, Y(3, 2), K(H[East][3], 2)});
    for (int s = 0; s < 4; ++s) add({" <tr>", E2, E2, Y(s, 2), K(H[South][s], 2)});
    add({" <tr>", E2, E2, "  <td colspan=4>South"});
    add({" </table>", "</body>", "</html>"});
    return out;
}

std::vector<std::string> DealExport::FoutText(const Page& page) {
    const ContractRec& NS = page.Contract[1];
    const ContractRec& WE = page.Contract[0];
    const auto& H = page.Hand;
    std::vector<std::string> out;
    out.push_back(Cat("Board #", std::to_string(page.dealNo)));
    auto pairLine = [&](const char* name, const ContractRec& c) {
        std::string t =
            PadTo(Cat(" ", name, " ", str2(c.Tricks), " tricks in ", StrainName[c.Strain]), 27);
        if (c.Strain != NoTrump) t += Cat("(", str2(c.Trumps), ")");
        out.push_back(t);
    };
    pairLine("N-S", NS);
    pairLine("E-W", WE);
    ViewerTotals totals = Totals(page);
    out.push_back(Cat(PadTo(Cat("     ", str2(totals.tricks), " Total tricks."), 27), "(",
                      str2(totals.prediction), ")"));
    auto single = [&](int seat) {
        for (int s = 0; s < 4; ++s)
            out.push_back(Cat(std::string(14, ' '), StrainLetter[s], " ", H[seat][s].view()));
    };
    single(North);
    static const char* const kCompass[4] = {" ---N---- ", "|      E |", "| W      |", " ----S--- "};
    for (int r = 0; r < 4; ++r)
        out.push_back(Cat(" ", StrainLetter[r], " ", str10(H[West][r].str()), kCompass[r], " ",
                          StrainLetter[r], " ", H[East][r].view()));
    single(South);
    return out;
}

PbnExport::Game DealExport::PbnGame(const Page& page) {
    PbnExport::Game g;
    g.board = page.dealNo;
    g.event = page.libraryName;
    g.Hand = page.Hand;
    g.Tricks = page.Tricks;
    g.Contract = page.Contract;
    const ViewerTotals totals = Totals(page);
    g.totalTricks = totals.tricks;
    g.prediction = totals.prediction;
    g.TrumpBy = page.TrumpBy;
    g.NoNT = page.NoNT;
    g.source = page.source;
    return g;
}

std::vector<std::string> DealExport::FoutPbn(const Page& page) {
    std::vector<std::string> out = PbnExport::FileHeader();
    for (auto& line : PbnExport::GameLines(PbnGame(page))) out.push_back(std::move(line));
    return out;
}

std::vector<std::string> DealExport::Lines(Kind kind, const Page& page) {
    switch (kind) {
        case Kind::Html:
            return FoutHtml(page);
        case Kind::Text:
            return FoutText(page);
        case Kind::Pbn:
            return FoutPbn(page);
    }
    return {};
}

const char* DealExport::FolderName(Kind kind) {
    switch (kind) {
        case Kind::Html:
            return "HtmlFiles";
        case Kind::Text:
            return "TextFiles";
        case Kind::Pbn:
            return "PbnFiles";
    }
    return "";
}

std::filesystem::path DealExport::RelativePath(Kind kind, std::int32_t dealNo) {
    const char* ext = kind == Kind::Html ? ".Html" : kind == Kind::Text ? ".Txt" : ".pbn";
    return std::filesystem::path(FolderName(kind)) / Cat("No", std::to_string(dealNo), ext);
}

DealExport::Result DealExport::Write(const std::filesystem::path& programFolder, Kind kind,
                                     const Page& page) {
    namespace fs = std::filesystem;
    Result r;
    const fs::path folder = programFolder / FolderName(kind);
    r.file = programFolder / RelativePath(kind, page.dealNo);
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        fs::create_directory(folder, ec);
        if (ec) {
            r.error = Cat("cannot create the folder ", folder.string(), ": ", ec.message());
            return r;
        }
    } else if (!fs::is_directory(folder, ec)) {
        r.error = Cat(folder.string(), " is not a folder");
        return r;
    }
    const auto lines = Lines(kind, page);
    std::string bytes;
    for (const auto& l : lines) {
        bytes += l;
        bytes += "\r\n";
    }
    r.ok = FileWriter::WriteFile(r.file, bytes, r.error);
    return r;
}

}  // namespace lott

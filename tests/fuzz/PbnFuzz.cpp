// A PBN file as the import reads it: every game's deal is 52 distinct cards, 13 a hand, and its
// results are tricks of 0..13; tag values are UTF-8; and a deal read, written again by the
// viewer's PBN export, reads back as the same record.
#include <string>

#include "FuzzCheck.h"
#include "PbnExport.h"
#include "PbnReader.h"

using namespace lott;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 1;
    for (char c : file) lines += c == '\n';
    for (const PbnGame& game : PbnReader::ReadGames(file)) {
        FUZZ_CHECK(game.line >= 1 && game.line <= lines && !game.tags.empty());
        for (const auto& tag : game.tags) {
            FUZZ_CHECK(!tag.name.empty() && tag.line >= game.line && tag.line <= lines);
            FUZZ_CHECK(PbnReader::ToUtf8(tag.value) == tag.value);
        }
        DealRecord rec;
        std::string why;
        if (!PbnReader::DealOf(game, rec, why)) {
            FUZZ_CHECK(!why.empty());
            continue;
        }
        std::array<std::uint8_t, kBinRecLen> bin{};
        std::array<char, kAscRecLen> asc{};
        const bool given = PbnReader::TricksOf(game, rec.nsTricks, why) == PbnReader::Table::Given;
        for (const auto& s : rec.nsTricks.v)
            for (auto d : s) FUZZ_CHECK(!given || d <= 13);
        FUZZ_CHECK(EncodeBinDeal(rec, bin) && EncodeAscDeal(rec, asc));

        Deal d;
        d.DecodeBinDeal(bin.data());
        d.DecodeTricks();
        PbnExport::Game out;
        out.Hand = d.Hand;
        out.Tricks = d.Tricks;
        std::string text;
        for (const auto& l : PbnExport::GameLines(out)) text += l + "\r\n";
        const auto back = PbnReader::ReadGames(text);
        FUZZ_CHECK(back.size() == 1);
        DealRecord again;
        FUZZ_CHECK(PbnReader::DealOf(back[0], again, why));
        FUZZ_CHECK(PbnReader::TricksOf(back[0], again.nsTricks, why) == PbnReader::Table::Given);
        std::array<std::uint8_t, kBinRecLen> binAgain{};
        FUZZ_CHECK(EncodeBinDeal(again, binAgain));
        FUZZ_CHECK(std::equal(bin.begin(), bin.begin() + 16, binAgain.begin()));
        FUZZ_CHECK(!given || bin == binAgain);
    }
    return 0;
}

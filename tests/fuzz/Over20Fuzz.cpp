// "Over20.txt" as the viewer reads it: every line it offers under a Total Trumps button opens
// with that number and names a deal; a list the analyzer writes, with the input's lines mixed in,
// still offers every deal the analyzer listed.
#include <string>

#include "FuzzCheck.h"
#include "ListFiles.h"
#include "Over20Reader.h"

using namespace lott;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const auto language = static_cast<Language>(in.Take() & 1);
    // One listed deal, as a scan writes it.
    const std::int32_t trumps = 21 + in.Take() % 6;
    const std::int32_t tricks = in.Take() % 40;
    std::int32_t dealNo = 1;
    for (int i = 0; i < 3; ++i) dealNo = dealNo * 256 + in.Take();
    const std::array<std::int32_t, 2> hcp{in.Take() % 41, 0};
    const std::string_view foreign = in.Rest();

    std::size_t lineCount = 1;
    for (char c : foreign) lineCount += c == '\n';
    for (std::int32_t tt = 21; tt <= 26; ++tt) {
        const auto lines = Over20Reader::Select(foreign, tt);
        FUZZ_CHECK(lines.size() <= lineCount);
        for (const std::string& l : lines) {
            FUZZ_CHECK(l.find('\n') == std::string::npos);
            FUZZ_CHECK(Over20Reader::LeadingNumber(l) == tt);
            FUZZ_CHECK(Over20Reader::DealNumber(l).has_value());
        }
    }

    const std::string listed = Over20Line(trumps, tricks, dealNo, {hcp[0], 40 - hcp[0]});
    const std::string file =
        Over20Header(language) + listed + "\r\n" + std::string(foreign) + "\n" + listed + "\n";
    const auto lines = Over20Reader::Select(file, trumps);
    FUZZ_CHECK(lines.size() >= 2);
    FUZZ_CHECK(lines.front() == listed && lines.back() == listed);
    FUZZ_CHECK(Over20Reader::DealNumber(lines.front()) == dealNo);
    return 0;
}

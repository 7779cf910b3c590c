#include "MakingMarker.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace lott {

namespace {

std::string Hex(std::uint64_t v) {
    char buf[17];
    auto r = std::to_chars(buf, buf + sizeof buf, v, 16);
    return std::string(buf, r.ptr);
}

template <class T>
bool ParseNumber(std::string_view s, T& v, int base = 10) {
    if (s.empty()) return false;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v, base);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}
}  // namespace

void ContentHash::Add(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    std::uint64_t h = h_;
    for (std::size_t i = 0; i < size; ++i) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
    h_ = h;
}

std::string MakingMarker::Text(std::string_view title) const {
    std::ostringstream s;
    s << title << "\n"
      << "seed " << seed << "\n"
      << "deals " << target << "\n"
      << "done " << done << "\n"
      << "bin-hash " << Hex(binHash) << "\n"
      << "asc-hash " << Hex(ascHash) << "\n";
    if (shards > 0)
        s << "shards " << shards << "\n"
          << "shard " << shard << "\n";
    return s.str();
}

std::optional<MakingMarker> MakingMarker::Parse(std::string_view text, std::string_view title) {
    MakingMarker m;
    bool haveSeed = false, haveTarget = false, haveDone = false, haveBin = false, haveAsc = false;
    bool first = true;
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (first) {
            if (line != title) return std::nullopt;
            first = false;
            continue;
        }
        if (line.empty()) continue;
        auto sp = line.find(' ');
        if (sp == std::string_view::npos) return std::nullopt;
        std::string_view key = line.substr(0, sp), value = line.substr(sp + 1);
        bool ok = true;
        if (key == "seed")
            ok = haveSeed = ParseNumber(value, m.seed);
        else if (key == "deals")
            ok = haveTarget = ParseNumber(value, m.target);
        else if (key == "done")
            ok = haveDone = ParseNumber(value, m.done);
        else if (key == "bin-hash")
            ok = haveBin = ParseNumber(value, m.binHash, 16);
        else if (key == "asc-hash")
            ok = haveAsc = ParseNumber(value, m.ascHash, 16);
        else if (key == "pending")
            ok = ParseNumber(value, m.pending) && m.pending >= 0;
        else if (key == "shards")
            ok = ParseNumber(value, m.shards) && m.shards > 0;
        else if (key == "shard")
            ok = ParseNumber(value, m.shard);
        if (!ok) return std::nullopt;
    }
    if (first || !haveSeed || !haveTarget || !haveDone || !haveBin || !haveAsc) return std::nullopt;
    if (m.target < 1 || m.shards > m.target || m.shard < 0 ||
        m.shard >= std::max<std::int64_t>(m.shards, 1))
        return std::nullopt;
    if (m.done < 0 || m.done > m.Count() || m.pending > m.Count() - m.done) return std::nullopt;
    return m;
}

std::optional<MakingMarker> MakingMarker::Read(const std::filesystem::path& file,
                                               std::string_view title) {
    std::ifstream in(file, std::ios::binary);
    std::string text(4096, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (!in.eof()) return std::nullopt;
    auto m = Parse(text, title);
    if (m && title == kShardTitle && (m->shards < 1 || m->done != m->Count())) return std::nullopt;
    return m;
}

}  // namespace lott

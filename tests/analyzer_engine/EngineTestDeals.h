// Deals for the engine tests: a record decoded as a scan would read it.
#pragma once

#include <stdexcept>

#include "Deal.h"
#include "DealCodec.h"
#include "TestLibrary.h"

namespace lott::test {

inline void LoadRecord(const DealRecord& r, Deal& deal) {
    std::array<std::uint8_t, kBinRecLen> bin{};
    if (!EncodeBinDeal(r, bin)) throw std::runtime_error("not a deal");
    deal.DecodeBinDeal(bin.data());
}

}  // namespace lott::test

#include "ExpectedFreq.h"

#include <initializer_list>
#include <utility>

namespace lott {

namespace {
struct Block {
    int kind, mode, first;
    std::initializer_list<int> counts;
};
}  // namespace

void ExpectedFreq::LoadPtValues() {
    // Deals of the published library per length; the two kinds of one mode add up to 717,102.
    static const Block kBlocks[] = {
        {0, 0, 14, {28261, 37001, 114308, 113763, 85047, 48510, 21327, 7027, 1824, 360, 65, 2}},
        {-1, 0, 12, {1, 260, 68154, 132421, 48272, 9559, 906, 34}},
        {0,
         1,
         10,
         {1, 11, 273, 4330, 33260, 69507, 118898, 112287, 79242, 42183, 17851, 5601, 1437, 285, 53,
          2}},
        {-1, 1, 11, {1, 36, 3581, 69598, 110334, 39665, 7889, 746, 31}},
    };
    v_ = {};
    for (const Block& b : kBlocks) {
        auto& row = v_[static_cast<std::size_t>(b.kind + 1)][static_cast<std::size_t>(b.mode)];
        float total = 0.0f;
        int len = b.first;
        for (int c : b.counts) {
            row[static_cast<std::size_t>(len++)] = static_cast<float>(c);
            total += static_cast<float>(c);
        }
        row[30] = total;
        for (int l = b.first; l < len; ++l) row[static_cast<std::size_t>(l)] /= total;
    }
}

}  // namespace lott

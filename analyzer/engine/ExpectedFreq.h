// Expected relative frequencies of each Total Length / Total Trumps value, per kind and trump
// mode, from the published library's counts; they weigh deals that corrections move.
#pragma once

#include <array>

namespace lott {

class ExpectedFreq {
  public:
    // Fills the table (once, at start-up).
    void LoadPtValues();
    // kind -1..0, mode 0 (by Length) or 1 (by Score), length 0..30; 0 outside the table.
    float operator()(int kind, int mode, int length) const {
        if ((kind != -1 && kind != 0) || (mode != 0 && mode != 1) || length < 0 || length > 30)
            return 0.0f;
        return v_[static_cast<std::size_t>(kind + 1)][static_cast<std::size_t>(mode)]
                 [static_cast<std::size_t>(length)];
    }

  private:
    std::array<std::array<std::array<float, 31>, 2>, 2> v_{};
};

}  // namespace lott

// A-priori probabilities of fit lengths, and the index arithmetic of the counting-table grid.
#pragma once

#include <array>
#include <cstdint>

namespace lott {

// Column 0, lengths 7..13: probability that one side's longest combined suit has that length.
// Column 1, lengths 14..26: probability of that Total Length of both sides. Other cells 0.
struct FitOddsTable {
    std::array<std::array<float, 27>, 2> v{};
    float operator()(int column, int length) const {
        if (column < 0 || column > 1 || length < 0 || length > 26) return 0.0f;
        return v[static_cast<std::size_t>(column)][static_cast<std::size_t>(length)];
    }
};

FitOddsTable FitOdds();
double Binomial(std::int16_t n, std::int16_t k);
std::int32_t Factorial(std::int16_t n);
// Lengths in descending order: the number of distinct ways to give them to the four suits.
std::int32_t Arrangements(int a, int b, int c, int d);

// Rows of the table window's grid per kind (-1 suit-notrump, 0 suit-suit).
constexpr int TableMinLen(int kind) {
    return kind == -1 ? 12 : 11;
}
constexpr int TableMaxLen(int kind) {
    return kind == -1 ? 21 : 24;
}
constexpr std::int32_t CellIndex(int kind, int length, int column) {
    return column + (length - TableMinLen(kind)) * 20 + 6 + (kind == -1 ? 500 : 0);
}
constexpr std::int32_t RowStart(int kind, int length) {
    return CellIndex(kind, length, -6);
}
constexpr std::int32_t TableEnd(int kind) {
    return RowStart(kind, TableMaxLen(kind) + 1);
}

}  // namespace lott

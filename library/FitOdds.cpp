#include "FitOdds.h"

namespace lott {

double Binomial(std::int16_t n, std::int16_t k) {
    int kk = k < n - k ? k : n - k;
    if (kk < 0) return 0.0;
    if (kk == 0) return 1.0;
    double r = 1.0;
    for (int i = 1; i <= kk; ++i) {
        r *= static_cast<double>(n - kk + i);
        r /= static_cast<double>(i);
    }
    return r;
}

std::int32_t Factorial(std::int16_t n) {
    std::int32_t r = 1;
    for (int i = 2; i <= n; ++i) r *= i;
    return r;
}

std::int32_t Arrangements(int a, int b, int c, int d) {
    const int len[4] = {a, b, c, d};
    std::int32_t r = 24;
    int run = 1;
    for (int i = 1; i <= 4; ++i) {
        if (i < 4 && len[i] == len[i - 1]) {
            ++run;
        } else {
            r /= Factorial(static_cast<std::int16_t>(run));
            run = 1;
        }
    }
    return r;
}

FitOddsTable FitOdds() {
    double longest[14] = {};
    double joint[14][14] = {};  // [this side's longest][other side's longest]
    for (int a = 7; a <= 13; ++a)
        for (int b = 0; b <= a; ++b)
            for (int c = 0; c <= b; ++c) {
                int d = 26 - a - b - c;
                if (d < 0 || d > c || d > 13) continue;
                double hands = Binomial(13, static_cast<std::int16_t>(a)) *
                               Binomial(13, static_cast<std::int16_t>(b)) *
                               Binomial(13, static_cast<std::int16_t>(c)) *
                               Binomial(13, static_cast<std::int16_t>(d)) *
                               Arrangements(a, b, c, d);
                if (hands == 0) continue;
                longest[a] += hands;
                joint[a][13 - d] += hands;
            }
    double total[27] = {};
    for (int a = 7; a <= 13; ++a)
        for (int e = 7; e <= 13; ++e) total[a + e] += joint[a][e];
    const double all = Binomial(52, 26);
    FitOddsTable t;
    for (int a = 7; a <= 13; ++a)
        t.v[0][static_cast<std::size_t>(a)] = static_cast<float>(longest[a] / all);
    for (int s = 14; s <= 26; ++s)
        t.v[1][static_cast<std::size_t>(s)] = static_cast<float>(total[s] / all);
    return t;
}

}  // namespace lott

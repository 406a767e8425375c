// Random settings within the ranges the image can hold.
#pragma once

#include <initializer_list>
#include <random>
#include <span>
#include <string>

#include "model/session.h"

namespace kv::test {

class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : rng_(seed) {}

    // Names only of characters the radio itself stores (no "." "+" and the like).
    bool plainNames = false;

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Flag() { return Int(0, 1) == 1; }
    template <class T>
    T Pick(std::initializer_list<T> options) { return options.begin()[Int(0, static_cast<int>(options.size()) - 1)]; }

    std::string Text(const std::string& alphabet, int maxLength);
    std::string Digits(int length);
    // A channel name: mixed case, sometimes with characters only the
    // encoder writes, sometimes longer than the field.
    std::string ChannelName();

    void FillImage(RadioImage& image);
    RadioSettings Make(int model, bool sel1);

private:
    void Marine(ChannelRecord& ch, bool sel1);
    void LandMobile(ChannelRecord& ch, int model);

    std::mt19937 rng_;
};

}  // namespace kv::test

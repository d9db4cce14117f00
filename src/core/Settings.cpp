#include "core/Settings.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// Each setting's range and its field; the one option is a flag. Start values are those of
// Controls, which the engine's tests use as they are.
struct Entry {
    SettingRange Range;
    int Controls::*Number;
    bool Controls::*Flag;
};

constexpr std::array<Entry, kSettingCount> kSettings = {{
    {{1, kMaxParticles, 500}, &Controls::Particles, nullptr},
    {{100, 700, 600}, &Controls::VesselWidth, nullptr},
    {{100, 700, 600}, &Controls::VesselHeight, nullptr},
    {{0, 300, 50}, &Controls::MaxSpeed, nullptr},
    {{1, 5000, 300}, &Controls::CollisionLimit, nullptr},
    {{1, 9, 8}, &Controls::SizeChoice, nullptr},
    {{0, 1, 1}, nullptr, &Controls::StopAtLimit},
    {{100, 500, 100}, &Controls::ExperimentParticles, nullptr},
    {{1, 10, 1}, &Controls::SpeedFactor, nullptr},
    {{1, 10, 1}, &Controls::ParticleMass, nullptr},
    {{400, 650, 400}, &Controls::VesselSide, nullptr},
}};

const Entry& EntryOf(Setting setting) {
    return kSettings[static_cast<size_t>(setting)];
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

SettingRange RangeOf(Setting setting) {
    return EntryOf(setting).Range;
}

int ValueOf(const Controls& c, Setting setting) {
    const Entry& e = EntryOf(setting);
    return e.Number ? c.*e.Number : static_cast<int>(c.*e.Flag);
}

void SetValueOf(Controls& c, Setting setting, int value) {
    const Entry& e = EntryOf(setting);
    if (e.Number) {
        c.*e.Number = value;
    } else {
        c.*e.Flag = value != 0;
    }
}

bool SpinTextAccepted(std::string_view text, int minimum) {
    if (text == "0") return minimum <= 0;
    return AllDigits(text);
}

int SpinTextValue(std::string_view text, int minimum, int maximum) {
    std::string_view number = text;
    while (!number.empty() && Blank(number.front()))
        number.remove_prefix(1);
    while (!number.empty() && Blank(number.back()))
        number.remove_suffix(1);
    if (!number.empty() && number.front() == '+' && number.size() > 1 && number[1] != '-')
        number.remove_prefix(1);
    long long read = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), read);
    if (!number.empty() && error == std::errc() && end == number.data() + number.size())
        return static_cast<int>(std::clamp<long long>(read, minimum, maximum));
    return !text.empty() && AllDigits(text) ? maximum : minimum;
}

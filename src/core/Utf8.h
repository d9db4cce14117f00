#pragma once

#include <string>
#include <string_view>

// Texts in the core are UTF-8. Rules that look at characters look at code points: a byte of a
// character beyond ASCII is never a character of its own.

// The code points of a text; a byte that does not begin or continue a character becomes
// U+FFFD, as a front-end shows it.
std::u32string CodePoints(std::string_view text);
std::string Utf8(std::u32string_view codePoints);

// The text without white space at either end and with every run of it inside as one blank
// (white space as Unicode has it, the no-break spaces included).
std::string Simplified(std::string_view text);

#pragma once

// The character classes of the lists' descriptions and of model numbers: ASCII alone, as
// the descriptions are upper-cased UTF-8 and model numbers never leave ASCII.
namespace AsciiText {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr bool isCapital(char c)
{
    return c >= 'A' && c <= 'Z';
}

constexpr bool isLetterOrDigit(char c)
{
    return isDigit(c) || isCapital(c) || (c >= 'a' && c <= 'z');
}

} // namespace AsciiText

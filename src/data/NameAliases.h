#pragma once

#include <QStringView>

#include <span>

// Words people write for a model that the score lists spell another way: the short forms
// and the Chinese brand and family names. Upper case, as conditions are compared.
namespace NameAliases {

struct Alias
{
    QStringView written;
    QStringView means;
    bool beforeModelNumber; // stands for `means` only at a word's start, before a number
};

std::span<const Alias> all();

} // namespace NameAliases

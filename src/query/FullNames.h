#pragma once

#include "data/WrittenNames.h"

#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

class WordStarts;

// The third reading of a condition, tried only when neither the query as typed nor the
// forgiving reading lists anything: a name as a computer, a system tool or a shop writes
// it ("Intel(R) Core(TM) i7-6700K CPU @ 4.00GHz", "索泰 GTX1070Ti 8G"). What names no
// model is dropped: marks, "CPU", a clock, core counts, memory sizes, chip codes and
// driver details, card makers. Every word left must stand in a description, in any
// order and with others between, from the start of one of its words, a number never as
// a piece of a longer one ("530" is not "5300", "3600" finds "3600X"). A maker named
// must be the record's, whether the record writes it or is known by its family
// ("GeForce").
namespace FullNames {

using WrittenNames::Maker;

struct Form
{
    std::vector<std::string> parts; // UTF-8 without separators, in the order written
    Maker maker = Maker::None;
    bool operator==(const Form &) const = default;
};

// The forms of a normalised condition: as written, then with its aliases read
// (ForgivingForms::withAliasesRead) where that differs. None when nothing that could name
// a model is left. starts: the descriptions' word starts, which tell the words no
// description has.
std::vector<Form> of(QStringView normalised, QStringView aliasesRead, const WordStarts &starts);

// The maker of a record, from the first word of its description that tells it.
Maker makerOf(std::string_view description);

// Whether a description (upper case, UTF-8, separators kept) holds the form.
bool heldBy(std::string_view description, const Form &form);
// The same, with the description without its separators at hand for a quick first test.
bool heldBy(std::string_view description, std::string_view withoutSeparators, const Form &form);

} // namespace FullNames

#pragma once

#include <QStringView>

// Reading one score record: "|" code(5) "|" description(40 columns) "|" score(5) "|".
// Columns are code page 936 display columns, so a description holding Chinese characters
// is shorter in characters than in columns; these helpers never assume 54 characters.
namespace ScoreRecord {

inline constexpr int kCodeWidth = 5;
inline constexpr int kDescriptionColumns = 40;
inline constexpr int kScoreWidth = 5;
inline constexpr int kColumns = 54;

// The 5-character code field, trailing spaces included ("C914 ").
QStringView codeField(QStringView record);

// 'C' or 'G'; a null QChar for a text too short to be a record.
QChar listLetter(QStringView record);

// The 40 display columns after the second bar.
QStringView descriptionField(QStringView record);

// The 5 characters before the closing bar.
QStringView scoreField(QStringView record);

// The score as a number; 0 when the field does not hold one.
int scoreValue(QStringView record);

} // namespace ScoreRecord

#pragma once

#include "data/NewerTable.h"
#include "query/Lookup.h"
#include "query/RecordSearch.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The text of the result table. Every line ends in CR LF; a row is the stored record
// followed by a 9-character percentage cell, so each line spans 63 display columns.
namespace ResultTable {

inline constexpr int kMaxRows = 30;
inline constexpr int kReferenceScore = 5240; // Intel Core i3-4340, the 100 % mark

QString frameLine();   // with its CR LF
QString headerText();  // frame, the two header lines, frame

// The line above a table of records that the query as typed does not find, saying which
// reading found them (with its CR LF); empty for the query as typed.
QString readingNoteLine(RecordSearch::Reading reading);

// The line under the header when no reading finds a record: why that may be, and what to
// try (with its CR LF). Under the GPU category, newer graphics chips are in neither table.
QString missLine(QChar excluded = QChar());

// A condition of an OR query read more kindly than typed, or found by no reading: which
// one (0 the main condition, 1 to 4 the OR ones) and how (with its CR LF).
QString conditionNoteLine(int field, std::optional<RecordSearch::Reading> reading);
// The lines above the lists' table: the reading of a query read as one where it found rows
// there, then a line for each condition of an OR query read more kindly or not found.
QString notesAbove(const Lookup::Result &found);

// Above the newer processors' table: two note lines saying what the rows below are, whether
// the lists found nothing or only part of the query, and what a row's mark means.
QString newerNoteText(bool anyMarked, bool besideLists = false);
// ... for the rows of table in slots that the table shows (the first kMaxRows).
QString newerNoteText(const NewerTable &table, const std::vector<int> &slots, bool besideLists = false);
QString newerHeaderText(); // frame, the two header lines, frame
// A newer processor's row: its record, then its exact score as a percentage of the
// reference's, both on the newer table's own scale.
QString newerRowText(QStringView record, double score, double referenceScore, const QLocale &locale = QLocale());

// The record's score as a percentage of the reference, right-aligned before the closing
// bar, in the locale's number format; eight spaces and a bar for a non-CPU record.
QString percentageCell(QStringView record, const QLocale &locale = QLocale());

QString rowText(QStringView record, const QLocale &locale = QLocale()); // with its CR LF

// A frame line follows rows 4, 9, 14, ...
bool frameFollowsRow(int rowNumber);

// The closing frame line, needed unless the table is empty or its last row already got one.
bool closingLineNeeded(int rowCount);

// The game tier lists a record exactly when its 5-character code field occurs in the
// tier's code text.
bool isTierMember(QStringView record, QStringView tierCodes);

} // namespace ResultTable

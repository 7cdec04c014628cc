#pragma once

#include "data/RecordTable.h"

#include <QString>

#include <vector>

class QIODevice;

// Processors newer than the score lists, on their own scale: Blender Open Data's CPU render
// scores (CC0, snapshot 2026-10). Each row is held as a score record, so the same readings
// find it: code N1.. (a "*" after it when fewer than kFewSubmissions back the score), the
// description as the lists write it, the score rounded to the record's five columns. The
// exact score stays beside it for the percentage.
class NewerTable final
{
public:
    static constexpr int kFewSubmissions = 10;

    NewerTable() = default;
    Q_DISABLE_COPY_MOVE(NewerTable)

    // From the built-in table; false when it is damaged, which only a broken build can cause.
    bool fill();
    // From lines of code, description, score and submissions, separated by tabs (UTF-8).
    // Nothing is kept unless every line reads and the reference processor is among them.
    bool fill(QIODevice &tsv);

    bool isEmpty() const { return m_scores.empty(); }
    int count() const { return int(m_scores.size()); }
    const RecordTable &records() const { return m_records; } // slots 1 to count()
    double score(int slot) const { return m_scores[std::size_t(slot - 1)]; }
    int submissions(int slot) const { return m_submissions[std::size_t(slot - 1)]; }
    // The Intel Core i7-4790K's score, the 100 % mark: it stands in the lists as well.
    double referenceScore() const { return m_reference; }

    static QString referenceName() { return QStringLiteral("Intel Core i7-4790K@4.00GHz"); }

private:
    RecordTable m_records;
    std::vector<double> m_scores;
    std::vector<int> m_submissions;
    double m_reference = 0;
};

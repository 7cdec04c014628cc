#include "query/RecordSearch.h"

#include "query/ForgivingForms.h"
#include "query/FullNames.h"
#include "query/QueryScan.h"

#include <algorithm>
#include <memory>

namespace {

std::vector<int> hitsOf(QueryScan &scan, int lastSlot, int atMost)
{
    std::vector<int> slots;
    for (int slot = scan.nextHit(1, lastSlot); slot != 0; slot = scan.nextHit(slot + 1, lastSlot)) {
        slots.push_back(slot);
        if (int(slots.size()) == atMost)
            break;
    }
    return slots;
}

} // namespace

RecordSearch::Found RecordSearch::find(const Conditions &c, QChar excluded, int lastSlot, int atMost)
{
    if (m_asTyped.lastSlot() != lastSlot) {
        m_asTyped = SearchIndex(m_table, lastSlot);
        m_forgiving = SearchIndex();
        m_wordStarts = WordStarts();
    }
    QueryScan asTyped(m_asTyped, c, excluded);
    const Found found{hitsOf(asTyped, lastSlot, atMost), asTyped.mode(), Reading::AsTyped};
    if (!found.hits.empty())
        return found;

    if (m_forgiving.lastSlot() != lastSlot)
        m_forgiving = m_asTyped.withoutSeparators();
    const auto later = [](const QString &condition) {
        Later l{condition, ForgivingForms::withAliasesRead(condition), {}};
        l.forgiving = ForgivingForms::of(l.normalised, l.aliasesRead);
        return l;
    };
    LaterQuery q{found.mode, {}, {}};
    for (const QString &condition : eitherConditions(c))
        q.either.push_back(later(condition));
    if (q.mode == MatchMode::And)
        q.andCondition = later(c.andCondition);
    for (auto reading : {&RecordSearch::forgiving, &RecordSearch::fullNames}) {
        Found next = (this->*reading)(q, excluded, lastSlot, atMost);
        if (!next.hits.empty())
            return next;
    }
    return found;
}

RecordSearch::Found RecordSearch::forgiving(const LaterQuery &q, QChar excluded, int lastSlot, int atMost)
{
    QStringList any;
    QStringList withoutSeparatorsOnly;
    bool aliasesRead = false;
    for (const Later &condition : q.either) {
        any << condition.forgiving;
        withoutSeparatorsOnly << condition.forgiving.constFirst();
        aliasesRead |= condition.forgiving.size() > 1;
    }
    const QStringList &andForms = q.andCondition.forgiving;
    aliasesRead |= andForms.size() > 1;
    // the mode stays the one typed, even where a condition has no forgiving form left
    QueryScan scan(m_forgiving, q.mode, any, andForms, excluded);
    Found found{hitsOf(scan, lastSlot, atMost), q.mode, Reading::WithoutSeparators};
    if (found.hits.empty() || !aliasesRead)
        return found;
    // an alias read made the match when ignoring the separators alone misses a row
    QueryScan plain(m_forgiving, q.mode, withoutSeparatorsOnly, andForms.mid(0, 1), excluded);
    if (std::any_of(found.hits.begin(), found.hits.end(), [&](int slot) { return plain.nextHit(slot, slot) != slot; }))
        found.reading = Reading::AliasesRead;
    return found;
}

RecordSearch::Found RecordSearch::fullNames(const LaterQuery &q, QChar excluded, int lastSlot, int atMost)
{
    if (m_wordStarts.isEmpty())
        m_wordStarts = WordStarts(m_asTyped);
    using Forms = std::vector<std::shared_ptr<const FullNames::Form>>;
    const bool andMode = q.mode == MatchMode::And;
    // A form of one word, without a maker, that the forgiving reading looked for already
    // finds nothing more now. In AND mode it still narrows the other condition.
    bool adds = false;
    const auto collect = [&](const Later &condition, Forms &into) {
        for (FullNames::Form &form : FullNames::of(condition.normalised, condition.aliasesRead, m_wordStarts)) {
            const bool triedAlready = form.parts.size() == 1 && form.maker == FullNames::Maker::None
                && condition.forgiving.contains(QString::fromStdString(form.parts.front()));
            adds |= !triedAlready;
            if (!triedAlready || andMode)
                into.push_back(std::make_shared<const FullNames::Form>(std::move(form)));
        }
    };
    Forms anyForms;
    Forms andForms;
    for (const Later &condition : q.either)
        collect(condition, anyForms);
    if (andMode)
        collect(q.andCondition, andForms);
    if (!adds)
        return {{}, q.mode, Reading::FullName};

    const auto sought = [&](const Forms &forms) {
        std::vector<QueryScan::Sought> terms;
        for (const std::shared_ptr<const FullNames::Form> &form : forms) {
            // each word of it must start a word of the description: its rarest start
            // gives the only slots to try
            std::span<const int> fewest;
            const std::string *anchor = nullptr;
            for (const std::string &part : form->parts) {
                const std::span<const int> candidates = m_wordStarts.candidatesFor(part);
                if (!anchor || candidates.size() < fewest.size()) {
                    fewest = candidates;
                    anchor = &part;
                }
            }
            terms.push_back({*anchor,
                             [form, asTyped = &m_asTyped, squeezed = &m_forgiving](int slot) {
                                 return FullNames::heldBy(asTyped->description(slot), squeezed->description(slot), *form);
                             },
                             fewest});
        }
        return terms;
    };
    QueryScan scan(m_forgiving, q.mode, sought(anyForms), sought(andForms), excluded);
    return {hitsOf(scan, lastSlot, atMost), q.mode, Reading::FullName};
}

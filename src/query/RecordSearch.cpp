#include "query/RecordSearch.h"

#include "query/ForgivingForms.h"
#include "query/QueryScan.h"

#include <algorithm>

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

void RecordSearch::Forms::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    const auto later = [](const QString &condition) {
        Later l{condition, ForgivingForms::withAliasesRead(condition), {}};
        l.forgiving = ForgivingForms::of(l.normalised, l.aliasesRead);
        return l;
    };
    m_mode = chooseMatchMode(m_conditions);
    for (const QString &condition : eitherConditions(m_conditions))
        m_either.push_back(later(condition));
    if (m_mode == MatchMode::And)
        m_andCondition = later(m_conditions.andCondition);
}

const std::vector<std::unique_ptr<FullName>> &RecordSearch::Forms::fullNames()
{
    if (!m_fullNames.empty())
        return m_fullNames;
    prepare();
    if (m_mode == MatchMode::And) {
        // the AND condition's words count with the main one's, and it must name the record too
        m_fullNames.push_back(std::make_unique<FullName>(QString(m_either.front().normalised + u' ' + m_andCondition.normalised)));
        m_fullNames.push_back(std::make_unique<FullName>(m_andCondition.normalised));
    } else {
        for (const Later &condition : m_either)
            m_fullNames.push_back(std::make_unique<FullName>(condition.normalised));
    }
    return m_fullNames;
}

RecordSearch::Found RecordSearch::find(const Conditions &c, QChar excluded, int lastSlot, int atMost)
{
    Forms forms(c);
    return find(forms, excluded, lastSlot, atMost);
}

RecordSearch::Found RecordSearch::find(Forms &forms, QChar excluded, int lastSlot, int atMost)
{
    if (m_asTyped.lastSlot() != lastSlot) {
        m_asTyped = SearchIndex(m_table, lastSlot);
        m_forgiving = SearchIndex();
        m_vocabulary = ListVocabulary();
    }
    // as specified, save that a condition no description can hold costs no pass (a long
    // pasted text, Chinese the lists never write): it finds nothing either way
    const Conditions &c = forms.conditions();
    const auto inNone = [&](const QString &condition) { return !m_asTyped.mayHold(condition.toStdString()); };
    QStringList any = eitherConditions(c);
    QStringList andCondition{c.andCondition};
    any.removeIf(inNone);
    andCondition.removeIf(inNone);
    QueryScan asTyped(m_asTyped, chooseMatchMode(c), any, andCondition, excluded);
    const Found found{hitsOf(asTyped, lastSlot, atMost), asTyped.mode(), Reading::AsTyped};
    if (!found.hits.empty())
        return found;

    if (m_forgiving.lastSlot() != lastSlot)
        m_forgiving = m_asTyped.withoutSeparators();
    forms.prepare();
    for (auto reading : {&RecordSearch::forgiving, &RecordSearch::fullNames}) {
        Found next = (this->*reading)(forms, excluded, lastSlot, atMost);
        if (!next.hits.empty())
            return next;
    }
    return found;
}

RecordSearch::Found RecordSearch::forgiving(Forms &q, QChar excluded, int lastSlot, int atMost)
{
    QStringList any;
    QStringList withoutSeparatorsOnly;
    bool aliasesRead = false;
    for (const Forms::Later &condition : q.m_either) {
        any << condition.forgiving;
        withoutSeparatorsOnly << condition.forgiving.constFirst();
        aliasesRead |= condition.forgiving.size() > 1;
    }
    QStringList andForms = q.m_andCondition.forgiving;
    aliasesRead |= andForms.size() > 1;
    // a form no description can hold costs no pass: a long pasted text, or Chinese the lists
    // never write
    const auto inNone = [&](const QString &form) { return !m_forgiving.mayHold(form.toStdString()); };
    any.removeIf(inNone);
    andForms.removeIf(inNone);
    // the mode stays the one typed, even where a condition has no forgiving form left
    QueryScan scan(m_forgiving, q.m_mode, any, andForms, excluded);
    Found found{hitsOf(scan, lastSlot, atMost), q.m_mode, Reading::WithoutSeparators};
    if (found.hits.empty() || !aliasesRead)
        return found;
    // an alias read made the match when ignoring the separators alone misses a row
    QueryScan plain(m_forgiving, q.m_mode, withoutSeparatorsOnly, q.m_andCondition.forgiving.mid(0, 1), excluded);
    if (std::any_of(found.hits.begin(), found.hits.end(), [&](int slot) { return plain.nextHit(slot, slot) != slot; }))
        found.reading = Reading::AliasesRead;
    return found;
}

RecordSearch::Found RecordSearch::fullNames(Forms &q, QChar excluded, int lastSlot, int atMost)
{
    if (m_vocabulary.isEmpty())
        m_vocabulary = ListVocabulary(m_asTyped);
    const std::vector<std::unique_ptr<FullName>> &names = q.fullNames();
    std::vector<int> slots;
    if (q.m_mode == MatchMode::And) {
        for (const int slot : names.front()->named(m_vocabulary)) {
            if (names.back()->mentions(m_vocabulary, slot))
                slots.push_back(slot);
        }
    } else {
        for (const std::unique_ptr<FullName> &name : names) {
            const std::vector<int> named = name->named(m_vocabulary);
            slots.insert(slots.end(), named.begin(), named.end());
        }
        std::sort(slots.begin(), slots.end());
        slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    }
    std::erase_if(slots, [&](int slot) {
        return slot > lastSlot || (!excluded.isNull() && m_asTyped.letter(slot) == excluded);
    });
    if (int(slots.size()) > atMost)
        slots.resize(std::size_t(atMost));
    return {std::move(slots), q.m_mode, Reading::FullName};
}

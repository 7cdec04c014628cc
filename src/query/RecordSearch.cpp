#include "query/RecordSearch.h"

#include "query/ForgivingForms.h"
#include "query/QueryScan.h"

#include <algorithm>
#include <limits>

namespace {

std::vector<int> hitsOf(QueryScan &scan, int firstSlot, int lastSlot, int atMost)
{
    std::vector<int> slots;
    for (int slot = scan.nextHit(firstSlot, lastSlot); slot != 0; slot = scan.nextHit(slot + 1, lastSlot)) {
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

void RecordSearch::addNewer(const RecordTable &newer, int count)
{
    m_newer = &newer;
    m_newerCount = count;
    m_asTyped = SearchIndex(); // made again, with the newer records, at the next query
    m_forgiving = SearchIndex();
    m_vocabulary = ListVocabulary();
}

void RecordSearch::prepareIndex(int lastSlot)
{
    if (m_asTyped.lastSlot() == lastSlot + m_newerCount)
        return;
    m_asTyped = SearchIndex(m_table, lastSlot);
    if (m_newer)
        m_asTyped.append(*m_newer, m_newerCount);
    m_forgiving = SearchIndex();
    m_vocabulary = ListVocabulary();
}

namespace {

// The hits of a scan in the lists' slots and in the newer table's, each capped; the newer
// ones as the newer table's own slots.
void collect(QueryScan &scan, int lastSlot, bool lists, bool newer, int atMost, RecordSearch::Found &found)
{
    if (lists)
        found.hits = hitsOf(scan, 1, lastSlot, atMost);
    if (newer) {
        found.newer = hitsOf(scan, lastSlot + 1, std::numeric_limits<int>::max(), atMost);
        for (int &slot : found.newer)
            slot -= lastSlot;
    }
}

bool anyProcessor(const SearchIndex &index, const std::vector<int> &slots)
{
    return std::any_of(slots.begin(), slots.end(), [&](int slot) { return index.letter(slot) == u'C'; });
}

} // namespace

std::vector<int> RecordSearch::asTyped(const Conditions &c, QChar excluded, int lastSlot, int atMost)
{
    prepareIndex(lastSlot);
    return asTyped(c, excluded, {lastSlot, true, false}, atMost).hits;
}

RecordSearch::Found RecordSearch::find(const Conditions &c, QChar excluded, int lastSlot, int atMost)
{
    prepareIndex(lastSlot);
    // as specified in the lists
    Found found = asTyped(c, excluded, {lastSlot, true, false}, atMost);
    if (!found.hits.empty())
        return found;
    Forms forms(c);
    return findLater(forms, excluded, lastSlot, atMost, false);
}

RecordSearch::Found RecordSearch::findLater(Forms &forms, QChar excluded, int lastSlot, int atMost, bool withNewer)
{
    prepareIndex(lastSlot);
    withNewer = withNewer && m_newerCount > 0 && excluded != u'C';
    Found found{{}, {}, chooseMatchMode(forms.conditions()), Reading::AsTyped};
    if (withNewer) {
        Found newer = asTyped(forms.conditions(), excluded, {lastSlot, false, true}, atMost);
        if (!newer.newer.empty()) {
            newer.newerNamed = true;
            return newer;
        }
    }
    Found later = readings(forms, excluded, {lastSlot, true, withNewer}, atMost);
    return later.hits.empty() && later.newer.empty() ? found : later;
}

std::vector<int> RecordSearch::findNewer(Forms &forms, int lastSlot, int atMost)
{
    prepareIndex(lastSlot);
    if (m_newerCount == 0)
        return {};
    const Space newer{lastSlot, false, true};
    Found found = asTyped(forms.conditions(), QChar(), newer, atMost);
    if (found.newer.empty())
        found = readings(forms, QChar(), newer, atMost);
    return found.newer;
}

RecordSearch::Found RecordSearch::readings(Forms &forms, QChar excluded, const Space &space, int atMost)
{
    if (m_forgiving.lastSlot() != m_asTyped.lastSlot())
        m_forgiving = m_asTyped.withoutSeparators();
    forms.prepare();
    Found found = forgiving(forms, excluded, space, atMost);
    if (found.hits.empty() && found.newer.empty())
        found = fullNames(forms, excluded, space, atMost);
    return found;
}

RecordSearch::Found RecordSearch::asTyped(const Conditions &c, QChar excluded, const Space &space, int atMost)
{
    // as specified, save that a condition no description can hold costs no pass (a long
    // pasted text, Chinese the lists never write): it finds nothing either way
    const auto inNone = [&](const QString &condition) { return !m_asTyped.mayHold(condition.toStdString()); };
    QStringList any = eitherConditions(c);
    QStringList andCondition{c.andCondition};
    any.removeIf(inNone);
    andCondition.removeIf(inNone);
    QueryScan scan(m_asTyped, chooseMatchMode(c), any, andCondition, excluded);
    Found found{{}, {}, scan.mode(), Reading::AsTyped};
    collect(scan, space.lastSlot, space.lists, space.newer, atMost, found);
    return found;
}

RecordSearch::Found RecordSearch::forgiving(Forms &q, QChar excluded, const Space &space, int atMost)
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
    Found found{{}, {}, q.m_mode, Reading::WithoutSeparators};
    collect(scan, space.lastSlot, space.lists, space.newer, atMost, found);
    found.newerNamed = !found.newer.empty() && !anyProcessor(m_forgiving, found.hits);
    if ((found.hits.empty() && found.newer.empty()) || !aliasesRead)
        return found;
    // an alias read made the match when ignoring the separators alone misses a row
    QueryScan plain(m_forgiving, q.m_mode, withoutSeparatorsOnly, q.m_andCondition.forgiving.mid(0, 1), excluded);
    const auto missed = [&](int slot) { return plain.nextHit(slot, slot) != slot; };
    if (std::any_of(found.hits.begin(), found.hits.end(), missed)
        || std::any_of(found.newer.begin(), found.newer.end(), [&](int n) { return missed(space.lastSlot + n); }))
        found.reading = Reading::AliasesRead;
    return found;
}

RecordSearch::Found RecordSearch::fullNames(Forms &q, QChar excluded, const Space &space, int atMost)
{
    if (m_vocabulary.isEmpty())
        m_vocabulary = ListVocabulary(m_asTyped);
    const std::vector<std::unique_ptr<FullName>> &names = q.fullNames();
    std::vector<int> slots;
    bool newerNamed = false;
    if (q.m_mode == MatchMode::And) {
        const FullName::Named named = names.front()->named(m_vocabulary);
        for (const int slot : named.found) {
            if (names.back()->mentions(m_vocabulary, slot))
                slots.push_back(slot);
        }
        newerNamed = named.newerOwn;
    } else {
        for (const std::unique_ptr<FullName> &name : names) {
            const FullName::Named named = name->named(m_vocabulary);
            slots.insert(slots.end(), named.found.begin(), named.found.end());
            newerNamed |= named.newerOwn;
        }
        std::sort(slots.begin(), slots.end());
        slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    }
    Found found{{}, {}, q.m_mode, Reading::FullName};
    for (const int slot : slots) {
        if (slot <= space.lastSlot) {
            if (space.lists && int(found.hits.size()) < atMost && (excluded.isNull() || m_asTyped.letter(slot) != excluded))
                found.hits.push_back(slot);
        } else if (space.newer && int(found.newer.size()) < atMost) {
            found.newer.push_back(slot - space.lastSlot);
        }
    }
    found.newerNamed = !found.newer.empty() && (newerNamed || found.hits.empty());
    return found;
}

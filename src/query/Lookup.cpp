#include "query/Lookup.h"

#include "data/WrittenNames.h"
#include "query/ModelNumber.h"

#include <QRegularExpression>

#include <algorithm>
#include <memory>

namespace {

void addSorted(std::vector<int> &into, const std::vector<int> &slots)
{
    into.insert(into.end(), slots.begin(), slots.end());
    std::sort(into.begin(), into.end());
    into.erase(std::unique(into.begin(), into.end()), into.end());
}

void cut(std::vector<int> &slots, int atMost)
{
    if (int(slots.size()) > atMost)
        slots.resize(std::size_t(atMost));
}

} // namespace

bool Lookup::readNewer()
{
    if (!m_newerRead) {
        m_newerRead = true;
        if (m_newerTable.fill())
            m_search.addNewer(m_newerTable.records(), m_newerTable.count());
    }
    return !m_newerTable.isEmpty();
}

Lookup::Result Lookup::find(const Conditions &c, QChar excluded, int lastSlot, int atMost)
{
    using Reading = RecordSearch::Reading;
    Result result{{{}, {}, chooseMatchMode(c), Reading::AsTyped}, {}, {}, false};
    // the parts read on their own: the query, or each condition of an OR query
    std::vector<Conditions> parts;
    if (result.lists.mode == MatchMode::MainOnly || result.lists.mode == MatchMode::And) {
        parts.push_back(c);
    } else {
        for (const QString &condition : eitherConditions(c))
            parts.push_back({condition});
    }
    // as typed in the lists: the union of the parts is the query's scan, as specified, and
    // is all there is where every part finds something
    std::vector<std::vector<int>> typed;
    for (const Conditions &part : parts) {
        typed.push_back(m_search.asTyped(part, excluded, lastSlot, atMost));
        addSorted(result.lists.hits, typed.back());
    }
    cut(result.lists.hits, atMost);
    if (std::none_of(typed.begin(), typed.end(), [](const std::vector<int> &hits) { return hits.empty(); }))
        return result;

    const bool withNewer = takesNewer(excluded) && readNewer();
    std::vector<std::unique_ptr<RecordSearch::Forms>> forms;
    std::vector<std::vector<int>> newerOf(parts.size());
    bool newerShown = false;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        forms.push_back(std::make_unique<RecordSearch::Forms>(parts[k]));
        if (!typed[k].empty())
            continue;
        const RecordSearch::Found found = m_search.findLater(*forms.back(), excluded, lastSlot, atMost, withNewer);
        addSorted(result.lists.hits, found.hits);
        newerOf[k] = found.newer;
        newerShown |= found.newerNamed;
        const bool none = found.hits.empty() && found.newer.empty();
        if (parts.size() == 1)
            result.lists.reading = found.reading;
        else if (none || found.reading != Reading::AsTyped)
            result.notes.push_back({int(k), none ? std::nullopt : std::optional(found.reading)});
    }
    cut(result.lists.hits, atMost);
    if (newerShown) {
        // the newer table lists what the whole query finds in it, so that old and new compare
        for (std::size_t k = 0; k < parts.size(); ++k)
            addSorted(result.newer, newerOf[k].empty() ? m_search.findNewer(*forms[k], lastSlot, atMost) : newerOf[k]);
        cut(result.newer, atMost);
    }
    if (result.lists.hits.empty() && result.newer.empty() && excluded != u'C')
        result.namesGraphics = std::any_of(parts.begin(), parts.end(), [](const Conditions &p) {
            return namesGraphicsChip(p.main) || namesGraphicsChip(p.andCondition);
        });
    return result;
}

QString Lookup::thisProcessor(const QStringList &names, int lastSlot)
{
    const QString model = extractModelNumber(processorReport(names));
    if (!model.isEmpty() || names.isEmpty())
        return model;
    // no Core model to cut (AMD, Core Ultra, Apple, Snapdragon ...): the name as the system
    // gives it, where some reading finds it
    const Result found = find(normaliseConditions({names.constFirst()}), u'A', lastSlot, 1);
    return found.lists.hits.empty() && found.newer.empty() ? QString() : names.constFirst();
}

bool Lookup::namesGraphicsChip(QStringView normalised)
{
    static const QRegularExpression series = [] {
        QStringList words;
        for (const QStringView w : WrittenNames::graphicsSeriesWords())
            words << w.toString();
        return QRegularExpression(QStringLiteral("(?<![A-Z0-9])(?:%1)[ _-]*[A-Z]?[0-9]").arg(words.join(u'|')));
    }();
    return series.match(normalised).hasMatch();
}

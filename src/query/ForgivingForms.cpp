#include "query/ForgivingForms.h"

#include "data/NameAliases.h"

#include <string>

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// A short form such as "R5" counts at a word's start and before a number only, so that
// "RX 580" or "HD 5870" keep their R.
bool standsAsShortForm(QStringView text, qsizetype at, qsizetype length)
{
    if (at > 0 && isAsciiLetterOrDigit(text[at - 1]))
        return false;
    qsizetype next = at + length;
    while (next < text.size() && ForgivingForms::isSeparator(text[next].unicode()))
        ++next;
    return next < text.size() && text[next].isDigit();
}

} // namespace

QString ForgivingForms::withoutSeparators(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *end = out.data();
    for (const QChar c : text) {
        if (!isSeparator(c.unicode()))
            *end++ = c;
    }
    out.truncate(end - out.constData());
    return out;
}

QString ForgivingForms::withAliasesRead(QStringView text)
{
    // the characters an alias can begin with: most of a condition is passed over at once
    static const std::u16string firsts = [] {
        std::u16string all;
        for (const NameAliases::Alias &alias : NameAliases::all()) {
            if (all.find(alias.written.front().unicode()) == std::u16string::npos)
                all.push_back(alias.written.front().unicode());
        }
        return all;
    }();
    QString out;
    qsizetype copied = 0; // text before this is in out
    for (qsizetype k = 0; k < text.size();) {
        if (firsts.find(text[k].unicode()) == std::u16string::npos) {
            ++k;
            continue;
        }
        const NameAliases::Alias *found = nullptr;
        for (const NameAliases::Alias &alias : NameAliases::all()) {
            if (text.sliced(k).startsWith(alias.written)
                && (!alias.beforeModelNumber || standsAsShortForm(text, k, alias.written.size()))) {
                found = &alias;
                break;
            }
        }
        if (!found) {
            ++k;
            continue;
        }
        out.append(text.sliced(copied, k - copied));
        // "锐龙 R5 3600" and "Ryzen R5 3600" name the family once, not twice
        QStringView means = found->means;
        const QStringView family = means.first(means.indexOf(u' ') < 0 ? means.size() : means.indexOf(u' '));
        if (family.size() < means.size() && withoutSeparators(out).endsWith(family))
            means = means.sliced(family.size());
        out.append(means);
        k += found->written.size();
        copied = k;
    }
    if (copied == 0)
        return text.toString();
    out.append(text.sliced(copied));
    return out;
}

QStringList ForgivingForms::of(QStringView normalised, QStringView aliasesRead)
{
    QStringList forms;
    for (const QString &form : {withoutSeparators(normalised), withoutSeparators(aliasesRead)}) {
        if (!forms.contains(form))
            forms.append(form);
    }
    return forms;
}

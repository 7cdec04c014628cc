#include "query/ForgivingForms.h"

#include "data/NameAliases.h"

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
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isSeparator(c.unicode()))
            out.append(c);
    }
    return out;
}

QString ForgivingForms::withAliasesRead(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    qsizetype k = 0;
    while (k < text.size()) {
        const NameAliases::Alias *found = nullptr;
        for (const NameAliases::Alias &alias : NameAliases::all()) {
            if (text.sliced(k).startsWith(alias.written)
                && (!alias.beforeModelNumber || standsAsShortForm(text, k, alias.written.size()))) {
                found = &alias;
                break;
            }
        }
        if (!found) {
            out.append(text[k++]);
            continue;
        }
        // "锐龙 R5 3600" and "Ryzen R5 3600" name the family once, not twice
        QStringView means = found->means;
        const QStringView family = means.first(means.indexOf(u' ') < 0 ? means.size() : means.indexOf(u' '));
        if (family.size() < means.size() && withoutSeparators(out).endsWith(family))
            means = means.sliced(family.size());
        out.append(means);
        k += found->written.size();
    }
    return out;
}

QStringList ForgivingForms::of(QStringView normalised)
{
    QStringList forms;
    for (const QString &form : {withoutSeparators(normalised), withoutSeparators(withAliasesRead(normalised))}) {
        if (!forms.contains(form))
            forms.append(form);
    }
    return forms;
}

// Any report text: a model number, when one is cut, is a piece of the report itself,
// begins with a marker, holds no blank or line break, and has at least six characters.
#include "query/ModelNumber.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString report = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString model = extractModelNumber(report);
    if (model.isEmpty())
        return 0;
    const QString head = model.left(3).toUpper();
    if (model.size() < 6 || !report.contains(model) || model.contains(u' ') || model.contains(u'\n')
        || model.contains(u'\r') || !(head == u"I3-" || head == u"I5-" || head == u"I7-" || head == u"I9-"))
        std::abort();
    return 0;
}

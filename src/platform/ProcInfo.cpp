#include "platform/ProcInfo.h"

#include <QFile>
#include <QList>
#include <QMap>

namespace {

using Block = QMap<QString, QString>;

QList<Block> parseBlocks(const QString &text)
{
    QList<Block> blocks(1);
    const auto lines = QStringView(text).split(u'\n');
    for (QStringView line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!blocks.constLast().isEmpty())
                blocks.append(Block());
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QString key = line.first(colon).trimmed().toString();
        const QString value = line.sliced(colon + 1).trimmed().toString();
        blocks.last().insert(key, value);
    }
    if (blocks.constLast().isEmpty())
        blocks.removeLast();
    return blocks;
}

// The implementer and part names lscpu prints for the commonest ARM cores.
QString armName(const QString &implementer, const QString &part)
{
    bool okI = false;
    bool okP = false;
    const int impl = implementer.toInt(&okI, 0);
    const int prt = part.toInt(&okP, 0);
    if (!okI || !okP)
        return {};
    struct Part { int impl; int part; const char *name; };
    static constexpr Part parts[] = {
        {0x41, 0xb76, "ARM1176"},      {0x41, 0xc07, "Cortex-A7"},  {0x41, 0xc08, "Cortex-A8"},
        {0x41, 0xc09, "Cortex-A9"},    {0x41, 0xc0f, "Cortex-A15"}, {0x41, 0xd03, "Cortex-A53"},
        {0x41, 0xd04, "Cortex-A35"},   {0x41, 0xd05, "Cortex-A55"}, {0x41, 0xd07, "Cortex-A57"},
        {0x41, 0xd08, "Cortex-A72"},   {0x41, 0xd09, "Cortex-A73"}, {0x41, 0xd0a, "Cortex-A75"},
        {0x41, 0xd0b, "Cortex-A76"},   {0x41, 0xd0c, "Neoverse-N1"}, {0x41, 0xd0d, "Cortex-A77"},
        {0x41, 0xd40, "Neoverse-V1"},  {0x41, 0xd41, "Cortex-A78"}, {0x41, 0xd44, "Cortex-X1"},
        {0x41, 0xd46, "Cortex-A510"},  {0x41, 0xd47, "Cortex-A710"}, {0x41, 0xd48, "Cortex-X2"},
        {0x41, 0xd49, "Neoverse-N2"},  {0x41, 0xd4f, "Neoverse-V2"}, {0x50, 0x000, "X-Gene"},
        {0x51, 0x800, "Falkor V1/Kryo"}, {0x51, 0x801, "Kryo V2"},  {0x61, 0x022, "Icestorm-M1"},
        {0x61, 0x023, "Firestorm-M1"}, {0x46, 0x001, "A64FX"},      {0x48, 0xd01, "Kunpeng-920"},
    };
    static constexpr std::pair<int, const char *> vendors[] = {
        {0x41, "ARM"}, {0x42, "Broadcom"}, {0x43, "Cavium"}, {0x46, "Fujitsu"}, {0x48, "HiSilicon"},
        {0x4e, "NVIDIA"}, {0x50, "APM"}, {0x51, "Qualcomm"}, {0x61, "Apple"}, {0xc0, "Ampere"},
    };
    QString vendor;
    for (const auto &[id, name] : vendors)
        if (id == impl)
            vendor = QString::fromLatin1(name);
    QString model;
    for (const Part &p : parts)
        if (p.impl == impl && p.part == prt)
            model = QString::fromLatin1(p.name);
    if (model.isEmpty())
        model = QStringLiteral("0x%1").arg(prt, 3, 16, QLatin1Char('0'));
    return vendor.isEmpty() ? model : vendor + QLatin1Char(' ') + model;
}

void appendOnce(QStringList &names, const QString &name)
{
    if (!name.isEmpty() && !names.contains(name))
        names.append(name);
}

} // namespace

namespace ProcInfo {

QStringList processorNames(const QString &cpuinfo)
{
    const QList<Block> blocks = parseBlocks(cpuinfo);

    // x86 and most others: one name per physical id, in the order the ids first appear.
    QStringList names;
    QStringList packages;
    for (const Block &b : blocks) {
        const auto model = b.constFind(QStringLiteral("model name"));
        if (model == b.constEnd())
            continue;
        const QString package = b.value(QStringLiteral("physical id"));
        if (packages.contains(package))
            continue;
        packages.append(package);
        names.append(model.value());
    }
    if (!names.isEmpty())
        return names;

    // ARM without "model name": the cores by implementer and part, as lscpu names them.
    for (const Block &b : blocks) {
        if (b.contains(QStringLiteral("CPU implementer")) && b.contains(QStringLiteral("CPU part")))
            appendOnce(names, armName(b.value(QStringLiteral("CPU implementer")),
                                      b.value(QStringLiteral("CPU part"))));
    }
    if (!names.isEmpty())
        return names;

    // Old ARM kernels: a "Processor" line, or at least the board's "Hardware".
    for (const QString &key : {QStringLiteral("Processor"), QStringLiteral("Hardware")}) {
        for (const Block &b : blocks)
            appendOnce(names, b.value(key));
        if (!names.isEmpty())
            return names;
    }
    return {};
}

QStringList processorNamesFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // /proc files report size 0; readAll reads until the end all the same.
    return processorNames(QString::fromUtf8(file.readAll()));
}

} // namespace ProcInfo

#include "data/ReferenceTables.h"

namespace ReferenceTables {

const std::array<QString, kTierCount + 1> &TierCodes()
{
    static const std::array<QString, kTierCount + 1> table = {
        QStringLiteral("C914 ,C767 ,G179 ,G188 "),
        QStringLiteral("C724 ,C654 ,G148 ,G116 ,G110 ,G99  "),
        QStringLiteral("C490 ,C390 ,G61  ,G66  ,G70  "),
        QStringLiteral("C290 ,C182 ,G36  ,G25  ,G24  ,G10  ,G30  ,G31  "),
        QString(),
    };
    return table;
}

const std::array<QString, kTierCount + 1> &TierCaptions()
{
    static const std::array<QString, kTierCount + 1> table = {
        QStringLiteral("(绝地求生PUBG 最低配置)"),
        QStringLiteral("(绝地求生PUBG 普通配置)"),
        QStringLiteral("(绝地求生PUBG 推荐配置)"),
        QStringLiteral("(绝地求生PUBG 顶级配置)"),
        QString(),
    };
    return table;
}

const std::array<QString, kExampleCount + 1> &ExampleDevices()
{
    static const std::array<QString, kExampleCount + 1> table = {
        QStringLiteral("AMD Ryzen Threadripper 3970X"),
        QStringLiteral("Intel Core i9-10980X E@3.00GH"), // one letter short; a substring still finds it
        QStringLiteral("Intel Xeon Platinum 8168@2.70GHz"),
        QStringLiteral("Intel Pentium Gold G5620@4.00GHz"),
        QStringLiteral("Intel Atom C3958@2.00GHz"),
        QStringLiteral("GeForce RTX 2080 Ti"),
        QStringLiteral("Quadro RTX 6000"),
        QStringLiteral("Radeon RX 5700"),
        QStringLiteral("Intel Iris Pro P580"),
        QStringLiteral("Radeon Vega 3"),
        QStringLiteral("NVS 810"),
        QStringLiteral("GeForce 6600(与)"),
        QStringLiteral("I3-6100~10110U(或)"),
        QString(),
    };
    return table;
}

const std::array<QString, kLinkCount + 1> &LinkAddresses()
{
    static const std::array<QString, kLinkCount + 1> table = {
        QStringLiteral("https://browser.geekbench.com"),
        QStringLiteral("https://www.ludashi.com"),
        QStringLiteral("https://www.zol.com.cn"),
        QStringLiteral("https://www.microsoft.com"),
        QStringLiteral("https://www.intel.com"),
        QStringLiteral("https://www.amd.com"),
        QStringLiteral("https://www.nvidia.com"),
        // 中央处理器, 图形处理器
        QStringLiteral("https://baike.baidu.com/item/%E4%B8%AD%E5%A4%AE%E5%A4%84%E7%90%86%E5%99%A8"),
        QStringLiteral("https://baike.baidu.com/item/%E5%9B%BE%E5%BD%A2%E5%A4%84%E7%90%86%E5%99%A8"),
        QString(),
    };
    return table;
}

} // namespace ReferenceTables

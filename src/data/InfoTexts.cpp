#include "data/InfoTexts.h"

namespace InfoTexts {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kUpdateAddress = QStringLiteral("https://pan.baidu.com");
} // namespace

QString aboutText(const QString &windowTitle)
{
    return windowTitle
        + QStringLiteral("(数据摘自网上测评，仅供参考)。本工具特点：支持组合条件模糊查询，多设备性能对比很友好方便。")
        + kCrLf + kCrLf
        + QStringLiteral("(更新LOG：") + kCrLf
        + QStringLiteral("202019：V0.99b2 发布") + kCrLf
        + QStringLiteral("200222：V0.99b3 修复最后一个或的条件无效BUG及部分功能优化等") + kCrLf
        + QStringLiteral("200229：V0.99b4 增加查询条件的提示及代码优化；界面优化") + kCrLf
        + QStringLiteral(")");
}

QString updatePrompt(const QString &windowTitle)
{
    return QStringLiteral("当前版本为：") + windowTitle + QStringLiteral("。本软件更新下载专用百度网盘链接:")
        + kUpdateAddress + QStringLiteral(" ，您现在前往检查更新吗(提取码为:【mzbt】)？");
}

QUrl updateAddress()
{
    return QUrl(kUpdateAddress);
}

QString openFailedText(const QUrl &address)
{
    return QStringLiteral("无法打开网页：系统没有可用的浏览器来打开这个网址。\r\n请复制下面的网址，粘贴到浏览器的地址栏中打开：\r\n\r\n")
        + address.toDisplayString();
}

} // namespace InfoTexts

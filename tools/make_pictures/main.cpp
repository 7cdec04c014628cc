// Draws the program's pictures: the PUBG requirement chart (700 x 347), the sample
// notebook report (587 x 760), and the program icon (48 x 48 in 256 colours, plus the
// desktop sizes and a Windows .ico). Run once; the outputs are committed.
//   make_pictures OUT_PICTURES_DIR OUT_ICONS_DIR
// Chinese text is drawn in WenQuanYi Zen Hei (Debian's fonts-wqy-zenhei).

#include <QBuffer>
#include <QHash>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

const QString kFamily = QStringLiteral("WenQuanYi Zen Hei");

QFont font(int pixels, bool bold = false)
{
    QFont f(kFamily);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

const QColor kInk(0x22, 0x2b, 0x36);
const QColor kMuted(0x5b, 0x66, 0x73);
const QColor kLine(0xc9, 0xd1, 0xdb);
const QColor kTierColours[] = {QColor(0x4c, 0x9a, 0x5a), QColor(0x2f, 0x7f, 0xc1), QColor(0xe0, 0x8a, 0x1e),
                               QColor(0xc8, 0x3b, 0x3b)};

void text(QPainter &p, const QRectF &r, const QString &s, const QFont &f, const QColor &c,
          int flags = Qt::AlignCenter | Qt::TextWordWrap)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
}

// ---- the requirement chart

QImage gameChart()
{
    QImage img(700, 347, QImage::Format_RGB32);
    img.fill(QColor(0xf6, 0xf7, 0xf9));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // title band
    QLinearGradient band(0, 0, 700, 0);
    band.setColorAt(0, QColor(0x1d, 0x27, 0x33));
    band.setColorAt(1, QColor(0x3a, 0x46, 0x52));
    p.fillRect(QRect(0, 0, 700, 44), band);
    text(p, QRect(16, 0, 500, 44), QStringLiteral("绝地求生 PUBG  电脑配置需求"), font(20, true), QColor(0xf2, 0xc1, 0x4e),
         Qt::AlignVCenter | Qt::AlignLeft);
    text(p, QRect(420, 0, 266, 44), QStringLiteral("四档配置 · 由低到高"), font(13), QColor(0xd7, 0xdc, 0xe2),
         Qt::AlignVCenter | Qt::AlignRight);

    const QString tiers[] = {QStringLiteral("最低配置"), QStringLiteral("普通配置"), QStringLiteral("推荐配置"),
                             QStringLiteral("顶级配置")};
    const QString rows[] = {QStringLiteral("推荐画质"), QStringLiteral("操作系统"), QStringLiteral("内存"),
                            QStringLiteral("CPU"), QStringLiteral("显卡")};
    const QString cells[5][4] = {
        {QStringLiteral("非常低 · 30帧"), QStringLiteral("中 · 60帧"), QStringLiteral("高 · 60帧以上"),
         QStringLiteral("极致 · 144帧")},
        {QStringLiteral("64位 Win7 / Win10"), QStringLiteral("64位 Win10"), QStringLiteral("64位 Win10"),
         QStringLiteral("64位 Win10")},
        {QStringLiteral("8 GB"), QStringLiteral("8 GB"), QStringLiteral("16 GB"), QStringLiteral("16 GB 双通道")},
        {QStringLiteral("Core i3-4340\nFX-6300"), QStringLiteral("Core i5-6400\nRyzen 3 1300X"),
         QStringLiteral("Core i5-7600K\nRyzen 5 1500X"), QStringLiteral("Core i7-7700K\nRyzen 7 1800X")},
        {QStringLiteral("GTX 660\nHD 7850"), QStringLiteral("GTX 960 / 1050\n1050 Ti / RX 570"),
         QStringLiteral("GTX 1060 / 970\nRX 580"), QStringLiteral("GTX 1070 / 1080\nRX Vega 56 / 64")},
    };

    const int left = 8;
    const int headW = 88;
    const int colW = (700 - 2 * left - headW) / 4; // 148
    const int top = 52;
    const int headH = 34;
    const int rowH[] = {38, 38, 38, 62, 62};

    // tier header
    for (int t = 0; t < 4; ++t) {
        const QRect r(left + headW + t * colW + 2, top, colW - 4, headH);
        QPainterPath path;
        path.addRoundedRect(r, 5, 5);
        p.fillPath(path, kTierColours[t]);
        text(p, r, QStringLiteral("PUBG%1  ").arg(t + 1) + tiers[t], font(15, true), Qt::white);
    }
    // rows
    int y = top + headH + 4;
    for (int r = 0; r < 5; ++r) {
        const QRect rowRect(left, y, 700 - 2 * left, rowH[r]);
        p.fillRect(rowRect, r % 2 ? QColor(0xee, 0xf1, 0xf5) : Qt::white);
        p.setPen(kLine);
        p.drawLine(rowRect.bottomLeft(), rowRect.bottomRight());
        text(p, QRect(left + 6, y, headW - 8, rowH[r]), rows[r], font(14, true), kInk,
             Qt::AlignVCenter | Qt::AlignLeft);
        for (int t = 0; t < 4; ++t) {
            const QRect cell(left + headW + t * colW + 4, y + 2, colW - 8, rowH[r] - 4);
            text(p, cell, cells[r][t], font(r >= 3 ? 13 : 13, r >= 3), r >= 3 ? kInk : kMuted);
        }
        y += rowH[r];
    }
    // column rules
    p.setPen(kLine);
    for (int t = 1; t < 4; ++t)
        p.drawLine(left + headW + t * colW, top + headH + 4, left + headW + t * colW, y);
    p.drawRect(QRect(left, top + headH + 4, 700 - 2 * left - 1, y - top - headH - 4));
    text(p, QRect(left, y + 2, 700 - 2 * left, 347 - y - 2),
         QStringLiteral("注：同档 CPU、显卡任选其一即可；本工具“PUBG1-4”按钮按此表列出对应设备及得分。"), font(11), kMuted,
         Qt::AlignVCenter | Qt::AlignLeft);
    return img;
}

// ---- the notebook report

void card(QPainter &p, const QRect &r, const QString &title, const QColor &accent)
{
    QPainterPath path;
    path.addRoundedRect(r, 6, 6);
    p.fillPath(path, Qt::white);
    p.setPen(kLine);
    p.drawPath(path);
    QPainterPath head;
    head.addRoundedRect(QRect(r.left(), r.top(), r.width(), 28), 6, 6);
    p.fillPath(head, accent);
    p.fillRect(QRect(r.left(), r.top() + 14, r.width(), 14), accent); // square lower corners
    text(p, QRect(r.left() + 10, r.top(), r.width() - 20, 28), title, font(14, true), Qt::white,
         Qt::AlignVCenter | Qt::AlignLeft);
}

void keyValue(QPainter &p, int x, int y, int keyW, int w, const QString &key, const QString &value, int size = 12)
{
    text(p, QRect(x, y, keyW, 20), key, font(size), kMuted, Qt::AlignVCenter | Qt::AlignLeft);
    text(p, QRect(x + keyW, y, w - keyW, 20), value, font(size, true), kInk, Qt::AlignVCenter | Qt::AlignLeft);
}

void scoreBar(QPainter &p, int x, int y, int w, const QString &name, int score, int full, const QColor &c)
{
    text(p, QRect(x, y, 70, 18), name, font(12), kMuted, Qt::AlignVCenter | Qt::AlignLeft);
    const QRect track(x + 70, y + 5, w - 140, 9);
    QPainterPath t;
    t.addRoundedRect(track, 4, 4);
    p.fillPath(t, QColor(0xe6, 0xea, 0xef));
    QPainterPath f;
    f.addRoundedRect(QRect(track.left(), track.top(), track.width() * score / full, track.height()), 4, 4);
    p.fillPath(f, c);
    text(p, QRect(x + w - 66, y, 66, 18), QString::number(score), font(13, true), kInk, Qt::AlignVCenter | Qt::AlignRight);
}

QImage notebook()
{
    QImage img(587, 760, QImage::Format_RGB32);
    img.fill(QColor(0xf0, 0xf2, 0xf5));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient band(0, 0, 587, 0);
    band.setColorAt(0, QColor(0x1f, 0x1f, 0x24));
    band.setColorAt(1, QColor(0x40, 0x40, 0x48));
    p.fillRect(QRect(0, 0, 587, 46), band);
    p.fillRect(QRect(16, 14, 6, 18), QColor(0xe1, 0x2d, 0x2d));
    text(p, QRect(30, 0, 400, 46), QStringLiteral("作者的 ThinkPad P53 · 游戏性能对照"), font(18, true), Qt::white,
         Qt::AlignVCenter | Qt::AlignLeft);

    // 1. the benchmark report
    const QRect report(10, 54, 567, 266);
    card(p, report, QStringLiteral("硬件性能测试报告"), QColor(0x2f, 0x7f, 0xc1));
    int y = report.top() + 36;
    const int x = report.left() + 14;
    keyValue(p, x, y, 64, 360, QStringLiteral("处理器"), QStringLiteral("Intel Core i7-9850H @ 2.60GHz 六核十二线程"));
    keyValue(p, x, y + 22, 64, 360, QStringLiteral("内存"), QStringLiteral("16 GB DDR4 2666MHz (2 × 8 GB)"));
    keyValue(p, x, y + 44, 64, 360, QStringLiteral("显卡"), QStringLiteral("NVIDIA Quadro T2000 (4 GB GDDR5)"));
    keyValue(p, x, y + 66, 64, 360, QStringLiteral("硬盘"), QStringLiteral("512 GB NVMe 固态硬盘 (SSD)"));
    keyValue(p, x, y + 88, 64, 360, QStringLiteral("屏幕"), QStringLiteral("15.6 英寸 1920 × 1080"));

    // badge
    const QPointF centre(report.right() - 78, report.top() + 96);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3d, 0xa3, 0x5d));
    p.drawEllipse(centre, 56, 56);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 50, 50);
    text(p, QRectF(centre.x() - 50, centre.y() - 36, 100, 30), QStringLiteral("达标"), font(24, true), Qt::white);
    text(p, QRectF(centre.x() - 50, centre.y() - 4, 100, 40), QStringLiteral("满足 PUBG\n游戏要求"), font(12, true),
         Qt::white);

    y += 116;
    p.setPen(kLine);
    p.drawLine(report.left() + 10, y - 6, report.right() - 10, y - 6);
    text(p, QRect(report.left(), y, report.width() - 14, 20),
         QStringLiteral("处理器、显卡得分与本工具 C230、G105 同一尺度"), font(11), kMuted,
         Qt::AlignVCenter | Qt::AlignRight);
    text(p, QRect(x, y, 200, 20), QStringLiteral("综合性能得分"), font(13, true), kInk, Qt::AlignVCenter | Qt::AlignLeft);
    text(p, QRect(x + 110, y - 2, 200, 24), QStringLiteral("398,612"), font(20, true), QColor(0xe0, 0x8a, 0x1e),
         Qt::AlignVCenter | Qt::AlignLeft);
    y += 28;
    const int w = report.width() - 28;
    scoreBar(p, x, y, w, QStringLiteral("处理器"), 13783, 20000, QColor(0x2f, 0x7f, 0xc1));
    scoreBar(p, x, y + 20, w, QStringLiteral("显卡"), 6723, 20000, QColor(0x4c, 0x9a, 0x5a));
    scoreBar(p, x, y + 40, w, QStringLiteral("内存"), 2856, 20000, QColor(0x8e, 0x5e, 0xc2));
    scoreBar(p, x, y + 60, w, QStringLiteral("硬盘"), 18420, 20000, QColor(0xe0, 0x8a, 0x1e));

    // 2. the game's minimum configuration
    const QRect minimum(10, 328, 567, 144);
    card(p, minimum, QStringLiteral("绝地求生 PUBG 最低配置"), QColor(0xc8, 0x3b, 0x3b));
    y = minimum.top() + 36;
    keyValue(p, x, y, 80, 270, QStringLiteral("操作系统"), QStringLiteral("64 位 Windows 7 / 10"));
    keyValue(p, x, y + 22, 80, 270, QStringLiteral("处理器"), QStringLiteral("Core i3-4340 / FX-6300"));
    keyValue(p, x, y + 44, 80, 270, QStringLiteral("内存"), QStringLiteral("8 GB RAM"));
    keyValue(p, x, y + 66, 80, 270, QStringLiteral("显卡"), QStringLiteral("GTX 660 2GB / HD 7850 2GB"));
    keyValue(p, x, y + 88, 80, 270, QStringLiteral("存储空间"), QStringLiteral("30 GB 可用空间"));
    const QRect compare(x + 290, y, 250, 106);
    QPainterPath cp;
    cp.addRoundedRect(compare, 6, 6);
    p.fillPath(cp, QColor(0xed, 0xf7, 0xef));
    text(p, compare.adjusted(10, 6, -10, -6),
         QStringLiteral("本机对比最低配置\n处理器 13783 vs 5240 (263%)\n显卡 6723 vs 4129 (163%)\n内存 16 GB vs 8 GB"),
         font(12), QColor(0x2e, 0x6b, 0x3c), Qt::AlignVCenter | Qt::AlignLeft);

    // 3. two desktop builds
    struct Part { const char16_t *kind; const char16_t *name; const char16_t *price; };
    const Part entry[] = {
        {u"CPU", u"Core i3-9100F", u"¥500-600"},  {u"主板", u"B365M", u"¥450-550"},
        {u"内存", u"8 GB DDR4 2666", u"¥200-250"}, {u"显卡", u"GTX 1650 4GB", u"¥900-1000"},
        {u"硬盘", u"240 GB SSD", u"¥180-220"},     {u"电源", u"400W 额定", u"¥180-220"},
    };
    const Part upper[] = {
        {u"CPU", u"i5-9400F / R5 3600", u"¥800-1000"}, {u"主板", u"B365 / B450", u"¥600-700"},
        {u"内存", u"16 GB DDR4 3000", u"¥400-450"},          {u"显卡", u"GTX 1660S / RTX 2060", u"¥1500-2500"},
        {u"硬盘", u"500 GB NVMe SSD", u"¥450-500"},          {u"电源", u"550W 金牌", u"¥350-400"},
    };
    const auto build = [&](const QRect &r, const QString &title, const QColor &accent, const Part (&parts)[6],
                           const QString &total) {
        card(p, r, title, accent);
        int yy = r.top() + 36;
        for (const Part &part : parts) {
            text(p, QRect(r.left() + 10, yy, 40, 20), QString::fromUtf16(part.kind), font(12), kMuted,
                 Qt::AlignVCenter | Qt::AlignLeft);
            text(p, QRect(r.left() + 48, yy, r.width() - 130, 20), QString::fromUtf16(part.name), font(12, true), kInk,
                 Qt::AlignVCenter | Qt::AlignLeft);
            text(p, QRect(r.right() - 88, yy, 80, 20), QString::fromUtf16(part.price), font(12), kInk,
                 Qt::AlignVCenter | Qt::AlignRight);
            yy += 24;
        }
        p.setPen(kLine);
        p.drawLine(r.left() + 10, yy + 2, r.right() - 10, yy + 2);
        text(p, QRect(r.left() + 10, yy + 6, r.width() - 20, 24), total, font(14, true), accent,
             Qt::AlignVCenter | Qt::AlignRight);
    };
    text(p, QRect(14, 478, 560, 22), QStringLiteral("推荐台式机配置 (2020 年初参考价)"), font(14, true), kInk,
         Qt::AlignVCenter | Qt::AlignLeft);
    build(QRect(10, 504, 279, 246), QStringLiteral("入门级 · 流畅运行"), QColor(0x4c, 0x9a, 0x5a), entry,
          QStringLiteral("合计约 ¥2,400-2,850"));
    build(QRect(298, 504, 279, 246), QStringLiteral("中高端 · 高画质"), QColor(0xe0, 0x8a, 0x1e), upper,
          QStringLiteral("合计约 ¥4,100-5,550"));
    return img;
}

// ---- the icon: a chip with a rising bar chart

QImage icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    // pins
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xa4, 0x1e));
    for (int k = 0; k < 4; ++k) {
        const qreal at = 12 + k * 7.5;
        p.drawRect(QRectF(at, 2, 3.5, 6));
        p.drawRect(QRectF(at, 40, 3.5, 6));
        p.drawRect(QRectF(2, at, 6, 3.5));
        p.drawRect(QRectF(40, at, 6, 3.5));
    }
    // body
    QLinearGradient body(0, 7, 0, 41);
    body.setColorAt(0, QColor(0x2f, 0x6f, 0xb3));
    body.setColorAt(1, QColor(0x1c, 0x3f, 0x6e));
    QPainterPath chip;
    chip.addRoundedRect(QRectF(7, 7, 34, 34), 4, 4);
    p.fillPath(chip, body);
    p.setPen(QPen(QColor(0x9c, 0xc3, 0xea), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chip);
    // bars, a ladder of performance
    const QColor bars[] = {QColor(0x7e, 0xd3, 0x8b), QColor(0xf2, 0xc1, 0x4e), QColor(0xf0, 0x8a, 0x3c),
                           QColor(0xe8, 0x4c, 0x4c)};
    for (int k = 0; k < 4; ++k) {
        const qreal h = 7 + k * 5.5;
        p.fillRect(QRectF(12 + k * 6.5, 36 - h, 5, h), bars[k]);
    }
    return img;
}

// 256 colours: the image's own most frequent colours (all of them when they fit), each
// pixel then taking the nearest; a fixed colour cube would dither the icon to noise.
QImage to256Colours(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            ++counts[qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : (c | 0xff000000)];
        }
    QList<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({-it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end());
    QList<QRgb> table;
    for (const auto &entry : byCount) {
        if (table.size() == 256)
            break;
        table.append(entry.second);
    }
    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = img.pixel(x, y);
            c = qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : (c | 0xff000000);
            int best = 0;
            int bestDistance = INT_MAX;
            for (int k = 0; k < table.size(); ++k) {
                const QRgb t = table[k];
                const int d = (qAlpha(t) - qAlpha(c)) * (qAlpha(t) - qAlpha(c)) * 4 + (qRed(t) - qRed(c)) * (qRed(t) - qRed(c))
                    + (qGreen(t) - qGreen(c)) * (qGreen(t) - qGreen(c)) + (qBlue(t) - qBlue(c)) * (qBlue(t) - qBlue(c));
                if (d < bestDistance) {
                    bestDistance = d;
                    best = k;
                }
            }
            out.setPixel(x, y, uint(best));
        }
    return out;
}

bool save(const QImage &img, const QString &path, const char *format, int quality = -1)
{
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%d x %d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

// A Windows icon holding PNG images, one per size.
bool saveIco(const QList<QImage> &images, const QString &path)
{
    QList<QByteArray> pngs;
    for (const QImage &img : images) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
        pngs.append(data);
    }
    QByteArray out;
    auto u16 = [&](quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) { u16(quint16(v & 0xffff)); u16(quint16(v >> 16)); };
    u16(0);
    u16(1);
    u16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype k = 0; k < images.size(); ++k) {
        const int s = images[k].width();
        out.append(char(s >= 256 ? 0 : s)).append(char(s >= 256 ? 0 : s)).append('\0').append('\0');
        u16(1);
        u16(32);
        u32(quint32(pngs[k].size()));
        u32(offset);
        offset += quint32(pngs[k].size());
    }
    for (const QByteArray &png : pngs)
        out.append(png);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%lld sizes)\n", qPrintable(path), static_cast<long long>(images.size()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_pictures OUT_PICTURES_DIR OUT_WINDOW_ICON_DIR OUT_ICONS_DIR\n");
        return 2;
    }
    if (!QFontDatabase::families().contains(kFamily)) {
        std::fprintf(stderr, "the font %s is missing (Debian: fonts-wqy-zenhei)\n", qPrintable(kFamily));
        return 1;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1]));
    const QDir windowIcon(QString::fromLocal8Bit(argv[2]));
    const QDir icons(QString::fromLocal8Bit(argv[3]));
    bool ok = save(gameChart(), pictures.filePath(QStringLiteral("pubg_chart.jpg")), "JPEG", 92)
        && save(notebook(), pictures.filePath(QStringLiteral("notebook.jpg")), "JPEG", 92);

    // 256 colours, as the window icon has always been
    const QImage small = to256Colours(icon(48));
    ok = ok && save(small, windowIcon.filePath(QStringLiteral("program_icon_48.png")), "PNG");
    QList<QImage> sizes;
    for (int s : {16, 32, 48, 64, 128, 256}) {
        const QImage img = s == 48 ? small : icon(s);
        sizes.append(img.convertToFormat(QImage::Format_ARGB32));
        if (s >= 48)
            ok = ok && save(img, icons.filePath(QStringLiteral("cpugpurank-%1.png").arg(s)), "PNG");
    }
    ok = ok && saveIco(sizes, icons.filePath(QStringLiteral("cpugpurank.ico")));
    return ok ? 0 : 1;
}

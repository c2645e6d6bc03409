// make_pictures.cpp - draws the four pictures shown on Quarvane's input pages
// and writes them as 24-bit Windows BMP files:
//
//   ooo.bmp   333 x 374  illustration of a finished divided highway
//   ooo1.bmp  316 x 264  hints shown beside the curve input page
//   jie.BMP   333 x 374  plan sketch of a skewed culvert crossing the route
//   jie1.BMP  316 x 264  legend for the culvert sketch
//
// Everything is drawn here with QPainter; no external artwork is used.
//
// Build and run (from the repository root):
//   g++ -std=c++20 -fPIC -Wall -Wextra tools/make_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures data/Picture
//
// The output directory defaults to data/Picture and is created if missing.
// CMake: optional target quarvane-make-pictures, linking Qt6::Gui.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

QString g_family; // CJK-capable font family chosen at start-up

// ---------------------------------------------------------------------------
// Font and file helpers
// ---------------------------------------------------------------------------

QString pickFamily()
{
    const QStringList families = QFontDatabase::families();
    const QStringList preferred = {
        QStringLiteral("SimSun"),
        QStringLiteral("宋体"),
        QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("WenQuanYi Micro Hei"),
    };
    for (const QString &want : preferred) {
        for (const QString &have : families) {
            if (have.compare(want, Qt::CaseInsensitive) == 0)
                return have;
        }
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    if (!chinese.isEmpty())
        return chinese.first();
    return QFont().family();
}

QFont makeFont(qreal pixelSize, bool bold = false)
{
    QFont f(g_family);
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void putLE16(QByteArray &b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void putLE32(QByteArray &b, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// Writes an uncompressed 24-bit BMP (BITMAPINFOHEADER, bottom-up rows).
bool saveBmp24(const QImage &source, const QString &path)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int rowBytes = ((w * 3) + 3) & ~3;
    const qint64 pixelBytes = qint64(rowBytes) * h;

    QByteArray out;
    out.reserve(int(54 + pixelBytes));
    out.append("BM", 2);
    putLE32(out, 54 + pixelBytes); // file size
    putLE32(out, 0);               // reserved
    putLE32(out, 54);              // offset of pixel data
    putLE32(out, 40);              // BITMAPINFOHEADER size
    putLE32(out, w);
    putLE32(out, h);
    putLE16(out, 1);  // planes
    putLE16(out, 24); // bits per pixel
    putLE32(out, 0);  // BI_RGB
    putLE32(out, pixelBytes);
    putLE32(out, 3780); // 96 dpi
    putLE32(out, 3780);
    putLE32(out, 0);
    putLE32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        int written = 0;
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            written += 3;
        }
        while (written < rowBytes) {
            out.append('\0');
            ++written;
        }
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(out) == out.size();
}

// Lays out `text` wrapped to `width`, draws it with its top-left corner at
// `topLeft` (when painter is non-null) and returns the height used.
qreal drawWrapped(QPainter *painter, const QFont &font, const QString &text,
                  QPointF topLeft, qreal width, qreal lineHeight,
                  Qt::Alignment align = Qt::AlignLeft)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(align);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);

    const QFontMetricsF fm(font);
    const qreal extra = (lineHeight - fm.height()) / 2.0;
    qreal y = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y + extra));
        y += lineHeight;
    }
    layout.endLayout();
    if (painter)
        layout.draw(painter, topLeft);
    return y;
}

// ---------------------------------------------------------------------------
// Cyan text cards (hints and legend)
// ---------------------------------------------------------------------------

const QColor kCardGround(138, 228, 238);
const QColor kCardFrame(40, 160, 178);
const QColor kCardInk(16, 38, 60);
const QColor kCardHeading(0, 84, 110);

struct CardItem
{
    QString key;  // drawn in a fixed-width column ("1.", "Lz：")
    QString text; // wrapped to the right of the key
};

QImage drawCard(QSize size, const QString &heading, const std::vector<CardItem> &items,
                qreal bodyPx, qreal keyColumn, qreal itemGap)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kCardGround);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // soft frame
    p.setPen(QPen(kCardFrame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 4.5, size.width() - 9, size.height() - 9), 5, 5);

    const qreal margin = 18;
    const QFont headFont = makeFont(bodyPx + 5, true);
    const QFont bodyFont = makeFont(bodyPx);
    const QFont keyFont = makeFont(bodyPx, true);
    const qreal headLine = QFontMetricsF(headFont).height() + 2;
    const qreal bodyLine = std::round(QFontMetricsF(bodyFont).height() * 1.32);
    const qreal textWidth = size.width() - 2 * margin - keyColumn;

    // measure the whole block so it can be centred vertically
    const qreal ruleGap = 12;
    qreal blockHeight = headLine + ruleGap;
    for (std::size_t i = 0; i < items.size(); ++i) {
        blockHeight += drawWrapped(nullptr, bodyFont, items[i].text, {}, textWidth, bodyLine);
        if (i + 1 < items.size())
            blockHeight += itemGap;
    }
    qreal y = std::max<qreal>(14, std::round((size.height() - blockHeight) / 2.0));

    p.setPen(kCardHeading);
    p.setFont(headFont);
    p.drawText(QRectF(0, y, size.width(), headLine), Qt::AlignHCenter | Qt::AlignVCenter,
               heading);
    y += headLine;

    // short rule under the heading
    const qreal ruleY = std::round(y + ruleGap / 2.0) + 0.5;
    p.setPen(QPen(kCardFrame, 1.0));
    p.drawLine(QPointF(margin + 6, ruleY), QPointF(size.width() - margin - 6, ruleY));
    y += ruleGap;

    for (std::size_t i = 0; i < items.size(); ++i) {
        p.setPen(kCardHeading);
        drawWrapped(&p, keyFont, items[i].key, QPointF(margin, y), keyColumn, bodyLine);
        p.setPen(kCardInk);
        y += drawWrapped(&p, bodyFont, items[i].text, QPointF(margin + keyColumn, y), textWidth,
                         bodyLine);
        y += itemGap;
    }
    return img;
}

QImage drawHints()
{
    const std::vector<CardItem> items = {
        {QStringLiteral("1."), QStringLiteral("计算之前请先输入曲线要素。")},
        {QStringLiteral("2."), QStringLiteral("只计算坐标时，可不输入竖曲线和超高要素。")},
        {QStringLiteral("3."), QStringLiteral("输入或计算完成后，请保存输入的数据或计算结果。")},
    };
    return drawCard(QSize(316, 264), QStringLiteral("提示"), items, 15, 22, 10);
}

QImage drawLegend()
{
    const std::vector<CardItem> items = {
        {QStringLiteral("P："), QStringLiteral("结构物中心桩号")},
        {QStringLiteral("B："),
         QStringLiteral("路线前进方向顺时针转至结构物轴线的夹角（度.分秒）")},
        {QStringLiteral("Lz："), QStringLiteral("中心点至左端的轴线长")},
        {QStringLiteral("Ly："), QStringLiteral("中心点至右端的轴线长")},
        {QStringLiteral("Dh："), QStringLiteral("轴线至后侧（小桩号侧）边线的距离")},
        {QStringLiteral("Dq："), QStringLiteral("轴线至前侧（大桩号侧）边线的距离")},
    };
    return drawCard(QSize(316, 264), QStringLiteral("说明"), items, 14, 40, 3);
}

// ---------------------------------------------------------------------------
// Highway illustration
// ---------------------------------------------------------------------------

// Simple pinhole camera looking along +Z. X is to the right, Y is up;
// road surface at Y = 0. The road bends gently to the right in the distance.
struct Camera
{
    qreal f = 265;   // focal length in pixels
    qreal h = 19;    // eye height above the road
    qreal cx = 160;  // principal point
    qreal hy = 146;  // horizon row
    qreal bend = 0.8e-4;
    qreal bendStart = 60;

    qreal centre(qreal z) const
    {
        const qreal d = std::max<qreal>(0, z - bendStart);
        return bend * d * d;
    }
    // offset across the road (relative to the centre line), height, distance
    QPointF project(qreal offset, qreal y, qreal z) const
    {
        const qreal x = centre(z) + offset;
        return QPointF(cx + f * x / z, hy + f * (h - y) / z);
    }
};

std::vector<qreal> depthSamples(qreal zNear, qreal zFar, int n)
{
    std::vector<qreal> zs;
    zs.reserve(std::size_t(n) + 1);
    const qreal r = std::log(zFar / zNear);
    for (int i = 0; i <= n; ++i)
        zs.push_back(zNear * std::exp(r * i / n));
    return zs;
}

// A longitudinal strip of the cross-section between two offset/height points.
QPolygonF ribbon(const Camera &cam, const std::vector<qreal> &zs, qreal o1, qreal y1,
                 qreal o2, qreal y2)
{
    QPolygonF poly;
    poly.reserve(int(zs.size() * 2));
    for (qreal z : zs)
        poly << cam.project(o1, y1, z);
    for (auto it = zs.rbegin(); it != zs.rend(); ++it)
        poly << cam.project(o2, y2, *it);
    return poly;
}

// A short piece of a strip between two distances (lane dashes etc.).
QPolygonF patch(const Camera &cam, qreal o1, qreal o2, qreal y, qreal z1, qreal z2)
{
    QPolygonF poly;
    const int steps = 4;
    for (int i = 0; i <= steps; ++i)
        poly << cam.project(o1, y, z1 + (z2 - z1) * i / steps);
    for (int i = steps; i >= 0; --i)
        poly << cam.project(o2, y, z1 + (z2 - z1) * i / steps);
    return poly;
}

void fillPoly(QPainter &p, const QPolygonF &poly, const QBrush &brush)
{
    // a hairline of the same colour hides seams between neighbouring strips
    p.setPen(QPen(brush, 0.7));
    p.setBrush(brush);
    p.drawPolygon(poly);
}

QPainterPath hillPath(qreal width, qreal base, qreal height, qreal phase, qreal scale)
{
    QPainterPath path;
    path.moveTo(-2, base);
    for (int x = -2; x <= int(width) + 2; x += 2) {
        const qreal t = x / width;
        const qreal y = base - height *
            (0.55 + 0.25 * std::sin(t * 6.2 * scale + phase) +
             0.15 * std::sin(t * 13.1 * scale + 2 * phase) +
             0.08 * std::sin(t * 29.0 * scale + 0.5 * phase));
        path.lineTo(x, y);
    }
    path.lineTo(width + 2, base);
    path.closeSubpath();
    return path;
}

void drawTree(QPainter &p, QPointF ground, qreal scale, const QColor &crown)
{
    const qreal r = std::max<qreal>(1.6, 2.6 * scale);
    const qreal trunkH = std::max<qreal>(1.0, 1.6 * scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 90, 60));
    p.drawRect(QRectF(ground.x() - std::max<qreal>(0.6, 0.25 * scale), ground.y() - trunkH,
                      std::max<qreal>(1.2, 0.5 * scale), trunkH));
    QRadialGradient g(QPointF(ground.x() - r * 0.35, ground.y() - trunkH - r * 1.3), r * 1.3);
    g.setColorAt(0, crown.lighter(125));
    g.setColorAt(1, crown.darker(112));
    p.setBrush(g);
    p.drawEllipse(QPointF(ground.x(), ground.y() - trunkH - r * 0.9), r, r * 1.05);
}

void drawStake(QPainter &p, const Camera &cam, qreal offset, qreal z)
{
    const qreal height = 1.9;
    const QPointF foot = cam.project(offset, 0, z);
    const QPointF top = cam.project(offset, height, z);
    const qreal w = std::max<qreal>(2.2, cam.f * 0.16 / z);
    const qreal len = foot.y() - top.y();

    // shadow on the ground
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 30, 70));
    p.drawEllipse(QPointF(foot.x() + w * 0.8, foot.y()), w * 1.4, w * 0.45);

    // wooden post with a red painted head
    p.setBrush(QColor(236, 226, 200));
    p.setPen(QPen(QColor(120, 100, 70), 0.6));
    p.drawRect(QRectF(top.x() - w / 2, top.y(), w, len));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 36));
    p.drawRect(QRectF(top.x() - w / 2, top.y(), w, len * 0.28));
    // survey ribbon
    p.setBrush(QColor(250, 120, 40));
    QPolygonF flag;
    flag << QPointF(top.x() + w / 2, top.y() + len * 0.05)
         << QPointF(top.x() + w / 2 + len * 0.32, top.y() + len * 0.14)
         << QPointF(top.x() + w / 2, top.y() + len * 0.22);
    p.drawPolygon(flag);
}

QImage drawHighway()
{
    const QSize size(333, 374);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const Camera cam;
    const qreal W = size.width();
    const qreal H = size.height();

    // sky
    QLinearGradient sky(0, 0, 0, cam.hy);
    sky.setColorAt(0.0, QColor(98, 150, 204));
    sky.setColorAt(0.6, QColor(160, 196, 226));
    sky.setColorAt(1.0, QColor(222, 234, 240));
    p.fillRect(QRectF(0, 0, W, cam.hy + 1), sky);

    // a few soft clouds
    auto cloud = [&p](qreal x, qreal y, qreal s) {
        p.setPen(Qt::NoPen);
        const QColor c(255, 255, 255, 150);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), 22 * s, 7 * s);
        p.drawEllipse(QPointF(x - 12 * s, y + 2 * s), 14 * s, 5 * s);
        p.drawEllipse(QPointF(x + 10 * s, y - 4 * s), 13 * s, 7 * s);
        p.drawEllipse(QPointF(x + 22 * s, y + 2 * s), 12 * s, 4.5 * s);
    };
    cloud(70, 38, 1.0);
    cloud(250, 60, 0.8);
    cloud(170, 22, 0.55);

    // distant ranges
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(156, 182, 196));
    p.drawPath(hillPath(W, cam.hy + 2, 46, 0.8, 1.0));
    p.setBrush(QColor(130, 168, 150));
    p.drawPath(hillPath(W, cam.hy + 2, 26, 2.6, 1.4));
    p.setBrush(QColor(118, 158, 112));
    p.drawPath(hillPath(W, cam.hy + 2, 12, 4.1, 2.2));

    // open ground down to the foreground
    QLinearGradient ground(0, cam.hy, 0, H);
    ground.setColorAt(0.0, QColor(168, 192, 138));
    ground.setColorAt(1.0, QColor(118, 158, 84));
    p.fillRect(QRectF(0, cam.hy, W, H - cam.hy), ground);

    const std::vector<qreal> zs = depthSamples(9, 1900, 220);

    // cross-section (offsets from the centre line, metres)
    const qreal medianHalf = 1.5;
    const qreal innerEdge = 2.0;   // inner edge line
    const qreal laneLine = 5.75;   // lane divider
    const qreal outerEdge = 9.5;   // outer edge line
    const qreal paved = 12.0;      // end of hard shoulder
    const qreal verge = 12.75;     // end of earth shoulder

    // left side: ditch, then a two-stage cut with a berm
    const qreal dA = -verge, dB = -13.35, dC = -13.95, dD = -14.55;
    const qreal cut1 = -19.55, cutBerm = -21.55, cut2 = -26.55;
    // right side: two-stage fill with a berm
    const qreal fill1 = 18.75, fillBerm = 20.75, fill2 = 26.75;

    // the fields beside the cutting and the embankment share the ground shading
    fillPoly(p, ribbon(cam, zs, cut2, 10, -4000, 10), ground);
    fillPoly(p, ribbon(cam, zs, fill2, -8, 4000, -8), ground);

    // cut slopes (facing the road, lit) with grassed berm
    QLinearGradient cutShade(0, cam.hy, 0, H);
    cutShade.setColorAt(0, QColor(206, 190, 156));
    cutShade.setColorAt(1, QColor(192, 168, 128));
    fillPoly(p, ribbon(cam, zs, cutBerm, 5, cut2, 10), cutShade);
    fillPoly(p, ribbon(cam, zs, cut1, 5, cutBerm, 5), QColor(112, 168, 84));
    fillPoly(p, ribbon(cam, zs, dD, 0, cut1, 5), cutShade);
    // protection frame on the cut faces
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 150, 118), 0.8));
        for (qreal t : {0.33, 0.66}) {
            QPolygonF line;
            for (qreal z : zs)
                if (z < 700)
                    line << cam.project(dD + (cut1 - dD) * t, 5 * t, z);
            p.drawPolyline(line);
            QPolygonF line2;
            for (qreal z : zs)
                if (z < 700)
                    line2 << cam.project(cutBerm + (cut2 - cutBerm) * t, 5 + 5 * t, z);
            p.drawPolyline(line2);
        }
        for (qreal z = 14; z < 260; z += 10) {
            p.drawLine(cam.project(dD, 0, z), cam.project(cut1, 5, z));
            p.drawLine(cam.project(cutBerm, 5, z), cam.project(cut2, 10, z));
        }
    }
    // concrete ditch
    fillPoly(p, ribbon(cam, zs, dA, 0, dB, -0.6), QColor(168, 168, 160));
    fillPoly(p, ribbon(cam, zs, dB, -0.6, dC, -0.6), QColor(140, 142, 138));
    fillPoly(p, ribbon(cam, zs, dC, -0.6, dD, 0), QColor(184, 184, 176));

    // fill slopes (grassed) with berm
    QLinearGradient fillShade(0, cam.hy, 0, H);
    fillShade.setColorAt(0, QColor(150, 176, 108));
    fillShade.setColorAt(1, QColor(138, 166, 96));
    fillPoly(p, ribbon(cam, zs, verge, 0, fill1, -4), fillShade);
    fillPoly(p, ribbon(cam, zs, fill1, -4, fillBerm, -4), QColor(104, 160, 78));
    fillPoly(p, ribbon(cam, zs, fillBerm, -4, fill2, -8), fillShade);

    // earth shoulders
    const QColor vergeColour(176, 168, 132);
    fillPoly(p, ribbon(cam, zs, -verge, 0, -paved, 0), vergeColour);
    fillPoly(p, ribbon(cam, zs, paved, 0, verge, 0), vergeColour);

    // carriageways
    QLinearGradient asphalt(0, cam.hy, 0, H);
    asphalt.setColorAt(0.0, QColor(122, 124, 128));
    asphalt.setColorAt(1.0, QColor(86, 88, 94));
    fillPoly(p, ribbon(cam, zs, -paved, 0, -medianHalf, 0), asphalt);
    fillPoly(p, ribbon(cam, zs, medianHalf, 0, paved, 0), asphalt);

    // median: kerbs and planted strip
    const QColor kerb(200, 200, 194);
    fillPoly(p, ribbon(cam, zs, -medianHalf, 0, -medianHalf + 0.25, 0.15), kerb);
    fillPoly(p, ribbon(cam, zs, medianHalf - 0.25, 0.15, medianHalf, 0), kerb);
    fillPoly(p, ribbon(cam, zs, -medianHalf + 0.25, 0.15, medianHalf - 0.25, 0.15),
             QColor(96, 150, 72));

    // markings and rails fade out well before the horizon
    std::vector<qreal> near;
    for (qreal z : zs)
        if (z <= 650)
            near.push_back(z);
    const QColor white(238, 238, 232);
    const QColor yellow(232, 196, 70);
    const qreal lw = 0.18;
    for (qreal side : {-1.0, 1.0}) {
        fillPoly(p, ribbon(cam, near, side * innerEdge, 0, side * (innerEdge + lw), 0), yellow);
        fillPoly(p, ribbon(cam, near, side * outerEdge, 0, side * (outerEdge + lw), 0), white);
        for (qreal z = 4; z < 520; z += 15)
            fillPoly(p, patch(cam, side * (laneLine - lw / 2), side * (laneLine + lw / 2), 0,
                              std::max<qreal>(z, 9), z + 6),
                     white);
    }

    // guard rails on both sides of the median
    for (qreal side : {-1.0, 1.0}) {
        const qreal o = side * (medianHalf - 0.45);
        fillPoly(p, ribbon(cam, near, o, 0.95, o, 0.70), QColor(206, 210, 212));
        p.setPen(QPen(QColor(120, 124, 128), 0.8));
        for (qreal z = 10; z < 160; z += 4) {
            p.drawLine(cam.project(o, 0.15, z), cam.project(o, 0.70, z));
        }
    }

    // trees on the open ground, far ones first
    struct TreeAt { qreal offset, y, z; };
    std::vector<TreeAt> trees = {
        {-40, 10, 260}, {-52, 10, 180}, {-34, 10, 420}, {-70, 10, 330}, {-45, 10, 600},
        {-36, 10, 120}, {-60, 10, 95},  {-80, 10, 520}, {38, -8, 240},  {52, -8, 170},
        {44, -8, 380},  {70, -8, 300},  {36, -8, 560},  {90, -8, 450},  {60, -8, 130},
    };
    std::sort(trees.begin(), trees.end(),
              [](const TreeAt &a, const TreeAt &b) { return a.z > b.z; });
    for (const TreeAt &t : trees) {
        const qreal s = cam.f * 1.6 / t.z;
        const QColor crown = t.offset < 0 ? QColor(74, 122, 70) : QColor(80, 130, 74);
        drawTree(p, cam.project(t.offset, t.y, t.z), s, crown);
    }

    // survey stakes along the verges
    const std::vector<std::pair<qreal, qreal>> stakes = {
        {12.4, 130}, {12.4, 75}, {12.4, 46}, {12.4, 30},
        {-12.4, 110}, {-12.4, 62}, {-12.4, 38},
    };
    for (const auto &[o, z] : stakes)
        drawStake(p, cam, o, z);

    // haze along the horizon
    QLinearGradient haze(0, cam.hy - 34, 0, cam.hy + 46);
    haze.setColorAt(0.0, QColor(230, 238, 242, 0));
    haze.setColorAt(0.45, QColor(230, 238, 242, 110));
    haze.setColorAt(0.55, QColor(230, 238, 242, 100));
    haze.setColorAt(1.0, QColor(230, 238, 242, 0));
    p.fillRect(QRectF(0, cam.hy - 34, W, 80), haze);

    // thin frame
    p.setPen(QPen(QColor(90, 110, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    return img;
}

// ---------------------------------------------------------------------------
// Skewed culvert plan sketch
// ---------------------------------------------------------------------------

void arrowHead(QPainter &p, QPointF tip, QPointF dir, qreal len, qreal halfWidth,
               const QColor &c)
{
    const qreal n = std::hypot(dir.x(), dir.y());
    const QPointF u(dir.x() / n, dir.y() / n);
    const QPointF v(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * len + v * halfWidth << tip - u * len * 0.78
         << tip - u * len - v * halfWidth;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
    p.restore();
}

void label(QPainter &p, const QFont &font, const QColor &c, QPointF centre, const QString &s)
{
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(s);
    const QRectF r(centre.x() - w / 2 - 2, centre.y() - fm.height() / 2, w + 4, fm.height());
    p.save();
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
    p.restore();
}

// Text with its left (or right) edge at x, vertically centred on y.
void labelAt(QPainter &p, const QFont &font, const QColor &c, qreal x, qreal y,
             const QString &s, bool rightAligned)
{
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(s) + 2;
    const QRectF r(rightAligned ? x - w : x, y - fm.height() / 2, w, fm.height());
    p.save();
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, s);
    p.restore();
}

QImage drawCulvert()
{
    const QSize size(333, 374);
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor ink(40, 44, 52);
    const QColor routeRed(200, 40, 40);
    const QColor structBlue(20, 80, 170);
    const QColor dimGreen(0, 120, 80);
    const QColor edgeGrey(110, 114, 120);

    const QFont small = makeFont(12);
    const QFont symbol = makeFont(14, true);
    const QFont caption = makeFont(13);

    // geometry (pixels); forward direction of the route is up the page
    const QPointF P(160, 214);
    const qreal B = qDegreesToRadians(58.0);
    const qreal Lz = 112, Ly = 130;
    const qreal Dh = 27, Dq = 33;
    const qreal roadHalf = 50;

    const QPointF a(std::sin(B), -std::cos(B)); // along the axis, towards the right end
    const QPointF back(std::cos(B), std::sin(B)); // normal to the axis, towards lower stations
    const QPointF leftEnd = P - a * Lz;
    const QPointF rightEnd = P + a * Ly;
    // corners lie on lines through the axis ends parallel to the route
    const qreal s = std::sin(B);
    const QPointF leftBack = leftEnd + QPointF(0, Dh / s);
    const QPointF leftFront = leftEnd - QPointF(0, Dq / s);
    const QPointF rightBack = rightEnd + QPointF(0, Dh / s);
    const QPointF rightFront = rightEnd - QPointF(0, Dq / s);

    // road edges
    p.setPen(QPen(edgeGrey, 1.4));
    p.drawLine(QPointF(P.x() - roadHalf, 10), QPointF(P.x() - roadHalf, size.height() - 10));
    p.drawLine(QPointF(P.x() + roadHalf, 10), QPointF(P.x() + roadHalf, size.height() - 10));

    // structure body
    QPolygonF body;
    body << leftBack << rightBack << rightFront << leftFront;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 232, 248));
    p.drawPolygon(body);

    // route centre line with the forward arrow
    {
        QPen pen(routeRed, 1.2);
        pen.setDashPattern({14, 3, 2, 3});
        p.setPen(pen);
        p.drawLine(QPointF(P.x(), size.height() - 8), QPointF(P.x(), 22));
        p.setPen(QPen(routeRed, 1.6));
        p.drawLine(QPointF(P.x(), 34), QPointF(P.x(), 18));
        arrowHead(p, QPointF(P.x(), 10), QPointF(0, -1), 12, 4.5, routeRed);
        labelAt(p, caption, routeRed, P.x() + 8, 18, QStringLiteral("路线前进方向"), false);
    }

    // structure outline
    p.setPen(QPen(structBlue, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(body);

    // axis (dash-dot), running a little beyond the ends
    {
        QPen pen(ink, 1.0);
        pen.setDashPattern({12, 3, 2, 3});
        p.setPen(pen);
        p.drawLine(leftEnd, rightEnd);
    }

    // Lz / Ly along the axis
    const QColor dimInk = dimGreen;
    {
        p.setPen(QPen(dimInk, 1.0));
        arrowHead(p, leftEnd, -a, 8, 3, dimInk);
        arrowHead(p, rightEnd, a, 8, 3, dimInk);
        label(p, symbol, dimInk, P - a * 82 + back * 13, QStringLiteral("Lz"));
        label(p, symbol, dimInk, P + a * 70 + back * 13, QStringLiteral("Ly"));
    }

    // Dh / Dq measured square to the axis
    {
        const QPointF q = P + a * 102;
        const QPointF tipBack = q + back * Dh;
        const QPointF tipFront = q - back * Dq;
        p.setPen(QPen(dimInk, 1.0));
        p.drawLine(tipBack, tipFront);
        arrowHead(p, tipBack, back, 7, 2.8, dimInk);
        arrowHead(p, tipFront, -back, 7, 2.8, dimInk);
        // small tick on the axis
        p.setPen(QPen(dimInk, 1.2));
        p.drawLine(q - a * 3, q + a * 3);
        label(p, symbol, dimInk, q + back * (Dh + 13) - a * 5, QStringLiteral("Dh"));
        label(p, symbol, dimInk, q - back * (Dq + 13), QStringLiteral("Dq"));
    }

    // skew angle B: clockwise from the forward direction to the axis
    {
        const qreal r = 40;
        p.setPen(QPen(routeRed, 1.1));
        p.setBrush(Qt::NoBrush);
        const qreal axisDeg = 90.0 - qRadiansToDegrees(B); // Qt angles are counter-clockwise
        p.drawArc(QRectF(P.x() - r, P.y() - r, 2 * r, 2 * r), int(axisDeg * 16 + 40),
                  int((90.0 - axisDeg) * 16 - 40));
        const QPointF tip = P + a * r;
        const QPointF tangent(std::cos(B), std::sin(B)); // clockwise tangent at the axis end
        arrowHead(p, tip, tangent, 7, 2.8, routeRed);
        const qreal mid = B / 2;
        label(p, symbol, routeRed, P + QPointF(std::sin(mid), -std::cos(mid)) * (r + 10),
              QStringLiteral("B"));
    }

    // centre point
    {
        p.setPen(QPen(ink, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(P, 3.2, 3.2);
        const QPointF textAt(P.x() + 62, P.y() + 52);
        p.setPen(QPen(ink, 0.8));
        p.drawLine(P + QPointF(3, 3), textAt + QPointF(-3, -5));
        labelAt(p, caption, ink, textAt.x(), textAt.y(), QStringLiteral("中心点 P"), false);
    }

    // axis ends and corners
    auto dot = [&p, &structBlue](QPointF c) {
        p.setPen(Qt::NoPen);
        p.setBrush(structBlue);
        p.drawEllipse(c, 2.2, 2.2);
    };
    for (const QPointF &c : {leftEnd, rightEnd, leftBack, leftFront, rightBack, rightFront})
        dot(c);
    const qreal gap = 6;
    labelAt(p, small, ink, leftFront.x() - gap, leftFront.y(), QStringLiteral("左前"), true);
    labelAt(p, small, ink, leftEnd.x() - gap, leftEnd.y(), QStringLiteral("左轴线"), true);
    labelAt(p, small, ink, leftBack.x() - gap, leftBack.y(), QStringLiteral("左后"), true);
    labelAt(p, small, ink, rightFront.x() + gap, rightFront.y(), QStringLiteral("右前"), false);
    labelAt(p, small, ink, rightEnd.x() + gap, rightEnd.y(), QStringLiteral("右轴线"), false);
    labelAt(p, small, ink, rightBack.x() + gap, rightBack.y(), QStringLiteral("右后"), false);

    p.setPen(QPen(QColor(150, 156, 164), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    g_family = pickFamily();

    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("data/Picture");
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    struct Job
    {
        const char *name;
        QImage image;
    };
    const Job jobs[] = {
        {"ooo.bmp", drawHighway()},
        {"ooo1.bmp", drawHints()},
        {"jie.BMP", drawCulvert()},
        {"jie1.BMP", drawLegend()},
    };

    int failures = 0;
    for (const Job &job : jobs) {
        const QString path = QDir(outDir).filePath(QString::fromLatin1(job.name));
        if (saveBmp24(job.image, path)) {
            std::printf("wrote %s (%dx%d)\n", qPrintable(path), job.image.width(),
                        job.image.height());
        } else {
            std::fprintf(stderr, "failed to write %s\n", qPrintable(path));
            ++failures;
        }
    }
    std::printf("font: %s\n", qPrintable(g_family));
    return failures ? 1 : 0;
}

#include "widgets/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quarvane {
namespace {

// The first installed family of the list, else the first Chinese family
// (a fixed-pitch one when that is asked for).
QString firstInstalled(const QStringList& families, bool fixedPitch)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese))
        if (!fixedPitch || QFontDatabase::isFixedPitch(family))
            return family;
    return QString();
}

} // namespace

QFont songFont(double pointSize, bool bold)
{
    static const QString family = firstInstalled({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                                  QStringLiteral("NSimSun"), QStringLiteral("WenQuanYi Zen Hei"),
                                                  QStringLiteral("WenQuanYi Micro Hei"),
                                                  QStringLiteral("Noto Sans CJK SC")},
                                                 false);
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont reportFont(double pointSize)
{
    static const QString family = firstInstalled({QStringLiteral("NSimSun"), QStringLiteral("新宋体"),
                                                  QStringLiteral("SimSun"), QStringLiteral("宋体"),
                                                  QStringLiteral("WenQuanYi Zen Hei Mono"),
                                                  QStringLiteral("WenQuanYi Micro Hei Mono"),
                                                  QStringLiteral("Noto Sans Mono CJK SC")},
                                                 true);
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace quarvane

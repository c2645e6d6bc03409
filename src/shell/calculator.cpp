#include "shell/calculator.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace quarvane {

QString startCalculator()
{
#ifdef Q_OS_WIN
    const QStringList candidates = {QStringLiteral("CALC.EXE")};
#elif defined(Q_OS_MACOS)
    const QStringList candidates = {QStringLiteral("/System/Applications/Calculator.app/Contents/MacOS/Calculator"),
                                    QStringLiteral("/Applications/Calculator.app/Contents/MacOS/Calculator")};
#else
    const QStringList candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                    QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                                    QStringLiteral("qalculate-gtk"),    QStringLiteral("qalculate-qt"),
                                    QStringLiteral("xcalc")};
#endif
    for (const QString& program : candidates) {
        const QString found = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
        if (found.isEmpty())
            continue;
        if (QProcess::startDetached(found, {}))
            return program;
    }
    return QString();
}

} // namespace quarvane

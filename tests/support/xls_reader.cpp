#include "support/xls_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QStandardPaths>

namespace quarvane::test {

namespace {

QString shownCell(const QJsonValue& cell)
{
    if (cell.isString())
        return quoted(cell.toString());
    const QJsonObject other = cell.toObject();
    return QStringLiteral("type %1 value %2").arg(other["ctype"].toInt()).arg(other["value"].toString());
}

} // namespace

QString pythonWithXlrd()
{
    static const QString found = [] {
        QStringList candidates;
        if (const QString chosen = qEnvironmentVariable("QUARVANE_PYTHON"); !chosen.isEmpty())
            candidates << chosen;
        candidates << QStandardPaths::findExecutable(QStringLiteral("python3")) << QStringLiteral("/usr/bin/python3");
        for (const QString& python : candidates) {
            if (python.isEmpty())
                continue;
            QProcess probe;
            probe.start(python, {QStringLiteral("-c"), QStringLiteral("import xlrd")});
            if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
                return python;
        }
        return QString();
    }();
    return found;
}

ReadBack readWithXlrd(const QString& path)
{
    ReadBack book;
    const QString python = pythonWithXlrd();
    if (python.isEmpty()) {
        book.error = QStringLiteral("no python3 with xlrd found: install python3-xlrd (or set QUARVANE_PYTHON)");
        return book;
    }
    QProcess reader;
    reader.start(python, {QStringLiteral(QUARVANE_XLS_READER), path});
    if (!reader.waitForFinished(120000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        book.error = QStringLiteral("xlrd could not read %1: %2").arg(path, QString::fromUtf8(reader.readAllStandardError()));
        return book;
    }
    QJsonParseError parseError;
    const QJsonObject result = QJsonDocument::fromJson(reader.readAllStandardOutput(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        book.error = QStringLiteral("reader output is not JSON: ") + parseError.errorString();
        return book;
    }
    book.warnings = result["warnings"].toString();
    book.biff = result["biff"].toInt();
    const QJsonArray sheets = result["sheets"].toArray();
    for (const QJsonValue& sheet : sheets)
        book.sheetNames << sheet["name"].toString();
    if (sheets.isEmpty())
        return book;
    const QJsonObject first = sheets.first().toObject();
    book.rows = first["nrows"].toInt();
    book.columns = first["ncols"].toInt();
    for (const QJsonValue& cell : first["cells"].toArray()) {
        const QJsonArray at = cell.toArray();
        book.cells[{at[0].toInt(), at[1].toInt()}] = shownCell(at[2]);
    }
    return book;
}

} // namespace quarvane::test

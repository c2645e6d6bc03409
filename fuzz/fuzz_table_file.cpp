// The table-file reader: the bytes of a file read as each of the four
// kinds of table, and every cell read as the engine reads it.
#include "fuzz_support.h"

#include "route/route_tables.h"
#include "text/fields.h"
#include "text/gbk_file.h"
#include "text/user_error.h"

using namespace quarvane;

namespace {

void readEveryCell(const DesignTable& table)
{
    for (int row = 1; row <= table.records(); ++row) {
        for (int j = 1; j <= table.fieldCount(); ++j) {
            if (table.kind() == TableKind::Lbp) {
                table.leadingNumber(row, j);
                continue;
            }
            try {
                table.number(row, j);
                table.packedDegrees(row, j);
            } catch (const UserError& e) {
                if (!e.message().contains(table.cellName(row, j)))
                    fuzz::broken(QStringLiteral("a cell's message does not name it: ") + e.message());
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("线路参数/路线.pin");
    QStringList lines;
    try {
        lines = decodeGbkLines(fuzz::bytesOf(data, size), name);
    } catch (const UserError& e) {
        if (!e.message().contains(name))
            fuzz::broken(QStringLiteral("a refused file is not named: ") + e.message());
        return 0;
    }
    for (TableKind kind : kAllKinds) {
        try {
            const DesignTable table = parseTableLines(lines, kind, name);
            if (table.records() != lines.size() - 1)
                fuzz::broken(QStringLiteral("records do not follow the lines"));
            for (int row = 1; row <= table.records(); ++row)
                for (int j = 1; j <= table.fieldCount(); ++j)
                    if (table(row, j) != recordField(lines[row], j))
                        fuzz::broken(QStringLiteral("cell (%1, %2) is not its field").arg(row).arg(j));
            readEveryCell(table);
        } catch (const UserError& e) {
            if (!e.message().contains(name))
                fuzz::broken(QStringLiteral("a refused table is not named: ") + e.message());
        }
    }
    return 0;
}

// A table file carried through to the computation: the first byte chooses
// the kind (.pin, .shu, .cho, .lbp), the rest is the file. Read as the
// loader reads it, the table takes its place in the demo route and the
// stakes of a few stations and the station and offset of a few measured
// points are computed, as the single-point and measured-point screens do.
#include "fuzz_support.h"

#include "inverse/station_offset.h"
#include "route/route_tables.h"
#include "stakeout/forward_screen.h"
#include "text/gbk_file.h"
#include "text/user_error.h"

using namespace quarvane;

namespace {

const RouteTables& demoRoute()
{
    static const RouteTables tables = loadRouteTablesAt(fuzz::dataDir() + QStringLiteral("/线路参数/演示线路"));
    return tables;
}

// Stations before, on and after the demo route, and the measured points
// of its demo file and one far from it.
const double kStations[] = {-50, 0, 419.06, 1234.5, 2300, 2999.99, 1e6};
const char* const kPoints[][3] = {{"3426354.294", "508804.693", "238.841"},
                                  {"3426527.743", "509221.079", "243.743"},
                                  {"3426599.27", "509836.662", "244.5"},
                                  {"0", "0", ""}};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    demoRoute();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const TableKind kind = kAllKinds[data[0] % 4];
    const QString name = QStringLiteral("线路参数/路线") + tableInfo(kind).extension;
    RouteTables tables = demoRoute();
    try {
        tables.table(kind) = parseTableLines(decodeGbkLines(fuzz::bytesOf(data + 1, size - 1), name), kind, name);
    } catch (const UserError&) {
        return 0;
    }

    const MedianGrid Text13 = initialMedianGrid();
    for (double P : kStations) {
        try {
            StakeGrid grid = emptyStakeGrid();
            computeStakes(grid, StakeInputs{P, 12.5, 12.5, 1.5, 1.5}, tables);
        } catch (const UserError& e) {
            if (e.message().isEmpty())
                fuzz::broken(QStringLiteral("an error without a message"));
        }
    }
    InverseState state;
    for (const auto& p : kPoints) {
        try {
            stationAndOffset(QString::fromLatin1(p[0]), QString::fromLatin1(p[1]), QString::fromLatin1(p[2]), tables,
                             state);
        } catch (const UserError& e) {
            if (e.message().isEmpty())
                fuzz::broken(QStringLiteral("an error without a message"));
        }
    }
    return 0;
}

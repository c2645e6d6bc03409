#include "geometry/sqx.h"

#include "text/number_text.h"
#include "text/user_error.h"

#include <cmath>

namespace quarvane {
namespace {

[[noreturn]] void beyondLastRow(const DesignTable& table, double P)
{
    throw UserError(QStringLiteral("桩号%1超出%2第%3行（最后一行）的范围。")
                        .arg(plainNumber(P), table.info().title)
                        .arg(kMaxRecords));
}

// The superelevation row of one side: the first row whose start station is
// not passed by P, looked up while the next row's start, start slope and
// end station do not add up to 0 (the end of that side's data).
int crossSlopeRow(const DesignTable& yaosuc, double P, int startColumn)
{
    int n = 1;
    for (;;) {
        if (n == kMaxRecords) {
            if (P > yaosuc.number(n, startColumn))
                beyondLastRow(yaosuc, P);
            return n;
        }
        const double start = yaosuc.number(n + 1, startColumn);
        const double sum = start + yaosuc.number(n + 1, startColumn + 1) + yaosuc.number(n + 1, startColumn + 2);
        if (!(P > start && sum != 0))
            return n;
        ++n;
    }
}

} // namespace

SqxResult SQX(double P, double Dz, double Dy, double Dzf, double Dyf, const DesignTable& yaosus,
              const DesignTable& yaosuc)
{
    SqxResult out;

    int n = 1;
    for (;;) {
        if (n == kMaxRecords) {
            if (P > yaosus.number(n, 2) - yaosus.number(n, 5))
                beyondLastRow(yaosus, P);
            break;
        }
        const double nextB = yaosus.number(n + 1, 2);
        if (!(P > nextB - yaosus.number(n + 1, 5) && nextB != 0))
            break;
        ++n;
    }
    out.vipRow = n;
    const double B = yaosus.number(n, 2), H = yaosus.number(n, 3), r = yaosus.number(n, 4);
    const double T1 = yaosus.number(n, 5), i = yaosus.number(n, 7), j = yaosus.number(n, 8);
    const double X = P - B;
    double W = 0;
    if (std::fabs(X) < T1) {
        if (r == 0)
            throw UserError(QStringLiteral("%1为0，桩号%2在竖曲线范围内，无法计算高程。")
                                .arg(yaosus.cellName(n, 4), plainNumber(P)));
        W = (T1 - std::fabs(X)) * (T1 - std::fabs(X)) / (2 * r);
    }
    if (j - i < 0)
        W = -W;
    out.Z = X <= 0 ? H + X * i / 100 + W : H + X * j / 100 + W;

    const int left = crossSlopeRow(yaosuc, P, 2);
    double S = yaosuc.number(left, 2), si = yaosuc.number(left, 3);
    double E = yaosuc.number(left, 4), sj = yaosuc.number(left, 5);
    if (E - S == 0)
        return out;
    out.Zz = out.Z + (Dz - Dzf) * (si / 100 + ((P - S) * (sj - si) / 100) / (E - S));

    const int right = crossSlopeRow(yaosuc, P, 6);
    S = yaosuc.number(right, 6), si = yaosuc.number(right, 7);
    E = yaosuc.number(right, 8), sj = yaosuc.number(right, 9);
    if (E - S == 0)
        throw UserError(QStringLiteral("%1第%2行：右幅起点桩号与终点桩号相同（%3），无法内插横坡。")
                            .arg(yaosuc.info().title)
                            .arg(right)
                            .arg(plainNumber(S)));
    out.Zy = out.Z + (Dy - Dyf) * (si / 100 + ((P - S) * (sj - si) / 100) / (E - S));
    return out;
}

} // namespace quarvane

#include "stakeout/entry_navigation.h"

namespace quarvane {

FocusTarget cell(Grid grid, int index) { return FocusTarget{grid, index, QString()}; }
FocusTarget buttonTarget(const QString& name) { return FocusTarget{Grid::Text1, -1, name}; }

std::optional<FocusTarget> handOver(Grid grid, int index)
{
    switch (grid) {
    case Grid::Text1:
        if (index == 23)
            return cell(Grid::Text1, 6);
        break;
    case Grid::Text5:
        if (index == 23)
            return cell(Grid::Text4, 5);
        if (index == 9)
            return cell(Grid::Text5, 6);
        break;
    case Grid::Text10:
        if (index == 7)
            return cell(Grid::Text10, 4);
        break;
    case Grid::Text12:
        return cell(Grid::Text11, 6);
    default:
        break;
    }
    return std::nullopt;
}

namespace {

// A chain of cells walked forward by Enter and Right, back by Left; the
// last cell leads to a button.
std::optional<FocusTarget> walk(Grid grid, std::initializer_list<int> chain, const char* button, int index,
                                NavKey key)
{
    const int* cells = chain.begin();
    const int n = int(chain.size());
    for (int k = 0; k < n; ++k) {
        if (cells[k] != index)
            continue;
        if (key == NavKey::Enter || key == NavKey::Right)
            return k + 1 < n ? cell(grid, cells[k + 1]) : buttonTarget(QLatin1String(button));
        if (key == NavKey::Left && k > 0)
            return cell(grid, cells[k - 1]);
    }
    return std::nullopt;
}

} // namespace

std::optional<FocusTarget> keyMove(Grid grid, int index, NavKey key, bool batchShown)
{
    switch (grid) {
    case Grid::Text1:
        if (index == 23)
            return cell(Grid::Text1, 6);
        return walk(grid, {6, 14, 20}, "comp1", index, key);
    case Grid::Text13:
        if (key != NavKey::Enter && key != NavKey::Right)
            return std::nullopt;
        if (index == 1)
            return cell(Grid::Text13, 3);
        if (index == 3)
            return batchShown ? cell(Grid::Text4, 5) : cell(Grid::Text1, 6);
        return std::nullopt;
    case Grid::Text5:
        return walk(grid, {6, 14, 20}, "insert1", index, key);
    case Grid::Text4:
        return walk(grid, {5, 6, 7, 8, 9}, "comp2", index, key);
    case Grid::Text10:
        return walk(grid, {4, 5, 12}, "zhuangcomp", index, key);
    case Grid::Text11:
        return walk(grid, {6, 7, 8, 9, 10, 11}, "jiegoucomp", index, key);
    case Grid::Text12:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace quarvane

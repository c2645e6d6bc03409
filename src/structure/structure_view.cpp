#include "structure/structure_view.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace quarvane {
namespace {

using namespace entry_layout;

CellRole inputRole(int index) { return index < 6 ? CellRole{true, true} : CellRole{}; }

// The header row shaded, the point captions (column 1 of each point row) fixed.
CellRole pointRole(int index)
{
    if (index < 5)
        return {true, true};
    return {index % 5 == 1, false};
}

} // namespace

StructureView::StructureView(ShellState& state, QFrame* Frame5, const QWidget* HV, Run run,
                             std::function<SaveChoice()> chooseSaveFile, QObject* parent)
    : EntryGridView(state, std::move(run), std::move(chooseSaveFile), parent)
{
    addGrid(Text11, Grid::Text11, state_.structure.Text11, Frame5, inputRole);
    addGrid(Text12, Grid::Text12, state_.structure.Text12, Frame5, pointRole);
    jiegoucomp = addButton(Frame5, "jiegoucomp", QStringLiteral("计 算"));
    jiegouok = addButton(Frame5, "jiegouok", QStringLiteral("确 定"));
    jiegousavel = addButton(Frame5, "jiegousavel", QStringLiteral("保 存"));
    jiegoucancel = addButton(Frame5, "jiegoucancel", QStringLiteral("取 消"));

    // The inputs across the whole width; under them the point grid, with
    // the buttons in a column at its right.
    const QRect area = usableArea(Frame5, kMargin, HV);
    const int rowHeight = std::min(kMaxCellHeight, (area.height() - kMargin) / 10);
    layCells(Text11, 2, 6, area, rowHeight);
    const QList<QPushButton*> buttons{jiegoucomp, jiegouok, jiegousavel, jiegoucancel};
    const int width = buttonWidth(buttons);
    QRect points = area;
    points.setTop(area.top() + 2 * rowHeight + kMargin);
    points.setRight(area.right() - width - kMargin);
    layCells(Text12, 8, 5, points, rowHeight);
    const int gap = (8 * rowHeight - 4 * kButtonHeight) / 5;
    for (int k = 0; k < 4; ++k)
        buttons[k]->setGeometry(area.right() + 1 - width, points.top() + gap + k * (kButtonHeight + gap), width,
                                kButtonHeight);

    // The station stays selected for the next structure, the focus on the button.
    onClick(jiegoucomp, [this] { state_.jiegoucomp(); }, [this] { Text11[6]->setSelection(0, kSelectionLength); });
    onClick(jiegouok, [this] { state_.jiegouok(); });
    onClick(jiegoucancel, [this] { state_.jiegoucancel(); });
    onSave(jiegousavel, &ShellState::jiegousavel);
    tabOrder({Text11[6], Text11[7], Text11[8], Text11[9], Text11[10], Text11[11], jiegoucomp, jiegouok, jiegousavel,
              jiegoucancel});
}

} // namespace quarvane

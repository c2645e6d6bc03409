#include "stakeout/stake_grids_view.h"

#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

namespace quarvane {
namespace {

using namespace entry_layout;

CellRole medianRole(int index) { return index == 0 || index == 2 ? CellRole{true, true} : CellRole{}; }
CellRole rangeRole(int index) { return index < 5 ? CellRole{true, true} : CellRole{}; }
// The stake grids: the caption row shaded, the stake names fixed.
CellRole stakeRole(int index)
{
    if (index < 6)
        return {true, true};
    return {index == 7 || index == 13 || index == 19, false};
}

// A stake grid (4 rows of 6) over a row of buttons.
void layStakeScreen(std::span<QLineEdit* const> boxes, const QList<QPushButton*>& buttons, QRect area)
{
    const int rowHeight = std::min(kMaxCellHeight, (area.height() - kButtonHeight - kMargin) / 4);
    layCells(boxes, 4, 6, area, rowHeight);
    layButtons(buttons, area);
}

// The file type's extension: "xls" for "EXCEL(*.xls)".
QString suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^)\\s;]+)"));
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : kSaveDefaultSuffix;
}

// The save dialog. The default suffix follows the file type chosen: it is
// set again when the user picks a type and when the dialog is accepted.
class SaveDialog : public QFileDialog {
public:
    explicit SaveDialog(QWidget* parent) : QFileDialog(parent, kSaveTitle)
    {
        setAcceptMode(QFileDialog::AcceptSave);
        setNameFilters(saveFilters());
        setDefaultSuffix(kSaveDefaultSuffix);
        connect(this, &QFileDialog::filterSelected, this,
                [this](const QString& filter) { setDefaultSuffix(suffixOf(filter)); });
    }

    void accept() override
    {
        setDefaultSuffix(suffixOf(selectedNameFilter()));
        QFileDialog::accept();
    }
};

} // namespace

SaveChoice askSaveFile(QWidget* parent)
{
    SaveDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return {QString(), 1};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return {QString(), 1};
    const int index = int(saveFilters().indexOf(dialog.selectedNameFilter()));
    return {files.first(), index < 0 ? 1 : index + 1};
}

StakeGridsView::StakeGridsView(ShellState& state, const Frames& frames, Run run,
                               std::function<SaveChoice()> chooseSaveFile, QObject* parent)
    : EntryGridView(state, std::move(run), std::move(chooseSaveFile), parent)
{
    addGrid(Text13, Grid::Text13, state_.Text13, frames.Frame6, medianRole);
    addGrid(Text1, Grid::Text1, state_.single.Text1, frames.out1, stakeRole);
    addGrid(Text4, Grid::Text4, state_.batch.Text4, frames.inputpiliang1, rangeRole);
    addGrid(Text5, Grid::Text5, state_.batch.Text5, frames.out2, stakeRole);

    comp1 = addButton(frames.out1, "comp1", QStringLiteral("计 算"));
    ok11 = addButton(frames.out1, "ok11", QStringLiteral("确 定"));
    save11 = addButton(frames.out1, "save11", QStringLiteral("保 存"));
    cancel11 = addButton(frames.out1, "cancel11", QStringLiteral("取 消"));
    insert1 = addButton(frames.out2, "insert1", QStringLiteral("插入点"));
    comp2 = addButton(frames.out2, "comp2", QStringLiteral("计 算"));
    savel2 = addButton(frames.out2, "savel2", QStringLiteral("保 存"));
    cancel12 = addButton(frames.out2, "cancel12", QStringLiteral("取 消"));

    // The batch grid lies over the lower band of the batch range's frame.
    const QRect median = usableArea(frames.Frame6, kThinMargin);
    layCells(Text13, 1, 4, median, median.height());
    layStakeScreen(Text1, {comp1, ok11, save11, cancel11}, usableArea(frames.out1, kMargin));
    const QRect range = usableArea(frames.inputpiliang1, kThinMargin, frames.out2);
    layCells(Text4, 2, 5, range, std::min(kMaxCellHeight, range.height() / 2));
    layStakeScreen(Text5, {insert1, comp2, savel2, cancel12}, usableArea(frames.out2, kMargin));

    // The station is left selected for the next one, the focus where it was.
    onClick(comp1, [this] { state_.comp1(); }, [this] { Text1[6]->setSelection(0, kSelectionLength); });
    onClick(ok11, [this] { state_.ok11(); });
    onClick(cancel11, [this] { state_.cancel11(); });
    onClick(comp2, [this] { state_.comp2(); });
    onClick(insert1, [this] { state_.insert1(); });
    onClick(cancel12, [this] { state_.cancel12(); });
    onSave(save11, &ShellState::save11);
    onSave(savel2, &ShellState::savel2);
    tabOrder({Text13[1], Text13[3], Text1[6], Text1[14], Text1[20], comp1, ok11, save11, cancel11});
    tabOrder({Text13[3], Text4[5], Text4[6], Text4[7], Text4[8], Text4[9], comp2, Text5[6], Text5[14], Text5[20],
              insert1, savel2, cancel12});
}

} // namespace quarvane

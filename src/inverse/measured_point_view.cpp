#include "inverse/measured_point_view.h"

#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace quarvane {
namespace {

using namespace entry_layout;

constexpr int kCaptions[] = {0, 1, 8, 2, 3, 9, 10, 17, 11};

CellRole measuredRole(int index)
{
    return std::ranges::find(kCaptions, index) != std::end(kCaptions) ? CellRole{true, true} : CellRole{};
}

} // namespace

QStringList openFilters() { return {QStringLiteral("TEXT(*.txt)"), QStringLiteral("CSV(*.csv)")}; }

QString askOpenFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("打开"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(openFilters());
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

MeasuredPointView::MeasuredPointView(ShellState& state, QFrame* zhuang, const QWidget* HV, Run run,
                                     std::function<SaveChoice()> chooseSaveFile, QObject* parent)
    : EntryGridView(state, std::move(run), std::move(chooseSaveFile), parent)
{
    addGrid(Text10, Grid::Text10, state_.measured.Text10, zhuang, measuredRole);
    zhuangcomp = addButton(zhuang, "zhuangcomp", QStringLiteral("计 算"));
    zhuangok = addButton(zhuang, "zhuangok", QStringLiteral("确 定"));
    zhuangsavel = addButton(zhuang, "zhuangsavel", QStringLiteral("保 存"));
    zhuangcancel = addButton(zhuang, "zhuangcancel", QStringLiteral("取 消"));

    // The three measured values under their captions across the width (each
    // input spans two result columns), the six results under theirs, the
    // buttons at the bottom; equal gaps between the three bands.
    const QRect area = usableArea(zhuang, kMargin, HV);
    const int rowHeight = std::min(kMaxCellHeight, (area.height() - kButtonHeight - 2 * kMargin) / 4);
    const int gap = (area.height() - 4 * rowHeight - kButtonHeight) / 2;
    const auto& t = Text10;
    const std::array<QLineEdit*, 3> inputCaptions{t[0], t[1], t[8]}, inputs{t[4], t[5], t[12]};
    const std::array<QLineEdit*, 6> resultCaptions{t[2], t[3], t[9], t[10], t[17], t[11]},
        results{t[6], t[7], t[13], t[14], t[16], t[15]};
    layRow(inputCaptions, area, area.top(), rowHeight);
    layRow(inputs, area, area.top() + rowHeight, rowHeight);
    layRow(resultCaptions, area, area.top() + 2 * rowHeight + gap, rowHeight);
    layRow(results, area, area.top() + 3 * rowHeight + gap, rowHeight);
    layButtons({zhuangcomp, zhuangok, zhuangsavel, zhuangcancel}, area);

    onClick(zhuangcomp, [this] { state_.zhuangcomp(); });
    onClick(zhuangok, [this] { state_.zhuangok(); });
    onClick(zhuangcancel, [this] { state_.zhuangcancel(); });
    onSave(zhuangsavel, &ShellState::zhuangsavel);
    tabOrder({Text10[4], Text10[5], Text10[12], zhuangcomp, zhuangok, zhuangsavel, zhuangcancel});
}

} // namespace quarvane

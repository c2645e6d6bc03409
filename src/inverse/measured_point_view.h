#pragma once

// The measured-point screen in the main window (frame `zhuang`, opened by
// 坐标输入 and 坐标读取): the grid `Text10` of the measured X, Y and
// elevation over the computed station, offset and comparison, and its four
// buttons. The cells are the state's cells (see EntryGridView).

#include "stakeout/entry_grid_view.h"

#include <QStringList>

namespace quarvane {

// The file types of the open dialog of 坐标读取, in their order.
QStringList openFilters();

// The open dialog of 坐标读取: title 打开, the text and CSV file types,
// default suffix txt, an existing file only. An empty name when the user
// cancels it.
QString askOpenFile(QWidget* parent);

class MeasuredPointView : public EntryGridView {
    Q_OBJECT
public:
    // `zhuang` is the frame to fill; the list panel `HV` covers its lower band.
    MeasuredPointView(ShellState& state, QFrame* zhuang, const QWidget* HV, Run run,
                      std::function<SaveChoice()> chooseSaveFile, QObject* parent);

    std::array<QLineEdit*, 18> Text10{};
    QPushButton *zhuangcomp, *zhuangok, *zhuangsavel, *zhuangcancel;
};

} // namespace quarvane

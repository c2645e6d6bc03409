#pragma once

// The main window `form1`: menu bar, the two pictures, the welcome title,
// the list panel shared by every screen, the route screens, and the frames
// the computing screens fill. It shows a ShellState and turns clicks, scroll
// bar moves and focus changes into the state's functions.

#include "route/design_table.h"
#include "shell/shell_state.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace quarvane {

class EntryGridView;
class MeasuredPointView;
class StakeGridsView;
class StructureView;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QString FilePosition, QWidget* parent = nullptr);

    ShellState& state() { return state_; }

    // Seams the tests replace: how a message is shown, how a deletion is
    // confirmed, how an editor is opened, how the calculator is started,
    // how the save and open dialogs answer (an empty name: cancelled), how
    // the outcome of 坐标读取 is told.
    std::function<void(const QString&)> showMessage;
    std::function<void(const QString&)> showInformation;
    std::function<bool()> confirmDelete;
    std::function<void(TableKind)> openEditor;
    std::function<QString()> launchCalculator;
    std::function<SaveChoice()> chooseSaveFile;
    std::function<QString()> chooseOpenFile;

    // Menu items.
    QAction *choose, *calculate, *point, *batch, *zhuanghao, *xyin, *xyread, *jgw, *jsq;

    // Fixed elements and panels.
    QFrame *Frame1, *HV, *lis, *Frame2, *Frame3, *add, *Frame6, *out1, *inputpiliang1, *out2, *zhuang, *Frame5;
    QLabel *Picture1, *Picture2, *Label1, *Label3, *Label4;
    QListWidget* List1;
    QScrollBar *VScroll1, *HScroll1;
    QLineEdit *XLming, *Text2;
    QPushButton *xlok, *xladd, *xldel, *xledi, *addok, *addcan, *ediok, *ediret;
    // The single-point and batch screens inside Frame6, out1, inputpiliang1, out2.
    StakeGridsView* stakeGrids = nullptr;
    // The measured-point screen inside zhuang, the structure screen inside Frame5.
    MeasuredPointView* measuredView = nullptr;
    StructureView* structureView = nullptr;

    // Shows the state in the widgets.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a state change; a UserError is shown and leaves the state as the
    // change left it (false).
    bool run(const std::function<void()>& change);
    void buildMenus();
    void buildPanels(QWidget* central);
    // 坐标读取 after its screen opened: the file asked for, read, and the
    // outcome told.
    void readCoordinates();
    // The report list shows the state's lines.
    void showListLines();

    ShellState state_;
    QList<EntryGridView*> screens_;   // the views of the computing screens
    QStringList shownList_;
    QString shownP1_, shownP2_;
    bool refreshing_ = false;
};

} // namespace quarvane

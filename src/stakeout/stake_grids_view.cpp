#include "stakeout/stake_grids_view.h"

#include "shell/fonts.h"

#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

namespace quarvane {
namespace {

// A cell that gets the focus selects this many characters from the start.
constexpr int kSelectionLength = 15;
constexpr double kCellPoints = 12;
constexpr double kButtonPoints = 10.5;
constexpr int kMargin = 6;          // pixels between a frame's border and its content
constexpr int kThinMargin = 2;      // the same in the frames only a row or two high
constexpr int kMaxCellHeight = 32;
constexpr int kButtonHeight = 30;
constexpr int kMinButtonWidth = 96;

const QColor kCaptionShade(192, 255, 192);

// How a cell looks: fixed captions are bold and cannot be edited; the
// caption rows are shaded.
struct CellRole {
    bool caption = false;
    bool shaded = false;
};

CellRole roleOf(Grid grid, int index)
{
    switch (grid) {
    case Grid::Text13:
        return index == 0 || index == 2 ? CellRole{true, true} : CellRole{};
    case Grid::Text4:
        return index < 5 ? CellRole{true, true} : CellRole{};
    case Grid::Text1:
    case Grid::Text5:
        if (index < 6)
            return {true, true};
        return {index == 7 || index == 13 || index == 19, false};
    default:
        return {};
    }
}

const char* gridName(Grid grid)
{
    switch (grid) {
    case Grid::Text1: return "Text1";
    case Grid::Text13: return "Text13";
    case Grid::Text4: return "Text4";
    case Grid::Text5: return "Text5";
    default: return "cell";
    }
}

// The part of a frame the user sees, less its border and margin: the
// window's client area cuts off what lies past its right or bottom edge,
// and a panel shown on top of the frame's lower part covers that band.
QRect usableArea(const QFrame* frame, int margin, const QWidget* coversBottom = nullptr)
{
    QRect area = frame->rect();
    const QWidget* client = frame->parentWidget();
    area.setRight(std::min(area.right(), client->width() - 1 - frame->x()));
    area.setBottom(std::min(area.bottom(), client->height() - 1 - frame->y()));
    if (coversBottom && coversBottom->y() > frame->y())
        area.setBottom(std::min(area.bottom(), coversBottom->y() - frame->y() - 1));
    const int inset = frame->frameWidth() + margin;
    return area.adjusted(inset, inset, -inset, -inset);
}

// Boxes laid out as a table of `rows` x `columns` touching cells of one
// height, index = columns x row + column; the columns share the width evenly.
template <std::size_t N>
void layCells(const std::array<QLineEdit*, N>& boxes, int rows, int columns, QRect area, int rowHeight)
{
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int left = area.left() + area.width() * c / columns;
            const int right = area.left() + area.width() * (c + 1) / columns;
            boxes[std::size_t(r * columns + c)]->setGeometry(left, area.top() + r * rowHeight, right - left, rowHeight);
        }
    }
}

// Buttons of one width (the widest caption's) in a row along the bottom of
// the area, with equal gaps between and beside them.
void layButtons(const QList<QPushButton*>& buttons, QRect area)
{
    int width = kMinButtonWidth;
    for (const QPushButton* b : buttons)
        width = std::max(width, b->sizeHint().width());
    const int n = int(buttons.size());
    width = std::min(width, area.width() / n);
    const int gap = (area.width() - n * width) / (n + 1);
    const int top = area.bottom() + 1 - kButtonHeight;
    for (int k = 0; k < n; ++k)
        buttons[k]->setGeometry(area.left() + gap + k * (width + gap), top, width, kButtonHeight);
}

// A stake grid (4 rows of 6) over a row of buttons.
template <std::size_t N>
void layStakeScreen(const std::array<QLineEdit*, N>& boxes, const QList<QPushButton*>& buttons, QRect area)
{
    const int rowHeight = std::min(kMaxCellHeight, (area.height() - kButtonHeight - kMargin) / 4);
    layCells(boxes, 4, 6, area, rowHeight);
    layButtons(buttons, area);
}

QPushButton* makeButton(QWidget* frame, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, frame);
    b->setObjectName(QLatin1String(name));
    b->setFont(songFont(kButtonPoints));
    return b;
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
    : QObject(parent), state_(state), run_(std::move(run)), chooseSaveFile_(std::move(chooseSaveFile))
{
    buildGrid(Text13, Grid::Text13, frames.Frame6);
    buildGrid(Text1, Grid::Text1, frames.out1);
    buildGrid(Text4, Grid::Text4, frames.inputpiliang1);
    buildGrid(Text5, Grid::Text5, frames.out2);

    comp1 = makeButton(frames.out1, "comp1", QStringLiteral("计 算"));
    ok11 = makeButton(frames.out1, "ok11", QStringLiteral("确 定"));
    save11 = makeButton(frames.out1, "save11", QStringLiteral("保 存"));
    cancel11 = makeButton(frames.out1, "cancel11", QStringLiteral("取 消"));
    insert1 = makeButton(frames.out2, "insert1", QStringLiteral("插入点"));
    comp2 = makeButton(frames.out2, "comp2", QStringLiteral("计 算"));
    savel2 = makeButton(frames.out2, "savel2", QStringLiteral("保 存"));
    cancel12 = makeButton(frames.out2, "cancel12", QStringLiteral("取 消"));
    buttons_ = {comp1, ok11, save11, cancel11, insert1, comp2, savel2, cancel12};
    for (QPushButton* b : buttons_)
        b->installEventFilter(this);

    // The batch grid lies over the lower band of the batch range's frame.
    const QRect median = usableArea(frames.Frame6, kThinMargin);
    layCells(Text13, 1, 4, median, median.height());
    layStakeScreen(Text1, {comp1, ok11, save11, cancel11}, usableArea(frames.out1, kMargin));
    const QRect range = usableArea(frames.inputpiliang1, kThinMargin, frames.out2);
    layCells(Text4, 2, 5, range, std::min(kMaxCellHeight, range.height() / 2));
    layStakeScreen(Text5, {insert1, comp2, savel2, cancel12}, usableArea(frames.out2, kMargin));

    auto press = [this](QPushButton* b, std::function<void()> change) {
        connect(b, &QPushButton::clicked, this, [this, change] { run_(change); });
    };
    connect(comp1, &QPushButton::clicked, this, [this] {
        // The station is left selected for the next one, the focus where it was.
        if (run_([this] { state_.comp1(); }))
            Text1[6]->setSelection(0, kSelectionLength);
    });
    press(ok11, [this] { state_.ok11(); });
    press(cancel11, [this] { state_.cancel11(); });
    press(comp2, [this] { state_.comp2(); });
    press(insert1, [this] { state_.insert1(); });
    press(cancel12, [this] { state_.cancel12(); });
    connect(save11, &QPushButton::clicked, this, [this] { save(&ShellState::save11); });
    connect(savel2, &QPushButton::clicked, this, [this] { save(&ShellState::savel2); });
}

template <std::size_t N>
void StakeGridsView::buildGrid(std::array<QLineEdit*, N>& boxes, Grid grid, QWidget* frame)
{
    for (std::size_t k = 0; k < N; ++k) {
        const int index = int(k);
        const CellRole role = roleOf(grid, index);
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(gridName(grid))).arg(index));
        edit->setFont(songFont(kCellPoints, role.caption));
        if (role.caption) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
            edit->setAlignment(Qt::AlignCenter);
        }
        if (role.shaded) {
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, kCaptionShade);
            edit->setPalette(palette);
        }
        edit->setText(stateCell(grid, index));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this,
                [this, grid, index](const QString& text) { stateCell(grid, index) = text; });
        cells_.emplace(edit, std::pair{grid, index});
        boxes[k] = edit;
    }
}

QString& StakeGridsView::stateCell(Grid grid, int index)
{
    const auto k = std::size_t(index);
    switch (grid) {
    case Grid::Text13: return state_.Text13[k];
    case Grid::Text1: return state_.single.Text1[k];
    case Grid::Text4: return state_.batch.Text4[k];
    default: return state_.batch.Text5[k];
    }
}

QLineEdit* StakeGridsView::box(Grid grid, int index) const
{
    auto pick = [index](const auto& boxes) -> QLineEdit* {
        return index >= 0 && index < int(boxes.size()) ? boxes[std::size_t(index)] : nullptr;
    };
    switch (grid) {
    case Grid::Text13: return pick(Text13);
    case Grid::Text1: return pick(Text1);
    case Grid::Text4: return pick(Text4);
    case Grid::Text5: return pick(Text5);
    default: return nullptr;
    }
}

QPushButton* StakeGridsView::buttonNamed(const QString& name) const
{
    for (QPushButton* b : buttons_)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

void StakeGridsView::refresh()
{
    for (const auto& [edit, where] : cells_) {
        const QString& text = stateCell(where.first, where.second);
        if (edit->text() != text)
            edit->setText(text);
    }
}

bool StakeGridsView::focus(const FocusTarget& target)
{
    QWidget* widget = target.button.isEmpty() ? static_cast<QWidget*>(box(target.grid, target.index))
                                              : buttonNamed(target.button);
    if (!widget)
        return false;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->hasFocus())
        edit->setSelection(0, kSelectionLength);
    return true;
}

void StakeGridsView::save(void (ShellState::*saveButton)(const SaveChoice&))
{
    const SaveChoice choice = chooseSaveFile_();
    if (choice.fileName.isEmpty())
        return;
    run_([this, saveButton, choice] { (state_.*saveButton)(choice); });
}

bool StakeGridsView::cellKey(Grid grid, int index, int key)
{
    NavKey nav = NavKey::Other;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: nav = NavKey::Enter; break;
    case Qt::Key_Right: nav = NavKey::Right; break;
    case Qt::Key_Left: nav = NavKey::Left; break;
    default: break;
    }
    const std::optional<FocusTarget> next = keyMove(grid, index, nav, state_.panels.out2);
    if (!next)
        return false;
    // The key moves the focus only: it neither moves the caret nor presses
    // the button it lands on.
    focus(*next);
    return true;
}

bool StakeGridsView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);

    if (const auto cell = cells_.find(qobject_cast<QLineEdit*>(watched)); cell != cells_.end()) {
        const auto [grid, index] = cell->second;
        if (type == QEvent::FocusIn) {
            if (const std::optional<FocusTarget> next = handOver(grid, index)) {
                focus(*next);
                return true;
            }
            cell->first->setSelection(0, kSelectionLength);
            return false;
        }
        return cellKey(grid, index, static_cast<QKeyEvent*>(event)->key());
    }

    // A focused button is pressed by Enter as well as by the space bar.
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* b = qobject_cast<QPushButton*>(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && b && buttons_.contains(b)) {
            b->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quarvane

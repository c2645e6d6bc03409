#include "stakeout/entry_grid_view.h"

#include "widgets/fonts.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace quarvane {
namespace {

constexpr double kCellPoints = 12;
constexpr double kButtonPoints = 10.5;

const char* gridName(Grid grid)
{
    switch (grid) {
    case Grid::Text1: return "Text1";
    case Grid::Text13: return "Text13";
    case Grid::Text4: return "Text4";
    case Grid::Text5: return "Text5";
    case Grid::Text10: return "Text10";
    case Grid::Text11: return "Text11";
    case Grid::Text12: return "Text12";
    }
    return "cell";
}

} // namespace

namespace entry_layout {

QRect usableArea(const QFrame* frame, int margin, const QWidget* coversBottom)
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

void layRow(std::span<QLineEdit* const> boxes, QRect area, int top, int height)
{
    const int n = int(boxes.size());
    for (int c = 0; c < n; ++c) {
        const int left = area.left() + area.width() * c / n;
        const int right = area.left() + area.width() * (c + 1) / n;
        boxes[std::size_t(c)]->setGeometry(left, top, right - left, height);
    }
}

void layCells(std::span<QLineEdit* const> boxes, int rows, int columns, QRect area, int rowHeight)
{
    for (int r = 0; r < rows; ++r)
        layRow(boxes.subspan(std::size_t(r * columns), std::size_t(columns)), area, area.top() + r * rowHeight,
               rowHeight);
}

int buttonWidth(const QList<QPushButton*>& buttons)
{
    int width = kMinButtonWidth;
    for (const QPushButton* b : buttons)
        width = std::max(width, b->sizeHint().width());
    return width;
}

void layButtons(const QList<QPushButton*>& buttons, QRect area)
{
    const int n = int(buttons.size());
    const int width = std::min(buttonWidth(buttons), area.width() / n);
    const int gap = (area.width() - n * width) / (n + 1);
    const int top = area.bottom() + 1 - kButtonHeight;
    for (int k = 0; k < n; ++k)
        buttons[k]->setGeometry(area.left() + gap + k * (width + gap), top, width, kButtonHeight);
}

} // namespace entry_layout

EntryGridView::EntryGridView(ShellState& state, Run run, std::function<SaveChoice()> chooseSaveFile,
                             QObject* parent)
    : QObject(parent), state_(state), run_(std::move(run)), chooseSaveFile_(std::move(chooseSaveFile))
{
}

QLineEdit* EntryGridView::addCell(QWidget* frame, Grid grid, int index, QString& text, CellRole role)
{
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
    edit->setText(text);
    edit->installEventFilter(this);
    QString* cell = &text;
    connect(edit, &QLineEdit::textEdited, this, [cell](const QString& edited) { *cell = edited; });
    cells_.emplace(edit, Cell{grid, index, cell});
    boxes_.emplace(std::pair{grid, index}, edit);
    return edit;
}

QPushButton* EntryGridView::addButton(QWidget* frame, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, frame);
    b->setObjectName(QLatin1String(name));
    b->setFont(songFont(kButtonPoints));
    b->installEventFilter(this);
    buttons_.append(b);
    return b;
}

void EntryGridView::onClick(QPushButton* button, std::function<void()> change, std::function<void()> then)
{
    connect(button, &QPushButton::clicked, this, [this, change = std::move(change), then = std::move(then)] {
        if (run_(change) && then)
            then();
    });
}

void EntryGridView::onSave(QPushButton* button, void (ShellState::*saveButton)(const SaveChoice&))
{
    connect(button, &QPushButton::clicked, this, [this, saveButton] {
        const SaveChoice choice = chooseSaveFile_();
        if (choice.fileName.isEmpty())
            return;
        run_([this, saveButton, choice] { (state_.*saveButton)(choice); });
    });
}

QLineEdit* EntryGridView::box(Grid grid, int index) const
{
    const auto found = boxes_.find(std::pair{grid, index});
    return found == boxes_.end() ? nullptr : found->second;
}

QPushButton* EntryGridView::buttonNamed(const QString& name) const
{
    for (QPushButton* b : buttons_)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

void EntryGridView::refresh()
{
    for (const auto& [edit, cell] : cells_)
        if (edit->text() != *cell.text)
            edit->setText(*cell.text);
}

bool EntryGridView::focus(const FocusTarget& target)
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

bool EntryGridView::cellKey(Grid grid, int index, int key)
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

bool EntryGridView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);

    if (const auto cell = cells_.find(qobject_cast<QLineEdit*>(watched)); cell != cells_.end()) {
        const Cell& c = cell->second;
        if (type == QEvent::FocusIn) {
            if (const std::optional<FocusTarget> next = handOver(c.grid, c.index)) {
                focus(*next);
                return true;
            }
            cell->first->setSelection(0, kSelectionLength);
            return false;
        }
        return cellKey(c.grid, c.index, static_cast<QKeyEvent*>(event)->key());
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

void EntryGridView::tabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace quarvane

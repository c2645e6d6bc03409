#include "editors/table_editor_view.h"

#include "editors/dialog.h"
#include "text/user_error.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace quarvane {
namespace {


// A scroll bar's range in twips; the minimum is 0.
struct ScrollRange {
    int maximum, singleStep, pageStep;
};

// What sets the four windows apart beside their fields.
struct WindowShape {
    QString caption;
    ScrollRange horizontal, vertical;
    // A bar's value v moves the list's left (top) edge to -pan × v twips.
    int horizontalPan, verticalPan;
    // The list is large enough for every line; the frame shows part of it.
    int listWidth, listHeight;   // twips
};

const WindowShape& shapeOf(TableKind kind)
{
    // The subgrade list has no height of its own: it gets the others'.
    static const WindowShape shapes[] = {
        {QStringLiteral("平曲线参数"), {21000, 1685, 5730}, {20694, 50, 5000}, 1, 5, 30000, 149820},
        {QStringLiteral("竖曲线参数"), {8000, 1685, 2860}, {21994, 50, 5000}, 1, 5, 30000, 149820},
        {QStringLiteral("超高参数"), {9000, 1685, 2860}, {21994, 50, 5000}, 1, 5, 30000, 149820},
        {QStringLiteral("路基宽度/边坡参数"), {26000, 630, 5730}, {29964, 100, 5000}, 5, 1, 245745, 149820},
    };
    return shapes[int(kind)];
}

// The visible part of the list: at least this much, more when the window
// grows.
constexpr int kColumnFrameWidth = 9600, kColumnFrameHeight = 6300;   // pin, shu, cho
constexpr int kColumnsFrameHeight = 3600;                            // lbp, under the boxes
constexpr int kBoxWidth = 1650;                                      // 14 characters and a margin

void applyScrollRange(QScrollBar* bar, const ScrollRange& range)
{
    bar->setRange(0, range.maximum);
    bar->setSingleStep(range.singleStep);
    bar->setPageStep(range.pageStep);
}

void warn(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), message);
}

} // namespace

QFont editorListFont()
{
    QFont font = reportFont(9);
    font.setPixelSize(12);   // 宋体 9 points: one line of 180 twips
    return font;
}

QFont editorCaptionFont(double pointSize, bool bold)
{
    return songFont(pointSize, bold);
}

TableEditorView::TableEditorView(TableEditor editor, QString FilePosition, QString XLming, QWidget* parent)
    : QDialog(parent), confirmDelete(&Dialog::ask), showWarning(&warn), editor_(std::move(editor)),
      FilePosition_(std::move(FilePosition)), XLming_(std::move(XLming))
{
    const WindowShape& shape = shapeOf(editor_.kind());
    setObjectName(QStringLiteral("TableEditorView"));
    setWindowTitle(shape.caption);
    setModal(true);
    setFont(editorCaptionFont());

    const QStringList& captions = editor_.info().captions;
    for (int j = 0; j < editor_.fieldCount(); ++j) {
        auto* label = new QLabel(captions[j], this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(j));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1_%1").arg(j));
        box->setFixedWidth(px(kBoxWidth));
        label->setBuddy(box);
        Label1_.append(label);
        Text1_.append(box);
    }
    ok_ = makeButton("ok", QStringLiteral("确认添加以上数据"), &TableEditorView::onOk);

    if (editor_.kind() == TableKind::Lbp)
        buildColumns();
    else
        buildColumn();

    push();
    panList();
}

QPushButton* TableEditorView::makeButton(const char* name, const QString& text, void (TableEditorView::*slot)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    // Enter in a box must not press a button behind the user's back.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QWidget* TableEditorView::makeListArea()
{
    const WindowShape& shape = shapeOf(editor_.kind());
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    Frame1_ = new QFrame(area);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setFrameShape(QFrame::NoFrame);
    Frame1_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    // The list never scrolls inside itself: it holds every line and the
    // frame clips it; the two bars move it about under the frame.
    List1_ = new QListWidget(Frame1_);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setFont(editorListFont());
    List1_->setSelectionMode(QAbstractItemView::SingleSelection);
    List1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1_->setUniformItemSizes(true);
    List1_->setTextElideMode(Qt::ElideNone);
    List1_->setWordWrap(false);
    List1_->setFrameShape(QFrame::NoFrame);
    List1_->setFixedSize(px(shape.listWidth), px(shape.listHeight));
    List1_->move(0, 0);

    HScroll1_ = new QScrollBar(Qt::Horizontal, area);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    applyScrollRange(HScroll1_, shape.horizontal);
    VScroll1_ = new QScrollBar(Qt::Vertical, area);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    applyScrollRange(VScroll1_, shape.vertical);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &TableEditorView::panList);
    connect(VScroll1_, &QScrollBar::valueChanged, this, &TableEditorView::panList);

    // A sunken border around the frame and its bars, as one list box.
    auto* border = new QFrame(area);
    border->setFrameShape(QFrame::StyledPanel);
    border->setFrameShadow(QFrame::Sunken);
    auto* inner = new QGridLayout(border);
    inner->setContentsMargins(1, 1, 1, 1);
    inner->setSpacing(0);
    inner->addWidget(Frame1_, 0, 0);
    inner->addWidget(VScroll1_, 0, 1);
    inner->addWidget(HScroll1_, 1, 0);
    grid->addWidget(border, 0, 0);
    return area;
}

QWidget* TableEditorView::makeButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeButton("add", QStringLiteral("增加"), &TableEditorView::onAdd));
    layout->addWidget(makeButton("cha", QStringLiteral("插入"), &TableEditorView::onCha));
    layout->addWidget(makeButton("xiu", QStringLiteral("修改"), &TableEditorView::onXiu));
    layout->addWidget(makeButton("sha", QStringLiteral("删除"), &TableEditorView::onSha));
    layout->addWidget(makeButton("bao", QStringLiteral("保存"), &TableEditorView::onBao));
    return row;
}

void TableEditorView::buildColumn()
{
    // Captions and boxes in one column, ok under them; the list to the
    // right, its five buttons under it.
    auto* left = new QGridLayout;
    left->setVerticalSpacing(4);
    for (int j = 0; j < Text1_.size(); ++j) {
        left->addWidget(Label1_[j], j, 0, Qt::AlignRight);
        left->addWidget(Text1_[j], j, 1);
    }
    left->addWidget(ok_, int(Text1_.size()), 0, 1, 2);
    left->setRowStretch(int(Text1_.size()) + 1, 1);

    auto* right = new QVBoxLayout;
    QWidget* list = makeListArea();
    Frame1_->setMinimumSize(px(kColumnFrameWidth), px(kColumnFrameHeight));
    right->addWidget(list, 1);
    right->addWidget(makeButtonRow());

    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(right, 1);
}

void TableEditorView::buildColumns()
{
    // Fields 1-17, 18-32 and 33-47 in three columns of caption and box; the
    // note on the widening modes and ok under the middle and right columns,
    // level with fields 16 and 17; the list across the window under them.
    constexpr int firstOf[] = {0, 17, 32, 47};
    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(4);
    boxes->setHorizontalSpacing(6);
    for (int column = 0; column < 3; ++column) {
        for (int j = firstOf[column]; j < firstOf[column + 1]; ++j) {
            const int row = j - firstOf[column];
            boxes->addWidget(Label1_[j], row, 2 * column, Qt::AlignRight);
            boxes->addWidget(Text1_[j], row, 2 * column + 1);
        }
        if (column > 0)
            boxes->setColumnMinimumWidth(2 * column, 12);
    }
    auto* note = new QLabel(QStringLiteral("线性加宽填1,  高次加宽填2"), this);
    note->setObjectName(QStringLiteral("Label2"));
    note->setAlignment(Qt::AlignCenter);
    boxes->addWidget(note, 15, 2, 2, 2);
    boxes->addWidget(ok_, 15, 4, 2, 2, Qt::AlignVCenter);
    boxes->setColumnStretch(6, 1);

    QWidget* list = makeListArea();
    Frame1_->setMinimumHeight(px(kColumnsFrameHeight));

    auto* main = new QVBoxLayout(this);
    main->addLayout(boxes);
    main->addWidget(list, 1);
    main->addWidget(makeButtonRow());
}

void TableEditorView::pull()
{
    for (int j = 0; j < Text1_.size(); ++j)
        editor_.Text1[j] = Text1_[j]->text();
    const QList<QListWidgetItem*> chosen = List1_->selectedItems();
    editor_.selected = chosen.isEmpty() ? -1 : List1_->row(chosen.first());
}

void TableEditorView::push()
{
    for (int j = 0; j < Text1_.size(); ++j)
        if (Text1_[j]->text() != editor_.Text1[j])
            Text1_[j]->setText(editor_.Text1[j]);

    const QStringList& lines = editor_.List1;
    while (List1_->count() > lines.size())
        delete List1_->takeItem(List1_->count() - 1);
    for (int i = 0; i < lines.size(); ++i) {
        if (i < List1_->count()) {
            QListWidgetItem* item = List1_->item(i);
            if (item->text() != lines[i])
                item->setText(lines[i]);
        } else {
            List1_->addItem(lines[i]);
        }
    }
    if (editor_.selected >= 0 && editor_.selected < List1_->count()) {
        List1_->setCurrentRow(editor_.selected);
    } else {
        List1_->clearSelection();
        List1_->setCurrentRow(-1);
    }
}

template <typename Rule>
void TableEditorView::run(Rule rule)
{
    pull();
    TableEditor before = editor_;
    try {
        rule();
    } catch (const UserError& e) {
        editor_ = std::move(before);
        push();
        showWarning(this, e.message());
        return;
    }
    push();
}

void TableEditorView::onAdd() { run([this] { editor_.add(); }); }
void TableEditorView::onCha() { run([this] { editor_.cha(); }); }
void TableEditorView::onXiu() { run([this] { editor_.xiu(); }); }
void TableEditorView::onOk() { run([this] { editor_.ok(); }); }

void TableEditorView::onSha()
{
    pull();
    if (!editor_.canDelete() || !confirmDelete(this))
        return;
    run([this] { editor_.sha(); });
}

void TableEditorView::onBao()
{
    pull();
    try {
        editor_.bao(FilePosition_, XLming_);
    } catch (const UserError& e) {
        showWarning(this, e.message());
        return;
    }
    accept();
}

void TableEditorView::panList()
{
    const WindowShape& shape = shapeOf(editor_.kind());
    List1_->move(-px(shape.horizontalPan * HScroll1_->value()), -px(shape.verticalPan * VScroll1_->value()));
}

void openTableEditor(QWidget* parent, const QString& FilePosition, const QString& XLming, TableKind kind)
{
    std::optional<TableEditor> editor;
    try {
        editor.emplace(TableEditor::open(FilePosition, XLming, kind));
    } catch (const UserError& e) {
        QMessageBox::warning(parent, shapeOf(kind).caption, e.message());
        return;
    }
    TableEditorView view(std::move(*editor), FilePosition, XLming, parent);
    view.exec();
}

} // namespace quarvane

#include "shell/form1.h"

#include "editors/dialog.h"
#include "editors/table_editor_view.h"
#include "inverse/measured_point_view.h"
#include "shell/calculator.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"
#include "stakeout/stake_grids_view.h"
#include "structure/structure_view.h"
#include "text/user_error.h"

#include <QEvent>

#include <algorithm>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace quarvane {
namespace {

// The window's outer size 14955 x 10725 twips less its frame, caption and
// menu bar: the client area the positions below are measured in.
constexpr int kClientWidth = 989;
constexpr int kClientHeight = 657;
constexpr int kScrollBarWidth = 17;

QRect twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QFrame* panel(QWidget* parent, const char* name, QRect geometry, bool border = true)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    // A panel hides what lies under it: the welcome title, and the lower
    // band of a panel it overlaps.
    frame->setAutoFillBackground(true);
    if (border)
        frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFont(songFont(10.5));
    return b;
}

// Lays buttons out side by side across a button bar.
void rowOfButtons(QFrame* bar, const QList<QPushButton*>& buttons)
{
    const int gap = 8;
    const int width = (bar->width() - gap * int(buttons.size() + 1)) / int(buttons.size());
    int x = gap;
    for (QPushButton* b : buttons) {
        b->setGeometry(x, 4, width, bar->height() - 8);
        x += width + gap;
    }
}

} // namespace

Form1::Form1(QString FilePosition, QWidget* parent)
    : QMainWindow(parent), state_(std::move(FilePosition))
{
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(QStringLiteral("Quarvane"));
    showMessage = [this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Quarvane"), message);
    };
    confirmDelete = [this] { return Dialog::ask(this); };
    openEditor = [this](TableKind kind) {
        openTableEditor(this, state_.FilePosition, state_.names.XLming, kind);
    };
    launchCalculator = [] { return startCalculator(); };
    chooseSaveFile = [this] { return askSaveFile(this); };
    chooseOpenFile = [this] { return askOpenFile(this); };
    showInformation = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Quarvane"), text);
    };

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    central->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(central);
    buildMenus();
    buildPanels(central);
    // The window keeps its size: the user cannot change it.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    run([this] { state_.startUp(); });
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setFont(songFont(10.5));
    auto item = [this](const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    choose = item("choose", QStringLiteral("选择线路"));
    calculate = item("calculate", QStringLiteral("数据计算"));
    point = item("point", QStringLiteral("单点计算"));
    batch = item("batch", QStringLiteral("批量计算"));
    zhuanghao = item("zhuanghao", QStringLiteral("桩号反查"));
    xyin = item("xyin", QStringLiteral("坐标输入"));
    xyread = item("xyread", QStringLiteral("坐标读取"));
    jgw = item("jgw", QStringLiteral("结构物计算"));
    jsq = item("jsq", QStringLiteral("计算器"));

    bar->addAction(choose);
    QMenu* calculateMenu = bar->addMenu(calculate->text());
    calculateMenu->setObjectName(QStringLiteral("calculateMenu"));
    calculateMenu->addAction(point);
    calculateMenu->addAction(batch);
    QMenu* zhuanghaoMenu = bar->addMenu(zhuanghao->text());
    zhuanghaoMenu->setObjectName(QStringLiteral("zhuanghaoMenu"));
    zhuanghaoMenu->addAction(xyin);
    zhuanghaoMenu->addAction(xyread);
    bar->addAction(jgw);
    bar->addAction(jsq);

    connect(choose, &QAction::triggered, this, [this] { run([this] { state_.choose(); }); });
    const std::pair<QAction*, ComputingScreen> screens[] = {{point, ComputingScreen::point},
                                                            {batch, ComputingScreen::batch},
                                                            {xyin, ComputingScreen::xyin},
                                                            {xyread, ComputingScreen::xyread},
                                                            {jgw, ComputingScreen::jgw}};
    for (const auto& [action, screen] : screens) {
        const ComputingScreen which = screen;
        connect(action, &QAction::triggered, this, [this, which] {
            if (run([this, which] { state_.openScreen(which); }) && which == ComputingScreen::xyread)
                readCoordinates();
        });
    }
    connect(jsq, &QAction::triggered, this, [this] {
        if (launchCalculator().isEmpty())
            showMessage(QStringLiteral("无法启动计算器：本机没有找到可用的计算器程序。"));
    });
}

void Form1::buildPanels(QWidget* central)
{
    Frame1 = panel(central, "Frame1", twips(180, 240, 4740, 9450), false);
    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(0, 0, 4695, 5550));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture2 = new QLabel(Frame1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(QRect(-1, px(5445), px(4710), px(3960)));
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(QStringLiteral("欢迎使用Quarvane"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(5340, 1260, 9135, 1875));
    Label1->setFont(songFont(42, true));
    Label1->setAlignment(Qt::AlignCenter);

    // The frames of the computing screens, filled by their screens.
    Frame6 = panel(central, "Frame6", twips(5130, 210, 9885, 465));
    out1 = panel(central, "out1", twips(5010, 840, 10065, 3195));
    inputpiliang1 = panel(central, "inputpiliang1", twips(5100, 780, 10005, 1095));
    out2 = panel(central, "out2", twips(5010, 1650, 9945, 2475));
    zhuang = panel(central, "zhuang", twips(4950, 180, 10755, 4485));
    Frame5 = panel(central, "Frame5", twips(4890, 0, 10185, 4365));

    // The list panel: List1 moves inside lis under the two scroll bars.
    HV = panel(central, "HV", twips(5100, 4260, 9525, 4845));
    lis = panel(HV, "lis", QRect(QPoint(0, 0), HV->size()), false);
    auto* viewport = new QWidget(lis);
    viewport->setObjectName(QStringLiteral("listViewport"));
    // The list shows whole lines: 19 of them in its short height.
    viewport->setGeometry(0, 0, lis->width() - kScrollBarWidth,
                          std::min(lis->height() - kScrollBarWidth, kListShortLines * px(kListLineTwips)));
    List1 = new QListWidget(viewport);
    List1->setObjectName(QStringLiteral("List1"));
    // 12-point 宋体 fills a line of 240 twips; a CJK font with taller
    // ascent needs a slightly smaller size to keep 16 pixels a line.
    QFont listFont = reportFont(12);
    listFont.setPixelSize(14);
    List1->setFont(listFont);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setUniformItemSizes(true);
    List1->setFrameShape(QFrame::NoFrame);
    List1->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(px(kListLineTwips)));
    VScroll1 = new QScrollBar(Qt::Vertical, lis);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(lis->width() - kScrollBarWidth, 0, kScrollBarWidth, lis->height() - kScrollBarWidth);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(5);
    VScroll1->setPageStep(95);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1 = new QScrollBar(Qt::Horizontal, lis);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(0, lis->height() - kScrollBarWidth, lis->width() - kScrollBarWidth, kScrollBarWidth);
    HScroll1->setRange(0, 0);
    HScroll1->setSingleStep(px(1685));
    HScroll1->setPageStep(px(2680));
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->installEventFilter(this);
    HScroll1->installEventFilter(this);
    // The name of the route worked on, kept out of sight.
    XLming = new QLineEdit(lis);
    XLming->setObjectName(QStringLiteral("XLming"));
    XLming->setGeometry(-2000, 0, 100, 20);
    XLming->setFocusPolicy(Qt::NoFocus);

    // The computing screens fill their frames; the list panel covers the
    // lower band of zhuang and Frame5.
    const auto runChange = [this](const std::function<void()>& change) { return run(change); };
    const auto askSave = [this] { return chooseSaveFile(); };
    stakeGrids = new StakeGridsView(state_, {Frame6, out1, inputpiliang1, out2}, runChange, askSave, this);
    measuredView = new MeasuredPointView(state_, zhuang, HV, runChange, askSave, this);
    structureView = new StructureView(state_, Frame5, HV, runChange, askSave, this);
    screens_ = {stakeGrids, measuredView, structureView};

    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        if (!refreshing_)
            run([this, value] { state_.setVScroll1(value); });
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        if (!refreshing_)
            run([this, value] { state_.setHScroll1(value); });
    });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_)
            state_.selected = row;
    });

    // Route list buttons.
    Frame2 = panel(central, "Frame2", twips(5010, 9180, 9885, 525));
    xlok = button(Frame2, "xlok", QStringLiteral("确定"));
    xladd = button(Frame2, "xladd", QStringLiteral("增加线路"));
    xldel = button(Frame2, "xldel", QStringLiteral("删除线路"));
    xledi = button(Frame2, "xledi", QStringLiteral("编辑线路参数"));
    rowOfButtons(Frame2, {xlok, xladd, xldel, xledi});
    connect(xlok, &QPushButton::clicked, this, [this] { run([this] { state_.xlok(); }); });
    connect(xladd, &QPushButton::clicked, this, [this] { run([this] { state_.xladd(); }); });
    connect(xldel, &QPushButton::clicked, this, [this] {
        if (state_.xldelNeedsConfirmation() && confirmDelete())
            run([this] { state_.xldel(); });
    });
    connect(xledi, &QPushButton::clicked, this, [this] { run([this] { state_.xledi(); }); });

    // Table list buttons.
    Frame3 = panel(central, "Frame3", twips(5940, 9210, 7875, 525));
    ediok = button(Frame3, "ediok", QStringLiteral("编辑线路参数"));
    ediret = button(Frame3, "ediret", QStringLiteral("返回线路选择"));
    rowOfButtons(Frame3, {ediok, ediret});
    connect(ediok, &QPushButton::clicked, this, [this] {
        if (const auto kind = state_.ediok())
            openEditor(*kind);
    });
    connect(ediret, &QPushButton::clicked, this, [this] { run([this] { state_.ediret(); }); });

    // New-route entry.
    add = panel(central, "add", twips(5970, 4380, 7545, 1635));
    Label3 = new QLabel(QStringLiteral("请输入线路名称:"), add);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(songFont(12));
    Label3->setGeometry(16, 12, 150, 28);
    Text2 = new QLineEdit(add);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFont(songFont(12));
    Text2->setGeometry(170, 12, add->width() - 186, 28);
    addok = button(add, "addok", QStringLiteral("确定"));
    addcan = button(add, "addcan", QStringLiteral("返回"));
    addok->setGeometry(add->width() / 2 - 170, add->height() - 46, 140, 32);
    addcan->setGeometry(add->width() / 2 + 30, add->height() - 46, 140, 32);
    connect(Text2, &QLineEdit::textEdited, this, [this](const QString& text) { state_.Text2 = text; });
    connect(Text2, &QLineEdit::returnPressed, addok, &QPushButton::click);
    connect(addok, &QPushButton::clicked, this, [this] { run([this] { state_.addok(); }); });
    connect(addcan, &QPushButton::clicked, this, [this] { run([this] { state_.addcan(); }); });

    Label4 = new QLabel(QStringLiteral("          计 算 结 果 显 示 区 域，计 算 完 成 请 保 存！"), central);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(twips(4620, 9240, 10425, 315));
    Label4->setFont(songFont(15, true));
}

void Form1::readCoordinates()
{
    // Without a route there is nothing to compare the points with: say so
    // before the surveyor looks for a file.
    if (!run([this] { state_.requireHorizontalTable(); }))
        return;
    const QString path = chooseOpenFile();
    if (path.isEmpty())
        return;
    QString summary;
    if (run([this, &path, &summary] { summary = state_.readCoordinateFile(path); }))
        showInformation(summary);
}

bool Form1::run(const std::function<void()>& change)
{
    try {
        change();
    } catch (const UserError& error) {
        refresh();
        showMessage(error.message());
        return false;
    }
    refresh();
    return true;
}

void Form1::refresh()
{
    refreshing_ = true;
    const Panels& p = state_.panels;
    const std::pair<QWidget*, bool> shown[] = {
        {Frame5, p.Frame5}, {zhuang, p.zhuang}, {HV, p.HV},       {lis, p.lis},
        {Frame6, p.Frame6}, {out1, p.out1},     {inputpiliang1, p.inputpiliang1},
        {out2, p.out2},     {Label4, p.Label4}, {Frame2, p.Frame2}, {Frame3, p.Frame3}, {add, p.add},
    };
    for (const auto& [widget, visible] : shown)
        widget->setVisible(visible);
    Label1->lower();

    if (state_.P1 != shownP1_) {
        Picture1->setPixmap(QPixmap(state_.P1));
        shownP1_ = state_.P1;
    }
    if (state_.P2 != shownP2_) {
        Picture2->setPixmap(QPixmap(state_.P2));
        shownP2_ = state_.P2;
    }

    showListLines();
    if (List1->currentRow() != state_.selected) {
        if (state_.selected < 0) {
            List1->setCurrentRow(-1);
            List1->clearSelection();
        } else {
            List1->setCurrentRow(state_.selected);
        }
    }
    List1->setGeometry(px(state_.List1Left), px(state_.List1Top), px(40005), px(state_.List1Height));
    VScroll1->setRange(0, state_.VScroll1Max);
    VScroll1->setValue(state_.VScroll1Value);
    HScroll1->setRange(0, state_.HScroll1Max);
    HScroll1->setValue(state_.HScroll1Value);

    XLming->setText(state_.names.XLming);
    if (Text2->text() != state_.Text2)
        Text2->setText(state_.Text2);
    for (EntryGridView* view : screens_)
        view->refresh();
    refreshing_ = false;

    switch (std::exchange(state_.focus, Focus::None)) {
    case Focus::List1:
        if (lis->isVisible() || !isVisible())
            List1->setFocus();
        break;
    case Focus::Text2:
        Text2->setFocus();
        Text2->selectAll();
        break;
    case Focus::Cell:
        for (EntryGridView* view : screens_)
            if (view->focus(state_.focusCell))
                break;
        break;
    case Focus::None:
        break;
    }
}

void Form1::showListLines()
{
    if (state_.List1 == shownList_)
        return;
    // A report grows at its end: only the new lines are added, so that a
    // point confirmed under a report of 60000 lines does not build the list
    // again. Any other change shows the list anew.
    const qsizetype shown = shownList_.size();
    bool grew = state_.List1.size() > shown;
    for (qsizetype i = 0; grew && i < shown; ++i)
        grew = state_.List1[i] == shownList_[i];
    if (grew) {
        List1->addItems(state_.List1.mid(shown));
    } else {
        List1->clear();
        List1->addItems(state_.List1);
    }
    shownList_ = state_.List1;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // A scroll bar never keeps the keyboard focus while the list shows.
        if (watched == VScroll1) {
            run([this] { state_.VScroll1GotFocus(); });
        } else if (watched == HScroll1 && state_.panels.lis) {
            state_.focus = Focus::List1;
            refresh();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quarvane

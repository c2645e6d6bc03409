#pragma once

// The four table editor windows: pin (平曲线参数), shu (竖曲线参数), cho
// (超高参数) and lbp (路基宽度/边坡参数). The rules live in TableEditor; the
// window shows its list and boxes, writes the boxes and the selection back
// before each button, and adds what only a window has: the clipped list
// panned by two scroll bars, the confirmation before deleting, messages.

#include "editors/table_editor.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace quarvane {

// A fixed-pitch font in which a Chinese character is exactly two columns
// wide, so the 14-character fields of the list stand in columns: 宋体 where
// installed, else WenQuanYi Zen Hei Mono, else any monospaced CJK font.
QFont editorListFont();

// The font of captions, boxes and buttons: 宋体 where installed, else a
// readable CJK font.
QFont editorCaptionFont(double pointSize = 10, bool bold = false);

class TableEditorView : public QDialog {
    Q_OBJECT
public:
    // The window for the editor's kind, showing its lines; 保存 writes the
    // route's table of that kind under FilePosition.
    TableEditorView(TableEditor editor, QString FilePosition, QString XLming, QWidget* parent = nullptr);

    const TableEditor& editor() const { return editor_; }

    // Asked before a line is deleted; true goes ahead. Shows Dialog unless
    // replaced.
    std::function<bool(QWidget*)> confirmDelete;
    // Shows a message the work was refused with. A warning box unless
    // replaced.
    std::function<void(QWidget*, const QString&)> showWarning;

    const QList<QLineEdit*>& Text1() const { return Text1_; }
    QListWidget* List1() const { return List1_; }
    QFrame* Frame1() const { return Frame1_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    QScrollBar* VScroll1() const { return VScroll1_; }

private:
    void buildColumn();   // pin, shu, cho
    void buildColumns();  // lbp
    QPushButton* makeButton(const char* name, const QString& text, void (TableEditorView::*slot)());
    QWidget* makeListArea();
    QWidget* makeButtonRow();

    // The boxes and the selection into the editor, the editor into the
    // widgets.
    void pull();
    void push();
    // Runs one rule on the state between pull and push; a refusal is shown
    // and leaves the state as it was before the button.
    template <typename Rule> void run(Rule rule);

    void onAdd();
    void onCha();
    void onXiu();
    void onSha();
    void onOk();
    void onBao();
    void panList();

    TableEditor editor_;
    QString FilePosition_;
    QString XLming_;

    QList<QLabel*> Label1_;
    QList<QLineEdit*> Text1_;
    QListWidget* List1_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Opens the route's table of that kind in its editor and waits until the
// window is closed. A table that cannot be read is reported in a message box
// and no window opens.
void openTableEditor(QWidget* parent, const QString& FilePosition, const QString& XLming, TableKind kind);

} // namespace quarvane

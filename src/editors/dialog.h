#pragma once

// The deletion confirmation window: "确定删除所选线路参数!!!" with 确定 and
// 取消. Used before a table line or a whole route is deleted.

#include <QDialog>

class QLabel;
class QPushButton;

namespace quarvane {

class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    // Shows the window modally; true only when the user pressed 确定.
    // 取消, the close box and Esc all answer no.
    static bool ask(QWidget* parent);

    QPushButton* OKButton() const { return OKButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }
    QLabel* message() const { return message_; }

private:
    QLabel* message_;
    QPushButton* OKButton_;
    QPushButton* CancelButton_;
};

} // namespace quarvane

#include "editors/dialog.h"

#include "editors/table_editor_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarvane {

Dialog::Dialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("确认删除"));
    setModal(true);
    setFont(editorCaptionFont());

    message_ = new QLabel(QStringLiteral("确定删除所选线路参数!!!"), this);
    message_->setObjectName(QStringLiteral("Label1"));
    message_->setFont(editorCaptionFont(14, true));
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    message_->setPalette(red);
    message_->setAlignment(Qt::AlignCenter);

    OKButton_ = new QPushButton(QStringLiteral("确定"), this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    CancelButton_ = new QPushButton(QStringLiteral("取消"), this);
    CancelButton_->setObjectName(QStringLiteral("CancelButton"));
    // Enter alone must not delete: no button answers it.
    OKButton_->setAutoDefault(false);
    CancelButton_->setAutoDefault(false);
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton_);
    buttons->addSpacing(24);
    buttons->addWidget(CancelButton_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(18);
    layout->addWidget(message_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

bool Dialog::ask(QWidget* parent)
{
    Dialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quarvane

#include "shell/form1.h"

namespace quarvane {

Form1::Form1(QString FilePosition, QWidget* parent)
    : QMainWindow(parent), FilePosition_(std::move(FilePosition))
{
    setWindowTitle(QStringLiteral("Quarvane"));
}

} // namespace quarvane

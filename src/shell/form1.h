#pragma once

#include <QMainWindow>

namespace quarvane {

// The main window.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QString FilePosition, QWidget* parent = nullptr);

    const QString& filePosition() const { return FilePosition_; }

private:
    QString FilePosition_;
};

} // namespace quarvane

#include "shell/form1.h"
#include "text/process_setup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quarvane::reportFileSizeLimitAsError();
    QApplication::setApplicationName(QStringLiteral("Quarvane"));
    quarvane::Form1 form1(QCoreApplication::applicationDirPath());
    form1.show();
    return app.exec();
}

#include "shell/form1.h"
#include "text/process_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quarvane::reportFileSizeLimitAsError();
    QApplication::setApplicationName(QStringLiteral("Quarvane"));
    // Qt's own dialogs (files, messages) speak the program's language.
    QTranslator qtChinese;
    if (qtChinese.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);
    quarvane::Form1 form1(QCoreApplication::applicationDirPath());
    form1.show();
    return app.exec();
}

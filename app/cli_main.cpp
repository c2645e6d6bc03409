// quarvane-cli: the computations of the window program from the command
// line, over the same code.
#include "cli/command_line.h"
#include "text/process_setup.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    quarvane::reportFileSizeLimitAsError();
    const QStringList args = QCoreApplication::arguments().mid(1);
    quarvane::CliUsageError usage;
    const auto request = quarvane::parseCommandLine(args, &usage);
    if (!request) {
        std::fputs(("quarvane-cli: " + usage.message + "\n\n" + quarvane::cliUsage()).toUtf8().constData(), stderr);
        return 2;
    }
    const quarvane::CliResult result = quarvane::runCommandLine(*request, QCoreApplication::applicationDirPath());
    std::fwrite(result.out.constData(), 1, std::size_t(result.out.size()), stdout);
    if (!result.err.isEmpty())
        std::fputs(("quarvane-cli: " + result.err + "\n").toUtf8().constData(), stderr);
    return result.status;
}

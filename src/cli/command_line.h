#pragma once

// The command line `quarvane-cli`: its arguments read into a request, and
// the commands run over the same code the window's buttons run.

#include <QString>
#include <QStringList>
#include <optional>

namespace quarvane {

struct CliRequest {
    QString appDir;          // empty: the directory holding the executable
    QString command;         // "routes", "point", "stake", "help"
    QStringList operands;    // the command's positional arguments
    QString left, right;     // --left, --right
    QString medianLeft, medianRight;   // --median L,R
    QString output;          // -o FILE
    QString type;            // --type xls|et|txt|csv
    QString file;            // locate --file FILE
    QStringList points;      // locate --point X,Y[,H], in order
};

// A usage error: the message and exit status 2.
struct CliUsageError {
    QString message;
};

// Reads the arguments (without the program name). Returns the request or
// the usage error.
std::optional<CliRequest> parseCommandLine(const QStringList& args, CliUsageError* error);

// The usage text, with an example of every command on the demo route.
QString cliUsage();

struct CliResult {
    int status = 0;
    QByteArray out;          // standard output
    QString err;             // standard error: messages, skipped lines
};

// Runs a request. Bad input gives status 1 and a message naming the
// argument; nothing is written then.
CliResult runCommandLine(const CliRequest& request, const QString& executableDir);

} // namespace quarvane

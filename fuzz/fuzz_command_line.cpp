// The command line: the input split at NUL bytes into arguments, read as
// quarvane-cli reads them, and every request it accepts run.
//
// The run is kept inside a scratch directory: the application directory
// is a copy of data/ (a --app-dir names a directory inside it), the working
// directory is that copy, -o names a file in a directory of outputs that is
// emptied after each input, and --file a file inside the copy. Files a run
// leaves in temp/ are removed, so no input sees what an earlier one wrote.
#include "fuzz_support.h"

#include "cli/command_line.h"

#include <QDir>
#include <QFileInfo>

using namespace quarvane;

namespace {

struct Sandbox {
    QString app, outputs;
    QStringList tempFiles;
};

const Sandbox& sandbox()
{
    static const Sandbox s = [] {
        Sandbox b;
        b.app = fuzz::scratchDir() + QStringLiteral("/app");
        b.outputs = fuzz::scratchDir() + QStringLiteral("/out");
        fuzz::layInstallationData(b.app);
        QDir().mkpath(b.outputs);
        b.tempFiles = QDir(b.app + QStringLiteral("/temp")).entryList(QDir::Files);
        QDir::setCurrent(b.app);
        return b;
    }();
    return s;
}

// The path inside `dir`: a relative path that does not climb stays as it
// is below `dir`, anything else keeps its file name only.
QString confined(const QString& path, const QString& dir)
{
    const QStringList parts = QDir::fromNativeSeparators(path).split(u'/');
    if (QDir::isRelativePath(path) && !parts.contains(QStringLiteral("..")))
        return dir + u'/' + path;
    QString name = parts.last();
    if (name.isEmpty() || name == QStringLiteral(".."))
        name = QStringLiteral("x");
    return dir + u'/' + name;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sandbox();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Sandbox& box = sandbox();
    QStringList args;
    if (size > 0)
        for (const QByteArray& arg : fuzz::bytesOf(data, size).split('\0'))
            args.append(QString::fromLocal8Bit(arg));

    CliUsageError usage;
    std::optional<CliRequest> request = parseCommandLine(args, &usage);
    if (!request) {
        if (usage.message.isEmpty())
            fuzz::broken(QStringLiteral("a usage error without a message"));
        return 0;
    }
    request->appDir = request->appDir.isEmpty() ? box.app : confined(request->appDir, box.app);
    if (!request->output.isEmpty())
        request->output = confined(request->output, box.outputs);
    if (!request->file.isEmpty())
        request->file = confined(request->file, box.app);

    const CliResult result = runCommandLine(*request, box.app);
    if (result.status != 0 && result.status != 1)
        fuzz::broken(QStringLiteral("exit status %1").arg(result.status));
    if (result.status == 1 && (result.err.isEmpty() || !result.out.isEmpty()))
        fuzz::broken(QStringLiteral("a failed run must say why and print nothing: ") + result.err);

    fuzz::removeAllBut(box.outputs, {});
    fuzz::removeAllBut(box.app + QStringLiteral("/temp"), box.tempFiles);
    return 0;
}

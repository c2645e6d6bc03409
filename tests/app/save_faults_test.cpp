// Saves that fail: a full disk (a file-size limit), a folder the user may
// not write, temp/ missing, the target held open. Every failure says what
// failed and leaves the results, the report and the earlier file as they
// were; no half-written file or temporary file stays behind.
#include "route/route_catalogue.h"
#include "route/route_tables.h"
#include "stakeout/batch.h"
#include "stakeout/result_saving.h"
#include "text/fields.h"
#include "text/gbk_file.h"
#include "text/process_setup.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace quarvane {
namespace {

using test::AppDir;

#ifdef Q_OS_LINUX

// Limits the size of every file this process writes (as a full disk would)
// for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        reportFileSizeLimitAsError();
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

QStringList leftovers(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")) +
           QDir(dir).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".XX"));
}

TEST(SaveFaults, AFullDiskLeavesTheEarlierFilesWhole)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    StandaloneWorkspace s;
    s.tables = loadRouteTables(dir.path(), QStringLiteral("演示线路"));
    Workspace w = s.workspace();
    ResultsTable& jieguo = s.jieguo;
    QStringList& List1 = s.List1;
    Batch batch;
    batch.Text4[5] = "0";
    batch.Text4[6] = "2000";
    batch.Text4[7] = "5";
    batch.Text4[8] = "12.5";
    batch.Text4[9] = "12.5";
    batch.comp2(w);
    dir.write("result.txt", "earlier");
    dir.write("result.xls", "earlier");
    const QByteArray catalogue = dir.read("temp/XL.dat");
    const QByteArray pin = dir.read("线路参数/演示线路.pin");
    const QStringList report = List1;
    RouteCatalogue routes(dir.path());
    routes.read();
    dir.write("temp/kkk.dat", QByteArray(8000, 'x'));   // a template too big to copy under the limit
    {
        FileSizeLimit limit(4096);
        for (int filter : {3, 1}) {
            const QString target = dir.file(filter == 3 ? "result.txt" : "result.xls");
            try {
                saveForwardResults(dir.path(), jieguo, SaveChoice{target, filter});
                ADD_FAILURE() << filter;
            } catch (const UserError& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("无法写入文件"))) << e.what();
            }
        }
        // A table saved from an editor, and the catalogue of a new route.
        QStringList lines{readGbkLines(dir.file("线路参数/演示线路.pin")).first()};
        for (int k = 1; k <= 100; ++k)
            lines.append(recordLine({QString::number(k), "1", "2", "3"}));
        EXPECT_THROW(saveTable(dir.path(), QStringLiteral("演示线路"), TableKind::Pin, lines), UserError);
        EXPECT_THROW(routes.add(QStringLiteral("新线路")), UserError);
    }
    EXPECT_EQ(dir.read("result.txt"), "earlier");
    EXPECT_EQ(dir.read("result.xls"), "earlier");
    EXPECT_EQ(dir.read("线路参数/演示线路.pin"), pin);
    EXPECT_EQ(dir.read("temp/XL.dat"), catalogue);
    EXPECT_FALSE(dir.exists("线路参数/新线路.pin"));
    EXPECT_EQ(List1, report);
    EXPECT_EQ(jieguo(1, 6).isEmpty(), false);
    EXPECT_TRUE(leftovers(dir.path()).isEmpty()) << leftovers(dir.path()).join(' ').toStdString();
    EXPECT_TRUE(leftovers(dir.file("线路参数")).isEmpty());
}

// Runs the command line as an ordinary user (not root, whom no folder
// refuses), in an application directory that user owns.
TEST(SaveFaults, AFolderTheUserMayNotWriteIsReported)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    AppDir dir(AppDir::Content::WithDemoRoute);
    QProcess chown;
    chown.start(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir.path()});
    ASSERT_TRUE(chown.waitForFinished());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QDir().mkpath(dir.file("locked"));
    QProcess own;
    own.start(QStringLiteral("chown"), {QStringLiteral("0:0"), dir.file("locked")});
    ASSERT_TRUE(own.waitForFinished());
    dir.write("locked/result.txt", "earlier");
    QFile::setPermissions(dir.file("locked/result.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                             | QFileDevice::ReadOther | QFileDevice::WriteOther);
    // The parent folders of a temporary directory must let that user through.
    for (QString p = QFileInfo(dir.path()).path(); p != "/" && p.size() > 1; p = QFileInfo(p).path())
        QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::ExeOther);

    auto run = [&](const QString& target) {
        QProcess cli;
        cli.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", QStringLiteral(QUARVANE_CLI_EXE),
                                              "--app-dir", dir.path(), "point", "演示线路", "100", "-o", target});
        EXPECT_TRUE(cli.waitForFinished(30000));
        return std::make_pair(cli.exitCode(), QString::fromUtf8(cli.readAllStandardError()));
    };
    const auto [status, message] = run(dir.file("locked/result.txt"));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(message.contains(QStringLiteral("无法写入文件"))) << message.toStdString();
    EXPECT_EQ(dir.read("locked/result.txt"), "earlier");
    EXPECT_EQ(run(dir.file("mine.txt")).first, 0);   // the user's own folder is fine
}

#endif // Q_OS_LINUX

TEST(SaveFaults, TempMissingAndTargetHeldOpen)
{
    AppDir dir(AppDir::Content::WithDemoRoute);
    dir.write("held.txt", "earlier");
    QFile held(dir.file("held.txt"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    QProcess cli;
    cli.start(QStringLiteral(QUARVANE_CLI_EXE), {"--app-dir", dir.path(), "point", "演示线路", "100", "-o", dir.file("held.txt")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);                          // a reader holding it open does not stop the save
    EXPECT_TRUE(dir.read("held.txt").startsWith(" 1 ,"));
    EXPECT_EQ(held.readAll(), "earlier");                  // and the reader keeps what it opened

    QDir(dir.file("temp")).removeRecursively();
    dir.write("kept.txt", "earlier");
    cli.start(QStringLiteral(QUARVANE_CLI_EXE),
              {"--app-dir", dir.path(), "point", dir.file("线路参数/演示线路"), "100", "-o", dir.file("kept.txt")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 1);
    const QString message = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_TRUE(message.contains(QStringLiteral("temp"))) << message.toStdString();
    EXPECT_EQ(dir.read("kept.txt"), "earlier");
}

} // namespace
} // namespace quarvane

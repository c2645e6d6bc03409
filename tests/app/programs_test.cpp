#include "support/app_dir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace quarvane {
namespace {

TEST(Programs, TheCommandLineExplainsItself)
{
    QProcess cli;
    cli.start(QStringLiteral(QUARVANE_CLI_EXE), {QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(cli.readAllStandardOutput()).contains(QStringLiteral("用法")));

    for (const QStringList& bad : {QStringList{}, QStringList{"frobnicate"}, QStringList{"--app-dir"}}) {
        cli.start(QStringLiteral(QUARVANE_CLI_EXE), bad);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitCode(), 2) << bad.join(' ').toStdString();
    }
}

TEST(Programs, TheCommandLineListsTheRoutesOfAnApplicationDirectory)
{
    QProcess cli;
    cli.start(QStringLiteral(QUARVANE_CLI_EXE), {QStringLiteral("--app-dir"), QStringLiteral(QUARVANE_DATA_DIR), QStringLiteral("routes")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()), QStringLiteral("演示线路\n"));
}

struct CliRun {
    int status;
    QByteArray out;
    QString err;
};

CliRun cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QUARVANE_CLI_EXE), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

const QString kData = QStringLiteral(QUARVANE_DATA_DIR);

TEST(CommandLine, PointAndStakeWriteTheSavedText)
{
    const CliRun point = cli({"--app-dir", kData, "point", "演示线路", "1234.5", "--left", "12.5", "--right", "12.5"});
    EXPECT_EQ(point.status, 0) << point.err.toStdString();
    const QList<QByteArray> lines = point.out.split('\n');
    ASSERT_EQ(lines.size(), 4);   // three lines, each ended by CR LF
    EXPECT_TRUE(lines[0].startsWith(" 1 ,"));
    EXPECT_TRUE(lines[0].endsWith(",K01+234.500\r"));
    EXPECT_TRUE(lines[1].endsWith(",K01+234.500  Z12.500\r"));
    EXPECT_TRUE(lines[2].startsWith(" 3 ,"));

    const CliRun stake = cli({"--app-dir", kData, "stake", QString(QUARVANE_DATA_DIR) + "/线路参数/演示线路", "0", "100", "20", "--right", "5"});
    EXPECT_EQ(stake.status, 0) << stake.err.toStdString();
    EXPECT_EQ(stake.out.count('\n'), 10);   // five centres, five right stakes numbered 11..15
    EXPECT_TRUE(stake.out.contains("\n 11 ,"));
    EXPECT_TRUE(stake.out.contains(",K00+080.000  Y5.000\r\n"));
}

TEST(CommandLine, SavesAsTheSaveButtonDoes)
{
    test::AppDir dir(test::AppDir::Content::WithDemoRoute);
    const QString target = dir.file("run.txt");
    const CliRun run = cli({"--app-dir", dir.path(), "stake", "演示线路", "100", "200", "50", "-o", target});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QByteArray saved = dir.read("run.txt");
    EXPECT_TRUE(saved.startsWith(" 1 ,"));
    EXPECT_EQ(saved, dir.read("temp/aaa.txt"));   // temp/ keeps the last export
    const CliRun xls = cli({"--app-dir", dir.path(), "point", "演示线路", "10", "-o", dir.file("p.bin"), "--type", "et"});
    EXPECT_EQ(xls.status, 0) << xls.err.toStdString();
    EXPECT_TRUE(dir.read("p.bin").startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")));
    EXPECT_EQ(dir.read("p.bin"), dir.read("temp/aaa.xls"));
}

TEST(CommandLine, BadInputAndUsage)
{
    test::AppDir dir(test::AppDir::Content::WithDemoRoute);
    struct Case { QStringList args; int status; const char* says; };
    const Case cases[] = {
        {{"point", "演示线路", "12a"}, 1, "STATION"},
        {{"point", "演示线路", "10", "--left", "x"}, 1, "--left"},
        {{"point", "没有的线路", "10"}, 1, "找不到线路"},
        {{"stake", "演示线路", "0", "100", "0"}, 1, "间距"},
        {{"stake", "演示线路", "0", "100000", "1"}, 1, "100000个桩"},
        {{"stake", "演示线路", "0", "100", "10", "-o", dir.file("x.txt")}, 0, ""},
        {{"stake", "演示线路", "0", "100"}, 2, "需要 4 个参数"},
        {{"point", "演示线路", "10", "--median", "1"}, 2, "--median"},
        {{"point", "演示线路", "10", "-o", dir.file("y.doc")}, 2, "--type"},
        {{"point", "演示线路", "10", "--frob"}, 2, "--frob"},
        {{"routes", "--left", "1"}, 2, "routes"},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(QStringList{"--app-dir", dir.path()} + c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.says))) << run.err.toStdString();
        if (c.status != 0) {
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
    EXPECT_FALSE(dir.exists("y.doc"));
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"routes", "point 演示线路", "stake 演示线路"})
        EXPECT_TRUE(QString::fromUtf8(help.out).contains(QString::fromUtf8(command))) << command;
}

TEST(CommandLine, LocateAndStructure)
{
    const CliRun file = cli({"--app-dir", kData, "locate", "演示线路", "--file", kData + "/演示线路测点.txt"});
    EXPECT_EQ(file.status, 0) << file.err.toStdString();
    const QList<QByteArray> lines = file.out.split('\n');
    EXPECT_TRUE(lines[0].startsWith("\xe5\xba\x8f\xe5\x8f\xb7,"));   // 序号, in UTF-8
    EXPECT_TRUE(lines[1].startsWith(" 1 ,"));
    EXPECT_TRUE(file.err.contains(QStringLiteral("读入")));

    test::AppDir dir(test::AppDir::Content::WithDemoRoute);
    dir.write("pts.txt", "A,3426599.27,509836.662,244.5\r\nB,1\r\n");
    const CliRun some = cli({"--app-dir", dir.path(), "locate", "演示线路", "--file", dir.file("pts.txt"), "-o", dir.file("out.csv")});
    EXPECT_EQ(some.status, 0);
    EXPECT_TRUE(some.err.contains(QStringLiteral("第2行"))) << some.err.toStdString();
    EXPECT_TRUE(dir.read("out.csv").contains(",K01+234.500,0.000,244.029,-0.471,0.000,0.000\r\n"));
    EXPECT_EQ(dir.read("out.csv"), dir.read("temp/aaa.txt"));

    const CliRun none = cli({"--app-dir", dir.path(), "locate", "演示线路", "--point", "1,x"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.isEmpty());
    const CliRun both = cli({"--app-dir", dir.path(), "locate", "演示线路", "--point", "1,2", "--file", "f"});
    EXPECT_EQ(both.status, 2);

    const CliRun culvert = cli({"--app-dir", kData, "structure", "演示线路", "2300", "75.3", "12", "12", "3", "3"});
    EXPECT_EQ(culvert.status, 0) << culvert.err.toStdString();
    EXPECT_EQ(culvert.out.count("\r\n"), 7);
    EXPECT_TRUE(culvert.out.contains("B=75.3 K02+300.000\r\n"));
    const CliRun bad = cli({"--app-dir", kData, "structure", "演示线路", "2300", "7x", "12", "12", "3", "3"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("右夹角"))) << bad.err.toStdString();
}

TEST(Programs, TheWindowProgramStartsAndKeepsRunning)
{
    QProcess gui;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    gui.setProcessEnvironment(env);
    gui.start(QStringLiteral(QUARVANE_GUI_EXE), {});
    ASSERT_TRUE(gui.waitForStarted(10000));
    EXPECT_FALSE(gui.waitForFinished(1500)) << gui.readAllStandardError().toStdString();
    gui.kill();
    gui.waitForFinished(5000);
}

} // namespace
} // namespace quarvane

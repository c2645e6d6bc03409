#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

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

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char kUsage[] =
    "用法: quarvane-cli [--app-dir 目录] 命令 ...\n"
    "\n"
    "Quarvane 的命令行，计算与窗口程序相同。\n"
    "\n"
    "选项:\n"
    "  --app-dir 目录   应用目录（含 temp\\、线路参数\\），默认为程序所在目录\n"
    "  -h, --help       显示本说明\n"
    "\n"
    "命令:\n"
    "  routes           列出线路目录中的线路\n";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("-h")) || args.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}

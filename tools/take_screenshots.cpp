// Shows Quarvane's windows on the demo route and saves a PNG of each:
// the main window on its route list, the route selected, the new-route
// entry, the table list, the four table editors on the demo route's
// tables, the single-point and batch screens with results, the measured
// points of the demo route's sample file, and a structure. Run under a
// display (scripts/screenshot starts Xvfb for it):
//
//   quarvane-screenshots <application directory> <output directory>
//
// It only reads the application directory.
#include "editors/table_editor.h"
#include "editors/table_editor_view.h"
#include "inverse/measured_point_view.h"
#include "shell/form1.h"
#include "stakeout/stake_grids_view.h"
#include "structure/structure_view.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

// Types into a box over its text, as a user does after the box selected it.
void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

bool save(QWidget* window, const QString& path)
{
    settle();
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: quarvane-screenshots <application directory> <output directory>\n", stderr);
        return 2;
    }
    const QString appDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    const QString route = QStringLiteral("演示线路");
    bool ok = true;

    quarvane::Form1 form1(appDir);
    form1.move(0, 0);
    form1.show();
    ok &= save(&form1, out.filePath(QStringLiteral("main.png")));

    const int row = int(form1.state().List1.indexOf(route));
    form1.List1->setCurrentRow(row);
    ok &= save(&form1, out.filePath(QStringLiteral("routes.png")));

    form1.xladd->click();
    form1.Text2->setText(QStringLiteral("G15沈海高速"));
    ok &= save(&form1, out.filePath(QStringLiteral("new_route.png")));
    form1.addcan->click();

    form1.List1->setCurrentRow(row);
    form1.xledi->click();
    form1.List1->setCurrentRow(0);
    ok &= save(&form1, out.filePath(QStringLiteral("tables.png")));

    const std::pair<quarvane::TableKind, const char*> kinds[] = {
        {quarvane::TableKind::Pin, "editor_pin.png"},
        {quarvane::TableKind::Shu, "editor_shu.png"},
        {quarvane::TableKind::Cho, "editor_cho.png"},
        {quarvane::TableKind::Lbp, "editor_lbp.png"}};
    for (const auto& [kind, file] : kinds) {
        quarvane::TableEditorView view(quarvane::TableEditor::open(appDir, route, kind), appDir, route, &form1);
        view.List1()->setCurrentRow(1);
        view.show();
        ok &= save(&view, out.filePath(QLatin1String(file)));
    }

    // The computing screens work on the route loaded with 确定.
    form1.choose->trigger();
    form1.List1->setCurrentRow(row);
    form1.xlok->click();
    quarvane::StakeGridsView& grids = *form1.stakeGrids;

    // One station recorded, the next computed and not yet recorded.
    form1.point->trigger();
    typeInto(grids.Text1[6], QStringLiteral("1000"));
    typeInto(grids.Text1[14], QStringLiteral("12"));
    typeInto(grids.Text1[20], QStringLiteral("12"));
    grids.comp1->click();
    grids.ok11->click();
    typeInto(grids.Text1[6], QStringLiteral("1020"));
    typeInto(grids.Text1[14], QStringLiteral("12"));
    typeInto(grids.Text1[20], QStringLiteral("12"));
    grids.comp1->click();
    ok &= save(&form1, out.filePath(QStringLiteral("single_point.png")));

    form1.batch->trigger();
    const char* range[] = {"500", "1000", "50", "12.5", "12.5"};
    for (int k = 0; k < 5; ++k)
        typeInto(grids.Text4[std::size_t(5 + k)], QLatin1String(range[k]));
    grids.comp2->click();
    ok &= save(&form1, out.filePath(QStringLiteral("batch.png")));

    // The sample file of measured points read, then one point typed and
    // computed, not yet recorded.
    form1.chooseOpenFile = [&appDir] { return appDir + QStringLiteral("/演示线路测点.txt"); };
    form1.showInformation = [](const QString& text) { std::printf("%s\n", qPrintable(text)); };
    form1.xyread->trigger();
    quarvane::MeasuredPointView& measured = *form1.measuredView;
    typeInto(measured.Text10[4], QStringLiteral("3426599.27"));
    typeInto(measured.Text10[5], QStringLiteral("509836.662"));
    typeInto(measured.Text10[12], QStringLiteral("244.5"));
    measured.zhuangcomp->click();
    ok &= save(&form1, out.filePath(QStringLiteral("measured_point.png")));

    // A culvert computed and recorded, then typed again: the grid shows
    // the points the report lists.
    form1.jgw->trigger();
    quarvane::StructureView& structure = *form1.structureView;
    const char* culvert[] = {"2300", "75.3", "12", "12", "3", "3"};
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < 6; ++k)
            typeInto(structure.Text11[std::size_t(6 + k)], QLatin1String(culvert[k]));
        structure.jiegoucomp->click();
        if (pass == 0)
            structure.jiegouok->click();
    }
    ok &= save(&form1, out.filePath(QStringLiteral("structure.png")));
    return ok ? 0 : 1;
}

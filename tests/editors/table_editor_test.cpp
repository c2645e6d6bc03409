#include "editors/table_editor.h"
#include "text/fields.h"
#include "text/user_error.h"

#include "support/app_dir.h"

#include <gtest/gtest.h>

namespace quarvane {
namespace {

using test::AppDir;
using test::gbk;

QString caption(TableKind kind)
{
    QString line;
    for (const QString& c : tableInfo(kind).captions)
        line += padField(c);
    return line;
}

// A shu record line: number, station, elevation.
QString shuRecord(int number, const QString& station)
{
    return recordLine({QString::number(number), station, QStringLiteral("100")});
}

// A shu editor on a caption line and records numbered 1..n with stations
// 100, 200, ...; the records are padded to all 8 fields as ok() leaves them.
TableEditor shuEditor(int records)
{
    QStringList lines{caption(TableKind::Shu)};
    for (int k = 1; k <= records; ++k) {
        QStringList fields(8);
        fields[0] = QString::number(k);
        fields[1] = QString::number(100 * k);
        lines.append(recordLine(fields));
    }
    return TableEditor(TableKind::Shu, lines);
}

// The station (field 2) of each line from line 1 on; "" for an empty line.
QStringList stations(const TableEditor& e)
{
    QStringList out;
    for (qsizetype i = 1; i < e.List1.size(); ++i)
        out.append(e.List1[i].isEmpty() ? QString() : recordField(e.List1[i], 2));
    return out;
}

// The number field (field 1) of each line from line 1 on.
QStringList numbers(const TableEditor& e)
{
    QStringList out;
    for (qsizetype i = 1; i < e.List1.size(); ++i)
        out.append(recordField(e.List1[i], 1));
    return out;
}

TEST(TableEditor, StartsWithNoSelectionAndEmptyBoxes)
{
    for (TableKind kind : kAllKinds) {
        const TableEditor e(kind, {caption(kind)});
        EXPECT_EQ(e.Text1.size(), tableInfo(kind).fieldCount);
        EXPECT_EQ(e.Text1.join(QString()), QString());
        EXPECT_EQ(e.selected, -1);
    }
}

TEST(TableEditor, AddProposesTheFirstEmptyLine)
{
    struct Case { const char* what; QStringList lines; const char* proposed; };
    const QString cap = caption(TableKind::Shu);
    const Case cases[] = {
        {"caption line only", {cap}, "1"},
        {"after three records", {cap, shuRecord(1, "0"), shuRecord(2, "1"), shuRecord(3, "2")}, "4"},
        {"a gap left by an insert", {cap, shuRecord(1, "0"), QString(), shuRecord(3, "2")}, "2"},
    };
    for (const Case& c : cases) {
        TableEditor e(TableKind::Shu, c.lines);
        e.Text1[1] = QStringLiteral("kept");
        e.add();
        EXPECT_EQ(e.Text1[0], QLatin1String(c.proposed)) << c.what;
        EXPECT_EQ(e.Text1[1], QStringLiteral("kept")) << c.what;
        EXPECT_EQ(e.List1, c.lines) << c.what;
    }
}

TEST(TableEditor, ConfirmingTheProposedNumberOfANewTableFillsLineOne)
{
    TableEditor e(TableKind::Shu, {caption(TableKind::Shu)});
    e.add();
    e.Text1[1] = QStringLiteral("1200");
    e.ok();
    ASSERT_EQ(e.List1.size(), 2);
    EXPECT_EQ(e.List1[1], recordLine({"1", "1200", "", "", "", "", "", ""}));
    EXPECT_EQ(e.List1[1].size(), 8 * kFieldWidth);
}

TEST(TableEditor, OkPadsEveryBoxAndWritesThePaddedTextsBack)
{
    TableEditor e(TableKind::Shu, {caption(TableKind::Shu)});
    e.Text1[0] = QStringLiteral("1");
    e.Text1[2] = QStringLiteral(" 12.5 ");
    e.Text1[7] = QStringLiteral("abcdefghijklmn");   // exactly 14 characters fit
    e.ok();
    EXPECT_EQ(e.Text1[0], QStringLiteral("1") + QString(13, u' '));
    EXPECT_EQ(e.Text1[1], QString(14, u' '));
    EXPECT_EQ(e.Text1[2], QStringLiteral("12.5") + QString(10, u' '));
    EXPECT_EQ(e.Text1[7], QStringLiteral("abcdefghijklmn"));
    EXPECT_EQ(e.List1[1], e.Text1.join(QString()));
    EXPECT_EQ(e.List1[1].mid(28, 14), QStringLiteral("12.5          "));
}

TEST(TableEditor, NumberInTheFirstBoxIsItsLeadingNumberRoundedHalfToEven)
{
    struct Case { const char* text; int number; };
    const Case cases[] = {
        {"3", 3},   {" 3 ", 3},  {"2.5", 2},  {"3.5", 4},  {"2.49", 2}, {"2.51", 3},
        {"4abc", 4}, {"abc", 0}, {"", 0},     {"-1", -1},  {"0.4", 0},  {"1e3", 1000},
        {"1e30", INT_MAX},
    };
    for (const Case& c : cases) {
        TableEditor e(TableKind::Cho, {caption(TableKind::Cho)});
        e.Text1[0] = QString::fromUtf8(c.text);
        EXPECT_EQ(e.firstBoxNumber(), c.number) << c.text;
    }
}

TEST(TableEditor, OkWithAHalfNumberGoesToTheEvenLine)
{
    TableEditor e = shuEditor(3);
    e.Text1[0] = QStringLiteral("2.5");
    e.Text1[1] = QStringLiteral("250");
    e.ok();
    EXPECT_EQ(stations(e), (QStringList{"100", "250", "300"}));
    // The box keeps what the user typed, padded: the record carries it too.
    EXPECT_EQ(recordField(e.List1[2], 1), QStringLiteral("2.5"));
}

TEST(TableEditor, OkWithoutANumberDoesNothing)
{
    for (const char* first : {"0", "", "abc", "0.5", "-0.4"}) {
        TableEditor e = shuEditor(2);
        const QStringList before = e.List1;
        e.Text1[0] = QString::fromUtf8(first);
        e.Text1[1] = QStringLiteral(" 5 ");
        e.ok();
        EXPECT_EQ(e.List1, before) << first;                        // the caption line is never overwritten
        EXPECT_EQ(e.Text1[1], QStringLiteral(" 5 ")) << first;       // boxes untouched
    }
}

TEST(TableEditor, OkRefusesANumberOutsideTheListAndChangesNothing)
{
    struct Case { const char* first; const char* message; };
    const Case cases[] = {
        {"-1", "“交点序号”须在1到3之间，现为-1。"},
        {"4", "“交点序号”须在1到3之间，现为4。"},
        {"99.9", "“交点序号”须在1到3之间，现为99.9。"},
    };
    for (const Case& c : cases) {
        TableEditor e = shuEditor(2);   // caption + 2 records: 3 lines, 3 appends
        const TableEditor before = e;
        e.Text1[0] = QString::fromUtf8(c.first);
        e.Text1[1] = QStringLiteral(" 5 ");
        try {
            e.ok();
            ADD_FAILURE() << c.first << " accepted";
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(e.List1, before.List1) << c.first;
        EXPECT_EQ(e.Text1, (QStringList{QString::fromUtf8(c.first), " 5 ", "", "", "", "", "", ""}));
    }
    TableEditor e = shuEditor(2);
    e.Text1[0] = QStringLiteral("3");   // the number of lines appends
    e.ok();
    EXPECT_EQ(e.List1.size(), 4);
}

TEST(TableEditor, OkRefusesABoxThatCannotBeStoredAndChangesNothing)
{
    struct Case { int box; QString text; const char* message; };
    const Case cases[] = {
        {2, QStringLiteral("123456789012345"), "“第一缓和曲线长”的内容超过14个字符（现有15个），无法保存。"},
        // Blanks around the text do not count, Chinese characters count one each.
        {15, QStringLiteral("  交点坐标Y值为五十万零九千五百九十三  "),
         "“交点 (Y)”的内容超过14个字符（现有18个），无法保存。"},
        {1, QStringLiteral("12ő"), "“曲线转角”的内容“12ő”含有GBK编码无法保存的字符。"},
        {12, QStringLiteral("한국"), "“起点桩号”的内容“한국”含有GBK编码无法保存的字符。"},
        {14, QStringLiteral("😀"), "“交点 (X)”的内容“😀”含有GBK编码无法保存的字符。"},
    };
    for (const Case& c : cases) {
        TableEditor e(TableKind::Pin, {caption(TableKind::Pin)});
        e.Text1[0] = QStringLiteral("1");
        e.Text1[3] = QStringLiteral(" 0 ");
        e.Text1[c.box] = c.text;
        const QStringList boxes = e.Text1;
        try {
            e.ok();
            ADD_FAILURE() << c.message << " not refused";
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(e.List1.size(), 1);
        EXPECT_EQ(e.Text1, boxes);   // not even the boxes that fit were padded
    }
}

TEST(TableEditor, OkRefusesARecordPastTheSixHundredthButReplacesOnes)
{
    TableEditor e = shuEditor(kMaxRecords);
    e.add();
    EXPECT_EQ(e.Text1[0], QStringLiteral("601"));
    try {
        e.ok();
        ADD_FAILURE() << "601st record accepted";
    } catch (const UserError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("竖曲线参数已有600条记录，不能再添加。"));
    }
    EXPECT_EQ(e.List1.size(), kMaxRecords + 1);

    // An insert leaves the count as it is; filling the gap would add one.
    e.selected = 5;
    e.cha();
    EXPECT_THROW(e.ok(), UserError);
    // Deleting a record makes room for it.
    e.selected = 6;
    e.sha();
    e.Text1[1] = QStringLiteral("450");
    e.ok();
    EXPECT_EQ(recordField(e.List1[5], 2), QStringLiteral("450"));
    EXPECT_EQ(e.List1.size() - 1 - e.List1.mid(1).count(QString()), kMaxRecords);

    // Replacing a record of a full table is no new record.
    e.Text1[0] = QStringLiteral("7");
    e.Text1[1] = QStringLiteral("650");
    e.ok();
    EXPECT_EQ(recordField(e.List1[7], 2), QStringLiteral("650"));
}

TEST(TableEditor, OkGivesTheCaptionOfTheRefusedFieldInEveryKind)
{
    for (TableKind kind : kAllKinds) {
        const int n = tableInfo(kind).fieldCount;
        TableEditor e(kind, {caption(kind)});
        e.Text1[0] = QStringLiteral("1");
        e.Text1[n - 1] = QString(15, u'9');
        try {
            e.ok();
            ADD_FAILURE() << "not refused";
        } catch (const UserError& error) {
            EXPECT_TRUE(error.message().startsWith(u'“' + tableInfo(kind).captions[n - 1] + u'”'))
                << error.what();
        }
    }
}

TEST(TableEditor, InsertMovesTheLinesFromTheSelectedOneDownRenumbered)
{
    TableEditor e = shuEditor(3);
    e.selected = 2;
    e.cha();
    EXPECT_EQ(e.Text1[0], QStringLiteral("2"));
    EXPECT_EQ(stations(e), (QStringList{"100", "", "200", "300"}));
    EXPECT_EQ(numbers(e), (QStringList{"1", "", "3", "4"}));
    // Only the number field changed: the rest of a moved line is as it was.
    EXPECT_EQ(e.List1[3].mid(kFieldWidth), shuEditor(3).List1[2].mid(kFieldWidth));
    EXPECT_EQ(e.List1[3].size(), 8 * kFieldWidth);

    // The user fills the gap and confirms with the number put into the box.
    e.Text1[1] = QStringLiteral("150");
    e.ok();
    EXPECT_EQ(stations(e), (QStringList{"100", "150", "200", "300"}));
    EXPECT_EQ(numbers(e), (QStringList{"1", "2", "3", "4"}));
}

TEST(TableEditor, InsertingTwiceLeavesTwoEmptyLines)
{
    TableEditor e = shuEditor(3);
    e.selected = 2;
    e.cha();
    e.cha();
    EXPECT_EQ(stations(e), (QStringList{"100", "", "", "200", "300"}));
    EXPECT_EQ(numbers(e), (QStringList{"1", "", "", "4", "5"}));
    EXPECT_EQ(e.Text1[0], QStringLiteral("2"));
}

TEST(TableEditor, InsertWithoutARecordSelectedOnlyPutsZeroInTheFirstBox)
{
    for (int selected : {-1, 0}) {
        TableEditor e = shuEditor(2);
        const QStringList before = e.List1;
        e.selected = selected;
        e.Text1[0] = QStringLiteral("7");
        e.cha();
        EXPECT_EQ(e.Text1[0], QStringLiteral("0"));
        EXPECT_EQ(e.List1, before);
    }
}

TEST(TableEditor, InsertBeforeTheLastLine)
{
    TableEditor e = shuEditor(2);
    e.selected = 2;
    e.cha();
    EXPECT_EQ(stations(e), (QStringList{"100", "", "200"}));
    EXPECT_EQ(numbers(e), (QStringList{"1", "", "3"}));
}

TEST(TableEditor, ModifyLoadsTheSelectedLineIntoTheBoxes)
{
    // Leading blanks of a field stay, trailing ones go; the second line is
    // cut short after its second field.
    TableEditor e(TableKind::Shu,
                  {caption(TableKind::Shu),
                   recordLine({"1", "100"}) + QStringLiteral(" 50") + QString(11, u' ') + QString(56, u' ') + "-2.5",
                   QStringLiteral("2             7")});
    e.Text1.fill(QStringLiteral("old"));
    e.selected = 1;
    e.xiu();
    EXPECT_EQ(e.Text1, (QStringList{"1", "100", " 50", "", "", "", "", "-2.5"}));
    e.selected = 2;
    e.xiu();
    EXPECT_EQ(e.Text1, (QStringList{"2", "7", "", "", "", "", "", ""}));
    e.selected = -1;
    e.xiu();
    EXPECT_EQ(e.Text1, QStringList(8));
    EXPECT_EQ(e.List1.size(), 3);
}

TEST(TableEditor, ModifyAndConfirmReplacesTheRecordInPlace)
{
    TableEditor e = shuEditor(3);
    e.selected = 2;
    e.xiu();
    e.Text1[2] = QStringLiteral("88.25");
    e.ok();
    EXPECT_EQ(e.List1.size(), 4);
    EXPECT_EQ(stations(e), (QStringList{"100", "200", "300"}));
    EXPECT_EQ(recordField(e.List1[2], 3), QStringLiteral("88.25"));
    EXPECT_EQ(e.List1[1], shuEditor(3).List1[1]);
    EXPECT_EQ(e.List1[3], shuEditor(3).List1[3]);
}

TEST(TableEditor, DeleteMovesTheFollowingLinesUpAndKeepsTheLineCount)
{
    TableEditor e = shuEditor(4);
    e.selected = 2;
    ASSERT_TRUE(e.canDelete());
    e.sha();
    EXPECT_EQ(stations(e), (QStringList{"100", "300", "400", ""}));
    EXPECT_EQ(numbers(e), (QStringList{"1", "2", "3", ""}));
    EXPECT_EQ(e.List1[3].mid(kFieldWidth), shuEditor(4).List1[4].mid(kFieldWidth));
}

TEST(TableEditor, DeleteEmptiesLinesThatHoldNoMoreThanANumber)
{
    const QString cap = caption(TableKind::Shu);
    TableEditor e(TableKind::Shu, {cap, shuRecord(1, "0"), QStringLiteral("2             "), QStringLiteral("3"),
                                   shuRecord(4, "30"), QString(), shuRecord(6, "50")});
    e.selected = 1;
    e.sha();
    // Lines move up (the empty line as an empty line), then every line with
    // nothing after its number field is emptied.
    EXPECT_EQ(e.List1, (QStringList{cap, QString(), QString(), shuRecord(3, "30"), QString(), shuRecord(5, "50"),
                                    QString()}));
}

TEST(TableEditor, DeleteAppliesOnlyToASelectedRecordLine)
{
    for (int selected : {-1, 0}) {
        TableEditor e = shuEditor(2);
        e.selected = selected;
        EXPECT_FALSE(e.canDelete());
        const QStringList before = e.List1;
        e.sha();
        EXPECT_EQ(e.List1, before);
    }
}

// Saving writes the caption line and the non-empty lines, GBK, CR LF.
class TableEditorFile : public ::testing::Test {
protected:
    AppDir dir;
    const QString route = QStringLiteral("测试线路");

    QString file(TableKind kind) const { return QStringLiteral("线路参数/") + route + tableInfo(kind).extension; }
    void writeFile(TableKind kind, const QStringList& lines) const
    {
        dir.write(file(kind), gbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }
};

TEST_F(TableEditorFile, OpenReadsEveryLineWithTheCaptionAsLineZero)
{
    const QStringList lines{caption(TableKind::Cho), shuRecord(1, "0"), QStringLiteral("2  坡段")};
    writeFile(TableKind::Cho, lines);
    const TableEditor e = TableEditor::open(dir.path(), route, TableKind::Cho);
    EXPECT_EQ(e.kind(), TableKind::Cho);
    EXPECT_EQ(e.List1, lines);
    EXPECT_EQ(e.selected, -1);
    EXPECT_EQ(e.Text1, QStringList(9));
}

TEST_F(TableEditorFile, OpenRefusesAMissingOrCaptionlessFile)
{
    EXPECT_THROW(TableEditor::open(dir.path(), route, TableKind::Pin), UserError);
    dir.write(file(TableKind::Pin), QByteArray());
    try {
        TableEditor::open(dir.path(), route, TableKind::Pin);
        ADD_FAILURE() << "empty file opened";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("没有标题行"))) << error.what();
    }
}

TEST_F(TableEditorFile, SavingAfterDeletingRecordTwoOfFourWritesCaptionAndThreeLines)
{
    writeFile(TableKind::Shu, shuEditor(4).List1);
    TableEditor e = TableEditor::open(dir.path(), route, TableKind::Shu);
    e.selected = 2;
    e.sha();
    e.bao(dir.path(), route);

    QStringList fields(8);
    QString expected = caption(TableKind::Shu) + QStringLiteral("\r\n");
    for (const auto& [number, station] : {std::pair{1, "100"}, {2, "300"}, {3, "400"}}) {
        fields[0] = QString::number(number);
        fields[1] = QLatin1String(station);
        expected += recordLine(fields) + QStringLiteral("\r\n");
    }
    EXPECT_EQ(dir.read(file(TableKind::Shu)), gbk(expected));
}

TEST_F(TableEditorFile, SavingWritesTheCaptionLineEvenWithoutRecords)
{
    for (TableKind kind : kAllKinds) {
        writeFile(kind, {caption(kind), shuRecord(1, "0")});
        TableEditor e = TableEditor::open(dir.path(), route, kind);
        e.selected = 1;
        e.sha();
        e.bao(dir.path(), route);
        EXPECT_EQ(dir.read(file(kind)), gbk(caption(kind) + QStringLiteral("\r\n")));
    }
}

TEST_F(TableEditorFile, ATypedFieldIsSavedTrimmedAndPaddedToFourteen)
{
    writeFile(TableKind::Shu, {caption(TableKind::Shu)});
    TableEditor e = TableEditor::open(dir.path(), route, TableKind::Shu);
    e.add();
    e.Text1[1] = QStringLiteral(" 12.5 ");
    e.Text1[2] = QStringLiteral("高程");
    e.ok();
    e.bao(dir.path(), route);
    const QString record = QStringLiteral("1             12.5          高程") + QString(12 + 5 * 14, u' ');
    EXPECT_EQ(dir.read(file(TableKind::Shu)), gbk(caption(TableKind::Shu) + "\r\n" + record + "\r\n"));
}

TEST_F(TableEditorFile, ASaveThatFailsIsReportedAndLeavesTheFile)
{
    writeFile(TableKind::Shu, {caption(TableKind::Shu)});
    TableEditor e = TableEditor::open(dir.path(), route, TableKind::Shu);
    e.add();
    e.ok();
    EXPECT_THROW(e.bao(dir.path() + QStringLiteral("/不存在"), route), UserError);
    EXPECT_EQ(dir.read(file(TableKind::Shu)), gbk(caption(TableKind::Shu) + QStringLiteral("\r\n")));
}

} // namespace
} // namespace quarvane

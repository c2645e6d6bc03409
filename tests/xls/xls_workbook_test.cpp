#include "xls/xls_workbook.h"
#include "text/user_error.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include "support/xls_reader.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <utility>

namespace quarvane {
namespace {

using test::Cells;
using test::ReadBack;
using test::readWithXlrd;
using test::quoted;

XlsWorkbook workbookOf(const Cells& cells)
{
    XlsWorkbook book;
    for (const auto& [at, text] : cells)
        book.setText(at.first, at.second, text);
    return book;
}

// Checks that xlrd found exactly the expected texts (an empty text is a
// blank cell) and the sheet's extent; reports the first few differences.
void expectCells(const ReadBack& book, const Cells& expected)
{
    Cells want;
    int rows = 0, columns = 0;
    for (const auto& [at, text] : expected)
        if (!text.isEmpty()) {
            want[at] = quoted(text);
            rows = std::max(rows, at.first);
            columns = std::max(columns, at.second);
        }
    EXPECT_EQ(book.rows, rows);
    EXPECT_EQ(book.columns, columns);
    EXPECT_EQ(book.cells.size(), want.size()) << "cells that are not empty";
    int differences = 0;
    for (const auto& [at, text] : want) {
        const auto it = book.cells.find(at);
        const QString found = it == book.cells.end() ? QStringLiteral("empty") : it->second;
        if (found != text && ++differences <= 5)
            ADD_FAILURE() << "row " << at.first << ", column " << at.second << ": expected "
                          << text.left(80).toStdString() << ", read " << found.left(80).toStdString();
    }
    for (const auto& [at, text] : book.cells)
        if (!want.contains(at) && ++differences <= 5)
            ADD_FAILURE() << "row " << at.first << ", column " << at.second << ": unexpected " << text.toStdString();
}

class XlsWorkbookTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString file(const QString& name) const { return dir_.filePath(name); }

    // Saves, reads back with xlrd, and checks that xlrd read a BIFF8 file
    // with one sheet, "Sheet1", without a complaint about its structure.
    ReadBack saveAndRead(const XlsWorkbook& book, const QString& name = QStringLiteral("book.xls"))
    {
        book.save(file(name));
        ReadBack read = readWithXlrd(file(name));
        EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
        EXPECT_EQ(read.warnings, QString());
        EXPECT_EQ(read.biff, 80);
        EXPECT_EQ(read.sheetNames, QStringList{QStringLiteral("Sheet1")});
        return read;
    }

    QTemporaryDir dir_;
};

quint32 headerU32(const QByteArray& file, int offset) { return qFromLittleEndian<quint32>(file.constData() + offset); }

TEST_F(XlsWorkbookTest, ResultsSheetReadsBackCellByCell)
{
    const Cells cells = {
        {{1, 1}, QStringLiteral("桩号")},        {{1, 2}, QStringLiteral("桩位")},
        {{1, 3}, QStringLiteral("边距")},        {{1, 4}, QStringLiteral("X 坐标")},
        {{1, 5}, QStringLiteral("Y 坐标")},      {{1, 6}, QStringLiteral("高程")},
        {{2, 1}, QStringLiteral("K01+234.500")}, {{2, 2}, QStringLiteral("中")},
        {{2, 3}, QStringLiteral("000")},         {{2, 4}, QStringLiteral("3456789.123")},
        {{2, 5}, QStringLiteral("512345.678")},  {{2, 6}, QStringLiteral("Z5.000")},
        {{3, 1}, QStringLiteral("K01+240.000")}, {{3, 2}, QStringLiteral("左")},
        {{3, 3}, QStringLiteral("-12.250")},     {{3, 4}, QStringLiteral("3456790.001")},
        {{3, 5}, QStringLiteral("512340.002")},  {{3, 6}, QStringLiteral("")}, // a computed 0 elevation shows empty
        {{5, 2}, QStringLiteral("1E5")},         {{5, 4}, QStringLiteral("TRUE")},
    };
    const ReadBack read = saveAndRead(workbookOf(cells));
    expectCells(read, cells);
}

TEST_F(XlsWorkbookTest, FileIsACompoundFileWithTheWorkbookInOrdinarySectors)
{
    XlsWorkbook book;
    book.setText(1, 1, QStringLiteral("桩号"));
    book.setText(2, 1, QStringLiteral("K01+234.500"));
    book.setText(3, 1, QStringLiteral("°±µé×÷ÿ"));
    const QByteArray bytes = book.bytes();
    EXPECT_EQ(bytes.left(8).toHex(' '), QByteArray("d0 cf 11 e0 a1 b1 1a e1"));
    ASSERT_EQ(bytes.size() % 512, 0);
    EXPECT_EQ(headerU32(bytes, 60), 0xFFFFFFFEu) << "no mini FAT: the short stream is padded instead";
    EXPECT_EQ(headerU32(bytes, 72), 0u) << "no DIFAT sector for a small file";

    // Each FAT entry of a sector in the file names a next sector in the
    // file or is a marker (end of chain, FAT, DIFAT, free); entries past the
    // file's last sector are free.
    const quint32 sectors = quint32(bytes.size() / 512 - 1);
    const quint32 fatSectors = headerU32(bytes, 44);
    ASSERT_EQ(fatSectors, 1u);
    const quint32 fatAt = 512 * (1 + headerU32(bytes, 76));
    quint32 markedFat = 0;
    for (quint32 i = 0; i < 128; ++i) {
        const quint32 entry = headerU32(bytes, int(fatAt + 4 * i));
        if (i >= sectors)
            EXPECT_EQ(entry, 0xFFFFFFFFu) << "FAT entry " << i;
        else
            EXPECT_TRUE(entry < sectors || entry >= 0xFFFFFFFCu) << "FAT entry " << i << " = " << entry;
        markedFat += entry == 0xFFFFFFFDu;
    }
    EXPECT_EQ(markedFat, fatSectors);

    // Text of characters below 0x100 is stored one byte a character, other
    // text as UTF-16LE.
    EXPECT_TRUE(bytes.contains("K01+234.500"));
    EXPECT_TRUE(bytes.contains("\xB0\xB1\xB5\xE9\xD7\xF7\xFF")) << "°±µé×÷ÿ in one byte each";
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("69 68 f7 53"))) << "桩号 in UTF-16LE";
}

TEST_F(XlsWorkbookTest, EmptyWorkbookOpensWithOneEmptySheet)
{
    const ReadBack read = saveAndRead(XlsWorkbook());
    EXPECT_EQ(read.rows, 0);
    EXPECT_EQ(read.columns, 0);
}

TEST_F(XlsWorkbookTest, TextSurvivesWhateverItsCharacters)
{
    // Long texts cross the shared string table's record boundaries (8224
    // bytes): a text is split between records at a character, and a UTF-16
    // surrogate pair must not be split, whatever the offset it lands on.
    const QString emoji = QStringLiteral("😀");
    const std::vector<QString> texts = {
        QStringLiteral("ascii only: K12+345.678 Z5.000"),
        QStringLiteral("Latin-1 one byte each: 45°30′ ±0.5 µm é"), // ′ is above 0xFF
        QStringLiteral("°±µé×÷ÿ"),                                 // all below 0x100
        QStringLiteral("中文与 ASCII 混合：左边桩 K0+000"),
        QStringLiteral("Ā"), // the first character above 0xFF
        emoji + QStringLiteral(" 表情 ") + emoji,
        QString(12000, QChar(u'线')),
        QString(20000, QChar(u'a')),
        QString(5000, QChar(u'é')) + QStringLiteral("末"),
    };
    Cells cells;
    int row = 1;
    for (const QString& text : texts)
        cells[{row++, 1}] = text;
    // Many texts of surrogate pairs with odd lengths, so that the record
    // boundaries land on every position within a pair.
    for (int i = 0; i < 600; ++i)
        cells[{row++, 2}] = QString::number(i) + emoji.repeated(i % 37 + 1) + QStringLiteral("x");
    cells[{row++, 3}] = QString(kXlsMaxCellText, QChar(u'长'));
    const ReadBack read = saveAndRead(workbookOf(cells));
    expectCells(read, cells);
}

TEST_F(XlsWorkbookTest, LaterTextReplacesEarlierAndEmptyTextBlanksACell)
{
    XlsWorkbook book;
    book.setText(2, 3, QStringLiteral("first"));
    book.setText(1, 1, QStringLiteral("same"));
    book.setText(1, 2, QStringLiteral("same"));
    book.setText(2, 3, QStringLiteral("second"));
    book.setText(4, 4, QStringLiteral("gone"));
    book.setText(4, 4, QString());
    book.setText(kXlsMaxRows, kXlsMaxColumns, QStringLiteral("last cell"));
    const ReadBack read = saveAndRead(book);
    expectCells(read, {{{1, 1}, QStringLiteral("same")},
                       {{1, 2}, QStringLiteral("same")},
                       {{2, 3}, QStringLiteral("second")},
                       {{kXlsMaxRows, kXlsMaxColumns}, QStringLiteral("last cell")}});
}

TEST_F(XlsWorkbookTest, RefusesCellsOutsideTheSheetNamingTheCell)
{
    const struct {
        int row, column;
        int textLength;
        const char* mentions;
    } cases[] = {
        {0, 1, 1, "第 0 行"},          {-1, 1, 1, "第 -1 行"},
        {65537, 1, 1, "第 65537 行"}, {1, 0, 1, "第 0 列"},
        {1, 257, 1, "第 257 列"},      {3, 4, kXlsMaxCellText + 1, "32768 个字符"},
    };
    for (const auto& c : cases) {
        XlsWorkbook book;
        try {
            book.setText(c.row, c.column, QString(c.textLength, QChar(u'x')));
            ADD_FAILURE() << "accepted row " << c.row << ", column " << c.column;
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.mentions))) << e.what();
        }
    }
}

TEST_F(XlsWorkbookTest, FailedSaveThrowsAndLeavesTheEarlierFileWhole)
{
    XlsWorkbook book;
    book.setText(1, 1, QStringLiteral("新内容"));

    const QString missing = file(QStringLiteral("no such folder/结果.xls"));
    try {
        book.save(missing);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("无法写入文件“%1”：").arg(QDir::toNativeSeparators(missing))))
            << e.what();
    }
    EXPECT_FALSE(QFile::exists(missing));

    // An earlier file whose name leaves no room for the temporary file the
    // new content is written to first (the name limit is 255 bytes; root
    // passes permission checks, so this is how we make the save fail).
    const QString earlier = file(QString(248, QChar(u'a')) + QStringLiteral(".xls"));
    const QByteArray earlierBytes("an earlier file");
    {
        QFile existing(earlier);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write(earlierBytes);
    }
    EXPECT_THROW(book.save(earlier), UserError);
    QFile kept(earlier);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), earlierBytes);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QFileInfo(earlier).fileName()});
}

// The biggest table the program saves: a caption row and 60000 result rows
// of six columns, several megabytes, so the compound file needs DIFAT
// sectors beyond the header's 109 FAT sector entries.
TEST_F(XlsWorkbookTest, SixtyThousandResultRowsNeedDifatSectors)
{
    constexpr int rows = 60001;
    constexpr int columns = 6;
    auto text = [](int row, int column) -> QString {
        if (row == 1)
            return QStringList{"桩号", "桩位", "边距", "X 坐标", "Y 坐标", "高程"}[column - 1];
        const int n = row - 2;
        switch (column) {
        case 1: return QStringLiteral("K%1+%2.500").arg(n / 1000, 2, 10, QChar(u'0')).arg(n % 1000, 3, 10, QChar(u'0'));
        case 2: return n % 3 == 0 ? QStringLiteral("左") : n % 3 == 1 ? QStringLiteral("中") : QStringLiteral("右");
        case 3: return QString::number(n % 50 * 0.25 - 6, 'f', 3);
        case 4: return QString::number(3456789.123 + n * 0.5, 'f', 3);
        case 5: return QString::number(512345.678 - n * 0.25, 'f', 3);
        default: return QString::number(100 + n * 0.001, 'f', 3);
        }
    };
    Cells expected;
    XlsWorkbook book;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c) {
            const QString cell = text(r, c);
            expected.emplace_hint(expected.end(), std::pair(r, c), cell);
            book.setText(r, c, cell);
        }

    QElapsedTimer timer;
    timer.start();
    const QByteArray bytes = book.bytes();
    const qint64 elapsed = timer.elapsed();
    RecordProperty("bytes_ms", int(elapsed));
    std::cout << "60001 x 6 workbook, " << bytes.size() << " bytes, written in " << elapsed << " ms\n";

    EXPECT_EQ(bytes.left(8).toHex(' '), QByteArray("d0 cf 11 e0 a1 b1 1a e1"));
    EXPECT_GT(headerU32(bytes, 44), 109u) << "FAT sectors";
    EXPECT_GE(headerU32(bytes, 72), 1u) << "DIFAT sectors";

    const ReadBack read = saveAndRead(book);
    expectCells(read, expected);
}

} // namespace
} // namespace quarvane

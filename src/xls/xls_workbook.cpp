#include "xls/xls_workbook.h"

#include "text/gbk_file.h"
#include "text/user_error.h"
#include "xls/compound_file.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <numeric>

namespace quarvane {

// What goes into the file, and why so little:
//
// Globals: BOF, CODEPAGE 1200 (strings are Unicode), WINDOW1, five FONT
// records as Excel writes them (font index 4 is skipped by every reader, so
// these are fonts 0-3 and 5), the 16 built-in XF records (0-14 style XFs, 15 the
// default cell XF that every cell uses), the STYLE record of "Normal",
// BOUNDSHEET pointing at the sheet's BOF, SST with its CONTINUE records,
// EXTSST, EOF.
// Sheet: BOF, DIMENSIONS, one LABELSST per cell, WINDOW2, EOF.
//
// Cells are LABELSST records into the shared string table, the form Excel
// itself writes for text; Excel, LibreOffice and xlrd all read it, while the
// older LABEL record is only tolerated by some readers in a BIFF8 file.
// ROW, INDEX and DBCELL records only speed up random access; readers build
// rows from the cells without them.

namespace {

constexpr quint16 kBof = 0x0809;
constexpr quint16 kEof = 0x000A;
constexpr quint16 kCodePage = 0x0042;
constexpr quint16 kWindow1 = 0x003D;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kStyle = 0x0293;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kSst = 0x00FC;
constexpr quint16 kContinue = 0x003C;
constexpr quint16 kExtSst = 0x00FF;
constexpr quint16 kDimensions = 0x0200;
constexpr quint16 kLabelSst = 0x00FD;
constexpr quint16 kWindow2 = 0x023E;

// The data of one record is at most this long; longer content goes on in
// CONTINUE records.
constexpr qsizetype kMaxRecordData = 8224;

constexpr quint16 kBofGlobals = 0x0005;
constexpr quint16 kBofWorksheet = 0x0010;
constexpr quint16 kUtf16CodePage = 1200;
constexpr quint16 kDefaultCellXf = 15;
constexpr int kFontRecords = 5;
constexpr int kStyleXfs = 15;

// The font of every cell: 宋体 12 pt, the default of Chinese spreadsheets.
const QString kFontName = QStringLiteral("宋体");
constexpr quint16 kFontHeightTwips = 240;
constexpr quint8 kGb2312CharSet = 0x86;

const QString kSheetName = QStringLiteral("Sheet1");

bool fitsInOneByte(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
}

// A Workbook stream being written: records are opened, filled and closed,
// and the length in the header is patched on close.
class BiffWriter {
public:
    explicit BiffWriter(qsizetype expectedSize) { data_.reserve(expectedSize); }

    qsizetype position() const { return data_.size(); }
    // Room left in the open record.
    qsizetype room() const { return kMaxRecordData - (data_.size() - recordStart_ - 4); }
    // Offset in the open record, counting its 4-byte header.
    qsizetype offsetInRecord() const { return data_.size() - recordStart_; }

    void begin(quint16 id)
    {
        recordStart_ = data_.size();
        u16(id);
        u16(0);
    }
    void end() { patchU16(recordStart_ + 2, quint16(data_.size() - recordStart_ - 4)); }

    void u8(quint8 value) { data_.append(char(value)); }
    void u16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        data_.append(bytes, 2);
    }
    void u32(quint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        data_.append(bytes, 4);
    }
    void patchU16(qsizetype at, quint16 value) { qToLittleEndian(value, data_.data() + at); }
    void patchU32(qsizetype at, quint32 value) { qToLittleEndian(value, data_.data() + at); }

    // Characters, one byte each (all below 0x100) or UTF-16LE.
    void chars(const QChar* text, qsizetype count, bool wide)
    {
        const qsizetype at = data_.size();
        data_.resize(at + (wide ? 2 * count : count));
        char* out = data_.data() + at;
        if (wide) {
            for (qsizetype i = 0; i < count; ++i)
                qToLittleEndian(text[i].unicode(), out + 2 * i);
        } else {
            for (qsizetype i = 0; i < count; ++i)
                out[i] = char(text[i].unicode());
        }
    }

    // A string with a one-byte length (sheet and font names).
    void shortString(const QString& text)
    {
        const bool wide = !fitsInOneByte(text);
        u8(quint8(text.size()));
        u8(wide ? 1 : 0);
        chars(text.constData(), text.size(), wide);
    }

    void bof(quint16 substreamType)
    {
        begin(kBof);
        u16(0x0600); // BIFF8
        u16(substreamType);
        u16(0x0DBB); // build and year of the application that wrote the file
        u16(0x07CC);
        u32(0);      // file history flags
        u32(0x0006); // lowest BIFF version that can read the file
        end();
    }
    void eof()
    {
        begin(kEof);
        end();
    }

    QByteArray take() { return std::move(data_); }

private:
    QByteArray data_;
    qsizetype recordStart_ = 0;
};

// The shared string table: SST followed by CONTINUE records as it grows
// past a record. A string's 3-byte header (length and option flags) never
// splits; when its characters do, the CONTINUE record begins with the
// option flags byte again. A UTF-16 surrogate pair is kept in one record,
// since readers decode each part on its own. Also writes EXTSST, which
// marks where every dsst-th string begins, as Excel expects.
void writeSharedStrings(BiffWriter& w, const std::vector<const QString*>& strings, quint32 references)
{
    const quint32 unique = quint32(strings.size());
    const quint32 perBucket = std::max<quint32>(unique / 128 + 1, 8);
    std::vector<std::pair<quint32, quint16>> buckets; // stream position, offset in its record
    buckets.reserve(unique / perBucket + 1);

    w.begin(kSst);
    w.u32(references);
    w.u32(unique);
    for (quint32 index = 0; index < unique; ++index) {
        const QString& text = *strings[index];
        const bool wide = !fitsInOneByte(text);
        const qsizetype charSize = wide ? 2 : 1;
        // The header and at least a first character (two units for a pair).
        if (w.room() < 3 + 2 * charSize) {
            w.end();
            w.begin(kContinue);
        }
        if (index % perBucket == 0)
            buckets.emplace_back(quint32(w.position()), quint16(w.offsetInRecord()));
        w.u16(quint16(text.size()));
        w.u8(wide ? 1 : 0);
        qsizetype done = 0;
        for (;;) {
            qsizetype take = std::min(w.room() / charSize, text.size() - done);
            if (done + take < text.size() && take > 1 && text.at(done + take - 1).isHighSurrogate())
                --take;
            w.chars(text.constData() + done, take, wide);
            done += take;
            if (done == text.size())
                break;
            w.end();
            w.begin(kContinue);
            w.u8(wide ? 1 : 0);
        }
    }
    w.end();

    w.begin(kExtSst);
    w.u16(quint16(perBucket));
    for (const auto& [position, offset] : buckets) {
        w.u32(position);
        w.u16(offset);
        w.u16(0);
    }
    w.end();
}

} // namespace

void XlsWorkbook::setText(int row, int column, const QString& text)
{
    if (row < 1 || row > kXlsMaxRows || column < 1 || column > kXlsMaxColumns)
        throw UserError(QStringLiteral("单元格（第 %1 行，第 %2 列）超出工作表范围：工作表最多 %3 行、%4 列。")
                            .arg(row)
                            .arg(column)
                            .arg(kXlsMaxRows)
                            .arg(kXlsMaxColumns));
    if (text.size() > kXlsMaxCellText)
        throw UserError(QStringLiteral("第 %1 行第 %2 列的文字有 %3 个字符，超过单元格的上限 %4 个。")
                            .arg(row)
                            .arg(column)
                            .arg(text.size())
                            .arg(kXlsMaxCellText));
    cells_.push_back({quint32(row - 1) * kXlsMaxColumns + quint32(column - 1), text});
}

QByteArray XlsWorkbook::bytes() const
{
    // The cells in sheet order, the last text set for a cell winning, blank
    // cells dropped; each refers to its text in the shared string table.
    std::vector<quint32> order(cells_.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(),
                     [this](quint32 a, quint32 b) { return cells_[a].key < cells_[b].key; });
    struct Placed {
        quint32 key;
        quint32 string;
    };
    std::vector<Placed> placed;
    placed.reserve(order.size());
    std::vector<const QString*> strings;
    QHash<QString, quint32> stringIndex;
    stringIndex.reserve(qsizetype(order.size()));
    qsizetype stringBytes = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        const Cell& cell = cells_[order[i]];
        if ((i + 1 < order.size() && cells_[order[i + 1]].key == cell.key) || cell.text.isEmpty())
            continue;
        quint32& slot = stringIndex[cell.text]; // 1-based, 0 for a text not seen before
        if (slot == 0) {
            strings.push_back(&cell.text);
            stringBytes += 3 + 2 * cell.text.size();
            slot = quint32(strings.size());
        }
        placed.push_back({cell.key, slot - 1});
    }

    // Enough for the records around the cells, the strings with their
    // CONTINUE headers, and 14 bytes per cell.
    BiffWriter w(4096 + stringBytes * 8226 / 8224 + 14 * qsizetype(placed.size()));

    w.bof(kBofGlobals);
    w.begin(kCodePage);
    w.u16(kUtf16CodePage);
    w.end();

    w.begin(kWindow1);
    w.u16(0);      // window position, twips
    w.u16(0);
    w.u16(0x4000); // window size, twips
    w.u16(0x2000);
    w.u16(0x0038); // scroll bars and sheet tabs shown
    w.u16(0);      // active sheet
    w.u16(0);      // first visible tab
    w.u16(1);      // selected sheets
    w.u16(600);    // tab bar width, per mille
    w.end();

    for (int i = 0; i < kFontRecords; ++i) {
        w.begin(kFont);
        w.u16(kFontHeightTwips);
        w.u16(0);      // not bold, italic, struck out
        w.u16(0x7FFF); // automatic colour
        w.u16(400);    // normal weight
        w.u16(0);      // no super- or subscript
        w.u8(0);       // no underline
        w.u8(0);       // font family not given
        w.u8(kGb2312CharSet);
        w.u8(0);
        w.shortString(kFontName);
        w.end();
    }

    // The style XFs only need to exist; XF 15 is the default cell format:
    // General number format, bottom-aligned, locked, no borders, automatic
    // colours.
    for (int i = 0; i <= kStyleXfs; ++i) {
        const bool style = i < kStyleXfs;
        w.begin(kXf);
        w.u16(0);                        // font
        w.u16(0);                        // number format General
        w.u16(style ? 0xFFF5 : 0x0001);  // locked; style XF without parent, or cell XF of style 0
        w.u8(0x20);                      // bottom-aligned
        w.u8(0);                         // no rotation
        w.u8(0);                         // no indent
        w.u8(style && i > 0 ? 0xF4 : 0); // outline styles set only a font
        w.u32(0);                        // no borders
        w.u32(0);
        w.u16(0x20C0); // pattern colours: system foreground and background
        w.end();
    }

    w.begin(kStyle);
    w.u16(0x8000); // built-in style on XF 0
    w.u8(0);       // Normal
    w.u8(0xFF);
    w.end();

    w.begin(kBoundSheet);
    const qsizetype sheetOffsetAt = w.position();
    w.u32(0); // patched below once the sheet's position is known
    w.u8(0);  // visible
    w.u8(0);  // worksheet
    w.shortString(kSheetName);
    w.end();

    writeSharedStrings(w, strings, quint32(placed.size()));
    w.eof();

    w.patchU32(sheetOffsetAt, quint32(w.position()));
    w.bof(kBofWorksheet);

    // Rows and columns used, the last ones exclusive; all zero for an empty sheet.
    quint32 firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    if (!placed.empty()) {
        firstRow = placed.front().key / kXlsMaxColumns;
        lastRow = placed.back().key / kXlsMaxColumns + 1;
        firstColumn = kXlsMaxColumns;
        for (const Placed& cell : placed) {
            firstColumn = std::min(firstColumn, cell.key % kXlsMaxColumns);
            lastColumn = std::max(lastColumn, cell.key % kXlsMaxColumns + 1);
        }
    }
    w.begin(kDimensions);
    w.u32(firstRow);
    w.u32(lastRow);
    w.u16(quint16(firstColumn));
    w.u16(quint16(lastColumn));
    w.u16(0);
    w.end();

    for (const Placed& cell : placed) {
        w.begin(kLabelSst);
        w.u16(quint16(cell.key / kXlsMaxColumns));
        w.u16(quint16(cell.key % kXlsMaxColumns));
        w.u16(kDefaultCellXf);
        w.u32(cell.string);
        w.end();
    }

    w.begin(kWindow2);
    w.u16(0x06B6); // grid, headers, zeros, automatic grid colour, outline symbols, selected, shown
    w.u16(0);      // top row
    w.u16(0);      // left column
    w.u16(64);     // grid colour: system window text
    w.u16(0);
    w.u16(0); // zoom of page break preview and of normal view: default
    w.u16(0);
    w.u32(0);
    w.end();
    w.eof();

    // A stream this short would belong in the compound file's mini stream;
    // zeros after the last EOF make it long enough to stand in ordinary
    // sectors, and every reader stops at that EOF.
    QByteArray stream = w.take();
    if (stream.size() < kCompoundMiniStreamCutoff)
        stream.resize(kCompoundMiniStreamCutoff, '\0');
    return compoundFileWithStream(QStringLiteral("Workbook"), stream);
}

void XlsWorkbook::save(const QString& path) const
{
    writeFileWhole(path, bytes());
}

} // namespace quarvane

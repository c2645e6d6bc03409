#pragma once

// The rules of the four table editor windows (pin, shu, cho, lbp).
//
// An editor works on the text lines of one table file: the caption line as
// line 0, then one record line per line, N fields of 14 characters each. The
// user builds a record in N boxes (box j-1 holds field j, box 0 the record
// number), puts it into the list, moves and renumbers lines, and writes the
// list back. Nothing is computed: every field is typed by the user.
//
// The state is plain data, the buttons are functions on it named after the
// window's buttons; the window shows the state and writes its edits back
// before each button.

#include "route/design_table.h"

#include <QString>
#include <QStringList>

namespace quarvane {

class TableEditor {
public:
    // An editor of the given kind on the lines of a table file (line 0 the
    // caption line). No line is selected and all boxes are empty.
    TableEditor(TableKind kind, QStringList lines);

    // Reads the route's table file of that kind. Throws UserError naming the
    // file when it cannot be read or holds no caption line.
    static TableEditor open(const QString& FilePosition, const QString& XLming, TableKind kind);

    TableKind kind() const { return kind_; }
    const TableKindInfo& info() const { return tableInfo(kind_); }
    int fieldCount() const { return info().fieldCount; }

    // The list's lines: line 0 the caption line, line k normally the record
    // numbered k. An empty line is kept in the list but never saved.
    QStringList List1;
    // The N boxes: Text1[j-1] holds field j, Text1[0] the record number.
    QStringList Text1;
    // The selected line, -1 when none.
    int selected = -1;

    // The number in the first box: the number at the start of its text (0
    // when it does not begin with one), rounded to the nearest integer,
    // halves to even. Saturates far outside the list's range.
    int firstBoxNumber() const;

    // 增加: the first empty line from line 1 on (the line after the last
    // counts as empty) goes into the first box as the new record's number.
    void add();

    // 插入: makes room before the selected line. The first box receives the
    // selected index (0 when none is selected); with 0 nothing else happens.
    // Otherwise every line from it on moves one line down, renumbered, and
    // the selected line becomes empty.
    void cha();

    // 修改: the selected line's fields into the boxes (trailing blanks
    // removed); every box empty when no line is selected.
    void xiu();

    // 删除 applies only to a selected record line, never the caption line.
    bool canDelete() const;
    // 删除, once confirmed: the lines after the selected one move up one
    // line, renumbered; every line whose text after its number field is
    // empty becomes empty. The list keeps its number of lines.
    void sha();

    // 确认添加以上数据: puts the record in the boxes into line k, k the number
    // in the first box; k equal to the number of lines appends a line, and 0
    // does nothing. Each box receives its text trimmed and padded to 14
    // characters. Throws UserError, changing nothing, when k is negative or
    // past the end of the list, or a box holds more than 14 characters or a
    // character GBK cannot hold, or when the record would be the 601st.
    void ok();

    // 保存: writes every non-empty line, caption line first, to the route's
    // file of this kind. Throws UserError naming the file on failure.
    void bao(const QString& FilePosition, const QString& XLming) const;

private:
    // A record line moved to another index carries that index as its number:
    // its first 14 characters are replaced, the rest kept. An empty line
    // stays empty.
    static QString renumbered(const QString& line, int index);

    TableKind kind_;
};

} // namespace quarvane

#pragma once

// The route catalogue temp/XL.dat: one route name per line, GBK, CR LF, in
// the order of creation. Every name in it owns four table files in
// 线路参数/. In memory the catalogue is the route list's entries, in file
// order; an entry may be empty for a while after a deletion and is never
// written or counted as a route.

#include <QString>
#include <QStringList>

namespace quarvane {

inline constexpr int kMaxRouteNameLength = 60;

// Checks that a trimmed, non-empty name can be a route: it becomes a file
// name and a GBK line. Throws UserError saying what is wrong.
void checkRouteName(const QString& name);

class RouteCatalogue {
public:
    explicit RouteCatalogue(QString FilePosition);

    // Fills the entries from the file; a missing file is an empty catalogue.
    // Throws UserError when the file exists but cannot be read.
    void read();

    // The list entries, empty ones included.
    const QStringList& entries() const { return entries_; }

    enum class AddResult { Added, Duplicate, Empty };

    // Adds the typed name (trimmed): an empty name changes nothing, a name
    // already listed is refused as a duplicate. Otherwise the four table
    // files are copied from the templates and the name is appended to the
    // catalogue. A name that cannot stand in a file name, a missing
    // template or 线路参数 directory, or a write that fails throws
    // UserError and leaves no file of the route behind.
    AddResult add(const QString& typed);

    // Deletes the route of entry `index`: the list closes up, the catalogue
    // is rewritten without it, and its four table files are removed (a file
    // already gone is not an error). Throws UserError, with the catalogue
    // and the list unchanged, when the catalogue cannot be written; after
    // the list closed up when a file cannot be removed, or when the name is
    // not one a route can have (then no file is touched: such a name, from
    // a catalogue edited by hand, may point out of 线路参数).
    void remove(int index);

private:
    void writeCatalogue(const QStringList& entries) const;

    QString FilePosition_;
    QStringList entries_;
};

} // namespace quarvane

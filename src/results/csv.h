#pragma once

#include "content/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The spreadsheet files of the results: UTF-8 with a byte-order mark (without
// it spreadsheets guess the code page), ";" between fields (the list separator
// of Bulgarian regional settings), CR LF after every row. A field holding ";",
// a quote or a line break is quoted, its quotes doubled.
namespace results::csv {

using Rows = QList<QStringList>;

QByteArray document(const Rows& rows);

// The rows of a document written that way; the reason when the bytes are not
// such a document: no byte-order mark, not UTF-8, an open quote, or a last
// row without its line break (a file cut short).
content::Result<Rows> parse(const QByteArray& bytes);

}  // namespace results::csv

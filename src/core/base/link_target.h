#pragma once

#include "core/base/io_result.h"

#include <QString>

namespace velkor {

// The file a write meant for `path` must replace. People keep data files elsewhere (a synced folder) and
// link them into the data folder: a write goes to the end of the chain of links, so that the link stays and
// the linked file gets the data. A dangling link gives the path it names, which the write then creates.
// A chain that leads round in a loop is an error naming `path`: nothing may replace the link.
Loaded<QString> pathToWrite(const QString& path);

} // namespace velkor

#pragma once

#include "core/base/services.h"

#include <QString>
#include <QStringList>

namespace velkor::shell {

// The shipped pages, relative to the pages folder.
QString helpPage(Language language);
QString aboutPage(Language language);
QStringList shippedPages();

} // namespace velkor::shell

#pragma once

#include <QDir>

namespace velkor::shell {

// An older release kept sc.kyt, myfile.kyt and tarih.kyt as sc.dat, myfile.dat and tarih.dat. On a first
// start each .dat file, in that order, takes the place of its .kyt file when that file holds nothing of the
// user's yet (just made by this start): sc.kyt always, myfile.kyt when empty, tarih.kyt when it holds only
// start records. A .kyt file with data is never replaced. Every failure is ignored.
void adoptLegacyFiles(const QDir& dataDir);

} // namespace velkor::shell

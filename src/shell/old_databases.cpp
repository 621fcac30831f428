#include "shell/old_databases.h"

#include "core/diary/diary_store.h"
#include "core/directory/directory_store.h"
#include "core/jet/jet_import.h"
#include "core/lang/messages.h"

namespace velkor::shell {

void carryOverOldDatabases(const QDir& dataDir, Prompter& prompter, jet::JetReader& reader) {
    const diary::DiaryStore diary(dataDir);
    const directory::DirectoryStore directory(dataDir);
    const jet::ImportOutcome outcome =
        jet::importJetFiles({diary.history(), diary.files(), directory.database()}, reader);
    if (!outcome.carried.isEmpty()) {
        QStringList lines;
        for (const jet::Carried& carried : outcome.carried)
            lines.append(lang::old_databases::carriedLine(carried.fileName, carried.rows,
                                                          QDir::toNativeSeparators(carried.keptAs)));
        prompter.inform(QString(), lang::old_databases::carriedOver(lines));
    }
    if (!outcome.failures.isEmpty())
        prompter.warn(QString(), lang::old_databases::notCarriedOver(outcome.failures));
}

} // namespace velkor::shell

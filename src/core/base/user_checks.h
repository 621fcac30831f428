#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace velkor {

// Whether only this user controls `folder`: a real folder (not a link), owned by this user, that gives group
// and others no permission at all. Nobody else can have put a socket there.
bool isPrivateFolder(const QString& folder);

// The user id at the other end of a connected local socket; nullopt when it cannot be told.
std::optional<uint> peerUserId(qintptr socketDescriptor);

// Whether the other end of a connected local socket runs as this process's user.
bool peerIsThisUser(qintptr socketDescriptor);

// A new folder under `parent` that only this user may enter; empty when it cannot be made.
QString makePrivateFolder(const QString& parent);

} // namespace velkor

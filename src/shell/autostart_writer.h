#pragma once

#include "core/base/services.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace velkor::shell {

// The autostart entry of the desktop the program was built for.
std::unique_ptr<AutostartWriter> makeAutostartWriter();

// The program's canonical path, so the entry works whatever the current directory was at start.
QString realProgramPath(const QString& programPath);

// Velkor.desktop in the XDG autostart folder of freedesktop desktops.
class XdgAutostartWriter final : public AutostartWriter {
public:
    explicit XdgAutostartWriter(QString folder = defaultFolder());

    QString registerAutostart(const QString& programPath) override;

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart when the variable is unset or not absolute.
    static QString defaultFolder();
    QString entryPath() const;
    // The entry's text for the program at `programPath` (already a real path).
    static QByteArray desktopEntry(const QString& programPath);

private:
    QString m_folder;
};

} // namespace velkor::shell

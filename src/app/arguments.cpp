#include "arguments.h"

#include <QByteArray>
#include <QLatin1String>

#include <cstring>
#include <optional>

namespace velkor::app {

namespace {

const char* const commandOptions[] = {"-h",       "--help",  "-v", "--version", "--help-folder",
                                      "--import", "--export", "--sync", "--sync-setup"};

// The options QApplication takes itself; the first ones are followed by a value.
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "session",
                                          "display",
                                          "geometry",
                                          "title",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "visual",
                                          "ncols",
                                          "cmap",
                                          "im",
                                          "qmljsdebugger"};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool isCommandOption(const char* argument) {
    for (const char* option : commandOptions) {
        const std::size_t length = std::strlen(option);
        if (std::strncmp(argument, option, length) == 0 &&
            (argument[length] == '\0' || argument[length] == '='))
            return true;
    }
    return false;
}

// The name of a Qt option without its dashes and any "=value"; Qt reads "-style" and "--style" alike.
QByteArray optionName(const char* argument) {
    QByteArray name(argument);
    name.remove(0, name.startsWith("--") ? 2 : 1);
    const qsizetype equals = name.indexOf('=');
    return equals < 0 ? name : name.left(equals);
}

bool listed(const QByteArray& name, const char* const* first, const char* const* last) {
    for (const char* const* option = first; option != last; ++option) {
        if (name == *option)
            return true;
    }
    return false;
}

// The value a Qt option was given, when it was.
std::optional<QByteArray> qtOptionValue(int argc, char* argv[], const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-' || optionName(argv[i]) != wanted)
            continue;
        const char* equals = std::strchr(argv[i], '=');
        if (equals)
            return QByteArray(equals + 1);
        return i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
    }
    return std::nullopt;
}

} // namespace

bool wantsCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (isCommandOption(argument))
            return true;
        if (argument[0] != '-' || argument[1] == '\0')
            continue; // a plain word is left to Qt, as before
        const QByteArray name = optionName(argument);
        if (listed(name, std::begin(qtOptionsWithValue), std::end(qtOptionsWithValue))) {
            if (!std::strchr(argument, '='))
                ++i; // its value
            continue;
        }
        if (!listed(name, std::begin(qtFlags), std::end(qtFlags)))
            return true; // unknown: the command line refuses it with the usage
    }
    return false;
}

QString missingDisplay(int argc, char* argv[]) {
    const QByteArray platform = qtOptionValue(argc, argv, "platform").value_or(qgetenv("QT_QPA_PLATFORM"));
    // Only the desktop platforms need a display server; offscreen, vnc and the like bring their own.
    const bool desktop = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!desktop || qtOptionValue(argc, argv, "display") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return QStringLiteral("no display to open the tray icon on (neither DISPLAY nor WAYLAND_DISPLAY is "
                          "set); start Velkor in a desktop session.");
}

} // namespace velkor::app

#include "shell/autostart_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

#include <string>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace velkor::shell {

namespace {

// Velkor.lnk in the user's StartUp folder: the program, its directory as working directory, shown
// without taking the focus (window style 4) and with the program's own first icon.
class StartupShortcutWriter final : public AutostartWriter {
public:
    QString registerAutostart(const QString& programPath) override;
};

QString failure(const QString& what, HRESULT result) {
    return QObject::tr("%1 (error 0x%2)")
        .arg(what)
        .arg(static_cast<quint32>(result), 8, 16, QLatin1Char('0'));
}

template <typename T> void release(T*& object) {
    if (object)
        object->Release();
    object = nullptr;
}

QString startupFolder() {
    PWSTR folder = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Startup, 0, nullptr, &folder)))
        return {};
    const QString path = QString::fromWCharArray(folder);
    CoTaskMemFree(folder);
    return path;
}

QString StartupShortcutWriter::registerAutostart(const QString& programPath) {
    const QString folder = startupFolder();
    if (folder.isEmpty())
        return QObject::tr("The StartUp folder could not be found.");
    const QString linkPath = QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Velkor.lnk")));
    const QString program = realProgramPath(programPath);
    const std::wstring link = QDir::toNativeSeparators(linkPath).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(program).toStdWString();
    const std::wstring workDir = QDir::toNativeSeparators(QFileInfo(program).absolutePath()).toStdWString();

    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shortcut = nullptr;
    IPersistFile* file = nullptr;
    QString error;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&shortcut));
    if (SUCCEEDED(result)) {
        shortcut->SetPath(target.c_str());
        shortcut->SetWorkingDirectory(workDir.c_str());
        shortcut->SetShowCmd(SW_SHOWNOACTIVATE); // window style 4
        shortcut->SetIconLocation(target.c_str(), 0);
        result = shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    }
    if (SUCCEEDED(result))
        result = file->Save(link.c_str(), TRUE);
    if (FAILED(result))
        error = failure(QObject::tr("%1\ncannot be written.").arg(linkPath), result);
    release(file);
    release(shortcut);
    if (SUCCEEDED(init))
        CoUninitialize();
    return error;
}

} // namespace

std::unique_ptr<AutostartWriter> makeAutostartWriter() {
    return std::make_unique<StartupShortcutWriter>();
}

} // namespace velkor::shell

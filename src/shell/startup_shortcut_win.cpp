#include "shell/autostart_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

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
    const QString target = QDir::toNativeSeparators(realProgramPath(programPath));
    const QString workDir = QDir::toNativeSeparators(QFileInfo(target).absolutePath());

    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    QString error;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        link->SetPath(reinterpret_cast<const wchar_t*>(target.utf16()));
        link->SetWorkingDirectory(reinterpret_cast<const wchar_t*>(workDir.utf16()));
        link->SetShowCmd(SW_SHOWNOACTIVATE); // window style 4
        link->SetIconLocation(reinterpret_cast<const wchar_t*>(target.utf16()), 0);
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    }
    if (SUCCEEDED(result))
        result = file->Save(reinterpret_cast<const wchar_t*>(linkPath.utf16()), TRUE);
    if (FAILED(result))
        error = failure(QObject::tr("%1\ncannot be written.").arg(linkPath), result);
    release(file);
    release(link);
    if (SUCCEEDED(init))
        CoUninitialize();
    return error;
}

} // namespace

std::unique_ptr<AutostartWriter> makeAutostartWriter() {
    return std::make_unique<StartupShortcutWriter>();
}

} // namespace velkor::shell

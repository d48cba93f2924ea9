// The registry form of the file-type association (Windows builds only).
#include <windows.h>

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <string>

#include "shell/file_association.h"

namespace vantrel::shell {
namespace {

const std::string kClassesKey = "software\\classes\\";

// Creates the key if needed and writes one value; results are not examined.
void SetRegistryValue(HKEY root, const std::string& keyName, const std::string& valueName,
                      const std::string& value, DWORD valueType) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyName.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (valueType == REG_SZ || valueType == REG_EXPAND_SZ || valueType == REG_MULTI_SZ) {
        RegSetValueExA(key, valueName.c_str(), 0, valueType,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    } else {
        const DWORD number = static_cast<DWORD>(std::strtol(value.c_str(), nullptr, 10));
        RegSetValueExA(key, valueName.c_str(), 0, valueType, reinterpret_cast<const BYTE*>(&number),
                       sizeof number);
    }
    RegCloseKey(key);
}

// Deletes one key that has no subkeys.
void DeleteRegistryKey(HKEY root, const std::string& keyName) {
    RegDeleteKeyA(root, keyName.c_str());
}

std::string Local8(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// The program's folder, a backslash unless it ends with one, its name and
// ".exe " with the blank the commands and the icon value rely on; lower case.
std::string ProgramPath(const QString& programPath) {
    const QFileInfo program(programPath);
    QString folder = QDir::toNativeSeparators(program.absolutePath());
    if (!folder.endsWith(QLatin1Char('\\'))) folder += QLatin1Char('\\');
    return Local8((folder + program.completeBaseName() + QStringLiteral(".exe ")).toLower());
}

}  // namespace

void RegisterFileType(const QString& className, const QString& extension,
                      const QString& description, const QString& programPath) {
    const std::string extensionKey = kClassesKey + Local8(extension.toLower());
    const std::string classKey = kClassesKey + Local8(className.toLower());
    const std::string program = ProgramPath(programPath);
    SetRegistryValue(HKEY_LOCAL_MACHINE, extensionKey, "", Local8(className.toLower()), REG_SZ);
    SetRegistryValue(HKEY_LOCAL_MACHINE, classKey, "", Local8(description), REG_SZ);
    SetRegistryValue(HKEY_LOCAL_MACHINE, classKey + "\\DefaultIcon", "", program + " ,0", REG_SZ);
    SetRegistryValue(HKEY_LOCAL_MACHINE, classKey + "\\shell\\open\\command", "",
                     program + "/open %1", REG_SZ);
    SetRegistryValue(HKEY_LOCAL_MACHINE, classKey + "\\shell\\print\\command", "",
                     program + "/print %1", REG_SZ);
}

void UnregisterFileType(const QString& className, const QString& extension) {
    // Every key the registration created, innermost first, since a key with
    // subkeys cannot be deleted.
    const std::string classKey = kClassesKey + Local8(className.toLower());
    for (const char* subkey :
         {"\\shell\\print\\command", "\\shell\\print", "\\shell\\open\\command", "\\shell\\open",
          "\\shell", "\\DefaultIcon", ""}) {
        DeleteRegistryKey(HKEY_LOCAL_MACHINE, classKey + subkey);
    }
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, kClassesKey + Local8(extension.toLower()));
}

}  // namespace vantrel::shell

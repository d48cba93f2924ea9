#pragma once
// Associating project files (.vtl) with this program: their icon is the
// program's, opening one runs the program with the file ("<program> /open
// <file>" on Windows) and printing one runs "<program> /print <file>".
//
// On Linux the association is the freedesktop one (a shared-mime-info package,
// a desktop entry and the icon), per user below $XDG_DATA_HOME or, for root,
// system-wide below /usr/local/share. On Windows it is the registry keys below
// HKEY_LOCAL_MACHINE\software\classes. Failures pass silently.

#include <QString>

namespace vantrel::shell {

// What "/reg" and "/unreg" pass. The registry's description keeps its
// long-standing text; the freedesktop MIME comment names one file, as that
// format asks.
inline constexpr char kFileClassName[] = "Vantrel";
inline constexpr char kFileExtension[] = ".vtl";
inline constexpr char kFileDescription[] = "Vantrel Calculator Files.";
inline constexpr char kMimeComment[] = "Vantrel design";

// Writes the association for files with `extension` under `className`;
// `programPath` is the program's executable.
void RegisterFileType(const QString& className, const QString& extension,
                      const QString& description, const QString& programPath);

// Removes everything RegisterFileType wrote for the same class name and extension.
void UnregisterFileType(const QString& className, const QString& extension);

}  // namespace vantrel::shell

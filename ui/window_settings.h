#pragma once
// What the window remembers from one session to the next, in the user's
// configuration folder: $XDG_CONFIG_HOME/vantrel/vantrel.conf (~/.config
// when the variable is unset). The file is opened for each call, so a
// setting written is on disk at once and a changed $XDG_CONFIG_HOME is
// followed (every test runs with a folder of its own).

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace vantrel::settings {

inline constexpr int kMaxRecentFiles = 8;

QString FilePath();

QByteArray WindowGeometry();
void SetWindowGeometry(const QByteArray& geometry);

// The folder of the last file opened or saved; empty at first.
QString LastFolder();
void SetLastFolderOf(const QString& filePath);

// The file system's bytes of each path, newest first, at most kMaxRecentFiles;
// a relative path is kept as an absolute one.
std::vector<std::string> RecentFiles();
void AddRecentFile(const std::string& nativePath);
void RemoveRecentFile(const std::string& nativePath);
void ClearRecentFiles();

// Find Designs' options as the user last left them; the code only once the
// user has chosen one (its index in the dialog's list).
struct SearchOptions {
    std::optional<int> code;
    bool noDoublers = false;
    bool noContinuity = false;
};
SearchOptions FindDesignsOptions();
void SetFindDesignsOptions(const SearchOptions& options);

}  // namespace vantrel::settings

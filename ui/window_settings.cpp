#include "window_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vantrel::settings {
namespace {

const QString kGeometry = QStringLiteral("Window/Geometry");
const QString kLastFolder = QStringLiteral("Files/LastFolder");
const QString kRecent = QStringLiteral("RecentFiles");
const QString kRecentPath = QStringLiteral("Path");
const QString kCode = QStringLiteral("FindDesigns/Code");
const QString kNoDoublers = QStringLiteral("FindDesigns/NoDoublers");
const QString kNoContinuity = QStringLiteral("FindDesigns/NoContinuity");

// QSettings(organisation, application) would fix the folder at the first
// use in a process; an explicit file follows the environment.
QSettings Open() {
    return QSettings(FilePath(), QSettings::IniFormat);
}

void WriteRecent(const std::vector<std::string>& paths) {
    QSettings settings(FilePath(), QSettings::IniFormat);
    settings.remove(kRecent);
    settings.beginWriteArray(kRecent, static_cast<int>(paths.size()));
    for (int i = 0; i < static_cast<int>(paths.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kRecentPath, QByteArray::fromStdString(paths[i]));
    }
    settings.endArray();
}

}  // namespace

QString FilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantrel/vantrel.conf");
}

QByteArray WindowGeometry() {
    return Open().value(kGeometry).toByteArray();
}

void SetWindowGeometry(const QByteArray& geometry) {
    Open().setValue(kGeometry, geometry);
}

QString LastFolder() {
    return Open().value(kLastFolder).toString();
}

void SetLastFolderOf(const QString& filePath) {
    Open().setValue(kLastFolder, QFileInfo(filePath).absolutePath());
}

std::vector<std::string> RecentFiles() {
    QSettings settings = Open();
    std::vector<std::string> paths;
    const int count = std::min(settings.beginReadArray(kRecent), kMaxRecentFiles);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QByteArray path = settings.value(kRecentPath).toByteArray();
        if (!path.isEmpty()) paths.push_back(path.toStdString());
    }
    settings.endArray();
    return paths;
}

void AddRecentFile(const std::string& nativePath) {
    // A name given relative to the working folder must still find the file
    // from the next session's.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(nativePath, error);
    const std::string path = error ? nativePath : absolute.lexically_normal().string();
    std::vector<std::string> paths = RecentFiles();
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > static_cast<size_t>(kMaxRecentFiles)) paths.resize(kMaxRecentFiles);
    WriteRecent(paths);
}

void RemoveRecentFile(const std::string& nativePath) {
    std::vector<std::string> paths = RecentFiles();
    std::erase(paths, nativePath);
    WriteRecent(paths);
}

void ClearRecentFiles() {
    WriteRecent({});
}

SearchOptions FindDesignsOptions() {
    const QSettings settings = Open();
    SearchOptions options;
    bool isNumber = false;
    const int code = settings.value(kCode).toInt(&isNumber);
    if (isNumber) options.code = code;
    options.noDoublers = settings.value(kNoDoublers, false).toBool();
    options.noContinuity = settings.value(kNoContinuity, false).toBool();
    return options;
}

void SetFindDesignsOptions(const SearchOptions& options) {
    QSettings settings = Open();
    if (options.code) settings.setValue(kCode, *options.code);
    settings.setValue(kNoDoublers, options.noDoublers);
    settings.setValue(kNoContinuity, options.noContinuity);
}

}  // namespace vantrel::settings

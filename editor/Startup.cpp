#include "Startup.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "PlatformPaths.h"
#include "VbColor.h"
#include "frmOpening.h"

#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace {

QString ToQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Makes sure an entry of that name exists, creating the folder (one level)
// when there is none. Any kind of entry will do, a plain file included.
void PrepareFolder(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() != std::filesystem::file_type::not_found) {
        if (ec)
            throw std::runtime_error(ec.message() + " (" + path + ")");
        return;
    }
    if (!std::filesystem::create_directory(path, ec) && ec)
        throw std::runtime_error(ec.message() + " (" + path + ")");
}

std::string RequiredVariable(std::string_view name, const EnvironmentLookup& environment)
{
    // An unset variable would put the folder at the root of the file system.
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty())
        throw std::runtime_error(std::string(name) + " is not set");
    return *value;
}

std::string MenuFolderOf(const Edition& edition, const EnvironmentLookup& environment)
{
    const FolderRule& rule = edition.MenuFolderRule;
    if (!rule.Fixed.empty()) {
        const std::string_view standIn = DriveStandInVariable();
        return LocalDesignPath(
            rule.Fixed, standIn.empty() ? std::string() : RequiredVariable(standIn, environment));
    }
    // Joined as they are: an unset variable leaves the folder name alone.
    return environment(rule.Variable).value_or("") + QDir::separator().toLatin1() +
           std::string(rule.Folder);
}

frmOpening* RunStartupSteps(const Edition& edition, const EnvironmentLookup& environment)
{
    FileData.fill(0);

    const std::string folder = MenuFolderOf(edition, environment);
    if (edition.PrepareMenuFolder)
        PrepareFolder(folder);
    MenuFolder = folder;

    auto window = std::make_unique<frmOpening>(edition);
    window->show();
    return window.release();
}

void ShowStartupError(const char* reason)
{
    MsgStyle = 0;
    MsgColor = ColorRed;
    MsgText = QStringLiteral("\r\nInitialization Error #") + QString::fromUtf8(reason);
    ShowMessageDialog();
}

} // namespace

std::optional<std::string> ProcessEnvironment(std::string_view name)
{
    // Qt reads the wide environment on Windows, so a profile folder named in
    // any script survives as UTF-8.
    const std::string key(name);
    if (!qEnvironmentVariableIsSet(key.c_str()))
        return std::nullopt;
    return qEnvironmentVariable(key.c_str()).toStdString();
}

frmOpening* Startup(const Edition& edition, const EnvironmentLookup& environment)
{
    if (!edition.PrepareMenuFolder)
        return RunStartupSteps(edition, environment);
    try {
        return RunStartupSteps(edition, environment);
    } catch (const std::exception& error) {
        ShowStartupError(error.what());
        return nullptr;
    }
}

int RunEdition(const Edition& edition, int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ToQString(edition.ProductName));
    QApplication::setApplicationVersion(ToQString(edition.FileVersion));
    if (!Startup(edition))
        return EXIT_FAILURE;
    return QApplication::exec();
}

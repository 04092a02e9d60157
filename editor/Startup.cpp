#include "Startup.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuPrint.h"
#include "VbColor.h"
#include "frmOpening.h"

#include <QApplication>

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

frmOpening* RunStartupSteps(const Edition& edition, const EnvironmentLookup& environment)
{
    FileData.fill(0);

    const FolderRule& rule = edition.MenuFolderRule;
    const std::optional<std::string> base = environment(rule.Variable);
    const std::string folder = base.value_or("") + "/" + std::string(rule.Folder);
    if (edition.PrepareMenuFolder) {
        // An unset variable would put the folder at the root of the file system.
        if (!base || base->empty())
            throw std::runtime_error(std::string(rule.Variable) + " is not set");
        PrepareFolder(folder);
    }
    MenuFolder = folder;

    auto window = std::make_unique<frmOpening>(edition);
    InstallMenuPrint(window.get());
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
    const char* value = std::getenv(std::string(name).c_str());
    if (!value)
        return std::nullopt;
    return std::string(value);
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

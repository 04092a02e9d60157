#include "Startup.h"

#include "EditorCommandLine.h"
#include "Fonts.h"
#include "FormBuilder.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuPrint.h"
#include "PlatformPaths.h"
#include "VbColor.h"
#include "frmOpening.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// Makes sure an entry of that name exists, creating the folder (one level)
// when there is none. Any kind of entry will do, a plain file included.
Result<> PrepareFolder(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        std::filesystem::create_directory(path, ec);
    if (!ec)
        return {};
    return Failure{ec.message(), path};
}

// The menu folder by the edition's rule, tested and created when the edition
// prepares it.
Result<std::string> MenuFolderOf(const Edition& edition, const EnvironmentLookup& environment)
{
    const FolderRule& rule = edition.MenuFolderRule;
    if (rule.Fixed.empty()) {
        const std::string separator(1, QDir::separator().toLatin1());
        std::optional<std::string> profile = environment(rule.Variable);
        const std::string_view standIn = DriveStandInVariable();
        if (!profile && !standIn.empty()) {
            // No profile variable outside Windows: the home folder stands in
            // for it, as it stands in for the drive, with its documents
            // folder where there is one. Nothing is created either way.
            if (const std::optional<std::string> home = environment(standIn); home) {
                const std::string documents = *home + separator + std::string(rule.Folder);
                std::error_code ec;
                return std::filesystem::is_directory(documents, ec) ? documents : *home;
            }
        }
        // Joined as they are: an unset variable leaves the folder name alone.
        return profile.value_or("") + separator + std::string(rule.Folder);
    }
    std::string drive;
    if (const std::string_view standIn = DriveStandInVariable(); !standIn.empty()) {
        // An unset variable would put the folder at the root of the file system.
        const std::optional<std::string> value = environment(standIn);
        if (!value || value->empty())
            return Failure{std::string(standIn) + " is not set"};
        drive = *value;
    }
    const std::string folder = LocalDesignPath(rule.Fixed, drive);
    if (edition.PrepareMenuFolder) {
        if (const Result<> prepared = PrepareFolder(folder); !prepared)
            return prepared.failure();
    }
    return folder;
}

void ShowStartupError(const Failure& failure)
{
    std::string reason = failure.reason;
    if (!failure.path.empty())
        reason += " (" + failure.path + ")";
    ShowMessage(MsgOk, ColorRed, QStringLiteral("\r\nInitialization Error #") + ToQString(reason));
}

// Roles that Qt's own interfaces do not give: the editor is a window (Qt
// takes a plain top-level widget for a client area), the lines separators.
QAccessibleInterface* EditorAccessible(const QString& classname, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (classname == QLatin1String("frmOpening"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (classname == QLatin1String("SeparatorLine"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
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

void SetUpProcess()
{
    QAccessible::installFactory(EditorAccessible);
    RegisterFontSubstitutes();
}

void ResetEditorState()
{
    ResetGlobalData();
    ResetDialogRequests();
}

frmOpening* Startup(const Edition& edition, const EnvironmentLookup& environment,
                    const QString& menuFile)
{
    FileData.fill(0);
    const Result<std::string> folder = MenuFolderOf(edition, environment);
    if (!folder) {
        ShowStartupError(folder.failure());
        return nullptr;
    }
    MenuFolder = *folder;
    const Result<frmOpening*> window = frmOpening::Create(edition);
    if (!window) {
        ShowStartupError(window.failure());
        return nullptr;
    }
    InstallMenuPrint(*window);
    (*window)->show();
    if (!menuFile.isEmpty())
        (*window)->OpenMenuFile(menuFile);
    return *window;
}

namespace {

// Qt 6.4's Wayland client can deadlock while it disconnects from the
// compositor: its event thread waits for a read that the main thread, already
// tearing the display down, never makes, so a program whose window is gone
// never ends. Every menu file is written and closed before this point; on
// Wayland the program leaves without the toolkit's teardown.
int Leave(int status)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

void NameApplication(const Edition& edition)
{
    QCoreApplication::setApplicationName(ToQString(edition.ProductName));
    QCoreApplication::setApplicationVersion(ToQString(edition.FileVersion));
}

} // namespace

int RunEdition(const Edition& edition, int argc, char** argv)
{
    // Without a display the toolkit would abort; the command line is still
    // read, so that --help and --version answer and a refusal is told.
    const bool display = !NoDisplayFound();
    std::unique_ptr<QCoreApplication> app;
    if (display)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    NameApplication(edition);
    const Result<QString> menuFile = MenuFileArgument(QCoreApplication::arguments());
    if (!menuFile) {
        ReportRefusedArguments(menuFile.failure());
        return Leave(EXIT_FAILURE);
    }
    if (!display) {
        ReportNoDisplay();
        return EXIT_FAILURE;
    }
    SetUpProcess();
    if (!Startup(edition, ProcessEnvironment, *menuFile))
        return Leave(EXIT_FAILURE);
    return Leave(QApplication::exec());
}

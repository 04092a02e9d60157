#include "Startup.h"

#include "Fonts.h"
#include "FormBuilder.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuPrint.h"
#include "VbColor.h"
#include "frmOpening.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// Makes sure an entry of that name exists, creating the folder (one level)
// when there is none. Any kind of entry will do, a plain file included.
// Returns "" or why not.
QString PrepareFolder(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        std::filesystem::create_directory(path, ec);
    if (!ec)
        return {};
    return QString::fromStdString(ec.message() + " (" + path + ")");
}

// The menu folder by the edition's rule, tested and created when the edition
// prepares it; "" in `error` when all went well.
std::string MenuFolderOf(const Edition& edition, const EnvironmentLookup& environment,
                         QString& error)
{
    const FolderRule& rule = edition.MenuFolderRule;
    const std::optional<std::string> base = environment(rule.Variable);
    const std::string folder = base.value_or("") + "/" + std::string(rule.Folder);
    if (edition.PrepareMenuFolder) {
        // An unset variable would put the folder at the root of the file system.
        if (!base || base->empty())
            error = ToQString(rule.Variable) + QStringLiteral(" is not set");
        else
            error = PrepareFolder(folder);
    }
    return folder;
}

void ShowStartupError(const QString& reason)
{
    ShowMessage(MsgOk, ColorRed, QStringLiteral("\r\nInitialization Error #") + reason);
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
    const char* value = std::getenv(std::string(name).c_str());
    if (!value)
        return std::nullopt;
    return std::string(value);
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

frmOpening* Startup(const Edition& edition, const EnvironmentLookup& environment)
{
    FileData.fill(0);
    QString error;
    const std::string folder = MenuFolderOf(edition, environment, error);
    frmOpening* window = nullptr;
    if (error.isEmpty()) {
        MenuFolder = folder;
        window = frmOpening::Create(edition, error);
    }
    if (!window) {
        ShowStartupError(error);
        return nullptr;
    }
    InstallMenuPrint(window);
    window->show();
    return window;
}

int RunEdition(const Edition& edition, int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ToQString(edition.ProductName));
    QApplication::setApplicationVersion(ToQString(edition.FileVersion));
    SetUpProcess();
    if (!Startup(edition))
        return EXIT_FAILURE;
    return QApplication::exec();
}

#include "MenuFileCommands.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileAccess.h"

#include <QMessageBox>

namespace {

void ShowFileError(const QString& text, const QString& reason)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ERROR"), text, QMessageBox::Ok,
                    AskingWindow());
    // The reason goes below the fixed text, so the operator learns why.
    box.setInformativeText(reason);
    box.exec();
}

} // namespace

bool MenuGet(const QString& path)
{
    const FileResult result = ReadMenuFile(path, FileData);
    if (!result.ok)
        ShowFileError(QStringLiteral("MenuGet : ") + path, result.error);
    return result.ok;
}

bool MenuSave(const QString& path)
{
    const FileResult result = WriteMenuFile(path, FileData);
    if (!result.ok)
        ShowFileError(QStringLiteral("MenuSave : ") + path, result.error);
    return result.ok;
}

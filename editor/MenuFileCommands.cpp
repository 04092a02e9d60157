#include "MenuFileCommands.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileAccess.h"

#include <QMessageBox>

namespace {

void ShowFileError(const QString& text, const Failure& failure)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ERROR"), text, QMessageBox::Ok,
                    AskingWindow());
    // The reason goes below the fixed text, so the operator learns why.
    box.setInformativeText(ToQString(failure.reason));
    box.exec();
}

} // namespace

bool MenuGet(const QString& path)
{
    const Result<> read = ReadMenuFile(path, FileData);
    if (!read)
        ShowFileError(QStringLiteral("MenuGet : ") + path, read.failure());
    return read.ok();
}

bool MenuSave(const QString& path)
{
    const Result<> written = WriteMenuFile(path, FileData);
    if (!written)
        ShowFileError(QStringLiteral("MenuSave : ") + path, written.failure());
    return written.ok();
}

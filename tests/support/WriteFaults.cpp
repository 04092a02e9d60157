#include "WriteFaults.h"

#include "MenuFileAccess.h"

#include <QSaveFile>

namespace {

const QString DiskFull = QStringLiteral("No space left on device");

class FailingSteps : public WriteSteps
{
public:
    WriteFault fault = WriteFault::None;

    Result<> Open(QSaveFile& file) override
    {
        return fault == WriteFault::Open ? Failed(QStringLiteral("Permission denied"))
                                         : WriteSteps::Open(file);
    }
    Result<> Write(QSaveFile& file, const QByteArray& bytes) override
    {
        return fault == WriteFault::Write ? Failed(DiskFull) : WriteSteps::Write(file, bytes);
    }
    Result<> Flush(QSaveFile& file) override
    {
        return fault == WriteFault::Flush ? Failed(DiskFull) : WriteSteps::Flush(file);
    }
    Result<> Commit(QSaveFile& file) override
    {
        if (fault != WriteFault::Commit)
            return WriteSteps::Commit(file);
        // A rename that fails takes its temporary file away with it.
        file.cancelWriting();
        file.commit();
        return Failed(QStringLiteral("Input/output error"));
    }
};

FailingSteps failing;

} // namespace

void SetWriteFault(WriteFault fault)
{
    failing.fault = fault;
    SetWriteSteps(fault == WriteFault::None ? nullptr : &failing);
}

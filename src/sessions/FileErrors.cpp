#include "sessions/FileErrors.h"

namespace FileErrors
{
void raise(qint32 number, const QString &description)
{
    throw RaisedError(number, QStringLiteral("Corvina"), description);
}

void raiseOpenFailure(const FileOpen::Result &result, bool forWriting)
{
    qint32 number = PathFileAccess;
    switch (result.failure)
    {
    case FileOpen::Failure::NotFound:
        number = forWriting ? PathNotFound : FileNotFound;
        break;
    case FileOpen::Failure::AccessDenied:
        number = PermissionDenied;
        break;
    case FileOpen::Failure::NoSpace:
        number = DiskFull;
        break;
    case FileOpen::Failure::None:
    case FileOpen::Failure::NotAFile:
    case FileOpen::Failure::Other:
        break;
    }
    raise(number, result.text);
}

void raiseIoFailure(const QString &text)
{
    raise(DeviceIo, text);
}
} // namespace FileErrors

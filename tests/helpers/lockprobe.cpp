// Another station, as a separate process: opens the archive named on the command
// line as a share without flock() would, and says by its exit code what happened
// (0 opened, 2 in use, 1 any other failure). Run under a shifted clock, it acts
// out a station whose clock is not the share's.
#include "FaultyFileSystem.h"
#include "core/RecordFile.h"
#include <QCoreApplication>
#include <cerrno>

using namespace lumivista;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 1;
    FaultyFileSystem share;
    share.refuseLocks = ENOLCK;
    RecordFile::setLockWaitForTests(300);
    try {
        RecordFile archive(QString::fromLocal8Bit(argv[1]), RecordLayout::appointments());
        archive.close();
        return 0;
    } catch (const ArchiveError &error) {
        return error.kind() == ArchiveError::Kind::InUse ? 2 : 1;
    }
}

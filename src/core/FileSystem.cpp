#include "FileSystem.h"
#include "PosixFileSystem.h"

namespace lumivista {

namespace {

FileSystem *&installed()
{
    static FileSystem *fs = nullptr;
    return fs;
}

} // namespace

FileSystem &FileSystem::current()
{
    static PosixFileSystem posix;
    return installed() ? *installed() : posix;
}

FileSystem *FileSystem::install(FileSystem *fs)
{
    FileSystem *previous = installed();
    installed() = fs;
    return previous;
}

} // namespace lumivista

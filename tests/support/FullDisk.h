#pragma once
#include "FaultyFileSystem.h"

namespace lumivista {

/** While alive, no file can grow past a few bytes: every write beyond fails
 *  with ENOSPC, as writes on a full disk fail. */
class FullDisk : public FaultyFileSystem
{
public:
    explicit FullDisk(qint64 bytes = 8) { fileSizeLimit = bytes; }
};

} // namespace lumivista

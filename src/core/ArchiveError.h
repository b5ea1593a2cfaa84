#pragma once
#include <stdexcept>
#include <QString>

namespace lumivista {

/** Any failure to open, create, lock, read, write, sync or close an archive.
 *  Windows catch it and show the access-failure message. */
class ArchiveError : public std::runtime_error
{
public:
    explicit ArchiveError(const QString &what) : std::runtime_error(what.toStdString()) {}
};

} // namespace lumivista

#pragma once
#include <stdexcept>
#include <QString>

namespace lumivista {

/** Any failure to open, create, lock, read, write, sync or close an archive.
 *  Windows catch it and show the access-failure message; an archive that another
 *  station keeps busy is told apart, so the shop is not sent looking for a
 *  permissions fault that does not exist. */
class ArchiveError : public std::runtime_error
{
public:
    enum class Kind { Access, InUse };

    explicit ArchiveError(const QString &what, Kind kind = Kind::Access)
        : std::runtime_error(what.toStdString()), m_kind(kind)
    {
    }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace lumivista

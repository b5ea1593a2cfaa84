#pragma once
#include <QString>

namespace lumivista {

/** The desktop's "open" action for URLs, mailto links, folders and documents.
 *  A target wrapped in double quotes is unwrapped; the result is not examined. */
class ShellService
{
public:
    virtual ~ShellService() = default;
    virtual void open(const QString &target) = 0;
};

} // namespace lumivista

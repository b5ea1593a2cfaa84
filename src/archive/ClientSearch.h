#pragma once
#include "archive/ListMember.h"

namespace lumivista {

/** The client search, opened by the client card to find a client and by the
 *  prescription and appointment cards to import one; shared for that reason. */
class ClientSearch
{
public:
    static ListMember member();
    /** The values a pick hands over for an import key, in the order of the
     *  key's controls; empty for any other key. */
    static QStringList importValues(const QString &key, const Record &client);
};

} // namespace lumivista

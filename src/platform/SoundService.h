#pragma once
#include <QString>

namespace lumivista {

/** Plays one sound file once without blocking. A missing or unplayable file
 *  simply means silence. */
class SoundService
{
public:
    virtual ~SoundService() = default;
    /** True when the file exists and could be loaded. */
    virtual bool load(const QString &path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

} // namespace lumivista

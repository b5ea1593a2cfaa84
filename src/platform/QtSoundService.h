#pragma once
#include "SoundService.h"
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace lumivista {

/** Qt Multimedia playback. The player is made on the first real load, so a
 *  program that never plays a sound never starts the audio back end. */
class QtSoundService : public SoundService
{
public:
    QtSoundService();
    ~QtSoundService() override;

    bool load(const QString &path) override;
    void play() override;
    void stop() override;

private:
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    bool m_loaded = false;
};

} // namespace lumivista

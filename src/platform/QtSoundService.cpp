#include "QtSoundService.h"
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace lumivista {

QtSoundService::QtSoundService() = default;

QtSoundService::~QtSoundService()
{
    // The player refers to the output: it goes first.
    m_player.reset();
    m_output.reset();
}

bool QtSoundService::load(const QString &path)
{
    m_loaded = false;
    if (m_player)
        m_player->stop();
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        if (m_player)
            m_player->setSource(QUrl());
        return false;
    }
    if (!m_player) {
        m_output = std::make_unique<QAudioOutput>();
        m_player = std::make_unique<QMediaPlayer>();
        m_player->setAudioOutput(m_output.get());
        // A missing audio device or an undecodable file only sets the player's
        // error state: the alert stays silent and nobody is told.
        QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_player.get(),
                         [this] { m_loaded = false; });
    }
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_loaded = m_player->error() == QMediaPlayer::NoError
        && m_player->mediaStatus() != QMediaPlayer::InvalidMedia;
    return m_loaded;
}

void QtSoundService::play()
{
    if (!m_loaded)
        return;
    // Play from the start, also when the previous alert is still sounding.
    m_player->stop();
    m_player->play();
}

void QtSoundService::stop()
{
    if (m_player)
        m_player->stop();
}

} // namespace lumivista

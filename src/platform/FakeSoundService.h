#pragma once
#include "SoundService.h"
#include <QList>
#include <optional>

namespace lumivista {

/** Records load/play/stop. load() succeeds when the file exists, unless a test
 *  scripts the answer; play() only "sounds" after a successful load. */
class FakeSoundService : public SoundService
{
public:
    enum class Kind { Load, Play, Stop };

    struct Call
    {
        Kind kind;
        QString path; ///< for Load only
        bool operator==(const Call &other) const = default;
    };

    bool load(const QString &path) override;
    void play() override;
    void stop() override;

    /** Forces the answer of every later load(); std::nullopt goes back to checking the file. */
    void setLoadResult(std::optional<bool> result) { m_loadResult = result; }

    const QList<Call> &calls() const { return m_calls; }
    qsizetype count(Kind kind) const;
    QString loadedPath() const { return m_loaded ? m_path : QString(); }
    /** True between a play() of a loaded sound and the next stop() or load(). */
    bool isPlaying() const { return m_playing; }
    void clear();

private:
    QList<Call> m_calls;
    std::optional<bool> m_loadResult;
    QString m_path;
    bool m_loaded = false;
    bool m_playing = false;
};

} // namespace lumivista

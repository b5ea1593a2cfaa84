#include "FakeSoundService.h"
#include <QFileInfo>
#include <algorithm>

namespace lumivista {

bool FakeSoundService::load(const QString &path)
{
    m_calls.append({Kind::Load, path});
    m_playing = false;
    m_path = path;
    m_loaded = m_loadResult.value_or(QFileInfo(path).isFile());
    return m_loaded;
}

void FakeSoundService::play()
{
    m_calls.append({Kind::Play, QString()});
    if (m_loaded)
        m_playing = true;
}

void FakeSoundService::stop()
{
    m_calls.append({Kind::Stop, QString()});
    m_playing = false;
}

qsizetype FakeSoundService::count(Kind kind) const
{
    return std::count_if(m_calls.cbegin(), m_calls.cend(), [kind](const Call &call) { return call.kind == kind; });
}

void FakeSoundService::clear()
{
    m_calls.clear();
    m_loadResult.reset();
    m_path.clear();
    m_loaded = false;
    m_playing = false;
}

} // namespace lumivista

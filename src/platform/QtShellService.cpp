#include "QtShellService.h"
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace lumivista {

namespace {

QString unquoted(const QString &target)
{
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        return target.mid(1, target.size() - 2);
    return target;
}

bool isLink(const QString &target)
{
    return target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QUrl localUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

} // namespace

QUrl QtShellService::urlFor(const QString &target)
{
    const QString bare = unquoted(target);
    if (bare.isEmpty())
        return QUrl();
    if (QDir::isAbsolutePath(bare))
        return localUrl(bare);
    if (isLink(bare))
        return QUrl(bare, QUrl::TolerantMode);
    if (bare.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(bare, QUrl::StrictMode);
    if (QFileInfo::exists(bare))
        return localUrl(bare);
    // Any other scheme ("file:", "tel:", ...) goes to the desktop as written; a
    // one-letter "scheme" is a drive letter, so it stays a path.
    const QUrl url(bare, QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return localUrl(bare);
}

void QtShellService::open(const QString &target)
{
    const QUrl url = urlFor(target);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

} // namespace lumivista

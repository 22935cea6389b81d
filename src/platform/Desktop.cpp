#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

bool realOpen(const QString& target)
{
    const QUrl url = QDir::isAbsolutePath(target) ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && QDesktopServices::openUrl(url);
}

} // namespace

Seam<bool(const QString&)>& ShellOpenSeam()
{
    static Seam<bool(const QString&)> seam(realOpen);
    return seam;
}

bool ShellOpen(const QString& target)
{
    return ShellOpenSeam()(target);
}

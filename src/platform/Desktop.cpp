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

}  // namespace

TShellOpenHook& ShellOpenHook()
{
    static TShellOpenHook hook;
    return hook;
}

bool ShellOpen(const QString& target)
{
    return CallHookOr(ShellOpenHook(), realOpen, target);
}

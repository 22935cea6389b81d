#include "platform/ShellIcons.h"

#include "platform/QtAccess.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>

namespace {

struct TIconList {
    explicit TIconList(int side) : images(side, side) {}
    TImageList images;
    QHash<QString, int> indexByKey;
};

TIconList& iconList(bool large)
{
    static TIconList small(16);
    static TIconList big(32);
    return large ? big : small;
}

// The icon and the key it is kept under: one entry per kind of file, one per existing path.
std::pair<QIcon, QString> iconFor(const QString& path)
{
    static QFileIconProvider provider;
    const QFileInfo info(path);
    if (info.exists())
        return {provider.icon(info), QLatin1String("path:") + info.absoluteFilePath()};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (icon.isNull())
        icon = provider.icon(QAbstractFileIconProvider::File);
    return {icon, QLatin1String("type:") + type.name()};
}

}  // namespace

int ShellIconIndex(const QString& path, bool large)
{
    TIconList& list = iconList(large);
    const auto [icon, key] = iconFor(path);
    if (const auto it = list.indexByKey.constFind(key); it != list.indexByKey.constEnd())
        return *it;
    if (icon.isNull())
        return -1;
    const int side = list.images.Width();
    const QImage image = icon.pixmap(side, side).toImage();
    if (image.isNull())
        return -1;
    const int index =
        QtAccess::AddImage(list.images, image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    list.indexByKey.insert(key, index);
    return index;
}

const TImageList& ShellImageList(bool large)
{
    return iconList(large).images;
}

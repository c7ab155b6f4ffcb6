#include "artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace vx::art {

QPixmap picture(const QString& name, QSize size) {
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    // Drawn at the screen's pixel density, so that the artwork stays sharp on a scaled
    // screen; the pixmap keeps the logical size it was asked for.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid() || size.isEmpty())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

namespace {
QString flagName(int flagKey) {
    switch (flagKey) {
    case 1:
        return QStringLiteral("flag_se");
    case 2:
        return QStringLiteral("flag_gb");
    case 3:
        return QStringLiteral("flag_de");
    case 4:
        return QStringLiteral("flag_fr");
    case 5:
        return QStringLiteral("flag_es");
    case 12:
        return QStringLiteral("flag_us");
    default:
        return {};
    }
}
} // namespace

bool hasFlag(int flagKey) {
    return !flagName(flagKey).isEmpty();
}

QPixmap flag(int flagKey, QSize size) {
    const QString name = flagName(flagKey);
    if (name.isEmpty()) {
        QPixmap empty(size);
        empty.fill(Qt::transparent);
        return empty;
    }
    return picture(name, size);
}

QPixmap schemePicture(int scheme, QSize size) {
    static const char* const names[] = {"bg_sand", "bg_blue", "bg_pink", "bg_yellow"};
    const int index = scheme >= 1 && scheme <= 4 ? scheme - 1 : 0;
    return picture(QString::fromLatin1(names[index]), size);
}

QIcon icon(const QString& name) {
    return QIcon(picture(name, QSize(64, 64)));
}

} // namespace vx::art

// The pictures of the programs, drawn from the SVG resources at the size a window needs.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vx::art {

// A picture by its resource name ("owl", "keyboard"), drawn at the given size.
QPixmap picture(const QString& name, QSize size);

// The flag of a flag key: 1 Sweden, 2 United Kingdom, 3 Germany, 4 France, 5 Spain,
// 12 United States. Any other key gives an empty picture.
QPixmap flag(int flagKey, QSize size);
bool hasFlag(int flagKey);

// The background picture of a colour scheme 1..4 (others: scheme 1).
QPixmap schemePicture(int scheme, QSize size);

QIcon icon(const QString& name);

} // namespace vx::art

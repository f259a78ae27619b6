#include "assets/assets.h"

#include <QFile>

QByteArray AssetBytes(const QString& relativePath) {
    QFile file(QStringLiteral(":/assets/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

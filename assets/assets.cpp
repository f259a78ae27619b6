#include "assets/assets.h"

#include <QFile>
#include <QResource>

QByteArray AssetBytes(const QString& relativePath) {
    const QString path = QStringLiteral(":/assets/") + relativePath;
    // Resources live as long as the program and are stored uncompressed: no copy needed.
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

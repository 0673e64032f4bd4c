// Saving rendered images under the build tree (test-artifacts/) for people to look at.
#pragma once

#include <QImage>
#include <QString>

// Writes Image as <build>/test-artifacts/<Name>.png and returns the file's path.
inline QString SaveArtifact(const QImage& Image, const QString& Name)
{
    const QString path = QStringLiteral(KT_TEST_ARTIFACTS "/") + Name + QStringLiteral(".png");
    Image.save(path, "PNG");
    return path;
}

// TFilePicture: a cell picture referenced by file name and read from the file at every draw.
#pragma once

#include "rtl/Object.h"
#include "rtl/Types.h"

#include <QString>

#include <cstdint>

class TCanvas;

class TFilePicture : public TPersistent {
public:
    TFilePicture() = default;

    // Copies Filename, Width and Height from another file picture without reading the file.
    void Assign(TPersistent* Source) override;

    const QString& Filename() const { return FFilename; }
    // Stores the name and takes the picture's size from the file; a file that cannot be read as a
    // picture raises the platform's error with the name kept and the size 0 x 0. Only a regular
    // file is opened: a folder, a device or a pipe raises EFOpenError unread.
    void SetFilename(const QString& Value);
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }

    // Reads the file and draws it stretched into R; nothing for an empty name or a file that can
    // no longer be read as a picture.
    void DrawPicture(TCanvas* Canvas, const TRect& R);

private:
    QString FFilename;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

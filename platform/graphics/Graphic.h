// TGraphic: the abstract picture that a canvas can draw (bitmaps, icons, JPEG, PNG, GIF).
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/Object.h"
#include "rtl/Types.h"

#include <QString>

#include <functional>
#include <memory>

class TCanvas;
class TGraphicPixels;
class TStream;

class TGraphic : public TPersistent {
public:
    // A new empty graphic of this object's class (the toolkit's virtual constructor).
    virtual std::unique_ptr<TGraphic> CreateNew() const = 0;

    // Draws the picture stretched into Rect of ACanvas; a canvas calls this from Draw and StretchDraw.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    virtual void SetWidth(int32_t Value) = 0;
    virtual void SetHeight(int32_t Value) = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }

    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    // Reads the file through a file stream; raises EFOpenError when it cannot be opened.
    void LoadFromFile(const QString& FileName);
    // Writes the whole file through a temporary file beside it.
    void SaveToFile(const QString& FileName);

    // The picture's data as a component image holds it (the "Data" item of a bitmap, icon or
    // picture); by default what the stream methods read and write.
    virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

    bool Modified() const { return FModified; }
    // True marks the picture changed (and fires OnChange); false only clears the flag.
    void SetModified(bool Value);

    std::function<void(TObject* Sender)> OnChange;

protected:
    // A picture that takes pixels (a bitmap) receives this one's (AssignPixels).
    void AssignTo(TPersistent* Dest) override;
    // Marks the picture modified and fires OnChange.
    virtual void Changed();
    // Takes Source's pixels when this class of picture can hold any picture's; false otherwise.
    virtual bool AssignPixels(TGraphic* Source);

private:
    friend class TSurfaces;
    // The picture at its own size (graphics/private/Surfaces.h): the default draws it onto a
    // transparent 32-bit image.
    virtual void GetPixels(TGraphicPixels& Pixels);

    bool FTransparent = false;
    bool FModified = false;
};

// Our own resources are files in one folder: by default the resources compiled into the program
// (the project's resources/ folder); tests may point it at a folder of their own.
QString ResourceFolder();
void SetResourceFolder(const QString& Folder);
// The file that holds resource ResName: the file of the resource folder whose name without its
// extension is ResName, compared without regard to case, and whose extension is Extension (any
// extension when empty). Empty when there is none. The folder's file names are read at the first
// lookup after the folder was set and kept from then on.
QString FindResourceFile(const QString& ResName, const QString& Extension = QString());

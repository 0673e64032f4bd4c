// TPicture: holds one graphic of any class, chosen by file extension or by the bytes of a stream.
#pragma once

#include "graphics/Graphic.h"

#include <QString>

#include <functional>
#include <memory>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    // A picture copies the other's graphic, a graphic is copied, nil empties the picture.
    void Assign(TPersistent* Source) override;

    // The graphic held (owned), or nil.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of Value (a new graphic of its class); nil empties the picture.
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap: a picture that holds something else first gets a new empty bitmap.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value);
    // The same for an icon.
    TIcon* Icon();
    void SetIcon(TIcon* Value);

    // The graphic's size; 0 without one.
    int32_t Width() const;
    int32_t Height() const;

    // The class comes from the extension, compared without regard to case: .bmp TBitmap,
    // .ico TIcon, .jpg .jpeg .jpe .jfif TJPEGImage, .png TPngImage, .gif TGIFImage; any other
    // raises EInvalidGraphic "Unknown picture file extension (.<ext>)".
    void LoadFromFile(const QString& FileName);
    // Writes the graphic in its own format; nothing without one.
    void SaveToFile(const QString& FileName);
    // The class comes from the first bytes at the stream's position ("BM", FF D8 FF, the PNG
    // signature, "GIF8", an icon directory); EInvalidGraphic "Unsupported stream format" otherwise.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    // The component image's "Data": a short string with the graphic's class name, then the
    // graphic's own data. An unknown class name leaves the picture empty and the data unread.
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);

    std::function<void(TObject* Sender)> OnChange;

protected:
    // A graphic destination of the held graphic's class receives a copy of it.
    void AssignTo(TPersistent* Dest) override;
    virtual void Changed(TObject* Sender);

private:
    // Makes Graphic the one held, reporting its changes.
    void Hold(std::unique_ptr<TGraphic> Graphic);
    template <typename T>
    T* ForceType();

    std::unique_ptr<TGraphic> FGraphic;
};

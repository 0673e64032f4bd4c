// Pictures of cell markup: the picture that keeps its file's bytes and shows GIF frames, the cache of loaded pictures, and the picture container component.
#pragma once

#include "graphics/Graphic.h"
#include "rtl/Collection.h"
#include "rtl/Component.h"
#include "rtl/List.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBytesStream;
class TPicture;

// Pixels at 96 pixels per inch, the pictures' own resolution, as pixels at PixelsPerInch.
int32_t ScaleToPixelsPerInch(int32_t Value, int32_t PixelsPerInch);

// Keeps the bytes of an image file exactly as loaded and the picture decoded from them (what
// TPicture reads: BMP, GIF, JPEG through libjpeg, PNG, ICO). A GIF shows one frame at a time,
// decoded from the header and the bytes from that frame on: the frame's own pixels at its own
// size, whose place in the animation area FrameXPos and FrameYPos give.
//
// A frame start is a graphic control extension of 4 data bytes (21 F9 04) followed by an image
// descriptor (2C); frames are numbered from 1 in byte order.
class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<THTMLPicture>(); }

    // Another THTMLPicture's bytes are copied and decoded (OnChange fires); nil clears the bytes;
    // any other source leaves the picture empty. First, in every case, the animation counts are
    // reset and the frame goes back to 1 of the bytes still held (OnFrameChange fires when there
    // are any). Assigning the picture to itself changes nothing.
    void Assign(TPersistent* Source) override;
    // Nothing when empty or not decoded. Stretched fills Rect; otherwise the picture takes its
    // natural size for the canvas's resolution at Rect's top-left.
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;
    // True until bytes are loaded, and again after a file could not be loaded.
    bool Empty() const override { return FIsEmpty; }
    // The decoded picture's size at 96 pixels per inch; 0 when nothing is decoded.
    int32_t Width() const override;
    int32_t Height() const override;
    // The size comes from the bytes: nothing to do.
    void SetWidth(int32_t) override {}
    void SetHeight(int32_t) override {}

    // The bytes from the stream's position to its end replace the data and are decoded, then
    // OnChange fires; nothing for a nil stream. Decoding failures raise EInvalidGraphic
    // "Could not load image. Invalid format" or "Could not load image".
    void LoadFromStream(TStream* Stream) override;
    // Writes the bytes as loaded.
    void SaveToStream(TStream* Stream) override;
    // Component streaming: LoadFromStream without OnChange, and SaveToStream.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override { SaveToStream(Stream); }
    // As LoadFromStream from the file; a file that cannot be read or decoded only leaves the
    // picture empty.
    void LoadFromFile(const QString& FileName);
    // The resource file ResName of the resource folder (the program's RCDATA), when there is one.
    // Instance is not used: the program has one module.
    void LoadFromResourceName(uintptr_t Instance, const QString& ResName);
    // The same by number; EResNotFound "Resource <id> not found" when there is none.
    void LoadFromResourceID(uintptr_t Instance, int32_t ResID);
    // The source of an image tag: "RES://name" loads a resource and "FILE://path" a file (both
    // set ID to URL); any other source is recorded in URL and loads nothing: without Asynch it
    // becomes the ID too, with Asynch a download is started once, which ends at once.
    void LoadFromURL(const QString& URL);

    // At least 5 bytes starting "GIF8".
    bool IsGIF() const;
    // The number of frame starts, counted once; -1 when the data is not a GIF.
    int32_t FrameCount() const;
    int32_t Frame() const { return FFrame; }
    // Selects frame Value; with data present the picture is decoded anew and OnFrameChange fires.
    void SetFrame(int32_t Value);
    // The frame number after (from the last back to 1) or before (from 1 to the last) the current
    // one; the picture is not decoded.
    void FrameNext();
    void FramePrev();
    // The delay of frame Index in hundredths of a second, keeping its transparency flag and
    // disposal method; -1 when the data is not a GIF or has no frame Index.
    int32_t GetFrameTime(int32_t Index);
    // One animation tick of a tenth of a second: true when the next frame became due and was
    // selected. Nothing happens before FrameCount was asked for.
    bool Step();
    // The animation area: the GIF logical screen, else the natural size; 0 when not decoded.
    int32_t MaxWidth() const;
    int32_t MaxHeight() const;

    bool Stretched() const { return FStretched; }
    void SetStretched(bool Value) { FStretched = Value; }
    // The source by which a cache finds this picture.
    const QString& ID() const { return FID; }
    void SetID(const QString& Value) { FID = Value; }
    // The source of a remote picture.
    const QString& URL() const { return FURL; }
    // Remote sources start a download (true at creation).
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    // A download was started; later remote loads of this picture do nothing.
    bool ThreadBusy() const { return FThreadBusy; }

    // The current frame's place and size from its image descriptor.
    uint16_t FrameXPos() const { return FFrameXPos; }
    uint16_t FrameYPos() const { return FFrameYPos; }
    uint16_t FrameXSize() const { return FFrameXSize; }
    uint16_t FrameYSize() const { return FFrameYSize; }
    // Of the frame last asked for by GetFrameTime.
    bool FrameTransp() const { return FFrameTransp; }
    uint16_t FrameDisposal() const { return FFrameDisposal; }

    // Fired after SetFrame changed the frame.
    std::function<void(TObject* Sender)> OnFrameChange;

private:
    // Replaces the bytes with the rest of Stream and decodes them.
    void ReadBytes(TStream* Stream);
    // Decodes the bytes into gpPicture (for a GIF: the current frame).
    void Decode();

    std::unique_ptr<TBytesStream> FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    // The decoded picture; null when nothing is decoded.
    std::unique_ptr<TPicture> gpPicture;
    QString FURL;
    QString FID;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int32_t FFrame = 1;
    mutable int32_t FFrameCount = -1;
    uint16_t FFrameXPos = 0;
    uint16_t FFrameYPos = 0;
    uint16_t FFrameXSize = 0;
    uint16_t FFrameYSize = 0;
    bool FFrameTransp = false;
    uint16_t FFrameDisposal = 0;
    uint16_t FAnimMaxX = 0;
    uint16_t FAnimMaxY = 0;
    int32_t FNextCount = -1;
    int32_t FTimerCount = -1;
};

// The pictures a grid or drop-down loaded for markup image sources; it owns them.
class THTMLPictureCache : public TObjectList<THTMLPicture> {
public:
    // A new empty picture, appended.
    THTMLPicture* AddPicture();
    // The first picture whose ID is ID exactly (case-sensitive); nil when none.
    THTMLPicture* FindPicture(const QString& ID) const;
    // Frees every picture.
    void ClearPictures() { Clear(); }
    // One animation tick for every picture: true when any of them changed frame.
    bool Animate();
};

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;

    // Copies Name, Tag and the picture of another item.
    void Assign(TPersistent* Source) override;

    // Owned.
    THTMLPicture* Picture() const { return FPicture.get(); }
    // Assigns Value into the owned picture.
    void SetPicture(THTMLPicture* Value);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t Value) { FTag = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int32_t FTag = 0;
    QString FName;
};

// The items of a picture container; its owner is the container, for streaming.
class TPictureCollection : public TOwnedCollection {
public:
    explicit TPictureCollection(TComponent* AOwner);

    TPictureItem* Add();
    TPictureItem* Insert(int32_t Index);
    TPictureItem* Items(int32_t Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
    // Copies Value's properties into the item at Index.
    void SetItems(int32_t Index, TPictureItem* Value) { TCollection::SetItems(Index, Value); }
    // One animation tick for every item's picture: true when any of them changed frame.
    bool Animate();
};

// Named pictures placed at design time; markup names them in image tags.
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;

    // The picture of the first item whose Name is Name, ignoring case; nil when none.
    virtual THTMLPicture* FindPicture(const QString& Name) const;

    // Owned.
    TPictureCollection* Items() const { return FItems.get(); }
    // Copies Value's items.
    void SetItems(TPictureCollection* Value) { FItems->Assign(Value); }

private:
    std::unique_ptr<TPictureCollection> FItems;
};

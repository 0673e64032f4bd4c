// The markup picture (loading, decoding, GIF frames and their timing), the picture cache and the picture container.
#include "MarkupTestSupport.h"

#include "grid/base/PictureContainer.h"

#include "graphics/Jpeg.h"
#include "rtl/Exceptions.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// A 4 x 3 animation: a red screen, then a green-blue pair at (1, 1), then a blue column at (3, 0)
// with a transparent colour and disposal 2.
QByteArray ThreeFrameGif()
{
    return GifBytes(4, 3, {{0, 0, 4, 3, 10, std::vector<uint8_t>(12, 0)},
                           {1, 1, 2, 1, 20, {1, 2}},
                           {3, 0, 1, 3, 30, {2, 2, 2}, 3, 2}});
}

void Load(THTMLPicture& Picture, const QByteArray& Bytes)
{
    TBytesStream stream(Bytes);
    Picture.LoadFromStream(&stream);
}

// The picture drawn at its natural size onto a grey bitmap of that size, row by row.
std::vector<TColor> Drawn(THTMLPicture& Picture)
{
    TBitmap target;
    target.SetSize(Picture.Width(), Picture.Height());
    target.Canvas()->Brush()->SetColor(clGray);
    target.Canvas()->FillRect(Rect(0, 0, target.Width(), target.Height()));
    target.Canvas()->Draw(0, 0, &Picture);
    std::vector<TColor> pixels;
    for (int32_t y = 0; y < target.Height(); ++y)
        for (int32_t x = 0; x < target.Width(); ++x) pixels.push_back(target.Canvas()->Pixels(x, y));
    return pixels;
}

bool Near(TColor A, TColor B, int Tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(((A >> shift) & 0xFF) - ((B >> shift) & 0xFF)) > Tolerance) return false;
    return true;
}

// Points the resource folder at a folder of the test and back.
class TResourceFolder {
public:
    explicit TResourceFolder(const QString& Folder) : FSaved(ResourceFolder()) { SetResourceFolder(Folder); }
    ~TResourceFolder() { SetResourceFolder(FSaved); }

private:
    QString FSaved;
};

}  // namespace

TEST(PictureTest, KeepsTheBytesAsLoadedAndDecodesThem)
{
    const QByteArray bmp = BmpBytes(3, 2, clRed);
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    int changes = 0;
    picture.OnChange = [&changes](TObject*) { ++changes; };
    Load(picture, bmp);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(picture.MaxWidth(), 3);
    EXPECT_EQ(Drawn(picture), std::vector<TColor>(6, clRed));
    TBytesStream saved;
    picture.SaveToStream(&saved);
    EXPECT_EQ(saved.Bytes(), bmp);

    THTMLPicture streamed;
    streamed.OnChange = [&changes](TObject*) { ++changes; };
    TBytesStream data(bmp);
    streamed.ReadData(&data);
    EXPECT_EQ(changes, 1) << "component streaming fires no change";
    EXPECT_EQ(streamed.Width(), 3);
}

TEST(PictureTest, ReadsFromTheStreamPositionToItsEnd)
{
    const QByteArray bmp = BmpBytes(2, 2, clBlue);
    TBytesStream stream(QByteArray("prefix") + bmp);
    stream.SetPosition(6);
    THTMLPicture picture;
    picture.LoadFromStream(&stream);
    EXPECT_EQ(picture.Width(), 2);
    picture.LoadFromStream(nullptr);
    EXPECT_EQ(picture.Width(), 2) << "a nil stream changes nothing";
}

TEST(PictureTest, BytesThatAreNoImageRaiseFromAStreamAndLeaveAFileLoadEmpty)
{
    THTMLPicture picture;
    EXPECT_EQ(MessageOf<Exception>([&] { Load(picture, "no picture at all"); }), "Could not load image. Invalid format");
    EXPECT_TRUE(picture.Empty());

    TempFolder folder;
    Load(picture, BmpBytes(2, 2, clRed));
    picture.LoadFromFile(folder.Write("notes.txt", "no picture at all"));
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromFile(folder.File("missing.bmp"));
    EXPECT_TRUE(picture.Empty());

    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 4, 4));
    target.Canvas()->StretchDraw(Rect(0, 0, 4, 4), &picture);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite) << "an empty picture draws nothing";
}

TEST(PictureTest, DrawsAtItsNaturalSizeOrStretched)
{
    THTMLPicture picture;
    Load(picture, BmpBytes(2, 2, clRed));
    TBitmap target;
    target.SetSize(10, 10);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 10, 10));
    target.Canvas()->StretchDraw(Rect(1, 1, 9, 9), &picture);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clWhite);
    picture.SetStretched(true);
    target.Canvas()->StretchDraw(Rect(1, 1, 9, 9), &picture);
    EXPECT_EQ(target.Canvas()->Pixels(8, 8), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(9, 9), clWhite);
}

TEST(PictureTest, JpegIsDecodedThroughLibjpeg)
{
    TBitmap source;
    source.SetPixelFormat(pf24bit);
    source.SetSize(8, 8);
    source.Canvas()->Brush()->SetColor(clRed);
    source.Canvas()->FillRect(Rect(0, 0, 8, 8));
    TJPEGImage jpeg;
    jpeg.Assign(&source);
    TBytesStream bytes;
    jpeg.SaveToStream(&bytes);

    THTMLPicture picture;
    Load(picture, bytes.Bytes());
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 8);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    for (const TColor pixel : Drawn(picture)) EXPECT_TRUE(Near(pixel, clRed, 8)) << std::hex << pixel;
}

TEST(PictureTest, IsGIFNeedsFiveBytesStartingGIF8)
{
    THTMLPicture picture;
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_THROW(Load(picture, "GIF8"), EInvalidGraphic);
    EXPECT_FALSE(picture.IsGIF());
    Load(picture, ThreeFrameGif());
    EXPECT_TRUE(picture.IsGIF());
}

TEST(PictureTest, AGifShowsEachFrameAtItsOwnSize)
{
    THTMLPicture picture;
    Load(picture, ThreeFrameGif());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 4);
    EXPECT_EQ(picture.MaxHeight(), 3);
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(Drawn(picture), std::vector<TColor>(12, clRed));

    int frameChanges = 0;
    picture.OnFrameChange = [&frameChanges](TObject*) { ++frameChanges; };
    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 1);
    EXPECT_EQ(picture.FrameXPos(), 1);
    EXPECT_EQ(picture.FrameYPos(), 1);
    EXPECT_EQ(picture.FrameXSize(), 2);
    EXPECT_EQ(picture.FrameYSize(), 1);
    EXPECT_EQ(Drawn(picture), (std::vector<TColor>{clLime, clBlue}));
    EXPECT_EQ(picture.MaxWidth(), 4) << "the animation area stays the logical screen";

    picture.SetFrame(3);
    EXPECT_EQ(picture.FrameXPos(), 3);
    EXPECT_EQ(Drawn(picture), std::vector<TColor>(3, clBlue));
}

TEST(PictureTest, FrameNextAndFramePrevWrapWithoutDecoding)
{
    THTMLPicture picture;
    Load(picture, ThreeFrameGif());
    picture.SetFrame(3);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(picture.Width(), 1) << "frame 3 is still the decoded one";
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 2);
}

TEST(PictureTest, FrameTimesComeWithTransparencyAndDisposal)
{
    THTMLPicture picture;
    Load(picture, ThreeFrameGif());
    EXPECT_EQ(picture.GetFrameTime(1), 10);
    EXPECT_FALSE(picture.FrameTransp());
    EXPECT_EQ(picture.FrameDisposal(), 1);
    EXPECT_EQ(picture.GetFrameTime(3), 30);
    EXPECT_TRUE(picture.FrameTransp());
    EXPECT_EQ(picture.FrameDisposal(), 2);
    EXPECT_EQ(picture.GetFrameTime(0), -1);
    EXPECT_EQ(picture.GetFrameTime(4), -1);

    THTMLPicture bitmap;
    Load(bitmap, BmpBytes(1, 1, clRed));
    EXPECT_EQ(bitmap.GetFrameTime(1), -1);
}

TEST(PictureTest, StepAdvancesFramesByTheirDelaysInTenthsOfASecond)
{
    THTMLPicture picture;
    Load(picture, ThreeFrameGif());
    EXPECT_FALSE(picture.Step()) << "frames are not counted yet";
    THTMLPicture counted;
    Load(counted, ThreeFrameGif());
    ASSERT_EQ(counted.FrameCount(), 3);
    // Delays 10, 20 and 30 hundredths: the frames change at ticks 3, 5 and 8.
    const std::vector<std::pair<bool, int32_t>> ticks = {{false, 1}, {false, 1}, {true, 2}, {false, 2},
                                                         {true, 3},  {false, 3}, {false, 3}, {true, 1}};
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(counted.Step(), ticks[i].first) << "tick " << i + 1;
        EXPECT_EQ(counted.Frame(), ticks[i].second) << "tick " << i + 1;
    }
    EXPECT_EQ(counted.Width(), 4) << "the frame chosen is decoded";
}

TEST(PictureTest, AssignCopiesAnotherPictureAndEmptiesOtherwise)
{
    THTMLPicture source;
    Load(source, ThreeFrameGif());
    THTMLPicture copy;
    int changes = 0;
    copy.OnChange = [&changes](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(copy.FrameCount(), 3);
    EXPECT_EQ(copy.Width(), 4);

    copy.SetFrame(2);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.Frame(), 1);
    EXPECT_FALSE(copy.IsGIF());

    TBitmap other;
    copy.Assign(&source);
    copy.Assign(&other);
    EXPECT_TRUE(copy.Empty());

    THTMLPicture empty;
    copy.Assign(&empty);
    EXPECT_TRUE(copy.Empty()) << "an empty source empties the picture, it raises nothing";
}

TEST(PictureTest, AssignFirstGoesBackToFrameOneOfTheBytesHeld)
{
    THTMLPicture source;
    Load(source, BmpBytes(2, 2, clRed));
    THTMLPicture picture;
    std::vector<std::pair<int32_t, int32_t>> frameChanges;  // frame and width at each change
    int changes = 0;
    picture.OnFrameChange = [&](TObject*) { frameChanges.emplace_back(picture.Frame(), picture.Width()); };
    picture.OnChange = [&changes](TObject*) { ++changes; };
    picture.Assign(&source);
    EXPECT_TRUE(frameChanges.empty()) << "no bytes were held";
    EXPECT_EQ(changes, 1);

    Load(picture, ThreeFrameGif());
    picture.SetFrame(3);
    frameChanges.clear();
    changes = 0;
    picture.Assign(&source);
    EXPECT_EQ(frameChanges, (std::vector<std::pair<int32_t, int32_t>>{{1, 4}})) << "frame 1 of the GIF held before";
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Frame(), 1);

    frameChanges.clear();
    picture.Assign(nullptr);
    EXPECT_EQ(frameChanges.size(), 1u);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0) << "an empty picture keeps no decoded image";

    // Bytes that never decoded do not stop the assignment.
    EXPECT_THROW(Load(picture, "no picture at all"), EInvalidGraphic);
    picture.Assign(&source);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 2);

    picture.Assign(&picture);
    EXPECT_FALSE(picture.Empty()) << "assigning a picture to itself keeps it";
    EXPECT_EQ(picture.Width(), 2);
}

TEST(PictureTest, LoadFromURLReadsResourcesAndFilesAndRecordsOtherSources)
{
    TempFolder folder;
    folder.Write("logo.bmp", BmpBytes(5, 4, clRed));
    const TResourceFolder resources(folder.Path());

    THTMLPicture resource;
    resource.LoadFromURL("RES://Logo");
    EXPECT_EQ(resource.ID(), "RES://Logo");
    EXPECT_EQ(resource.Width(), 5);

    THTMLPicture file;
    file.LoadFromURL("file://" + folder.File("logo.bmp"));
    EXPECT_EQ(file.ID(), "file://" + folder.File("logo.bmp"));
    EXPECT_EQ(file.Height(), 4);

    THTMLPicture remote;
    remote.SetAsynch(false);
    remote.LoadFromURL("http://example.invalid/a.png");
    EXPECT_EQ(remote.URL(), "http://example.invalid/a.png");
    EXPECT_EQ(remote.ID(), "http://example.invalid/a.png");
    EXPECT_TRUE(remote.Empty());

    THTMLPicture download;
    download.LoadFromURL("http://example.invalid/a.png");
    EXPECT_TRUE(download.ThreadBusy());
    EXPECT_EQ(download.URL(), "http://example.invalid/a.png");
    EXPECT_TRUE(download.ID().isEmpty());
    download.LoadFromURL("http://example.invalid/b.png");
    EXPECT_EQ(download.URL(), "http://example.invalid/a.png") << "a busy download takes no other source";
    EXPECT_TRUE(download.Empty());
}

TEST(PictureTest, ResourcesByNameAndNumber)
{
    TempFolder folder;
    folder.Write("7.bmp", BmpBytes(2, 3, clRed));
    const TResourceFolder resources(folder.Path());
    THTMLPicture picture;
    picture.LoadFromResourceName(0, "missing");
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromResourceID(0, 7);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(MessageOf<Exception>([&] { picture.LoadFromResourceID(0, 8); }), "Resource 8 not found");
}

TEST(PictureCacheTest, FindsPicturesByTheirExactSource)
{
    THTMLPictureCache cache;
    THTMLPicture* first = cache.AddPicture();
    first->SetID("FILE://a.bmp");
    THTMLPicture* second = cache.AddPicture();
    second->SetID("FILE://b.bmp");
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_EQ(cache.FindPicture("FILE://b.bmp"), second);
    EXPECT_EQ(cache.FindPicture("file://b.bmp"), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureCacheTest, AnimateStepsEveryPicture)
{
    THTMLPictureCache cache;
    Load(*cache.AddPicture(), BmpBytes(1, 1, clRed));
    THTMLPicture* gif = cache.AddPicture();
    Load(*gif, ThreeFrameGif());
    gif->FrameCount();
    EXPECT_FALSE(cache.Animate());
    EXPECT_FALSE(cache.Animate());
    EXPECT_TRUE(cache.Animate());
    EXPECT_EQ(gif->Frame(), 2);
}

TEST(PictureContainerTest, FindsItemsByNameIgnoringCase)
{
    TPictureContainer container(nullptr);
    TPictureItem* logo = container.Items()->Add();
    logo->SetName("Logo");
    logo->SetTag(7);
    THTMLPicture picture;
    Load(picture, BmpBytes(3, 3, clBlue));
    logo->SetPicture(&picture);
    container.Items()->Add()->SetName("Other");

    EXPECT_EQ(container.FindPicture("LOGO"), logo->Picture());
    EXPECT_EQ(container.FindPicture("logo")->Width(), 3);
    EXPECT_EQ(container.FindPicture("none"), nullptr);
    EXPECT_EQ(container.Items()->Owner(), &container);
}

TEST(PictureContainerTest, ItemsCopyNameTagAndPicture)
{
    TPictureContainer source(nullptr);
    TPictureItem* item = source.Items()->Add();
    item->SetName("Flag");
    item->SetTag(3);
    Load(*item->Picture(), BmpBytes(2, 2, clRed));
    source.Items()->Insert(0)->SetName("First");

    TPictureContainer copy(nullptr);
    copy.SetItems(source.Items());
    ASSERT_EQ(copy.Items()->Count(), 2);
    EXPECT_EQ(copy.Items()->Items(0)->Name(), "First");
    EXPECT_TRUE(copy.Items()->Items(0)->Picture()->Empty());
    EXPECT_EQ(copy.Items()->Items(1)->Tag(), 3);
    EXPECT_EQ(copy.FindPicture("flag")->Width(), 2);
    EXPECT_NE(copy.FindPicture("flag"), source.FindPicture("flag"));

    copy.Items()->SetItems(0, copy.Items()->Items(1));
    EXPECT_EQ(copy.Items()->Items(0)->Name(), "Flag");
}

#include "support/TestSupport.h"
#include "fw/ImageList.h"

namespace {

// A list of n 16×16 images.
HIMAGELIST MakeList(int n)
{
    HIMAGELIST h = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, n, 4);
    HDC screen = ::GetDC(nullptr);
    CBitmap bmp(::CreateCompatibleBitmap(screen, 16, 16));
    ::ReleaseDC(nullptr, screen);
    for (int i = 0; i < n; i++) ImageList_Add(h, bmp, nullptr);
    return h;
}

// A list handle that was destroyed no longer answers.
bool IsLiveList(HIMAGELIST h) { return ImageList_GetImageCount(h) > 0; }

}  // namespace

TEST(CImageListTest, AttachTakesOwnershipAndDetachHandsItBack)
{
    HIMAGELIST first = MakeList(2), second = MakeList(3);
    ASSERT_TRUE(IsLiveList(first) && IsLiveList(second));
    HIMAGELIST detached = nullptr;
    {
        CImageList images;
        EXPECT_TRUE(images.Attach(first));
        EXPECT_TRUE(images.Attach(first));  // the same list again: kept, not destroyed
        EXPECT_EQ(ImageList_GetImageCount(images), 2);
        EXPECT_TRUE(images.Attach(second));  // the list held before goes
        EXPECT_FALSE(IsLiveList(first));
        EXPECT_EQ(ImageList_GetImageCount(images), 3);
        detached = images.Detach();
        EXPECT_EQ((HIMAGELIST)images, (HIMAGELIST) nullptr);
        EXPECT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
    }
    // The detached list outlives the wrapper; the one it made last did not.
    ASSERT_EQ(detached, second);
    EXPECT_EQ(ImageList_GetImageCount(detached), 3);
    EXPECT_TRUE(ImageList_Destroy(detached));
}

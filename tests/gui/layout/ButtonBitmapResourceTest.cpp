#include <gtest/gtest.h>

#include <map>

#include "../core/DrawingTestSupport.h"
#include "ZQF_ButtonImage.h"

namespace {

const ZQR_Color kFace(10, 20, 30);
const ZQR_Color kText(200, 100, 50);

// Every pixel of a button picture is a key colour, so that the button's
// face and text colours replace all of it; both keys are used.
void ExpectPictureInKeyColours(const char* Name, const ZQ_Point<long>& Size) {
  SCOPED_TRACE(Name);
  const ZQF_ButtonImage image(ZQ_String(Name), ZQR_Color_LightGray, ZQR_Color_Black);
  const ZQIMG_Image normal = image.GetNormalImage(kFace, kText);
  ASSERT_EQ(normal.GetSize(), Size);
  std::map<COLORREF, int> counts;
  for (long y = 0; y < Size.Y; ++y)
    for (long x = 0; x < Size.X; ++x) ++counts[normal.GetPixelColor(x, y).GetCOLORREF()];
  EXPECT_EQ(counts.size(), 2u);
  EXPECT_GT(counts[kFace.GetCOLORREF()], 0);
  EXPECT_GT(counts[kText.GetCOLORREF()], 0);
}

TEST(ButtonBitmapResources, TitleBarPicturesAreTenByNineInTheKeyColours) {
  for (const char* name : {"ZQF_MinimizeButtonBitmap", "ZQF_MaximizeButtonBitmap",
                           "ZQF_RestoreButtonBitmap", "ZQF_HelpButtonBitmap",
                           "ZQF_CloseButtonBitmap"}) {
    ExpectPictureInKeyColours(name, ZQ_Point<long>(10, 9));
  }
}

TEST(ButtonBitmapResources, ToolbarPicturesAreSixteenSquareInTheKeyColours) {
  for (const char* name :
       {"ZQF_PropertiesToolbarButtonBitmap", "ZQF_InspectToolbarButtonBitmap",
        "ZQF_PageSetupToolbarButtonBitmap", "ZQF_PrintPreviewToolbarButtonBitmap",
        "ZQF_PrintToolbarButtonBitmap", "ZQF_CutToolbarButtonBitmap", "ZQF_CopyToolbarButtonBitmap",
        "ZQF_PasteToolbarButtonBitmap", "ZQF_DeleteCrossToolbarButtonBitmap",
        "ZQF_AddPlusSignToolbarButtonBitmap", "ZQF_UndoToolbarButtonBitmap",
        "ZQF_RedoToolbarButtonBitmap", "ZQF_BrowseBack_ToolbarButtonBitmap",
        "ZQF_BrowseForward_ToolbarButtonBitmap"}) {
    ExpectPictureInKeyColours(name, ZQ_Point<long>(16, 16));
  }
}

}  // namespace

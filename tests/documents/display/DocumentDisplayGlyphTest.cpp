// The document display control in real windows: which scroll bars a
// document gets, the page width it is laid out at, sizes, scrolling.
#include "DocumentDisplayTestSupport.h"

#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

TEST_F(DocumentDisplayTest, ScrollBarsOnlyWhenTheDocumentNeedsThem) {
  const struct {
    const char* why;
    std::string markup;
    bool vertical, horizontal;
  } kCases[] = {
      {"short document", Paragraphs(2), false, false},
      {"tall document", Paragraphs(60), true, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFOxZQF_DocumentDisplayGlyph* display = OpenDisplay(c.markup, 300, 300);
    EXPECT_EQ(display->IsVerticalScrollBarShown(), c.vertical);
    EXPECT_EQ(display->IsHorizontalScrollBarShown(), c.horizontal);
    EXPECT_EQ(display->GetDocumentSizeInPixels().X, display->GetDocumentDisplayRectInCanvasCoords().Width);
  }
}

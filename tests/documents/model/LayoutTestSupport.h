// LayoutTestSupport.h: a layout run on the test canvas (a distribution
// context, a formatted document with one page sequence) and render objects
// that write down where they were drawn.
#ifndef LAYOUT_TEST_SUPPORT_H
#define LAYOUT_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "DocumentsTestSupport.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"

struct TestLayout {
  explicit TestLayout(bool ResolvePageReferences = true, const ZQ_String& Name = "Test Document")
      : Context(Canvas, ZQFO_ExternalContext(), ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache), ResolvePageReferences,
                Name, false, Stylesheet),
        Generator(Context.OptionsFactory.GetFormattingOptions(), Context) {
    Document.Reset(ZQ_Rectangle<double>(5, 2, 40, 21));
    Document.SetPageSequenceGenerator(&Generator);
  }
  ZQFO_Page* NewPage() { return Document.GenerateNewPage(Context, ZQFO_ChapterStrings(), 0, nullptr); }

  TestCanvas Canvas;
  ZQFO_Stylesheet Stylesheet;
  ZQFO_DistributionContext Context;
  ZQFO_PageSequenceGenerator Generator;
  ZQFO_FormattedDocument Document;
};

// Appends "<name>@x,y;" to Log when drawn.
class RecordingRenderObject : public ZQFO_RenderObject {
 public:
  RecordingRenderObject(std::string& Log, const char* Name, double X = 0, double Y = 0)
      : ZQFO_RenderObject(ZQFO_FormattingOptions(), X, Y, 1, 1), Log(Log), Name(Name) {}
  void Render(ZQPIC_Canvas&, double DX, double DY) override {
    Log += Name + "@" + std::to_string(static_cast<int>(X + DX)) + "," + std::to_string(static_cast<int>(Y + DY)) +
           ";";
  }

 private:
  std::string& Log;
  std::string Name;
};

#endif

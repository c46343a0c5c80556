// LayoutTestSupport.h: a layout run on the test canvas (a distribution
// context, a formatted document with one page sequence) and render objects
// that write down where they were drawn.
#ifndef LAYOUT_TEST_SUPPORT_H
#define LAYOUT_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "DocumentsTestSupport.h"
#include "ZQFO_Block_Paragraph.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_DocumentParser.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"

struct TestLayout {
  explicit TestLayout(bool ResolvePageReferences = true, const ZQ_String& Name = "Test Document",
                      const ZQ_Point<double>& CanvasSizeMm = ZQ_Point<double>(50, 25))
      : Canvas(3, true, CanvasSizeMm),
        Context(Canvas, ZQFO_ExternalContext(), ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache), ResolvePageReferences,
                Name, false, Stylesheet),
        Generator(Context.OptionsFactory.GetFormattingOptions(), Context) {
    Document.Reset(ZQ_Rectangle<double>(5, 2, 40, 210));
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

// Lays each section of Parsed into Document from a new page, as the
// renderer does; false when a section did not fit its chain.
inline bool PaginateSections(ZQFO_DistributionContext& Context, const ZQFO_ParsedDocument& Parsed,
                             ZQFO_FormattedDocument& Document) {
  bool isPlaced = true;
  for (const ZQFO_ParsedDocumentSection& section : Parsed.GetSections()) {
    const ZQFO_BlockStream stream = section.GetPrimaryBlockStream();
    ZQFO_Page* page = Document.GenerateNewPage(Context, ZQFO_GetBlockStreamSectionTexts(stream),
                                               ZQFO_GetBlockStreamBreakBefore(stream, true),
                                               section.GetPageSequenceGenerator());
    isPlaced = ZQFO_DistributeBlockStream(Context, stream, *page->GetFirstDefaultContentArea(), {}) && isPlaced;
  }
  return isPlaced;
}

// A document of Body inside one section's block stream.
inline std::string InSection(const std::string& Body, const std::string& SectionAttributes = "") {
  return "<zqfo_document><zqfo_section" + SectionAttributes + "><zqfo_blockstream>" + Body +
         "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

inline ZQFO_ParsedDocument Parse(TestLayout& Layout, const std::string& Text) {
  return ZQFO_ParseDocument(ReadDocument(Text), Layout.Context);
}

// The flow objects of a paragraph: each text (other kinds by a letter), then
// "/" and the break after it (a as needed, n never, A always) and "_" when no
// space follows; objects separated by blanks.
inline std::string Describe(const ZQFO_Block_Paragraph& Paragraph) {
  std::string result;
  for (long i = 0; i < Paragraph.GetNumFlowObjects(); ++i) {
    const ZQFO_FlowObject* object = Paragraph.GetFlowObject(i);
    if (i > 0) result += " ";
    if (auto* text = dynamic_cast<const ZQFO_FlowObject_Text*>(object))
      result += text->GetText().GetText();
    else if (dynamic_cast<const ZQFO_FlowObject_Space*>(object))
      result += "S";
    else if (dynamic_cast<const ZQFO_FlowObject_Block*>(object))
      result += "T";
    else if (dynamic_cast<const ZQFO_FlowObject_Img*>(object))
      result += "I";
    else if (dynamic_cast<const ZQFO_FlowObject_Picture*>(object))
      result += "P";
    else if (dynamic_cast<const ZQFO_FlowObject_Error*>(object))
      result += "E";
    result += std::string("/") + "anA"[object->WordBreakAfter];
    if (object->SpaceAfter == ZQFO_SpaceAfter_NoSpace) result += "_";
  }
  return result;
}

inline const ZQFO_Block_Paragraph& ParagraphOf(const ZQFO_ParsedDocument& Document, long Section = 0,
                                               long Block = 0) {
  return dynamic_cast<const ZQFO_Block_Paragraph&>(
      *Document.GetSections()[Section].GetPrimaryBlockStream().GetBlock(Block));
}

#endif

#include "ZQFO_Block.h"

#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_RenderObject.h"

ZQFO_Block::ZQFO_Block(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
    : Context(Context), Options(Options), ChapterStrings(Context.CurrentChapterStrings) {}

void ZQFO_Block::PerformFieldFixups(const ZQFO_TextFixupDictionary&) {}

ZQ_Point<double> ZQFO_Block::ComputeDistributionAreaHeightLimits(double) {
  return Imp_ComputeDistributionAreaHeightLimits();
}

void ZQFO_Block::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext&, long) {}

void ZQFO_Block::Imp_Distribute(ZQFO_ContentArea& Area) {
  Area.AddRenderObject(new ZQFO_RenderObject(Options, 0, 0, Area.GetFreeWidth(), Area.GetFreeHeight()), 0);
}

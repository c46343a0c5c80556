#include "ZQFO_Block.h"

#include <cmath>

#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_RenderObject.h"
#include "ZQXML_TextEncoding.h"

ZQFO_Block::ZQFO_Block(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
    : Context(Context), Options(Options), ChapterStrings(Context.CurrentChapterStrings) {}

ZQFO_Block::ZQFO_Block(const ZQFO_Block& Other)
    : Context(Other.Context), Options(Other.Options), LastNotedWidth(Other.LastNotedWidth),
      AreWidthLimitsComputed(Other.AreWidthLimitsComputed), MinimumWidth(Other.MinimumWidth),
      MaximumWidth(Other.MaximumWidth), HeightLimitsWidth(Other.HeightLimitsWidth),
      MinimumHeight(Other.MinimumHeight), MaximumHeight(Other.MaximumHeight), ChapterStrings(Other.ChapterStrings) {}

void ZQFO_Block::DropCaches() {
  LastNotedWidth = -9999.0;
  DropSizeCaches();
}

void ZQFO_Block::DropSizeCaches() {
  AreWidthLimitsComputed = false;
  HeightLimitsWidth = -1.0;
}

void ZQFO_Block::PerformFieldFixups(const ZQFO_TextFixupDictionary&) { DropCaches(); }

ZQ_Point<double> ZQFO_Block::ComputeDistributionAreaWidthLimits() {
  if (!AreWidthLimitsComputed) {
    const ZQ_Point<double> limits = Imp_ComputeDistributionAreaWidthLimits();
    MinimumWidth = limits.X;
    MaximumWidth = limits.Y;
    AreWidthLimitsComputed = true;
  }
  return {MinimumWidth, MaximumWidth};
}

ZQ_Point<double> ZQFO_Block::ComputeDistributionAreaHeightLimits(double Width) {
  if (std::fabs(Width - HeightLimitsWidth) <= 1e-06) return {MinimumHeight, MaximumHeight};
  NoteNewDistributionAreaWidth(Width - Options->BlockLeftIndent - Options->BlockRightIndent);
  const ZQ_Point<double> heights = Imp_ComputeDistributionAreaHeightLimits();
  MinimumHeight = heights.X;
  MaximumHeight = heights.Y;
  HeightLimitsWidth = Width;
  return heights;
}

void ZQFO_Block::NoteNewDistributionAreaWidth(double Width) {
  HeightLimitsWidth = -1.0;
  // The maximum as it is now: content added since the last answer may have
  // widened the block.
  const double maximum = ComputeDistributionAreaWidthLimits().Y + 1e-06;
  if (Width > maximum) Width = maximum;
  if (std::fabs(Width - LastNotedWidth) > 1.1e-06) {
    LastNotedWidth = Width;
    Imp_NoteNewDistributionAreaWidth(Width);
  }
}

void ZQFO_Block::Distribute(ZQFO_ContentArea& Area) {
  NoteNewDistributionAreaWidth(Area.GetFreeWidth());
  Imp_Distribute(Area);
}

bool ZQFO_Block::Split(double Width, double Height, ZQFO_Block*& First, ZQFO_Block*& Second) {
  if (Options->BlockKeepTogether) return false;
  NoteNewDistributionAreaWidth(Width - Options->BlockLeftIndent - Options->BlockRightIndent);
  if (!Imp_Split(Height, First, Second)) return false;
  First->DropSizeCaches();
  Second->DropSizeCaches();
  return true;
}

long ZQFO_Block::CalculateNumberOfBlockQuotes(double LeftIndent) {
  const double limits[] = {4.9, 17.7, 30.4, 43.1};
  long levels = 0;
  while (levels < 4 && !(LeftIndent < limits[levels])) ++levels;
  return levels;
}

void ZQFO_Block::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  const long levels = CalculateNumberOfBlockQuotes(Options->BlockLeftIndent);
  ZQFO_HTMLOutput& out = Export.GetOutput();
  if (Stage == 1) {
    out.Append('\n');
    for (long i = 0; i < levels; ++i) out.Append("<blockquote>");
  }
  Imp_ExportToHTML(Export, Stage);
  if (Stage == 1)
    for (long i = 0; i < levels; ++i) out.Append("</blockquote>");
}

void ZQFO_Block::CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) {
  Imp_CollectFormattingOptions(Collector);
}

void ZQFO_Block::InsertHTMLAnchors(ZQFO_ExportDocumentToHTML_ExportContext& Export) {
  ZQFO_FormattingOptionsCollector& collector = Export.GetEmptyAnchorCollector();
  CollectFormattingOptions(collector);
  ZQFO_HTMLOutput& out = Export.GetOutput();
  const ZQFO_FormattingOptions::OptionsRef2Type* previous = nullptr;
  for (long set = 0; set < collector.GetNumOptionSets(); ++set) {
    // The words of a run share their ids, which the first one wrote.
    const ZQFO_FormattingOptions::OptionsRef2Type* record = &collector.GetOptionSet(set).GetIds();
    if (record == previous) continue;
    previous = record;
    const ZQ_String& ids = record->IdPath;
    const char* text = ids.GetText();
    for (int i = 0; i < ids.GetLength();) {
      if (text[i] == '{' || text[i] == '}') {
        ++i;
        continue;
      }
      const int start = i;
      while (i < ids.GetLength() && text[i] != '{' && text[i] != '}') ++i;
      const ZQ_String id(text + start, i - start);
      if (Export.WasAnchorWritten(id)) continue;
      // An id is the author's text: a quote in it would end the attribute.
      // The anchor closes at once: an open one would hold the blocks that
      // follow, and a browser nests or repairs them.
      out.Append("<a name=\"");
      out.AppendEncoded(id, ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan | ZQXML_Encode_Ampersand |
                                ZQXML_Encode_DoubleQuote);
      out.Append("\"></a>\n");
    }
  }
}

void ZQFO_Block::Imp_Distribute(ZQFO_ContentArea& Area) {
  Area.AddRenderObject(new ZQFO_RenderObject(Options, 0, 0, Area.GetFreeWidth(), Area.GetFreeHeight()), 0);
}

// ZQFO_FlowObject.h: the inline content of a paragraph: words, fields, page
// references, images, host pictures, fixed spaces, inline blocks and the
// placeholder of what cannot be had. Each tells the line engine its width
// and height limits and vertical ratios, leaves a render object in the area
// it is given, writes its HTML and takes field fix-ups. It carries how a
// line may break after it and what space follows it, which the document
// parser sets. Widths in millimetres; a text measures itself once on the
// context's canvas, through the width cache of the context's ZQFO_Cache (so
// an earlier layout's word is not measured again), and keeps the width until
// a fix-up changes the text.
// Lengths from outside that are not finite, and box sizes below 0, count as
// 0. A flow object belongs to its paragraph. UI thread only.
#ifndef ZQFO_FLOWOBJECT_H
#define ZQFO_FLOWOBJECT_H

#include <memory>

#include "ZQFO_FormattingOptions.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQPIC_Picture.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_URI.h"

class ZQFO_Block;
class ZQFO_ContentArea;
class ZQFO_DistributionContext;
class ZQFO_ExportDocumentToHTML_ExportContext;
class ZQFO_TextFixupDictionary;

// WordBreakAfter values (the word_break_after option's codes).
const long ZQFO_WordBreak_AsNeeded = 0;
const long ZQFO_WordBreak_Never = 1;
const long ZQFO_WordBreak_Always = 2;
// SpaceAfter: 0 a space that full justification stretches, 1 one it does
// not, 2 none.
const long ZQFO_SpaceAfter_Stretchable = 0;
const long ZQFO_SpaceAfter_Fixed = 1;
const long ZQFO_SpaceAfter_NoSpace = 2;

class ZQFO_FlowObject {
 public:
  // Context is borrowed and outlives the object. A word_break_after outside
  // 0..2 fails "false" and counts as 0.
  ZQFO_FlowObject(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options);
  virtual ~ZQFO_FlowObject() = default;
  ZQFO_FlowObject(const ZQFO_FlowObject&) = delete;
  ZQFO_FlowObject& operator=(const ZQFO_FlowObject&) = delete;

  // (minimum, maximum) width; HeightHint below 0: no height known. Base (10, 10).
  virtual ZQ_Point<double> GetWidthLimits(double HeightHint);
  // (minimum, maximum) height at the widths for the minimum and the
  // maximum. Base (7, 7).
  virtual ZQ_Point<double> GetHeightLimits(double WidthForMinimum, double WidthForMaximum);
  // Parts of the height above the baseline (for raising superscripts) and
  // below it. Base 0.5 and 0.3.
  virtual double GetAscentRatio() { return 0.5; }
  virtual double GetDescentRatio() { return 0.3; }
  // Leaves the object's drawable in Area over Rectangle (area coordinates).
  virtual void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle);
  // Stage 0 prepares, stage 1 writes.
  virtual void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage);
  virtual void CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector);
  virtual void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary);

  // The widths with no height known.
  ZQ_Point<double> ComputeWidthLimits() { return GetWidthLimits(-1.0); }
  // The gap after the object on a line: 0 for no space; else its own space
  // width, or the smaller of its own and Next's.
  double GetTrailingEscapement() const;
  double GetExternalLeading() const { return Options->FontMetrics.ExternalLeading; }
  double GetSpaceWidth() const { return Options->FontMetrics.SpaceWidth; }
  const ZQFO_FormattingOptions& GetOptions() const { return Options; }

  ZQFO_FlowObject* Next = nullptr;  // the paragraph's chain, not owned
  long WordBreakAfter;
  long SpaceAfter = ZQFO_SpaceAfter_Stretchable;

 protected:
  ZQFO_FormattingOptions Options;
  ZQFO_DistributionContext& Context;
};

class ZQFO_FlowObject_Text : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Text(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                       const ZQ_String& Text)
      : ZQFO_FlowObject(Context, Options), Text(Text) {}
  // The text's width in the options' font, both; the hint is ignored.
  ZQ_Point<double> GetWidthLimits(double HeightHint) override;
  // The font height, both.
  ZQ_Point<double> GetHeightLimits(double, double) override;
  // (ascent - internal leading) / height and descent / height; 0 for a font
  // whose height measures 0.
  double GetAscentRatio() override;
  double GetDescentRatio() override;
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  // The text encoded; the em dash of the symbol font as "---" and a line end.
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  const ZQ_String& GetText() const { return Text; }

 protected:
  void SetText(const ZQ_String& NewText);
  ZQ_String Text;

 private:
  double Width = -1.0;  // measured once; -1 until then
};

// A zqfo_field: its text comes from the field dictionary of the page.
class ZQFO_FlowObject_FixupText : public ZQFO_FlowObject_Text {
 public:
  ZQFO_FlowObject_FixupText(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                            const ZQ_String& FieldName)
      : ZQFO_FlowObject_Text(Context, Options, ""), FieldName(FieldName) {}
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;
  const ZQ_String& GetFieldName() const { return FieldName; }

 private:
  ZQ_String FieldName;
};

// A zqfo_pageref: laid out as "MMMMM", which reserves room for the number
// that the distribution context writes after distribution; no HTML.
class ZQFO_FlowObject_PageRefFixupText : public ZQFO_FlowObject_Text {
 public:
  ZQFO_FlowObject_PageRefFixupText(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                                   const ZQ_String& Target)
      : ZQFO_FlowObject_Text(Context, Options, "MMMMM"), Target(Target) {}
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext&, long) override {}
  const ZQ_String& GetTarget() const { return Target; }

 private:
  ZQ_String Target;
};

// The objects sized by a box: without an aspect (or without a height hint)
// the box's widths; with one, the hint times the aspect, and heights from
// the widths. Ratios 0.667 and 0.
class ZQFO_FlowObject_Boxed : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Boxed(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                        const ZQFO_BoxSize& Size);
  ZQ_Point<double> GetWidthLimits(double HeightHint) override;
  ZQ_Point<double> GetHeightLimits(double WidthForMinimum, double WidthForMaximum) override;
  double GetAscentRatio() override { return 0.667; }
  double GetDescentRatio() override { return 0.0; }
  const ZQFO_BoxSize& GetBoxSize() const { return Size; }

 protected:
  // Writes <img src="…" width="…" height="…"> for FileName (escaped).
  static void WriteImgTag(ZQFO_ExportDocumentToHTML_ExportContext& Export, const ZQ_String& FileName,
                          const ZQ_Point<long>& SizePx);
  // The export's display size of the box.
  void ComputeDisplaySize(ZQFO_ExportDocumentToHTML_ExportContext& Export, ZQ_Point<double>& SizeMm,
                          ZQ_Point<long>& SizePx) const;

 private:
  ZQFO_BoxSize Size;
};

class ZQFO_FlowObject_Img : public ZQFO_FlowObject_Boxed {
 public:
  ZQFO_FlowObject_Img(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                      const ZQ_URI& URI, const ZQFO_BoxSize& Size, bool Reduce,
                      const ZQIMG_ColorTransformation& Transformation);
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  // The device pixels to reduce the image to for a box of WidthMm x
  // HeightMm on the context's canvas, or (0, 0) for its own pixels: only
  // when reducing is asked and the image is more than 1 % larger.
  ZQ_Point<long> GetDisplayedImageSizeInPixels(double WidthMm, double HeightMm) const;
  const ZQ_URI& GetURI() const { return URI; }
  bool GetResample() const { return Reduce; }
  const ZQIMG_ColorTransformation& GetColorTransformation() const { return Transformation; }

 private:
  ZQ_URI URI;
  bool Reduce;
  ZQIMG_ColorTransformation Transformation;
};

class ZQFO_FlowObject_Picture : public ZQFO_FlowObject_Boxed {
 public:
  ZQFO_FlowObject_Picture(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                          const ZQ_CountedPtr<const ZQPIC_Picture>& Picture, const ZQFO_BoxSize& Size)
      : ZQFO_FlowObject_Boxed(Context, Options, Size), Picture(Picture) {}
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  // Stage 0 lays the picture out on a memory image of its display size,
  // stage 1 draws it there and writes the image; another stage fails "false".
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  const ZQ_CountedPtr<const ZQPIC_Picture>& GetPicture() const { return Picture; }

 private:
  ZQ_CountedPtr<const ZQPIC_Picture> Picture;
};

// The placeholder of an image or picture that cannot be had.
class ZQFO_FlowObject_Error : public ZQFO_FlowObject_Boxed {
 public:
  using ZQFO_FlowObject_Boxed::ZQFO_FlowObject_Boxed;
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  // An img tag for "MissingImage.jpg".
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
};

// A fixed space: its width both ways, no height, "&nbsp;" in HTML.
class ZQFO_FlowObject_Space : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Space(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options, double Width);
  ZQ_Point<double> GetWidthLimits(double) override { return {Width, Width}; }
  ZQ_Point<double> GetHeightLimits(double, double) override { return {0.0, 0.0}; }
  void AddRenderObject(ZQFO_ContentArea&, const ZQ_Rectangle<double>&) override {}
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;

 private:
  double Width;
};

// An inline table: a block inside the line, owned by the object and
// distributed into a portion of the line's area.
class ZQFO_FlowObject_Block : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Block(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                        std::unique_ptr<ZQFO_Block> Block);
  ~ZQFO_FlowObject_Block() override;
  ZQ_Point<double> GetWidthLimits(double HeightHint) override;
  // The block's heights for the first width; the maximum for the second
  // only when it differs by more than 1e-06.
  ZQ_Point<double> GetHeightLimits(double WidthForMinimum, double WidthForMaximum) override;
  double GetAscentRatio() override { return 0.667; }
  double GetDescentRatio() override { return 0.0; }
  void AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) override;
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  void CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) override;
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;
  ZQFO_Block& GetBlock() const { return *Block; }

 private:
  std::unique_ptr<ZQFO_Block> Block;
};

#endif

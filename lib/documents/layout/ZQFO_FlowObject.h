// ZQFO_FlowObject.h: the inline content of a paragraph: words, fields, page
// references, images, pictures, fixed spaces, inline tables and error boxes.
// Each carries how a line may break after it and whether a space follows it,
// which the document parser sets to join or separate neighbours. Widths in
// millimetres; text is measured on the context's canvas only when its width
// is asked. Line breaking and drawing arrive with the block layout. A flow
// object belongs to its paragraph. UI thread only.
#ifndef ZQFO_FLOWOBJECT_H
#define ZQFO_FLOWOBJECT_H

#include <memory>

#include "ZQFO_FormattingOptions.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQIMG_ColorTransformation.h"
#include "ZQPIC_Picture.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_Point.h"
#include "ZQ_URI.h"

class ZQFO_Block;
class ZQFO_DistributionContext;
class ZQFO_TextFixupDictionary;

// WordBreakAfter values (the word_break_after option's codes).
const long ZQFO_WordBreak_AsNeeded = 0;
const long ZQFO_WordBreak_Never = 1;
const long ZQFO_WordBreak_Always = 2;
// SpaceAfter: 0 and 1 a space follows, 2 none.
const long ZQFO_SpaceAfter_NoSpace = 2;

class ZQFO_FlowObject {
 public:
  // Context is borrowed and outlives the object.
  ZQFO_FlowObject(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
      : WordBreakAfter(Options->WordBreakAfter), Options(Options), Context(Context) {}
  virtual ~ZQFO_FlowObject() = default;
  ZQFO_FlowObject(const ZQFO_FlowObject&) = delete;
  ZQFO_FlowObject& operator=(const ZQFO_FlowObject&) = delete;

  // (minimum, maximum) width when no width limit applies.
  virtual ZQ_Point<double> ComputeWidthLimits() const = 0;
  virtual void PerformFieldFixups(const ZQFO_TextFixupDictionary&) {}
  // The width of a space in the object's font.
  double GetSpaceWidth() const { return Options->FontMetrics.SpaceWidth; }
  // 0 when SpaceAfter is 2, else the wider of this object's space and Next's.
  double GetSpaceAfterWidth(const ZQFO_FlowObject* Next) const;
  const ZQFO_FormattingOptions& GetOptions() const { return Options; }

  long WordBreakAfter;
  long SpaceAfter = 0;

 protected:
  ZQFO_FormattingOptions Options;
  ZQFO_DistributionContext& Context;
};

class ZQFO_FlowObject_Text : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Text(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                       const ZQ_String& Text)
      : ZQFO_FlowObject(Context, Options), Text(Text) {}
  // The text's extent in the object's font, measured at each call.
  ZQ_Point<double> ComputeWidthLimits() const override;
  const ZQ_String& GetText() const { return Text; }

 protected:
  ZQ_String Text;
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

// A zqfo_pageref: laid out as "MMMMM", filled after distribution.
class ZQFO_FlowObject_PageRefFixupText : public ZQFO_FlowObject_Text {
 public:
  ZQFO_FlowObject_PageRefFixupText(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                                   const ZQ_String& Target)
      : ZQFO_FlowObject_Text(Context, Options, "MMMMM"), Target(Target) {}
  const ZQ_String& GetTarget() const { return Target; }

 private:
  ZQ_String Target;
};

// The objects sized by a box: their minimum box width is their width.
class ZQFO_FlowObject_Boxed : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Boxed(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                        const ZQFO_BoxSize& Size)
      : ZQFO_FlowObject(Context, Options), Size(Size) {}
  ZQ_Point<double> ComputeWidthLimits() const override { return {Size.MinimumX, Size.MinimumX}; }
  const ZQFO_BoxSize& GetBoxSize() const { return Size; }

 private:
  ZQFO_BoxSize Size;
};

class ZQFO_FlowObject_Img : public ZQFO_FlowObject_Boxed {
 public:
  ZQFO_FlowObject_Img(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                      const ZQ_URI& URI, bool Resample, const ZQIMG_ColorTransformation& Transformation,
                      const ZQFO_BoxSize& Size)
      : ZQFO_FlowObject_Boxed(Context, Options, Size), URI(URI), Resample(Resample),
        Transformation(Transformation) {}
  const ZQ_URI& GetURI() const { return URI; }
  bool GetResample() const { return Resample; }
  const ZQIMG_ColorTransformation& GetColorTransformation() const { return Transformation; }

 private:
  ZQ_URI URI;
  bool Resample;
  ZQIMG_ColorTransformation Transformation;
};

class ZQFO_FlowObject_Picture : public ZQFO_FlowObject_Boxed {
 public:
  ZQFO_FlowObject_Picture(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                          const ZQ_CountedPtr<const ZQPIC_Picture>& Picture, const ZQFO_BoxSize& Size)
      : ZQFO_FlowObject_Boxed(Context, Options, Size), Picture(Picture) {}
  const ZQ_CountedPtr<const ZQPIC_Picture>& GetPicture() const { return Picture; }

 private:
  ZQ_CountedPtr<const ZQPIC_Picture> Picture;
};

// The placeholder of an image or picture that cannot be had.
class ZQFO_FlowObject_Error : public ZQFO_FlowObject_Boxed {
 public:
  using ZQFO_FlowObject_Boxed::ZQFO_FlowObject_Boxed;
};

class ZQFO_FlowObject_Space : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Space(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options, double Width)
      : ZQFO_FlowObject(Context, Options), Width(Width) {}
  ZQ_Point<double> ComputeWidthLimits() const override { return {Width, Width}; }

 private:
  double Width;
};

// An inline table: a block inside the line, owned by the object.
class ZQFO_FlowObject_Block : public ZQFO_FlowObject {
 public:
  ZQFO_FlowObject_Block(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                        std::unique_ptr<ZQFO_Block> Block);
  ~ZQFO_FlowObject_Block() override;
  ZQ_Point<double> ComputeWidthLimits() const override;
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;
  ZQFO_Block& GetBlock() const { return *Block; }

 private:
  std::unique_ptr<ZQFO_Block> Block;
};

#endif

// ZQF_Validator.h: validation of a dialog's controls and the two iterators
// over the controls of a glyph tree.
// A control that finds its value wrong throws ZQF_ValidationFailureException
// (declared with the glyph core, below the controls) from its ValidateSelf;
// ZQF_InsureValidated reports the first failure of a tree in an error box
// and turns it into ZQ_CancelCurrentOperationException.
// The topmost-child-control iterator yields, depth first, the controls of a
// subtree that have no control above them (it never enters a control); the
// dialog action iterator keeps of those the keyboard's stops. Iterators
// borrow the tree, which must not change while they are used. UI thread only.
#ifndef ZQF_VALIDATOR_H
#define ZQF_VALIDATOR_H

#include "ZQF_ValidationFailureException.h"
#include "ZQ_Iterator.h"
#include "ZQ_String.h"

class ZQF_Glyph;
class ZQF_ControlGlyph;

// Validates Glyph's subtree (children first, depth first). The first failure
// is shown in an error box about its glyphs, then
// ZQ_CancelCurrentOperationException is thrown; other exceptions pass.
void ZQF_InsureValidated(ZQF_Glyph* Glyph);

// The controls under Root (Root itself never) that have no control between
// them and Root, in depth-first order; with SkipDisabled a disabled control
// is passed over with its subtree.
class TopmostChildControlGlyphIterRef : public ZQ_IteratorReference<ZQF_ControlGlyph*> {
 public:
  TopmostChildControlGlyphIterRef(ZQF_Glyph* Root, bool SkipDisabled);
  using ZQ_IteratorReference<ZQF_ControlGlyph*>::Advance;
  bool Advance() override;
  bool IsValid() const override { return Current != nullptr; }
  void Rewind() override;
  TopmostChildControlGlyphIterRef* Clone() const override;
  ZQF_ControlGlyph*& GetCurrent() override;

 private:
  // To the next sibling, climbing as needed; false (and no current glyph)
  // on reaching the root.
  bool NextCanidateSiblingFound();
  bool IsSkipped(ZQF_Glyph* Glyph) const;

  ZQF_Glyph* Root;
  ZQF_Glyph* Current = nullptr;
  ZQF_ControlGlyph* CurrentControl = nullptr;
  bool SkipDisabled;
};

// The keyboard's stops among the enabled topmost controls: focusable, not an
// unchecked radio button, laid out (x not below -10000), and neither it nor
// an ancestor narrower or lower than 1 pixel.
class DialogActionControlGlyphIterRef : public ZQ_IteratorReference<ZQF_ControlGlyph*> {
 public:
  explicit DialogActionControlGlyphIterRef(ZQF_Glyph* Root);
  ~DialogActionControlGlyphIterRef() override;
  DialogActionControlGlyphIterRef(const DialogActionControlGlyphIterRef&) = delete;
  DialogActionControlGlyphIterRef& operator=(const DialogActionControlGlyphIterRef&) = delete;
  using ZQ_IteratorReference<ZQF_ControlGlyph*>::Advance;
  bool Advance() override;
  bool IsValid() const override { return Inner->IsValid(); }
  void Rewind() override;
  DialogActionControlGlyphIterRef* Clone() const override;
  ZQF_ControlGlyph*& GetCurrent() override { return Inner->GetCurrent(); }

  static bool IsSkipped(ZQF_ControlGlyph* Control);

 private:
  explicit DialogActionControlGlyphIterRef(TopmostChildControlGlyphIterRef* Inner)
      : Inner(Inner) {}
  void SkipForward();

  TopmostChildControlGlyphIterRef* Inner;
};

// Both rewound.
ZQ_Iterator<ZQF_ControlGlyph*> ZQF_GetTopmostChildControlGlyphIterator(ZQF_Glyph* Root,
                                                                      bool SkipDisabled);
ZQ_Iterator<ZQF_ControlGlyph*> GetDialogActionControlGlyphIter(ZQF_Glyph* Root);

#endif

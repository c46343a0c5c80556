// Validation and the control iterators.
#include "ZQF_Validator.h"

#include "ZQF_ControlGlyph.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQF_RadioButtonGlyph.h"
#include "ZQ_Exception.h"

void ZQF_InsureValidated(ZQF_Glyph* Glyph) {
  try {
    Glyph->Validate();
    return;
  } catch (ZQF_ValidationFailureException& failure) {
    ZQF_ErrorMessageDialogBox box(failure.GetTitle(), failure.GetMessage(), nullptr, 3,
                                  ZQF_MessageDialogBox::SelectedButton_OK);
    for (ZQ_Iterator<ZQF_Glyph*> i = failure.GetInvalidGlyphIterator(); i.IsValid(); i.Advance()) {
      box.AddInvalidGlyph(*i);
    }
    box.Run();
  }
  throw ZQ_CancelCurrentOperationException();
}

// --- TopmostChildControlGlyphIterRef

TopmostChildControlGlyphIterRef::TopmostChildControlGlyphIterRef(ZQF_Glyph* Root,
                                                                 bool SkipDisabled)
    : Root(Root), SkipDisabled(SkipDisabled) {}

bool TopmostChildControlGlyphIterRef::IsSkipped(ZQF_Glyph* Glyph) const {
  return SkipDisabled && Glyph->IsDisabled();
}

bool TopmostChildControlGlyphIterRef::NextCanidateSiblingFound() {
  while (Current != Root) {
    if (Current->GetNextSibling()) {
      Current = Current->GetNextSibling();
      return true;
    }
    Current = Current->GetParent();
  }
  Current = nullptr;
  return false;
}

void TopmostChildControlGlyphIterRef::Rewind() {
  Current = Root ? Root->GetFirstChild() : nullptr;
  CurrentControl = nullptr;
  if (!Current) return;
  while (!dynamic_cast<ZQF_ControlGlyph*>(Current) && Current->GetFirstChild()) {
    Current = Current->GetFirstChild();
  }
  CurrentControl = dynamic_cast<ZQF_ControlGlyph*>(Current);
  if (!CurrentControl || IsSkipped(Current)) Advance();
}

bool TopmostChildControlGlyphIterRef::Advance() {
  ZQ_ASSERT_TEXT(IsValid(), "IsValid ()");
  for (;;) {
    CurrentControl = nullptr;
    if (!NextCanidateSiblingFound()) return false;
    while (!(CurrentControl = dynamic_cast<ZQF_ControlGlyph*>(Current))) {
      if (Current->GetFirstChild()) {
        Current = Current->GetFirstChild();
      } else if (!NextCanidateSiblingFound()) {
        return false;
      }
    }
    if (!IsSkipped(Current)) return true;
  }
}

TopmostChildControlGlyphIterRef* TopmostChildControlGlyphIterRef::Clone() const {
  return new TopmostChildControlGlyphIterRef(*this);
}

ZQF_ControlGlyph*& TopmostChildControlGlyphIterRef::GetCurrent() {
  ZQ_ASSERT_TEXT(IsValid(), "IsValid ()");
  return CurrentControl;
}

// --- DialogActionControlGlyphIterRef

DialogActionControlGlyphIterRef::DialogActionControlGlyphIterRef(ZQF_Glyph* Root)
    : Inner(new TopmostChildControlGlyphIterRef(Root, true)) {}

DialogActionControlGlyphIterRef::~DialogActionControlGlyphIterRef() { delete Inner; }

bool DialogActionControlGlyphIterRef::IsSkipped(ZQF_ControlGlyph* Control) {
  if (!Control->IsFocusable()) return true;
  const auto* radio = dynamic_cast<ZQF_RadioButtonGlyph*>(Control);
  if (radio && !radio->IsChecked()) return true;
  if (Control->GetBoundingBox().X < -10000) return true;
  return Control->IsHiddenBySize();
}

void DialogActionControlGlyphIterRef::SkipForward() {
  while (Inner->IsValid() && IsSkipped(Inner->GetCurrent())) Inner->Advance();
}

void DialogActionControlGlyphIterRef::Rewind() {
  Inner->Rewind();
  SkipForward();
}

bool DialogActionControlGlyphIterRef::Advance() {
  Inner->Advance();
  SkipForward();
  return IsValid();
}

DialogActionControlGlyphIterRef* DialogActionControlGlyphIterRef::Clone() const {
  return new DialogActionControlGlyphIterRef(Inner->Clone());
}

ZQ_Iterator<ZQF_ControlGlyph*> ZQF_GetTopmostChildControlGlyphIterator(ZQF_Glyph* Root,
                                                                      bool SkipDisabled) {
  auto* reference = new TopmostChildControlGlyphIterRef(Root, SkipDisabled);
  reference->Rewind();
  return ZQ_Iterator<ZQF_ControlGlyph*>(reference);
}

ZQ_Iterator<ZQF_ControlGlyph*> GetDialogActionControlGlyphIter(ZQF_Glyph* Root) {
  auto* reference = new DialogActionControlGlyphIterRef(Root);
  reference->Rewind();
  return ZQ_Iterator<ZQF_ControlGlyph*>(reference);
}

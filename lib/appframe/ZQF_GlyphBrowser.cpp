#include "ZQF_GlyphBrowser.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ApplicationLink.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_HorizontalSeparatorLineGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"
#include "ZQF_Window.h"
#include "ZQ_Assertion.h"
#include "ZQ_StringStream.h"

namespace {

// An etched line: a shadow line over a highlight line.
constexpr int kSeparatorCode = 3;
// Pixels: room for a few levels of a deep tree and a whole description.
constexpr long kNaturalWidth = 520;
constexpr long kNaturalHeight = 480;

ZQF_Glyph* GetMainTopLevelGlyph() {
  ZQF_Window* window = ZQF_ApplicationLink_GetMainWindow();
  return window ? window->GetTopLevelGlyph() : nullptr;
}

// Compares addresses only, so that a stale one is never dereferenced.
bool IsInTree(ZQF_Glyph* Root, const ZQF_Glyph* Wanted) {
  if (Root == Wanted) return true;
  for (ZQF_Glyph* c = Root->GetFirstChild(); c; c = c->GetNextSibling()) {
    if (IsInTree(c, Wanted)) return true;
  }
  return false;
}

ZQ_String DescribeRow(const ZQF_Glyph& Glyph) {
  ZQ_StringStream text;
  text << RunTimeClassName(Glyph) << " ";
  text.WriteHexadecimal(reinterpret_cast<unsigned int>(&Glyph));
  return text;
}

// A caption over a separator line, as both panes begin.
ZQF_ColumnGlyph* NewPaneColumn(const char* Caption) {
  auto* column = new ZQF_ColumnGlyph;
  const ZQ_Point<long> margin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y);
  column->AddToBottom(new ZQF_MarginGlyph(new ZQF_StoredLabelGlyph(ZQ_String(Caption)), margin, 0));
  column->AddToBottom(
      new ZQF_HorizontalSeparatorLineGlyph(kSeparatorCode, 0, 0, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground)));
  return column;
}

// A label shows one line: a description of many takes one label each. The
// spring below them lets the scroller fill its pane whatever the text.
ZQF_ColumnGlyph* NewPropertyColumn(const ZQ_String& Text) {
  auto* column = new ZQF_ColumnGlyph;
  column->SetCrossAxisStretchMode(1);
  const char* line = Text.GetText();
  const char* end = line + Text.GetLength();
  while (line < end) {
    const char* next = std::find(line, end, '\n');
    column->AddToBottom(new ZQF_StoredLabelGlyph(ZQ_String(line, static_cast<int>(next - line))));
    line = next == end ? end : next + 1;
  }
  auto* spring = new ZQF_TwoDimensionalGlueGlyph(0, 0);
  spring->SetSize(0, 0, 0, 0, ZQF_AlignmentGlyph::StretchMaximum,
                  ZQF_AlignmentGlyph::StretchMaximum);
  column->AddToBottom(spring);
  return column;
}

}  // namespace

GlyphBrowserFocusPlace GlyphBrowser_GetFocusPlace(const ZQF_Glyph* Glyph) {
  const ZQF_Glyph* parent = Glyph->GetParent();
  if (!parent) return GlyphBrowserFocusPlace_OnFocusPath;
  if (parent->GetFocusChild() != Glyph) return GlyphBrowserFocusPlace_NotFocusChild;
  for (const ZQF_Glyph* a = parent; a->GetParent(); a = a->GetParent()) {
    if (a->GetParent()->GetFocusChild() != a) return GlyphBrowserFocusPlace_FocusChild;
  }
  return GlyphBrowserFocusPlace_OnFocusPath;
}

// --- The rows.

GlyphBrowserGlyphElement::GlyphBrowserGlyphElement(ZQF_Glyph* Glyph)
    : Glyph(Glyph),
      Text(DescribeRow(*Glyph)),
      FocusPlace(GlyphBrowser_GetFocusPlace(Glyph)),
      HadChildren(Glyph->GetFirstChild() != nullptr) {}

ZQR_Bitmap GlyphBrowserGlyphElement::GetBitmap(const ZQF_ListGlyphElementDrawState*) {
  // Loaded on first use, released at exit.
  static const ZQR_Bitmap s_bitmaps[] = {
      ZQR_Bitmap(ZQ_String("ZQF_Debug_GlyphBrowser_OnFocusPathBitmap")),
      ZQR_Bitmap(ZQ_String("ZQF_Debug_GlyphBrowser_FocusChildBitmap")),
      ZQR_Bitmap(ZQ_String("ZQF_Debug_GlyphBrowser_NotFocusChildBitmap")),
  };
  return s_bitmaps[FocusPlace];
}

void GlyphBrowserGlyphElement::CreateVirtualChildren() {
  ZQF_Glyph* glyph = FindLiveGlyph();
  if (!glyph) return;
  for (ZQF_Glyph* c = glyph->GetFirstChild(); c; c = c->GetNextSibling()) {
    AddVirtualChild(new GlyphBrowserGlyphElement(c));
  }
}

ZQF_Glyph* GlyphBrowserGlyphElement::FindLiveGlyph() const {
  ZQF_Glyph* root = GetMainTopLevelGlyph();
  return root && IsInTree(root, Glyph) ? Glyph : nullptr;
}

// --- The manager.

void GlyphBrowserManagerGlyph::InitializeSelf() {
  ZQF_NullContainerGlyph::InitializeSelf();
  GlyphList = new ZQF_ListGlyph(1);
  GlyphList->SetNodeBitmapSet(2);
  GlyphList->SetDrawHierarchicalLines(true);
  GlyphList->SetChangeNotificationDelay(-1);
  ZQF_ColumnGlyph* upper = NewPaneColumn("Glyphs");
  upper->AddToBottom(GlyphList);
  upper->SetFocusChild(GlyphList);

  PropertyLabel = NewPropertyColumn(ZQ_String());
  PropertyContainer = new ZQF_ChangeableClientNullContainerGlyph(PropertyLabel);
  const ZQ_Point<long> margin(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y);
  ZQF_ColumnGlyph* lower = NewPaneColumn("ZQF_Glyph Properties");
  lower->AddToBottom(new ZQF_MarginGlyph(
      new ZQF_ScrollingContainerGlyph(PropertyContainer, 0, 0,
                                      ZQF_ScrollingContainerGlyph::Policy_AsNeeded,
                                      ZQF_ScrollingContainerGlyph::Policy_AsNeeded, 0, 0, 0),
      margin, 0));

  SetClient(new ZQF_VerticalAdjustablePaneGlyph(new ZQF_SunkenBorderGlyph(upper),
                                                new ZQF_SunkenBorderGlyph(lower), 0.5));
  LoadTopLevelGlyphsIntoList();
}

void GlyphBrowserManagerGlyph::UpdateMyDesiredSize() {
  ZQF_NullContainerGlyph::UpdateMyDesiredSize();
  DesiredSize.SetX(std::max(DesiredSize.Natural.X, kNaturalWidth), DesiredSize.Minimum.X,
                   std::max(DesiredSize.Maximum.X, kNaturalWidth));
  DesiredSize.SetY(std::max(DesiredSize.Natural.Y, kNaturalHeight), DesiredSize.Minimum.Y,
                   std::max(DesiredSize.Maximum.Y, kNaturalHeight));
}

void GlyphBrowserManagerGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                  bool SecondTry) {
  auto* selection = dynamic_cast<ZQF_ListSelectionChangeNotificationMessage*>(&Message);
  if (!selection || selection->GetList() != GlyphList) {
    ZQF_NullContainerGlyph::HandleNotification(Message, SecondTry);
    return;
  }
  Message.SetHandled();
  ZQF_ListGlyphElement* element = GlyphList->GetFocusElement();
  if (element && element->IsSelected()) RespondToObjectSelection(element);
}

void GlyphBrowserManagerGlyph::LoadTopLevelGlyphsIntoList() {
  GlyphList->Clear();
  if (ZQF_Glyph* root = GetMainTopLevelGlyph()) {
    GlyphList->InsertAsLastRoot(new GlyphBrowserGlyphElement(root));
  }
}

void GlyphBrowserManagerGlyph::RespondToObjectSelection(ZQF_ListGlyphElement* Element) {
  auto* row = dynamic_cast<GlyphBrowserGlyphElement*>(Element);
  ZQ_ASSERT_TEXT(row, "Element");
  if (!row) return;
  ZQ_StringStream text;
  text << "Properties of " << row->GetText();
  text.NewLine();
  if (ZQF_Glyph* glyph = row->FindLiveGlyph()) {
    glyph->WriteDebugDescription(text);
  } else {
    text << "(destroyed)";
  }
  SetGlyphPropertyText(text);
}

void GlyphBrowserManagerGlyph::SetGlyphPropertyText(const ZQ_String& Text) {
  PropertyLabel = NewPropertyColumn(Text);
  PropertyContainer->SetClient(PropertyLabel,
                               ZQF_ChangeableClientNullContainerGlyph::Disposal_Delete);
}

ZQ_String GlyphBrowserManagerGlyph::GetGlyphPropertyText() const {
  ZQ_String text;
  for (ZQF_Glyph* c = PropertyLabel ? PropertyLabel->GetFirstChild() : nullptr; c;
       c = c->GetNextSibling()) {
    auto* label = dynamic_cast<ZQF_StoredLabelGlyph*>(c);
    if (!label) continue;
    if (c != PropertyLabel->GetFirstChild()) text += "\n";
    text += label->GetText();
  }
  return text;
}

// --- The dialog.

GlyphBrowserDialogBox::GlyphBrowserDialogBox()
    : ZQF_StandardDialogBox(ZQF_DialogBoxModality_Modal, ZQ_String("ZQF_Glyph Browser"),
                            ZQF_ButtonPlacement_BelowRight, false) {}

void GlyphBrowserDialogBox::Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) {
  Manager = new GlyphBrowserManagerGlyph;
  Organizer->AddToEnd(Manager);
}

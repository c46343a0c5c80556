// The toolbar and its standard buttons.
#include "ZQF_ToolbarGlyph.h"

#include "ZQF_AddButton.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"

namespace {

using CommandPtr = std::unique_ptr<ZQF_StandardCommandMessage>;
using UpdatePtr = std::unique_ptr<ZQF_StandardCommandUpdateMessage>;

template <class Command>
CommandPtr MakeCommand() {
  return CommandPtr(new Command);
}
// The print button prints at once, with the option set.
CommandPtr MakePrintCommand() { return CommandPtr(new ZQF_PrintCommandMessage(true)); }
template <class Update>
UpdatePtr MakeUpdate() {
  return UpdatePtr(new Update);
}

struct StandardButtonKind {
  const char* BitmapName;
  const char* Tooltip;  // untranslated
  CommandPtr (*NewCommand)();
  UpdatePtr (*NewUpdate)();
};

#define ZQF_STANDARD_BUTTON(Bitmap, Tooltip, Name) \
  { Bitmap, Tooltip, &MakeCommand<Name##CommandMessage>, &MakeUpdate<Name##CommandUpdateMessage> }

// In the order of the identifiers.
const StandardButtonKind kStandardButtons[] = {
    ZQF_STANDARD_BUTTON("ZQF_PropertiesToolbarButtonBitmap", "Edit properties", ZQF_Properties),
    ZQF_STANDARD_BUTTON("ZQF_InspectToolbarButtonBitmap", "Inspect properties", ZQF_Inspect),
    ZQF_STANDARD_BUTTON("ZQF_PageSetupToolbarButtonBitmap", "Page Setup", ZQF_PageSetup),
    ZQF_STANDARD_BUTTON("ZQF_PrintPreviewToolbarButtonBitmap", "Print Preview", ZQF_PrintPreview),
    {"ZQF_PrintToolbarButtonBitmap", "Print", &MakePrintCommand,
     &MakeUpdate<ZQF_PrintCommandUpdateMessage>},
    ZQF_STANDARD_BUTTON("ZQF_CutToolbarButtonBitmap", "Cut", ZQF_Cut),
    ZQF_STANDARD_BUTTON("ZQF_CopyToolbarButtonBitmap", "Copy", ZQF_Copy),
    ZQF_STANDARD_BUTTON("ZQF_PasteToolbarButtonBitmap", "Paste", ZQF_Paste),
    ZQF_STANDARD_BUTTON("ZQF_DeleteCrossToolbarButtonBitmap", "Delete", ZQF_Delete),
    ZQF_STANDARD_BUTTON("ZQF_AddPlusSignToolbarButtonBitmap", "Add", ZQF_Add),
    ZQF_STANDARD_BUTTON("ZQF_UndoToolbarButtonBitmap", "Undo", ZQF_Undo),
    ZQF_STANDARD_BUTTON("ZQF_RedoToolbarButtonBitmap", "Redo", ZQF_Redo),
    ZQF_STANDARD_BUTTON("ZQF_BrowseBack_ToolbarButtonBitmap", "Go Back", ZQF_BrowseBack),
    ZQF_STANDARD_BUTTON("ZQF_BrowseForward_ToolbarButtonBitmap", "Go Forward", ZQF_BrowseForward),
};
#undef ZQF_STANDARD_BUTTON

static_assert(sizeof(kStandardButtons) / sizeof(kStandardButtons[0]) ==
                  ZQF_ToolbarGlyph::Button_NumStandardButtons,
              "one row per standard button");

// A negative margin asks for the standard one: half of size metric 15.
long MarginOrStandard(long Margin, long Metric) { return Margin < 0 ? Metric / 2 : Margin; }

}  // namespace

ZQF_ToolbarGlyph::ZQF_ToolbarGlyph(long aDefaultButtonActive, long MarginX, long MarginY)
    : DefaultButtonActive(aDefaultButtonActive) {
  ZQ_ASSERT(aDefaultButtonActive != ButtonActive_Default);
  // Made after the assertion, which may throw: the tree owns it from here.
  Faces = new ZQF_SelectableClientNullContainerGlyph(
      ZQF_SelectableClientNullContainerGlyph::Flag_ResizeAnchor);
  const ZQ_Point<long> standard = ZQF_GetSizeMetric(ZQF_SizeMetric_FrameMargin);
  AddChild(new ZQF_MarginGlyph(Faces,
                               ZQ_Point<long>(MarginOrStandard(MarginX, standard.X),
                                              MarginOrStandard(MarginY, standard.Y)),
                               0),
           true);
  AddFace(GetDefaultFaceKey());
}

ZQF_ToolbarGlyph::~ZQF_ToolbarGlyph() = default;

const void* ZQF_ToolbarGlyph::GetDefaultFaceKey() {
  static const char s_key = 0;
  return &s_key;
}

void ZQF_ToolbarGlyph::AddFace(const void* Key) {
  auto* face = new ZQF_RowGlyph(1);
  face->SetCrossAxisStretchMode(0);
  ZQF_Glyph* shown = Faces->GetSelectedClient();
  // The container shows the client added last; the toolbar keeps its face.
  Faces->AddClient(face, Key);
  if (shown) Faces->SelectClientGlyph(shown);
  CurrentFace = face;
}

void ZQF_ToolbarGlyph::AddClient(ZQF_Glyph* Client) { Util_AddClient(CurrentFace, Client); }

ZQF_StandardBitmapButtonGlyph* ZQF_ToolbarGlyph::AddBitmapButton(
    const ZQ_String& BitmapName, std::unique_ptr<ZQF_StandardCommandMessage> Command,
    std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update, const ZQ_String& TooltipText,
    const ZQ_String& HelpTopics, long ButtonActive, bool Autorepeat) {
  return Util_AddBitmapButton(CurrentFace, BitmapName, std::move(Command), std::move(Update),
                              TooltipText, HelpTopics, DispatchesAlongFocusPath(ButtonActive),
                              Autorepeat);
}

ZQF_StandardBitmapButtonGlyph* ZQF_ToolbarGlyph::AddStandardButton(
    long Identifier, ZQ_String& BitmapName, ZQ_String& TooltipText, const ZQ_String& HelpTopics,
    long ButtonActive, bool Autorepeat) {
  return Util_AddStandardButton(CurrentFace, Identifier, BitmapName, TooltipText, HelpTopics,
                                DispatchesAlongFocusPath(ButtonActive), Autorepeat);
}

void ZQF_ToolbarGlyph::AddSpacer(long Count) {
  Util_AddSpacer(CurrentFace, Count, GetSpacerUnit());
}

void ZQF_ToolbarGlyph::AddRightJustificationSpacer() {
  // No width of its own, stretching up to the largest sum of sizes.
  AddClient(new ZQF_HorizontalGlueGlyph());
}

long ZQF_ToolbarGlyph::GetSpacerUnit() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X; }

bool ZQF_ToolbarGlyph::DispatchesAlongFocusPath(long ButtonActive) const {
  const long mode = ButtonActive == ButtonActive_Default ? DefaultButtonActive : ButtonActive;
  return mode != ButtonActive_ParentChain;
}

void ZQF_ToolbarGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  Clip(Canvas, Clip_Children);
  Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}

void ZQF_ToolbarGlyph::UpdateMyDesiredSize() {
  const ZQF_DesiredSize& margin = GetFirstChild()->GetDesiredSize();
  DesiredSize.SetX(margin.Natural.X, margin.Minimum.X, margin.Maximum.X);
  DesiredSize.SetY(margin.Natural.Y, margin.Minimum.Y, margin.Maximum.Y);
}

void ZQF_ToolbarGlyph::AcceptLayout() { LayoutChild(GetFirstChild(), GetLocalBoundingBox()); }

ZQF_StandardBitmapButtonGlyph* Util_AddStandardButton(
    ZQF_AlignmentGlyph* Organizer, long Identifier, ZQ_String& BitmapName, ZQ_String& TooltipText,
    const ZQ_String& HelpTopics, bool DispatchAlongFocusPath, bool Autorepeat) {
  // Negative identifiers, too, would read outside the table.
  if (Identifier < 0 || Identifier >= ZQF_ToolbarGlyph::Button_NumStandardButtons) {
    ZQ_ASSERT(false);
    return nullptr;
  }
  const StandardButtonKind& kind = kStandardButtons[Identifier];
  if (BitmapName.IsEmpty()) BitmapName = kind.BitmapName;
  if (TooltipText.IsEmpty()) TooltipText = ZQ_Internationalization_Translate(kind.Tooltip);
  return Util_AddBitmapButton(Organizer, BitmapName, kind.NewCommand(), kind.NewUpdate(),
                              TooltipText, HelpTopics, DispatchAlongFocusPath, Autorepeat);
}

void Util_AddSpacer(ZQF_AlignmentGlyph* Organizer, long Count, long Unit) {
  Util_AddClient(Organizer, new ZQF_HorizontalGlueGlyph(Count * Unit));
}

// The button-building helpers.
#include "ZQF_AddButton.h"

#include "ZQF_BorderGlyph.h"
#include "ZQF_ButtonCommandAdaptorGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"

void Util_AddButton(ZQF_AlignmentGlyph* Container, ZQF_ButtonGlyph* Button,
                    std::unique_ptr<ZQF_StandardCommandMessage> Command,
                    std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update,
                    const ZQ_String& HelpTopics, bool DispatchAlongFocusPath) {
  Button->SetToggleMode(ZQF_ButtonCommandAdaptorGlyph::IsToggleUpdate(*Update)
                            ? ZQF_ButtonGlyph::ToggleMode_TwoState
                            : ZQF_ButtonGlyph::ToggleMode_OneState);
  if (!HelpTopics.IsEmpty()) Button->AppendHelpTopics(HelpTopics);
  const long mode = DispatchAlongFocusPath
                        ? ZQF_ButtonCommandAdaptorGlyph::Dispatch_FromRootAlongFocusPath
                        : ZQF_ButtonCommandAdaptorGlyph::Dispatch_FromButtonUpParents;
  Util_AddClient(Container, new ZQF_ButtonCommandAdaptorGlyph(Button, std::move(Command),
                                                              std::move(Update), mode));
}

ZQF_StandardBitmapButtonGlyph* Util_AddBitmapButton(
    ZQF_AlignmentGlyph* Container, const ZQ_String& BitmapResource,
    std::unique_ptr<ZQF_StandardCommandMessage> Command,
    std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update, const ZQ_String& TooltipText,
    const ZQ_String& HelpTopics, bool DispatchAlongFocusPath, bool Autorepeat) {
  auto* button = new ZQF_StandardBitmapButtonGlyph(
      BitmapResource, ZQF_ButtonGlyph::ToggleMode_OneState, ZQF_ButtonGlyph::State_Up);
  button->SetAutorepeatMode(Autorepeat ? ZQF_ButtonGlyph::AutorepeatMode_UpAndDown
                                       : ZQF_ButtonGlyph::AutorepeatMode_None);
  button->SetTooltipText(TooltipText);
  Util_AddButton(Container, button, std::move(Command), std::move(Update), HelpTopics,
                 DispatchAlongFocusPath);
  return button;
}

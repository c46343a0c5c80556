// ZQF_AddButton.h: adds command buttons to rows, columns and toolbars in one
// call. The button is wrapped in a command adaptor, so that a click
// dispatches the command and idle-time updates enable, disable and (for a
// toggle update) check it; the container owns both. UI thread only.
#ifndef ZQF_ADDBUTTON_H
#define ZQF_ADDBUTTON_H

#include <memory>

#include "ZQ_String.h"

class ZQF_AlignmentGlyph;
class ZQF_ButtonGlyph;
class ZQF_StandardBitmapButtonGlyph;
class ZQF_StandardCommandMessage;
class ZQF_StandardCommandUpdateMessage;

// Makes Button two-state for a toggle update and one-state otherwise, adds
// HelpTopics (unless empty) to its help topics and adds it, wrapped, at the
// end of Container. DispatchAlongFocusPath: the command and its update go
// down the focus path from the root of the window's tree; else they start at
// the button and go up its parents.
void Util_AddButton(ZQF_AlignmentGlyph* Container, ZQF_ButtonGlyph* Button,
                    std::unique_ptr<ZQF_StandardCommandMessage> Command,
                    std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update,
                    const ZQ_String& HelpTopics, bool DispatchAlongFocusPath);

// Util_AddButton with a new bitmap button (BitmapResource names a BITMAP
// resource) carrying TooltipText; Autorepeat repeats up and down
// notifications, and so the command, while the mouse holds the button.
// Returns the button, which the container owns.
ZQF_StandardBitmapButtonGlyph* Util_AddBitmapButton(
    ZQF_AlignmentGlyph* Container, const ZQ_String& BitmapResource,
    std::unique_ptr<ZQF_StandardCommandMessage> Command,
    std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update, const ZQ_String& TooltipText,
    const ZQ_String& HelpTopics, bool DispatchAlongFocusPath, bool Autorepeat);

#endif

// ZQF_SelectableMenuElement.h: menu items that can be chosen. A selectable
// element holds a menu identifier from its construction to its destruction.
// The standard text item carries what choosing it does: a command message
// dispatched into the glyph tree and an update query that decides whether
// it is enabled, or a pair of callbacks instead. The item owns both
// messages. UI thread only.
#ifndef ZQF_SELECTABLEMENUELEMENT_H
#define ZQF_SELECTABLEMENUELEMENT_H

#include "ZQF_MenuElement.h"
#include "ZQ_Functor.h"

class ZQF_CommandMessage;
class ZQF_StandardCommandUpdateMessage;

class ZQF_SelectableMenuElement : public ZQF_MenuElement {
 public:
  // Takes a new identifier and registers under it.
  ZQF_SelectableMenuElement();
  // Gives the identifier back.
  ~ZQF_SelectableMenuElement() override;
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;

  // The item was chosen; asserts "ID == MenuID". True: the choice is taken.
  virtual bool RespondToSelection(unsigned long ID);
  // Enables or greys the item in Menu.
  virtual void SetEnabled(HMENU Menu, bool Enabled);

  unsigned long GetMenuID() const { return MenuID; }

 private:
  unsigned long MenuID;
};

class ZQF_StandardTextMenuElement : public ZQF_SelectableMenuElement {
 public:
  // Sets Enabled to whether the item can be chosen now (it starts true).
  using UpdateCallback = ZQ_Functor1<bool&>;

  // Text: "&" marks the mnemonic. Takes ownership of both messages (either
  // may be null).
  ZQF_StandardTextMenuElement(const ZQ_String& Text, ZQF_CommandMessage* CommandMessage,
                              ZQF_StandardCommandUpdateMessage* UpdateMessage);
  // Either callback may be empty.
  ZQF_StandardTextMenuElement(const ZQ_String& Text, const ZQ_Functor0& CommandCallback,
                              const UpdateCallback& UpdateCallbackFunction);
  ~ZQF_StandardTextMenuElement() override;

  // A string item of Text.
  void CreateAndAppendShadowElement(HMENU Menu) override;
  // By the update query when there is one (disabled when no glyph handled
  // it), else by the update callback, else enabled.
  void Update(HMENU Menu) override;
  // Serial number, tag 36770, the text, the addresses of both messages and
  // whether each callback is set.
  void UpdateHash(ZQ_Hasher& Hasher) override;
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
  // Dispatches the command from the tree's target, then calls the callback.
  bool RespondToSelection(unsigned long ID) override;

  const ZQ_String& GetText() const { return Text; }

 private:
  bool QueryEnabled();

  ZQ_String Text;
  ZQF_CommandMessage* CommandMessage;
  ZQF_StandardCommandUpdateMessage* UpdateMessage;
  ZQ_Functor0 CommandCallback;
  UpdateCallback UpdateCallbackFunction;
};

#endif

// ZQF_MenuElement.h: the tree of menu elements a program describes its
// menus with, and the groups that arrange elements without a Windows item of
// their own. The tree, not Windows, holds the menu: each build walks it and
// appends the Windows items (the shadow menu) into a menu handle; a rebuild
// starts from a fresh handle. An element owns its children and deletes them
// with itself. Serial numbers are unique per element (the first is 1), so a
// hash over the tree changes whenever any element is replaced. Misuse fails
// assertions. UI thread only.
#ifndef ZQF_MENUELEMENT_H
#define ZQF_MENUELEMENT_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

class ZQ_Hasher;
class ZQ_TextStreamFormatter;
class ZQF_Glyph;
class ZQF_RootGroupMenuElement;

class ZQF_MenuElement {
 public:
  // Where Add puts the new element.
  enum {
    Position_FirstChild = 0,
    Position_LastChild = 1,
    Position_Before = 2,
    Position_After = 3
  };

  ZQF_MenuElement();
  ZQF_MenuElement(const ZQF_MenuElement&) = delete;
  ZQF_MenuElement& operator=(const ZQF_MenuElement&) = delete;
  // Deletes the children.
  virtual ~ZQF_MenuElement();

  // Appends this element's Windows items to Menu; the base appends its
  // children's in order.
  virtual void CreateAndAppendShadowElement(HMENU Menu);
  // Enables or disables the items of Menu this element stands for; the base
  // passes it on to the children.
  virtual void Update(HMENU Menu);
  // Adds what identifies this element (the base: its serial number).
  virtual void UpdateHash(ZQ_Hasher& Hasher);
  // One line: Indentation, the description, a line end.
  virtual void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation);

  // Puts NewElement (owned from then on) relative to Reference: first or
  // last child of it, or its sibling just before or after it. Reference is
  // this element or one below it.
  static void Add(ZQF_MenuElement* Reference, ZQF_MenuElement* NewElement, int Position);
  void DeleteChildren();
  // The root group at the top of the tree; asserts "Root".
  ZQF_RootGroupMenuElement* GetRootMenuElement();
  // Where commands and update queries of this tree are dispatched from.
  ZQF_Glyph* GetCommandDispatchTarget();
  // The MD4 digest of the whole tree below and including this element,
  // each element before its children.
  ZQ_UID GenerateHash();

  unsigned long GetSerialNumber() const { return SerialNumber; }
  ZQF_MenuElement* GetParent() const { return Parent; }
  ZQF_MenuElement* GetFirstChild() const { return FirstChild; }
  ZQF_MenuElement* GetNextSibling() const { return NextSibling; }

 protected:
  // Adds Tag as two bytes, low byte first.
  static void AddTag(ZQ_Hasher& Hasher, unsigned short Tag);

 private:
  void InsertAfter(ZQF_MenuElement* Previous, ZQF_MenuElement* NewElement);
  void InsertFirst(ZQF_MenuElement* NewElement);
  void UpdateHashOfTree(ZQ_Hasher& Hasher);

  unsigned long SerialNumber;
  ZQF_MenuElement* NextSibling = nullptr;
  ZQF_MenuElement* FirstChild = nullptr;
  ZQF_MenuElement* Parent = nullptr;
};

// Its children's items appear inline, as if they were its parent's.
class ZQF_GroupMenuElement : public ZQF_MenuElement {
 public:
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
};

// Each child's block of items is set off from the items before it by one
// separator; children that add no items leave no trace, and no menu starts
// with a separator.
class ZQF_SeparatedGroupMenuElement : public ZQF_GroupMenuElement {
 public:
  void CreateAndAppendShadowElement(HMENU Menu) override;
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
};

// The top of a tree, with the glyph its commands are dispatched from (null:
// the top-level glyph of the program's main window). The glyph is borrowed.
class ZQF_RootGroupMenuElement : public ZQF_GroupMenuElement {
 public:
  explicit ZQF_RootGroupMenuElement(ZQF_Glyph* Target = nullptr) : Target(Target) {}
  void DumpSelf(ZQ_TextStreamFormatter& Out, const ZQ_String& Indentation) override;
  ZQF_Glyph* GetTarget() const { return Target; }

 private:
  ZQF_Glyph* Target;
};

#endif

// ListTestSupport.h: rows and lists for the list control tests. NamedRow is
// a text row with a name; BoxRow a row of fixed size for the bookkeeping
// tests; LazyRow makes its children when first opened. A ListRig lays a
// list out in a box under a parent that counts the list's notifications,
// and finds rows by name.
#ifndef LIST_TEST_SUPPORT_H
#define LIST_TEST_SUPPORT_H

#include <map>
#include <string>
#include <vector>

#include "../layout/LayoutTestSupport.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_Canvas.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_StringListGlyphElement.h"

class NamedRow : public ZQF_StringListGlyphElement {
 public:
  explicit NamedRow(const std::string& Name) : Name(Name) {}
  ZQ_String GetText() override { return ZQ_String(Name.c_str()); }
  std::string Name;
};

// Width from the name's length, 16 pixels high; drawn as a plain fill.
class BoxRow : public ZQF_ListGlyphElement {
 public:
  explicit BoxRow(long Width) : Width(Width) {}
  void DrawSelf(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle,
                const ZQF_ListGlyphElementDrawState& State) override {
    SetStandardColors(Canvas, State);
    Canvas.Fill(Rectangle, Canvas.GetBackgroundColor());
  }
  long GetWidth() override { return Width; }
  long GetHeight() override { return 16; }
  long Width;
};

// Answers that it has children and makes Count of them when first opened,
// each of them with Depth - 1 levels below.
class LazyRow : public NamedRow {
 public:
  LazyRow(const std::string& Name, int Count, int Depth = 1) : NamedRow(Name), Count(Count), Depth(Depth) {}
  bool HasChildren() override { return Depth > 0 && (Count > 0 || GetFirstChild()); }
  void CreateVirtualChildren() override {
    ++NumCreations;
    for (int i = 0; i < Count; ++i) AddVirtualChild(new LazyRow(Name + std::to_string(i), Count, Depth - 1));
  }
  int Count;
  int Depth;
  int NumCreations = 0;
};

// The list's parent: counts selection notifications by kind and keyboard
// indicator notifications.
class NotificationCounter : public RecordingGlyph {
 public:
  NotificationCounter() : RecordingGlyph("parent", nullptr) {}
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (SecondTry) return;
    if (auto* change = dynamic_cast<ZQF_ListSelectionChangeNotificationMessage*>(&Message)) {
      ++Changes[change->GetChangeKind()];
    } else if (dynamic_cast<ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage*>(&Message)) {
      ++Indicators;
    }
  }
  void AcceptLayout() override {
    if (ZQF_Glyph* child = GetFirstChild()) LayoutChild(child, GetLocalBoundingBox());
  }
  int Changes[2] = {0, 0};
  int Indicators = 0;
};

// A tree given as lines "name" indented by two spaces per level; "+" after
// a name opens it.
inline void FillTree(ZQF_ListGlyph& List, const std::vector<std::string>& Lines,
                     std::map<std::string, NamedRow*>& Rows) {
  std::vector<NamedRow*> parents;
  std::vector<NamedRow*> toOpen;
  for (const std::string& line : Lines) {
    const size_t level = line.find_first_not_of(' ') / 2;
    std::string name = line.substr(level * 2);
    const bool open = name.back() == '+';
    if (open) name.pop_back();
    auto* row = new NamedRow(name);
    parents.resize(level);
    if (level == 0) {
      List.InsertAsLastRoot(row);
    } else {
      List.InsertAsLastChild(parents.back(), row);
    }
    parents.push_back(row);
    Rows[name] = row;
    if (open) toOpen.push_back(row);
  }
  for (NamedRow* row : toOpen) List.Open(row);
}

// The name of a NamedRow, "" for null.
inline std::string NameOf(ZQF_ListGlyphElement* Element) {
  auto* row = dynamic_cast<NamedRow*>(Element);
  return row ? row->Name : "";
}

struct ListRig {
  explicit ListRig(int Kind, long Width = 200, long Height = 120) {
    List = new ZQF_ListGlyph(Kind);
    Parent.AddChild(List, true);
    Parent.SetBox(0, 0, Width, Height);
    List->UpdateDesiredSize();
    Parent.LayoutChild(List, ZQ_Rectangle<long>(0, 0, Width, Height));
  }
  void Fill(const std::vector<std::string>& Lines) { FillTree(*List, Lines, Rows); }
  std::string FocusName() { return NameOf(List->GetFocusElement()); }
  std::string SelectedNames() {
    std::string names;
    for (ZQF_ListGlyphElement* e = List->GetFirstRoot(); e; e = List->GetNext(e, ZQF_ListGlyph::Subset_All)) {
      if (e->IsSelected()) names += (names.empty() ? "" : " ") + static_cast<NamedRow*>(e)->Name;
    }
    return names;
  }
  // Offers a key on the focus path's second try, as the router would.
  bool Key(ZQF_KeyCode Code, bool Shift = false, bool Control = false, bool Alt = false) {
    ZQF_DownKeyMessage key(Code, Shift, Control, Alt);
    List->HandleKey(key, true);
    return key.IsHandled();
  }
  NotificationCounter Parent;
  ZQF_ListGlyph* List;
  std::map<std::string, NamedRow*> Rows;
};

#endif

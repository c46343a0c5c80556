// Menu trees built into real Windows menus (no window needed): identifiers,
// separators, insertion, hashes, updates when a pop-up opens, choosing an
// item, and the context menu's sections.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "GuiStageTestSupport.h"
#include "MenuTestSupport.h"
#include "ZQF_ContextSensitiveMenu.h"
#include "ZQF_ContextSensitiveMenuMessage.h"
#include "ZQF_MainMenu.h"
#include "ZQF_MenuSupportManager.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_StringStream.h"

namespace {

// A menu whose tree a test function builds.
class BuiltMenu : public ZQF_Menu {
 public:
  explicit BuiltMenu(std::function<void(ZQF_RootGroupMenuElement*)> Build)
      : Build(std::move(Build)) {}
  void BuildSubmenus(ZQF_RootGroupMenuElement* Root) override { Build(Root); }
  std::string DescribeShadowMenu() {
    const HMENU menu = CreateNewShadowMenu();
    const std::string text = Describe(menu);
    ::DestroyMenu(menu);
    return text;
  }

 private:
  std::function<void(ZQF_RootGroupMenuElement*)> Build;
};

// The texts of Parent's children, in order.
std::string ChildTexts(ZQF_MenuElement* Parent) {
  std::string out;
  for (ZQF_MenuElement* c = Parent->GetFirstChild(); c; c = c->GetNextSibling()) {
    out += static_cast<ZQF_StandardTextMenuElement*>(c)->GetText().GetText();
  }
  return out;
}

using MenuTest = GuiStageTest;

TEST_F(MenuTest, FirstIdentifierIsOneInAFreshProgram) {
  EXPECT_EXIT(
      {
        ZQF_StandardTextMenuElement first("First", nullptr, nullptr);
        std::exit(static_cast<int>(first.GetMenuID()));
      },
      testing::ExitedWithCode(1), "");
}

TEST_F(MenuTest, FreedIdentifiersAreReusedLastFreedFirst) {
  std::unique_ptr<ZQF_StandardTextMenuElement> a(Item("a")), b(Item("b")), c(Item("c"));
  const unsigned long idA = a->GetMenuID(), idB = b->GetMenuID();
  EXPECT_NE(idA, idB);
  const long registered = ZQF_MenuSupportManager::GetNumRegisteredMenuIDs();
  a.reset();
  b.reset();
  EXPECT_EQ(ZQF_MenuSupportManager::GetNumRegisteredMenuIDs(), registered - 2);
  std::unique_ptr<ZQF_StandardTextMenuElement> d(Item("d")), e(Item("e"));
  EXPECT_EQ(d->GetMenuID(), idB);
  EXPECT_EQ(e->GetMenuID(), idA);
}

TEST_F(MenuTest, SeparatorsSetOffNonEmptyBlocksOnlyAndEmptySubmenusVanish) {
  const struct {
    const char* why;
    void (*build)(ZQF_RootGroupMenuElement*);
    const char* expected;
  } cases[] = {
      {"the empty middle block leaves one separator",
       [](ZQF_RootGroupMenuElement* r) {
         ZQF_MenuElement* group = Last(r, new ZQF_SeparatedGroupMenuElement);
         Last(group, Item("A"));
         Last(group, new ZQF_GroupMenuElement);
         Last(group, Item("C"));
       },
       "A|-|C"},
      {"a separated group at the top has no leading separator",
       [](ZQF_RootGroupMenuElement* r) {
         ZQF_MenuElement* group = Last(r, new ZQF_SeparatedGroupMenuElement);
         Last(Last(group, new ZQF_GroupMenuElement), Item("A"));
         Last(group, Item("B"));
       },
       "A|-|B"},
      {"items before the group: its first block is set off too",
       [](ZQF_RootGroupMenuElement* r) {
         Last(r, Item("X"));
         ZQF_MenuElement* group = Last(r, new ZQF_SeparatedGroupMenuElement);
         Last(group, Item("A"));
         Last(group, Item("B"));
       },
       "X|-|A|-|B"},
      {"a submenu without items is left out",
       [](ZQF_RootGroupMenuElement* r) {
         Last(Last(r, new ZQF_SubmenuParentMenuElement("&Empty")), new ZQF_GroupMenuElement);
         ZQF_MenuElement* file = Last(r, new ZQF_SubmenuParentMenuElement("&File"));
         Last(file, Item("&Open"));
         Last(Last(file, new ZQF_SeparatedGroupMenuElement), Item("E&xit"));
       },
       "&File(&Open|-|E&xit)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    BuiltMenu menu(c.build);
    menu.BuildMenu();
    EXPECT_EQ(menu.DescribeShadowMenu(), c.expected);
  }
}

TEST_F(MenuTest, AddPutsTheElementAtEachPositionOrFails) {
  const struct {
    const char* why;
    int reference;  // 0 the root, 1 "A", 2 "B"
    int position;
    const char* expected;  // the order, or the failed condition
  } cases[] = {
      {"first child", 0, 0, "NAB"},        {"last child", 0, 1, "ABN"},
      {"before the first", 1, 2, "NAB"},   {"before a later one", 2, 2, "ANB"},
      {"after the first", 1, 3, "ANB"},    {"after the last", 2, 3, "ABN"},
      {"before the root", 0, 2, "Parent"}, {"after the root", 0, 3, "Parent"},
      {"an unknown position", 1, 4, "false"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQF_RootGroupMenuElement root;
    ZQF_MenuElement* children[] = {&root, Last(&root, Item("A")), Last(&root, Item("B"))};
    std::unique_ptr<ZQF_MenuElement> added(Item("N"));
    const std::string failure = AssertionFailureOf(
        [&] { ZQF_MenuElement::Add(children[c.reference], added.get(), c.position); });
    if (failure.empty()) {
      added.release();
      EXPECT_EQ(ChildTexts(&root), c.expected);
    } else {
      EXPECT_TRUE(FailedOn(failure, c.expected)) << failure;
      EXPECT_EQ(ChildTexts(&root), "AB");
    }
  }
}

TEST_F(MenuTest, HashChangesWhenAnElementIsReplacedEvenByTheSameText) {
  ZQF_RootGroupMenuElement root;
  ZQF_MenuElement* file = Last(&root, new ZQF_SubmenuParentMenuElement("&File"));
  Last(file, Item("&Open"));
  const ZQ_UID first = root.GenerateHash();
  EXPECT_EQ(root.GenerateHash(), first);
  file->DeleteChildren();
  Last(file, Item("&Open"));
  EXPECT_NE(root.GenerateHash(), first);
}

int s_calls = 0;
void CountCall() { ++s_calls; }
void SayNo(bool& Enabled) { Enabled = false; }

TEST_F(MenuTest, OpeningAPopupUpdatesOnlyItsOwnItems) {
  MenuTarget target;
  ZQF_RootGroupMenuElement root(&target);
  auto* edit = static_cast<ZQF_ParentMenuElement*>(
      Last(&root, new ZQF_SubmenuParentMenuElement("&Edit")));
  auto* other = static_cast<ZQF_ParentMenuElement*>(
      Last(&root, new ZQF_SubmenuParentMenuElement("&Other")));
  const struct {
    const char* why;
    ZQF_SelectableMenuElement* item;
    bool enabled;
  } cases[] = {
      {"query answered enabled",
       new ZQF_StandardTextMenuElement("Cu&t", new ZQF_CutCommandMessage,
                                       new ZQF_CutCommandUpdateMessage),
       true},
      {"query answered disabled",
       new ZQF_StandardTextMenuElement("&Copy", nullptr, new ZQF_CopyCommandUpdateMessage), false},
      {"query nobody answered",
       new ZQF_StandardTextMenuElement("&Paste", nullptr, new ZQF_PasteCommandUpdateMessage),
       false},
      {"callback said no", new ZQF_StandardTextMenuElement("&No", ZQ_Functor0(), &SayNo), false},
      {"neither query nor callback", Item("&Plain"), true},
  };
  for (const auto& c : cases) Last(edit, c.item);
  auto* elsewhere = static_cast<ZQF_SelectableMenuElement*>(
      Last(other, new ZQF_StandardTextMenuElement("&Paste", nullptr,
                                                  new ZQF_PasteCommandUpdateMessage)));
  const HMENU bar = ::CreateMenu();
  root.CreateAndAppendShadowElement(bar);
  ZQF_HandleWMInitMenuPopupMessage(edit->GetSubmenuHandle());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const UINT state = ::GetMenuState(edit->GetSubmenuHandle(), c.item->GetMenuID(), MF_BYCOMMAND);
    EXPECT_EQ((state & MF_GRAYED) == 0, c.enabled);
  }
  const UINT untouched =
      ::GetMenuState(other->GetSubmenuHandle(), elsewhere->GetMenuID(), MF_BYCOMMAND);
  EXPECT_EQ(untouched & MF_GRAYED, 0u);
  ::DestroyMenu(bar);
}

TEST_F(MenuTest, ChoosingAnItemSendsItsCommandWithItsDescriptionOnTheTrace) {
  MenuTarget target;
  ZQF_RootGroupMenuElement root(&target);
  auto* cut = static_cast<ZQF_SelectableMenuElement*>(Last(
      &root, new ZQF_StandardTextMenuElement("Cu&t", new ZQF_CutCommandMessage, nullptr)));
  auto* counted = static_cast<ZQF_SelectableMenuElement*>(
      Last(&root, new ZQF_StandardTextMenuElement("&Count", &CountCall, nullptr)));
  s_calls = 0;
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(ZQF_HandleWMCommandMessage(cut->GetMenuID()));
  EXPECT_EQ(target.NumCuts, 2);  // the message is reset for each choice
  const std::string line = "        SelectedElementDump = \"Standard Text, ID = " +
                           std::to_string(cut->GetMenuID()) + ", Text = 'Cu&t'\"\n";
  EXPECT_NE(target.Trace.find(line), std::string::npos) << target.Trace;
  EXPECT_TRUE(ZQF_HandleWMCommandMessage(counted->GetMenuID()));
  EXPECT_EQ(s_calls, 1);
  const unsigned long unknown = counted->GetMenuID() + 1000;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQF_HandleWMCommandMessage(unknown); }),
                       "CommandRoutingMap.ContainsKey (MenuID)"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQF_HandleWMInitMenuPopupMessage(nullptr); }),
                       "SubmenuRoutingMap.ContainsKey (reinterpret_cast <HMENU> (MenuID))"));
}

TEST_F(MenuTest, ContextMenuSectionsAreSeparatedAndSectionSixFails) {
  ZQF_ContextSensitiveMenu menu;
  ZQF_ContextSensitiveMenuMessage message(&menu);
  message.AddElement(Item("Zero"), 0, ZQF_MenuElement::Position_LastChild);
  message.AddElement(Item("Four"), 4, ZQF_MenuElement::Position_LastChild);
  message.AddElement(Item("Two"), 2, ZQF_MenuElement::Position_FirstChild);
  EXPECT_TRUE(message.WereElementsAdded());
  const HMENU popup = menu.CreateShadowElement();
  EXPECT_EQ(Describe(popup), "Two|-|Four|Zero");
  ::DestroyMenu(popup);
  // A refused element is deleted: its identifier goes back.
  const struct {
    const char* why;
    bool element;
    long section;
    int position;
    const char* failure;
  } refusals[] = {
      {"section 6", true, 6, 1,
       "MenuSection < ZQF_ContextSensitiveMenuMessage::MenuSection_NumMenuSections"},
      {"no element", false, 2, 1, "NewElement"},
      {"an unknown position", true, 2, 7, "false"},
      {"before the menu itself", true, 0, 2, "Parent"},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.why);
    const long registered = ZQF_MenuSupportManager::GetNumRegisteredMenuIDs();
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                           menu.AddElement(r.element ? Item("Refused") : nullptr, r.section,
                                           r.position);
                         }),
                         r.failure));
    EXPECT_EQ(ZQF_MenuSupportManager::GetNumRegisteredMenuIDs(), registered);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { menu.CreateAndAppendShadowElement(popup); }),
                       "false"));
}

}  // namespace

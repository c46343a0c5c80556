#include "ZQFOxZQF_DocumentBrowserGlyph.h"

#include <cmath>
#include <memory>

#include "ZQFO_TableOfContents.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_DialogActionGlyph.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_MessageRouter.h"
#include "ZQF_Metrics.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQF_ToolbarGlyph.h"
#include "ZQR_Clipboard.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_XMLTreeUtil.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_Sound.h"

namespace {

const int kTabColorMetric = ZQF_ColorMetric_LabelBackground;
const double kScrollTolerance = 1e-06;
const double kDefaultSplitterPosition = 0.3;

// Letters come upper-case while Control is held, as characters otherwise.
bool IsLetter(ZQF_KeyCode Code, char UpperCase) {
  return Code == UpperCase || Code == UpperCase - 'A' + 'a';
}

template <class T>
std::unique_ptr<T> Make() {
  return std::unique_ptr<T>(new T);
}

}  // namespace

ZQ_UID ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC::GetHash() {
  return ZQ_MakeUID(static_cast<long>(reinterpret_cast<std::uintptr_t>(Section)));
}

ZQFO_Document ZQFOxZQF_DocumentBrowserGlyph_PruneToSection(const ZQFO_Document& Document,
                                                           const ZQXML_Node* Section) {
  ZQFO_Document pruned(Document);
  pruned.SetFormattingObjectsTree(ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(
      Document.GetFormattingObjectsTree(), Section));
  return pruned;
}

// --- Creation and lifetime.

ZQFOxZQF_DocumentBrowserGlyph::ZQFOxZQF_DocumentBrowserGlyph(const ZQFO_Document& Document,
                                                             const ZQ_String& InitialTopicId)
    : Document(Document) {
  Toolbar = new ZQF_ToolbarGlyph(1, -1, -1);
  InitializeToolbar(Toolbar);
  AddToBottom(Toolbar);

  TabClient = new ZQF_TabSelectableClientGlyph(ZQF_TabSelectableClientGlyph::Placement_Top);
  TOCList = CreateSectionList(1);
  TabClient->AddTab(ZQ_Internationalization_Translate("&Contents"), TOCList,
                    ZQF_Color(kTabColorMetric));

  DocumentDisplay = new ZQFOxZQF_DocumentDisplayGlyph(Document);

  PaneGlyph = new ZQF_HorizontalAdjustablePaneGlyph(TabClient, DocumentDisplay, 0.5);
  PaneGlyph->SetPaneSplitterPosition(0.33);
  AddToBottom(new ZQF_DialogActionGlyph(PaneGlyph));

  TabClient->SetSelectedTabByClient(TOCList, false);
  TOCList->PutOnFocusPath();

  ParseTOCSections();

  // The error document of an unreadable help file has no sections: a topic
  // that finds nothing shows the whole document, so the view is never empty
  // and every history entry has a section.
  const ZQXML_Tree& tree = Document.GetFormattingObjectsTree();
  const bool topicFound = InitialTopicId == MockId_FirstChapter()
                              ? FirstTOCSection != nullptr
                              : !InitialTopicId.IsEmpty() && tree.FindElementById(InitialTopicId);
  if (topicFound)
    ShowId(InitialTopicId, false);
  else
    ShowEntireDocument(false);
}

ZQFOxZQF_DocumentBrowserGlyph::~ZQFOxZQF_DocumentBrowserGlyph() = default;

ZQF_ListGlyph* ZQFOxZQF_DocumentBrowserGlyph::CreateSectionList(int ListKind) {
  auto* list = new ZQF_ListGlyph(ListKind);
  list->SetNodeBitmapSet(1);
  list->SetDrawHierarchicalLines(false);
  list->SetChangeNotificationDelay(-1);
  return list;
}

void ZQFOxZQF_DocumentBrowserGlyph::InitializeToolbar(ZQF_ToolbarGlyph* Toolbar) {
  const struct {
    long button;
    const char* tooltip;
    const char* keys;
  } kStandard[] = {
      {ZQF_ToolbarGlyph::Button_PageSetup, "Page Setup", "  (Ctrl-Shift-P)"},
      {ZQF_ToolbarGlyph::Button_PrintPreview, "Print Preview", "  (Ctrl-W)"},
      {ZQF_ToolbarGlyph::Button_Print, "Print", "  (Ctrl-P)"},
  };
  for (const auto& item : kStandard) {
    ZQ_String bitmap;
    ZQ_String tooltip = ZQ_Internationalization_Translate(item.tooltip) + ZQ_String(item.keys);
    Toolbar->AddStandardButton(item.button, bitmap, tooltip, ZQ_String(),
                               ZQF_ToolbarGlyph::ButtonActive_Default, false);
  }
  const auto tooltip = [](const char* Text, const char* Keys) {
    return ZQ_Internationalization_Translate(Text) + ZQ_String(Keys);
  };
  const long mode = ZQF_ToolbarGlyph::ButtonActive_Default;
  Toolbar->AddSpacer(1);
  Toolbar->AddBitmapButton("ZQF_BrowseBack_ToolbarButtonBitmap",
                           Make<ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandMessage>(),
                           Make<ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage>(),
                           tooltip("Browse Back", "  (Backspace or Ctrl-B)"), ZQ_String(), mode,
                           false);
  Toolbar->AddBitmapButton("ZQF_BrowseForward_ToolbarButtonBitmap",
                           Make<ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandMessage>(),
                           Make<ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandUpdateMessage>(),
                           tooltip("Browse Forward", "  (Shift-Backspace or Ctrl-Shift-B)"),
                           ZQ_String(), mode, false);
  Toolbar->AddSpacer(1);
  Toolbar->AddBitmapButton(
      "ZQF_BothLeftAndRightPanesToolbarButtonBitmap", Make<ZQF_ShowBothPanesToggleCommandMessage>(),
      Make<ZQF_ShowBothPanesToggleCommandUpdateMessage>(),
      tooltip("Show table of contents", "  (toggle with Ctrl-T)"), ZQ_String(), mode, false);
  Toolbar->AddBitmapButton(
      "ZQF_RightPaneOnlyToolbarButtonBitmap", Make<ZQF_ShowSecondPaneToggleCommandMessage>(),
      Make<ZQF_ShowSecondPaneToggleCommandUpdateMessage>(),
      tooltip("Hide table of contents", "  (toggle with Ctrl-T)"), ZQ_String(), mode, false);
  Toolbar->AddSpacer(1);
  Toolbar->AddRightJustificationSpacer();
}

void ZQFOxZQF_DocumentBrowserGlyph::SetCloseCallback(const ZQ_Functor0& Callback) {
  Toolbar->AddSpacer(1);
  Toolbar->AddClient(
      new ZQF_CallbackTextButtonGlyph(ZQ_Internationalization_Translate("Close"), Callback, 0, 0));
}

// --- Settings.

void ZQFOxZQF_DocumentBrowserGlyph::LoadPersistentOptions(ZQ_RegistryFolder& Folder) {
  double position = ZQ_GetDouble(Folder, "DocPaneSplitterPosition", kDefaultSplitterPosition);
  if (!std::isfinite(position)) position = kDefaultSplitterPosition;
  position = position < 0.05 ? 0.05 : (position > 0.95 ? 0.95 : position);
  long visibility = ZQ_GetInt32(Folder, "PaneVisibility", ZQF_AdjustablePaneGlyph::Visibility_Both);
  if (visibility < 0 || visibility > 2) visibility = ZQF_AdjustablePaneGlyph::Visibility_Both;
  PaneGlyph->SetPaneSplitterPosition(position);
  PaneGlyph->SetPaneVisibility(visibility);
}

void ZQFOxZQF_DocumentBrowserGlyph::SavePersistentOptions(ZQ_RegistryFolder& Folder) const {
  ZQ_SetDouble(Folder, "DocPaneSplitterPosition", PaneGlyph->GetPaneSplitterPosition());
  ZQ_SetInt32(Folder, "PaneVisibility", PaneGlyph->GetPaneVisibility());
}

// --- The contents tree.

void ZQFOxZQF_DocumentBrowserGlyph::ParseTOCSections() {
  const ZQXML_Node* root = Document.GetFormattingObjectsTree().GetRootNode();
  const ZQ_String name = Document.GetName().IsEmpty() ? ZQ_String("Document") : Document.GetName();
  auto* entry = new TOCElement(root, name);
  TOCList->InsertAsLastRoot(entry);
  SectionToTOCElementMap.Set(root, entry);
  ParseTOCSectionsImp(root, entry);
  TOCList->SetFocusToTopElement();
  TOCList->CloseAll();
  if (ZQF_ListGlyphElement* focus = TOCList->GetFocusElement()) TOCList->Open(focus);
}

void ZQFOxZQF_DocumentBrowserGlyph::ParseTOCSectionsImp(const ZQXML_Node* Node,
                                                        TOCElement* Parent) {
  for (const ZQXML_Node* child = Node->GetFirstChild(); child; child = child->GetNextSibling()) {
    if (!ZQFO_IsTOCElement(*child)) {
      ParseTOCSectionsImp(child, Parent);
      continue;
    }
    if (!FirstTOCSection) FirstTOCSection = child;
    auto* entry = new TOCElement(child, ZQFO_GetTOCNameInfo(*child).TOCName);
    TOCList->InsertAsLastChild(Parent, entry);
    SectionToTOCElementMap.Set(child, entry);
    ParseTOCSectionsImp(child, entry);
  }
}

void ZQFOxZQF_DocumentBrowserGlyph::SynchronizeTOC() {
  ZQ_ASSERT(LastSectionNodeDisplayed);
  TOCElement* entry = nullptr;
  if (!SectionToTOCElementMap.GetValueIfExists(LastSectionNodeDisplayed, entry)) {
    ZQ_ASSERT(false);
    return;
  }
  TOCList->MakeVisible(entry);
  TOCList->SetFocus(entry);
  TOCList->Select(entry, true);
}

void ZQFOxZQF_DocumentBrowserGlyph::AddTopicOfInterest(const ZQ_String& TopicId) {
  const ZQXML_Node* node = Document.GetFormattingObjectsTree().FindElementById(TopicId);
  if (!node || !ZQFO_IsTOCElement(*node)) return;
  const bool isFirst = RelevantTopicsList == nullptr;
  if (isFirst) {
    RelevantTopicsList = CreateSectionList(0);
    TabClient->AddTab(ZQ_Internationalization_Translate("&Relevant Topics"), RelevantTopicsList,
                      ZQF_Color(kTabColorMetric));
    TabClient->SetSelectedTabByClient(RelevantTopicsList, false);
    RelevantTopicsList->PutOnFocusPath();
    ShowId(TopicId, false);
  }
  RelevantTopicsList->InsertAsLastRoot(new TOCElement(node, ZQFO_GetTOCNameInfo(*node).TOCName));
  if (isFirst) RelevantTopicsList->SetFocusToTopElement();
}

// --- Showing.

void ZQFOxZQF_DocumentBrowserGlyph::ShowId(const ZQ_String& TopicId, bool RecordHistory) {
  ZQ_String id = TopicId;
  const ZQXML_Node* node = nullptr;
  if (id == MockId_FirstChapter()) {
    id = ZQ_String();
    node = FirstTOCSection;
  } else {
    node = Document.GetFormattingObjectsTree().FindElementById(id);
  }
  if (!node) {
    ZQ_Beep();
    return;
  }
  while (!ZQFO_IsTOCElement(*node) && node->GetParent()) node = node->GetParent();
  ShowSection(node, id, 0.0, 0.0, RecordHistory);
}

void ZQFOxZQF_DocumentBrowserGlyph::ShowEntireDocument(bool RecordHistory) {
  ShowSection(Document.GetFormattingObjectsTree().GetRootNode(), ZQ_String(), 0.0, 0.0,
              RecordHistory);
}

void ZQFOxZQF_DocumentBrowserGlyph::ShowSection(const ZQXML_Node* Section, const ZQ_String& TopicId,
                                                double ScrollX, double ScrollY,
                                                bool RecordHistory) {
  if (RecordHistory) {
    BackStack.Push(GetCurrentViewStateToken());
    ForwardStack.RemoveAll();
  }
  LastSectionNodeDisplayed = Section;
  const ZQFO_Document shown =
      Section ? ZQFOxZQF_DocumentBrowserGlyph_PruneToSection(Document, Section) : Document;
  if (!TopicId.IsEmpty()) DocumentDisplay->SetPendingJumpElementID(TopicId);
  if (ScrollX > kScrollTolerance || ScrollY > kScrollTolerance)
    DocumentDisplay->SetPendingScrollAmount(ScrollX, ScrollY);
  const ZQ_Functor1<const ZQ_String&> failedJump(
      this, &ZQFOxZQF_DocumentBrowserGlyph::FailedIdJumpCallback);
  DocumentDisplay->SetJumpToElementCallback(failedJump);
  DocumentDisplay->SetElementNotFoundCallback(failedJump);
  DocumentDisplay->SetBeforeJumpCallback(
      ZQ_Functor0(this, &ZQFOxZQF_DocumentBrowserGlyph::InternalJumpPendingCallback));
  DocumentDisplay->SetInputDocument(shown, false);
  SynchronizeTOC();
}

void ZQFOxZQF_DocumentBrowserGlyph::FailedIdJumpCallback(const ZQ_String& TopicId) {
  ShowId(TopicId, true);
}

void ZQFOxZQF_DocumentBrowserGlyph::InternalJumpPendingCallback() {
  BackStack.Push(GetCurrentViewStateToken());
  ForwardStack.RemoveAll();
}

// --- History.

ZQFOxZQF_DocumentBrowserGlyph::ViewStateTokenType
ZQFOxZQF_DocumentBrowserGlyph::GetCurrentViewStateToken() const {
  ViewStateTokenType token;
  token.Section = LastSectionNodeDisplayed;
  const ZQ_Point<double> scroll = DocumentDisplay->GetScrollAmountInMillimeters();
  token.ScrollX = scroll.X;
  token.ScrollY = scroll.Y;
  token.Width = DocumentDisplay->GetBoundingBox().Width;
  token.Height = DocumentDisplay->GetBoundingBox().Height;
  return token;
}

void ZQFOxZQF_DocumentBrowserGlyph::SetViewState(const ViewStateTokenType& Token) {
  const ZQ_Rectangle<long>& box = DocumentDisplay->GetBoundingBox();
  const bool sameSize = box.Width == Token.Width && box.Height == Token.Height;
  ShowSection(Token.Section, ZQ_String(), sameSize ? Token.ScrollX : 0.0,
              sameSize ? Token.ScrollY : 0.0, false);
}

void ZQFOxZQF_DocumentBrowserGlyph::BrowseBack() {
  ForwardStack.Push(GetCurrentViewStateToken());
  ZQ_ASSERT(not BackStack.IsEmpty());
  SetViewState(BackStack.Pop());
}

void ZQFOxZQF_DocumentBrowserGlyph::BrowseForward() {
  BackStack.Push(GetCurrentViewStateToken());
  ZQ_ASSERT(not ForwardStack.IsEmpty());
  SetViewState(ForwardStack.Pop());
}

void ZQFOxZQF_DocumentBrowserGlyph::BrowseNext() { ZQ_Beep(); }

void ZQFOxZQF_DocumentBrowserGlyph::BrowsePrevious() { ZQ_Beep(); }

void ZQFOxZQF_DocumentBrowserGlyph::ToggleTOCVisibility() {
  const long both = ZQF_AdjustablePaneGlyph::Visibility_Both;
  const long documentOnly = ZQF_AdjustablePaneGlyph::Visibility_SecondOnly;
  PaneGlyph->SetPaneVisibility(PaneGlyph->GetPaneVisibility() != both ? both : documentOnly);
}

void ZQFOxZQF_DocumentBrowserGlyph::CopyCurrentTopicId() {
  const auto* entry = dynamic_cast<TOCElement*>(TOCList->GetFocusElement());
  const auto* element =
      entry ? dynamic_cast<const ZQXML_Node_Element*>(entry->GetSection()) : nullptr;
  const ZQ_String id = element ? element->GetIdText() : ZQ_String();
  if (id.IsEmpty()) {
    ZQ_Beep();
    return;
  }
  ZQR_Clipboard::SetContents(id);
}

// --- Messages.

bool ZQFOxZQF_DocumentBrowserGlyph::HandleBrowserKey(const ZQF_KeyMessage& Message) {
  const ZQF_KeyCode code = Message.GetKeyCode();
  const bool browseBack = (code == ZQF_Key_Backspace && Message.MatchesModifierKeys(0, 0, 0)) ||
                          (IsLetter(code, 'B') && Message.MatchesModifierKeys(0, 1, 0));
  const bool browseForward = (code == ZQF_Key_Backspace && Message.MatchesModifierKeys(1, 0, 0)) ||
                             (IsLetter(code, 'B') && Message.MatchesModifierKeys(1, 1, 0));
  if (browseBack) {
    if (CanBrowseBack()) BrowseBack();
  } else if (browseForward) {
    if (CanBrowseForward()) BrowseForward();
  } else if (IsLetter(code, 'T') && Message.MatchesModifierKeys(0, 1, 0)) {
    ToggleTOCVisibility();
  } else if (code == 0x60 && Message.MatchesModifierKeys(0, 0, 1)) {
    CopyCurrentTopicId();
  } else {
    return false;
  }
  return true;
}

bool ZQFOxZQF_DocumentBrowserGlyph::HandleBrowserCommand(ZQF_CommandMessage& Message) {
  if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandMessage*>(&Message)) {
    if (CanBrowseBack()) BrowseBack();
  } else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandMessage*>(&Message)) {
    if (CanBrowseForward()) BrowseForward();
  } else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandMessage*>(&Message)) {
    BrowseNext();
  } else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowsePreviousCommandMessage*>(&Message)) {
    BrowsePrevious();
  } else {
    return false;
  }
  return true;
}

bool ZQFOxZQF_DocumentBrowserGlyph::HandleBrowserUpdate(ZQF_UpdateMessage& Message) {
  auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message);
  if (!update) return false;
  if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage*>(update))
    update->SetEnabled(CanBrowseBack());
  else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandUpdateMessage*>(update))
    update->SetEnabled(CanBrowseForward());
  else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandUpdateMessage*>(update))
    update->SetEnabled(CanBrowseNext());
  else if (dynamic_cast<ZQFOxZQF_DocumentBrowserGlyph_BrowsePreviousCommandUpdateMessage*>(update))
    update->SetEnabled(CanBrowsePrevious());
  else
    return false;
  return true;
}

void ZQFOxZQF_DocumentBrowserGlyph::FinishSecondTry(ZQF_Message& Message, bool Recognised) {
  if (Recognised) {
    Message.SetHandled();
    return;
  }
  if (DocumentDisplay->IsOnFocusPath()) return;
  static ZQF_FocusPathMessageRouter s_router(false);
  DocumentDisplay->Forward(Message, &s_router);
}

void ZQFOxZQF_DocumentBrowserGlyph::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleKey(Message, SecondTry);
  if (SecondTry && !Message.IsHandled()) FinishSecondTry(Message, HandleBrowserKey(Message));
}

void ZQFOxZQF_DocumentBrowserGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleCommand(Message, SecondTry);
  if (SecondTry && !Message.IsHandled()) FinishSecondTry(Message, HandleBrowserCommand(Message));
}

void ZQFOxZQF_DocumentBrowserGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  ZQF_ColumnGlyph::HandleUpdate(Message, SecondTry);
  if (SecondTry && !Message.IsHandled()) FinishSecondTry(Message, HandleBrowserUpdate(Message));
}

void ZQFOxZQF_DocumentBrowserGlyph::HandleNotification(ZQF_NotificationMessage& Message,
                                                       bool SecondTry) {
  ZQF_ColumnGlyph::HandleNotification(Message, SecondTry);
  if (SecondTry || Message.IsHandled()) return;
  const auto* change = dynamic_cast<ZQF_ListSelectionChangeNotificationMessage*>(&Message);
  ZQF_ListGlyph* list = change ? change->GetList() : nullptr;
  if (!list || (list != TOCList && list != RelevantTopicsList)) return;
  auto* Element = dynamic_cast<TOCElement*>(list->GetFocusElement());
  ZQ_ASSERT(Element);
  if (Element) ShowSection(Element->GetSection(), ZQ_String(), 0.0, 0.0, true);
  Message.SetHandled();
}

// ZQFOxZQF_DocumentBrowserGlyph.h: browses a long formatted document one
// table-of-contents section at a time, the way a help viewer does. A toolbar
// (page setup, preview, print, back, forward, contents shown or hidden) lies
// above two panes: tab pages with the "&Contents" tree of the sections (and,
// once topics of interest are added, a "&Relevant Topics" list) on the left,
// the document display on the right. Every section shown by the user is
// recorded in a back history; browsing back or forward moves the current
// view to the other history, so no entry is lost.
// The browser owns its child glyphs, the list entries (through the lists)
// and the section map; the document is shared. History entries and list
// entries point at nodes of the document's tree, which lives as long as the
// browser. Browsing with an empty history fails an assertion. UI thread only.
#ifndef ZQFOXZQF_DOCUMENTBROWSERGLYPH_H
#define ZQFOXZQF_DOCUMENTBROWSERGLYPH_H

#include "ZQFO_Document.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StringListGlyphElement.h"
#include "ZQ_Functor.h"
#include "ZQ_Map.h"
#include "ZQ_Stack.h"

class ZQFOxZQF_DocumentDisplayGlyph;
class ZQF_HorizontalAdjustablePaneGlyph;
class ZQF_ListGlyph;
class ZQF_TabSelectableClientGlyph;
class ZQF_ToolbarGlyph;
class ZQXML_Node;
class ZQ_RegistryFolder;

class ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandMessage : public ZQF_StandardCommandMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandMessage
    : public ZQF_StandardCommandMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandMessage : public ZQF_StandardCommandMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowsePreviousCommandMessage
    : public ZQF_StandardCommandMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowseBackCommandUpdateMessage
    : public ZQF_StandardCommandUpdateMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowseForwardCommandUpdateMessage
    : public ZQF_StandardCommandUpdateMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowseNextCommandUpdateMessage
    : public ZQF_StandardCommandUpdateMessage {};
class ZQFOxZQF_DocumentBrowserGlyph_BrowsePreviousCommandUpdateMessage
    : public ZQF_StandardCommandUpdateMessage {};

// A contents entry: one section node and its table-of-contents name. Its
// identity is made from the node's address, so each node has one identity.
class ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC : public ZQF_StringListGlyphElement {
 public:
  ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC(const ZQXML_Node* Section, const ZQ_String& Name)
      : Section(Section), Name(Name) {}
  ZQ_String GetText() override { return Name; }
  ZQ_UID GetHash() override;
  const ZQXML_Node* GetSection() const { return Section; }

 private:
  const ZQXML_Node* Section;  // borrowed from the browser's document
  ZQ_String Name;
};

class ZQFOxZQF_DocumentBrowserGlyph : public ZQF_ColumnGlyph {
 public:
  // One view, copied by value: the section shown (the tree's root for the
  // whole document), the scroll amount in millimetres and the display's size
  // in pixels at the time.
  struct ViewStateTokenType {
    const ZQXML_Node* Section = nullptr;
    double ScrollX = 0.0;
    double ScrollY = 0.0;
    long Width = 0;
    long Height = 0;
  };

  // Shows the section holding the element of InitialTopicId (or, for an
  // empty id, the whole document) without recording history. An id that
  // finds no section shows the whole document.
  ZQFOxZQF_DocumentBrowserGlyph(const ZQFO_Document& Document, const ZQ_String& InitialTopicId);
  ~ZQFOxZQF_DocumentBrowserGlyph() override;

  // Keys, commands and updates on the second try; what is left goes to the
  // display while the focus is elsewhere.
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

  // Lists the section whose element has the id TopicId under "&Relevant
  // Topics"; the first one creates that tab and is shown. Ids of elements
  // that are not sections add nothing.
  void AddTopicOfInterest(const ZQ_String& TopicId);
  // "DocPaneSplitterPosition" (fraction, default 0.3, loaded into 0.05 ..
  // 0.95; not finite: 0.3) and "PaneVisibility" (default 2; outside 0 .. 2:
  // 2).
  void LoadPersistentOptions(ZQ_RegistryFolder& Folder);
  void SavePersistentOptions(ZQ_RegistryFolder& Folder) const;
  // Adds a "Close" button that calls Callback at the toolbar's end.
  void SetCloseCallback(const ZQ_Functor0& Callback);

  // "MockId_FirstChapter" stands for the first section. An unknown id beeps.
  void ShowId(const ZQ_String& TopicId, bool RecordHistory);
  void ShowEntireDocument(bool RecordHistory);
  // Section: a node of the document's tree, the root for the whole document.
  // Scroll amounts in millimetres; at most 1e-06 is the top of the section.
  void ShowSection(const ZQXML_Node* Section, const ZQ_String& TopicId, double ScrollX,
                   double ScrollY, bool RecordHistory);

  bool CanBrowseBack() const { return not BackStack.IsEmpty(); }
  bool CanBrowseForward() const { return not ForwardStack.IsEmpty(); }
  bool CanBrowseNext() const { return true; }
  bool CanBrowsePrevious() const { return true; }
  void BrowseBack();
  void BrowseForward();
  // Only beep.
  void BrowseNext();
  void BrowsePrevious();

  ViewStateTokenType GetCurrentViewStateToken() const;
  // The token's scroll only while the display still has the token's size.
  void SetViewState(const ViewStateTokenType& Token);
  // Both panes, or the document pane alone when both are shown.
  void ToggleTOCVisibility();
  // Puts the id of the contents focus entry's section on the clipboard;
  // beeps when it has none.
  void CopyCurrentTopicId();

  static ZQ_String MockId_FirstChapter() { return "MockId_FirstChapter"; }
  static void InitializeToolbar(ZQF_ToolbarGlyph* Toolbar);

  ZQFOxZQF_DocumentDisplayGlyph* GetDocumentDisplay() const { return DocumentDisplay; }
  ZQF_ListGlyph* GetTOCList() const { return TOCList; }
  ZQF_ListGlyph* GetRelevantTopicsList() const { return RelevantTopicsList; }
  ZQF_TabSelectableClientGlyph* GetTabClient() const { return TabClient; }
  ZQF_ToolbarGlyph* GetToolbar() const { return Toolbar; }
  ZQF_HorizontalAdjustablePaneGlyph* GetPaneGlyph() const { return PaneGlyph; }
  const ZQFO_Document& GetDocument() const { return Document; }
  const ZQXML_Node* GetLastSectionNodeDisplayed() const { return LastSectionNodeDisplayed; }
  const ZQXML_Node* GetFirstTOCSection() const { return FirstTOCSection; }
  long GetBackHistoryLength() const { return BackStack.GetNumElements(); }
  long GetForwardHistoryLength() const { return ForwardStack.GetNumElements(); }

 private:
  using TOCElement = ZQFOxZQF_DocumentBrowserGlyph_ListElement_TOC;

  void ParseTOCSections();
  void ParseTOCSectionsImp(const ZQXML_Node* Node, TOCElement* Parent);
  void SynchronizeTOC();
  // The display's link callbacks.
  void FailedIdJumpCallback(const ZQ_String& TopicId);
  void InternalJumpPendingCallback();
  // True when the key was one of the browser's.
  bool HandleBrowserKey(const ZQF_KeyMessage& Message);
  bool HandleBrowserCommand(ZQF_CommandMessage& Message);
  bool HandleBrowserUpdate(ZQF_UpdateMessage& Message);
  // Marks a recognised message handled; sends another on to the display
  // while the focus is elsewhere.
  void FinishSecondTry(ZQF_Message& Message, bool Recognised);
  ZQF_ListGlyph* CreateSectionList(int ListKind);

  ZQFOxZQF_DocumentDisplayGlyph* DocumentDisplay = nullptr;
  ZQF_ListGlyph* TOCList = nullptr;
  ZQF_ListGlyph* RelevantTopicsList = nullptr;
  ZQF_TabSelectableClientGlyph* TabClient = nullptr;
  ZQF_ToolbarGlyph* Toolbar = nullptr;
  ZQF_HorizontalAdjustablePaneGlyph* PaneGlyph = nullptr;
  ZQFO_Document Document;
  const ZQXML_Node* LastSectionNodeDisplayed = nullptr;
  const ZQXML_Node* FirstTOCSection = nullptr;
  ZQ_Stack<ViewStateTokenType, 20> BackStack;
  ZQ_Stack<ViewStateTokenType, 20> ForwardStack;
  ZQ_Map<const ZQXML_Node*, TOCElement*> SectionToTOCElementMap{751};
};

// A copy of Document whose tree holds only Section with its content and, of
// each ancestor, its attributes, so that inherited formatting stays.
ZQFO_Document ZQFOxZQF_DocumentBrowserGlyph_PruneToSection(const ZQFO_Document& Document,
                                                           const ZQXML_Node* Section);

#endif

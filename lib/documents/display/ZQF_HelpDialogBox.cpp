#include "ZQF_HelpDialogBox.h"

#include <algorithm>
#include <vector>

#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQFOxZQF_DocumentBrowserGlyph.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQXML_Reader.h"
#include "ZQ_AbstractTextStreamParser.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_DebugLog.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"
#include "ZQ_URI.h"

namespace {

// The open help window, and the closed ones whose deletion is queued.
ZQF_HelpDialogBox* s_openBox = nullptr;
std::vector<ZQF_HelpDialogBox*>& RetiredBoxes() {
  static std::vector<ZQF_HelpDialogBox*> s_retired;
  return s_retired;
}

bool IsRetired(ZQF_HelpDialogBox* Box) {
  const std::vector<ZQF_HelpDialogBox*>& retired = RetiredBoxes();
  return std::find(retired.begin(), retired.end(), Box) != retired.end();
}

unsigned long OwnerKey(ZQF_HelpDialogBox* Box) { return reinterpret_cast<unsigned long>(Box); }

// Deletes Box, one of the retired ones; forgets it as the open one only
// while it still is, so a window opened meanwhile stays.
void DeleteRetiredBox(ZQF_HelpDialogBox* Box) {
  std::vector<ZQF_HelpDialogBox*>& retired = RetiredBoxes();
  retired.erase(std::remove(retired.begin(), retired.end(), Box), retired.end());
  if (s_openBox == Box) s_openBox = nullptr;
  delete Box;
}

// The idle action that deletes one closed window.
class DeleteRetiredBoxAction : public ZQF_QueuedActionReference {
 public:
  explicit DeleteRetiredBoxAction(ZQF_HelpDialogBox* Box) : Box(Box) {}
  void Perform() override { DeleteRetiredBox(Box); }

 private:
  ZQF_HelpDialogBox* Box;
};

// The raw text shown under the error: the file's, or none when the file
// cannot be read at all (missing, a folder, locked).
ZQ_String LoadRawTextIfReadable(const ZQ_FileName& HelpFileName) {
  try {
    return ZQ_LoadFileIntoString(HelpFileName);
  } catch (const ZQ_Exception&) {
    return ZQ_String();
  }
}

// The error document of a help file that Read fails to read, saying why;
// empty when it reads.
template <class ReadFunction>
ZQ_String ErrorDocumentIfUnreadable(const ZQ_FileName& HelpFileName, ReadFunction Read) {
  try {
    Read();
  } catch (const ZQ_AbstractTextStreamParserException& Error) {
    return ZQFO_FormatXMLParsingErrorForDisplay(Error.GetDataSourceText(), Error, ZQ_String(),
                                                Error.GetLine(), Error.GetColumn());
  } catch (const ZQ_Exception& Error) {
    return ZQFO_FormatXMLParsingErrorForDisplay(LoadRawTextIfReadable(HelpFileName), Error,
                                                ZQ_String(), -1, -1);
  }
  return ZQ_String();
}

// The offset of Error's place in Text when the error lies in Text itself
// (not in an entity's text or an included file), else Text's length.
long ErrorOffsetIn(const ZQ_String& Text, const ZQ_AbstractTextStreamParserException& Error) {
  if (Error.GetDataSourceText() != Text) return Text.GetLength();
  long offset = 0;
  for (long line = 1; line < Error.GetLine() && offset < Text.GetLength(); ++offset)
    if (Text[offset] == '\n') ++line;
  return std::min<long>(offset + std::max(Error.GetColumn() - 1, 0L), Text.GetLength());
}

// Error's description without the sentence that places it in the generated
// markup (a text the reader names "internal data"), which means nothing to
// the author of the help file.
ZQ_String DescriptionWithoutPlace(const ZQ_AbstractTextStreamParserException& Error) {
  const ZQ_String place = ZQ_AbstractTextStreamParser_FormatErrorDescription(
      ZQ_String(), Error.GetLine(), Error.GetColumn(),
      ZQ_Internationalization_Translate("reading internal data"), ZQ_String());
  const ZQ_String& description = Error.GetDescription();
  if (!description.EndsWith(place)) return description;
  return description.GetLeft(description.GetLength() - place.GetLength());
}

// Reads a help file, keeping the text and the place of each raw_codes_zqfo
// block, to blame one of them for generated markup that does not read.
class RawBlockReader : public ZQXML_Reader {
 public:
  explicit RawBlockReader(const ZQ_FileName& HelpFileName) : ZQXML_Reader(HelpFileName) {}

  // After Read: throws the help file's parse error at the block to blame
  // for MarkupError, the error of the generated Markup; returns when no
  // block stands in Markup. The raw rule writes each block's text as it
  // stands, so the blocks appear verbatim and in order there, and the error
  // lies in or after the last one that starts at or before it (the first
  // one when none does). The error thrown is the block's own when its
  // markup does not read alone, else MarkupError's message.
  void ThrowAtBlockToBlame(const ZQ_String& Markup,
                           const ZQ_AbstractTextStreamParserException& MarkupError) {
    const long errorOffset = ErrorOffsetIn(Markup, MarkupError);
    const RawBlock* blamed = nullptr;
    int searchFrom = 0;
    for (const RawBlock& block : Blocks) {
      if (block.Text.IsEmpty()) continue;
      const int at = Markup.Find(block.Text, searchFrom);
      if (at < 0) continue;  // a heading's block, written as encoded text
      if (at > errorOffset) {
        if (!blamed) blamed = &block;
        break;
      }
      blamed = &block;
      searchFrom = at + block.Text.GetLength();
    }
    if (!blamed) return;
    try {
      ZQXML_Reader alone(blamed->Text,
                         ZQ_Internationalization_Translate(
                             "reading the document markup of a raw_codes_zqfo element"),
                         Option_NoProgressTask);
      alone.SetReadAsContentUnderDummyRoot(true);
      alone.SetDocumentTypeDefinition(ZQFO_GetDocumentDTD());
      alone.Read();
    } catch (const ZQ_AbstractTextStreamParserException& Error) {
      ThrowErrorAt(Error.GetDescription(), blamed->Start);
    }
    ThrowErrorAt(DescriptionWithoutPlace(MarkupError), blamed->Start);
  }

 protected:
  void Imp_StartElement(const ZQ_String& Name) override {
    ZQXML_Reader::Imp_StartElement(Name);
    if (Name != "raw_codes_zqfo") return;
    IsInBlock = true;
    // Back over the name to the tag's "<", where the parser places elements.
    MarkType start = GetPosition();
    start.MoveBackward(Name.GetLength() + 1);
    Blocks.push_back(RawBlock{ZQ_String(), start});
  }
  void Imp_Text(const ZQ_String& Text) override {
    ZQXML_Reader::Imp_Text(Text);
    if (IsInBlock) Blocks.back().Text += Text;
  }
  void Imp_EndElement() override {
    // A block holds text only: the first end is its own.
    IsInBlock = false;
    ZQXML_Reader::Imp_EndElement();
  }

 private:
  struct RawBlock {
    ZQ_String Text;
    MarkType Start;  // valid while the reader lives
  };

  bool IsInBlock = false;
  std::vector<RawBlock> Blocks;
};

}  // namespace

// --- The help document.

ZQ_String GetHelpWindowTitle() {
  return ZQ_SubstituteParameters(ZQ_Internationalization_Translate("{$1} User's Guide"),
                                 ZQ_GetApplicationMetrics().GetApplicationName());
}

ZQRPT_FormattingStylesheetOptions GetHelpFormattingOptions() {
  ZQRPT_FormattingStylesheetOptions options;
  options.SetUseTitlePage(true);
  options.SetIncludeTableOfContents(true);
  options.SetUsePageFooters(true);
  options.SetNumberSections(true);
  options.SetNumberCaptions(true);
  options.SetChapterHeadingStyle(1);
  options.SetChapterPageBreak(3);
  return options;
}

ZQFO_Document ZQF_HelpDialogBox_MakeHelpDocument(const ZQ_String& FormatDocSource,
                                                 const ZQ_FileName& HelpFileName) {
  ZQXML_Tree tree;
  try {
    ZQXML_Reader reader(FormatDocSource);
    reader.SetDocumentTypeDefinition(ZQFO_GetDocumentDTD());
    tree = reader.Read();
  } catch (const ZQ_Exception& Error) {
    ZQ_WriteDebugLogEntry(Error.GetName() + "\n");
    ZQ_WriteDebugLogEntry(Error.GetDescription() + "\n");
    throw;
  }
  ZQFO_ExternalContext context;
  context.SetBaseURI(ZQ_URI_MakeFromFileName(HelpFileName));
  ZQFO_Document document;
  document.SetName(GetHelpWindowTitle());
  document.SetFormattingObjectsTree(tree);
  document.SetExternalContext(context);
  return document;
}

ZQFO_Document ZQF_HelpDialogBox_GetHelpFormattingDoc(const ZQ_FileName& HelpFileName) {
  const ZQXML_DocumentTypeDefinition dtd = ZQRPT_GetReportDTD();
  ZQXML_Tree tree;
  ZQ_String source = ErrorDocumentIfUnreadable(HelpFileName, [&] {
    ZQXML_Reader reader(HelpFileName);
    reader.SetDocumentTypeDefinition(dtd);
    tree = reader.Read();
  });
  if (!source.IsEmpty()) return ZQF_HelpDialogBox_MakeHelpDocument(source, HelpFileName);
  source = ZQRPT_GetFormattingStylesheet(GetHelpFormattingOptions()).Apply(tree);
  try {
    return ZQF_HelpDialogBox_MakeHelpDocument(source, HelpFileName);
  } catch (const ZQ_AbstractTextStreamParserException& MarkupError) {
    // The stylesheet's own markup always reads, and it passes the document
    // markup of raw_codes_zqfo blocks through unchecked: a block is to
    // blame, and the help file is shown as unreadable there. Only this path
    // reads the file again, so a file that reads costs nothing more.
    const ZQ_String errorDocument = ErrorDocumentIfUnreadable(HelpFileName, [&] {
      RawBlockReader reader(HelpFileName);
      reader.SetDocumentTypeDefinition(dtd);
      reader.Read();
      reader.ThrowAtBlockToBlame(source, MarkupError);
    });
    // No block: the fault is the stylesheet's own.
    if (errorDocument.IsEmpty()) throw;
    return ZQF_HelpDialogBox_MakeHelpDocument(errorDocument, HelpFileName);
  }
}

// --- The window.

ZQF_HelpDialogBox::ZQF_HelpDialogBox(const ZQ_FileName& HelpFileName, const ZQ_String& Topic)
    : ZQF_DialogBox(ZQF_DialogBoxModality_Modeless, GetHelpWindowTitle()),
      HelpFileName(HelpFileName) {
  Init(Topic);
}

ZQF_HelpDialogBox::ZQF_HelpDialogBox(const ZQ_FileName& HelpFileName,
                                     ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* TopicsToOpen)
    : ZQF_DialogBox(ZQF_DialogBoxModality_Modeless, GetHelpWindowTitle()),
      HelpFileName(HelpFileName) {
  const std::unique_ptr<ZQ_ReadOnlyIterator<ZQF_Help_TopicType> > owned(TopicsToOpen);
  Init(ZQ_String());
  if (owned)
    for (; owned->IsValid(); owned->Advance()) Topics.Append(owned->GetCurrent());
}

void ZQF_HelpDialogBox::Init(const ZQ_String& TopicToOpen) {
  Topic = TopicToOpen;
  if (ZQ_ApplicationConfigurationRegistryUsable()) {
    ConfigurationFolder = &ZQF_PLUGIN_AppConfigRegistry_GetDialogBoxConfigFolder("HelpDialogBox");
    SetUserConfigurationFolder(ConfigurationFolder);
  }
  AddHelpTopic("ZQF_Help_id", 0);
  AddHelpTopic("ZQF_Help_Reader_id", 0);
}

ZQF_HelpDialogBox::~ZQF_HelpDialogBox() = default;

void ZQF_HelpDialogBox::Close() {
  ZQF_DialogBox::Close();
  if (IsRetired(this)) return;  // its deletion is queued already
  RetiredBoxes().push_back(this);
  ZQF_ActionQueue::QueueOnetimeAction(ZQF_QueuedAction(new DeleteRetiredBoxAction(this)),
                                      OwnerKey(this), true);
}

void ZQF_HelpDialogBox::Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) {
  ZQF_DialogBox::Init_SetWindowBorderOptions(Options);
  Options->SetTitleBarGap(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).Y);
}

ZQF_Glyph* ZQF_HelpDialogBox::Init_CreateClientGlyphTree() {
  const ZQ_List<ZQF_Help_TopicType>& topics = Topics;
  return new ZQF_HelpDialogBoxManager(this, HelpFileName, Topic, topics.GetIterator());
}

// --- The window's glyph tree.

ZQF_HelpDialogBoxManager::ZQF_HelpDialogBoxManager(ZQF_HelpDialogBox* HelpDialogBox,
                                                   const ZQ_FileName& HelpFileName,
                                                   const ZQ_String& Topic,
                                                   ZQ_ReadOnlyIterator<ZQF_Help_TopicType> Topics)
    : ZQF_ColumnGlyph(0),
      HelpDialogBox(HelpDialogBox),
      HelpFileName(HelpFileName),
      ConfigurationFolder(HelpDialogBox ? HelpDialogBox->GetConfigurationFolder() : nullptr) {
  const ZQFO_Document document = ZQF_HelpDialogBox_GetHelpFormattingDoc(HelpFileName);
  const ZQXML_Tree& tree = document.GetFormattingObjectsTree();
  ZQ_List<ZQF_Help_TopicType> known;
  for (; Topics.IsValid(); Topics.Advance())
    if (tree.FindElementById(Topics.GetCurrent().Name)) known.Append(Topics.GetCurrent());
  known.Sort(true);
  const ZQ_String topicToOpen =
      Topic.IsEmpty() ? ZQFOxZQF_DocumentBrowserGlyph::MockId_FirstChapter() : Topic;
  Browser = new ZQFOxZQF_DocumentBrowserGlyph(document, topicToOpen);
  AddToBottom(Browser);
  for (auto topic = known.GetIterator(); topic.IsValid(); topic.Advance())
    Browser->AddTopicOfInterest(topic.GetCurrent().Name);
  if (HelpDialogBox)
    Browser->SetCloseCallback(ZQ_Functor0(HelpDialogBox, &ZQF_HelpDialogBox::NonvirtualClose));
  if (ConfigurationFolder) Browser->LoadPersistentOptions(*ConfigurationFolder);
}

ZQF_HelpDialogBoxManager::~ZQF_HelpDialogBoxManager() {
  if (ConfigurationFolder && ZQ_ApplicationConfigurationRegistryUsable())
    Browser->SavePersistentOptions(*ConfigurationFolder);
}

void ZQF_HelpDialogBoxManager::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!SecondTry && !Message.IsHandled() && Message.GetKeyCode() == ZQF_Key_Escape) {
    Message.SetHandled();
    if (HelpDialogBox) HelpDialogBox->Close();
  }
  ZQF_ColumnGlyph::HandleKey(Message, SecondTry);
}

// --- Opening and closing.

void OpenHelpDialogBox(ZQF_HelpDialogBox* Box) {
  // Help asked for inside the help window arrives while that window's
  // handlers run: the old window is closed, not deleted, until idle time.
  ZQF_HelpDialogBox* previous = s_openBox;
  s_openBox = Box;
  if (previous) previous->Close();
  try {
    Box->Run();
  } catch (...) {
    if (s_openBox == Box) s_openBox = nullptr;
    delete Box;
    throw;
  }
}

void CloseHelpDialogBoxIfOpen() {
  std::vector<ZQF_HelpDialogBox*> boxes;
  boxes.swap(RetiredBoxes());
  if (s_openBox && std::find(boxes.begin(), boxes.end(), s_openBox) == boxes.end())
    boxes.push_back(s_openBox);
  s_openBox = nullptr;
  for (ZQF_HelpDialogBox* box : boxes) {
    ZQF_ActionQueue::RemoveAllActions(OwnerKey(box));
    delete box;
  }
}

ZQF_HelpDialogBox* ZQF_HelpDialogBox_GetOpenHelpDialogBox() { return s_openBox; }

long ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes() {
  return static_cast<long>(RetiredBoxes().size());
}

void ZQF_HelpDialogBox_DisplayContents(const ZQ_FileName& HelpFileName) {
  OpenHelpDialogBox(new ZQF_HelpDialogBox(HelpFileName, ZQ_String()));
}

void ZQF_HelpDialogBox_DisplayTopics(const ZQ_FileName& HelpFileName,
                                     ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* Topics) {
  OpenHelpDialogBox(new ZQF_HelpDialogBox(HelpFileName, Topics));
}

void ZQF_HelpDialogBox_InitializationServiceCallback(int Stage) {
  if (Stage == ZQ_InitializationService::Stage_DeinitializeInteractive) CloseHelpDialogBoxIfOpen();
}

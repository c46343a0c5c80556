// ZQF_HelpDialogBox.h: the help window, its glyph tree and the help
// document. The help file, report markup, is read against the report DTD,
// turned into document markup by the report stylesheet and shown in a
// modeless window "<application name> User's Guide" by a document browser,
// opened at its contents or at the most important topic the document knows.
// A help file that cannot be read is shown as an error document that says
// why, and so is one whose generated markup does not read because of the
// document markup of its raw_codes_zqfo blocks, which the stylesheet passes
// through as it stands: the error is placed at the block to blame, as the
// block's own error when its markup does not read alone. Blocks that read
// only together (one opens an element, a later one closes it) render. Only
// an error in the generated markup of a file without such blocks throws.
// At most one help window is open: opening another closes the open one at
// once, and every closed window is deleted at the next idle moment (or at
// stage 8), never inside the message that closed it. UI thread only.
#ifndef ZQF_HELPDIALOGBOX_H
#define ZQF_HELPDIALOGBOX_H

#include "ZQFO_Document.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_DialogBox.h"
#include "ZQF_Help.h"
#include "ZQRPT_FormattingStylesheet.h"
#include "ZQ_CommandLine.h"
#include "ZQ_FileName.h"
#include "ZQ_List.h"

class ZQFOxZQF_DocumentBrowserGlyph;

class ZQF_HelpDialogBox : public ZQF_DialogBox {
 public:
  // A window on HelpFileName opened at Topic (empty: the first chapter).
  ZQF_HelpDialogBox(const ZQ_FileName& HelpFileName, const ZQ_String& Topic);
  // A window opened at the topics; takes over Topics and deletes it.
  ZQF_HelpDialogBox(const ZQ_FileName& HelpFileName,
                    ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* Topics);
  ~ZQF_HelpDialogBox() override;

  // Closes the window at once; the object is deleted at the next idle
  // moment (the box is a retired one until then).
  void Close() override;
  void Init_SetWindowBorderOptions(ZQF_WindowBorderGlyphOptionsSet* Options) override;
  // A new ZQF_HelpDialogBoxManager.
  ZQF_Glyph* Init_CreateClientGlyphTree() override;
  void NonvirtualClose() { Close(); }

  const ZQ_FileName& GetHelpFileName() const { return HelpFileName; }
  const ZQ_List<ZQF_Help_TopicType>& GetTopics() const { return Topics; }
  // The settings folder "HelpDialogBox"; null while the settings registry
  // is not usable.
  ZQ_RegistryFolder* GetConfigurationFolder() const { return ConfigurationFolder; }

 private:
  void Init(const ZQ_String& Topic);

  ZQ_FileName HelpFileName;
  ZQ_String Topic;
  ZQ_List<ZQF_Help_TopicType> Topics;
  ZQ_RegistryFolder* ConfigurationFolder = nullptr;
};

// The help window's root glyph: a column holding the document browser.
class ZQF_HelpDialogBoxManager : public ZQF_ColumnGlyph {
 public:
  // Reads the help document and opens the browser at the highest-priority
  // topic that the document knows, listing all of them; at Topic when no
  // topic is known; at the first chapter when Topic is empty too.
  ZQF_HelpDialogBoxManager(ZQF_HelpDialogBox* HelpDialogBox, const ZQ_FileName& HelpFileName,
                           const ZQ_String& Topic, ZQ_ReadOnlyIterator<ZQF_Help_TopicType> Topics);
  // Saves the browser's options into the window's settings folder.
  ~ZQF_HelpDialogBoxManager() override;
  // Escape closes the window.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;

  ZQFOxZQF_DocumentBrowserGlyph* GetBrowser() const { return Browser; }

 private:
  ZQF_HelpDialogBox* HelpDialogBox;  // borrowed: the window owns this tree
  ZQ_FileName HelpFileName;
  ZQFOxZQF_DocumentBrowserGlyph* Browser = nullptr;  // the only child
  ZQ_RegistryFolder* ConfigurationFolder;            // borrowed, may be null
};

// The help document of HelpFileName (see the top of this file). Throws the
// reader's ZQ_Exception only when the generated markup of a file without
// raw_codes_zqfo blocks does not read.
ZQFO_Document ZQF_HelpDialogBox_GetHelpFormattingDoc(const ZQ_FileName& HelpFileName);
// Steps after the transformation: FormatDocSource read against the document
// DTD (an error is logged as name and description lines and thrown on),
// named after the window, resolving links next to HelpFileName.
ZQFO_Document ZQF_HelpDialogBox_MakeHelpDocument(const ZQ_String& FormatDocSource,
                                                 const ZQ_FileName& HelpFileName);
// Open a new help window on HelpFileName at its contents, or at Topics
// (taken over and deleted).
void ZQF_HelpDialogBox_DisplayContents(const ZQ_FileName& HelpFileName);
void ZQF_HelpDialogBox_DisplayTopics(const ZQ_FileName& HelpFileName,
                                     ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* Topics);
// Closes the open window at once, remembers Box (taken over) as the open one
// and runs it (modeless: returns at once).
void OpenHelpDialogBox(ZQF_HelpDialogBox* Box);
// Deletes the open window and every closed one waiting for idle time.
void CloseHelpDialogBoxIfOpen();
// The open help window, or null; closed windows waiting for deletion.
ZQF_HelpDialogBox* ZQF_HelpDialogBox_GetOpenHelpDialogBox();
long ZQF_HelpDialogBox_GetNumRetiredHelpDialogBoxes();
// The help service of the application's own help file (ZQF_HelpModule.cpp).
// The module fills the glyph core's help seam from a static initialiser:
// availability, topics and contents open the help file's window.
ZQFO_Document ZQF_Help_GetHelpFormattingDoc();
// Stage 6: the "-help" flag opens the contents (or throws "No Help
// Available" when there is no help), then "-loadhelp <file>" opens that file.
void ZQF_Help_InitializationServiceCallback(int Stage);
// The two flags, for tests.
ZQ_SimpleFlagCommandLineElement& ZQF_Help_GetShowHelpFlag();
ZQ_OneParameterFlagCommandLineElement& ZQF_Help_GetLoadHelpFlag();

// Stage 8 deletes every help window.
void ZQF_HelpDialogBox_InitializationServiceCallback(int Stage);
// "{$1} User's Guide" translated, with the application's name.
ZQ_String GetHelpWindowTitle();
// Title page, contents, footers, numbered sections and captions, boxed
// chapter headings, each chapter on an odd page.
ZQRPT_FormattingStylesheetOptions GetHelpFormattingOptions();

#endif

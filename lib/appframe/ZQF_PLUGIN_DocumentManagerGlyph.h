// ZQF_PLUGIN_DocumentManagerGlyph.h: the one document manager of a document
// program: it owns the document types and the loaded document instances
// (deleted with it), and the views as its children; the program places the
// manager in its main window, where File menu commands reach it. It answers
// New, Open, Close, Save, Save As, Save All and Close All: New makes an
// empty document under a default name ("Document1.txt" in the current
// folder, unused on disk and among the loaded documents), which Save then
// asks a name for; Open reads the chosen file with the read filter of the
// chosen file type, else the one whose patterns name its extension (a
// redirection filter hands it to its type); closing a document with unsaved
// changes asks whether to save them (Yes, No, Cancel). Every user-level
// failure is shown in an error box titled by its short name and abandons the
// request; nothing is left half done. It also fills the open dialog's
// file-type filters, runs the save-as dialog, and writes the loaded
// documents into the fatal-error report (a section registered by this unit,
// empty while no manager exists). UI thread only.
#ifndef ZQF_PLUGIN_DOCUMENTMANAGERGLYPH_H
#define ZQF_PLUGIN_DOCUMENTMANAGERGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_FileName.h"
#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQ_TextStreamFormatter;
class ZQF_FileNameQueryDialogBox;
class ZQF_PLUGIN_AppMainMenu;
class ZQF_PLUGIN_DocumentInstance;
class ZQF_PLUGIN_DocumentReadFilter;
class ZQF_PLUGIN_DocumentReadRedirectionFilter;
class ZQF_PLUGIN_DocumentType;
class ZQF_PLUGIN_DocumentViewGlyph;
class ZQF_PLUGIN_DocumentViewType;

// The File menu's document commands and their update queries.
class ZQF_PLUGIN_DocumentNewCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentNewCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentOpenCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentOpenCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentCloseCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentCloseCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentCloseAllCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentCloseAllCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentSaveCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentSaveCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentSaveAsCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentSaveAsCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class ZQF_PLUGIN_DocumentSaveAllCommandMessage : public ZQF_StandardCommandMessage {};
class ZQF_PLUGIN_DocumentSaveAllCommandUpdateMessage : public ZQF_StandardCommandUpdateMessage {};

class ZQF_PLUGIN_DocumentManagerGlyph : public ZQF_OrganizationalGlyph {
 public:
  // One filter of the open dialog: its description and the read (or
  // read-redirection) filter behind it, null for the collective ones.
  struct OpenFilterEntry {
    ZQ_String Description;
    const ZQF_PLUGIN_DocumentReadFilter* Filter = nullptr;
  };

  // The user-level messages, each a text and a short name (the box's title).
  enum MessageId {
    Message_FileAlreadyExists,
    Message_FileUnrecognized,
    Message_FileUnexpectedFormat,
    Message_FileDoesNotExist,
    Message_NoViewOfType,
    Message_NoView,
    Message_SaveAsNameTaken,
    Message_SaveQuestion,
    Message_DocumentAlreadyExists,
    Message_DocumentNotLoaded,
    Message_DocumentOfWrongType,
    Message_NumMessages
  };
  struct MessageText {
    const char* Text;
    const char* ShortName;
  };
  static const MessageText Messages[Message_NumMessages];
  // The answers of QueryUserForSave.
  enum SaveAnswer { SaveAnswer_Save, SaveAnswer_Discard, SaveAnswer_Cancel };

  // Records the program's one manager (asserts "DocumentManagerInstance == NULL").
  ZQF_PLUGIN_DocumentManagerGlyph();
  ~ZQF_PLUGIN_DocumentManagerGlyph() override;
  static ZQF_PLUGIN_DocumentManagerGlyph* GetInstance();

  // Takes the type over and becomes its manager.
  void AddDocumentType(ZQF_PLUGIN_DocumentType* DocType);
  // Takes the instance over.
  void AddDocumentInstance(ZQF_PLUGIN_DocumentInstance* Instance);
  // Deletes the instance, which must be one of the manager's (assertions).
  void RemoveDocumentInstance(ZQF_PLUGIN_DocumentInstance* Instance);
  bool ContainsDocumentInstance(const ZQF_PLUGIN_DocumentInstance* Instance) const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentType*> GetDocumentTypeIterator() const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentInstance*> GetDocumentInstanceIterator() const;
  // The first type (asserts "Head != NULL").
  ZQF_PLUGIN_DocumentType* GetDefaultDocumentType() const;

  // --- Set-up, in this order: the types, their links, the menu items, the
  // documents named on the command line.
  // Registers the program's types; the base registers none.
  virtual void Init_InitializeDocumentTypes() {}
  // Each type's redirection filters and links.
  virtual void InitializeAppIntercomponentLinks();
  // The File menu's document items.
  virtual void Init_InitializeMainMenuLinks(ZQF_PLUGIN_AppMainMenu& Menu);
  // "&New", "&Open" and "&Close" into the File menu's first section, "&Save"
  // and "Save &As" into its second (asserts "NumDocumentTypes > 0").
  void Init_AddFile_NewMenuSection(ZQF_PLUGIN_AppMainMenu& Menu);
  // Opens each named file; a file that fails is reported and the next one
  // still opened. True when all opened.
  bool LoadDocumentsSpecifiedOnCommandLine(ZQ_ReadOnlyIterator<ZQ_String> FileNames);
  bool LoadCommandLineDocument(const ZQ_String& FileName);

  // --- Documents and views.
  // The loaded instance of the file (names compare as absolute paths,
  // ignoring case); null when none.
  ZQF_PLUGIN_DocumentInstance* GetDocumentInstance(const ZQ_FileName& FileName) const;
  // The view that File menu commands act on; null when none.
  ZQF_PLUGIN_DocumentViewGlyph* GetFocusView() const { return FocusView; }
  // Makes View (one of the manager's) the focus view and its focus child.
  void SetFocusView(ZQF_PLUGIN_DocumentViewGlyph* View);
  // A view of Instance of ViewType (null: of any type); reports "View does
  // not exist" and answers null when there is none.
  ZQF_PLUGIN_DocumentViewGlyph* GetDocumentView(ZQF_PLUGIN_DocumentInstance* Instance,
                                                ZQF_PLUGIN_DocumentViewType* ViewType);
  // A new view of Instance made by ViewType (null: the type's default; none
  // when the type has no view types), a child of the manager and the focus
  // view. Asserts "DocInstance->GetDocType()->ContainsWriteFilter
  // (DocViewType)".
  ZQF_PLUGIN_DocumentViewGlyph* AddNewView(ZQF_PLUGIN_DocumentInstance* Instance,
                                           ZQF_PLUGIN_DocumentViewType* ViewType = nullptr);
  // Rebinds View to the document of FileName (loaded, else read); the old
  // document is closed when no view shows it any more. False when the file
  // could not be read or the old document not closed.
  bool BindViewToNewDocument(ZQF_PLUGIN_DocumentViewGlyph* View, const ZQ_FileName& FileName);
  // Deletes the view; the document stays loaded.
  void DeleteView(ZQF_PLUGIN_DocumentViewGlyph* View);
  // Deletes the document's views.
  void PrepareDocumentForDeletion(ZQF_PLUGIN_DocumentInstance* Instance);
  // Deletes the views, then the document, without asking.
  void DeleteDocument(ZQF_PLUGIN_DocumentInstance* Instance);

  // --- Requests; each answers true when done, false when refused,
  // cancelled or failed (reported).
  // A new empty document of DocType (null: the default type) with a view.
  bool HandleNewRequest(ZQF_PLUGIN_DocumentType* DocType = nullptr);
  // Asks for a file of DocType (null: of any type) and opens it; a file
  // already loaded becomes the focus document.
  bool HandleOpenRequest(ZQF_PLUGIN_DocumentType* DocType = nullptr);
  // Writes the document to its file; a document with a default name asks
  // for one (Save As).
  bool HandleSaveRequest(ZQF_PLUGIN_DocumentInstance* Instance);
  bool HandleSaveAsRequest(ZQF_PLUGIN_DocumentInstance* Instance);
  // Saves each document with unsaved changes; stops at the first refusal.
  bool HandleSaveAllRequest();
  // Closing the last view of a document closes the document.
  bool HandleCloseViewRequest(ZQF_PLUGIN_DocumentViewGlyph* View);
  // Asks to save unsaved changes first.
  bool HandleCloseDocumentRequest(ZQF_PLUGIN_DocumentInstance* Instance);
  // Closes each document in order; stops at the first refusal.
  bool HandleCloseAllDocumentsRequest();
  // The document commands, on the focus view's document.
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;

  // --- Supporting operations.
  // FileName when neither a loaded document nor a file has it, else the
  // first free "<base><n><extension>", n = 2, 3, ...
  ZQ_FileName MakeFilenameUnique(const ZQ_FileName& FileName) const;
  // A new document's name: "<Name>1.<Extension>" in the current folder,
  // title-cased and made unique (asserts "Extension.GetLength() > 0").
  ZQ_FileName CreateDefaultFileName(const ZQ_String& Name, const ZQ_String& Extension) const;
  // True for a name CreateDefaultFileName gave and no save has used since.
  bool IsDefaultFileName(const ZQ_FileName& FileName) const;
  // Writes the whole document with its type's default write filter (its
  // first, else the instance's markup), then replaces the file, so that a
  // failing writer leaves the file as it was. Throws ZQ_Exception.
  void WriteDocumentToFile(ZQF_PLUGIN_DocumentInstance* Instance, const ZQ_FileName& FileName);
  // "Save?" with Yes, No and Cancel; Escape cancels.
  virtual SaveAnswer QueryUserForSave(ZQF_PLUGIN_DocumentInstance* Instance);
  // Chosen (the dialog's file type), else GetMostProbableReadFilterByExtension.
  const ZQF_PLUGIN_DocumentReadFilter* DetermineReadFilter(
      const ZQF_PLUGIN_DocumentReadFilter* Chosen, const ZQ_FileName& FileName) const;
  // The first read filter, then read-redirection filter, of the first type
  // whose patterns name the file's extension; null when none does.
  const ZQF_PLUGIN_DocumentReadFilter* GetMostProbableReadFilterByExtension(
      const ZQ_FileName& FileName) const;
  // The type that owns Filter (as a read or read-redirection filter).
  ZQF_PLUGIN_DocumentType* GetTypeOfReadFilter(const ZQF_PLUGIN_DocumentReadFilter* Filter) const;

  bool Util_DoesDocumentInstanceExist(const ZQ_FileName& FileName) const;
  // The loaded document of FileName, checked to be of DocType (null: any).
  ZQF_PLUGIN_DocumentInstance* Util_FindExistingDocumentInstance(const ZQ_FileName& FileName,
                                                                 ZQF_PLUGIN_DocumentType* DocType);
  // Reads (IsNew false) or makes (IsNew true) a document of DocType with
  // Filter, adds it and answers it; reports "File already exists", "File does
  // not exist", "File has unrecognized format" (no filter), "File has
  // unexpected format" (a filter of another type) or the read's failure and
  // answers null. Asserts "not Util_DoesDocumentInstanceExist (FileName)".
  ZQF_PLUGIN_DocumentInstance* Util_GetNewDocumentInstance(
      ZQF_PLUGIN_DocumentType* DocType, const ZQ_FileName& FileName,
      const ZQF_PLUGIN_DocumentReadFilter* Filter, bool IsNew);
  // MustBeLoaded: reports "Document not loaded" unless loaded; otherwise
  // reports "Document already exists" when loaded. True when the check holds.
  bool Util_PerformInstanceChecks(const ZQ_FileName& FileName, bool MustBeLoaded);
  // Reports "Document of wrong type" unless Instance is of DocType (null: any).
  bool Util_PerformUnexpectedInstanceTypeCheck(ZQF_PLUGIN_DocumentInstance* Instance,
                                               ZQF_PLUGIN_DocumentType* DocType);
  // The first read-redirection filter (of any type) naming the extension.
  const ZQF_PLUGIN_DocumentReadRedirectionFilter* Util_FindApplicableReadRedirectionFilter(
      const ZQ_FileName& FileName) const;
  // The document of the file for the type Filter redirects to: the loaded
  // one, else read by that type's filter for the extension (its default
  // read filter when none names it).
  ZQF_PLUGIN_DocumentInstance* Util_GetRedirectedDocumentInstance(
      const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName);
  ZQF_PLUGIN_DocumentInstance* Util_FindExistingRedirectedDocumentInstance(
      const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName);
  ZQF_PLUGIN_DocumentInstance* Util_GetNewRedirectedDocumentInstance(
      const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName);

  // Shows a message of the table, its placeholders filled after translation.
  void ShowMessage(MessageId Id, const ZQ_String& Value1 = ZQ_String(),
                   const ZQ_String& Value2 = ZQ_String(), const ZQ_String& Value3 = ZQ_String());

  // Fills Dialog for opening a document of DocType (null: of any type):
  // "All recognized file types" when any pattern is offered, one filter per
  // file kind of each read and read-redirection filter, then "All files";
  // the filter described by SelectedDescription is the default. Entries
  // receives one entry per filter, in order; each filter's tag is its entry.
  void BuildOpenFileFilters(ZQF_PLUGIN_DocumentType* DocType, ZQF_FileNameQueryDialogBox& Dialog,
                            const ZQ_String& SelectedDescription,
                            ZQ_List<OpenFilterEntry>& Entries);
  // Runs Dialog: true when a name was chosen, false when cancelled.
  static bool RunSaveAsDialog(ZQF_FileNameQueryDialogBox& Dialog);

  // The fatal-error report's section: the loaded documents, or nothing
  // while no manager exists.
  static void WriteDebugDump(ZQ_TextStreamFormatter& Out);

 protected:
  // An error box (kind 3, OK) titled ShortName; a program or a test may show
  // it otherwise.
  virtual void ShowMessageBox(const ZQ_String& Text, const ZQ_String& ShortName);

 private:
  ZQF_PLUGIN_DocumentInstance* OpenFile(ZQF_PLUGIN_DocumentType* DocType,
                                        const ZQF_PLUGIN_DocumentReadFilter* Chosen,
                                        const ZQ_FileName& FileName, bool WithView);
  bool SaveTo(ZQF_PLUGIN_DocumentInstance* Instance, const ZQ_FileName& FileName);
  bool CloseDocumentIfUnviewed(ZQF_PLUGIN_DocumentInstance* Instance);

  ZQ_List<ZQF_PLUGIN_DocumentType*> DocumentTypes;
  ZQ_List<ZQF_PLUGIN_DocumentInstance*> DocumentInstances;
  ZQ_List<ZQF_PLUGIN_DocumentViewGlyph*> Views;  // children, in creation order
  ZQF_PLUGIN_DocumentViewGlyph* FocusView = nullptr;
  ZQ_List<ZQ_FileName> DefaultFileNames;  // given by CreateDefaultFileName, not saved to
  ZQ_String LastOpenDescription;          // the file type last chosen to open
};

#endif

// The document manager: its types, instances and views, the File menu's
// requests, the open dialog's filters, the save-as run and the report section.
#include "ZQF_PLUGIN_DocumentManagerGlyph.h"

#include <cstdint>
#include <functional>
#include <string>

#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_DocumentInstance.h"
#include "ZQF_PLUGIN_DocumentType.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Map.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"
#include "ZQ_TextOutputFileStream.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

ZQF_PLUGIN_DocumentManagerGlyph* DocumentManagerInstance = nullptr;

// Registered at start-up: it writes nothing until a manager exists.
const bool s_dumpRegistered = [] {
  ZQ_RegisterDebugDumpFunction(&ZQF_PLUGIN_DocumentManagerGlyph::WriteDebugDump);
  return true;
}();

using Entry = ZQF_PLUGIN_DocumentManagerGlyph::OpenFilterEntry;

// Calls Visit (filter, record) for every file kind of DocType's read
// filters, then of its read-redirection filters.
template <class Visit>
void ForEachFileKind(const ZQF_PLUGIN_DocumentType* DocType, Visit visit) {
  for (auto f = DocType->GetDocumentReadFilterIterator(); f.IsValid(); f.Advance())
    for (auto r = f.GetCurrent()->GetInformationIterator(); r.IsValid(); r.Advance())
      visit(f.GetCurrent(), r.GetCurrent());
  for (auto f = DocType->GetDocumentReadRedirectionFilterIterator(); f.IsValid(); f.Advance())
    for (auto r = f.GetCurrent()->GetInformationIterator(); r.IsValid(); r.Advance())
      visit(f.GetCurrent(), r.GetCurrent());
}

long TagOf(const Entry& E) { return static_cast<long>(reinterpret_cast<std::intptr_t>(&E)); }

template <class Command, class Update>
void AddItem(ZQF_PLUGIN_AppMainMenu& Menu, unsigned long Section, const char* Label) {
  Menu.AddElement(new ZQF_StandardTextMenuElement(ZQ_Internationalization_Translate(Label),
                                                  new Command, new Update),
                  Section, 1);
}

template <class T>
bool ListContains(const ZQ_List<T>& List, const T& Element) {
  for (auto i = List.GetIterator(); i.IsValid(); i.Advance())
    if (i.GetCurrent() == Element) return true;
  return false;
}

template <class M>
bool Is(ZQF_Message& Message) {
  return dynamic_cast<M*>(&Message) != nullptr;
}

template <class T>
void RemoveIfPresent(ZQ_List<T>& List, const T& Element) {
  if (ListContains(List, Element)) List.Remove(Element);
}

ZQ_String Number(long N) { return ZQ_String(std::to_string(N).c_str()); }

}  // namespace

const ZQF_PLUGIN_DocumentManagerGlyph::MessageText
    ZQF_PLUGIN_DocumentManagerGlyph::Messages[Message_NumMessages] = {
        {"An attempt to create a new file with the name \"{$1}\" was attempted, but this file "
         "already exists.",
         "File already exists"},
        {"The file '{$1}' cannot be opened.  {$2} cannot read files of this type.",
         "File has unrecognized format"},
        {"The file \"{$1}\" contains an unexpected type of information.  It was expected to "
         "contain a document of type \"{$2}\", but instead contains a document of type "
         "\"{$3}\".",
         "File has unexpected format"},
        {"An attempt to read the file \"{$1}\" was made, but this file does not exist.",
         "File does not exist"},
        {"No view of the proper type can be found for document \"{$1}\".", "View does not exist"},
        {"No view can be found for document \"{$1}\".", "View does not exist"},
        {"Another open document already has the name of \"{$1}\".",
         "Cannot perform \"Save As\" operation"},
        {"The {$1} {$2} has been changed, but the changes have not been saved.  Do you want to "
         "save the changes before closing this {$1}?",
         "Save?"},
        {"An attempt to create a new document with the name {$1} was attempted, but a document "
         "with that name already exists.",
         "Document already exists"},
        {"An attempt to access an existing document with the name \"{$1}\" was attempted, but "
         "that document is not currently loaded into this application.",
         "Document not loaded"},
        {"The document \"{$1}\" has an unexpected type.  This document was expected to be a "
         "{$2}, but instead was a {$3}.",
         "Document of wrong type"},
};

ZQF_PLUGIN_DocumentManagerGlyph::ZQF_PLUGIN_DocumentManagerGlyph() {
  ZQ_ASSERT(DocumentManagerInstance == NULL);
  DocumentManagerInstance = this;
}

ZQF_PLUGIN_DocumentManagerGlyph::~ZQF_PLUGIN_DocumentManagerGlyph() {
  // Views, then instances: views may still ask for their instances, and
  // instances for their types.
  while (!DocumentInstances.IsEmpty()) DeleteDocument(DocumentInstances.GetHead());
  while (!Views.IsEmpty()) DeleteView(Views.GetHead());
  for (auto t = DocumentTypes.GetIterator(); t.IsValid(); t.Advance()) delete t.GetCurrent();
  if (DocumentManagerInstance == this) DocumentManagerInstance = nullptr;
}

ZQF_PLUGIN_DocumentManagerGlyph* ZQF_PLUGIN_DocumentManagerGlyph::GetInstance() {
  return DocumentManagerInstance;
}

void ZQF_PLUGIN_DocumentManagerGlyph::AddDocumentType(ZQF_PLUGIN_DocumentType* DocType) {
  DocumentTypes.Append(DocType);
  DocType->SetDocumentManager(this);
}

void ZQF_PLUGIN_DocumentManagerGlyph::AddDocumentInstance(ZQF_PLUGIN_DocumentInstance* Instance) {
  DocumentInstances.Append(Instance);
}

void ZQF_PLUGIN_DocumentManagerGlyph::RemoveDocumentInstance(
    ZQF_PLUGIN_DocumentInstance* Instance) {
  ZQ_ASSERT_TEXT(!DocumentInstances.IsEmpty(), "aList.Head != NULL");
  ZQ_ASSERT_TEXT(ContainsDocumentInstance(Instance), "LinkToDelete != NULL");
  if (!ContainsDocumentInstance(Instance)) return;
  DocumentInstances.Remove(Instance);
  delete Instance;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::ContainsDocumentInstance(
    const ZQF_PLUGIN_DocumentInstance* Instance) const {
  for (auto i = DocumentInstances.GetIterator(); i.IsValid(); i.Advance())
    if (i.GetCurrent() == Instance) return true;
  return false;
}

ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentType*>
ZQF_PLUGIN_DocumentManagerGlyph::GetDocumentTypeIterator() const {
  return DocumentTypes.GetIterator();
}

ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentInstance*>
ZQF_PLUGIN_DocumentManagerGlyph::GetDocumentInstanceIterator() const {
  return DocumentInstances.GetIterator();
}

ZQF_PLUGIN_DocumentType* ZQF_PLUGIN_DocumentManagerGlyph::GetDefaultDocumentType() const {
  return DocumentTypes.GetHead();
}

void ZQF_PLUGIN_DocumentManagerGlyph::BuildOpenFileFilters(ZQF_PLUGIN_DocumentType* DocType,
                                                           ZQF_FileNameQueryDialogBox& Dialog,
                                                           const ZQ_String& SelectedDescription,
                                                           ZQ_List<Entry>& Entries) {
  Entries.RemoveAll();
  ZQ_List<ZQF_PLUGIN_DocumentType*> matching;
  if (DocType) {
    matching.Append(DocType);
  } else {
    matching = DocumentTypes;
  }
  // Each pattern once, however many filters offer it.
  ZQ_Map<ZQ_String, bool> patterns(37);
  for (auto t = matching.GetIterator(); t.IsValid(); t.Advance()) {
    ForEachFileKind(t.GetCurrent(),
                    [&patterns](const ZQF_PLUGIN_DocumentReadFilter*,
                                const ZQF_PLUGIN_DocumentReadFilter::InformationType& Record) {
                      const ZQF_FilterInfoStruct split("", Record.Patterns, 0);
                      for (auto p = split.Patterns.GetIterator(); p.IsValid(); p.Advance())
                        patterns.Set(p.GetCurrent(), true);
                    });
  }
  if (patterns.GetNumElements() > 0) {
    const Entry& entry =
        Entries
            .Append(Entry{ZQ_Internationalization_Translate("All recognized file types"), nullptr})
            ->Data;
    Dialog.AddFilter(entry.Description, patterns.GetKeyIterator(), TagOf(entry),
                     entry.Description == SelectedDescription);
  }
  for (auto t = matching.GetIterator(); t.IsValid(); t.Advance()) {
    ForEachFileKind(t.GetCurrent(),
                    [&](const ZQF_PLUGIN_DocumentReadFilter* Filter,
                        const ZQF_PLUGIN_DocumentReadFilter::InformationType& Record) {
                      const Entry& entry = Entries.Append(Entry{Record.Description, Filter})->Data;
                      Dialog.AddFilter(entry.Description, Record.Patterns, TagOf(entry),
                                       entry.Description == SelectedDescription);
                    });
  }
  const Entry& all =
      Entries.Append(Entry{ZQ_Internationalization_Translate("All files"), nullptr})->Data;
  Dialog.AddFilter(all.Description, "*", TagOf(all), all.Description == SelectedDescription);
  const ZQ_String title =
      DocType ? ZQ_Internationalization_FillPlaceholders(
                    ZQ_Internationalization_Translate("Open {$1}"), DocType->GetName())
              : ZQ_Internationalization_Translate("Open file");
  Dialog.SetTitle(ZQ_StringSubs::Capitalize(title, ZQ_StringSubs::Capitalize_KeepSmallWords));
}

bool ZQF_PLUGIN_DocumentManagerGlyph::RunSaveAsDialog(ZQF_FileNameQueryDialogBox& Dialog) {
  try {
    Dialog.Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
    return false;
  }
  return true;
}

void ZQF_PLUGIN_DocumentManagerGlyph::WriteDebugDump(ZQ_TextStreamFormatter& Out) {
  if (!DocumentManagerInstance) return;
  Out.NewLine();
  Out << "Loaded Documents:";
  Out.NewLine();
  long number = 1;
  for (auto i = DocumentManagerInstance->DocumentInstances.GetIterator(); i.IsValid();
       i.Advance(), ++number) {
    const ZQ_FileName& name = i.GetCurrent()->GetFileName();
    Out.NewLine();
    Out << "    Document " << number;
    Out.NewLine();
    Out << "        Display Name = " << ZQ_StringSubs::AddQuotesIfNecessary(name.GetFileName());
    Out.NewLine();
    Out << "        File Name    = \"" << name.GetAbsolutePathName() << "\"";
    Out.NewLine();
  }
  Out.NewLine();
}

// --- Set-up.

void ZQF_PLUGIN_DocumentManagerGlyph::InitializeAppIntercomponentLinks() {
  for (auto t = DocumentTypes.GetIterator(); t.IsValid(); t.Advance()) {
    t.GetCurrent()->Init_InitializeReadRedirectionFilters();
    t.GetCurrent()->InitializeAppIntercomponentLinks();
  }
}

void ZQF_PLUGIN_DocumentManagerGlyph::Init_InitializeMainMenuLinks(ZQF_PLUGIN_AppMainMenu& Menu) {
  Init_AddFile_NewMenuSection(Menu);
}

void ZQF_PLUGIN_DocumentManagerGlyph::Init_AddFile_NewMenuSection(ZQF_PLUGIN_AppMainMenu& Menu) {
  ZQ_ASSERT_TEXT(DocumentTypes.GetNumElements() > 0, "NumDocumentTypes > 0");
  using M = ZQF_PLUGIN_AppMainMenu;
  AddItem<ZQF_PLUGIN_DocumentNewCommandMessage, ZQF_PLUGIN_DocumentNewCommandUpdateMessage>(
      Menu, M::MenuSection_FileFirst, "&New");
  AddItem<ZQF_PLUGIN_DocumentOpenCommandMessage, ZQF_PLUGIN_DocumentOpenCommandUpdateMessage>(
      Menu, M::MenuSection_FileFirst, "&Open");
  AddItem<ZQF_PLUGIN_DocumentCloseCommandMessage, ZQF_PLUGIN_DocumentCloseCommandUpdateMessage>(
      Menu, M::MenuSection_FileFirst, "&Close");
  AddItem<ZQF_PLUGIN_DocumentSaveCommandMessage, ZQF_PLUGIN_DocumentSaveCommandUpdateMessage>(
      Menu, M::MenuSection_FileSecond, "&Save");
  AddItem<ZQF_PLUGIN_DocumentSaveAsCommandMessage, ZQF_PLUGIN_DocumentSaveAsCommandUpdateMessage>(
      Menu, M::MenuSection_FileSecond, "Save &As");
}

bool ZQF_PLUGIN_DocumentManagerGlyph::LoadDocumentsSpecifiedOnCommandLine(
    ZQ_ReadOnlyIterator<ZQ_String> FileNames) {
  bool all = true;
  for (; FileNames.IsValid(); FileNames.Advance())
    all = LoadCommandLineDocument(FileNames.GetCurrent()) && all;
  return all;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::LoadCommandLineDocument(const ZQ_String& FileName) {
  const ZQ_FileName name(FileName);
  if (name.IsNull()) return false;
  if (ZQF_PLUGIN_DocumentInstance* loaded = GetDocumentInstance(name)) {
    loaded->MakeFocusInstance();
    return true;
  }
  return OpenFile(nullptr, nullptr, name, true) != nullptr;
}

// --- Documents and views.

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::GetDocumentInstance(
    const ZQ_FileName& FileName) const {
  for (auto i = DocumentInstances.GetIterator(); i.IsValid(); i.Advance())
    if (i.GetCurrent()->GetFileName() == FileName) return i.GetCurrent();
  return nullptr;
}

void ZQF_PLUGIN_DocumentManagerGlyph::SetFocusView(ZQF_PLUGIN_DocumentViewGlyph* View) {
  if (!ListContains(Views, View)) return;
  FocusView = View;
  SetFocusChild(View);
}

ZQF_PLUGIN_DocumentViewGlyph* ZQF_PLUGIN_DocumentManagerGlyph::GetDocumentView(
    ZQF_PLUGIN_DocumentInstance* Instance, ZQF_PLUGIN_DocumentViewType* ViewType) {
  for (auto v = Instance->GetViewIterator(); v.IsValid(); v.Advance())
    if (!ViewType || v.GetCurrent()->GetViewType() == ViewType) return v.GetCurrent();
  ShowMessage(ViewType ? Message_NoViewOfType : Message_NoView,
              Instance->GetFileName().GetFileName());
  return nullptr;
}

ZQF_PLUGIN_DocumentViewGlyph* ZQF_PLUGIN_DocumentManagerGlyph::AddNewView(
    ZQF_PLUGIN_DocumentInstance* DocInstance, ZQF_PLUGIN_DocumentViewType* DocViewType) {
  ZQF_PLUGIN_DocumentType* type = DocInstance->GetDocType();
  if (!DocViewType) {
    if (!type->GetDocumentViewTypeIterator().IsValid()) return nullptr;
    DocViewType = type->GetDefaultViewType();
  }
  ZQ_ASSERT_TEXT(type->ContainsWriteFilter(DocViewType),
                 "DocInstance->GetDocType()->ContainsWriteFilter (DocViewType)");
  if (!type->ContainsWriteFilter(DocViewType)) return nullptr;
  ZQF_PLUGIN_DocumentViewGlyph* view = DocViewType->CreateView();
  view->SetViewType(DocViewType);
  view->SetDocumentInstance(DocInstance);
  Views.Append(view);
  AddChild(view, true);
  SetFocusView(view);
  view->PerformUpdate();
  return view;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::BindViewToNewDocument(ZQF_PLUGIN_DocumentViewGlyph* View,
                                                            const ZQ_FileName& FileName) {
  ZQF_PLUGIN_DocumentInstance* OldDocInstance = View->GetDocumentInstance();
  ZQ_ASSERT_TEXT(ContainsDocumentInstance(OldDocInstance),
                 "ContainsDocumentInstance (OldDocInstance)");
  if (!ContainsDocumentInstance(OldDocInstance)) return false;
  if (OldDocInstance->GetFileName() == FileName) return true;
  ZQF_PLUGIN_DocumentInstance* NewDocInstance = GetDocumentInstance(FileName);
  const bool opened = !NewDocInstance;
  if (opened) NewDocInstance = OpenFile(OldDocInstance->GetDocType(), nullptr, FileName, false);
  if (!NewDocInstance) return false;
  View->SetDocumentInstance(nullptr);
  View->SetDocumentInstance(NewDocInstance);
  View->PerformUpdate();
  // The old document goes when nothing shows it any more, after the question;
  // refused, the view shows it again and what was opened for it goes.
  if (!OldDocInstance->GetViewIterator().IsValid() && !HandleCloseDocumentRequest(OldDocInstance)) {
    View->SetDocumentInstance(nullptr);
    View->SetDocumentInstance(OldDocInstance);
    View->PerformUpdate();
    if (opened) DeleteDocument(NewDocInstance);
    return false;
  }
  return true;
}

void ZQF_PLUGIN_DocumentManagerGlyph::DeleteView(ZQF_PLUGIN_DocumentViewGlyph* View) {
  if (!ListContains(Views, View)) return;
  Views.Remove(View);
  if (FocusView == View) FocusView = nullptr;
  DeleteChild(View);
  if (!FocusView && !Views.IsEmpty()) SetFocusView(Views.GetTail());
}

void ZQF_PLUGIN_DocumentManagerGlyph::PrepareDocumentForDeletion(
    ZQF_PLUGIN_DocumentInstance* Instance) {
  while (Instance->GetViewIterator().IsValid()) {
    ZQF_PLUGIN_DocumentViewGlyph* view = Instance->GetViewIterator().GetCurrent();
    if (ListContains(Views, view))
      DeleteView(view);
    else
      view->SetDocumentInstance(nullptr);  // a view the program placed elsewhere
  }
}

void ZQF_PLUGIN_DocumentManagerGlyph::DeleteDocument(ZQF_PLUGIN_DocumentInstance* Instance) {
  PrepareDocumentForDeletion(Instance);
  RemoveIfPresent(DefaultFileNames, Instance->GetFileName());
  RemoveDocumentInstance(Instance);
}

// --- Requests.

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleNewRequest(ZQF_PLUGIN_DocumentType* DocType) {
  if (!DocType) DocType = GetDefaultDocumentType();
  if (!DocType) return false;
  const ZQ_FileName name =
      CreateDefaultFileName(DocType->GetName(), DocType->GetDefaultExtension());
  ZQF_PLUGIN_DocumentInstance* instance =
      Util_GetNewDocumentInstance(DocType, name, DocType->GetDefaultReadFilter(), true);
  if (!instance) return false;
  DefaultFileNames.Append(name);
  AddNewView(instance);
  return true;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleOpenRequest(ZQF_PLUGIN_DocumentType* DocType) {
  ZQF_FileNameQueryDialogBox dialog;
  dialog.SetMode(ZQF_FileNameQueryDialogBox::Mode_Open);
  ZQ_List<Entry> entries;
  BuildOpenFileFilters(DocType, dialog, LastOpenDescription, entries);
  try {
    dialog.Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
    return false;
  } catch (const ZQ_Exception& Error) {
    ShowMessageBox(Error.GetDescription(), Error.GetName());
    return false;
  }
  const Entry* chosen = nullptr;
  for (auto e = entries.GetIterator(); e.IsValid(); e.Advance())
    if (TagOf(e.GetCurrent()) == dialog.GetSelectedFilterTag()) chosen = &e.GetCurrent();
  if (chosen) LastOpenDescription = chosen->Description;
  const ZQ_FileName name = dialog.GetFileName();
  if (ZQF_PLUGIN_DocumentInstance* loaded = Util_FindExistingDocumentInstance(name, DocType)) {
    loaded->MakeFocusInstance();
    return true;
  }
  if (Util_DoesDocumentInstanceExist(name)) return false;  // of the wrong type: reported
  return OpenFile(DocType, chosen ? chosen->Filter : nullptr, name, true) != nullptr;
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::OpenFile(
    ZQF_PLUGIN_DocumentType* DocType, const ZQF_PLUGIN_DocumentReadFilter* Chosen,
    const ZQ_FileName& FileName, bool WithView) {
  const ZQF_PLUGIN_DocumentReadFilter* filter = DetermineReadFilter(Chosen, FileName);
  ZQF_PLUGIN_DocumentInstance* instance;
  if (auto* redirect = dynamic_cast<const ZQF_PLUGIN_DocumentReadRedirectionFilter*>(filter)) {
    instance = Util_GetRedirectedDocumentInstance(redirect, FileName);
  } else {
    instance = Util_GetNewDocumentInstance(DocType ? DocType : GetTypeOfReadFilter(filter),
                                           FileName, filter, false);
  }
  if (instance && WithView && !instance->GetViewIterator().IsValid()) AddNewView(instance);
  if (instance && WithView) instance->MakeFocusInstance();
  return instance;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleSaveRequest(ZQF_PLUGIN_DocumentInstance* DocInstance) {
  ZQ_ASSERT_TEXT(ContainsDocumentInstance(DocInstance), "ContainsDocumentInstance (DocInstance)");
  if (!ContainsDocumentInstance(DocInstance)) return false;
  if (IsDefaultFileName(DocInstance->GetFileName())) return HandleSaveAsRequest(DocInstance);
  return SaveTo(DocInstance, DocInstance->GetFileName());
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleSaveAsRequest(
    ZQF_PLUGIN_DocumentInstance* DocInstance) {
  ZQ_ASSERT_TEXT(ContainsDocumentInstance(DocInstance), "ContainsDocumentInstance (DocInstance)");
  if (!ContainsDocumentInstance(DocInstance)) return false;
  ZQF_PLUGIN_DocumentType* type = DocInstance->GetDocType();
  ZQF_FileNameQueryDialogBox dialog;
  dialog.SetMode(ZQF_FileNameQueryDialogBox::Mode_Save);
  dialog.SetTitle(ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("Save {$1} as"), type->GetName()));
  dialog.SetFileName(DocInstance->GetFileName());
  dialog.SetDefaultExtension(type->GetDefaultExtension());
  for (auto f = type->GetDocumentReadFilterIterator(); f.IsValid(); f.Advance())
    for (auto r = f.GetCurrent()->GetInformationIterator(); r.IsValid(); r.Advance())
      dialog.AddFilter(r.GetCurrent().Description, r.GetCurrent().Patterns, 0, false);
  try {
    if (!RunSaveAsDialog(dialog)) return false;
  } catch (const ZQ_Exception& Error) {
    ShowMessageBox(Error.GetDescription(), Error.GetName());
    return false;
  }
  const ZQ_FileName name = dialog.GetFileName();
  ZQF_PLUGIN_DocumentInstance* holder = GetDocumentInstance(name);
  if (holder && holder != DocInstance) {
    ShowMessage(Message_SaveAsNameTaken, name.GetFileName());
    return false;
  }
  return SaveTo(DocInstance, name);
}

bool ZQF_PLUGIN_DocumentManagerGlyph::SaveTo(ZQF_PLUGIN_DocumentInstance* Instance,
                                             const ZQ_FileName& FileName) {
  try {
    WriteDocumentToFile(Instance, FileName);
  } catch (const ZQ_Exception& Error) {
    ShowMessageBox(Error.GetDescription(), Error.GetName());
    return false;
  }
  const bool renamed = Instance->GetFileName().GetPathName() != FileName.GetPathName();
  RemoveIfPresent(DefaultFileNames, Instance->GetFileName());
  Instance->SetFileName(FileName);
  Instance->NoteSaved();
  if (renamed) Instance->QueueViewsUpdate();
  return true;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleSaveAllRequest() {
  // A copy: a save may not change the list, but a handler of a derived
  // manager might.
  const ZQ_List<ZQF_PLUGIN_DocumentInstance*> instances = DocumentInstances;
  for (auto i = instances.GetIterator(); i.IsValid(); i.Advance()) {
    ZQF_PLUGIN_DocumentInstance* instance = i.GetCurrent();
    if (ContainsDocumentInstance(instance) && instance->HasUnsavedChanges() &&
        !HandleSaveRequest(instance))
      return false;
  }
  return true;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleCloseViewRequest(ZQF_PLUGIN_DocumentViewGlyph* View) {
  if (!View || !View->CanBeClosed()) return false;
  ZQF_PLUGIN_DocumentInstance* instance = View->GetDocumentInstance();
  if (!instance) {
    DeleteView(View);
    return true;
  }
  auto others = instance->GetViewIterator();
  long numViews = 0;
  for (; others.IsValid(); others.Advance()) ++numViews;
  if (numViews > 1) {
    DeleteView(View);
    return true;
  }
  return HandleCloseDocumentRequest(instance);
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleCloseDocumentRequest(
    ZQF_PLUGIN_DocumentInstance* Instance) {
  if (!ContainsDocumentInstance(Instance)) return false;
  for (auto v = Instance->GetViewIterator(); v.IsValid(); v.Advance())
    if (!v.GetCurrent()->CanBeClosed()) return false;
  if (Instance->HasUnsavedChanges()) {
    switch (QueryUserForSave(Instance)) {
      case SaveAnswer_Cancel:
        return false;
      case SaveAnswer_Save:
        if (!HandleSaveRequest(Instance)) return false;
        break;
      case SaveAnswer_Discard:
        break;
    }
  }
  DeleteDocument(Instance);
  return true;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::HandleCloseAllDocumentsRequest() {
  while (!DocumentInstances.IsEmpty())
    if (!HandleCloseDocumentRequest(DocumentInstances.GetHead())) return false;
  return true;
}

void ZQF_PLUGIN_DocumentManagerGlyph::HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) {
  ZQF_PLUGIN_DocumentInstance* focus = FocusView ? FocusView->GetDocumentInstance() : nullptr;
  std::function<void()> request;
  if (Is<ZQF_PLUGIN_DocumentNewCommandMessage>(Message)) {
    request = [this] { HandleNewRequest(); };
  } else if (Is<ZQF_PLUGIN_DocumentOpenCommandMessage>(Message)) {
    request = [this] { HandleOpenRequest(); };
  } else if (Is<ZQF_PLUGIN_DocumentSaveAllCommandMessage>(Message)) {
    request = [this] { HandleSaveAllRequest(); };
  } else if (Is<ZQF_PLUGIN_DocumentCloseAllCommandMessage>(Message)) {
    request = [this] { HandleCloseAllDocumentsRequest(); };
  } else if (Is<ZQF_PLUGIN_DocumentCloseCommandMessage>(Message) && FocusView) {
    request = [this] { HandleCloseViewRequest(FocusView); };
  } else if (Is<ZQF_PLUGIN_DocumentSaveCommandMessage>(Message) && focus) {
    request = [this, focus] { HandleSaveRequest(focus); };
  } else if (Is<ZQF_PLUGIN_DocumentSaveAsCommandMessage>(Message) && focus) {
    request = [this, focus] { HandleSaveAsRequest(focus); };
  }
  if (SecondTry || !request) {
    ZQF_OrganizationalGlyph::HandleCommand(Message, SecondTry);
    return;
  }
  Message.SetHandled();
  request();
}

void ZQF_PLUGIN_DocumentManagerGlyph::HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) {
  auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message);
  const bool always = Is<ZQF_PLUGIN_DocumentNewCommandUpdateMessage>(Message) ||
                      Is<ZQF_PLUGIN_DocumentOpenCommandUpdateMessage>(Message);
  const bool withView = Is<ZQF_PLUGIN_DocumentCloseCommandUpdateMessage>(Message) ||
                        Is<ZQF_PLUGIN_DocumentSaveCommandUpdateMessage>(Message) ||
                        Is<ZQF_PLUGIN_DocumentSaveAsCommandUpdateMessage>(Message);
  const bool withDocument = Is<ZQF_PLUGIN_DocumentSaveAllCommandUpdateMessage>(Message) ||
                            Is<ZQF_PLUGIN_DocumentCloseAllCommandUpdateMessage>(Message);
  if (SecondTry || !update || !(always || withView || withDocument)) {
    ZQF_OrganizationalGlyph::HandleUpdate(Message, SecondTry);
    return;
  }
  Message.SetHandled();
  update->SetEnabled(always || (withView && FocusView && FocusView->GetDocumentInstance()) ||
                     (withDocument && !DocumentInstances.IsEmpty()));
}

// --- Supporting operations.

ZQ_FileName ZQF_PLUGIN_DocumentManagerGlyph::MakeFilenameUnique(const ZQ_FileName& FileName) const {
  ZQ_FileName name = FileName;
  for (long n = 2; Util_DoesDocumentInstanceExist(name) || ZQ_FileUtils::FileExists(name); ++n) {
    name = FileName;
    name.SetBase(FileName.GetBase() + Number(n), ZQ_FileName::SetMode_Replace);
  }
  return name;
}

ZQ_FileName ZQF_PLUGIN_DocumentManagerGlyph::CreateDefaultFileName(
    const ZQ_String& Name, const ZQ_String& Extension) const {
  ZQ_ASSERT(Extension.GetLength() > 0);
  const ZQ_String base = ZQ_FileUtils::StripNonfileChars(ZQ_StringSubs::Capitalize(
      ZQ_Internationalization_Translate(Name), ZQ_StringSubs::Capitalize_AllWords));
  ZQ_FileName name;
  for (long n = 1;; ++n) {
    name = ZQ_FileName(ZQ_FileUtils::Util_AppendSeparator(ZQ_FileUtils::GetCurrentDirectoryA()) +
                       base + Number(n));
    name.SetExtension(Extension, ZQ_FileName::SetMode_Replace);
    if (!Util_DoesDocumentInstanceExist(name) && !ZQ_FileUtils::FileExists(name) &&
        !ListContains(DefaultFileNames, name))
      return name;
  }
}

bool ZQF_PLUGIN_DocumentManagerGlyph::IsDefaultFileName(const ZQ_FileName& FileName) const {
  return ListContains(DefaultFileNames, FileName);
}

void ZQF_PLUGIN_DocumentManagerGlyph::WriteDocumentToFile(ZQF_PLUGIN_DocumentInstance* Instance,
                                                          const ZQ_FileName& FileName) {
  ZQF_PLUGIN_DocumentType* type = Instance->GetDocType();
  ZQF_PLUGIN_DocumentWriteFilter* filter = type->GetDefaultWriteFilter();
  if (!filter && type->GetDocumentWriteFilterIterator().IsValid())
    filter = type->GetDocumentWriteFilterIterator().GetCurrent();
  ZQ_StringStream text(0);
  if (filter)
    filter->WriteDocument(*Instance, text);
  else
    Instance->WriteDocument(text);
  ZQ_SaveStringAsFile(text, FileName);
}

ZQF_PLUGIN_DocumentManagerGlyph::SaveAnswer ZQF_PLUGIN_DocumentManagerGlyph::QueryUserForSave(
    ZQF_PLUGIN_DocumentInstance* Instance) {
  const ZQ_String values[] = {
      ZQ_Internationalization_Translate(Instance->GetDocType()->GetName()),
      ZQ_StringSubs::AddQuotesIfNecessary(Instance->GetFileName().GetFileName())};
  const MessageText& message = Messages[Message_SaveQuestion];
  ZQF_SimpleMessageDialogBox box;
  box.SetText(ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate(message.Text), values, 2));
  box.SetTitle(ZQ_Internationalization_Translate(message.ShortName));
  box.SetBitmap(ZQF_MessageKind_Question);
  box.AddButton("&Yes", SaveAnswer_Save, true);
  box.AddButton("&No", SaveAnswer_Discard, false);
  box.AddCancelButton("&Cancel", SaveAnswer_Cancel, false);
  try {
    box.Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
    return SaveAnswer_Cancel;
  }
  return box.GetResult() == SaveAnswer_Save ? SaveAnswer_Save : SaveAnswer_Discard;
}

const ZQF_PLUGIN_DocumentReadFilter* ZQF_PLUGIN_DocumentManagerGlyph::DetermineReadFilter(
    const ZQF_PLUGIN_DocumentReadFilter* Chosen, const ZQ_FileName& FileName) const {
  return Chosen ? Chosen : GetMostProbableReadFilterByExtension(FileName);
}

const ZQF_PLUGIN_DocumentReadFilter*
ZQF_PLUGIN_DocumentManagerGlyph::GetMostProbableReadFilterByExtension(
    const ZQ_FileName& FileName) const {
  const ZQ_String extension = FileName.GetExtension();
  for (auto t = DocumentTypes.GetIterator(); t.IsValid(); t.Advance())
    for (auto f = t.GetCurrent()->GetDocumentReadFilterIterator(); f.IsValid(); f.Advance())
      if (f.GetCurrent()->OffersExtension(extension)) return f.GetCurrent();
  return Util_FindApplicableReadRedirectionFilter(FileName);
}

ZQF_PLUGIN_DocumentType* ZQF_PLUGIN_DocumentManagerGlyph::GetTypeOfReadFilter(
    const ZQF_PLUGIN_DocumentReadFilter* Filter) const {
  ZQF_PLUGIN_DocumentType* owner = nullptr;
  for (auto t = DocumentTypes.GetIterator(); t.IsValid() && !owner; t.Advance())
    ForEachFileKind(t.GetCurrent(), [&](const ZQF_PLUGIN_DocumentReadFilter* F,
                                        const ZQF_PLUGIN_DocumentReadFilter::InformationType&) {
      if (F == Filter) owner = t.GetCurrent();
    });
  if (!owner) {  // a filter without file kinds
    for (auto t = DocumentTypes.GetIterator(); t.IsValid() && !owner; t.Advance())
      if (t.GetCurrent()->ContainsReadFilter(Filter)) owner = t.GetCurrent();
  }
  return owner;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::Util_DoesDocumentInstanceExist(
    const ZQ_FileName& FileName) const {
  return GetDocumentInstance(FileName) != nullptr;
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::Util_FindExistingDocumentInstance(
    const ZQ_FileName& FileName, ZQF_PLUGIN_DocumentType* DocType) {
  ZQF_PLUGIN_DocumentInstance* instance = GetDocumentInstance(FileName);
  if (!instance || !Util_PerformUnexpectedInstanceTypeCheck(instance, DocType)) return nullptr;
  return instance;
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::Util_GetNewDocumentInstance(
    ZQF_PLUGIN_DocumentType* DocType, const ZQ_FileName& FileName,
    const ZQF_PLUGIN_DocumentReadFilter* Filter, bool IsNew) {
  ZQ_ASSERT_TEXT(!Util_DoesDocumentInstanceExist(FileName),
                 "not Util_DoesDocumentInstanceExist (FileName)");
  if (!Util_PerformInstanceChecks(FileName, false)) return nullptr;
  const bool exists = ZQ_FileUtils::FileExists(FileName);
  if (IsNew && exists) {
    ShowMessage(Message_FileAlreadyExists, FileName.GetAbsolutePathName());
    return nullptr;
  }
  if (!IsNew && !exists) {
    ShowMessage(Message_FileDoesNotExist, FileName.GetAbsolutePathName());
    return nullptr;
  }
  if (!IsNew && (!Filter || !DocType)) {
    ShowMessage(Message_FileUnrecognized, FileName.GetAbsolutePathName(),
                ZQ_GetApplicationMetrics().GetApplicationName());
    return nullptr;
  }
  ZQF_PLUGIN_DocumentType* owner = Filter ? GetTypeOfReadFilter(Filter) : DocType;
  if (owner && owner != DocType) {
    ShowMessage(Message_FileUnexpectedFormat, FileName.GetAbsolutePathName(), DocType->GetName(),
                owner->GetName());
    return nullptr;
  }
  ZQF_PLUGIN_DocumentInstance* instance = DocType->CreateDocumentInstance();
  instance->SetFileName(FileName);
  try {
    if (!IsNew) {
      const_cast<ZQF_PLUGIN_DocumentReadFilter*>(Filter)->ReadDocument(*instance, FileName);
    } else if (DocType->GetNewDocumentModelFilename().IsNotNull() && Filter) {
      const_cast<ZQF_PLUGIN_DocumentReadFilter*>(Filter)->ReadDocument(
          *instance, DocType->GetNewDocumentModelFilename());
    }
  } catch (const ZQ_Exception& Error) {
    delete instance;
    ShowMessageBox(Error.GetDescription(), Error.GetName());
    return nullptr;
  }
  instance->UpdateIfChecksumChanged();
  instance->NoteSaved();
  AddDocumentInstance(instance);
  return instance;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::Util_PerformInstanceChecks(const ZQ_FileName& FileName,
                                                                 bool MustBeLoaded) {
  const bool loaded = Util_DoesDocumentInstanceExist(FileName);
  if (MustBeLoaded && !loaded) {
    ShowMessage(Message_DocumentNotLoaded, FileName.GetAbsolutePathName());
    return false;
  }
  if (!MustBeLoaded && loaded) {
    ShowMessage(Message_DocumentAlreadyExists,
                ZQ_StringSubs::AddQuotesIfNecessary(FileName.GetAbsolutePathName()));
    return false;
  }
  return true;
}

bool ZQF_PLUGIN_DocumentManagerGlyph::Util_PerformUnexpectedInstanceTypeCheck(
    ZQF_PLUGIN_DocumentInstance* Instance, ZQF_PLUGIN_DocumentType* DocType) {
  if (!DocType || Instance->GetDocType() == DocType) return true;
  ShowMessage(Message_DocumentOfWrongType, Instance->GetFileName().GetAbsolutePathName(),
              DocType->GetName(), Instance->GetDocType()->GetName());
  return false;
}

const ZQF_PLUGIN_DocumentReadRedirectionFilter*
ZQF_PLUGIN_DocumentManagerGlyph::Util_FindApplicableReadRedirectionFilter(
    const ZQ_FileName& FileName) const {
  const ZQ_String extension = FileName.GetExtension();
  for (auto t = DocumentTypes.GetIterator(); t.IsValid(); t.Advance())
    for (auto f = t.GetCurrent()->GetDocumentReadRedirectionFilterIterator(); f.IsValid();
         f.Advance())
      if (f.GetCurrent()->OffersExtension(extension)) return f.GetCurrent();
  return nullptr;
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::Util_GetRedirectedDocumentInstance(
    const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName) {
  if (Util_DoesDocumentInstanceExist(FileName))
    return Util_FindExistingRedirectedDocumentInstance(Filter, FileName);
  return Util_GetNewRedirectedDocumentInstance(Filter, FileName);
}

ZQF_PLUGIN_DocumentInstance*
ZQF_PLUGIN_DocumentManagerGlyph::Util_FindExistingRedirectedDocumentInstance(
    const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName) {
  return Util_FindExistingDocumentInstance(FileName, Filter->GetRedirectDocumentType());
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentManagerGlyph::Util_GetNewRedirectedDocumentInstance(
    const ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter, const ZQ_FileName& FileName) {
  ZQF_PLUGIN_DocumentType* RedirectDocType = Filter->GetRedirectDocumentType();
  Filter->CheckRedirectsTo(RedirectDocType);
  const ZQF_PLUGIN_DocumentReadFilter* reader = RedirectDocType->GetDefaultReadFilter();
  for (auto f = RedirectDocType->GetDocumentReadFilterIterator(); f.IsValid(); f.Advance())
    if (f.GetCurrent()->OffersExtension(FileName.GetExtension())) {
      reader = f.GetCurrent();
      break;
    }
  if (!reader && RedirectDocType->GetDocumentReadFilterIterator().IsValid())
    reader = RedirectDocType->GetDocumentReadFilterIterator().GetCurrent();
  return Util_GetNewDocumentInstance(RedirectDocType, FileName, reader, false);
}

void ZQF_PLUGIN_DocumentManagerGlyph::ShowMessage(MessageId Id, const ZQ_String& Value1,
                                                  const ZQ_String& Value2,
                                                  const ZQ_String& Value3) {
  const ZQ_String values[] = {Value1, Value2, Value3};
  ShowMessageBox(ZQ_Internationalization_FillPlaceholders(
                     ZQ_Internationalization_Translate(Messages[Id].Text), values, 3),
                 ZQ_Internationalization_Translate(Messages[Id].ShortName));
}

void ZQF_PLUGIN_DocumentManagerGlyph::ShowMessageBox(const ZQ_String& Text,
                                                     const ZQ_String& ShortName) {
  ZQF_MessageDialogBox box(Text, ShortName, ZQF_MessageKind_Error,
                           ZQF_MessageDialogBox::SelectedButton_OK, false);
  try {
    box.Run();
  } catch (const ZQ_CancelCurrentOperationException&) {
    // Escape or the close button: the box was read.
  }
}

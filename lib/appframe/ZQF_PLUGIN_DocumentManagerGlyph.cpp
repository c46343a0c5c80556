// The document manager: its types and instances, the open dialog's
// filters, the save-as run and the report section.
#include "ZQF_PLUGIN_DocumentManagerGlyph.h"

#include <cstdint>

#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQF_PLUGIN_DocumentInstance.h"
#include "ZQF_PLUGIN_DocumentType.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Map.h"
#include "ZQ_StringSubs.h"
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

}  // namespace

ZQF_PLUGIN_DocumentManagerGlyph::ZQF_PLUGIN_DocumentManagerGlyph() {
  ZQ_ASSERT(DocumentManagerInstance == NULL);
  DocumentManagerInstance = this;
}

ZQF_PLUGIN_DocumentManagerGlyph::~ZQF_PLUGIN_DocumentManagerGlyph() {
  // Instances first: their views may still ask for their types.
  while (!DocumentInstances.IsEmpty()) RemoveDocumentInstance(DocumentInstances.GetHead());
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
    ForEachFileKind(t.GetCurrent(), [&patterns](const ZQF_PLUGIN_DocumentReadFilter*,
                                                const ZQF_PLUGIN_DocumentReadFilter::InformationType&
                                                    Record) {
      const ZQF_FilterInfoStruct split("", Record.Patterns, 0);
      for (auto p = split.Patterns.GetIterator(); p.IsValid(); p.Advance())
        patterns.Set(p.GetCurrent(), true);
    });
  }
  if (patterns.GetNumElements() > 0) {
    const Entry& entry =
        Entries.Append(Entry{ZQ_Internationalization_Translate("All recognized file types"),
                             nullptr})->Data;
    Dialog.AddFilter(entry.Description, patterns.GetKeyIterator(), TagOf(entry),
                     entry.Description == SelectedDescription);
  }
  for (auto t = matching.GetIterator(); t.IsValid(); t.Advance()) {
    ForEachFileKind(t.GetCurrent(), [&](const ZQF_PLUGIN_DocumentReadFilter* Filter,
                                        const ZQF_PLUGIN_DocumentReadFilter::InformationType&
                                            Record) {
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

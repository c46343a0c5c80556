// Document types and their filters.
#include "ZQF_PLUGIN_DocumentType.h"

#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQF_PLUGIN_DocumentInstance.h"
#include "ZQ_Assertion.h"
#include "ZQ_FileName.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

template <class T>
bool Contains(const ZQ_List<T*>& List, const void* Element) {
  for (ZQ_ReadOnlyIterator<T*> i = List.GetIterator(); i.IsValid(); i.Advance())
    if (i.GetCurrent() == Element) return true;
  return false;
}

template <class T>
void DeleteAll(ZQ_List<T*>& List) {
  for (ZQ_ReadOnlyIterator<T*> i = List.GetIterator(); i.IsValid(); i.Advance())
    delete i.GetCurrent();
}

}  // namespace

ZQF_PLUGIN_DocumentReadFilter::~ZQF_PLUGIN_DocumentReadFilter() = default;

void ZQF_PLUGIN_DocumentReadFilter::AddInformation(const ZQ_String& Patterns,
                                                   const ZQ_String& Description) {
  Information.Append(InformationType{Patterns, Description});
}

ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentReadFilter::InformationType>
ZQF_PLUGIN_DocumentReadFilter::GetInformationIterator() const {
  return Information.GetIterator();
}

// The first pattern of Filter naming an extension, "" when none does.
static ZQ_String FirstPlainPattern(const ZQF_PLUGIN_DocumentReadFilter* Filter) {
  for (auto r = Filter->GetInformationIterator(); r.IsValid(); r.Advance()) {
    const ZQF_FilterInfoStruct split("", r.GetCurrent().Patterns, 0);
    for (auto p = split.Patterns.GetIterator(); p.IsValid(); p.Advance())
      if (p.GetCurrent().Find('*') < 0 && p.GetCurrent().Find('?') < 0) return p.GetCurrent();
  }
  return ZQ_String();
}

bool ZQF_PLUGIN_DocumentReadFilter::OffersExtension(const ZQ_String& Extension) const {
  const ZQ_String wanted =
      Extension.BeginsWith(".") ? Extension.GetRight(Extension.GetLength() - 1) : Extension;
  if (wanted.IsEmpty()) return false;
  for (auto r = Information.GetIterator(); r.IsValid(); r.Advance()) {
    const ZQF_FilterInfoStruct split("", r.GetCurrent().Patterns, 0);
    for (auto p = split.Patterns.GetIterator(); p.IsValid(); p.Advance())
      if (p.GetCurrent().Compare(wanted, true) == 0) return true;
  }
  return false;
}

void ZQF_PLUGIN_DocumentReadFilter::ReadDocument(ZQF_PLUGIN_DocumentInstance&, const ZQ_FileName&) {
}

void ZQF_PLUGIN_DocumentReadRedirectionFilter::CheckRedirectsTo(
    const ZQF_PLUGIN_DocumentType* DocType) const {
  ZQ_ASSERT(DocType == RedirectDocType);
}

ZQF_PLUGIN_DocumentWriteFilter::~ZQF_PLUGIN_DocumentWriteFilter() = default;

void ZQF_PLUGIN_DocumentWriteFilter::WriteDocument(const ZQF_PLUGIN_DocumentInstance& Instance,
                                                   ZQ_TextStreamFormatter& Out) {
  Instance.WriteDocument(Out);
}

ZQF_PLUGIN_DocumentViewGlyph* ZQF_PLUGIN_DocumentViewType::CreateView() {
  return new ZQF_PLUGIN_DocumentViewGlyph;
}

ZQF_PLUGIN_DocumentType::~ZQF_PLUGIN_DocumentType() {
  DeleteAll(ReadFilters);
  DeleteAll(ReadRedirectionFilters);
  DeleteAll(WriteFilters);
}

void ZQF_PLUGIN_DocumentType::SetDocumentManager(
    ZQF_PLUGIN_DocumentManagerGlyph* aDocumentManager) {
  ZQ_ASSERT(DocumentManager == NULL);
  ZQ_ASSERT(aDocumentManager != NULL);
  DocumentManager = aDocumentManager;
}

void ZQF_PLUGIN_DocumentType::AddReadFilter(ZQF_PLUGIN_DocumentReadFilter* Filter) {
  ReadFilters.Append(Filter);
}
void ZQF_PLUGIN_DocumentType::AddReadRedirectionFilter(
    ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter) {
  ReadRedirectionFilters.Append(Filter);
}
void ZQF_PLUGIN_DocumentType::AddWriteFilter(ZQF_PLUGIN_DocumentWriteFilter* Filter) {
  WriteFilters.Append(Filter);
}
void ZQF_PLUGIN_DocumentType::AddViewType(ZQF_PLUGIN_DocumentViewType* ViewType) {
  ViewTypes.Append(ViewType);
  WriteFilters.Append(ViewType);
}

bool ZQF_PLUGIN_DocumentType::ContainsReadFilter(
    const ZQF_PLUGIN_DocumentReadFilter* Filter) const {
  return Contains(ReadFilters, Filter);
}
bool ZQF_PLUGIN_DocumentType::ContainsWriteFilter(
    const ZQF_PLUGIN_DocumentWriteFilter* Filter) const {
  return Contains(WriteFilters, Filter);
}

void ZQF_PLUGIN_DocumentType::SetDefaultReadFilter(
    ZQF_PLUGIN_DocumentReadFilter* aDefaultReadFilter) {
  ZQ_ASSERT_TEXT(ContainsReadFilter(aDefaultReadFilter), "ContainsReadFilter (aDefaultReadFilter)");
  DefaultReadFilter = aDefaultReadFilter;
}
void ZQF_PLUGIN_DocumentType::SetDefaultWriteFilter(
    ZQF_PLUGIN_DocumentWriteFilter* aDefaultWriteFilter) {
  ZQ_ASSERT_TEXT(ContainsWriteFilter(aDefaultWriteFilter),
                 "ContainsWriteFilter (aDefaultWriteFilter)");
  DefaultWriteFilter = aDefaultWriteFilter;
}

ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentReadFilter*>
ZQF_PLUGIN_DocumentType::GetDocumentReadFilterIterator() const {
  return ReadFilters.GetIterator();
}
ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentReadRedirectionFilter*>
ZQF_PLUGIN_DocumentType::GetDocumentReadRedirectionFilterIterator() const {
  return ReadRedirectionFilters.GetIterator();
}
ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentWriteFilter*>
ZQF_PLUGIN_DocumentType::GetDocumentWriteFilterIterator() const {
  return WriteFilters.GetIterator();
}

ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentViewType*>
ZQF_PLUGIN_DocumentType::GetDocumentViewTypeIterator() const {
  return ViewTypes.GetIterator();
}

ZQF_PLUGIN_DocumentViewType* ZQF_PLUGIN_DocumentType::GetDefaultViewType() const {
  return ViewTypes.GetHead();
}

ZQF_PLUGIN_DocumentInstance* ZQF_PLUGIN_DocumentType::CreateDocumentInstance() {
  return new ZQF_PLUGIN_DocumentInstance(this);
}

ZQ_FileName ZQF_PLUGIN_DocumentType::GetNewDocumentModelFilename() const { return ZQ_FileName(); }

ZQ_String ZQF_PLUGIN_DocumentType::GetDefaultExtension() const {
  if (DefaultReadFilter) {
    const ZQ_String pattern = FirstPlainPattern(DefaultReadFilter);
    if (!pattern.IsEmpty()) return pattern;
  }
  for (auto f = ReadFilters.GetIterator(); f.IsValid(); f.Advance()) {
    const ZQ_String pattern = FirstPlainPattern(f.GetCurrent());
    if (!pattern.IsEmpty()) return pattern;
  }
  return "doc";
}

ZQ_String ZQF_PLUGIN_DocumentType::GetName() const { return "document"; }
ZQ_String ZQF_PLUGIN_DocumentType::GetShortDescription() const {
  return "Generic Document Short Description";
}
ZQ_String ZQF_PLUGIN_DocumentType::GetLongDescription() const {
  return "Generic Document Long Description";
}

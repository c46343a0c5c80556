// Document types and their filters.
#include "ZQF_PLUGIN_DocumentType.h"

#include "ZQ_Assertion.h"

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

void ZQF_PLUGIN_DocumentReadRedirectionFilter::CheckRedirectsTo(
    const ZQF_PLUGIN_DocumentType* DocType) const {
  ZQ_ASSERT(DocType == RedirectDocType);
}

ZQF_PLUGIN_DocumentWriteFilter::~ZQF_PLUGIN_DocumentWriteFilter() = default;

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
  ZQ_ASSERT_TEXT(ContainsReadFilter(aDefaultReadFilter),
                 "ContainsReadFilter (aDefaultReadFilter)");
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

ZQ_String ZQF_PLUGIN_DocumentType::GetName() const { return "document"; }
ZQ_String ZQF_PLUGIN_DocumentType::GetShortDescription() const {
  return "Generic Document Short Description";
}
ZQ_String ZQF_PLUGIN_DocumentType::GetLongDescription() const {
  return "Generic Document Long Description";
}

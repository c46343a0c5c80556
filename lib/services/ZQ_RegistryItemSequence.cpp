#include "ZQ_RegistryItemSequence.h"

#include "ZQ_AutoPtr.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Hasher.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_StackTrace.h"

ZQ_RegistryItemSequence::ZQ_RegistryItemSequence() : NumItems(0) {}

ZQ_RegistryItemSequence::~ZQ_RegistryItemSequence() { Clear(); }

void ZQ_RegistryItemSequence::Append(ZQ_RegistryItem* Item) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItemSequence::Append");
  ZQ_AutoPtr<ZQ_RegistryItem> owned(Item);  // not leaked if the growth throws
  Items[NumItems] = owned.Release();
  ++NumItems;
}

void ZQ_RegistryItemSequence::Clear() {
  for (long i = 0; i < NumItems; ++i) {
    delete Items[i];
    Items[i] = nullptr;
  }
  NumItems = 0;
}

ZQ_RegistryItem* ZQ_RegistryItemSequence::GetItem(long Index) const {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItemSequence::GetItem");
  ZQ_ASSERT_TEXT(Index >= 0 && Index < NumItems, "Index >= 0 and Index < N");
  if (Index < 0 || Index >= NumItems) return nullptr;
  return Items[Index];
}

void ZQ_RegistryItemSequence::WriteToBinaryStream(ZQ_StreamSink& Sink) const {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItemSequence::WriteToBinaryStream");
  Sink << ZQ_RegistryItemSequence_ClassID << NumItems;
  for (long i = 0; i < NumItems; ++i) Items[i]->WriteToBinaryStream(Sink);
}

void ZQ_RegistryItemSequence::AddToHash(ZQ_Hasher& Hasher) const {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItemSequence::AddToHash");
  Hasher << ZQ_RegistryItemSequence_ClassID << NumItems;
  for (long i = 0; i < NumItems; ++i) Items[i]->AddToHash(Hasher);
}

void ZQ_RegistryItemSequence::ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) {
  ZQ_TRACE_FUNCTION("ZQ_RegistryItemSequence::ReadFromBinaryStream");
  Clear();
  const long count = Parser.ReadCount(4);  // each item has at least its class id
  for (long i = 0; i < count; ++i) {
    ZQ_AutoPtr<ZQ_RegistryItem> item(ZQ_CreateRegistryItemFromBinaryStream(Parser));
    // Sequences are never converted: a legacy item here is damaged data.
    if (item->IsLegacyDatatype())
      ZQ_ThrowRegistryStreamError(ZQ_Internationalization_Translate(
          "A registry sequence holds an item of an old class, which cannot be converted."));
    Append(item.Release());
  }
}

// RegistryTestSupport.h: helpers of the settings-registry tests: byte
// strings for the binary form, parsing a byte string into a folder, counting
// debugging-log lines, and the message of a thrown ZQ_Exception.
#ifndef REGISTRY_TEST_SUPPORT_H
#define REGISTRY_TEST_SUPPORT_H

#include <initializer_list>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/StringTestSupport.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_StreamSink.h"
#include "ZQ_StreamSource.h"

// Little-endian bytes of the binary form, built piece by piece.
class RegistryBytes {
 public:
  RegistryBytes& Int(long Value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((static_cast<unsigned long>(Value) >> (8 * i)) & 0xFF);
    return *this;
  }
  RegistryBytes& Short(short Value) {
    bytes += static_cast<char>(Value & 0xFF);
    bytes += static_cast<char>((static_cast<unsigned short>(Value) >> 8) & 0xFF);
    return *this;
  }
  RegistryBytes& Byte(unsigned char Value) {
    bytes += static_cast<char>(Value);
    return *this;
  }
  RegistryBytes& Raw(const void* Data, int N) {
    bytes.append(static_cast<const char*>(Data), N);
    return *this;
  }
  RegistryBytes& Str(const std::string& Text) {
    Int(static_cast<long>(Text.size()));
    bytes += Text;
    return *this;
  }
  RegistryBytes& FolderHeader(long Count) { return Int(ZQ_RegistryFolder_ClassID).Int(Count); }
  const std::string& Get() const { return bytes; }

 private:
  std::string bytes;
};

inline ZQ_String ToZQ(const std::string& Bytes) {
  return ZQ_String(Bytes.data(), static_cast<int>(Bytes.size()));
}

inline std::string WriteToBytes(const ZQ_RegistryItem& Item) {
  ZQ_String target;
  ZQ_StreamSink sink = ZQ_CreateStringStreamSink(&target);
  Item.WriteToBinaryStream(sink);
  return std::string(target.GetText(), target.GetLength());
}

inline void LoadFromBytes(const std::string& Bytes, ZQ_RegistryFolder& Folder) {
  ZQ_BinaryStreamParser parser(ZQ_CreateStringStreamSource(ToZQ(Bytes)));
  ZQ_LoadRegistryFolderFromBinaryStream(parser, Folder);
}

inline std::string AssertionFailure(const std::string& Condition) {
  return "Assertion failed: " + Condition + ",";
}

inline int CountInDebugLog(const std::string& Text) {
  const std::string log(ZQ_GetDebugLogText().GetText(), ZQ_GetDebugLogText().GetLength());
  int count = 0;
  for (size_t at = log.find(Text); at != std::string::npos; at = log.find(Text, at + 1)) ++count;
  return count;
}

inline bool RegistryTreesEqual(const ZQ_RegistryItem& A, const ZQ_RegistryItem& B);

// Same keys and values, whatever the order of the entries (the binary form
// follows the map's bucket order, which depends on how the map grew).
inline bool RegistryFoldersEqual(const ZQ_RegistryFolder& A, const ZQ_RegistryFolder& B) {
  if (A.GetNumItems() != B.GetNumItems()) return false;
  for (auto it = A.GetIterator(); it.IsValid(); it.Advance()) {
    const ZQ_RegistryItem* other = B.GetItemIfExists(it->GetKey());
    if (!other || !RegistryTreesEqual(*it->GetValue(), *other)) return false;
  }
  return true;
}

inline bool RegistryTreesEqual(const ZQ_RegistryItem& A, const ZQ_RegistryItem& B) {
  const auto* folderA = dynamic_cast<const ZQ_RegistryFolder*>(&A);
  const auto* folderB = dynamic_cast<const ZQ_RegistryFolder*>(&B);
  if (folderA || folderB) return folderA && folderB && RegistryFoldersEqual(*folderA, *folderB);
  const auto* listA = dynamic_cast<const ZQ_RegistryItemSequence*>(&A);
  const auto* listB = dynamic_cast<const ZQ_RegistryItemSequence*>(&B);
  if (listA || listB) {
    if (!listA || !listB || listA->GetNumItems() != listB->GetNumItems()) return false;
    for (long i = 0; i < listA->GetNumItems(); ++i)
      if (!RegistryTreesEqual(*listA->GetItem(i), *listB->GetItem(i))) return false;
    return true;
  }
  return WriteToBytes(A) == WriteToBytes(B);
}

#endif

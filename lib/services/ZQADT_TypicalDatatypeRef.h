// ZQADT_TypicalDatatypeRef.h: the datatype of one value kind T, named by its
// display name. Values may lie at any address (records pack their fields):
// plain kinds are read and written by byte copies, the others are
// constructed in place. T's default value is T() unless
// ZQADT_DefaultValue<T> says otherwise. One thread only.
#ifndef ZQADT_TYPICALDATATYPEREF_H
#define ZQADT_TYPICALDATATYPEREF_H

#include <cstring>
#include <new>
#include <type_traits>

#include "ZQADT_Datatype.h"
#include "ZQ_Hasher.h"
#include "ZQ_StringStream.h"

template <class T>
struct ZQADT_DefaultValue {
  static T Get() { return T(); }
};

template <class T>
class ZQADT_TypicalDatatypeRef : public ZQADT_DatatypeRef {
  static constexpr bool kIsPlain = std::is_trivially_copyable<T>::value;

 public:
  explicit ZQADT_TypicalDatatypeRef(const ZQ_String& DisplayName) : DisplayName(DisplayName) {}

  ZQ_String GetDisplayName() const override { return DisplayName; }
  int GetSize() const override { return static_cast<int>(sizeof(T)); }

  void ConstructInPlace(void* Location) const override {
    if (kIsPlain) Store(Location, T());
    else new (Location) T();
  }
  void CopyConstructInPlace(void* Location, const void* Source) const override {
    if (kIsPlain) std::memcpy(Location, Source, sizeof(T));
    else new (Location) T(*static_cast<const T*>(Source));
  }
  void DestroyInPlace(void* Location) const override {
    if (!kIsPlain) static_cast<T*>(Location)->~T();
  }
  void Assign(void* Location, const void* Source) const override {
    if (kIsPlain) std::memcpy(Location, Source, sizeof(T));
    else *static_cast<T*>(Location) = *static_cast<const T*>(Source);
  }
  void SetToDefault(void* Location) const override {
    if (kIsPlain) Store(Location, ZQADT_DefaultValue<T>::Get());
    else *static_cast<T*>(Location) = ZQADT_DefaultValue<T>::Get();
  }
  bool IsEqual(const void* A, const void* B) const override { return Load(A) == Load(B); }
  bool IsLess(const void* A, const void* B) const override { return Load(A) < Load(B); }
  ZQ_String ToText(const void* Location) const override {
    ZQ_StringStream stream;
    Write(stream, Load(Location));
    return ZQ_String(stream.GetText(), stream.GetLength());
  }
  void Hash(ZQ_Hasher& Hasher, const void* Location) const override {
    Hasher << Load(Location);
  }

 private:
  // A copy of the value: plain kinds are read byte by byte, so that an
  // unaligned field is never read through a T pointer.
  static T Load(const void* Location) {
    if (kIsPlain) {
      typename std::aligned_storage<sizeof(T), alignof(T)>::type buffer;
      std::memcpy(&buffer, Location, sizeof(T));
      return *reinterpret_cast<const T*>(&buffer);
    }
    return *static_cast<const T*>(Location);
  }
  static void Store(void* Location, const T& Value) { std::memcpy(Location, &Value, sizeof(T)); }
  static void Write(ZQ_TextStreamFormatter& Stream, const T& Value) { Stream << Value; }

  ZQ_String DisplayName;
};

// A float is written widened to double.
template <>
inline void ZQADT_TypicalDatatypeRef<float>::Write(ZQ_TextStreamFormatter& Stream,
                                                   const float& Value) {
  Stream << static_cast<double>(Value);
}

#endif

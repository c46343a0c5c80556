// ZQ_RegValueItem.h: ZQ_RegValueItem<T, ClassID>, the common shape of the
// registry's value items: one value of type T, written as the class id and
// the value's binary form, read back with the binary parser, and hashed as
// the class id and the value's hash form. The typed
// item classes (ZQ_RegistryValueItems.h) derive from it. One thread only.
#ifndef ZQ_REGVALUEITEM_H
#define ZQ_REGVALUEITEM_H

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Hasher.h"
#include "ZQ_RegistryItem.h"

// The binary sink has no float (it would be an easy slip for a double); the
// old float item still needs its 4 bytes written.
inline void ZQ_WriteRegistryValue(ZQ_StreamSink& Sink, float Value) { Sink.Write(&Value, 4); }
template <class T>
void ZQ_WriteRegistryValue(ZQ_StreamSink& Sink, const T& Value) {
  Sink << Value;
}

template <class T, long ID>
class ZQ_RegValueItem : public ZQ_RegistryItem {
 public:
  static const long ClassID = ID;

  ZQ_RegValueItem() : Value() {}
  explicit ZQ_RegValueItem(const T& Value) : Value(Value) {}

  const T& GetValue() const { return Value; }
  void SetValue(const T& NewValue) { Value = NewValue; }

  void WriteToBinaryStream(ZQ_StreamSink& Sink) const override {
    Sink << ClassID;
    ZQ_WriteRegistryValue(Sink, Value);
  }
  void ReadFromBinaryStream(ZQ_BinaryStreamParser& Parser) override { Parser >> Value; }
  void AddToHash(ZQ_Hasher& Hasher) const override { Hasher << ClassID << Value; }

 private:
  T Value;
};

#endif

// ZQ_Hasher.h: the MD4 digest (RFC 1320) of a sequence of values, returned as
// a ZQ_UID. A content fingerprint, not a security measure. Values are added
// with << in their little-endian in-memory bytes; the first GetHash finalises
// the digest and adding afterwards fails the assertion "not HashComputed".
// A value on the stack: no allocation. One thread only.
#ifndef ZQ_HASHER_H
#define ZQ_HASHER_H

#include <cstdint>

#include "ZQ_UID.h"

class ZQ_String;

class ZQ_Hasher {
 public:
  ZQ_Hasher();

  // Adds Count bytes from Bytes (not null when Count > 0).
  void AddBytes(const void* Bytes, unsigned long Count);

  // Integers of 32 bits add 4 bytes, shorts 2, float and double their IEEE
  // bits (4 and 8), bool the byte 1 or 0.
  ZQ_Hasher& operator<<(int Value);
  ZQ_Hasher& operator<<(unsigned int Value);
  ZQ_Hasher& operator<<(long Value);
  ZQ_Hasher& operator<<(unsigned long Value);
  ZQ_Hasher& operator<<(short Value);
  ZQ_Hasher& operator<<(unsigned short Value);
  ZQ_Hasher& operator<<(float Value);
  ZQ_Hasher& operator<<(double Value);
  ZQ_Hasher& operator<<(bool Value);
  // The characters only: no length and no terminator.
  ZQ_Hasher& operator<<(const ZQ_String& Value);
  // Words 0 to 3 as unsigned longs.
  ZQ_Hasher& operator<<(const ZQ_UID& Value);
  // A literal would otherwise become a bool.
  ZQ_Hasher& operator<<(const char* Value) = delete;

  // The digest. Each word read as a big-endian number is four bytes of the
  // standard digest, so the text form spells the usual hexadecimal digest.
  // The first call finalises; later calls return the same identifier.
  ZQ_UID GetHash();

 private:
  void Compress(const unsigned char* Block);
  template <class T> ZQ_Hasher& AddValue(const T& Value);

  std::uint32_t State[4];
  std::uint32_t BitCountLow = 0;
  std::uint32_t BitCountHigh = 0;
  unsigned char Buffer[64];
  ZQ_UID Result;
  bool HashComputed = false;
};

#endif

// ZQ_Hasher.cpp: MD4 update and finalisation as RFC 1320 gives them.
#include "ZQ_Hasher.h"

#include <cstring>

#include "ZQ_Assertion.h"
#include "ZQ_String.h"

namespace {

inline std::uint32_t RotateLeft(std::uint32_t X, int N) { return (X << N) | (X >> (32 - N)); }
inline std::uint32_t F(std::uint32_t X, std::uint32_t Y, std::uint32_t Z) { return (X & Y) | (~X & Z); }
inline std::uint32_t G(std::uint32_t X, std::uint32_t Y, std::uint32_t Z) {
  return (X & Y) | (X & Z) | (Y & Z);
}
inline std::uint32_t H(std::uint32_t X, std::uint32_t Y, std::uint32_t Z) { return X ^ Y ^ Z; }

std::uint32_t ReadLittleEndian(const unsigned char* Bytes) {
  return static_cast<std::uint32_t>(Bytes[0]) | static_cast<std::uint32_t>(Bytes[1]) << 8 |
         static_cast<std::uint32_t>(Bytes[2]) << 16 | static_cast<std::uint32_t>(Bytes[3]) << 24;
}

void WriteLittleEndian(std::uint32_t Value, unsigned char* Bytes) {
  for (int i = 0; i < 4; ++i) Bytes[i] = static_cast<unsigned char>(Value >> (8 * i));
}

std::uint32_t ReverseBytes(std::uint32_t Value) {
  return (Value >> 24) | ((Value >> 8) & 0xFF00) | ((Value << 8) & 0xFF0000) | (Value << 24);
}

}  // namespace

ZQ_Hasher::ZQ_Hasher() : State{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, Buffer{} {}

void ZQ_Hasher::AddBytes(const void* Bytes, unsigned long Count) {
  ZQ_ASSERT(not HashComputed);
  if (HashComputed || Count == 0) return;
  const unsigned char* Input = static_cast<const unsigned char*>(Bytes);
  unsigned long Buffered = (BitCountLow >> 3) & 0x3F;
  std::uint32_t AddedBits = static_cast<std::uint32_t>(Count) << 3;
  BitCountLow += AddedBits;
  if (BitCountLow < AddedBits) ++BitCountHigh;
  BitCountHigh += static_cast<std::uint32_t>(Count) >> 29;

  unsigned long Room = 64 - Buffered;
  unsigned long Used = 0;
  if (Count >= Room) {
    std::memcpy(Buffer + Buffered, Input, Room);
    Compress(Buffer);
    // Whole blocks go straight from the input.
    for (Used = Room; Used + 63 < Count; Used += 64) Compress(Input + Used);
    Buffered = 0;
  }
  std::memcpy(Buffer + Buffered, Input + Used, Count - Used);
}

void ZQ_Hasher::Compress(const unsigned char* Block) {
  std::uint32_t X[16];
  for (int i = 0; i < 16; ++i) X[i] = ReadLittleEndian(Block + 4 * i);
  std::uint32_t A = State[0], B = State[1], C = State[2], D = State[3];

  static const int kRound1Shifts[4] = {3, 7, 11, 19};
  for (int i = 0; i < 16; ++i) {
    std::uint32_t T = A + F(B, C, D) + X[i];
    A = D; D = C; C = B; B = RotateLeft(T, kRound1Shifts[i % 4]);
  }
  static const int kRound2Shifts[4] = {3, 5, 9, 13};
  for (int i = 0; i < 16; ++i) {
    int k = (i % 4) * 4 + i / 4;  // 0, 4, 8, 12, 1, 5, ...
    std::uint32_t T = A + G(B, C, D) + X[k] + 0x5A827999;
    A = D; D = C; C = B; B = RotateLeft(T, kRound2Shifts[i % 4]);
  }
  static const int kRound3Order[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
  static const int kRound3Shifts[4] = {3, 9, 11, 15};
  for (int i = 0; i < 16; ++i) {
    std::uint32_t T = A + H(B, C, D) + X[kRound3Order[i]] + 0x6ED9EBA1;
    A = D; D = C; C = B; B = RotateLeft(T, kRound3Shifts[i % 4]);
  }
  State[0] += A;
  State[1] += B;
  State[2] += C;
  State[3] += D;
}

template <class T>
ZQ_Hasher& ZQ_Hasher::AddValue(const T& Value) {
  // x86 keeps values little-endian, the order the digest is defined on.
  AddBytes(&Value, sizeof(T));
  return *this;
}

ZQ_Hasher& ZQ_Hasher::operator<<(int Value) { return AddValue(static_cast<std::int32_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(unsigned int Value) { return AddValue(static_cast<std::uint32_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(long Value) { return AddValue(static_cast<std::int32_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(unsigned long Value) { return AddValue(static_cast<std::uint32_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(short Value) { return AddValue(static_cast<std::int16_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(unsigned short Value) { return AddValue(static_cast<std::uint16_t>(Value)); }
ZQ_Hasher& ZQ_Hasher::operator<<(float Value) { return AddValue(Value); }
ZQ_Hasher& ZQ_Hasher::operator<<(double Value) { return AddValue(Value); }
ZQ_Hasher& ZQ_Hasher::operator<<(bool Value) { return AddValue(static_cast<unsigned char>(Value ? 1 : 0)); }

ZQ_Hasher& ZQ_Hasher::operator<<(const ZQ_String& Value) {
  AddBytes(Value.GetText(), static_cast<unsigned long>(Value.GetLength()));
  return *this;
}

ZQ_Hasher& ZQ_Hasher::operator<<(const ZQ_UID& Value) {
  for (int k = 0; k < 4; ++k) *this << Value.GetWord(k);
  return *this;
}

ZQ_UID ZQ_Hasher::GetHash() {
  if (!HashComputed) {
    unsigned char Length[8];
    WriteLittleEndian(BitCountLow, Length);
    WriteLittleEndian(BitCountHigh, Length + 4);
    unsigned long Buffered = (BitCountLow >> 3) & 0x3F;
    unsigned long PaddingLength = Buffered < 56 ? 56 - Buffered : 120 - Buffered;
    unsigned char Padding[64] = {0x80};
    AddBytes(Padding, PaddingLength);
    AddBytes(Length, 8);
    Result = ZQ_UID(ReverseBytes(State[0]), ReverseBytes(State[1]), ReverseBytes(State[2]),
                    ReverseBytes(State[3]));
    HashComputed = true;
  }
  return Result;
}

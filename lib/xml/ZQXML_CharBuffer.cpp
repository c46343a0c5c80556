#include "ZQXML_CharBuffer.h"

void ZQXML_CharBuffer::AppendCharacterReference(unsigned char Code) {
  char reference[6] = {'&', '#'};
  int n = 2;
  if (Code >= 100) reference[n++] = static_cast<char>('0' + Code / 100);
  if (Code >= 10) reference[n++] = static_cast<char>('0' + Code / 10 % 10);
  reference[n++] = static_cast<char>('0' + Code % 10);
  Append(reference, n);
  Append(';');
}

void ZQXML_CharBuffer::Reserve(long Needed) {
  if (Needed <= Capacity) return;
  long capacity = Capacity < 256 ? 256 : Capacity;
  while (capacity < Needed) capacity *= 2;
  char* data = new char[static_cast<size_t>(capacity)];
  if (Length) std::memcpy(data, Data, static_cast<size_t>(Length));
  delete[] Data;
  Data = data;
  Capacity = capacity;
}

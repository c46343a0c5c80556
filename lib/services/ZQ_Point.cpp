// ZQ_Point.cpp: text, binary, hash and trace forms of the two point types.
#include "ZQ_Point.h"

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Hasher.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

template <class T>
ZQ_TextStreamFormatter& WriteText(ZQ_TextStreamFormatter& Out, const ZQ_Point<T>& P) {
  return Out << "(" << P.X << ", " << P.Y << ")";
}

template <class T>
ZQ_BinaryStreamParser& ReadBinary(ZQ_BinaryStreamParser& Parser, ZQ_Point<T>& P) {
  ZQ_Point<T> Read;
  Parser >> Read.X >> Read.Y;
  P = Read;
  return Parser;
}

ZQ_String FormatLongPoint(const void* Address) {
  return ZQ_ToString(*static_cast<const ZQ_Point<long>*>(Address));
}
ZQ_String FormatDoublePoint(const void* Address) {
  return ZQ_ToString(*static_cast<const ZQ_Point<double>*>(Address));
}

const ZQ_StackTrace_RegisterVarFormatter s_registerLongPoint(14, &FormatLongPoint);
const ZQ_StackTrace_RegisterVarFormatter s_registerDoublePoint(15, &FormatDoublePoint);

}  // namespace

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Point<long>& P) {
  return WriteText(Out, P);
}
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Point<double>& P) {
  return WriteText(Out, P);
}

ZQ_String ZQ_ToString(const ZQ_Point<long>& P) {
  ZQ_StringStream Out;
  Out << P;
  return ZQ_String(Out);
}
ZQ_String ZQ_ToString(const ZQ_Point<double>& P) {
  ZQ_StringStream Out;
  Out << SetPrecision(17) << P;
  return ZQ_String(Out);
}

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Point<long>& P) { return Sink << P.X << P.Y; }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Point<double>& P) { return Sink << P.X << P.Y; }
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Point<long>& P) {
  return ReadBinary(Parser, P);
}
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Point<double>& P) {
  return ReadBinary(Parser, P);
}
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Point<long>& P) { return Hasher << P.X << P.Y; }
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Point<double>& P) { return Hasher << P.X << P.Y; }

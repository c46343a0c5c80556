// ZQ_Rectangle.cpp: text, binary, hash and trace forms of the two rectangle
// types.
#include "ZQ_Rectangle.h"

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Hasher.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

template <class T>
ZQ_TextStreamFormatter& WriteText(ZQ_TextStreamFormatter& Out, const ZQ_Rectangle<T>& R) {
  return Out << "(" << R.X << ", " << R.Y << ", " << R.Width << ", " << R.Height << ")";
}

template <class T>
ZQ_BinaryStreamParser& ReadBinary(ZQ_BinaryStreamParser& Parser, ZQ_Rectangle<T>& R) {
  ZQ_Rectangle<T> Read;
  Parser >> Read.X >> Read.Y >> Read.Width >> Read.Height;
  R = Read;
  return Parser;
}

template <class Sink, class T>
Sink& WriteFields(Sink& Out, const ZQ_Rectangle<T>& R) {
  return Out << R.X << R.Y << R.Width << R.Height;
}

ZQ_String FormatLongRectangle(const void* Address) {
  return ZQ_ToString(*static_cast<const ZQ_Rectangle<long>*>(Address));
}
ZQ_String FormatDoubleRectangle(const void* Address) {
  return ZQ_ToString(*static_cast<const ZQ_Rectangle<double>*>(Address));
}

const ZQ_StackTrace_RegisterVarFormatter s_registerLongRectangle(16, &FormatLongRectangle);
const ZQ_StackTrace_RegisterVarFormatter s_registerDoubleRectangle(17, &FormatDoubleRectangle);

}  // namespace

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Rectangle<long>& R) {
  return WriteText(Out, R);
}
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Rectangle<double>& R) {
  return WriteText(Out, R);
}

ZQ_String ZQ_ToString(const ZQ_Rectangle<long>& R) {
  ZQ_StringStream Out;
  Out << R;
  return ZQ_String(Out);
}
ZQ_String ZQ_ToString(const ZQ_Rectangle<double>& R) {
  ZQ_StringStream Out;
  Out << SetPrecision(17) << R;
  return ZQ_String(Out);
}

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Rectangle<long>& R) { return WriteFields(Sink, R); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Rectangle<double>& R) { return WriteFields(Sink, R); }
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Rectangle<long>& R) {
  return ReadBinary(Parser, R);
}
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Rectangle<double>& R) {
  return ReadBinary(Parser, R);
}
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Rectangle<long>& R) { return WriteFields(Hasher, R); }
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Rectangle<double>& R) { return WriteFields(Hasher, R); }

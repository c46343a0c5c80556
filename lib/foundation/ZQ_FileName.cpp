#include "ZQ_FileName.h"

#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_StringSubs.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

// Room for the names the Windows calls hand back, terminating NUL included.
const DWORD kNameBufferLength = 1024;

bool IsSeparator(char Char) { return Char == '/' || Char == '\\'; }

// Whether Text[Start, End) holds a separator.
bool HoldsSeparator(const ZQ_String& Text, int Start, int End) {
  for (int i = Start; i < End; ++i)
    if (IsSeparator(Text.GetText()[i])) return true;
  return false;
}

ZQ_String WithoutQuotes(const ZQ_String& Text) {
  return ZQ_StringSubs::StripQuotes(Text, '"', '"');
}

ZQ_String Slice(const ZQ_String& Text, int Start, int End) {
  return ZQ_String(Text.GetText() + Start, End - Start);
}

ZQ_String FormatWatchedFileName(const void* Address) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::FormatWatchedFileName");
  const ZQ_FileName& name = *static_cast<const ZQ_FileName*>(Address);
  return "\"" + name.GetPathName() + "\"";
}

const ZQ_StackTrace_RegisterVarFormatter s_registerFormatter(
    ZQ_StackTrace_TypeCode<ZQ_FileName>::Value, &FormatWatchedFileName);

}  // namespace

ZQ_FileName::ZQ_FileName() {
  ZQ_TRACE_FUNCTION("ZQ_FileName::ZQ_FileName");
  CheckInvariant();
}

ZQ_FileName::ZQ_FileName(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::ZQ_FileName");
  StoreAndParse(Text);
}

ZQ_FileName::ZQ_FileName(const char* Text) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::ZQ_FileName");
  StoreAndParse(ZQ_String(Text));
}

ZQ_FileName& ZQ_FileName::operator=(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::operator=");
  StoreAndParse(Text);
  return *this;
}

ZQ_FileName& ZQ_FileName::operator=(const char* Text) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::operator=");
  StoreAndParse(ZQ_String(Text));
  return *this;
}

void ZQ_FileName::StoreAndParse(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::StoreAndParse");
  Name = WithoutQuotes(Text);
  Parse();
}

void ZQ_FileName::Parse() {
  ZQ_TRACE_FUNCTION("ZQ_FileName::Parse");
  const int length = Name.GetLength();
  const char* text = Name.GetText();
  Eindex = length;
  Bindex = 0;
  // From the end: a "." before any separator starts the extension; the first
  // separator ends the path.
  for (int i = length - 1; i >= 0; --i) {
    if (IsSeparator(text[i])) {
      Bindex = i + 1;
      break;
    }
    if (text[i] == '.' && Eindex == length) Eindex = i;
  }
  CheckInvariant();
}

void ZQ_FileName::CheckInvariant() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::CheckInvariant");
  const int length = Name.GetLength();
  ZQ_ASSERT_TEXT(0 <= Bindex && Bindex <= Eindex && Eindex <= length,
                 "0 <= Bindex and Bindex <= Eindex and Eindex <= Name.GetLength()");
  if (!(0 <= Bindex && Bindex <= Eindex && Eindex <= length)) return;
  ZQ_ASSERT_TEXT(!HoldsSeparator(Name, Eindex, length),
                 "S.FindIndexOfFirstOccurence ('/') == ZQ_NoMatch and "
                 "S.FindIndexOfFirstOccurence ('\\\\') == ZQ_NoMatch");
  // Parsing never puts a separator into the base; SetBase could, and the
  // name would then split differently once parsed again.
  ZQ_ASSERT_TEXT(!HoldsSeparator(Name, Bindex, Eindex),
                 "GetBase ().FindIndexOfFirstOccurence ('/') == ZQ_NoMatch and "
                 "GetBase ().FindIndexOfFirstOccurence ('\\\\') == ZQ_NoMatch");
  if (Bindex > 0)
    ZQ_ASSERT_TEXT(IsSeparator(Name.GetText()[Bindex - 1]),
                   "Name [Bindex-1] == '/' or Name [Bindex-1] == '\\\\'");
  if (Eindex < length)
    ZQ_ASSERT_TEXT(Slice(Name, Eindex, length).FindLast('.') == 0,
                   "ZQ_String (Name (Eindex, Name.GetLength()-Eindex))."
                   "FindIndexOfLastOccurence ('.') == 0");
}

ZQ_String ZQ_FileName::GetPath() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetPath");
  return Slice(Name, 0, Bindex);
}

ZQ_String ZQ_FileName::GetBase() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetBase");
  return Slice(Name, Bindex, Eindex);
}

ZQ_String ZQ_FileName::GetExtension() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetExtension");
  return Slice(Name, Eindex, Name.GetLength());
}

ZQ_String ZQ_FileName::GetFileName() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetFileName");
  return Slice(Name, Bindex, Name.GetLength());
}

void ZQ_FileName::SetPath(const ZQ_String& Path, int SetMode) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::SetPath");
  CheckInvariant();
  if (SetMode == SetMode_KeepExisting && Bindex > 0) return;
  ZQ_String path = WithoutQuotes(Path);
  if (!path.IsEmpty() && !IsSeparator(path.GetLastChar())) path += '\\';
  const int change = path.GetLength() - Bindex;
  Name.Replace(0, Bindex, path.GetText(), path.GetLength());
  Bindex += change;
  Eindex += change;
  CheckInvariant();
}

void ZQ_FileName::SetBase(const ZQ_String& Base, int SetMode) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::SetBase");
  CheckInvariant();
  if (SetMode == SetMode_KeepExisting && Bindex < Eindex) return;
  const ZQ_String base = WithoutQuotes(Base);
  Name.Replace(Bindex, Eindex - Bindex, base.GetText(), base.GetLength());
  Eindex = Bindex + base.GetLength();
  CheckInvariant();
}

void ZQ_FileName::SetExtension(const ZQ_String& Extension, int SetMode) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::SetExtension");
  CheckInvariant();
  if (SetMode == SetMode_KeepExisting && Eindex < Name.GetLength()) return;
  ZQ_String extension = WithoutQuotes(Extension);
  if (!extension.IsEmpty() && extension.GetFirstChar() != '.') extension.Prepend('.');
  Name.Replace(Eindex, Name.GetLength() - Eindex, extension.GetText(),
               extension.GetLength());
  CheckInvariant();
}

void ZQ_FileName::SetFileName(const ZQ_String& FileName, int SetMode) {
  ZQ_TRACE_FUNCTION("ZQ_FileName::SetFileName");
  CheckInvariant();
  if (SetMode == SetMode_KeepExisting && Bindex < Name.GetLength()) return;
  const ZQ_String fileName = WithoutQuotes(FileName);
  Name.Replace(Bindex, Name.GetLength() - Bindex, fileName.GetText(),
               fileName.GetLength());
  Parse();
}

ZQ_String ZQ_FileName::GetAbsolutePathName() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetAbsolutePathName");
  if (Name.IsEmpty()) return Name;
  char buffer[kNameBufferLength];
  const DWORD length =
      ZQLOW_WINBASE::GetFullPathNameA(Name.GetText(), kNameBufferLength, buffer, nullptr);
  // Reached with a failed call only when the failure mode lets the report
  // return: the buffer then holds nothing usable.
  if (length == 0 || length >= kNameBufferLength) return ZQ_String();
  return ZQ_String(buffer, static_cast<int>(length));
}

ZQ_String ZQ_FileName::GetAbsolutePath() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetAbsolutePath");
  return ZQ_FileName(GetAbsolutePathName()).GetPath();
}

ZQ_String ZQ_FileName::GetShortestPathName() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetShortestPathName");
  return GetAbsolutePathName();
}

unsigned long ZQ_FileName::GetHashValue() const {
  ZQ_TRACE_FUNCTION("ZQ_FileName::GetHashValue");
  return GetAbsolutePathName().GetHash(true);
}

bool operator==(const ZQ_FileName& A, const ZQ_FileName& B) {
  ZQ_TRACE_FUNCTION("operator==(ZQ_FileName, ZQ_FileName)");
  return A.GetAbsolutePathName().Compare(B.GetAbsolutePathName(), true) == 0;
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Stream, const ZQ_FileName& Name) {
  ZQ_TRACE_FUNCTION("operator<<(ZQ_TextStreamFormatter, ZQ_FileName)");
  return Stream << Name.GetShortestPathName();
}

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_FileName& Name) {
  return Sink << Name.GetPathName();
}

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_FileName& Name) {
  // Read whole before assigning: damaged data leaves the name as it was.
  const ZQ_String pathName = Parser.ReadString();
  Name = pathName;
  return Parser;
}

ZQ_FileName ZQ_GetContainingExecutableFileName() {
  ZQ_TRACE_FUNCTION("ZQ_GetContainingExecutableFileName");
  static const ZQ_FileName s_executable = [] {
    char buffer[kNameBufferLength];
    const DWORD length =
        ZQLOW_WINBASE::GetModuleFileNameA(nullptr, buffer, kNameBufferLength);
    return ZQ_FileName(ZQ_String(buffer, static_cast<int>(length)));
  }();
  return s_executable;
}

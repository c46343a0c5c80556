// ZQ_URI.cpp: encoding, resolution and the scheme registry of URIs.
#include "ZQ_URI.h"

#include <cstring>
#include <string>

#include "ZQLOW_SHELLAPI.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Hasher.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Map.h"
#include "ZQ_ResourceStreamSource.h"
#include "ZQ_StringSubs.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

using SchemeRegistry = ZQ_Map<ZQ_CaseInsensitiveString, const ZQ_URI_SchemeImp*>;

// Created by the first handler that registers, so it outlives every handler.
SchemeRegistry& GetRegistry() {
  static SchemeRegistry s_registry(37);
  return s_registry;
}

// The built-in handlers, made on first use so that a URI read by another
// module's static initialiser finds them too.
void EnsureBuiltInHandlers() {
  static const ZQ_URI_SchemeImp_File s_file;
  static const ZQ_URI_SchemeImp_IntRes s_intres;
}

const ZQ_URI_SchemeImp& GetUnrecognizedHandler() {
  static const ZQ_URI_SchemeImp_Unrecognized s_unrecognized;
  return s_unrecognized;
}

struct BuiltInHandlerInitializer {
  BuiltInHandlerInitializer() { EnsureBuiltInHandlers(); }
} s_builtInHandlerInitializer;

bool IsAsciiLetterOrDigit(unsigned char Char) {
  return (Char >= 'a' && Char <= 'z') || (Char >= 'A' && Char <= 'Z') || (Char >= '0' && Char <= '9');
}

void AppendEscape(ZQ_String& Out, unsigned char Char) {
  static const char kDigits[] = "0123456789ABCDEF";
  char Escape[3] = {'%', kDigits[Char >> 4], kDigits[Char & 0xF]};
  Out.Append(Escape, 3);
}

// The bit of the characters escaped only on request, or 0.
ZQ_URI::EncodeOptions OptionalEscapeBit(unsigned char Char) {
  switch (Char) {
    case ':': return ZQ_URI::Encode_Colon;
    case '/': return ZQ_URI::Encode_Slash;
    case '#': return ZQ_URI::Encode_NumberSign;
    case '?': return ZQ_URI::Encode_QuestionMark;
    case '%': return ZQ_URI::Encode_Percent;
    case '+': return ZQ_URI::Encode_Plus;
    case '!': return ZQ_URI::Encode_Exclamation;
    case '*': return ZQ_URI::Encode_Asterisk;
    default: return 0;
  }
}

int HexValueOrZero(char Char) {
  if (Char >= '0' && Char <= '9') return Char - '0';
  if (Char >= 'a' && Char <= 'f') return Char - 'a' + 10;
  if (Char >= 'A' && Char <= 'F') return Char - 'A' + 10;
  return 0;
}

// One pass over Text: wherever the text kept so far ends in "/" and Segment
// comes next, Segment is dropped and the kept text cut back to where Cut says
// (given the index of that "/"). Each removal is thus the leftmost one left,
// as a search from the start after every removal would find it, at linear
// cost: a cut only drops text that was kept.
template <class CutFunction>
void RemoveAfterSlashes(std::string& Text, const char* Segment, CutFunction Cut) {
  const size_t SegmentLength = std::strlen(Segment);
  size_t Kept = 0;  // Text[0, Kept) is the result so far
  for (size_t Next = 0; Next < Text.size();) {
    if (Kept > 0 && Text[Kept - 1] == '/' && Text.compare(Next, SegmentLength, Segment) == 0) {
      Kept = Cut(Text, Kept - 1);
      Next += SegmentLength;
    } else {
      Text[Kept++] = Text[Next++];
    }
  }
  Text.resize(Kept);
}

// Every "/./" becomes "/", the overlapping ones of "/././" too; then every
// "/../" goes with the segment before it, back to the previous "/" or ":"
// (kept).
ZQ_String RemoveDotSegments(const ZQ_String& Joined) {
  std::string Text(Joined.GetText(), static_cast<size_t>(Joined.GetLength()));
  RemoveAfterSlashes(Text, "./", [](const std::string&, size_t Slash) { return Slash + 1; });
  RemoveAfterSlashes(Text, "../", [](const std::string& Kept, size_t Slash) {
    while (Slash > 0 && Kept[Slash - 1] != '/' && Kept[Slash - 1] != ':') --Slash;
    return Slash;
  });
  return ZQ_String(Text.data(), static_cast<int>(Text.size()));
}

// Where a reference beginning with NumSlashes slashes takes over from Base:
// the leftmost run of exactly that many slashes after Base's first ':',
// scanning from the end and stopping at a longer run.
int FindRootCut(const ZQ_String& Base, int NumSlashes) {
  const int CURIColonIndex = Base.Find(':');
  ZQ_ASSERT(CURIColonIndex != ZQ_NoMatch);
  int Cut = Base.GetLength();
  int Position = Base.GetLength() - 1;
  while (Position > CURIColonIndex) {
    if (Base[Position] != '/') {
      --Position;
      continue;
    }
    int RunEnd = Position;
    while (Position > CURIColonIndex && Base[Position] == '/') --Position;
    const int RunStart = Position + 1;
    const int RunLength = RunEnd - RunStart + 1;
    if (RunLength > NumSlashes) break;
    if (RunLength == NumSlashes) Cut = RunStart;
  }
  return Cut;
}

ZQ_Exception MakeReadError(const char* DescriptionTemplate, const ZQ_String& Subject) {
  return ZQ_Exception(
      ZQ_SubstituteParameters(ZQ_Internationalization_Translate("Error reading {$1}"), Subject),
      ZQ_SubstituteParameters(ZQ_Internationalization_Translate(DescriptionTemplate), Subject));
}

ZQ_Exception MakeRootResolveError(const ZQ_URI& Reference, const ZQ_URI& Base) {
  return ZQ_Exception(
      ZQ_SubstituteParameters(ZQ_Internationalization_Translate("Error resolving {$1}"),
                              Reference.GetText()),
      ZQ_SubstituteArguments(
          ZQ_Internationalization_Translate(
              "{$1} begins with \"/\" and cannot be resolved against {$2}, which has no "
              "scheme."),
          Reference.GetText(), Base.GetText()));
}

ZQ_String FormatURI(const void* Address) {
  return "\"" + static_cast<const ZQ_URI*>(Address)->GetText() + "\"";
}

const ZQ_StackTrace_RegisterVarFormatter s_registerURI(25, &FormatURI);

}  // namespace

// ZQ_URI

ZQ_URI::ZQ_URI(const ZQ_String& Text, EncodeOptions Options) {
  const bool StartsWithDriveLetter = Text.GetLength() > 1 && Text[1] == ':';
  this->Text = EncodeSpecialCharacters(StartsWithDriveLetter ? "file:" + Text : Text, Options);
}

ZQ_URI ZQ_URI::FromEncodedText(const ZQ_String& EncodedText) {
  ZQ_URI Result;
  Result.Text = EncodedText;
  return Result;
}

ZQ_String ZQ_URI::GetText(bool Decode) const { return Decode ? DecodeSpecialCharacters(Text) : Text; }

ZQ_String ZQ_URI::GetScheme() const {
  const int Index = Text.Find(':');
  ZQ_ASSERT(Index != ZQ_NoMatch);
  return Index == ZQ_NoMatch ? ZQ_String() : Text.GetLeft(Index);
}

ZQ_String ZQ_URI::GetPath(bool Decode) const {
  const int ColonIndex = Text.Find(':');
  ZQ_ASSERT(ColonIndex != ZQ_NoMatch);
  if (ColonIndex == ZQ_NoMatch) return ZQ_String();
  ZQ_String Path = Text.GetRight(Text.GetLength() - ColonIndex - 1);
  int End = Path.FindLast('?');
  if (End == ZQ_NoMatch) End = Path.FindLast('#');
  if (End != ZQ_NoMatch) Path = Path.GetLeft(End);
  return Decode ? DecodeSpecialCharacters(Path) : Path;
}

bool ZQ_URI::IsFileURI() const { return HasScheme() && GetScheme() == "file"; }

ZQ_FileName ZQ_URI::GetFileName() const {
  ZQ_ASSERT(IsFileURI());
  return ZQ_FileName(GetPath(true));
}

bool ZQ_URI::ResourceExists() const {
  return ZQ_URI_SchemeImp::Find(HasScheme() ? GetScheme() : ZQ_String()).ResourceExists(*this);
}

ZQ_SeekableStreamSource ZQ_URI::GetResourceStream() const {
  ZQ_TRACE_FUNCTION("ZQ_URI::GetResourceStream");
  ZQ_TRACE_VARIABLE(*this);
  return ZQ_URI_SchemeImp::Find(HasScheme() ? GetScheme() : ZQ_String()).GetResourceStream(*this);
}

bool ZQ_URI::GetResourceStreamIfExists(ZQ_SeekableStreamSource& Stream) const {
  ZQ_TRACE_FUNCTION("ZQ_URI::GetResourceStreamIfExists");
  ZQ_TRACE_VARIABLE(*this);
  return ZQ_URI_SchemeImp::Find(HasScheme() ? GetScheme() : ZQ_String())
      .GetResourceStreamIfExists(*this, Stream);
}

ZQ_String ZQ_URI::LoadResourceIntoString() const {
  return ZQ_LoadStreamIntoString(GetResourceStream());
}

ZQ_URI ZQ_URI::MakeAbsolute(const ZQ_URI& Base) const {
  ZQ_TRACE_FUNCTION("ZQ_URI::MakeAbsolute");
  if (HasScheme() || IsEmpty()) return *this;
  const ZQ_String& BaseText = Base.Text;
  ZQ_String Joined;
  if (Text[0] != '/') {
    int Cut = BaseText.FindLast('/');
    if (Cut == ZQ_NoMatch) Cut = BaseText.Find(':');
    Joined = (Cut == ZQ_NoMatch ? ZQ_String() : BaseText.GetLeft(Cut + 1)) + Text;
    if (Joined.Find('.') != ZQ_NoMatch) Joined = RemoveDotSegments(Joined);
  } else {
    // The root a reference names lies after the base's scheme.
    if (!Base.HasScheme()) throw MakeRootResolveError(*this, Base);
    int NumSlashes = 0;
    while (NumSlashes < Text.GetLength() && Text[NumSlashes] == '/') ++NumSlashes;
    Joined = BaseText.GetLeft(FindRootCut(BaseText, NumSlashes)) + Text;
  }
  return ZQ_URI_MakeFromFileName(Joined, 0);
}

ZQ_String ZQ_URI::EncodeSpecialCharacters(const ZQ_String& S, EncodeOptions Options) {
  ZQ_String Out = ZQ_String::WithCapacity(S.GetLength());
  for (int i = 0; i < S.GetLength(); ++i) {
    const unsigned char Char = static_cast<unsigned char>(S[i]);
    if (IsAsciiLetterOrDigit(Char)) {
      Out += static_cast<char>(Char);
    } else if (Char < 0x20 || Char >= 0x7B) {
      AppendEscape(Out, Char);
    } else if (Char == '\\') {
      if (Options & Encode_Backslash)
        AppendEscape(Out, Char);
      else
        Out += (Options & Encode_BackslashAsSlash) ? '/' : '\\';
    } else if (Char == ' ') {
      if (Options & Encode_SpaceAsPlus)
        Out += '+';
      else
        AppendEscape(Out, Char);
    } else if (ZQ_String(";<=>[]^`").Find(static_cast<char>(Char)) != ZQ_NoMatch) {
      AppendEscape(Out, Char);
    } else if (Options & OptionalEscapeBit(Char)) {
      AppendEscape(Out, Char);
    } else {
      Out += static_cast<char>(Char);
    }
  }
  return Out;
}

ZQ_String ZQ_URI::DecodeSpecialCharacters(const ZQ_String& S) {
  ZQ_String Out = ZQ_String::WithCapacity(S.GetLength());
  const int Length = S.GetLength();
  for (int i = 0; i < Length; ++i) {
    if (S[i] == '%' && i + 2 < Length) {
      Out += static_cast<char>(HexValueOrZero(S[i + 1]) * 16 + HexValueOrZero(S[i + 2]));
      i += 2;
    } else {
      Out += S[i];
    }
  }
  return Out;
}

bool operator==(const ZQ_URI& A, const ZQ_URI& B) { return A.GetText(true) == B.GetText(true); }

// ZQ_AbsoluteURI

bool ZQ_AbsoluteURI::GetResourceIfExists(ZQ_String& Contents) const {
  ZQ_SeekableStreamSource Stream;
  if (!GetResourceStreamIfExists(Stream)) return false;
  Contents = ZQ_LoadStreamIntoString(Stream);
  return true;
}

void ZQ_AbsoluteURI::Goto() const {
  ZQ_TRACE_FUNCTION("ZQ_AbsoluteURI::Goto");
  ZQ_TRACE_VARIABLE(*this);
  // The shell opens a file by its name; "file:C:/..." is not a form it reads.
  const ZQ_String Target = IsFileURI() ? GetPath(true) : GetText();
  ZQLOW_SHELLAPI::ShellExecuteA(nullptr, "open", Target.GetText(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Construction helpers

ZQ_URI ZQ_URI_MakeFromFileName(const ZQ_String& Text, ZQ_URI::EncodeOptions Options) {
  return ZQ_URI(Text.Find(':') == ZQ_NoMatch ? "file:" + Text : Text, Options);
}

ZQ_URI ZQ_URI_MakeFromFileName(const char* Text, ZQ_URI::EncodeOptions Options) {
  return ZQ_URI_MakeFromFileName(ZQ_String(Text), Options);
}

ZQ_URI ZQ_URI_MakeFromFileName(const ZQ_FileName& Name) {
  return ZQ_URI_MakeFromFileName(Name.GetAbsolutePathName(), ZQ_URI::Encode_FileName);
}

ZQ_URI ZQ_URI_GetCurrentDirectoryURI() {
  ZQ_String Text = "file:" + ZQ_URI::EncodeSpecialCharacters(ZQ_FileUtils::GetCurrentDirectoryA(),
                                                             ZQ_URI::Encode_FileName);
  if (!Text.EndsWith("/")) Text += '/';
  return ZQ_URI::FromEncodedText(Text);
}

ZQ_URI ZQ_URI_MakeAbsolute(const ZQ_String& Text, ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs) {
  ZQ_TRACE_FUNCTION("ZQ_URI_MakeAbsolute");
  ZQ_TRACE_VARIABLE(Text);
  const ZQ_URI Reference(Text);
  if (!Reference.HasScheme()) {
    for (; BaseURIs.IsValid(); BaseURIs.Advance()) {
      ZQ_URI Candidate = Reference.MakeAbsolute(BaseURIs.GetCurrent());
      if (Candidate.ResourceExists()) return Candidate;
    }
  }
  return Reference.MakeAbsolute(ZQ_URI_GetCurrentDirectoryURI());
}

ZQ_SeekableStreamSource ZQ_URI_GetResourceStream(const ZQ_String& Text,
                                                 ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs) {
  ZQ_TRACE_FUNCTION("ZQ_URI_GetResourceStream");
  ZQ_TRACE_VARIABLE(Text);
  const ZQ_URI Reference(Text);
  if (Reference.HasScheme()) return Reference.GetResourceStream();
  ZQ_SeekableStreamSource Stream;
  for (; BaseURIs.IsValid(); BaseURIs.Advance())
    if (Reference.MakeAbsolute(BaseURIs.GetCurrent()).GetResourceStreamIfExists(Stream)) return Stream;
  throw MakeReadError("{$1} could not be found.", Text);
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_URI& URI) {
  return Out << URI.GetText();
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_URI& URI) { return Hasher << URI.GetText(); }

// Scheme handlers

ZQ_URI_SchemeImp::ZQ_URI_SchemeImp(const char* SchemeName) : RegisteredName(SchemeName) {
  if (RegisteredName) GetRegistry().Set(RegisteredName, this);
}

ZQ_URI_SchemeImp::~ZQ_URI_SchemeImp() {
  if (!RegisteredName) return;
  // Only this handler's own entry: a later handler may have taken the name.
  const ZQ_URI_SchemeImp* Registered = nullptr;
  if (GetRegistry().GetValueIfExists(RegisteredName, Registered) && Registered == this)
    GetRegistry().Remove(RegisteredName, false);
}

bool ZQ_URI_SchemeImp::ResourceExists(const ZQ_URI&) const { return false; }

bool ZQ_URI_SchemeImp::IsRecognized() const { return false; }

ZQ_SeekableStreamSource ZQ_URI_SchemeImp::GetResourceStream(const ZQ_URI& URI) const {
  throw MakeReadError("{$1} cannot be read.", URI.GetText());
}

bool ZQ_URI_SchemeImp::GetResourceStreamIfExists(const ZQ_URI& URI,
                                                 ZQ_SeekableStreamSource& Stream) const {
  if (!ResourceExists(URI)) return false;
  Stream = GetResourceStream(URI);
  return true;
}

const ZQ_URI_SchemeImp& ZQ_URI_SchemeImp::Find(const ZQ_String& Scheme) {
  EnsureBuiltInHandlers();
  const ZQ_URI_SchemeImp* Handler = nullptr;
  if (GetRegistry().GetValueIfExists(Scheme, Handler) && Handler) return *Handler;
  return GetUnrecognizedHandler();
}

bool ZQ_URI_SchemeImp_File::ResourceExists(const ZQ_URI& URI) const {
  return ZQ_FileUtils::FileExists(URI.GetPath(true));
}

ZQ_SeekableStreamSource ZQ_URI_SchemeImp_File::GetResourceStream(const ZQ_URI& URI) const {
  return ZQ_CreateFileStreamSource(URI.GetPath(true), 0);
}

bool ZQ_URI_SchemeImp_IntRes::ResourceExists(const ZQ_URI& URI) const {
  const ZQ_String Name = Util_TranslateToResourceName(URI);
  return !Name.IsEmpty() && ZQ_ResourceExists(Name);
}

ZQ_SeekableStreamSource ZQ_URI_SchemeImp_IntRes::GetResourceStream(const ZQ_URI& URI) const {
  return ZQ_CreateResourceStreamSource(Util_TranslateToResourceName(URI), ZQ_String());
}

ZQ_String ZQ_URI_SchemeImp_IntRes::Util_TranslateToResourceName(const ZQ_URI& URI) {
  const ZQ_String Path = URI.GetPath(true);
  ZQ_String Name = ZQ_String::WithCapacity(Path.GetLength());
  for (int i = 0; i < Path.GetLength(); ++i) {
    const unsigned char Char = static_cast<unsigned char>(Path[i]);
    if (IsAsciiLetterOrDigit(Char) || Char == '_') Name += static_cast<char>(Char);
  }
  return Name;
}

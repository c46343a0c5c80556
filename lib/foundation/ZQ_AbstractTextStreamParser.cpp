#include "ZQ_AbstractTextStreamParser.h"

#include "ZQ_Assertion.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"
#include "ZQ_URI.h"

namespace {

// Streams up to this size are copied into a string; larger ones that hold
// their bytes in memory (mapped files) are read in place.
const unsigned long kReadInPlaceThreshold = 8000;

ZQ_String InternalDataDescription() {
  return ZQ_Internationalization_Translate("reading internal data");
}

ZQ_String FileDescription(const ZQ_FileName& FileName) {
  return ZQ_Internationalization_Translate("reading") + " " + FileName.GetPathName();
}

}  // namespace

ZQ_AbstractTextStreamParserException::ZQ_AbstractTextStreamParserException(
    const ZQ_String& Name, const ZQ_String& Description, long Line, long Column,
    const ZQ_String& DataSourceText, const ZQ_FileName& FileName)
    : ZQ_Exception(Name, Description),
      Line(Line),
      Column(Column),
      DataSourceText(DataSourceText),
      FileName(FileName) {}

// ---------------------------------------------------------------- marks

void ZQ_AbstractTextStreamParser::MarkType::Normalize() {
  while (SectionP && CharP == SectionP->End && SectionP->Next) {
    SectionP = SectionP->Next;
    CharP = SectionP->Start;
  }
}

void ZQ_AbstractTextStreamParser::MarkType::MoveForward(long N) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::MarkType::MoveForward");
  if (N < 0) {
    MoveBackward(-N);
    return;
  }
  for (;;) {
    const long room = static_cast<long>(SectionP->End - CharP);
    if (N <= room) {
      CharP += N;
      Normalize();
      return;
    }
    N -= room;
    ZQ_ASSERT_TEXT(SectionP->Next, "SectionP");
    if (!SectionP->Next) {
      CharP = SectionP->End;
      return;
    }
    SectionP = SectionP->Next;
    CharP = SectionP->Start;
  }
}

void ZQ_AbstractTextStreamParser::MarkType::MoveBackward(long N) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::MarkType::MoveBackward");
  if (N < 0) {
    MoveForward(-N);
    return;
  }
  for (;;) {
    const long room = static_cast<long>(CharP - SectionP->Start);
    if (N <= room) {
      CharP -= N;
      return;
    }
    N -= room;
    DataSourceSectionType* previous = SectionP->Previous;
    ZQ_ASSERT_TEXT(previous, "SectionP");
    if (!previous) {
      CharP = SectionP->Start;
      return;
    }
    SectionP = previous;
    CharP = SectionP->End;
  }
}

namespace {

// Characters from From forward to To, or -1 when To does not follow From.
long ForwardDistance(ZQ_AbstractTextStreamParser::MarkType From,
                     ZQ_AbstractTextStreamParser::MarkType To) {
  long distance = 0;
  for (auto* section = From.SectionP; section; section = section->Next) {
    const char* start = section == From.SectionP ? From.CharP : section->Start;
    if (section == To.SectionP && To.CharP >= start) return distance + (To.CharP - start);
    distance += static_cast<long>(section->End - start);
  }
  return -1;
}

}  // namespace

long operator-(ZQ_AbstractTextStreamParser::MarkType A, ZQ_AbstractTextStreamParser::MarkType B) {
  ZQ_TRACE_FUNCTION("operator-(MarkType, MarkType)");
  A.Normalize();
  B.Normalize();
  const long forward = ForwardDistance(B, A);
  if (forward >= 0) return forward;
  const long backward = ForwardDistance(A, B);
  ZQ_ASSERT(backward >= 0);
  return -backward;
}

bool operator==(ZQ_AbstractTextStreamParser::MarkType A, ZQ_AbstractTextStreamParser::MarkType B) {
  A.Normalize();
  B.Normalize();
  return A.SectionP == B.SectionP && A.CharP == B.CharP;
}

// ---------------------------------------------------------------- construction

ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser(const ZQ_String& Text,
                                                         const ZQ_String& Description,
                                                         int Options) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser");
  Initialize(AddDataSourceFromString(Text, Description), Options);
}

ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser(const ZQ_FileName& FileName,
                                                         const ZQ_String& Description,
                                                         int Options) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser");
  Initialize(AddDataSourceFromFile(FileName, Description, Options), Options);
}

ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser(const ZQ_URI& URI,
                                                         const ZQ_String& Description,
                                                         int Options) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser");
  const ZQ_String description =
      Description.IsEmpty() ? ZQ_Internationalization_Translate("reading") + " " + URI.GetText()
                            : Description;
  Initialize(AddDataSourceFromStream(URI.GetResourceStream(), description), Options);
}

ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser(ZQ_SeekableStreamSource Source,
                                                         const ZQ_String& Description,
                                                         int Options) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser");
  Initialize(AddDataSourceFromStream(Source, Description), Options);
}

ZQ_AbstractTextStreamParser::~ZQ_AbstractTextStreamParser() {
  ProgressTask.reset();
  for (long i = 0; i < NumSections; ++i) delete Sections[i];
  for (long i = 0; i < NumDataSources; ++i) delete DataSources[i];
}

ZQ_AbstractTextStreamParser::DataSourceType* ZQ_AbstractTextStreamParser::AddDataSourceFromString(
    const ZQ_String& Text, const ZQ_String& Description) {
  // The kept copy shares Text's characters and is never changed, so the
  // pointers stay valid while the parser lives.
  const ZQ_String& kept = KeptTexts.Append(Text)->Data;
  auto* source = new DataSourceType;
  DataSources[NumDataSources++] = source;
  source->Description = Description.IsEmpty() ? InternalDataDescription() : Description;
  source->TextStart = kept.GetText();
  source->TextEnd = kept.GetText() + kept.GetLength();
  return source;
}

ZQ_AbstractTextStreamParser::DataSourceType* ZQ_AbstractTextStreamParser::AddDataSourceFromStream(
    ZQ_SeekableStreamSource Source, const ZQ_String& Description) {
  const unsigned long size = Source.GetSize();
  const char* data = Source.GetDataPointer();
  if (size > kReadInPlaceThreshold && data) {
    KeptSources.Append(Source);
    auto* source = new DataSourceType;
    DataSources[NumDataSources++] = source;
    source->Description = Description.IsEmpty() ? InternalDataDescription() : Description;
    source->TextStart = data;
    source->TextEnd = data + size;
    return source;
  }
  Source.Seek(0, 0);
  return AddDataSourceFromString(ZQ_LoadStreamIntoString(Source), Description);
}

ZQ_AbstractTextStreamParser::DataSourceType* ZQ_AbstractTextStreamParser::AddDataSourceFromFile(
    const ZQ_FileName& FileName, const ZQ_String& Description, int Options) {
  const ZQ_String description = Description.IsEmpty() ? FileDescription(FileName) : Description;
  DataSourceType* source =
      (Options & Option_LoadFileIntoString)
          ? AddDataSourceFromString(ZQ_LoadFileIntoString(FileName), description)
          : AddDataSourceFromStream(ZQ_CreateFileStreamSource(FileName, 0), description);
  source->FileName = FileName;
  return source;
}

ZQ_AbstractTextStreamParser::DataSourceSectionType* ZQ_AbstractTextStreamParser::NewSection(
    DataSourceType* Source, const char* Start, const char* End) {
  auto* section = new DataSourceSectionType;
  Sections[NumSections++] = section;
  section->DataSourceP = Source;
  section->Start = Start;
  section->End = End;
  return section;
}

void ZQ_AbstractTextStreamParser::Initialize(DataSourceType* Source, int Options) {
  FirstSection = NewSection(Source, Source->TextStart, Source->TextEnd);
  CurrentPosition = MarkType(FirstSection, FirstSection->Start);
  // A large document reads under the busy cursor.
  if (!(Options & Option_NoProgressTask))
    ProgressTask.reset(new ZQ_ProgressReportService_Task(
        ZQ_StringSubs::Capitalize(Source->Description, ZQ_StringSubs::Capitalize_KeepSmallWords),
        static_cast<long>(Source->TextEnd - Source->TextStart)));
  Refresh();
}

void ZQ_AbstractTextStreamParser::Refresh() {
  if (ProgressTask && CurrentDataSource != CurrentPosition.SectionP->DataSourceP)
    ProgressTask->SetNumSteps(static_cast<long>(CurrentPosition.SectionP->DataSourceP->TextEnd -
                                                CurrentPosition.SectionP->DataSourceP->TextStart));
  CurrentDataSource = CurrentPosition.SectionP->DataSourceP;
  SectionStart = CurrentPosition.SectionP->Start;
  SectionEnd = CurrentPosition.SectionP->End;
}

// ---------------------------------------------------------------- reading

void ZQ_AbstractTextStreamParser::AdvanceChar() {
  if (CurrentPosition.CharP == SectionEnd) ThrowUnexpectedEndOfFile();
  ++CurrentPosition.CharP;
  if (CurrentPosition.CharP == SectionEnd && CurrentPosition.SectionP->Next) {
    CurrentPosition.Normalize();
    Refresh();
  }
}

void ZQ_AbstractTextStreamParser::SetPosition(const MarkType& Mark) {
  ZQ_ASSERT(not Mark.IsNull());
  if (Mark.IsNull()) return;
  CurrentPosition = Mark;
  CurrentPosition.Normalize();
  Refresh();
}

ZQ_String ZQ_AbstractTextStreamParser::GetTextBetweenMarks(MarkType StartMark, MarkType EndMark) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::GetTextBetweenMarks");
  if (ProgressTask)
    ProgressTask->SetCurrentStep(static_cast<long>(CurrentPosition.CharP - CurrentDataSource->TextStart));
  StartMark.Normalize();
  EndMark.Normalize();
  if (StartMark.SectionP == EndMark.SectionP) {
    const long ElementLength = static_cast<long>(EndMark.CharP - StartMark.CharP);
    ZQ_ASSERT(ElementLength >= 0);
    if (ElementLength < 0) return ZQ_String();
    return ZQ_String(StartMark.CharP, static_cast<int>(ElementLength));
  }
  ZQ_String result(StartMark.CharP, static_cast<int>(StartMark.SectionP->End - StartMark.CharP));
  for (;;) {
    StartMark.SectionP = StartMark.SectionP->Next;
    ZQ_ASSERT(StartMark.SectionP);
    if (!StartMark.SectionP) return result;
    if (StartMark.SectionP == EndMark.SectionP) break;
    result.Append(StartMark.SectionP->Start,
                  static_cast<int>(StartMark.SectionP->End - StartMark.SectionP->Start));
  }
  result.Append(EndMark.SectionP->Start, static_cast<int>(EndMark.CharP - EndMark.SectionP->Start));
  return result;
}

void ZQ_AbstractTextStreamParser::GetLineAndColumn(MarkType TargetMark, long& Line,
                                                   long& Column) const {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::GetLineAndColumn");
  Line = 1;
  Column = 1;
  ZQ_ASSERT(not TargetMark.IsNull());
  if (TargetMark.IsNull()) return;
  TargetMark.Normalize();
  for (const char* c = TargetMark.SectionP->DataSourceP->TextStart; c < TargetMark.CharP; ++c) {
    if (*c == '\n') {
      ++Line;
      Column = 1;
    } else {
      ++Column;
    }
  }
}

// ---------------------------------------------------------------- errors

ZQ_String ZQ_AbstractTextStreamParser_FormatErrorDescription(const ZQ_String& Description,
                                                             long Line, long Column,
                                                             const ZQ_String& Reading,
                                                             const ZQ_String& ParserDescription) {
  ZQ_StringStream text;
  text << Description << "\n\n"
       << ZQ_SubstituteParameters(
              ZQ_Internationalization_Translate("This error occurred at line {$1}"), Line);
  if (Column > 0)
    text << " "
         << ZQ_SubstituteParameters(ZQ_Internationalization_Translate("and column {$1}"), Column);
  text << " "
       << ZQ_Internationalization_FillPlaceholders(
              ZQ_Internationalization_Translate("while {$1}."), Reading);
  if (!ParserDescription.IsEmpty()) text << "\n" << ParserDescription << "\n";
  return text;
}

void ZQ_AbstractTextStreamParser::ThrowError(const ZQ_String& Description) {
  ThrowErrorAt(Description, ErrorMark);
}

void ZQ_AbstractTextStreamParser::ThrowErrorAt(const ZQ_String& ErrorDescription, MarkType Mark) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::ThrowErrorAt");
  if (Mark.IsNull()) Mark = CurrentPosition;
  Mark.Normalize();
  long line = 0;
  long column = 0;
  GetLineAndColumn(Mark, line, column);
  const DataSourceType* source = Mark.SectionP->DataSourceP;
  const ZQ_String text = ZQ_AbstractTextStreamParser_FormatErrorDescription(
      ErrorDescription, line, column, source->Description, Description);
  const ZQ_String name = ZQ_Internationalization_Translate("Error") + " " + source->Description;
  throw ZQ_AbstractTextStreamParserException(
      name, text, line, column,
      ZQ_String(source->TextStart, static_cast<int>(source->TextEnd - source->TextStart)),
      source->FileName);
}

void ZQ_AbstractTextStreamParser::ThrowUnexpectedEndOfFile() {
  ThrowErrorAt(ZQ_Internationalization_Translate("Unexpected end of file"), CurrentPosition);
}

// ---------------------------------------------------------------- splicing

long ZQ_AbstractTextStreamParser::Splice(MarkType S, MarkType E, DataSourceType* Inserted,
                                         int Options) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractTextStreamParser::Splice");
  S.Normalize();
  E.Normalize();
  // An end before the start would link the chain into a loop.
  ZQ_ASSERT((E - S) >= 0);
  Inserted->Parent = S.SectionP->DataSourceP;
  DataSourceSectionType* inserted = NewSection(Inserted, Inserted->TextStart, Inserted->TextEnd);
  DataSourceSectionType* tail =
      S.SectionP == E.SectionP ? NewSection(E.SectionP->DataSourceP, E.CharP, E.SectionP->End)
                               : E.SectionP;
  DataSourceSectionType* following = E.SectionP->Next;
  tail->Start = E.CharP;
  S.SectionP->End = S.CharP;
  S.SectionP->Next = inserted;
  inserted->Previous = S.SectionP;
  inserted->Next = tail;
  tail->Previous = inserted;
  tail->Next = following;
  if (following) following->Previous = tail;
  CurrentPosition = (Options & Option_PositionAfterInsertedText) ? MarkType(tail, tail->Start)
                                                                 : MarkType(inserted, inserted->Start);
  CurrentPosition.Normalize();
  Refresh();
  return static_cast<long>(Inserted->TextEnd - Inserted->TextStart);
}

long ZQ_AbstractTextStreamParser::ReplaceTextWithString(MarkType Start, MarkType End,
                                                        const ZQ_String& Text,
                                                        const ZQ_String& Description,
                                                        int Options) {
  return Splice(Start, End, AddDataSourceFromString(Text, Description), Options);
}

long ZQ_AbstractTextStreamParser::ReplaceTextWithFile(MarkType Start, MarkType End,
                                                      const ZQ_FileName& FileName,
                                                      const ZQ_String& Description,
                                                      int Options) {
  return Splice(Start, End, AddDataSourceFromFile(FileName, Description, Options), Options);
}

long ZQ_AbstractTextStreamParser::ReplaceTextWithFileText(MarkType Start, MarkType End,
                                                          const ZQ_String& Text,
                                                          const ZQ_FileName& FileName,
                                                          const ZQ_String& Description,
                                                          int Options) {
  DataSourceType* source = AddDataSourceFromString(
      Text, Description.IsEmpty() ? FileDescription(FileName) : Description);
  source->FileName = FileName;
  return Splice(Start, End, source, Options);
}

long ZQ_AbstractTextStreamParser::DeleteText(MarkType Start, MarkType End) {
  if (Start == End) return 0;
  return ReplaceTextWithString(Start, End, ZQ_String(), ZQ_String(),
                               Option_PositionAfterInsertedText);
}

long ZQ_AbstractTextStreamParser::GetDataSourceStack(
    ZQ_AutosizeArray<const DataSourceType*>& Stack) const {
  long count = 1;
  for (const DataSourceType* source = CurrentDataSource; source; source = source->Parent) ++count;
  long i = count - 1;
  for (const DataSourceType* source = CurrentDataSource; source; source = source->Parent) {
    ZQ_ASSERT(i >= 0);
    Stack[i--] = source;
  }
  return count;
}

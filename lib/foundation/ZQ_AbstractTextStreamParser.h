// ZQ_AbstractTextStreamParser.h: the character-level base of the text
// parsers. It reads a text (a string, a file or a stream source), keeps a
// current position, lets a derived parser save positions (marks), take the
// text between two marks and splice other texts into the input in place of a
// stretch of it (an included file or an expanded entity is then read as if it
// stood there). Parse errors say where (line, column of the data source) and
// while reading what they happened. The parser owns every data source and
// section it creates; marks borrow sections and stay valid while the parser
// lives. One thread only.
#ifndef ZQ_ABSTRACTTEXTSTREAMPARSER_H
#define ZQ_ABSTRACTTEXTSTREAMPARSER_H

#include <memory>

#include "ZQ_Array.h"
#include "ZQ_Exception.h"
#include "ZQ_FileName.h"
#include "ZQ_List.h"
#include "ZQ_StreamSource.h"
#include "ZQ_String.h"

class ZQ_URI;

// A parse error: the name is the translation of "Error" and what was being
// read; the description ends with the line, the column and that reading.
class ZQ_AbstractTextStreamParserException : public ZQ_Exception {
 public:
  ZQ_AbstractTextStreamParserException(const ZQ_String& Name, const ZQ_String& Description,
                                       long Line, long Column, const ZQ_String& DataSourceText,
                                       const ZQ_FileName& FileName);
  long GetLine() const { return Line; }
  long GetColumn() const { return Column; }
  // The whole text of the data source in which the error lies.
  const ZQ_String& GetDataSourceText() const { return DataSourceText; }
  // Empty unless that text was read from a file.
  const ZQ_FileName& GetFileName() const { return FileName; }

 private:
  long Line;
  long Column;
  ZQ_String DataSourceText;
  ZQ_FileName FileName;
};

class ZQ_ProgressReportService_Task;

class ZQ_AbstractTextStreamParser {
 public:
  // Option bits of the constructors and the splicing operations.
  static const int Option_NoProgressTask = 0x1;
  // Files only: load the file into a string rather than mapping it.
  static const int Option_LoadFileIntoString = 0x2;
  // Splicing: continue after the inserted text instead of at its start.
  static const int Option_PositionAfterInsertedText = 0x100;

  // One text that was read. The characters belong to a string or a stream
  // source that the parser keeps alive.
  struct DataSourceType {
    ZQ_String Description;  // "reading ..." for messages
    ZQ_FileName FileName;   // empty for texts that are no file
    const char* TextStart = nullptr;
    const char* TextEnd = nullptr;  // one past the last character
    DataSourceType* Parent = nullptr;  // the source it was spliced into
  };

  // A stretch of one data source in reading order; the input is the chain of
  // sections from the first one.
  struct DataSourceSectionType {
    DataSourceType* DataSourceP = nullptr;
    const char* Start = nullptr;
    const char* End = nullptr;
    DataSourceSectionType* Previous = nullptr;
    DataSourceSectionType* Next = nullptr;
  };

  // A position: a section and a character pointer into it. A mark with a null
  // pointer is null.
  class MarkType {
   public:
    MarkType() = default;
    MarkType(DataSourceSectionType* Section, const char* Char) : SectionP(Section), CharP(Char) {}

    bool IsNull() const { return CharP == nullptr; }
    // A mark at its section's end moves to the start of the next section
    // while there is one.
    void Normalize();
    // N characters along the chain (a negative N moves the other way);
    // running off the chain fails the assertion "SectionP".
    void MoveForward(long N);
    void MoveBackward(long N);

    DataSourceSectionType* SectionP = nullptr;
    const char* CharP = nullptr;
  };

  // From a text. An empty Description reads "reading internal data".
  ZQ_AbstractTextStreamParser(const ZQ_String& Text, const ZQ_String& Description, int Options);
  // From a file; an empty Description reads the translated "reading" and the
  // file's full name. Opening failures throw as the file sources do.
  ZQ_AbstractTextStreamParser(const ZQ_FileName& FileName, const ZQ_String& Description,
                              int Options);
  // From the resource a URI names; an empty Description reads the translated
  // "reading" and the URI's text. Opening failures throw as the URI's scheme
  // handler does.
  ZQ_AbstractTextStreamParser(const ZQ_URI& URI, const ZQ_String& Description, int Options);
  // From an open stream source (a resource, a URI's stream), read from its
  // start. An empty Description reads "reading internal data".
  ZQ_AbstractTextStreamParser(ZQ_SeekableStreamSource Source, const ZQ_String& Description,
                              int Options);
  virtual ~ZQ_AbstractTextStreamParser();
  ZQ_AbstractTextStreamParser(const ZQ_AbstractTextStreamParser&) = delete;
  ZQ_AbstractTextStreamParser& operator=(const ZQ_AbstractTextStreamParser&) = delete;

  // The current character, or NUL at the end of the input.
  char GetCurrentChar() const {
    return CurrentPosition.CharP == SectionEnd ? '\0' : *CurrentPosition.CharP;
  }
  bool IsAtEnd() const { return CurrentPosition.CharP == SectionEnd; }
  // Moves past the current character; at the end of the input throws the
  // "Unexpected end of file" parse error.
  void AdvanceChar();
  const MarkType& GetPosition() const { return CurrentPosition; }
  void SetPosition(const MarkType& Mark);

  // The characters from Start up to End, joined across sections.
  ZQ_String GetTextBetweenMarks(MarkType Start, MarkType End);
  // Line and column (both from 1) of Mark within its own data source.
  void GetLineAndColumn(MarkType Mark, long& Line, long& Column) const;

  // Parse errors at the error mark, at Mark (null: the current position), at
  // the end of the input.
  [[noreturn]] void ThrowError(const ZQ_String& Description);
  [[noreturn]] void ThrowErrorAt(const ZQ_String& Description, MarkType Mark);
  [[noreturn]] void ThrowUnexpectedEndOfFile();

  // Splicing: the stretch from Start to End is replaced by the new text, which
  // is read next (or after it with Option_PositionAfterInsertedText). Each
  // returns the inserted text's length.
  long ReplaceTextWithString(MarkType Start, MarkType End, const ZQ_String& Text,
                             const ZQ_String& Description, int Options);
  long ReplaceTextWithFile(MarkType Start, MarkType End, const ZQ_FileName& FileName,
                           const ZQ_String& Description, int Options);
  // As ReplaceTextWithFile for Text, a file's contents read before: errors
  // in it name FileName, as they would had it been read now.
  long ReplaceTextWithFileText(MarkType Start, MarkType End, const ZQ_String& Text,
                               const ZQ_FileName& FileName, const ZQ_String& Description,
                               int Options);
  // Removes the stretch; reading goes on after it. Equal marks change nothing.
  long DeleteText(MarkType Start, MarkType End);

  // The chain of data sources from the current one outward, written
  // outermost first into Stack[1 .. count - 1]; returns count, one more than
  // the number of sources. Stack[0] is left as it is.
  long GetDataSourceStack(ZQ_AutosizeArray<const DataSourceType*>& Stack) const;

  const DataSourceType* GetCurrentDataSource() const { return CurrentDataSource; }

 protected:
  // Appended to error messages when not empty.
  ZQ_String Description;
  // Where ThrowError reports; derived parsers set it to the start of what
  // they are reading.
  MarkType ErrorMark;

 private:
  DataSourceType* AddDataSourceFromString(const ZQ_String& Text, const ZQ_String& Description);
  DataSourceType* AddDataSourceFromStream(ZQ_SeekableStreamSource Source,
                                          const ZQ_String& Description);
  DataSourceType* AddDataSourceFromFile(const ZQ_FileName& FileName,
                                        const ZQ_String& Description, int Options);
  DataSourceSectionType* NewSection(DataSourceType* Source, const char* Start, const char* End);
  // Unless Options holds Option_NoProgressTask, starts the progress task:
  // titled with the source's description in title case, one step a character.
  void Initialize(DataSourceType* Source, int Options);
  void Refresh();
  long Splice(MarkType Start, MarkType End, DataSourceType* Inserted, int Options);

  MarkType CurrentPosition;
  DataSourceType* CurrentDataSource = nullptr;
  std::unique_ptr<ZQ_ProgressReportService_Task> ProgressTask;  // null with Option_NoProgressTask
  const char* SectionStart = nullptr;
  const char* SectionEnd = nullptr;
  DataSourceSectionType* FirstSection = nullptr;
  ZQ_List<ZQ_String> KeptTexts;
  ZQ_List<ZQ_SeekableStreamSource> KeptSources;
  ZQ_AutosizeArray<DataSourceType*> DataSources;
  long NumDataSources = 0;
  ZQ_AutosizeArray<DataSourceSectionType*> Sections;
  long NumSections = 0;
};

// The difference of two marks in characters along the chain: positive when A
// lies after B, negative when B lies after A.
long operator-(ZQ_AbstractTextStreamParser::MarkType A, ZQ_AbstractTextStreamParser::MarkType B);
// Same section and pointer once both are normalised.
bool operator==(ZQ_AbstractTextStreamParser::MarkType A, ZQ_AbstractTextStreamParser::MarkType B);
inline bool operator!=(const ZQ_AbstractTextStreamParser::MarkType& A,
                       const ZQ_AbstractTextStreamParser::MarkType& B) {
  return !(A == B);
}

// The description of a parse error: Description, an empty line, then "This
// error occurred at line L", " and column C" (only when C > 0) and " while
// Reading." (translated), then ParserDescription on a line of its own when
// it is not empty.
ZQ_String ZQ_AbstractTextStreamParser_FormatErrorDescription(const ZQ_String& Description,
                                                             long Line, long Column,
                                                             const ZQ_String& Reading,
                                                             const ZQ_String& ParserDescription);

#endif

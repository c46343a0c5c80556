#include "ZQ_AbstractTextStreamParser.h"

#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "ScratchFileSupport.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_URI.h"

namespace {

using Parser = ZQ_AbstractTextStreamParser;
using Mark = ZQ_AbstractTextStreamParser::MarkType;

std::string ToStd(const ZQ_String& Text) { return std::string(Text.GetText(), Text.GetLength()); }

// A derived parser, as the XML parser is one, that can set the protected
// error mark and description.
class TestParser : public ZQ_AbstractTextStreamParser {
 public:
  using ZQ_AbstractTextStreamParser::ZQ_AbstractTextStreamParser;
  void SetErrorMark(const Mark& M) { ErrorMark = M; }
  void SetDescription(const char* Text) { Description = Text; }
};

// Reads the rest of the input character by character.
std::string ReadRest(Parser& P) {
  std::string text;
  while (!P.IsAtEnd()) {
    text += P.GetCurrentChar();
    P.AdvanceChar();
  }
  return text;
}

Mark At(const Parser& P, long Offset) {
  Mark m = P.GetPosition();
  m.MoveForward(Offset);
  return m;
}

TEST(ZQ_AbstractTextStreamParser, LineAndColumnCountFromTheDataSourceStart) {
  Parser p(ZQ_String("ab\ncd"), ZQ_String(), 0);
  const struct { long offset; long line; long column; const char* why; } kCases[] = {
      {0, 1, 1, "first character"},
      {2, 1, 3, "the first line end is the third column of line 1"},
      {3, 2, 1, "after a line end the column starts again"},
      {4, 2, 2, "the last character"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    long line = 0, column = 0;
    p.GetLineAndColumn(At(p, c.offset), line, column);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(column, c.column);
  }
}

TEST(ZQ_AbstractTextStreamParser, CarriageReturnAndTabCountOneColumnEach) {
  Parser p(ZQ_String("\r\t\rx"), ZQ_String(), 0);
  long line = 0, column = 0;
  p.GetLineAndColumn(At(p, 3), line, column);
  EXPECT_EQ(line, 1);
  EXPECT_EQ(column, 4);
}

TEST(ZQ_AbstractTextStreamParser, ReadingPastTheEndThrowsUnexpectedEndOfFile) {
  Parser p(ZQ_String("a\nb"), ZQ_String(), 0);
  EXPECT_EQ(ReadRest(p), "a\nb");
  EXPECT_EQ(p.GetCurrentChar(), '\0');
  try {
    p.AdvanceChar();
    FAIL() << "no exception";
  } catch (const ZQ_AbstractTextStreamParserException& e) {
    EXPECT_EQ(ToStd(e.GetName()), "Error reading internal data");
    EXPECT_EQ(ToStd(e.GetDescription()),
              "Unexpected end of file\n\nThis error occurred at line 2 and column 2 while "
              "reading internal data.");
    EXPECT_EQ(e.GetLine(), 2);
    EXPECT_EQ(e.GetColumn(), 2);
    EXPECT_EQ(ToStd(e.GetDataSourceText()), "a\nb");
    EXPECT_TRUE(e.GetFileName().IsNull());
  }
}

TEST(ZQ_AbstractTextStreamParser, ThrowErrorReportsAtTheErrorMarkWithTheParserDescription) {
  TestParser p(ZQ_String("one\ntwo"), ZQ_String("reading the sample"), 0);
  p.SetErrorMark(At(p, 5));
  p.SetDescription("In element <x>.");
  try {
    p.ThrowError("Bad name");
    FAIL() << "no exception";
  } catch (const ZQ_AbstractTextStreamParserException& e) {
    EXPECT_EQ(ToStd(e.GetName()), "Error reading the sample");
    EXPECT_EQ(ToStd(e.GetDescription()),
              "Bad name\n\nThis error occurred at line 2 and column 2 while reading the "
              "sample.\nIn element <x>.\n");
  }
}

TEST(ZQ_AbstractTextStreamParser, ErrorDescriptionOmitsTheColumnClauseForColumnZero) {
  const struct { long column; const char* want; const char* why; } kCases[] = {
      {0, "D\n\nThis error occurred at line 7 while reading x.", "no column"},
      {3, "D\n\nThis error occurred at line 7 and column 3 while reading x.", "a column"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ToStd(ZQ_AbstractTextStreamParser_FormatErrorDescription("D", 7, c.column,
                                                                       "reading x", ZQ_String())),
              c.want);
  }
}

TEST(ZQ_AbstractTextStreamParser, ErrorInAFileNamesTheFileAndItsText) {
  ScratchFolder folder("ParserFile");
  const std::string name = folder.Put("in.txt", "x\ny");
  for (int options : {0, Parser::Option_LoadFileIntoString}) {
    SCOPED_TRACE(options);
    Parser p(ZQ_FileName(name.c_str()), ZQ_String(), options);
    p.AdvanceChar();
    p.AdvanceChar();
    try {
      p.ThrowErrorAt("Oops", Mark());
      FAIL() << "no exception";
    } catch (const ZQ_AbstractTextStreamParserException& e) {
      EXPECT_EQ(ToStd(e.GetName()), "Error reading " + name);
      EXPECT_EQ(ToStd(e.GetDescription()),
                "Oops\n\nThis error occurred at line 2 and column 1 while reading " + name + ".");
      EXPECT_EQ(ToStd(e.GetFileName().GetPathName()), name);
      EXPECT_EQ(ToStd(e.GetDataSourceText()), "x\ny");
    }
  }
}

TEST(ZQ_AbstractTextStreamParser, AURIIsReadThroughItsSchemeAndNamedInErrors) {
  ScratchFolder folder("ParserURI");
  const std::string name = folder.Put("u.txt", "<a/>");
  const ZQ_URI uri(ZQ_String(name.c_str()));
  Parser p(uri, ZQ_String(), 0);
  EXPECT_EQ(ReadRest(p), "<a/>");
  try {
    p.ThrowUnexpectedEndOfFile();
  } catch (const ZQ_AbstractTextStreamParserException& e) {
    EXPECT_EQ(ToStd(e.GetName()), "Error reading " + ToStd(uri.GetText()));
    EXPECT_EQ(e.GetColumn(), 5);
  }
}

TEST(ZQ_AbstractTextStreamParser, LargeMappedStreamsAreReadInPlaceSmallOnesCopied) {
  ScratchFolder folder("ParserStream");
  const struct { size_t size; bool inPlace; const char* why; } kCases[] = {
      {8000, false, "up to 8000 bytes are copied"},
      {8001, true, "a larger mapped file is read in place"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string bytes(c.size, 'q');
    ZQ_SeekableStreamSource source =
        ZQ_CreateFileStreamSource(ZQ_String(folder.Put("s.txt", bytes).c_str()), 0);
    Parser p(source, ZQ_String(), 0);
    const char* text = p.GetCurrentDataSource()->TextStart;
    EXPECT_EQ(text == source.GetDataPointer(), c.inPlace);
    EXPECT_EQ(p.GetCurrentDataSource()->TextEnd - text, static_cast<long>(c.size));
    EXPECT_EQ(ToStd(p.GetTextBetweenMarks(At(p, c.size - 2), At(p, c.size))), "qq");
  }
}

TEST(ZQ_AbstractTextStreamParser, ReplacedMiddleIsReadThenTheRest) {
  Parser p(ZQ_String("ab&x;cd"), ZQ_String(), 0);
  const long length = p.ReplaceTextWithString(At(p, 2), At(p, 5), "1\n23", "reading entity x", 0);
  EXPECT_EQ(length, 4);
  EXPECT_EQ(p.GetCurrentChar(), '1');
  // Lines inside the inserted text count from its own start.
  long line = 0, column = 0;
  p.GetLineAndColumn(At(p, 3), line, column);
  EXPECT_EQ(line, 2);
  EXPECT_EQ(column, 2);
  EXPECT_EQ(ToStd(p.GetCurrentDataSource()->Description), "reading entity x");
  ZQ_AutosizeArray<const Parser::DataSourceType*> stack;
  stack[0] = nullptr;
  ASSERT_EQ(p.GetDataSourceStack(stack), 3);
  EXPECT_EQ(stack[0], nullptr);
  EXPECT_EQ(ToStd(stack[1]->Description), "reading internal data");
  EXPECT_EQ(stack[2], p.GetCurrentDataSource());
  EXPECT_EQ(ReadRest(p), "1\n23cd");
}

TEST(ZQ_AbstractTextStreamParser, TextBetweenMarksJoinsSectionsAfterSplices) {
  Parser p(ZQ_String("0123456789"), ZQ_String(), 0);
  const Mark start = p.GetPosition();
  p.ReplaceTextWithString(At(p, 2), At(p, 4), "ab", ZQ_String(), 0);
  Mark second = p.GetPosition();
  second.MoveForward(3);  // "abcd": inside the tail of the first text
  p.ReplaceTextWithString(second, At(p, 5), "XY", ZQ_String(), Parser::Option_PositionAfterInsertedText);
  EXPECT_EQ(p.GetCurrentChar(), '7');
  Mark end = start;
  end.MoveForward(10);
  EXPECT_EQ(ToStd(p.GetTextBetweenMarks(start, end)), "01ab4XY789");
  EXPECT_EQ(ToStd(p.GetTextBetweenMarks(start, p.GetPosition())), "01ab4XY");
  EXPECT_EQ(p.GetPosition() - start, 7);
  EXPECT_EQ(start - p.GetPosition(), -7);
  Mark back = p.GetPosition();
  back.MoveBackward(4);
  EXPECT_EQ(ToStd(p.GetTextBetweenMarks(back, p.GetPosition())), "b4XY");
}

TEST(ZQ_AbstractTextStreamParser, MarkAtSectionEndEqualsStartOfNextSection) {
  Parser p(ZQ_String("abcd"), ZQ_String(), 0);
  const Mark first = p.GetPosition();
  p.ReplaceTextWithString(At(p, 2), At(p, 2), "XY", ZQ_String(), 0);
  const Mark sectionEnd(first.SectionP, first.SectionP->End);
  EXPECT_TRUE(sectionEnd == p.GetPosition());
  EXPECT_FALSE(sectionEnd != p.GetPosition());
  EXPECT_EQ(p.GetPosition() - sectionEnd, 0);
}

TEST(ZQ_AbstractTextStreamParser, DeleteTextContinuesAfterTheStretch) {
  Parser p(ZQ_String("abcdef"), ZQ_String(), 0);
  EXPECT_EQ(p.DeleteText(At(p, 1), At(p, 3)), 0);
  EXPECT_EQ(ReadRest(p), "def");
  Mark whole = p.GetPosition();
  whole.MoveBackward(4);
  EXPECT_EQ(ToStd(p.GetTextBetweenMarks(whole, p.GetPosition())), "adef");
}

TEST(ZQ_AbstractTextStreamParser, DeleteTextWithEqualMarksChangesNothing) {
  Parser p(ZQ_String("abc"), ZQ_String(), 0);
  p.AdvanceChar();
  const Mark before = p.GetPosition();
  EXPECT_EQ(p.DeleteText(At(p, 1), At(p, 1)), 0);
  EXPECT_TRUE(p.GetPosition() == before);
  EXPECT_EQ(before.SectionP->Next, nullptr);
  EXPECT_EQ(ReadRest(p), "bc");
}

TEST(ZQ_AbstractTextStreamParser, MisusedMarksFailTheirAssertions) {
  Parser p(ZQ_String("abc"), ZQ_String(), 0);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { At(p, 4); }), "SectionP"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                Mark m = p.GetPosition();
                m.MoveBackward(1);
              }),
              "SectionP"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { p.GetTextBetweenMarks(At(p, 2), At(p, 1)); }),
                       "ElementLength >= 0"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                long line, column;
                p.GetLineAndColumn(Mark(), line, column);
              }),
              "not TargetMark.IsNull()"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] {
                p.ReplaceTextWithString(At(p, 2), At(p, 1), "x", ZQ_String(), 0);
              }),
              "(E - S) >= 0"));
  EXPECT_EQ(ReadRest(p), "abc");
}

}  // namespace

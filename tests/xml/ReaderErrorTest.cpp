#include <gtest/gtest.h>

#include "XmlTestSupport.h"

TEST(ZQXML_Reader, ErrorsReportTheLineAndColumnOfTheFault) {
  const struct {
    const char* in;
    long line;
    long column;
    const char* why;
  } kCases[] = {
      {"<r>\n  <a b='1'", 2, 3, "unclosed tag: at its <"},
      {"<r>\n<a>text", 2, 1, "unclosed element: at its start tag"},
      {"<r>\n <a></b></r>", 2, 5, "mismatched end tag: at its <"},
      {"<r>\n<1a/></r>", 2, 2, "bad name: at its first character"},
      {"<r a='1'\n   a='2'/>", 2, 4, "duplicate attribute: at the second name"},
      {"<r a0='' a1='' a2='' a3='' a4='' a5='' a6='' a7='' a8='' a9='' b0='' b1='' b2='' b3='' "
       "b4='' b5='' b6='' b7='' a7=''/>",
       1, 112, "duplicate attribute among many"},
      {"<r a='x<y'/>", 1, 8, "< in an attribute value"},
      {"<r>\n ab&nope;</r>", 2, 4, "undefined entity: at its &"},
      {"<r>&#0;</r>", 1, 4, "character reference of code 0"},
      {"<r>\n&#256;</r>", 2, 1, "character reference above 255"},
      {"<r>&#x1G;</r>", 1, 4, "bad hexadecimal reference"},
      {"<r>&#65</r>", 1, 4, "reference without ;"},
      {"<r/>\nxyz", 2, 1, "text after the root element"},
      {"<r/><s/>", 1, 5, "second root element"},
      {"", 1, 1, "no root element"},
      {"<r>\n<!-- abc</r>", 2, 1, "unterminated comment"},
      {"<r><![CDATA[abc</r>", 1, 4, "unterminated CDATA section"},
      {"<r>\n  [-define x 'y</r>", 2, 3, "unterminated command"},
      {"<r>[-define x 'y'</r>", 1, 18, "command without -]"},
      {"<r>[- call x-]</r>", 1, 7, "unknown command: at its keyword"},
      {"<r>\n[-include 'nothere.xml'-]</r>", 2, 1, "missing include: at the command"},
      {"<!DOCTYPE r [\n]><r/>", 1, 13, "internal DTD subset"},
      {"<r/>\n<?xml version='1.0'?>", 2, 1, "XML declaration not at the start"},
      {"<r a='1' b></r>", 1, 11, "attribute without a value"},
      {"<r a=1/>", 1, 6, "attribute value without quotes"},
      // Well-formedness of comments, text, the XML declaration and targets
      {"<r>\n<!-- a -- b --></r>", 2, 8, "\"--\" inside a comment: at the \"--\""},
      {"<r><!-- a ---></r>", 1, 11, "comment ending in \"--->\""},
      {"<r>\n a ]]> b</r>", 2, 4, "\"]]>\" in text: at its first \"]\""},
      {"<?xml encoding='UTF-8'?><r/>", 1, 7, "declaration without version"},
      {"<?xml version='1.0' standalone='no' encoding='UTF-8'?><r/>", 1, 37, "encoding last"},
      {"<?xml version='1.0' version='1.0'?><r/>", 1, 21, "version twice"},
      {"<?xml version='1.0' lang='en'?><r/>", 1, 21, "unknown pseudo-attribute"},
      {"<?xml version='1.0'encoding='UTF-8'?><r/>", 1, 20, "no white space between"},
      {"<?xml version='1.0\"?><r/>", 1, 19, "quotes that do not match"},
      {"<?xml version='1 .0'?><r/>", 1, 17, "version with a blank"},
      {"<?xml version='1.0' standalone='Yes'?><r/>", 1, 33, "standalone not yes or no"},
      {"<?xml version='1.0' encoding='UTF 8'?><r/>", 1, 34, "encoding with a blank"},
      {"<?xml version='1.0' encoding='8859-1'?><r/>", 1, 31, "encoding not from a letter"},
      {" <?xml version='1.0'?><r/>", 1, 2, "declaration after white space"},
      {"<!--c--><?xml version='1.0'?><r/>", 1, 9, "declaration after a comment"},
      {"<r>\n<?xMl data?></r>", 2, 3, "target \"xml\" in another case: at the target"},
      {"<r><?a=b?></r>", 1, 7, "target not ended by white space or ?>: at what follows it"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const CaughtError error = ReadError(c.in);
    EXPECT_EQ(error.Kind, "parse") << error.Description;
    EXPECT_EQ(error.Line, c.line) << error.Description;
    EXPECT_EQ(error.Column, c.column) << error.Description;
    EXPECT_EQ(error.ExceptionLine, c.line);
    EXPECT_EQ(error.ExceptionColumn, c.column);
    EXPECT_EQ(error.SourceText, c.in);
  }
}

TEST(ZQXML_Reader, ErrorsNameWhatWasFoundAndWhatWasExpected) {
  const struct {
    const char* in;
    const char* want;
  } kCases[] = {
      {"<r><a></b></r>", "Found the end tag </b> where </a> was expected.\n\nThis error occurred at "
                         "line 1 and column 7 while reading internal data."},
      {"<r>&nope;</r>", "Found the entity \"nope\", which is not defined."},
      {"<r a='1' a='2'/>", "Found the attribute \"a\" a second time in the element <r>."},
      {"<r>[-call-]</r>", "Found the parser command \"call\" where \"define\", \"defdefine\" or "
                          "\"include\" was expected."},
      {"<?xml version='1.0' version='1'?><r/>",
       "Found \"version\" where \"encoding\", \"standalone\", \"?>\" was expected."},
      {"<r><?XML?></r>", "Found the processing instruction target \"XML\", which is reserved"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ReadError(c.in).Description.rfind(c.want, 0), 0u) << ReadError(c.in).Description;
  }
}

TEST(ZQXML_Reader, NulBytesAreRefusedWhereverTheyStand) {
  const struct {
    const char* in;
    int length;
    long column;
  } kCases[] = {{"<r>a\0b</r>", 10, 5}, {"<r a='\0'/>", 10, 7}, {"<r><!--\0--></r>", 15, 4}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.column);
    const CaughtError error =
        ErrorOf([&] { ZQXML_Reader(ZQ_String(c.in, c.length)).Read(); });
    EXPECT_EQ(error.Kind, "parse");
    EXPECT_EQ(error.Column, c.column);
  }
}

TEST(ZQXML_Reader, AnErrorInsideAnEntityCountsInItsReplacementText) {
  const CaughtError error = ReadError("[-define e 'ok\n  <a b=1/>'-]<r>&e;</r>");
  EXPECT_EQ(error.Kind, "parse");
  EXPECT_EQ(error.Line, 2);
  EXPECT_EQ(error.Column, 8);
  EXPECT_EQ(error.SourceText, "ok\n  <a b=1/>");
  EXPECT_NE(error.Description.find("while reading the entity \"e\"."), std::string::npos);
  const CaughtError inValue = ReadError("[-define e 'a<b'-]<r a='&e;'/>");
  EXPECT_EQ(inValue.Kind, "parse");
  EXPECT_EQ(inValue.Column, 2);
  EXPECT_EQ(inValue.SourceText, "a<b");
  const CaughtError declaration = ReadError("[-define e '<?xml version=\"1.0\"?>'-]<r>&e;</r>");
  EXPECT_EQ(declaration.SourceText, "<?xml version=\"1.0\"?>") << declaration.Description;
}

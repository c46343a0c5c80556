// XmlTestSupport.h: reading test documents and catching their parse errors,
// with the error position read back from the description the way the
// parse-error display reads it (the number after "at line " and after
// "and column ", up to the next blank).
#ifndef XML_TEST_SUPPORT_H
#define XML_TEST_SUPPORT_H

#include <string>

#include "ZQXML_Reader.h"
#include "ZQ_AbstractTextStreamParser.h"

inline ZQXML_Tree ReadText(const char* Text) {
  ZQXML_Reader reader(Text);
  return reader.Read();
}

inline long NumberAfter(const std::string& Description, const std::string& Key) {
  const size_t at = Description.find(Key);
  if (at == std::string::npos) return 0;
  const size_t start = at + Key.size();
  const size_t end = Description.find(' ', start);
  const std::string digits = Description.substr(start, end == std::string::npos ? end : end - start);
  return digits.empty() ? 0 : std::stol(digits);
}

struct CaughtError {
  // "parse" for ZQ_AbstractTextStreamParserException, "other" for another
  // ZQ_Exception, "" when nothing was thrown.
  std::string Kind;
  std::string Description;
  long Line = 0;  // read back from the description
  long Column = 0;
  long ExceptionLine = 0;  // the exception's own fields
  long ExceptionColumn = 0;
  std::string SourceText;  // the text of the data source at fault
};

template <class Statement>
CaughtError ErrorOf(Statement statement) {
  CaughtError caught;
  try {
    statement();
  } catch (const ZQ_AbstractTextStreamParserException& e) {
    caught.Kind = "parse";
    caught.Description = e.GetDescription().GetText();
    caught.ExceptionLine = e.GetLine();
    caught.ExceptionColumn = e.GetColumn();
    caught.SourceText.assign(e.GetDataSourceText().GetText(), e.GetDataSourceText().GetLength());
  } catch (const ZQ_Exception& e) {
    caught.Kind = "other";
    caught.Description = e.GetDescription().GetText();
  }
  caught.Line = NumberAfter(caught.Description, "at line ");
  caught.Column = NumberAfter(caught.Description, "and column ");
  return caught;
}

inline CaughtError ReadError(const char* Text) {
  return ErrorOf([&] { ReadText(Text); });
}

#endif

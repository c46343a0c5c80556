// DtdTestSupport.h: DTDs from texts and validated reads for the DTD tests.
#ifndef DTD_TEST_SUPPORT_H
#define DTD_TEST_SUPPORT_H

#include "XmlTestSupport.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Node.h"

inline ZQXML_DocumentTypeDefinition DtdOf(const char* Text) {
  return ZQXML_DocumentTypeDefinitionParser(ZQ_String(Text), ZQ_String()).Parse();
}

struct ReadOptions {
  bool KeepWhitespace = false;
  bool IsFragment = false;
};

inline ZQXML_Tree ReadValid(const ZQXML_DocumentTypeDefinition& Definition, const char* Text,
                            ReadOptions Options = ReadOptions()) {
  ZQXML_Reader reader(Text);
  reader.SetDocumentTypeDefinition(Definition);
  reader.SetKeepCharacterDataInElementContent(Options.KeepWhitespace);
  reader.SetReadAsContentUnderDummyRoot(Options.IsFragment);
  return reader.Read();
}

inline CaughtError ValidationError(const ZQXML_DocumentTypeDefinition& Definition, const char* Text,
                                   ReadOptions Options = ReadOptions()) {
  return ErrorOf([&] { ReadValid(Definition, Text, Options); });
}

#endif

#include <gtest/gtest.h>

#include "DtdTestSupport.h"

TEST(ZQXML_DocumentTypeDefinitionParser, BrokenDtdsFailAtTheConstructAtFault) {
  const struct {
    const char* dtd;
    long line;
    long column;
    const char* source;  // the text the fault lies in, when not the DTD
    const char* why;
  } kCases[] = {
      {"<!ELEMENT r (a,, b)>", 1, 16, nullptr, "empty particle"},
      {"<!ELEMENT r (a, b | c)>", 1, 19, nullptr, "mixed separators"},
      {"<!ELEMENT r (a b)>", 1, 16, nullptr, "missing separator"},
      {"<!ELEMENT r (#PCDATA | a)>", 1, 26, nullptr, "mixed content without *"},
      {"<!ELEMENT r EMPTIER>", 1, 13, nullptr, "unknown content keyword"},
      {"<!ELEMENT r (a)\n<!ELEMENT a EMPTY>", 2, 1, nullptr, "unclosed declaration"},
      {"<!ELEMENT a EMPTY>\n<!ELEMENT a ANY>", 2, 1, nullptr, "second declaration"},
      {"<!ELEMENT r (a, b)>\n<!ELEMENT a EMPTY>", 1, 17, nullptr, "undeclared element in a model"},
      {"<!ELEMENT r EMPTY>\n  %nothing;", 2, 3, nullptr, "undefined parameter entity"},
      {"<!ENTITY % a \"(x | %b;)\">\n<!ENTITY % b \"%a;\">\n<!ELEMENT r %a;>", 1, 1, "%a;",
       "recursive parameter entity: at the inner reference"},
      {"<!ENTITY % m \"(a,\n  | b)\">\n<!ELEMENT r %m;>", 2, 3, "(a,\n  | b)",
       "bad model inside a parameter entity: positions count in its own text"},
      {"<!ENTITY e SYSTEM \"e.xml\">", 1, 12, nullptr, "external entity"},
      {"<!NOTATION n SYSTEM \"n\">", 1, 1, nullptr, "notation"},
      {"<![INCLUDE[ <!ELEMENT r EMPTY> ]]>", 1, 1, nullptr, "conditional section"},
      {"<!ELEMENT r EMPTY>\n<?pi x?>", 2, 1, nullptr, "processing instruction"},
      {"<!ATTLIST r a IDREFS #IMPLIED>", 1, 15, nullptr, "unsupported attribute type"},
      {"<!ATTLIST r a CDATA #DEFAULT>", 1, 21, nullptr, "unknown default keyword"},
      {"<!ATTLIST r a (x | ) #IMPLIED>", 1, 20, nullptr, "empty enumeration value"},
      {"<!ENTITY e \"abc>", 1, 12, nullptr, "unclosed literal"},
      {"<!-- open", 1, 1, nullptr, "unclosed comment"},
      {"<!-- a -- b -->", 1, 8, nullptr, "\"--\" inside a comment"},
      {"<!ELEMENT r ((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((a)))))))))))"
       ")))))))))))))))))))))))))))))))))))))))))))))))))))))))))))>",
       1, 78, nullptr, "model nested too deep"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const CaughtError error = ErrorOf([&] { DtdOf(c.dtd); });
    EXPECT_EQ(error.Kind, "parse") << error.Description;
    EXPECT_EQ(error.Line, c.line) << error.Description;
    EXPECT_EQ(error.Column, c.column) << error.Description;
    EXPECT_EQ(error.SourceText, c.source ? c.source : c.dtd);
  }
}

TEST(ZQXML_DocumentTypeDefinitionParser, ModelsThatWouldGrowTooLargeAreRefused) {
  // 1,025 names; and (a|b)*, a, then 12 times (a|b): a machine of 2^13 states.
  std::string names = "<!ELEMENT a EMPTY><!ELEMENT b EMPTY><!ELEMENT r (a";
  for (int i = 0; i < 1024; ++i) names += ", a";
  names += ")>";
  std::string states = "<!ELEMENT a EMPTY><!ELEMENT b EMPTY><!ELEMENT r ((a | b)*, a";
  for (int i = 0; i < 12; ++i) states += ", (a | b)";
  states += ")>";
  for (const std::string& dtd : {names, states}) {
    const CaughtError error = ErrorOf([&] { DtdOf(dtd.c_str()); });
    EXPECT_EQ(error.Kind, "parse");
    EXPECT_NE(error.Description.find("is too complex"), std::string::npos) << error.Description;
    EXPECT_EQ(error.Column, 49) << "at the model";
  }
}

TEST(ZQXML_DocumentTypeDefinitionParser, ParameterEntitiesAreSplicedWhereverTheyAreUsed) {
  const ZQXML_DocumentTypeDefinition dtd = DtdOf(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!-- parameter entities nested in models, attribute lists and entities -->\n"
      "<!ENTITY % inline \"b | i\">\n"
      "<!ENTITY % flow \"#PCDATA | %inline;\">\n"
      "<!ENTITY % blocks \"(p | q)\">\n"
      "<!ENTITY % common \"id ID #IMPLIED %size;\">\n"
      "<!ENTITY % size \"width CDATA #IMPLIED\">\n"
      "<!ENTITY % decl \"<!ELEMENT i (%flow;)*>\">\n"
      "<!ELEMENT r (%blocks;+)>\n"
      "<!ATTLIST r %common;>\n"
      "<!ELEMENT p (%flow;)*>\n"
      "<!ELEMENT q EMPTY>\n"
      "<!ELEMENT b (%flow;)*>\n"
      "%decl;\n"
      "<!ENTITY bold \"<b>%inline;</b>\">\n"
      "<!ENTITY first 'kept'>\n"
      "<!ENTITY first 'ignored'>\n");
  const struct {
    const char* in;
    bool isValid;
  } kCases[] = {
      {"<r id='x' width='3'><p>t<b>u<i>v</i></b></p><q/></r>", true},
      {"<r><p>&bold;</p></r>", true},
      {"<r><p><q/></p></r>", false},
      {"<r height='1'><q/></r>", false},
      {"<r/>", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    const CaughtError error = ValidationError(dtd, c.in);
    EXPECT_EQ(error.Kind, c.isValid ? "" : "parse") << error.Description;
  }
  const ZQXML_Tree tree = ReadValid(dtd, "<r><p>&bold;&first;</p></r>");
  EXPECT_EQ(std::string(tree.GetRootNode()->GetValue().GetText()), "b | ikept")
      << "a general entity keeps the parameter entity's text";
}

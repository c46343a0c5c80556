#include <gtest/gtest.h>

#include <string>

#include "DtdTestSupport.h"
#include "ZQXML_XMLTreeUtil.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"

namespace {

struct ValidationCase {
  const char* dtd;
  const char* in;
  long line;  // 0: valid
  long column;
  const char* why;
};

void ExpectValidation(const ValidationCase& c) {
  SCOPED_TRACE(c.why);
  const CaughtError error = ValidationError(DtdOf(c.dtd), c.in);
  if (c.line == 0) {
    EXPECT_EQ(error.Kind, "") << error.Description;
    return;
  }
  EXPECT_EQ(error.Kind, "parse") << error.Description;
  EXPECT_EQ(error.Line, c.line) << error.Description;
  EXPECT_EQ(error.Column, c.column) << error.Description;
}

const char kLeaves[] = "<!ELEMENT a EMPTY><!ELEMENT b EMPTY><!ELEMENT c EMPTY>";

std::string WithLeaves(const char* Declaration) { return std::string(kLeaves) + Declaration; }

}  // namespace

TEST(ZQXML_Validation, ContentModelsAcceptAndRejectAtTheRightPlace) {
  const std::string optional = WithLeaves("<!ELEMENT r (a?, b)>");
  const std::string star = WithLeaves("<!ELEMENT r (a*)>");
  const std::string plus = WithLeaves("<!ELEMENT r (a+)>");
  const std::string sequence = WithLeaves("<!ELEMENT r (a, b, c)>");
  const std::string choice = WithLeaves("<!ELEMENT r (a | b | c)>");
  const std::string nested = WithLeaves("<!ELEMENT r ((a, b)+ | (c, (a | b)?))>");
  const std::string mixed = WithLeaves("<!ELEMENT r (#PCDATA | a | b)*>");
  const std::string text = WithLeaves("<!ELEMENT r (#PCDATA)>");
  const std::string empty = "<!ELEMENT r EMPTY>";
  const std::string any = WithLeaves("<!ELEMENT r ANY>");
  const std::string row = WithLeaves("<!ELEMENT r (a+ | b+)>");
  const ValidationCase kCases[] = {
      {optional.c_str(), "<r><a/><b/></r>", 0, 0, "? present"},
      {optional.c_str(), "<r><b/></r>", 0, 0, "? absent"},
      {optional.c_str(), "<r><a/><a/><b/></r>", 1, 8, "? twice: at the second"},
      {optional.c_str(), "<r>\n<a/>\n</r>", 3, 1, "? then missing b: at the end tag"},
      {star.c_str(), "<r></r>", 0, 0, "* none"},
      {star.c_str(), "<r><a/><a/><a/></r>", 0, 0, "* many"},
      {star.c_str(), "<r><a/><b/></r>", 1, 8, "* other element"},
      {plus.c_str(), "<r/>", 1, 1, "+ none: at the empty tag"},
      {plus.c_str(), "<r><a/><a/></r>", 0, 0, "+ two"},
      {sequence.c_str(), "<r><a/><b/><c/></r>", 0, 0, "sequence"},
      {sequence.c_str(), "<r><a/><c/></r>", 1, 8, "sequence skips b"},
      {sequence.c_str(), "<r><a/><b/></r>", 1, 12, "sequence ends early"},
      {choice.c_str(), "<r><c/></r>", 0, 0, "choice"},
      {choice.c_str(), "<r><a/><b/></r>", 1, 8, "choice twice"},
      {choice.c_str(), "<r></r>", 1, 4, "choice none"},
      {nested.c_str(), "<r><a/><b/><a/><b/></r>", 0, 0, "nested repeat"},
      {nested.c_str(), "<r><c/><b/></r>", 0, 0, "nested optional"},
      {nested.c_str(), "<r><c/></r>", 0, 0, "nested optional absent"},
      {nested.c_str(), "<r><a/><b/><c/></r>", 1, 12, "nested branches mixed"},
      {nested.c_str(), "<r><a/></r>", 1, 8, "nested pair incomplete"},
      {mixed.c_str(), "<r>x<a/>y<b/><a/>z</r>", 0, 0, "mixed"},
      {mixed.c_str(), "<r>x<c/></r>", 1, 5, "mixed with another element"},
      {text.c_str(), "<r>only text</r>", 0, 0, "#PCDATA"},
      {text.c_str(), "<r>text <a/></r>", 1, 9, "#PCDATA with an element"},
      {empty.c_str(), "<r/>", 0, 0, "EMPTY"},
      {empty.c_str(), "<r> </r>", 0, 0, "EMPTY with white space"},
      {empty.c_str(), "<r>\n x</r>", 2, 2, "EMPTY with text: at the text"},
      {any.c_str(), "<r>t<c/><a/>u</r>", 0, 0, "ANY"},
      {any.c_str(), "<r><z/></r>", 1, 4, "ANY with an undeclared element"},
      {sequence.c_str(), "<r>\n  <a/> x <b/><c/></r>", 2, 8, "text in element content"},
      {row.c_str(), "<r><a/><a/></r>", 0, 0, "row of one kind"},
      {row.c_str(), "<r><b/><b/><b/></r>", 0, 0, "row of the other kind"},
      {row.c_str(), "<r><a/><b/></r>", 1, 8, "row that mixes the kinds"},
      {sequence.c_str(), "<q/>", 1, 1, "undeclared root"},
      {sequence.c_str(), "<r><a/><!-- c --><?pi x?><b/><c/></r>", 0, 0, "comments and instructions"},
      {empty.c_str(), "<r><!-- c --></r>", 0, 0, "a comment in EMPTY"},
  };
  for (const auto& c : kCases) ExpectValidation(c);
}

// Models at the name limit: 1,024 optional names in a row, and a choice of
// 1,024 names under 63 levels of "(...)*".
TEST(ZQXML_Validation, ModelsOf1024NamesAcceptAndRejectAtTheRightPlace) {
  std::string declarations;
  std::string optional = "(";
  std::string choice = "(";
  for (int i = 0; i < 1024; ++i) {
    declarations += "<!ELEMENT n" + std::to_string(i) + " EMPTY>";
    optional += i ? ", n0?" : "n0?";
    choice += (i ? " | n" : "n") + std::to_string(i);
  }
  std::string nested = choice + ")";
  for (int level = 0; level < 62; ++level) nested = "(" + nested + ")*";
  const std::string optionalDtd = declarations + "<!ELEMENT r " + optional + ")><!ELEMENT q EMPTY>";
  const std::string nestedDtd = declarations + "<!ELEMENT r " + nested + "><!ELEMENT q EMPTY>";
  std::string all = "<r>";
  for (int i = 0; i < 1024; ++i) all += "<n0/>";
  const std::string allThenOne = all + "<n0/></r>";
  all += "</r>";
  const ValidationCase kCases[] = {
      {optionalDtd.c_str(), "<r/>", 0, 0, "none of the optional names"},
      {optionalDtd.c_str(), "<r><n0/><n0/></r>", 0, 0, "some of them"},
      {optionalDtd.c_str(), all.c_str(), 0, 0, "all of them"},
      {optionalDtd.c_str(), allThenOne.c_str(), 1, 4 + 1024 * 5, "one more than all"},
      {optionalDtd.c_str(), "<r><n0/><n1/></r>", 1, 9, "another name"},
      {nestedDtd.c_str(), "<r/>", 0, 0, "nested: none"},
      {nestedDtd.c_str(), "<r><n1023/><n0/><n512/><n0/></r>", 0, 0, "nested: any order"},
      {nestedDtd.c_str(), "<r><n5/><q/></r>", 1, 9, "nested: a name outside the choice"},
  };
  for (const auto& c : kCases) ExpectValidation(c);
}

TEST(ZQXML_Validation, AttributesAreCheckedAtTheStartTag) {
  const char kDtd[] =
      "<!ELEMENT r EMPTY>"
      "<!ATTLIST r kind (x | y) #IMPLIED must CDATA #REQUIRED fix CDATA #FIXED 'f' "
      "tok NMTOKEN #IMPLIED id ID #IMPLIED ref IDREF #IMPLIED dflt CDATA 'd'>";
  const ValidationCase kCases[] = {
      {kDtd, "<r must='1' kind='y' fix='f' tok='a-1.b' id='i' ref='nowhere'/>", 0, 0, "valid"},
      {kDtd, "<r must=''/>", 0, 0, "defaults are not needed"},
      {kDtd, "<r\n kind='x'/>", 1, 1, "missing #REQUIRED"},
      {kDtd, "<r must='1'\n kind='z'/>", 1, 1, "value outside the enumeration"},
      {kDtd, "<r must='1' fix='g'/>", 1, 1, "#FIXED differs"},
      {kDtd, "<r must='1' tok='a b'/>", 1, 1, "NMTOKEN with a blank"},
      {kDtd, "<r must='1' tok=''/>", 1, 1, "empty NMTOKEN"},
      {kDtd, "<r must='1' other='1'/>", 1, 1, "undeclared attribute"},
  };
  for (const auto& c : kCases) ExpectValidation(c);
}

TEST(ZQXML_Validation, MessagesNameTheElementAndWhatWasExpected) {
  const ZQXML_DocumentTypeDefinition dtd =
      DtdOf("<!ELEMENT r (a, b?)><!ELEMENT a EMPTY><!ELEMENT b EMPTY><!ATTLIST a k (p | q) #REQUIRED>");
  const struct {
    const char* in;
    const char* want;
  } kCases[] = {
      {"<r><b/></r>", "Found the element <b> where <a> was expected."},
      {"<r><a k='p'/><a k='p'/></r>", "Found the element <a> where <b>, the end tag </r> was expected."},
      {"<r></r>", "The element <r> ends where <a> was expected."},
      {"<r><x/></r>", "Found the element <x>, which the document type definition does not declare."},
      {"<r><a/></r>", "The element <a> lacks its required attribute \"k\"."},
      {"<r><a k='s'/></r>", "Found a value of the attribute \"k\" where one of \"p\", \"q\" was expected."},
      {"<r>x<a k='p'/></r>", "Found text in the element <r>, which may hold only elements."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    const CaughtError error = ValidationError(dtd, c.in);
    EXPECT_EQ(error.Description.substr(0, std::string(c.want).size()), c.want) << error.Description;
  }
}

TEST(ZQXML_Validation, AnEnumerationOf1000ValuesTakesEachAndListsThemAllWhenItFails) {
  std::string dtd = "<!ELEMENT r EMPTY><!ATTLIST r v (";
  std::string listed;
  for (int i = 0; i < 1000; ++i) {
    dtd += (i ? "|v" : "v") + std::to_string(i);
    listed += (i ? ", \"v" : "\"v") + std::to_string(i) + "\"";
  }
  const ZQXML_DocumentTypeDefinition definition = DtdOf((dtd + ") #IMPLIED>").c_str());
  const std::string fault =
      "Found a value of the attribute \"v\" where one of " + listed + " was expected.";
  const struct {
    const char* in;
    bool isValid;
  } kCases[] = {
      {"<r v='v0'/>", true},     {"<r v='v999'/>", true},  {"<r v='v500'/>", true},
      {"<r v='v1000'/>", false}, {"<r v='V5'/>", false},   {"<r v='v'/>", false},
      {"<r v=''/>", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    const CaughtError error = ValidationError(definition, c.in);
    EXPECT_EQ(error.Kind, c.isValid ? "" : "parse");
    if (!c.isValid) {
      EXPECT_EQ(error.Description.substr(0, fault.size()), fault);
    }
  }
}

TEST(ZQXML_Validation, EntitiesOfTheDtdAreExpandedAndValidatedWhereTheyAreUsed) {
  const ZQXML_DocumentTypeDefinition dtd = DtdOf(
      "<!ELEMENT r (#PCDATA | sup | b)*><!ELEMENT sup (#PCDATA)><!ELEMENT b EMPTY>"
      "<!ENTITY reg \"<sup>&#174;</sup>\"><!ENTITY bad \"<b>x</b>\"><!ENTITY word 'dtd'>");
  const ZQXML_Tree tree = ReadValid(dtd, "<r>A&reg;B</r>");
  const ZQXML_Node* sup = tree.GetRootNode()->FindChildElement("r")->FindChildElement("sup");
  ASSERT_NE(sup, nullptr);
  EXPECT_EQ(std::string(sup->GetValue().GetText()), "\xAE");
  const CaughtError error = ValidationError(dtd, "<r>&bad;</r>");
  EXPECT_EQ(error.Kind, "parse");
  EXPECT_EQ(error.SourceText, "<b>x</b>") << "the fault lies in the entity's text";
  EXPECT_EQ(error.Column, 4);
  const struct {
    const char* in;
    const char* want;
  } kShadowing[] = {
      {"<r>&word;</r>", "dtd"},
      {"<r>[-define word 'command'-]&word;</r>", "command"},
      {"<r>[-defdefine word 'command'-]&word;</r>", "dtd"},
  };
  for (const auto& c : kShadowing) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(std::string(ReadValid(dtd, c.in).GetRootNode()->GetValue().GetText()), c.want);
  }
}

TEST(ZQXML_Validation, WhiteSpaceInElementContentIsDroppedOrKept) {
  const ZQXML_DocumentTypeDefinition dtd = DtdOf("<!ELEMENT r (a*)><!ELEMENT a (#PCDATA)>");
  const char kText[] = "<r>\n  <a> x </a>\n  <a/>\n</r>";
  const struct {
    bool keep;
    long children;
  } kCases[] = {{false, 2}, {true, 5}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keep);
    ReadOptions options;
    options.KeepWhitespace = c.keep;
    const ZQXML_Tree tree = ReadValid(dtd, kText, options);
    const ZQXML_Node* root = tree.GetRootNode()->FindChildElement("r");
    EXPECT_EQ(root->GetChildren(ZQXML_NodeType_AllContent, "*").GetCount(), c.children);
    EXPECT_EQ(std::string(root->FindChildElement("a")->GetValue().GetText()), " x ");
  }
  EXPECT_EQ(ReadText(kText).GetRootNode()->FindChildElement("r")->GetChildren(ZQXML_NodeType_AllContent, "*").GetCount(), 5)
      << "without a DTD all text stays";
}

TEST(ZQXML_Validation, AFragmentIsReadUnderADummyRoot) {
  const ZQXML_DocumentTypeDefinition dtd =
      DtdOf("<!ELEMENT section (title, para*)><!ELEMENT title (#PCDATA)><!ELEMENT para (#PCDATA)>");
  const char kFragment[] =
      "<section><title>One</title></section>\ntext between\n<section><title>Two</title><para>p</para></section>\n";
  ReadOptions options;
  options.IsFragment = true;
  options.KeepWhitespace = true;
  const ZQXML_Tree tree = ReadValid(dtd, kFragment, options);
  const ZQXML_Node* first = tree.GetRootNode()->FindChildElement("section");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(std::string(first->GetValue().GetText()), "One");
  EXPECT_EQ(tree.GetRootNode()->GetChildren(ZQXML_NodeType_AllContent, "*").GetCount(), 4);
  EXPECT_EQ(first->GetParent(), tree.GetRootNode()) << "no node for the dummy root";

  const ZQ_FileName file(ZQ_FileUtils::GetTemporaryDirectory() + "ZQDtdFragment.xml");
  ZQXML_XMLTreeUtil_Write(tree, file);
  EXPECT_EQ(std::string(ZQ_LoadFileIntoString(file).GetText()), kFragment);
  ZQ_FileUtils::SafeDelete(file);

  const CaughtError bad = ValidationError(dtd, "x <section><title/>\n<title/></section>", options);
  EXPECT_EQ(bad.Line, 2);
  EXPECT_EQ(bad.Column, 1);
  const CaughtError stray = ValidationError(dtd, "<section><title/></section></section>", options);
  EXPECT_EQ(stray.Column, 28) << "an end tag outside every element";
  EXPECT_EQ(ErrorOf([&] {
              ZQXML_Reader reader("a <b>c</b> <d/>");
              reader.SetReadAsContentUnderDummyRoot(true);
              reader.Read();
            }).Kind,
            "")
      << "without a DTD any fragment is read";
}

TEST(ZQXML_DocumentTypeDefinition, CopiesShareUntilAnEntityIsDeclared) {
  ZQXML_DocumentTypeDefinition original = DtdOf("<!ELEMENT r (#PCDATA)><!ENTITY e 'one'>");
  ZQXML_DocumentTypeDefinition copy = original;
  EXPECT_EQ(original.GetReferenceCount(), 2);
  copy.DeclareInternalGeneralParsedEntity("e", "two");
  copy.DeclareInternalGeneralParsedEntity("app_name", "Globe");
  EXPECT_EQ(original.GetReferenceCount(), 1);
  EXPECT_EQ(std::string(ReadValid(original, "<r>&e;</r>").GetRootNode()->GetValue().GetText()), "one");
  EXPECT_EQ(std::string(ReadValid(copy, "<r>&e; &app_name;</r>").GetRootNode()->GetValue().GetText()),
            "two Globe");
  EXPECT_EQ(ValidationError(original, "<r>&app_name;</r>").Kind, "parse");
  ZQXML_DocumentTypeDefinition empty;
  empty.DeclareInternalGeneralParsedEntity("x", "y");
  EXPECT_EQ(ValidationError(empty, "<r/>").Kind, "parse") << "an empty DTD declares no element";
}

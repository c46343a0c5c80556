#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FuzzTestSupport.h"
#include "XmlTestSupport.h"

namespace {

const char* const kSeeds[] = {
    "<?xml version='1.0' encoding='ISO-8859-1'?>\n<!DOCTYPE doc SYSTEM 'doc.dtd'>\n"
    "<!-- seed --><doc a='1' b=\"two &amp; &#65;\">\n  <p id='x'>text &lt;here&gt; &#xe9;"
    "<![CDATA[raw <b> & ]]>more</p>\n  <empty/><?pi data?>\n</doc>\n",
    "[-define e 'ent <i>ity</i> &#66;'-][-defdefine f '&e;&e;'-]<r x='&e;'>&f;[-define g 'z'-]"
    "&g;<s>\r\n tail</s></r>",
    "<a><b><c><d>deep</d></c></b><b c='[-define q \"v\"-]'>&amp;&apos;&quot;</b></a>",
};

}  // namespace

TEST(ZQXML_Reader, MutatedDocumentsParseOrFailWithAPosition) {
  std::mt19937 random(20261207);
  long parsed = 0;
  long failed = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text = kSeeds[i % (sizeof kSeeds / sizeof kSeeds[0])];
    for (int n = 1 + random() % 3; n > 0; --n) Mutate(text, random);
    const CaughtError error = ErrorOf([&] {
      ZQXML_Reader reader(ZQ_String(text.data(), static_cast<int>(text.size())));
      reader.Read();
    });
    if (error.Kind.empty()) {
      ++parsed;
      continue;
    }
    ++failed;
    ASSERT_EQ(error.Kind, "parse") << text << "\n" << error.Description;
    ASSERT_TRUE(LiesInside(error.SourceText, error.ExceptionLine, error.ExceptionColumn))
        << text << "\n" << error.Description;
    ASSERT_EQ(error.Line, error.ExceptionLine);
  }
  EXPECT_GT(parsed, 100);
  EXPECT_GT(failed, 1000);
}

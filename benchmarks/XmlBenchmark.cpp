// Reads a generated document of about 5 MB (nested elements, attributes, text
// with character and entity references, comments, a parser command) into a
// tree, from memory and from a file, and from memory validating against a
// DTD; writes the tree back to a file, and reads the same bytes through a
// plain file stream source for comparison. It prints MB/s for each (the best
// of the passes) and the tree's size against the text's. Then it saves a
// settings registry of 10,000 items in 100 folders as XML and loads it again,
// printing the milliseconds of each (the best of the passes). Then it reads
// a generated document of about 100 MB with a million entity references.
// Last, the hard inputs: a document of 1,000 includes of one small file,
// building a 1,024-name "(a?,a?,...)" content model and one nested 63
// "(...)*" levels deep over 1,024 names, and validating a document whose
// attribute takes one of 1,000 enumerated values.
// Usage: XmlBenchmark [megabytes] [passes]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <new>
#include <string>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQXML_Reader.h"
#include "ZQXREG_RegistryDocument.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQXML_XMLTreeUtil.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_TextOutputFileStream.h"

// Live heap bytes, each block counted as a typical heap stores it: its size
// plus an 8-byte header, rounded up to 8 bytes.
static long long s_liveBytes = 0;

void* operator new(std::size_t Size) {
  const std::size_t cost = (Size + 8 + 7) & ~static_cast<std::size_t>(7);
  void* block = std::malloc(Size + 8);
  if (!block) throw std::bad_alloc();
  *static_cast<std::size_t*>(block) = cost;
  s_liveBytes += static_cast<long long>(cost);
  return static_cast<char*>(block) + 8;
}
void operator delete(void* Block) noexcept {
  if (!Block) return;
  void* start = static_cast<char*>(Block) - 8;
  s_liveBytes -= static_cast<long long>(*static_cast<std::size_t*>(start));
  std::free(start);
}
void* operator new[](std::size_t Size) { return operator new(Size); }
void operator delete[](void* Block) noexcept { operator delete(Block); }
void operator delete(void* Block, std::size_t) noexcept { operator delete(Block); }
void operator delete[](void* Block, std::size_t) noexcept { operator delete(Block); }

namespace {

// A small generator of our own: the same document on every run.
class SeededRandom {
 public:
  unsigned Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  unsigned Below(unsigned n) { return Next() % n; }

 private:
  unsigned m_state = 0x5EED2026u;
};

const char* const kWords[] = {
    "heat",  "stress", "globe",   "temperature", "wet",     "bulb",  "index", "work",
    "rest",  "water",  "shade",   "wind",        "solar",   "humid", "air",   "measured",
    "value", "the",    "of",      "and",         "a",       "to",    "in",    "for",
    "with",  "is",     "hourly",  "exposure",    "clothing", "load", "rate",  "limit"};

void AppendSentence(std::string& Out, SeededRandom& Random, int Words) {
  for (int i = 0; i < Words; ++i) {
    if (i) Out += ' ';
    Out += kWords[Random.Below(sizeof kWords / sizeof kWords[0])];
    switch (Random.Below(24)) {
      case 0: Out += " &amp;"; break;
      case 1: Out += " &lt;b&gt;"; break;
      case 2: Out += " &#233;t&#233;"; break;
      case 3: Out += " &#xB1;"; break;
      case 4: Out += " &product;"; break;
      default: break;
    }
  }
  Out += ". ";
}

void AppendSection(std::string& Out, SeededRandom& Random, int Number) {
  const std::string n = std::to_string(Number);
  Out += "  <section id='s" + n + "' level='1' type='default'>\n";
  Out += "    <title>Section " + n + ": heat &amp; work</title>\n";
  Out += "    <!-- section " + n + " begins -->\n";
  for (int p = 0, paras = 2 + Random.Below(3); p < paras; ++p) {
    Out += "    <para style='body' align='justify'>";
    for (int s = 0, sentences = 2 + Random.Below(4); s < sentences; ++s)
      AppendSentence(Out, Random, 6 + Random.Below(14));
    Out += "<em>note</em> ";
    AppendSentence(Out, Random, 5);
    Out += "</para>\n";
  }
  Out += "    <list kind='bullet'>\n";
  for (int i = 0, items = 2 + Random.Below(4); i < items; ++i) {
    Out += "      <item>";
    AppendSentence(Out, Random, 4 + Random.Below(8));
    Out += "</item>\n";
  }
  Out += "    </list>\n    <table columns='3'>\n";
  for (int r = 0, rows = 2 + Random.Below(3); r < rows; ++r) {
    Out += "      <row><cell>" + std::to_string(20 + Random.Below(20)) + ".5 &#176;C</cell>";
    Out += "<cell>" + std::to_string(Random.Below(60)) + " min</cell><cell>";
    AppendSentence(Out, Random, 3);
    Out += "</cell></row>\n";
  }
  Out += "    </table>\n  </section>\n";
}

std::string MakeDocument(long Bytes) {
  SeededRandom random;
  std::string text = "<?xml version='1.0'?>\n<!-- generated benchmark document -->\n";
  text += "[-define product 'the <em>WBGT</em> estimator'-]\n";
  text += "<report title='Benchmark' version='1'>\n";
  for (int n = 1; static_cast<long>(text.size()) < Bytes; ++n) AppendSection(text, random, n);
  text += "</report>\n";
  return text;
}

// The generated document's markup.
const char kDocumentDtd[] =
    "<!ENTITY product 'the <em>WBGT</em> estimator'>"
    "<!ENTITY % inline '#PCDATA | em'>"
    "<!ELEMENT report (section*)>"
    "<!ATTLIST report title CDATA #REQUIRED version NMTOKEN #IMPLIED>"
    "<!ELEMENT section (title, para+, list?, table?)>"
    "<!ATTLIST section id ID #REQUIRED level NMTOKEN #IMPLIED type (default | appendix) 'default'>"
    "<!ELEMENT title (%inline;)*>"
    "<!ELEMENT para (%inline;)*>"
    "<!ATTLIST para style CDATA #IMPLIED align (left | right | justify) #IMPLIED>"
    "<!ELEMENT em (#PCDATA)>"
    "<!ELEMENT list (item+)>"
    "<!ATTLIST list kind (bullet | number) #REQUIRED>"
    "<!ELEMENT item (%inline;)*>"
    "<!ELEMENT table (row+)>"
    "<!ATTLIST table columns NMTOKEN #IMPLIED>"
    "<!ELEMENT row (cell+)>"
    "<!ELEMENT cell (%inline;)*>";

// 100 folders of 100 items of every value kind.
void FillRegistry(ZQ_RegistryFolder& Root) {
  for (int f = 0; f < 100; ++f) {
    ZQ_RegistryFolder* folder = Root.GetFolder("Folder" + ZQ_String(std::to_string(f).c_str()));
    for (int i = 0; i < 100; ++i) {
      const ZQ_String key = "Item" + ZQ_String(std::to_string(i).c_str());
      switch (i % 5) {
        case 0: ZQ_SetInt32(*folder, key, i * 1000 - f); break;
        case 1: ZQ_SetUInt32(*folder, key, 0x10000ul * i + f); break;
        case 2: ZQ_SetDouble(*folder, key, i / 7.0 + f); break;
        case 3: ZQ_SetBool(*folder, key, i % 2 == 0); break;
        default: ZQ_SetString(*folder, key, "a settings text of some length"); break;
      }
    }
  }
}

double Seconds(std::chrono::steady_clock::time_point Start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

// The best throughput in MB/s of Passes runs of Job over Bytes bytes. What
// a job returns (a tree) is released after its run is timed.
// The shortest time in seconds of Passes runs of Job.
template <class Job>
double BestSeconds(int Passes, Job job) {
  double best = 1e9;
  for (int i = 0; i < Passes; ++i) {
    const auto start = std::chrono::steady_clock::now();
    [[maybe_unused]] const auto result = job();
    best = std::min(best, Seconds(start));
  }
  return best;
}

template <class Job>
double BestRate(long Bytes, int Passes, Job job) {
  double best = 0;
  for (int i = 0; i < Passes; ++i) {
    const auto start = std::chrono::steady_clock::now();
    [[maybe_unused]] const auto result = job();
    const double rate = Bytes / 1e6 / Seconds(start);
    if (rate > best) best = rate;
  }
  return best;
}

ZQ_String Text(const std::string& Chars) {
  return ZQ_String(Chars.data(), static_cast<int>(Chars.size()));
}

// About 100 MB of paragraphs, each ending in one small entity reference: a
// million references, far more than a fixed expansion budget would let in.
void TimeManyReferences(int Passes) {
  const int kParagraphs = 1000000;
  SeededRandom random;
  std::string text = "<?xml version='1.0'?>\n<r>[-define unit '&#176;C'-]\n";
  text.reserve(kParagraphs * 104L);
  for (int i = 0; i < kParagraphs; ++i) {
    text += "<p>";
    for (int w = 0; w < 15; ++w) {
      text += kWords[random.Below(sizeof kWords / sizeof kWords[0])];
      text += ' ';
    }
    text += std::to_string(20 + i % 20) + " &unit;</p>\n";
  }
  text += "</r>\n";
  const ZQ_String document = Text(text);
  const long size = static_cast<long>(text.size());
  std::string().swap(text);
  const double rate = BestRate(size, Passes, [&] { return ZQXML_Reader(document).Read(); });
  std::printf("read %.0f MB with 1,000,000 references: %.1f MB/s\n", size / 1e6, rate);
}

void TimeIncludes(const ZQ_String& Folder, int Passes) {
  const int kIncludes = 1000;
  const ZQ_FileName part(Folder + "ZQXmlBenchmarkPart.xml");
  const ZQ_FileName document(Folder + "ZQXmlBenchmarkIncludes.xml");
  ZQ_SaveStringAsFile("<part kind='small'>an included text</part>\n", part);
  std::string text = "<r>\n";
  for (int i = 0; i < kIncludes; ++i) text += "[-include 'ZQXmlBenchmarkPart.xml'-]\n";
  ZQ_SaveStringAsFile(Text(text + "</r>\n"), document);
  const double seconds = BestSeconds(Passes, [&] { return ZQXML_Reader(document).Read(); });
  std::printf("1,000 includes of one file:   %.1f ms (%.1f us each)\n", seconds * 1e3,
              seconds * 1e6 / kIncludes);
  ZQ_FileUtils::SafeDelete(part);
  ZQ_FileUtils::SafeDelete(document);
}

// Declarations of the elements n0 ... n1023 and of r with Model.
std::string ModelDtd(const std::string& Model) {
  std::string dtd = "<!ELEMENT r " + Model + ">";
  for (int i = 0; i < 1024; ++i) dtd += "<!ELEMENT n" + std::to_string(i) + " EMPTY>";
  return dtd;
}

void TimeModelBuilds(int Passes) {
  std::string optional = "(";
  for (int i = 0; i < 1024; ++i) optional += i ? ",n0?" : "n0?";
  optional += ")";
  std::string nested = "(";
  for (int i = 0; i < 1024; ++i) nested += (i ? "|n" : "n") + std::to_string(i);
  nested += ")";
  for (int level = 0; level < 62; ++level) nested = "(" + nested + ")*";
  const struct {
    const char* name;
    std::string dtd;
  } kModels[] = {{"1,024 x \"a?\" in sequence:    ", ModelDtd(optional)},
                 {"63 levels of \"(...)*\":        ", ModelDtd(nested)}};
  for (const auto& model : kModels) {
    const ZQ_String dtd = Text(model.dtd);
    const double seconds = BestSeconds(Passes, [&] {
      return ZQXML_DocumentTypeDefinitionParser(dtd, ZQ_String()).Parse();
    });
    std::printf("model build, %s %.1f ms\n", model.name, seconds * 1e3);
  }
}

void TimeEnumeration(int Passes) {
  std::string dtd = "<!ELEMENT r (e*)><!ELEMENT e EMPTY><!ATTLIST e v (";
  for (int i = 0; i < 1000; ++i) dtd += (i ? "|value" : "value") + std::to_string(i);
  dtd += ") #REQUIRED>";
  SeededRandom random;
  std::string text = "<r>\n";
  while (text.size() < 250 * 1000) text += "<e v='value" + std::to_string(random.Below(1000)) + "'/>\n";
  text += "</r>\n";
  const ZQXML_DocumentTypeDefinition definition =
      ZQXML_DocumentTypeDefinitionParser(Text(dtd), ZQ_String()).Parse();
  const ZQ_String document = Text(text);
  const double rate = BestRate(static_cast<long>(text.size()), Passes, [&] {
    ZQXML_Reader reader(document);
    reader.SetDocumentTypeDefinition(definition);
    return reader.Read();
  });
  std::printf("validate a 1,000-value enumeration: %.2f MB/s (%.2f MB)\n", rate, text.size() / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  const long megabytes = argc > 1 ? std::atol(argv[1]) : 5;
  const int passes = argc > 2 ? std::atoi(argv[2]) : 3;
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  // The registry DTD is a resource of this program.
  ZQLOW_WIN_SetProgramInstanceHandle(ZQLOW_WINBASE::GetModuleHandleA(nullptr));
  try {
    const std::string document = MakeDocument(megabytes * 1000 * 1000);
    const long size = static_cast<long>(document.size());
    const ZQ_String text(document.data(), static_cast<int>(size));
    const ZQ_String folder = ZQ_FileUtils::GetTemporaryDirectory();
    const ZQ_FileName input(folder + "ZQXmlBenchmarkIn.xml");
    const ZQ_FileName output(folder + "ZQXmlBenchmarkOut.xml");
    ZQ_SaveStringAsFile(text, input);

    const long long before = s_liveBytes;
    ZQXML_Tree tree = ZQXML_Reader(text).Read();
    const long long treeBytes = s_liveBytes - before;

    const double fromMemory = BestRate(size, passes, [&] { return ZQXML_Reader(text).Read(); });
    const double fromFile = BestRate(size, passes, [&] { return ZQXML_Reader(input).Read(); });
    const ZQXML_DocumentTypeDefinition dtd =
        ZQXML_DocumentTypeDefinitionParser(ZQ_String(kDocumentDtd), ZQ_String()).Parse();
    const double validating = BestRate(size, passes, [&] {
      ZQXML_Reader reader(text);
      reader.SetDocumentTypeDefinition(dtd);
      return reader.Read();
    });
    ZQXML_XMLTreeUtil_Write(tree, output);
    const long written = static_cast<long>(ZQ_FileUtils::GetFileSize(output));
    const double writing =
        BestRate(written, passes, [&] {
      ZQXML_XMLTreeUtil_Write(tree, output);
      return true;
    });
    const double plain = BestRate(size, passes, [&] {
      ZQ_SeekableStreamSource source = ZQ_CreateFileStreamSource(input, ZQ_FileStreamSource_UseReadFile);
      static char buffer[65536];
      for (unsigned long left = source.GetSize(); left > 0;) {
        const unsigned long n = left < sizeof buffer ? left : sizeof buffer;
        source.Read(buffer, n);
        left -= n;
      }
      return true;
    });
    std::printf("document: %.2f MB, tree: %.2f MB (%.2f x the text)\n", size / 1e6,
                treeBytes / 1e6, static_cast<double>(treeBytes) / size);
    std::printf("read into a tree from memory: %8.1f MB/s\n", fromMemory);
    std::printf("read into a tree from a file: %8.1f MB/s\n", fromFile);
    std::printf("read validating from memory:  %8.1f MB/s (%.0f %% over the plain read)\n",
                validating, (fromMemory / validating - 1) * 100);
    std::printf("write a tree to a file:       %8.1f MB/s (%.2f MB)\n", writing, written / 1e6);
    std::printf("plain file stream source:     %8.1f MB/s\n", plain);
    ZQ_FileUtils::SafeDelete(input);
    ZQ_FileUtils::SafeDelete(output);

    ZQ_RegistryFolder registry;
    FillRegistry(registry);
    const ZQ_FileName settings(folder + "ZQXmlBenchmarkSettings.xml");
    const ZQ_UID type(1, 2, 3, 4);
    double saving = 1e9;
    double loading = 1e9;
    for (int i = 0; i < passes; ++i) {
      auto start = std::chrono::steady_clock::now();
      ZQXREG_SaveFolderToFileInXMLFormat(settings, registry, "Benchmark", type);
      saving = std::min(saving, Seconds(start));
      ZQ_RegistryFolder loaded;
      start = std::chrono::steady_clock::now();
      ZQXREG_LoadFolderFromFileInXMLFormat(settings, loaded, "Benchmark", type);
      loading = std::min(loading, Seconds(start));
    }
    std::printf("registry of 10,000 items:     save %.1f ms, load %.1f ms (%.2f MB)\n", saving * 1e3,
                loading * 1e3, ZQ_FileUtils::GetFileSize(settings) / 1e6);
    ZQ_FileUtils::SafeDelete(settings);

    TimeManyReferences(passes);
    TimeIncludes(folder, passes);
    TimeModelBuilds(passes);
    TimeEnumeration(passes);
  } catch (const ZQ_Exception& e) {
    std::printf("%s\n%s\n", e.GetName().GetText(), e.GetDescription().GetText());
    return 1;
  }
  return 0;
}
